#include "editor/ToolBarPictures.h"

#include "editor/PictureStrip.h"

namespace typ::win {

TOwnedImageList ToolBarPictures() {
    TOwnedImageList list(ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR32 | ILC_MASK, 10, 0));
    const TOwnedImageList source = ImportExportPictures();
    for (std::size_t i = 0; i < kToolBarPictures.size(); ++i)
        ImageList_Copy(list.Get(), static_cast<int>(i), source.Get(), 0, ILCF_MOVE);
    return list;
}

TOwnedImageList ImportExportPictures() {
    return LoadPictureStrip(L"TFrmEditorTYP_ImportExport_16_Bmp", kPictureSize);
}

} // namespace typ::win
