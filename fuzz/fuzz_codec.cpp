// The decoders and the line reader: any bytes decode to valid UTF-8,
// Windows-1251 bytes come back unchanged, and the line reader keeps every
// character and its limit.

#include "engine/codec.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace orvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (TextEncoding encoding : {TextEncoding::Windows1251, TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
        ORVENDA_FUZZ_CHECK(IsValidUtf8(DecodeText(bytes, encoding)));
        (void)EncodeText(bytes, encoding);
    }
    const EncodedText back = EncodeText(Cp1251ToUtf8(bytes), TextEncoding::Windows1251);
    ORVENDA_FUZZ_CHECK(back.complete() && back.bytes == bytes);

    const std::string text = DecodeText(bytes, DetectEncoding(bytes));
    std::string whole;
    {
        LineReader reader(text);
        std::string line;
        while (reader.ReadLine(line)) {
            whole += line;
        }
    }
    // The limit comes from the input too: 0 (taken as 1) to 255.
    const std::size_t limit = size > 0 ? data[0] : 0;
    LineReader reader(text);
    std::string pieces;
    std::string piece;
    std::size_t reads = 0;
    while (reader.ReadLine(piece, limit)) {
        ORVENDA_FUZZ_CHECK(++reads <= text.size());
        ORVENDA_FUZZ_CHECK(Utf8Length(piece) <= (limit == 0 ? 1 : limit));
        pieces += piece;
    }
    ORVENDA_FUZZ_CHECK(pieces == whole);
    return 0;
}
