#include "SourceRenderer.h"

#include "Compose.h"
#include "PngReader.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace typ::pictures {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    if (!(out << data))
        throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> SplitArgs(const std::string& shape) {
    std::vector<std::string> parts;
    std::stringstream in(shape);
    for (std::string part; std::getline(in, part, ':');)
        parts.push_back(part);
    return parts;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// A name fit for a file: letters and digits kept, everything else an underscore.
std::string FileKey(const std::string& text) {
    std::string key = text;
    std::replace_if(
        key.begin(), key.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
        '_');
    return key;
}

// "{n}", the place of the shape's n-th argument.
std::string Placeholder(std::size_t n) {
    std::string text(1, '{');
    text += std::to_string(n);
    text += '}';
    return text;
}

std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// The cell measures a shape may use; the wordmark lays itself out with them:
// a square tile with the initial, then the word as large as the cell lets it
// be (a bold capital is about 0.75 of the font size wide).
void SubstituteMeasures(std::string& svg, int width, int height, std::size_t wordLength) {
    const double h = height;
    const double pad = h / 8;
    const double tile = h - 2 * pad;
    const double room = width - h - 2 * pad;
    const double font = std::min(
        h * 0.55, room / (0.75 * static_cast<double>(std::max<std::size_t>(wordLength, 1))));
    ReplaceAll(svg, "{w}", std::to_string(width));
    ReplaceAll(svg, "{h}", std::to_string(height));
    ReplaceAll(svg, "{pad}", Number(pad));
    ReplaceAll(svg, "{tile}", Number(tile));
    ReplaceAll(svg, "{tilex}", Number(pad + tile / 2));
    ReplaceAll(svg, "{initialfont}", Number(h * 0.55));
    ReplaceAll(svg, "{initialy}", Number(h * 0.70));
    ReplaceAll(svg, "{font}", Number(font));
    ReplaceAll(svg, "{texty}", Number(h / 2 + font * 0.36));
    ReplaceAll(svg, "{textx}", Number(h + pad / 2));
}

} // namespace

TSourceRenderer::TSourceRenderer(TRendererPaths aPaths) : FPaths(std::move(aPaths)) {
    std::filesystem::create_directories(FPaths.Cache);
}

TRaster TSourceRenderer::Picture(const TPictureRecipe& aRecipe, int aWidth, int aHeight) {
    if (FillsCell(aRecipe.Source))
        return Source(aRecipe.Source, aWidth, aHeight);
    const int edge = std::min(aWidth, aHeight);
    TRaster picture = Source(aRecipe.Source, edge, edge);
    if (aRecipe.Tint)
        Tint(picture, *aRecipe.Tint);
    if (!aRecipe.Overlay.empty()) {
        const int overlay = OverlayEdge(edge);
        DrawOverlay(picture, Source(aRecipe.Overlay, overlay, overlay));
    }
    if (!aRecipe.Badge.empty())
        DrawBadge(picture, aRecipe.Badge);
    return Centred(picture, aWidth, aHeight);
}

TRaster TSourceRenderer::Source(const std::string& aSource, int aWidth, int aHeight) {
    const std::string key = aSource + "@" + std::to_string(aWidth) + "x" + std::to_string(aHeight);
    if (const auto found = FRendered.find(key); found != FRendered.end())
        return found->second;
    TRaster raster = aSource.starts_with('@') ? Shape(aSource.substr(1), aWidth, aHeight)
                                              : Icon(aSource, aWidth);
    FRendered.emplace(key, raster);
    return raster;
}

TRaster TSourceRenderer::Icon(const std::string& aName, int aEdge) {
    const std::string edge = std::to_string(aEdge);
    const auto drawn = FPaths.Icons / (edge + "x" + edge) / (aName + ".png");
    if (std::filesystem::exists(drawn))
        return DecodePng(ReadFile(drawn));
    const auto scalable = FPaths.Icons / "scalable" / (aName + ".svg");
    if (!std::filesystem::exists(scalable))
        throw std::runtime_error("no icon '" + aName + "'");
    return RenderSvg(ReadFile(scalable), "icon_" + FileKey(aName), aEdge, aEdge);
}

TRaster TSourceRenderer::Shape(const std::string& aSource, int aWidth, int aHeight) {
    const std::vector<std::string> parts = SplitArgs(aSource);
    // "@chart:line" is chart-line.svg when that exists, else chart.svg with {1} = line.
    std::size_t used = 1;
    std::filesystem::path file = FPaths.Shapes / (parts[0] + ".svg");
    if (parts.size() > 1 &&
        std::filesystem::exists(FPaths.Shapes / (parts[0] + "-" + parts[1] + ".svg"))) {
        file = FPaths.Shapes / (parts[0] + "-" + parts[1] + ".svg");
        used = 2;
    }
    if (!std::filesystem::exists(file))
        throw std::runtime_error("no shape '" + aSource + "'");
    std::string svg = ReadFile(file);
    SubstituteMeasures(svg, aWidth, aHeight, parts.size() > used ? parts[used].size() : 0);
    const std::size_t given = parts.size() - used;
    for (std::size_t i = 1; i <= 9; ++i)
        if (i > given && svg.find(Placeholder(i)) != std::string::npos)
            throw std::runtime_error("shape '" + aSource + "' lacks an argument");
    if (given > 0)
        ReplaceAll(svg, "{initial}", parts[used].substr(0, 1));
    for (std::size_t i = used; i < parts.size(); ++i)
        ReplaceAll(svg, Placeholder(i - used + 1), parts[i]);
    return RenderSvg(svg, "shape_" + FileKey(aSource), aWidth, aHeight);
}

bool TSourceRenderer::FillsCell(const std::string& aSource) {
    if (!aSource.starts_with('@'))
        return false;
    const std::string shape = SplitArgs(aSource.substr(1))[0];
    const auto file = FPaths.Shapes / (shape + ".svg");
    return std::filesystem::exists(file) && ReadFile(file).find("{w}") != std::string::npos;
}

TRaster TSourceRenderer::RenderSvg(const std::string& aSvg, const std::string& aKey, int aWidth,
                                   int aHeight) {
    const std::string size = std::to_string(aWidth) + "x" + std::to_string(aHeight);
    const auto svgFile = FPaths.Cache / (aKey + "_" + size + ".svg");
    const auto pngFile = FPaths.Cache / (aKey + "_" + size + ".png");
    // Rendered again only when the SVG it comes from changed. Each render goes
    // to files of this process first and is renamed into place, because test
    // processes running side by side share the cache and must never read a
    // half-written picture.
    if (!std::filesystem::exists(svgFile) || ReadFile(svgFile) != aSvg ||
        !std::filesystem::exists(pngFile)) {
        const std::string pid = std::to_string(getpid());
        const std::string svgOwn = svgFile.string() + '.' + pid;
        const std::string pngOwn = pngFile.string() + '.' + pid;
        WriteFile(svgOwn, aSvg);
        const std::string command = "'" + FPaths.Rsvg + "' -w " + std::to_string(aWidth) + " -h " +
                                    std::to_string(aHeight) + " -o '" + pngOwn + "' '" + svgOwn +
                                    "'";
        if (std::system(command.c_str()) != 0) {
            std::filesystem::remove(pngOwn);
            std::filesystem::remove(svgOwn);
            throw std::runtime_error("the SVG renderer failed on " + svgFile.string());
        }
        std::filesystem::rename(pngOwn, pngFile);
        std::filesystem::rename(svgOwn, svgFile);
    }
    TRaster raster = DecodePng(ReadFile(pngFile));
    if (raster.Width != aWidth || raster.Height != aHeight)
        throw std::runtime_error("the SVG renderer gave the wrong size for " + svgFile.string());
    return raster;
}

} // namespace typ::pictures
