#pragma once

// The rows of the main window's event list as a table model: five columns,
// the display date, the text, the full date, the file path and the ordinal.
// Read-only; the session recomputes the rows and the model is reset.

#include "events/upcoming.h"

#include <QAbstractTableModel>

#include <vector>

namespace orvenda {

class EventListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int { DateColumn = 0, TextColumn, FullDateColumn, PathColumn, OrdinalColumn, ColumnCount };

    explicit EventListModel(QObject* parent = nullptr);

    void SetRows(std::vector<ShownRow> rows);
    const std::vector<ShownRow>& Rows() const noexcept { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<ShownRow> m_rows;
};

} // namespace orvenda
