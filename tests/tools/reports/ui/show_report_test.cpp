#include "tools/reports/ui/show_report.h"

#include "engine/ui/scripted_prompt.h"
#include "tests/support/test_files.h"
#include "tools/reports/report_file.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace orvenda {
namespace {

const std::string kProgram = ORVENDA_PROGRAM_DIR;
constexpr TDateRec kNow{2006, 3, 2, 14, 5, 9, 0};

TEST(ShowReport, SavesOpensAndSaysWhatWentWrong)
{
    test::TempFolder folder;
    ScriptedPrompt prompt;
    QStringList opened;
    const FileOpener opens = [&](const QString& path) {
        opened << path;
        return true;
    };

    // A report that could not be made: its message, nothing saved or opened.
    const reports::ReportResult refused = reports::BirthdayReport(kProgram, 1, 5000);
    EXPECT_TRUE(ShowReport(nullptr, prompt, refused, folder.folder(), "Отчёт", kNow, opens).isEmpty());
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_TRUE(prompt.asked[0].startsWith("Ошибка|Диапазон 1 – 5000 слишком велик"));
    EXPECT_TRUE(opened.isEmpty());

    // Saved beside the program and opened.
    const reports::ReportResult report = reports::BirthdayReport(kProgram, 2000, 2001);
    const QString path = ShowReport(nullptr, prompt, report, folder.folder(), "Отчёт", kNow, opens);
    EXPECT_EQ(path, QString::fromStdString(folder.folder() + "Report/Отчёт 2006-03-02 14-05-09.xlsx"));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_EQ(prompt.asked.size(), 1);

    // No program opens it: the user is told where it lies.
    const QString again = ShowReport(nullptr, prompt, report, folder.folder(), "Отчёт", kNow,
                                     [](const QString&) { return false; });
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[1],
              "Ошибка|" + QString::fromStdString(reports::NotOpenedMessage(again.toStdString())));

    // The template of the day calendar opens itself, or says it is missing.
    EXPECT_TRUE(OpenDayTemplate(nullptr, prompt, kProgram, opens));
    EXPECT_EQ(opened.last(), QString::fromStdString(kProgram + "Template/kala_day.xlsx"));
    EXPECT_FALSE(OpenDayTemplate(nullptr, prompt, folder.folder(), opens));
    EXPECT_EQ(prompt.asked.last(), "Ошибка|Ошибка при открытии таблицы " +
                                       QString::fromStdString(folder.folder()) + "Template/kala_day.xlsx");
}

} // namespace
} // namespace orvenda
