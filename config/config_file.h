#pragma once

// Reading and writing of the configuration file Orvenda.cfg in the program
// folder: the event and saying file lists and the twelve settings.

#include "config/config.h"
#include "engine/journal.h"
#include "engine/textfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

// What reading the configuration does to the windows. Every method does
// nothing here; the windows override what they show. Headless callers pass
// nullptr or this class itself.
class ConfigObserver {
public:
    virtual ~ConfigObserver() = default;

    // Between reading the autostart entry and listing the schemes: the main
    // window shows the current day and fills its Kalachakra panel.
    virtual void ShowCurrentDay() {}
    // The scheme names available, sorted.
    virtual void SchemeListChanged(const std::vector<std::string>& /*names*/) {}
    virtual void LogEnableChanged(bool /*on*/) {}
    // Enables the log name field and colours the append text.
    virtual void UserLogChanged(bool /*on*/) {}
    virtual void ShowAstroPanelChanged(bool /*on*/) {}
    virtual void ToolBarShowChanged(bool /*on*/) {}
    virtual void ToolBarShowTXTChanged(bool /*on*/) {}
    // A scheme has set the look of one object (a LookObject).
    virtual void SchemeObjectLoaded(int /*object*/) {}
    // After a successful reading of the file.
    virtual void ApplyLooks(const TLooks& /*looks*/) {}
};

struct ConfigEnvironment {
    std::string programFolder; // with trailing "/"
    std::string programPath;   // full path of the executable, for autostart
    std::string autostartDir;  // folder of XDG autostart entries
    std::string dateText;      // system short date, for the journal line
    std::string timeText;      // system long time, for the journal line
};

struct [[nodiscard]] LoadConfigResult {
    bool found = false; // the file was read
};

inline constexpr const char* ConfigFileName = "Orvenda.cfg";

// Reads programFolder + "Orvenda.cfg" into `config`. Adds the loading line to
// the journal, takes over an existing autostart entry and hands the scheme
// list to the observer first. When the file cannot be read, the journal gets
// the not-found line and the record (looks included) stays as it was.
LoadConfigResult LoadConfig(TConfigRec& config, const ConfigEnvironment& env, Journal& journal,
                            ConfigObserver* observer);

// Writes the record to `path`, replacing the file through a temporary file. A
// folder equal to programFolder is written as the bare file name; entries
// without a name are left out. A file that is UTF-8 now stays UTF-8, any other
// is written in Windows-1251; text that Windows-1251 cannot hold leaves the old
// file untouched (the result lists those characters). Failures also add a
// line to the journal.
// "Невозможно сохранить файл конфигурации в <path>" and the reason, as
// the user is told when the configuration cannot be written.
std::string ConfigSaveFailureText(const SaveResult& result, const std::string& path);

SaveResult SaveConfig(const TConfigRec& config, const std::string& path, const std::string& programFolder,
                      Journal& journal);

// Splits a list entry at its last "/": the folder keeps the "/"; without one
// the file lies in programFolder.
TListedFile SplitListedPath(std::string_view path, const std::string& programFolder);

} // namespace orvenda
