#pragma once

#include <string>

namespace typ::win {

// Writes a picture file, replacing one of the same name. Throws EHostError
// (WriteFailed) with the system's reason.
void WritePictureFile(const std::wstring& path, const std::string& bytes);

} // namespace typ::win
