// The event and saying file readers, in memory and through the loaders: any
// file gives records numbered 1, 2, ... in file order, and the loaders
// never lose count of them.

#include "engine/codec.h"
#include "engine/utf8.h"
#include "events/event_format.h"
#include "events/loader.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/random_input.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace orvenda;

namespace {

const fuzzing::ScratchFolder& scratch()
{
    static const fuzzing::ScratchFolder folder("fuzz-event-file");
    return folder;
}

// The usual records are read a quicker way: both ways give the same records.
bool sameRecords(const EventFileRecord& a, const EventFileRecord& b)
{
    return a.status == b.status && a.ordinal == b.ordinal && a.lineNumber == b.lineNumber &&
           a.offset == b.offset && a.astro == b.astro && a.weekday == b.weekday && a.week == b.week &&
           a.day == b.day && a.month == b.month && a.year == b.year && a.date == b.date &&
           a.daysBefore == b.daysBefore && a.daysAfter == b.daysAfter && a.active == b.active &&
           a.text == b.text && a.textBytes == b.textBytes && a.source == b.source &&
           a.sourceLines == b.sourceLines;
}

void readEvents(const std::string& text, std::size_t headerLimit)
{
    EventFileReader reader(text, headerLimit);
    EventFileReader general(text, headerLimit);
    general.QuickReadingOff();
    EventFileRecord record;
    EventFileRecord generalRecord;
    int expected = 0;
    while (reader.Next(record)) {
        ORVENDA_FUZZ_CHECK(general.Next(generalRecord) && sameRecords(record, generalRecord));
        ORVENDA_FUZZ_CHECK(record.ordinal == ++expected);
        ORVENDA_FUZZ_CHECK(static_cast<std::size_t>(expected) <= text.size());
        ORVENDA_FUZZ_CHECK(Utf8Length(record.text) <= EventLineLimit);
        ORVENDA_FUZZ_CHECK(record.status == EventFileRecord::Read || !record.sourceLines.empty());
    }
    ORVENDA_FUZZ_CHECK(!general.Next(generalRecord));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeText(bytes, DetectEncoding(bytes));
    readEvents(text, EventHeaderLimit);
    readEvents(text, SayingHeaderLimit);
    for (const SayingFileContent& content :
         {ReadSayingFile(text), ReadSayingFileAs(text, EventFileFormat::WisdomBy)}) {
        for (const TSayingRec& saying : content.sayings) {
            ORVENDA_FUZZ_CHECK(Utf8Length(saying.Text) <= SayingLineLimit);
            ORVENDA_FUZZ_CHECK(Utf8Length(saying.Author) <= AuthorLineLimit);
        }
    }

    // The same bytes as a listed event file, as a listed saying file and as
    // the fixed saying file.
    const std::string folder = scratch().Folder();
    if (!fuzzing::WriteBytes(folder + "input.evt", bytes) ||
        !fuzzing::WriteBytes(folder + OrientalPearlsFileName, bytes)) {
        return 0;
    }
    Journal journal;
    const EventLoadResult events =
        LoadEventFiles({{folder, "input.evt"}, {folder, "input.evt"}}, MakeDate(2007, 3, 15), journal);
    if (!events.failed) {
        // Both copies alike, ordinals rising within each.
        ORVENDA_FUZZ_CHECK(events.events.size() % 2 == 0);
        const std::size_t half = events.events.size() / 2;
        int previous = 0;
        for (std::size_t k = 0; k < half; ++k) {
            ORVENDA_FUZZ_CHECK(events.events[k].Ordinal > previous);
            previous = events.events[k].Ordinal;
            ORVENDA_FUZZ_CHECK(events.events[half + k].Ordinal == previous);
            ORVENDA_FUZZ_CHECK(events.events[half + k].Text == events.events[k].Text);
        }
    }
    ORVENDA_FUZZ_CHECK(!events.missingFile);
    const SayingLoadResult sayings = LoadSayingFiles({{folder, "input.evt"}}, folder, journal);
    ORVENDA_FUZZ_CHECK(!sayings.missingFile);
    return 0;
}
