#include "editor/Win32Clipboard.h"

#include <cstring>
#include <stdexcept>

namespace typ::win {

namespace {

// Opened for the life of the object; another program may hold the clipboard
// for a moment, so opening is tried a few times.
class TOpenClipboard {
public:
    explicit TOpenClipboard(HWND owner) {
        for (int attempt = 0; attempt < 5 && !FOpen; ++attempt) {
            FOpen = OpenClipboard(owner) != FALSE;
            if (!FOpen)
                Sleep(20);
        }
    }
    ~TOpenClipboard() {
        if (FOpen)
            CloseClipboard();
    }
    TOpenClipboard(const TOpenClipboard&) = delete;
    TOpenClipboard& operator=(const TOpenClipboard&) = delete;
    bool IsOpen() const { return FOpen; }

private:
    bool FOpen = false;
};

// The text of a clipboard block, up to its first NUL and never past its size.
std::u16string BlockText(HGLOBAL block) {
    const auto* data = static_cast<const char16_t*>(GlobalLock(block));
    if (data == nullptr)
        return {};
    const std::size_t capacity = GlobalSize(block) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < capacity && data[length] != u'\0')
        ++length;
    std::u16string text(data, length);
    GlobalUnlock(block);
    return text;
}

HGLOBAL NewBlock(std::u16string_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr)
        return nullptr;
    auto* data = static_cast<char16_t*>(GlobalLock(block));
    std::memcpy(data, text.data(), text.size() * sizeof(char16_t));
    data[text.size()] = u'\0';
    GlobalUnlock(block);
    return block;
}

} // namespace

bool TWin32Clipboard::HasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ||
           IsClipboardFormatAvailable(CF_OEMTEXT);
}

std::optional<std::u16string> TWin32Clipboard::Text() const {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen())
        return std::nullopt;
    const HGLOBAL block = GetClipboardData(CF_UNICODETEXT);
    if (block == nullptr)
        return std::nullopt;
    return BlockText(block);
}

namespace {

void PutText(std::u16string_view text, UINT format) {
    const HGLOBAL block = NewBlock(text);
    if (block == nullptr || SetClipboardData(format, block) == nullptr) {
        if (block != nullptr)
            GlobalFree(block);
        throw std::runtime_error("No se puede copiar al portapapeles.");
    }
}

} // namespace

void TWin32Clipboard::SetText(std::u16string_view text) {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen())
        throw std::runtime_error("No se puede abrir el portapapeles.");
    EmptyClipboard();
    PutText(text, CF_UNICODETEXT);
}

UINT TWin32Clipboard::RectangularFormat() {
    static const UINT format = RegisterClipboardFormatW(L"Vn_EditorTyp.BloqueRectangular");
    return format;
}

void TWin32Clipboard::SetRectangularText(std::u16string_view text) {
    TOpenClipboard clipboard(FOwner);
    if (!clipboard.IsOpen())
        throw std::runtime_error("No se puede abrir el portapapeles.");
    EmptyClipboard();
    PutText(text, CF_UNICODETEXT);
    PutText(u"", RectangularFormat());
}

bool TWin32Clipboard::HoldsRectangularText() const {
    return RectangularFormat() != 0 && IsClipboardFormatAvailable(RectangularFormat());
}

} // namespace typ::win
