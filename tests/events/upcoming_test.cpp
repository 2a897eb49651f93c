#include "events/upcoming.h"

#include "engine/date_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace orvenda {
namespace {

// Day differences below are counted by hand from month lengths (2008 is a
// leap year, 2007 and 2009 are not).

TEventRec Event(std::string text, std::int32_t year, int month, int day, int before, int after,
                int active = 1, std::string path = "/home/u/events.evt", int ordinal = 1)
{
    TEventRec record;
    record.Text = std::move(text);
    record.Date = UnsetDateTime;
    record.Date.Year = year;
    record.Date.Month = static_cast<std::uint16_t>(month);
    record.Date.Day = static_cast<std::uint16_t>(day);
    record.FilePath = std::move(path);
    record.Ordinal = ordinal;
    record.DaysBefore = before;
    record.DaysAfter = after;
    record.Active = active;
    return record;
}

// The refresh: the current day's whole year.
UpcomingResult MainView(const std::vector<TEventRec>& events, TDateRec today, bool group = true)
{
    return ComputeUpcoming(events, today, MakeDate(today.Year, 1, 1), MakeDate(today.Year, 12, 31), group,
                           DayLayout::MainView);
}

std::vector<std::string> Texts(const std::vector<ShownRow>& rows)
{
    std::vector<std::string> texts;
    for (const ShownRow& row : rows) {
        texts.push_back(row.Text);
    }
    return texts;
}

// The first letter of these two is the Latin "C", spelled apart so that it
// cannot be mistaken for the Cyrillic one.
const std::string NoEvents = std::string("C") + "обытий нет";
const std::string ThousandsHeading = "==== " + std::string("C") + "обытия с кратностью дней 1000 ====";
const std::string SameDigitsHeading = "==== Особые сроки ====";

struct WindowCase {
    const char* name;
    TDateRec today;
    int month;
    int day;
    int before;
    int after;
    bool inside;
    const char* heading; // of the event's day when inside
};

TEST(UpcomingWindow, EventIsListedExactlyWhenItsWindowCoversTheDay)
{
    const WindowCase cases[] = {
        {"on the day, no window", MakeDate(2008, 3, 15), 3, 15, 0, 0, true, " ---- Сегодня ----"},
        {"last day ahead", MakeDate(2008, 3, 15), 3, 20, 5, 0, true, " ---- Через 5 дней----"},
        {"one day too far ahead", MakeDate(2008, 3, 15), 3, 21, 5, 0, false, ""},
        {"last day after", MakeDate(2008, 3, 15), 3, 10, 0, 5, true, " ---- 5 дней назад ----"},
        {"one day too long after", MakeDate(2008, 3, 15), 3, 9, 0, 5, false, ""},
        {"days after do not reach ahead", MakeDate(2008, 3, 15), 3, 20, 0, 10, false, ""},
        // Seen from the last days of a year with a window reaching past its end.
        {"31 Dec from 30 Dec", MakeDate(2008, 12, 30), 12, 31, 5, 0, true, " ---- Завтра ----"},
        {"25 Dec from 30 Dec, days before cross the year", MakeDate(2008, 12, 30), 12, 25, 5, 10, true,
         " ---- 5 дней назад ----"},
        {"2 Jan of next year from 30 Dec", MakeDate(2008, 12, 30), 1, 2, 5, 0, true, " ---- Через 3 дня----"},
        {"2 Jan of next year out of reach", MakeDate(2008, 12, 30), 1, 2, 2, 0, false, ""},
        {"Day 0 of January from 31 Dec", MakeDate(2008, 12, 31), 1, 0, 1, 0, true, " ---- Сегодня ----"},
        // Seen from the first days of a year with a window reaching back.
        {"30 Dec of last year from 2 Jan", MakeDate(2009, 1, 2), 12, 30, 0, 5, true,
         " ---- 3 дня назад ----"},
        {"31 Dec of last year from 1 Jan", MakeDate(2009, 1, 1), 12, 31, 0, 1, true, " ---- Вчера ----"},
        {"30 Dec of last year out of reach", MakeDate(2009, 1, 2), 12, 30, 0, 2, false, ""},
        // Both years in reach: the current year's occurrence is the one laid out.
        {"current year wins over next", MakeDate(2009, 1, 2), 1, 3, 400, 5, true, " ---- Завтра ----"},
        {"current year wins over previous", MakeDate(2009, 1, 2), 12, 31, 400, 5, true,
         " ---- Через 363 дня----"},
        // 29 February falls on 1 March in a common year.
        {"29 Feb two days ahead, common year", MakeDate(2009, 2, 27), 2, 29, 2, 0, true,
         " ---- Послезавтра ----"},
        {"29 Feb on 1 Mar, common year", MakeDate(2009, 3, 1), 2, 29, 0, 0, true, " ---- Сегодня ----"},
        {"29 Feb not on 28 Feb, common year", MakeDate(2009, 2, 28), 2, 29, 0, 0, false, ""},
        {"29 Feb in a leap year", MakeDate(2008, 2, 28), 2, 29, 1, 0, true, " ---- Завтра ----"},
        // Day 0 is the last day of the previous month.
        {"Day 0 of April on 31 Mar", MakeDate(2008, 3, 31), 4, 0, 0, 0, true, " ---- Сегодня ----"},
        {"Day 0 of April not on 1 Apr", MakeDate(2008, 4, 1), 4, 0, 0, 0, false, ""},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        const UpcomingResult result =
            MainView({Event("e", 1992, c.month, c.day, c.before, c.after)}, c.today);
        EXPECT_EQ(result.YearsList.size(), c.inside ? 1u : 0u);
        if (c.inside) {
            ASSERT_GE(result.Shown.size(), 2u);
            EXPECT_EQ(result.Shown[0].Text, c.heading);
            EXPECT_EQ(result.Shown[1].Text, "e");
        } else {
            for (const ShownRow& row : result.Shown) {
                EXPECT_NE(row.Text.rfind(" ---- ", 0), 0u) << row.Text;
            }
        }
    }
}

TEST(UpcomingMainView, OccurrencesAcrossTheYearEndAreLaidOutInDateOrder)
{
    // Stored year 2007: the day counts to 30.12.2008 are 728, 371, 365 and
    // 366, none of them notable.
    const std::vector<TEventRec> events = {
        Event("2 Jan", 2007, 1, 2, 5, 0),
        Event("25 Dec", 2007, 12, 25, 5, 10),
        Event("31 Dec", 2007, 12, 31, 5, 0),
        Event("30 Dec", 2007, 12, 30, 0, 0),
    };
    const UpcomingResult result = MainView(events, MakeDate(2008, 12, 30));
    EXPECT_EQ(Texts(result.Shown), (std::vector<std::string>{
                                       " ---- 5 дней назад ----",
                                       "25 Dec",
                                       " ---- Сегодня ----",
                                       "30 Dec",
                                       " ---- Завтра ----",
                                       "31 Dec",
                                       " ---- Через 3 дня----",
                                       "2 Jan",
                                   }));
    EXPECT_EQ(result.Count, 4);
    ASSERT_EQ(result.YearsList.size(), 4u);
    EXPECT_EQ(result.YearsList[0].Text, "2 Jan"); // the hidden list keeps the file order
    EXPECT_EQ(DateColumnText(result.Shown[7]), "02.01.2007");
}

TEST(UpcomingMainView, NothingFoundShowsOnlyTheNoEventsRow)
{
    // 1.7.2007 is 258 days before 15.3.2008 and outside its three-day window.
    const std::vector<std::vector<TEventRec>> inputs = {{}, {Event("far", 2007, 7, 1, 3, 3)}};
    for (const bool group : {true, false}) {
        for (const auto& events : inputs) {
            SCOPED_TRACE(testing::Message() << "group " << group << ", events " << events.size());
            const UpcomingResult result = MainView(events, MakeDate(2008, 3, 15), group);
            ASSERT_EQ(result.Shown.size(), 1u);
            EXPECT_EQ(result.Shown[0].Text, NoEvents);
            EXPECT_EQ(DateColumnText(result.Shown[0]), "");
            EXPECT_EQ(FullDateText(result.Shown[0]), "");
            EXPECT_EQ(result.Count, 0);
            EXPECT_TRUE(result.YearsList.empty());
            EXPECT_TRUE(result.DaysList.empty());
            EXPECT_TRUE(result.SameDigitsList.empty());
        }
    }
}

struct CountCase {
    const char* name;
    TDateRec today;
    TDateRec date;
    bool thousands;
    bool sameDigits;
};

TEST(UpcomingDayCounts, NotableDistancesFillTheTwoExtraLists)
{
    const CountCase cases[] = {
        // 1.1.2000 to 1.1.2002 is 731 days; 27.9.2002 is day 270 of its year.
        {"1000 days after", MakeDate(2002, 9, 27), MakeDate(2000, 1, 1), true, false},
        {"999 days after", MakeDate(2002, 9, 26), MakeDate(2000, 1, 1), false, true},
        // 21.4.2008 is day 112 of a leap year.
        {"111 days after", MakeDate(2008, 4, 21), MakeDate(2008, 1, 1), false, true},
        {"111 days ahead", MakeDate(2008, 1, 1), MakeDate(2008, 4, 21), false, true},
        {"100 days is not above 100", MakeDate(2008, 4, 10), MakeDate(2008, 1, 1), false, false},
        // 4000 days: 1.1.2000 to 1.1.2011 is 4018 days.
        {"4000 days", MakeDate(2010, 12, 14), MakeDate(2000, 1, 1), true, false},
        // No year: day number 1 for 1 January; 31.5.2002 is day number 731001.
        {"year 0 uses its own day number", MakeDate(2002, 5, 31), MakeDate(0, 1, 1), true, false},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        TEventRec record = Event("e", c.date.Year, c.date.Month, c.date.Day, 0, 0);
        const UpcomingResult result = MainView({record}, c.today);
        EXPECT_TRUE(result.YearsList.empty());
        EXPECT_EQ(result.DaysList.size(), c.thousands ? 1u : 0u);
        EXPECT_EQ(result.SameDigitsList.size(), c.sameDigits ? 1u : 0u);
        EXPECT_EQ(result.Count, (c.thousands ? 1 : 0) + (c.sameDigits ? 1 : 0));
    }
}

TEST(UpcomingDayCounts, InactiveEventsAppearOnlyInTheExtraLists)
{
    // 1.1.2000 lies 4000 days before 14.12.2010 and 18 days before its next
    // occurrence; 1.1.2008 lies 111 days before 21.4.2008.
    const struct {
        TDateRec today;
        TEventRec record;
        std::vector<std::string> shown;
    } cases[] = {
        {MakeDate(2010, 12, 14), Event("off", 2000, 1, 1, 18, 0, 0), {ThousandsHeading, "off"}},
        {MakeDate(2010, 12, 14), Event("two", 2000, 1, 1, 18, 0, 2), {ThousandsHeading, "two"}},
        {MakeDate(2008, 4, 21), Event("off", 2008, 1, 1, 0, 120, 0), {SameDigitsHeading, "off"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.Text);
        const UpcomingResult result = MainView({c.record}, c.today);
        EXPECT_TRUE(result.YearsList.empty());
        EXPECT_EQ(result.Count, 1);
        EXPECT_EQ(Texts(result.Shown), c.shown);
    }
}

TEST(UpcomingDayCounts, AnEventInItsWindowAndInAListIsCountedTwice)
{
    const UpcomingResult result = MainView({Event("both", 2000, 1, 1, 18, 0)}, MakeDate(2010, 12, 14));
    EXPECT_EQ(Texts(result.Shown),
              (std::vector<std::string>{" ---- Через 18 дней----", "both", ThousandsHeading, "both"}));
    EXPECT_EQ(result.Count, 2);
    EXPECT_EQ(result.YearsList.size(), 1u);
    EXPECT_EQ(result.DaysList.size(), 1u);
    EXPECT_EQ(FullDateText(result.Shown[3]), "2000.01.01_25:61:61:1000");
    EXPECT_EQ(DateColumnText(result.Shown[3]), "01.01.2000");
}

TEST(UpcomingGrouping, GroupingDecidesEveryHeading)
{
    // From 30.12.2008: 30.12.2007 is 366 days back, 5.4.2006 1000 days
    // (731 to 30.12.2006, then 269 more), 10.9.2008 111 days.
    const std::vector<TEventRec> events = {
        Event("today", 2007, 12, 30, 0, 0),
        Event("k1000", 2006, 4, 5, 0, 0),
        Event("s111", 2008, 9, 10, 0, 0),
    };
    const struct {
        bool group;
        std::vector<std::string> shown;
    } cases[] = {
        {true, {" ---- Сегодня ----", "today", ThousandsHeading, "k1000", SameDigitsHeading, "s111"}},
        {false, {"today", "k1000", "s111"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        const UpcomingResult result = MainView(events, MakeDate(2008, 12, 30), c.group);
        EXPECT_EQ(Texts(result.Shown), c.shown);
        EXPECT_EQ(result.Count, 3);
    }
}

TEST(UpcomingGrouping, EventsOfOneDayShareOneHeadingInListOrder)
{
    const std::vector<TEventRec> events = {
        Event("a", 2007, 3, 17, 5, 0, 1, "/f1.evt", 1),
        Event("b", 2007, 3, 16, 5, 0, 1, "/f1.evt", 2),
        Event("c", 2007, 3, 17, 5, 0, 1, "/f2.evt", 1),
        Event("d", 2007, 3, 17, 5, 0, 1, "/f2.evt", 2),
    };
    const UpcomingResult result = MainView(events, MakeDate(2008, 3, 15));
    EXPECT_EQ(Texts(result.Shown),
              (std::vector<std::string>{" ---- Завтра ----", "b", " ---- Послезавтра ----", "a", "c", "d"}));
    ASSERT_EQ(result.Shown.size(), 6u);
    EXPECT_EQ(result.Shown[4].FilePath, "/f2.evt");
    EXPECT_EQ(result.Shown[4].Ordinal, 1);
    EXPECT_EQ(result.Shown[1].Ordinal, 2);
    EXPECT_EQ(DateColumnText(result.Shown[1]), "16.03.2007");
}

TEST(UpcomingGrouping, HeadingNamesTheDistanceFromTheCurrentDay)
{
    // Days counted from 15.6.2008: +101 is 24.9.2008.
    const struct {
        int month;
        int day;
        const char* heading;
    } cases[] = {
        {6, 17, " ---- Послезавтра ----"},   {6, 16, " ---- Завтра ----"},
        {6, 15, " ---- Сегодня ----"},       {6, 14, " ---- Вчера ----"},
        {6, 13, " ---- Позавчера ----"},     {6, 18, " ---- Через 3 дня----"},
        {6, 20, " ---- Через 5 дней----"},   {6, 26, " ---- Через 11 дней----"},
        {7, 6, " ---- Через 21 день----"},   {7, 7, " ---- Через 22 дня----"},
        {9, 24, " ---- Через 101 день----"}, {10, 5, " ---- Через 112 дней----"},
        {6, 12, " ---- 3 дня назад ----"},   {5, 21, " ---- 25 дней назад ----"},
        {5, 25, " ---- 21 день назад ----"}, {2, 25, " ---- 111 дней назад ----"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        const UpcomingResult result =
            MainView({Event("e", 2008, c.month, c.day, 150, 150)}, MakeDate(2008, 6, 15));
        ASSERT_GE(result.Shown.size(), 2u);
        EXPECT_EQ(result.Shown[0].Text, c.heading);
    }
}

TEST(UpcomingPeriod, DaysMatchByMonthAndDayInsideThePeriod)
{
    // 20.3 is 5 days after 15.3.2008; 20.3.2009 is 365 + 5 days after it.
    const std::vector<TEventRec> events = {Event("e", 2007, 3, 20, 10, 0)};
    const TDateRec today = MakeDate(2008, 3, 15);
    const struct {
        const char* name;
        TDateRec from;
        TDateRec to;
        std::vector<std::string> shown;
    } cases[] = {
        {"the month", MakeDate(2008, 3, 1), MakeDate(2008, 3, 31), {" ---- Через 5 дней----", "e"}},
        {"the day alone", MakeDate(2008, 3, 20), MakeDate(2008, 3, 20), {" ---- Через 5 дней----", "e"}},
        {"another month", MakeDate(2008, 4, 1), MakeDate(2008, 4, 30), {}},
        {"running backwards", MakeDate(2008, 3, 31), MakeDate(2008, 3, 1), {}},
        {"two years",
         MakeDate(2008, 1, 1),
         MakeDate(2009, 12, 31),
         {" ---- Через 5 дней----", "e", " ---- Через 370 дней----", "e"}},
        {"next year", MakeDate(2009, 1, 1), MakeDate(2009, 12, 31), {" ---- Через 370 дней----", "e"}},
        {"two years ahead", MakeDate(2010, 1, 1), MakeDate(2010, 12, 31), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const UpcomingResult result = ComputeUpcoming(events, today, c.from, c.to, true, DayLayout::Period);
        EXPECT_EQ(Texts(result.Shown), c.shown);
        EXPECT_EQ(result.YearsList.size(), 1u);
        EXPECT_EQ(result.Count, 1);
    }
}

TEST(UpcomingPeriod, AnOccurrenceInTheNextYearMatchesItsDayInTheCurrentYear)
{
    // 2.1 is windowed from 30.12.2008 by its 2009 occurrence, but the period
    // layout places it on 2.1.2008, 363 days back; the main view on 2.1.2009.
    const std::vector<TEventRec> events = {Event("e", 2007, 1, 2, 5, 0)};
    const TDateRec today = MakeDate(2008, 12, 30);
    const UpcomingResult period =
        ComputeUpcoming(events, today, MakeDate(2008, 1, 1), MakeDate(2008, 12, 31), true, DayLayout::Period);
    EXPECT_EQ(Texts(period.Shown), (std::vector<std::string>{" ---- 363 дня назад ----", "e"}));
    const UpcomingResult main = MainView(events, today);
    EXPECT_EQ(Texts(main.Shown), (std::vector<std::string>{" ---- Через 3 дня----", "e"}));
}

TEST(UpcomingLimits, ExtremeNumbersStayInRange)
{
    const TDateRec today = MakeDate(2008, 3, 15);
    // The widest window ahead reaches 1.1.2009, 292 days on; the most
    // negative days-after value must not wrap into a window behind.
    const UpcomingResult wide = MainView({Event("wide", 2000, 1, 1, INT32_MAX, INT32_MIN)}, today);
    ASSERT_GE(wide.Shown.size(), 2u);
    EXPECT_EQ(wide.Shown[0].Text, " ---- Через 292 дня----");
    // Nothing lies after the last year.
    const TDateRec lastDay = MakeDate(INT32_MAX, 12, 30);
    EXPECT_TRUE(MainView({Event("next", 0, 1, 2, 5, 0)}, lastDay).YearsList.empty());
    // A period over the whole year range places the event only in the
    // current and the following year.
    const UpcomingResult all =
        ComputeUpcoming({Event("e", 2007, 3, 20, 10, 0)}, today, MakeDate(INT32_MIN, 1, 1),
                        MakeDate(INT32_MAX, 12, 31), true, DayLayout::Period);
    EXPECT_EQ(Texts(all.Shown),
              (std::vector<std::string>{" ---- Через 5 дней----", "e", " ---- Через 370 дней----", "e"}));
}

TEST(UpcomingShownRow, DisplayDateShowsOnlyWhatTheDateHolds)
{
    const struct {
        const char* fullDate;
        const char* display;
    } cases[] = {
        {"2007.01.07_09:05:03:045", "07.01.2007 9:05:03"},
        {"2007.01.07_00:00:00:000", "07.01.2007 0:00:00"},
        {"2007.01.07_09:05:61:1000", "07.01.2007 9:05"},
        {"2007.01.07_25:61:61:1000", "07.01.2007"},
        {"0.03.15_25:61:61:1000", "15.03"},
        {"-44.03.15_25:61:61:1000", "15.03.-44"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fullDate);
        std::vector<ShownRow> rows;
        AddShownRow(rows, c.fullDate, "text", "/p.evt", 7);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(DateColumnText(rows[0]), c.display);
        EXPECT_EQ(FullDateText(rows[0]), c.fullDate);
        EXPECT_EQ(rows[0].Text, "text");
        EXPECT_EQ(rows[0].FilePath, "/p.evt");
        EXPECT_EQ(rows[0].Ordinal, 7);
    }
}

// An event's row is the row that its full date text gives, whatever its year
// and time fields hold: the lowest 32-bit year, whose digits do not read back
// into a date, included.
TEST(UpcomingShownRow, EventRowIsTheRowOfItsFullDateText)
{
    const TDateRec today = MakeDate(2008, 3, 15);
    const std::int32_t years[] = {2007, 0, -1, -44, 1, INT32_MAX, INT32_MIN, INT32_MIN + 1};
    struct Time {
        std::uint16_t hour, minute, second, millisecond;
    };
    const Time times[] = {{25, 61, 61, 1000}, {9, 5, 3, 45},     {0, 0, 0, 0},
                          {9, 5, 61, 1000},   {24, 60, 60, 999}, {65535, 65535, 65535, 65535}};
    std::vector<TEventRec> events;
    for (const std::int32_t year : years) {
        for (const Time& time : times) {
            // On the current day's month and day, so that every one is listed today.
            TEventRec e = Event("e" + std::to_string(events.size()), year, 3, 15, 0, 0, 1, "/p.evt",
                                static_cast<int>(events.size()) + 1);
            e.Date.Hour = time.hour;
            e.Date.Minute = time.minute;
            e.Date.Second = time.second;
            e.Date.Millisecond = time.millisecond;
            events.push_back(e);
        }
    }
    const UpcomingResult result = MainView(events, today, false);
    ASSERT_EQ(result.YearsList.size(), events.size());
    // Without grouping the rows are the three lists in turn, without headings.
    std::vector<ShownRow> expected;
    for (const auto* list : {&result.YearsList, &result.DaysList, &result.SameDigitsList}) {
        for (const TEventRec& e : *list) {
            AddShownRow(expected, FormatDate(e.Date, "z"), e.Text, e.FilePath, e.Ordinal);
        }
    }
    ASSERT_EQ(result.Shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(FullDateText(expected[i]));
        EXPECT_EQ(DateColumnText(result.Shown[i]), DateColumnText(expected[i]));
        EXPECT_EQ(FullDateText(result.Shown[i]), FullDateText(expected[i]));
        EXPECT_EQ(result.Shown[i].Text, expected[i].Text);
        EXPECT_EQ(result.Shown[i].FilePath, expected[i].FilePath);
        EXPECT_EQ(result.Shown[i].Ordinal, expected[i].Ordinal);
    }
    // The lowest year cannot be read back: its row shows the date the text
    // gives instead (a year of 0, so no year).
    const std::size_t lowest = 6 * std::size(times);
    EXPECT_EQ(DateColumnText(result.Shown[lowest]), "01.01 0:00:00");
}

TEST(UpcomingShownRow, EveryRowIsKeptEvenWithAnEmptyText)
{
    std::vector<ShownRow> rows;
    AddShownRow(rows, "", " ---- Сегодня ----", "", 0);
    AddShownRow(rows, "2007.01.07_25:61:61:1000", "", "/p.evt", 1);
    AddShownRow(rows, "2007.01.08_25:61:61:1000", "next", "/p.evt", 2);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(DateColumnText(rows[0]), "");
    EXPECT_EQ(FullDateText(rows[0]), "");
    EXPECT_EQ(FullDateText(rows[1]), "2007.01.07_25:61:61:1000");
    EXPECT_EQ(rows[2].Text, "next");
}

TEST(UpcomingDetails, DetailsCountYearsWeeksAndDaysToTheCurrentDay)
{
    const struct {
        TDateRec today;
        const char* fullDate;
        const char* text;
        TDateRec astro;
    } cases[] = {
        {MakeDate(2008, 3, 15), "2005.03.15_25:61:61:1000",
         "15 Марта 2005; Сегодня событию 3 года | 156,4 недель | 1096 дней", MakeDate(2005, 3, 15)},
        {MakeDate(2008, 1, 1), "2007.01.01_25:61:61:1000",
         "1 Января 2007; Сегодня событию 1 год | 52,1 недели | 365 дней", MakeDate(2007, 1, 1)},
        {MakeDate(2008, 1, 1), "2006.12.31_25:61:61:1000",
         "31 Декабря 2006; Сегодня событию 2 года | 52,2 недели | 366 дней", MakeDate(2006, 12, 31)},
        // 21 years with six leap days: 7671 days, 1095 weeks and 6 days.
        {MakeDate(2008, 3, 15), "1987.03.15_25:61:61:1000",
         "15 Марта 1987; Сегодня событию 21 год | 1095,6 недель | 7671 день", MakeDate(1987, 3, 15)},
        // Ahead of the current day: negative days, weeks truncated toward zero.
        {MakeDate(2008, 3, 10), "2008.03.20_25:61:61:1000",
         "20 Марта 2008; Сегодня событию 0 лет | -1,3 неделя | -10 дней", MakeDate(2008, 3, 20)},
        {MakeDate(2008, 3, 15), "2008.03.17_25:61:61:1000",
         "17 Марта 2008; Сегодня событию 0 лет | 0,2 недель | -2 дня", MakeDate(2008, 3, 17)},
        {MakeDate(2008, 3, 15), "2008.03.14_09:05:61:1000",
         "14 Марта 2008; Сегодня событию 0 лет | 0,1 недель | 1 день", MakeDate(2008, 3, 14)},
        // No year: the line stops after the month; the panel takes the current year.
        {MakeDate(2008, 3, 15), "0.07.01_25:61:61:1000", "1 Июля ", MakeDate(2008, 7, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fullDate);
        std::vector<ShownRow> rows;
        AddShownRow(rows, c.fullDate, "e", "/p.evt", 1);
        const ShownRow& row = rows[0];
        const EventDetails details = ShowEventDetails(row, c.today);
        EXPECT_TRUE(details.isEvent);
        EXPECT_EQ(details.text, c.text);
        EXPECT_EQ(details.astroDate.Year, c.astro.Year);
        EXPECT_EQ(details.astroDate.Month, c.astro.Month);
        EXPECT_EQ(details.astroDate.Day, c.astro.Day);
    }
}

TEST(UpcomingDetails, HeadingRowHasNoDetails)
{
    ShownRow heading;
    heading.Text = " ---- Сегодня ----";
    const EventDetails details = ShowEventDetails(heading, MakeDate(2008, 3, 15));
    EXPECT_FALSE(details.isEvent);
    EXPECT_EQ(details.text, "");
}

} // namespace
} // namespace orvenda
