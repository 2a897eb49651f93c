#include "editors/ui/floating_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>

namespace orvenda {

namespace {

// Fills `box` with the list and shows `key`. A key the list does not hold
// (a file written elsewhere) is shown as the number itself, so that it is
// neither hidden nor changed.
void showLookup(QComboBox& box, const LookupList& list, std::int32_t key)
{
    box.clear();
    int shown = -1;
    for (const LookupItem& entry : list) {
        if (entry.key == key && shown < 0)
            shown = box.count();
        box.addItem(QString::fromStdString(entry.item), entry.key);
    }
    if (shown < 0) {
        shown = box.count();
        box.addItem(QString::number(key), key);
    }
    box.setCurrentIndex(shown);
}

} // namespace

FloatingForm::FloatingForm(EventFileModel& model, QWidget* parent)
    : RecordForm(model, parent), m_event(new QLineEdit(this)),
      m_astro(newLookupBox("CBAstro", &EventFileModel::SetAstro)),
      m_weekday(newLookupBox("CBWeekday", &EventFileModel::SetDay)),
      m_week(newLookupBox("CBWeek", &EventFileModel::SetWeek)),
      m_month(newLookupBox("CBMonth", &EventFileModel::SetMonth)), m_year(NewNumberBox("EYear", this)),
      m_before(NewNumberBox("EDBefore", this)), m_after(NewNumberBox("EDAfter", this)),
      m_active(new QCheckBox(QStringLiteral("Включено"), this))
{
    m_event->setObjectName(QStringLiteral("EEvent"));
    m_active->setObjectName(QStringLiteral("CBActive"));
    m_weekday->setMaxVisibleItems(8);
    m_month->setMaxVisibleItems(8);

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->addRow(QStringLiteral("День недели"), m_weekday);
    fields->addRow(QStringLiteral("№ недели"), m_week);
    fields->addRow(QStringLiteral("Месяц"), m_month);
    fields->addRow(QStringLiteral("Год"), m_year);
    fields->addRow(QStringLiteral("Предупреждать до"), m_before);
    fields->addRow(QStringLiteral("Предупреждать после"), m_after);
    fields->addRow(QString(), m_active);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Событие"), this));
    layout->addWidget(m_event);
    layout->addWidget(
        new QLabel(QStringLiteral("Астрономическое событие, к которому привязано указанное событие"), this));
    layout->addWidget(m_astro, 0, Qt::AlignLeft);
    layout->addLayout(fields);
    layout->addStretch(1);

    connect(m_event, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_model.SetEvent(text.toStdString()))
            emit edited();
    });
    connectNumber(m_year, &EventFileModel::SetYear);
    connectNumber(m_before, &EventFileModel::SetDBefore);
    connectNumber(m_after, &EventFileModel::SetDAfter);
    connect(m_active, &QCheckBox::toggled, this, [this](bool on) {
        if (m_model.SetActive(on))
            emit edited();
    });
}

QComboBox* FloatingForm::newLookupBox(const char* name, NumberSetter setter)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, setter](int index) {
        if (index >= 0)
            storeNumber(setter, box->itemData(index).toInt());
    });
    return box;
}

void FloatingForm::Load()
{
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_event),  QSignalBlocker(m_astro), QSignalBlocker(m_weekday),
        QSignalBlocker(m_week),   QSignalBlocker(m_month), QSignalBlocker(m_year),
        QSignalBlocker(m_before), QSignalBlocker(m_after), QSignalBlocker(m_active)};
    const EditorRecord* record = m_model.Current();
    for (QWidget* field : std::initializer_list<QWidget*>{m_event, m_astro, m_weekday, m_week, m_month,
                                                          m_year, m_before, m_after, m_active}) {
        field->setEnabled(record != nullptr);
    }
    const EditorRecord empty;
    const EditorRecord& shown = record ? *record : empty;
    const LookupLists& lookups = m_model.Lookups();
    m_event->setText(QString::fromStdString(shown.event));
    const std::pair<QComboBox*, std::pair<const LookupList*, std::int32_t>> boxes[] = {
        {m_astro, {&lookups.astro, shown.astro}},
        {m_weekday, {&lookups.weekdays, shown.day}},
        {m_week, {&lookups.weeks, shown.week}},
        {m_month, {&lookups.months, shown.month}},
    };
    for (const auto& [box, value] : boxes) {
        if (record)
            showLookup(*box, *value.first, value.second);
        else
            box->clear();
    }
    m_year->setValue(shown.year);
    m_before->setValue(shown.dbefore);
    m_after->setValue(shown.dafter);
    m_active->setChecked(shown.active);
}

} // namespace orvenda
