#pragma once

#include "logging/PropertyWriter.h"
#include "logging/WriterLog.h"

#include <string>

namespace typ {

// Writes entries as lines of a text log file shared with other threads and
// processes: each line is appended under an exclusive open (up to four
// attempts, 100 ms apart; a failed attempt leaves no part of the line), a new
// file starts with a five-line header, and a file past its size limit is set
// aside before the next line.
class TTextWriter : public TWriterLog {
public:
    using TWriterLog::Write;

    // Rotation, header, line; true when the message line was appended. Never raises.
    bool Write(TLogType aLogType, const std::u16string& aMessage) override;
    // Applies a key=value text: when global, every key (absent ones with their
    // defaults); otherwise only the keys present. An empty text changes nothing.
    void Initialize(const std::u16string& aText, bool Global);

    TPropertyTextWriter& PropText() { return FPropText; }
    const TPropertyTextWriter& PropText() const { return FPropText; }

private:
    std::u16string LogFilePath() const;
    void RotateIfNeeded(const std::u16string& file) const;
    void WriteHeader();
    bool WriteLine(TLogType aLogType, const std::u16string& aMessage);
    std::u16string IndentFor(TLogType aLogType);
    std::u16string Origin() const;
    bool AppendLine(const std::u16string& line) const;

    TPropertyTextWriter FPropText;
};

} // namespace typ
