#include "ModuleStrips.h"

#include "BmpStrip.h"
#include "Compose.h"
#include "images/ImageModules.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <stdexcept>

namespace typ::pictures {
namespace {

constexpr const char* kEditorPictures[] = {"ImportarTyp", "ExportarTyp"};

std::uint32_t Rgb(const TRgb& colour) {
    return (std::uint32_t{colour.R} << 16) | (std::uint32_t{colour.G} << 8) | colour.B;
}

const TPictureRecipe& RecipeOf(const std::map<std::string, TPictureRecipe, std::less<>>& table,
                               std::string_view name) {
    const auto found = table.find(name);
    if (found == table.end())
        throw std::runtime_error("the picture table has no row for " + std::string(name));
    return found->second;
}

TStrip ListStrip(const TImageModule& module, const TImageListLayout& list,
                 const std::map<std::string, TPictureRecipe, std::less<>>& table,
                 TSourceRenderer& renderer) {
    TStrip strip{ResourceName(module, list), {}, {}};
    for (int i = 0; i < list.Count; ++i) {
        const std::string_view name =
            ImageEnumName(module.Pictures[static_cast<std::size_t>(list.First + i)]);
        TRaster cell = renderer.Picture(RecipeOf(table, name), list.Width, list.Height);
        if (list.Background)
            FlattenOn(cell, Rgb(*list.Background));
        else if (list.Kind == TImageKind::Bmp)
            FlattenForMask(cell);
        strip.Names.emplace_back(name);
        strip.Cells.push_back(std::move(cell));
    }
    return strip;
}

TStrip EditorStrip(const std::map<std::string, TPictureRecipe, std::less<>>& table,
                   TSourceRenderer& renderer) {
    TStrip strip{"TFrmEditorTYP_16_Bmp", {}, {}};
    for (const char* name : kEditorPictures) {
        TRaster cell = renderer.Picture(RecipeOf(table, name), 16, 16);
        FlattenForMask(cell);
        strip.Names.emplace_back(name);
        strip.Cells.push_back(std::move(cell));
    }
    return strip;
}

void CheckEveryRowShown(const std::map<std::string, TPictureRecipe, std::less<>>& table,
                        const std::vector<TStrip>& strips) {
    std::set<std::string, std::less<>> shown;
    for (const TStrip& strip : strips)
        shown.insert(strip.Names.begin(), strip.Names.end());
    for (const auto& [name, recipe] : table)
        if (!shown.contains(name))
            throw std::runtime_error("the picture table names " + name + ", which no list shows");
}

bool Blank(const TRaster& cell) {
    std::size_t opaque = 0;
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i < cell.Rgba.size(); i += 4) {
        const std::uint8_t* p = cell.Rgba.data() + i;
        if (p[3] < 128)
            continue;
        ++opaque;
        colours.insert((std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
    }
    return opaque * 12 < static_cast<std::size_t>(cell.Width * cell.Height) || colours.size() < 2;
}

} // namespace

TRaster TStrip::Picture() const {
    TRaster picture(Cells.front().Width * static_cast<int>(Cells.size()), Cells.front().Height);
    for (std::size_t i = 0; i < Cells.size(); ++i)
        for (int y = 0; y < Cells[i].Height; ++y)
            for (int x = 0; x < Cells[i].Width; ++x)
                std::copy_n(Cells[i].At(x, y), 4,
                            picture.At(static_cast<int>(i) * Cells[i].Width + x, y));
    return picture;
}

void CheckCells(const TStrip& aStrip) {
    for (std::size_t i = 0; i < aStrip.Cells.size(); ++i) {
        if (Blank(aStrip.Cells[i]))
            throw std::runtime_error(aStrip.ResourceName + ": " + aStrip.Names[i] + " is blank");
        for (std::size_t j = 0; j < i; ++j)
            if (aStrip.Cells[i] == aStrip.Cells[j])
                throw std::runtime_error(aStrip.ResourceName + ": " + aStrip.Names[j] + " and " +
                                         aStrip.Names[i] + " look the same");
    }
}

std::vector<TStrip> AllStrips(const std::map<std::string, TPictureRecipe, std::less<>>& aTable,
                              TSourceRenderer& aRenderer) {
    std::vector<TStrip> strips;
    for (const TImageModule& module : ImageModules())
        for (const TImageListLayout& list : module.Lists)
            strips.push_back(ListStrip(module, list, aTable, aRenderer));
    strips.push_back(EditorStrip(aTable, aRenderer));
    for (const TStrip& strip : strips)
        CheckCells(strip);
    CheckEveryRowShown(aTable, strips);
    return strips;
}

void WriteResources(const std::vector<TStrip>& aStrips, const std::filesystem::path& aFolder,
                    const std::filesystem::path& aScript) {
    std::filesystem::create_directories(aFolder);
    std::string script = "// Made by imagegen from images/pictures.tsv; not edited by hand.\n";
    for (const TStrip& strip : aStrips) {
        const auto file = aFolder / (strip.ResourceName + ".bmp");
        std::ofstream out(file, std::ios::binary);
        if (!(out << EncodeBmp32(strip.Picture())))
            throw std::runtime_error("cannot write " + file.string());
        script += strip.ResourceName + " RCDATA \"" + file.generic_string() + "\"\n";
    }
    std::ofstream out(aScript, std::ios::binary);
    if (!(out << script))
        throw std::runtime_error("cannot write " + aScript.string());
}

} // namespace typ::pictures
