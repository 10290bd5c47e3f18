#include "WindowDriver.h"

#include "PngWriter.h"
#include "WindowCapture.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace typ::win {
namespace {

using std::chrono::milliseconds;
using TClock = std::chrono::steady_clock;

constexpr milliseconds kPoll{20};
constexpr UINT kMessageTimeoutMs = 10000;
// Time for the editor to paint after the keys, before its picture is taken.
constexpr milliseconds kSettle{500};

bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout) {
    const auto deadline = TClock::now() + timeout;
    while (!condition()) {
        if (TClock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

// Delivered with SendMessage rather than posted: the window's own
// TranslateMessage would add a character of its own for every posted key down,
// queued behind whatever was posted after it. Sent, each message reaches the
// window procedure in order and has been handled when the call returns.
void SendWithTimeout(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kMessageTimeoutMs, nullptr);
}

LPARAM KeyData(WPARAM key, bool up) {
    const auto scanCode = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    return static_cast<LPARAM>(1 | scanCode << 16 | (up ? 0xC0000000u : 0u));
}

// The key that types a character on the current layout; VK_PACKET, as for
// Unicode keyboard input, when no key does.
WPARAM KeyOf(wchar_t character) {
    const SHORT key = VkKeyScanW(character);
    return key == -1 ? VK_PACKET : static_cast<WPARAM>(key & 0xFF);
}

// The character a named key types, as TranslateMessage makes it.
wchar_t CharacterOf(int key) {
    switch (key) {
    case VK_BACK:
        return L'\b';
    case VK_TAB:
        return L'\t';
    case VK_RETURN:
        return L'\r';
    default:
        return 0;
    }
}

// As the keyboard delivers it: key down, the character it types, key up.
void SendStroke(HWND target, const TKeyStroke& stroke) {
    const WPARAM key =
        stroke.VirtualKey ? static_cast<WPARAM>(stroke.VirtualKey) : KeyOf(stroke.Character);
    const wchar_t character = stroke.VirtualKey ? CharacterOf(stroke.VirtualKey) : stroke.Character;
    SendWithTimeout(target, WM_KEYDOWN, key, KeyData(key, false));
    if (character) {
        SendWithTimeout(target, WM_CHAR, character, KeyData(key, false));
    }
    SendWithTimeout(target, WM_KEYUP, key, KeyData(key, true));
}

// Through the message queue, as the keyboard delivers it: the loop's
// accelerators and TranslateMessage see the key.
void PostStroke(HWND target, const TKeyStroke& stroke) {
    const WPARAM key =
        stroke.VirtualKey ? static_cast<WPARAM>(stroke.VirtualKey) : KeyOf(stroke.Character);
    PostMessageW(target, WM_KEYDOWN, key, KeyData(key, false));
    PostMessageW(target, WM_KEYUP, key, KeyData(key, true));
}

INPUT KeyInput(WORD key, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

// As real keyboard input to the foreground window, modifiers held around the
// key; a character is typed as itself. Each stroke is given time to arrive,
// since input and posted messages are not ordered with each other.
void InputStroke(const TKeyStroke& stroke) {
    std::vector<INPUT> inputs;
    const std::pair<int, WORD> modifiers[] = {
        {kCtrlKey, VK_CONTROL}, {kAltKey, VK_MENU}, {kShiftKey, VK_SHIFT}};
    for (const auto& [bit, key] : modifiers)
        if ((stroke.Modifiers & bit) != 0)
            inputs.push_back(KeyInput(key, 0, 0));
    if (stroke.VirtualKey) {
        const auto key = static_cast<WORD>(stroke.VirtualKey);
        inputs.push_back(KeyInput(key, 0, 0));
        inputs.push_back(KeyInput(key, 0, KEYEVENTF_KEYUP));
    } else {
        inputs.push_back(KeyInput(0, stroke.Character, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, stroke.Character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        if ((stroke.Modifiers & it->first) != 0)
            inputs.push_back(KeyInput(it->second, 0, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::this_thread::sleep_for(milliseconds(80));
}

std::wstring Widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring TakeScreenshot(HWND window, const std::wstring& file) {
    std::this_thread::sleep_for(kSettle);
    try {
        WriteFileBytes(file, EncodePng(CaptureWindow(window)));
        return {};
    } catch (const std::exception& error) {
        return L"screenshot " + file + L" failed: " + Widen(error.what());
    }
}

void EndLostEditor(const TDriveRequest& request) {
    HWND window =
        request.Window ? request.Window : FindWindowW(kEditorWindowClass, request.Caption.c_str());
    if (window) {
        EndOwnerProcess(window);
    }
}

void Close(TCloseWith closeWith, HWND editor, HWND grid) {
    if (closeWith == TCloseWith::SentWmClose) {
        SendWithTimeout(editor, WM_CLOSE, 0, 0);
        return;
    }
    // Escape closes the window on its key down (its key up goes elsewhere). It
    // is posted, as keyboard input arrives.
    PostMessageW(grid, WM_KEYDOWN, VK_ESCAPE, KeyData(VK_ESCAPE, false));
}

void TypeAndClose(const TDriveRequest& request, const std::vector<TKeyStroke>& keys, HWND editor,
                  TDriveResult& result) {
    const auto grids = Descendants(editor, kGridWindowClass);
    if (grids.empty()) {
        result.Problem = L"the editor has no TMemoEx window";
        EndOwnerProcess(editor);
        return;
    }
    HWND grid = grids.front();
    // A script with modifiers is played wholly as input, in its order; else
    // sent messages overtake posted ones, so after a posted stroke the rest is
    // posted too, to keep their order.
    const bool input = std::any_of(keys.begin(), keys.end(),
                                   [](const TKeyStroke& stroke) { return stroke.Modifiers != 0; });
    if (input) {
        SetForegroundWindow(editor);
        std::this_thread::sleep_for(kSettle);
    }
    bool posting = false;
    for (const auto& stroke : keys) {
        posting = posting || stroke.Posted;
        if (input)
            InputStroke(stroke);
        else
            posting ? PostStroke(grid, stroke) : SendStroke(grid, stroke);
    }
    if (input)
        std::this_thread::sleep_for(kSettle);
    if (!request.ScreenshotFile.empty()) {
        result.Problem = TakeScreenshot(editor, request.ScreenshotFile);
    }
    Close(request.CloseWith, editor, grid);
    result.Closed = WaitUntil([editor] { return !IsWindowVisible(editor); }, request.Timeout);
    if (!result.Closed) {
        result.Problem = L"the editor did not close";
        EndOwnerProcess(editor);
    }
}

struct TWindowSearch {
    const wchar_t* ClassName;
    const std::wstring* Text;
    std::vector<HWND> Found;
};

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[256];
    return GetClassNameW(window, name, 256) && _wcsicmp(name, className) == 0;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TWindowSearch*>(param);
    if (HasClass(window, search.ClassName) &&
        (!search.Text || (IsWindowVisible(window) && WindowText(window) == *search.Text))) {
        search.Found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> Matching(HWND parent, const wchar_t* className, const std::wstring* text) {
    TWindowSearch search{className, text, {}};
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The visible editor window with the caption (the host's, when it is known);
// hidden editors of other objects may carry the same caption.
HWND FindEditor(const TDriveRequest& request) {
    TWindowSearch search{kEditorWindowClass, &request.Caption, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.Found) {
        if (!request.Window || window == request.Window) {
            return window;
        }
    }
    return nullptr;
}

// A script that cannot be read types nothing: the editor is still closed.
std::vector<TKeyStroke> ReadKeys(const std::wstring& script, TDriveResult& result) {
    try {
        return ParseKeyScript(script);
    } catch (const std::invalid_argument& error) {
        result.Problem = L"bad key script: " + Widen(error.what());
        return {};
    }
}

} // namespace

TDriveResult DriveEditor(const TDriveRequest& request) {
    TDriveResult result;
    const auto keys = ReadKeys(request.Keys, result);
    HWND editor = nullptr;
    result.Shown =
        WaitUntil([&] { return (editor = FindEditor(request)) != nullptr; }, request.Timeout);
    if (!result.Shown) {
        result.Problem = L"no editor window \"" + request.Caption + L"\" showed";
        EndLostEditor(request);
        return result;
    }
    if (request.WhileShown) {
        request.WhileShown(editor);
    }
    const std::wstring keyProblem = result.Problem;
    TypeAndClose(request, keys, editor, result);
    if (result.Problem.empty()) {
        result.Problem = keyProblem;
    }
    return result;
}

void EndOwnerProcess(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
        TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

std::vector<HWND> Descendants(HWND parent, const wchar_t* className) {
    return Matching(parent, className, nullptr);
}

std::vector<HWND> VisibleDescendants(HWND parent, const wchar_t* className,
                                     const std::wstring& text) {
    return Matching(parent, className, &text);
}

namespace {

struct TProcessWindow {
    DWORD ProcessId;
    const wchar_t* ClassName;
    HWND Window;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TProcessWindow*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.ProcessId || !IsWindowVisible(window) ||
        (search.ClassName && !HasClass(window, search.ClassName)))
        return TRUE;
    search.Window = window;
    return FALSE;
}

} // namespace

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    TProcessWindow search{processId, className, nullptr};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.Window;
}

} // namespace typ::win
