// The program's font dialog: its buttons, the font and colour it opens on,
// "Применить" without closing, and a screenshot in Russian.

#include "engine/ui/font_dialog.h"
#include "engine/ui/font_style.h"
#include "engine/ui/qt_translation.h"
#include "tests/support/ui_test_registry.h"

#include <QDir>
#include <QFontDialog>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace orvenda {

class FontDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallQtTranslation(); }

    void opensOnTheFontAndAppliesWithoutClosing()
    {
        QFont font(QStringLiteral("DejaVu Serif"), 13);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        font.setStyleName(StyleNameOf(font.family(), true, true));
        FontDialog dialog(font, QColor(0x20, 0x60, 0xA0), true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QFont shown = dialog.currentFont();
        QCOMPARE(shown.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(shown.pointSize(), 13);
        QVERIFY(shown.bold() && shown.italic() && shown.underline() && !shown.strikeOut());
        QCOMPARE(dialog.currentColour(), QColor(0x20, 0x60, 0xA0));
        QVERIFY(!dialog.colourChosen());

        QSignalSpy applied(&dialog, &FontDialog::applied);
        dialog.findChild<QPushButton*>(QStringLiteral("apply"))->click();
        QCOMPARE(applied.count(), 1);
        QVERIFY(dialog.isVisible());
        dialog.setCurrentColour(QColor(Qt::darkRed));
        QVERIFY(dialog.colourChosen());

        QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
        QVERIFY(dialog.grab().save(QStringLiteral(ORVENDA_SCREENSHOT_DIR "font_dialog.png")));
    }

    void buttonsAndHowTheDialogCloses_data()
    {
        QTest::addColumn<bool>("withApply");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("ОК") << true << "ok" << int{QDialog::Accepted};
        QTest::newRow("Отмена") << true << "cancel" << int{QDialog::Rejected};
        QTest::newRow("Escape in the face list") << false << "escape" << int{QDialog::Rejected};
    }
    void buttonsAndHowTheDialogCloses()
    {
        QFETCH(bool, withApply);
        QFETCH(QString, action);
        QFETCH(int, result);
        FontDialog dialog(QFont(QStringLiteral("DejaVu Sans"), 10), Qt::black, withApply);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QStringList names{QStringLiteral("ok"), QStringLiteral("cancel"), QStringLiteral("apply")};
        const QStringList captions{QStringLiteral("ОК"), QStringLiteral("Отмена"),
                                   QStringLiteral("Применить")};
        for (int i = 0; i < names.size(); ++i) {
            const auto* button = dialog.findChild<QPushButton*>(names[i]);
            QVERIFY(button);
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->isVisible(), names[i] != QStringLiteral("apply") || withApply);
        }
        if (action == QStringLiteral("escape")) {
            QListView* faces = dialog.findChild<QFontDialog*>()->findChild<QListView*>();
            faces->setFocus();
            QTest::keyClick(faces, Qt::Key_Escape);
        } else {
            dialog.findChild<QPushButton*>(action)->click();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
    }
};

ORVENDA_UI_TEST(FontDialogTest, "font_dialog")

} // namespace orvenda

#include "font_dialog_test.moc"
