#include "sysinfo/SysInfoCache.h"

#include "charconv/Windows1252.h"
#include "environment/StrUtils.h"
#include "platform/Clock.h"
#include "sysinfo/HexText.h"

#include <charconv>
#include <string_view>

namespace typ {
namespace {

constexpr std::u16string_view kLastRead = u"LastRead=";
constexpr std::u16string_view kFailureMark = u"SysInfoException";
// How much of the text after "LastRead=" is read as the time.
constexpr std::size_t kTimeTextLimit = 100;
constexpr double kLifetimeDays = 1.0 / 1440.0;

// Days since the civil date 1970-01-01 (proleptic Gregorian calendar).
long long DaysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

// The time as days (with fraction) since 1899-12-30, the day count in which
// the system writes times.
double Days(const TDateTime& time) {
    const long long days =
        DaysFromCivil(time.Year, time.Month, time.Day) - DaysFromCivil(1899, 12, 30);
    const long long millis =
        ((time.Hour * 60LL + time.Minute) * 60LL + time.Second) * 1000LL + time.Millisecond;
    return static_cast<double>(days) + static_cast<double>(millis) / 86400000.0;
}

std::u16string DaysText(double days) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, days);
    return Ascii(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// A time that cannot be read counts as 0, so its entry is always stale.
double DaysOf(std::u16string_view text) {
    std::string narrow;
    for (const char16_t c : text.substr(0, kTimeTextLimit))
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    double days = 0;
    const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), days);
    return result.ec == std::errc() ? days : 0;
}

// A time of storing ahead of now (the local clock was set back) is stale as
// well, or the entry would outlive its 60 seconds by the size of the step.
bool IsStale(double storedDays) {
    const double elapsed = Days(Clock().Now()) - storedDays;
    return elapsed > kLifetimeDays || elapsed < 0;
}

} // namespace

std::u16string TSysInfoCache::Lookup(const std::u16string& key) {
    const auto entry = FEntries.find(LowerCase(key));
    if (entry == FEntries.end())
        return {};
    std::u16string_view value = entry->second;
    double storedDays = 0;
    const std::size_t mark = value.find(kLastRead);
    if (mark != std::u16string_view::npos) {
        storedDays = DaysOf(value.substr(mark + kLastRead.size()));
        value = value.substr(0, mark);
    }
    if (IsStale(storedDays)) {
        FEntries.erase(entry);
        return {};
    }
    return Windows1252Table().Decode(BytesOfHex(value));
}

void TSysInfoCache::Store(const std::u16string& key, const std::u16string& text) {
    Delete(key);
    if (text.find(kFailureMark) != std::u16string::npos)
        return;
    FEntries.emplace(LowerCase(key), HexOf(Windows1252Table().Encode(text)) +
                                         std::u16string(kLastRead) + DaysText(Days(Clock().Now())));
}

void TSysInfoCache::Delete(const std::u16string& key) {
    FEntries.erase(LowerCase(key));
}

void TSysInfoCache::Clear() {
    FEntries.clear();
}

} // namespace typ
