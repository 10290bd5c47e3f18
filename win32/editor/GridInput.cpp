#include "editor/ErrorBox.h"
#include "editor/GridView.h"
#include "editor/ViewGeometry.h"

namespace typ::win {

namespace {

constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragInterval = 50;
// A pause in typing this long ends the run Deshacer takes back as one unit.
constexpr LONG kTypingPause = 1000;

TShiftState CurrentShift() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((divisor - 1 - value) / divisor);
}

bool IsTracked(int key) {
    return key >= 0 && key < 256;
}

} // namespace

void TGridView::Guarded(const std::function<void()>& action) {
    RunGuarded(GetAncestor(FHandle, GA_ROOT), action);
}

void TGridView::KeyDown(int key) {
    if (IsTracked(key))
        FKeysDown.set(static_cast<std::size_t>(key));
    const TShiftState shift = CurrentShift();
    Guarded([&] { FGrid.KeyDown(key, shift); });
    CaretMoved();
}

void TGridView::KeyChar(char16_t character) {
    const LONG now = GetMessageTime();
    if (now - FLastCharTime > kTypingPause)
        FGrid.BreakTypingRun();
    FLastCharTime = now;
    Guarded([&] { FGrid.KeyPress(character); });
    CaretMoved();
}

void TGridView::KeyUp(int key) {
    if (!IsTracked(key) || !FKeysDown.test(static_cast<std::size_t>(key)))
        return;
    FKeysDown.reset(static_cast<std::size_t>(key));
    const TShiftState shift = CurrentShift();
    Guarded([&] { FGrid.KeyUp(key, shift); });
    CaretMoved();
    if (OnStatus)
        OnStatus();
}

// The nearest character boundary to a point of the client area.
int TGridView::HitOffset(POINT point) const {
    const TRowCell place{FFirstRow + FloorDiv(point.y, FCell.cy),
                         FFirstColumn + FloorDiv(point.x + FCell.cx / 2, FCell.cx)};
    return OffsetOfCell(FGrid.Editor(), CellAt(place));
}

// The cell under a point of the client area, on the page.
TCell TGridView::HitCell(POINT point) const {
    const TRowCell place{FFirstRow + FloorDiv(point.y, FCell.cy),
                         FFirstColumn + FloorDiv(point.x, FCell.cx)};
    return CellAt(place);
}

void TGridView::MouseDown(POINT point, bool extend) {
    SetFocus(FHandle);
    FGrid.BreakTypingRun();
    FBlockDrag = GetKeyState(VK_MENU) < 0;
    if (FBlockDrag) {
        FBlockAnchor = HitCell(point);
        FGrid.SelectBlock({FBlockAnchor.Column, FBlockAnchor.Line},
                          {FBlockAnchor.Column, FBlockAnchor.Line});
        FDragging = true;
        SetCapture(FHandle);
        CaretMoved();
        Clicked();
        return;
    }
    FGrid.EndBlock();
    TMemo& memo = FGrid.Editor();
    const int offset = HitOffset(point);
    FDragAnchor = extend ? SelectionAnchor(memo) : offset;
    memo.SetSel(FDragAnchor, offset);
    FDragging = true;
    SetCapture(FHandle);
    CaretMoved();
    Clicked();
}

// Past the edge of the client area the selection keeps growing and the text
// scrolls, on every move and on a timer while the mouse rests.
void TGridView::DragTo(POINT point) {
    if (FBlockDrag) {
        const TCell cell = HitCell(point);
        FGrid.SelectBlock({FBlockAnchor.Column, FBlockAnchor.Line}, {cell.Column, cell.Line});
    } else {
        FGrid.Editor().SetSel(FDragAnchor, HitOffset(point));
    }
    CaretMoved();
    RECT client;
    GetClientRect(FHandle, &client);
    if (PtInRect(&client, point))
        KillTimer(FHandle, kDragTimer);
    else
        SetTimer(FHandle, kDragTimer, kDragInterval, nullptr);
}

void TGridView::DragTick() {
    if (!FDragging)
        return;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(FHandle, &point);
    DragTo(point);
}

void TGridView::MouseUp() {
    if (!FDragging)
        return;
    ReleaseCapture();
    Clicked();
}

void TGridView::DragEnded() {
    FDragging = false;
    KillTimer(FHandle, kDragTimer);
}

void TGridView::DoubleClick(POINT point) {
    FGrid.EndBlock();
    const TRange word = WordAt(FGrid.Editor(), HitOffset(point));
    FGrid.Editor().SetSel(word.Start, word.End);
    CaretMoved();
    Clicked();
}

void TGridView::Clicked() {
    FGrid.UpdateStatus();
    if (OnStatus)
        OnStatus();
}

} // namespace typ::win
