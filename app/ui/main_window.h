#pragma once

// The main window "Орвенда": the today panel with the saying of the day, the
// Kalachakra panel, the list of events around the current day, the status
// bar, and the menus and tool bar that open the other windows. It shows what
// the session says and passes the user's commands to it. It knows no other
// window: what concerns one is a request signal, which the owner of the
// windows (app/ui/windows.h) answers.

#include "app/session.h"
#include "app/ui/main_actions.h"
#include "app/ui/window_fit.h"
#include "config/config_file.h"

#include <QDate>
#include <QFont>
#include <QMainWindow>
#include <QUrl>

#include <array>
#include <functional>
#include <optional>

template <typename T> class QFutureWatcher;

class QLabel;
class QPushButton;
class QTableView;
class QTextEdit;

namespace orvenda {

class AstroPanelWidget;
class EventListModel;
class TodayPanel;

// The application's title: window caption and caption of its questions.
QString ProgramTitle();

// A refresh's outcome with its rows measured in the list's font, both done
// on a thread of the pool.
struct MeasuredRefresh {
    RefreshOutcome outcome;
    QFont font;
    WidestTexts widest;
};

class TFormMain : public QMainWindow, public ConfigObserver {
    Q_OBJECT
public:
    // The session asks the user through `questions`, which must outlive the window.
    TFormMain(SessionEnvironment env, Questions& questions, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The options window's share of what reading the configuration does
    // (scheme list, log switches, looks); may be null.
    void setConfigPartner(ConfigObserver* partner) { m_configPartner = partner; }
    // How files are opened with the desktop's handler (help, Kalachakra picture).
    using UrlOpener = std::function<void(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // Asked before the program ends ("Выход", closing the window): false
    // keeps it running. The editor's close question for unsaved changes.
    using QuitCheck = std::function<bool()>;
    void setQuitCheck(QuitCheck check) { m_quitCheck = std::move(check); }

    Session& session() noexcept { return m_session; }
    const ColumnWidths& widths() const noexcept { return m_widths; }

    // StartUp and the first refresh; runs once, when the window is first shown.
    void start();
    // Whether a refresh is still reading the files. The window keeps
    // answering meanwhile; the list changes when the refresh is done.
    bool refreshRunning() const noexcept { return m_refreshWatcher != nullptr; }
    // The period window's "Показать": the event list laid out over from..to,
    // until the next refresh or grouping command.
    void showPeriod(TDateRec from, TDateRec to);

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

    // This window's half of the looks ("Применить" of the options window).
    void applyOwnLooks(const TLooks& looks);
    // A date picked in the month calendar opened from here.
    void showPickedDate(QDate date);

signals:
    // "&Выход" confirmed, or the window closed by its title bar.
    void exitAccepted();
    // Requests for the other windows. A menu entry or tool button whose
    // window is not part of the program is disabled until something is
    // connected to its request.
    void periodRequested();             // "Посмотреть за период...", "Период"
    void calendarRequested(QDate date); // "Календарь", a double click on the date: the current day
    void editorRequested();             // "Редактор событий", without the file commands
    // "Редактировать..." and a double click on an event row: the row's file at its record.
    void recordEditRequested(const QString& path, int record);
    // "Добавить в список": the chosen event row's date and text.
    void addToListRequested(const orvenda::TDateRec& date, const QString& text);
    void eventListRequested();  // "Список событий"
    void tablesRequested();     // "Таблицы"
    void calculatorRequested(); // "Калькулятор дат"
    void textEditorRequested(); // "Текстовый редактор"
    void optionsRequested();    // "Настройки..."
    void journalRequested();    // "Журнал ошибок"
    void aboutRequested();      // "О программе"

    // The journal has new lines (after every command and refresh).
    void journalChanged();
    // The session has started; `today` is its current day.
    void started(QDate today);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    QWidget* createTopPanel();
    QTableView* createEventList();
    void createStatusBar();
    void connectCommands();

    // After a command that changed the session's view.
    // `widest`: the new rows measured ahead, when they are the ones shown.
    void showCommandResult(const CommandResult& result, std::optional<WidestTexts> widest = std::nullopt);
    // After a command whose refresh runs on: its own failure is told now,
    // the view follows when the refresh is done.
    void showRequestResult(const CommandResult& result);
    // The session's refresh runner: the files are read and the year laid out
    // on a thread of the pool; one refresh at a time, and of the requests
    // made meanwhile only the newest waits for its turn.
    void runRefresh(RefreshInputs inputs);
    void refreshDone();
    void showView();
    void showSaying();
    void syncMarks();
    void FitColumns(std::optional<WidestTexts> widest = std::nullopt);
    void applyColumnWidths();
    // What the window needs besides the list's columns: margins, the list's
    // frame and its vertical scroll bar when the rows overflow it.
    int listChrome() const;
    void FitWindowWidth();
    void setRowCommandsEnabled(bool on);
    void editRow();
    void addRowToList();

    void rowChosen(int row);
    void showDetails(const QString& details);
    void dateLabelClicked();
    void openCalendar();
    void switchOffRow();
    void deleteRow();
    void exitCommand();
    // Whether the program may end: asks the quit check when one is set.
    bool mayQuit();
    void saveSettings();
    void openProgramFile(const char* relativePath);

    Session m_session;
    ConfigObserver* m_configPartner = nullptr;
    UrlOpener m_openUrl;
    QuitCheck m_quitCheck;
    MainActions m_actions;
    TodayPanel* m_today = nullptr;
    QTextEdit* m_saying = nullptr;
    QPushButton* m_moreSaying = nullptr;
    AstroPanelWidget* m_astro = nullptr;
    QTableView* m_list = nullptr;
    EventListModel* m_model = nullptr;
    std::array<QLabel*, 5> m_statusPanels{};
    ColumnWidths m_widths;
    QFutureWatcher<MeasuredRefresh>* m_refreshWatcher = nullptr;
    std::optional<RefreshInputs> m_nextRefresh;
    bool m_started = false;
    bool m_quietSelection = false; // the view, not the user, moves the selection
};

} // namespace orvenda
