#pragma once

#include <string>

namespace typ::win {

// A TYP file's bytes, as they are on disk. Throws EHostError (ReadFailed).
std::string ReadTemplateBytes(const std::wstring& path);

// Replaces the file's content: the bytes go to a new file in the same folder,
// which then takes the old one's place, so a failed write never leaves the
// user's file half-written. Throws EHostError (WriteFailed).
void ReplaceTemplateBytes(const std::wstring& path, const std::string& bytes);

} // namespace typ::win
