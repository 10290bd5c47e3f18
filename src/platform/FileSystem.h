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
    // The file's size in bytes; none when it cannot be told.
    virtual std::optional<std::uint64_t> Size() = 0;
    // Writes the bytes at the current end of the file; false when they were
    // not all written, in which case a part of them may have been.
    virtual bool Append(std::string_view bytes) = 0;
    // Cuts the file back to `size` bytes; false on failure.
    virtual bool Truncate(std::uint64_t size) = 0;
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
    // Replaces the file's content in one step: the bytes go to a new file in
    // the same folder, flushed to disk, which then takes the file's place. So
    // readers find the old content or the new, never a part, and a failed
    // write leaves the old file as it was and no new file behind. An existing
    // file must be writable and not held by another, as for writing it in
    // place; it keeps its permissions. False on failure, with the system's
    // reason (UTF-8) in `reason` when one is given.
    virtual bool WriteWholeFile(const std::u16string& path, std::string_view bytes,
                                std::string* reason = nullptr) const = 0;
    // Opens the file, creating it when missing and never truncating it, for
    // appending with no sharing; nullptr while another holds it or on failure.
    virtual std::unique_ptr<TExclusiveFile> OpenExclusive(const std::u16string& path) const = 0;

    // The raw version resource of an executable or library; none when the file
    // has none or the platform keeps no such resources.
    virtual std::optional<std::string> VersionResource(const std::u16string& path) const = 0;
};

// The operating system's file system, defined by the platform implementation.
TFileSystem& SystemFileSystem();

// The file system the core uses: the system's unless SetFileSystem installed another.
TFileSystem& FileSystem();

// Installs a file system for the whole process (nullptr restores the
// system's), for runs that need the system's failures on demand. Not to be
// called while other threads use files.
void SetFileSystem(TFileSystem* fileSystem);

} // namespace typ
