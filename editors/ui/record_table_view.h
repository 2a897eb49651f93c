#pragma once

// The "Таблица" tab: the grid of all records with the column widths of the
// layout. A click on a row makes that record current.

#include "editors/ui/record_table_model.h"

#include <QTableView>

namespace orvenda {

class RecordTableView final : public QTableView {
    Q_OBJECT
public:
    explicit RecordTableView(EventFileModel& model, QWidget* parent = nullptr);

    RecordTableModel& Records() noexcept { return *m_records; }
    // After the table changed as a whole: rows, columns and widths.
    void Reload();
    // Moves the cursor to record `number` (1-based) without reporting it back.
    void ShowCurrent(int number);

signals:
    // The user moved to record `number` (1-based).
    void recordChosen(int number);

private:
    void applyWidths();

    RecordTableModel* m_records;
    bool m_moving = false;
};

} // namespace orvenda
