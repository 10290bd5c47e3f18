#pragma once

#include "editor/Clipboard.h"

#include <windows.h>

namespace typ::win {

// The platform clipboard as Unicode text (CF_UNICODETEXT); the text goes in
// and out as the grid holds it. The platform offers text put there in other
// text formats as Unicode too.
class TWin32Clipboard : public TClipboard {
public:
    explicit TWin32Clipboard(HWND owner) : FOwner(owner) {}

    std::optional<std::u16string> Text() const override;
    void SetText(std::u16string_view text) override;
    // The text, and beside it an empty item of the editor's own format that
    // marks it as a block's rows.
    void SetRectangularText(std::u16string_view text) override;
    bool HoldsRectangularText() const override;
    static UINT RectangularFormat();

    // Whether the clipboard holds text in any of the platform's text formats.
    static bool HasText();

private:
    HWND FOwner;
};

} // namespace typ::win
