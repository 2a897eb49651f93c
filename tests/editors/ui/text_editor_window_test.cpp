// The text editor window: its modes, the tools' output, its files, fonts
// and printing.

#include "editor_ui_test_support.h"

#include "editors/ui/text_editor_window.h"
#include "engine/scripted_questions.h"

#include <QAction>
#include <QFontMetrics>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace orvenda {

namespace {

// What a file dialog was started with: "folder|filter pairs|selected pair".
QString Dialog(const Questions::FileChoice& choice)
{
    return QString::fromStdString(choice.folder + "|" + choice.filter.pairs + "|" +
                                  std::to_string(choice.filter.index));
}

} // namespace

class TextEditorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Cp1251Folder> folder;
    std::unique_ptr<ScriptedQuestions> prompt;
    std::unique_ptr<TFormTextEditor> window;

    QTextEdit* edit() { return window->TextEdit(); }
    QString text() { return edit()->toPlainText(); }
    void save(const QString& name)
    {
        prompt->fileNames.push_back(folder->path(name).toStdString());
        window->SaveClick();
    }
    void load(const QString& name)
    {
        prompt->fileNames.push_back(folder->path(name).toStdString());
        window->LoadClick();
    }
    QString bytes(const QString& name)
    {
        QFile file(folder->path(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll())
                                              : QStringLiteral("<missing>");
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::Cp1251Folder>();
        prompt = std::make_unique<ScriptedQuestions>();
        window = std::make_unique<TFormTextEditor>(folder->path(QStringLiteral("program/")), *prompt);
    }
    void cleanup()
    {
        window.reset();
        prompt.reset();
        folder.reset();
    }

    void toolBarHasItsButtonsInOrder()
    {
        auto* bar = window->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QVERIFY(bar);
        QStringList shown;
        for (QAction* action : bar->actions()) {
            shown << (action->isSeparator() ? QStringLiteral("|") : action->text() + "/" + action->toolTip());
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                button && !action->isSeparator()) {
                QCOMPARE(button->height(), 52);
                QVERIFY(button->width() >= 60);
                QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(action->text()));
                QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            }
        }
        QCOMPARE(shown,
                 (QStringList{"Очистить/Очисить окно вывода", "|", "Загрузить/Загрузить из файла",
                              "Сохранить/Сохранить в файл", "|", "Шрифт/Изменить шрифт выделенного текста",
                              "|", "Печать/Отправить на печать"}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Текстовый редактор"));
        QCOMPARE(edit()->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(edit()->palette().color(QPalette::Base), edit()->palette().color(QPalette::ToolTipBase));
        QCOMPARE(window->Mode(), TextMode::Plain);
    }

    void toolsOutputLinesAndBlocks()
    {
        TextOutput& output = *window;
        output.StartOutputBlock();
        QCOMPARE(text(), QString());
        output.AppendLine("12.05.2007 + ");
        output.StartOutputBlock();
        QCOMPARE(text(), QStringLiteral("12.05.2007 + \n"));
        output.AppendLine("10 =\r\n22.05.2007");
        output.StartOutputBlock();
        output.AppendLine("дальше");
        QCOMPARE(text(), QStringLiteral("12.05.2007 + \n10 =\n22.05.2007\n\n\nдальше\n"));
        // The tables pad their columns with blanks: every character, a blank
        // included, must take the same width for the columns to line up.
        const QFontMetrics metrics(edit()->document()->defaultFont());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("Январь  ")),
                 metrics.horizontalAdvance(QStringLiteral(" 1  8 15")));

        // The user's unfinished line is finished before the output.
        edit()->setPlainText(QStringLiteral("своя строка"));
        output.AppendLine("вывод");
        QCOMPARE(text(), QStringLiteral("своя строка\nвывод\n"));
    }

    void savingSwitchesTheModeByTheExactExtension()
    {
        edit()->setPlainText(QStringLiteral("Привет"));
        save(QStringLiteral("a.TXT"));
        QCOMPARE(window->Mode(), TextMode::Plain);
        QCOMPARE(bytes(QStringLiteral("a.TXT")), QStringLiteral("\xcf\xf0\xe8\xe2\xe5\xf2\r\n"));

        save(QStringLiteral("b.rtf"));
        QCOMPARE(window->Mode(), TextMode::Rich);
        QVERIFY(bytes(QStringLiteral("b.rtf")).startsWith(QStringLiteral("{\\rtf1")));
        save(QStringLiteral("c.TXT"));
        QCOMPARE(window->Mode(), TextMode::Rich);
        QVERIFY(bytes(QStringLiteral("c.TXT")).startsWith(QStringLiteral("{\\rtf1")));
        // Without an extension the default one is added.
        save(QStringLiteral("d"));
        QVERIFY(bytes(QStringLiteral("d.rtf")).startsWith(QStringLiteral("{\\rtf1")));
        save(QStringLiteral("e.txt"));
        QCOMPARE(window->Mode(), TextMode::Plain);
        QCOMPARE(window->FileName(), QString());
        QVERIFY(prompt->asked.empty());
    }

    void loadingReadsInTheCurrentMode()
    {
        edit()->setPlainText(QStringLiteral("x"));
        save(QStringLiteral("doc.rtf"));
        window->ClearClick();
        QCOMPARE(text(), QString());

        // In rich mode an RTF file shows its text, a plain file as it is.
        load(QStringLiteral("doc.rtf"));
        QCOMPARE(text(), QStringLiteral("x"));
        QCOMPARE(window->FileName(), folder->path(QStringLiteral("doc.rtf")));
        folder->Write(QStringLiteral("plain.txt"), "строка 1\nстрока 2\n");
        load(QStringLiteral("plain.txt"));
        QCOMPARE(text(), QStringLiteral("строка 1\nстрока 2\n"));

        // In plain mode the same RTF file shows its markup.
        save(QStringLiteral("back.txt"));
        load(QStringLiteral("doc.rtf"));
        QVERIFY(text().startsWith(QStringLiteral("{\\rtf1")));

        // The dialogs start in Report beside the program, with the load and save filters.
        const QString report = folder->path(QStringLiteral("program/Report"));
        QVERIFY(QFileInfo(report).isDir());
        QCOMPARE(Dialog(prompt->saveChoices.front()),
                 report + "|Обычный текст|*.txt|RTF файлы|*.rtf|Показать всё|*.*|1");
        QCOMPARE(Dialog(prompt->openChoices.back()),
                 report + "|RTF файлы|*.rtf|EVT события|*.evt|WIS высказывания|*.wis|CFG конфигурация|*.cfg|"
                          "Все файлы|*.*|1");
        // Once a file was loaded, saving offers its name.
        save(QStringLiteral("again.txt"));
        QCOMPARE(QString::fromStdString(prompt->saveChoices.back().folder),
                 folder->path(QStringLiteral("doc.rtf")));
    }

    void fontGoesToTheSelectionAndRichTextKeepsIt()
    {
        edit()->setPlainText(QStringLiteral("обычный жирный"));
        QTextCursor cursor(edit()->document());
        cursor.setPosition(8);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
        const Questions::Rgb red{0xC0, 0x10, 0x20};
        prompt->fonts.push_back(Questions::Font{"DejaVu Serif", 15, true, true, false, false, red});
        window->FontClick();
        // Cancelling the dialog keeps only what its "Применить" gave.
        prompt->fontApplies.push_back({Questions::Font{"DejaVu Serif", 15, true, true, true, false, red}});
        window->FontClick();
        QCOMPARE(prompt->fontStarts.back().colour, std::optional(red));
        window->FontClick();

        save(QStringLiteral("fonts.rtf"));
        window->ClearClick();
        load(QStringLiteral("fonts.rtf"));
        QCOMPARE(text(), QStringLiteral("обычный жирный"));
        const QTextBlock block = edit()->document()->firstBlock();
        QTextBlock::iterator it = block.begin();
        QCOMPARE(it.fragment().text(), QStringLiteral("обычный "));
        QVERIFY(!it.fragment().charFormat().font().bold());
        ++it;
        QCOMPARE(it.fragment().text(), QStringLiteral("жирный"));
        const QFont loaded = it.fragment().charFormat().font();
        QVERIFY(loaded.bold() && loaded.italic() && loaded.underline());
        QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(0xC0, 0x10, 0x20));
        QCOMPARE(loaded.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(loaded.pointSizeF(), 15.0);
    }

    void failedSavesSayWhyAndKeepTheText()
    {
        edit()->setPlainText(QStringLiteral("текст 中"));
        save(QStringLiteral("plain.txt"));
        QCOMPARE(prompt->asked.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->asked.back()).contains(QStringLiteral("Windows-1251: 中")));
        QCOMPARE(bytes(QStringLiteral("plain.txt")), QStringLiteral("<missing>"));

        save(QStringLiteral("no/such/folder/file.rtf"));
        QCOMPARE(prompt->asked.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(prompt->asked.back()).contains(QStringLiteral("не сохранён: ")));
        QCOMPARE(text(), QStringLiteral("текст 中"));

        load(QStringLiteral("missing.rtf"));
        QCOMPARE(prompt->asked.size(), std::size_t(3));
        QCOMPARE(text(), QStringLiteral("текст 中"));
    }

    void printsOneJobNamedOrvenda()
    {
        edit()->setPlainText(QStringLiteral("Печать"));
        const QString pdf = folder->path(QStringLiteral("out.pdf"));
        QString jobName;
        window->SetPrintDialog([&](QPrinter& printer, QWidget*) {
            jobName = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        window->PrintClick();
        QCOMPARE(jobName, QStringLiteral("Орвенда"));
        QVERIFY(bytes(QStringLiteral("out.pdf")).startsWith(QStringLiteral("%PDF")));

        QFile::remove(pdf);
        window->SetPrintDialog([&](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(pdf);
            return false;
        });
        window->PrintClick();
        QVERIFY(!QFile::exists(pdf));
    }

    void showsBelowAWindowOnlyWhenHidden()
    {
        window->ShowBelow(QRect(100, 50, 300, 200));
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(100, 250));
        window->move(10, 10);
        window->ShowBelow(QRect(100, 50, 300, 200));
        QCOMPARE(window->pos(), QPoint(10, 10));
    }

    void screenshot()
    {
        TextOutput& output = *window;
        output.AppendLine("12.05.2007 + \n10 =\n22.05.2007");
        output.StartOutputBlock();
        output.AppendLine("Принцип дня: Белая Лошадь, декада 12, энергия 3");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        test::SaveScreenshot(*window, QStringLiteral("text_editor"));
    }
};

ORVENDA_UI_TEST(TextEditorWindowTest, "text_editor_window")

} // namespace orvenda

#include "text_editor_window_test.moc"
