#include "editor/EditorFace.h"

#include <array>

namespace typ {

namespace {

constexpr std::u16string_view kDosFace = u"Courier LD";
constexpr std::array<std::u16string_view, 4> kUnicodeFaces = {u"Consolas", u"Lucida Console",
                                                              u"Courier New", u"DejaVu Sans Mono"};

} // namespace

TEditorFace ChooseEditorFace(const std::function<bool(std::u16string_view)>& installed) {
    if (installed(kDosFace))
        return {std::u16string(kDosFace), false};
    for (const std::u16string_view face : kUnicodeFaces)
        if (installed(face))
            return {std::u16string(face), true};
    return {u"", true};
}

TEditorFace FaceNamed(std::u16string_view name) {
    return {std::u16string(name), name != kDosFace};
}

} // namespace typ
