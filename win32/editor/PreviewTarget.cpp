#include "editor/PreviewTarget.h"

#include "editor/CurrentPrinter.h"
#include "editor/PrintRender.h"
#include "platform/HandleOwners.h"

#include <windows.h>
#include <optional>

namespace typ::win {

namespace {

bool Sensible(const TPreviewSheet& sheet) {
    return sheet.DotsPerInchX > 0 && sheet.DotsPerInchY > 0 && sheet.Size.Width > 0 &&
           sheet.Size.Height > 0 && sheet.Printable.Width > 0 && sheet.Printable.Height > 0 &&
           sheet.PrintableLeft >= 0 && sheet.PrintableTop >= 0;
}

// A printer that tells no physical size prints on its printable area alone.
std::optional<TPreviewSheet> SheetOf(HDC printer) {
    TPreviewSheet sheet;
    sheet.Printable = {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
    sheet.Size = {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
    if (sheet.Size.Width <= 0 || sheet.Size.Height <= 0)
        sheet.Size = sheet.Printable;
    sheet.PrintableLeft = GetDeviceCaps(printer, PHYSICALOFFSETX);
    sheet.PrintableTop = GetDeviceCaps(printer, PHYSICALOFFSETY);
    sheet.DotsPerInchX = GetDeviceCaps(printer, LOGPIXELSX);
    sheet.DotsPerInchY = GetDeviceCaps(printer, LOGPIXELSY);
    return Sensible(sheet) ? std::optional(sheet) : std::nullopt;
}

TPrintDevice DeviceOf(const TPreviewSheet& sheet) {
    return {sheet.DotsPerInchY, sheet.Printable.Height, sheet.Printable.Width};
}

TPreviewTarget WithoutPrinter(const TMemo& memo) {
    TPreviewTarget target{A4Sheet(), {}, {}};
    const TOwnedDc measure(CreateCompatibleDC(nullptr));
    target.Layout = LayOutForDevice(measure.Get(), memo, DeviceOf(target.Sheet));
    return target;
}

} // namespace

TPreviewTarget PreviewTargetFor(const TMemo& memo) {
    const TOwnedDc printer(CreateCurrentPrinterDC());
    if (!printer)
        return WithoutPrinter(memo);
    const auto sheet = SheetOf(printer.Get());
    if (!sheet)
        return WithoutPrinter(memo);
    return {*sheet, CurrentPrinterName(), LayOutForDevice(printer.Get(), memo, DeviceOf(*sheet))};
}

} // namespace typ::win
