#include "SysInfoTestSupport.h"
#include "sysinfo/BinaryMessage.h"
#include "sysinfo/Compression.h"
#include "sysinfo/MessageHeader.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using testing::Bytes;
using testing::ErrorOf;
using testing::operator+;

constexpr TGuid kClientId{0x04030201, 0x0605, 0x0807, {9, 10, 11, 12, 13, 14, 15, 16}};

TBytes Body(std::size_t size) {
    TBytes body(size);
    for (std::size_t i = 0; i < size; ++i)
        body[i] = static_cast<std::uint8_t>(i % 251);
    return body;
}

TBytes Header(int flags, int type) {
    return Bytes("RO107") + Bytes({flags, type, 0, 0, 0, 0, 0}) +
           Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
}

bool SameGuid(const TGuid& a, const TGuid& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 && a.Data4 == b.Data4;
}

TEST(SysInfoMessage, HeaderCarriesSignatureTypeAndClientIdentifierInMemoryLayout) {
    const TBytes body = Bytes({0xAA, 0xBB});
    EXPECT_EQ(BuildBinaryMessage(TMessageType::Message, kClientId, body), Header(0, 0) + body);
    EXPECT_EQ(BuildBinaryMessage(TMessageType::Exception, kClientId, {}), Header(0, 1));

    const TBinaryParts parts = ParseBinaryMessage(Header(0, 2) + body);
    EXPECT_EQ(parts.Type, TMessageType::Event);
    EXPECT_TRUE(SameGuid(parts.ClientId, kClientId));
    EXPECT_EQ(parts.Body, body);
}

TEST(SysInfoMessage, BodiesFrom4096BytesOnAreCompressed) {
    const TBytes below = BuildBinaryMessage(TMessageType::Message, kClientId, Body(4095));
    EXPECT_EQ(below[5], 0);
    EXPECT_EQ(below, Header(0, 0) + Body(4095));

    const TBytes at = BuildBinaryMessage(TMessageType::Message, kClientId, Body(4096));
    EXPECT_EQ(at[5], 1);
    EXPECT_EQ(TBytes(at.begin() + 28, at.end()), Compress(Body(4096)));
    EXPECT_EQ(ParseBinaryMessage(at).Body, Body(4096));
}

TEST(SysInfoMessage, ABodyInflatingBeyondSixteenMiBIsRefused) {
    const TBytes atLimit(16u << 20, 0x5A);
    EXPECT_EQ(ParseBinaryMessage(Header(1, 0) + Compress(atLimit)).Body, atLimit);
    const TBytes beyond = Header(1, 0) + Compress(TBytes((16u << 20) + 1, 0x5A));
    EXPECT_EQ(ErrorOf([&] { ParseBinaryMessage(beyond); }),
              "Response refused, answer too large (over 16777216 bytes)");
}

TEST(SysInfoMessage, ACompressedFlagInflatesEvenAShortBody) {
    const TBytes message = Header(1, 0) + Compress(Bytes({1, 2, 3}));
    EXPECT_EQ(ParseBinaryMessage(message).Body, Bytes({1, 2, 3}));
    const TBytes damaged = Header(1, 0) + Bytes({1, 2, 3});
    EXPECT_EQ(ErrorOf([&] { ParseBinaryMessage(damaged); }).rfind("zlib error: ", 0), 0u);
}

TEST(SysInfoMessage, WrongSignaturesAndShortHeadersAreRefused) {
    const std::string notBinary =
        "Invalid binary header. Either incompatible or not a binary message.";
    EXPECT_EQ(ErrorOf([] { ParseBinaryMessage(Bytes("RO108") + TBytes(23, 0)); }), notBinary);
    EXPECT_EQ(ErrorOf([] { ParseBinaryMessage(Bytes("RO1")); }), notBinary);
    EXPECT_EQ(ErrorOf([] { ParseBinaryMessage({}); }), notBinary);
    EXPECT_EQ(ErrorOf([] { ParseBinaryMessage(Bytes("rorocks") + TBytes(30, 0)); }),
              "Invalid binary header. It seems that encryption is active on the other side of "
              "the communication, but not locally?");
    TBytes shortHeader = Header(0, 0);
    shortHeader.pop_back();
    EXPECT_EQ(ErrorOf([&] { ParseBinaryMessage(shortHeader); }), "Stream read error");
}

TEST(SysInfoMessage, EveryRequestGetsAFreshRandomClientIdentifier) {
    TBinaryMessage message;
    message.InitializeRequest("Svr_SysInfo", "GetClient");
    const TGuid first = message.ClientId();
    message.InitializeRequest("Svr_SysInfo", "GetClient");
    EXPECT_FALSE(SameGuid(first, message.ClientId()));
    EXPECT_EQ(message.ClientId().Data3 >> 12, 4);
    EXPECT_EQ(message.ClientId().Data4[0] & 0xC0, 0x80);

    const TBytes encoded = message.Encode();
    EXPECT_TRUE(SameGuid(ParseBinaryMessage(encoded).ClientId, message.ClientId()));
    EXPECT_EQ(TBytes(encoded.begin() + 28, encoded.end()),
              Bytes({11, 0, 0, 0}) + Bytes("Svr_SysInfo") + Bytes({9, 0, 0, 0}) +
                  Bytes("GetClient"));
}

TEST(SysInfoMessage, ResponseKeepsTheRequestsClientIdentifierAndNames) {
    TBinaryMessage service;
    service.Decode(Header(0, 0) + Bytes({3, 0, 0, 0}) + Bytes("Svc") + Bytes({2, 0, 0, 0}) +
                   Bytes("Go") + Bytes({7, 0, 0, 0}));
    EXPECT_TRUE(SameGuid(service.ClientId(), kClientId));
    const TMessageNames names = service.ReadNames();
    EXPECT_EQ(names.Interface, "Svc");
    EXPECT_EQ(names.Message, "Go");
    EXPECT_EQ(service.Reader().ReadInteger(), 7);

    service.InitializeResponse(names.Interface, "GoResponse");
    service.Writer().WriteBoolean(true);
    TBinaryMessage client;
    client.Decode(service.Encode());
    EXPECT_TRUE(SameGuid(client.ClientId(), kClientId));
    client.ReadResponseStart();
    EXPECT_TRUE(client.Reader().ReadBoolean());
}

std::string ExceptionText(std::string_view className, std::string_view text) {
    TBinaryMessage service;
    service.InitializeException(className, text);
    TBinaryMessage client;
    client.Decode(service.Encode());
    EXPECT_EQ(client.Type(), TMessageType::Exception);
    return ErrorOf([&] { client.ReadResponseStart(); });
}

TEST(SysInfoMessage, ExceptionResponsesRaiseTheServersMessage) {
    EXPECT_EQ(ExceptionText("ERemoteError", "Stream read error"),
              "An exception was raised on the server: Stream read error");
    EXPECT_EQ(ExceptionText("EAccessViolation", "Acceso denegado"),
              "An exception of type EAccessViolation was raised on the server: Acceso denegado");
    EXPECT_EQ(ExceptionText("E", std::string(65536, 'x')),
              "An exception of type E was raised on the server: " + std::string(65536, 'x'));
    EXPECT_EQ(ExceptionText("E", std::string(65537, 'x')),
              "Stream read error: Invalid string length \"65537\"");
    EXPECT_EQ(ExceptionText(std::string(257, 'E'), "x"),
              "Stream read error: Invalid string length \"257\"");
}

} // namespace
} // namespace typ
