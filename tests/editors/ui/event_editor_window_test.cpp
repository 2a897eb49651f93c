#include "editor_ui_test_support.h"

#include "editors/event_commands.h"
#include "editors/ui/event_editor_window.h"
#include "editors/ui/new_file_dialog.h"
#include "engine/scripted_questions.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTableView>

#include <functional>

namespace orvenda {

namespace {

using test::FormField;

// The scripted questions, with what the window tests read in Qt's terms:
// the texts asked and the filters the file dialogs get ("filter|selected").
struct RecordingPrompt {
    ScriptedQuestions script;

    QStringList asked() const
    {
        QStringList texts;
        for (const std::string& text : script.asked)
            texts << QString::fromStdString(text);
        return texts;
    }
    QStringList filters() const
    {
        QStringList texts;
        for (const auto* choices : {&script.openChoices, &script.saveChoices})
            for (const Questions::FileChoice& choice : *choices) {
                const ToolkitFilter filter = ToToolkitFilter(choice.filter);
                texts << QString::fromStdString(filter.filter + "|" + filter.selected);
            }
        return texts;
    }
    void SetFileNames(const QStringList& names)
    {
        script.fileNames.clear();
        for (const QString& name : names)
            script.fileNames.push_back(name.toStdString());
    }
};

const QString SupportedFilter = QStringLiteral(
    "Поддерживаемые файлы (*.evt *.wis);;Cобытия (*.evt);;Высказываний (*.wis);;Все файлы (*)");

struct RoundTrip {
    const char* name;
    std::string input;
    std::function<void(TFormEvtEdit&)> edit;
    std::string expected;
};

template <typename T> T* field(TFormEvtEdit& window, const char* form, const char* name)
{
    T* widget = FormField<T>(window, form, name);
    if (!widget)
        qWarning("no field %s in %s", name, form);
    return widget;
}

// Picks the entry of a lookup drop-down with the given key.
void chooseKey(QComboBox* box, int key)
{
    box->setCurrentIndex(box->findData(key));
}

const std::vector<RoundTrip>& roundTrips()
{
    static const std::vector<RoundTrip> cases{
        {"fixed", "[fixed events]\n25 12 0 3 1 1 Christmas\n1 1 2000 3 1 1 Новый год\n",
         [](TFormEvtEdit& w) {
             field<QLineEdit>(w, "FormFixed", "EEvent")->setText(QStringLiteral("Рождество"));
             field<QSpinBox>(w, "FormFixed", "EDay")->setValue(7);
             field<QSpinBox>(w, "FormFixed", "EMonth")->setValue(1);
             field<QSpinBox>(w, "FormFixed", "EDBefore")->setValue(5);
             field<QCheckBox>(w, "FormFixed", "CBActive")->setChecked(false);
         },
         // day 2, month 3, year 5, dbefore 4, dafter 4 characters, active, text
         "[fixed events]\r\n 7  1    0   5   1 0 Рождество\r\n 1  1 2000   3   1 1 Новый год\r\n"},
        {"full date",
         "[fixed events with full date]\n2000.01.01_10:30 3 1 1 Встреча\n2010.05.09 7 0 1 Парад\n",
         [](TFormEvtEdit& w) {
             // The time is dropped from the first record and given to the second.
             field<QLineEdit>(w, "FormFixed", "EHour")->setText(QString());
             field<QSpinBox>(w, "FormFixed", "EYear")->setValue(2001);
             w.selectRecord(2);
             field<QLineEdit>(w, "FormFixed", "EHour")->setText(QStringLiteral("9"));
             field<QLineEdit>(w, "FormFixed", "EMinute")->setText(QStringLiteral("5"));
             field<QSpinBox>(w, "FormFixed", "EDAfter")->setValue(12);
         },
         "[fixed events with full date]\r\n2001.01.01         3   1 1 Встреча\r\n"
         "2010.05.09_9:05   7  12 1 Парад\r\n"},
        {"float", "[float events]\n0 7 5 3 2007 7 1 1 Пасха\n",
         [](TFormEvtEdit& w) {
             chooseKey(field<QComboBox>(w, "FormFloat", "CBAstro"), 2);
             chooseKey(field<QComboBox>(w, "FormFloat", "CBWeekday"), 1);
             chooseKey(field<QComboBox>(w, "FormFloat", "CBWeek"), 2);
             chooseKey(field<QComboBox>(w, "FormFloat", "CBMonth"), 4);
             field<QSpinBox>(w, "FormFloat", "EYear")->setValue(0);
             field<QSpinBox>(w, "FormFloat", "EDAfter")->setValue(2);
         },
         // astro, weekday, week, month 3 characters each, year 5, dbefore 4, dafter 4
         "[float events]\r\n  2  1  2  4    0   7   2 1 Пасха\r\n"},
        {"wisdom", "[wisdom]\nSaying one\nAuthor one\nSaying two\nAuthor two\n",
         [](TFormEvtEdit& w) {
             w.findChild<QAction*>(QStringLiteral("NavNext"))->trigger();
             field<QPlainTextEdit>(w, "FormSaying", "MWisdom")->setPlainText(QStringLiteral("Новое"));
             field<QLineEdit>(w, "FormSaying", "EAuthor")->setText(QStringLiteral("Кто-то"));
         },
         "[wisdom]\r\nSaying one\r\nAuthor one\r\nНовое\r\nКто-то\r\n"},
        {"wisdom by", "[wisdom by]\nАвтор\nПервое\nВторое\n",
         [](TFormEvtEdit& w) {
             // Only the first record's author is written.
             w.findChild<QAction*>(QStringLiteral("NavLast"))->trigger();
             field<QPlainTextEdit>(w, "FormSaying", "MWisdom")->setPlainText(QStringLiteral("Третье"));
             field<QLineEdit>(w, "FormSaying", "EAuthor")->setText(QStringLiteral("Другой"));
             w.findChild<QAction*>(QStringLiteral("NavFirst"))->trigger();
             field<QLineEdit>(w, "FormSaying", "EAuthor")->setText(QStringLiteral("Новый автор"));
         },
         "[wisdom by]\r\nНовый автор\r\nПервое\r\nТретье\r\n"},
    };
    return cases;
}

} // namespace

class EventEditorWindowTest : public QObject {
    Q_OBJECT

private:
    RecordingPrompt prompt;
    Journal journal;
    test::Cp1251Folder folder;
    std::unique_ptr<TFormEvtEdit> window;

    QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
    QTabWidget* tabs() { return window->findChild<QTabWidget*>(QStringLiteral("Tabs")); }
    QString panelText(int n)
    {
        const auto panels = window->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        return n < panels.size() ? panels[n]->text() : QStringLiteral("<none>");
    }
    QString visibleTabs()
    {
        QStringList shown;
        for (int i = 0; i < tabs()->count(); ++i) {
            if (tabs()->isTabVisible(i))
                shown << tabs()->widget(i)->objectName();
        }
        return shown.join(QLatin1Char(' '));
    }

private slots:
    void init()
    {
        prompt = RecordingPrompt();
        journal = Journal();
        window = std::make_unique<TFormEvtEdit>(QStringLiteral(ORVENDA_PROGRAM_DIR), journal, prompt.script);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsWithoutAFile()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор"));
        QVERIFY(!tabs()->isVisible());
        QVERIFY(!action("NSave")->isEnabled());
        QVERIFY(!action("NClose")->isEnabled());
        QVERIFY(action("TBSave")->isEnabled());
        QVERIFY(!action("NavInsert")->isEnabled());
        QCOMPARE(action("NClose")->statusTip(), QStringLiteral("Зактыть файл"));
        QCOMPARE(action("NSaveAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+S")));
        QCOMPARE(action("NClose")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F4")));
    }

    void modifiedMarkAndTheCloseQuestion()
    {
        const QString path = folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 Новый год\n");
        QVERIFY(window->openFile(path));
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - a.evt"));
        QCOMPARE(visibleTabs(), QStringLiteral("FormFixed GridRecords MSource"));
        QCOMPARE(tabs()->currentWidget()->objectName(), QStringLiteral("FormFixed"));
        QCOMPARE(panelText(0), QString());
        QCOMPARE(panelText(1), QStringLiteral("1/1"));
        QCOMPARE(panelText(2), path);

        field<QLineEdit>(*window, "FormFixed", "EEvent")->setText(QStringLiteral("Год"));
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QCOMPARE(window->findChild<QTableView*>(QStringLiteral("GridRecords"))->model()->index(0, 8).data(),
                 QVariant(QStringLiteral("Год")));

        prompt.script.answers = {Questions::Answer::Cancel};
        action("NClose")->trigger();
        QCOMPARE(prompt.asked(),
                 QStringList{QStringLiteral("Орвенда|Текущий файл не был сохранён! Сохранить?")});
        QCOMPARE(prompt.script.buttons, std::vector<Questions::Buttons>{Questions::Buttons::NoOkCancel});
        QVERIFY(tabs()->isVisible());
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));

        prompt.script.answers = {Questions::Answer::No};
        action("TBClose")->trigger();
        QCOMPARE(prompt.asked().size(), 2);
        QVERIFY(!tabs()->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор"));
        QCOMPARE(panelText(0), QString());
        QCOMPARE(panelText(2), QString());
        QCOMPARE(folder.Read("a.evt"), std::string("[fixed events]\r\n1 1 2000 3 1 1 Новый год\r\n"));
    }

    // A hint (hovering a tool button or the calendar) shows beside the
    // panels, which stay.
    void hintsLeaveThePanelsShown()
    {
        const QString path = folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 Новый год\n");
        QVERIFY(window->openFile(path));
        field<QLineEdit>(*window, "FormFixed", "EEvent")->setText(QStringLiteral("Год"));
        QStatusTipEvent hint(QStringLiteral("Сохранить файл"));
        QCoreApplication::sendEvent(window.get(), &hint);
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Сохранить файл"));
        const auto panels = window->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(panels.size(), 3);
        for (const QLabel* panel : panels)
            QVERIFY2(panel->isVisible(), qPrintable(panel->text()));
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QCOMPARE(panelText(2), path);
    }

    void okInTheCloseQuestionSavesFirst()
    {
        QVERIFY(window->openFile(folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 x\n")));
        field<QSpinBox>(*window, "FormFixed", "EDay")->setValue(2);
        QSignalSpy saved(window.get(), &TFormEvtEdit::fileSaved);
        prompt.script.answers = {Questions::Answer::Ok};
        QVERIFY(window->closeFile());
        QCOMPARE(folder.Read("a.evt"), std::string("[fixed events]\r\n 2  1 2000   3   1 1 x\r\n"));
        QCOMPARE(saved.count(), 1);
    }

    void openDoesNothingWhileModified()
    {
        QVERIFY(window->openFile(folder.Write("a.evt", "[wisdom]\nS\nA\n")));
        field<QLineEdit>(*window, "FormSaying", "EAuthor")->setText(QStringLiteral("B"));
        prompt.SetFileNames({folder.Write("b.evt", "[wisdom]\nT\nC\n")});
        action("TBOpen")->trigger();
        action("NOpen")->trigger();
        QCOMPARE(prompt.script.fileNames.size(), std::size_t(1));
        QVERIFY(prompt.asked().isEmpty());
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - a.evt"));

        // Unmodified, the open dialog offers the supported files first.
        prompt.script.answers = {Questions::Answer::No};
        QVERIFY(window->closeFile());
        action("NOpen")->trigger();
        QCOMPARE(prompt.filters(),
                 QStringList{SupportedFilter + QStringLiteral("|Поддерживаемые файлы (*.evt *.wis)")});
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - b.evt"));
    }

    void insertPresetsOfEachLayout_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("form");
        QTest::newRow("fixed") << QStringLiteral("[fixed events]\n") << QStringLiteral("FormFixed");
        QTest::newRow("full date") << QStringLiteral("[fixed events with full date]\n2000.01.01 5 5 0 x\n")
                                   << QStringLiteral("FormFixed");
        QTest::newRow("float") << QStringLiteral("[float events]\n0 7 5 3 2007 7 1 0 x\n")
                               << QStringLiteral("FormFloat");
    }
    void insertPresetsOfEachLayout()
    {
        QFETCH(QString, input);
        QFETCH(QString, form);
        QVERIFY(window->openFile(folder.Write("a.evt", input.toStdString())));
        const int before = window->controller().Model().Count();
        const QByteArray name = form.toLatin1();
        action("NavInsert")->trigger();
        QCOMPARE(window->controller().Model().Count(), before + 1);
        QCOMPARE(field<QSpinBox>(*window, name.constData(), "EDBefore")->value(), 1);
        QCOMPARE(field<QSpinBox>(*window, name.constData(), "EDAfter")->value(), 0);
        QVERIFY(field<QCheckBox>(*window, name.constData(), "CBActive")->isChecked());
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QCOMPARE(panelText(1), QStringLiteral("1/%1").arg(before + 1));
    }

    void roundTripThroughTheForms_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(roundTrips().size()); ++i)
            QTest::newRow(roundTrips()[static_cast<std::size_t>(i)].name) << i;
    }
    void roundTripThroughTheForms()
    {
        QFETCH(int, index);
        const RoundTrip& c = roundTrips()[static_cast<std::size_t>(index)];
        QVERIFY(window->openFile(folder.Write("file", c.input)));
        c.edit(*window);
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QSignalSpy saved(window.get(), &TFormEvtEdit::fileSaved);
        action("NSave")->trigger();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.at(0).at(0).toString(), folder.path(QStringLiteral("file")));
        QCOMPARE(folder.Read("file"), c.expected);
        QCOMPARE(panelText(0), QString());
        // The source tab shows the file as saved.
        std::string shown = c.expected;
        for (std::size_t at; (at = shown.find('\r')) != std::string::npos;)
            shown.erase(at, 1);
        QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("MSource"))->toPlainText().toStdString(),
                 shown);
        QVERIFY(prompt.asked().isEmpty());
    }

    void unknownFormatIsRefused()
    {
        QVERIFY(window->openFile(folder.Write("a.evt", "[fixed events]\n")));
        const QString list = folder.Write("list.evl", "[fixed events list]\n2000.01.01 x\n");
        QVERIFY(!window->openFile(list));
        QCOMPARE(prompt.asked(), QStringList{QStringLiteral("Ошибка!|Неизвестный формат файла.\n Файл = ") +
                                             list + QStringLiteral("\n Формат = [fixed events list]")});
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор"));
        QVERIFY(!tabs()->isVisible());
    }

    void missingFileGoesToTheJournal()
    {
        const QString missing = folder.path(QStringLiteral("none.evt"));
        QVERIFY(!window->openFile(missing));
        QCOMPARE(journal.Lines(), std::vector<std::string>{"В редакторе событий невозможно открыть файл: " +
                                                           missing.toStdString()});
        QVERIFY(!tabs()->isVisible());
        QVERIFY(action("NClose")->isEnabled());
    }

    void newThroughTheDialog()
    {
        action("NNew")->trigger();
        TFormNewEvtFile& dialog = window->newFileDialog();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Создание файла"));
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("RBKind1"))->isChecked());
        window->enableFileCommands(false);
        dialog.findChild<QPushButton*>(QStringLiteral("BOk"))->click();

        QVERIFY(!dialog.isVisible());
        QVERIFY(window->isVisible());
        QCOMPARE(window->controller().Model().Format(), EventFileFormat::FullDateEvents);
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор событий"));
        QCOMPARE(panelText(2), QString());
        QVERIFY(action("NSave")->isEnabled());
        QVERIFY(action("NSaveAs")->isEnabled());
        QVERIFY(action("NClose")->isEnabled());
        QCOMPARE(visibleTabs(), QStringLiteral("FormFixed GridRecords MSource"));
        QCOMPARE(tabs()->currentWidget()->objectName(), QStringLiteral("FormFixed"));
        QVERIFY(!field<QLineEdit>(*window, "FormFixed", "EEvent")->isEnabled());
    }

    void newDialogRemembersTheChoiceAndCancelLeavesNoFile()
    {
        QVERIFY(window->openFile(folder.Write("a.wis", "[wisdom]\nS\nA\n")));
        action("TBNew")->trigger();
        TFormNewEvtFile& dialog = window->newFileDialog();
        QVERIFY(!tabs()->isVisible());
        dialog.findChild<QRadioButton*>(QStringLiteral("RBKind4"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("BOk"))->click();
        QCOMPARE(window->controller().Model().Format(), EventFileFormat::WisdomBy);
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор высказываний"));
        QCOMPARE(visibleTabs(), QStringLiteral("FormSaying GridRecords MSource"));

        action("NNew")->trigger();
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("RBKind4"))->isChecked());
        dialog.findChild<QPushButton*>(QStringLiteral("BCancel"))->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!window->controller().Model().IsLoaded());
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор"));
    }

    void saveOfAnUnnamedFileAsksForAName()
    {
        QVERIFY(window->newFile(EventFileFormat::FloatEvents));
        action("NavInsert")->trigger();
        field<QLineEdit>(*window, "FormFloat", "EEvent")->setText(QStringLiteral("Пасха"));
        chooseKey(field<QComboBox>(*window, "FormFloat", "CBWeekday"), 7);
        chooseKey(field<QComboBox>(*window, "FormFloat", "CBWeek"), 5);
        chooseKey(field<QComboBox>(*window, "FormFloat", "CBMonth"), 3);

        const QString target = folder.path(QStringLiteral("new.evt"));
        prompt.SetFileNames({target});
        action("TBSave")->trigger();
        QCOMPARE(prompt.filters(), QStringList{SupportedFilter + QStringLiteral("|Cобытия (*.evt)")});
        QCOMPARE(folder.Read("new.evt"),
                 std::string("[float events]\r\n  0  7  5  3    0   1   0 1 Пасха\r\n"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор событий"));
        QCOMPARE(panelText(2), target);
        QCOMPARE(panelText(0), QString());
    }

    void saveAsRenamesTheFile()
    {
        QVERIFY(window->openFile(folder.Write("a.wis", "[wisdom by]\nАвтор\nСлово\n")));
        action("NSaveAs")->trigger(); // cancelled: nothing changes
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - a.wis"));
        prompt.script.openChoices.clear();
        prompt.script.saveChoices.clear();
        const QString target = folder.path(QStringLiteral("copy.evt"));
        prompt.SetFileNames({target});
        action("NSaveAs")->trigger();
        QCOMPARE(prompt.filters(),
                 QStringList{QStringLiteral("Файлы событий (*.evt);;Все файлы (*)|Файлы событий (*.evt)")});
        QCOMPARE(folder.Read("copy.evt"), std::string("[wisdom by]\r\nАвтор\r\nСлово\r\n"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - copy.evt"));
        QCOMPARE(panelText(2), target);
    }

    void exitHidesAndDisablesTheFileCommands()
    {
        QVERIFY(window->openFile(folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 x\n")));
        field<QSpinBox>(*window, "FormFixed", "EDay")->setValue(3);
        action("NExit")->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!action("NSave")->isEnabled());
        QVERIFY(!action("NClose")->isEnabled());
        QVERIFY(action("TBSave")->isEnabled());
        QVERIFY(window->controller().Model().IsModified());

        window->showWithoutFileCommands();
        QVERIFY(window->isVisible());
        QVERIFY(!action("NSave")->isEnabled());
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Редактор - a.evt"));
    }

    void calendarDoubleClickTakesTheDate()
    {
        QVERIFY(window->openFile(
            folder.Write("a.evt", "[fixed events with full date]\n2000.01.01_10:30 3 1 1 x\n")));
        auto* calendar = field<QCalendarWidget>(*window, "FormFixed", "Calendar");
        QCOMPARE(calendar->selectedDate(), QDate(2000, 1, 1));
        QCOMPARE(calendar->toolTip(), QStringLiteral("Для выбора даты дважды щёлкните мышью"));
        emit calendar->activated(QDate(1961, 4, 12));
        QCOMPARE(field<QSpinBox>(*window, "FormFixed", "EDay")->value(), 12);
        QCOMPARE(field<QSpinBox>(*window, "FormFixed", "EMonth")->value(), 4);
        QCOMPARE(field<QSpinBox>(*window, "FormFixed", "EYear")->value(), 1961);
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QVERIFY(window->saveFile());
        QCOMPARE(folder.Read("a.evt"),
                 std::string("[fixed events with full date]\r\n1961.04.12_10:30   3   1 1 x\r\n"));
    }

    void serviceOfTheMainWindow()
    {
        const QString path =
            folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 a\n2 2 2000 3 1 1 b\n3 3 2000 3 1 1 c\n");
        window->hide();
        QVERIFY(window->showRecord(path, 3));
        QVERIFY(window->isVisible());
        QCOMPARE(panelText(1), QStringLiteral("3/3"));
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("c"));
        QVERIFY(!action("NavNext")->isEnabled());
        QVERIFY(action("NavPrior")->isEnabled());
        window->selectRecord(2);
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("b"));
        QCOMPARE(window->findChild<QTableView*>(QStringLiteral("GridRecords"))->currentIndex().row(), 1);
        action("NavDelete")->trigger();
        QCOMPARE(panelText(1), QStringLiteral("2/2"));
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("c"));
    }

    // Another program's saves reach an editor that holds no change of its
    // own, each time: the watch survives the file being replaced.
    void fileChangedOnDiskIsReadAgain()
    {
        const QString path = folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 a\n2 2 2000 3 1 1 b\n");
        QVERIFY(window->openFile(path));
        window->selectRecord(2);
        QVERIFY(SwitchOffEvent(path.toStdString(), 1, journal).ok);
        QTRY_VERIFY(!window->controller().Model().Records()[0].active);
        QCOMPARE(panelText(1), QStringLiteral("2/2"));
        QVERIFY(DeleteEvent(path.toStdString(), 1, journal).ok);
        QTRY_COMPARE(window->controller().Model().Count(), 1);
        QCOMPARE(panelText(1), QStringLiteral("1/1"));
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("b"));
    }

    void tableEditsTheRecord()
    {
        QVERIFY(
            window->openFile(folder.Write("a.evt", "[fixed events]\n1 1 2000 3 1 1 a\n2 2 2000 3 1 1 b\n")));
        auto* grid = window->findChild<QTableView*>(QStringLiteral("GridRecords"));
        tabs()->setCurrentWidget(grid);
        QAbstractItemModel* model = grid->model();
        QVERIFY(model->setData(model->index(1, 8), QStringLiteral("bb")));
        QCOMPARE(panelText(1), QStringLiteral("2/2"));
        QCOMPARE(panelText(0), QStringLiteral("Изменён"));
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("bb"));
        grid->setCurrentIndex(model->index(0, 0));
        QCOMPARE(panelText(1), QStringLiteral("1/2"));
        QCOMPARE(field<QLineEdit>(*window, "FormFixed", "EEvent")->text(), QStringLiteral("a"));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("fixed") << QStringLiteral(
            "[fixed events]\n 7  1    0   5   1 1 Рождество Христово\n 1  1 2000   3   1 1 Новый год\n"
            " 9  5 1945   7   0 1 День Победы\n");
        QTest::newRow("fulldate") << QStringLiteral("[fixed events with full date]\n"
                                                    "1961.04.12_9:07   3   1 1 Полёт Гагарина\n"
                                                    "2007.01.07         1   0 0 Встреча друзей\n");
        QTest::newRow("float") << QStringLiteral("[float events]\n  0  7  5  3 2007   7   1 1 Пасха\n"
                                                 "  0  1  1  9    0   3   0 1 Начало занятий\n");
        QTest::newRow("wisdom") << QStringLiteral(
            "[wisdom]\nТерпение и труд всё перетрут.\nНародная мудрость\n"
            "Знание — сила.\nФрэнсис Бэкон\n");
        QTest::newRow("wisdomby") << QStringLiteral(
            "[wisdom by]\nКонфуций\nУчиться и, когда придёт время, "
            "прикладывать усвоенное к делу — разве это не прекрасно!\n"
            "Благородный муж знает только долг.\n");
    }
    void screenshots()
    {
        QFETCH(QString, input);
        QVERIFY(window->openFile(folder.Write("file", input.toStdString())));
        window->setCalendarDate(QDate(2026, 5, 1));
        window->selectRecord(1);
        test::SaveScreenshot(*window,
                             QStringLiteral("editor_") + QString::fromLatin1(QTest::currentDataTag()));
        tabs()->setCurrentIndex(tabs()->indexOf(window->findChild<QWidget*>(QStringLiteral("GridRecords"))));
        test::SaveScreenshot(*window,
                             QStringLiteral("editor_table_") + QString::fromLatin1(QTest::currentDataTag()));
        tabs()->setCurrentIndex(tabs()->indexOf(window->findChild<QWidget*>(QStringLiteral("MSource"))));
        test::SaveScreenshot(*window,
                             QStringLiteral("editor_source_") + QString::fromLatin1(QTest::currentDataTag()));
    }

    void screenshotOfTheNewFileDialog()
    {
        action("NNew")->trigger();
        TFormNewEvtFile& dialog = window->newFileDialog();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        test::SaveScreenshot(dialog, QStringLiteral("new_file_dialog"));
        dialog.reject();
    }
};

ORVENDA_UI_TEST(EventEditorWindowTest, "event_editor_window")

} // namespace orvenda

#include "event_editor_window_test.moc"
