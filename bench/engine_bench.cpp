// Speed of the calendar engine's per-date operations, each for a date in 2007
// and one in year 100000: the closed formulas should cost the same for both.

#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/principles.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using namespace orvenda;

// 9 May of the year given as the benchmark's argument.
TDateRec dateOf(const benchmark::State& state)
{
    return MakeDate(static_cast<std::int32_t>(state.range(0)), 5, 9);
}

void BM_DayNumber(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(DayNumber(date));
    }
}

void BM_DateOfDayNumber(benchmark::State& state)
{
    std::int64_t n = DayNumber(dateOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(DateOfDayNumber(n));
    }
}

void BM_AddDays(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    std::int64_t k = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(k);
        benchmark::DoNotOptimize(AddDays(date, k));
    }
}

void BM_DaysBetween(benchmark::State& state)
{
    TDateRec a = dateOf(state);
    TDateRec b = AddDays(a, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(DaysBetween(a, b));
    }
}

void BM_FormatDate(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        std::string text = FormatDate(date, "d.m.Y");
        benchmark::DoNotOptimize(text);
    }
}

void BM_ReadDate(benchmark::State& state)
{
    const std::string text = FormatDate(dateOf(state), "d.m.Y");
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(ReadDate(text, DayFirst, DefaultDate));
    }
}

void BM_WeekPrinciple(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(WeekPrinciple(date));
    }
}

void BM_DayPrinciple(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(DayPrinciple(date));
    }
}

void BM_DecadeOfDate(benchmark::State& state)
{
    TDateRec date = dateOf(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(DecadeOfDate(date));
    }
}

BENCHMARK(BM_DayNumber)->Arg(2007)->Arg(100000);
BENCHMARK(BM_DateOfDayNumber)->Arg(2007)->Arg(100000);
BENCHMARK(BM_AddDays)->Arg(2007)->Arg(100000);
BENCHMARK(BM_DaysBetween)->Arg(2007)->Arg(100000);
BENCHMARK(BM_FormatDate)->Arg(2007)->Arg(100000);
BENCHMARK(BM_ReadDate)->Arg(2007)->Arg(100000);
BENCHMARK(BM_WeekPrinciple)->Arg(2007)->Arg(100000);
BENCHMARK(BM_DayPrinciple)->Arg(2007)->Arg(100000);
BENCHMARK(BM_DecadeOfDate)->Arg(2007)->Arg(100000);

} // namespace
