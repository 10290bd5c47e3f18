#pragma once

#include <windows.h>
#include <exception>
#include <string>

namespace typ::win {

// Turns an error raised inside an automation method into the method's failing
// HRESULT, leaving an error-information object (source, description, interface)
// for the caller. Never throws.
HRESULT ReportFailure(const std::exception_ptr& error, const std::wstring& source, REFIID iid);

// Runs a method's body: S_OK when it completes, the reported failure otherwise.
template <typename Body>
HRESULT SafeCall(const std::wstring& source, REFIID iid, Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (...) {
        return ReportFailure(std::current_exception(), source, iid);
    }
}

} // namespace typ::win
