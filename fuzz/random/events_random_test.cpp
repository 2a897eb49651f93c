// The loaders of the event and saying files on random and damaged files:
// nothing may crash or hang, every record keeps its number, and what is read
// agrees with the layouts of the files. Each run uses a fixed seed; a failure
// names the seed and the case, and CaseSeed(seed, case) makes that input again.

#include "engine/codec.h"
#include "engine/date_format.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "events/loader.h"
#include "fuzz/random_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvenda {
namespace {

using fuzzing::CaseSeed;
using fuzzing::Escaped;
using fuzzing::InputMaker;
using fuzzing::ReadBytes;
using fuzzing::ScratchFolder;
using fuzzing::WriteBytes;

constexpr std::uint64_t kSeed = 0x0E5A2025;
const std::string DataDir = ORVENDA_TEST_DATA_DIR;
// Floating dates are computed in March 2007.
constexpr TDateRec Clock = MakeDate(2007, 3, 15);

std::string caseTrace(std::uint64_t seed, int index, std::string_view input)
{
    return "seed " + std::to_string(seed) + ", case " + std::to_string(index) + ", input \"" +
           Escaped(input) + "\"";
}

// The bytes of every test file with the extension under the folders.
std::vector<std::string> samplesOf(const std::vector<std::string>& folders, const std::string& extension)
{
    std::vector<std::string> samples;
    for (const std::string& folder : folders) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(DataDir + "/" + folder)) {
            if (entry.is_regular_file() && entry.path().extension() == extension) {
                samples.push_back(ReadBytes(entry.path().string()));
            }
        }
    }
    return samples;
}

// Mostly a damaged sample; now and then random bytes after a known header.
std::string makeInput(InputMaker& maker, const std::vector<std::string>& samples,
                      const std::vector<std::string>& headers)
{
    if (maker.Chance(10)) {
        return maker.Pick(headers) + (maker.Chance(50) ? "\r\n" : "\n") + maker.RandomBytes(200);
    }
    return maker.Mutate(maker.Pick(samples), 1 + maker.Below(6));
}

// The lines of a decoded text, found without the program's line reader: a line
// ends at LF, a CR just before it is dropped, and the end of the text right
// after a line end starts no line.
std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        if (feed != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (feed == std::string_view::npos) {
            break;
        }
        text.remove_prefix(feed + 1);
    }
    return lines;
}

std::string decodedFile(const std::string& path)
{
    const std::optional<TextFile> file = ReadTextFile(path);
    return file ? file->text : std::string();
}

bool sameEvent(const TEventRec& a, const TEventRec& b)
{
    return a.Text == b.Text && a.Date == b.Date && a.FilePath == b.FilePath && a.Ordinal == b.Ordinal &&
           a.DaysBefore == b.DaysBefore && a.DaysAfter == b.DaysAfter && a.Active == b.Active;
}

std::string shown(const TEventRec& e)
{
    return "#" + std::to_string(e.Ordinal) + " " + FormatDate(e.Date, "z") + " " +
           std::to_string(e.DaysBefore) + "/" + std::to_string(e.DaysAfter) + "/" + std::to_string(e.Active) +
           " \"" + Escaped(e.Text) + "\"";
}

void expectTextLine(const std::string& text, std::size_t limit)
{
    EXPECT_TRUE(IsValidUtf8(text)) << Escaped(text);
    EXPECT_EQ(text.find('\n'), std::string::npos) << Escaped(text);
    EXPECT_LE(Utf8Length(text), limit);
}

const std::vector<std::string> EventHeaders = {"[fixed events]", "[float events]",
                                               "[fixed events with full date]"};

TEST(RandomEventFiles, EveryRecordKeepsItsNumberAndAFileListedTwiceLoadsTwiceAlike)
{
    constexpr int kCases = 3500;
    const std::vector<std::string> samples = samplesOf({"events", "cli/day", "editors"}, ".evt");
    ASSERT_GE(samples.size(), 10u);
    ScratchFolder scratch("events");
    const std::string path = scratch.PathOf("input.evt");
    const TListedFile listed{scratch.Folder(), "input.evt"};
    int numberedFiles = 0;
    int fullDateFiles = 0;

    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed, static_cast<std::uint64_t>(i)));
        const std::string bytes = makeInput(maker, samples, EventHeaders);
        SCOPED_TRACE(caseTrace(kSeed, i, bytes));
        ASSERT_TRUE(WriteBytes(path, bytes));

        Journal journal;
        const EventLoadResult result = LoadEventFiles({listed, listed}, Clock, journal);
        const std::vector<std::string> lines = linesOf(decodedFile(path));
        const std::string header = lines.empty() ? std::string() : std::string(Utf8Left(lines[0], 254));
        const bool fullDate = header == "[fixed events with full date]";
        const bool numbered = header == "[fixed events]" || header == "[float events]";

        for (const TEventRec& e : result.events) {
            SCOPED_TRACE(shown(e));
            EXPECT_EQ(e.FilePath, path);
            expectTextLine(e.Text, 998);
            if (numbered) {
                // These layouts carry no time.
                EXPECT_EQ(e.Date.Hour, 25);
                EXPECT_EQ(e.Date.Minute, 61);
                EXPECT_EQ(e.Date.Second, 61);
                EXPECT_EQ(e.Date.Millisecond, 1000);
            }
        }
        if (!fullDate && !numbered) {
            // Another header adds nothing, and says nothing.
            EXPECT_TRUE(result.events.empty());
            EXPECT_TRUE(journal.Lines().empty());
            EXPECT_FALSE(result.failed);
            continue;
        }
        ++(fullDate ? fullDateFiles : numberedFiles);
        if (fullDate) {
            // Every line is one record (a line past 998 characters is read
            // in pieces); the first line whose counts are not numbers stops
            // the loading after the records before it.
            std::size_t records = 0;
            for (std::size_t k = 1; k < lines.size(); ++k) {
                records += std::max<std::size_t>(1, (Utf8Length(lines[k]) + 997) / 998);
            }
            EXPECT_TRUE(journal.Lines().empty());
            const std::size_t perCopy = result.failed ? result.events.size() : result.events.size() / 2;
            if (!result.failed) {
                EXPECT_EQ(perCopy, records);
            } else {
                EXPECT_LT(perCopy, records);
            }
            for (std::size_t k = 0; perCopy > 0 && k < result.events.size(); ++k) {
                ASSERT_EQ(result.events[k].Ordinal, static_cast<int>(k % perCopy + 1));
            }
        } else {
            EXPECT_FALSE(result.failed) << result.error;
        }
        if (result.failed) {
            EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
            continue;
        }

        // Both copies alike: the same records, the same skipped lines.
        ASSERT_EQ(result.events.size() % 2, 0u);
        ASSERT_EQ(journal.Lines().size() % 2, 0u);
        const std::size_t half = result.events.size() / 2;
        const std::size_t skipped = journal.Lines().size() / 2;
        for (std::size_t k = 0; k < half; ++k) {
            EXPECT_TRUE(sameEvent(result.events[k], result.events[half + k]))
                << shown(result.events[k]) << " | " << shown(result.events[half + k]);
        }
        for (std::size_t k = 0; k < skipped; ++k) {
            EXPECT_EQ(journal.Lines()[k], journal.Lines()[skipped + k]);
            EXPECT_TRUE(journal.Lines()[k].starts_with("Строка ")) << journal.Lines()[k];
            EXPECT_NE(journal.Lines()[k].find(path), std::string::npos) << journal.Lines()[k];
        }
        // Ordinals rise one by one, except where a line was skipped, and
        // each skip is reported.
        int previous = 0;
        std::size_t gaps = 0;
        for (std::size_t k = 0; k < half; ++k) {
            const int ordinal = result.events[k].Ordinal;
            ASSERT_GT(ordinal, previous);
            gaps += static_cast<std::size_t>(ordinal - previous - 1);
            previous = ordinal;
        }
        EXPECT_LE(gaps, skipped);
    }
    // Most damaged files still have their header.
    EXPECT_GE(numberedFiles, kCases / 3);
    EXPECT_GE(fullDateFiles, kCases / 10);
}

TEST(RandomEventFiles, CuttingAFileShortKeepsEveryRecordBeforeTheCut)
{
    ScratchFolder scratch("events-cut");
    const std::string path = scratch.PathOf("cut.evt");
    const TListedFile listed{scratch.Folder(), "cut.evt"};
    for (const char* name : {"fixed.evt", "float.evt", "fulldate.evt", "no_final_newline.evt",
                             "float_no_final_newline.evt", "blank_lines.evt", "utf8.evt"}) {
        const std::string full = ReadBytes(DataDir + "/events/" + name);
        ASSERT_FALSE(full.empty()) << name;
        ASSERT_TRUE(WriteBytes(path, full));
        Journal fullJournal;
        const EventLoadResult whole = LoadEventFiles({listed}, Clock, fullJournal);
        ASSERT_FALSE(whole.failed) << name;
        ASSERT_FALSE(whole.events.empty()) << name;

        for (std::size_t length = 0; length <= full.size(); ++length) {
            const std::string prefix = full.substr(0, length);
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length) + " bytes");
            ASSERT_TRUE(WriteBytes(path, prefix));
            Journal journal;
            const EventLoadResult cut = LoadEventFiles({listed}, Clock, journal);
            // A UTF-8 file cut inside a character is no longer UTF-8 and
            // reads differently as a whole.
            if (DetectEncoding(prefix) != DetectEncoding(full)) {
                continue;
            }
            // A record cut inside its line may differ; those before it may not.
            const bool atLineEnd = prefix.empty() || prefix.back() == '\n';
            const std::size_t complete =
                atLineEnd || cut.events.empty() ? cut.events.size() : cut.events.size() - 1;
            ASSERT_LE(cut.events.size(), whole.events.size());
            for (std::size_t k = 0; k < complete; ++k) {
                const TEventRec& e = cut.events[k];
                ASSERT_GE(e.Ordinal, 1);
                ASSERT_LE(e.Ordinal, whole.events.back().Ordinal);
                const auto same = std::find_if(whole.events.begin(), whole.events.end(),
                                               [&](const TEventRec& w) { return w.Ordinal == e.Ordinal; });
                ASSERT_NE(same, whole.events.end()) << shown(e);
                EXPECT_TRUE(sameEvent(e, *same)) << shown(e) << " | " << shown(*same);
            }
        }
    }
}

const std::vector<std::string> SayingHeaders = {"[wisdom]", "[wisdom by]"};

// The sayings a file gives by its layout when no line is longer than the
// readers' limits; `fixedFile` is the fixed saying file, whose first line is
// ignored and which is always laid out as "[wisdom by]".
std::vector<TSayingRec> expectedSayings(const std::vector<std::string>& lines, bool fixedFile)
{
    std::vector<TSayingRec> sayings;
    if (lines.empty()) {
        return sayings;
    }
    const std::string& header = lines[0];
    if (fixedFile || header == "[wisdom by]") {
        for (std::size_t k = 2; k < lines.size(); ++k) {
            sayings.push_back({lines[k], lines[1]});
        }
    } else if (header == "[wisdom]") {
        for (std::size_t k = 1; k < lines.size(); k += 2) {
            sayings.push_back({lines[k], k + 1 < lines.size() ? lines[k + 1] : std::string()});
        }
    }
    return sayings;
}

bool allShort(const std::vector<std::string>& lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const std::string& l) { return Utf8Length(l) < 99; });
}

TEST(RandomSayingFiles, SayingsFollowTheLayoutAndKeepTheirLimits)
{
    constexpr int kCases = 2000;
    std::vector<std::string> samples = samplesOf({"events", "cli/day", "editors"}, ".wis");
    ASSERT_GE(samples.size(), 5u);
    ScratchFolder scratch("sayings");
    const std::string listedPath = scratch.PathOf("input.wis");
    const std::string pearlsPath = scratch.PathOf(OrientalPearlsFileName);
    int checkedByLayout = 0;

    for (int i = 0; i < kCases; ++i) {
        InputMaker maker(CaseSeed(kSeed + 1, static_cast<std::uint64_t>(i)));
        const std::string listedBytes = makeInput(maker, samples, SayingHeaders);
        std::optional<std::string> pearlsBytes;
        if (maker.Chance(80)) {
            pearlsBytes = makeInput(maker, samples, SayingHeaders);
        }
        SCOPED_TRACE(caseTrace(kSeed + 1, i, listedBytes) + ", fixed file \"" +
                     (pearlsBytes ? Escaped(*pearlsBytes) : std::string("(none)")) + "\"");
        ASSERT_TRUE(WriteBytes(listedPath, listedBytes));
        std::filesystem::remove(pearlsPath);
        if (pearlsBytes) {
            ASSERT_TRUE(WriteBytes(pearlsPath, *pearlsBytes));
        }

        Journal journal;
        const SayingLoadResult result =
            LoadSayingFiles({{scratch.Folder(), "input.wis"}}, scratch.Folder(), journal);
        EXPECT_EQ(result.missingFile, !pearlsBytes);
        EXPECT_EQ(journal.Lines().size(), pearlsBytes ? 0u : 1u);
        for (const TSayingRec& s : result.sayings) {
            expectTextLine(s.Text, 998);
            expectTextLine(s.Author, 254);
        }

        const std::vector<std::string> pearlsLines =
            pearlsBytes ? linesOf(decodedFile(pearlsPath)) : std::vector<std::string>{};
        const std::vector<std::string> listedLines = linesOf(decodedFile(listedPath));
        if (allShort(pearlsLines) && allShort(listedLines)) {
            ++checkedByLayout;
            std::vector<TSayingRec> want = expectedSayings(pearlsLines, true);
            const std::vector<TSayingRec> listed = expectedSayings(listedLines, false);
            want.insert(want.end(), listed.begin(), listed.end());
            ASSERT_EQ(result.sayings.size(), want.size());
            for (std::size_t k = 0; k < want.size(); ++k) {
                EXPECT_EQ(result.sayings[k].Text, want[k].Text) << k;
                EXPECT_EQ(result.sayings[k].Author, want[k].Author) << k;
            }
        }
    }
    EXPECT_GE(checkedByLayout, kCases / 3);
}

} // namespace
} // namespace orvenda
