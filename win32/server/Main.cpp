#include "server/ServerError.h"
#include "server/ServerMain.h"

#include <exception>

// A start-up or registration error ends the process with its platform code.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        return typ::win::RunServer(instance);
    } catch (...) {
        return static_cast<int>(typ::FailureCode(std::current_exception()));
    }
}
