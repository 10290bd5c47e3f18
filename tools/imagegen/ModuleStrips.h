#pragma once

#include "PictureTable.h"
#include "Raster.h"
#include "SourceRenderer.h"

#include <filesystem>
#include <string>
#include <vector>

namespace typ::pictures {

// One embedded resource: a list's cells side by side, left to right in
// position order, with the names of the pictures they show.
struct TStrip {
    std::string ResourceName;
    std::vector<std::string> Names;
    std::vector<TRaster> Cells;
    TRaster Picture() const;
};

// Every list of every image module, and the editor's own import and export
// pictures ("TFrmEditorTYP_16_Bmp": ImportarTyp, ExportarTyp).
// Throws std::runtime_error naming the picture when the table lacks one of
// them, names a picture nobody shows, or a list would hold a blank cell or
// two identical cells.
std::vector<TStrip> AllStrips(const std::map<std::string, TPictureRecipe, std::less<>>& aTable,
                              TSourceRenderer& aRenderer);

// Checks one list's cells: none blank (a single colour or nearly empty), no
// two alike. Throws std::runtime_error naming the pictures.
void CheckCells(const TStrip& aStrip);

// Writes each strip as <ResourceName>.bmp into aFolder and the resource
// script aScript that embeds them as RCDATA under their names.
void WriteResources(const std::vector<TStrip>& aStrips, const std::filesystem::path& aFolder,
                    const std::filesystem::path& aScript);

} // namespace typ::pictures
