// The double in the foreground until SIGINT or SIGTERM.
#include "DoubleOptions.h"
#include "SysInfoDouble.h"
#include "charconv/UnicodeBytes.h"

#include <csignal>
#include <iostream>

namespace {

// Blocked before the serving thread starts, so that only sigwait takes them.
sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

int Serve(const typ::dbl::TDoubleOptions& options) {
    const sigset_t signals = StopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    typ::TSysInfoDouble service(options.Port);
    service.SetDelay(options.Delay);
    service.SetMisbehaviour(options.Misbehaviour);
    service.Store().SetJournal(typ::DecodeUtf8(options.Journal));
    std::cout << "Atendiendo en 127.0.0.1:" << service.Port() << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    service.Stop();
    std::cout << "Detenido." << std::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const typ::dbl::TDoubleOptions options =
            typ::dbl::ParseDoubleOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.Help) {
            std::cout << typ::dbl::DoubleUsage();
            return 0;
        }
        if (options.Install || options.Uninstall || options.Service) {
            std::cerr << "--install, --uninstall y --service solo existen en Windows\n";
            return 1;
        }
        return Serve(options);
    } catch (const typ::dbl::EDoubleUsage& error) {
        std::cerr << error.what() << "\n" << typ::dbl::DoubleUsage();
        return 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 2;
    }
}
