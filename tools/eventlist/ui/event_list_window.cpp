#include "tools/eventlist/ui/event_list_window.h"

#include "engine/date_format.h"
#include "engine/file_failure.h"
#include "engine/file_filter.h"
#include "engine/questions.h"
#include "tools/eventlist/ui/evt_list_table_model.h"
#include "tools/reports/report_file.h"
#include "tools/reports/reports.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvenda {

namespace {

constexpr int kPictureSize = 40;
constexpr int kLinkCell = 30;

// The caption of each picture, the words of the heading over the row.
constexpr const char* kPictureCaptions[9] = {"Век",  "Год", "Мес", "Дек",   "Нед",
                                             "День", "Час", "Мин", "Зодиак"};
constexpr const char* kPictureNames[9] = {"ImageCentury", "ImageYear", "ImageMonth",
                                          "ImageDecade",  "ImageWeek", "ImageDay",
                                          "ImageHour",    "ImageMin",  "ImageZodiak"};
// The decade and zodiac pictures show no links.
constexpr bool kShowsLinks[9] = {true, true, true, false, true, true, true, true, false};

const QString kSaveQuestion = QStringLiteral("Список событий не был сохранён! Сохранить?");
const QString kListFilter = QStringLiteral(
    "Список событий (*.evl)|*.evl|Файлы событий (*.evt)|*.evt|Инд. сведения ПФР (*.0*)|*.0*|Все файлы|*.*");
// The "C" of "Cписки" is Latin, as it always was.
const QString kSaveFilter = QStringLiteral("Cписки событий (*.evl)|*.evl|Все файлы (*.*)|*.*");

// Pictures fill their cell of the links grid, scaled.
class PictureCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QVariant picture = index.data(Qt::DecorationRole);
        if (picture.canConvert<QPixmap>() && !picture.value<QPixmap>().isNull()) {
            painter->drawPixmap(option.rect, picture.value<QPixmap>());
            return;
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

QString Caption()
{
    return QString::fromUtf8(EvtListCaption.data(), static_cast<int>(EvtListCaption.size()));
}

} // namespace

TFormEvtList::TFormEvtList(Questions& questions, ReportSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window), m_questions(questions), m_setup(std::move(setup))
{
    setObjectName(QStringLiteral("FormEvtList"));
    setWindowTitle(Caption());

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    TBLoad =
        toolBar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("Открыть"));
    TBLoad->setObjectName(QStringLiteral("TBLoad"));
    TBLoad->setToolTip(QStringLiteral("Загрузить список событий"));
    TBSave =
        toolBar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Сохранить"));
    TBSave->setObjectName(QStringLiteral("TBSave"));
    TBSave->setToolTip(QStringLiteral("Сохранить список событий"));
    TBExcel = toolBar->addAction(QStringLiteral("Excel"));
    TBExcel->setObjectName(QStringLiteral("TBExcel"));
    TBExcel->setToolTip(QStringLiteral("Список событий в Excel"));

    // The term and the event to add.
    ESrok = new QLineEdit(this);
    ESrok->setObjectName(QStringLiteral("ESrok"));
    ESrok->setPlaceholderText(QStringLiteral("д.м.г ч:м"));
    EEvt = new QLineEdit(this);
    EEvt->setObjectName(QStringLiteral("EEvt"));
    BNow = new QToolButton(this);
    BNow->setObjectName(QStringLiteral("BNow"));
    BNow->setText(QStringLiteral("Сейчас"));
    BNow->setToolTip(QStringLiteral("Сейчас"));
    BAdd = new QPushButton(QStringLiteral("Добавить"), this);
    BAdd->setObjectName(QStringLiteral("BAdd"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Срок"), this));
    top->addWidget(ESrok);
    top->addWidget(BNow);
    top->addSpacing(8);
    top->addWidget(new QLabel(QStringLiteral("Событие"), this));
    top->addWidget(EEvt, 1);
    top->addWidget(BAdd);
    // Tab walks the row as it stands; "Сейчас" was made after the event field.
    setTabOrder(ESrok, BNow);
    setTabOrder(BNow, EEvt);
    setTabOrder(EEvt, BAdd);

    m_model = new EvtListTableModel(m_list, this);
    DBGridEvtList = new QTableView(this);
    DBGridEvtList->setObjectName(QStringLiteral("DBGridEvtList"));
    DBGridEvtList->setModel(m_model);
    DBGridEvtList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridEvtList->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGridEvtList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEvtList->horizontalHeader()->setStretchLastSection(true);
    // 110 pixels, or more when the font needs it for a term with a time.
    const int termWidth = fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000  00:00")) + 16;
    DBGridEvtList->setColumnWidth(0, std::max(110, termWidth));
    DBGridEvtList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    // The row of pictures, each with its caption above it.
    auto* pictures = new QGridLayout;
    pictures->setHorizontalSpacing(6);
    pictures->setVerticalSpacing(2);
    for (int i = 0; i < 9; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kPictureCaptions[i]), this);
        caption->setAlignment(Qt::AlignHCenter);
        auto* image = new QToolButton(this);
        image->setObjectName(QLatin1String(kPictureNames[i]));
        image->setAutoRaise(true);
        image->setIconSize(QSize(kPictureSize, kPictureSize));
        image->setEnabled(false);
        pictures->addWidget(caption, 0, i, Qt::AlignHCenter);
        pictures->addWidget(image, 1, i, Qt::AlignHCenter);
        m_images[static_cast<std::size_t>(i)] = image;
        if (kShowsLinks[i])
            connect(image, &QToolButton::clicked, this,
                    [this, image] { ShowLinks(image->toolTip().toInt()); });
    }
    BClear = new QToolButton(this);
    BClear->setObjectName(QStringLiteral("BClear"));
    BClear->setText(QStringLiteral("X"));
    BClear->setToolTip(QStringLiteral("Очистить список"));
    BDel = new QToolButton(this);
    BDel->setObjectName(QStringLiteral("BDel"));
    BDel->setText(QStringLiteral("-"));
    BDel->setToolTip(QStringLiteral("Удалить запись"));
    BDel->setEnabled(false);
    for (QToolButton* b : {BClear, BDel})
        b->setMinimumSize(28, 28);
    auto* below = new QHBoxLayout;
    below->addLayout(pictures);
    below->addStretch(1);
    below->addWidget(BDel, 0, Qt::AlignBottom);
    below->addWidget(BClear, 0, Qt::AlignBottom);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(DBGridEvtList, 1);
    left->addLayout(below);

    // The links of a principle with the points of stars.
    auto* starsLabel = new QLabel(QStringLiteral("Отобразить взаимодействия принципов для звёзд с указанным "
                                                 "количеством лучей. Числа разделять пробелом или запятой"),
                                  this);
    starsLabel->setWordWrap(true);
    EStars = new QLineEdit(QStringLiteral("3,4,5,6,7,9"), this);
    EStars->setObjectName(QStringLiteral("EStars"));
    LLinks = new QLabel(QStringLiteral("Связи между принципами"), this);
    LLinks->setObjectName(QStringLiteral("LLinks"));
    LLinks->setWordWrap(true);
    ImageCurPrinciple = new QLabel(this);
    ImageCurPrinciple->setObjectName(QStringLiteral("ImageCurPrinciple"));
    ImageCurPrinciple->setFixedSize(kPictureSize, kPictureSize);
    SG1 = new QTableWidget(this);
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->horizontalHeader()->hide();
    SG1->verticalHeader()->hide();
    SG1->horizontalHeader()->setMinimumSectionSize(kLinkCell);
    SG1->verticalHeader()->setMinimumSectionSize(kLinkCell);
    SG1->horizontalHeader()->setDefaultSectionSize(kLinkCell);
    SG1->verticalHeader()->setDefaultSectionSize(kLinkCell);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setSelectionMode(QAbstractItemView::NoSelection);
    SG1->setItemDelegate(new PictureCellDelegate(SG1));
    auto* linksHead = new QHBoxLayout;
    linksHead->addWidget(ImageCurPrinciple);
    linksHead->addWidget(LLinks, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(starsLabel);
    right->addWidget(EStars);
    right->addLayout(linksHead);
    right->addWidget(SG1, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(toolBar);
    layout->addLayout(body);
    resize(960, 560);

    EnableControls(false);

    connect(BNow, &QToolButton::clicked, this, &TFormEvtList::BNowClick);
    connect(BAdd, &QPushButton::clicked, this, &TFormEvtList::BAddClick);
    connect(EEvt, &QLineEdit::returnPressed, this, &TFormEvtList::BAddClick);
    connect(BDel, &QToolButton::clicked, this, &TFormEvtList::BDelClick);
    connect(BClear, &QToolButton::clicked, this, &TFormEvtList::BClearClick);
    connect(TBSave, &QAction::triggered, this, &TFormEvtList::TBSaveClick);
    connect(TBLoad, &QAction::triggered, this, &TFormEvtList::TBLoadClick);
    connect(TBExcel, &QAction::triggered, this, &TFormEvtList::TBExcelClick);
    connect(EStars, &QLineEdit::returnPressed, this, &TFormEvtList::EStarsReturn);
    connect(DBGridEvtList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFormEvtList::CurrentRowChanged);
}

TFormEvtList::~TFormEvtList() = default;

bool TFormEvtList::AddEntry(TDateRec date, const QString& text)
{
    if (!m_list.Add(date, text.toStdString())) {
        m_questions.ShowError(std::string(EvtListErrorCaption), std::string(InvalidDateMessage));
        return false;
    }
    m_model->Reset();
    SelectRow(static_cast<int>(m_list.Size()) - 1);
    ShowCharacteristics();
    EnableControls(true);
    return true;
}

bool TFormEvtList::AskToSaveChanges()
{
    if (!m_list.Modified() || m_list.Empty())
        return true;
    switch (m_questions.Ask(Caption().toStdString(), kSaveQuestion.toStdString(),
                            Questions::Buttons::NoOkCancel)) {
    case Questions::Answer::Ok:
        return Save();
    case Questions::Answer::No:
        return true;
    case Questions::Answer::Cancel:
        break;
    }
    return false;
}

void TFormEvtList::closeEvent(QCloseEvent* event)
{
    if (AskToSaveChanges())
        event->accept();
    else
        event->ignore();
}

void TFormEvtList::BNowClick()
{
    ESrok->setText(QString::fromStdString(FormatDate(m_setup.clock(), "d.m.Y  H:M")));
}

void TFormEvtList::BAddClick()
{
    AddEntry(ReadDate(ESrok->text().toStdString(), DayFirst, UnsetDateTime), EEvt->text());
}

void TFormEvtList::BDelClick()
{
    const int row = DBGridEvtList->currentIndex().row();
    if (row < 0)
        return;
    m_list.Delete(static_cast<std::size_t>(row));
    m_model->Reset();
    if (m_list.Empty()) {
        EnableControls(false);
        return;
    }
    SelectRow(std::min(row, static_cast<int>(m_list.Size()) - 1));
    ShowCharacteristics();
}

void TFormEvtList::BClearClick()
{
    // "X" throws the entries away: unsaved ones are offered for saving first.
    if (!AskToSaveChanges())
        return;
    m_list.Clear();
    m_model->Reset();
    EnableControls(false);
    m_fileName.clear();
    setWindowTitle(Caption());
}

bool TFormEvtList::Save()
{
    const QString folder = m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
    QString path = QString::fromStdString(m_questions.SaveFileName(
        {"Сохранить список событий", folder.toStdString(), FileFilter{kSaveFilter.toStdString(), 1}, "evl"}));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".evl");
    const SaveResult result = SaveEvtListFile(path.toStdString(), m_list);
    if (!result.ok()) {
        m_questions.ShowError(std::string(EvtListErrorCaption),
                              FailureText(FailureOf(result, path.toStdString()), FailureWording::SaveFailed));
        return false;
    }
    m_list.MarkSaved();
    m_fileName = path;
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - ") + Caption());
    return true;
}

void TFormEvtList::TBSaveClick()
{
    Save();
}

void TFormEvtList::TBLoadClick()
{
    const QString folder = m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
    const QString path = QString::fromStdString(m_questions.OpenFileName(
        {"Загрузить список событий", folder.toStdString(), FileFilter{kListFilter.toStdString(), 1}}));
    if (path.isEmpty())
        return;
    m_fileName = path;
    setWindowTitle(path + QStringLiteral(" - ") + Caption());
    const ImportResult result = ImportEvtListFile(path.toStdString(), m_list);
    m_model->Reset();
    const std::string message = ImportMessage(result, path.toStdString());
    if (!m_list.Empty()) {
        SelectRow(static_cast<int>(m_list.Size()) - 1);
        ShowCharacteristics();
        EnableControls(true);
    }
    if (result.readFailed)
        m_questions.ShowError(std::string(EvtListErrorCaption), message);
    else if (!message.empty())
        m_questions.Inform(Caption().toStdString(), message);
}

void TFormEvtList::EStarsReturn()
{
    if (!m_currentPrinciple.isEmpty())
        ShowLinks(m_currentPrinciple.toInt());
}

void TFormEvtList::CurrentRowChanged()
{
    if (m_list.IsOpen() && !m_list.Empty())
        ShowCharacteristics();
}

void TFormEvtList::SelectRow(int row)
{
    if (row < 0)
        return;
    DBGridEvtList->setCurrentIndex(m_model->index(row, 0));
}

void TFormEvtList::ShowCharacteristics()
{
    const int row = DBGridEvtList->currentIndex().row();
    if (row < 0 || static_cast<std::size_t>(row) >= m_list.Size())
        return;
    const EntryPictures pictures = EntryCharacteristics(m_list.Records()[static_cast<std::size_t>(row)]);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        m_images[i]->setIcon(QIcon(Picture(EntryPictureFile(pictures[i]))));
        m_images[i]->setToolTip(QString::fromStdString(pictures[i].hint));
    }
}

void TFormEvtList::EnableControls(bool enabled)
{
    for (QToolButton* image : m_images)
        image->setEnabled(enabled);
    BDel->setEnabled(enabled);
    TBExcel->setEnabled(enabled);
}

void TFormEvtList::ShowLinks(int principle)
{
    m_currentPrinciple = QString::number(principle);
    ImageCurPrinciple->setPixmap(
        Picture(EntryPictureFile({PictureKind::Principle, principle, {}}))
            .scaled(kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ImageCurPrinciple->setToolTip(m_currentPrinciple);
    SG1->clear();
    LLinks->setText(QString::fromStdString(LinksCaption(principle)));
    if (LLinks->text().isEmpty()) {
        SG1->setRowCount(0);
        SG1->setColumnCount(0);
        return;
    }
    const LinksGrid grid = MakeLinksGrid(principle, StarNumbers(EStars->text().toStdString()));
    SG1->setRowCount(grid.rows);
    SG1->setColumnCount(grid.columns);
    auto numberItem = [](int n) {
        auto* item = new QTableWidgetItem(QString::number(n));
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    for (int c = 1; c < grid.columns; ++c)
        SG1->setItem(0, c, numberItem(c));
    for (int r = 1; r < grid.rows; ++r) {
        SG1->setItem(r, 0, numberItem(grid.starOfRow[static_cast<std::size_t>(r)]));
        for (int c = 1; c <= grid.starOfRow[static_cast<std::size_t>(r)]; ++c) {
            const int linked = grid.Cell(r, c);
            auto* item = new QTableWidgetItem;
            item->setData(Qt::DecorationRole,
                          Picture(EntryPictureFile({PictureKind::Principle, linked, {}})));
            item->setToolTip(QString::number(linked));
            SG1->setItem(r, c, item);
        }
    }
}

// The workbook of the whole list with every entry's characteristics and
// their counts, in the order of the grid.
void TFormEvtList::TBExcelClick()
{
    ShowReport(m_questions, m_setup, reports::ListReport(m_setup.Folders(), m_list.Records()),
               reports::kListReportName);
}

QPixmap TFormEvtList::Picture(const std::string& relativePath)
{
    const QString path = QString::fromStdString(m_setup.dataFolder + relativePath);
    auto found = m_pictures.find(path);
    if (found == m_pictures.end())
        found = m_pictures.insert(path, QPixmap(path));
    return found.value();
}

} // namespace orvenda
