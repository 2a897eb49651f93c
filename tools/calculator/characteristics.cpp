#include "tools/calculator/characteristics.h"

#include "engine/date_format.h"
#include "engine/principles.h"
#include "engine/utf8.h"
#include "engine/zodiac.h"

namespace orvenda {

namespace {

struct Figure {
    int points;
    const char* heading;
};

constexpr Figure kFigures[] = {
    {4, "Точки креста:"},
    {5, "Точки пентаграммы:"},
    {6, "Точки тетраграмматона:"},
    {7, "Точки 7-ми конечной звезды:"},
};

} // namespace

std::vector<std::string> CharacteristicsReport(TDateRec t)
{
    const int week = WeekPrinciple(t);
    const std::string weekName = PrincipleName(week);

    std::vector<std::string> lines = {
        "Характеристики по Калачакре " + FormatDate(t, "Z"),
        "Век   = " + PrincipleName(CenturyPrinciple(t.Year)),
        "Год   = " + PrincipleName(YearPrinciple(t.Year)),
        "Месяц = " + PrincipleName(MonthPrinciple(t)),
        "Неделя= " + weekName,
        "День  = " + PrincipleName(DayPrinciple(t)),
        "Зодиак= " + ZodiacName(ZodiacSign(t)),
        "",
        "Связь Принципа недели " + weekName + " с остальными принципами",
        "              расчёт по дате       - по принципу",
    };

    for (const Figure& figure : kFigures) {
        lines.emplace_back(figure.heading);
        for (int k = 1; k <= figure.points; ++k) {
            const TDateRec point = FigurePointDate(t, figure.points, k);
            lines.push_back("  " + std::to_string(k) + ") " + FormatDate(point, "D") + "  " +
                            Pad(PrincipleName(WeekPrinciple(point)), " ", 17, "left") + "  " +
                            PrincipleName(LinkedPrinciple(week, figure.points, k)));
        }
    }
    return lines;
}

} // namespace orvenda
