// imagegen: makes every image module's lists, and the editor's own pictures,
// from the picture table, as 32-bit BMP strips and the resource script that
// embeds them.
#include "ModuleStrips.h"
#include "PictureTable.h"
#include "SourceRenderer.h"

#include <iostream>
#include <string_view>

namespace {

struct TOptions {
    std::filesystem::path Table;
    std::filesystem::path Output;
    std::filesystem::path Script;
    typ::pictures::TRendererPaths Paths;
};

constexpr std::string_view kUsage = "usage: imagegen --table FILE --shapes DIR --icons DIR --rsvg "
                                    "PROGRAM --cache DIR --out DIR --rc FILE\n";

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    options.Paths.Rsvg = "rsvg-convert";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--table")
            options.Table = value;
        else if (name == "--shapes")
            options.Paths.Shapes = value;
        else if (name == "--icons")
            options.Paths.Icons = value;
        else if (name == "--rsvg")
            options.Paths.Rsvg = value;
        else if (name == "--cache")
            options.Paths.Cache = value;
        else if (name == "--out")
            options.Output = value;
        else if (name == "--rc")
            options.Script = value;
        else
            throw std::invalid_argument("unknown option " + std::string(name));
    }
    if (argc % 2 == 0 || options.Table.empty() || options.Output.empty() ||
        options.Script.empty() || options.Paths.Shapes.empty() || options.Paths.Icons.empty() ||
        options.Paths.Cache.empty())
        throw std::invalid_argument("missing option");
    return options;
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const std::invalid_argument& error) {
        std::cerr << "imagegen: " << error.what() << "\n" << kUsage;
        return 1;
    }
    try {
        const auto table = typ::pictures::ParsePictureTable(typ::pictures::ReadFile(options.Table));
        typ::pictures::TSourceRenderer renderer(options.Paths);
        const auto strips = typ::pictures::AllStrips(table, renderer);
        typ::pictures::WriteResources(strips, options.Output, options.Script);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "imagegen: " << error.what() << "\n";
        return 2;
    }
}
