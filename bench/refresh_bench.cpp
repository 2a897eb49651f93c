// Speed of the refresh, the program's hot path, over program folders of
// generated events (1,000 to 1,000,000): a new session starting up and
// refreshing once, as the desktop program does when its window first
// appears, and a running session refreshing again, as "Обновить" does. The
// folders are written by make_event_folder.py into the build folder on first
// use; ORVENDA_BENCH_DATA names another folder to keep them in (one
// sub-folder events_N per size).

#include "app/session.h"
#include "app/system_clock.h"
#include "engine/date.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace {

using namespace orvenda;

std::string dataFolder()
{
    const char* chosen = std::getenv("ORVENDA_BENCH_DATA");
    return (chosen && *chosen) ? chosen : ORVENDA_BENCH_DATA_DIR;
}

// The program folder with `events` generated events; empty when it cannot be made.
std::string eventFolder(long events)
{
    const std::string folder = dataFolder() + "/events_" + std::to_string(events);
    std::error_code error;
    if (std::filesystem::exists(folder + "/Orvenda.cfg", error)) {
        return folder + "/";
    }
    const std::string command =
        std::string("python3 '") + ORVENDA_BENCH_SCRIPT + "' '" + folder + "' " + std::to_string(events);
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return folder + "/";
}

// The day of the golden files: the list runs over the year end.
constexpr TDateRec kNow{2026, 12, 30, 10, 0, 0, 0};

SessionEnvironment environmentFor(const std::string& folder)
{
    SessionEnvironment env;
    env.programFolder = folder;
    env.programPath = folder + "orvenda";
    // A folder that does not exist: the refresh must not touch the user's autostart entry.
    env.autostartDir = dataFolder() + "/no-autostart";
    env.clock = FixedClock(kNow);
    env.changeCurrentFolder = false;
    return env;
}

void BM_StartUpAndRefresh(benchmark::State& state)
{
    const std::string folder = eventFolder(static_cast<long>(state.range(0)));
    if (folder.empty()) {
        state.SkipWithError("the event folder could not be generated");
        return;
    }
    const SessionEnvironment env = environmentFor(folder);
    std::size_t loaded = 0;
    for (auto _ : state) {
        auto session = std::make_unique<Session>(env);
        session->StartUp();
        const CommandResult refreshed = session->Refresh();
        if (!refreshed.ok) {
            state.SkipWithError(refreshed.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(session->View().Count);
        loaded = session->LoadedEventCount();
        // Freeing a million records is the program's exit, not its refresh.
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    state.counters["events"] = static_cast<double>(loaded);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// "Обновить" on a running program: the same session refreshes again, so the
// list of the previous refresh is let go on the way.
void BM_RepeatedRefresh(benchmark::State& state)
{
    const std::string folder = eventFolder(static_cast<long>(state.range(0)));
    if (folder.empty()) {
        state.SkipWithError("the event folder could not be generated");
        return;
    }
    Session session(environmentFor(folder));
    session.StartUp();
    for (auto _ : state) {
        const CommandResult refreshed = session.Refresh();
        if (!refreshed.ok) {
            state.SkipWithError(refreshed.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(session.View().Count);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(BM_StartUpAndRefresh)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK(BM_RepeatedRefresh)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
