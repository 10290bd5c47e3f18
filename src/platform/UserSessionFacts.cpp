#include "platform/UserSessionFacts.h"

#include <atomic>

namespace typ {
namespace {

std::atomic<TUserSessionFacts*> g_facts{nullptr};

} // namespace

TUserSessionFacts& UserSessionFacts() {
    TUserSessionFacts* facts = g_facts.load();
    return facts != nullptr ? *facts : SystemUserSessionFacts();
}

void SetUserSessionFacts(TUserSessionFacts* facts) {
    g_facts.store(facts);
}

} // namespace typ
