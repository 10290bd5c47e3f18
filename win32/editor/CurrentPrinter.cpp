#include "editor/CurrentPrinter.h"

#include <commdlg.h>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#include <winspool.h>

namespace typ::win {

namespace {

using TBytes = std::vector<unsigned char>;

struct TPrinterChoice {
    TBytes DevMode;
    TBytes DevNames;
};

TPrinterChoice& Choice() {
    static TPrinterChoice choice;
    return choice;
}

TBytes CopyOf(HGLOBAL memory) {
    if (memory == nullptr)
        return {};
    const SIZE_T size = GlobalSize(memory);
    const void* data = GlobalLock(memory);
    if (data == nullptr)
        return {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    TBytes copy(bytes, bytes + size);
    GlobalUnlock(memory);
    return copy;
}

HGLOBAL GlobalCopy(const TBytes& bytes) {
    if (bytes.empty())
        return nullptr;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* data = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (data == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    return memory;
}

// A name of DEVNAMES: its offset counts characters from the structure's start;
// a name that runs past the copied memory is no name.
std::optional<std::wstring> DevName(const TBytes& devNames, WORD offset) {
    const std::size_t count = devNames.size() / sizeof(wchar_t);
    std::wstring name;
    for (std::size_t at = offset; at < count; ++at) {
        wchar_t c;
        std::memcpy(&c, devNames.data() + at * sizeof(wchar_t), sizeof(c));
        if (c == L'\0')
            return name;
        name += c;
    }
    return std::nullopt;
}

// The chosen DEVMODE when it has its fields and its own sizes fit the copied
// memory; the printer's own settings otherwise.
const DEVMODEW* ValidDevMode(const TBytes& devMode) {
    constexpr std::size_t kLeast = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);
    if (devMode.size() < kLeast)
        return nullptr;
    const auto* mode = reinterpret_cast<const DEVMODEW*>(devMode.data());
    const bool fits =
        mode->dmSize >= kLeast && std::size_t{mode->dmSize} + mode->dmDriverExtra <= devMode.size();
    return fits ? mode : nullptr;
}

HDC ChosenPrinterDC(const TPrinterChoice& choice) {
    if (choice.DevNames.size() < sizeof(DEVNAMES))
        return nullptr;
    DEVNAMES names;
    std::memcpy(&names, choice.DevNames.data(), sizeof(names));
    const auto driver = DevName(choice.DevNames, names.wDriverOffset);
    const auto device = DevName(choice.DevNames, names.wDeviceOffset);
    if (!driver || !device || device->empty())
        return nullptr;
    return CreateDCW(driver->c_str(), device->c_str(), nullptr, ValidDevMode(choice.DevMode));
}

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return {};
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size))
        return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

std::wstring ChosenPrinterName(const TPrinterChoice& choice) {
    if (choice.DevNames.size() < sizeof(DEVNAMES))
        return {};
    DEVNAMES names;
    std::memcpy(&names, choice.DevNames.data(), sizeof(names));
    return DevName(choice.DevNames, names.wDeviceOffset).value_or(std::wstring());
}

HDC DefaultPrinterDC() {
    const std::wstring name = DefaultPrinterName();
    return name.empty() ? nullptr : CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
}

} // namespace

void SetCurrentPrinter(HGLOBAL devMode, HGLOBAL devNames) {
    TPrinterChoice choice;
    choice.DevNames = CopyOf(devNames);
    if (!choice.DevNames.empty())
        choice.DevMode = CopyOf(devMode);
    Choice() = std::move(choice);
}

HGLOBAL CopyCurrentDevMode() {
    return GlobalCopy(Choice().DevMode);
}

HGLOBAL CopyCurrentDevNames() {
    return GlobalCopy(Choice().DevNames);
}

std::wstring CurrentPrinterName() {
    const TPrinterChoice& choice = Choice();
    return choice.DevNames.empty() ? DefaultPrinterName() : ChosenPrinterName(choice);
}

HDC CreateCurrentPrinterDC() {
    const TPrinterChoice& choice = Choice();
    return choice.DevNames.empty() ? DefaultPrinterDC() : ChosenPrinterDC(choice);
}

} // namespace typ::win
