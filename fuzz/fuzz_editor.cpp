// The event and saying file editor: any file it opens numbers its records as
// the loader does, and saves and opens again to the same text.

#include "editors/event_file.h"
#include "engine/codec.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "events/loader.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/random_input.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace orvenda;

namespace {

const fuzzing::ScratchFolder& scratch()
{
    static const fuzzing::ScratchFolder folder("fuzz-editor");
    return folder;
}

std::size_t longestLine(std::string_view text)
{
    std::size_t longest = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        longest = std::max(longest, Utf8Length(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return longest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string folder = scratch().Folder();
    const std::string path = folder + "input.evt";
    if (!fuzzing::WriteBytes(path, bytes)) {
        return 0;
    }
    Journal journal;
    const EventLoadResult loaded = LoadEventFiles({{folder, "input.evt"}}, MakeDate(2007, 3, 15), journal);
    EventFileModel model;
    if (model.Open(path, journal).status != EventFileModel::OpenResult::Opened) {
        ORVENDA_FUZZ_CHECK(loaded.events.empty() && !loaded.failed);
        return 0;
    }
    for (const TEventRec& event : loaded.events) {
        ORVENDA_FUZZ_CHECK(event.Ordinal >= 1 && event.Ordinal <= model.Count());
        const EditorRecord& record = model.Records()[static_cast<std::size_t>(event.Ordinal - 1)];
        ORVENDA_FUZZ_CHECK(!record.verbatim && record.event == event.Text);
    }

    const std::string source = model.SourceText();
    const TextEncoding encoding = model.Encoding();
    ORVENDA_FUZZ_CHECK(model.Save().ok());
    const std::string written = fuzzing::ReadBytes(path);
    // Two known ways for a saved file to read differently, both without
    // loss: a file whose remaining bytes now look like another encoding, and
    // a full-date line longer than the line limit, whose pieces fall elsewhere.
    if ((DetectEncoding(written) != encoding && !fuzzing::IsAscii(written)) ||
        (model.Format() == EventFileFormat::FullDateEvents && longestLine(source) > EventLineLimit)) {
        return 0;
    }
    EventFileModel again;
    ORVENDA_FUZZ_CHECK(again.Open(path, journal).status == EventFileModel::OpenResult::Opened);
    ORVENDA_FUZZ_CHECK(again.SourceText() == source);
    if (again.Select(1 + static_cast<int>(size % static_cast<std::size_t>(std::max(1, again.Count()))))) {
        const int count = again.Count();
        ORVENDA_FUZZ_CHECK(again.DeleteCurrent());
        ORVENDA_FUZZ_CHECK(again.Save().ok());
        EventFileModel third;
        ORVENDA_FUZZ_CHECK(third.Open(path, journal).status == EventFileModel::OpenResult::Opened);
        ORVENDA_FUZZ_CHECK(third.Count() == count - 1);
    }
    return 0;
}
