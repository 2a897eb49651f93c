// The colour scheme reader: any file leaves every look usable, and a saved
// scheme reads back the same.

#include "config/schemes.h"
#include "engine/codec.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/random_input.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace orvenda;

namespace {

const fuzzing::ScratchFolder& scratch()
{
    static const fuzzing::ScratchFolder folder("fuzz-scheme");
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string folder = scratch().Folder();
    const std::string path = folder + "input.sch";
    if (!fuzzing::WriteBytes(path, bytes)) {
        return 0;
    }
    Journal journal;
    TLooks looks = DefaultLooks();
    ORVENDA_FUZZ_CHECK(LoadScheme(looks, folder, "input", journal, nullptr));
    for (const TObjectLook& look : looks) {
        ORVENDA_FUZZ_CHECK(look.Alignment >= 0 && look.Alignment <= 2);
        ORVENDA_FUZZ_CHECK(look.FontSize >= 1 && look.FontSize <= 999);
        ORVENDA_FUZZ_CHECK(look.FontStyle <= 15u);
        ORVENDA_FUZZ_CHECK(Utf8Length(look.FontName) <= 99);
    }
    ORVENDA_FUZZ_CHECK(SaveScheme(looks, folder, "input", journal).ok());
    const std::string written = fuzzing::ReadBytes(path);
    // A file whose remaining bytes now look like another encoding reads differently.
    if (DetectEncoding(written) != DetectEncoding(bytes) && !fuzzing::IsAscii(written)) {
        return 0;
    }
    TLooks back = DefaultLooks();
    ORVENDA_FUZZ_CHECK(LoadScheme(back, folder, "input", journal, nullptr));
    ORVENDA_FUZZ_CHECK(back == looks);
    return 0;
}
