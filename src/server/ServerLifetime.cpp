#include "server/ServerLifetime.h"

namespace typ {

void TServerLifetime::ObjectCreated() {
    ++FObjects;
    AddReference();
}

void TServerLifetime::ObjectDestroyed() {
    --FObjects;
    DropReference();
}

void TServerLifetime::Lock() {
    AddReference();
}

void TServerLifetime::Unlock() {
    DropReference();
}

void TServerLifetime::AddReference() {
    if (FMode == TStartMode::Automation)
        ++FReferences;
}

void TServerLifetime::DropReference() {
    if (FMode == TStartMode::Automation && --FReferences == 0 && OnLastRelease)
        OnLastRelease();
}

} // namespace typ
