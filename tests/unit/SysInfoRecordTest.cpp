#include "charconv/UnicodeBytes.h"
#include "environment/Conversion.h"
#include "sysinfo/CommaText.h"
#include "sysinfo/SysClient.h"
#include "sysinfo/SysInfo.h"
#include "sysinfo/SysInfoLists.h"
#include "sysinfo/SysServer.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace typ {
namespace {

using namespace std::string_literals;

std::string Utf8Error(const std::function<void()>& read) {
    try {
        read();
    } catch (const EConvertError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(SysInfoRecord, TypedReadsRemoveEveryTagAndKeepTheirDefaults) {
    const TSysInfo record(u"SystemVersion=21.10.000\r\nTagged=21.10.000<S>\r\nInside=a<S>b<S>\r\n"
                          u"Flag=1<B>\r\nEmpty=\r\nTagOnly=<N>\r\nYes=yes<B>\r\n"
                          u"Bin=41G2<Y>\r\nOdd=414<Y>\r\nUrl=a=b=c");
    EXPECT_EQ(record.ReadString(u"SystemVersion"), u"21.10.000");
    EXPECT_EQ(record.ReadString(u"tagged"), u"21.10.000");
    EXPECT_EQ(record.ReadString(u"Inside"), u"ab");
    EXPECT_EQ(record.ReadString(u"Url"), u"a=b=c") << "the first = separates";
    EXPECT_TRUE(record.ReadBool(u"Flag", false));
    EXPECT_EQ(record.ReadInteger(u"Missing", 7), 7);
    EXPECT_EQ(record.ReadInteger(u"Empty", 7), 7);
    EXPECT_EQ(record.ReadBinary(u"Bin", u"-"), u"A\0"s);
    EXPECT_EQ(record.ReadBinary(u"Odd", u"-"), u"A");
    EXPECT_EQ(record.ReadBinary(u"Missing", u"-"), u"-");
    EXPECT_EQ(Utf8Error([&] { record.ReadInteger(u"TagOnly", 0); }),
              "'' is not a valid integer value");
    EXPECT_EQ(Utf8Error([&] { record.ReadBool(u"Yes", false); }),
              "'yes' is not a valid boolean value");
}

TEST(SysInfoRecord, BooleansAreTrueFalseInAnyCaseOrANumber) {
    const std::map<std::u16string, bool> readings{{u"TRUE", true}, {u"false", false},
                                                  {u"0", false},   {u"-3", true},
                                                  {u"0.0", false}, {u"2.5", true}};
    for (const auto& [text, expected] : readings)
        EXPECT_EQ(ConvertToBoolean(text), expected) << EncodeUtf8(text);
    for (const std::u16string text : {u"", u"Si", u"1x", u"-", u"."})
        EXPECT_THROW(ConvertToBoolean(text), EConvertError) << EncodeUtf8(text);
    EXPECT_THROW(ConvertToInteger(u"2147483648"), EConvertError);
    EXPECT_EQ(ConvertToInteger(u"-2147483648"), -2147483647 - 1);
}

TEST(SysInfoRecord, TypedWritesStoreTheTaggedValueAndListEachChange) {
    TSysInfo record(u"port=1<N>");
    record.WriteInteger(u"Port", -5);
    record.WriteBool(u"Flag", true);
    record.WriteString(u"Name", u"C:\\Datos");
    record.WriteBinary(u"Bin", u"AB\u20ac");
    record.WriteInteger(u"Port", 9097);
    EXPECT_EQ(record.GetRawValue(u"PORT"), u"9097<N>");
    EXPECT_EQ(record.ReadBinary(u"Bin", u""), u"AB\u20ac");
    EXPECT_EQ(record.Text(), u"Port=9097<N>\r\nFlag=True<B>\r\nName=C:\\Datos<S>\r\n"
                             u"Bin=414280<Y>\r\n");
    EXPECT_EQ(record.ModifiedValues(), u"Port=-5<N>\r\nFlag=True<B>\r\nName=C:\\Datos<S>\r\n"
                                       u"Bin=414280<Y>\r\nPort=9097<N>\r\n");
}

TEST(SysInfoRecord, OddTextsGiveTheirDocumentedLines) {
    TSysInfo record(u"A=1\rB=2\nNoSeparator\r\nA=dup\r\nC=x\0y\r\n=v"s);
    EXPECT_EQ(record.GetRawValue(u"a"), u"1") << "the first of duplicate keys wins";
    EXPECT_EQ(record.GetRawValue(u"B"), u"2") << "a lone CR or LF ends a line";
    EXPECT_EQ(record.GetRawValue(u"NoSeparator"), u"");
    EXPECT_EQ(record.GetRawValue(u"C"), u"x\0y"s);
    EXPECT_EQ(record.GetRawValue(u""), u"v");
    record.SetRawValue(u"a", u"");
    EXPECT_EQ(record.GetRawValue(u"A"), u"dup") << "removing a line uncovers the next";

    const std::u16string huge(10'000'000, u'7');
    TSysInfo big(u"Big=" + huge + u"<N>");
    EXPECT_THROW(big.ReadInteger(u"Big", 0), EConvertError);
    EXPECT_EQ(big.ReadString(u"Big").size(), huge.size() + 3);
}

TEST(SysInfoRecord, MergeReplacesKnownKeysAndAppendsTheRest) {
    EXPECT_EQ(TSysInfo::MergeValues(u"A=1\r\nB=2", u"b=3\r\nC=4\r\nLoose"),
              u"A=1\r\nB=3\r\nC=4\r\nLoose\r\n");
    const TSysInfo failed(u"SysInfoException=Fallo");
    EXPECT_TRUE(failed.HasException());
    EXPECT_EQ(failed.ExceptionText(), u"Fallo");
    EXPECT_FALSE(TSysInfo(u"SysInfoException=").HasException());
}

TEST(SysInfoRecord, ListsLookForTheExceptionAnywhere) {
    const TSysClients mentions(u"81234=Nota: SysInfoException\r\n95678=11.2");
    EXPECT_TRUE(mentions.ThereIsException());
    EXPECT_EQ(mentions.ExceptionText(), u"");
    EXPECT_EQ(mentions.Clients().size(), 2u);
    EXPECT_EQ(TSysServers(u"SysInfoException=Caido").ExceptionText(), u"Caido");
}

TEST(SysInfoRecord, CommaListsSplitAtCommasAndBlanksAndQuotesGroup) {
    EXPECT_EQ(SplitCommaText(u" a, b c,\"d e\",\"f\"\"g\",\r\nh,"),
              (std::vector<std::u16string>{u"a", u"b", u"c", u"d e", u"f\"g", u"h", u""}));
    EXPECT_EQ(SplitCommaText(u"\"unclosed"), std::vector<std::u16string>{u"unclosed"});
    EXPECT_EQ(SplitCommaText(u"a,b\0,c"s), (std::vector<std::u16string>{u"a", u"b"}));
    const std::vector<std::u16string> items{u"COM_Classname=X", u"Name=Mi informe", u"", u"q\""};
    EXPECT_EQ(SplitCommaText(JoinCommaText(items)), items);
}

TEST(SysInfoRecord, SpecialKindsReadAndWriteByTheirOwnRules) {
    EXPECT_EQ(TSysClient(u"DirComunes=<S>\r\nComunes=C:\\B<S>", 0).CommonDir(), u"C:\\B");
    EXPECT_EQ(TSysClient(u"DirComunes=C:\\A\r\nComunes=C:\\B", 0).CommonDir(), u"C:\\A");
    const std::map<std::u16string, bool> flags{{u"S", true},     {u"True<S>", true}, {u"s", false},
                                               {u"true", false}, {u"Si", false},     {u"", false}};
    for (const auto& [value, expected] : flags)
        EXPECT_EQ(TSysServer(u"COMP_USUARIOINTERACTIVO=" + value, 0).CompUserInteract(), expected)
            << EncodeUtf8(value);
    EXPECT_TRUE(TSysServer(u"telvaBackupEnable=1<N>", 0).TelvaBackupEnable());
    EXPECT_FALSE(TSysServer(u"telvaBackupEnable=2<N>", 0).TelvaBackupEnable());
    EXPECT_TRUE(TSysServer(u"PlataformaServer=ORVIK<S>", 0).IsOrvik());
    EXPECT_FALSE(TSysServer(u"PlataformaServer=Orvik", 0).IsOrvik());

    TSysServerW server(u"HlNumber=1", 0);
    server.SetCompUserInteract(true);
    server.SetMonoUser(false);
    server.SetTelvaBackupInitialized(true);
    server.SetConnectionStream(u"AB");
    EXPECT_EQ(server.ModifiedValues(),
              u"COMP_USUARIOINTERACTIVO=S<S>\r\nMonoUsuario=N<S>\r\n"
              u"TelvaBackupInicializado=1<N>\r\nConnectionStream=4142<Y>\r\n");
    EXPECT_TRUE(server.CompUserInteract());
    EXPECT_EQ(server.ConnectionStream(), u"AB");
}

// Counts the groups asked for and answers each from a table.
struct TCountingHandler {
    std::map<int, std::u16string> Groups;
    std::map<int, int> Asked;
    TOnDemandData Handler() {
        return [this](const std::u16string& number, int option) {
            EXPECT_EQ(number, u"81234");
            ++Asked[option];
            return Groups[option];
        };
    }
};

TEST(SysInfoRecord, ViewsFetchTheirGroupOnceAndShareTheRecordsLines) {
    TCountingHandler service;
    service.Groups = {{1, u"{6E25B8DE-5CFA-4540-B8BE-78F6A8A33AD3}=h:1<S>"},
                      {3, u"UltimoAccesoUsuario=ana<S>"},
                      {4, u"ExpOption0=COM_Classname=Vn.Pdf<S>"}};
    TSysClientW client(u"HLNumber=81234\r\nDataPort=9200<N>", 0);
    client.SetOnDemandData(service.Handler());
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(client.SysServiceLocation().Centralization(), u"h:1<S>");
        EXPECT_EQ(client.CUConfig().User(), u"ana");
        EXPECT_EQ(client.SysExpOptions().Count(), 1u);
        EXPECT_EQ(client.ConnectionInfo().DataPort(), 9200);
    }
    EXPECT_EQ(service.Asked, (std::map<int, int>{{1, 1}, {3, 1}, {4, 1}}));
    client.ConnectionInfo().SetDataPort(9300);
    EXPECT_EQ(client.GetRawValue(u"DataPort"), u"9300<N>");
    EXPECT_EQ(client.ModifiedValues(), u"") << "a view keeps its own changes";
    EXPECT_EQ(client.ConnectionInfo().ModifiedValues(), u"DataPort=9300<N>\r\n");
}

TEST(SysInfoRecord, DictionaryConnectionIsFetchedWhileItReadsEmpty) {
    TCountingHandler service;
    service.Groups[2] = u"DictionaryCnxnStr=Provider=Local<S>";
    TSysServer absent(u"HlNumber=81234", 0);
    absent.SetOnDemandData(service.Handler());
    EXPECT_EQ(absent.DictionaryCnxnStr(), u"Provider=Local");
    EXPECT_EQ(absent.DictionaryCnxnStr(), u"Provider=Local");
    EXPECT_EQ(service.Asked[2], 1);

    TSysClient present(u"HLNumber=81234\r\nDictionaryCnxnStr=\r\nZ=1", 0);
    present.SetOnDemandData(service.Handler());
    EXPECT_EQ(present.DictionaryCnxnStr(), u"Provider=Local");
    EXPECT_EQ(present.Text(), u"HLNumber=81234\r\nDictionaryCnxnStr=Provider=Local<S>\r\nZ=1\r\n");

    service.Groups[2] = u"Otro=1\r\nDictionaryCnxnStr=";
    TSysClient empty(u"HLNumber=81234", 0);
    empty.SetOnDemandData(service.Handler());
    EXPECT_EQ(empty.DictionaryCnxnStr(), u"");
    EXPECT_EQ(empty.DictionaryCnxnStr(), u"");
    EXPECT_EQ(service.Asked[2], 4) << "asked again on every read while empty";
    EXPECT_EQ(empty.Text(), u"HLNumber=81234\r\nOtro=1\r\nDictionaryCnxnStr=\r\n"
                            u"Otro=1\r\nDictionaryCnxnStr=\r\n")
        << "the whole text appended as one entry each time";
}

TEST(SysInfoRecord, ExportOptionsComeFromLinesNamingThemAndAddOnlyNewClasses) {
    TSysClient client(u"HLNumber=81234\r\nexpoption0=\"COM_Classname=Vn.Pdf\" Name=PDF<S>\r\n"
                      u"Otra=1\r\nMiEXPOPTIONx=Description=Sin clase",
                      0);
    TSysExpOptions& options = client.SysExpOptions();
    ASSERT_EQ(options.Count(), 2u);
    EXPECT_EQ(options.SysExpOption(0).COM_Classname(), u"Vn.Pdf");
    EXPECT_EQ(options.SysExpOption(1).Key(), u"MiEXPOPTIONx");
    EXPECT_EQ(options.SysExpOption(1).COM_Classname(), u"");

    options.Add(u"vn.PDF");
    EXPECT_EQ(options.Count(), 2u);
    options.Add(u"Vn.Xls");
    ASSERT_EQ(options.Count(), 3u);
    EXPECT_EQ(client.GetRawValue(u"ExpOption2"), u"COM_Classname=Vn.Xls\r\n");
    EXPECT_EQ(options.SysExpOption(2).COM_Classname(), u"Vn.Xls");
    EXPECT_EQ(options.ModifiedValues(), u"ExpOption2=COM_Classname=Vn.Xls\r\n");

    options.SysExpOption(0).SetName(u"Documento PDF");
    EXPECT_EQ(options.SysExpOption(0).Name(), u"Documento PDF");
    EXPECT_EQ(options.SysExpOption(0).COM_Classname(), u"Vn.Pdf");
    EXPECT_NE(options.ModifiedValues().find(
                  u"\r\nexpoption0=COM_Classname=Vn.Pdf,\"Name=Documento PDF\"\r\n"),
              std::u16string::npos)
        << EncodeUtf8(options.ModifiedValues());
}

} // namespace
} // namespace typ
