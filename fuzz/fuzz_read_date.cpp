// The date and number readers, and the date formatter with the input as its
// pattern: any text gives a record, and the program's full patterns read
// back to that record.

#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/numbers.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const DateOrder order : {DayFirst, YearFirst}) {
        for (TDateRec def : {DefaultDate, ZeroDate, UnsetDateTime}) {
            const TDateRec date = ReadDate(text, order, def);
            ORVENDA_FUZZ_CHECK(ReadDate(FormatDate(date, "z"), YearFirst, ZeroDate) == date);
            ORVENDA_FUZZ_CHECK(ReadDate(FormatDate(date, "Z"), DayFirst, UnsetDateTime) == date);
            // Every pattern letter on whatever the text gave, valid or not.
            (void)FormatDate(date, text.substr(0, 64));
        }
    }
    (void)ReadYMD(text);
    const auto small = ParseInt32(text);
    const auto wide = ParseInt64(text);
    ORVENDA_FUZZ_CHECK(!small || (wide && *wide == *small));
    return 0;
}
