#include "editor/PreviewStatus.h"

#include "environment/StrUtils.h"

#include <cstdint>

namespace typ {

namespace {

// Pixels at a resolution as millimetres, to the nearest one.
std::int64_t Millimetres(int pixels, int dotsPerInch) {
    if (dotsPerInch <= 0)
        return 0;
    const std::int64_t tenths = std::int64_t{pixels} * 254;
    return (tenths + 5 * dotsPerInch) / (10 * std::int64_t{dotsPerInch});
}

} // namespace

std::u16string PreviewCaption(std::u16string_view editorCaption) {
    return std::u16string(kPreviewCaptionPrefix).append(editorCaption);
}

std::u16string SheetSizeText(const TPreviewSheet& sheet) {
    return IntToStr(Millimetres(sheet.Size.Width, sheet.DotsPerInchX)) + u" x " +
           IntToStr(Millimetres(sheet.Size.Height, sheet.DotsPerInchY)) + u" mm";
}

std::u16string ZoomText(int percent) {
    return IntToStr(percent) + u" %";
}

std::u16string CutText(const TPrintLayout& layout) {
    std::u16string text;
    if (layout.LinesOutside > 0)
        text = u"Líneas fuera de la hoja: " + IntToStr(layout.LinesOutside);
    if (layout.ColumnsOutside > 0) {
        if (!text.empty())
            text += u"; ";
        text += u"Columnas fuera de la hoja: " + IntToStr(layout.ColumnsOutside);
    }
    return text;
}

} // namespace typ
