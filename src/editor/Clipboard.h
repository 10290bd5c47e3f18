#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace typ {

// The platform's clipboard as the editing commands use it: plain text, in
// and out unchanged (the grid's DOS-as-ANSI text is not converted).
class TClipboard {
public:
    virtual ~TClipboard() = default;
    // None when the clipboard holds no text.
    virtual std::optional<std::u16string> Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
    // A block's rows, CR LF between them, marked as rectangular for this
    // editor; other programs read the text. A clipboard without the mark holds
    // the text alone.
    virtual void SetRectangularText(std::u16string_view text) { SetText(text); }
    virtual bool HoldsRectangularText() const { return false; }
};

} // namespace typ
