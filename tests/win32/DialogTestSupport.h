#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Helpers of the common-dialog tests: pictures of a dialog's controls as
// text and rectangles, modal dialogs handled while they are up, an owner
// window that routes the find dialogs' notifications, and a printer.
namespace typ::win::test {

struct TControlShot {
    HWND Window = nullptr;
    HWND Parent = nullptr;
    int Id = 0;
    std::wstring ClassName;
    std::wstring Caption;
    RECT Bounds{}; // in the dialog's client coordinates
};

struct TDialogShot {
    HWND Dialog = nullptr;
    std::wstring Title;
    RECT Window{}; // on the screen
    std::vector<TControlShot> Controls;

    // The dialog's own control (a direct child) with this identifier.
    const TControlShot* Control(int id) const;
    const TControlShot* Captioned(const std::wstring& caption) const;
    std::wstring Caption(int id) const;
    RECT Bounds(int id) const;
};

TDialogShot ShotOf(HWND dialog);

int Width(const RECT& rect);

// Calls `open`, which shows a modal dialog; once a dialog window of this
// thread is up, calls `whileShown` with it, then sends it `closeCommand`.
void WhileShown(const std::function<void()>& open, const std::function<void(HWND)>& whileShown,
                int closeCommand = IDCANCEL);

// Picks another file type in an open dialog, as the user does.
void PickFileType(HWND dialog, int index);
// The texts of the file list's column headers of an open dialog.
std::vector<std::wstring> ColumnHeaders(HWND dialog);
void SetColumnHeader(HWND dialog, int column, const wchar_t* text);
// The tips of the open dialog's navigation tool bar, by tool.
std::vector<std::wstring> ToolTips(HWND dialog);

// A visible top-level window whose procedure routes the find and replace
// dialogs' notifications.
class TOwnerWindow {
public:
    TOwnerWindow();
    ~TOwnerWindow();
    TOwnerWindow(const TOwnerWindow&) = delete;
    TOwnerWindow& operator=(const TOwnerWindow&) = delete;
    HWND Handle() const { return FHandle; }

private:
    HWND FHandle;
};

// Dispatches queued messages through the find dialogs' routing.
void Pump();
bool PumpUntil(const std::function<bool()>& done);

// Installs "Typ Test Printer" (a PostScript printer printing to a file) as
// the default printer of the prefix, once.
void EnsureTestPrinter();
inline constexpr const wchar_t* kTestPrinter = L"Typ Test Printer";

// Saves the picture of a window as a PNG file beside the test program (the
// working directory moves with the open dialog); returns its path.
std::wstring SaveScreenshot(HWND window, const std::wstring& file);

} // namespace typ::win::test
