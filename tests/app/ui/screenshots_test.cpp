// Pictures of the windows as a user sees them, saved as PNG files in the
// build folder (screenshots/) for a person to look at, and the checks that
// nothing on them is cut off.

#include "main_window_fixture.h"

#include <QDir>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>

using namespace orvenda;
using namespace orvenda::test;

namespace {

// The delivered files of the build's program folder, without the programs.
void CopyDeliveredFiles(const std::string& to)
{
    namespace fs = std::filesystem;
    const fs::path from(ORVENDA_PROGRAM_DIR);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = fs::path(to) / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else if (entry.is_regular_file() &&
                   (entry.status().permissions() & fs::perms::owner_exec) == fs::perms::none) {
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        }
    }
}

// Lets posted layout requests run, as the event loop would before painting.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool SaveScreenshot(QWidget* window, const char* name)
{
    Settle();
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    const QString path = QStringLiteral(ORVENDA_SCREENSHOT_DIR) + QString::fromLatin1(name);
    return window->grab().save(path) && !QImage(path).isNull();
}

// Every label of the today and Kalachakra panels is as wide as its text.
void CheckCaptionsAreWhole(const TFormMain& window)
{
    for (const char* panel : {"PTodayInfo", "PAstro"}) {
        for (const QLabel* label :
             window.findChild<QWidget*>(QString::fromLatin1(panel))->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->isHidden())
                continue;
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->contentsRect().width() >= needed,
                     qPrintable(label->objectName() + ": " + label->text()));
        }
    }
}

// Forty events around 15 March 2008 with texts of every length.
std::vector<std::string> ManyEvents()
{
    const std::vector<std::string> texts{
        "День рождения",
        "Годовщина свадьбы родителей",
        "Оплатить квартиру и телефон",
        "Встреча выпускников школы в актовом зале, взять фотографии",
        "Сдать отчёт",
        "Позвонить бабушке",
        "Техосмотр автомобиля: записаться заранее и взять документы",
        "Именины",
    };
    std::vector<std::string> lines{"[fixed events]"};
    for (int i = 0; i < 40; ++i) {
        const int day = 1 + (i * 7) % 28;
        const int year = 1950 + i * 3;
        lines.push_back(std::to_string(day) + "  3 " + std::to_string(year) + "  31  31 1 " +
                        texts[static_cast<std::size_t>(i) % texts.size()]);
    }
    return lines;
}

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void deliveredData()
    {
        MainWindowFixture f;
        TempProgramFolder delivered;
        CopyDeliveredFiles(delivered.path());
        f.Start(delivered.path());
        QVERIFY(SaveScreenshot(f.window, "main_delivered.png"));
        CheckCaptionsAreWhole(*f.window);
        f.ClickRow(1);
        QVERIFY(SaveScreenshot(f.window, "main_delivered_row.png"));
        CheckCaptionsAreWhole(*f.window);
        f.Action("NShowCaptions")->trigger();
        QVERIFY(SaveScreenshot(f.window, "main_delivered_captions.png"));
        for (QAction* action : f.Find<QToolBar>("ToolBar1")->actions()) {
            const auto* button =
                qobject_cast<const QToolButton*>(f.Find<QToolBar>("ToolBar1")->widgetForAction(action));
            if (button && !action->iconText().isEmpty())
                QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(action->iconText()),
                         qPrintable(action->iconText()));
        }
    }

    void longEventList()
    {
        ConfigContent content;
        content.events = {"many.evt"};
        MainWindowFixture f(content);
        QVERIFY(f.folder.Write("many.evt", ManyEvents()));
        f.Start();
        QVERIFY(f.RowCount() > 40);
        QVERIFY(SaveScreenshot(f.window, "main_long_list.png"));
        CheckCaptionsAreWhole(*f.window);
    }

    void statusBarAtTheLeastWidth()
    {
        ConfigContent content;
        content.events = {"long.evt"};
        content.settings = {Setting("AdjustFormSize", "False")};
        MainWindowFixture f(content);
        QVERIFY(f.folder.Write("long.evt", {"[fixed events]", "17  3 1990   5   0 1 Годовщина свадьбы"}));
        f.Start();
        QCOMPARE(f.window->width(), MinimumFittedWidth);
        const auto whole = [&f](const char* name) {
            const auto* panel = f.Find<QLabel>(name);
            return panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text());
        };
        // A long details line, with the years, weeks and days since the event.
        f.ClickRow(1);
        QVERIFY(f.Label("StatusPanel4").size() > 60);
        QVERIFY(SaveScreenshot(f.window, "main_666_details.png"));
        QVERIFY2(whole("StatusPanel4"), qPrintable(f.Label("StatusPanel4")));
        QCOMPARE(f.Find<QLabel>("StatusPanel4")->toolTip(), f.Label("StatusPanel4"));
        // The longest hint takes the room it needs while it shows.
        f.Action("TBRefresh")->showStatusText(f.window);
        QVERIFY(SaveScreenshot(f.window, "main_666_hint.png"));
        QVERIFY2(whole("StatusPanel0"), qPrintable(f.Label("StatusPanel0")));
        QVERIFY(whole("StatusPanel1") && whole("StatusPanel2"));
        QCOMPARE(f.window->width(), MinimumFittedWidth);
        QStatusTipEvent cleared{QString()};
        QCoreApplication::sendEvent(f.window, &cleared);
        Settle();
        QVERIFY2(whole("StatusPanel4"), qPrintable(f.Label("StatusPanel4")));
    }

    void toolBarPicturesWithoutAnIconTheme()
    {
        const QString theme = QIcon::themeName();
        QIcon::setThemeName(QStringLiteral("no-such-theme"));
        MainWindowFixture f;
        f.Start();
        QToolBar* bar = f.Find<QToolBar>("ToolBar1");
        std::vector<QImage> pictures;
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                continue;
            const QImage picture = action->icon().pixmap(24, 24).toImage();
            QVERIFY2(!picture.isNull(), qPrintable(action->objectName()));
            // Something is drawn, and no two buttons share a picture.
            QImage blank(picture.size(), picture.format());
            blank.fill(Qt::transparent);
            QVERIFY2(picture != blank, qPrintable(action->objectName()));
            for (const QImage& other : pictures)
                QVERIFY2(picture != other, qPrintable(action->objectName()));
            pictures.push_back(picture);
        }
        QCOMPARE(pictures.size(), std::size_t{10});
        f.Action("NShowCaptions")->trigger();
        QVERIFY(SaveScreenshot(bar, "toolbar.png"));
        QIcon::setThemeName(theme);
    }

    void otherWindows()
    {
        MainWindowFixture f;
        f.Start();
        f.Action("NStatus")->trigger();
        QVERIFY(SaveScreenshot(f.status, "status.png"));
        f.Action("NCalendar")->trigger();
        QVERIFY(SaveScreenshot(f.calendar, "calendar.png"));
        f.Action("NAbout")->trigger();
        QVERIFY(SaveScreenshot(f.about, "about.png"));
    }
};

ORVENDA_UI_TEST(ScreenshotsTest, "screenshots")

#include "screenshots_test.moc"
