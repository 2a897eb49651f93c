// orvenda-cli calc: each argument is typed into the calculator's field (a
// date or a whole number) or pressed ("+", "-", "=", "C"), in order; the tape
// is printed, then "= " and what the field shows at the end.

#include "app/cli/calc_command.h"

#include "engine/text_output.h"
#include "tools/calculator/date_calculator.h"

#include <iostream>

namespace orvenda {

namespace {

constexpr int kExitUsage = 2;
// A step was refused; the rest ran as the window would run it.
constexpr int kExitRefused = 1;

} // namespace

int CommandCalc(const std::vector<std::string>& args)
{
    if (args.empty()) {
        std::cerr << "Использование: orvenda-cli calc ЗНАЧЕНИЕ|+|-|=|C ...\n"
                     "  ЗНАЧЕНИЕ - дата (День.Месяц.Год) или целое число дней\n";
        return kExitUsage;
    }
    TextLines tape;
    DateCalculator calculator(tape);
    bool refused = false;
    for (const std::string& arg : args) {
        CalcStep step;
        if (arg == "+") {
            step = calculator.BSumClick();
        } else if (arg == "-") {
            step = calculator.BSubstrClick();
        } else if (arg == "=") {
            step = calculator.BResultClick();
        } else if (arg == "C") {
            calculator.BEClearClick();
        } else {
            calculator.SetField(arg);
        }
        if (step.refused) {
            refused = true;
            std::cerr << "orvenda-cli: " << step.refused->caption << ": \"" << calculator.Field() << "\"\n"
                      << step.refused->text << '\n';
        }
    }
    for (const std::string& line : tape.Lines())
        std::cout << line << '\n';
    std::cout << "= " << calculator.Field() << '\n';
    return refused ? kExitRefused : 0;
}

} // namespace orvenda
