#pragma once

#include <string>
#include <string_view>
#include <vector>

// The string lists of the file dialogs' data block.
namespace typ::win {

// "Texto|*.txt|Todos|*.*" as the dialog's list: each part ended by a null
// character, the list by another.
std::wstring FilterList(std::wstring_view filter);

// The full paths in the dialog's file buffer: one full path, or (several
// chosen) the folder followed by the names, each ended by a null character.
std::vector<std::wstring> ChosenFiles(const std::vector<wchar_t>& buffer, std::size_t fileOffset);

} // namespace typ::win
