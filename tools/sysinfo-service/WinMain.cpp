// The double on Windows: installs or removes itself as the service, runs as
// the service when the service manager starts it, or serves in the console
// until Ctrl+C.
#include "DoubleOptions.h"
#include "SysInfoDouble.h"
#include "WinDoubleService.h"
#include "charconv/UnicodeBytes.h"

#include <windows.h>
#include <cstdio>

namespace {

HANDLE ConsoleStop = nullptr;

BOOL WINAPI OnConsoleControl(DWORD) {
    SetEvent(ConsoleStop);
    return TRUE;
}

void Print(FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

int ServeInConsole(const typ::dbl::TDoubleOptions& options) {
    ConsoleStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    typ::TSysInfoDouble service(options.Port);
    service.SetDelay(options.Delay);
    service.SetMisbehaviour(options.Misbehaviour);
    service.Store().SetJournal(typ::DecodeUtf8(options.Journal));
    Print(stdout, "Atendiendo en 127.0.0.1:" + std::to_string(service.Port()) + "\n");
    WaitForSingleObject(ConsoleStop, INFINITE);
    service.Stop();
    Print(stdout, "Detenido.\n");
    return 0;
}

int Act(const typ::dbl::TDoubleOptions& options) {
    if (options.Help) {
        Print(stdout, typ::dbl::DoubleUsage());
        return 0;
    }
    if (options.Install) {
        typ::dbl::InstallDoubleService(typ::dbl::ServingArguments(options));
        Print(stdout, "Servicio VnSysInfoService instalado.\n");
        return 0;
    }
    if (options.Uninstall) {
        typ::dbl::UninstallDoubleService();
        Print(stdout, "Servicio VnSysInfoService eliminado.\n");
        return 0;
    }
    if (options.Service)
        return typ::dbl::RunDoubleService(options) ? 0 : 2;
    return ServeInConsole(options);
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view argument(argv[i]);
        arguments.push_back(typ::EncodeUtf8(std::u16string(argument.begin(), argument.end())));
    }
    return arguments;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Act(typ::dbl::ParseDoubleOptions(Utf8Arguments(argc, argv)));
    } catch (const typ::dbl::EDoubleUsage& error) {
        Print(stderr, std::string(error.what()) + "\n" + typ::dbl::DoubleUsage());
        return 1;
    } catch (const std::exception& error) {
        Print(stderr, std::string(error.what()) + "\n");
        return 2;
    }
}
