// The page dialog, run modally while a timer of the same thread finds it and
// acts on it as a user would: reading it, typing, pressing its buttons.
#include "editor/PageSizeDialog.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace typ::win {
namespace {

constexpr wchar_t kCaption[] = L"Configuración de la página";

using TAction = std::function<void(HWND)>;

TAction* gAction = nullptr;
int gTicks = 0;

// Acts once the dialog shows; then asks it to close, which does nothing
// when the action has closed it already, so a failed check cannot hang.
void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(nullptr, kCaption);
    if (dialog == nullptr || !IsWindowVisible(dialog)) {
        if (++gTicks > 200)
            KillTimer(nullptr, timer);
        return;
    }
    KillTimer(nullptr, timer);
    (*gAction)(dialog);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

struct TRun {
    bool Accepted = false;
    int Width = 0;
    int Height = 0;
};

TRun RunDialog(int width, int height, TAction action, HWND owner = nullptr) {
    gAction = &action;
    gTicks = 0;
    SetTimer(nullptr, 0, 20, Tick);
    TRun run{false, width, height};
    run.Accepted = ShowPageSizeDialog(owner, run.Width, run.Height);
    gAction = nullptr;
    return run;
}

std::vector<HWND> Children(HWND dialog, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64]{};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, className) == 0)
            found.push_back(child);
    }
    return found;
}

std::wstring TextOf(HWND window) {
    wchar_t text[128]{};
    GetWindowTextW(window, text, 128);
    return text;
}

// A control's place in the dialog's client area: left, top, width, height.
std::vector<LONG> Box(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The width of a label's text in its font: the layout's widths fit the text
// in the face they were made for, and a wider face widens the label.
LONG TextWidth(HWND label) {
    const std::wstring text = TextOf(label);
    const HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size.cx;
}

std::vector<LONG> Union(HWND dialog, HWND edit, HWND arrows) {
    const auto a = Box(dialog, edit);
    const auto b = Box(dialog, arrows);
    const LONG left = std::min(a[0], b[0]);
    const LONG top = std::min(a[1], b[1]);
    return {left, top, std::max(a[0] + a[2], b[0] + b[2]) - left,
            std::max(a[1] + a[3], b[1] + b[3]) - top};
}

HWND Field(HWND dialog, int index) {
    return Children(dialog, L"Edit").at(static_cast<std::size_t>(index));
}

HWND Button(HWND dialog, const wchar_t* caption) {
    for (const HWND button : Children(dialog, L"Button"))
        if (TextOf(button) == caption)
            return button;
    return nullptr;
}

// Replaces the field's text by typing: the characters go through the modal
// loop as posted messages, as the keyboard's would.
void Type(HWND field, const std::wstring& text) {
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const wchar_t c : text)
        PostMessageW(field, WM_CHAR, c, 1);
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST(PageSizeDialog, IsLaidOutAsDesigned) {
    bool checked = false;
    const TRun run = RunDialog(80, 66, [&](HWND dialog) {
        checked = true;
        EXPECT_EQ(TextOf(dialog), kCaption);
        RECT window;
        GetWindowRect(dialog, &window);
        EXPECT_EQ(window.left, 436);
        EXPECT_EQ(window.top, 307);
        RECT client;
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, 218);
        EXPECT_EQ(client.bottom, 119);
        POINT corner{0, 0};
        ClientToScreen(dialog, &corner);
        EXPECT_GE(corner.x - window.left, 5) << "a 5-pixel border around the client area";

        const auto labels = Children(dialog, L"Static");
        ASSERT_EQ(labels.size(), 4u);
        const std::vector<std::wstring> texts{L"Ancho (x): ", L"caracteres", L"Alto (y): ",
                                              L"caracteres"};
        const std::vector<std::vector<LONG>> boxes{
            {18, 18, 51, 13}, {134, 18, 50, 13}, {18, 48, 38, 13}, {134, 48, 50, 13}};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(TextOf(labels[i]), texts[i]);
            std::vector<LONG> expected = boxes[i];
            expected[2] = std::max(expected[2], TextWidth(labels[i]));
            EXPECT_EQ(Box(dialog, labels[i]), expected) << "sized to its text: " << i;
        }

        const auto arrows = Children(dialog, UPDOWN_CLASSW);
        ASSERT_EQ(arrows.size(), 2u);
        const std::vector<std::vector<LONG>> fields{{76, 14, 51, 22}, {76, 44, 51, 22}};
        const std::vector<int> maxima{250, 500};
        const std::vector<std::wstring> values{L"80", L"66"};
        for (std::size_t i = 0; i < arrows.size(); ++i) {
            const auto edit = reinterpret_cast<HWND>(SendMessageW(arrows[i], UDM_GETBUDDY, 0, 0));
            EXPECT_EQ(edit, Field(dialog, static_cast<int>(i)));
            EXPECT_EQ(Union(dialog, edit, arrows[i]), fields[i])
                << "field and arrows share the box";
            EXPECT_EQ(TextOf(edit), values[i]);
            EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
            int low = 0;
            int high = 0;
            SendMessageW(arrows[i], UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                         reinterpret_cast<LPARAM>(&high));
            EXPECT_EQ(low, 1);
            EXPECT_EQ(high, maxima[i]);
        }

        const HWND accept = Button(dialog, L"&Aceptar");
        const HWND cancel = Button(dialog, L"&Cancelar");
        ASSERT_NE(accept, nullptr);
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(Box(dialog, accept), (std::vector<LONG>{51, 94, 65, 25}));
        EXPECT_EQ(Box(dialog, cancel), (std::vector<LONG>{120, 94, 65, 25}));
        EXPECT_TRUE(GetWindowLongW(accept, GWL_STYLE) & BS_DEFPUSHBUTTON);

        EXPECT_EQ(GetFocus(), Field(dialog, 0)) << "the width field comes first";
        EXPECT_EQ(GetNextDlgTabItem(dialog, Field(dialog, 0), FALSE), Field(dialog, 1));
        EXPECT_EQ(GetNextDlgTabItem(dialog, Field(dialog, 1), FALSE), accept);
        EXPECT_EQ(GetNextDlgTabItem(dialog, accept, FALSE), cancel);
        PostKey(GetFocus(), VK_ESCAPE);
    });
    EXPECT_TRUE(checked) << "the dialog was never found";
    EXPECT_FALSE(run.Accepted) << "Escape cancels";
    EXPECT_EQ(run.Width, 80);
    EXPECT_EQ(run.Height, 66);
}

TEST(PageSizeDialog, TextThatIsNoNumberCountsAsOneAndNumbersAreBroughtIntoRange) {
    TRun run = RunDialog(80, 66, [](HWND dialog) {
        Type(Field(dialog, 0), L"abc");
        Type(Field(dialog, 1), L"-5");
        PostMessageW(Button(dialog, L"&Aceptar"), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(run.Accepted);
    EXPECT_EQ(run.Width, 1);
    EXPECT_EQ(run.Height, 1);

    run = RunDialog(80, 66, [](HWND dialog) {
        Type(Field(dialog, 0), L"1234");
        Type(Field(dialog, 1), L"9999");
        PostMessageW(Button(dialog, L"&Aceptar"), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(run.Accepted);
    EXPECT_EQ(run.Width, 123) << "three characters at most";
    EXPECT_EQ(run.Height, 500) << "999 brought to 500";
}

TEST(PageSizeDialog, EnterAcceptsTheTypedSize) {
    const TRun run = RunDialog(80, 66, [](HWND dialog) {
        Type(Field(dialog, 0), L"40");
        Type(Field(dialog, 1), L"10");
        PostKey(Field(dialog, 1), VK_RETURN);
    });
    EXPECT_TRUE(run.Accepted);
    EXPECT_EQ(run.Width, 40);
    EXPECT_EQ(run.Height, 10);
}

TEST(PageSizeDialog, ArrowKeysStepWithinTheRange) {
    const TRun run = RunDialog(249, 2, [](HWND dialog) {
        PostKey(Field(dialog, 0), VK_UP);
        PostKey(Field(dialog, 0), VK_UP);
        PostKey(Field(dialog, 1), VK_DOWN);
        PostKey(Field(dialog, 1), VK_DOWN);
        PostMessageW(Button(dialog, L"&Aceptar"), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(run.Accepted);
    EXPECT_EQ(run.Width, 250);
    EXPECT_EQ(run.Height, 1);
}

TEST(PageSizeDialog, CancelAndTheCloseBoxChangeNothing) {
    TRun run = RunDialog(80, 66, [](HWND dialog) {
        Type(Field(dialog, 0), L"40");
        PostMessageW(Button(dialog, L"&Cancelar"), BM_CLICK, 0, 0);
    });
    EXPECT_FALSE(run.Accepted);
    EXPECT_EQ(run.Width, 80);
    EXPECT_EQ(run.Height, 66);

    run = RunDialog(80, 66, [](HWND dialog) {
        Type(Field(dialog, 1), L"10");
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_FALSE(run.Accepted);
    EXPECT_EQ(run.Height, 66);
}

TEST(PageSizeDialog, SizesOutsideTheRangeAreShownAsTheyAreAndAcceptedWithinIt) {
    std::vector<std::wstring> shown;
    const TRun run = RunDialog(0, 1000, [&](HWND dialog) {
        shown = {TextOf(Field(dialog, 0)), TextOf(Field(dialog, 1))};
        PostMessageW(Button(dialog, L"&Aceptar"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"0", L"1000"}));
    EXPECT_TRUE(run.Accepted);
    EXPECT_EQ(run.Width, 1);
    EXPECT_EQ(run.Height, 500);
}

TEST(PageSizeDialog, OwnerIsDisabledWhileItRuns) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"Editor", WS_OVERLAPPED | WS_VISIBLE, 0, 0,
                                       300, 200, nullptr, nullptr, nullptr, nullptr);
    bool ownerEnabled = true;
    HWND ownerOfDialog = nullptr;
    const TRun run = RunDialog(
        80, 66,
        [&](HWND dialog) {
            ownerEnabled = IsWindowEnabled(owner) != FALSE;
            ownerOfDialog = GetWindow(dialog, GW_OWNER);
            PostKey(GetFocus(), VK_ESCAPE);
        },
        owner);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(ownerOfDialog, owner);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(run.Accepted);
    DestroyWindow(owner);
}

} // namespace
} // namespace typ::win
