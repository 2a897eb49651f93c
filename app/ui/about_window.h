#pragma once

// "О программе": the product name, version and build date, the two folders
// the program works with, and on demand the change history (change.log, a
// delivered file in the data folder).

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace orvenda {

class TFormAbout : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds the user's files, `dataFolder` the delivered
    // read-only ones; an empty `dataFolder` is the program folder.
    explicit TFormAbout(QString programFolder, QString dataFolder = {}, QWidget* parent = nullptr);

    static QString VersionText();
    static QString BuildDateText();

    // Shows or hides the change history; the file is read again each time it
    // is shown.
    void ShowHistory(bool shown);

private:
    QString m_dataFolder;
    QPushButton* m_historyButton = nullptr;
    QPlainTextEdit* m_history = nullptr;
};

} // namespace orvenda
