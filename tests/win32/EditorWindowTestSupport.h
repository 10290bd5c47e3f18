#pragma once

#include "editor/EditorWindow.h"

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Helpers of the editor window's tests: finding its parts, reading menus and
// the status bar, pumping messages and typing through posted key messages.
namespace typ::win::test {

HWND FindDescendant(HWND parent, const wchar_t* className);
std::vector<HWND> FindDescendants(HWND parent, const wchar_t* className);
HWND GridOf(TfrmEditorTYP& form);
HWND ToolBarOf(TfrmEditorTYP& form);
HWND StatusBarOf(TfrmEditorTYP& form);
HWND ButtonCaptioned(TfrmEditorTYP& form, const wchar_t* caption);

// The items of a menu as shown: each caption with its shortcut after a tab,
// "-" for a separator.
std::vector<std::wstring> MenuItems(HMENU menu);
bool MenuItemGrayed(HMENU menu, UINT id);
std::wstring StatusText(HWND statusBar, int panel);

// Dispatches what is queued without translating key-downs into characters:
// the tests post the characters themselves, except into a modal run, whose
// loop translates as any message loop does.
void Pump();
// Pumps messages until `done` holds or a few seconds have passed.
bool PumpUntil(const std::function<bool()>& done);

// Shows the window without a modal run, the grid focused.
void ShowPlain(TfrmEditorTYP& form);

// Posts the key-down, character and key-up of a typed character.
void PostTyped(HWND window, wchar_t character);
// Posts the key-down and key-up of a key alone.
void PostKey(HWND window, UINT key);

// Runs `action` once on the calling thread's message loop, whichever loop
// (a modal run, a message box, a menu) is pumping it, after `delayMs`.
void RunLater(std::function<void()> action, UINT delayMs = 50);

// The top-level windows of a class that belong to this thread.
std::vector<HWND> ThreadWindows(const wchar_t* className);

} // namespace typ::win::test
