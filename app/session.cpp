#include "app/session.h"

#include "app/program_folders.h"
#include "app/run_log.h"
#include "editors/event_commands.h"
#include "engine/date_format.h"
#include "events/loader.h"
#include "events/sayings.h"

#include <filesystem>
#include <system_error>

namespace orvenda {

namespace {

const char* const SwitchOffQuestion = "Отключить событие?\n Событие помечается как не активное, но из "
                                      "файла не удаляется \n Впредь оно не будет обрабатываться.";
const char* const DeleteQuestion = "Удалить событие из файла? Восстановление будет не возможно";

std::int64_t WholeSeconds(TDateRec t)
{
    return (DayNumber(t) * 24 + (t.Hour % 24)) * 3600 + (t.Minute % 60) * 60 + (t.Second % 60);
}

AstroRows EmptyAstroRows()
{
    AstroRows rows;
    const char* captions[] = {"Век", "Год", "Месяц", "Декада", "Неделя", "День", ""};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Caption = captions[i];
    return rows;
}

} // namespace

// Reading the configuration shows the current day on the main window part way
// through; the session keeps that part and passes the rest to the windows.
class Session::ConfigAdapter : public ConfigObserver {
public:
    explicit ConfigAdapter(Session& session) : m_session(session) {}

    void ShowCurrentDay() override
    {
        m_session.ShowCurrentDay();
        if (m_session.m_observer)
            m_session.m_observer->ShowCurrentDay();
    }
    void SchemeListChanged(const std::vector<std::string>& names) override
    {
        if (m_session.m_observer)
            m_session.m_observer->SchemeListChanged(names);
    }
    void LogEnableChanged(bool on) override
    {
        if (m_session.m_observer)
            m_session.m_observer->LogEnableChanged(on);
    }
    void UserLogChanged(bool on) override
    {
        if (m_session.m_observer)
            m_session.m_observer->UserLogChanged(on);
    }
    void ShowAstroPanelChanged(bool on) override
    {
        if (m_session.m_observer)
            m_session.m_observer->ShowAstroPanelChanged(on);
    }
    void ToolBarShowChanged(bool on) override
    {
        if (m_session.m_observer)
            m_session.m_observer->ToolBarShowChanged(on);
    }
    void ToolBarShowTXTChanged(bool on) override
    {
        if (m_session.m_observer)
            m_session.m_observer->ToolBarShowTXTChanged(on);
    }
    void SchemeObjectLoaded(int object) override
    {
        if (m_session.m_observer)
            m_session.m_observer->SchemeObjectLoaded(object);
    }
    void ApplyLooks(const TLooks& looks) override
    {
        if (m_session.m_observer)
            m_session.m_observer->ApplyLooks(looks);
    }

private:
    Session& m_session;
};

Session::Session(SessionEnvironment env, ConfigObserver* observer)
    : m_env(std::move(env)), m_questions(m_env.questions ? *m_env.questions : m_nobodyToAsk),
      m_observer(observer)
{
    if (!m_env.programFolder.empty() && m_env.programFolder.back() != '/')
        m_env.programFolder += '/';
    if (m_env.dataFolder.empty())
        m_env.dataFolder = m_env.programFolder;
    else if (m_env.dataFolder.back() != '/')
        m_env.dataFolder += '/';
    m_view.Astro = EmptyAstroRows();
}

void Session::StartUp()
{
    const TDateRec now = m_env.clock.now();
    m_currentDay = now;
    m_eventsDay = now;
    m_journal.Add("Программа запущена: " + m_env.clock.shortDate(now) + " в " + m_env.clock.shortTime(now));
    m_journal.Add("-------------------");
    if (m_env.programFolder != m_env.dataFolder)
        SeedProgramFolder(m_env.programFolder, m_env.dataFolder, m_journal);
    if (m_env.changeCurrentFolder) {
        std::error_code ec;
        std::filesystem::current_path(m_env.programFolder, ec);
    }
}

std::string Session::DataFile(std::string_view relativePath) const
{
    return m_env.dataFolder + std::string(relativePath);
}

void Session::ShowCurrentDay()
{
    m_view.DateLabel = FormatDate(m_currentDay, "D");
    m_view.WeekdayLabel = WeekdayName(m_currentDay, WeekdayForm::Russian);
    if (m_config.ShowAstroPanel)
        m_view.Astro = FillAstroPanel(m_currentDay);
}

RefreshOutcome ComputeRefresh(RefreshInputs inputs)
{
    RefreshOutcome outcome;
    // Every list the session lays out (the year, the grouping, a period) is
    // for the current day, which changes only with a refresh, so only the
    // events that can show on it are kept.
    outcome.events = LoadEventFiles(inputs.eventFiles, inputs.now, outcome.journal, inputs.currentDay);
    if (!outcome.events.failed) {
        outcome.sayings = LoadSayingFiles(inputs.sayingFiles, inputs.dataFolder, outcome.journal);
        const TDateRec day = inputs.currentDay;
        outcome.upcoming = ComputeUpcoming(outcome.events.events, day, MakeDate(day.Year, 1, 1),
                                           MakeDate(day.Year, 12, 31), inputs.group, DayLayout::MainView);
        outcome.saying = SayingLines(outcome.sayings.sayings, SayingIndexOfDay(day));
    }
    outcome.inputs = std::move(inputs);
    return outcome;
}

RefreshInputs Session::BeginRefresh()
{
    RefreshInputs inputs;
    inputs.generation = ++m_refreshGeneration;
    inputs.now = m_env.clock.now();

    ConfigEnvironment configEnv;
    configEnv.programFolder = m_env.programFolder;
    configEnv.programPath = m_env.programPath;
    configEnv.autostartDir = m_env.autostartDir;
    configEnv.dateText = m_env.clock.shortDate(inputs.now);
    configEnv.timeText = m_env.clock.shortTime(inputs.now);
    ConfigAdapter adapter(*this);
    inputs.configMissing = !LoadConfig(m_config, configEnv, m_journal, &adapter).found;

    inputs.eventFiles = m_config.EventFiles;
    inputs.sayingFiles = m_config.WisdomFiles;
    inputs.dataFolder = m_env.dataFolder;
    inputs.currentDay = m_currentDay;
    inputs.group = m_config.ViewGroup;
    return inputs;
}

std::optional<CommandResult> Session::FinishRefresh(RefreshOutcome& outcome)
{
    if (outcome.inputs.generation != m_refreshGeneration)
        return std::nullopt;
    for (const std::string& line : outcome.journal.Lines())
        m_journal.Add(line);
    EventLoadResult& events = outcome.events;
    m_view.StatusFiles.clear();
    if (outcome.inputs.configMissing || events.missingFile || outcome.sayings.missingFile)
        m_view.StatusFiles.assign(1, '?');
    // The lists are swapped, not moved: the replaced ones leave with the
    // outcome, so that the window can let them go off its own thread.
    std::swap(m_allEvents, events.events);
    m_eventsDay = outcome.inputs.currentDay;
    m_loadedEvents = events.loaded;
    if (events.failed)
        return CommandResult{false, events.error};

    std::swap(m_sayings, outcome.sayings.sayings);
    std::swap(m_upcoming, outcome.upcoming);
    outcome.upcoming.Shown = std::move(m_view.Events);
    // The grouping mark may have changed while the files were read.
    if (outcome.inputs.group == m_config.ViewGroup)
        ShowYear();
    else
        ComputeYear();
    m_view.Saying = std::move(outcome.saying);
    WriteRunLog();
    return CommandResult{};
}

CommandResult Session::Refresh()
{
    RefreshInputs inputs = BeginRefresh();
    if (m_refreshRunner) {
        m_refreshRunner(std::move(inputs));
        return {};
    }
    // The previous list is replaced whatever the loading brings; letting it go
    // first keeps one list in memory instead of two.
    m_allEvents = {};
    RefreshOutcome outcome = ComputeRefresh(std::move(inputs));
    return FinishRefresh(outcome).value_or(CommandResult{});
}

void Session::WriteRunLog()
{
    orvenda::WriteRunLog(m_config, m_journal, m_env.programFolder, m_env.clock.shortDate(m_env.clock.now()));
}

void Session::ComputeYear()
{
    m_upcoming = ComputeUpcoming(m_allEvents, m_eventsDay, MakeDate(m_eventsDay.Year, 1, 1),
                                 MakeDate(m_eventsDay.Year, 12, 31), m_config.ViewGroup, DayLayout::MainView);
    ShowYear();
}

void Session::ShowYear()
{
    // The shown rows are only ever read from the view, so they move there.
    m_view.Events = std::move(m_upcoming.Shown);
    m_view.Count = m_upcoming.Count;
    m_view.StatusCount = std::to_string(m_upcoming.Count);
    m_view.StatusDetails.clear();
    m_selectedRow = -1;
}

void Session::ShowSaying(int index)
{
    m_view.Saying = SayingLines(m_sayings, index);
}

CommandResult Session::StepDay(int delta)
{
    return SetCurrentDay(AddDays(m_currentDay, delta));
}

CommandResult Session::GoToday()
{
    return SetCurrentDay(m_env.clock.now());
}

CommandResult Session::SetCurrentDay(TDateRec day)
{
    m_currentDay = day;
    return Refresh();
}

void Session::SetGrouping(bool group)
{
    m_config.ViewGroup = group;
    ComputeYear();
}

void Session::ShowPeriod(TDateRec from, TDateRec to)
{
    m_upcoming = ComputeUpcoming(m_allEvents, m_eventsDay, from, to, m_config.ViewGroup, DayLayout::Period);
    m_view.Events = std::move(m_upcoming.Shown);
    m_view.Count = m_upcoming.Count;
    m_view.StatusCount = std::to_string(m_upcoming.Count);
    m_view.StatusDetails.clear();
    m_selectedRow = -1;
}

void Session::MoreSaying()
{
    ShowSaying(RandomSayingIndex(m_sayings.size(), WholeSeconds(m_env.clock.now())));
}

const ShownRow* Session::rowAt(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_view.Events.size())
        return nullptr;
    return &m_view.Events[static_cast<std::size_t>(row)];
}

std::string Session::DetailsOfRow(int row) const
{
    const ShownRow* shown = rowAt(row);
    return shown ? ShowEventDetails(*shown, m_eventsDay).text : std::string();
}

bool Session::SelectRow(int row)
{
    m_selectedRow = -1;
    const ShownRow* shown = rowAt(row);
    if (!shown)
        return false;
    const EventDetails details = ShowEventDetails(*shown, m_eventsDay);
    if (!details.isEvent) {
        m_view.StatusDetails.clear();
        return false;
    }
    m_selectedRow = row;
    if (m_config.ShowAstroPanel)
        m_view.Astro = FillAstroPanel(details.astroDate);
    m_view.StatusDetails = details.text;
    return true;
}

void Session::ShowCurrentDayPanel()
{
    if (m_config.ShowAstroPanel)
        m_view.Astro = FillAstroPanel(m_currentDay);
}

CommandResult Session::RewriteRow(int row, bool remove)
{
    const ShownRow* shown = rowAt(row);
    if (!shown || !shown->IsEvent() || shown->FilePath.empty())
        return {};
    // The refresh replaces the rows.
    const std::string path = shown->FilePath;
    const std::int32_t ordinal = shown->Ordinal;
    const std::string text = shown->Text;
    const EventChange change = remove ? EventChange::Delete : EventChange::SwitchOff;
    EventCommandResult done;
    if (m_editor) {
        done = m_editor(path, ordinal, change, text);
        if (done.cancelled)
            return {};
    } else {
        done = remove ? DeleteEvent(path, ordinal, m_journal, text)
                      : SwitchOffEvent(path, ordinal, m_journal, text);
    }
    CommandResult refreshed = Refresh();
    if (!done.ok)
        return {false, done.error};
    return refreshed;
}

CommandResult Session::SwitchOffRow(int row)
{
    return RewriteRow(row, false);
}

CommandResult Session::DeleteRow(int row)
{
    return RewriteRow(row, true);
}

const ShownRow* Session::SelectedEvent() const
{
    return rowAt(m_selectedRow);
}

std::optional<CommandResult> Session::SwitchOffSelected()
{
    const ShownRow* row = SelectedEvent();
    if (!row || row->FilePath.empty() ||
        m_questions.Ask(std::string(ProgramName), SwitchOffQuestion, Questions::Buttons::OkNo) !=
            Questions::Answer::Ok)
        return std::nullopt;
    return SwitchOffRow(m_selectedRow);
}

std::optional<CommandResult> Session::DeleteSelected()
{
    const ShownRow* row = SelectedEvent();
    if (!row || row->FilePath.empty() ||
        m_questions.Ask(std::string(ProgramName), DeleteQuestion, Questions::Buttons::OkNo) !=
            Questions::Answer::Ok)
        return std::nullopt;
    return DeleteRow(m_selectedRow);
}

void Session::Report(const CommandResult& result)
{
    if (!result.ok)
        m_questions.ShowError(std::string(ProgramName), result.error);
}

bool Session::ConfirmExit()
{
    return !m_config.ConfirmExit ||
           m_questions.Ask("Выходим...", "Уже пора?", Questions::Buttons::OkCancel) == Questions::Answer::Ok;
}

SaveResult Session::SaveSettings()
{
    const std::string path = ConfigPath();
    const SaveResult saved = SaveConfig(m_config, path, m_env.programFolder, m_journal);
    if (!saved.ok())
        m_questions.ShowError(std::string(ProgramName), ConfigSaveFailureText(saved, path));
    return saved;
}

} // namespace orvenda
