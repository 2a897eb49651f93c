#include "app/astro_panel.h"

#include "engine/principles.h"
#include "engine/utf8.h"
#include "engine/zodiac.h"

namespace orvenda {

std::string PictureFileName(std::string_view kind, int n)
{
    const std::string k = ToLowerAscii(kind);
    std::string folder;
    if (k == "principle")
        folder = "Img/Principles/";
    else if (k == "energy")
        folder = "Img/Energy/";
    else if (k == "zodiak")
        folder = "Img/Zodiak/";
    return folder + Pad(std::to_string(n), "0", 2, "Right") + ".bmp";
}

AstroRows FillAstroPanel(TDateRec date)
{
    AstroRows rows;

    const int century = CenturyPrinciple(date.Year);
    rows[0] = {"Век", PictureFileName("principle", century), PrincipleName(century),
               century != 0 ? std::to_string(CenturyOfYear(date.Year)) + "-й" : std::string()};

    const int year = YearPrinciple(date.Year);
    rows[1] = {"Год", PictureFileName("principle", year), PrincipleName(year),
               year != 0 ? std::to_string(date.Year) : std::string()};

    const int month = MonthPrinciple(date);
    rows[2] = {"Месяц", PictureFileName("principle", month), PrincipleName(month),
               MonthName(date.Month, MonthForm::Russian)};

    const int decade = DecadeOfDate(date);
    const int energy = DecadeEnergy(decade);
    rows[3] = {"Декада", PictureFileName("energy", energy), EnergyName(energy),
               PeriodText(DecadeStart(date.Year, decade), DecadeStart(date.Year, decade + 1))};

    const int week = WeekPrinciple(date);
    rows[4] = {"Неделя", PictureFileName("principle", week), PrincipleName(week),
               PeriodText(WeekStart(date.Year, week), WeekStart(date.Year, week + 1))};

    const int day = DayPrinciple(date);
    rows[5] = {"День", PictureFileName("principle", day), PrincipleName(day), std::to_string(date.Day)};

    const int sign = ZodiacSign(date);
    TDateRec signStart = ZodiacStart(sign);
    TDateRec nextStart = ZodiacStart(sign + 1);
    signStart.Year = date.Year;
    nextStart.Year = date.Year;
    rows[6] = {"", PictureFileName("zodiak", sign), ZodiacName(sign), PeriodText(signStart, nextStart)};

    return rows;
}

} // namespace orvenda
