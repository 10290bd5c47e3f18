#pragma once

#include "environment/VnWinUser.h"

#include <exception>
#include <string>
#include <string_view>

namespace typ::winuser {

// A technical log entry. The detection must not fail because its log cannot
// be written, so a log that cannot be configured loses the line.
void LogTech(const std::u16string& text);

// Logs an error that escaped a step with the step's prefix and raises the
// step's own error in its place.
[[noreturn]] void Replace(std::u16string_view logPrefix, const std::exception& error,
                          const std::string& raised);

// Runs a step's body; raised(message of the escaped error) is the message of
// the error that replaces it.
template <class TBody, class TRaised>
auto GuardStep(std::u16string_view logPrefix, TRaised raised, TBody body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& error) {
        Replace(logPrefix, error, raised(std::string(error.what())));
    }
}

// The raised message of a step whose message is fixed.
inline auto Fixed(const char* message) {
    return [message](const std::string&) { return std::string(message); };
}

} // namespace typ::winuser
