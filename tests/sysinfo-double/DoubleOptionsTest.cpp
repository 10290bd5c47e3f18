#include "DoubleOptions.h"

#include <gtest/gtest.h>

namespace typ::dbl {
namespace {

TEST(DoubleOptions, ServingOptionsSurviveTheServiceCommandLine) {
    const TDoubleOptions options =
        ParseDoubleOptions({"--port", "19097", "--delay", "250", "--start-delay", "4000",
                            "--garbage", "--install", "--journal", "llamadas.txt"});
    EXPECT_EQ(options.Port, 19097);
    EXPECT_EQ(options.Delay.count(), 250);
    EXPECT_EQ(options.StartDelay.count(), 4000);
    EXPECT_EQ(options.Misbehaviour, TDoubleMisbehaviour::Garbage);
    EXPECT_TRUE(options.Install);

    const std::vector<std::string> serving = ServingArguments(options);
    EXPECT_EQ(serving,
              (std::vector<std::string>{"--port", "19097", "--delay", "250", "--start-delay",
                                        "4000", "--journal", "llamadas.txt", "--garbage"}));
    const TDoubleOptions again = ParseDoubleOptions(serving);
    EXPECT_EQ(again.Port, 19097);
    EXPECT_EQ(again.Delay, options.Delay);
    EXPECT_EQ(again.StartDelay, options.StartDelay);
    EXPECT_EQ(again.Misbehaviour, TDoubleMisbehaviour::Garbage);
    EXPECT_EQ(again.Journal, "llamadas.txt");
    EXPECT_FALSE(again.Install);
}

TEST(DoubleOptions, DefaultsToTheServicePortAndRefusesWhatItCannotFollow) {
    EXPECT_EQ(ParseDoubleOptions({}).Port, 9097);
    EXPECT_THROW(ParseDoubleOptions({"--port"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--port", "65536"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--delay", "-1"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--start-delay", "86400001"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--port", "90x"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--loud"}), EDoubleUsage);
    EXPECT_THROW(ParseDoubleOptions({"--install", "--uninstall"}), EDoubleUsage);
}

} // namespace
} // namespace typ::dbl
