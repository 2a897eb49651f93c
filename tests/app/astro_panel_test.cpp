#include "app/astro_panel.h"

#include <gtest/gtest.h>

namespace orvenda {
namespace {

TEST(AstroPanel, PictureFilesByKindAndNumber)
{
    EXPECT_EQ(PictureFileName("principle", 5), "Img/Principles/05.bmp");
    EXPECT_EQ(PictureFileName("PRINCIPLE", 60), "Img/Principles/60.bmp");
    EXPECT_EQ(PictureFileName("Energy", 7), "Img/Energy/07.bmp");
    EXPECT_EQ(PictureFileName("zodiak", 12), "Img/Zodiak/12.bmp");
    EXPECT_EQ(PictureFileName("zodiac", 1), "01.bmp");
}

TEST(AstroPanel, PeriodsThatRunOverTheYearEnd)
{
    // 25 December: decade 28 (22 December .. 1 January), energy of decade 28 is 5.
    const AstroRows december = FillAstroPanel(MakeDate(2007, 12, 25));
    EXPECT_EQ(december[3].Picture, "Img/Energy/05.bmp");
    EXPECT_EQ(december[3].Name, "Голубая");
    EXPECT_EQ(december[3].Period, "22.12 - 01.01");
    EXPECT_EQ(december[6].Name, "Козерог");
    EXPECT_EQ(december[6].Period, "22.12 - 20.01");

    // 30 December: week 47 runs from 28 December to 2 January.
    const AstroRows lateDecember = FillAstroPanel(MakeDate(2007, 12, 30));
    EXPECT_EQ(lateDecember[4].Picture, "Img/Principles/47.bmp");
    EXPECT_EQ(lateDecember[4].Period, "28.12 - 02.01");
    EXPECT_EQ(lateDecember[5].Period, "30");
}

TEST(AstroPanel, CaptionsAndYearRows)
{
    const AstroRows rows = FillAstroPanel(MakeDate(1986, 7, 1));
    const char* captions[] = {"Век", "Год", "Месяц", "Декада", "Неделя", "День", ""};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].Caption, captions[i]);
    // 1986 is the last year of the 60-year cycle; its century is the 20th.
    EXPECT_EQ(rows[0].Period, "20-й");
    EXPECT_EQ(rows[1].Picture, "Img/Principles/60.bmp");
    EXPECT_EQ(rows[1].Name, "Красный Тигр");
    EXPECT_EQ(rows[1].Period, "1986");
    EXPECT_EQ(rows[2].Period, "Июль");
}

} // namespace
} // namespace orvenda
