#pragma once

#include <exception>
#include <string>

namespace typ {

// The class name of an exception object without its namespace ("EConvertError").
std::u16string ExceptionClassName(const std::exception& exception);
// The exception's message (UTF-8) as text.
std::u16string ExceptionMessage(const std::exception& exception);

} // namespace typ
