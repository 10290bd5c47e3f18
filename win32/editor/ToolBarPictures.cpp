#include "editor/ToolBarPictures.h"

#include "images/VnRepositoryImages.h"
#include "images/WinPictureSource.h"
#include "logging/ManagedLogFile.h"

namespace typ::win {

namespace {

// The editor's own pictures, loaded as the image modules' lists are.
constexpr TImageListLayout kImportExportLists[] = {
    {TImageSize::is16p, TImageKind::Bmp, kPictureSize, kPictureSize, 0, 2, std::nullopt, {}},
};
constexpr TImageModule kImportExportModule{
    "TFrmEditorTYP", {}, kImportExportLists, TIndexOfKind::None};

} // namespace

std::unique_ptr<TWinImageList> ToolBarPictures() {
    auto list = std::make_unique<TWinImageList>(kPictureSize, kPictureSize);
    try {
        for (const TImageEnum picture : kToolBarPictures)
            SharedRepositoryImages().AddBmpToImageList(picture, TImageSize::is16p, *list);
    } catch (const std::exception& error) {
        TManagedLogFile::Write(ltError, u"TfrmEditorTYP: imágenes de la barra de herramientas",
                               error);
        ImageList_RemoveAll(list->Handle());
    }
    return list;
}

TImportExportPictures::TImportExportPictures() {
    try {
        FPictures = TWinPictureSource().LoadModule(kImportExportModule);
        // Lists load when first read: read it here, where a missing picture is
        // logged once, and not while the buttons paint.
        FPictures->List(0);
    } catch (const std::exception& error) {
        TManagedLogFile::Write(ltError, u"TfrmEditorTYP: imágenes de Importar y Exportar TYP",
                               error);
        FPictures.reset();
    }
}

HIMAGELIST TImportExportPictures::Handle() const {
    return FPictures ? static_cast<const TWinStoredList&>(FPictures->List(0)).Handle() : nullptr;
}

} // namespace typ::win
