#pragma once

#include "editor/Commands.h"

#include <windows.h>
#include <optional>

// The WM_COMMAND identifiers of the commands and of the buttons that are not
// bound to a command.
namespace typ::win {

constexpr UINT kFirstCommandId = 1000;
constexpr UINT kVariablesButtonId = 2000;
constexpr UINT kImportExportButtonId = 2001;

constexpr UINT CommandMessageId(TCommandId command) {
    return kFirstCommandId + static_cast<UINT>(command);
}

inline std::optional<TCommandId> CommandOfMessageId(UINT id) {
    if (id < kFirstCommandId || id >= kFirstCommandId + CommandTable().size())
        return std::nullopt;
    return static_cast<TCommandId>(id - kFirstCommandId);
}

} // namespace typ::win
