#include "config/config_file.h"

#include "config/autostart.h"
#include "config/keep_encoding.h"
#include "config/schemes.h"
#include "config/settings_text.h"
#include "engine/codec.h"
#include "engine/file_failure.h"
#include "engine/utf8.h"

#include <optional>

namespace orvenda {

namespace {

// Longer lines of the configuration file are read as several lines.
constexpr std::size_t kMaxConfigLine = 254;

constexpr const char* kEventsHeader = "[Events in]";
constexpr const char* kWisdomHeader = "[Wisdom in]";
constexpr const char* kEndList = "[end list]";

// Reads up to and including `header`, then the entries up to "[end list]" or
// the end of the text. Without the header the whole rest is consumed and the
// list is empty.
std::vector<TListedFile> readList(LineReader& reader, std::string_view header,
                                  const std::string& programFolder)
{
    std::vector<TListedFile> entries;
    std::string line;
    bool found = false;
    while (reader.ReadLine(line, kMaxConfigLine)) {
        if (line == header) {
            found = true;
            break;
        }
    }
    if (found) {
        while (reader.ReadLine(line, kMaxConfigLine) && line != kEndList) {
            entries.push_back(SplitListedPath(line, programFolder));
        }
    }
    // Trailing unnamed entries go, but a list always keeps its first entry,
    // and an empty list gets one placeholder.
    while (entries.size() > 1 && entries.back().Name.empty()) {
        entries.pop_back();
    }
    if (entries.empty()) {
        entries.emplace_back();
    }
    return entries;
}

void readBool(bool& field, const std::string& value)
{
    field = TextToBool(value);
}

// Applies one settings line; false when reading is to stop here.
bool applySetting(TConfigRec& config, const std::string& key, const std::string& value,
                  const std::string& programFolder, Journal& journal, ConfigObserver& observer)
{
    if (key == "ConfirmExit") {
        readBool(config.ConfirmExit, value);
    } else if (key == "AdjustFormSize") {
        readBool(config.AdjustFormSize, value);
    } else if (key == "LogEnable") {
        readBool(config.LogEnable, value);
        observer.LogEnableChanged(config.LogEnable);
    } else if (key == "UserLog") {
        readBool(config.UserLog, value);
        observer.UserLogChanged(config.UserLog);
    } else if (key == "UserLogFileName") {
        config.UserLogFileName = value;
    } else if (key == "LogAppend") {
        readBool(config.LogAppend, value);
    } else if (key == "ColorScheme") {
        LoadScheme(config.Looks, programFolder, value, journal, &observer);
        config.ColorScheme = value;
    } else if (key == "ShowAstroPanel") {
        readBool(config.ShowAstroPanel, value);
        observer.ShowAstroPanelChanged(config.ShowAstroPanel);
    } else if (key == "ToolBarShow") {
        readBool(config.ToolBarShow, value);
        observer.ToolBarShowChanged(config.ToolBarShow);
    } else if (key == "ToolBarShowTXT") {
        readBool(config.ToolBarShowTXT, value);
        observer.ToolBarShowTXTChanged(config.ToolBarShowTXT);
    } else if (key == "ViewGroup") {
        readBool(config.ViewGroup, value);
    } else if (key == "ViewDateInStr") {
        readBool(config.ViewDateInStr, value);
    } else if (key == "DefaultConfig") {
        return !TextToBool(value);
    }
    return true;
}

void writeList(std::vector<std::string>& lines, const std::vector<TListedFile>& files,
               const std::string& programFolder)
{
    for (const TListedFile& file : files) {
        if (file.Name.empty()) {
            continue;
        }
        // A bare name that would read as the end of the list keeps its folder.
        const bool bare = file.Folder == programFolder && file.Name != kEndList;
        lines.push_back(bare ? file.Name : file.Folder + file.Name);
    }
}

std::string keyLine(std::string_view key, const std::string& value)
{
    return Pad(key, " ", 16, "left") + "= " + value;
}

} // namespace

TListedFile SplitListedPath(std::string_view path, const std::string& programFolder)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return TListedFile{programFolder, std::string(path)};
    }
    return TListedFile{std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

LoadConfigResult LoadConfig(TConfigRec& config, const ConfigEnvironment& env, Journal& journal,
                            ConfigObserver* observer)
{
    ConfigObserver silent;
    ConfigObserver& windows = observer ? *observer : silent;

    journal.Add("Загружаем конфигурацию: " + env.dateText + " в " + env.timeText);

    if (ReadAutostart(env.autostartDir)) {
        if (!config.Autostart) {
            // Point the entry at this copy of the program.
            WriteAutostart(true, env.autostartDir, env.programPath);
        }
        config.Autostart = true;
    }
    windows.ShowCurrentDay();
    windows.SchemeListChanged(ListSchemes(env.programFolder));

    const std::string path = env.programFolder + ConfigFileName;
    const std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        journal.Add("!! Не найден конфигурационный файл " + path + " => события не загружены!");
        return {};
    }

    LineReader reader(file->text);
    config.EventFiles = readList(reader, kEventsHeader, env.programFolder);
    config.WisdomFiles = readList(reader, kWisdomHeader, env.programFolder);

    std::string line;
    while (reader.ReadLine(line, kMaxConfigLine)) {
        const std::string key = KeyOf(line);
        if (key.empty()) {
            continue;
        }
        if (!applySetting(config, key, ValueOf(line), env.programFolder, journal, windows)) {
            break;
        }
    }

    windows.ApplyLooks(config.Looks);
    LoadConfigResult result;
    result.found = true;
    return result;
}

SaveResult SaveConfig(const TConfigRec& config, const std::string& path, const std::string& programFolder,
                      Journal& journal)
{
    std::vector<std::string> lines;
    lines.push_back("    Здесь указываются файлы событий");
    lines.push_back(kEventsHeader);
    writeList(lines, config.EventFiles, programFolder);
    lines.push_back(kEndList);
    lines.push_back("");
    lines.push_back("    Здесь указываются файлы высказываний");
    lines.push_back(kWisdomHeader);
    writeList(lines, config.WisdomFiles, programFolder);
    lines.push_back(kEndList);
    lines.push_back("");
    lines.push_back("     Здесь указываются остальные настройки");
    lines.push_back("!!! исправлять можно только значения параметров !!!");
    lines.push_back("      (т.е. после символа \"=\") ");
    lines.push_back("");
    lines.push_back(keyLine("ConfirmExit", BoolText(config.ConfirmExit)));
    lines.push_back(keyLine("AdjustFormSize", BoolText(config.AdjustFormSize)));
    lines.push_back(keyLine("LogEnable", BoolText(config.LogEnable)));
    lines.push_back(keyLine("UserLog", BoolText(config.UserLog)));
    lines.push_back(keyLine("UserLogFileName", config.UserLogFileName));
    lines.push_back(keyLine("LogAppend", BoolText(config.LogAppend)));
    lines.push_back(keyLine("ColorScheme", config.ColorScheme));
    lines.push_back(keyLine("ShowAstroPanel", BoolText(config.ShowAstroPanel)));
    lines.push_back(keyLine("ToolBarShow", BoolText(config.ToolBarShow)));
    lines.push_back(keyLine("ToolBarShowTXT", BoolText(config.ToolBarShowTXT)));
    lines.push_back(keyLine("ViewGroup", BoolText(config.ViewGroup)));
    lines.push_back(keyLine("ViewDateInStr", BoolText(config.ViewDateInStr)));

    SaveResult result = SaveTextFile(path, lines, EncodingToKeep(path));
    if (!result.ok()) {
        journal.Add("Невозможно сохранить файл конфигурации в " + path);
    }
    return result;
}

std::string ConfigSaveFailureText(const SaveResult& result, const std::string& path)
{
    // The reason in the words every other file's failure is told in.
    std::string text = "Невозможно сохранить файл конфигурации в " + path;
    const std::string reason = FailureReason(FailureOf(result, path));
    if (!reason.empty())
        text += "\n" + reason;
    return text;
}

} // namespace orvenda
