#pragma once

// A main window over a temporary program folder: Orvenda.cfg, two event
// files, the fixed saying file and a listed one, written in Windows-1251 with
// CR LF, and a clock that always says 15 March 2008, 10:00.

#include "app/ui/about_window.h"
#include "app/ui/calendar_window.h"
#include "app/ui/main_window.h"
#include "app/ui/status_window.h"
#include "app/ui/windows.h"
#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QTableView>

#include <memory>

namespace orvenda::test {

inline constexpr TDateRec FixedNow{2008, 3, 15, 10, 0, 0, 0};

// One key line of the configuration: the key in a field of 16, "= ", the value.
inline std::string Setting(const std::string& key, const std::string& value)
{
    std::string line = key;
    line.resize(16, ' ');
    return line + "= " + value;
}

struct ConfigContent {
    std::vector<std::string> events{"family.evt", "work.evt"};
    std::vector<std::string> sayings{"extra.wis"};
    std::vector<std::string> settings{
        Setting("ConfirmExit", "True"), Setting("AdjustFormSize", "True"),
        Setting("LogEnable", "False"),  Setting("ShowAstroPanel", "True"),
        Setting("ToolBarShow", "True"), Setting("ToolBarShowTXT", "False"),
        Setting("ViewGroup", "True"),   Setting("ViewDateInStr", "True"),
    };
};

inline std::vector<std::string> ConfigLines(const ConfigContent& content)
{
    std::vector<std::string> lines{"    Здесь указываются файлы событий", "[Events in]"};
    lines.insert(lines.end(), content.events.begin(), content.events.end());
    lines.insert(lines.end(), {"[end list]", "", "    Здесь указываются файлы высказываний", "[Wisdom in]"});
    lines.insert(lines.end(), content.sayings.begin(), content.sayings.end());
    lines.insert(lines.end(), {"[end list]", "", "     Здесь указываются остальные настройки",
                               "!!! исправлять можно только значения параметров !!!",
                               "      (т.е. после символа \"=\") ", ""});
    lines.insert(lines.end(), content.settings.begin(), content.settings.end());
    return lines;
}

// Around 15 March 2008 (hand-checked day counts in brackets):
// family.evt: 15.03.2005 today [1096], 17.03.1990 in two days [6573],
// 10.03.2000 five days ago, shown 7 days after [2927], 20.03.1999 switched
// off [3283], 16.03.2001 tomorrow [2556];
// work.evt: 15.03.1998 today [3653], 02.04.1997 outside its window but
// 4000 days ago, 29.01.1999 outside its window but 3333 days ago.
inline const std::vector<std::string> FamilyEvents{
    "[fixed events]",
    "15  3 2005   3   1 1 День рождения Ани",
    "17  3 1990   5   0 1 Годовщина свадьбы",
    "10  3 2000   0   7 1 Переезд на новую квартиру",
    "20  3 1999  10   0 0 Отключённое событие",
    "16  3 2001   3   0 1 Первый рабочий день",
};
inline const std::vector<std::string> WorkEvents{
    "[fixed events]",
    "15  3 1998   0   0 1 Открытие отдела",
    " 2  4 1997   0   0 1 Запуск проекта",
    "29  1 1999   0   0 1 Сдача отчёта",
};

inline std::vector<std::string> PearlLines()
{
    std::vector<std::string> lines{"[wisdom by]", "Восточная мудрость"};
    for (int i = 1; i <= 366; ++i)
        lines.push_back("Высказывание " + std::to_string(i));
    return lines;
}

class MainWindowFixture {
public:
    explicit MainWindowFixture(const ConfigContent& content = {}) { WriteFiles(content); }

    void WriteFiles(const ConfigContent& content)
    {
        QVERIFY(folder.isValid());
        QVERIFY(folder.Write("Orvenda.cfg", ConfigLines(content)));
        QVERIFY(folder.Write("family.evt", FamilyEvents));
        QVERIFY(folder.Write("work.evt", WorkEvents));
        QVERIFY(folder.Write("oriental_perls.wis", PearlLines()));
        QVERIFY(folder.Write("extra.wis", {"[wisdom]", "Дополнительное высказывание", "Автор"}));
    }

    // Creates the windows as the program does and shows the main window,
    // which starts the session.
    void Start(std::string programFolder = {})
    {
        SessionEnvironment env;
        env.programFolder = programFolder.empty() ? folder.path() : programFolder;
        env.programPath = env.programFolder + "orvenda";
        env.autostartDir = folder.path() + "autostart";
        env.clock = FixedClock(FixedNow);
        env.changeCurrentFolder = false;
        windows = std::make_unique<Windows>(env, prompt);
        window = &windows->Main();
        status = &windows->Status();
        about = &windows->About();
        calendar = &windows->Calendar();
        options = &windows->Options();
        editor = &windows->Editor();
        window->setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        WaitForRefresh();
    }

    // The files are read on another thread; the list changes when that is done.
    void WaitForRefresh() const { QTRY_VERIFY_WITH_TIMEOUT(!window->refreshRunning(), 30000); }

    template <typename T> T* Find(const char* name) const
    {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qWarning("no child %s", name);
        return child;
    }
    QString Label(const char* name) const { return Find<QLabel>(name)->text(); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    QTableView* List() const { return Find<QTableView>("SGEvents"); }
    int RowCount() const { return List()->model()->rowCount(); }
    QString Cell(int row, int column) const { return List()->model()->index(row, column).data().toString(); }
    void ClickRow(int row) const
    {
        QTableView* list = List();
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    std::string Path(const std::string& name) const { return folder.path() + name; }

    TempProgramFolder folder;
    ScriptedQuestions prompt;
    std::vector<QUrl> opened;
    // The windows as the program creates and wires them.
    std::unique_ptr<Windows> windows;
    TFormMain* window = nullptr;
    TFormStatus* status = nullptr;
    TFormAbout* about = nullptr;
    TFormCalendar* calendar = nullptr;
    TFormOptions* options = nullptr;
    TFormEvtEdit* editor = nullptr;
};

} // namespace orvenda::test
