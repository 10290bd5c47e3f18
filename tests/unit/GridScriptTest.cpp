#include "GridScript.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

namespace typ::test {
namespace {

// Seeded scripts of some dozens of actions each; a failing seed is reported
// with the actions of its script.
TEST(GridScriptTest, KeyCyclesAndCommandsKeepTheGridInShape) {
    for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> script(80 + random() % 160);
        for (std::uint8_t& byte : script)
            byte = static_cast<std::uint8_t>(random());
        const std::string failure = RunGridScript(script);
        if (!failure.empty()) {
            std::ostringstream trace;
            RunGridScript(script, &trace);
            FAIL() << "seed " << seed << ": " << failure << '\n' << trace.str();
        }
    }
}

} // namespace
} // namespace typ::test
