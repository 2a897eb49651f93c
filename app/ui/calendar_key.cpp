#include "app/ui/calendar_key.h"

#include "engine/utf8.h"

namespace orvenda {

CalendarCaller CallerOfKey(std::string_view key)
{
    const std::string lower = ToLowerAscii(key);
    if (lower == "main")
        return CalendarCaller::Main;
    if (lower == "calc")
        return CalendarCaller::Calc;
    return CalendarCaller::None;
}

} // namespace orvenda
