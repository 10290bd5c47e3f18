#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace typ {

// A file that could not be read; the message names the file.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file opened for appending with no sharing: while it is open no other
// writer, thread or process, can open it. Closed on destruction.
class TExclusiveFile {
public:
    virtual ~TExclusiveFile() = default;
    // Writes all the bytes at the current end of the file.
    virtual bool Append(std::string_view bytes) = 0;
};

// Files and folders. Paths are the platform's own (UTF-16 in memory).
class TFileSystem {
public:
    virtual ~TFileSystem() = default;

    virtual bool FileExists(const std::u16string& path) const = 0;
    virtual bool DirectoryExists(const std::u16string& path) const = 0;
    virtual std::optional<std::uint64_t> FileSize(const std::u16string& path) const = 0;
    // Local time of the last change; none when the file does not exist.
    virtual std::optional<TDateTime> LastWriteTime(const std::u16string& path) const = 0;
    // Creates the folder with every missing parent; true when it exists afterwards.
    virtual bool ForceDirectories(const std::u16string& path) const = 0;
    virtual bool RenameFile(const std::u16string& from, const std::u16string& to) const = 0;
    virtual bool RemoveFile(const std::u16string& path) const = 0;

    // The whole file, read while other writers are kept out; raises EFileError
    // when it cannot be opened or read (missing, or being written by another).
    virtual std::string ReadWholeFile(const std::u16string& path) const = 0;
    // Replaces the file's content under an exclusive open; false on failure.
    virtual bool WriteWholeFile(const std::u16string& path, std::string_view bytes) const = 0;
    // Opens the file, creating it when missing and never truncating it, for
    // appending with no sharing; nullptr while another holds it or on failure.
    virtual std::unique_ptr<TExclusiveFile> OpenExclusive(const std::u16string& path) const = 0;

    // The raw version resource of an executable or library; none when the file
    // has none or the platform keeps no such resources.
    virtual std::optional<std::string> VersionResource(const std::u16string& path) const = 0;
};

// The platform's file system, defined by the platform implementation.
TFileSystem& FileSystem();

} // namespace typ
