#include "EditorWindowTestSupport.h"

#include <gtest/gtest.h>

namespace typ::win::test {
namespace {

constexpr char16_t kPage[] = u"abcdefghij\r\nklmnopqrst\r\nuvwxyz0123";

class TTypingForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.LoadText(kPage);
        form.SetPageSize(10, 3);
        ShowPlain(form);
        grid = GridOf(form);
    }
    void TearDown() override { ShowWindow(form.Handle(), SW_HIDE); }

    std::u16string FirstLine() { return form.Grid().Editor().Line(0); }

    TfrmEditorTYP form;
    HWND grid = nullptr;
};

TEST_F(TTypingForm, TypedCharactersOverwriteThenInsertAfterTheInsertKey) {
    PostTyped(grid, L'X');
    Pump();
    EXPECT_EQ(FirstLine(), u"Xbcdefghij");
    PostKey(grid, VK_INSERT);
    PostTyped(grid, L'Y');
    Pump();
    EXPECT_EQ(FirstLine(), u"XYbcdefghi");
    EXPECT_TRUE(form.Grid().InsertMode());
    EXPECT_EQ(StatusText(StatusBarOf(form), 1), L"\tINS");
    EXPECT_EQ(StatusText(StatusBarOf(form), 2), L"Posición: (x, y) = (2, 1)");
    EXPECT_EQ(form.Grid().Editor().LineCount(), 3);
}

TEST_F(TTypingForm, KeysMoveTheCaretAndTheGridKeepsItsShape) {
    PostKey(grid, VK_DOWN);
    PostKey(grid, VK_END);
    PostTyped(grid, L'Z');
    PostTyped(grid, L'\b');
    Pump();
    EXPECT_EQ(form.Grid().Editor().Line(1), u"klmnopqrs ");
    PostTyped(grid, L'\r');
    PostTyped(grid, L'!');
    Pump();
    EXPECT_EQ(form.Grid().Editor().Line(2), u"!vwxyz0123");
    EXPECT_EQ(form.Grid().Editor().Text().size(), 34u);
}

TEST_F(TTypingForm, AClickPlacesTheCaretAndAShiftClickSelects) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0));
    HDC dc = GetDC(grid);
    SelectObject(dc, font);
    SIZE cell{};
    GetTextExtentPoint32W(dc, L"L", 1, &cell);
    ReleaseDC(grid, dc);
    const auto at = [&](int column, int line) {
        return MAKELPARAM(column * cell.cx + 1, line * cell.cy + cell.cy / 2);
    };
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at(3, 1));
    SendMessageW(grid, WM_LBUTTONUP, 0, at(3, 1));
    EXPECT_EQ(form.Grid().Editor().SelStart(), 15);
    EXPECT_EQ(StatusText(StatusBarOf(form), 2), L"Posición: (x, y) = (3, 2)");
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at(5, 2));
    SendMessageW(grid, WM_LBUTTONUP, 0, at(5, 2));
    EXPECT_EQ(form.Grid().Editor().SelStart(), 15);
    EXPECT_EQ(form.Grid().Editor().SelLength(), 14);
    EXPECT_EQ(StatusText(StatusBarOf(form), 2),
              L"Posición: (x, y) = (3, 2) - Texto seleccionado: 14 caracteres");
    SendMessageW(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, at(4, 0));
    EXPECT_EQ(form.Grid().Editor().SelText(), u"abcdefghij");
}

} // namespace
} // namespace typ::win::test
