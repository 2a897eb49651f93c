#include "tools/tables/tables.h"

#include "engine/date_format.h"
#include "engine/principles.h"
#include "engine/utf8.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <utility>

namespace orvenda {

namespace {

std::string R(std::string_view text, int width)
{
    return Pad(text, " ", width, "right");
}

std::string R(std::int64_t n, int width)
{
    return R(std::to_string(n), width);
}

std::string L(std::string_view text, int width)
{
    return Pad(text, " ", width, "left");
}

std::string C(std::string_view text, int width)
{
    return Pad(text, " ", width, "center");
}

std::string Dashes(std::int64_t n)
{
    return std::string(static_cast<std::size_t>(std::max<std::int64_t>(n, 0)), '-');
}

// The width of the wider of two spin edits' texts.
int TextWidth(std::int32_t a, std::int32_t b)
{
    return static_cast<int>(std::max(std::to_string(a).size(), std::to_string(b).size()));
}

// A date with only day and month meaning anything, moved into year 1 so
// that the day before it can be taken.
TDateRec InYearOne(TDateRec date)
{
    date.Year = 1;
    return date;
}

TDateRec DayBefore(TDateRec date)
{
    return SubtractDays(InYearOne(date), 1);
}

// y runs on to at most kTableYearLimit + 1, inside 32 bits.
int SignOf(std::int64_t y)
{
    return FiveYearSign(static_cast<std::int32_t>(y));
}

std::uint64_t CountSignChangesWalk(std::int64_t a, std::int64_t b)
{
    std::uint64_t n = 0;
    for (std::int64_t y = a; y <= b; ++y) {
        if (SignOf(y) != SignOf(y + 1))
            ++n;
    }
    return n;
}

// Changes of sign from y to y + 1 for y in a..b, where both y and y + 1 lie
// on the same side of the missing year 0: the year principles repeat every
// 60 years there.
std::uint64_t CountSignChangesPeriodic(std::int64_t a, std::int64_t b)
{
    if (a > b)
        return 0;
    const std::int64_t n = b - a + 1;
    const std::int64_t full = n / 60;
    std::uint64_t count = 0;
    if (full > 0)
        count = static_cast<std::uint64_t>(full) * CountSignChangesWalk(a, a + 59);
    return count + CountSignChangesWalk(a + full * 60, b);
}

std::uint64_t CountSignChanges(std::int64_t a, std::int64_t b)
{
    std::uint64_t count = CountSignChangesPeriodic(a, std::min<std::int64_t>(b, -2));
    // Years -1 and 0 border on the break of the cycle.
    count += CountSignChangesWalk(std::max<std::int64_t>(a, -1), std::min<std::int64_t>(b, 0));
    return count + CountSignChangesPeriodic(std::max<std::int64_t>(a, 1), b);
}

std::uint64_t Span(std::int64_t from, std::int64_t to)
{
    return to < from ? 0 : static_cast<std::uint64_t>(to - from + 1);
}

// Days from `from` while not later than `to`, stepping a day at a time.
std::uint64_t DayCount(TDateRec from, TDateRec to)
{
    const std::int64_t n = DaysBetween(from, to);
    if (n < 0)
        return 0;
    return static_cast<std::uint64_t>(n) + (IsEarlierOrSame(AddDays(from, n), to) ? 1 : 0);
}

} // namespace

std::vector<std::string> CenturyTable(std::int32_t from, std::int32_t to)
{
    const int w = TextWidth(from, to) + 1;
    std::vector<std::string> lines = {"Принцип века по Калачакре", Dashes(25)};
    for (std::int64_t c = from; c <= to; ++c) {
        if (c == 0)
            continue;
        const auto year = static_cast<std::int32_t>(c > 0 ? 100 * c - 1 : 100 * c + 1);
        lines.push_back(R(c, w) + "  " + PrincipleName(CenturyPrinciple(year)));
    }
    return lines;
}

std::vector<std::string> YearTable(std::int32_t from, std::int32_t to)
{
    const int w = TextWidth(from, to) + 1;
    std::vector<std::string> lines = {"Символ года по Калачакре", Dashes(24)};
    lines.reserve(Span(from, to) + 2);
    for (std::int64_t y = from; y <= to; ++y)
        lines.push_back(R(y, w) + "  " + PrincipleName(YearPrinciple(static_cast<std::int32_t>(y))));
    return lines;
}

std::vector<std::string> MonthTable(std::int32_t year)
{
    const std::string heading = "Символ месяца по Калачакре на " + std::to_string(year) + " год";
    std::vector<std::string> lines = {heading, Dashes(static_cast<std::int64_t>(Utf8Length(heading)))};
    for (int m = 1; m <= 12; ++m)
        lines.push_back(R(std::to_string(m) + ") ", 4) + L(MonthName(m, MonthForm::Genitive), 8) + "  " +
                        PrincipleName(MonthPrinciple(MakeDate(year, m, 1))));
    return lines;
}

std::vector<std::string> DecadeTable(std::int32_t year)
{
    std::vector<std::string> lines = {
        "Определение энергии декады на " + std::to_string(year) + " год",
        "",
        "Номер            Период           Энергия",
        "        табличный, вычисляемый  табл, вычисл",
        Dashes(46),
    };
    for (int i = 1; i <= 36; ++i) {
        const TDateRec a = DecadeStart(1, i);
        const TDateRec b = DayBefore(DecadeStart(1, i + 1));
        const TDateRec c = InYearOne(ComputedDecadeStart(i));
        const TDateRec d = DayBefore(ComputedDecadeStart(i + 1));
        lines.push_back(R(i, 4) + ") " + FormatDate(a, "d.m - ") + FormatDate(b, "d.m,  ") +
                        FormatDate(c, "d.m - ") + FormatDate(d, "d.m  ") +
                        EnergyName(DecadeEnergy(DecadeOfDate(a))) + "  " +
                        EnergyName(DecadeEnergy(DecadeOfDate(c))));
    }
    return lines;
}

std::vector<std::string> WeekTable(std::int32_t year)
{
    std::vector<std::string> lines = {
        "Определение принципа недели на " + std::to_string(year) + " год",
        "",
        "Номер    Период        Принцип",
        Dashes(35),
    };
    for (int i = 1; i <= 60; ++i) {
        const TDateRec a = WeekStart(1, i);
        const TDateRec b = DayBefore(WeekStart(1, i + 1));
        lines.push_back(R(i, 4) + ") " + FormatDate(a, "d.m - ") + FormatDate(b, "d.m  ") + PrincipleName(i));
    }
    return lines;
}

std::vector<std::string> DayTable(TDateRec from, TDateRec to)
{
    const std::string heading =
        "Символы дней на период " + FormatDate(from, "D") + " - " + FormatDate(to, "D");
    std::vector<std::string> lines = {heading, Dashes(static_cast<std::int64_t>(Utf8Length(heading)))};
    const std::uint64_t count = DayCount(from, to);
    lines.reserve(count + 2);
    TDateRec d = from;
    for (std::uint64_t i = 0; i < count; ++i, d = AddDays(d, 1)) {
        const int p = DayPrinciple(d);
        lines.push_back(FormatDate(d, "D") + " -" + Pad(std::to_string(p), "0", 2, "right") + "- " +
                        PrincipleName(p));
    }
    return lines;
}

std::vector<std::string> FiveYearSignTable(std::int32_t from, std::int32_t to, bool grouped)
{
    const int w0 = TextWidth(from, to);
    std::vector<std::string> lines = {"Знаки Зодиака на пятилетки по Калачакре", Dashes(39)};
    if (!grouped) {
        lines.reserve(Span(from, to) + 2);
        for (std::int64_t y = from; y <= to; ++y)
            lines.push_back(R(y, w0 + 1) + "  " + ZodiacName(SignOf(y)));
        return lines;
    }
    const int w = 2 * w0 + 4;
    auto printGroup = [&](std::int64_t first, std::int64_t last, int sign) {
        const std::string label =
            last == first ? std::to_string(first) : std::to_string(first) + " - " + std::to_string(last);
        lines.push_back(R(label, w) + "  " + ZodiacName(sign));
    };
    std::int64_t first = from;
    int sign = SignOf(from);
    bool closed = false;
    for (std::int64_t y = from; y <= to; ++y) {
        closed = false;
        const int next = SignOf(y + 1);
        if (next != sign) {
            printGroup(first, y, sign);
            first = y + 1;
            sign = next;
            closed = true;
        }
    }
    if (!closed && from <= to)
        printGroup(first, to, sign);
    return lines;
}

std::vector<std::string> ZodiacTable(std::int32_t year)
{
    std::vector<std::string> lines = {
        "Периоды знаков Зодиака на " + std::to_string(year) + " год",
        "",
        "Номер    Период        Название",
        Dashes(35),
    };
    for (int i = 1; i <= 12; ++i) {
        const TDateRec a = ZodiacStart(i);
        const TDateRec b = DayBefore(ZodiacStart(i + 1));
        lines.push_back(R(i, 4) + FormatDate(a, "  d.m - ") + FormatDate(b, "d.m  ") + ZodiacName(i));
    }
    return lines;
}

std::vector<std::string> CalendarTable(std::int32_t year)
{
    const std::string heading = "Календарь на " + std::to_string(year) + " год";
    std::vector<std::string> lines = {heading, Dashes(static_cast<std::int64_t>(Utf8Length(heading))), ""};

    static constexpr const char* kBandHeadings[3] = {
        "        Январь            Февраль        Март           Апрель",
        "        Май            Июнь           Июль              Август",
        "        Сентябрь       Октябрь           Ноябрь         Декабрь",
    };
    static constexpr const char* kDayNames[7] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    std::vector<std::string> rows;
    for (const char* band : kBandHeadings) {
        rows.emplace_back(band);
        for (const char* day : kDayNames)
            rows.emplace_back(day);
        rows.emplace_back();
    }

    int k = 1;
    for (int month = 1; month <= 12; ++month) {
        const int band = month <= 4 ? 0 : month <= 8 ? 9 : 18;
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            const TDateRec date = MakeDate(year, month, day);
            if (day == 1 && (month == 5 || month == 9))
                k = 1;
            if (day == 1 || WeekdayIndex(date) == 0)
                ++k;
            std::string& row = rows[static_cast<std::size_t>(band + WeekdayNumber(date, "monday"))];
            const auto length = static_cast<int>(Utf8Length(row));
            row += R(std::to_string(day), std::max(3 * k - length, 0));
        }
    }
    lines.insert(lines.end(), rows.begin(), rows.end());
    return lines;
}

std::vector<std::string> BirthdayTables(std::int32_t from, std::int32_t to, int width)
{
    const int w = width;
    std::vector<std::string> lines = {
        "Вычисление дня рождения соответсвующего принципу по Калачакре",
        "",
        "Пересечение года и месяца рождения по таблице №1 даёт номер строки в таблице №2.",
        "В этой строке находим день рождения. Принцип этой колонки и есть искомый.",
        "",
        "Таблица № 1",
    };

    // Table 1: the years of one place in the 32-year cycle, and the number of
    // the row of table 2 for each month of those years.
    const std::int64_t yearsWidth = ((static_cast<std::int64_t>(to) - from) / 32 + 1) *
                                    static_cast<std::int64_t>(std::to_string(to).size() + 1);
    const auto yw = static_cast<int>(std::min<std::int64_t>(yearsWidth, 1 << 30));
    lines.push_back(Dashes(12 * w + yearsWidth));
    lines.push_back(C("Годы", yw) + C("Месяцы", 12 * w));
    {
        std::string months(static_cast<std::size_t>(yw), ' ');
        for (int m = 1; m <= 12; ++m)
            months += R(m, w);
        lines.push_back(months);
    }
    lines.push_back(Dashes(12 * w + yearsWidth));

    const std::int64_t g = ((static_cast<std::int64_t>(from) - 1889) % 32 + 32) % 32;
    std::int64_t r = (21 * (g / 4) + 5 * (g % 4) + 20) % 24;
    if (r == 0)
        r = 24;
    std::size_t longestYears = 0;
    for (std::int64_t i = 0; i < 32 && from + i <= to; ++i) {
        const std::int64_t y = from + i;
        const auto v = static_cast<int>(std::to_string(y + 32).size() + 1);
        std::string row;
        for (std::int64_t x = y; x <= to; x += 32)
            row += R(x, v);
        longestYears = std::max(longestYears, row.size());
        row.append(longestYears - row.size(), ' ');
        for (int m = 1; m <= 12; ++m) {
            row += R(r, w);
            r = (r + DaysInMonthJulian(static_cast<std::int32_t>(y), m) - 24) % 24;
            if (r == 0)
                r = 24;
        }
        lines.push_back(std::move(row));
    }

    // Table 2: the days of the month under the 24 day principles, each row
    // one column to the right of the previous one.
    lines.emplace_back();
    lines.emplace_back("Таблица № 2");
    lines.push_back(Dashes(25 * w));
    {
        std::string heading(static_cast<std::size_t>(w), ' ');
        for (int start : {3, 23, 43})
            for (int p = start; p < start + 8; ++p)
                heading += R(p, w);
        lines.push_back(heading);
    }
    lines.push_back(Dashes(25 * w));
    const std::string blankCell(static_cast<std::size_t>(w), ' ');
    for (int i = 1; i <= 24; ++i) {
        std::string first = R(std::to_string(i), w - 1) + ")";
        if (i > 18)
            for (int d = 50 - i; d <= 31; ++d)
                first += R(d, w);
        for (int n = 0; n < (i <= 18 ? i - 1 : 17); ++n)
            first += blankCell;
        for (int d = 1; d <= 25 - i; ++d)
            first += R(d, w);
        lines.push_back(std::move(first));
        std::string second = blankCell;
        for (int d = 26 - i; d <= std::min(49 - i, 31); ++d)
            second += R(d, w);
        lines.push_back(std::move(second));
    }
    return lines;
}

bool HasYearRange(TableKind kind) noexcept
{
    return kind == TableKind::Century || kind == TableKind::Year || kind == TableKind::FiveYearSigns ||
           kind == TableKind::Birthday;
}

void SwapIfReversed(TableRequest& request) noexcept
{
    if (HasYearRange(request.kind) && request.to < request.from)
        std::swap(request.from, request.to);
}

std::optional<std::string> TableInputError(const TableRequest& request)
{
    auto outside = [](std::int32_t value, std::int32_t limit) { return value < -limit || value > limit; };
    switch (request.kind) {
    case TableKind::Century:
        if (outside(request.from, kTableCenturyLimit) || outside(request.to, kTableCenturyLimit))
            return "Век должен лежать в пределах от -" + std::to_string(kTableCenturyLimit) + " до " +
                   std::to_string(kTableCenturyLimit) + ".";
        return std::nullopt;
    case TableKind::Days:
        if (!IsValidDate(request.fromDate) || !IsValidDate(request.toDate))
            return "Неверная дата периода.";
        return std::nullopt;
    case TableKind::Month:
    case TableKind::Calendar:
        if (request.from == 0)
            return "Года 0 нет: за -1 годом следует 1 год.";
        break;
    case TableKind::Birthday:
        if (request.width < 1 || request.width > kTableMaxColumnWidth)
            return "Ширина колонки должна быть от 1 до " + std::to_string(kTableMaxColumnWidth) + ".";
        break;
    default:
        break;
    }
    const bool range = HasYearRange(request.kind);
    if (outside(request.from, kTableYearLimit) || (range && outside(request.to, kTableYearLimit)))
        return "Год должен лежать в пределах от -" + std::to_string(kTableYearLimit) + " до " +
               std::to_string(kTableYearLimit) + ".";
    return std::nullopt;
}

std::uint64_t TableSize(const TableRequest& request)
{
    TableRequest r = request;
    SwapIfReversed(r);
    switch (r.kind) {
    case TableKind::Century:
        return 2 + Span(r.from, r.to) - (r.from <= 0 && r.to >= 0 ? 1 : 0);
    case TableKind::Year:
        return 2 + Span(r.from, r.to);
    case TableKind::Month:
        return 14;
    case TableKind::Decade:
        return 5 + 36;
    case TableKind::Week:
        return 4 + 60;
    case TableKind::Days:
        return 2 + DayCount(r.fromDate, r.toDate);
    case TableKind::FiveYearSigns:
        if (!r.grouped)
            return 2 + Span(r.from, r.to);
        return 2 + CountSignChanges(r.from, r.to) + (SignOf(r.to) == SignOf(std::int64_t{r.to} + 1) ? 1 : 0);
    case TableKind::Zodiac:
        return 4 + 12;
    case TableKind::Calendar:
        return 3 + 27;
    case TableKind::Birthday:
        return 10 + std::min<std::uint64_t>(Span(r.from, r.to), 32) + 5 + 48 + Span(r.from, r.to);
    }
    return 0;
}

std::vector<std::string> TableLines(const TableRequest& request)
{
    TableRequest r = request;
    SwapIfReversed(r);
    switch (r.kind) {
    case TableKind::Century:
        return CenturyTable(r.from, r.to);
    case TableKind::Year:
        return YearTable(r.from, r.to);
    case TableKind::Month:
        return MonthTable(r.from);
    case TableKind::Decade:
        return DecadeTable(r.from);
    case TableKind::Week:
        return WeekTable(r.from);
    case TableKind::Days:
        return DayTable(r.fromDate, r.toDate);
    case TableKind::FiveYearSigns:
        return FiveYearSignTable(r.from, r.to, r.grouped);
    case TableKind::Zodiac:
        return ZodiacTable(r.from);
    case TableKind::Calendar:
        return CalendarTable(r.from);
    case TableKind::Birthday:
        return BirthdayTables(r.from, r.to, r.width);
    }
    return {};
}

void PrintTable(const TableRequest& request, TextOutput& output)
{
    output.StartOutputBlock();
    for (const std::string& line : TableLines(request))
        output.AppendLine(line);
}

} // namespace orvenda
