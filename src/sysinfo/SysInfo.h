#pragma once

#include "sysinfo/SysInfoLines.h"

#include <memory>
#include <string>
#include <string_view>

namespace typ {

// A record of the system-information service: its line list and the
// key=value lines its typed writes changed, which the gateway sends. A record
// either owns its line list or is a view on the list of the record that made
// it (and never outlives that record, which owns it).
class TSysInfo {
public:
    // A record with its own line list, made from a record text.
    explicit TSysInfo(std::u16string_view SysInfoR);
    // A view on a record's line list.
    explicit TSysInfo(TSysInfoLines& Shared);
    virtual ~TSysInfo() = default;
    TSysInfo(const TSysInfo&) = delete;
    TSysInfo& operator=(const TSysInfo&) = delete;

    // Each stores the value with its tag and appends "key=value<tag>" and a
    // line break to the modified values; always true.
    bool WriteBool(std::u16string_view aProperty, bool aValue);
    bool WriteInteger(std::u16string_view aProperty, int aValue);
    bool WriteString(std::u16string_view aProperty, std::u16string_view aValue);
    // The string's Windows-1252 bytes as upper-case hexadecimal.
    bool WriteBinary(std::u16string_view aProperty, std::u16string_view aValue);

    // Each removes every occurrence of its tag before converting; a missing or
    // empty value gives the default. Malformed values raise EConvertError.
    bool ReadBool(std::u16string_view aProperty, bool aDefault) const;
    int ReadInteger(std::u16string_view aProperty, int aDefault) const;
    std::u16string ReadString(std::u16string_view aProperty) const;
    std::u16string ReadBinary(std::u16string_view aProperty, std::u16string_view aDefault) const;

    // The stored value, tag included; empty when the key is missing.
    std::u16string GetRawValue(std::u16string_view key) const { return FSysInfoR.Value(key); }
    // An empty value removes the key's line.
    void SetRawValue(std::u16string_view key, std::u16string_view value) {
        FSysInfoR.SetValue(key, value);
    }

    // The current text with each line of the fetched text merged in: a key the
    // current text has gets the fetched value, any other line is appended.
    static std::u16string MergeValues(std::u16string_view current, std::u16string_view fetched);

    bool HasException() const { return !ExceptionText().empty(); }
    std::u16string ExceptionText() const { return GetRawValue(u"SysInfoException"); }

    // The record's text, every line followed by CR LF.
    std::u16string Text() const { return FSysInfoR.Text(); }
    const std::u16string& ModifiedValues() const { return FModifiedValues; }
    void ClearModifiedValues() { FModifiedValues.clear(); }

protected:
    TSysInfoLines& Lines() { return FSysInfoR; }
    const TSysInfoLines& Lines() const { return FSysInfoR; }
    // Appends one changed line (the value given as stored).
    void NoteModified(std::u16string_view key, std::u16string_view value);
    // Appends text to the modified values as it is.
    void AppendModified(std::u16string_view text) { FModifiedValues.append(text); }

private:
    bool WriteTagged(std::u16string_view key, std::u16string_view value, std::u16string_view tag);
    std::unique_ptr<TSysInfoLines> FOwnLines; // empty for a view
    TSysInfoLines& FSysInfoR;
    std::u16string FModifiedValues;
};

} // namespace typ
