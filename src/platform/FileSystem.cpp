#include "platform/FileSystem.h"

#include <atomic>

namespace typ {
namespace {

std::atomic<TFileSystem*> g_fileSystem{nullptr};

} // namespace

TFileSystem& FileSystem() {
    TFileSystem* fileSystem = g_fileSystem.load();
    return fileSystem != nullptr ? *fileSystem : SystemFileSystem();
}

void SetFileSystem(TFileSystem* fileSystem) {
    g_fileSystem.store(fileSystem);
}

} // namespace typ
