#pragma once

#include "editor/Memo.h"

#include <windows.h>
#include <string_view>

namespace typ::win {

enum class TPreviewChoice { Close, Print };

// The print preview of the memo: a modal window owned by `owner` (no task-bar
// button of its own), maximised, captioned "Vista preliminar - " and the
// editor's caption. It shows the current printer's sheet with the page the
// printer would get, zooms and scrolls, and tells in its status bar the
// sheet's size, the printer, the zoom and what the sheet cuts. Imprimir ends
// it with Print; Cerrar, Escape and its close box with Close.
TPreviewChoice ShowPrintPreview(HWND owner, std::u16string_view editorCaption, const TMemo& memo);

// The window class of the preview, for those who look for it.
inline constexpr wchar_t kPreviewWindowClass[] = L"TfrmVistaPreliminar";

} // namespace typ::win
