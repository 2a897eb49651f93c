#include "tools/reports/ui/show_report.h"

#include "engine/questions.h"
#include "tools/reports/report_file.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvenda {

namespace {

const std::string kErrorCaption = "Ошибка";
constexpr std::string_view kDayTemplate = "kala_day.xlsx";

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FileOpener DesktopOpener()
{
    return [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

QString ShowReport(Questions& questions, const reports::ReportResult& report,
                   const std::string& programFolder, std::string_view name, TDateRec now,
                   const FileOpener& open)
{
    if (!report.Book) {
        questions.ShowError(kErrorCaption, report.Error);
        return {};
    }
    const reports::SavedReport saved =
        reports::SaveReport(*report.Book, reports::ReportPath(programFolder, name, now), true);
    if (!saved.Ok) {
        questions.ShowError(kErrorCaption, saved.Error);
        return {};
    }
    // Entries or pictures left out are said once, after the report is safe.
    std::string left;
    for (const std::string& line : report.Warnings)
        left += line + "\n";
    for (const std::string& line : saved.Warnings)
        left += line + "\n";
    if (!left.empty())
        questions.Inform("Таблица", left);
    const QString path = FromUtf8(saved.Path);
    if (!open(path))
        questions.ShowError(kErrorCaption, reports::NotOpenedMessage(saved.Path));
    return path;
}

QString ShowReport(Questions& questions, const ReportSetup& setup, const reports::ReportResult& report,
                   std::string_view name)
{
    return ShowReport(questions, report, setup.programFolder, name, setup.clock(), setup.open);
}

QString DayTemplatePath(const reports::ReportFolders& folders)
{
    return FromUtf8(folders.Template(kDayTemplate));
}

bool OpenDayTemplate(Questions& questions, const reports::ReportFolders& folders, const FileOpener& open)
{
    const reports::UserTemplate own = reports::OwnTemplate(folders, kDayTemplate);
    if (!own.Error.empty()) {
        questions.ShowError(kErrorCaption, own.Error);
        return false;
    }
    if (open(FromUtf8(own.Path)))
        return true;
    questions.ShowError(kErrorCaption, "Ошибка при открытии таблицы " + own.Path);
    return false;
}

} // namespace orvenda
