#include "server/ErrorInfo.h"

#include "platform/WideText.h"
#include "server/ServerError.h"

#include <oleauto.h>
#include <wrl/client.h>

namespace typ::win {

namespace {

using Microsoft::WRL::ComPtr;

void SetCallerErrorInfo(const std::wstring& source, const std::wstring& description, REFIID iid) {
    ComPtr<ICreateErrorInfo> created;
    if (FAILED(CreateErrorInfo(created.GetAddressOf())))
        return;
    created->SetGUID(iid);
    created->SetSource(const_cast<LPOLESTR>(source.c_str()));
    created->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(created.As(&info)))
        SetErrorInfo(0, info.Get());
}

} // namespace

HRESULT ReportFailure(const std::exception_ptr& error, const std::wstring& source, REFIID iid) {
    const auto code = static_cast<HRESULT>(FailureCode(error));
    try {
        SetCallerErrorInfo(source, WideFromUtf8(FailureMessage(error)), iid);
    } catch (...) {
        SetErrorInfo(0, nullptr);
    }
    return code;
}

} // namespace typ::win
