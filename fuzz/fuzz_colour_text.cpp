// The colour texts of the scheme files: whatever a text gives is written and
// read back to itself.

#include "config/colour_text.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

using namespace orvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto colour = ColourOfText(text)) {
        ORVENDA_FUZZ_CHECK(ColourOfText(ColourText(*colour)) == *colour);
    }
    if (size >= sizeof(TColor)) {
        TColor colour = 0;
        std::memcpy(&colour, data, sizeof colour);
        ORVENDA_FUZZ_CHECK(ColourOfText(ColourText(colour)) == colour);
    }
    return 0;
}
