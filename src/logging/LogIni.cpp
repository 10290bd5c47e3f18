#include "logging/LogIni.h"

#include "environment/StrUtils.h"
#include "environment/VnPaths.h"
#include "logging/IniFile.h"
#include "logging/LogIniHelp.h"
#include "logging/LogKeys.h"
#include "logging/TextEncoding.h"
#include "platform/FileSystem.h"

#include <utility>

namespace typ {
namespace {

const std::u16string kFileName = u"Log.Ini";
const std::u16string kHelpSection = u"LogFileHelp";
const std::u16string kGlobalSection = u"GLOBAL";

std::u16string SectionText(const TIniFile& ini, const std::u16string& name) {
    std::u16string text;
    for (const auto& [key, value] : ini.SectionValues(name))
        text.append(key).append(u"=").append(value).append(u"\r\n");
    return text;
}

} // namespace

TLogIni::TLogIni(std::u16string aProcessName, std::u16string aProcessID)
    : FProcessName(std::move(aProcessName)), FProcessID(std::move(aProcessID)),
      FConfigFile(TVnPaths::ApplicationData_Velnor(u"") + kFileName) {}

void TLogIni::SetOnGetDefaultConfiguration(TOnGetDefaultConfigurationEvent event) {
    FOnGetDefConf = std::move(event);
}

std::u16string TLogIni::ReadIni() {
    std::u16string result;
    if (!FileSystem().FileExists(FConfigFile))
        CreateConfigFile();
    if (!FileSystem().FileExists(FConfigFile))
        return result;
    const TIniFile ini(DecodeText(FileSystem().ReadWholeFile(FConfigFile)).Text);
    CompleteConfigFile(ini);
    result += SectionText(ini, kGlobalSection);
    if (!FProcessName.empty()) {
        result += SectionText(ini, FProcessName);
        if (!FProcessID.empty())
            result += SectionText(ini, FProcessName + u"_" + FProcessID);
    }
    return result;
}

std::vector<std::u16string> TLogIni::DefaultGlobalLines() const {
    std::vector<std::u16string> lines = {u"[" + kGlobalSection + u"]",
                                         std::u16string(kKeyDebug) + u"=1"};
    if (FOnGetDefConf)
        for (auto& line : SplitLines(FOnGetDefConf()))
            lines.push_back(std::move(line));
    return lines;
}

void TLogIni::CreateConfigFile() const {
    try {
        std::vector<std::u16string> lines = LogFileHelpLines();
        for (auto& line : DefaultGlobalLines())
            lines.push_back(std::move(line));
        FileSystem().WriteWholeFile(FConfigFile, EncodeText(JoinLines(lines), TTextEncoding::Ansi));
    } catch (...) {
        // A file that cannot be written is simply not there; the writers then
        // use their own defaults.
    }
}

void TLogIni::CompleteConfigFile(const TIniFile& ini) const {
    if (!ini.SectionExists(kHelpSection)) {
        EditConfigFile([](std::vector<std::u16string>& lines) {
            const auto& help = LogFileHelpLines();
            lines.insert(lines.begin(), help.begin(), help.end());
        });
    }
    if (!ini.SectionExists(kGlobalSection)) {
        EditConfigFile([this](std::vector<std::u16string>& lines) {
            for (auto& line : DefaultGlobalLines())
                lines.push_back(std::move(line));
        });
    }
}

void TLogIni::EditConfigFile(const std::function<void(std::vector<std::u16string>&)>& edit) const {
    try {
        const TDecodedText loaded = DecodeText(FileSystem().ReadWholeFile(FConfigFile));
        std::vector<std::u16string> lines = SplitLines(loaded.Text);
        edit(lines);
        FileSystem().WriteWholeFile(FConfigFile, EncodeText(JoinLines(lines), loaded.Encoding));
    } catch (...) {
        // Completing is a courtesy to the people who read the file: a file
        // that is read-only or in use stays as it is.
    }
}

} // namespace typ
