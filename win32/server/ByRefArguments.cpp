#include "server/ByRefArguments.h"

namespace typ::win {

namespace {

bool IsReferenceToBstrVariant(const VARIANTARG& argument) {
    return argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal != nullptr &&
           argument.pvarVal->vt == VT_BSTR;
}

// A shallow copy: the caller keeps owning everything the arguments point to.
VARIANTARG Unwrapped(VARIANTARG argument) {
    if (IsReferenceToBstrVariant(argument)) {
        BSTR* text = &argument.pvarVal->bstrVal;
        argument.vt = VT_BSTR | VT_BYREF;
        argument.pbstrVal = text;
    }
    return argument;
}

} // namespace

TByRefArguments::TByRefArguments(DISPPARAMS* params) : FOriginal(params) {
    if (!params)
        return;
    FParams = *params;
    if (!params->rgvarg)
        return;
    FArguments.reserve(params->cArgs);
    for (UINT i = 0; i < params->cArgs; ++i)
        FArguments.push_back(Unwrapped(params->rgvarg[i]));
    FParams.rgvarg = FArguments.data();
}

} // namespace typ::win
