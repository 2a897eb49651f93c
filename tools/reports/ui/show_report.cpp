#include "tools/reports/ui/show_report.h"

#include "engine/ui/prompt.h"
#include "tools/reports/report_file.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orvenda {

namespace {

const QString kErrorCaption = QStringLiteral("Ошибка");

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FileOpener DesktopOpener()
{
    return [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

QString ShowReport(QWidget* parent, Prompt& prompt, const reports::ReportResult& report,
                   const std::string& programFolder, std::string_view name, TDateRec now,
                   const FileOpener& open)
{
    if (!report.Book) {
        prompt.ShowError(parent, kErrorCaption, FromUtf8(report.Error));
        return {};
    }
    const reports::SavedReport saved =
        reports::SaveReport(*report.Book, reports::ReportPath(programFolder, name, now), true);
    if (!saved.Ok) {
        prompt.ShowError(parent, kErrorCaption, FromUtf8(saved.Error));
        return {};
    }
    // Entries or pictures left out are said once, after the report is safe.
    std::string left;
    for (const std::string& line : report.Warnings)
        left += line + "\n";
    for (const std::string& line : saved.Warnings)
        left += line + "\n";
    if (!left.empty())
        prompt.Inform(parent, QStringLiteral("Таблица"), FromUtf8(left));
    const QString path = FromUtf8(saved.Path);
    if (!open(path))
        prompt.ShowError(parent, kErrorCaption, FromUtf8(reports::NotOpenedMessage(saved.Path)));
    return path;
}

bool OpenDayTemplate(QWidget* parent, Prompt& prompt, const std::string& programFolder,
                     const FileOpener& open)
{
    const QString path = FromUtf8(programFolder + "Template/kala_day.xlsx");
    if (QFileInfo(path).isFile() && open(path))
        return true;
    prompt.ShowError(parent, kErrorCaption, QStringLiteral("Ошибка при открытии таблицы ") + path);
    return false;
}

} // namespace orvenda
