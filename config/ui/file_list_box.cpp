#include "config/ui/file_list_box.h"

#include "config/ui/listed_files_model.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace orvenda {

namespace {

struct ListTexts {
    const char* caption;
    const char* openHint;
    const char* addHint;
    const char* removeHint;
    const char* clearHint;
    const char* namePrefix; // of the controls' object names
};

const ListTexts& textsOf(FileListKind kind)
{
    static const ListTexts events{"Подключенные файлы событий:", "Открыть файл в Редакторе событий",
                                  "Добавить файл событий",       "Убрать файл событий",
                                  "Убрать все файлы событий",    "event"};
    static const ListTexts wisdom{"Подключенные файлы высказываний:", "Открыть файл в Редакторе высказываний",
                                  "Добавить файл высказываний",       "Убрать файл высказываний",
                                  "Убрать все файлы высказываний",    "wisdom"};
    return kind == FileListKind::Events ? events : wisdom;
}

constexpr int RowHeight = 19;
// Room beside each column's widest text.
constexpr int ColumnMargin = 10;

QToolButton* listButton(const QString& text, const char* hint, const QString& objectName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(QString::fromUtf8(hint));
    button->setObjectName(objectName);
    button->setMinimumSize(26, 24);
    return button;
}

} // namespace

FileListBox::FileListBox(OptionsState& state, FileListKind kind, QWidget* parent)
    : QWidget(parent), m_state(state), m_kind(kind)
{
    const ListTexts& texts = textsOf(kind);
    const QString prefix = QString::fromLatin1(texts.namePrefix);

    m_model = new ListedFilesModel(state.Files(kind), this);
    m_view = new QTableView(this);
    m_view->setObjectName(prefix + QStringLiteral("Files"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_view->horizontalHeader()->setStretchLastSection(false);
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::yellow);
    m_view->setPalette(palette);
    m_view->installEventFilter(this);

    auto* open = listButton(QStringLiteral("..."), texts.openHint, prefix + QStringLiteral("Open"), this);
    auto* add = listButton(QStringLiteral("+"), texts.addHint, prefix + QStringLiteral("Add"), this);
    auto* remove = listButton(QStringLiteral("-"), texts.removeHint, prefix + QStringLiteral("Remove"), this);
    auto* clear = listButton(QStringLiteral("x"), texts.clearHint, prefix + QStringLiteral("Clear"), this);

    // One column of equal buttons, as wide as the widest caption needs.
    int width = 0;
    for (QToolButton* button : {open, add, remove, clear}) {
        width = std::max(width, button->sizeHint().width());
    }
    for (QToolButton* button : {open, add, remove, clear}) {
        button->setFixedWidth(width);
    }

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(QString::fromUtf8(texts.caption), this), 0, 0, 1, 2);
    layout->addWidget(m_view, 1, 0, 5, 1);
    layout->addWidget(open, 1, 1);
    layout->addWidget(add, 2, 1);
    layout->addWidget(remove, 3, 1);
    layout->addWidget(clear, 4, 1);
    layout->setRowStretch(5, 1);

    connect(open, &QToolButton::clicked, this, &FileListBox::openSelected);
    connect(add, &QToolButton::clicked, this, &FileListBox::addFile);
    connect(remove, &QToolButton::clicked, this, &FileListBox::removeFile);
    connect(clear, &QToolButton::clicked, this, &FileListBox::clearFiles);
    connect(m_view, &QTableView::doubleClicked, this, &FileListBox::openSelected);
    load();
}

void FileListBox::load()
{
    const int row = selectedRow();
    m_model->reload();
    fitColumns();
    selectRow(row);
}

void FileListBox::fitColumns()
{
    const QFontMetrics metrics(m_view->font());
    for (int column = 0; column < ListedFilesModel::ColumnCount; ++column) {
        int widest = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            widest =
                std::max(widest, metrics.horizontalAdvance(m_model->index(row, column).data().toString()));
        }
        m_view->setColumnWidth(column, widest + ColumnMargin);
    }
}

int FileListBox::selectedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void FileListBox::selectRow(int row)
{
    const int rows = m_model->rowCount();
    if (rows > 0) {
        m_view->selectRow(std::clamp(row, 0, rows - 1));
    }
}

void FileListBox::addFile()
{
    const std::optional<std::string> chosenPath =
        m_state.AskFileToAdd(m_kind, static_cast<std::size_t>(selectedRow()));
    if (!chosenPath) {
        return;
    }
    const QString path = QString::fromStdString(*chosenPath);
    m_model->reload();
    fitColumns();
    // The row of the chosen file, new or already listed.
    const std::vector<TListedFile>& files = m_state.Files(m_kind);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const TListedFile chosen{path.left(slash + 1).toStdString(), path.mid(slash + 1).toStdString()};
    auto at = std::find(files.begin(), files.end(), chosen);
    if (at == files.end()) {
        at = std::find_if(files.begin(), files.end(),
                          [&](const TListedFile& f) { return f.Name == chosen.Name; });
    }
    selectRow(static_cast<int>(at - files.begin()));
}

void FileListBox::removeFile()
{
    const int row = selectedRow();
    m_state.RemoveFile(m_kind, static_cast<std::size_t>(row));
    load();
    selectRow(row);
}

void FileListBox::clearFiles()
{
    m_state.ClearFiles(m_kind);
    load();
    selectRow(0);
}

void FileListBox::openSelected()
{
    if (const std::optional<std::string> path =
            m_state.FilePath(m_kind, static_cast<std::size_t>(selectedRow()))) {
        emit openInEditor(QString::fromStdString(*path));
    }
}

bool FileListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Delete:
            removeFile();
            return true;
        case Qt::Key_Insert:
            addFile();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openSelected();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvenda
