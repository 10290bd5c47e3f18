#include "editor/SafeFile.h"

#include "editor/GridEditor.h"

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

// The reason the C library gave for the last failed open, read or write.
std::string LastReason() {
    return std::generic_category().message(errno);
}

// A name beside the target that no file has yet.
fs::path TemporaryBeside(const fs::path& file) {
    for (unsigned attempt = 0;; ++attempt) {
        fs::path name = file;
        name += "." + std::to_string(attempt) + ".tmp";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(name, error)))
            return name;
    }
}

// Opening for appending changes nothing but fails as writing in place would
// (read-only file, no rights, locked).
void CheckWritable(const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error))
        return;
    errno = 0;
    if (!std::ofstream(file, std::ios::binary | std::ios::app))
        throw EEditorError(CannotCreateFileMessage(file, LastReason()));
}

void WriteNew(const fs::path& temporary, const fs::path& file, std::string_view bytes) {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out)
        out.close();
    if (!out) {
        const std::string reason = LastReason();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw EEditorError(CannotCreateFileMessage(file, reason));
    }
}

} // namespace

std::string CannotCreateFileMessage(const fs::path& file, std::string_view reason) {
    return FileMessage("Cannot create", file, reason);
}

std::string CannotOpenFileMessage(const fs::path& file, std::string_view reason) {
    return FileMessage("Cannot open", file, reason);
}

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

void WriteFileSafely(const fs::path& file, std::string_view bytes) {
    CheckWritable(file);
    const fs::path temporary = TemporaryBeside(file);
    WriteNew(temporary, file, bytes);
    std::error_code error;
    const fs::file_status old = fs::status(file, error);
    if (fs::exists(old))
        fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw EEditorError(CannotCreateFileMessage(file, error.message()));
    }
}

} // namespace typ
