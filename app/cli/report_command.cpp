#include "app/cli/report_command.h"

#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/principle_colours.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "tools/reports/report_file.h"
#include "tools/reports/reports.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <system_error>

namespace orvenda::cli {

namespace {

constexpr int kExitUsage = 2;

const char* const kReportUsage = "Использование:\n"
                                 "  orvenda-cli report birthday ОТ ДО ФАЙЛ.xlsx\n"
                                 "  orvenda-cli report calendar ГОД ФАЙЛ.xlsx [--template-colours]\n"
                                 "  orvenda-cli report list ФАЙЛ.evl ФАЙЛ.xlsx\n";

int ReportUsage()
{
    std::cerr << kReportUsage;
    return kExitUsage;
}

// The folder of this executable, with a trailing "/": the templates and
// pictures lie beside the program.
std::string ProgramFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path().string() + "/";
    return exe.parent_path().string() + "/";
}

std::optional<std::int32_t> YearArgument(const std::string& text)
{
    const std::optional<std::int32_t> year = ParseInt32(text);
    if (!year || *year == 0)
        std::cerr << "orvenda-cli: \"" << text << "\" не является годом\n";
    return year && *year != 0 ? year : std::nullopt;
}

// The entries of a list file as the list window loads them: the first line
// "[fixed events list]", then a year-first date up to the first blank and
// the event text.
std::optional<std::vector<reports::ListEntry>> ReadListFile(const std::string& path)
{
    const std::optional<TextFile> file = ReadTextFile(path);
    if (!file) {
        std::cerr << "orvenda-cli: не удалось прочитать файл " << path << '\n';
        return std::nullopt;
    }
    std::istringstream in(file->text);
    std::string line;
    const auto chomp = [](std::string& l) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
    };
    if (!std::getline(in, line) || (chomp(line), line != "[fixed events list]")) {
        std::cerr << "orvenda-cli: " << path
                  << " не является списком событий (нет строки [fixed events list])\n";
        return std::nullopt;
    }
    std::vector<reports::ListEntry> entries;
    int number = 1;
    while (std::getline(in, line)) {
        ++number;
        chomp(line);
        if (Trim(line).empty())
            continue;
        const std::size_t blank = line.find(' ');
        const std::string_view dateText = std::string_view(line).substr(0, blank);
        const TDateRec date = ReadDate(dateText, YearFirst, UnsetDateTime);
        if (!IsValidDate(date)) {
            std::cerr << path << ":" << number << ": Неверная или неполная дата.\n";
            continue;
        }
        std::string text =
            blank == std::string::npos ? std::string() : std::string(Trim(line.substr(blank + 1)));
        std::string shown = FormatDate(date, "d.m.Y");
        if (IsValidDateTime(date))
            shown += "  " + Pad(std::to_string(date.Hour), "0", 2, "right") + FormatDate(date, ":M");
        entries.push_back({std::move(shown), std::move(text)});
    }
    return entries;
}

int Save(const reports::ReportResult& report, const std::string& out)
{
    for (const std::string& warning : report.Warnings)
        std::cerr << "orvenda-cli: " << warning << '\n';
    if (!report.Book) {
        std::cerr << "orvenda-cli: " << report.Error << '\n';
        return kExitUsage;
    }
    const reports::SavedReport saved = reports::SaveReport(*report.Book, out);
    for (const std::string& warning : saved.Warnings)
        std::cerr << "orvenda-cli: " << warning << '\n';
    if (!saved.Ok) {
        std::cerr << "orvenda-cli: " << saved.Error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int CommandReport(const std::vector<std::string>& args)
{
    if (args.empty())
        return ReportUsage();
    const std::string& kind = args[0];
    const std::string folder = ProgramFolder();
    if (kind == "birthday" && args.size() == 4) {
        const std::optional<std::int32_t> from = YearArgument(args[1]);
        const std::optional<std::int32_t> to = from ? YearArgument(args[2]) : std::nullopt;
        if (!to)
            return kExitUsage;
        return Save(reports::BirthdayReport(folder, *from, *to), args[3]);
    }
    if (kind == "calendar" && (args.size() == 3 || (args.size() == 4 && args[3] == "--template-colours"))) {
        const std::optional<std::int32_t> year = YearArgument(args[1]);
        if (!year)
            return kExitUsage;
        PrincipleColours colours;
        colours.ByMonthColour = args.size() == 3;
        return Save(reports::CalendarReport(folder, *year, colours), args[2]);
    }
    if (kind == "list" && args.size() == 3) {
        const std::optional<std::vector<reports::ListEntry>> entries = ReadListFile(args[1]);
        if (!entries)
            return kExitUsage;
        return Save(reports::ListReport(folder, *entries), args[2]);
    }
    return ReportUsage();
}

} // namespace orvenda::cli
