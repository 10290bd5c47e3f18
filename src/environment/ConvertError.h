#pragma once

#include <stdexcept>

namespace typ {

// A text or a format string that does not convert: a number or Boolean that
// does not read as one, or a format that does not fit its arguments. The
// message (UTF-8) is the framework's English text.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace typ
