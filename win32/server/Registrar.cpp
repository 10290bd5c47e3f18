#include "server/Registrar.h"

#include "platform/WideText.h"
#include "server/Guid.h"
#include "server/ModuleFile.h"
#include "server/Registration.h"
#include "server/RegistryKeys.h"
#include "server/ServerError.h"

#include <algorithm>
#include <iterator>
#include <oleauto.h>

namespace typ::win {

namespace {

using TRegisterForUser = HRESULT(WINAPI*)(ITypeLib*, OLECHAR*, OLECHAR*);
using TUnregisterForUser = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);

// The per-user variants exist only in newer automation libraries.
template <typename Function> Function AutomationExport(const char* name) {
    const HMODULE module = GetModuleHandleW(L"oleaut32.dll");
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

std::u16string GuidTextOf(REFGUID guid) {
    TGuid value{guid.Data1, guid.Data2, guid.Data3, {}};
    std::copy(std::begin(guid.Data4), std::end(guid.Data4), value.Data4.begin());
    return GuidText(value);
}

// Where the type library's registration lands decides where its alias goes.
struct TClassesRoot {
    HKEY Root;
    std::u16string_view Prefix;
};

TClassesRoot RootFor(bool perUser) {
    return {perUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT, ClassesPrefix(perUser)};
}

std::wstring AliasKey(const TClassesRoot& root, const TLIBATTR& a) {
    return Wide(TypeLibAliasKey(root.Prefix, GuidTextOf(a.guid), a.wMajorVerNum, a.wMinorVerNum,
                                a.syskind == SYS_WIN64));
}

std::wstring AliasLocaleKey(const TClassesRoot& root, const TLIBATTR& a) {
    return Wide(
        TypeLibAliasLocaleKey(root.Prefix, GuidTextOf(a.guid), a.wMajorVerNum, a.wMinorVerNum));
}

void RegisterTypeLibrary(const TServerTypeLibrary& library, bool perUser) {
    std::wstring file = LongPathOf(ModuleFileName());
    // With its separator, as Windows Installer passes a folder: both registrations agree.
    std::wstring helpDirectory = DirectoryOf(file) + L'\\';
    const auto forUser =
        perUser ? AutomationExport<TRegisterForUser>("RegisterTypeLibForUser") : nullptr;
    const HRESULT hr =
        forUser ? forUser(library.Library.Get(), file.data(), helpDirectory.data())
                : RegisterTypeLib(library.Library.Get(), file.data(), helpDirectory.data());
    if (FAILED(hr))
        throw EPlatformError(hr, "No se pudo registrar la biblioteca de tipos.");
    WriteDefaultValue(RootFor(forUser != nullptr).Root,
                      AliasKey(RootFor(forUser != nullptr), library.Attributes), file);
}

void UnregisterTypeLibrary(const TServerTypeLibrary& library, bool perUser) {
    const auto forUser =
        perUser ? AutomationExport<TUnregisterForUser>("UnRegisterTypeLibForUser") : nullptr;
    const TClassesRoot root = RootFor(forUser != nullptr);
    const TLIBATTR& a = library.Attributes;
    DeleteKey(root.Root, AliasKey(root, a));
    DeleteKey(root.Root, AliasLocaleKey(root, a));
    if (forUser)
        forUser(a.guid, a.wMajorVerNum, a.wMinorVerNum, a.lcid, a.syskind);
    else
        UnRegisterTypeLib(a.guid, a.wMajorVerNum, a.wMinorVerNum, a.lcid, a.syskind);
}

std::wstring RegisteredServerPath() {
    const std::wstring file = LongPathOf(ModuleFileName());
    return NeedsShortPath(Utf16(file)) ? ShortPathOf(file) : file;
}

TClassRegistration ClassRegistration(const TServerTypeLibrary& library, REFCLSID clsid,
                                     const std::wstring& serverPath) {
    const TLIBATTR& a = library.Attributes;
    return {GuidTextOf(clsid),
            Utf16(library.ClassDescription),
            ProgIdOf(Utf16(library.Name), Utf16(library.ClassName)),
            Utf16(serverPath),
            ClassVersionText(a.wMajorVerNum, a.wMinorVerNum),
            GuidTextOf(a.guid)};
}

void WriteClassEntries(const TClassRegistration& registration, bool perUser) {
    const TClassesRoot root = RootFor(perUser);
    for (const TRegistryEntry& entry : RegistrationEntries(registration, root.Prefix))
        WriteDefaultValue(root.Root, Wide(entry.Key), Wide(entry.Value));
}

void DeleteClassEntries(const TClassRegistration& registration, bool perUser) {
    const TClassesRoot root = RootFor(perUser);
    for (const std::u16string& key : UnregistrationKeys(registration, root.Prefix))
        DeleteKey(root.Root, Wide(key));
}

} // namespace

void UpdateRegistration(bool doRegister, bool perUser, const TServerTypeLibrary& library,
                        REFCLSID clsid) {
    if (doRegister) {
        RegisterTypeLibrary(library, perUser);
        WriteClassEntries(ClassRegistration(library, clsid, RegisteredServerPath()), perUser);
    } else {
        UnregisterTypeLibrary(library, perUser);
        DeleteClassEntries(ClassRegistration(library, clsid, {}), perUser);
    }
}

} // namespace typ::win
