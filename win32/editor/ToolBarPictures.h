#pragma once

#include "images/ImageEnum.h"
#include "images/PictureStore.h"
#include "images/WinPictureObjects.h"

#include <array>
#include <memory>

namespace typ::win {

inline constexpr int kPictureSize = 16;

// The standard tool bar's pictures: Abrir, Guardar, Imprimir, Deshacer, Cortar,
// Copiar, Pegar, Dibujar, Buscar and Ayuda at 0 to 9, then Vista preliminar.
inline constexpr std::array<TImageEnum, 11> kToolBarPictures = {
    TImageEnum::ieActOpenFolder, TImageEnum::ieActSave,    TImageEnum::ieActPrint,
    TImageEnum::ieActUndo,       TImageEnum::ieActCut,     TImageEnum::ieActCopy,
    TImageEnum::ieActPaste,      TImageEnum::ieActPaint,   TImageEnum::ieNavSearch,
    TImageEnum::ieActHelp,       TImageEnum::ieActPreview,
};

// The window's tool-bar image list: 16-pixel cells appended with the shared
// repository's AddBmpToImageList in the order above. A picture the repository
// cannot give leaves the list empty (an ltError entry says why): buttons
// without pictures rather than with wrong ones, and the editor still opens.
std::unique_ptr<TWinImageList> ToolBarPictures();

// The import and export buttons' own pictures, the editor's resource
// "TFrmEditorTYP_16_Bmp": import at 0, export at 1. None (and an ltError
// entry) when the resource cannot be loaded.
class TImportExportPictures {
public:
    TImportExportPictures();
    HIMAGELIST Handle() const;

private:
    std::unique_ptr<TModulePictures> FPictures;
};

} // namespace typ::win
