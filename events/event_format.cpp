#include "events/event_format.h"

#include "engine/date_format.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvenda {

namespace {

// White space between the integers of a record, line ends included: blank,
// tab, CR, LF, vertical tab and form feed. A table, since every byte of a
// record's numbers is looked up here.
constexpr std::array<bool, 256> kWhiteSpace = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\r', '\n', '\v', '\f'}) {
        table[c] = true;
    }
    return table;
}();

bool isSpace(char c) noexcept
{
    return kWhiteSpace[static_cast<unsigned char>(c)];
}

bool isBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

int countLineEnds(std::string_view bytes) noexcept
{
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// The lines of a stretch of text, without their line ends; a stretch that
// ends with a line end has no empty line after it.
std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A record read before is made a blank one: its strings keep their room,
// which the next record's text mostly fits into; a new record each time
// would cost a clearing of all its fields and an allocation for each text.
void reset(EventFileRecord& record) noexcept
{
    record.status = EventFileRecord::Read;
    record.ordinal = record.lineNumber = 0;
    record.sourceLines.clear();
    record.astro = record.weekday = record.week = record.day = record.month = record.year = 0;
    record.date = UnsetDateTime;
    record.daysBefore = record.daysAfter = record.active = 0;
    record.text.clear();
    // Each on its own: a chained assignment copies the first back out of
    // memory just after writing it, half by half, which stalls the processor.
    record.textBytes = {};
    record.source = {};
    record.offset = 0;
}

// The word that starts at `i` (up to white space or the end) as a whole
// decimal number, optionally signed, in 32 bits: exactly what ParseInt32
// takes. Reads the word in one pass, since every record has six or eight of
// them, and leaves `i` after it.
inline std::optional<std::int32_t> readNumber(std::string_view text, std::size_t& i) noexcept
{
    const std::size_t size = text.size();
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // |INT32_MIN| for a negative number. The value stops one past the limit,
    // so value * 10 + 9 always fits.
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    const std::size_t digitsStart = i;
    std::uint64_t value = 0;
    for (; i < size; ++i) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(text[i])) - '0';
        if (digit > 9) {
            break;
        }
        value = value * 10 + digit;
        if (value > limit) {
            value = limit + 1;
        }
    }
    // Anything else before the white space makes the word no number.
    bool digitsOnly = i > digitsStart;
    for (; i < size && !isSpace(text[i]); ++i) {
        digitsOnly = false;
    }
    if (!digitsOnly || value > limit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                              : static_cast<std::int64_t>(value));
}

// The usual record: its numbers on the line where it starts, between blanks,
// each of at most nine digits after an optional minus, the first not
// negative. Reads them from `i` and leaves `i` after the last one; false
// for anything else (a plus sign, a longer number, a number that runs on
// into other characters, numbers over several lines), which the general
// reading then takes from the start. For the records it takes it gives what
// the general reading gives, at a fraction of the work: most files hold
// nothing else.
// An optional minus and one to nine digits from `p` on, leaving `p` after
// them; false for no digit or more than nine, which the quick readings leave
// to the general one.
bool shortNumber(const char*& p, const char* end, std::int32_t& value) noexcept
{
    const bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    const char* const digits = p;
    std::int32_t magnitude = 0;
    while (p < end && static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0' <= 9) {
        if (p - digits == 9) {
            return false;
        }
        magnitude = magnitude * 10 + (*p - '0');
        ++p;
    }
    value = negative ? -magnitude : magnitude;
    return p != digits;
}

bool readShortNumbers(std::string_view text, std::size_t& i, int count,
                      std::array<std::int32_t, 8>& numbers) noexcept
{
    const char* p = text.data() + i;
    const char* const end = text.data() + text.size();
    for (int k = 0; k < count; ++k) {
        while (p < end && isBlank(*p)) {
            ++p;
        }
        // A number ends at white space or the text's end; one that ends at a
        // line end before the last number leaves the rest for later lines.
        if (!shortNumber(p, end, numbers[static_cast<std::size_t>(k)]) || (p < end && !isSpace(*p)) ||
            (k + 1 < count && (p == end || !isBlank(*p)))) {
            return false;
        }
    }
    if (numbers[0] < 0) {
        return false;
    }
    i = static_cast<std::size_t>(p - text.data());
    return true;
}

#if defined(__SSE2__)
// The same as readShortNumbers, sixteen bytes at a time: the record's first
// 32 bytes are classified at once, and the numbers found between blanks are
// converted eight digits at a time, without a branch for each character
// (the lengths of numbers and gaps vary from record to record, so a branch
// for each is a wrong guess every few characters). Needs 48 bytes of text
// from `i` on; false for whatever readShortNumbers would refuse and for a
// record whose numbers do not end within those 32 bytes.
std::uint32_t maskOf(__m128i low, __m128i high) noexcept
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(low)) |
           static_cast<std::uint32_t>(_mm_movemask_epi8(high)) << 16;
}

// Up to eight ASCII digits at `digits` (the bytes after them may be anything) as a number.
std::int32_t eightDigits(const char* digits, int length) noexcept
{
    std::uint64_t chunk;
    std::memcpy(&chunk, digits, sizeof chunk);
    // The first digit is the lowest byte. Subtracting '0' from every byte
    // borrows only upwards, from the bytes past the number, which the shift
    // then drops; the zero bytes it brings in are leading zeros.
    chunk = (chunk - 0x3030303030303030) << (8 * (8 - length));
    chunk = (chunk * 10 + (chunk >> 8)) & 0x00FF00FF00FF00FF;
    chunk = (chunk * 100 + (chunk >> 16)) & 0x0000FFFF0000FFFF;
    chunk = (chunk * 10000 + (chunk >> 32)) & 0x00000000FFFFFFFF;
    return static_cast<std::int32_t>(chunk);
}

bool readShortNumbersWide(std::string_view text, std::size_t& i, int count,
                          std::array<std::int32_t, 8>& numbers) noexcept
{
    const char* const p = text.data() + i;
    const auto classify = [](__m128i bytes, __m128i& digit, __m128i& blank, __m128i& minus, __m128i& space) {
        digit = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('0' - 1)),
                              _mm_cmplt_epi8(bytes, _mm_set1_epi8('9' + 1)));
        blank = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
        minus = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('-'));
        // Blank, tab, LF, VT, FF and CR: ' ' and 9..13.
        space = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                             _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('\t' - 1)),
                                           _mm_cmplt_epi8(bytes, _mm_set1_epi8('\r' + 1))));
    };
    __m128i d0, b0, m0, s0, d1, b1, m1, s1;
    classify(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), d0, b0, m0, s0);
    classify(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16)), d1, b1, m1, s1);
    const std::uint32_t digit = maskOf(d0, d1);
    const std::uint32_t blank = maskOf(b0, b1);
    const std::uint32_t minus = maskOf(m0, m1);
    const std::uint32_t space = maskOf(s0, s1);

    // The record starts with a digit: its first number is not negative.
    if ((digit & 1) == 0) {
        return false;
    }
    std::uint32_t starts = digit & ~(digit << 1);
    std::uint32_t ends = ~digit & (digit << 1);
    // The end of the last number: the count-th end within the 32 bytes.
    std::uint32_t lastEnds = ends;
    for (int k = 1; k < count; ++k) {
        lastEnds &= lastEnds - 1;
    }
    if (lastEnds == 0) {
        return false;
    }
    const int end = std::countr_zero(lastEnds);
    const std::uint32_t record = (std::uint32_t{1} << end) - 1;
    // Up to there only digits, blanks and minus signs, each sign after a
    // blank and before a digit; the last number ends at white space.
    const std::uint32_t signs = minus & record;
    if ((record & ~(digit | blank | minus)) != 0 || (signs & ~(digit >> 1)) != 0 ||
        (signs & ~(blank << 1)) != 0 || ((space >> end) & 1) == 0) {
        return false;
    }
    for (int k = 0; k < count; ++k) {
        const int start = std::countr_zero(starts);
        const int length = std::countr_zero(ends) - start;
        starts &= starts - 1;
        ends &= ends - 1;
        std::int32_t value;
        if (length <= 8) {
            value = eightDigits(p + start, length);
        } else if (length == 9) {
            value = (p[start] - '0') * 100000000 + eightDigits(p + start + 1, 8);
        } else {
            return false;
        }
        const bool negative = start > 0 && ((minus >> (start - 1)) & 1) != 0;
        numbers[static_cast<std::size_t>(k)] = negative ? -value : value;
    }
    i += static_cast<std::size_t>(end);
    return true;
}
#endif

// The counts and text of the usual full-date line: after the date word,
// three numbers of at most nine digits after an optional minus, each
// followed by blanks, then the text. False for anything else, which the
// general reading (word by word, each trimmed) then takes; for the lines it
// takes it gives what that reading gives.
bool readUsualCounts(std::string_view line, const std::array<std::int32_t*, 3>& counts,
                     std::string_view& text) noexcept
{
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return false;
    }
    const char* p = line.data() + space;
    const char* const end = line.data() + line.size();
    for (std::int32_t* count : counts) {
        while (p < end && *p == ' ') {
            ++p;
        }
        if (!shortNumber(p, end, *count) || p == end || *p != ' ') {
            return false;
        }
    }
    text = Trim(line.substr(static_cast<std::size_t>(p - line.data()) + 1));
    return true;
}

// The usual record read the quick way, where it is one; false otherwise.
bool readUsualNumbers(std::string_view text, std::size_t& i, int count,
                      std::array<std::int32_t, 8>& numbers) noexcept
{
#if defined(__SSE2__)
    if (text.size() - i >= 48 && readShortNumbersWide(text, i, count, numbers)) {
        return true;
    }
#endif
    return readShortNumbers(text, i, count, numbers);
}

// The whole text as readNumber reads a word.
std::optional<std::int32_t> wholeNumber(std::string_view text) noexcept
{
    std::size_t i = 0;
    const std::optional<std::int32_t> value = readNumber(text, i);
    return i == text.size() ? value : std::nullopt;
}

// The characters before the first space, trimmed.
std::string_view firstWord(std::string_view line) noexcept
{
    return Trim(line.substr(0, line.find(' ')));
}

// What follows the first space, trimmed; nothing when there is no space.
std::string_view afterFirstWord(std::string_view line) noexcept
{
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return {};
    }
    return Trim(line.substr(space + 1));
}

void readSayings(LineReader& reader, SayingFileContent& content)
{
    std::string line;
    if (content.format == EventFileFormat::WisdomBy) {
        if (!reader.ReadLine(content.author, AuthorLineLimit)) {
            content.author.clear();
            return;
        }
        content.hasAuthorLine = true;
        while (reader.ReadLine(line, SayingLineLimit)) {
            content.sayings.push_back(TSayingRec{line, content.author});
        }
    } else if (content.format == EventFileFormat::Wisdom) {
        while (reader.ReadLine(line, SayingLineLimit)) {
            std::string author;
            if (!reader.ReadLine(author, AuthorLineLimit)) {
                author.clear();
            }
            content.sayings.push_back(TSayingRec{line, author});
        }
    }
}

} // namespace

EventFileFormat FormatOfHeader(std::string_view header) noexcept
{
    if (header == FixedEventsHeader) {
        return EventFileFormat::FixedEvents;
    }
    if (header == FloatEventsHeader) {
        return EventFileFormat::FloatEvents;
    }
    if (header == FullDateEventsHeader) {
        return EventFileFormat::FullDateEvents;
    }
    if (header == WisdomHeader) {
        return EventFileFormat::Wisdom;
    }
    if (header == WisdomByHeader) {
        return EventFileFormat::WisdomBy;
    }
    return EventFileFormat::Unknown;
}

std::string_view HeaderOfFormat(EventFileFormat format) noexcept
{
    switch (format) {
    case EventFileFormat::FixedEvents:
        return FixedEventsHeader;
    case EventFileFormat::FloatEvents:
        return FloatEventsHeader;
    case EventFileFormat::FullDateEvents:
        return FullDateEventsHeader;
    case EventFileFormat::Wisdom:
        return WisdomHeader;
    case EventFileFormat::WisdomBy:
        return WisdomByHeader;
    case EventFileFormat::Unknown:
        break;
    }
    return {};
}

bool IsEventFormat(EventFileFormat format) noexcept
{
    return format == EventFileFormat::FixedEvents || format == EventFileFormat::FloatEvents ||
           format == EventFileFormat::FullDateEvents;
}

bool IsSayingFormat(EventFileFormat format) noexcept
{
    return format == EventFileFormat::Wisdom || format == EventFileFormat::WisdomBy;
}

EventFileReader::EventFileReader(std::string text, std::size_t headerLimit)
    : m_owned(std::move(text)), m_text(m_owned)
{
    std::string_view header;
    if (readLine(header, headerLimit)) {
        m_header = header;
        m_format = FormatOfHeader(m_header);
    }
}

EventFileReader::EventFileReader(std::string_view text, TextUnits units, std::size_t headerLimit)
    : m_text(text), m_units(units)
{
    std::string_view header;
    if (readLine(header, headerLimit)) {
        m_format = FormatOfHeader(header);
        m_header = decoded(header);
    }
}

EventFileReader::EventFileReader(std::string_view piece, TextUnits units, EventFileFormat format)
    : m_text(piece), m_units(units), m_format(format)
{
}

std::string EventFileReader::decoded(std::string_view bytes) const
{
    return m_units == TextUnits::SingleByte ? Cp1251ToUtf8(bytes) : std::string(bytes);
}

bool EventFileReader::Next(EventFileRecord& record)
{
    switch (m_format) {
    case EventFileFormat::FixedEvents:
        return nextNumbered(record, 6);
    case EventFileFormat::FloatEvents:
        return nextNumbered(record, 8);
    case EventFileFormat::FullDateEvents:
        return nextFullDate(record);
    default:
        return false;
    }
}

bool EventFileReader::nextNumbered(EventFileRecord& record, int count)
{
    // Blank lines before the record are skipped and belong to no record.
    std::string_view rest = remaining();
    std::size_t i = 0;
    std::size_t lineStart = 0;
    int lineEnds = 0;
    while (i < rest.size() && isSpace(rest[i])) {
        if (rest[i] == '\n') {
            lineStart = i + 1;
            ++lineEnds;
        }
        ++i;
    }
    if (i == rest.size()) {
        // Only white space is left, its last line perhaps without a line end:
        // no record.
        m_lineNumber += lineEnds;
        m_pos = m_text.size();
        return false;
    }
    m_lineNumber += lineEnds;
    m_pos += lineStart;
    rest = remaining();
    i -= lineStart;

    reset(record);
    record.ordinal = ++m_ordinal;
    record.lineNumber = m_lineNumber;
    record.offset = m_pos + i;

    // The integers may stand on several lines; the first that is not a whole
    // number makes the record unreadable up to the end of the line it is on.
    std::array<std::int32_t, 8> numbers{};
    lineEnds = 0;
    const bool usual = m_quickReading && readUsualNumbers(rest, i, count, numbers);
    for (int k = usual ? count : 0; k < count; ++k) {
        while (i < rest.size() && isSpace(rest[i])) {
            lineEnds += rest[i] == '\n' ? 1 : 0;
            ++i;
        }
        const std::size_t start = i;
        const std::optional<std::int32_t> value = readNumber(rest, i);
        if (!value) {
            record.status = EventFileRecord::Unreadable;
            consumeThroughLineEnd(record, 0, start);
            return true;
        }
        numbers[static_cast<std::size_t>(k)] = *value;
    }
    if (numbers[0] < 0) {
        record.status = EventFileRecord::Unreadable;
        consumeThroughLineEnd(record, 0, i);
        return true;
    }

    if (count == 6) {
        record.day = numbers[0];
        record.month = numbers[1];
        record.year = numbers[2];
    } else {
        record.astro = numbers[0];
        record.weekday = numbers[1];
        record.week = numbers[2];
        record.month = numbers[3];
        record.year = numbers[4];
    }
    const std::size_t tail = static_cast<std::size_t>(count) - 3;
    record.daysBefore = numbers[tail];
    record.daysAfter = numbers[tail + 1];
    record.active = numbers[tail + 2];

    // Only blanks are skipped before the text: a record without text ends at
    // its own line end instead of taking the next line as its text. A lone CR
    // is no line end; it is skipped too, since the editor writes it as a blank.
    while (i < rest.size() && (isBlank(rest[i]) || rest[i] == '\r')) {
        ++i;
    }
    m_lineNumber += lineEnds;
    m_pos += i;
    std::string_view text;
    if (readLine(text, EventLineLimit)) {
        record.textBytes = text;
        if (m_strings) {
            record.text = decoded(text);
        }
    }
    return true;
}

bool EventFileReader::nextFullDate(EventFileRecord& record)
{
    const int lineNumber = m_lineNumber;
    const std::size_t offset = m_pos;
    std::string_view line;
    if (!readLine(line, EventLineLimit)) {
        return false;
    }
    reset(record);
    record.ordinal = ++m_ordinal;
    record.lineNumber = lineNumber;
    record.offset = offset;

    std::string_view rest = line;
    // The date word is ASCII in every file the program writes; anything else
    // is read as its characters.
    const std::string_view word = firstWord(rest);
    const bool ascii = std::none_of(word.begin(), word.end(), [](char c) { return c & 0x80; });
    record.date = ReadDate(ascii ? word : std::string_view(decoded(word)), YearFirst, UnsetDateTime);
    std::array<std::int32_t*, 3> counts{&record.daysBefore, &record.daysAfter, &record.active};
    if (m_quickReading && readUsualCounts(line, counts, record.textBytes)) {
        if (m_strings) {
            record.text = decoded(record.textBytes);
        }
        return true;
    }
    for (std::int32_t* count : counts) {
        rest = afterFirstWord(rest);
        const std::optional<std::int32_t> value = wholeNumber(firstWord(rest));
        if (!value) {
            record.status = EventFileRecord::BadCounts;
            record.date = UnsetDateTime;
            record.daysBefore = record.daysAfter = record.active = 0;
            record.source = line;
            if (m_strings) {
                record.sourceLines.push_back(decoded(line));
            }
            return true;
        }
        *count = *value;
    }
    record.textBytes = afterFirstWord(rest);
    if (m_strings) {
        record.text = decoded(record.textBytes);
    }
    return true;
}

void EventFileReader::consumeThroughLineEnd(EventFileRecord& record, std::size_t lineStart,
                                            std::size_t offset)
{
    const std::string_view rest = remaining();
    const std::size_t lineEnd = rest.find('\n', std::min(offset, rest.size()));
    const std::size_t end = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
    record.source = rest.substr(lineStart, end - lineStart);
    if (m_strings) {
        record.sourceLines = splitLines(record.source);
        if (m_units == TextUnits::SingleByte) {
            for (std::string& line : record.sourceLines) {
                line = Cp1251ToUtf8(line);
            }
        }
    }
    skip(end);
}

void EventFileReader::skip(std::size_t bytes)
{
    m_lineNumber += countLineEnds(remaining().substr(0, bytes));
    m_pos = std::min(m_pos + bytes, m_text.size());
}

bool EventFileReader::readLine(std::string_view& line, std::size_t maxChars)
{
    if (m_pos >= m_text.size()) {
        return false;
    }
    // A limit of 0 would never move on; one character is the least piece.
    maxChars = std::max<std::size_t>(maxChars, 1);
    const std::string_view rest = remaining();
    const std::size_t feed = rest.find('\n');
    std::string_view content = rest.substr(0, feed);
    std::size_t consumed = (feed == std::string_view::npos) ? rest.size() : feed + 1;
    if (feed != std::string_view::npos && !content.empty() && content.back() == '\r') {
        content.remove_suffix(1);
    }
    // A line of no more bytes than the limit has no more characters either;
    // otherwise walk at most maxChars characters, so a long line costs its
    // limit, not its length.
    std::size_t bytes = content.size();
    if (bytes > maxChars) {
        if (m_units == TextUnits::SingleByte) {
            bytes = maxChars;
        } else {
            std::size_t chars = 0;
            for (bytes = 0; bytes < content.size(); ++bytes) {
                if ((static_cast<unsigned char>(content[bytes]) & 0xC0) != 0x80) {
                    if (chars == maxChars) {
                        break;
                    }
                    ++chars;
                }
            }
        }
    }
    if (bytes < content.size()) {
        content = content.substr(0, bytes);
        consumed = bytes;
    }
    // A line read takes at most one line end, its last byte.
    if (consumed > 0 && rest[consumed - 1] == '\n') {
        ++m_lineNumber;
    }
    line = content;
    m_pos += consumed;
    return true;
}

SayingFileContent ReadSayingFile(std::string text)
{
    LineReader reader(std::move(text));
    SayingFileContent content;
    if (reader.ReadLine(content.header, SayingHeaderLimit)) {
        content.format = FormatOfHeader(content.header);
        readSayings(reader, content);
    } else {
        content.header.clear();
    }
    return content;
}

SayingFileContent ReadSayingFileAs(std::string text, EventFileFormat format)
{
    LineReader reader(std::move(text));
    SayingFileContent content;
    if (reader.ReadLine(content.header, SayingHeaderLimit)) {
        content.format = format;
        readSayings(reader, content);
    } else {
        content.header.clear();
    }
    return content;
}

} // namespace orvenda
