#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and writes for the TYP commands. Failures throw
// EEditorError with "Cannot open file "%s". %s" or "Cannot create file "%s".
// %s" (UTF-8), naming the file and the system's reason.
namespace typ {

// Larger files are refused: the editor's offsets count in int, and no page it
// can hold needs more.
constexpr std::uintmax_t kMaxReadBytes = 256ULL * 1024 * 1024;

std::string ReadFileBytes(const std::filesystem::path& file);

// Replaces the file's content in one step (the file system's whole-file
// write), so a failed write leaves the old file as it was.
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

} // namespace typ
