#include "dialogs/PrinterChoice.h"

#include <algorithm>
#include <commdlg.h>

namespace typ::win {
namespace {

// A locked global block, unlocked when it goes.
class TLocked {
public:
    explicit TLocked(HGLOBAL block)
        : FBlock(block), FData(block ? GlobalLock(block) : nullptr),
          FSize(FData ? GlobalSize(block) : 0) {}
    ~TLocked() {
        if (FData)
            GlobalUnlock(FBlock);
    }
    TLocked(const TLocked&) = delete;
    TLocked& operator=(const TLocked&) = delete;
    const void* Data() const { return FData; }
    std::size_t Size() const { return FSize; }

private:
    HGLOBAL FBlock;
    void* FData;
    std::size_t FSize;
};

// A name of DEVNAMES: characters from `offset`, to the first null character
// or the end of the block.
std::wstring NameAt(const TLocked& names, WORD offset) {
    const std::size_t count = names.Size() / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(names.Data());
    std::wstring name;
    for (std::size_t at = offset; at < count && text[at] != L'\0'; ++at)
        name.push_back(text[at]);
    return name;
}

std::vector<std::byte> DevModeBytes(const TLocked& mode) {
    if (mode.Size() < sizeof(DEVMODEW))
        return {};
    const auto* devMode = static_cast<const DEVMODEW*>(mode.Data());
    const std::size_t size = std::min<std::size_t>(
        static_cast<std::size_t>(devMode->dmSize) + devMode->dmDriverExtra, mode.Size());
    const auto* bytes = static_cast<const std::byte*>(mode.Data());
    return std::vector<std::byte>(bytes, bytes + size);
}

} // namespace

TPrinterHandles::~TPrinterHandles() {
    Replace(nullptr, nullptr);
}

void TPrinterHandles::Replace(HGLOBAL devMode, HGLOBAL devNames) {
    if (FDevMode && FDevMode != devMode)
        GlobalFree(FDevMode);
    if (FDevNames && FDevNames != devNames)
        GlobalFree(FDevNames);
    Adopt(devMode, devNames);
}

void TPrinterHandles::Adopt(HGLOBAL devMode, HGLOBAL devNames) {
    FDevMode = devMode;
    FDevNames = devNames;
}

TPrinterChoice TPrinterHandles::Choice() const {
    TPrinterChoice choice;
    const TLocked names(FDevNames);
    if (names.Size() >= sizeof(DEVNAMES)) {
        const auto* offsets = static_cast<const DEVNAMES*>(names.Data());
        choice.Driver = NameAt(names, offsets->wDriverOffset);
        choice.Device = NameAt(names, offsets->wDeviceOffset);
        choice.Port = NameAt(names, offsets->wOutputOffset);
    }
    choice.DevMode = DevModeBytes(TLocked(FDevMode));
    return choice;
}

} // namespace typ::win
