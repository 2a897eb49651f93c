#include "app/ui/event_list_model.h"

namespace orvenda {

namespace {

// The texts of the list's columns, made from the row's data.
std::string Cell(const ShownRow& row, int column)
{
    switch (column) {
    case EventListModel::DateColumn:
        return DateColumnText(row);
    case EventListModel::TextColumn:
        return row.Text;
    case EventListModel::FullDateColumn:
        return FullDateText(row);
    case EventListModel::PathColumn:
        return row.FilePath;
    default:
        return row.IsEvent() ? std::to_string(row.Ordinal) : std::string();
    }
}

} // namespace

EventListModel::EventListModel(QObject* parent) : QAbstractTableModel(parent) {}

void EventListModel::SetRows(std::vector<ShownRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int EventListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_rows.size());
}

int EventListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const std::string text = Cell(m_rows[static_cast<std::size_t>(index.row())], index.column());
    if (role == Qt::ToolTipRole && index.column() != TextColumn)
        return {};
    return QString::fromStdString(text);
}

Qt::ItemFlags EventListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace orvenda
