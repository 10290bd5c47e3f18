#pragma once

#include "images/ImageEnum.h"
#include "platform/HandleOwners.h"

#include <array>

namespace typ::win {

inline constexpr int kPictureSize = 16;

// The standard tool bar's pictures, in the order of its command buttons:
// Abrir, Guardar, Imprimir, Deshacer, Cortar, Copiar, Pegar, Dibujar, Buscar, Ayuda.
inline constexpr std::array<TImageEnum, 10> kToolBarPictures = {
    TImageEnum::ieActOpenFolder, TImageEnum::ieActSave, TImageEnum::ieActPrint,
    TImageEnum::ieActUndo,       TImageEnum::ieActCut,  TImageEnum::ieActCopy,
    TImageEnum::ieActPaste,      TImageEnum::ieActPaint, TImageEnum::ieNavSearch,
    TImageEnum::ieActHelp,
};

// The window's tool-bar image list: 16-pixel cells appended from the shared
// image repository in the order above.
TOwnedImageList ToolBarPictures();

// The import and export buttons' own pictures (the editor's resource
// "TFrmEditorTYP_ImportExport_16_Bmp"): import at 0, export at 1.
TOwnedImageList ImportExportPictures();

} // namespace typ::win
