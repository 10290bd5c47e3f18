#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace typ::win {

// typhost's exit codes: one per kind of failure, so scripts can tell them apart.
enum class TExitCode : int {
    Ok = 0,
    Usage = 1,
    ReadFailed = 2,
    NotRegistered = 3,
    CreateFailed = 4,
    CallFailed = 5,
    WriteFailed = 6,
};

// A failure of typhost, with the Spanish message the user reads.
class EHostError : public std::runtime_error {
public:
    EHostError(TExitCode code, std::wstring message)
        : std::runtime_error("typhost"), FCode(code), FMessage(std::move(message)) {}
    TExitCode Code() const { return FCode; }
    const std::wstring& Message() const { return FMessage; }

private:
    TExitCode FCode;
    std::wstring FMessage;
};

} // namespace typ::win
