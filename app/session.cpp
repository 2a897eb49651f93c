#include "app/session.h"

#include "app/run_log.h"
#include "editors/event_commands.h"
#include "engine/text.h"
#include "events/loader.h"
#include "events/sayings.h"

#include <filesystem>
#include <system_error>

namespace orvenda {

namespace {

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
    : m_env(std::move(env)), m_observer(observer)
{
    if (!m_env.programFolder.empty() && m_env.programFolder.back() != '/')
        m_env.programFolder += '/';
    m_view.Astro = EmptyAstroRows();
}

void Session::StartUp()
{
    if (m_env.changeCurrentFolder) {
        std::error_code ec;
        std::filesystem::current_path(m_env.programFolder, ec);
    }
    const TDateRec now = m_env.clock.now();
    m_currentDay = now;
    m_journal.Add("Программа запущена: " + m_env.clock.shortDate(now) + " в " + m_env.clock.shortTime(now));
    m_journal.Add("-------------------");
}

void Session::ShowCurrentDay()
{
    m_view.DateLabel = FormatDate(m_currentDay, "D");
    m_view.WeekdayLabel = WeekdayName(m_currentDay, 2);
    if (m_config.ShowAstroPanel)
        m_view.Astro = FillAstroPanel(m_currentDay);
}

CommandResult Session::Refresh()
{
    const TDateRec now = m_env.clock.now();
    m_view.StatusFiles.clear();

    ConfigEnvironment configEnv;
    configEnv.programFolder = m_env.programFolder;
    configEnv.programPath = m_env.programPath;
    configEnv.autostartDir = m_env.autostartDir;
    configEnv.dateText = m_env.clock.shortDate(now);
    configEnv.timeText = m_env.clock.shortTime(now);
    ConfigAdapter adapter(*this);
    if (!LoadConfig(m_config, configEnv, m_journal, &adapter).found)
        m_view.StatusFiles.assign(1, '?');

    // The previous list is replaced whatever the loading brings; letting it go
    // first keeps one list in memory instead of two.
    m_allEvents = {};
    EventLoadResult events = LoadEventFiles(m_config.EventFiles, now, m_journal);
    m_allEvents = std::move(events.events);
    if (events.missingFile)
        m_view.StatusFiles.assign(1, '?');
    if (events.failed)
        return {false, events.error};

    SayingLoadResult sayings = LoadSayingFiles(m_config.WisdomFiles, m_env.programFolder, m_journal);
    m_sayings = std::move(sayings.sayings);
    if (sayings.missingFile)
        m_view.StatusFiles.assign(1, '?');

    ComputeYear();
    ShowSaying(SayingIndexOfDay(m_currentDay));
    WriteRunLog();
    return {};
}

void Session::WriteRunLog()
{
    orvenda::WriteRunLog(m_config, m_journal, m_env.programFolder, m_env.clock.shortDate(m_env.clock.now()));
}

void Session::ComputeYear()
{
    m_upcoming =
        ComputeUpcoming(m_allEvents, m_currentDay, MakeDate(m_currentDay.Year, 1, 1),
                        MakeDate(m_currentDay.Year, 12, 31), m_config.ViewGroup, DayLayout::MainView);
    // The shown rows are only ever read from the view, so they move there.
    m_view.Events = std::move(m_upcoming.Shown);
    m_view.Count = m_upcoming.Count;
    m_view.StatusCount = std::to_string(m_upcoming.Count);
    m_view.StatusDetails.clear();
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
    m_upcoming = ComputeUpcoming(m_allEvents, m_currentDay, from, to, m_config.ViewGroup, DayLayout::Period);
    m_view.Events = std::move(m_upcoming.Shown);
    m_view.Count = m_upcoming.Count;
    m_view.StatusCount = std::to_string(m_upcoming.Count);
    m_view.StatusDetails.clear();
}

void Session::MoreSaying()
{
    ShowSaying(RandomSayingIndex(m_sayings.size(), WholeSeconds(m_env.clock.now())));
}

std::string Session::DetailsOfRow(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_view.Events.size())
        return {};
    return ShowEventDetails(m_view.Events[static_cast<std::size_t>(row)], m_currentDay).text;
}

bool Session::SelectRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_view.Events.size())
        return false;
    const EventDetails details = ShowEventDetails(m_view.Events[static_cast<std::size_t>(row)], m_currentDay);
    if (!details.isEvent) {
        m_view.StatusDetails.clear();
        return false;
    }
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
    if (row < 0 || static_cast<std::size_t>(row) >= m_view.Events.size())
        return {};
    const ShownRow& shown = m_view.Events[static_cast<std::size_t>(row)];
    if (shown.FilePath.empty())
        return {};
    const std::optional<std::int32_t> ordinal = ParseInt32(shown.Ordinal);
    if (!ordinal)
        return {};
    const std::string path = shown.FilePath;
    const std::string text = shown.Text;
    const EventChange change = remove ? EventChange::Delete : EventChange::SwitchOff;
    EventCommandResult done;
    if (m_editor) {
        done = m_editor(path, *ordinal, change, text);
        if (done.cancelled)
            return {};
    } else {
        done = remove ? DeleteEvent(path, *ordinal, m_journal, text)
                      : SwitchOffEvent(path, *ordinal, m_journal, text);
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

} // namespace orvenda
