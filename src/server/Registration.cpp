#include "server/Registration.h"

namespace typ {

namespace {

std::u16string Join(std::u16string_view a, std::u16string_view b) {
    std::u16string text(a);
    return text.append(b);
}

std::u16string Number(unsigned value, unsigned base) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string text;
    do {
        text.insert(text.begin(), kDigits[value % base]);
        value /= base;
    } while (value != 0);
    return text;
}

std::u16string ClassKey(const TClassRegistration& r, std::u16string_view prefix) {
    return Join(Join(prefix, u"CLSID\\"), r.Clsid);
}

std::u16string ProgIdKey(const TClassRegistration& r, std::u16string_view prefix) {
    return Join(prefix, r.ProgId);
}

} // namespace

std::u16string_view ClassesPrefix(bool perUser) {
    return perUser ? u"Software\\Classes\\" : u"";
}

std::u16string ProgIdOf(std::u16string_view serverName, std::u16string_view className) {
    return Join(Join(serverName, u"."), className);
}

std::u16string ClassVersionText(int major, int minor) {
    return Number(static_cast<unsigned>(major), 10) + u"." +
           Number(static_cast<unsigned>(minor), 10);
}

std::vector<TRegistryEntry> RegistrationEntries(const TClassRegistration& r,
                                                std::u16string_view prefix) {
    const std::u16string classKey = ClassKey(r, prefix);
    return {
        {classKey, r.Description},
        {classKey + u"\\LocalServer32", r.ServerPath},
        {ProgIdKey(r, prefix), r.Description},
        {ProgIdKey(r, prefix) + u"\\Clsid", r.Clsid},
        {classKey + u"\\ProgID", r.ProgId},
        {classKey + u"\\Version", r.Version},
        {classKey + u"\\TypeLib", r.LibId},
    };
}

std::vector<std::u16string> UnregistrationKeys(const TClassRegistration& r,
                                               std::u16string_view prefix) {
    const std::u16string classKey = ClassKey(r, prefix);
    return {
        classKey + u"\\TypeLib",
        classKey + u"\\Version",
        classKey + u"\\ProgID",
        ProgIdKey(r, prefix) + u"\\Clsid",
        ProgIdKey(r, prefix),
        classKey + u"\\LocalServer32",
        classKey,
    };
}

bool NeedsShortPath(std::u16string_view fileName) {
    return fileName.find(u' ') != std::u16string_view::npos;
}

std::u16string TypeLibAliasLocaleKey(std::u16string_view prefix, std::u16string_view libId,
                                     int major, int minor) {
    return Join(Join(prefix, u"TypeLib\\"), libId) + u"\\" +
           Number(static_cast<unsigned>(major), 16) + u"." +
           Number(static_cast<unsigned>(minor), 16) + u"\\0";
}

std::u16string TypeLibAliasKey(std::u16string_view prefix, std::u16string_view libId, int major,
                               int minor, bool win64) {
    return TypeLibAliasLocaleKey(prefix, libId, major, minor) + (win64 ? u"\\win64" : u"\\win32");
}

} // namespace typ
