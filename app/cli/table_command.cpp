// orvenda-cli table: the tables of the tables window, printed through the
// same functions.

#include "app/cli/cli_commands.h"
#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/text_output.h"
#include "tools/tables/tables.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string_view>

namespace orvenda::cli {

namespace {

constexpr int kExitUsage = 2;

struct Kind {
    std::string_view name;
    TableKind kind;
    std::string_view arguments; // as the message about a wrong count shows them
};

constexpr Kind kKinds[] = {
    {"century", TableKind::Century, "ОТ ДО"},
    {"year", TableKind::Year, "ОТ ДО"},
    {"month", TableKind::Month, "ГОД"},
    {"decade", TableKind::Decade, "ГОД"},
    {"week", TableKind::Week, "ГОД"},
    {"days", TableKind::Days, "Д.М.Г Д.М.Г"},
    {"zodiac5", TableKind::FiveYearSigns, "ОТ ДО [--no-group]"},
    {"zodiac", TableKind::Zodiac, "ГОД"},
    {"calendar", TableKind::Calendar, "ГОД"},
    {"birthday", TableKind::Birthday, "ОТ ДО ШИРИНА"},
};

// Lines straight to standard output, with the text editor's block rule.
class StdoutLines final : public TextOutput {
public:
    void AppendLine(std::string_view text) override
    {
        std::cout << text << '\n';
        ++m_count;
    }
    void StartOutputBlock() override
    {
        if (m_count >= 2) {
            AppendLine("");
            AppendLine("");
        }
    }

private:
    std::size_t m_count = 0;
};

int Fail(std::string_view message)
{
    std::cerr << "orvenda-cli: " << message << '\n';
    return kExitUsage;
}

std::optional<std::int32_t> Number(std::string_view text)
{
    const std::optional<std::int32_t> n = ParseInt32(text);
    if (!n)
        Fail("\"" + std::string(text) + "\" не является целым числом");
    return n;
}

std::optional<TDateRec> Date(std::string_view text)
{
    const TDateRec date = ReadDate(text, DayFirst, ZeroDate);
    if (!IsValidDate(date)) {
        Fail("\"" + std::string(text) + "\" не является датой (ожидается День.Месяц.Год)");
        return std::nullopt;
    }
    return date;
}

std::string KindNames()
{
    std::string names;
    for (const Kind& k : kKinds)
        names += (names.empty() ? "" : ", ") + std::string(k.name);
    return names;
}

} // namespace

int CommandTable(const std::vector<std::string>& args)
{
    if (args.empty())
        return Fail("укажите таблицу: " + KindNames());
    const Kind* kind = nullptr;
    for (const Kind& k : kKinds)
        if (args[0] == k.name)
            kind = &k;
    if (!kind)
        return Fail("неизвестная таблица \"" + args[0] + "\"; есть " + KindNames());

    std::vector<std::string> rest(args.begin() + 1, args.end());
    TableRequest request;
    request.kind = kind->kind;
    if (request.kind == TableKind::FiveYearSigns) {
        const auto flag = std::find(rest.begin(), rest.end(), "--no-group");
        request.grouped = flag == rest.end();
        if (!request.grouped)
            rest.erase(flag);
    }
    const std::size_t wanted = request.kind == TableKind::Birthday                             ? 3
                               : HasYearRange(request.kind) || request.kind == TableKind::Days ? 2
                                                                                               : 1;
    if (rest.size() != wanted)
        return Fail("ожидается: orvenda-cli table " + std::string(kind->name) + " " +
                    std::string(kind->arguments));

    if (request.kind == TableKind::Days) {
        const std::optional<TDateRec> from = Date(rest[0]);
        if (!from)
            return kExitUsage;
        const std::optional<TDateRec> to = Date(rest[1]);
        if (!to)
            return kExitUsage;
        request.fromDate = *from;
        request.toDate = *to;
    } else {
        std::optional<std::int32_t> values[3];
        for (std::size_t i = 0; i < rest.size(); ++i)
            if (!(values[i] = Number(rest[i])))
                return kExitUsage;
        request.from = *values[0];
        request.to = wanted >= 2 ? *values[1] : request.from;
        if (wanted == 3)
            request.width = *values[2];
    }

    if (const std::optional<std::string> error = TableInputError(request))
        return Fail(*error);
    const std::uint64_t size = TableSize(request);
    if (size > kTableLineLimit)
        return Fail("таблица заняла бы " + std::to_string(size) + " строк, больше " +
                    std::to_string(kTableLineLimit) + "; выберите меньший промежуток");
    StdoutLines out;
    PrintTable(request, out);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace orvenda::cli
