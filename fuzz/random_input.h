#pragma once

// Random and damaged inputs for the readers: the randomized tests build their
// inputs here from a fixed seed, so that a failure can be repeated, and the
// fuzz targets use the scratch folder for the readers that work on files.
// Inputs are raw file bytes, before any decoding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace orvenda::fuzzing {

// A fresh folder for one test or one fuzzing run, removed with everything in
// it at the end. It lies in /dev/shm when there is one: readers and writers
// that sync their files then cost no disk writes, thousands of times over.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view label)
    {
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error)) {
            base = std::filesystem::temp_directory_path(error);
        }
        const std::string name = "orvenda-" + std::string(label) + "-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(std::random_device{}());
        m_path = base / name;
        std::filesystem::create_directories(m_path, error);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With the trailing "/", as the program folder is given.
    std::string Folder() const { return m_path.string() + "/"; }
    std::string PathOf(std::string_view name) const { return Folder() + std::string(name); }

private:
    std::filesystem::path m_path;
};

inline bool WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Plain ASCII bytes read back the same in every encoding the program detects,
// so a change of detected encoding is no fault for them.
inline bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines of raw bytes split at "\n", each keeping its line end, so that
// joining them gives the text back.
inline std::vector<std::string> SplitKeepingEnds(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

inline std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        text += part;
    }
    return text;
}

// Pieces that readers have trouble with: numbers at and past every limit,
// signs, line ends, NUL, byte-order marks, broken and valid UTF-8, Windows-1251
// Cyrillic, and the markers of the program's files.
inline const std::vector<std::string>& Tokens()
{
    static const std::vector<std::string> tokens = {"0",
                                                    "-0",
                                                    "+7",
                                                    "--3",
                                                    "-",
                                                    "+",
                                                    "007",
                                                    "2147483647",
                                                    "2147483648",
                                                    "-2147483648",
                                                    "-2147483649",
                                                    "4294967295",
                                                    "4294967296",
                                                    "65535",
                                                    "65536",
                                                    "99999999999",
                                                    "9223372036854775808",
                                                    std::string(300, '9'),
                                                    std::string(1, '\0'),
                                                    "\r",
                                                    "\n",
                                                    "\r\n",
                                                    "\r\r\n",
                                                    "\n\n",
                                                    "\t",
                                                    " ",
                                                    "  ",
                                                    "\v",
                                                    "\f",
                                                    "_",
                                                    ".",
                                                    ":",
                                                    "/",
                                                    ",",
                                                    "=",
                                                    " = ",
                                                    "$",
                                                    "$FFFFFFFF",
                                                    "$123456789",
                                                    "clRed",
                                                    "CLBTNFACE",
                                                    "\xEF\xBB\xBF",
                                                    "\xC3",
                                                    "\xE2\x82",
                                                    "\xFF\xFE",
                                                    "\xED\xA0\x80",
                                                    "\xF4\x90\x80\x80",
                                                    "\xC0\xAF",
                                                    "\x98",
                                                    "\xCF\xF0\xE8\xE2\xE5\xF2",
                                                    "Привет",
                                                    "—",
                                                    "[fixed events]",
                                                    "[float events]",
                                                    "[fixed events with full date]",
                                                    "[wisdom]",
                                                    "[wisdom by]",
                                                    "[fixed events list]",
                                                    "[Events in]",
                                                    "[Wisdom in]",
                                                    "[end list]",
                                                    "DefaultConfig=True",
                                                    "ColorScheme=",
                                                    "Bold+Italic+",
                                                    "Plain",
                                                    "Left",
                                                    "Right",
                                                    "2007.01.07_10:30",
                                                    "29.2.2000"};
    return tokens;
}

// The bytes as C-escaped text, at most `limit` of them, for failure messages.
inline std::string Escaped(std::string_view bytes, std::size_t limit = 400)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\\') {
            out += "\\\\";
        } else if (b == '\n') {
            out += "\\n";
        } else if (b == '\r') {
            out += "\\r";
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        } else {
            out += static_cast<char>(b);
        }
    }
    if (bytes.size() > limit) {
        out += "... (" + std::to_string(bytes.size()) + " bytes)";
    }
    return out;
}

// The seed of one case of a run: each case can be made again on its own.
constexpr std::uint64_t CaseSeed(std::uint64_t runSeed, std::uint64_t index) noexcept
{
    return runSeed ^ ((index + 1) * 0x9E3779B97F4A7C15ULL);
}

class InputMaker {
public:
    explicit InputMaker(std::uint64_t seed) : m_engine(seed) {}

    // Uniform in [0, n); 0 when n is 0.
    std::size_t Below(std::size_t n)
    {
        if (n == 0) {
            return 0;
        }
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_engine);
    }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    std::uint64_t Bits() { return m_engine(); }
    std::mt19937_64& Engine() { return m_engine; }

    template <typename T> const T& Pick(const std::vector<T>& items) { return items[Below(items.size())]; }

    // Bytes of any value, up to maxLength of them.
    std::string RandomBytes(std::size_t maxLength)
    {
        std::string bytes(Below(maxLength + 1), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(Below(256));
        }
        return bytes;
    }

    // A text mostly of digits, separators, signs and line ends, with now and
    // then a token or a random byte: the stuff numbers and dates are read from.
    std::string NumberishText(std::size_t maxPieces)
    {
        static const std::string kAlphabet = "0123456789 ,./:_-+\t\r\nabz=$";
        std::string text;
        const std::size_t pieces = Below(maxPieces + 1);
        for (std::size_t i = 0; i < pieces; ++i) {
            const std::size_t kind = Below(10);
            if (kind < 5) {
                text += Number();
            } else if (kind < 8) {
                text += kAlphabet[Below(kAlphabet.size())];
            } else if (kind < 9) {
                text += Pick(Tokens());
            } else {
                text += static_cast<char>(Below(256));
            }
        }
        return text;
    }

    // A decimal number of any size: small, at the 16- and 32-bit limits, huge,
    // with leading zeros or a sign.
    std::string Number()
    {
        std::string digits;
        switch (Below(8)) {
        case 0:
            digits = std::to_string(Below(10));
            break;
        case 1:
        case 2:
            digits = std::to_string(Below(100000));
            break;
        case 3:
            digits = std::to_string(Bits() % 4294967297ULL);
            break;
        case 4:
            digits = std::string(1 + Below(4), '0') + std::to_string(Below(1000));
            break;
        case 5:
            digits = std::to_string(2147483640ULL + Below(16));
            break;
        case 6:
            digits = std::to_string(Bits());
            break;
        default:
            digits.assign(1 + Below(300), '0');
            for (char& c : digits) {
                c = static_cast<char>('0' + Below(10));
            }
            break;
        }
        if (Chance(15)) {
            digits.insert(0, "-");
        } else if (Chance(5)) {
            digits.insert(0, "+");
        }
        return digits;
    }

    // `text` damaged by `steps` random edits: bytes flipped, set, inserted
    // and deleted, lines duplicated, removed, swapped and made very long,
    // numbers replaced, line ends changed, the text cut short or emptied.
    std::string Mutate(std::string text, std::size_t steps)
    {
        for (std::size_t step = 0; step < steps; ++step) {
            mutateOnce(text);
        }
        return text;
    }

private:
    void mutateOnce(std::string& text)
    {
        switch (Below(15)) {
        case 0:
            if (!text.empty()) {
                text[Below(text.size())] ^= static_cast<char>(1u << Below(8));
            }
            break;
        case 1:
            if (!text.empty()) {
                text[Below(text.size())] = static_cast<char>(Below(256));
            }
            break;
        case 2:
        case 3:
            text.insert(Below(text.size() + 1), Pick(Tokens()));
            break;
        case 4:
            if (!text.empty()) {
                const std::size_t at = Below(text.size());
                text.erase(at, 1 + Below(16));
            }
            break;
        case 5:
        case 6:
            editLines(text);
            break;
        case 7:
            replaceNumber(text);
            break;
        case 8:
            text.insert(Below(text.size() + 1), Number());
            break;
        case 9: {
            // Longer than every line limit of the readers (99, 254, 998).
            const std::size_t length = 90 + Below(2200);
            const char fill = Chance(50) ? 'x' : static_cast<char>('0' + Below(10));
            text.insert(Below(text.size() + 1), std::string(length, fill));
            break;
        }
        case 10:
            text.resize(Below(text.size() + 1));
            break;
        case 11:
            changeLineEnds(text);
            break;
        case 12:
            text.insert(Below(text.size() + 1), RandomBytes(8));
            break;
        case 13:
            if (Chance(10)) {
                text.clear();
            } else if (!text.empty()) {
                // Cut the last line end away, or add one.
                if (text.back() == '\n') {
                    text.pop_back();
                } else {
                    text += "\r\n";
                }
            }
            break;
        default:
            text.insert(Below(text.size() + 1), "-");
            break;
        }
    }

    void editLines(std::string& text)
    {
        std::vector<std::string> lines = SplitKeepingEnds(text);
        if (lines.empty()) {
            return;
        }
        const std::size_t i = Below(lines.size());
        switch (Below(4)) {
        case 0:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
            break;
        case 1:
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        case 2:
            std::swap(lines[i], lines[Below(lines.size())]);
            break;
        default:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), Chance(50) ? "\r\n" : "\n");
            break;
        }
        text = Joined(lines);
    }

    void replaceNumber(std::string& text)
    {
        std::vector<std::size_t> starts;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool digit = text[i] >= '0' && text[i] <= '9';
            const bool after = i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9';
            if (digit && !after) {
                starts.push_back(i);
            }
        }
        if (starts.empty()) {
            return;
        }
        const std::size_t start = Pick(starts);
        std::size_t end = start;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        text.replace(start, end - start, Number());
    }

    void changeLineEnds(std::string& text)
    {
        std::string out;
        out.reserve(text.size() + text.size() / 8);
        const std::size_t kind = Below(3);
        for (char c : text) {
            if (c == '\r' && kind == 0) {
                continue; // bare LF
            }
            if (c == '\n' && kind == 1 && (out.empty() || out.back() != '\r')) {
                out += '\r'; // CR LF
            }
            if (c == '\n' && kind == 2) {
                out += "\r"; // a lone CR before the line end
            }
            out += c;
        }
        text = std::move(out);
    }

    std::mt19937_64 m_engine;
};

} // namespace orvenda::fuzzing
