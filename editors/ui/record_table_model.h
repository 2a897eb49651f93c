#pragma once

// The records of the editor's file as a table, one column per field of the
// layout, titled with the field names. Editing a cell edits the record, which
// then becomes the current one.

#include "editors/event_file.h"

#include <QAbstractTableModel>

#include <vector>

namespace orvenda {

class RecordTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Field {
        Astro,
        Day,
        Week,
        Month,
        Year,
        Hour,
        Minute,
        DBefore,
        DAfter,
        Active,
        Event,
        Wisdom,
        Author
    };

    explicit RecordTableModel(EventFileModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // To be called after records were read, created, inserted or deleted.
    void Reload();
    // Record `number` (1-based) was changed elsewhere (the form).
    void RecordChanged(int number);

    const std::vector<Field>& Fields() const noexcept { return *m_fields; }

signals:
    // A cell of record `number` (1-based) was edited; the record is current.
    void recordEdited(int number);

private:
    const EditorRecord* recordAt(int row) const;
    bool store(Field field, const QVariant& value);

    EventFileModel& m_model;
    // Both as of the last Reload: the view's idea of the table changes only
    // through a reset.
    const std::vector<Field>* m_fields;
    int m_rows = 0;
};

} // namespace orvenda
