#include "EditorWindowTestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace typ::win::test {
namespace {

// Forty lines of sixty characters, each line unlike its neighbours.
std::u16string VariedPage() {
    std::u16string text;
    for (int line = 0; line < 40; ++line) {
        for (int column = 0; column < 60; ++column)
            text += static_cast<char16_t>(u'a' + (line * 7 + column) % 26);
        text += line < 39 ? u"\r\n" : u"";
    }
    return text;
}

void PaintEverything(TfrmEditorTYP& form) {
    Pump();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::optional<RECT> Pending(HWND window) {
    RECT pending{};
    if (!GetUpdateRect(window, &pending, FALSE))
        return std::nullopt;
    return pending;
}

SIZE CellOf(HWND grid) {
    const HDC dc = GetDC(grid);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)));
    SIZE cell{};
    GetTextExtentPoint32W(dc, L"L", 1, &cell);
    ReleaseDC(grid, dc);
    return cell;
}

// A key as the message loop hands it over, without the paint that follows.
void KeyDown(HWND grid, UINT key, wchar_t character = 0) {
    SendMessageW(grid, WM_KEYDOWN, key, 1);
    if (character != 0)
        SendMessageW(grid, WM_CHAR, character, 1);
}

void KeyUp(HWND grid, UINT key) {
    SendMessageW(grid, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

class TRepaintForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.LoadText(VariedPage());
        form.SetPageSize(60, 40);
        ShowPlain(form);
        grid = GridOf(form);
        cell = CellOf(grid);
        for (HWND ruler : FindDescendants(form.Handle(), L"TypRuler"))
            rulers.push_back(ruler);
        PaintEverything(form);
    }
    void TearDown() override { ShowWindow(form.Handle(), SW_HIDE); }

    void ExpectRulersUntouched() {
        ASSERT_EQ(rulers.size(), 2u);
        for (HWND ruler : rulers)
            EXPECT_FALSE(Pending(ruler)) << "a ruler repaints";
    }

    TfrmEditorTYP form;
    HWND grid = nullptr;
    SIZE cell{};
    std::vector<HWND> rulers;
};

TEST_F(TRepaintForm, OverwritingRepaintsTheTypedCellAndItsNeighboursOnly) {
    KeyDown(grid, VK_RIGHT);
    KeyUp(grid, VK_RIGHT);
    PaintEverything(form);
    KeyDown(grid, 'X', L'X');
    const auto pending = Pending(grid);
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->top, 0);
    EXPECT_EQ(pending->bottom, cell.cy);
    EXPECT_EQ(pending->left, 0);
    EXPECT_EQ(pending->right, 3 * cell.cx);
    KeyUp(grid, 'X');
    ExpectRulersUntouched();
    EXPECT_EQ(StatusText(StatusBarOf(form), 2), L"Posición: (x, y) = (2, 1)");
}

TEST_F(TRepaintForm, InsertingRepaintsTheRestOfTheLine) {
    KeyDown(grid, VK_INSERT);
    KeyUp(grid, VK_INSERT);
    KeyDown(grid, VK_DOWN);
    KeyUp(grid, VK_DOWN);
    PaintEverything(form);
    KeyDown(grid, 'X', L'X');
    const auto pending = Pending(grid);
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->top, cell.cy);
    EXPECT_EQ(pending->bottom, 2 * cell.cy);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(grid, region, FALSE);
    RECT client{};
    GetClientRect(grid, &client);
    for (LONG column = 0; column < 60 && column * cell.cx < client.right; ++column) {
        EXPECT_TRUE(PtInRegion(region, column * cell.cx + cell.cx / 2, cell.cy + cell.cy / 2))
            << "column " << column;
    }
    DeleteObject(region);
    ExpectRulersUntouched();
}

TEST_F(TRepaintForm, MovingTheCaretRepaintsNoCellAndScrollingRepaintsTheLeftRulerOnly) {
    POINT before{};
    GetCaretPos(&before);
    KeyDown(grid, VK_RIGHT);
    KeyUp(grid, VK_RIGHT);
    POINT after{};
    GetCaretPos(&after);
    EXPECT_EQ(after.x, before.x + cell.cx);
    EXPECT_FALSE(Pending(grid));
    ExpectRulersUntouched();
    ASSERT_EQ(rulers.size(), 2u);
    RECT first{}, second{};
    GetClientRect(rulers[0], &first);
    GetClientRect(rulers[1], &second);
    const HWND top = first.right > second.right ? rulers[0] : rulers[1];
    const HWND left = top == rulers[0] ? rulers[1] : rulers[0];
    for (int line = 0; line < 40 && !Pending(left); ++line) {
        KeyDown(grid, VK_DOWN);
        KeyUp(grid, VK_DOWN);
    }
    EXPECT_TRUE(Pending(left)) << "the line marks do not follow the scrolling";
    EXPECT_FALSE(Pending(top)) << "the column marks repaint unchanged";
    // The caret stays on the bottom row.
    KeyDown(grid, VK_DOWN);
    KeyUp(grid, VK_DOWN);
    RECT client{};
    GetClientRect(grid, &client);
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_LE(caret.y + cell.cy, client.bottom);
    EXPECT_GT(caret.y + 2 * cell.cy, client.bottom);
}

// The grid's client area as drawn, read back in one piece.
std::vector<DWORD> Picture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<std::size_t>(client.right * client.bottom));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Seeded keys, selections and scrolling: after each key the partly repainted
// grid looks as it does repainted whole.
TEST_F(TRepaintForm, PartRepaintsLookLikeWholeRepaints) {
    struct TKey {
        UINT Key;
        wchar_t Character;
    };
    const TKey keys[] = {{'A', L'a'},    {'B', L'b'},    {VK_BACK, L'\b'}, {VK_RETURN, L'\r'},
                         {VK_DELETE, 0}, {VK_INSERT, 0}, {VK_LEFT, 0},     {VK_RIGHT, 0},
                         {VK_UP, 0},     {VK_DOWN, 0},   {VK_HOME, 0},     {VK_END, 0},
                         {VK_NEXT, 0},   {VK_PRIOR, 0}};
    SetFocus(nullptr); // no caret over the cells
    std::mt19937 random(2613);
    for (int round = 0; round < 120; ++round) {
        const TKey& key = keys[random() % std::size(keys)];
        SetShift(key.Character == 0 && random() % 3 == 0);
        KeyDown(grid, key.Key, key.Character);
        KeyUp(grid, key.Key);
        SetShift(false);
        UpdateWindow(grid);
        const auto part = Picture(grid);
        InvalidateRect(grid, nullptr, FALSE);
        UpdateWindow(grid);
        ASSERT_EQ(part, Picture(grid)) << "round " << round << ", key " << key.Key;
    }
}

} // namespace
} // namespace typ::win::test
