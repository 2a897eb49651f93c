#include "app/ui/main_actions.h"

#include "app/ui/toolbar_icons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace orvenda {

namespace {

constexpr int ButtonWidth = 39;
constexpr int ButtonHeight = 38;

QAction* Entry(QWidget* owner, const char* name, const QString& text, const QString& hint = {},
               const QKeySequence& shortcut = {})
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* Mark(QWidget* owner, const char* name, const QString& text)
{
    QAction* action = Entry(owner, name, text);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

constexpr int IconSize = 24;

QAction* Button(QWidget* owner, const char* name, const QString& text, const QString& hint, const QIcon& icon)
{
    QAction* action = Entry(owner, name, text, hint);
    action->setIcon(icon);
    action->setIconText(text);
    return action;
}

// Commands whose windows are not part of the program yet.
void Disable(std::initializer_list<QAction*> actions)
{
    for (QAction* action : actions)
        action->setEnabled(false);
}

void CreateMenus(QMainWindow* w, MainActions& a)
{
    const QString refreshHint = QStringLiteral("Перечитать все подключенные файлы и обновить список событий");
    a.NRefresh =
        Entry(w, "NRefresh", QStringLiteral("Обновить"), refreshHint, QKeySequence(Qt::CTRL | Qt::Key_R));
    a.NPeriod = Entry(w, "NPeriod", QStringLiteral("Посмотреть за период..."));
    a.NCalendar = Entry(w, "NCalendar", QStringLiteral("Календарь"));
    a.NEditor = Entry(w, "NEditor", QStringLiteral("Редактор"), {}, QKeySequence(Qt::Key_F2));
    a.NExit = Entry(w, "NExit", QStringLiteral("&Выход"), {}, QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.NToolBar = Mark(w, "NToolBar", QStringLiteral("Панель инструментов"));
    a.NAstroPanel = Mark(w, "NAstroPanel", QStringLiteral("Панель Калачакры"));
    a.NEvtGroup = Mark(w, "NEvtGroup", QStringLiteral("Группировать"));
    a.NDateInStr = Mark(w, "NDateInStr", QStringLiteral("Дата в строке"));
    a.NEvtList = Entry(w, "NEvtList", QStringLiteral("Список событий"));
    a.NTables = Entry(w, "NTables", QStringLiteral("Таблицы"));
    a.NCalculator =
        Entry(w, "NCalculator", QStringLiteral("Калькулятор дат   "), {}, QKeySequence(Qt::Key_F5));
    a.NTextEditor =
        Entry(w, "NTextEditor", QStringLiteral("Текстовый редактор"), {}, QKeySequence(Qt::Key_F6));
    a.NOptions = Entry(w, "NOptions", QStringLiteral("Настройки"), {}, QKeySequence(Qt::Key_F7));
    a.NStatus = Entry(w, "NStatus", QStringLiteral("Журнал ошибок"), {}, QKeySequence(Qt::Key_F12));
    a.NSaveConfig = Entry(w, "NSaveConfig", QStringLiteral("Сохранить настройки"), {},
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    a.NHelp = Entry(w, "NHelp", QStringLiteral("Справка"), {}, QKeySequence(Qt::Key_F1));
    a.NAbout = Entry(w, "NAbout", QStringLiteral("О программе"));
    Disable({a.NPeriod, a.NEditor, a.NEvtList, a.NTables, a.NCalculator, a.NTextEditor, a.NOptions});

    QMenuBar* bar = w->menuBar();
    QMenu* events = bar->addMenu(QStringLiteral("&События"));
    events->addActions({a.NRefresh, a.NPeriod, a.NCalendar, a.NEditor});
    events->addSeparator();
    events->addAction(a.NExit);
    bar->addMenu(QStringLiteral("&Вид"))->addActions({a.NToolBar, a.NAstroPanel, a.NEvtGroup, a.NDateInStr});
    bar->addMenu(QStringLiteral("&Калачакра"))->addActions({a.NEvtList, a.NTables});
    QMenu* service = bar->addMenu(QStringLiteral("С&ервис"));
    service->addActions({a.NCalculator, a.NTextEditor, a.NOptions, a.NStatus});
    service->addSeparator();
    service->addAction(a.NSaveConfig);
    bar->addMenu(QStringLiteral("     ?      "))->addActions({a.NHelp, a.NAbout});
}

void CreateToolBar(QMainWindow* w, MainActions& a)
{
    a.ToolBar1 = new QToolBar(QStringLiteral("Панель инструментов"), w);
    a.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    a.ToolBar1->setMovable(false);
    a.ToolBar1->setFloatable(false);
    a.ToolBar1->setIconSize(QSize(IconSize, IconSize));
    a.ToolBar1->setContextMenuPolicy(Qt::CustomContextMenu);
    w->addToolBar(Qt::TopToolBarArea, a.ToolBar1);

    a.TBRefresh =
        Button(w, "TBRefresh", QStringLiteral("Обновить"),
               QStringLiteral("Перечитать все подключенные файлы и обновить список событий (Ctrl+R)"),
               ToolBarIcon("refresh"));
    a.TBPeriod = Button(w, "TBPeriod", QStringLiteral("Период"), QStringLiteral("События за период"),
                        ToolBarIcon("period"));
    a.TBEditor = Button(w, "TBEditor", QStringLiteral("Редактор"), QStringLiteral("Редактор событий"),
                        ToolBarIcon("editor"));
    a.TBView = Button(w, "TBView", QStringLiteral("Вид"), QString(), ToolBarIcon("view"));
    auto* viewMenu = new QMenu(w);
    viewMenu->addActions({a.NEvtGroup, a.NDateInStr});
    a.TBView->setMenu(viewMenu);
    a.TBEvtList = Button(w, "TBEvtList", QStringLiteral("Список"), QStringLiteral("Список событий"),
                         ToolBarIcon("eventlist"));
    a.TBTables =
        Button(w, "TBTables", QStringLiteral("Таблицы"), QStringLiteral("Таблицы"), ToolBarIcon("tables"));
    a.TBCalculator = Button(w, "TBCalculator", QStringLiteral("Даты"), QStringLiteral("Калькулятор дат"),
                            ToolBarIcon("calculator"));
    // The hint names the error journal, yet the button opens the text editor.
    a.TBTextEditor = Button(w, "TBTextEditor", QStringLiteral("Текст"), QStringLiteral("Журнал ошибок"),
                            ToolBarIcon("text"));
    a.TBOptions = Button(w, "TBOptions", QStringLiteral("Настр."), QStringLiteral("Настройки программы"),
                         ToolBarIcon("options"));
    a.TBAbout = Button(w, "TBAbout", QString(), QStringLiteral("О программе"), ToolBarIcon("about"));
    Disable({a.TBPeriod, a.TBEditor, a.TBEvtList, a.TBTables, a.TBCalculator, a.TBTextEditor, a.TBOptions});

    QToolBar* bar = a.ToolBar1;
    bar->addAction(a.TBRefresh);
    bar->addSeparator();
    bar->addActions({a.TBPeriod, a.TBEditor});
    bar->addSeparator();
    bar->addAction(a.TBView);
    bar->addSeparator();
    bar->addActions({a.TBEvtList, a.TBTables});
    bar->addSeparator();
    bar->addActions({a.TBCalculator, a.TBTextEditor, a.TBOptions});
    bar->addSeparator();
    bar->addAction(a.TBAbout);
    if (auto* view = qobject_cast<QToolButton*>(bar->widgetForAction(a.TBView)))
        view->setPopupMode(QToolButton::InstantPopup);

    a.ToolBarMenu = new QMenu(w);
    a.NShowCaptions = Entry(w, "NShowCaptions", QStringLiteral("Показывать подписи"));
    a.NShowCaptions->setCheckable(true);
    a.NHideToolBar = Entry(w, "NHideToolBar", QStringLiteral("Убрать панель"));
    a.ToolBarMenu->addActions({a.NShowCaptions, a.NHideToolBar});
}

void CreateEventsMenu(QMainWindow* w, MainActions& a)
{
    a.NEvtEdit = Entry(w, "NEvtEdit", QStringLiteral("Редактировать..."));
    a.NAddToList = Entry(w, "NAddToList", QStringLiteral("Добавить в список"));
    a.NSwitchOff = Entry(w, "NSwitchOff", QStringLiteral("Отключить"));
    a.NDelete = Entry(w, "NDelete", QStringLiteral("Удалить"));
    a.NEvtEditor = Entry(w, "NEvtEditor", QStringLiteral("Редактор событий"));
    a.NEvtOptions = Entry(w, "NEvtOptions", QStringLiteral("Настройки"));
    Disable({a.NEvtEdit, a.NAddToList, a.NSwitchOff, a.NDelete, a.NEvtEditor, a.NEvtOptions});
    a.EventsMenu = new QMenu(w);
    a.EventsMenu->addActions({a.NEvtEdit, a.NAddToList, a.NSwitchOff, a.NDelete});
    a.EventsMenu->addSeparator();
    a.EventsMenu->addActions({a.NEvtEditor, a.NEvtOptions});
}

} // namespace

MainActions CreateMainActions(QMainWindow* window)
{
    MainActions actions;
    CreateMenus(window, actions);
    CreateToolBar(window, actions);
    CreateEventsMenu(window, actions);
    ShowToolBarCaptions(actions, false);
    return actions;
}

void ShowToolBarCaptions(const MainActions& actions, bool shown)
{
    QToolBar* bar = actions.ToolBar1;
    bar->setToolButtonStyle(shown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (QAction* action : bar->actions()) {
        if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator())
            button->setMinimumSize(ButtonWidth, ButtonHeight);
    }
}

} // namespace orvenda
