// The options window on the offscreen platform: closing with and without
// saving, the changed mark, the file lists, the schemes, "Применить", the
// autostart switch, and a screenshot of each tab.

#include "config/autostart.h"
#include "config/colour_text.h"
#include "config/config_file.h"
#include "config/schemes.h"
#include "config/settings_text.h"
#include "config/ui/form_options.h"
#include "config/ui/qt_looks.h"
#include "engine/scripted_questions.h"
#include "tests/support/ui_test_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace orvenda {

class FormOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void okWithoutChangesClosesWithoutAsking();
    void okAfterAChangeAsksToRemember_data();
    void okAfterAChangeAsksToRemember();
    void cancelKeepsChangesWithoutWriting();
    void colourAloneDoesNotMarkAChange();
    void sameFileTwiceGivesOneRow();
    void removingTheLastRowShowsTheNoneRow();
    void rowsOpenInTheEditor();
    void sampleClickChoosesItsObject();
    void styleButtonsShowExactStyles();
    void fontDialogSetsTheLookAndMarksAChange();
    void schemeSavedAndChosenAgain();
    void deliveredSchemesReadCleanly();
    void deletingASchemeAsksFirst();
    void applyHandsTheLooksToTheMainWindow();
    void autostartWritesTheEntryAtOnce();
    void logControlsFollowTheSwitches();
    void readingTheConfigurationFillsTheWindow();
    void tabsShowEverythingUncut();
    void looksBecomeQtColoursAndFonts();

private:
    template <class T> T* child(const char* name)
    {
        T* found = m_form->findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no control named %s", name);
        }
        return found;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    // Types as a user would, also letters that QTest::keyClicks cannot send.
    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
    }
    QString makeFile(const QString& relative);
    std::string folder() const { return m_dir->path().toStdString() + "/"; }
    TConfigRec reread();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TConfigRec> m_config;
    std::unique_ptr<Journal> m_journal;
    std::unique_ptr<ScriptedQuestions> m_prompt;
    // What was asked, as "caption|text".
    QStringList asked() const
    {
        QStringList texts;
        for (const std::string& text : m_prompt->asked)
            texts << QString::fromStdString(text);
        return texts;
    }
    std::unique_ptr<TFormOptions> m_form;
};

void FormOptionsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_config = std::make_unique<TConfigRec>();
    m_journal = std::make_unique<Journal>();
    m_prompt = std::make_unique<ScriptedQuestions>();
    m_form = std::make_unique<TFormOptions>(*m_config, QString::fromStdString(folder()),
                                            m_dir->filePath(QStringLiteral("autostart")),
                                            QStringLiteral("/opt/orvenda/orvenda"), *m_journal, *m_prompt);
}

void FormOptionsTest::cleanup()
{
    m_form.reset();
    m_dir.reset();
}

QString FormOptionsTest::makeFile(const QString& relative)
{
    const QString path = m_dir->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    return path;
}

TConfigRec FormOptionsTest::reread()
{
    TConfigRec read;
    Journal ignored;
    if (!LoadConfig(read, ConfigEnvironment{folder(), "", "", "", ""}, ignored, nullptr).found)
        QTest::qFail("the saved configuration could not be read", __FILE__, __LINE__);
    return read;
}

void FormOptionsTest::okWithoutChangesClosesWithoutAsking()
{
    m_form->Show();
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Настройки"));
    QCOMPARE(child<QTabWidget>("tabs")->tabText(child<QTabWidget>("tabs")->currentIndex()),
             QStringLiteral("Файлы"));
    click("ok");
    QVERIFY(!m_form->isVisible());
    QVERIFY(asked().isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("Orvenda.cfg"))));
}

void FormOptionsTest::okAfterAChangeAsksToRemember_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("remembered") << true;
    QTest::newRow("not remembered") << false;
}

void FormOptionsTest::okAfterAChangeAsksToRemember()
{
    QFETCH(bool, confirm);
    m_form->Show();
    m_prompt->fileNames.push_back(makeFile(QStringLiteral("events/birthdays.evt")).toStdString());
    click("eventAdd");
    m_prompt->answers.push_back(confirm ? Questions::Answer::Ok : Questions::Answer::Cancel);
    click("ok");

    QCOMPARE(asked(), QStringList{QStringLiteral("Настройки изменены|Запомнить текущую конфигурацию?")});
    QVERIFY(!m_form->isVisible());
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("Orvenda.cfg"))), confirm);
    if (confirm) {
        const std::vector<TListedFile> expected{{folder() + "events/", "birthdays.evt"}};
        QVERIFY(reread().EventFiles == expected);
    }
    // The next showing starts with a cleared mark.
    m_prompt->asked.clear();
    m_form->Show();
    click("ok");
    QVERIFY(asked().isEmpty());
}

void FormOptionsTest::cancelKeepsChangesWithoutWriting()
{
    m_form->Show();
    m_prompt->fileNames.push_back(makeFile(QStringLiteral("a.evt")).toStdString());
    click("eventAdd");
    child<QCheckBox>("confirmExit")->click();
    click("cancel");

    QVERIFY(!m_form->isVisible());
    QVERIFY(asked().isEmpty());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("Orvenda.cfg"))));
    // In effect while the program runs.
    QCOMPARE(m_config->EventFiles.size(), std::size_t{1});
    QCOMPARE(m_config->EventFiles[0].Name, std::string("a.evt"));
    QVERIFY(m_config->ConfirmExit);
    // The file dialog is titled in Russian, not with Qt's "Open".
    QCOMPARE(m_prompt->openChoices.at(0).caption, std::string("Добавить файл"));
}

void FormOptionsTest::colourAloneDoesNotMarkAChange()
{
    m_form->Show();
    QVERIFY(!child<QPushButton>("applyLooks")->isEnabled());
    m_prompt->colours.push_back(Questions::Rgb{255, 0, 0});
    click("backgroundSwatch");
    QCOMPARE(m_config->Looks[LcToday].Color, TColor{0x0000FF});
    QVERIFY(child<QPushButton>("applyLooks")->isEnabled());
    // The sample shows the new colour at once.
    QCOMPARE(child<QLabel>("sampleLcToday")->palette().color(QPalette::Window), QColor(255, 0, 0));

    m_prompt->colours.push_back(std::nullopt); // the dialog cancelled
    click("fontSwatch");
    QCOMPARE(m_config->Looks[LcToday].FontColor, clWindowText);

    click("ok");
    QVERIFY(asked().isEmpty());
}

void FormOptionsTest::sameFileTwiceGivesOneRow()
{
    m_form->Show();
    const QString path = makeFile(QStringLiteral("a/same.evt"));
    const QString other = makeFile(QStringLiteral("b/same.evt"));
    m_prompt->fileNames = {path.toStdString(), path.toStdString(), other.toStdString()};
    auto* view = child<QTableView>("eventFiles");
    click("eventAdd");
    click("eventAdd");
    QCOMPARE(view->model()->rowCount(), 1);
    // The placeholder row the list started with has been replaced.
    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("same.evt"));
    QCOMPARE(view->model()->index(0, 1).data().toString(), m_dir->filePath(QStringLiteral("a/")));
    click("eventAdd");
    QCOMPARE(view->model()->rowCount(), 2);
    QCOMPARE(view->currentIndex().row(), 1);
    // Columns fit their widest text plus 10 pixels.
    const QFontMetrics metrics(view->font());
    const int widest = std::max(metrics.horizontalAdvance(m_dir->filePath(QStringLiteral("a/"))),
                                metrics.horizontalAdvance(m_dir->filePath(QStringLiteral("b/"))));
    QCOMPARE(view->columnWidth(1), widest + 10);
}

void FormOptionsTest::removingTheLastRowShowsTheNoneRow()
{
    m_config->EventFiles = {{folder(), "a.evt"}, {folder(), "b.evt"}};
    m_form->Show();
    auto* view = child<QTableView>("eventFiles");
    QCOMPARE(view->model()->rowCount(), 2);
    view->selectRow(0);
    click("eventRemove");
    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("b.evt"));
    // The Delete key acts as "-" when released.
    QTest::keyRelease(view, Qt::Key_Delete);
    QCOMPARE(view->model()->rowCount(), 1);
    QCOMPARE(view->model()->index(0, 0).data().toString(), QString());
    QCOMPARE(view->model()->index(0, 1).data().toString(), QStringLiteral("Нет"));

    m_prompt->answers.push_back(Questions::Answer::Ok);
    click("ok");
    QVERIFY(reread().EventFiles == std::vector<TListedFile>{TListedFile{}});
}

void FormOptionsTest::rowsOpenInTheEditor()
{
    m_config->EventFiles = {{"/data/", "a.evt"}, {"/data/", "b.evt"}};
    m_config->WisdomFiles = {{"/data/", "w.wis"}};
    m_form->Show();
    QStringList opened;
    connect(m_form.get(), &TFormOptions::openInEditor, this, [&](const QString& path) { opened << path; });

    auto* events = child<QTableView>("eventFiles");
    events->selectRow(1);
    click("eventOpen");
    auto* sayings = child<QTableView>("wisdomFiles");
    click("wisdomOpen");
    QTest::keyRelease(sayings, Qt::Key_Return);
    const QRect row = events->visualRect(events->model()->index(0, 0));
    QTest::mouseClick(events->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(events->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(opened, (QStringList{QStringLiteral("/data/b.evt"), QStringLiteral("/data/w.wis"),
                                  QStringLiteral("/data/w.wis"), QStringLiteral("/data/a.evt")}));

    // The none row opens nothing.
    click("wisdomClear");
    opened.clear();
    click("wisdomOpen");
    QVERIFY(opened.isEmpty());
}

void FormOptionsTest::sampleClickChoosesItsObject()
{
    m_form->Show();
    auto* objects = child<QComboBox>("objectBox");
    auto* left = child<QToolButton>("alignLeft");
    QCOMPARE(objects->currentText(), QStringLiteral("Надпись -Сегодня-"));

    QTest::mouseClick(child<QLabel>("sampleLcEvt"), Qt::LeftButton);
    QCOMPARE(objects->currentText(), QStringLiteral("Окно событий"));
    QVERIFY(left->isHidden());
    QTest::mouseClick(child<QLabel>("sampleLcWis"), Qt::LeftButton);
    QCOMPARE(objects->currentIndex(), int{LcWis});
    QVERIFY(!left->isHidden());
    QVERIFY(left->isChecked()); // the saying window is left-aligned by default

    objects->setCurrentIndex(LcEvt);
    emit objects->activated(LcEvt);
    QVERIFY(!left->isHidden());
    QVERIFY(left->isChecked());

    // Each showing starts with the today caption.
    m_form->Show();
    QCOMPARE(objects->currentIndex(), int{LcToday});
    QVERIFY(!left->isChecked());
}

void FormOptionsTest::styleButtonsShowExactStyles()
{
    m_config->Looks[LcToday].FontStyle = FontBold | FontUnderline;
    m_form->Show();
    auto* bold = child<QToolButton>("bold");
    auto* italic = child<QToolButton>("italic");
    QVERIFY(!bold->isChecked());
    QVERIFY(!italic->isChecked());
    QVERIFY(italic->font().italic());

    bold->click();
    QCOMPARE(m_config->Looks[LcToday].FontStyle, unsigned{FontBold});
    QVERIFY(bold->isChecked());
    QVERIFY(bold->font().bold());
    italic->click();
    QVERIFY(bold->isChecked() && italic->isChecked());
    QVERIFY(italic->font().bold() && italic->font().italic());
    bold->click();
    QCOMPARE(m_config->Looks[LcToday].FontStyle, unsigned{FontItalic});
    QVERIFY(!bold->font().bold());

    auto* left = child<QToolButton>("alignLeft");
    left->click();
    left->click();
    QCOMPARE(m_config->Looks[LcToday].Alignment, int{AlignCenter});
    QVERIFY(!left->isChecked());
}

void FormOptionsTest::fontDialogSetsTheLookAndMarksAChange()
{
    m_form->Show();
    child<QTabWidget>("tabs")->setCurrentIndex(0);
    QTest::mouseClick(child<QLabel>("sampleLcWis"), Qt::LeftButton);
    m_prompt->fonts.push_back(Questions::Font{"DejaVu Serif", 14, false, true, true, false, std::nullopt});
    click("fontButton");

    const TObjectLook& look = m_config->Looks[LcWis];
    QCOMPARE(look.FontName, std::string("DejaVu Serif"));
    QCOMPARE(look.FontSize, 14);
    QCOMPARE(look.FontStyle, unsigned{FontItalic | FontUnderline});
    QCOMPARE(child<QLabel>("sampleLcWis")->font().pointSize(), 14);
    QApplication::processEvents();
    // The top of the sample area holds three lines of the saying font.
    QVERIFY(child<QLabel>("sampleLcWis")->height() >=
            3 * QFontMetrics(child<QLabel>("sampleLcWis")->font()).height());

    m_prompt->answers.push_back(Questions::Answer::Cancel);
    click("ok");
    QCOMPARE(asked().size(), 1);
}

void FormOptionsTest::schemeSavedAndChosenAgain()
{
    m_form->Show();
    auto* box = child<QComboBox>("schemeBox");
    box->setFocus();
    box->lineEdit()->selectAll();
    type(box->lineEdit(), QStringLiteral("Моя"));
    QCOMPARE(m_config->ColorScheme, std::string("Моя"));
    child<QToolButton>("italic")->click();
    const TLooks saved = m_config->Looks;
    click("saveScheme");
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("Моя.sch"))));
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), QStringLiteral("Моя"));
    QCOMPARE(box->currentText(), QStringLiteral("Моя"));

    child<QToolButton>("bold")->click();
    QVERIFY(m_config->Looks != saved);
    click("applyLooks");
    box->setCurrentIndex(0);
    emit box->activated(0);
    QVERIFY(m_config->Looks == saved);
    QVERIFY(child<QPushButton>("applyLooks")->isEnabled());
    QVERIFY(m_journal->Lines().empty());
}

void FormOptionsTest::deliveredSchemesReadCleanly()
{
    const QDir data(QStringLiteral(ORVENDA_SOURCE_DIR "data"));
    const QStringList schemes = data.entryList({QStringLiteral("*.sch")}, QDir::Files);
    QCOMPARE(schemes.size(), 3);
    for (const QString& scheme : schemes) {
        QVERIFY(QFile::copy(data.filePath(scheme), m_dir->filePath(scheme)));
        QFile file(data.filePath(scheme));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 35);
        QCOMPARE(bytes.count('\n'), 35);
        QVERIFY(bytes.endsWith("\r\n"));
    }
    m_form->SchemeListChanged(ListSchemes(folder()));
    m_form->Show();
    auto* box = child<QComboBox>("schemeBox");
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->itemText(0), QStringLiteral("Классическая"));
    QCOMPARE(box->itemText(1), QStringLiteral("Ночная"));
    QCOMPARE(box->itemText(2), QStringLiteral("Светлая"));

    m_config->Looks[LcEvt].Color = 0x123456;
    emit box->activated(0);
    QVERIFY(m_config->Looks == DefaultLooks());
    QCOMPARE(m_config->ColorScheme, std::string("Классическая"));
    for (int i : {1, 2}) {
        emit box->activated(i);
        QCOMPARE(QString::fromStdString(m_config->ColorScheme), box->itemText(i));
        QVERIFY(m_config->Looks != DefaultLooks());
    }
    QVERIFY2(m_journal->Lines().empty(), m_journal->Lines().empty() ? "" : m_journal->Lines()[0].c_str());
}

void FormOptionsTest::deletingASchemeAsksFirst()
{
    QVERIFY(SaveScheme(DefaultLooks(), folder(), "Старая", *m_journal).ok());
    m_form->SchemeListChanged(ListSchemes(folder()));
    m_form->Show();
    auto* box = child<QComboBox>("schemeBox");
    emit box->activated(0);

    click("deleteScheme"); // the question is not answered with OK
    QCOMPARE(asked(), QStringList{QStringLiteral("Настройки|Удалить цветовую схему «Старая»?")});
    QCOMPARE(box->count(), 1);
    m_prompt->answers.push_back(Questions::Answer::Ok);
    click("deleteScheme");
    QCOMPARE(box->count(), 0);
    QCOMPARE(box->currentText(), QString());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("Старая.sch"))));
}

void FormOptionsTest::applyHandsTheLooksToTheMainWindow()
{
    m_form->Show();
    std::vector<TLooks> applied;
    connect(m_form.get(), &TFormOptions::looksApplied, this,
            [&](const TLooks& looks) { applied.push_back(looks); });
    child<QToolButton>("alignRight")->click();
    auto* apply = child<QPushButton>("applyLooks");
    QVERIFY(apply->isEnabled());
    apply->click();
    QCOMPARE(applied.size(), std::size_t{1});
    QCOMPARE(applied[0][LcToday].Alignment, int{AlignRight});
    QVERIFY(!apply->isEnabled());

    // Reading the configuration applies too, but the main window does that itself.
    m_form->ApplyLooks(m_config->Looks);
    QCOMPARE(applied.size(), std::size_t{1});

    m_prompt->answers.push_back(Questions::Answer::Cancel);
    click("ok"); // "Применить" marks a change
    QCOMPARE(asked().size(), 1);
}

void FormOptionsTest::autostartWritesTheEntryAtOnce()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(!xdg.isEmpty(), "the tests' environment names a configuration folder");
    const std::string dir = DefaultAutostartDir();
    QCOMPARE(QString::fromStdString(dir), xdg + QStringLiteral("/autostart"));
    TFormOptions form(*m_config, QString::fromStdString(folder()), QString::fromStdString(dir),
                      QStringLiteral("/opt/orvenda/orvenda"), *m_journal, *m_prompt);
    form.Show();
    auto* box = form.findChild<QCheckBox*>(QStringLiteral("autostart"));
    QCOMPARE(box->text(), QStringLiteral("Запускать при загрузке ОС"));
    box->click();
    QVERIFY(m_config->Autostart);
    QVERIFY(ReadAutostart(dir));
    QFile entry(QString::fromStdString(dir) + QStringLiteral("/orvenda.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("Exec=\"/opt/orvenda/orvenda\""));
    entry.close();
    QVERIFY(!form.State().Changed());

    box->click();
    QVERIFY(!m_config->Autostart);
    QVERIFY(!entry.exists());
}

void FormOptionsTest::logControlsFollowTheSwitches()
{
    m_form->Show();
    auto* enable = child<QCheckBox>("logEnable");
    auto* daily = child<QRadioButton>("logDaily");
    auto* name = child<QLineEdit>("logFileName");
    auto* append = child<QCheckBox>("logAppend");
    QVERIFY(!daily->isEnabled() && !name->isEnabled() && !append->isEnabled());
    QCOMPARE(daily->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));

    enable->click();
    QVERIFY(m_config->LogEnable);
    QVERIFY(daily->isEnabled() && name->isEnabled() && append->isEnabled());
    QCOMPARE(append->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Switching the log on is a change "OK" offers to save.
    QVERIFY(m_form->State().Changed());

    daily->click();
    QVERIFY(!m_config->UserLog);
    QVERIFY(!name->isEnabled() && append->isEnabled());
    QCOMPARE(append->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(m_form->State().Changed());

    child<QRadioButton>("logOneFile")->click();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("run.log"));
    QCOMPARE(m_config->UserLogFileName, std::string("run.log"));
}

void FormOptionsTest::readingTheConfigurationFillsTheWindow()
{
    TLooks night = DefaultLooks();
    night[LcEvt].Color = 0x181410;
    QVERIFY(SaveScheme(night, folder(), "Ночь", *m_journal).ok());
    QFile cfg(m_dir->filePath(QStringLiteral("Orvenda.cfg")));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write("[Events in]\r\n/data/a.evt\r\nb.evt\r\n[end list]\r\n[Wisdom in]\r\n[end list]\r\n"
              "LogEnable = True\r\nUserLog = False\r\nColorScheme = \xcd\xee\xf7\xfc\r\nShowAstroPanel = "
              "False\r\n");
    cfg.close();

    m_form->Show();
    QVERIFY(
        LoadConfig(*m_config, ConfigEnvironment{folder(), "", "", "", ""}, *m_journal, m_form.get()).found);
    QCOMPARE(child<QTableView>("eventFiles")->model()->rowCount(), 2);
    QCOMPARE(child<QTableView>("wisdomFiles")->model()->index(0, 1).data().toString(), QString());
    QVERIFY(child<QCheckBox>("logEnable")->isChecked());
    QVERIFY(child<QRadioButton>("logDaily")->isChecked());
    QVERIFY(!child<QLineEdit>("logFileName")->isEnabled());
    QVERIFY(!child<QCheckBox>("showAstroPanel")->isChecked());
    QCOMPARE(child<QComboBox>("schemeBox")->currentText(), QStringLiteral("Ночь"));
    QCOMPARE(child<QLabel>("sampleLcEvt")->palette().color(QPalette::Window), QColor(0x10, 0x14, 0x18));
    QVERIFY(m_form->State().Changed());
    QVERIFY(!child<QPushButton>("applyLooks")->isEnabled());
}

void FormOptionsTest::tabsShowEverythingUncut()
{
    m_config->EventFiles = {{"/home/user/Документы/События/", "holidays.evt"}, {folder(), "memorable.evt"}};
    m_config->LogEnable = true;
    m_form->Show();
    auto* tabs = child<QTabWidget>("tabs");
    // The view tab once more with the delivered night scheme.
    const QString night = QStringLiteral("Ночная.sch");
    QVERIFY(QFile::copy(QStringLiteral(ORVENDA_SOURCE_DIR "data/") + night, m_dir->filePath(night)));
    m_form->SchemeListChanged(ListSchemes(folder()));
    QVERIFY(m_form->width() >= 437);
    QVERIFY(m_form->height() >= 348);
    const QStringList names{QStringLiteral("view"), QStringLiteral("files"), QStringLiteral("misc"),
                            QStringLiteral("view_night")};
    QDir().mkpath(QStringLiteral(ORVENDA_SCREENSHOT_DIR));
    for (int shown = 0; shown < names.size(); ++shown) {
        const int tab = shown % tabs->count();
        if (names[shown] == QStringLiteral("view_night")) {
            emit child<QComboBox>("schemeBox")->activated(0);
        }
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString shot =
            QStringLiteral(ORVENDA_SCREENSHOT_DIR "options_") + names[shown] + QStringLiteral(".png");
        QVERIFY(m_form->grab().save(shot));
        // Every caption gets at least the room it asks for.
        for (QWidget* widget : tabs->currentWidget()->findChildren<QWidget*>()) {
            if (!widget->isVisible() ||
                !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))) {
                continue;
            }
            const QString text = qobject_cast<QLabel*>(widget)
                                     ? qobject_cast<QLabel*>(widget)->text()
                                     : qobject_cast<QAbstractButton*>(widget)->text();
            QVERIFY2(widget->width() >= widget->minimumSizeHint().width() &&
                         widget->height() >= widget->minimumSizeHint().height(),
                     qPrintable(names[shown] + QStringLiteral(": ") +
                                QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                                widget->objectName() + QLatin1Char(' ') + text));
        }
    }
}

void FormOptionsTest::looksBecomeQtColoursAndFonts()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(7, 8, 9));
    struct Case {
        TColor value;
        std::optional<QColor> colour;
    };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0x00123456, QColor(0x56, 0x34, 0x12)},
        {clBtnFace, QColor(1, 2, 3)},
        {clGrayText, QColor(4, 5, 6)},
        {clWindowText, QColor(7, 8, 9)},
        {0x1FFFFFFF, std::nullopt},
        {0x20000000, std::nullopt},
        {SystemColourBase + 25, std::nullopt},
        {SystemColourBase + 31, std::nullopt},
    };
    for (const Case& c : cases) {
        QCOMPARE(ColourOfValue(c.value, palette), c.colour);
        if (c.colour && !IsSystemColour(c.value)) {
            QCOMPARE(ValueOfColour(*c.colour), c.value & 0xFFFFFF);
        }
    }

    // The schemes' Windows face is not installed here: the desktop's face at the same size.
    const QFont fallback =
        FontOfObjectLook({clBtnFace, AlignCenter, "MS Sans Serif", 8, clWindowText, FontBold});
    QCOMPARE(fallback.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    QCOMPARE(fallback.pointSize(), 8);
    QVERIFY(fallback.bold() && !fallback.italic());
    const QFont serif = FontOfObjectLook({0, AlignLeft, "DejaVu Serif", 500, 0, FontItalic | FontStrikeOut});
    QCOMPARE(serif.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(serif.pointSize(), 144);
    QCOMPARE(StyleOfFont(serif), unsigned{FontItalic | FontStrikeOut});

    // A font dialog opens on the look's own style: DejaVu Sans has condensed
    // styles that repeat "Oblique", which a bare weight and slant ended on.
    for (const unsigned style :
         {0u, unsigned{FontItalic}, unsigned{FontBold}, unsigned{FontBold | FontItalic}}) {
        const QFont font = FontOfObjectLook({0, AlignLeft, "DejaVu Sans", 11, 0, style});
        const QFontDialog dialog(font);
        QCOMPARE(dialog.currentFont().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(dialog.currentFont().pointSize(), 11);
        QCOMPARE(StyleOfFont(dialog.currentFont()), style);
    }
}

ORVENDA_UI_TEST(FormOptionsTest, "form_options")

} // namespace orvenda

#include "form_options_test.moc"
