#include "DialogTestSupport.h"

#include "PngWriter.h"
#include "TestPrinter.h"
#include "WindowCapture.h"
#include "dialogs/FindDialog.h"

#include <array>
#include <commctrl.h>
#include <stdexcept>
#include <utility>
#include <winspool.h>

namespace typ::win::test {
namespace {

std::wstring TextOf(HWND window) {
    std::array<wchar_t, 512> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring ClassOf(HWND window) {
    std::array<wchar_t, 128> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

struct TShotSearch {
    HWND Dialog;
    TDialogShot* Shot;
};

BOOL CALLBACK AddControl(HWND window, LPARAM data) {
    const auto* search = reinterpret_cast<TShotSearch*>(data);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, search->Dialog, reinterpret_cast<POINT*>(&bounds), 2);
    search->Shot->Controls.push_back(
        {window, GetParent(window), GetDlgCtrlID(window), ClassOf(window), TextOf(window), bounds});
    return TRUE;
}

BOOL CALLBACK FindShownDialog(HWND window, LPARAM data) {
    if (IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

struct TWhileShown {
    std::function<void(HWND)> Action;
    int CloseCommand = IDCANCEL;
};

TWhileShown* PendingWhileShown = nullptr;

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !PendingWhileShown)
        return;
    KillTimer(nullptr, timer);
    TWhileShown* pending = std::exchange(PendingWhileShown, nullptr);
    pending->Action(dialog);
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(pending->CloseCommand), 0);
}

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DispatchFindReplaceMessage(message, lParam))
        return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* OwnerClass() {
    static const ATOM atom = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = OwnerProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TypDialogsTestOwner";
        return RegisterClassW(&windowClass);
    }();
    return reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(atom));
}

HWND NavigationToolTips(HWND dialog) {
    for (HWND bar = FindWindowExW(dialog, nullptr, TOOLBARCLASSNAMEW, nullptr); bar;
         bar = FindWindowExW(dialog, bar, TOOLBARCLASSNAMEW, nullptr))
        if (const auto tips = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0)))
            return tips;
    return nullptr;
}

HWND HeaderOf(HWND dialog) {
    const HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
    const HWND list = FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr);
    return FindWindowExW(list, nullptr, WC_HEADERW, nullptr);
}

} // namespace

const TControlShot* TDialogShot::Control(int id) const {
    for (const TControlShot& control : Controls)
        if (control.Id == id && control.Parent == Dialog)
            return &control;
    return nullptr;
}

const TControlShot* TDialogShot::Captioned(const std::wstring& caption) const {
    for (const TControlShot& control : Controls)
        if (control.Caption == caption)
            return &control;
    return nullptr;
}

std::wstring TDialogShot::Caption(int id) const {
    const TControlShot* control = Control(id);
    return control ? control->Caption : L"(missing)";
}

RECT TDialogShot::Bounds(int id) const {
    const TControlShot* control = Control(id);
    return control ? control->Bounds : RECT{};
}

TDialogShot ShotOf(HWND dialog) {
    TDialogShot shot;
    shot.Dialog = dialog;
    shot.Title = TextOf(dialog);
    GetWindowRect(dialog, &shot.Window);
    TShotSearch search{dialog, &shot};
    EnumChildWindows(dialog, AddControl, reinterpret_cast<LPARAM>(&search));
    return shot;
}

int Width(const RECT& rect) {
    return rect.right - rect.left;
}

void WhileShown(const std::function<void()>& open, const std::function<void(HWND)>& whileShown,
                int closeCommand) {
    TWhileShown pending{whileShown, closeCommand};
    PendingWhileShown = &pending;
    const UINT_PTR timer = SetTimer(nullptr, 0, 25, LookForDialog);
    open();
    KillTimer(nullptr, timer);
    PendingWhileShown = nullptr;
}

void PickFileType(HWND dialog, int index) {
    const HWND types = GetDlgItem(dialog, 1136);
    SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // What the combo box tells its dialog when the user picks an item.
    for (const int notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1136, static_cast<WORD>(notification)),
                     reinterpret_cast<LPARAM>(types));
    }
}

std::vector<std::wstring> ColumnHeaders(HWND dialog) {
    const HWND header = HeaderOf(dialog);
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < count; ++column) {
        std::array<wchar_t, 128> text{};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text.data());
    }
    return texts;
}

void SetColumnHeader(HWND dialog, int column, const wchar_t* text) {
    std::wstring caption = text;
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = caption.data();
    SendMessageW(HeaderOf(dialog), HDM_SETITEMW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&item));
}

std::vector<std::wstring> ToolTips(HWND dialog) {
    const HWND tips = NavigationToolTips(dialog);
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int tool = 0; tool < count; ++tool) {
        std::array<wchar_t, 1024> text{};
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.lpszText = text.data();
        SendMessageW(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(tool),
                     reinterpret_cast<LPARAM>(&info));
        text.fill(L'\0');
        info.lpszText = text.data();
        SendMessageW(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
        texts.emplace_back(text.data());
    }
    return texts;
}

TOwnerWindow::TOwnerWindow()
    : FHandle(CreateWindowExW(0, OwnerClass(), L"Propietario", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              120, 90, 500, 400, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr)) {
    Pump();
}

TOwnerWindow::~TOwnerWindow() {
    DestroyWindow(FHandle);
}

void Pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (IsFindReplaceDialogMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!done()) {
        if (GetTickCount64() > deadline)
            return false;
        Pump();
        Sleep(5);
    }
    return true;
}

void EnsureTestPrinter() {
    EnsureTestPrinter(kTestPrinter, L"FILE:");
    SetDefaultPrinterW(kTestPrinter);
}

std::wstring SaveScreenshot(HWND window, const std::wstring& file) {
    std::array<wchar_t, MAX_PATH> program{};
    GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    std::wstring path = program.data();
    path.erase(path.find_last_of(L'\\') + 1);
    path += file;
    WriteFileBytes(path, EncodePng(CaptureWindow(window)));
    return path;
}

} // namespace typ::win::test
