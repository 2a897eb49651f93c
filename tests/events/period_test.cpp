#include "events/period.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orvenda {
namespace {

struct FiguresCase {
    const char* name;
    const char* from;
    const char* to;
    int precision;
    // years, months, weeks, days, years.months.days
    const char* figures[5];
};

void PrintTo(const FiguresCase& c, std::ostream* os)
{
    *os << c.from << " - " << c.to;
}

class PeriodFiguresTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(PeriodFiguresTest, ShowsTheLengthOfThePeriod)
{
    const FiguresCase& c = GetParam();
    PeriodPresenter presenter(",");
    presenter.SetPrecision(c.precision);
    presenter.ComputePeriodFigures(c.from, c.to);
    EXPECT_EQ(presenter.Error(), "");
    const PeriodFigures& f = presenter.Figures();
    EXPECT_EQ(f.Years, c.figures[0]);
    EXPECT_EQ(f.Months, c.figures[1]);
    EXPECT_EQ(f.Weeks, c.figures[2]);
    EXPECT_EQ(f.Days, c.figures[3]);
    EXPECT_EQ(f.Period, c.figures[4]);
}

const FiguresCase kFigures[] = {
    // A zero fraction is not shown.
    {"WholeYear", "1.1.2007", "31.12.2007", 3, {"0,997", "12", "52", "364", "0.11.30"}},
    {"ExchangedDates", "10.3.2008", "3.3.2008", 3, {"0,019", "0,233", "1", "7", "0.00.07"}},
    {"PrecisionZeroRoundsHalfUp", "1.1.2007", "12.1.2007", 0, {"0", "0", "2", "11", "0.00.11"}},
    {"PrecisionNine",
     "1.1.2007",
     "11.1.2007",
     9,
     {"0,02739726", "0,333333333", "1,428571429", "10", "0.00.10"}},
    {"OverSeveralYears", "15.6.2001", "15.6.2005", 3, {"4", "48", "208,714", "1461", "4.00.00"}},
    // A period that starts after 29 February cannot hold that leap day:
    // the partial years are measured by 365 days, unless a later leap day
    // falls inside.
    {"StartAfterLeapDay", "1.3.2008", "1.3.2009", 3, {"1", "12", "52,143", "365", "1.00.00"}},
    {"StartAfterLeapDayReachingNextOne",
     "1.3.2008",
     "1.3.2012",
     3,
     {"4", "48", "208,714", "1461", "4.00.00"}},
    {"StartOnLeapDay", "29.2.2008", "28.2.2009", 3, {"0,997", "12", "52,143", "365", "0.11.30"}},
};

INSTANTIATE_TEST_SUITE_P(Period, PeriodFiguresTest, testing::ValuesIn(kFigures),
                         [](const testing::TestParamInfo<FiguresCase>& info) { return info.param.name; });

TEST(PeriodPresenter, WrongOrMissingDateKeepsTheFigures)
{
    PeriodPresenter presenter(",");
    presenter.ComputePeriodFigures("1.1.2007", "8.1.2007");
    ASSERT_EQ(presenter.Figures().Days, "7");

    presenter.ComputePeriodFigures("31.2.2007", "8.1.2007");
    EXPECT_EQ(presenter.Error(), "Не верно указана дата!");
    EXPECT_EQ(presenter.Figures().Days, "7");

    // An empty field leaves everything, the error included, as it was.
    presenter.ComputePeriodFigures("", "9.1.2007");
    EXPECT_EQ(presenter.Error(), "Не верно указана дата!");

    presenter.ComputePeriodFigures("1.1.2007", "9.1.2007");
    EXPECT_EQ(presenter.Error(), "");
    EXPECT_EQ(presenter.Figures().Days, "8");
}

TEST(PeriodPresenter, PrecisionStopsAtItsBoundsAndNamesThem)
{
    PeriodPresenter presenter;
    EXPECT_EQ(presenter.Precision(), 3);
    EXPECT_EQ(presenter.Hint(), "Точность вычислений: 3");
    presenter.SetPrecision(-1);
    EXPECT_EQ(presenter.Precision(), 0);
    EXPECT_EQ(presenter.Hint(), "Точность вычислений: минимальная");
    presenter.SetPrecision(10);
    EXPECT_EQ(presenter.Precision(), 9);
    EXPECT_EQ(presenter.Hint(), "Точность вычислений: максимальная");
}

TEST(PeriodToShow, TakesTheCurrentYearUnlessTheYearCounts)
{
    const std::optional<PeriodDays> withYear = PeriodToShow("3.1.2027", "20.12.2026", true, 2026);
    ASSERT_TRUE(withYear);
    EXPECT_EQ(withYear->from, MakeDate(2026, 12, 20));
    EXPECT_EQ(withYear->to, MakeDate(2027, 1, 3));

    // Month and day only: over the year end the period runs backwards.
    const std::optional<PeriodDays> dayAndMonth = PeriodToShow("1.12.2025", "31.1.2026", false, 2030);
    ASSERT_TRUE(dayAndMonth);
    EXPECT_EQ(dayAndMonth->from, MakeDate(2030, 12, 1));
    EXPECT_EQ(dayAndMonth->to, MakeDate(2030, 1, 31));

    EXPECT_FALSE(PeriodToShow("31.2.2007", "1.1.2007", true, 2026));
}

} // namespace
} // namespace orvenda
