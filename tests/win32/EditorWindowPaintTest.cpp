#include "EditorWindowTestSupport.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace typ::win::test {
namespace {

constexpr std::array<const wchar_t*, 5> kFacesInPreference = {
    L"Courier LD", L"Consolas", L"Lucida Console", L"Courier New", L"DejaVu Sans Mono"};

// The face a font really gets: a face that is not installed is replaced.
std::wstring RealFace(const wchar_t* face) {
    const HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   FIXED_PITCH | FF_MODERN, face);
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, name);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return name;
}

LOGFONTW GridFont(TfrmEditorTYP& form) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GridOf(form), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font;
}

SIZE CellOf(TfrmEditorTYP& form) {
    const HWND grid = GridOf(form);
    const HDC dc = GetDC(grid);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)));
    SIZE cell{};
    GetTextExtentPoint32W(dc, L"L", 1, &cell);
    ReleaseDC(grid, dc);
    return cell;
}

SCROLLINFO ScrollInfo(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

// Ink on the white page, smoothed strokes included.
bool IsInk(COLORREF color) {
    return GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 224;
}

TEST(EditorWindowPaint, TheGridFontIsTheFirstInstalledFaceAtTenPoints) {
    TfrmEditorTYP form;
    const LOGFONTW font = GridFont(form);
    const std::wstring chosen = font.lfFaceName;
    EXPECT_EQ(RealFace(chosen.c_str()), chosen);
    bool found = false;
    for (const wchar_t* face : kFacesInPreference) {
        if (chosen == face) {
            found = true;
            break;
        }
        EXPECT_NE(RealFace(face), face) << "preferred face left out";
    }
    EXPECT_TRUE(found) << "unexpected face";
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

// A column of code 179 draws an unbroken vertical line; a row of 196 an
// unbroken horizontal one. The text keeps its DOS characters.
TEST(EditorWindowPaint, FrameCharactersAreDrawnAsLines) {
    TfrmEditorTYP form;
    std::u16string text;
    for (int line = 0; line < 4; ++line)
        text += u"  \u00B3       \r\n";
    text += std::u16string(10, u'\u00C4');
    form.LoadText(text);
    form.SetPageSize(10, 5);
    ShowPlain(form);
    const HWND grid = GridOf(form);
    SetFocus(nullptr); // no caret over the cells
    InvalidateRect(grid, nullptr, FALSE);
    UpdateWindow(grid);
    const SIZE cell = CellOf(form);
    const HDC dc = GetDC(grid);

    int lineX = -1;
    for (int x = 2 * cell.cx; x < 3 * cell.cx && lineX < 0; ++x) {
        if (IsInk(GetPixel(dc, x, cell.cy + cell.cy / 2)))
            lineX = x;
    }
    ASSERT_GE(lineX, 0) << "no vertical stroke in the cell";
    for (int y = 0; y < 4 * cell.cy; ++y)
        EXPECT_TRUE(IsInk(GetPixel(dc, lineX, y))) << "gap at y " << y;

    int lineY = -1;
    for (int y = 4 * cell.cy; y < 5 * cell.cy && lineY < 0; ++y) {
        if (IsInk(GetPixel(dc, cell.cx / 2, y)))
            lineY = y;
    }
    ASSERT_GE(lineY, 0) << "no horizontal stroke in the cell";
    for (int x = 0; x < 10 * cell.cx; ++x)
        EXPECT_TRUE(IsInk(GetPixel(dc, x, lineY))) << "gap at x " << x;
    EXPECT_FALSE(IsInk(GetPixel(dc, cell.cx / 2, cell.cy / 2)));
    ReleaseDC(grid, dc);
    EXPECT_EQ(form.Grid().Editor().Line(0), u"  \u00B3       ");
}

// Whether any pixel of a cell of a window holds ink.
bool CellHasInk(HWND window, RECT cell) {
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    bool ink = false;
    for (LONG y = cell.top; y < cell.bottom && !ink; ++y) {
        for (LONG x = cell.left; x < cell.right && !ink; ++x)
            ink = IsInk(GetPixel(dc, x, y));
    }
    ReleaseDC(window, dc);
    return ink;
}

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

// The top ruler marks every fifth column and the left one every fifth line;
// both follow the grid when it scrolls.
TEST(EditorWindowPaint, RulersFollowTheGridsScrolling) {
    TfrmEditorTYP form;
    form.SetPageSize(250, 500);
    ShowPlain(form);
    const HWND grid = GridOf(form);
    const std::vector<HWND> rulers = FindDescendants(form.Handle(), L"TypRuler");
    ASSERT_EQ(rulers.size(), 2u);
    const bool firstIsTop = ClientOf(rulers[0]).right > ClientOf(rulers[1]).right;
    const HWND top = rulers[firstIsTop ? 0 : 1];
    const HWND left = rulers[firstIsTop ? 1 : 0];
    const SIZE cell = CellOf(form);
    const LONG marksTop = ClientOf(top).bottom / 2;
    const LONG marksBottom = ClientOf(top).bottom;
    const auto columnCell = [&](LONG column) {
        return RECT{column * cell.cx, marksTop, (column + 1) * cell.cx, marksBottom};
    };
    const LONG leftWidth = ClientOf(left).right;
    const auto lineCell = [&](LONG line) {
        return RECT{0, line * cell.cy, leftWidth, (line + 1) * cell.cy};
    };
    EXPECT_TRUE(CellHasInk(top, columnCell(4)));
    EXPECT_FALSE(CellHasInk(top, columnCell(3)));
    EXPECT_TRUE(CellHasInk(left, lineCell(4)));
    EXPECT_FALSE(CellHasInk(left, lineCell(3)));

    SendMessageW(grid, WM_HSCROLL, SB_LINEDOWN, 0);
    SendMessageW(grid, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_TRUE(CellHasInk(top, columnCell(3)));
    EXPECT_FALSE(CellHasInk(top, columnCell(4)));
    EXPECT_TRUE(CellHasInk(left, lineCell(3)));
    EXPECT_FALSE(CellHasInk(left, lineCell(4)));
}

TEST(EditorWindowPaint, ALargePagePaintsAndScrollsToItsEnd) {
    TfrmEditorTYP form;
    form.SetPageSize(250, 500);
    form.Grid().Editor().SetSel(0, 1);
    form.Grid().Editor().ReplaceSel(u"\u00DA", false);
    ShowPlain(form);
    const HWND grid = GridOf(form);
    InvalidateRect(grid, nullptr, FALSE);
    UpdateWindow(grid);
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(grid, &pending, FALSE));

    SendMessageW(grid, WM_VSCROLL, SB_BOTTOM, 0);
    SendMessageW(grid, WM_HSCROLL, SB_BOTTOM, 0);
    SCROLLINFO vertical = ScrollInfo(grid, SB_VERT);
    EXPECT_EQ(vertical.nMax, 499);
    EXPECT_EQ(vertical.nPos + static_cast<int>(vertical.nPage), 500);
    const SCROLLINFO horizontal = ScrollInfo(grid, SB_HORZ);
    EXPECT_EQ(horizontal.nMax, 250);
    EXPECT_EQ(horizontal.nPos + static_cast<int>(horizontal.nPage), 251);
    UpdateWindow(grid);
    EXPECT_FALSE(GetUpdateRect(grid, &pending, FALSE));

    SendMessageW(grid, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(ScrollInfo(grid, SB_VERT).nPos, 0);
}

} // namespace
} // namespace typ::win::test
