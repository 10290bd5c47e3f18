#include "platform/ServiceState.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(ServiceStateWin32, AServiceThatDoesNotExistHasNoState) {
    std::uint8_t state = 9;
    EXPECT_FALSE(SystemServiceStateSource().GetServiceState(u"", u"TypNoSuchService7731", state));
    EXPECT_EQ(state, 0);
}

} // namespace
} // namespace typ
