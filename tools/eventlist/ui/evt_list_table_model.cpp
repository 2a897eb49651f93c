#include "tools/eventlist/ui/evt_list_table_model.h"

namespace orvenda {

EvtListTableModel::EvtListTableModel(const EventList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void EvtListTableModel::Reset()
{
    beginResetModel();
    endResetModel();
}

int EvtListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.Size());
}

int EvtListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant EvtListTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const EvtListRecord& record = m_list.Records()[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(index.column() == 0 ? record.datetime : record.event);
}

QVariant EvtListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section == 0 ? QStringLiteral("Срок") : QStringLiteral("Событие");
}

} // namespace orvenda
