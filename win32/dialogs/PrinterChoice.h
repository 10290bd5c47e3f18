#pragma once

#include <windows.h>
#include <cstddef>
#include <string>
#include <vector>

namespace typ::win {

// A printer chosen in a print dialog, copied out of the dialog's blocks:
// what CreateDCW needs to draw on it.
struct TPrinterChoice {
    std::wstring Driver;
    std::wstring Device; // the printer's name
    std::wstring Port;
    // A DEVMODEW with its driver's private bytes; empty when there is none.
    std::vector<std::byte> DevMode;

    bool Empty() const { return Device.empty(); }
    const DEVMODEW* DevModeData() const {
        return DevMode.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(DevMode.data());
    }
};

// The DEVMODE and DEVNAMES global blocks that a print dialog reads and may
// replace. Kept between showings, so the dialog opens on the last choice.
class TPrinterHandles {
public:
    TPrinterHandles() = default;
    ~TPrinterHandles();
    TPrinterHandles(const TPrinterHandles&) = delete;
    TPrinterHandles& operator=(const TPrinterHandles&) = delete;

    HGLOBAL DevMode() const { return FDevMode; }
    HGLOBAL DevNames() const { return FDevNames; }
    // Takes the blocks the dialog left in its data; the old ones are the
    // dialog's to free or reuse, so they are not freed here.
    void Adopt(HGLOBAL devMode, HGLOBAL devNames);
    // Frees the blocks held and takes these (either may be null).
    void Replace(HGLOBAL devMode, HGLOBAL devNames);
    TPrinterChoice Choice() const;

private:
    HGLOBAL FDevMode = nullptr;
    HGLOBAL FDevNames = nullptr;
};

} // namespace typ::win
