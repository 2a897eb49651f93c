// The principle colour window: the colour dialog of each panel, the two
// choices, and the holder the day report reads.

#include "app/ui/principle_color_window.h"
#include "ui_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

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
        TFormPrincipleColor window(colours, prompt);
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
        TFormPrincipleColor window(colours, prompt);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* group = window.findChild<QGroupBox*>(QStringLiteral("GroupBoxColors"));
        auto* byMonth = window.findChild<QRadioButton*>(QStringLiteral("RBMonthColor"));
        auto* byTemplate = window.findChild<QRadioButton*>(QStringLiteral("RBTemplateColor"));
        QVERIFY(byMonth->isChecked() && group->isVisible() && colours.ByMonthColour);
        QVERIFY(!window.OpenTemplateButton()->isEnabled());

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

        // Once the spreadsheet program can be driven, the button asks for the template.
        QSignalSpy templateRequests(&window, &TFormPrincipleColor::openTemplateRequested);
        window.SetTemplateAvailable(true);
        window.OpenTemplateButton()->click();
        QCOMPARE(templateRequests.size(), 1);

        window.findChild<QPushButton*>(QStringLiteral("BClose"))->click();
        QVERIFY(!window.isVisible());
    }
};

ORVENDA_UI_TEST(PrincipleColorWindowTest, "principle_color_window")

#include "principle_color_window_test.moc"
