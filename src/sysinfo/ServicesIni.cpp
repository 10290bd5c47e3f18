#include "sysinfo/ServicesIni.h"

#include "environment/StrUtils.h"
#include "environment/VnPaths.h"
#include "logging/IniFile.h"
#include "logging/TextEncoding.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace typ {
namespace {

constexpr std::u16string_view kSection = u"SysInfoService";
constexpr std::u16string_view kKey = u"ReattemptsSleep";
constexpr int kDefaultSeconds = 2;
// Largest number of seconds whose milliseconds still fit the wait.
constexpr int kMaxSeconds = INT_MAX / 1000;

std::optional<int> ReadSeconds(const std::u16string& text) {
    const TIniFile ini(text);
    for (const auto& [key, value] : ini.SectionValues(kSection))
        if (SameText(key, kKey))
            return StrToInt(value);
    return std::nullopt;
}

bool IsSectionLine(const std::u16string& line) {
    const std::u16string trimmed = Trim(line);
    return trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']';
}

bool IsSection(const std::u16string& line, std::u16string_view name) {
    const std::u16string trimmed = Trim(line);
    return IsSectionLine(line) &&
           SameText(Trim(std::u16string_view(trimmed).substr(1, trimmed.size() - 2)), name);
}

bool IsKeyLine(const std::u16string& line, std::u16string_view key) {
    const std::size_t equals = line.find(u'=');
    return equals != std::u16string::npos &&
           SameText(Trim(std::u16string_view(line).substr(0, equals)), key);
}

// Sets the key's line in the section, or adds it after the section's last
// line, or adds the section at the end.
void SetValue(std::vector<std::u16string>& lines, const std::u16string& keyLine) {
    const auto section = std::find_if(lines.begin(), lines.end(),
                                      [](const auto& line) { return IsSection(line, kSection); });
    if (section == lines.end()) {
        lines.push_back(u"[" + std::u16string(kSection) + u"]");
        lines.push_back(keyLine);
        return;
    }
    auto end = std::find_if(section + 1, lines.end(), IsSectionLine);
    const auto key =
        std::find_if(section + 1, end, [](const auto& line) { return IsKeyLine(line, kKey); });
    if (key != end) {
        *key = keyLine;
        return;
    }
    while (end != section + 1 && IsBlank(*(end - 1)))
        --end;
    lines.insert(end, keyLine);
}

// Writing is a courtesy to whoever edits the file: a file that cannot be
// written leaves the default in force all the same.
void WriteDefault(const std::u16string& path, const TDecodedText& loaded) {
    std::vector<std::u16string> lines = SplitLines(loaded.Text);
    SetValue(lines, std::u16string(kKey) + u"=" + IntToStr(kDefaultSeconds));
    FileSystem().WriteWholeFile(path, EncodeText(JoinLines(lines), loaded.Encoding));
}

} // namespace

std::u16string ServicesIniPath() {
    return TVnPaths::ApplicationData_Velnor(u"") + u"Services.Ini";
}

int ReadReattemptsSleep() {
    const std::u16string path = ServicesIniPath();
    if (!FileSystem().FileExists(path))
        return kDefaultSeconds * 1000;
    TDecodedText loaded;
    try {
        loaded = DecodeText(FileSystem().ReadWholeFile(path));
    } catch (const EFileError&) {
        return kDefaultSeconds * 1000;
    }
    std::optional<int> seconds = ReadSeconds(loaded.Text);
    if (!seconds || *seconds == -1) {
        WriteDefault(path, loaded);
        seconds = kDefaultSeconds;
    }
    // A negative wait means nothing; it is no wait rather than an endless one.
    return std::clamp(*seconds, 0, kMaxSeconds) * 1000;
}

} // namespace typ
