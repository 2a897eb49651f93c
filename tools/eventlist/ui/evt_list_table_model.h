#pragma once

// The event list's entries for the grid: two read-only columns, the term and
// the event, in the order the entries were added.

#include "tools/eventlist/event_list.h"

#include <QAbstractTableModel>

namespace orvenda {

class EvtListTableModel final : public QAbstractTableModel {
public:
    explicit EvtListTableModel(const EventList& list, QObject* parent = nullptr);

    // The list changed: the grid reads it again.
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const EventList& m_list;
};

} // namespace orvenda
