#include "editor/GridEditor.h"
#include "editor/TypCommands.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace typ {
namespace {

namespace fs = std::filesystem;

// A template as wide as the grid reads a line and as high: 4096 x 4096.
constexpr int kSide = 4096;

fs::path TemplateFile() {
    static const fs::path file = [] {
        const fs::path path = fs::temp_directory_path() / "typfilebench-4096.typ";
        std::string line(kSide, '\xC4');
        std::string bytes;
        for (int i = 0; i < kSide; ++i)
            bytes += (i == 0 ? "" : "\r\n") + line;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }();
    return file;
}

void BM_ImportTyp4096x4096(benchmark::State& state) {
    const fs::path file = TemplateFile();
    TGridEditor grid;
    TTypTransfer transfer;
    for (auto _ : state)
        transfer.actImportarTypExecute(grid, file, [](std::u16string_view) {});
    if (grid.AnchoPagina() != kSide || grid.AltoPagina() != kSide)
        state.SkipWithError("the page was not sized from the file");
}
BENCHMARK(BM_ImportTyp4096x4096)->Unit(benchmark::kMillisecond);

void BM_ExportTyp4096x4096(benchmark::State& state) {
    TGridEditor grid;
    TTypTransfer transfer;
    transfer.actImportarTypExecute(grid, TemplateFile(), [](std::u16string_view) {});
    const fs::path out = fs::temp_directory_path() / "typfilebench-export.typ";
    for (auto _ : state)
        transfer.actExportarTypExecute(grid, out, [](std::u16string_view) { return true; });
    if (fs::file_size(out) != fs::file_size(TemplateFile()))
        state.SkipWithError("the export differs in size from the template");
    fs::remove(out);
}
BENCHMARK(BM_ExportTyp4096x4096)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace typ
