#include "app/cli/report_command.h"

#include "app/program_folders.h"
#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/numbers.h"
#include "engine/principle_colours.h"
#include "engine/textfile.h"
#include "engine/utf8.h"
#include "tools/eventlist/event_list.h"
#include "tools/reports/report_file.h"
#include "tools/reports/reports.h"

#include <filesystem>
#include <iostream>
#include <optional>
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

// Where the reports find their templates and pictures: the folders a start
// of the program from here would use (beside the executable in the build or
// a portable copy, share/orvenda/ when installed), so that a template the
// user recoloured is used here too.
reports::ReportFolders Folders()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string executableFolder =
        (ec ? std::filesystem::current_path(ec) : exe.parent_path()).string() + "/";
    const ProgramFolders folders = DecideProgramFolders(ProbeFolderFacts(executableFolder));
    return {folders.programFolder, folders.dataFolder};
}

std::optional<std::int32_t> YearArgument(const std::string& text)
{
    const std::optional<std::int32_t> year = ParseInt32(text);
    if (!year || *year == 0)
        std::cerr << "orvenda-cli: \"" << text << "\" не является годом\n";
    return year && *year != 0 ? year : std::nullopt;
}

// The entries of a list file, read as the list window loads it (a list
// file, a full-date event file or a pension fund file). Lines with an
// unreadable date are said on standard error and left out.
std::optional<std::vector<EvtListRecord>> ReadListFile(const std::string& path)
{
    EventList list;
    const ImportResult result = ImportEvtListFile(path, list);
    const std::string message = ImportMessage(result, path);
    if (!message.empty())
        std::cerr << "orvenda-cli: " << message << '\n';
    if (result.readFailed || result.format == EvtListFormat::Unknown)
        return std::nullopt;
    return list.Records();
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
    const reports::ReportFolders folder = Folders();
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
        const std::optional<std::vector<EvtListRecord>> entries = ReadListFile(args[1]);
        if (!entries)
            return kExitUsage;
        return Save(reports::ListReport(folder, *entries), args[2]);
    }
    return ReportUsage();
}

} // namespace orvenda::cli
