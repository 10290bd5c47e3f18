#include "server/ServerMain.h"

#include "application/Win32Application.h"
#include "help/HtmlHelpLibrary.h"
#include "platform/WideText.h"
#include "server/ComRuntime.h"
#include "server/MainWindow.h"
#include "server/ModuleFile.h"
#include "server/Registrar.h"
#include "server/Registration.h"
#include "server/StartMode.h"
#include "server/TypeLibrary.h"

#include <Vn_EditorTyp_h.h>
#include <shellapi.h>
#include <string>
#include <vector>

namespace typ::win {

namespace {

std::vector<std::u16string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> result;
    for (int i = 1; arguments && i < count; ++i)
        result.push_back(Utf16(arguments[i]));
    LocalFree(arguments);
    return result;
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool IsRegistration(TStartMode mode) {
    return mode == TStartMode::Register || mode == TStartMode::Unregister;
}

int Serve(HINSTANCE instance, TStartMode mode, const TServerTypeLibrary& library) {
    TServerLifetime lifetime(mode);
    const DWORD mainThread = GetCurrentThreadId();
    lifetime.OnLastRelease = [mainThread] { PostThreadMessageW(mainThread, WM_QUIT, 0, 0); };
    TServerContext context{library.DispatchInfo.Get(), library.InterfaceInfo.Get(),
                           Wide(ProgIdOf(Utf16(library.Name), Utf16(library.ClassName))), &lifetime,
                           nullptr};
    const TClassObjectRegistration registration(CLSID_EditorTypCom, context);
    const THtmlHelpLibrary helpLibrary;
    const TWin32ApplicationWindows applicationWindows;
    const TMainWindow mainWindow(instance, lifetime);
    context.MainWindow = mainWindow.Handle();
    return RunMessageLoop();
}

} // namespace

int RunServer(HINSTANCE instance) {
    const TStartOptions options = DecideStartMode(CommandLineArguments());
    const TServerTypeLibrary library =
        LoadServerTypeLibrary(ModuleFileName(), CLSID_EditorTypCom, IID_IEditorTypCom);
    const TApartment apartment;
    if (IsRegistration(options.Mode)) {
        UpdateRegistration(options.Mode == TStartMode::Register, options.PerUser, library,
                           CLSID_EditorTypCom);
        return 0;
    }
    return Serve(instance, options.Mode, library);
}

} // namespace typ::win
