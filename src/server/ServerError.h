#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>

namespace typ {

// An error that carries the platform's status code (an HRESULT) besides its
// message (UTF-8).
class EPlatformError : public std::runtime_error {
public:
    EPlatformError(std::int32_t code, const std::string& message)
        : std::runtime_error(message), FCode(code) {}
    std::int32_t Code() const { return FCode; }

private:
    std::int32_t FCode;
};

// The status of a failed automation call: "catastrophic failure".
constexpr std::int32_t kUnexpectedFailure = static_cast<std::int32_t>(0x8000FFFFu);

// What a failed automation call returns for an error: its platform code when it
// carries a failing (negative) one, kUnexpectedFailure for any other error.
std::int32_t FailureCode(const std::exception_ptr& error);
// The error's message (UTF-8); empty for an error that is no std::exception.
std::string FailureMessage(const std::exception_ptr& error);

} // namespace typ
