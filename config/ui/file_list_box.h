#pragma once

// One file list of the tab "Файлы": its caption, the list of name and
// folder, and the buttons "...", "+", "-" and "x".

#include "config/options_state.h"

#include <QWidget>

class QTableView;

namespace orvenda {

class ListedFilesModel;

class FileListBox : public QWidget {
    Q_OBJECT
public:
    FileListBox(OptionsState& state, FileListKind kind, QWidget* parent = nullptr);

    // The list as the settings record holds it now.
    void load();
    QTableView* View() const { return m_view; }

signals:
    // The editor is to show this file.
    void openInEditor(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addFile();
    void removeFile();
    void clearFiles();
    void openSelected();
    int selectedRow() const;
    void selectRow(int row);
    void fitColumns();

    OptionsState& m_state;
    FileListKind m_kind;
    QTableView* m_view = nullptr;
    ListedFilesModel* m_model = nullptr;
};

} // namespace orvenda
