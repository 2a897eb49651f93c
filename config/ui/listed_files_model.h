#pragma once

// One of the configuration's file lists as a table of two columns: the file
// name and its folder.

#include "config/config.h"

#include <QAbstractTableModel>

#include <vector>

namespace orvenda {

class ListedFilesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, FolderColumn, ColumnCount };

    // `files` is the list inside the settings record; it outlives the model.
    explicit ListedFilesModel(const std::vector<TListedFile>& files, QObject* parent = nullptr);

    // After the list has changed.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<TListedFile>& m_files;
};

} // namespace orvenda
