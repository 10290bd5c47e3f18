// The print preview: the sheet it takes from the test printer, from no printer
// and from a chosen printer that is gone; and its window, driven from a second
// thread as a person would while the preview runs modally.
#include "editor/PrintPreview.h"

#include "TestPrinter.h"
#include "WindowCapture.h"
#include "editor/CurrentPrinter.h"
#include "editor/PreviewStatus.h"
#include "editor/PreviewTarget.h"
#include "editor/ScrollBarGeometry.h"
#include "platform/WideText.h"

#include <chrono>
#include <commctrl.h>
#include <commdlg.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>
#include <winspool.h>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kPrinter[] = L"Typ Preview Test";
// Pixels of the frame's top line at least, drawn gray across the sheet.
constexpr int kFrameRun = 100;

// Chooses a printer as the set-up dialog hands it over: its DEVNAMES alone.
void ChoosePrinter(const std::wstring& device) {
    std::vector<wchar_t> block(sizeof(DEVNAMES) / sizeof(wchar_t));
    std::vector<WORD> offsets;
    for (const std::wstring& name : {std::wstring(L"winspool"), device, std::wstring(L"FILE:")}) {
        offsets.push_back(static_cast<WORD>(block.size()));
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(L'\0');
    }
    const DEVNAMES header{offsets[0], offsets[1], offsets[2], 0};
    std::memcpy(block.data(), &header, sizeof(header));
    const HGLOBAL names = GlobalAlloc(GMEM_MOVEABLE, block.size() * sizeof(wchar_t));
    std::memcpy(GlobalLock(names), block.data(), block.size() * sizeof(wchar_t));
    GlobalUnlock(names);
    SetCurrentPrinter(nullptr, names);
    GlobalFree(names);
}

bool DefaultPrinterExists() {
    DWORD size = 0;
    return GetDefaultPrinterW(nullptr, &size) || size != 0;
}

// A frame of `width` by `height` cells as DOS-as-ANSI text: ┌─┐ │ │ └─┘.
std::u16string Frame(int width, int height) {
    const auto row = [width](char16_t left, char16_t middle, char16_t right) {
        return left + std::u16string(static_cast<std::size_t>(width - 2), middle) + right;
    };
    std::u16string text = row(u'\u00DA', u'\u00C4', u'\u00BF');
    for (int line = 1; line + 1 < height; ++line)
        text += u"\r\n" + row(u'\u00B3', u' ', u'\u00B3');
    return text + u"\r\n" + row(u'\u00C0', u'\u00C4', u'\u00D9');
}

TMemo MemoOf(std::u16string_view text) {
    TMemo memo;
    memo.SetText(text);
    return memo;
}

void ExpectA4WithoutPrinter(const TPreviewTarget& target) {
    EXPECT_TRUE(target.PrinterName.empty());
    EXPECT_EQ(target.Sheet.Size, A4Sheet().Size);
    EXPECT_EQ(target.Sheet.Printable, A4Sheet().Printable);
    EXPECT_EQ(target.Sheet.DotsPerInchY, 300);
}

class PrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentPrinter(nullptr, nullptr); }
    void TearDown() override { SetCurrentPrinter(nullptr, nullptr); }
};

TEST_F(PrintPreviewTest, TakesThePrintersSheetOrAnA4WhenThereIsNone) {
    const TMemo tall = MemoOf(Frame(250, 500));
    if (!DefaultPrinterExists()) {
        SCOPED_TRACE("no printer at all");
        const TPreviewTarget none = PreviewTargetFor(tall);
        ExpectA4WithoutPrinter(none);
        EXPECT_EQ(none.Layout.LinesOutside + static_cast<int>(none.Layout.Texts.size()), 500);
        EXPECT_GT(none.Layout.ColumnsOutside, 0);
    }
    SCOPED_TRACE("a chosen printer that is gone");
    ChoosePrinter(L"Typ Impresora Desaparecida");
    ExpectA4WithoutPrinter(PreviewTargetFor(tall));

    SCOPED_TRACE("the PostScript test printer, A4 at 300 dots per inch with margins");
    test::EnsureTestPrinter(kPrinter, L"FILE:");
    ChoosePrinter(kPrinter);
    const TPreviewTarget printer = PreviewTargetFor(tall);
    EXPECT_EQ(printer.PrinterName, kPrinter);
    EXPECT_NEAR(printer.Sheet.Size.Width, 2480, 2);
    EXPECT_NEAR(printer.Sheet.Size.Height, 3508, 2);
    EXPECT_GT(printer.Sheet.PrintableLeft, 0);
    EXPECT_GT(printer.Sheet.PrintableTop, 0);
    EXPECT_LT(printer.Sheet.Printable.Height, printer.Sheet.Size.Height);
    const TPrintLayout& layout = printer.Layout;
    EXPECT_EQ(layout.Metrics.PrintableHeight, printer.Sheet.Printable.Height);
    EXPECT_EQ(layout.LinesOutside + static_cast<int>(layout.Texts.size()), 500);
    ASSERT_FALSE(layout.Texts.empty());
    EXPECT_LT(layout.Texts.back().At.Y, printer.Sheet.Printable.Height) << "what paper shows";

    const TPreviewTarget empty = PreviewTargetFor(MemoOf(u""));
    EXPECT_TRUE(empty.Layout.Texts.empty()) << "a 0 x 0 page shows an empty sheet";
    EXPECT_EQ(empty.Layout.LinesOutside, 0);
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring StatusText(HWND statusBar, int part) {
    wchar_t text[256] = {};
    SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
    return text;
}

struct TChildSearch {
    const wchar_t* ClassName;
    const wchar_t* Text;
    HWND Found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
    auto& wanted = *reinterpret_cast<TChildSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (_wcsicmp(name, wanted.ClassName) != 0 ||
        (wanted.Text != nullptr && TextOf(window) != wanted.Text))
        return TRUE;
    wanted.Found = window;
    return FALSE;
}

HWND ChildOfClass(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
    TChildSearch search{className, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The longest run of the frames' gray along any row of a picture.
int LongestGrayRun(const TRgbImage& image) {
    int longest = 0;
    for (int y = 0; y < image.Height; ++y) {
        int run = 0;
        for (int x = 0; x < image.Width; ++x) {
            const auto at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
            const bool gray =
                image.Rgb[at] == 128 && image.Rgb[at + 1] == 128 && image.Rgb[at + 2] == 128;
            run = gray ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// What the person saw of the preview.
struct TSeen {
    bool Found = false;
    bool Maximised = false;
    HWND Owner = nullptr;
    bool OwnerEnabled = true;
    std::wstring Status[4];
    std::wstring ZoomAfterButton;
    std::wstring ZoomAfterWheel;
    int GrayRun = 0;
    bool BarsScrollAtFitPage = true;
    bool ScrollsDownAfterWheel = false;
    int TopBeforeArrow = 0;
    int TopAfterArrow = 0;
    int TopAfterDrag = 0;
    int TopDraggedTo = -1;
    int TopAfterHeldArrow = 0;
    int TopWhenThumbReachedMouse = -1;
    int TopAfterHeldTrack = -1;
    TBarPart UnderMouseAfterHeldTrack = TBarPart::None;
};

// The sheet's scroll bar at its right edge or at its bottom edge.
HWND BarOf(HWND sheet, bool vertical) {
    RECT client{};
    GetClientRect(sheet, &client);
    const POINT inside = vertical ? POINT{client.right - 2, client.bottom / 2}
                                  : POINT{client.right / 2, client.bottom - 2};
    return ChildWindowFromPointEx(sheet, inside, CWP_SKIPINVISIBLE);
}

// What the bar shows, as a scroll bar control tells it.
TScrollAxis AxisOf(HWND bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    return {info.nMax - info.nMin + 1, static_cast<int>(info.nPage), info.nPos};
}

bool Scrolls(HWND bar) {
    return BarScrolls(AxisOf(bar));
}

TBarExtent VerticalExtent(HWND bar) {
    RECT client{};
    GetClientRect(bar, &client);
    return {static_cast<int>(client.bottom), GetSystemMetrics(SM_CYVSCROLL)};
}

// Holds the button down on the bar until `done` says so (5 s at most).
template <typename TDone> void Hold(HWND bar, int y, TDone done) {
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, y));
    for (int i = 0; i < 250 && !done(AxisOf(bar)); ++i)
        std::this_thread::sleep_for(20ms);
}

void Click(HWND window, UINT down, UINT up, int x, int y, int movedY = 0) {
    SendMessageW(window, down, MK_LBUTTON, MAKELPARAM(x, y));
    if (movedY != 0)
        SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + movedY));
    SendMessageW(window, up, 0, MAKELPARAM(x, y + movedY));
}

// The down arrow scrolls one step; the thumb dragged 40 pixels down scrolls
// to where the bar's geometry puts a thumb there.
void ScrollWithTheBar(HWND bar, TSeen& seen) {
    const TBarExtent extent = VerticalExtent(bar);
    seen.TopBeforeArrow = AxisOf(bar).Position;
    Click(bar, WM_LBUTTONDOWN, WM_LBUTTONUP, 3, extent.Length - 3);
    const TScrollAxis axis = AxisOf(bar);
    seen.TopAfterArrow = axis.Position;
    const TSpan thumb = ThumbSpan(axis, extent);
    seen.TopDraggedTo = PositionAtThumb(axis, extent, thumb.Start + 40);
    Click(bar, WM_LBUTTONDOWN, WM_LBUTTONUP, 3, thumb.Start + thumb.Size / 2, 40);
    seen.TopAfterDrag = AxisOf(bar).Position;
}

// At 300 %, where the thumb is a quarter of the track: held in the track's
// middle, the track pages until the thumb reaches the mouse, and no further;
// held, the up arrow repeats.
void HoldOnTheBar(HWND sheet, HWND bar, TSeen& seen) {
    for (int step = 0; step < 2; ++step)
        SendMessageW(sheet, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
    SendMessageW(sheet, WM_KEYDOWN, VK_HOME, 0);
    const TBarExtent extent = VerticalExtent(bar);
    const int mouse = extent.Length / 2;
    Hold(bar, mouse, [&](const TScrollAxis& axis) {
        return BarPartAt(axis, extent, mouse) != TBarPart::PageDown;
    });
    seen.TopWhenThumbReachedMouse = AxisOf(bar).Position;
    std::this_thread::sleep_for(300ms);
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(3, mouse));
    const TScrollAxis axis = AxisOf(bar);
    seen.TopAfterHeldTrack = axis.Position;
    seen.UnderMouseAfterHeldTrack = BarPartAt(axis, extent, mouse);
    const int step = seen.TopAfterArrow - seen.TopBeforeArrow;
    Hold(bar, 3, [&](const TScrollAxis& now) { return now.Position < axis.Position - 2 * step; });
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    seen.TopAfterHeldArrow = AxisOf(bar).Position - axis.Position;
}

HWND WaitForPreview(const wchar_t* caption) {
    for (int i = 0; i < 250; ++i) {
        const HWND window = FindWindowW(kPreviewWindowClass, caption);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        std::this_thread::sleep_for(20ms);
    }
    return nullptr;
}

// Looks, zooms with the 100 % button and Ctrl+wheel, then ends the preview
// with Escape or the Imprimir button.
void Person(HWND owner, TSeen& seen, bool print) {
    const HWND preview = WaitForPreview(L"Vista preliminar - Factura");
    if (preview == nullptr)
        return;
    seen.Found = true;
    seen.Maximised = IsZoomed(preview) != 0;
    seen.Owner = GetWindow(preview, GW_OWNER);
    seen.OwnerEnabled = IsWindowEnabled(owner) != 0;
    const HWND status = ChildOfClass(preview, STATUSCLASSNAMEW);
    const HWND sheet = ChildOfClass(preview, L"TPreviewSheetView");
    for (int part = 0; part < 4; ++part)
        seen.Status[part] = StatusText(status, part);
    // The picture is the screen's: a window of another test may lie over it
    // for a while.
    for (int tries = 0; tries < 100 && seen.GrayRun <= kFrameRun; ++tries) {
        try {
            seen.GrayRun = LongestGrayRun(CaptureWindow(sheet));
        } catch (const std::exception&) {
            seen.GrayRun = -1;
        }
        std::this_thread::sleep_for(50ms);
    }
    seen.BarsScrollAtFitPage = Scrolls(BarOf(sheet, false)) || Scrolls(BarOf(sheet, true));
    SendMessageW(ChildOfClass(preview, L"Button", L"100 %"), BM_CLICK, 0, 0);
    seen.ZoomAfterButton = StatusText(status, 2);
    SendMessageW(sheet, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
    seen.ZoomAfterWheel = StatusText(status, 2);
    seen.ScrollsDownAfterWheel = Scrolls(BarOf(sheet, true));
    ScrollWithTheBar(BarOf(sheet, true), seen);
    HoldOnTheBar(sheet, BarOf(sheet, true), seen);
    if (print)
        SendMessageW(ChildOfClass(preview, L"Button", L"&Imprimir"), BM_CLICK, 0, 0);
    else
        PostMessageW(sheet, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(PrintPreviewTest, ShowsTheFramesOnTheSheetZoomsAndEnds) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"Factura", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                       0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    const TMemo memo = MemoOf(Frame(80, 40) + u"\r\n" + std::u16string(300, u'x'));
    // The status bar tells the sheet and the counts of the layout laid out for it.
    const TPreviewTarget target = PreviewTargetFor(memo);
    const std::wstring printer =
        DefaultPrinterExists() ? CurrentPrinterName() : L"Sin impresora: hoja A4";
    const std::wstring cut = Wide(CutText(target.Layout));
    EXPECT_EQ(cut.rfind(L"Columnas fuera de la hoja: ", 0), 0u) << "300 columns are too wide";
    for (const bool print : {false, true}) {
        SCOPED_TRACE(print ? "Imprimir" : "Escape");
        TSeen seen;
        std::thread person(Person, owner, std::ref(seen), print);
        const TPreviewChoice choice = ShowPrintPreview(owner, u"Factura", memo);
        person.join();
        ASSERT_TRUE(seen.Found);
        EXPECT_EQ(choice, print ? TPreviewChoice::Print : TPreviewChoice::Close);
        EXPECT_TRUE(seen.Maximised);
        EXPECT_EQ(seen.Owner, owner) << "owned: no task-bar button of its own";
        EXPECT_FALSE(seen.OwnerEnabled) << "modal";
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_EQ(seen.Status[0], Wide(SheetSizeText(target.Sheet)));
        EXPECT_EQ(seen.Status[1], printer);
        EXPECT_EQ(seen.Status[3], cut);
        EXPECT_EQ(seen.ZoomAfterButton, L"100 %");
        EXPECT_EQ(seen.ZoomAfterWheel, L"150 %");
        EXPECT_FALSE(seen.BarsScrollAtFitPage) << "the whole sheet is in sight";
        EXPECT_TRUE(seen.ScrollsDownAfterWheel) << "a sheet taller than the view scrolls";
        EXPECT_GT(seen.TopAfterArrow, seen.TopBeforeArrow) << "the down arrow scrolls down";
        EXPECT_GT(seen.TopDraggedTo, seen.TopAfterArrow);
        EXPECT_EQ(seen.TopAfterDrag, seen.TopDraggedTo) << "the view follows the thumb";
        EXPECT_LT(seen.TopAfterHeldArrow, -2 * (seen.TopAfterArrow - seen.TopBeforeArrow))
            << "a held arrow repeats";
        EXPECT_EQ(seen.UnderMouseAfterHeldTrack, TBarPart::Thumb);
        EXPECT_EQ(seen.TopAfterHeldTrack, seen.TopWhenThumbReachedMouse)
            << "the track stops paging once the thumb is under the mouse";
        EXPECT_GT(seen.GrayRun, kFrameRun) << "the frame's top line, drawn gray across the sheet";
    }
    DestroyWindow(owner);
}

} // namespace
} // namespace typ::win
