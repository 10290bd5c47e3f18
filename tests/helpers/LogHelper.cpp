// A second process for the logging tests, since what they prove is how log
// writers of different processes meet at one file.
//
//   typ_log_helper hold <file> <milliseconds> <ready-marker>
//       holds the file under an exclusive open, creates the marker, waits,
//       and lets go.
//   typ_log_helper append <folder> <file-name> <lines> <tag> <ready-marker> <go-marker>
//       creates the ready marker, waits for the go marker, then appends the
//       lines "<tag> <n>" through a text writer. Exits with the number of
//       lines that were not appended.

#include "charconv/UnicodeBytes.h"
#include "logging/TextWriter.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using namespace typ;

constexpr int kWaitForGoMs = 60000;

int Hold(const std::u16string& file, int milliseconds, const std::u16string& ready) {
    const auto held = FileSystem().OpenExclusive(file);
    if (held == nullptr || !FileSystem().WriteWholeFile(ready, "")) {
        return 100;
    }
    Clock().Sleep(milliseconds);
    return 0;
}

int Append(const std::u16string& folder, const std::u16string& name, int lines,
           const std::u16string& tag, const std::u16string& ready, const std::u16string& go) {
    TTextWriter writer;
    writer.PropText().SetPath(folder);
    writer.PropText().SetFileName(name);
    writer.PropText().SetMaxSize(0);
    writer.PropText().SetThreadID(tag);
    FileSystem().WriteWholeFile(ready, "");
    for (int waited = 0; !FileSystem().FileExists(go); waited += 5) {
        if (waited > kWaitForGoMs) {
            return 100;
        }
        Clock().Sleep(5);
    }
    int lost = 0;
    for (int i = 0; i < lines; ++i) {
        lost += writer.Write(ltAudit, tag + u" " + DecodeUtf8(std::to_string(i))) ? 0 : 1;
    }
    return std::min(lost, 99);
}

} // namespace

int main(int argc, char** argv) {
    const auto arg = [argv](int i) { return DecodeUtf8(argv[i]); };
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "hold" && argc == 5) {
        return Hold(arg(2), std::atoi(argv[3]), arg(4));
    }
    if (mode == "append" && argc == 8) {
        return Append(arg(2), arg(3), std::atoi(argv[4]), arg(5), arg(6), arg(7));
    }
    return 101;
}
