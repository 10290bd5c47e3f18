#pragma once

#include <windows.h>
#include <oaidl.h>
#include <vector>

namespace typ::win {

// Scripting hosts pass a variable by reference as a reference to a VARIANT,
// which the type library's dispatcher rejects for a BSTR* parameter. This view
// of the caller's arguments turns each reference to a VARIANT holding a BSTR
// into a reference to that BSTR, so the method writes straight into the
// caller's variable. The caller's own argument array is left as it is.
class TByRefArguments {
public:
    explicit TByRefArguments(DISPPARAMS* params);
    TByRefArguments(const TByRefArguments&) = delete;
    TByRefArguments& operator=(const TByRefArguments&) = delete;

    // Null when the caller passed no parameter block.
    DISPPARAMS* Params() { return FOriginal ? &FParams : nullptr; }

private:
    DISPPARAMS* FOriginal;
    std::vector<VARIANTARG> FArguments;
    DISPPARAMS FParams{};
};

} // namespace typ::win
