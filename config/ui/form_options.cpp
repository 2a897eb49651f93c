#include "config/ui/form_options.h"

#include "config/ui/file_list_box.h"
#include "config/ui/misc_page.h"
#include "config/ui/view_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvenda {

namespace {

// The client area the window was laid out for; it grows when the fonts of
// the desktop need more room.
constexpr QSize PlannedSize(437, 348);

} // namespace

TFormOptions::TFormOptions(TConfigRec& config, QString programFolder, QString autostartDir,
                           QString programPath, Journal& journal, Questions& questions, QWidget* parent)
    : QWidget(parent, Qt::Dialog),
      m_state(config,
              OptionsEnvironment{programFolder.toStdString(), autostartDir.toStdString(),
                                 programPath.toStdString()},
              journal, questions)
{
    setWindowTitle(QStringLiteral("Настройки"));

    m_view = new ViewPage(m_state, this);
    auto* files = new QWidget(this);
    m_eventFiles = new FileListBox(m_state, FileListKind::Events, files);
    m_wisdomFiles = new FileListBox(m_state, FileListKind::Wisdom, files);
    auto* filesLayout = new QVBoxLayout(files);
    filesLayout->addWidget(m_eventFiles, 3);
    filesLayout->addSpacing(4);
    filesLayout->addWidget(m_wisdomFiles, 2);
    m_misc = new MiscPage(m_state, this);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(m_view, QStringLiteral("Вид"));
    m_tabs->addTab(files, QStringLiteral("Файлы"));
    m_tabs->addTab(m_misc, QStringLiteral("Разное"));
    m_tabs->setCurrentWidget(files);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TFormOptions::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
    connect(m_view, &ViewPage::looksApplied, this, &TFormOptions::looksApplied);
    connect(m_eventFiles, &FileListBox::openInEditor, this, &TFormOptions::openInEditor);
    connect(m_wisdomFiles, &FileListBox::openInEditor, this, &TFormOptions::openInEditor);
    connect(m_misc, &MiscPage::astroPanelToggled, this, &TFormOptions::astroPanelToggled);

    resize(PlannedSize.expandedTo(minimumSizeHint()));
}

void TFormOptions::load()
{
    m_view->load();
    m_eventFiles->load();
    m_wisdomFiles->load();
    m_misc->load();
}

void TFormOptions::Show()
{
    m_state.Show();
    load();
    show();
    raise();
    activateWindow();
}

void TFormOptions::accept()
{
    // A configuration that could not be written has been shown to the user
    // and written to the journal; the settings stay in force while the
    // program runs.
    if (!m_state.Accept().ok())
        emit journalChanged();
    hide();
}

void TFormOptions::SchemeListChanged(const std::vector<std::string>& names)
{
    m_state.SetSchemeList(names);
    m_view->loadSchemes();
}

void TFormOptions::LogEnableChanged(bool)
{
    m_misc->load();
}

void TFormOptions::UserLogChanged(bool)
{
    m_misc->load();
}

void TFormOptions::SchemeObjectLoaded(int)
{
    m_view->refreshObject();
}

void TFormOptions::ApplyLooks(const TLooks&)
{
    m_state.ApplyLooks();
    load();
}

} // namespace orvenda
