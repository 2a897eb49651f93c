#include "tools/tables/tables.h"

#include <gtest/gtest.h>

namespace {

using namespace orvenda;

// The window asks and the terminal refuses by the size told in advance, so
// it has to be the number of lines the table then has.
TEST(TableSizeTest, IsTheNumberOfLinesBuilt)
{
    auto range = [](TableKind kind, std::int32_t from, std::int32_t to, bool grouped = true) {
        TableRequest r;
        r.kind = kind;
        r.from = from;
        r.to = to;
        r.grouped = grouped;
        return r;
    };
    TableRequest days;
    days.kind = TableKind::Days;
    days.fromDate = MakeDate(2006, 3, 2);
    days.toDate = MakeDate(2006, 3, 2);
    TableRequest laterTime = days;
    laterTime.fromDate.Hour = 12;
    TableRequest overYearZero = days;
    overYearZero.fromDate = MakeDate(-2, 12, 20);
    overYearZero.toDate = MakeDate(1, 1, 10);
    TableRequest birthday = range(TableKind::Birthday, 2017, 1890);
    birthday.width = 5;

    std::vector<TableRequest> requests = {
        range(TableKind::Century, 19, 21),
        range(TableKind::Century, 3, -4),
        range(TableKind::Year, 3, -3),
        range(TableKind::Month, 2006, 0),
        range(TableKind::Decade, 1, 0),
        range(TableKind::Week, -5, 0),
        range(TableKind::Zodiac, 2006, 0),
        range(TableKind::Calendar, 2006, 0),
        days,
        laterTime,
        overYearZero,
        birthday,
        range(TableKind::Birthday, 5, 5),
    };
    // Grouped five-year signs around the missing year 0, over whole cycles
    // and with every possible end of the last group.
    for (std::int32_t from : {-200, -61, -2, -1, 0, 1, 1960})
        for (std::int32_t to = from; to < from + 130; to += 7)
            for (bool grouped : {true, false})
                requests.push_back(range(TableKind::FiveYearSigns, from, to, grouped));

    for (const TableRequest& request : requests) {
        SCOPED_TRACE(::testing::Message()
                     << "kind " << static_cast<int>(request.kind) << " from " << request.from << " to "
                     << request.to << " grouped " << request.grouped);
        ASSERT_FALSE(TableInputError(request));
        std::size_t lines = TableLines(request).size();
        if (request.kind == TableKind::Birthday)
            lines += static_cast<std::size_t>(std::abs(request.to - request.from) + 1);
        EXPECT_EQ(TableSize(request), lines);
    }
    // Huge ranges are counted without being walked.
    EXPECT_GT(TableSize(range(TableKind::FiveYearSigns, -kTableYearLimit, kTableYearLimit)), kTableLineLimit);
    EXPECT_GT(TableSize(range(TableKind::Birthday, 1, 200000)), kTableLineLimit);
}

} // namespace
