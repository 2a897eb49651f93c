#pragma once

// TFormEvtEdit, the event and saying file editor window: a menu and a tool
// bar with the file commands and the record navigator, the form tab of the
// file's layout, the table of all records and the file text as saved, and a
// status bar with the modified mark, the position and the path. The rules
// live in EditorController; this window shows its state and forwards the
// commands.
//
// The window is created once and only hidden, never closed for good. The
// main window and the options window drive it through the public functions.

#include "editors/editor_controller.h"
#include "engine/journal.h"
#include "engine/questions.h"

#include <QMainWindow>

class QAction;
class QDate;
class QFileSystemWatcher;
class QLabel;
class QTabWidget;

namespace orvenda {

class FixedDateForm;
class FloatingForm;
class RecordTableView;
class SayingForm;
class SourceView;
class TFormNewEvtFile;

class TFormEvtEdit final : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the folder of the program, whose "Template/" holds the
    // lookup lists. The journal and the questions must outlive the window.
    TFormEvtEdit(QString programFolder, Journal& journal, Questions& questions, QWidget* parent = nullptr);
    ~TFormEvtEdit() override;

    // Open (path): closes the current file first, asking when it is modified;
    // true when the file was read. Failures are reported as the editor does
    // (journal line, or the unknown-format box).
    bool openFile(const QString& path);
    // Makes record n (from 1) current and refreshes the status bar.
    void selectRecord(int n);
    // "Сохранить", "Сохранить как" and "Закрыть" of the menu; the tool bar
    // buttons stay as they are.
    void enableFileCommands(bool on);
    // How the main window shows the editor from its menus: the file commands
    // disabled, any loaded file kept.
    void showWithoutFileCommands();
    // "Редактировать..." of the main window's event list: shows the window,
    // opens `path` and selects record `ordinal`; false when the file was not
    // opened.
    bool showRecord(const QString& path, int ordinal);
    // New (kind): an empty unnamed file after closing the current one; used
    // by the new-file dialog. False when the close was refused.
    bool newFile(EventFileFormat kind);
    // Save, Save as and Close with their dialogs and question; false when
    // cancelled or failed.
    bool saveFile();
    bool saveFileAs();
    bool closeFile();
    // The main window's "Отключить" and "Удалить" through the editor (see
    // EditorController::ChangeEvent); the window shows the outcome.
    EventCommandResult changeEvent(const QString& path, int ordinal, EventChange change,
                                   const QString& expectedText);
    // Before the program ends: a file with unsaved changes gets the close
    // question, the window shown so the user sees which file it is about.
    // False when the user keeps the file (the program goes on).
    bool queryQuit();
    // The date the calendar of the fixed-date form shows (today at start-up).
    void setCalendarDate(const QDate& date);
    // Rewrites the three status panels.
    void refreshStatus();

    TFormNewEvtFile& newFileDialog() noexcept { return *m_newFileDialog; }
    const EditorController& controller() const noexcept { return m_controller; }

signals:
    // A file was written; the main window reloads what it shows.
    void fileSaved(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildActions();
    void buildTabs();
    void newCommand();
    void openCommand();
    void exitCommand();
    void navigate(EditorController::Move move);
    void insertRecord();
    void deleteRecord();
    void formEdited();
    void tableEdited(int number);
    void recordChosen(int number);
    // What the window shows, after the file, the table or the current record changed.
    void showFile(bool formTab);
    void showTable();
    void showCurrentRecord();
    void updateActions();
    // Watches the file being edited (and its folder, where another
    // program's save renames a new file over it).
    void watchFile();
    void fileChangedOnDisk();

    EditorController m_controller;

    QAction* m_new = nullptr;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_close = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_first = nullptr;
    QAction* m_prior = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    QAction* m_insert = nullptr;
    QAction* m_delete = nullptr;

    QTabWidget* m_tabs = nullptr;
    FixedDateForm* m_fixedForm = nullptr;
    FloatingForm* m_floatingForm = nullptr;
    SayingForm* m_sayingForm = nullptr;
    RecordTableView* m_table = nullptr;
    SourceView* m_source = nullptr;

    QLabel* m_modifiedPanel = nullptr;
    QLabel* m_positionPanel = nullptr;
    QLabel* m_pathPanel = nullptr;

    TFormNewEvtFile* m_newFileDialog = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
};

} // namespace orvenda
