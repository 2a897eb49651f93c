// The about window: version, build date and the change history.

#include "app/ui/about_window.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

using namespace orvenda;
using namespace orvenda::test;

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsNameVersionAndBuildDate()
    {
        TFormAbout window(QStringLiteral("/nonexistent/"));
        QCOMPARE(window.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LProductName"))->text(),
                 QStringLiteral("Орвенда"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LVersion"))->text(),
                 QStringLiteral("Версия ") + QStringLiteral(ORVENDA_PROJECT_VERSION));
        const QString built = window.findChild<QLabel*>(QStringLiteral("LBuildDate"))->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Сборка от \\d\\d\\.\\d\\d\\.\\d{4}$"))
                     .match(built)
                     .hasMatch(),
                 qPrintable(built));
    }

    void historyButtonShowsTheDecodedChangeLog()
    {
        TempProgramFolder folder;
        QVERIFY(
            folder.Write("change.log", {"0.1.0", "  Первая версия: список событий и календарь Калачакры"}));
        TFormAbout window(folder.qpath());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* history = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoChangeLog"));
        auto* button = window.findChild<QPushButton*>(QStringLiteral("BChangeLog"));
        QVERIFY(history->isHidden());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!history->isHidden());
        QCOMPARE(history->toPlainText(),
                 QStringLiteral("0.1.0\n  Первая версия: список событий и календарь Калачакры\n"));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(history->isHidden());
    }

    // Installed, the change history is a delivered file: it is read from the
    // data folder, and the window names both folders.
    void installedNamesBothFoldersAndReadsTheHistoryFromTheData()
    {
        TempProgramFolder data;
        QVERIFY(data.Write("change.log", {"0.1.0"}));
        const QString user = QStringLiteral("/nonexistent/.config/orvenda/");
        TFormAbout window(user, data.qpath());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LFolders"))->text(),
                 QStringLiteral("Папка пользователя: ") + user + QStringLiteral("\nПапка данных: ") +
                     data.qpath());
        window.ShowHistory(true);
        QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("MemoChangeLog"))->toPlainText(),
                 QStringLiteral("0.1.0\n"));
    }
};

ORVENDA_UI_TEST(AboutWindowTest, "about_window")

#include "about_window_test.moc"
