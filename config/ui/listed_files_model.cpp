#include "config/ui/listed_files_model.h"

namespace orvenda {

ListedFilesModel::ListedFilesModel(const std::vector<TListedFile>& files, QObject* parent)
    : QAbstractTableModel(parent), m_files(files)
{
}

void ListedFilesModel::reload()
{
    beginResetModel();
    endResetModel();
}

int ListedFilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_files.size());
}

int ListedFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListedFilesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const TListedFile& file = m_files[static_cast<std::size_t>(index.row())];
    return QString::fromStdString(index.column() == NameColumn ? file.Name : file.Folder);
}

} // namespace orvenda
