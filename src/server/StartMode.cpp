#include "server/StartMode.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace typ {

namespace {

struct TSwitch {
    std::u16string_view Name;
    TStartOptions Options;
};

constexpr std::array<TSwitch, 6> kSwitches{{
    {u"AUTOMATION", {TStartMode::Automation, false}},
    {u"EMBEDDING", {TStartMode::Automation, false}},
    {u"REGSERVER", {TStartMode::Register, false}},
    {u"UNREGSERVER", {TStartMode::Unregister, false}},
    {u"REGSERVERPERUSER", {TStartMode::Register, true}},
    {u"UNREGSERVERPERUSER", {TStartMode::Unregister, true}},
}};

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool IsSwitch(std::u16string_view argument, std::u16string_view name) {
    if (argument.empty() || (argument[0] != u'-' && argument[0] != u'/'))
        return false;
    argument.remove_prefix(1);
    return std::ranges::equal(argument, name,
                              [](char16_t a, char16_t b) { return UpperAscii(a) == b; });
}

bool HasSwitch(const std::vector<std::u16string>& arguments, std::u16string_view name) {
    return std::ranges::any_of(
        arguments, [name](const std::u16string& a) { return IsSwitch(a, name); });
}

} // namespace

TStartOptions DecideStartMode(const std::vector<std::u16string>& arguments) {
    for (const TSwitch& option : kSwitches)
        if (HasSwitch(arguments, option.Name))
            return option.Options;
    return {};
}

} // namespace typ
