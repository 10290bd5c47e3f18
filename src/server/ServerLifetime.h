#pragma once

#include "server/StartMode.h"

#include <atomic>
#include <functional>

namespace typ {

// Counts the live automation objects and the hosts' locks on the server. In
// automation mode each of them keeps the process alive, and the release of the
// last one calls OnLastRelease (the platform layer ends the message loop); in
// any other mode the process outlives its objects.
class TServerLifetime {
public:
    explicit TServerLifetime(TStartMode mode) : FMode(mode) {}

    void ObjectCreated();
    void ObjectDestroyed();
    void Lock();
    void Unlock();

    int ObjectCount() const { return FObjects.load(); }
    // A request to end the process while objects live needs the user's consent.
    bool MustAskBeforeEnding() const { return ObjectCount() > 0; }

    std::function<void()> OnLastRelease;

private:
    void AddReference();
    void DropReference();

    TStartMode FMode;
    std::atomic<int> FObjects{0};
    std::atomic<int> FReferences{0};
};

} // namespace typ
