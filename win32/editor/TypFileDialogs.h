#pragma once

#include <windows.h>
#include <filesystem>
#include <optional>
#include <string_view>

namespace typ::win {

// The platform's open and save dialogs as Importar TYP and Exportar TYP set
// them up: the template folder, the TYP filter, the titles and the proposed
// name from the window caption. None when the user cancels.
std::optional<std::filesystem::path> AskImportFile(HWND owner, std::u16string_view caption,
                                                   const std::filesystem::path& folder);
std::optional<std::filesystem::path> AskExportFile(HWND owner, std::u16string_view caption,
                                                   const std::filesystem::path& folder);

} // namespace typ::win
