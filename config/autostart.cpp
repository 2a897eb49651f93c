#include "config/autostart.h"

#include "config/settings_text.h"
#include "engine/textfile.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace orvenda {

namespace {

std::filesystem::path entryPath(const std::string& dir)
{
    return std::filesystem::path(dir) / AutostartEntryName;
}

// The Exec value for a program path: one argument in double quotes, escaped
// by the desktop entry rules (first the quoting rule for " ` $ \, then the
// string rule that doubles every backslash; "%" starts a field code and is
// doubled). Empty when the path cannot be written on one line.
std::string execValue(const std::string& programPath)
{
    std::string quoted = "\"";
    for (char c : programPath) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return "";
        }
        switch (c) {
        case '"':
        case '`':
        case '$':
            quoted += '\\';
            quoted += c;
            break;
        case '\\':
            quoted += "\\\\\\\\";
            break;
        case '%':
            quoted += "%%";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

std::string DefaultAutostartDir()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/') {
        return (std::filesystem::path(configHome) / "autostart").string();
    }
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        return (std::filesystem::path(home) / ".config" / "autostart").string();
    }
    return "";
}

bool ReadAutostart(const std::string& dir)
{
    if (dir.empty()) {
        return false;
    }
    const std::optional<TextFile> file = ReadTextFile(entryPath(dir).string());
    if (!file) {
        return false;
    }
    LineReader reader(file->text);
    std::string line;
    bool inMainGroup = false;
    while (reader.ReadLine(line)) {
        if (line.starts_with("[")) {
            inMainGroup = line == "[Desktop Entry]";
        } else if (inMainGroup && KeyOf(line) == "Exec" && !ValueOf(line).empty()) {
            return true;
        }
    }
    return false;
}

bool WriteAutostart(bool on, const std::string& dir, const std::string& programPath)
{
    if (dir.empty()) {
        return false;
    }
    std::error_code error;
    if (!on) {
        std::filesystem::remove(entryPath(dir), error);
        return !error;
    }
    const std::string exec = programPath.empty() ? "" : execValue(programPath);
    if (exec.empty()) {
        return false;
    }
    std::filesystem::create_directories(dir, error);
    if (error) {
        return false;
    }
    const std::string text = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Орвенда\n"
                             "Exec=" +
                             exec +
                             "\n"
                             "X-GNOME-Autostart-enabled=true\n";
    return SaveTextFileRaw(entryPath(dir).string(), text, TextEncoding::Utf8).ok();
}

} // namespace orvenda
