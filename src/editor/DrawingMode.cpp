#include "editor/DrawingMode.h"

#include "editor/DrawingFlag.h"

namespace typ {

namespace {

TDrawingCommandStates StatesOf(TEnabling change) {
    using enum TCommandId;
    return {{{actCortar, change},
             {actCopiar, change},
             {actPegar, change},
             {actBorrar, change},
             {actBuscar, change},
             {actReemplazar, change}}};
}

} // namespace

TDrawingCommandStates actDibujarExecute(TGridEditor& grid) {
    const bool checked = !grid.DrawingChecked();
    grid.SetDrawingChecked(checked);
    grid.Drawing().SetStyle(TLineStyle::Single);
    if (grid.TypeEdition() != kHostedEdition)
        return StatesOf(TEnabling::Leave);
    SetDrawingFlag(checked);
    return StatesOf(checked ? TEnabling::Disable : TEnabling::Enable);
}

bool DrawingDouble(const TGridEditor& grid) {
    return grid.DrawingChecked() && grid.Drawing().Style() == TLineStyle::Double;
}

TDrawingCommandStates actDibujarDobleExecute(TGridEditor& grid) {
    if (DrawingDouble(grid))
        return actDibujarExecute(grid);
    const TDrawingCommandStates states =
        grid.DrawingChecked() ? StatesOf(TEnabling::Leave) : actDibujarExecute(grid);
    grid.Drawing().SetStyle(TLineStyle::Double);
    return states;
}

TDrawingCommandStates CycleDrawingMode(TGridEditor& grid) {
    if (grid.DrawingChecked() && !DrawingDouble(grid))
        return actDibujarDobleExecute(grid);
    return actDibujarExecute(grid);
}

TDrawingCommandStates LeaveDrawingMode(TGridEditor& grid) {
    if (!grid.DrawingChecked())
        return StatesOf(TEnabling::Leave);
    return actDibujarExecute(grid);
}

} // namespace typ
