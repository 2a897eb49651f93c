#include "editors/ui/event_editor_window.h"

#include "editors/ui/fixed_date_form.h"
#include "editors/ui/floating_form.h"
#include "editors/ui/new_file_dialog.h"
#include "editors/ui/record_table_view.h"
#include "editors/ui/saying_form.h"
#include "editors/ui/source_view.h"

#include <QAction>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace orvenda {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string templateFolderOf(QString programFolder)
{
    if (!programFolder.isEmpty() && !programFolder.endsWith(QLatin1Char('/')) &&
        !programFolder.endsWith(QLatin1Char('\\')))
        programFolder += QLatin1Char('/');
    return (programFolder + QStringLiteral("Template/")).toStdString();
}

QLabel* newPanel(QWidget* parent, int minimumWidth)
{
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(minimumWidth);
    return panel;
}

} // namespace

TFormEvtEdit::TFormEvtEdit(QString programFolder, Journal& journal, Questions& questions, QWidget* parent)
    : QMainWindow(parent), m_controller(templateFolderOf(std::move(programFolder)), journal, questions)
{
    setObjectName(QStringLiteral("FormEvtEdit"));
    m_controller.SetSavedHandler([this](const std::string& path) { emit fileSaved(q(path)); });
    buildActions();
    buildTabs();

    m_modifiedPanel = newPanel(this, 70);
    m_positionPanel = newPanel(this, 70);
    m_pathPanel = newPanel(this, 100);
    // Permanent, so that a hint (a tool button's, the calendar's) shows
    // beside the panels instead of over them.
    statusBar()->addPermanentWidget(m_modifiedPanel);
    statusBar()->addPermanentWidget(m_positionPanel);
    statusBar()->addPermanentWidget(m_pathPanel);

    m_newFileDialog = new TFormNewEvtFile(*this, this);

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &TFormEvtEdit::fileChangedOnDisk);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TFormEvtEdit::fileChangedOnDisk);

    resize(700, 520);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    showFile(false);
}

TFormEvtEdit::~TFormEvtEdit() = default;

void TFormEvtEdit::buildActions()
{
    QStyle* look = style();
    auto action = [this](const char* name, const QString& text, const QKeySequence& keys, const QString& hint,
                         const QIcon& icon) {
        auto* a = new QAction(icon, text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        if (!hint.isEmpty()) {
            a->setStatusTip(hint);
            a->setToolTip(hint);
        }
        return a;
    };
    const QIcon newIcon = look->standardIcon(QStyle::SP_FileIcon);
    const QIcon openIcon = look->standardIcon(QStyle::SP_DialogOpenButton);
    const QIcon saveIcon = look->standardIcon(QStyle::SP_DialogSaveButton);
    const QIcon closeIcon = look->standardIcon(QStyle::SP_DialogCloseButton);
    const QString newHint = QStringLiteral("Создать новый файл событий или высказываний");
    const QString openHint = QStringLiteral("Открыть файл событий или высказываний");
    const QString closeHint = QStringLiteral("Зактыть файл");

    m_new = action("NNew", QStringLiteral("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N), newHint, newIcon);
    m_open =
        action("NOpen", QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O), openHint, openIcon);
    m_save = action("NSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), {}, saveIcon);
    m_saveAs =
        action("NSaveAs", QStringLiteral("Сохранить как"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
               QStringLiteral("Сохранить под другим именем"), {});
    m_close = action("NClose", QStringLiteral("Закрыть"), QKeySequence(Qt::CTRL | Qt::Key_F4), closeHint,
                     closeIcon);
    m_exit = action("NExit", QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_Q), {}, {});

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addActions({m_new, m_open, m_save, m_saveAs, m_close});
    file->addSeparator();
    file->addAction(m_exit);

    // The tool bar's file buttons are actions of their own: disabling the
    // file commands leaves them as they are.
    QAction* tbNew = action("TBNew", QStringLiteral("Новый"), {}, newHint, newIcon);
    QAction* tbOpen = action("TBOpen", QStringLiteral("Открыть"), {}, openHint, openIcon);
    QAction* tbSave = action("TBSave", QStringLiteral("Сохранить"), {}, {}, saveIcon);
    QAction* tbClose = action("TBClose", QStringLiteral("Закрыть"), {}, closeHint, closeIcon);

    m_first = action("NavFirst", QStringLiteral("Первая"), {}, QStringLiteral("Первая запись"),
                     look->standardIcon(QStyle::SP_MediaSkipBackward));
    m_prior = action("NavPrior", QStringLiteral("Предыдущая"), {}, QStringLiteral("Предыдущая запись"),
                     look->standardIcon(QStyle::SP_MediaSeekBackward));
    m_next = action("NavNext", QStringLiteral("Следующая"), {}, QStringLiteral("Следующая запись"),
                    look->standardIcon(QStyle::SP_MediaSeekForward));
    m_last = action("NavLast", QStringLiteral("Последняя"), {}, QStringLiteral("Последняя запись"),
                    look->standardIcon(QStyle::SP_MediaSkipForward));
    m_insert = action("NavInsert", QStringLiteral("+"), {}, QStringLiteral("Вставить запись"), {});
    m_delete = action("NavDelete", QStringLiteral("−"), {}, QStringLiteral("Удалить запись"), {});

    QToolBar* tools = addToolBar(QStringLiteral("Файл"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addActions({tbNew, tbOpen, tbSave, tbClose});
    tools->addSeparator();
    tools->addActions({m_first, m_prior, m_next, m_last, m_insert, m_delete});
    for (QAction* navigator : {m_first, m_prior, m_next, m_last}) {
        if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(navigator)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    connect(m_new, &QAction::triggered, this, &TFormEvtEdit::newCommand);
    connect(tbNew, &QAction::triggered, this, &TFormEvtEdit::newCommand);
    connect(m_open, &QAction::triggered, this, &TFormEvtEdit::openCommand);
    connect(tbOpen, &QAction::triggered, this, &TFormEvtEdit::openCommand);
    connect(m_save, &QAction::triggered, this, &TFormEvtEdit::saveFile);
    connect(tbSave, &QAction::triggered, this, &TFormEvtEdit::saveFile);
    connect(m_saveAs, &QAction::triggered, this, &TFormEvtEdit::saveFileAs);
    connect(m_close, &QAction::triggered, this, &TFormEvtEdit::closeFile);
    connect(tbClose, &QAction::triggered, this, &TFormEvtEdit::closeFile);
    connect(m_exit, &QAction::triggered, this, &TFormEvtEdit::exitCommand);
    connect(m_first, &QAction::triggered, this, [this] { navigate(EditorController::Move::First); });
    connect(m_prior, &QAction::triggered, this, [this] { navigate(EditorController::Move::Prior); });
    connect(m_next, &QAction::triggered, this, [this] { navigate(EditorController::Move::Next); });
    connect(m_last, &QAction::triggered, this, [this] { navigate(EditorController::Move::Last); });
    connect(m_insert, &QAction::triggered, this, &TFormEvtEdit::insertRecord);
    connect(m_delete, &QAction::triggered, this, &TFormEvtEdit::deleteRecord);
}

void TFormEvtEdit::buildTabs()
{
    EventFileModel& model = m_controller.Model();
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Tabs"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_fixedForm = new FixedDateForm(model, m_tabs);
    m_floatingForm = new FloatingForm(model, m_tabs);
    m_sayingForm = new SayingForm(model, m_tabs);
    m_table = new RecordTableView(model, m_tabs);
    m_source = new SourceView(m_tabs);
    m_fixedForm->setObjectName(QStringLiteral("FormFixed"));
    m_floatingForm->setObjectName(QStringLiteral("FormFloat"));
    m_sayingForm->setObjectName(QStringLiteral("FormSaying"));
    for (RecordForm* form : std::initializer_list<RecordForm*>{m_fixedForm, m_floatingForm, m_sayingForm}) {
        m_tabs->addTab(form, QStringLiteral("Форма"));
        connect(form, &RecordForm::edited, this, &TFormEvtEdit::formEdited);
    }
    m_tabs->addTab(m_table, QStringLiteral("Таблица"));
    m_tabs->addTab(m_source, QStringLiteral("Источник"));
    setCentralWidget(m_tabs);

    connect(&m_table->Records(), &RecordTableModel::recordEdited, this, &TFormEvtEdit::tableEdited);
    connect(m_table, &RecordTableView::recordChosen, this, &TFormEvtEdit::recordChosen);
}

bool TFormEvtEdit::openFile(const QString& path)
{
    const bool opened = m_controller.Open(path.toStdString());
    showFile(true);
    return opened;
}

void TFormEvtEdit::selectRecord(int n)
{
    m_controller.Select(n);
    showCurrentRecord();
}

void TFormEvtEdit::enableFileCommands(bool on)
{
    m_controller.EnableFileCommands(on);
    updateActions();
}

void TFormEvtEdit::showWithoutFileCommands()
{
    enableFileCommands(false);
    show();
    raise();
    activateWindow();
}

bool TFormEvtEdit::showRecord(const QString& path, int ordinal)
{
    show();
    raise();
    activateWindow();
    if (!openFile(path))
        return false;
    selectRecord(ordinal);
    return true;
}

bool TFormEvtEdit::newFile(EventFileFormat kind)
{
    const bool created = m_controller.New(kind);
    showFile(true);
    return created;
}

bool TFormEvtEdit::saveFile()
{
    const bool saved = m_controller.Save();
    showFile(false);
    return saved;
}

bool TFormEvtEdit::saveFileAs()
{
    const bool saved = m_controller.SaveAs();
    showFile(false);
    return saved;
}

bool TFormEvtEdit::closeFile()
{
    const bool closed = m_controller.Close();
    showFile(false);
    return closed;
}

EventCommandResult TFormEvtEdit::changeEvent(const QString& path, int ordinal, EventChange change,
                                             const QString& expectedText)
{
    // The close question is about the editor's file: the user sees which.
    if (m_controller.Model().IsModified()) {
        show();
        raise();
        activateWindow();
    }
    const EventCommandResult result =
        m_controller.ChangeEvent(path.toStdString(), ordinal, change, expectedText.toStdString());
    showFile(false);
    return result;
}

bool TFormEvtEdit::queryQuit()
{
    if (!m_controller.Model().IsModified())
        return true;
    show();
    raise();
    activateWindow();
    const bool closed = m_controller.Close();
    showFile(false);
    return closed;
}

void TFormEvtEdit::setCalendarDate(const QDate& date)
{
    m_fixedForm->SetCalendarDate(date);
}

void TFormEvtEdit::refreshStatus()
{
    const EditorController::Status& status = m_controller.RefreshStatus();
    m_modifiedPanel->setText(q(status.modified));
    m_positionPanel->setText(q(status.position));
    m_pathPanel->setText(q(status.path));
}

void TFormEvtEdit::showEvent(QShowEvent* event)
{
    refreshStatus();
    QMainWindow::showEvent(event);
}

void TFormEvtEdit::newCommand()
{
    const bool closed = m_controller.NewCommand();
    showFile(false);
    if (closed) {
        m_newFileDialog->show();
        m_newFileDialog->raise();
        m_newFileDialog->activateWindow();
    }
}

void TFormEvtEdit::openCommand()
{
    const bool opened = m_controller.OpenCommand();
    showFile(opened);
}

void TFormEvtEdit::exitCommand()
{
    m_controller.Exit();
    updateActions();
    hide();
}

void TFormEvtEdit::navigate(EditorController::Move move)
{
    m_controller.Navigate(move);
    showCurrentRecord();
}

void TFormEvtEdit::insertRecord()
{
    m_controller.Insert();
    showTable();
}

void TFormEvtEdit::deleteRecord()
{
    m_controller.DeleteCurrent();
    showTable();
}

void TFormEvtEdit::formEdited()
{
    m_table->Records().RecordChanged(m_controller.Model().CurrentNumber());
    refreshStatus();
}

void TFormEvtEdit::tableEdited(int number)
{
    m_controller.Select(number);
    showCurrentRecord();
}

void TFormEvtEdit::recordChosen(int number)
{
    m_controller.Select(number);
    showCurrentRecord();
}

void TFormEvtEdit::showFile(bool formTab)
{
    const EventFileModel& model = m_controller.Model();
    const EditorLayout layout = model.Layout();
    setWindowTitle(q(model.Caption()));
    m_tabs->setVisible(layout != EditorLayout::None);
    const std::pair<RecordForm*, EditorLayout> forms[] = {{m_fixedForm, EditorLayout::FixedDate},
                                                          {m_floatingForm, EditorLayout::Floating},
                                                          {m_sayingForm, EditorLayout::Saying}};
    for (const auto& [form, formLayout] : forms) {
        m_tabs->setTabVisible(m_tabs->indexOf(form), formLayout == layout);
        if (formTab && formLayout == layout)
            m_tabs->setCurrentWidget(form);
    }
    m_source->ShowSource(q(model.SourceText()));
    showTable();
    watchFile();
}

void TFormEvtEdit::watchFile()
{
    const QString path = q(m_controller.Model().Path());
    QStringList wanted;
    if (!path.isEmpty()) {
        wanted << QFileInfo(path).absolutePath();
        if (QFileInfo::exists(path))
            wanted << path;
    }
    QStringList watched = m_watcher->files() + m_watcher->directories();
    std::sort(watched.begin(), watched.end());
    std::sort(wanted.begin(), wanted.end());
    if (watched == wanted)
        return;
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    if (!wanted.isEmpty())
        m_watcher->addPaths(wanted);
}

void TFormEvtEdit::fileChangedOnDisk()
{
    // Its own saves change the file too; the controller tells them apart.
    if (m_controller.ReloadIfChangedOnDisk())
        showFile(false);
    else
        watchFile();
}

void TFormEvtEdit::showTable()
{
    m_table->Reload();
    showCurrentRecord();
}

void TFormEvtEdit::showCurrentRecord()
{
    switch (m_controller.Model().Layout()) {
    case EditorLayout::FixedDate:
        m_fixedForm->Load();
        break;
    case EditorLayout::Floating:
        m_floatingForm->Load();
        break;
    case EditorLayout::Saying:
        m_sayingForm->Load();
        break;
    case EditorLayout::None:
        break;
    }
    m_table->ShowCurrent(m_controller.Model().CurrentNumber());
    updateActions();
    refreshStatus();
}

void TFormEvtEdit::updateActions()
{
    const bool fileCommands = m_controller.FileCommandsEnabled();
    m_save->setEnabled(fileCommands);
    m_saveAs->setEnabled(fileCommands);
    m_close->setEnabled(fileCommands);
    const EditorController::NavigatorState navigator = m_controller.Navigator();
    m_first->setEnabled(navigator.first);
    m_prior->setEnabled(navigator.prior);
    m_next->setEnabled(navigator.next);
    m_last->setEnabled(navigator.last);
    m_insert->setEnabled(navigator.insert);
    m_delete->setEnabled(navigator.remove);
}

} // namespace orvenda
