#include "Options.h"

#include <gtest/gtest.h>

namespace typ::win {
namespace {

TExitCode FailureOf(const std::vector<std::wstring>& args) {
    try {
        ParseHostOptions(args);
    } catch (const EHostError& error) {
        EXPECT_FALSE(error.Message().empty());
        return error.Code();
    }
    return TExitCode::Ok;
}

TEST(TyphostOptions, ReadsEveryOptionInAnyOrder) {
    const THostOptions options = ParseHostOptions(
        {L"--help-context", L"-3", L"--caption", L"FACTURA", L"plantilla.typ", L"--dir",
         L"C:\\Comunes", L"--help-context-var", L"42", L"--help-file", L"ayuda.chm"});
    EXPECT_EQ(options.File, L"plantilla.typ");
    EXPECT_EQ(options.Caption, L"FACTURA");
    EXPECT_EQ(options.Dir, L"C:\\Comunes");
    EXPECT_EQ(options.HelpContext, -3);
    EXPECT_EQ(options.HelpContextVar, 42);
    EXPECT_EQ(options.HelpFile, L"ayuda.chm");
    EXPECT_FALSE(options.Print);
    EXPECT_FALSE(options.Help);
}

TEST(TyphostOptions, DefaultsLeaveCaptionAndFolderToTheFile) {
    const THostOptions options = ParseHostOptions({L"a.typ"});
    EXPECT_TRUE(options.Caption.empty());
    EXPECT_TRUE(options.Dir.empty());
    EXPECT_EQ(options.HelpContext, 0);
    EXPECT_EQ(options.HelpContextVar, 0);
    EXPECT_EQ(DefaultCaption(L"C:\\plantillas\\factura.typ"), L"Editor TYP - factura.typ");
    EXPECT_EQ(DefaultCaption(L"Z:/tmp/x.TYP"), L"Editor TYP - x.TYP");
    EXPECT_EQ(DefaultCaption(L"solo.typ"), L"Editor TYP - solo.typ");
}

TEST(TyphostOptions, DoubleDashEndsTheOptions) {
    EXPECT_EQ(ParseHostOptions({L"--", L"--print"}).File, L"--print");
    EXPECT_TRUE(ParseHostOptions({L"--print", L"x.typ"}).Print);
    EXPECT_TRUE(ParseHostOptions({L"--help"}).Help) << "help needs no file";
}

TEST(TyphostOptions, RejectsWhatItCannotUse) {
    EXPECT_EQ(FailureOf({}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"a.typ", L"b.typ"}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"--colour", L"a.typ"}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"a.typ", L"--caption"}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"--help-context", L"12x", L"a.typ"}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"--help-context", L"", L"a.typ"}), TExitCode::Usage);
    EXPECT_EQ(FailureOf({L"--help-context-var", L"99999999999999999999", L"a.typ"}),
              TExitCode::Usage);
}

} // namespace
} // namespace typ::win
