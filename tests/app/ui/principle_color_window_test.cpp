// The principle colour window: the colour dialog of each panel, the two
// choices, and the holder the day report reads.

#include "app/ui/principle_color_window.h"
#include "tests/support/report_setup.h"
#include "ui_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace orvenda;

class PrincipleColorWindowTest : public QObject {
    Q_OBJECT

    static QColor shown(const TFormPrincipleColor& window, int k)
    {
        return window.findChild<QLabel*>(QStringLiteral("Panel%1").arg(k))->palette().color(QPalette::Window);
    }

private slots:
    void eachPanelRunsTheColourDialog()
    {
        PrincipleColours colours;
        const PrincipleColours initial;
        ScriptedQuestions prompt;
        QStringList opened;
        TFormPrincipleColor window(colours, prompt, test::RecordingReports(ORVENDA_PROGRAM_DIR, opened));
        for (int k = 0; k < 10; ++k) {
            const Rgb c = initial.Colours[static_cast<std::size_t>(k)];
            QCOMPARE(shown(window, k), QColor(c.Red, c.Green, c.Blue));
        }
        // Panel k takes the k-th answer; a cancelled dialog (panel 3) changes nothing.
        for (int k = 0; k < 10; ++k)
            prompt.colours.push_back(
                k == 3 ? std::nullopt
                       : std::optional<Questions::Rgb>(
                             Questions::Rgb{std::uint8_t(k), std::uint8_t(10 * k), std::uint8_t(255 - k)}));
        for (int k = 0; k < 10; ++k)
            window.PanelClick(k);
        for (int k = 0; k < 10; ++k) {
            const Rgb expected = k == 3 ? initial.Colours[3]
                                        : Rgb{std::uint8_t(k), std::uint8_t(10 * k), std::uint8_t(255 - k)};
            QCOMPARE(colours.Colours[static_cast<std::size_t>(k)], expected);
            QCOMPARE(shown(window, k), QColor(expected.Red, expected.Green, expected.Blue));
        }
    }

    void colourPanelsShowExactlyForTheMonthColour()
    {
        PrincipleColours colours;
        ScriptedQuestions prompt;
        QStringList opened;
        test::TempFolder user;
        ReportSetup setup = test::RecordingReports(user.folder(), opened);
        TFormPrincipleColor window(colours, prompt, setup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* group = window.findChild<QGroupBox*>(QStringLiteral("GroupBoxColors"));
        auto* byMonth = window.findChild<QRadioButton*>(QStringLiteral("RBMonthColor"));
        auto* byTemplate = window.findChild<QRadioButton*>(QStringLiteral("RBTemplateColor"));
        QVERIFY(byMonth->isChecked() && group->isVisible() && colours.ByMonthColour);

        QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
        QCoreApplication::processEvents();
        QVERIFY(window.grab().save(QStringLiteral(ORVENDA_SCREENSHOT_DIR "principle_color.png")));

        prompt.colours.push_back(Questions::Rgb{1, 2, 3});
        window.PanelClick(5);
        byTemplate->click();
        QVERIFY(!group->isVisible());
        QVERIFY(!colours.ByMonthColour);
        byMonth->click();
        QVERIFY(group->isVisible());
        QCOMPARE(shown(window, 5), QColor(1, 2, 3));

        // The day calendar's template is opened in the desktop's program: the
        // user's own copy, which the reports then read.
        QVERIFY(window.OpenTemplateButton()->isEnabled());
        window.OpenTemplateButton()->click();
        const QString own = QString::fromStdString(user.folder() + "Template/kala_day.xlsx");
        QCOMPARE(opened, QStringList{own});
        QVERIFY(QFileInfo(own).isFile());
        QCOMPARE(DayTemplatePath(setup.Folders()), own);
        QVERIFY(prompt.asked.empty());

        window.findChild<QPushButton*>(QStringLiteral("BClose"))->click();
        QVERIFY(!window.isVisible());

        // Where the template is missing, there is nothing to open.
        test::TempFolder empty;
        setup.programFolder = setup.dataFolder = empty.folder();
        TFormPrincipleColor without(colours, prompt, setup);
        QVERIFY(!without.OpenTemplateButton()->isEnabled());
    }
};

ORVENDA_UI_TEST(PrincipleColorWindowTest, "principle_color_window")

#include "principle_color_window_test.moc"
