#pragma once

// The program's session: the program folder, the current day, the error
// journal, the settings and the loaded lists, and the refresh that turns them
// into what the main window shows. Windows present the session's view and
// forward the user's commands; they hold no logic of their own.

#include "app/astro_panel.h"
#include "app/system_clock.h"
#include "config/config.h"
#include "config/config_file.h"
#include "editors/event_commands.h"
#include "engine/journal.h"
#include "engine/questions.h"
#include "events/loader.h"
#include "events/records.h"
#include "events/upcoming.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvenda {

// Everything the main window shows, as data.
struct MainView {
    std::string DateLabel;    // the current day in pattern "D"
    std::string WeekdayLabel; // "Понедельник" ...
    AstroRows Astro;          // kept as it is while the panel is switched off
    std::array<std::string, 2> Saying;
    std::vector<ShownRow> Events; // SGEvents
    int Count = 0;
    std::string StatusCount = "0"; // status panel 2
    std::string StatusFiles;       // status panel 3: "?" after a missing file
    std::string StatusDetails;     // status panel 4
};

struct SessionEnvironment {
    // The folder of the user's files, with a trailing "/": the configuration,
    // the schemes, the run log; relative names resolve against it.
    std::string programFolder;
    // The delivered read-only files (pictures, Template/, the help page, the
    // fixed saying file), with a trailing "/"; empty: the program folder.
    // When it differs from the program folder, StartUp seeds the program
    // folder from it (app/program_folders.h).
    std::string dataFolder;
    std::string programPath;  // the program file, for the autostart entry
    std::string autostartDir; // where the autostart entry lives
    ClockSeams clock;
    // Whom the session asks and tells (the windows' dialogs, a test's
    // script); null for a program with nobody to ask.
    Questions* questions = nullptr;
    // Whether StartUp makes the program folder the process's current folder
    // (the programs do; tests that run several sessions may not).
    bool changeCurrentFolder = true;
};

struct [[nodiscard]] CommandResult {
    bool ok = true;
    std::string error; // for the window to show when !ok
};

// What the heavy part of a refresh works from: plain values taken from the
// session when the refresh is asked for, so that the work can run on another
// thread while the session goes on answering the window.
struct RefreshInputs {
    // Which request this is; the session applies only the newest one's outcome.
    std::uint64_t generation = 0;
    std::vector<TListedFile> eventFiles;
    std::vector<TListedFile> sayingFiles;
    std::string dataFolder; // where the fixed saying file lies
    TDateRec now = DefaultDate;
    TDateRec currentDay = DefaultDate;
    bool group = true;
    bool configMissing = false;
};

// What the heavy part of a refresh brings back.
struct RefreshOutcome {
    RefreshInputs inputs;
    EventLoadResult events;
    SayingLoadResult sayings;
    // The year's list of the current day; empty when the loading failed.
    UpcomingResult upcoming;
    std::array<std::string, 2> saying;
    // The lines the reading added, written to the session's journal only
    // when the outcome is applied.
    Journal journal;
};

// Reads the event and saying files and lays out the current day's year.
// Touches nothing but its inputs and the files, so it may run on any thread.
RefreshOutcome ComputeRefresh(RefreshInputs inputs);

class Session {
public:
    // `observer` receives what reading the configuration does to windows; may be null.
    explicit Session(SessionEnvironment env, ConfigObserver* observer = nullptr);

    // Once, when the main window is first shown: program folder (made and
    // seeded on the first start of an installed program), current day from
    // the clock, the first journal lines.
    void StartUp();
    // The full reload and recomputation. A file error that ends the refresh
    // early (a full-date line whose counts are not numbers) is returned; the
    // next refresh starts over. With a refresh runner, the reading and the
    // layout are handed to it and the view changes when its outcome is
    // applied; the result then only reports the request.
    CommandResult Refresh();

    // A refresh in three steps, for a window that keeps answering while the
    // files are read: BeginRefresh reads the configuration (which shows the
    // current day) and takes the inputs, ComputeRefresh does the rest
    // anywhere, and FinishRefresh applies the outcome of the newest request
    // (nullopt for an older one, which changes nothing). The lists an
    // applied outcome replaces are left in it, to be let go with it.
    RefreshInputs BeginRefresh();
    std::optional<CommandResult> FinishRefresh(RefreshOutcome& outcome);
    // Who carries out the refresh of the day commands, the row commands and
    // Refresh: empty, the session at once; the desktop window hands the
    // inputs to another thread and brings the outcome to FinishRefresh.
    using RefreshRunner = std::function<void(RefreshInputs)>;
    void SetRefreshRunner(RefreshRunner runner) { m_refreshRunner = std::move(runner); }
    void WriteRunLog();

    // Day commands of the today panel; each refreshes.
    CommandResult StepDay(int delta);
    CommandResult GoToday();
    CommandResult SetCurrentDay(TDateRec day);

    // "Группировать": the grouping mark changed; the year's list is laid out again.
    void SetGrouping(bool group);
    // The events of a period (the period window's "Показать").
    void ShowPeriod(TDateRec from, TDateRec to);
    // "ещё": a saying chosen at random.
    void MoreSaying();
    // A click on a row of the event list: the details line and the panel for
    // the event's date. False for a heading row (the event commands are then off).
    bool SelectRow(int row);
    // A click on the date label: the panel for the current day again.
    void ShowCurrentDayPanel();

    // "Отключить" and "Удалить" on a row: the file is rewritten, then refreshed.
    // A row without a file path does nothing, and neither does a command the
    // user cancelled in the editor's close question.
    CommandResult SwitchOffRow(int row);
    CommandResult DeleteRow(int row);
    // The same on the event row chosen last, after the user confirmed;
    // nullopt when no event row is chosen or the user declined (nothing
    // changed, the view stays as it is).
    std::optional<CommandResult> SwitchOffSelected();
    std::optional<CommandResult> DeleteSelected();
    // The event row chosen last (SelectRow), or null: what switch-off,
    // delete, the editor and "Добавить в список" act on. The view's rows are
    // laid out again by every refresh, which forgets the choice.
    const ShownRow* SelectedEvent() const;

    // Tells the user of a failed command.
    void Report(const CommandResult& result);
    // "Выход": true when the program may end (asked first when ConfirmExit is set).
    bool ConfirmExit();
    // "Сохранить настройки": writes the configuration; a failure is shown
    // and returned.
    SaveResult SaveSettings();
    // The main window's own switches, kept in the settings.
    void SetToolBarShown(bool on) { m_config.ToolBarShow = on; }
    void SetToolBarCaptions(bool on) { m_config.ToolBarShowTXT = on; }
    void SetDateInRow(bool on) { m_config.ViewDateInStr = on; }

    // The event editor that carries out "Отключить" and "Удалить", so that it
    // never holds a stale copy of the file it could save back over the
    // change. Without one (the terminal companion has no editor) the file is
    // changed directly.
    using EventEditorService = std::function<EventCommandResult(
        const std::string& path, int ordinal, EventChange change, const std::string& expectedText)>;
    void SetEventEditor(EventEditorService editor) { m_editor = std::move(editor); }

    const MainView& View() const noexcept { return m_view; }
    const Journal& GetJournal() const noexcept { return m_journal; }
    Journal& GetJournal() noexcept { return m_journal; }
    TConfigRec& Config() noexcept { return m_config; }
    const TConfigRec& Config() const noexcept { return m_config; }
    TDateRec CurrentDay() const noexcept { return m_currentDay; }
    const std::string& ProgramFolder() const noexcept { return m_env.programFolder; }
    std::string ConfigPath() const { return m_env.programFolder + "Orvenda.cfg"; }
    const std::string& DataFolder() const noexcept { return m_env.dataFolder; }
    // A delivered read-only file by its name in the delivery, such as
    // "Img/Kalachakra.jpg" or "Template/events.xml". Every picture, template
    // and help file is found through here, never through the program folder.
    std::string DataFile(std::string_view relativePath) const;
    const SessionEnvironment& Environment() const noexcept { return m_env; }
    // The loaded events that can show on the current day (in their window,
    // or a notable count of days away), files in list order, records in file order.
    const std::vector<TEventRec>& AllEvents() const noexcept { return m_allEvents; }
    // How many events the last refresh read from the files.
    std::size_t LoadedEventCount() const noexcept { return m_loadedEvents; }
    const std::vector<TSayingRec>& Sayings() const noexcept { return m_sayings; }
    // The details text of a row (status panel 4), without changing the view.
    std::string DetailsOfRow(int row) const;

private:
    class ConfigAdapter;

    void ShowCurrentDay();
    // The year's list of the current day laid out again from the kept events.
    void ComputeYear();
    // m_upcoming's rows and count into the view.
    void ShowYear();
    void ShowSaying(int index);
    CommandResult RewriteRow(int row, bool remove);
    // The view's row `row`, or null out of range.
    const ShownRow* rowAt(int row) const;

    SessionEnvironment m_env;
    NoQuestions m_nobodyToAsk;
    Questions& m_questions;
    ConfigObserver* m_observer;
    Journal m_journal;
    TConfigRec m_config;
    TDateRec m_currentDay = DefaultDate;
    // The day the kept events were loaded for, which the rows, the grouping,
    // a period and a row's details go by. It trails the current day while a
    // refresh for a new day is still reading the files, so that the old rows
    // are never laid out or explained for a day they were not read for.
    TDateRec m_eventsDay = DefaultDate;
    std::vector<TEventRec> m_allEvents;
    std::size_t m_loadedEvents = 0;
    std::vector<TSayingRec> m_sayings;
    UpcomingResult m_upcoming;
    MainView m_view;
    int m_selectedRow = -1;
    std::uint64_t m_refreshGeneration = 0;

    EventEditorService m_editor;
    RefreshRunner m_refreshRunner;
};

} // namespace orvenda
