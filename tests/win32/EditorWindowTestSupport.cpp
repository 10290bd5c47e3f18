#include "EditorWindowTestSupport.h"

#include <commctrl.h>
#include <map>
#include <utility>

namespace typ::win::test {

namespace {

struct TClassSearch {
    std::wstring ClassName;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectByClass(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TClassSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (search->ClassName == name)
        search->Found.push_back(window);
    return TRUE;
}

std::map<UINT_PTR, std::function<void()>>& PendingActions() {
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const auto found = PendingActions().find(timer);
    if (found == PendingActions().end())
        return;
    const std::function<void()> action = std::move(found->second);
    PendingActions().erase(found);
    action();
}

} // namespace

std::vector<HWND> FindDescendants(HWND parent, const wchar_t* className) {
    TClassSearch search{className, {}};
    EnumChildWindows(parent, CollectByClass, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindDescendant(HWND parent, const wchar_t* className) {
    const std::vector<HWND> found = FindDescendants(parent, className);
    return found.empty() ? nullptr : found.front();
}

HWND GridOf(TfrmEditorTYP& form) {
    return FindDescendant(form.Handle(), L"TMemoEx");
}

HWND ToolBarOf(TfrmEditorTYP& form) {
    return FindDescendant(form.Handle(), TOOLBARCLASSNAMEW);
}

HWND StatusBarOf(TfrmEditorTYP& form) {
    return FindDescendant(form.Handle(), STATUSCLASSNAMEW);
}

HWND ButtonCaptioned(TfrmEditorTYP& form, const wchar_t* caption) {
    for (const HWND button : FindDescendants(form.Handle(), L"Button")) {
        wchar_t text[64] = {};
        GetWindowTextW(button, text, 64);
        if (std::wstring(text) == caption)
            return button;
    }
    return nullptr;
}

std::vector<std::wstring> MenuItems(HMENU menu) {
    std::vector<std::wstring> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if ((info.fType & MFT_SEPARATOR) != 0) {
            items.emplace_back(L"-");
            continue;
        }
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        items.emplace_back(text);
    }
    return items;
}

bool MenuItemGrayed(HMENU menu, UINT id) {
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

std::wstring StatusText(HWND statusBar, int panel) {
    wchar_t text[256] = {};
    SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text));
    return text;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
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

void ShowPlain(TfrmEditorTYP& form) {
    ShowWindow(form.Handle(), SW_SHOW);
    SetForegroundWindow(form.Handle());
    SetFocus(GridOf(form));
    Pump();
}

void PostTyped(HWND window, wchar_t character) {
    const auto key = static_cast<WPARAM>(VkKeyScanW(character) & 0xFF);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_CHAR, character, 1);
    PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void RunLater(std::function<void()> action, UINT delayMs) {
    const UINT_PTR timer = SetTimer(nullptr, 0, delayMs, RunPending);
    PendingActions()[timer] = std::move(action);
}

std::vector<HWND> ThreadWindows(const wchar_t* className) {
    TClassSearch search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectByClass, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

} // namespace typ::win::test
