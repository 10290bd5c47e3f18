#include "environment/FilePath.h"
#include "logging/TextWriter.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace typ {
namespace {

// One folder for the run, in the temporary folder; the maker's common folder
// (where a writer finds its default folder) is pointed there too.
const std::filesystem::path& BenchFolder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "typ_log_bench";
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        setenv("ProgramData", path.c_str(), 1);
        return path;
    }();
    return folder;
}

// Every line opens the file exclusively, appends and closes it, as log
// writers of several threads and processes sharing one file do. A writer that
// finds the file busy waits 100 ms before trying again, so contention shows
// in the figures; lines given up after four attempts are counted as lost.
void AppendLines(benchmark::State& state) {
    TTextWriter writer;
    writer.PropText().SetPath(IncludeTrailingPathDelimiter(BenchFolder().u16string()));
    writer.PropText().SetFileName(
        u"bench" + std::u16string(1, u'0' + static_cast<char16_t>(state.threads())) + u".log");
    writer.PropText().SetMaxSize(0);
    writer.PropText().SetThreadID(u"512345");
    const std::u16string message =
        u"Línea de prueba del registro, hilo " +
        std::u16string(1, u'0' + static_cast<char16_t>(state.thread_index()));
    std::int64_t lost = 0;
    for (auto _ : state)
        lost += writer.Write(ltAudit, message) ? 0 : 1;
    state.SetItemsProcessed(state.iterations());
    state.counters["lost"] =
        benchmark::Counter(static_cast<double>(lost), benchmark::Counter::kAvgThreads);
}

BENCHMARK(AppendLines)->Threads(1)->Threads(4)->UseRealTime()->MinTime(2.0);

} // namespace
} // namespace typ
