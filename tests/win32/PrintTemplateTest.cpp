// Printing to a printer: none installed, a chosen one that is gone or
// described wrongly, and a PostScript printer that writes its pages to a file.
#include "editor/PrintTemplate.h"

#include "TestPrinter.h"
#include "editor/CurrentPrinter.h"

#include <algorithm>
#include <commdlg.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>
#include <winspool.h>

namespace typ::win {
namespace {

using test::EnsureTestPrinter;

constexpr wchar_t kPrinter[] = L"Typ Print Test";

// The printer's port is the Unix path of the output; the test reads it
// through the drive Wine maps to the Unix root.
std::wstring OutputPath() {
    std::wstring path = L"Z:" + std::wstring(TYP_PRINT_OUTPUT);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// A DEVNAMES block as the printer set-up dialog returns it.
HGLOBAL DevNames(const std::vector<std::wstring>& names, WORD deviceOffsetShift = 0) {
    std::vector<wchar_t> block(sizeof(DEVNAMES) / sizeof(wchar_t));
    std::vector<WORD> offsets;
    for (const std::wstring& name : names) {
        offsets.push_back(static_cast<WORD>(block.size()));
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(L'\0');
    }
    DEVNAMES header{offsets.at(0), static_cast<WORD>(offsets.at(1) + deviceOffsetShift),
                    offsets.at(2), 0};
    std::memcpy(block.data(), &header, sizeof(header));
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size() * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), block.data(), block.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

// A DEVMODE whose sizes claim more than the block holds.
HGLOBAL BrokenDevMode() {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(memory));
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmDriverExtra = 60000;
    GlobalUnlock(memory);
    return memory;
}

void Choose(HGLOBAL devMode, HGLOBAL devNames) {
    SetCurrentPrinter(devMode, devNames);
    GlobalFree(devMode);
    GlobalFree(devNames);
}

TMemo MemoOf(std::u16string_view text) {
    TMemo memo;
    memo.SetText(text);
    return memo;
}

class PrintTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { SetCurrentPrinter(nullptr, nullptr); }
    void TearDown() override { SetCurrentPrinter(nullptr, nullptr); }
};

TEST_F(PrintTemplateTest, WithoutAnyPrinterNothingHappens) {
    DWORD size = 0;
    if (GetDefaultPrinterW(nullptr, &size) || size != 0)
        GTEST_SKIP() << "the system offers a default printer (one of the host's, through Wine)";
    EXPECT_FALSE(PrintTemplate(MemoOf(u"\u00DA\u00C4\u00BF")));
    EXPECT_EQ(CopyCurrentDevNames(), nullptr) << "none was chosen";
}

TEST_F(PrintTemplateTest, AChosenPrinterThatIsGoneOrMisdescribedPrintsNothing) {
    Choose(nullptr, DevNames({L"winspool", L"Impresora que no existe", L"LPT1:"}));
    EXPECT_FALSE(PrintTemplate(MemoOf(u"abc")));
    Choose(nullptr, DevNames({L"winspool", kPrinter, L"LPT1:"}, 500));
    EXPECT_FALSE(PrintTemplate(MemoOf(u"abc"))) << "a name beyond the block is no name";
}

TEST_F(PrintTemplateTest, PrintsOnePageOnTheChosenPrinter) {
    ASSERT_NO_THROW(EnsureTestPrinter(kPrinter, TYP_PRINT_OUTPUT));
    const std::filesystem::path output = OutputPath();
    std::filesystem::remove(output);
    Choose(BrokenDevMode(), DevNames({L"winspool", kPrinter, TYP_PRINT_OUTPUT}));
    std::u16string grid = u"\u00DA\u00C4\u00C4\u00BF Factura";
    for (int line = 1; line < 100; ++line)
        grid += u"\r\n\u00B3  \u00B3 l\u00EDnea";
    ASSERT_TRUE(PrintTemplate(MemoOf(grid)))
        << "the printer's own settings replace a broken DEVMODE";
    const std::string page = ReadAll(output);
    EXPECT_EQ(Count(page, "%%Page: "), 1u) << "100 lines, one page";
    EXPECT_NE(page.find("%%Pages: 1"), std::string::npos);
    EXPECT_NE(page.find("0.50 setgray"), std::string::npos) << "gray box lines";
    EXPECT_NE(page.find("lineto"), std::string::npos);
    EXPECT_NE(page.find("glyphshow"), std::string::npos) << "the glyphs of the text";

    const HGLOBAL copy = CopyCurrentDevNames();
    ASSERT_NE(copy, nullptr) << "the choice stays for the set-up dialog to start from";
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(copy));
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset, kPrinter);
    GlobalUnlock(copy);
    GlobalFree(copy);
}

} // namespace
} // namespace typ::win
