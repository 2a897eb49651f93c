#include "config/schemes.h"

#include "config/colour_text.h"
#include "config/config_file.h"
#include "config/keep_encoding.h"
#include "config/settings_text.h"
#include "engine/codec.h"
#include "engine/numbers.h"
#include "engine/utf8.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace orvenda {

namespace {

constexpr std::string_view kExtension = ".sch";
constexpr std::size_t kMaxSchemeLine = 99;
// Sizes outside this range are not a font a window can draw; they are
// treated like text that is not a number.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 999;

std::string schemePath(const std::string& programFolder, const std::string& name)
{
    return programFolder + name + std::string(kExtension);
}

std::string lineNote(const std::string& name, int lineNumber)
{
    return "Цветовая схема " + name + ", строка " + std::to_string(lineNumber) + ": ";
}

// Reads the lines of a scheme one by one, counting them for the journal.
class SchemeReader {
public:
    SchemeReader(std::string text, const std::string& name, Journal& journal)
        : m_reader(std::move(text)), m_name(name), m_journal(journal)
    {
    }

    // The next line; nullopt at the end of the file, reported once.
    std::optional<std::string> next()
    {
        std::string line;
        if (m_ended || !m_reader.ReadLine(line, kMaxSchemeLine)) {
            if (!m_ended) {
                m_journal.Add(lineNote(m_name, m_line + 1) + "файл кончился раньше времени");
                m_ended = true;
            }
            return std::nullopt;
        }
        ++m_line;
        return line;
    }

    void readColour(TColor& field)
    {
        if (const std::optional<std::string> line = next()) {
            if (const std::optional<TColor> colour = ColourOfText(Trim(*line))) {
                field = *colour;
            } else {
                m_journal.Add(lineNote(m_name, m_line) + "неизвестный цвет \"" + EscapeControls(*line) +
                              "\"");
            }
        }
    }

    void readSize(int& field)
    {
        if (const std::optional<std::string> line = next()) {
            const std::optional<std::int32_t> size = ParseInt32(Trim(*line));
            if (size && *size >= kMinFontSize && *size <= kMaxFontSize) {
                field = *size;
            } else {
                m_journal.Add(lineNote(m_name, m_line) + "неверный размер шрифта \"" + EscapeControls(*line) +
                              "\"");
            }
        }
    }

private:
    LineReader m_reader;
    const std::string& m_name;
    Journal& m_journal;
    int m_line = 0;
    bool m_ended = false;
};

} // namespace

std::vector<std::string> ListSchemes(const std::string& programFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(programFolder.empty() ? "." : programFolder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const std::string file = it->path().filename().string();
        if (file.size() > kExtension.size() && file.ends_with(kExtension)) {
            names.push_back(file.substr(0, file.size() - kExtension.size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool LoadScheme(TLooks& looks, const std::string& programFolder, const std::string& name, Journal& journal,
                ConfigObserver* observer)
{
    if (name.empty()) {
        return false;
    }
    std::optional<TextFile> file = ReadTextFile(schemePath(programFolder, name));
    if (!file) {
        journal.Add("Невозможно открыть цветовую схему" + name);
        return false;
    }

    SchemeReader reader(std::move(file->text), name, journal);
    for (int object = 0; object < LookObjectCount; ++object) {
        TObjectLook& look = looks[object];
        reader.next(); // the object's name, for the human reader only
        reader.readColour(look.Color);
        if (const std::optional<std::string> line = reader.next()) {
            look.Alignment = AlignmentOfText(*line);
        }
        if (const std::optional<std::string> line = reader.next()) {
            look.FontName = *line;
        }
        reader.readSize(look.FontSize);
        reader.readColour(look.FontColor);
        if (const std::optional<std::string> line = reader.next()) {
            look.FontStyle = FontStyleOfText(*line);
        }
        if (observer) {
            observer->SchemeObjectLoaded(object);
        }
    }
    return true;
}

SaveResult SaveScheme(const TLooks& looks, const std::string& programFolder, const std::string& name,
                      Journal& journal)
{
    std::vector<std::string> lines;
    lines.reserve(LookObjectCount * 7);
    for (int object = 0; object < LookObjectCount; ++object) {
        const TObjectLook& look = looks[object];
        lines.push_back(std::string("--------------- ") + LookObjectName(object));
        lines.push_back(ColourText(look.Color));
        lines.push_back(AlignmentText(look.Alignment));
        lines.push_back(look.FontName);
        lines.push_back(std::to_string(look.FontSize));
        lines.push_back(ColourText(look.FontColor));
        lines.push_back(FontStyleText(look.FontStyle));
    }

    const std::string path = schemePath(programFolder, name);
    SaveResult result = SaveTextFile(path, lines, EncodingToKeep(path));
    if (!result.ok()) {
        journal.Add("Невозможно сохранить цветовую схему");
    }
    return result;
}

} // namespace orvenda
