#include "charconv/CharConv.h"

#include "charconv/Recode.h"
#include "charconv/SpanishTable.h"
#include "charconv/Windows1252.h"

#include <utility>

namespace typ {

std::u16string TCharConv::TransformToDos(std::u16string text) {
    return SpanishToDos().Apply(std::move(text));
}

std::u16string TCharConv::TransformToWin(std::u16string text) {
    return SpanishToWin().Apply(std::move(text));
}

std::u16string TCharConv::TransformToWinFormularios(std::u16string text) {
    return SpanishToWinFormularios().Apply(std::move(text));
}

std::u16string TCharConv::TransformToDosWide(std::u16string text) {
    return TransformToDos(std::move(text));
}

std::u16string TCharConv::TransformToWinWide(std::u16string text) {
    return TransformToWin(std::move(text));
}

std::u16string TCharConv::ConvDosToWin(std::u16string_view text) {
    const TCodeTable& windows = Windows1252Table();
    return windows.Decode(RecodeDosToWindows1252(windows.Encode(text)));
}

std::u16string TCharConv::ConvWinToDos(std::u16string_view text) {
    const TCodeTable& windows = Windows1252Table();
    return windows.Decode(RecodeWindows1252ToDos(windows.Encode(text)));
}

} // namespace typ
