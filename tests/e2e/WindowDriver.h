#pragma once

#include "KeyScript.h"

#include <windows.h>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace typ::win {

inline constexpr wchar_t kEditorWindowClass[] = L"TfrmEditorTYP";
inline constexpr wchar_t kGridWindowClass[] = L"TMemoEx";

// How the editor is closed once typed into: Escape, as a person does, or a
// WM_CLOSE sent to its window, as a host holding its handle may.
enum class TCloseWith { Escape, SentWmClose };

// What a person does with an open editor: wait until it shows, look at it, type,
// and close it.
struct TDriveRequest {
    std::wstring Caption;
    std::wstring Keys;                    // a key script (KeyScript.h)
    HWND Window = nullptr;                // the editor window, when the host knows it
    std::function<void(HWND)> WhileShown; // runs once it shows, before the keys
    std::wstring ScreenshotFile;          // a PNG of the window after the keys
    TCloseWith CloseWith = TCloseWith::Escape;
    std::chrono::milliseconds Timeout{30000};
};

// Shown: the editor showed with the caption; Closed: it hid again once closed.
// Problem tells what went wrong, empty when nothing did. When the window never
// shows or never closes, its process is ended so that the host's call returns.
struct TDriveResult {
    bool Shown = false;
    bool Closed = false;
    std::wstring Problem;
};

TDriveResult DriveEditor(const TDriveRequest& request);

// The last resort that keeps a host from waiting for ever on a modal editor:
// ends the process that owns the window.
void EndOwnerProcess(HWND window);

// The first visible top-level window of the process (of the window class,
// when one is given), or null.
HWND VisibleWindowOf(DWORD processId, const wchar_t* className = nullptr);

// The window's descendants of a window class.
std::vector<HWND> Descendants(HWND parent, const wchar_t* className);

// Every visible descendant window of the class whose text is the given text.
std::vector<HWND> VisibleDescendants(HWND parent, const wchar_t* className,
                                     const std::wstring& text);

} // namespace typ::win
