#pragma once

#include "editor/Commands.h"
#include "editor/GridEditor.h"

#include <array>

// The Dibujar command: drawing mode on or off, and what that does to the
// editing commands that make no sense while the cursor keys draw.
namespace typ {

// Cortar, Copiar, Pegar, Borrar, Buscar and Reemplazar, in that order, with
// the change the window applies to each.
using TDrawingCommandStates = std::array<TCommandEnabling, 6>;

// Toggles the command's check state, drawing single lines when it comes on;
// in edition mode 2 also the process-wide
// drawing flag, disabling the six commands when drawing starts and enabling
// them when it ends. In any other mode the six are left as they are.
TDrawingCommandStates actDibujarExecute(TGridEditor& grid);

// Whether the cursor keys draw double lines.
bool DrawingDouble(const TGridEditor& grid);
// Dibujar doble: double lines from off or single drawing, off from double.
TDrawingCommandStates actDibujarDobleExecute(TGridEditor& grid);
// The tool bar's Dibujar button: off, single, double, off again.
TDrawingCommandStates CycleDrawingMode(TGridEditor& grid);

// Switches drawing mode off as the command does; changes nothing when its
// check state is already off.
TDrawingCommandStates LeaveDrawingMode(TGridEditor& grid);

} // namespace typ
