#pragma once

#include <functional>
#include <string>
#include <vector>

namespace typ {

class TIniFile;

// Supplies the keys of a new [GLOBAL] section as key=value lines.
using TOnGetDefaultConfigurationEvent = std::function<std::u16string()>;

// Log.Ini, the configuration shared by every program of the maker that logs:
// created when missing, completed when its help or [GLOBAL] section is
// missing, and read for one process. Created for one read, then dropped.
class TLogIni {
public:
    // The file is Log.Ini in the maker's common folder, or the bare name when
    // that folder cannot be had. Touches no file.
    TLogIni(std::u16string aProcessName, std::u16string aProcessID);

    // The lines of [GLOBAL], then of [process name], then of [process
    // name_ID], each key=value line ended by CR LF; empty without a file.
    // Errors of creating or completing the file are swallowed; an error
    // loading an existing file (EFileError) reaches the caller.
    std::u16string ReadIni();

    const std::u16string& ConfigFile() const { return FConfigFile; }
    const TOnGetDefaultConfigurationEvent& OnGetDefaultConfiguration() const {
        return FOnGetDefConf;
    }
    void SetOnGetDefaultConfiguration(TOnGetDefaultConfigurationEvent event);

private:
    std::vector<std::u16string> DefaultGlobalLines() const;
    void CreateConfigFile() const;
    void CompleteConfigFile(const TIniFile& ini) const;
    // Rewrites the file on disk through edit, in the encoding it was read in.
    void EditConfigFile(const std::function<void(std::vector<std::u16string>&)>& edit) const;

    std::u16string FProcessName;
    std::u16string FProcessID;
    std::u16string FConfigFile;
    TOnGetDefaultConfigurationEvent FOnGetDefConf;
};

} // namespace typ
