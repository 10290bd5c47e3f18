#include "DoubleClient.h"
#include "SysInfoDouble.h"
#include "environment/StrUtils.h"

#include <gtest/gtest.h>

namespace typ::test {
namespace {

class DoubleContract : public ::testing::Test {
protected:
    TSysInfoDouble Double;
    TDoubleClient Client{Double.Port()};
};

TEST_F(DoubleContract, GetClientAnswersEachGroupOfTheKnownInstallation) {
    const std::u16string basic = Client.SysInfo->GetClient(u"81234", u"ana", 0);
    EXPECT_NE(basic.find(u"SystemVersion=2024.1.5\r\n"), std::u16string::npos);
    EXPECT_NE(basic.find(u"CountryCustomization=ES\r\n"), std::u16string::npos);
    EXPECT_NE(basic.find(u"AdminExist=True<B>"), std::u16string::npos);
    EXPECT_EQ(Client.SysInfo->GetClient(u"81234", u"ana", 4), dbl::kSeedClient[4]);
    EXPECT_EQ(Double.Store().LastUserName(), u"ana");
    EXPECT_EQ(Double.Calls("GetClient"), 2);
}

TEST_F(DoubleContract, InstallationNumbersIgnoreLetterCase) {
    Double.Store().PutClient(u"ab12", 0, u"SystemVersion=1");
    EXPECT_EQ(Client.SysInfo->GetClient(u"AB12", u"ana", 0), u"SystemVersion=1");
}

TEST_F(DoubleContract, UnknownInstallationOrOptionAnswersAnException) {
    EXPECT_EQ(FailureOf([&] { Client.SysInfo->GetClient(u"404", u"ana", 0); }),
              "An exception of type EVnSysInfoError was raised on the server: No existe la "
              "instalación \"404\"");
    EXPECT_THROW(Client.SysInfo->GetServer(u"404", 0), ERemoteError);
    EXPECT_EQ(FailureOf([&] { Client.SysInfo->GetServer(u"81234", 3); }),
              "An exception of type EVnSysInfoError was raised on the server: Opción de datos "
              "no válida: 3");
    EXPECT_EQ(Double.Calls("GetServer"), 2);
}

TEST_F(DoubleContract, SetMethodsMergeTheirLinesAndAnswerTrue) {
    EXPECT_TRUE(
        Client.SysInfo->SetClient(u"81234", u"ana", u"SystemVersion=2025.0\r\nNueva=ñu<S>\r\n"));
    const std::u16string basic = Client.SysInfo->GetClient(u"81234", u"ana", 0);
    EXPECT_NE(basic.find(u"SystemVersion=2025.0\r\n"), std::u16string::npos);
    EXPECT_EQ(basic.find(u"2024.1.5"), std::u16string::npos);
    EXPECT_NE(basic.find(u"\r\nNueva=ñu<S>"), std::u16string::npos);

    // A key another group holds changes there; new current-user keys go to
    // the current user's group.
    EXPECT_TRUE(
        Client.SysInfo->SetClientCurrentUser(u"81234", u"ana", u"Export1=CSV<S>\r\nCUTheme=1<N>"));
    EXPECT_NE(Client.SysInfo->GetClient(u"81234", u"ana", 4).find(u"Export1=CSV<S>"),
              std::u16string::npos);
    EXPECT_NE(Client.SysInfo->GetClient(u"81234", u"ana", 3).find(u"CUTheme=1<N>"),
              std::u16string::npos);

    EXPECT_TRUE(Client.SysInfo->SetServer(u"777", u"ana", u"Port=9200<N>"));
    EXPECT_EQ(Client.SysInfo->GetServer(u"777", 0), u"Port=9200<N>");
}

TEST_F(DoubleContract, ListsInstallationsByProductLine) {
    EXPECT_EQ(Client.SysInfo->GetClients(0), u"81234=2024.1.5");
    EXPECT_EQ(Client.SysInfo->GetServers(1), u"95678=11.2");
    EXPECT_EQ(Client.SysInfo->GetClients(2), u"81234=2024.1.5\r\n95678=11.2");
}

TEST_F(DoubleContract, ExecuteEchoesItsInput) {
    std::u16string output;
    const std::u16string result = Client.SysInfo->Execute(u"Copia", u"α=1", output);
    EXPECT_EQ(output, u"ECO:α=1");
    EXPECT_EQ(
        result,
        u"ProcessLogicalName=Copia\r\nInputParams=α=1\r\nOutPutParams=ECO:α=1\r\nResult=True");
}

TEST_F(DoubleContract, PlatformRecordsAreReadAndMerged) {
    const std::u16string seeded(dbl::kSeedPlatformServer);
    EXPECT_EQ(Client.SysInfo->GetPlatformServer(), seeded);
    EXPECT_TRUE(Client.SysInfo->SetPlatformServer(u"PlatformPort=9101<N>"));
    EXPECT_EQ(Client.SysInfo->GetPlatformServer(),
              ReplaceAll(seeded, u"PlatformPort=9100<N>", u"PlatformPort=9101<N>"));
    EXPECT_TRUE(Client.SysInfo->SetPlatformClient(u"Extra=x<S>"));
    EXPECT_NE(Client.SysInfo->GetPlatformClient().find(u"\r\nExtra=x<S>"), std::u16string::npos);
}

TEST_F(DoubleContract, SysAdminListsServicesAndKeepsTheInterruptedFlag) {
    std::unique_ptr<TServiceList> list;
    EXPECT_TRUE(Client.SysAdmin->GetServices(list));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Items(0)->Name, u"VnSysInfoService");
    EXPECT_TRUE(list->Items(0)->Start);
    EXPECT_FALSE(list->Items(1)->Start);

    EXPECT_FALSE(Client.SysAdmin->ServicesInterrupted());
    Client.SysAdmin->InterruptServices();
    EXPECT_TRUE(Client.SysAdmin->ServicesInterrupted());
    Client.SysAdmin->ReleaseServices();
    EXPECT_FALSE(Client.SysAdmin->ServicesInterrupted());
    EXPECT_EQ(Double.Calls("ServicesInterrupted"), 3);
    EXPECT_EQ(Double.TotalCalls(), 6);
}

TEST(DoubleLifetime, StopsListeningWhenStoppedAndCanTakeAChosenPort) {
    std::uint16_t port = 0;
    {
        TSysInfoDouble first;
        port = first.Port();
        first.Stop();
        TDoubleClient client(port);
        EXPECT_THROW(client.SysInfo->GetPlatformClient(), ERemoteError);
    }
    TSysInfoDouble again(port);
    EXPECT_EQ(again.Port(), port);
    TDoubleClient client(port);
    EXPECT_FALSE(client.SysInfo->GetPlatformClient().empty());
    EXPECT_THROW(TSysInfoDouble taken(port), ETcpError);
}

} // namespace
} // namespace typ::test
