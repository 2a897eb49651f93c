#include "tools/calculator/date_calculator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace orvenda {
namespace {

struct ChainCase {
    const char* name;
    // Inputs typed into the field and keys pressed ("+", "-", "=", "C"), in order.
    const char* keys;
    std::vector<std::string> tape;
    std::string field;
    int refused = 0;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << c.keys;
}

const std::string Invalid = "Неверное значение";

class ChainTest : public testing::TestWithParam<ChainCase> {};

TEST_P(ChainTest, WritesTheTapeAndLeavesTheField)
{
    const ChainCase& c = GetParam();
    TextLines tape;
    DateCalculator calculator(tape);
    int refused = 0;
    std::istringstream keys(c.keys);
    for (std::string key; keys >> key;) {
        CalcStep step;
        if (key == "+")
            step = calculator.BSumClick();
        else if (key == "-")
            step = calculator.BSubstrClick();
        else if (key == "=")
            step = calculator.BResultClick();
        else if (key == "C")
            calculator.BEClearClick();
        else
            calculator.SetField(key);
        if (step.refused) {
            ++refused;
            EXPECT_EQ(step.refused->caption, Invalid);
            EXPECT_FALSE(step.showTape);
        }
    }
    EXPECT_EQ(tape.Lines(), c.tape);
    EXPECT_EQ(calculator.Field(), c.field);
    EXPECT_EQ(refused, c.refused);
}

const ChainCase kChains[] = {
    {"DatePlusDays", "12.05.2007 + 10 =", {"12.05.2007 + ", "10 =", "22.05.2007", ""}, "22.05.2007"},
    {"DateMinusLaterDate", "1.1.2007 - 1.3.2007 =", {"01.01.2007 - ", "01.03.2007 =", "-59", ""}, "-59"},
    // The difference drops the date, so the next number works on the count.
    {"DifferenceThenDays",
     "1.1.2007 - 1.3.2007 - 5 +",
     {"01.01.2007 - ", "01.03.2007 =", "-59 - ", "5 =", "-54 + "},
     "-54"},
    // The first number of a chain is taken as it is, a further one subtracted.
    {"NumberMinusNumber", "10 - 3 =", {"10 - ", "3 =", "7", ""}, "7"},
    {"FirstMinusKeepsTheDate", "1.1.2007 -", {"01.01.2007 - "}, "01.01.2007"},
    // "15" has no month, so it is a count of days; so is a negative number.
    {"NegativeCountThenDate", "-5 + 1.1.2007 =", {"-5 + ", "01.01.2007 =", "27.12.2006", ""}, "27.12.2006"},
    {"CountThenDate", "15 + 1.1.2007 =", {"15 + ", "01.01.2007 =", "16.01.2007", ""}, "16.01.2007"},
    {"DateMinusCount", "1.3.2008 - 1 =", {"01.03.2008 - ", "1 =", "29.02.2008", ""}, "29.02.2008"},
    // No year 0: the day after 31.12.-1 is 1.1.1, and one day lies between them.
    {"IntoYearOne", "31.12.-1 + 1 =", {"31.12.-1 + ", "1 =", "01.01.1", ""}, "01.01.1"},
    {"TwoDaysIntoYearOne", "30.12.-1 + 3 =", {"30.12.-1 + ", "3 =", "02.01.1", ""}, "02.01.1"},
    {"BackOutOfYearOne", "1.1.1 - 1 =", {"01.01.1 - ", "1 =", "31.12.-1", ""}, "31.12.-1"},
    {"DaysAcrossYearZero", "1.1.1 - 31.12.-1 =", {"01.01.1 - ", "31.12.-1 =", "1", ""}, "1"},
    // A refused "=" keeps the chain: the corrected input finishes it.
    {"InvalidInputMidChain",
     "12.05.2007 + 0.0.0 = 10 =",
     {"12.05.2007 + ", "10 =", "22.05.2007", ""},
     "22.05.2007",
     1},
    {"InvalidFirstInput", "abc + 5 +", {"5 + "}, "5", 1},
    {"ClearStartsOver", "12.05.2007 + C 10 +", {"12.05.2007 + ", "", "10 + "}, "10"},
    {"EqualsWithNothingPending", "5 =", {""}, "5"},
    {"NextOperationChains",
     "12.05.2007 + 10 + 1 =",
     {"12.05.2007 + ", "10 =", "22.05.2007 + ", "1 =", "23.05.2007", ""},
     "23.05.2007"},
    // Beyond the last year a date can hold, and beyond a 64-bit count.
    {"PastTheLastYear", "31.12.2147483647 + 1 +", {"31.12.2147483647 + "}, "1", 1},
    {"CountOverflow", "9223372036854775807 + 1 +", {"9223372036854775807 + "}, "1", 1},
};

INSTANTIATE_TEST_SUITE_P(Calculator, ChainTest, testing::ValuesIn(kChains),
                         [](const testing::TestParamInfo<ChainCase>& info) { return info.param.name; });

TEST(DateCalculator, RefusedStepKeepsTheState)
{
    TextLines tape;
    DateCalculator calculator(tape);
    calculator.SetField("12.05.2007");
    EXPECT_FALSE(calculator.BSumClick().refused);
    calculator.SetField("31.2.2007");
    const CalcStep step = calculator.BSumClick();
    ASSERT_TRUE(step.refused);
    EXPECT_EQ(step.refused->text,
              "Допустимые значения:\n1) Дата (в формате День.Месяц.Год)\n2) Целое число (дни)");
    EXPECT_EQ(calculator.CalcOperation(), CalcOperationKind::Sum);
    EXPECT_EQ(calculator.CalcDate(), MakeDate(2007, 5, 12));
    EXPECT_EQ(calculator.CalcResultText(), "12.05.2007");
    EXPECT_EQ(calculator.Field(), "31.2.2007");
}

TEST(DateCalculator, CharacteristicsReportsAreSeparatedBlocks)
{
    TextLines tape;
    DateCalculator calculator(tape);
    calculator.SetField("7.1");
    const CalcStep refused = calculator.BKalaClick();
    ASSERT_TRUE(refused.refused);
    EXPECT_EQ(refused.refused->text, "Должна быть указана дата!\n7.1\nНе является датой.");
    EXPECT_TRUE(tape.Lines().empty());

    calculator.SetField("7.1.2007");
    EXPECT_TRUE(calculator.BKalaClick().showTape);
    const std::size_t reportLines = tape.Lines().size();
    EXPECT_EQ(tape.Lines().front(), "Характеристики по Калачакре 07.01.2007 00:00:00:000");
    EXPECT_FALSE(calculator.BKalaClick().refused);
    ASSERT_EQ(tape.Lines().size(), 2 * reportLines + 2);
    EXPECT_EQ(tape.Lines()[reportLines], "");
    EXPECT_EQ(tape.Lines()[reportLines + 1], "");
    EXPECT_EQ(tape.Lines()[reportLines + 2], tape.Lines().front());
}

} // namespace
} // namespace orvenda
