#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace typ {

// An error of the application helper; the message is UTF-8.
class EVnApplication : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window operations the helper decides on, done by the GUI layer. A
// window handle travels as an integer so that the core stays portable.
class TApplicationWindows {
public:
    virtual ~TApplicationWindows() = default;
    // The application's own windows to the front, then the window to the top
    // of the z-order (not moved or sized), made active, focused and foreground.
    virtual void BringToFront(std::uintptr_t Handle) = 0;
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
};

// What the platform says about the run-time lookup of "IsWow64Process".
struct TWow64Answer {
    bool FunctionFound = false;
    bool CallSucceeded = false;
    bool Wow64 = false;
};

// Small application-level services: window operations only for an
// interactive process, questions about the process's setting and the
// installation's key number. Class operations only.
class TVnApplication {
public:
    TVnApplication() = delete;

    // Nothing at all when the process is not interactive.
    static void BringToFront(std::uintptr_t Handle);
    static void Minimize();
    static void Restore();
    static bool UserInteractive();
    // The user operations pass the detection's errors on unchanged.
    static std::u16string CurrentUserName();
    static std::u16string InteractiveUserName();
    static std::u16string DiferentUsersErrorMsg();

    // False when the function does not exist; raises "Error obteniendo handle
    // de la función isWow64Process" only when it exists and fails.
    static bool IsWow64Process(const TWow64Answer& answer);

    // The value of NUMEROLLAVE in section LICENCIA of the DESCRIP.INI in the
    // folder of APath (a folder path must end with a delimiter); empty on any
    // error, nothing raised.
    static std::u16string GetHLNumberFromPath(const std::u16string& APath);
    static std::u16string DescripIniPath(const std::u16string& APath);

    // The GUI layer's window operations; none (the default) makes them no-ops,
    // as in a process without a GUI.
    static void SetWindows(TApplicationWindows* windows);
};

} // namespace typ
