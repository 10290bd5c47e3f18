#include "editor/PrintTemplate.h"

#include "editor/CurrentPrinter.h"
#include "editor/PrintRender.h"
#include "platform/HandleOwners.h"

#include <windows.h>

namespace typ::win {

namespace {

// A document that is aborted unless it was ended.
class TPrintDocument {
public:
    explicit TPrintDocument(HDC dc) : FDc(dc) {
        DOCINFOW info{};
        info.cbSize = sizeof(info);
        info.lpszDocName = L"";
        FStarted = StartDocW(dc, &info) > 0;
    }
    ~TPrintDocument() {
        if (FStarted)
            AbortDoc(FDc);
    }
    TPrintDocument(const TPrintDocument&) = delete;
    TPrintDocument& operator=(const TPrintDocument&) = delete;

    bool Started() const { return FStarted; }
    bool End() {
        FStarted = false;
        return EndDoc(FDc) > 0;
    }

private:
    HDC FDc;
    bool FStarted = false;
};

bool PrintPage(HDC dc, const TMemo& memo) {
    TPrintDocument document(dc);
    if (!document.Started() || StartPage(dc) <= 0)
        return false;
    RenderPrint(
        dc, memo,
        {GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, HORZRES)});
    if (EndPage(dc) <= 0)
        return false;
    return document.End();
}

} // namespace

bool PrintTemplate(const TMemo& memo) noexcept {
    try {
        const TOwnedDc printer(CreateCurrentPrinterDC());
        return printer.Get() != nullptr && PrintPage(printer.Get(), memo);
    } catch (...) {
        return false;
    }
}

} // namespace typ::win
