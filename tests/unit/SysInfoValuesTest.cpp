#include "SysInfoTestSupport.h"
#include "sysinfo/ClassRegistry.h"
#include "sysinfo/ContractClasses.h"
#include "sysinfo/ContractValues.h"
#include "sysinfo/ValueReader.h"
#include "sysinfo/ValueWriter.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace typ {
namespace {

using testing::Bytes;
using testing::ErrorOf;
using testing::operator+;

template <typename F> TBytes Written(F&& write) {
    TValueWriter writer;
    write(writer);
    return writer.Bytes();
}

TEST(SysInfoValues, ScalarsAndStringsByteForByte) {
    EXPECT_EQ(Written([](auto& w) { w.WriteAnsiString(u""); }), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(Written([](auto& w) { w.WriteAnsiString(u"Año €"); }),
              Bytes({5, 0, 0, 0, 'A', 0xF1, 'o', ' ', 0x80}));
    EXPECT_EQ(Written([](auto& w) { w.WriteWideString(u"a\u00F1\u20AC"); }),
              Bytes({3, 0, 0, 0, 'a', 0, 0xF1, 0, 0xAC, 0x20}));
    EXPECT_EQ(Written([](auto& w) { w.WriteUtf8("Svr_SysInfo"); }),
              Bytes({11, 0, 0, 0}) + Bytes("Svr_SysInfo"));
    EXPECT_EQ(Written([](auto& w) { w.WriteInteger(-2); }), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Written([](auto& w) { w.WriteInteger(0x01020304); }), Bytes({4, 3, 2, 1}));
    EXPECT_EQ(Written([](auto& w) { w.WriteBoolean(true); }), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(Written([](auto& w) { w.WriteBoolean(false); }), Bytes({0, 0, 0, 0}));
}

// A text too long for its count cannot exist in a 32-bit process.
#if SIZE_MAX > 0xFFFFFFFFu
TEST(SysInfoValues, TextsTooLongForTheirCountAreRefusedBeforeAnythingIsWritten) {
    // Zeroed memory from calloc is not touched until read, so the 2 GiB cost
    // nothing unless the writer copies them.
    constexpr std::size_t kTooLong = std::size_t{1} << 31;
    const std::unique_ptr<char, decltype(&std::free)> huge(
        static_cast<char*>(std::calloc(kTooLong, 1)), &std::free);
    ASSERT_NE(huge, nullptr);
    TValueWriter writer;
    writer.WriteInteger(7);
    EXPECT_EQ(ErrorOf([&] { writer.WriteUtf8(std::string_view(huge.get(), kTooLong)); }),
              "Stream write error");
    EXPECT_EQ(writer.Bytes(), Bytes({7, 0, 0, 0})) << "no truncated count, no bytes";
}
#endif

TEST(SysInfoValues, ReaderDecodesWhatTheWriterWrote) {
    TValueReader reader(Written([](auto& w) {
        w.WriteAnsiString(u"Año € \u0081");
        w.WriteWideString(u"\U0001F600\u00E9");
        w.WriteInteger(-2147483647 - 1);
        w.WriteUtf8("\xC3\xB1");
        w.WriteBoolean(true);
    }));
    EXPECT_EQ(reader.ReadAnsiString(), u"Año € \u0081");
    EXPECT_EQ(reader.ReadWideString(), u"\U0001F600\u00E9");
    EXPECT_EQ(reader.ReadInteger(), -2147483647 - 1);
    EXPECT_EQ(reader.ReadName(), "\xC3\xB1");
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(SysInfoValues, BooleanIsDecidedOnTheLowestByte) {
    TValueReader reader(Bytes({1, 1, 0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
}

TEST(SysInfoValues, StringCountsBeyondTheirLimitsOrTheBytesLeftAreRefused) {
    auto errorOf = [](const TBytes& bytes, auto read) {
        return ErrorOf([&] {
            TValueReader reader(bytes);
            read(reader);
        });
    };
    const auto ansi = [](TValueReader& r) { r.ReadAnsiString(); };
    const auto wide = [](TValueReader& r) { r.ReadWideString(); };
    const auto name = [](TValueReader& r) { r.ReadName(); };
    EXPECT_EQ(errorOf(Bytes({3, 0, 0, 0, 'a', 'b'}), ansi),
              "Stream read error: Invalid string length \"3\"");
    EXPECT_EQ(errorOf(Bytes({2, 0, 0, 0, 'a', 0, 'b'}), wide),
              "Stream read error: Invalid string length \"2\"");
    EXPECT_EQ(errorOf(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), ansi),
              "Stream read error: Invalid string length \"-1\"");
    EXPECT_EQ(errorOf(Bytes({0, 0, 0, 0x80}), wide),
              "Stream read error: Invalid string length \"-2147483648\"");
    EXPECT_EQ(errorOf(Bytes({0xFF, 0xFF, 0xFF, 0x7F}), name),
              "Stream read error: Invalid string length \"2147483647\"");

    const TBytes longName = Written([](auto& w) { w.WriteUtf8(std::string(257, 'n')); });
    EXPECT_EQ(errorOf(longName, name), "Stream read error: Invalid string length \"257\"");
    TValueReader atLimit(Written([](auto& w) { w.WriteUtf8(std::string(256, 'n')); }));
    EXPECT_EQ(atLimit.ReadName().size(), 256u);

    const auto message = [](TValueReader& r) { r.ReadUtf8(kExceptionMessageLimit); };
    const TBytes longMessage = Written([](auto& w) { w.WriteUtf8(std::string(65537, 'm')); });
    EXPECT_EQ(errorOf(longMessage, message), "Stream read error: Invalid string length \"65537\"");
    TValueReader maxMessage(Written([](auto& w) { w.WriteUtf8(std::string(65536, 'm')); }));
    EXPECT_EQ(maxMessage.ReadUtf8(kExceptionMessageLimit).size(), 65536u);
}

TEST(SysInfoValues, FixedSizeValuesShortOfBytesAreAStreamReadError) {
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({1, 0, 0})).ReadInteger(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({1})).ReadBoolean(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { TValueReader().ReadByte(); }), "Stream read error");
    EXPECT_EQ(ErrorOf([] { TValueReader(Bytes({0, 0})).ReadAnsiString(); }), "Stream read error");
}

const TBytes kServiceName = Bytes({7, 0, 0, 0}) + Bytes("Service");

TEST(SysInfoValues, ServiceTravelsAsAStructureWithItsClassName) {
    TService service;
    service.Name = u"Señal";
    service.Start = true;
    const TBytes expected = Bytes({1}) + kServiceName + Bytes({5, 0, 0, 0}) +
                            Bytes({'S', 'e', 0xF1, 'a', 'l'}) + Bytes({1, 0, 0, 0});
    EXPECT_EQ(Written([&](auto& w) { WriteService(w, &service); }), expected);
    EXPECT_EQ(Written([](auto& w) { WriteService(w, nullptr); }), Bytes({0}));

    TValueReader reader(expected + Bytes({0}));
    const auto read = ReadService(reader);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Name, u"Señal");
    EXPECT_TRUE(read->Start);
    EXPECT_EQ(ReadService(reader), nullptr);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(SysInfoValues, StructureOfAnUnknownOrUnrelatedClassIsRefused) {
    const TBytes unknown = Bytes({1, 4, 0, 0, 0}) + Bytes("Plan") + Bytes({0, 0, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(ErrorOf([&] {
                  TValueReader reader(unknown);
                  ReadService(reader);
              }),
              "Unknown class \"Plan\" found in stream.");
    const TBytes unrelated = Bytes({1, 11, 0, 0, 0}) + Bytes("ServiceList") + Bytes({0, 0, 0, 0});
    EXPECT_EQ(ErrorOf([&] {
                  TValueReader reader(unrelated);
                  ReadService(reader);
              }),
              "Unexpected class found in stream; class \"ServiceList\" does not descend from "
              "\"Service\".");
    // A class name from the peer that is not UTF-8 still gives a well-formed text.
    const TBytes garbled = Bytes({1, 2, 0, 0, 0, 'X', 0xFF});
    EXPECT_EQ(ErrorOf([&] {
                  TValueReader reader(garbled);
                  ReadService(reader);
              }),
              "Unknown class \"X\xEF\xBF\xBD\" found in stream.");
}

TEST(SysInfoValues, RegistryCreatesDerivedClassesByName) {
    EXPECT_TRUE(ContractClasses().DescendsFrom("Service", "Service"));
    EXPECT_FALSE(ContractClasses().DescendsFrom("ServiceList", "Service"));
    EXPECT_NE(ContractClasses().Create("ServiceList", "ServiceList"), nullptr);

    TClassRegistry registry;
    registry.Register("Base", "", [] { return std::make_unique<TService>(); });
    registry.Register("Middle", "Base", [] { return std::make_unique<TService>(); });
    registry.Register("Leaf", "Middle", [] { return std::make_unique<TServiceList>(); });
    EXPECT_TRUE(registry.DescendsFrom("Leaf", "Base"));
    EXPECT_FALSE(registry.DescendsFrom("Base", "Leaf"));
    EXPECT_EQ(registry.Create("Leaf", "Base")->ClassName(), "ServiceList");
    EXPECT_THROW(registry.Create("Middle", "Leaf"), ERemoteError);
}

TEST(SysInfoValues, ServiceListTravelsAsAnArrayOfStructures) {
    TServiceList list;
    list.Add().Name = u"A";
    list.Add(nullptr);
    const TBytes expected = Bytes({1, 2, 0, 0, 0, 1}) + kServiceName +
                            Bytes({1, 0, 0, 0, 'A', 0, 0, 0, 0}) + Bytes({0});
    EXPECT_EQ(Written([&](auto& w) { WriteServiceList(w, &list); }), expected);
    EXPECT_EQ(Written([](auto& w) { WriteServiceList(w, nullptr); }), Bytes({0}));

    TValueReader reader(expected);
    const auto read = ReadServiceList(reader);
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Count(), 2);
    EXPECT_EQ(read->Items(0)->Name, u"A");
    EXPECT_EQ(read->Items(1), nullptr);
    TValueReader absent(Bytes({0}));
    EXPECT_EQ(ReadServiceList(absent), nullptr);
}

TEST(SysInfoValues, ArrayCountsBeyondTheBytesLeftFailBeforeAllocating) {
    // 2^31 and 2^31-1 elements claimed by a message of a few bytes.
    for (const TBytes& count : {Bytes({0, 0, 0, 0x80}), Bytes({0xFF, 0xFF, 0xFF, 0x7F})}) {
        TValueReader reader(Bytes({1}) + count + TBytes(15, 0));
        EXPECT_EQ(ErrorOf([&] { ReadServiceList(reader); }), "Stream read error");
    }
    TValueReader truncated(Bytes({1, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ErrorOf([&] { ReadServiceList(truncated); }), "Stream read error");
}

} // namespace
} // namespace typ
