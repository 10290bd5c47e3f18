#pragma once

#include "server/FrmEditorTypNoTaskBar.h"

#include <cstdint>
#include <optional>
#include <string>

namespace typ::win {

// What a host passes to a hosted run, besides the text.
struct THostedRequest {
    std::u16string DirComunes;
    std::u16string Caption;
    std::int32_t HelpContext = 0;
    std::int32_t HelpContextVar = 0;
    std::u16string HelpFile;
};

// Prepares the window for the host, runs it modally with `text` and returns the
// editor's text when it differs from `text`, nothing when it does not.
std::optional<std::u16string> EditHosted(TFrmEditorTypNoTaskBar& form,
                                         const THostedRequest& request, std::u16string_view text);

} // namespace typ::win
