#include "platform/UserSessionFacts.h"

#include "charconv/UnicodeBytes.h"
#include "environment/FilePath.h"
#include "platform/Environment.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace typ {
namespace {

// The system's own facts agree with each other about this very process.
TEST(UserSessionFacts, TheSystemKnowsThisProcessItsOwnerAndSession) {
    const TUserSessionFacts& facts = SystemUserSessionFacts();
    const std::u16string user = facts.SamCompatibleUserName();
    const std::size_t backslash = user.find(u'\\');
    ASSERT_NE(backslash, std::u16string::npos) << EncodeUtf8(user);
    EXPECT_LT(backslash + 1, user.size());

    const std::uint32_t self = facts.CurrentProcessId();
    const auto account = facts.ProcessAccount(self);
    ASSERT_TRUE(account.has_value());
    EXPECT_EQ(account->Domain + u"\\" + account->User, user);
    EXPECT_TRUE(facts.ProcessSessionId(self).has_value());
    EXPECT_FALSE(facts.ProcessAccount(0xFFFFFFF0u).has_value());

    // Kernels may shorten the name they report; it still starts the file's name.
    const std::u16string program = ExtractFileName(Environment().ProgramPath());
    for (const TSnapshotScope scope : {TSnapshotScope::Processes, TSnapshotScope::Everything}) {
        const auto processes = facts.Processes(scope);
        const auto own =
            std::find_if(processes.begin(), processes.end(),
                         [self](const TProcessEntry& p) { return p.ProcessId == self; });
        ASSERT_NE(own, processes.end());
        EXPECT_FALSE(own->ExeFile.empty());
        EXPECT_TRUE(program.starts_with(own->ExeFile)) << EncodeUtf8(own->ExeFile);
    }
}

} // namespace
} // namespace typ
