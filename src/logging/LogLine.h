#pragma once

#include "platform/Clock.h"

#include <string>

namespace typ {

// "yyyy/mm/dd hh:mm:ss:zzz", the time stamp that starts every log line.
std::u16string LogTimeStamp(const TDateTime& time);
// "yyyymmddhhmmsszzz", the suffix of a log file kept as history.
std::u16string HistoryTimeStamp(const TDateTime& time);
// The time of day in millionths of a day (0 to 999999), as decimal text:
// tells apart the lines of log objects and threads that share a file.
std::u16string NewInstanceId();

} // namespace typ
