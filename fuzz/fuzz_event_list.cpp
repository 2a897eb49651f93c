// The personal event list's readers: any file adds only entries with a
// valid date, counts every other entry line as skipped, and a list read from
// any file is saved and read back unchanged.

#include "engine/codec.h"
#include "fuzz/fuzz_check.h"
#include "tools/eventlist/event_list.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orvenda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LineReader reader(DecodeText(bytes, DetectEncoding(bytes)));
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);

    EventList list;
    const ImportResult result = ImportEvtListLines(lines, list);
    ORVENDA_FUZZ_CHECK(list.Size() == result.added);
    ORVENDA_FUZZ_CHECK(result.added + result.skipped < lines.size() + 1);
    ORVENDA_FUZZ_CHECK(result.skippedLines.size() == result.skipped);
    for (const EvtListRecord& record : list.Records()) {
        ORVENDA_FUZZ_CHECK(IsValidDate(EvtListRecordDate(record)));
        EntryCharacteristics(record);
    }

    EventList reread;
    const ImportResult again = ImportEvtListLines(EvtListFileLines(list), reread);
    ORVENDA_FUZZ_CHECK(again.skipped == 0);
    ORVENDA_FUZZ_CHECK(reread.Records() == list.Records());

    const LinksGrid grid = MakeLinksGrid(static_cast<int>(size % 62), StarNumbers(bytes));
    ORVENDA_FUZZ_CHECK(grid.columns >= 2 && grid.columns <= kMaxStarRays + 1);
    return 0;
}
