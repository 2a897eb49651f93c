// Speed of the longest tables the tables window prints without asking:
// 100,000 lines, built and appended to an output that keeps them.

#include "engine/text_output.h"
#include "tools/tables/tables.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orvenda;

// A request whose table has exactly kTableLineLimit lines.
TableRequest LongestRequest(TableKind kind)
{
    TableRequest r;
    r.kind = kind;
    r.from = 1;
    r.to = static_cast<std::int32_t>(kTableLineLimit) - 2; // two heading lines
    r.grouped = false;
    if (kind == TableKind::Days) {
        r.fromDate = MakeDate(2000, 1, 1);
        r.toDate = AddDays(r.fromDate, static_cast<std::int64_t>(kTableLineLimit) - 3);
    }
    return r;
}

void BM_PrintLongestTable(benchmark::State& state)
{
    const TableRequest request = LongestRequest(static_cast<TableKind>(state.range(0)));
    if (TableSize(request) != kTableLineLimit) {
        state.SkipWithError("the request is not of the limit's length");
        return;
    }
    for (auto _ : state) {
        TextLines output;
        PrintTable(request, output);
        benchmark::DoNotOptimize(output.Lines().data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTableLineLimit));
}

} // namespace

BENCHMARK(BM_PrintLongestTable)
    ->ArgName("kind")
    ->Arg(static_cast<int>(TableKind::Year))
    ->Arg(static_cast<int>(TableKind::Days))
    ->Arg(static_cast<int>(TableKind::FiveYearSigns))
    ->Unit(benchmark::kMillisecond);
