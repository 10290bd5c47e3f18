#pragma once

#include "editor/PreviewZoom.h"
#include "editor/PrintLayout.h"

#include <string>
#include <string_view>

// The texts of the print preview: its caption and its status bar.
namespace typ {

inline constexpr std::u16string_view kPreviewCaptionPrefix = u"Vista preliminar - ";
inline constexpr std::u16string_view kNoPrinterText = u"Sin impresora: hoja A4";

std::u16string PreviewCaption(std::u16string_view editorCaption);

// The sheet's size in whole millimetres, "210 x 297 mm".
std::u16string SheetSizeText(const TPreviewSheet& sheet);

// The zoom as a percent, "84 %".
std::u16string ZoomText(int percent);

// What the sheet cuts: "Líneas fuera de la hoja: N", "Columnas fuera de la
// hoja: N", both when both, nothing when the template fits.
std::u16string CutText(const TPrintLayout& layout);

} // namespace typ
