#pragma once

// The rules of the event and saying file editor window beyond its file
// model: the question before a modified file is dropped, the file dialogs of
// Open, Save and Save as, the file commands that the main window switches off
// when it only shows the window, the record navigator and the status bar
// texts. The window forwards its commands here and shows the result.

#include "editors/event_commands.h"
#include "editors/event_file.h"
#include "engine/journal.h"
#include "engine/questions.h"

#include <functional>
#include <string>
#include <string_view>

namespace orvenda {

inline constexpr std::string_view SaveChangesQuestion = "Текущий файл не был сохранён! Сохранить?";
inline constexpr std::string_view OverwriteQuestion = "Файл был изменён другой программой. Перезаписать?";
// Open, and Save of a file that has no name yet. The "C" of "Cобытия" is Latin.
inline constexpr std::string_view EditorFilePairs =
    "Поддерживаемые файлы|*.evt;*.wis|Cобытия (*.evt)|*.evt|Высказываний (*.wis)|*.wis|Все файлы|*.*";
// Save as offers only these, for saying files too.
inline constexpr std::string_view SaveAsFilePairs = "Файлы событий (*.evt)|*.evt|Все файлы (*.*)|*.*";
inline constexpr std::string_view ErrorCaption = "Ошибка!";
inline constexpr std::string_view OpenCaption = "Открыть";
inline constexpr std::string_view SaveAsCaption = "Сохранить как";

class EditorController {
public:
    struct Status {
        std::string modified; // "Изменён" or empty
        std::string position; // "n/count"; keeps its last text while no table is loaded
        std::string path;
    };

    struct NavigatorState {
        bool first = false;
        bool prior = false;
        bool next = false;
        bool last = false;
        bool insert = false;
        bool remove = false;

        friend bool operator==(const NavigatorState&, const NavigatorState&) = default;
    };

    enum class Move { First, Prior, Next, Last };

    // templateFolder (with its trailing separator) holds the lookup lists of
    // the floating layout. Both references must outlive the controller.
    EditorController(std::string templateFolder, Journal& journal, Questions& questions);

    // Closes the current file (asking first when it is modified), then reads
    // `path`. False when the close was refused, the file could not be read
    // (a journal line; no file is then loaded but the file commands are
    // enabled) or its header is unknown (an error box; the previous file is
    // closed all the same).
    bool Open(const std::string& path);
    // The "Открыть" command: nothing while the file is modified, otherwise the
    // open dialog and Open. True when a file was opened.
    bool OpenCommand();
    // The "Новый" command: true when the current file is closed and the
    // new-file dialog is to be shown.
    bool NewCommand();
    // An empty unnamed file of `kind`, after closing the current one; false
    // when the close was refused.
    bool New(EventFileFormat kind);
    // Writes the file. An unnamed file is named through the save dialog
    // first; false when that is cancelled or writing fails (an error box and
    // a journal line; the modified mark stays and nothing is lost). A
    // read-only file is reported and "Сохранить как" offered instead. The
    // file is locked while it is written, against the other writers of the
    // program, and a file that another program changed since it was read
    // here is overwritten only when the user says so ("Отмена" keeps both
    // the file and the table).
    bool Save();
    // Writes the file under a name chosen in the save dialog, which becomes
    // its path and caption; false when cancelled or when writing fails.
    bool SaveAs();
    // Drops the file. When it is modified the user is asked: OK saves first
    // (and the file stays open when that save does not happen), No drops the
    // changes, Cancel keeps everything. False when the file stays.
    bool Close();
    // The main window's "Отключить" and "Удалить": the editor closes its
    // file (asking first when it is modified; `cancelled` when the user
    // keeps it, and then nothing changes), opens `path`, selects record
    // `ordinal`, changes it, saves and closes, holding the file's lock from
    // reading to writing. `expectedText` as for ApplyEventChange.
    EventCommandResult ChangeEvent(const std::string& path, int ordinal, EventChange change,
                                   const std::optional<std::string>& expectedText);
    // Reads the file again when another program changed it on disk and the
    // editor holds no unsaved change, keeping the current record number
    // where the file still has it. True when it was read again; with unsaved
    // changes the question comes when they are saved.
    bool ReloadIfChangedOnDisk();

    // The "Выход" command: the window hides; the file stays loaded with its
    // modified mark, only the file commands are disabled.
    void Exit();

    // "Сохранить", "Сохранить как" and "Закрыть" of the menu (the tool bar
    // buttons stay as they are).
    void EnableFileCommands(bool on);
    bool FileCommandsEnabled() const noexcept { return m_fileCommands; }

    bool Select(int n);
    bool Navigate(Move move);
    // Insert before the current record; event records start with dbefore 1,
    // dafter 0 and active.
    bool Insert();
    bool DeleteCurrent();
    NavigatorState Navigator() const;

    // Rewrites the three status texts from the model; to be called after the
    // model was changed directly (an edit of a field).
    const Status& RefreshStatus();
    const Status& StatusTexts() const noexcept { return m_status; }

    // Called with the path after every file written, also by the close
    // question's OK, so that whoever shows the file's content can reload it.
    void SetSavedHandler(std::function<void(const std::string& path)> handler)
    {
        m_saved = std::move(handler);
    }

    // The form fields and the table edit the records directly.
    EventFileModel& Model() noexcept { return m_model; }
    const EventFileModel& Model() const noexcept { return m_model; }

private:
    bool write(const std::string& path, bool rename);

    std::string m_templateFolder;
    Journal& m_journal;
    Questions& m_questions;
    EventFileModel m_model;
    bool m_fileCommands = false;
    Status m_status;
    std::function<void(const std::string&)> m_saved;
};

} // namespace orvenda
