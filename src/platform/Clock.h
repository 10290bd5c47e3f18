#pragma once

namespace typ {

// A local calendar date and time to the millisecond. All fields zero stands
// for "no date" (the zero date of the system's date-time values).
struct TDateTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;

    bool operator==(const TDateTime&) const = default;
};

// The time source and the way to wait. Logging stamps every line with Now()
// and waits between attempts at a busy log file with Sleep().
class TClock {
public:
    virtual ~TClock() = default;
    virtual TDateTime Now() const = 0;
    virtual void Sleep(int milliseconds) const = 0;
};

// The operating system's clock, defined by the platform implementation.
TClock& SystemClock();

// The clock the core uses: the system clock unless SetClock installed another.
TClock& Clock();

// Installs a clock for the whole process (nullptr restores the system clock),
// for runs that need a fixed time. Not to be called while other threads log.
void SetClock(TClock* clock);

} // namespace typ
