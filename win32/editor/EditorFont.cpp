#include "editor/EditorFont.h"

#include "platform/WideText.h"

#include <string>

namespace typ::win {

namespace {

struct TFaceQuery {
    std::wstring Name;
    bool Found = false;
};

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    // A substitute may answer to the name too; only the face itself counts.
    auto* query = reinterpret_cast<TFaceQuery*>(data);
    query->Found = lstrcmpiW(font->lfFaceName, query->Name.c_str()) == 0;
    return query->Found ? 0 : 1;
}

bool IsInstalled(std::u16string_view face) {
    TFaceQuery query{Wide(face)};
    if (query.Name.size() >= LF_FACESIZE)
        return false;
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    query.Name.copy(font.lfFaceName, query.Name.size());
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &font, NoteFace, reinterpret_cast<LPARAM>(&query), 0);
    ReleaseDC(nullptr, screen);
    return query.Found;
}

} // namespace

TEditorFace InstalledEditorFace() {
    return ChooseEditorFace(IsInstalled);
}

int GridFontPixels() {
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return pixels;
}

HFONT CreateEditorFont(const TEditorFace& face, int pixels, bool bold) {
    const std::wstring name = Wide(face.Name);
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, name.c_str());
}

HFONT CreateUiFont() {
    const HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

SIZE MeasureCell(HFONT font) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, L"L", 1, &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size;
}

} // namespace typ::win
