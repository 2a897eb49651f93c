#include "app/ui/main_window.h"

#include "app/ui/astro_panel_widget.h"
#include "app/ui/event_list_model.h"
#include "app/ui/looks.h"
#include "app/ui/program_icon.h"
#include "app/ui/today_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <span>

namespace orvenda {

namespace {

constexpr int InitialRowHeight = 19;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// How wide a text is in a font; the metrics must outlive the function.
TextWidthFn TextWidth(const QFontMetrics& metrics)
{
    return [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
}

SessionEnvironment Asking(SessionEnvironment env, Questions& questions)
{
    env.questions = &questions;
    return env;
}

} // namespace

QString ProgramTitle()
{
    return QStringLiteral("Орвенда");
}

TFormMain::TFormMain(SessionEnvironment env, Questions& questions, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_session(Asking(std::move(env), questions), this),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(ProgramIcon());
    setMinimumSize(300, 150);
    resize(MinimumFittedWidth, 620);

    m_actions = CreateMainActions(this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(createTopPanel());
    m_astro = new AstroPanelWidget(QString::fromStdString(m_session.DataFolder()), central);
    layout->addWidget(m_astro);
    layout->addWidget(createEventList(), 1);
    setCentralWidget(central);
    createStatusBar();
    connectCommands();
    m_astro->Show(m_session.View().Astro);
    m_session.SetRefreshRunner([this](RefreshInputs inputs) { runRefresh(std::move(inputs)); });
    // The looks that hold until a configuration names a scheme; without a
    // configuration file they are never applied otherwise.
    applyOwnLooks(m_session.Config().Looks);
}

TFormMain::~TFormMain()
{
    // The child widgets outlive the session while QWidget deletes them; a
    // selection signal sent on the way must not reach the session.
    disconnect(m_list->selectionModel(), nullptr, this, nullptr);
    disconnect(m_list, nullptr, this, nullptr);
    // A refresh still reading goes on with its own copies of everything it
    // needs; its outcome is dropped with the watcher.
    delete m_refreshWatcher;
    m_refreshWatcher = nullptr;
}

void TFormMain::runRefresh(RefreshInputs inputs)
{
    if (m_refreshWatcher) {
        m_nextRefresh = std::move(inputs);
        return;
    }
    m_refreshWatcher = new QFutureWatcher<MeasuredRefresh>(this);
    connect(m_refreshWatcher, &QFutureWatcherBase::finished, this, &TFormMain::refreshDone);
    m_refreshWatcher->setFuture(
        QtConcurrent::run([inputs = std::move(inputs), font = m_list->font()]() mutable {
            MeasuredRefresh done{ComputeRefresh(std::move(inputs)), font, {}};
            // At tens of thousands of rows, measuring them takes longer than
            // reading the files, so it is done here too, by halves on two
            // threads; fonts may be measured on any thread.
            const std::span<const ShownRow> rows(done.outcome.upcoming.Shown);
            const auto measure = [&font](std::span<const ShownRow> part) {
                const QFontMetrics metrics(font);
                return MeasureRows(part, true, TextWidth(metrics));
            };
            const std::size_t half = rows.size() / 2;
            QFuture<WidestTexts> second = QtConcurrent::run(measure, rows.subspan(half));
            const WidestTexts first = measure(rows.first(half));
            done.widest = {std::max(first.date, second.result().date),
                           std::max(first.text, second.result().text)};
            return done;
        }));
}

void TFormMain::refreshDone()
{
    MeasuredRefresh done = m_refreshWatcher->future().takeResult();
    m_refreshWatcher->deleteLater();
    m_refreshWatcher = nullptr;
    // A newer request is read next; the session drops this outcome then.
    if (m_nextRefresh) {
        RefreshInputs next = std::move(*m_nextRefresh);
        m_nextRefresh.reset();
        runRefresh(std::move(next));
    }
    // The session lays the rows out again when the grouping changed meanwhile.
    const bool measuredShown =
        done.outcome.inputs.group == m_session.Config().ViewGroup && done.font == m_list->font();
    const std::optional<CommandResult> result = m_session.FinishRefresh(done.outcome);
    // Tens of thousands of records and rows, the replaced lists among them,
    // are let go on a thread of the pool.
    (void)QtConcurrent::run([finished = std::move(done.outcome)] {});
    if (!result)
        return;
    if (result->ok && measuredShown)
        showCommandResult(*result, done.widest);
    else
        showCommandResult(*result);
}

QWidget* TFormMain::createTopPanel()
{
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("PTop"));
    m_today = new TodayPanel(top);
    m_saying = new QTextEdit(top);
    m_saying->setObjectName(QStringLiteral("MWisdom"));
    m_saying->setReadOnly(true);
    m_saying->setFixedHeight(76);
    m_moreSaying = new QPushButton(QStringLiteral("ещё"), top);
    m_moreSaying->setObjectName(QStringLiteral("BMoreWis"));
    m_moreSaying->setToolTip(QStringLiteral("Показать ещё одно высказывание"));
    m_moreSaying->setStatusTip(QStringLiteral("Показать ещё одно высказывание"));
    m_moreSaying->setFocusPolicy(Qt::NoFocus);

    auto* more = new QVBoxLayout;
    more->addStretch();
    more->addWidget(m_moreSaying);
    auto* layout = new QHBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_today);
    layout->addWidget(m_saying, 1);
    layout->addLayout(more);
    return top;
}

QTableView* TFormMain::createEventList()
{
    m_model = new EventListModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("SGEvents"));
    m_list->setModel(m_model);
    m_list->horizontalHeader()->hide();
    // The fitted widths hold as computed; the style's least width of a
    // column would widen an empty date column.
    m_list->horizontalHeader()->setMinimumSectionSize(1);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setMinimumSectionSize(1);
    m_list->verticalHeader()->setDefaultSectionSize(InitialRowHeight);
    m_list->setShowGrid(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = EventListModel::FullDateColumn; column < EventListModel::ColumnCount; ++column) {
        m_list->setColumnWidth(column, 0);
        m_list->setColumnHidden(column, true);
    }
    // The list lays its rows out later than a refresh fits its columns: the
    // vertical scroll bar that then comes or goes changes the room for them.
    m_list->viewport()->installEventFilter(this);
    return m_list;
}

void TFormMain::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < m_statusPanels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        // A set minimum lets a long text be cut instead of widening the window.
        panel->setMinimumWidth(16);
        m_statusPanels[i] = panel;
    }
    // A hint in panel 0 is as wide as its text while it shows and takes no
    // room otherwise; the details in panel 4 get all the room the other
    // panels leave (their own width counts for nothing).
    m_statusPanels[4]->setMinimumWidth(40);
    m_statusPanels[4]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (std::size_t i = 0; i < m_statusPanels.size(); ++i)
        bar->addWidget(m_statusPanels[i], i == 4 ? 1 : 0);
    m_statusPanels[1]->setText(QStringLiteral("Событий:"));
    m_statusPanels[2]->setAlignment(Qt::AlignCenter);
    m_statusPanels[2]->setText(QStringLiteral("0"));
    m_statusPanels[3]->setAlignment(Qt::AlignCenter);
}

void TFormMain::connectCommands()
{
    const MainActions& a = m_actions;
    connect(a.NRefresh, &QAction::triggered, this, [this] { showRequestResult(m_session.Refresh()); });
    connect(a.TBRefresh, &QAction::triggered, a.NRefresh, &QAction::trigger);
    connect(a.NCalendar, &QAction::triggered, this, &TFormMain::openCalendar);
    connect(a.NExit, &QAction::triggered, this, &TFormMain::exitCommand);
    connect(a.NToolBar, &QAction::triggered, this, [this](bool on) {
        m_session.SetToolBarShown(on);
        m_actions.ToolBar1->setVisible(on);
    });
    connect(a.NAstroPanel, &QAction::triggered, m_astro, &QWidget::setVisible);
    connect(a.NEvtGroup, &QAction::triggered, this, [this](bool on) {
        m_session.SetGrouping(on);
        showView();
        FitColumns();
    });
    connect(a.NDateInStr, &QAction::triggered, this, [this](bool on) {
        m_session.SetDateInRow(on);
        FitColumns();
    });
    connect(a.NStatus, &QAction::triggered, this, &TFormMain::journalRequested);
    connect(a.NSaveConfig, &QAction::triggered, this, &TFormMain::saveSettings);
    connect(a.NHelp, &QAction::triggered, this, [this] { openProgramFile("Orvenda.html"); });
    connect(a.NAbout, &QAction::triggered, this, &TFormMain::aboutRequested);
    connect(a.TBAbout, &QAction::triggered, a.NAbout, &QAction::trigger);

    connect(a.ToolBar1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_actions.ToolBarMenu->popup(m_actions.ToolBar1->mapToGlobal(at)); });
    connect(a.NShowCaptions, &QAction::triggered, this, [this](bool on) {
        m_session.SetToolBarCaptions(on);
        ShowToolBarCaptions(m_actions, on);
    });
    connect(a.NHideToolBar, &QAction::triggered, this, [this] {
        m_session.SetToolBarShown(false);
        m_actions.NToolBar->setChecked(false);
        m_actions.ToolBar1->hide();
    });

    // Requests for the other windows.
    const auto request = [this](std::initializer_list<QAction*> actions, void (TFormMain::*signal)()) {
        for (QAction* action : actions)
            connect(action, &QAction::triggered, this, signal);
    };
    request({a.NPeriod, a.TBPeriod}, &TFormMain::periodRequested);
    request({a.NEditor, a.TBEditor, a.NEvtEditor}, &TFormMain::editorRequested);
    request({a.NEvtList, a.TBEvtList}, &TFormMain::eventListRequested);
    request({a.NTables, a.TBTables}, &TFormMain::tablesRequested);
    request({a.NCalculator, a.TBCalculator}, &TFormMain::calculatorRequested);
    request({a.NTextEditor, a.TBTextEditor}, &TFormMain::textEditorRequested);
    request({a.NOptions, a.TBOptions, a.NEvtOptions}, &TFormMain::optionsRequested);
    connect(a.NEvtEdit, &QAction::triggered, this, &TFormMain::editRow);
    connect(a.NAddToList, &QAction::triggered, this, &TFormMain::addRowToList);

    connect(a.NSwitchOff, &QAction::triggered, this, &TFormMain::switchOffRow);
    connect(a.NDelete, &QAction::triggered, this, &TFormMain::deleteRow);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_actions.EventsMenu->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(m_list, &QAbstractItemView::doubleClicked, a.NEvtEdit, &QAction::trigger);
    connect(m_list, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { rowChosen(index.row()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                // Only a current row the user selected: the list also makes
                // its first row current, unselected, when it gets the focus
                // back (a menu closes) with none current after a refresh.
                if (!m_quietSelection && current.isValid() &&
                    m_list->selectionModel()->isRowSelected(current.row(), QModelIndex()))
                    rowChosen(current.row());
            });

    connect(m_today, &TodayPanel::previousDay, this, [this] { showRequestResult(m_session.StepDay(-1)); });
    connect(m_today, &TodayPanel::nextDay, this, [this] { showRequestResult(m_session.StepDay(1)); });
    connect(m_today, &TodayPanel::today, this, [this] { showRequestResult(m_session.GoToday()); });
    connect(m_today, &TodayPanel::dateClicked, this, &TFormMain::dateLabelClicked);
    connect(m_today, &TodayPanel::dateDoubleClicked, this, &TFormMain::openCalendar);
    connect(m_moreSaying, &QPushButton::clicked, this, [this] {
        m_session.MoreSaying();
        showSaying();
    });
    connect(m_astro, &AstroPanelWidget::kalachakraClicked, this,
            [this] { openProgramFile("Img/Kalachakra.jpg"); });
}

void TFormMain::start()
{
    if (m_started)
        return;
    m_started = true;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    m_session.StartUp();
    const TDateRec today = m_session.CurrentDay();
    emit started(QDate(today.Year, today.Month, today.Day));
    showRequestResult(m_session.Refresh());
}

void TFormMain::ShowCurrentDay()
{
    const MainView& view = m_session.View();
    m_today->ShowDay(Text(view.DateLabel), Text(view.WeekdayLabel));
    m_astro->Show(view.Astro);
}

void TFormMain::ShowAstroPanelChanged(bool on)
{
    m_actions.NAstroPanel->setChecked(on);
    m_astro->setVisible(on);
}

void TFormMain::ToolBarShowChanged(bool on)
{
    m_actions.NToolBar->setChecked(on);
    m_actions.ToolBar1->setVisible(on);
}

void TFormMain::ToolBarShowTXTChanged(bool on)
{
    m_actions.NShowCaptions->setChecked(on);
    ShowToolBarCaptions(m_actions, on);
}

void TFormMain::ApplyLooks(const TLooks& looks)
{
    applyOwnLooks(looks);
    if (m_configPartner)
        m_configPartner->ApplyLooks(looks);
}

void TFormMain::SchemeListChanged(const std::vector<std::string>& names)
{
    if (m_configPartner)
        m_configPartner->SchemeListChanged(names);
}

void TFormMain::LogEnableChanged(bool on)
{
    if (m_configPartner)
        m_configPartner->LogEnableChanged(on);
}

void TFormMain::UserLogChanged(bool on)
{
    if (m_configPartner)
        m_configPartner->UserLogChanged(on);
}

void TFormMain::SchemeObjectLoaded(int object)
{
    if (m_configPartner)
        m_configPartner->SchemeObjectLoaded(object);
}

void TFormMain::applyOwnLooks(const TLooks& looks)
{
    m_today->ApplyLooks(looks);
    orvenda::ApplyLook(m_saying, looks[LcWis]);
    orvenda::ApplyLook(m_list, looks[LcEvt]);
}

void TFormMain::showPeriod(TDateRec from, TDateRec to)
{
    m_session.ShowPeriod(from, to);
    showView();
    FitColumns();
}

void TFormMain::showCommandResult(const CommandResult& result, std::optional<WidestTexts> widest)
{
    syncMarks();
    showView();
    FitColumns(widest);
    FitWindowWidth();
    emit journalChanged();
    m_session.Report(result);
}

void TFormMain::showRequestResult(const CommandResult& result)
{
    syncMarks();
    emit journalChanged();
    m_session.Report(result);
}

void TFormMain::showView()
{
    const MainView& view = m_session.View();
    m_today->ShowDay(Text(view.DateLabel), Text(view.WeekdayLabel));
    m_astro->Show(view.Astro);
    showSaying();
    m_quietSelection = true;
    m_model->SetRows(view.Events);
    m_quietSelection = false;
    m_statusPanels[2]->setText(Text(view.StatusCount));
    m_statusPanels[2]->setMinimumWidth(
        std::max(m_statusPanels[2]->fontMetrics().horizontalAdvance(m_statusPanels[2]->text()) + 10, 24));
    m_statusPanels[3]->setText(Text(view.StatusFiles));
    showDetails(Text(view.StatusDetails));
    setRowCommandsEnabled(false);
}

void TFormMain::showSaying()
{
    const MainView& view = m_session.View();
    m_saying->setPlainText(Text(view.Saying[0]) + QLatin1Char('\n') + Text(view.Saying[1]));
    QTextCursor cursor = m_saying->textCursor();
    cursor.movePosition(QTextCursor::Start);
    m_saying->setTextCursor(cursor);
}

void TFormMain::syncMarks()
{
    const TConfigRec& config = m_session.Config();
    ToolBarShowChanged(config.ToolBarShow);
    ToolBarShowTXTChanged(config.ToolBarShowTXT);
    ShowAstroPanelChanged(config.ShowAstroPanel);
    m_actions.NEvtGroup->setChecked(config.ViewGroup);
    m_actions.NDateInStr->setChecked(config.ViewDateInStr);
}

void TFormMain::FitColumns(std::optional<WidestTexts> widest)
{
    const bool dateInLine = m_session.Config().ViewDateInStr;
    if (!widest) {
        const QFontMetrics metrics(m_list->font());
        widest = MeasureRows(m_model->Rows(), dateInLine, TextWidth(metrics));
    }
    m_widths = orvenda::FitColumns(*widest, dateInLine, m_list->viewport()->width());
    applyColumnWidths();
}

void TFormMain::applyColumnWidths()
{
    const int room = m_list->viewport()->width();
    // Without the date in the line the text column is as wide as the list
    // is now, not as it was when the columns were fitted.
    if (!m_session.Config().ViewDateInStr)
        m_widths.w1 = std::max(room, 0);
    m_list->setColumnHidden(EventListModel::DateColumn, m_widths.w0 == 0);
    m_list->setColumnWidth(EventListModel::DateColumn, m_widths.w0);
    // The text column reaches at least to the list's right edge, so that a
    // selected row is marked across the whole list.
    const int date = m_list->isColumnHidden(EventListModel::DateColumn)
                         ? 0
                         : m_list->columnWidth(EventListModel::DateColumn);
    m_list->setColumnWidth(EventListModel::TextColumn, std::max(m_widths.w1, room - date));
}

int TFormMain::listChrome() const
{
    // The rows overflow the list when their heights add up to more than it
    // shows; the scroll bar may not be laid out yet.
    const bool overflows = m_list->verticalHeader()->length() > m_list->viewport()->height();
    const int scrollBar = overflows ? m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                                   m_list->verticalScrollBar())
                                    : 0;
    return width() - m_list->width() + 2 * m_list->frameWidth() + scrollBar;
}

void TFormMain::FitWindowWidth()
{
    const QScreen* screen = this->screen();
    if (!screen || m_session.View().Count <= 0 || !m_session.Config().AdjustFormSize)
        return;
    const QRect area = screen->geometry();
    const int frame = frameGeometry().width() - width();
    const int fitted =
        orvenda::FitWindowWidth(m_widths.w0 + m_widths.textWidth, frame / 2, area.width(), listChrome());
    resize(std::max(fitted - frame, minimumWidth()), height());
    move(CentredLeft(area.left(), area.width(), frameGeometry().width()), y());
    applyColumnWidths();
}

void TFormMain::setRowCommandsEnabled(bool on)
{
    m_actions.NEvtEdit->setEnabled(
        on && isSignalConnected(QMetaMethod::fromSignal(&TFormMain::recordEditRequested)));
    m_actions.NSwitchOff->setEnabled(on);
    m_actions.NDelete->setEnabled(on);
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    start();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (!mayQuit()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    emit exitAccepted();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyColumnWidths();
}

void TFormMain::connectNotify(const QMetaMethod& signal)
{
    QMainWindow::connectNotify(signal);
    // The entries of a window that has joined the program.
    const MainActions& a = m_actions;
    const std::pair<QMetaMethod, std::vector<QAction*>> entries[] = {
        {QMetaMethod::fromSignal(&TFormMain::periodRequested), {a.NPeriod, a.TBPeriod}},
        {QMetaMethod::fromSignal(&TFormMain::editorRequested), {a.NEditor, a.TBEditor, a.NEvtEditor}},
        {QMetaMethod::fromSignal(&TFormMain::addToListRequested), {a.NAddToList}},
        {QMetaMethod::fromSignal(&TFormMain::eventListRequested), {a.NEvtList, a.TBEvtList}},
        {QMetaMethod::fromSignal(&TFormMain::tablesRequested), {a.NTables, a.TBTables}},
        {QMetaMethod::fromSignal(&TFormMain::calculatorRequested), {a.NCalculator, a.TBCalculator}},
        {QMetaMethod::fromSignal(&TFormMain::textEditorRequested), {a.NTextEditor, a.TBTextEditor}},
        {QMetaMethod::fromSignal(&TFormMain::optionsRequested), {a.NOptions, a.TBOptions, a.NEvtOptions}},
    };
    for (const auto& [request, actions] : entries)
        if (signal == request)
            for (QAction* action : actions)
                if (action)
                    action->setEnabled(true);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        applyColumnWidths();
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::event(QEvent* event)
{
    // Hints of menu entries and buttons go to the first status panel, and the
    // other panels stay where they are.
    if (event->type() == QEvent::StatusTip && m_statusPanels[0]) {
        m_statusPanels[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace orvenda
