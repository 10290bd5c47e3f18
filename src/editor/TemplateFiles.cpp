#include "editor/TemplateFiles.h"

#include "editor/GridEditor.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace typ {

namespace {

namespace fs = std::filesystem;

std::string PathText(const fs::path& file) {
    const std::u8string text = file.u8string();
    return {text.begin(), text.end()};
}

std::string FileMessage(std::string_view what, const fs::path& file, std::string_view reason) {
    std::string message(what);
    message.append(" file \"").append(PathText(file)).append("\". ").append(reason);
    return message;
}

// The reason the C library gave for the last failed open or read.
std::string LastReason() {
    return std::generic_category().message(errno);
}

std::string CannotOpenFileMessage(const fs::path& file, std::string_view reason) {
    return FileMessage("Cannot open", file, reason);
}

} // namespace

std::string ReadFileBytes(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        throw EEditorError(CannotOpenFileMessage(file, error.message()));
    if (size > kMaxReadBytes)
        throw EEditorError(CannotOpenFileMessage(file, "El archivo es demasiado grande."));
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (in)
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof())
        throw EEditorError(CannotOpenFileMessage(file, LastReason()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

void WriteFileBytes(const fs::path& file, std::string_view bytes) {
    std::string reason;
    if (!FileSystem().WriteWholeFile(file.u16string(), bytes, &reason))
        throw EEditorError(FileMessage("Cannot create", file, reason));
}

} // namespace typ
