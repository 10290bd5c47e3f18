#include "server/ServerLifetime.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace typ {
namespace {

struct Counted {
    explicit Counted(TStartMode mode) : lifetime(mode) {
        lifetime.OnLastRelease = [this] { ++releases; };
    }
    TServerLifetime lifetime;
    int releases = 0;
};

TEST(ServerLifetimeTest, AutomationEndsAtTheLastReleaseOfObjectsAndLocks) {
    Counted c(TStartMode::Automation);
    c.lifetime.ObjectCreated();
    c.lifetime.ObjectCreated();
    c.lifetime.ObjectDestroyed();
    EXPECT_EQ(c.releases, 0);
    c.lifetime.Lock();
    c.lifetime.ObjectDestroyed();
    EXPECT_EQ(c.releases, 0);
    EXPECT_EQ(c.lifetime.ObjectCount(), 0);
    c.lifetime.Unlock();
    EXPECT_EQ(c.releases, 1);
}

TEST(ServerLifetimeTest, OtherModesOutliveTheirObjects) {
    for (TStartMode mode : {TStartMode::Standalone, TStartMode::Register}) {
        Counted c(mode);
        c.lifetime.ObjectCreated();
        c.lifetime.Lock();
        c.lifetime.Unlock();
        c.lifetime.ObjectDestroyed();
        EXPECT_EQ(c.releases, 0);
    }
}

TEST(ServerLifetimeTest, EndingWhileObjectsLiveNeedsConsent) {
    Counted c(TStartMode::Standalone);
    EXPECT_FALSE(c.lifetime.MustAskBeforeEnding());
    c.lifetime.ObjectCreated();
    EXPECT_TRUE(c.lifetime.MustAskBeforeEnding());
    c.lifetime.Lock();
    c.lifetime.ObjectDestroyed();
    EXPECT_FALSE(c.lifetime.MustAskBeforeEnding());
}

TEST(ServerLifetimeTest, CountsFromManyThreadsReleaseExactlyOnce) {
    Counted c(TStartMode::Automation);
    c.lifetime.ObjectCreated();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&c] {
            for (int i = 0; i < 20000; ++i) {
                c.lifetime.ObjectCreated();
                c.lifetime.ObjectDestroyed();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(c.releases, 0);
    EXPECT_EQ(c.lifetime.ObjectCount(), 1);
    c.lifetime.ObjectDestroyed();
    EXPECT_EQ(c.releases, 1);
}

} // namespace
} // namespace typ
