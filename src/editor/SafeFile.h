#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and writes for the TYP commands. Failures throw
// EEditorError with the platform's messages (UTF-8), naming the file and the
// system's reason.
namespace typ {

// Larger files are refused: the editor's offsets count in int, and no page it
// can hold needs more.
constexpr std::uintmax_t kMaxReadBytes = 256ULL * 1024 * 1024;

// "Cannot create file "%s". %s" and "Cannot open file "%s". %s".
std::string CannotCreateFileMessage(const std::filesystem::path& file, std::string_view reason);
std::string CannotOpenFileMessage(const std::filesystem::path& file, std::string_view reason);

std::string ReadFileBytes(const std::filesystem::path& file);

// Writes to a new file in the same folder and only then puts it in the
// target's place (a rename, which replaces a file in one step), so a failed
// write leaves the old file as it was. An existing target must be writable,
// as for writing it in place; its permissions carry over to the new file.
void WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

} // namespace typ
