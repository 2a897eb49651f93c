#pragma once

// Who opened the month calendar: the window that shows it sets a caller key,
// and a picked date goes to that window.

#include <string_view>

namespace orvenda {

enum class CalendarCaller { None, Main, Calc };

// "main" and "calc" in any letter case name the main window and the date
// calculator; any other key names nobody.
CalendarCaller CallerOfKey(std::string_view key);

inline constexpr const char* MainCallerKey = "Main";
inline constexpr const char* CalcCallerKey = "Calc";

} // namespace orvenda
