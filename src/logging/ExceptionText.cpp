#include "logging/ExceptionText.h"

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace typ {

std::u16string ExceptionClassName(const std::exception& exception) {
    const char* mangled = typeid(exception).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const std::size_t scope = name.rfind("::");
    if (scope != std::string::npos)
        name.erase(0, scope + 2);
    return Ascii(name);
}

std::u16string ExceptionMessage(const std::exception& exception) {
    return DecodeUtf8(exception.what());
}

} // namespace typ
