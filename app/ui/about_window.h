#pragma once

// "О программе": the product name, version and build date, and on demand the
// change history (change.log in the program folder).

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace orvenda {

class TFormAbout : public QWidget {
    Q_OBJECT
public:
    explicit TFormAbout(QString programFolder, QWidget* parent = nullptr);

    static QString VersionText();
    static QString BuildDateText();

    // Shows or hides the change history; the file is read again each time it
    // is shown.
    void ShowHistory(bool shown);

private:
    QString m_programFolder;
    QPushButton* m_historyButton = nullptr;
    QPlainTextEdit* m_history = nullptr;
};

} // namespace orvenda
