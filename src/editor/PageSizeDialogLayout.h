#pragma once

#include <string_view>

// The page dialog as it is laid out: its texts and, in pixels of its client
// area, where each control sits. The window layer only creates the controls.
namespace typ::page_dialog {

struct TBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline constexpr std::u16string_view kCaption = u"Configuración de la página";
inline constexpr std::u16string_view kWidthLabel = u"Ancho (x): ";
inline constexpr std::u16string_view kHeightLabel = u"Alto (y): ";
inline constexpr std::u16string_view kUnitLabel = u"caracteres";
inline constexpr std::u16string_view kAccept = u"&Aceptar";
inline constexpr std::u16string_view kCancel = u"&Cancelar";

// The window: placed at a fixed screen position, with a 5-pixel border
// around its 218 x 119 client area.
inline constexpr int kScreenLeft = 436;
inline constexpr int kScreenTop = 307;
inline constexpr int kBorderWidth = 5;
inline constexpr int kClientWidth = 218;
inline constexpr int kClientHeight = 119;

// The upper panel (raised inner and lowered outer bevel) and the button panel
// below it; the buttons' places count from the button panel's corner.
inline constexpr TBox kUpperPanel{0, 0, 218, 90};
inline constexpr TBox kButtonPanel{0, 90, 218, 29};

inline constexpr TBox kWidthLabelBox{18, 18, 51, 13};
inline constexpr TBox kWidthField{76, 14, 51, 22};
inline constexpr TBox kWidthUnitBox{134, 18, 50, 13};
inline constexpr TBox kHeightLabelBox{18, 48, 38, 13};
inline constexpr TBox kHeightField{76, 44, 51, 22};
inline constexpr TBox kHeightUnitBox{134, 48, 50, 13};
inline constexpr TBox kAcceptButton{51, 4, 65, 25};
inline constexpr TBox kCancelButton{120, 4, 65, 25};

} // namespace typ::page_dialog
