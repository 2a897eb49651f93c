#include "events/ui/period_window.h"

#include "engine/date_format.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvenda {

namespace {

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

// The pickers reach as far as Qt's dates; the fields take any date.
QDate ToQDate(TDateRec date)
{
    return QDate(date.Year, date.Month, date.Day);
}

} // namespace

TFormEvtOnPeriod::TFormEvtOnPeriod(TDateRec today, std::function<std::int32_t()> currentYear, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      m_presenter(QLocale::system().decimalPoint().toStdString()), m_currentYear(std::move(currentYear))
{
    setObjectName(QStringLiteral("FormEvtOnPeriod"));
    setWindowTitle(QStringLiteral("Показать события за период"));

    auto* dates = new QGridLayout;
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const auto addDate = [&](int row, const QString& caption, const QString& fieldName,
                             const QString& pickerName, QLineEdit*& field, QDateEdit*& picker) {
        auto* label = new QLabel(caption, this);
        field = new QLineEdit(this);
        field->setObjectName(fieldName);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
        picker = new QDateEdit(ToQDate(today), this);
        picker->setObjectName(pickerName);
        picker->setCalendarPopup(true);
        picker->setLocale(russian);
        picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        label->setBuddy(field);
        dates->addWidget(label, row, 0);
        dates->addWidget(field, row, 1);
        dates->addWidget(picker, row, 2);
        connect(field, &QLineEdit::returnPressed, this, &TFormEvtOnPeriod::ComputePeriodFigures);
        connect(picker, &QDateEdit::dateChanged, this,
                [this, field](QDate date) { PickerChanged(field, date); });
    };
    addDate(0, QStringLiteral("с"), QStringLiteral("EFrom"), QStringLiteral("DateTimePicker1"), m_from,
            m_picker1);
    addDate(1, QStringLiteral("по"), QStringLiteral("ETo"), QStringLiteral("DateTimePicker2"), m_to,
            m_picker2);

    m_includeYear = new QCheckBox(QStringLiteral("учитывать год"), this);
    m_includeYear->setObjectName(QStringLiteral("CBIncludeYear"));
    m_includeYear->setToolTip(QStringLiteral(
        "Выбрать события за указанный период с учётом года, иначе учитывать только месяц и день"));
    dates->addWidget(m_includeYear, 2, 1, 1, 2);

    auto* group = new QGroupBox(QStringLiteral(" Длительность периода "), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* figures = new QGridLayout(group);
    m_years =
        AddFigure(figures, 0, QStringLiteral("в годах:"), QStringLiteral("LYears"), QStringLiteral("0"));
    m_months =
        AddFigure(figures, 1, QStringLiteral("в месяцах:"), QStringLiteral("LMonths"), QStringLiteral("0"));
    m_weeks =
        AddFigure(figures, 2, QStringLiteral("в неделях:"), QStringLiteral("LWeeks"), QStringLiteral("0"));
    m_days = AddFigure(figures, 3, QStringLiteral("в днях:"), QStringLiteral("LDays"), QStringLiteral("0"));
    m_period = AddFigure(figures, 4, QStringLiteral("Лет.Месяцев.Дней:"), QStringLiteral("LPeriod"),
                         QStringLiteral("0.0.0"));
    m_precision = new QSpinBox(group);
    m_precision->setObjectName(QStringLiteral("UpDown1"));
    m_precision->setRange(kMinPrecision, kMaxPrecision);
    m_precision->setValue(m_presenter.Precision());
    m_precision->setToolTip(ToQ(m_presenter.Hint()));
    figures->addWidget(m_precision, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignTop);
    figures->setColumnStretch(1, 1);

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("LErr"));
    m_error->setAlignment(Qt::AlignCenter);
    QPalette red = m_error->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_error->setPalette(red);
    // The line is there even while empty, so that the window does not jump.
    m_error->setMinimumHeight(m_error->fontMetrics().height());

    auto* show = new QPushButton(QStringLiteral("Показать"), this);
    show->setObjectName(QStringLiteral("BShow"));
    show->setToolTip(QStringLiteral("Показать события за этот период"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(show);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addWidget(group);
    layout->addWidget(m_error);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_precision, &QSpinBox::valueChanged, this, &TFormEvtOnPeriod::PrecisionChanged);
    connect(show, &QPushButton::clicked, this, &TFormEvtOnPeriod::BShowClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

QLabel* TFormEvtOnPeriod::AddFigure(QGridLayout* grid, int row, const QString& caption, const QString& name,
                                    const QString& start)
{
    auto* label = new QLabel(caption, grid->parentWidget());
    auto* value = new QLabel(start, grid->parentWidget());
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for the longest figure the precision allows.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000000,000000000")));
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(value, row, 1);
    return value;
}

void TFormEvtOnPeriod::PickerChanged(QLineEdit* field, QDate date)
{
    field->setText(ToQ(FormatDate(MakeDate(date.year(), date.month(), date.day()), "d.m.Y")));
    ComputePeriodFigures();
}

void TFormEvtOnPeriod::PrecisionChanged(int precision)
{
    m_presenter.SetPrecision(precision);
    m_precision->setToolTip(ToQ(m_presenter.Hint()));
    ComputePeriodFigures();
}

void TFormEvtOnPeriod::ComputePeriodFigures()
{
    m_presenter.ComputePeriodFigures(m_from->text().toStdString(), m_to->text().toStdString());
    ShowFigures();
}

void TFormEvtOnPeriod::ShowFigures()
{
    const PeriodFigures& figures = m_presenter.Figures();
    m_years->setText(ToQ(figures.Years));
    m_months->setText(ToQ(figures.Months));
    m_weeks->setText(ToQ(figures.Weeks));
    m_days->setText(ToQ(figures.Days));
    m_period->setText(ToQ(figures.Period));
    m_error->setText(ToQ(m_presenter.Error()));
}

void TFormEvtOnPeriod::BShowClick()
{
    const std::optional<PeriodDays> period =
        PeriodToShow(m_from->text().toStdString(), m_to->text().toStdString(), m_includeYear->isChecked(),
                     m_currentYear());
    if (!period) {
        m_presenter.SetDateError();
        ShowFigures();
        return;
    }
    // The error of an earlier attempt goes; the figures follow the fields.
    m_presenter.ClearError();
    ComputePeriodFigures();
    emit periodChosen(period->from, period->to);
    hide();
}

void TFormEvtOnPeriod::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

} // namespace orvenda
