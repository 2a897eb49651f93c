#pragma once

// The main window's menus, tool bar and pop-up menus: every entry with its
// caption, shortcut and hint. The window connects them to its commands;
// entries whose windows are not part of the program yet are disabled.

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace orvenda {

struct MainActions {
    // "&События"
    QAction* NRefresh = nullptr;
    QAction* NPeriod = nullptr;
    QAction* NCalendar = nullptr;
    QAction* NEditor = nullptr;
    QAction* NExit = nullptr;
    // "&Вид"; the last two also stand in the tool bar's "Вид" drop-down.
    QAction* NToolBar = nullptr;
    QAction* NAstroPanel = nullptr;
    QAction* NEvtGroup = nullptr;
    QAction* NDateInStr = nullptr;
    // "&Калачакра"
    QAction* NEvtList = nullptr;
    QAction* NTables = nullptr;
    // "С&ервис"
    QAction* NCalculator = nullptr;
    QAction* NTextEditor = nullptr;
    QAction* NOptions = nullptr;
    QAction* NStatus = nullptr;
    QAction* NSaveConfig = nullptr;
    // "     ?      "
    QAction* NHelp = nullptr;
    QAction* NAbout = nullptr;

    QToolBar* ToolBar1 = nullptr;
    QAction* TBRefresh = nullptr;
    QAction* TBPeriod = nullptr;
    QAction* TBEditor = nullptr;
    QAction* TBView = nullptr;
    QAction* TBEvtList = nullptr;
    QAction* TBTables = nullptr;
    QAction* TBCalculator = nullptr;
    QAction* TBTextEditor = nullptr;
    QAction* TBOptions = nullptr;
    QAction* TBAbout = nullptr;

    // The tool bar's pop-up menu.
    QMenu* ToolBarMenu = nullptr;
    QAction* NShowCaptions = nullptr;
    QAction* NHideToolBar = nullptr;

    // The event list's pop-up menu.
    QMenu* EventsMenu = nullptr;
    QAction* NEvtEdit = nullptr;
    QAction* NAddToList = nullptr;
    QAction* NSwitchOff = nullptr;
    QAction* NDelete = nullptr;
    QAction* NEvtEditor = nullptr;
    QAction* NEvtOptions = nullptr;
};

// Builds the menu bar and the tool bar of `window` and the two pop-up menus.
MainActions CreateMainActions(QMainWindow* window);

// Tool bar buttons with or without their captions under the icons.
void ShowToolBarCaptions(const MainActions& actions, bool shown);

} // namespace orvenda
