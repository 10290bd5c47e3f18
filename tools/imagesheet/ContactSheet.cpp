#include "ContactSheet.h"

#include "PngWriter.h"

#include <algorithm>

namespace typ::pictures {
namespace {

constexpr int kPageWidth = 1400;
constexpr int kMargin = 10;
constexpr int kHeading = 22;
constexpr int kLabel = 12;
constexpr int kMinSlot = 128;

// The cell on a checkerboard of 4-pixel squares, as RGB.
std::string CellPng(const TRaster& cell) {
    win::TRgbImage image{cell.Width, cell.Height, {}};
    image.Rgb.reserve(static_cast<std::size_t>(cell.Width * cell.Height) * 3);
    for (int y = 0; y < cell.Height; ++y) {
        for (int x = 0; x < cell.Width; ++x) {
            const std::uint8_t* p = cell.At(x, y);
            const int board = ((x / 4 + y / 4) % 2) ? 0xE4 : 0xFF;
            for (int c = 0; c < 3; ++c)
                image.Rgb.push_back(
                    static_cast<unsigned char>((p[c] * p[3] + board * (255 - p[3]) + 127) / 255));
        }
    }
    return win::EncodePng(image);
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else
            out += c;
    return out;
}

std::string Text(int x, int y, int size, std::string_view text, bool bold = false) {
    return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" font-size=\"" +
           std::to_string(size) + "\"" + (bold ? " font-weight=\"bold\"" : "") + ">" +
           Escaped(text) + "</text>\n";
}

// The strip's block, starting at y; returns its height.
int DrawStrip(std::string& svg, const TStrip& strip, int top) {
    const int cellWidth = strip.Cells.front().Width;
    const int cellHeight = strip.Cells.front().Height;
    const int slot = std::max(kMinSlot, cellWidth + 8);
    const int perRow = std::max(1, (kPageWidth - 2 * kMargin) / slot);
    svg += Text(kMargin, top + 15, 13,
                strip.ResourceName + "  (" + std::to_string(strip.Cells.size()) + " x " +
                    std::to_string(cellWidth) + "x" + std::to_string(cellHeight) + ")",
                true);
    const int rowHeight = cellHeight + kLabel + 8;
    for (std::size_t i = 0; i < strip.Cells.size(); ++i) {
        const int x = kMargin + static_cast<int>(i % static_cast<std::size_t>(perRow)) * slot;
        const int y =
            top + kHeading + static_cast<int>(i / static_cast<std::size_t>(perRow)) * rowHeight;
        svg += "<image x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
               std::to_string(cellWidth) + "\" height=\"" + std::to_string(cellHeight) +
               "\" href=\"data:image/png;base64," + Base64(CellPng(strip.Cells[i])) + "\"/>\n";
        svg += Text(x, y + cellHeight + kLabel, 9, std::to_string(i) + " " + strip.Names[i]);
    }
    const auto rows = (strip.Cells.size() + static_cast<std::size_t>(perRow) - 1) /
                      static_cast<std::size_t>(perRow);
    return kHeading + static_cast<int>(rows) * rowHeight + 6;
}

} // namespace

std::string Base64(std::string_view aBytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < aBytes.size(); i += 3) {
        std::uint32_t group = static_cast<std::uint8_t>(aBytes[i]) << 16;
        if (i + 1 < aBytes.size())
            group |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(aBytes[i + 1])) << 8;
        if (i + 2 < aBytes.size())
            group |= static_cast<std::uint8_t>(aBytes[i + 2]);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += i + 1 < aBytes.size() ? kDigits[(group >> 6) & 63] : '=';
        out += i + 2 < aBytes.size() ? kDigits[group & 63] : '=';
    }
    return out;
}

std::string ContactSheetSvg(const std::vector<TStrip>& aStrips) {
    std::string body;
    int top = kMargin;
    for (const TStrip& strip : aStrips)
        top += DrawStrip(body, strip, top);
    const std::string height = std::to_string(top + kMargin);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kPageWidth) +
           "\" height=\"" + height +
           "\" font-family=\"DejaVu Sans\" fill=\"#2e3436\">\n<rect width=\"100%\" height=\"100%\" "
           "fill=\"#ffffff\"/>\n" +
           body + "</svg>\n";
}

} // namespace typ::pictures
