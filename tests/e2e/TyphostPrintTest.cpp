// typhost --print-to, run as a program on the bundled invoice: the PNG it
// writes is the printed page, with the invoice's frames as gray lines.
#include "Options.h"
#include "ProcessRunner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string_view>
#include <zlib.h>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

constexpr unsigned char kGray = 128;

unsigned long BigEndian(std::string_view bytes) {
    unsigned long value = 0;
    for (const char c : bytes.substr(0, 4))
        value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

struct TPage {
    int Width = 0;
    int Height = 0;
    std::string Rows; // each row behind its filter byte

    unsigned char At(int x, int y) const {
        const auto row = static_cast<std::size_t>(y) * (static_cast<std::size_t>(Width) + 1);
        return static_cast<unsigned char>(Rows[row + 1 + static_cast<std::size_t>(x)]);
    }
};

// Reads the grayscale PNG typhost writes: every chunk's CRC checked, the data
// chunks inflated, every row unfiltered.
TPage Decode(std::string_view png) {
    TPage page;
    std::string data;
    EXPECT_EQ(png.substr(0, 8), std::string_view("\x89PNG\r\n\x1A\n", 8));
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const auto length = BigEndian(png.substr(at));
        const std::string_view type = png.substr(at + 4, 4);
        const std::string_view body = png.substr(at + 4, 4 + length);
        EXPECT_EQ(
            BigEndian(png.substr(at + 8 + length)),
            crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
        if (type == "IHDR") {
            page.Width = static_cast<int>(BigEndian(body.substr(4)));
            page.Height = static_cast<int>(BigEndian(body.substr(8)));
            EXPECT_EQ(body.substr(12, 5), std::string_view("\x08\0\0\0\0", 5)) << "8-bit gray";
        } else if (type == "IDAT") {
            data += body.substr(4);
        }
        at += 12 + length;
    }
    uLongf size = static_cast<uLongf>(page.Height) * static_cast<uLongf>(page.Width + 1);
    page.Rows.resize(size);
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(page.Rows.data()), &size,
                         reinterpret_cast<const Bytef*>(data.data()),
                         static_cast<uLong>(data.size())),
              Z_OK);
    for (int y = 0; y < page.Height; ++y)
        EXPECT_EQ(page.Rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(page.Width + 1)],
                  '\0');
    return page;
}

// The longest run of gray pixels along a row, and where it starts.
std::pair<int, int> LongestGrayRun(const TPage& page, int y) {
    std::pair<int, int> longest{0, 0};
    for (int x = 0, run = 0; x < page.Width; ++x) {
        run = page.At(x, y) == kGray ? run + 1 : 0;
        if (run > longest.first)
            longest = {run, x - run + 1};
    }
    return longest;
}

std::filesystem::path Picture(const wchar_t* name) {
    return std::filesystem::temp_directory_path() / name;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(TyphostPrint, SavesThePrintedInvoiceWithGrayFrames) {
    const std::filesystem::path picture = Picture(L"typ-factura-impresa.png");
    std::filesystem::remove(picture);
    const auto run = RunProcess(WinePath(TYP_E2E_TYPHOST),
                                {L"--print-to", picture.wstring(), WinePath(TYP_E2E_SAMPLE)}, 60s);
    ASSERT_EQ(run.ExitCode, 0u) << run.Err;
    const TPage page = Decode(ReadBytes(picture));
    EXPECT_EQ(page.Width, 2480) << "A4 at 300 dots per inch";
    EXPECT_EQ(page.Height, 3508);
    ASSERT_FALSE(page.Rows.empty());

    // The first line is the invoice's top frame ┌───...───┐, 80 cells wide,
    // printed at y = 10: its stroke runs along the row y + 25.
    const auto [length, start] = LongestGrayRun(page, 35);
    EXPECT_GT(length, 1500) << "the top frame across the page";
    EXPECT_LT(start, 40) << "from the first cell's centre";
    EXPECT_EQ(LongestGrayRun(page, 34).first, 0) << "one pixel thick";
    int side = 0;
    for (int y = 36; y < page.Height && page.At(start, y) == kGray; ++y)
        ++side;
    EXPECT_GT(side, 200) << "the left side runs down several lines";

    int dark = 0;
    int lowest = 0;
    for (int y = 0; y < page.Height; ++y) {
        for (int x = 0; x < page.Width; ++x) {
            dark += page.At(x, y) < 64 ? 1 : 0;
            lowest = page.At(x, y) != 255 ? y : lowest;
        }
    }
    EXPECT_GT(dark, 10000) << "the invoice's text is printed";
    EXPECT_GT(lowest, page.Height / 2) << "40 lines reach below the middle of the sheet";
}

TEST(TyphostPrint, ReportsAPictureItCannotWrite) {
    const std::filesystem::path picture = Picture(L"no-existe") / L"pagina.png";
    const auto run = RunProcess(WinePath(TYP_E2E_TYPHOST),
                                {L"--print-to", picture.wstring(), WinePath(TYP_E2E_SAMPLE)}, 60s);
    EXPECT_EQ(run.ExitCode, 6u);
    EXPECT_NE(run.Err.find("No se pudo guardar la imagen"), std::string::npos) << run.Err;
}

TEST(TyphostPrint, TakesThePictureFileAsTheOptionsValue) {
    EXPECT_EQ(ParseHostOptions({L"--print-to", L"p.png", L"a.typ"}).PrintTo, L"p.png");
    EXPECT_TRUE(ParseHostOptions({L"a.typ"}).PrintTo.empty());
    for (const auto& args : {std::vector<std::wstring>{L"a.typ", L"--print-to"},
                             std::vector<std::wstring>{L"--print-to", L"", L"a.typ"}}) {
        try {
            ParseHostOptions(args);
            ADD_FAILURE() << "accepted a missing picture file";
        } catch (const EHostError& error) {
            EXPECT_EQ(error.Code(), TExitCode::Usage);
        }
    }
}

} // namespace
} // namespace typ::win
