#include "tools/tables/ui/tables_window.h"

#include "engine/questions.h"
#include "engine/text_output.h"
#include "tools/reports/report_file.h"
#include "tools/reports/reports.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvenda {

namespace {

const QString kCaption = QStringLiteral("Таблицы");
const QString kShow = QStringLiteral("Показать");

// The pages in the order of the tree's nodes: object name and title.
struct PageInfo {
    const char* name;
    const char* title;
};
constexpr PageInfo kPages[] = {
    {"TSKala", "Калачакра"},
    {"TSKalaCentury", "Век"},
    {"TSKalaYear", "Год"},
    {"TSKalaMonth", "Месяц"},
    {"TSKalaDecade", "Декада"},
    {"TSKalaWeek", "Неделя"},
    {"TSKalaDay", "День"},
    {"TSZodiak", "Зодиак"},
    {"TSZodiakAge", "Эпоха"},
    {"TSZodiak5Years", "Знаки Зодиака пятилеток"},
    {"TSZodiakYear", "Знаки Зодиака в году"},
    {"TSCalendar", "Календарь"},
};

QSpinBox* SpinEdit(QWidget* parent, const char* name, int value, int limit, int minimum = 0)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum ? minimum : -limit, limit);
    spin->setValue(value);
    spin->setAccelerated(true);
    return spin;
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

QLabel* Label(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

// A row of controls with the room on its right left empty.
QHBoxLayout* Row(QBoxLayout* into)
{
    auto* row = new QHBoxLayout;
    into->addLayout(row);
    return row;
}

void Finish(QHBoxLayout* row)
{
    row->addStretch(1);
}

// "от" and "до" before their spin edits.
void AddRange(QHBoxLayout* row, QWidget* parent, QSpinBox* from, QSpinBox* to)
{
    row->addWidget(Label(parent, QStringLiteral("от")));
    row->addWidget(from);
    row->addSpacing(8);
    row->addWidget(Label(parent, QStringLiteral("до")));
    row->addWidget(to);
}

TableRequest Request(TableKind kind)
{
    TableRequest request;
    request.kind = kind;
    return request;
}

TDateRec DateOf(const QDateEdit* picker)
{
    const QDate d = picker->date();
    return MakeDate(d.year(), d.month(), d.day());
}

} // namespace

TFormTables::TFormTables(Questions& questions, TextOutput& output, const PrincipleColours& colours,
                         ReportSetup reports, QWidget* parent)
    : QWidget(parent, Qt::Window), m_questions(questions), m_output(output), m_colours(colours),
      m_reports(std::move(reports))
{
    setObjectName(QStringLiteral("FormTables"));
    setWindowTitle(kCaption);
    resize(704, 239);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setFixedWidth(121);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto node = [](QTreeWidgetItem* parent, const char* text) {
        auto* item = new QTreeWidgetItem(parent, {QString::fromUtf8(text)});
        return item;
    };
    auto* kala = new QTreeWidgetItem(TreeView1, {QStringLiteral("Калачакра")});
    for (const char* text : {"Век", "Год", "Месяц", "Декада", "Неделя", "День"})
        node(kala, text);
    auto* zodiak = new QTreeWidgetItem(TreeView1, {QStringLiteral("Зодиак")});
    for (const char* text : {"Эпоха", "Пятилетка", "Год"})
        node(zodiak, text);
    new QTreeWidgetItem(TreeView1, {QStringLiteral("Календарь")});
    TreeView1->expandAll();
    // Nodes stay open: the page index is the position in the open tree.
    TreeView1->setItemsExpandable(false);
    TreeView1->setRootIsDecorated(false);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    std::vector<QVBoxLayout*> pages;
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(QLatin1String(info.name));
        auto* layout = new QVBoxLayout(page);
        auto* title = new QLabel(QString::fromUtf8(info.title), page);
        title->setObjectName(QLatin1String(info.name) + QStringLiteral("Title"));
        QFont font = title->font();
        font.setBold(true);
        font.setPixelSize(16);
        title->setFont(font);
        title->setAlignment(Qt::AlignHCenter);
        layout->addWidget(title);
        PageControl1->addWidget(page);
        pages.push_back(layout);
    }
    auto pageWidget = [&](int i) { return PageControl1->widget(i); };

    // Tables of a range: centuries, years, the signs of five-year periods
    // (with their check box). The inputs are made by the caller first, so the
    // focus moves through them before "Показать".
    auto rangePage = [&](int index, const char* caption, QSpinBox* from, QSpinBox* to, QWidget* extra,
                         const char* buttonName, void (TFormTables::*handler)()) {
        QWidget* p = pageWidget(index);
        auto* button = ToolButton(p, buttonName, kShow, kShow);
        QHBoxLayout* row = Row(pages[static_cast<std::size_t>(index)]);
        row->addWidget(Label(p, QString::fromUtf8(caption)));
        AddRange(row, p, from, to);
        if (extra)
            row->addWidget(extra);
        row->addWidget(button);
        Finish(row);
        connect(button, &QToolButton::clicked, this, handler);
    };
    CSECentury1 = SpinEdit(pageWidget(1), "CSECentury1", 19, kTableCenturyLimit);
    CSECentury2 = SpinEdit(pageWidget(1), "CSECentury2", 21, kTableCenturyLimit);
    rangePage(1, "Принцип века.", CSECentury1, CSECentury2, nullptr, "TBCentury",
              &TFormTables::TBCenturyClick);
    CSpinEdit1 = SpinEdit(pageWidget(2), "CSpinEdit1", 1950, kTableYearLimit);
    CSpinEdit2 = SpinEdit(pageWidget(2), "CSpinEdit2", 2050, kTableYearLimit);
    rangePage(2, "Принцип года.", CSpinEdit1, CSpinEdit2, nullptr, "ToolButton1",
              &TFormTables::ToolButton1Click);
    // One-year tables: month, decade, week, zodiac signs of a year, calendar.
    auto yearPage = [&](int index, const char* spinName, const char* caption, const char* buttonName,
                        void (TFormTables::*handler)()) {
        QWidget* p = pageWidget(index);
        QSpinBox* spin = SpinEdit(p, spinName, 2006, kTableYearLimit);
        auto* button = ToolButton(p, buttonName, kShow, kShow);
        QHBoxLayout* row = Row(pages[static_cast<std::size_t>(index)]);
        row->addWidget(Label(p, QString::fromUtf8(caption)));
        row->addWidget(spin);
        row->addWidget(button);
        Finish(row);
        connect(button, &QToolButton::clicked, this, handler);
        return spin;
    };
    CSEmonth_year =
        yearPage(3, "CSEmonth_year", "Принципы месяцев в году", "TBMonth", &TFormTables::TBMonthClick);
    CSEdecade_year =
        yearPage(4, "CSEdecade_year", "Энергия декады на год", "TBDecade", &TFormTables::TBDecadeClick);
    CSEweek_year = yearPage(5, "CSEweek_year", "Принципы недели на год", "TBWeek", &TFormTables::TBWeekClick);
    CSEZodiak_year =
        yearPage(10, "CSEZodiak_year", "Даты знаков Зодиака в году", "TBZodiak", &TFormTables::TBZodiakClick);
    CSpinEditCalYear =
        yearPage(11, "CSpinEditCalYear", "Календарь на год", "TBCalYear", &TFormTables::TBCalYearClick);

    // Day: the birthday tables, the days of a period, the spreadsheet of a year.
    {
        QWidget* p = pageWidget(6);
        auto* years = new QGroupBox(QStringLiteral("Таблицы для нахождения принципа дня. Для годов"), p);
        CSEyear1 = SpinEdit(years, "CSEyear1", 1890, kTableYearLimit);
        CSEyear2 = SpinEdit(years, "CSEyear2", 2017, kTableYearLimit);
        CSEcol_width = SpinEdit(years, "CSEcol_width", 3, kTableMaxColumnWidth, 1);
        CSEcol_width->setToolTip(QStringLiteral("Ширина колонки"));
        auto* excelYear = ToolButton(years, "TBExcelYear", QStringLiteral("Excel"),
                                     QStringLiteral("Построить таблицы Excel"));
        auto* tbYear = ToolButton(years, "TBYear", kShow, kShow);
        auto* yearsRow = new QHBoxLayout(years);
        AddRange(yearsRow, years, CSEyear1, CSEyear2);
        yearsRow->addSpacing(8);
        yearsRow->addWidget(CSEcol_width);
        yearsRow->addWidget(excelYear);
        yearsRow->addWidget(tbYear);
        yearsRow->addStretch(1);

        auto* days = new QGroupBox(QStringLiteral("Принципы дней на период"), p);
        auto picker = [&](const char* name) {
            auto* edit = new QDateEdit(QDate(2006, 3, 2), days);
            edit->setObjectName(QLatin1String(name));
            edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
            edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
            edit->setCalendarPopup(true);
            return edit;
        };
        DateTimePicker1 = picker("DateTimePicker1");
        DateTimePicker2 = picker("DateTimePicker2");
        auto* tbDay = ToolButton(days, "TBDay", kShow, kShow);
        auto* daysRow = new QHBoxLayout(days);
        daysRow->addWidget(Label(days, QStringLiteral("от")));
        daysRow->addWidget(DateTimePicker1);
        daysRow->addWidget(Label(days, QStringLiteral("до")));
        daysRow->addWidget(DateTimePicker2);
        daysRow->addWidget(tbDay);
        daysRow->addStretch(1);

        auto* oneYear = new QGroupBox(QStringLiteral("Таблица на один год."), p);
        CSEyear3 = SpinEdit(oneYear, "CSEyear3", 2006, kTableYearLimit);
        auto* options = ToolButton(oneYear, "TBExcelDayOptions", QStringLiteral("Цвета"),
                                   QStringLiteral("Настройки таблицы Excel"));
        auto* excelDay = ToolButton(oneYear, "TBExcelDay", QStringLiteral("Excel"),
                                    QStringLiteral("Построить таблицу в  Excel"));
        auto* oneYearRow = new QHBoxLayout(oneYear);
        oneYearRow->addWidget(CSEyear3);
        oneYearRow->addWidget(options);
        oneYearRow->addWidget(excelDay);
        oneYearRow->addStretch(1);

        pages[6]->addWidget(years);
        auto* lower = Row(pages[6]);
        lower->addWidget(days);
        lower->addWidget(oneYear);
        connect(tbYear, &QToolButton::clicked, this, &TFormTables::TBYearClick);
        connect(tbDay, &QToolButton::clicked, this, &TFormTables::TBDayClick);
        connect(options, &QToolButton::clicked, this, &TFormTables::principleColoursRequested);
        connect(excelYear, &QToolButton::clicked, this, &TFormTables::TBExcelYearClick);
        connect(excelDay, &QToolButton::clicked, this, &TFormTables::TBExcelDayClick);
    }
    CSEZodiak5year1 = SpinEdit(pageWidget(9), "CSEZodiak5year1", 1960, kTableYearLimit);
    CSEZodiak5year2 = SpinEdit(pageWidget(9), "CSEZodiak5year2", 2020, kTableYearLimit);
    CB5year_combine = new QCheckBox(QStringLiteral("Группировать"), pageWidget(9));
    CB5year_combine->setObjectName(QStringLiteral("CB5year_combine"));
    CB5year_combine->setChecked(true);
    CB5year_combine->setToolTip(QStringLiteral("Группировать года одного принципа"));
    rangePage(9, "Таблица для годов", CSEZodiak5year1, CSEZodiak5year2, CB5year_combine, "TBZodiak5years",
              &TFormTables::TBZodiak5yearsClick);
    for (QVBoxLayout* layout : pages)
        layout->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TreeView1);
    layout->addWidget(PageControl1, 1);

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TFormTables::TreeView1Change);
    TreeView1->setCurrentItem(kala);
}

int TFormTables::AbsoluteIndex(const QTreeWidgetItem* item)
{
    // Count every node before this one in the open tree: the earlier
    // siblings with all their descendants, then the parent itself.
    int index = 0;
    while (item) {
        const QTreeWidgetItem* parent = item->parent();
        const QTreeWidget* tree = item->treeWidget();
        // Qt's index look-ups take non-const items but do not change them.
        auto* self = const_cast<QTreeWidgetItem*>(item);
        const int position = parent ? parent->indexOfChild(self) : tree->indexOfTopLevelItem(self);
        for (int i = 0; i < position; ++i) {
            const QTreeWidgetItem* sibling = parent ? parent->child(i) : tree->topLevelItem(i);
            std::vector<const QTreeWidgetItem*> stack{sibling};
            while (!stack.empty()) {
                const QTreeWidgetItem* n = stack.back();
                stack.pop_back();
                ++index;
                for (int c = 0; c < n->childCount(); ++c)
                    stack.push_back(n->child(c));
            }
        }
        if (parent)
            ++index;
        item = parent;
    }
    return index;
}

void TFormTables::TreeView1Change()
{
    if (const QTreeWidgetItem* item = TreeView1->currentItem())
        PageControl1->setCurrentIndex(AbsoluteIndex(item));
}

void TFormTables::Print(TableRequest request, QSpinBox* from, QSpinBox* to)
{
    if (from && to) {
        if (to->value() < from->value()) {
            const int lower = to->value();
            to->setValue(from->value());
            from->setValue(lower);
        }
        request.from = from->value();
        request.to = to->value();
    }
    SwapIfReversed(request);
    if (const std::optional<std::string> error = TableInputError(request)) {
        m_questions.ShowError(kCaption.toStdString(), *error);
        return;
    }
    const std::uint64_t size = TableSize(request);
    if (size > kTableHardLimit) {
        m_questions.ShowError(kCaption.toStdString(),
                              QStringLiteral("Таблица заняла бы %1 строк: больше %2 строк окно не строит. "
                                             "Выберите меньший промежуток.")
                                  .arg(size)
                                  .arg(kTableHardLimit)
                                  .toStdString());
        return;
    }
    if (size > kTableLineLimit &&
        m_questions.Ask(kCaption.toStdString(),
                        QStringLiteral("Таблица займёт %1 строк, больше %2. Построить её?")
                            .arg(size)
                            .arg(kTableLineLimit)
                            .toStdString(),
                        Questions::Buttons::OkCancel) != Questions::Answer::Ok)
        return;
    PrintTable(request, m_output);
    emit textEditorRequested();
}

void TFormTables::TBCenturyClick()
{
    Print(Request(TableKind::Century), CSECentury1, CSECentury2);
}

void TFormTables::ToolButton1Click()
{
    Print(Request(TableKind::Year), CSpinEdit1, CSpinEdit2);
}

void TFormTables::TBMonthClick()
{
    Print(Request(TableKind::Month), CSEmonth_year, CSEmonth_year);
}

void TFormTables::TBDecadeClick()
{
    Print(Request(TableKind::Decade), CSEdecade_year, CSEdecade_year);
}

void TFormTables::TBWeekClick()
{
    Print(Request(TableKind::Week), CSEweek_year, CSEweek_year);
}

void TFormTables::TBDayClick()
{
    TableRequest r = Request(TableKind::Days);
    r.fromDate = DateOf(DateTimePicker1);
    r.toDate = DateOf(DateTimePicker2);
    Print(r);
}

void TFormTables::TBYearClick()
{
    TableRequest r = Request(TableKind::Birthday);
    r.width = CSEcol_width->value();
    Print(r, CSEyear1, CSEyear2);
}

void TFormTables::TBZodiak5yearsClick()
{
    TableRequest r = Request(TableKind::FiveYearSigns);
    r.grouped = CB5year_combine->isChecked();
    Print(r, CSEZodiak5year1, CSEZodiak5year2);
}

void TFormTables::TBZodiakClick()
{
    Print(Request(TableKind::Zodiac), CSEZodiak_year, CSEZodiak_year);
}

void TFormTables::TBCalYearClick()
{
    Print(Request(TableKind::Calendar), CSpinEditCalYear, CSpinEditCalYear);
}

// The birthday table takes the range as it stands: unlike the text tables it
// does not reorder the spin edits (the report reads a reversed range in order).
void TFormTables::TBExcelYearClick()
{
    ShowReport(m_questions, m_reports,
               reports::BirthdayReport(m_reports.Folders(), CSEyear1->value(), CSEyear2->value()),
               reports::kBirthdayReportName);
}

void TFormTables::TBExcelDayClick()
{
    ShowReport(m_questions, m_reports,
               reports::CalendarReport(m_reports.Folders(), CSEyear3->value(), m_colours),
               reports::kCalendarReportName);
}

} // namespace orvenda
