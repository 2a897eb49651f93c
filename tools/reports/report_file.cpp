#include "tools/reports/report_file.h"

#include "engine/date_format.h"
#include "engine/file_bytes.h"
#include "engine/file_failure.h"
#include "engine/file_save.h"
#include "engine/spreadsheet/workbook_writer.h"
#include "engine/utf8.h"

#include <filesystem>
#include <system_error>

namespace orvenda::reports {

std::string ReportPath(const std::string& programFolder, std::string_view name, TDateRec now)
{
    // No ":" in the name: the file may travel to systems that forbid it.
    // The hour with two digits too, so that the names sort by time.
    return programFolder + "Report/" + std::string(name) + " " + FormatDate(now, "Y-m-d ") +
           Pad(std::to_string(now.Hour), "0", 2, "right") + FormatDate(now, "-M-S") + ".xlsx";
}

SavedReport SaveReport(const sheet::Workbook& book, const std::string& path, bool createFolder)
{
    SavedReport saved;
    saved.Path = path;
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (createFolder && !folder.empty())
        std::filesystem::create_directories(folder, ec);
    if (ec) {
        saved.Error = "Не удалось создать папку " + folder.string() + ": " + ec.message();
        return saved;
    }
    sheet::WriteResult written = sheet::WriteWorkbook(book, path);
    saved.Ok = written.Ok;
    saved.Error = std::move(written.Error);
    saved.Warnings = std::move(written.Warnings);
    return saved;
}

UserTemplate OwnTemplate(const ReportFolders& folders, std::string_view name)
{
    UserTemplate own;
    own.Path = folders.Template(name);
    std::error_code ec;
    if (folders.User == folders.Data || own.Path == folders.User + "Template/" + std::string(name)) {
        if (!std::filesystem::is_regular_file(own.Path, ec))
            own.Error = "Ошибка при открытии таблицы " + own.Path;
        return own;
    }
    const std::string delivered = own.Path;
    std::string bytes;
    if (ReadFileBytes(delivered, bytes) != ReadFailure::None) {
        own.Error = "Ошибка при открытии таблицы " + delivered;
        return own;
    }
    const std::filesystem::path folder = std::filesystem::path(folders.User) / "Template";
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        own.Error = "Не удалось создать папку " + folder.string() + ": " + ec.message();
        return own;
    }
    own.Path = (folder / std::string(name)).string();
    const SaveResult saved = SaveBytes(own.Path, bytes);
    if (!saved.ok())
        own.Error = "Не удалось скопировать шаблон " + delivered + " в " + own.Path + ": " +
                    FailureReason(FailureOf(saved, own.Path));
    return own;
}

std::string NotOpenedMessage(const std::string& path)
{
    return "Ошибка при открытии таблицы " + path +
           ". Таблица сохранена; откройте её в программе для электронных таблиц.";
}

} // namespace orvenda::reports
