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
    if (grid.TypeEdition() != kHostedEdition)
        return StatesOf(TEnabling::Leave);
    SetDrawingFlag(checked);
    return StatesOf(checked ? TEnabling::Disable : TEnabling::Enable);
}

TDrawingCommandStates LeaveDrawingMode(TGridEditor& grid) {
    if (!grid.DrawingChecked())
        return StatesOf(TEnabling::Leave);
    return actDibujarExecute(grid);
}

} // namespace typ
