#pragma once

#include "sysinfo/Bytes.h"
#include "sysinfo/RemoteError.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace typ::testing {

inline TBytes Bytes(std::initializer_list<int> values) {
    TBytes bytes;
    for (int value : values)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

inline TBytes Bytes(std::string_view text) {
    return TBytes(text.begin(), text.end());
}

inline TBytes operator+(TBytes left, const TBytes& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// The message of the error E that the action raises; a test failure when it
// raises none.
template <typename E = ERemoteError, typename F> std::string ErrorOf(F&& action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

} // namespace typ::testing
