#include "editors/ui/record_table_view.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

namespace orvenda {

RecordTableView::RecordTableView(EventFileModel& model, QWidget* parent)
    : QTableView(parent), m_records(new RecordTableModel(model, this))
{
    setObjectName(QStringLiteral("GridRecords"));
    setModel(m_records);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_moving && current.isValid())
                    emit recordChosen(current.row() + 1);
            });
}

void RecordTableView::Reload()
{
    m_records->Reload();
    applyWidths();
}

void RecordTableView::applyWidths()
{
    using Field = RecordTableModel::Field;
    const std::vector<Field>& fields = m_records->Fields();
    const bool floating = !fields.empty() && fields.front() == Field::Astro;
    for (int column = 0; column < static_cast<int>(fields.size()); ++column) {
        int width = 40;
        switch (fields[static_cast<std::size_t>(column)]) {
        case Field::Event:
            width = floating ? 200 : 220;
            break;
        case Field::Wisdom:
            width = 440;
            break;
        case Field::Author:
            width = 130;
            break;
        default:
            break;
        }
        // The narrow columns of the layout are widened to show their whole
        // bold title.
        setColumnWidth(column, std::max(width, horizontalHeader()->sectionSizeHint(column)));
    }
}

void RecordTableView::ShowCurrent(int number)
{
    m_moving = true;
    if (number >= 1 && number <= m_records->rowCount()) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(m_records->index(number - 1, column));
    } else {
        setCurrentIndex(QModelIndex());
    }
    m_moving = false;
}

} // namespace orvenda
