#pragma once

// Seams for the clock and the system's short date and time texts, so that the
// session can run on a fixed "now" in tests and in orvenda-cli --now.

#include "engine/date.h"

#include <functional>
#include <string>

namespace orvenda {

struct ClockSeams {
    // The local date and time.
    std::function<TDateRec()> now;
    // The system's short date text of a moment (the locale's %x).
    std::function<std::string(TDateRec)> shortDate;
    // The system's time text of a moment (the locale's %X).
    std::function<std::string(TDateRec)> shortTime;
};

// The real clock and the C library's locale texts (call setlocale first).
ClockSeams SystemClock();
// A clock that always says `moment`, with the locale's texts.
ClockSeams FixedClock(TDateRec moment);

// strftime of a moment under the current C locale.
std::string LocaleDateTimeText(TDateRec moment, const char* format);

} // namespace orvenda
