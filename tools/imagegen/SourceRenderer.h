#pragma once

#include "PictureTable.h"
#include "Raster.h"

#include <filesystem>
#include <map>
#include <string>

namespace typ::pictures {

// The whole file as bytes; throws when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

struct TRendererPaths {
    std::filesystem::path Icons;  // the icon theme's root: <edge>x<edge>/ and scalable/
    std::filesystem::path Shapes; // our shapes, <shape>[-<arg>].svg
    std::filesystem::path Cache;  // rendered sources, in the build tree
    std::string Rsvg;             // the SVG renderer program
};

// Turns the table's recipes into pixels. The theme's hand-drawn PNGs serve
// the edges they exist in; every other edge, and every shape of ours, is
// rendered from SVG by the external renderer into the cache, once.
class TSourceRenderer {
public:
    explicit TSourceRenderer(TRendererPaths aPaths);

    // The recipe's picture in a cell of aWidth x aHeight: sources are square
    // and centred in the cell, apart from shapes drawn to the cell's size
    // (those whose SVG uses {w} and {h}).
    TRaster Picture(const TPictureRecipe& aRecipe, int aWidth, int aHeight);

private:
    TRaster Source(const std::string& aSource, int aWidth, int aHeight);
    TRaster Icon(const std::string& aName, int aEdge);
    TRaster Shape(const std::string& aSource, int aWidth, int aHeight);
    TRaster RenderSvg(const std::string& aSvg, const std::string& aKey, int aWidth, int aHeight);
    bool FillsCell(const std::string& aSource);

    TRendererPaths FPaths;
    std::map<std::string, TRaster> FRendered;
};

} // namespace typ::pictures
