#include "tools/reports/ui/show_report.h"

#include "engine/scripted_questions.h"
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
    ScriptedQuestions prompt;
    QStringList opened;
    const FileOpener opens = [&](const QString& path) {
        opened << path;
        return true;
    };

    // A report that could not be made: its message, nothing saved or opened.
    const reports::ReportResult refused = reports::BirthdayReport(kProgram, 1, 5000);
    EXPECT_TRUE(ShowReport(prompt, refused, folder.folder(), "Отчёт", kNow, opens).isEmpty());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].rfind("Ошибка|Диапазон 1 – 5000 слишком велик", 0), 0u);
    EXPECT_TRUE(opened.isEmpty());

    // Saved beside the program and opened.
    const reports::ReportResult report = reports::BirthdayReport(kProgram, 2000, 2001);
    const QString path = ShowReport(prompt, report, folder.folder(), "Отчёт", kNow, opens);
    EXPECT_EQ(path, QString::fromStdString(folder.folder() + "Report/Отчёт 2006-03-02 14-05-09.xlsx"));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_EQ(prompt.asked.size(), 1u);

    // No program opens it: the user is told where it lies.
    const QString again = ShowReport(prompt, report, folder.folder(), "Отчёт", kNow,
                                     [](const QString&) { return false; });
    ASSERT_EQ(prompt.asked.size(), 2u);
    EXPECT_EQ(prompt.asked[1], "Ошибка|" + reports::NotOpenedMessage(again.toStdString()));

    // The template of the day calendar opens itself, or says it is missing.
    EXPECT_TRUE(OpenDayTemplate(prompt, kProgram, opens));
    EXPECT_EQ(opened.last(), QString::fromStdString(kProgram + "Template/kala_day.xlsx"));
    EXPECT_FALSE(OpenDayTemplate(prompt, folder.folder(), opens));
    EXPECT_EQ(prompt.asked.back(),
              "Ошибка|Ошибка при открытии таблицы " + folder.folder() + "Template/kala_day.xlsx");
}

} // namespace
} // namespace orvenda
