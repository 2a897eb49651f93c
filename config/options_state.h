#pragma once

// The rules of the options window, without the window: which object the
// appearance controls show and which of their buttons are pressed, the
// changed mark that decides whether "OK" offers to save, the colour schemes,
// the two file lists, the run log controls and the switches. Every action
// edits the settings record in place, as the window's controls do.

#include "config/config.h"
#include "engine/journal.h"
#include "engine/questions.h"
#include "engine/textfile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvenda {

enum class FileListKind { Events, Wisdom };

// Folder of the row that stands for an emptied list.
inline constexpr const char* EmptiedListFolder = "Нет";

// A colour the log controls paint their texts with (0x00BBGGRR).
inline constexpr TColor LogTextBlack = 0x000000;
inline constexpr TColor LogTextSilver = 0xC0C0C0;

// What the appearance controls show for the current object.
struct ObjectControls {
    int object = LcToday;
    TColor color = 0;
    TColor fontColor = 0;
    bool leftPressed = false;
    bool rightPressed = false;
    bool boldPressed = false;
    bool italicPressed = false;
    bool alignmentVisible = true;

    friend bool operator==(const ObjectControls&, const ObjectControls&) = default;
};

struct LogControls {
    bool groupEnabled = false;
    bool nameFieldEnabled = false;
    TColor dailyText = LogTextSilver;   // "Создавать каждый день"
    TColor oneFileText = LogTextSilver; // "Один файл"
    TColor appendText = LogTextSilver;  // "Добавлять в конец файла"

    friend bool operator==(const LogControls&, const LogControls&) = default;
};

// A message box with the buttons OK and Cancel.
struct OptionsQuestion {
    std::string caption;
    std::string text;
};

struct OptionsEnvironment {
    std::string programFolder; // with trailing "/"
    std::string autostartDir;  // folder of the autostart entry
    std::string programPath;   // the program the autostart entry starts
};

class OptionsState {
public:
    // The questions are those of the options window: the closing question,
    // the scheme deletion, the file, colour and font dialogs.
    OptionsState(TConfigRec& config, OptionsEnvironment env, Journal& journal, Questions& questions);

    const TConfigRec& Config() const noexcept { return m_config; }

    // Each showing of the window starts with the today caption as current
    // object and a cleared changed mark.
    void Show();

    bool Changed() const noexcept { return m_changed; }
    bool SchemeChanged() const noexcept { return m_schemeChanged; }
    bool ApplyEnabled() const noexcept { return m_applyEnabled; }
    int CurrentObject() const noexcept { return m_object; }
    const TObjectLook& CurrentLook() const { return m_config.Looks[m_object]; }
    ObjectControls Controls() const;

    // ---- The current object; `object` is a LookObject, others are ignored ----

    // A click on a sample; the events list's sample hides the alignment
    // buttons, since the list has no alignment.
    void ChooseObjectBySample(int object);
    // An item of the object box; the alignment buttons stay visible.
    void ChooseObjectByBox(int object);

    // ---- Attributes of the current object: each enables "Применить" ----

    void SetColor(TColor colour);
    void SetFontColor(TColor colour);
    // The font dialog confirmed: also sets the changed mark.
    void SetFont(const std::string& name, int size, unsigned style);
    // The colour dialogs of "Цвет фона" and "Цвет шрифта", which start at
    // the colour last chosen in each. False when cancelled (nothing changes).
    bool PickColor();
    bool PickFontColor();
    // The font dialog, which starts at the current object's font and colour.
    // Its "Применить" and its OK put the dialog's font and colour on the
    // object; `applied` then lets the window show it while the dialog stays
    // open. Cancel keeps what "Применить" put. False when the look was not
    // changed.
    bool PickFont(const std::function<void()>& applied = {});
    // "[=" and "=]": pressing the pressed one centres the object.
    void ToggleLeft();
    void ToggleRight();
    // "Ж" and "К": the style becomes exactly the pressed buttons, so
    // underline and strike-out are dropped.
    void ToggleBold();
    void ToggleItalic();

    // "Применить", and every reading of the configuration: disables
    // "Применить" and sets the changed mark. The looks to put on the main window.
    const TLooks& ApplyLooks();

    // ---- Colour schemes ----

    const std::vector<std::string>& Schemes() const noexcept { return m_schemes; }
    // The names available; kept sorted.
    void SetSchemeList(std::vector<std::string> names);
    // A name chosen in the scheme box: it becomes the scheme in use and its
    // looks are read (the samples change; the main window on "Применить").
    // False when the scheme could not be read (the journal says why).
    bool ChooseScheme(const std::string& name);
    // A name typed into the scheme box.
    void SetSchemeName(const std::string& name);
    // "Сохранить": writes the looks under the name in the box and lists a new
    // name. False when the file could not be written.
    bool SaveCurrentScheme();
    // "Удалить": the question to ask, or nullopt when the name in the box is
    // not a listed scheme.
    std::optional<OptionsQuestion> DeleteSchemeQuestion() const;
    // Confirmed: removes the scheme's file and its name, and leaves no scheme
    // in use; the looks stay. False (with a journal line) when the file could
    // not be removed; the list then keeps the name.
    bool DeleteCurrentScheme();
    // "Удалить" as the user gives it: the question, then the deletion. False
    // when nothing was deleted.
    bool AskDeleteScheme();

    // ---- File lists ----

    const std::vector<TListedFile>& Files(FileListKind kind) const;
    // "+" with the chosen path. False when the list already holds the file
    // (events: same name and folder; sayings: same name), which changes
    // nothing but the changed mark.
    bool AddFile(FileListKind kind, const std::string& path);
    // "-" on the row `index`; rows out of range are ignored.
    void RemoveFile(FileListKind kind, std::size_t index);
    // "x".
    void ClearFiles(FileListKind kind);
    // Folder + Name of the row, or nullopt for a row without a file.
    std::optional<std::string> FilePath(FileListKind kind, std::size_t index) const;
    // The open-file dialog's filter.
    static orvenda::FileFilter FileFilter(FileListKind kind);
    // "+": the open dialog, starting in the folder of the file on row
    // `index`; the chosen file is added. The chosen path, or nullopt when
    // the dialog was cancelled.
    std::optional<std::string> AskFileToAdd(FileListKind kind, std::size_t index);

    // ---- Run log ----

    LogControls Log() const;
    // The user's log check box; sets the changed mark.
    void SetLogEnable(bool on);
    // "Один файл" (true) and "Создавать каждый день" (false).
    void SetUserLog(bool on);
    void SetLogFileName(const std::string& name);
    void SetLogAppend(bool on);

    // ---- Switches ----

    void SetConfirmExit(bool on);
    void SetAdjustFormSize(bool on);
    void SetShowAstroPanel(bool on);
    // Writes or removes the autostart entry at once; the changed mark is not
    // set, since nothing of it goes into the configuration file. False when
    // the entry could not be written or removed.
    bool SetAutostart(bool on);

    // ---- Closing ----

    // The question "OK" asks, or nullopt when nothing was changed.
    std::optional<OptionsQuestion> OkQuestion() const;
    // Writes the configuration file in the program folder.
    SaveResult SaveConfiguration();
    // "OK": when something was changed, the question whether to keep the
    // configuration, and on OK its writing; a failure is shown and
    // returned.
    SaveResult Accept();

private:
    std::vector<TListedFile>& list(FileListKind kind);
    void attributeChanged();
    void setStyle(bool bold, bool italic);

    TConfigRec& m_config;
    OptionsEnvironment m_env;
    Journal& m_journal;
    Questions& m_questions;
    Questions::Rgb m_lastColor;
    Questions::Rgb m_lastFontColor;
    std::vector<std::string> m_schemes;
    int m_object = LcToday;
    bool m_alignmentVisible = true;
    bool m_changed = false;
    bool m_schemeChanged = false;
    bool m_applyEnabled = false;
};

} // namespace orvenda
