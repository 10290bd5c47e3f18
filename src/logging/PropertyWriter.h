#pragma once

#include <string>
#include <utility>

namespace typ {

// The settings of a log writer, kept as properties and turned to and from
// the key=value text of Log.Ini.
class TPropertyWriter {
public:
    virtual ~TPropertyWriter() = default;

    // Archivo_Texto_Nivel and Archivo_Texto_Mostrar_Usuario, each line ended
    // by CR LF; booleans as "0" and "-1".
    virtual std::u16string GetProps() const;
    // Level, user flag and ThreadID from a key=value text.
    virtual void SetProps(const std::u16string& aValue);

    bool OSCurrentUser() const { return FOSCurrentUser; }
    void SetOSCurrentUser(bool value) { FOSCurrentUser = value; }
    bool ShowProcessName() const { return FShowProcessName; }
    void SetShowProcessName(bool value) { FShowProcessName = value; }
    int Level() const { return FLevel; }
    void SetLevel(int value) { FLevel = value; }
    const std::u16string& ThreadID() const { return FThreadID; }
    void SetThreadID(std::u16string value) { FThreadID = std::move(value); }

private:
    bool FOSCurrentUser = false;
    bool FShowProcessName = false;
    int FLevel = 7;
    std::u16string FThreadID;
};

// The settings of a text log file: folder, name, size limit, history and
// indentation, besides those of every writer.
class TPropertyTextWriter : public TPropertyWriter {
public:
    // Level 7, no user, size limit 1024 KB, no history, the default folder
    // and name, one blank of indentation, the nesting counter at -1.
    TPropertyTextWriter();

    std::u16string GetProps() const override;
    void SetProps(const std::u16string& aValue) override;

    const std::u16string& Path() const { return FPath; }
    // Blank gives the default folder (the maker's Logs folder, created).
    void SetPath(const std::u16string& value);
    const std::u16string& FileName() const { return FFileName; }
    // Blank gives the default name: the program's file name with ".log".
    void SetFileName(const std::u16string& value);
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int value) { FMaxSize = value; }
    bool SaveHistory() const { return FSaveHistory; }
    void SetSaveHistory(bool value) { FSaveHistory = value; }
    const std::u16string& Tabs() const { return FTabs; }
    void SetTabs(std::u16string value) { FTabs = std::move(value); }
    // Nesting of ltStart / ltDown entries.
    int TabCount() const { return FTabCount; }
    void SetTabCount(int value) { FTabCount = value; }

    static std::u16string DefaultPath();
    static std::u16string DefaultFileName();

private:
    std::u16string FPath;
    int FMaxSize = 1024;
    bool FSaveHistory = false;
    std::u16string FFileName;
    std::u16string FTabs = u" ";
    int FTabCount = -1;
};

} // namespace typ
