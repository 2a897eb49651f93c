#pragma once

// The main window "Орвенда": the today panel with the saying of the day, the
// Kalachakra panel, the list of events around the current day, the status
// bar, and the menus and tool bar that open the other windows. It shows what
// the session says and passes the user's commands to it.

#include "app/session.h"
#include "app/ui/main_actions.h"
#include "app/ui/window_fit.h"
#include "config/config_file.h"

#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;
class QTextEdit;

namespace orvenda {

class AstroPanelWidget;
class EventListModel;
class Prompt;
class TFormAbout;
class TFormCalendar;
class TFormEvtEdit;
class TFormOptions;
class TFormStatus;
class TodayPanel;

// The application's title: window caption and caption of its questions.
QString ProgramTitle();

class TFormMain : public QMainWindow, public ConfigObserver {
    Q_OBJECT
public:
    TFormMain(SessionEnvironment env, Prompt& prompt, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The windows opened from here; any may be null.
    void SetWindows(TFormStatus* status, TFormAbout* about, TFormCalendar* calendar);
    // The event editor and the options window; their commands are enabled
    // once they are given.
    void SetEditorWindows(TFormEvtEdit* editor, TFormOptions* options);
    // How files are opened with the desktop's handler (help, Kalachakra picture).
    using UrlOpener = std::function<void(const QUrl&)>;
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    Session& GetSession() noexcept { return m_session; }
    const ColumnWidths& Widths() const noexcept { return m_widths; }

    // StartUp and the first refresh; runs once, when the window is first shown.
    void Start();

    // What reading the configuration does to this window.
    void ShowCurrentDay() override;
    void ShowAstroPanelChanged(bool on) override;
    void ToolBarShowChanged(bool on) override;
    void ToolBarShowTXTChanged(bool on) override;
    void SchemeListChanged(const std::vector<std::string>& names) override;
    void LogEnableChanged(bool on) override;
    void UserLogChanged(bool on) override;
    void SchemeObjectLoaded(int object) override;
    // Both halves: this window's text areas and the options window's samples.
    void ApplyLooks(const TLooks& looks) override;

signals:
    // "&Выход" confirmed, or the window closed by its title bar.
    void exitAccepted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget* CreateTopPanel();
    QTableView* CreateEventList();
    void CreateStatusBar();
    void ConnectCommands();

    // After a command that changed the session's view.
    void ShowCommandResult(const CommandResult& result);
    void ShowView();
    void ShowSaying();
    void SyncMarks();
    void FitColumns();
    void ApplyColumnWidths();
    void FitWindowWidth();
    void SetRowCommandsEnabled(bool on);
    // This window's half of the looks ("Применить" of the options window).
    void ApplyOwnLooks(const TLooks& looks);
    void ShowEditor();
    void EditRow();
    void ShowOptions();

    void RowChosen(int row);
    void DateLabelClicked();
    void OpenCalendar();
    void CalendarDatePicked(QDate date);
    void SwitchOffRow();
    void DeleteRow();
    void ExitCommand();
    // Whether the program may end: the editor's close question when it holds
    // unsaved changes (Cancel keeps the program running).
    bool EditorLetsQuit();
    void SaveSettings();
    void ShowWindow(QWidget* window);
    void OpenProgramFile(const char* relativePath);

    Session m_session;
    Prompt& m_prompt;
    UrlOpener m_openUrl;
    MainActions m_actions;
    TodayPanel* m_today = nullptr;
    QTextEdit* m_saying = nullptr;
    QPushButton* m_moreSaying = nullptr;
    AstroPanelWidget* m_astro = nullptr;
    QTableView* m_list = nullptr;
    EventListModel* m_model = nullptr;
    std::array<QLabel*, 5> m_statusPanels{};
    TFormStatus* m_statusWindow = nullptr;
    TFormAbout* m_aboutWindow = nullptr;
    TFormCalendar* m_calendar = nullptr;
    TFormEvtEdit* m_editor = nullptr;
    TFormOptions* m_options = nullptr;
    ColumnWidths m_widths;
    int m_selectedRow = -1; // the event row the row commands act on
    bool m_started = false;
    bool m_quietSelection = false; // the view, not the user, moves the selection
};

} // namespace orvenda
