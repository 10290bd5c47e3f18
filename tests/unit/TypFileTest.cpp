#include "editor/TypFile.h"

#include "editor/TemplateFiles.h"
#include "editor/TypCommands.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace typ {
namespace {

namespace fs = std::filesystem;

using enum TTypEncoding;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

TEST(TypFormat, ExportWritesTheGridByteForByte) {
    EXPECT_EQ(EncodeTyp(u"AB   \r\n     \r\n     ", Windows1252), "AB   \r\n     \r\n     ");
    // DOS á and ─ as the characters of their bytes; a DOS character pasted as
    // Unicode goes to its byte; anything else to "?".
    EXPECT_EQ(EncodeTyp(u"\u00A0\u00C4\u0081\u2500\u4E2D", Windows1252),
              Bytes({0xA0, 0xC4, 0x81, 0xC4, '?'}));
    EXPECT_EQ(EncodeTyp(u"a\u00B3", Utf8), "\xEF\xBB\xBF"
                                           "a\xC2\xB3");
    EXPECT_EQ(EncodeTyp(u"a\u00B3", Utf16LE), Bytes({0xFF, 0xFE, 'a', 0, 0xB3, 0}));
    EXPECT_EQ(EncodeTyp(u"a\u00B3", Utf16BE), Bytes({0xFE, 0xFF, 0, 'a', 0, 0xB3}));
}

TEST(TypFormat, ImportReadsEveryByteAsTheDosCharacterItIs) {
    const TTypText text = DecodeTyp(Bytes({'A', 0xA0, 0xC4, 0x81, 0x8D, 0x80, 0x1A}));
    EXPECT_EQ(text.Text, u"A\u00A0\u00C4\u0081\u008D\u20AC\x1A");
    EXPECT_EQ(text.Encoding, Windows1252);
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte == '\r' || byte == '\n' ? ' ' : byte);
    EXPECT_EQ(EncodeTyp(DecodeTyp(all).Text, Windows1252), all);
}

TEST(TypFormat, LineEndsBecomeCrLfAndNulEndsTheText) {
    EXPECT_EQ(DecodeTyp("a\nb\rc\r\nd\n\re").Text, u"a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(DecodeTyp(std::string("ab\r\ncd\0ef", 10)).Text, u"ab\r\ncd");
    EXPECT_EQ(DecodeTyp(std::string("\0ab", 3)).Text, u"");
    EXPECT_EQ(DecodeTyp("ab\r").Text, u"ab\r\n");
}

TEST(TypFormat, AByteOrderMarkChoosesTheEncoding) {
    const TTypText utf8 = DecodeTyp("\xEF\xBB\xBF\xC3\xB1\n\xE2\x94\x80");
    EXPECT_EQ(utf8.Text, u"\u00F1\r\n\u2500");
    EXPECT_EQ(utf8.Encoding, Utf8);
    const TTypText le = DecodeTyp(Bytes({0xFF, 0xFE, 'a', 0, '\n', 0, 0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(le.Text, u"a\r\n?"); // one cell for a character beyond the plane
    EXPECT_EQ(le.Encoding, Utf16LE);
    const TTypText be = DecodeTyp(Bytes({0xFE, 0xFF, 0, 'a', 0, 0, 0, 'b'}));
    EXPECT_EQ(be.Text, u"a");
    EXPECT_EQ(be.Encoding, Utf16BE);
    EXPECT_EQ(DecodeTyp("\xEF\xBB").Encoding, Windows1252); // a mark cut short is text
}

TEST(TypFormat, MalformedUnicodeBecomesReplacementCharacters) {
    const std::u16string r = u"\uFFFD";
    // A stray continuation byte, an overlong form, an encoded surrogate, a
    // sequence cut short, a byte that starts nothing, a value past U+10FFFF.
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF"
                        "a\x80"
                        "b")
                  .Text,
              u"a" + r + u"b");
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xC0\xAF").Text, r + r);
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xED\xA0\x80").Text, r + r + r);
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xE2\x94").Text, r);
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xE2\x94z").Text, r + u"z");
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xFF").Text, r);
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xF4\x90\x80\x80").Text, r + r + r + r);
    EXPECT_EQ(DecodeTyp("\xEF\xBB\xBF\xF0\x9F\x98\x80").Text, u"?");
    // An odd final byte, and surrogates that pair with nothing: one cell each.
    EXPECT_EQ(DecodeTyp(Bytes({0xFF, 0xFE, 'a', 0, 'b'})).Text, u"a" + r);
    const std::u16string lone = DecodeTyp(Bytes({0xFF, 0xFE, 0x00, 0xD8, 'a', 0})).Text;
    EXPECT_EQ(lone, u"?a");
    EXPECT_EQ(EncodeTyp(lone, Utf8), "\xEF\xBB\xBF?a");
    EXPECT_EQ(DecodeTyp(EncodeTyp(lone, Utf16LE)).Text, lone);
}

TEST(TypFormat, ThePageIsAsWideAsTheFirstLineAndAsHighAsTheLines) {
    EXPECT_EQ(TypPageSize(u""), (TTypPageSize{0, 0}));
    EXPECT_EQ(TypPageSize(u"abc"), (TTypPageSize{3, 1}));
    EXPECT_EQ(TypPageSize(u"abc\r\n"), (TTypPageSize{3, 1}));
    EXPECT_EQ(TypPageSize(u"abc\r\nde\r\n\r\n"), (TTypPageSize{3, 3}));
    EXPECT_EQ(TypPageSize(u"\r\n"), (TTypPageSize{0, 1}));
    EXPECT_EQ(TypPageSize(u"a\rb\nc"), (TTypPageSize{5, 1})); // only CR LF breaks
}

TEST(TypFolder, TheTemplateFolderIsTypsInTheCommonDirectory) {
    const auto separator = static_cast<char16_t>(fs::path::preferred_separator);
    EXPECT_EQ(TypsFolder(u"C:\\Vn\\").u16string(), u"C:\\Vn\\TYPS");
    EXPECT_EQ(TypsFolder(u"/srv/vn/").u16string(), u"/srv/vn/TYPS");
    EXPECT_EQ(TypsFolder(u"/srv/vn").u16string(), std::u16string(u"/srv/vn") + separator + u"TYPS");
    EXPECT_EQ(ProposedTypName(u"FACTURA"), u"FACTURA.TYP");
    EXPECT_EQ(ExportTitle(u"FACTURA"), u"Exportando FACTURA.TYP");
    EXPECT_EQ(ImportTitle(u"FACTURA"), u"Importando FACTURA.TYP");
}

// Each test works in a folder of its own under the system's temporary folder.
class TypFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder = fs::temp_directory_path() / ("typfile-" + std::to_string(stamp));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path Write(const std::string& name, std::string_view bytes) const {
        const fs::path file = folder / name;
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    static std::string Read(const fs::path& file) { return ReadFileBytes(file); }

    void Page(std::u16string_view text, int width, int height) {
        grid.Editor().SetText(text);
        grid.SetPageSize(width, height);
    }
    void Import(const fs::path& file) {
        transfer.actImportarTypExecute(
            grid, file, [this](std::u16string_view message) { notices.emplace_back(message); });
    }
    bool Export(const fs::path& file, bool overwrite) {
        return transfer.actExportarTypExecute(grid, file, [this, overwrite](std::u16string_view q) {
            questions.emplace_back(q);
            return overwrite;
        });
    }
    std::u16string Text() const { return grid.Editor().Text(); }

    fs::path folder;
    TGridEditor grid;
    TTypTransfer transfer;
    std::vector<std::u16string> notices;
    std::vector<std::u16string> questions;
};

TEST_F(TypFileTest, TheFirstLineSetsTheWidthOfTheImportedPage) {
    Import(Write("a.typ", std::string(10, 'a') + "\r\n" + std::string(80, 'b') + "\r\nc"));
    EXPECT_EQ(grid.AnchoPagina(), 10);
    EXPECT_EQ(grid.AltoPagina(), 3);
    EXPECT_EQ(Text(),
              std::u16string(10, u'a') + u"\r\n" + std::u16string(10, u'b') + u"\r\nc         ");
    EXPECT_TRUE(notices.empty());

    Import(Write("lf.typ", "ab\ncd\n"));
    const std::u16string lfGrid = Text();
    Import(Write("crlf.typ", "ab\r\ncd\r\n"));
    EXPECT_EQ(Text(), lfGrid);
    EXPECT_EQ(Text(), u"ab\r\ncd");
}

TEST_F(TypFileTest, AnEndOfFileByteAfterTheLastBreakIsOneMoreLine) {
    Import(Write("eof.typ", "abc\r\n\x1A"));
    EXPECT_EQ(Text(), u"abc\r\n\x1A  ");
    Import(Write("empty.typ", ""));
    EXPECT_EQ(grid.AnchoPagina(), 0);
    EXPECT_EQ(grid.AltoPagina(), 0);
    EXPECT_EQ(Text(), u"");
}

TEST_F(TypFileTest, AMissingOrUnreadableFileKeepsTheText) {
    Page(u"ab\r\ncd", 2, 2);
    Import(folder / "gone.typ");
    EXPECT_EQ(notices, std::vector<std::u16string>{std::u16string(kCannotReadMessage)});
    EXPECT_EQ(Text(), u"ab\r\ncd");

    fs::create_directory(folder / "dir.typ");
    EXPECT_THROW(Import(folder / "dir.typ"), EEditorError);
    try {
        Import(folder / "dir.typ");
    } catch (const EEditorError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("Cannot open file \"")) << error.what();
    }
    EXPECT_EQ(Text(), u"ab\r\ncd");
    EXPECT_EQ(grid.AnchoPagina(), 2);

    // A cancelled dialog sizes the page from the text as it is.
    grid.Editor().SetText(u"abc\r\nd");
    transfer.actImportarTypExecute(grid, std::nullopt, [](std::u16string_view) { FAIL(); });
    EXPECT_EQ(Text(), u"abc\r\nd  ");
}

TEST_F(TypFileTest, APageTooLargeForTheEditorIsRefusedBeforeTheTextChanges) {
    Page(u"keep", 4, 1);
    std::string huge(10'000, 'x');
    huge += std::string(7'000 * 2, '\n');
    EXPECT_THROW(Import(Write("huge.typ", huge)), EEditorError);
    EXPECT_EQ(Text(), u"keep");
    EXPECT_EQ(transfer.Encoding(), Windows1252);
}

TEST_F(TypFileTest, ACharacterBeyondOneCellImportsAsTheOneByteExportWrites) {
    Import(Write("e.typ", "\xEF\xBB\xBFx\xF0\x9F\x98\x80y\r\nabc"));
    EXPECT_EQ(grid.AnchoPagina(), 3);
    EXPECT_EQ(Text(), u"x?y\r\nabc");
}

TEST_F(TypFileTest, ExportAndImportGiveBackTheSameGrid) {
    Page(u"AB", 5, 3);
    grid.Editor().SetModified(false);
    const fs::path file = folder / "FACTURA.TYP";
    EXPECT_TRUE(Export(file, false));
    EXPECT_TRUE(questions.empty()); // a new file: nothing to ask
    EXPECT_EQ(Read(file), "AB   \r\n     \r\n     ");
    EXPECT_FALSE(grid.Editor().Modified());

    const std::u16string exported = Text();
    Page(u"other", 5, 1);
    Import(file);
    EXPECT_EQ(Text(), exported);
    EXPECT_EQ(grid.AltoPagina(), 3);
}

TEST_F(TypFileTest, ExportAsksBeforeReplacingAndNoLeavesTheFileAlone) {
    const fs::path file = Write("old.typ", "old\r\ncontent");
    Page(u"new", 3, 1);
    EXPECT_FALSE(Export(file, false));
    EXPECT_EQ(questions,
              std::vector<std::u16string>{u"El archivo ya existe, desea sobreescribirlo?"});
    EXPECT_EQ(Read(file), "old\r\ncontent");
    EXPECT_TRUE(Export(file, true));
    EXPECT_EQ(Read(file), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_FALSE(transfer.actExportarTypExecute(grid, std::nullopt, nullptr));
}

TEST_F(TypFileTest, AFailedWriteNeverDestroysTheOldFile) {
    // The name leaves no room for the temporary file's longer name.
    const fs::path file = Write(std::string(250, 'n') + ".typ", "precious");
    Page(u"new", 3, 1);
    try {
        Export(file, true);
        ADD_FAILURE() << "the write should have failed";
    } catch (const EEditorError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("Cannot create file \"")) << error.what();
    }
    EXPECT_EQ(Read(file), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    EXPECT_THROW(Export(folder / "missing" / "x.typ", true), EEditorError);
    fs::create_directory(folder / "dir.typ");
    EXPECT_THROW(Export(folder / "dir.typ", true), EEditorError);
    EXPECT_TRUE(fs::is_directory(folder / "dir.typ"));
}

TEST_F(TypFileTest, ExportWritesTheEncodingOfTheLastImport) {
    Import(Write("u8.typ", "\xEF\xBB\xBF\xC3\xB1x\r\nyz"));
    EXPECT_EQ(transfer.Encoding(), Utf8);
    const fs::path out = folder / "out.typ";
    Export(out, true);
    EXPECT_EQ(Read(out), "\xEF\xBB\xBF\xC3\xB1x\r\nyz");

    Import(Write("be.typ", Bytes({0xFE, 0xFF, 0, 'q'})));
    Export(out, true);
    EXPECT_EQ(Read(out), Bytes({0xFE, 0xFF, 0, 'q'}));

    Import(folder / "gone.typ"); // a failed import changes nothing
    EXPECT_EQ(transfer.Encoding(), Utf16BE);
    Import(Write("dos.typ", "\xC4"));
    Export(out, true);
    EXPECT_EQ(Read(out), "\xC4");
}

TEST_F(TypFileTest, TheTemplateFolderIsCreatedOneLevelOnly) {
    EnsureTypsFolder(TypsFolder((folder / "").u16string()));
    EXPECT_TRUE(fs::is_directory(folder / "TYPS"));
    EnsureTypsFolder(TypsFolder((folder / "TYPS" / "").u16string())); // twice is fine
    EnsureTypsFolder(TypsFolder((folder / "no" / "such" / "").u16string()));
    EXPECT_FALSE(fs::exists(folder / "no"));
}

TEST_F(TypFileTest, AFiftyMegabyteFileLoadsAsOneWideLine) {
    const std::string big(50 * 1024 * 1024, 'x');
    Import(Write("big.typ", big));
    EXPECT_EQ(grid.AnchoPagina(), 50 * 1024 * 1024);
    EXPECT_EQ(grid.AltoPagina(), 1);
    EXPECT_EQ(grid.Editor().TextLength(), 50 * 1024 * 1024);
}

} // namespace
} // namespace typ
