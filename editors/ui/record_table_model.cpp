#include "editors/ui/record_table_model.h"

#include <QFont>

#include <optional>

namespace orvenda {

namespace {

using Field = RecordTableModel::Field;

const std::vector<Field>& fieldsOf(EditorLayout layout)
{
    static const std::vector<Field> none;
    static const std::vector<Field> fixedDate{Field::Day,    Field::Month,  Field::Year,
                                              Field::Hour,   Field::Minute, Field::DBefore,
                                              Field::DAfter, Field::Active, Field::Event};
    static const std::vector<Field> floating{Field::Astro,  Field::Day,    Field::Week,
                                             Field::Month,  Field::Year,   Field::DBefore,
                                             Field::DAfter, Field::Active, Field::Event};
    static const std::vector<Field> saying{Field::Wisdom, Field::Author};
    switch (layout) {
    case EditorLayout::FixedDate:
        return fixedDate;
    case EditorLayout::Floating:
        return floating;
    case EditorLayout::Saying:
        return saying;
    case EditorLayout::None:
        break;
    }
    return none;
}

// The column's title, short enough for the narrow columns; its hint says the rest.
QString titleOf(Field field, EditorLayout layout)
{
    switch (field) {
    case Field::Astro:
        return QStringLiteral("Астро");
    case Field::Day:
        return layout == EditorLayout::Floating ? QStringLiteral("День нед.") : QStringLiteral("День");
    case Field::Week:
        return QStringLiteral("№ нед.");
    case Field::Month:
        return QStringLiteral("Месяц");
    case Field::Year:
        return QStringLiteral("Год");
    case Field::Hour:
        return QStringLiteral("Час");
    case Field::Minute:
        return QStringLiteral("Мин.");
    case Field::DBefore:
        return QStringLiteral("До");
    case Field::DAfter:
        return QStringLiteral("После");
    case Field::Active:
        return QStringLiteral("Вкл.");
    case Field::Event:
        return QStringLiteral("Событие");
    case Field::Wisdom:
        return QStringLiteral("Высказывание");
    case Field::Author:
        return QStringLiteral("Автор");
    }
    return {};
}

// The meaning of a column, for its hint: the narrow columns cut their titles.
QString meaningOf(Field field, EditorLayout layout)
{
    const bool floating = layout == EditorLayout::Floating;
    switch (field) {
    case Field::Astro:
        return QStringLiteral("Астрономическое событие");
    case Field::Day:
        return floating ? QStringLiteral("День недели") : QStringLiteral("День");
    case Field::Week:
        return QStringLiteral("№ недели");
    case Field::Month:
        return QStringLiteral("Месяц");
    case Field::Year:
        return QStringLiteral("Год");
    case Field::Hour:
        return QStringLiteral("Час");
    case Field::Minute:
        return QStringLiteral("Минута");
    case Field::DBefore:
        return QStringLiteral("Сообщать о событии за столько дней до");
    case Field::DAfter:
        return QStringLiteral("Сообщать о событии столько дней после");
    case Field::Active:
        return QStringLiteral("Включено");
    case Field::Event:
        return QStringLiteral("Событие");
    case Field::Wisdom:
        return QStringLiteral("Высказывание");
    case Field::Author:
        return QStringLiteral("Автор");
    }
    return {};
}

std::optional<std::int32_t> numberOf(const QVariant& value)
{
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<std::int32_t>(number) : std::nullopt;
}

std::int32_t EditorRecord::*numberField(Field field)
{
    switch (field) {
    case Field::Astro:
        return &EditorRecord::astro;
    case Field::Day:
        return &EditorRecord::day;
    case Field::Week:
        return &EditorRecord::week;
    case Field::Month:
        return &EditorRecord::month;
    case Field::Year:
        return &EditorRecord::year;
    case Field::DBefore:
        return &EditorRecord::dbefore;
    case Field::DAfter:
        return &EditorRecord::dafter;
    default:
        return nullptr;
    }
}

} // namespace

RecordTableModel::RecordTableModel(EventFileModel& model, QObject* parent)
    : QAbstractTableModel(parent), m_model(model), m_fields(&fieldsOf(model.Layout())), m_rows(model.Count())
{
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields->size());
}

const EditorRecord* RecordTableModel::recordAt(int row) const
{
    if (row < 0 || row >= m_rows || row >= m_model.Count())
        return nullptr;
    return &m_model.Records()[static_cast<std::size_t>(row)];
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    const EditorRecord* record = recordAt(index.row());
    if (!record || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Field field = (*m_fields)[static_cast<std::size_t>(index.column())];
    if (field == Field::Active) {
        if (role == Qt::CheckStateRole)
            return record->active ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    // A long text is cut by its column; its hint shows it whole.
    if (role == Qt::ToolTipRole && (field == Field::Event || field == Field::Wisdom))
        return QString::fromStdString(field == Field::Event ? record->event : record->wisdom);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (std::int32_t EditorRecord::*number = numberField(field))
        return record->*number;
    switch (field) {
    case Field::Hour:
        return record->hour ? QString::number(*record->hour) : QString();
    case Field::Minute:
        return record->minute ? QString::number(*record->minute) : QString();
    case Field::Event:
        return QString::fromStdString(record->event);
    case Field::Wisdom:
        return QString::fromStdString(record->wisdom);
    case Field::Author:
        return QString::fromStdString(record->author);
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole && section >= 0 && section < m_rows ? QVariant(section + 1)
                                                                           : QVariant();
    }
    if (section < 0 || section >= columnCount())
        return {};
    const Field field = (*m_fields)[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return titleOf(field, m_model.Layout());
    case Qt::ToolTipRole:
        return meaningOf(field, m_model.Layout());
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return font;
    }
    default:
        return {};
    }
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    if (!recordAt(index.row()) || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Field field = (*m_fields)[static_cast<std::size_t>(index.column())];
    if (field == Field::Active)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!recordAt(index.row()) || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const Field field = (*m_fields)[static_cast<std::size_t>(index.column())];
    const int expectedRole = field == Field::Active ? Qt::CheckStateRole : Qt::EditRole;
    if (role != expectedRole)
        return false;
    const int number = index.row() + 1;
    m_model.Select(number);
    // An unchanged value does not mark the file modified.
    const QVariant old = data(index, role);
    const bool unchanged =
        field == Field::Active ? old.toInt() == value.toInt() : old.toString() == value.toString();
    if (unchanged)
        return true;
    if (!store(field, value))
        return false;
    // A line kept as it stood in the file is dropped with any edit, which
    // changes the event column too.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit recordEdited(number);
    return true;
}

bool RecordTableModel::store(Field field, const QVariant& value)
{
    if (field == Field::Active)
        return m_model.SetActive(value.toInt() == Qt::Checked);
    if (field == Field::Hour || field == Field::Minute) {
        const int top = field == Field::Hour ? 23 : 59;
        std::optional<std::int32_t> time;
        if (!value.toString().trimmed().isEmpty()) {
            time = numberOf(value);
            if (!time || *time < 0 || *time > top)
                return false;
        }
        return field == Field::Hour ? m_model.SetHour(time) : m_model.SetMinute(time);
    }
    switch (field) {
    case Field::Event:
        return m_model.SetEvent(value.toString().toStdString());
    case Field::Wisdom:
        return m_model.SetWisdom(value.toString().toStdString());
    case Field::Author:
        return m_model.SetAuthor(value.toString().toStdString());
    default:
        break;
    }
    const std::optional<std::int32_t> number = numberOf(value);
    if (!number)
        return false;
    switch (field) {
    case Field::Astro:
        return m_model.SetAstro(*number);
    case Field::Day:
        return m_model.SetDay(*number);
    case Field::Week:
        return m_model.SetWeek(*number);
    case Field::Month:
        return m_model.SetMonth(*number);
    case Field::Year:
        return m_model.SetYear(*number);
    case Field::DBefore:
        return m_model.SetDBefore(*number);
    case Field::DAfter:
        return m_model.SetDAfter(*number);
    default:
        return false;
    }
}

void RecordTableModel::Reload()
{
    beginResetModel();
    m_fields = &fieldsOf(m_model.Layout());
    m_rows = m_model.Count();
    endResetModel();
}

void RecordTableModel::RecordChanged(int number)
{
    const int row = number - 1;
    if (row < 0 || row >= m_rows || columnCount() == 0)
        return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

} // namespace orvenda
