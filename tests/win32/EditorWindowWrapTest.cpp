#include "EditorWindowTestSupport.h"
#include "editor/CommandIds.h"

#include <gtest/gtest.h>
#include <string>

namespace typ::win::test {
namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 30;

SCROLLINFO VerticalBar(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    return info;
}

bool HasHorizontalBar(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_HSCROLL) != 0;
}

// Ink on the white page, smoothed strokes included.
bool CellHasInk(HWND window, RECT cell) {
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    bool ink = false;
    for (LONG y = cell.top; y < cell.bottom && !ink; ++y) {
        for (LONG x = cell.left; x < cell.right && !ink; ++x) {
            const COLORREF color = GetPixel(dc, x, y);
            ink = GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 224;
        }
    }
    ReleaseDC(window, dc);
    return ink;
}

// A page of blanks with a mark at the start of each line's second row, and
// the grid's cells measured.
class TWrapForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.LoadText(u"");
        form.SetPageSize(kWidth, kHeight);
        ShowPlain(form);
        grid = GridOf(form);
        const HDC dc = GetDC(grid);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, L"L", 1, &cell);
        ReleaseDC(grid, dc);
        for (int line = 0; line < kHeight; ++line) {
            const int at = Offset(line, Columns());
            form.Grid().Editor().SetSel(at, at + 1);
            form.Grid().Editor().ReplaceSel(u"X", false);
        }
        form.Grid().Editor().SetSelStart(0);
        text = form.Grid().Editor().Text();
    }
    void TearDown() override { ShowWindow(form.Handle(), SW_HIDE); }

    void ToggleWrap() {
        SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(TCommandId::actCortarPalabras), 0);
    }
    bool WrapChecked() {
        return (GetMenuState(GetMenu(form.Handle()),
                             CommandMessageId(TCommandId::actCortarPalabras), MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }
    // The whole cells across the grid: the width of a wrapped row.
    int Columns() {
        RECT client;
        GetClientRect(grid, &client);
        return static_cast<int>(client.right / cell.cx);
    }
    int RowsPerLine() { return (kWidth + Columns() - 1) / Columns(); }
    static int Offset(int line, int column) { return line * (kWidth + 2) + column; }
    RECT CellRect(int row, int column) const {
        return {column * cell.cx, row * cell.cy, (column + 1) * cell.cx, (row + 1) * cell.cy};
    }
    void ClickAt(int row, int column) {
        const LPARAM at = MAKELPARAM(column * cell.cx + 1, row * cell.cy + cell.cy / 2);
        SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(grid, WM_LBUTTONUP, 0, at);
    }

    TfrmEditorTYP form;
    HWND grid = nullptr;
    SIZE cell{};
    std::u16string text;
};

TEST_F(TWrapForm, CortarPalabrasTogglesTheRowsTheBarAndTheCheckMark) {
    ASSERT_LT(Columns(), kWidth) << "the window should be narrower than the page";
    ASSERT_GE(RowsPerLine(), 2);
    EXPECT_FALSE(WrapChecked());
    EXPECT_TRUE(HasHorizontalBar(grid));
    EXPECT_EQ(VerticalBar(grid).nMax, kHeight - 1);

    ToggleWrap();
    EXPECT_TRUE(WrapChecked());
    EXPECT_FALSE(HasHorizontalBar(grid));
    EXPECT_EQ(VerticalBar(grid).nMax, kHeight * RowsPerLine() - 1);
    EXPECT_TRUE(CellHasInk(grid, CellRect(1, 0))) << "line 1's second row";
    EXPECT_FALSE(CellHasInk(grid, CellRect(0, Columns() - 1)));

    ToggleWrap();
    EXPECT_FALSE(WrapChecked());
    EXPECT_TRUE(HasHorizontalBar(grid));
    EXPECT_EQ(VerticalBar(grid).nMax, kHeight - 1);
    EXPECT_FALSE(CellHasInk(grid, CellRect(1, 0)));
    EXPECT_EQ(form.Grid().Editor().Text(), text);
}

TEST_F(TWrapForm, AClickOnAContinuationRowPutsTheCaretOnItsPageLine) {
    ToggleWrap();
    const int w = Columns();
    ClickAt(1, 5);
    EXPECT_EQ(form.Grid().Editor().SelStart(), Offset(0, w + 5));
    ClickAt(RowsPerLine() + 1, 2);
    EXPECT_EQ(form.Grid().Editor().SelStart(), Offset(1, w + 2));
    EXPECT_EQ(StatusText(StatusBarOf(form), 2),
              L"Posición: (x, y) = (" + std::to_wstring(w + 2) + L", 2)");
    // Past the end of a short last row: the line's end.
    ClickAt(RowsPerLine() - 1, w - 1);
    EXPECT_EQ(form.Grid().Editor().SelStart(), Offset(0, kWidth));
    EXPECT_EQ(form.Grid().Editor().Text(), text);
}

// The caret is scrolled into view by rows, and the left ruler marks a line
// on its first row only.
TEST_F(TWrapForm, TheCaretScrollsIntoViewByRowsAndTheRulerMarksFirstRows) {
    ToggleWrap();
    for (int line = 1; line < kHeight; ++line)
        PostKey(grid, VK_DOWN);
    Pump();
    EXPECT_EQ(form.Grid().Editor().SelStart(), Offset(kHeight - 1, 0));
    const SCROLLINFO bar = VerticalBar(grid);
    const int caretRow = (kHeight - 1) * RowsPerLine();
    EXPECT_LE(bar.nPos, caretRow);
    EXPECT_LT(caretRow, bar.nPos + static_cast<int>(bar.nPage));

    SendMessageW(grid, WM_VSCROLL, SB_TOP, 0);
    HWND left = nullptr;
    for (const HWND ruler : FindDescendants(form.Handle(), L"TypRuler")) {
        RECT client;
        GetClientRect(ruler, &client);
        if (client.bottom > client.right)
            left = ruler;
    }
    ASSERT_NE(left, nullptr);
    RECT client;
    GetClientRect(left, &client);
    const auto rowOf = [&](int row) {
        return RECT{0, row * cell.cy, client.right, (row + 1) * cell.cy};
    };
    EXPECT_TRUE(CellHasInk(left, rowOf(4 * RowsPerLine()))) << "line 5's mark";
    EXPECT_FALSE(CellHasInk(left, rowOf(4)));
}

TEST_F(TWrapForm, ResizingTheWindowRewraps) {
    ToggleWrap();
    RECT bounds;
    GetWindowRect(form.Handle(), &bounds);
    SetWindowPos(form.Handle(), nullptr, 0, 0, (bounds.right - bounds.left) / 2,
                 bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    ASSERT_GE(RowsPerLine(), 3);
    EXPECT_EQ(VerticalBar(grid).nMax, kHeight * RowsPerLine() - 1);
    EXPECT_FALSE(HasHorizontalBar(grid));
    EXPECT_EQ(form.Grid().Editor().Text(), text);
}

} // namespace
} // namespace typ::win::test
