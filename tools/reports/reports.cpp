#include "tools/reports/reports.h"

#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/principles.h"
#include "engine/spreadsheet/template_reader.h"
#include "engine/utf8.h"
#include "engine/zodiac.h"
#include "tools/reports/report_layout.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

namespace orvenda::reports {

using sheet::CellRange;
using sheet::Workbook;

namespace {

ReportResult OpenReportTemplate(const ReportFolders& folders, const char* name)
{
    ReportResult result;
    const std::string path = folders.Template(name);
    sheet::OpenResult opened = sheet::OpenTemplate(path);
    if (!opened.Book)
        result.Error = "Ошибка при открытии таблицы " + path + ": " + opened.Error;
    else
        result.Book = std::move(opened.Book);
    return result;
}

// "Img/Principles/07.bmp" and the like, beneath the program folder.
std::string PictureFile(const ReportFolders& folders, const char* kind, int number)
{
    return folders.Data + "Img/" + kind + "/" + Pad(std::to_string(number), "0", 2, "right") + ".bmp";
}

std::int64_t PositiveMod(std::int64_t a, std::int64_t m)
{
    const std::int64_t r = a % m;
    return r < 0 ? r + m : r;
}

int Wrap24(std::int64_t v)
{
    const int r = static_cast<int>(PositiveMod(v, 24));
    return r == 0 ? 24 : r;
}

// Light month colours (the white and yellow principles, the pale red) are
// unreadable as digits on the sheet's white; such cells get a dark ground.
// Light means: the colour contrasts more with kDarkGround than with white,
// by the relative luminance of sRGB.
constexpr Rgb kDarkGround{64, 64, 64};

double Luminance(Rgb c)
{
    const auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.Red) + 0.7152 * linear(c.Green) + 0.0722 * linear(c.Blue);
}

} // namespace

bool NeedsDarkGround(Rgb colour) noexcept
{
    const double l = Luminance(colour) + 0.05;
    const double dark = Luminance(kDarkGround) + 0.05;
    return l / dark > 1.05 / l;
}

void PaintReadable(sheet::Workbook& book, int row, int column, Rgb colour)
{
    book.SetFontColour(row, column, colour);
    if (NeedsDarkGround(colour))
        book.SetInteriorColour(row, column, kDarkGround);
}

std::string ReportFolders::Template(std::string_view name) const
{
    const std::string own = User + "Template/" + std::string(name);
    std::error_code ec;
    if (User != Data && std::filesystem::is_regular_file(own, ec))
        return own;
    return Data + "Template/" + std::string(name);
}

int BirthdayStartValue(std::int32_t year) noexcept
{
    const std::int64_t g = PositiveMod(std::int64_t{year} - 1889, 32);
    return Wrap24(21 * (g / 4) + 5 * (g % 4) + 20);
}

ReportResult BirthdayReport(const ReportFolders& folders, std::int32_t fromYear, std::int32_t toYear)
{
    // A reversed range is read in order, as the text tables read it.
    if (toYear < fromYear)
        std::swap(fromYear, toYear);
    const std::int64_t y1 = fromYear;
    const std::int64_t y2 = toYear;
    const std::int64_t yearColumns = (y2 - y1) / 32 + 1;
    if (yearColumns > kBirthdayMaxYearColumns) {
        ReportResult refused;
        refused.Error =
            "Диапазон " + std::to_string(y1) + " – " + std::to_string(y2) +
            " слишком велик: в таблице помещается не больше 13 колонок годов, то есть не больше 416 "
            "лет. Сократите диапазон.";
        return refused;
    }
    ReportResult result = OpenReportTemplate(folders, "kala_day_years.xlsx");
    if (!result.Book)
        return result;
    Workbook& book = *result.Book;

    const int columns = static_cast<int>(yearColumns);
    int r = BirthdayStartValue(fromYear);
    int rows = 0;
    for (int i = 0; i < kBirthdayMaxRows; ++i) {
        const std::int64_t y = y1 + i;
        const int row = kBirthdayFirstRow + i;
        // Each month's cell holds the value at its start; the every-fourth-year
        // rule keeps the 32-year cycle exact.
        for (int m = 1; m <= 12; ++m) {
            book.WriteNumber(row, m, r);
            r = Wrap24(r + DaysInMonthJulian(static_cast<std::int32_t>(y), m) - 24);
        }
        for (int j = 0; j < columns; ++j) {
            book.WriteNumber(row, kBirthdayYearColumn + j, static_cast<double>(y + 32 * j));
            if (y + 32 * j + 32 > y2)
                break;
        }
        ++rows;
        if (y + 1 > y2)
            break;
    }

    const int first = kBirthdayFirstRow;
    const int last = kBirthdayFirstRow + rows - 1;
    for (int c = 1; c <= columns + 13; ++c)
        book.SetEdge({first, c, last, c}, sheet::LeftEdge, sheet::Line::Thin);
    for (int row = first; row <= last; ++row)
        book.SetEdge({row, 1, row, columns + 12}, sheet::BottomEdge, sheet::Line::Thin);
    book.SetEdge({first, kBirthdayYearColumn, last, kBirthdayYearColumn}, sheet::LeftEdge,
                 sheet::Line::Medium);

    const CellRange heading{kBirthdayYearsHeadingRow, kBirthdayYearColumn, kBirthdayYearsHeadingRow + 1,
                            columns + 12};
    book.Merge(heading);
    book.Centre(heading);
    book.SetEdge(heading, sheet::TopEdge, sheet::Line::Thin);
    book.SetEdge(heading, sheet::BottomEdge, sheet::Line::Thin);
    book.SetEdge(heading, sheet::RightEdge, sheet::Line::Thin);
    return result;
}

ReportResult CalendarReport(const ReportFolders& folders, std::int32_t year, const PrincipleColours& colours)
{
    if (!IsValidDate(MakeDate(year, 1, 1))) {
        ReportResult refused;
        refused.Error = "Неверный год: " + std::to_string(year);
        return refused;
    }
    ReportResult result = OpenReportTemplate(folders, "kala_day.xlsx");
    if (!result.Book)
        return result;
    Workbook& book = *result.Book;
    book.WriteNumber(kCalendarYearRow, kCalendarYearColumn, year);

    Rgb monthColour;
    for (int month = 1; month <= 12; ++month) {
        const int band = (month - 1) / 4 * kCalendarBandWidth;
        const MonthLegend& legend = kMonthLegend[month - 1];
        if (colours.ByMonthColour) {
            const Rgb colour = colours.ForPrinciple(MonthPrinciple(MakeDate(year, month, 1)));
            PaintReadable(book, legend.Row, legend.FontColumn, colour);
            book.SetInteriorColour(legend.Row, legend.FillColumn, colour);
        }
        // Read back, so that the template's own colour serves when the
        // month's colour is not chosen. An unfilled cell gives black rather
        // than the spreadsheet's white, which would hide the days.
        monthColour = book.InteriorColour(legend.Row, legend.FillColumn).value_or(Rgb{0, 0, 0});

        const int days = DaysInMonth(year, month);
        for (int day = 1; day <= days; ++day) {
            const TDateRec date = MakeDate(year, month, day);
            const int p = DayPrinciple(date);
            const int k = p <= 10 ? p - 2 : p <= 30 ? p - 14 : p - 26;
            if (k < 1 || k > 24)
                continue;
            const int row = kCalendarFirstRow - 1 + k;
            const int column = kCalendarFirstColumn - 1 + WeekdayNumber(date, "sunday") + band;
            book.WriteNumber(row, column, day);
            PaintReadable(book, row, column, monthColour);
        }
    }
    for (int month = 1; month <= 12; ++month)
        book.InsertPicture(PictureFile(folders, "Principles", MonthPrinciple(MakeDate(year, month, 1))),
                           "Picture " + std::to_string(month), kCalendarPictureRow, 2 * month + 2);
    return result;
}

ReportResult ListReport(const ReportFolders& folders, const std::vector<EvtListRecord>& entries)
{
    ReportResult result = OpenReportTemplate(folders, "kala_listevt.xlsx");
    if (!result.Book)
        return result;
    Workbook& book = *result.Book;
    const int n = static_cast<int>(std::min<std::size_t>(entries.size(), sheet::kMaxRows / 2 - 16));

    // The template has two framed rows for each table; rows from the second
    // on are copied down for longer lists.
    for (int s = 0; s < n; ++s) {
        const int row = kListFirstRow + s;
        book.WriteNumber(row, 1, s + 1);
        book.WriteCell(row, 2, entries[static_cast<std::size_t>(s)].datetime);
        book.WriteCell(row, 4, entries[static_cast<std::size_t>(s)].event);
        if (s > 0 && s < n - 1)
            book.DuplicateRow(row);
    }

    std::array<int, 61> years{}, months{}, weeks{}, days{};
    std::array<int, 13> fiveYears{}, signs{};
    const auto count = [](auto& counter, int value) {
        if (value >= 1 && value < static_cast<int>(counter.size()))
            ++counter[static_cast<std::size_t>(value)];
    };
    int pictures = 0;
    const auto put = [&](int row, int column, int number, const char* kind, int picture) {
        book.WriteNumber(row, column, number);
        book.InsertPicture(PictureFile(folders, kind, picture), "Picture " + std::to_string(++pictures), row,
                           column);
    };

    const int top = kListFirstRow + kListTableGap + n;
    for (int s = 0; s < n; ++s) {
        const int row = top + s;
        if (s > 0 && s < n - 1)
            book.DuplicateRow(row);
        book.WriteNumber(row, 1, s + 1);
        const std::string& text = entries[static_cast<std::size_t>(s)].datetime;
        const TDateRec e = EvtListRecordDate(entries[static_cast<std::size_t>(s)]);
        if (!IsValidDate(e)) {
            result.Warnings.push_back("Запись " + std::to_string(s + 1) + ": неверная дата \"" + text + "\"");
            continue;
        }
        put(row, 2, CenturyPrinciple(e.Year), "Principles", CenturyPrinciple(e.Year));
        const int yearP = YearPrinciple(e.Year);
        put(row, 3, yearP, "Principles", yearP);
        count(years, yearP);
        const int monthP = MonthPrinciple(e);
        put(row, 4, monthP, "Principles", monthP);
        count(months, monthP);
        const int energy = DecadeEnergy(DecadeOfDate(e));
        put(row, 5, energy, "Energy", energy);
        const int weekP = WeekPrinciple(e);
        put(row, 6, weekP, "Principles", weekP);
        count(weeks, weekP);
        const int dayP = DayPrinciple(e);
        put(row, 7, dayP, "Principles", dayP);
        count(days, dayP);
        if (e.Minute < 60)
            put(row, 10, e.Minute, "Principles", e.Minute == 0 ? 60 : e.Minute);
        const int five = FiveYearSign(e.Year);
        put(row, 12, five, "Zodiak", five);
        count(fiveYears, five);
        const int sign = ZodiacSign(e);
        put(row, 13, sign, "Zodiak", sign);
        count(signs, sign);
    }

    // The counts, on the second and third sheets of the template when it has them.
    if (book.SetCurrentSheet(2)) {
        const std::array<int, 61>* rows[4] = {&years, &months, &weeks, &days};
        for (int i = 0; i < 4; ++i)
            for (int p = 1; p <= 60; ++p)
                book.WriteNumber(kCountsFirstRow + i, p + 1, (*rows[i])[static_cast<std::size_t>(p)]);
    }
    if (book.SetCurrentSheet(3)) {
        for (int z = 1; z <= 12; ++z) {
            book.WriteNumber(kCountsFirstRow, z + 1, fiveYears[static_cast<std::size_t>(z)]);
            book.WriteNumber(kCountsFirstRow + 1, z + 1, signs[static_cast<std::size_t>(z)]);
        }
    }
    book.SetCurrentSheet(1);
    return result;
}

} // namespace orvenda::reports
