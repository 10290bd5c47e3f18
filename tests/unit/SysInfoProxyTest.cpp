#include "SysInfoTestSupport.h"
#include "server/Guid.h"
#include "sysinfo/ChannelEnvelope.h"
#include "sysinfo/ContractValues.h"
#include "sysinfo/SvcSysAdminProxy.h"
#include "sysinfo/SvrSysInfoProxy.h"

#include <functional>
#include <gtest/gtest.h>

namespace typ {
namespace {

using testing::Bytes;
using testing::ErrorOf;
using testing::operator+;

// A service double on the far side of the channel: it opens the envelope,
// decodes the request with the service-side reading of the message, lets the
// test read the input values and write the output values, and answers under
// another message name (which the client must accept).
class TFakeServiceChannel : public TTransportChannel {
public:
    using THandler = std::function<void(TValueReader& request, TValueWriter& response)>;

    THandler Handler = [](TValueReader&, TValueWriter&) {};
    // When set, the answer as it goes back, instead of a response.
    std::function<TBytes(TBinaryMessage& request)> RawAnswer;

    TBytes Request;
    TMessageNames Names;
    std::vector<TGuid> ClientIds;

    TBytes Dispatch(const TBytes& payload) override {
        EXPECT_EQ(TBytes(payload.begin(), payload.begin() + 7), Bytes("rorocks"));
        Request = UnwrapEnvelope(payload);
        TBinaryMessage message;
        message.Decode(Request);
        ClientIds.push_back(message.ClientId());
        Names = message.ReadNames();
        if (RawAnswer)
            return RawAnswer(message);
        TValueWriter values;
        Handler(message.Reader(), values);
        EXPECT_EQ(message.Reader().Remaining(), 0u) << "request values left unread";
        message.InitializeResponse(Names.Interface, Names.Message + "Response");
        message.Writer().WriteBytes(values.Bytes());
        return WrapEnvelope(message.Encode());
    }
};

class SysInfoProxy : public ::testing::Test {
protected:
    void ExpectCall(std::string_view interfaceName, std::string_view method) {
        EXPECT_EQ(Channel.Names.Interface, interfaceName);
        EXPECT_EQ(Channel.Names.Message, method);
        // The message's bodies are released once the call is over.
        EXPECT_TRUE(Message.Writer().Bytes().empty());
        EXPECT_EQ(Message.Reader().Remaining(), 0u);
    }

    TBinaryMessage Message;
    TFakeServiceChannel Channel;
    std::unique_ptr<ISvr_SysInfo> SysInfo = CoSvr_SysInfo::Create(Message, Channel);
    std::unique_ptr<ISvc_SysAdmin> SysAdmin = CoSvc_SysAdmin::Create(Message, Channel);
};

TEST_F(SysInfoProxy, InterfaceIdentifiers) {
    EXPECT_EQ(GuidText(ISvr_SysInfo::IID), u"{4BDDD236-588F-4BD8-946A-1D3221895E89}");
    EXPECT_EQ(GuidText(ISvc_SysAdmin::IID), u"{B3D41ABD-45FD-45A8-AABF-7B9F94760292}");
}

TEST_F(SysInfoProxy, GetClientSendsItsValuesInContractOrder) {
    Channel.Handler = [](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadAnsiString(), u"1234");
        EXPECT_EQ(in.ReadAnsiString(), u"José");
        EXPECT_EQ(in.ReadInteger(), 3);
        out.WriteAnsiString(u"SystemVersion=<S>7.1\r\nCountryCustomization=<N>2");
    };
    EXPECT_EQ(SysInfo->GetClient(u"1234", u"José", 3),
              u"SystemVersion=<S>7.1\r\nCountryCustomization=<N>2");
    ExpectCall("Svr_SysInfo", "GetClient");
    EXPECT_EQ(TBytes(Channel.Request.begin() + 5, Channel.Request.begin() + 12),
              TBytes(7, 0)); // flags, type, reserved, user data
    EXPECT_EQ(TBytes(Channel.Request.begin() + 28, Channel.Request.end()),
              Bytes({11, 0, 0, 0}) + Bytes("Svr_SysInfo") + Bytes({9, 0, 0, 0}) +
                  Bytes("GetClient") + Bytes({4, 0, 0, 0}) + Bytes("1234") +
                  Bytes({4, 0, 0, 0, 'J', 'o', 's', 0xE9, 3, 0, 0, 0}));
}

TEST_F(SysInfoProxy, ListsAndRecordsByTypeSystemOrDataOption) {
    using TGet = std::u16string (ISvr_SysInfo::*)(std::int32_t);
    for (const auto& [method, name] :
         {std::pair<TGet, std::string_view>{&ISvr_SysInfo::GetServers, "GetServers"},
          {&ISvr_SysInfo::GetClients, "GetClients"}}) {
        Channel.Handler = [](TValueReader& in, TValueWriter& out) {
            EXPECT_EQ(in.ReadInteger(), 2);
            out.WriteAnsiString(u"1234\r\n5678");
        };
        EXPECT_EQ(((*SysInfo).*method)(2), u"1234\r\n5678");
        ExpectCall("Svr_SysInfo", name);
    }
    Channel.Handler = [](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadAnsiString(), u"77");
        EXPECT_EQ(in.ReadInteger(), 1);
        out.WriteAnsiString(u"");
    };
    EXPECT_EQ(SysInfo->GetServer(u"77", 1), u"");
    ExpectCall("Svr_SysInfo", "GetServer");
}

TEST_F(SysInfoProxy, SettersSendTheirTextsAndReturnSuccess) {
    using TSet =
        bool (ISvr_SysInfo::*)(const std::u16string&, const std::u16string&, const std::u16string&);
    const std::pair<TSet, std::string_view> setters[] = {
        {&ISvr_SysInfo::SetClient, "SetClient"},
        {&ISvr_SysInfo::SetServer, "SetServer"},
        {&ISvr_SysInfo::SetClientCurrentUser, "SetClientCurrentUser"}};
    bool answer = false;
    for (const auto& [method, name] : setters) {
        answer = !answer;
        Channel.Handler = [answer](TValueReader& in, TValueWriter& out) {
            EXPECT_EQ(in.ReadAnsiString(), u"9");
            EXPECT_EQ(in.ReadAnsiString(), u"ana");
            EXPECT_EQ(in.ReadAnsiString(), u"Path=<S>C:\\Año");
            out.WriteBoolean(answer);
        };
        EXPECT_EQ(((*SysInfo).*method)(u"9", u"ana", u"Path=<S>C:\\Año"), answer);
        ExpectCall("Svr_SysInfo", name);
    }
}

TEST_F(SysInfoProxy, PlatformRecords) {
    Channel.Handler = [](TValueReader&, TValueWriter& out) { out.WriteAnsiString(u"S=1"); };
    EXPECT_EQ(SysInfo->GetPlatformServer(), u"S=1");
    ExpectCall("Svr_SysInfo", "GetPlatformServer");
    EXPECT_EQ(SysInfo->GetPlatformClient(), u"S=1");
    ExpectCall("Svr_SysInfo", "GetPlatformClient");

    Channel.Handler = [](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadAnsiString(), u"K=<B>1");
        out.WriteInteger(0x0101); // decided on the lowest byte
    };
    EXPECT_TRUE(SysInfo->SetPlatformServer(u"K=<B>1"));
    ExpectCall("Svr_SysInfo", "SetPlatformServer");
    Channel.Handler = [](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadAnsiString(), u"K=<B>1");
        out.WriteInteger(0x0100);
    };
    EXPECT_FALSE(SysInfo->SetPlatformClient(u"K=<B>1"));
    ExpectCall("Svr_SysInfo", "SetPlatformClient");
}

TEST_F(SysInfoProxy, ExecuteCarriesWideStringsBothWays) {
    Channel.Handler = [](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadWideString(), u"Backup");
        EXPECT_EQ(in.ReadWideString(), u"Folder=\u4E2D\U0001F600");
        out.WriteWideString(u"Result=<B>1");
        out.WriteWideString(u"Files=3");
    };
    std::u16string output = u"previous";
    EXPECT_EQ(SysInfo->Execute(u"Backup", u"Folder=\u4E2D\U0001F600", output), u"Result=<B>1");
    EXPECT_EQ(output, u"Files=3");
    ExpectCall("Svr_SysInfo", "Execute");
}

TEST_F(SysInfoProxy, GetServicesReadsTheListWithItsEmptyPlaces) {
    Channel.Handler = [](TValueReader&, TValueWriter& out) {
        TServiceList list;
        list.Add().Name = u"Núcleo";
        list.Items(0)->Start = true;
        list.Add(nullptr);
        list.Add().Name = u"Agenda";
        out.WriteBoolean(true);
        WriteServiceList(out, &list);
    };
    auto list = std::make_unique<TServiceList>();
    ASSERT_TRUE(SysAdmin->GetServices(list));
    ExpectCall("Svc_SysAdmin", "GetServices");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Items(0)->Name, u"Núcleo");
    EXPECT_TRUE(list->Items(0)->Start);
    EXPECT_EQ(list->Items(1), nullptr);
    EXPECT_EQ(list->Items(2)->Name, u"Agenda");
    EXPECT_FALSE(list->Items(2)->Start);

    Channel.Handler = [](TValueReader&, TValueWriter& out) {
        out.WriteBoolean(false);
        WriteServiceList(out, nullptr);
    };
    EXPECT_FALSE(SysAdmin->GetServices(list));
    EXPECT_EQ(list, nullptr);
}

TEST_F(SysInfoProxy, ServiceAdministrationWithoutValues) {
    SysAdmin->InterruptServices();
    ExpectCall("Svc_SysAdmin", "InterruptServices");
    SysAdmin->ReleaseServices();
    ExpectCall("Svc_SysAdmin", "ReleaseServices");
    Channel.Handler = [](TValueReader&, TValueWriter& out) { out.WriteBoolean(true); };
    EXPECT_TRUE(SysAdmin->ServicesInterrupted());
    ExpectCall("Svc_SysAdmin", "ServicesInterrupted");
}

TEST_F(SysInfoProxy, LongBodiesTravelCompressedBothWays) {
    const std::u16string record(6000, u'ñ');
    Channel.Handler = [&](TValueReader& in, TValueWriter& out) {
        EXPECT_EQ(in.ReadAnsiString(), u"1");
        EXPECT_EQ(in.ReadAnsiString(), u"u");
        EXPECT_EQ(in.ReadAnsiString(), record);
        out.WriteBoolean(true);
    };
    EXPECT_TRUE(SysInfo->SetClient(u"1", u"u", record));
    EXPECT_EQ(Channel.Request[5], 1);

    Channel.Handler = [&](TValueReader&, TValueWriter& out) { out.WriteAnsiString(record); };
    EXPECT_EQ(SysInfo->GetPlatformClient(), record);
}

TEST_F(SysInfoProxy, EveryCallHasItsOwnClientIdentifier) {
    SysAdmin->ReleaseServices();
    SysAdmin->ReleaseServices();
    ASSERT_EQ(Channel.ClientIds.size(), 2u);
    EXPECT_NE(GuidText(Channel.ClientIds[0]), GuidText(Channel.ClientIds[1]));
}

TEST_F(SysInfoProxy, FailuresRaiseAndStillReleaseTheMessage) {
    Channel.RawAnswer = [](TBinaryMessage& request) {
        request.InitializeException("EDatabaseError", "Sin conexión");
        return WrapEnvelope(request.Encode());
    };
    EXPECT_EQ(ErrorOf([&] { SysInfo->GetPlatformServer(); }),
              "An exception of type EDatabaseError was raised on the server: Sin conexión");
    ExpectCall("Svr_SysInfo", "GetPlatformServer");

    Channel.RawAnswer = [](TBinaryMessage&) { return Bytes("not a message at all"); };
    EXPECT_EQ(ErrorOf([&] { SysAdmin->ServicesInterrupted(); }),
              "Invalid binary header. Either incompatible or not a binary message.");

    // A response that ends before its Result.
    Channel.RawAnswer = [](TBinaryMessage& request) {
        request.InitializeResponse("Svc_SysAdmin", "ServicesInterrupted");
        return WrapEnvelope(request.Encode());
    };
    EXPECT_EQ(ErrorOf([&] { SysAdmin->ServicesInterrupted(); }), "Stream read error");
    ExpectCall("Svc_SysAdmin", "ServicesInterrupted");
}

TEST_F(SysInfoProxy, AnUnencipheredResponseIsAccepted) {
    Channel.RawAnswer = [](TBinaryMessage& request) {
        request.InitializeResponse("Svr_SysInfo", "Other");
        request.Writer().WriteAnsiString(u"plain");
        return request.Encode();
    };
    EXPECT_EQ(SysInfo->GetPlatformClient(), u"plain");
}

} // namespace
} // namespace typ
