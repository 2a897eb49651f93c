// orvenda-cli: the terminal companion of Орвенда, over the same libraries as
// the desktop program. UTF-8 on standard output.

#include "app/astro_panel.h"
#include "app/cli/calc_command.h"
#include "app/cli/cli_commands.h"
#include "app/cli/finish_output.h"
#include "app/program_folders.h"
#include "app/session.h"
#include "app/system_clock.h"
#include "config/autostart.h"
#include "editors/event_commands.h"
#include "editors/event_file.h"
#include "engine/date.h"
#include "engine/date_format.h"
#include "engine/huge_pages.h"
#include "engine/numbers.h"
#include "events/period.h"
#include "tools/calculator/characteristics.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

using namespace orvenda;

constexpr int kExitUsage = 2;
// The heap's settings of main(): blocks up to this size come from the heap
// and the heap keeps up to this much free memory; it grows this much at once.
constexpr int kKeptHeapBytes = 256 << 20;
constexpr int kHeapGrowthBytes = 64 << 20;
// The report program could not be started (a broken installation).
constexpr int kExitNotStarted = 1;

const char* const kUsage =
    "Использование:\n"
    "  orvenda-cli chars Д.М.Г    характеристики даты по Калачакре\n"
    "  orvenda-cli astro Д.М.Г    строки панели Калачакры для даты\n"
    "  orvenda-cli day [--folder ПАПКА] [--now \"Д.М.Г Ч:М:С\"] [--details] [--period Д.М.Г Д.М.Г]\n"
    "                             главное окно на текущий день (или события за период)\n"
    "  orvenda-cli calc ЗНАЧЕНИЕ|+|-|=|C ...\n"
    "                             калькулятор дат: даты и числа дней с операциями\n"
    "  orvenda-cli rewrite ФАЙЛ   текст, который запишет сохранение файла без изменений\n"
    "  orvenda-cli off ФАЙЛ N     отключить событие номер N (как \"Отключить\")\n"
    "  orvenda-cli delete ФАЙЛ N  удалить событие номер N (как \"Удалить\")\n"
    "  orvenda-cli table ВИД ...  таблица окна \"Таблицы\": century ОТ ДО, year ОТ ДО, month ГОД,\n"
    "                             decade ГОД, week ГОД, days Д.М.Г Д.М.Г, zodiac5 ОТ ДО [--no-group],\n"
    "                             zodiac ГОД, calendar ГОД, birthday ОТ ДО ШИРИНА\n"
    "  orvenda-cli list ФАЙЛ      записи списка событий: дата, табуляция, событие\n"
    "  orvenda-cli report ...     электронные таблицы: birthday ОТ ДО ФАЙЛ.xlsx, calendar ГОД ФАЙЛ.xlsx\n"
    "                             [--template-colours], list ФАЙЛ.evl ФАЙЛ.xlsx\n"
    "  orvenda-cli --help         эта справка\n"
    "  orvenda-cli --version      версия и папки программы\n"
    "Подробно: man orvenda-cli\n";

int Usage()
{
    std::cerr << kUsage;
    return kExitUsage;
}

#ifndef ORVENDA_VERSION
#error "ORVENDA_VERSION comes from the project version in CMake"
#endif

// A date as the calculator reads it: day first, nothing assumed.
bool ParseDateArgument(std::string_view text, TDateRec& date)
{
    date = ReadDate(text, DayFirst, ZeroDate);
    if (IsValidDate(date))
        return true;
    std::cerr << "orvenda-cli: \"" << text << "\" не является датой (ожидается День.Месяц.Год)\n";
    return false;
}

int CommandChars(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage();
    TDateRec date;
    if (!ParseDateArgument(args[0], date))
        return kExitUsage;
    for (const std::string& line : CharacteristicsReport(date))
        std::cout << line << '\n';
    return 0;
}

int CommandAstro(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage();
    TDateRec date;
    if (!ParseDateArgument(args[0], date))
        return kExitUsage;
    for (const AstroRow& row : FillAstroPanel(date))
        std::cout << row.Caption << '\t' << row.Picture << '\t' << row.Name << '\t' << row.Period << '\n';
    return 0;
}

// The folder of this executable, with a trailing "/".
std::string ExecutableFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path().string() + "/";
    return exe.parent_path().string() + "/";
}

// The version and the two folders a start from here would use, without
// making or seeding anything.
int CommandVersion()
{
    const ProgramFolders folders = DecideProgramFolders(ProbeFolderFacts(ExecutableFolder()));
    std::cout << "orvenda-cli " ORVENDA_VERSION "\n"
              << "Папка пользователя: " << folders.programFolder << '\n'
              << "Папка данных: " << folders.dataFolder << '\n';
    return 0;
}

void PrintView(const Session& session, bool details)
{
    const MainView& view = session.View();
    std::cout << "[journal]\n";
    for (const std::string& line : session.GetJournal().Lines())
        std::cout << line << '\n';
    std::cout << "[date]\n" << view.DateLabel << '\t' << view.WeekdayLabel << '\n';
    std::cout << "[astro]\n";
    for (const AstroRow& row : view.Astro)
        std::cout << row.Caption << '\t' << row.Picture << '\t' << row.Name << '\t' << row.Period << '\n';
    std::cout << "[saying]\n" << view.Saying[0] << '\n' << view.Saying[1] << '\n';
    std::cout << "[events]\n";
    for (std::size_t i = 0; i < view.Events.size(); ++i) {
        const ShownRow& row = view.Events[i];
        std::cout << DateColumnText(row) << '\t' << row.Text << '\n';
        if (details)
            std::cout << "\t\t" << session.DetailsOfRow(static_cast<int>(i)) << '\n';
    }
    std::cout << "[status]\n" << view.StatusCount << '\t' << view.StatusFiles << '\n';
}

int CommandDay(const std::vector<std::string>& args)
{
    std::optional<std::string> folder;
    std::optional<TDateRec> now;
    std::optional<PeriodDays> period;
    bool details = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--details") {
            details = true;
        } else if (args[i] == "--folder" && i + 1 < args.size()) {
            folder = args[++i];
        } else if (args[i] == "--now" && i + 1 < args.size()) {
            const std::string& text = args[++i];
            const TDateRec moment = ReadDate(text, DayFirst, ZeroDate);
            if (!IsValidDateTime(moment) || moment.Second >= 60) {
                std::cerr << "orvenda-cli: \"" << text
                          << "\" не является датой и временем (ожидается Д.М.Г Ч:М:С)\n";
                return kExitUsage;
            }
            now = moment;
        } else if (args[i] == "--period" && i + 2 < args.size()) {
            // Both dates with their years, as the period window with "учитывать год" ticked.
            TDateRec from;
            TDateRec to;
            if (!ParseDateArgument(args[i + 1], from) || !ParseDateArgument(args[i + 2], to))
                return kExitUsage;
            i += 2;
            if (IsLater(from, to))
                SwapDates(from, to);
            period = PeriodDays{from, to};
        } else {
            return Usage();
        }
    }
    // A mistyped folder would otherwise look like a first start there.
    if (folder) {
        std::error_code ec;
        const auto kind = std::filesystem::status(folder->empty() ? "." : *folder, ec).type();
        if (kind != std::filesystem::file_type::directory) {
            std::cerr << "orvenda-cli: "
                      << (kind == std::filesystem::file_type::not_found ? "папка не найдена: "
                                                                        : "не является папкой: ")
                      << *folder << '\n';
            return kExitUsage;
        }
    }
    SessionEnvironment env;
    if (folder) {
        // A folder given by hand is used as a portable program folder.
        if (!folder->empty() && folder->back() != '/')
            *folder += '/';
        env.programFolder = std::filesystem::absolute(*folder).string();
    } else {
        const ProgramFolders folders = DecideProgramFolders(ProbeFolderFacts(ExecutableFolder()));
        env.programFolder = folders.programFolder;
        env.dataFolder = folders.dataFolder;
    }
    // The autostart entry, when it is rewritten, names the desktop program
    // beside this one.
    env.programPath = ExecutableFolder() + "orvenda";
    env.autostartDir = DefaultAutostartDir();
    env.clock = now ? FixedClock(*now) : SystemClock();

    Session session(env);
    session.StartUp();
    const CommandResult refreshed = session.Refresh();
    if (!refreshed.ok) {
        std::cerr << "orvenda-cli: " << refreshed.error << '\n';
        return kExitUsage;
    }
    if (period)
        session.ShowPeriod(period->from, period->to);
    PrintView(session, details);
    // With a million events, handing their memory back one text at a time
    // would take longer than the whole refresh; the system takes it back at
    // once when the process ends.
    std::_Exit(cli::FinishOutput(0));
}

// The text that saving the file unchanged would write, line ends included.
int CommandRewrite(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return Usage();
    Journal journal;
    EventFileModel model;
    const EventFileModel::OpenResult opened = model.Open(args[0], journal);
    if (opened.status != EventFileModel::OpenResult::Opened) {
        std::cerr << "orvenda-cli: " << opened.message << '\n';
        return kExitUsage;
    }
    for (const std::string& line : model.ComposeLines())
        std::cout << line << "\r\n";
    return 0;
}

int CommandChangeEvent(const std::vector<std::string>& args, bool remove)
{
    if (args.size() != 2)
        return Usage();
    const std::optional<std::int32_t> ordinal = ParseInt32(args[1]);
    if (!ordinal || *ordinal < 1) {
        std::cerr << "orvenda-cli: \"" << args[1] << "\" не является номером записи\n";
        return kExitUsage;
    }
    Journal journal;
    const EventCommandResult done =
        remove ? DeleteEvent(args[0], *ordinal, journal) : SwitchOffEvent(args[0], *ordinal, journal);
    for (const std::string& line : journal.Lines())
        std::cerr << line << '\n';
    if (!done.ok) {
        std::cerr << "orvenda-cli: " << done.error << '\n';
        return kExitUsage;
    }
    return 0;
}

// Grows the heap by its first step at once and asks for huge pages over
// it, as the buffer of the files does (engine/huge_pages.h): the records and
// lists of a refresh then fault in 2 MiB at a time. Under AddressSanitizer
// the heap is not where allocations come from, and nothing is done.
void AdviseHugePagesForHeap()
{
#if !defined(__SANITIZE_ADDRESS__)
    void* const block = std::malloc(kHeapGrowthBytes / 2);
    const void* const top = ::sbrk(0);
    if (block != nullptr && top != reinterpret_cast<void*>(-1) && top > block)
        AdviseHugePages(block, static_cast<const char*>(top) - static_cast<const char*>(block));
    std::free(block);
    // Only whole huge pages can be given: the heap's free room starts
    // anywhere in one, and up to its end the blocks would fault in 4 KiB at
    // a time (150 faults at 100,000 events, each dear in a virtual machine).
    // A block over that stretch, kept and never written, moves the blocks
    // that follow onto the first whole huge page; its own pages are never
    // touched and cost nothing.
    void* const probe = std::malloc(std::size_t{1} << 18);
    const auto at = reinterpret_cast<std::uintptr_t>(probe);
    std::free(probe);
    const std::uintptr_t boundary = NextHugePage(at);
    if (probe != nullptr && boundary - at > 4096) {
        // Kept where the compiler must assume it is used: an allocation that
        // nothing reads would be left out.
        [[maybe_unused]] static void* volatile skipped = nullptr;
        skipped = std::malloc(boundary - at - 32);
    }
#endif
}

// The reports are made by orvenda-report, installed beside this program (see
// report_main.cpp): it is run in this process's place, so that its output,
// messages and exit code are those of orvenda-cli report. Only when it cannot
// be started does this return, with a message.
int CommandReport(char** args)
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        std::cerr << "orvenda-cli: не удалось найти папку программы: " << ec.message() << '\n';
        return kExitNotStarted;
    }
    const std::string helper = (exe.parent_path() / "orvenda-report").string();
    std::vector<char*> argv{const_cast<char*>(helper.c_str())};
    for (char** arg = args; *arg != nullptr; ++arg)
        argv.push_back(*arg);
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::cout.flush();
    ::execv(helper.c_str(), argv.data());
    const int error = errno;
    std::cerr << "orvenda-cli: не удалось запустить " << helper << ": "
              << std::system_category().message(error) << '\n';
    return kExitNotStarted;
}

int RunCommand(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version")
        return CommandVersion();
    if (command == "chars")
        return CommandChars(args);
    if (command == "astro")
        return CommandAstro(args);
    if (command == "day")
        return CommandDay(args);
    if (command == "calc")
        return CommandCalc(args);
    if (command == "rewrite")
        return CommandRewrite(args);
    if (command == "off")
        return CommandChangeEvent(args, false);
    if (command == "delete")
        return CommandChangeEvent(args, true);
    if (command == "table")
        return cli::CommandTable(args);
    if (command == "list")
        return cli::CommandList(args);
    if (command == "report")
        return CommandReport(argv + 2);
    return Usage();
}

} // namespace

int main(int argc, char** argv)
{
    // Of the user's locale only what the program shows: the system's
    // messages, the short date and time texts, and the characters they are
    // in. Numbers stay in the C locale's form (a comma as decimal separator
    // would change what is read and written), and the other categories,
    // each a file to load at every start, are not needed.
    for (const int category : {LC_CTYPE, LC_MESSAGES, LC_TIME})
        std::setlocale(category, "");
    // A short-lived process that reads megabytes of events: the default of
    // giving large blocks their own mappings and returning freed memory to
    // the system at once made every growing list and every file's records
    // fault in fresh pages, a quarter of the processor time at a million
    // events. Keeping them in the heap until the process ends costs no
    // more memory at its peak.
    mallopt(M_MMAP_THRESHOLD, kKeptHeapBytes);
    mallopt(M_TRIM_THRESHOLD, kKeptHeapBytes);
    mallopt(M_TOP_PAD, kHeapGrowthBytes);
    // One heap for every thread, so that the reading thread's records land
    // in the heap advised below instead of a heap of its own faulted in
    // 4 KiB at a time; the two threads allocate little enough not to wait
    // for each other.
    mallopt(M_ARENA_MAX, 1);
    AdviseHugePagesForHeap();
    // A day's list is hundreds of kilobytes: written to a file or a pipe in
    // 64 KiB pieces rather than the 4 KiB of the default buffer, a system
    // call each. A terminal keeps its line by line.
    // (The C library takes the size only with a buffer given.)
    static char outputBuffer[std::size_t{1} << 16];
    if (::isatty(STDOUT_FILENO) == 0)
        std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    return cli::FinishOutput(RunCommand(argc, argv));
}
