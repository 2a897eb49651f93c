#pragma once

// The personal event list window: entries added by hand or from the main
// window, their characteristics as pictures, the links of a principle with
// the points of stars, and the list file.

#include "engine/date.h"
#include "tools/eventlist/event_list.h"
#include "tools/reports/ui/show_report.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class QToolButton;
class QAction;

namespace orvenda {

class Questions;
class EvtListTableModel;

class TFormEvtList : public QWidget {
    Q_OBJECT

public:
    // The pictures lie in the setup's data folder's Img/, with the templates;
    // its clock also fills in "Сейчас".
    TFormEvtList(Questions& questions, ReportSetup setup, QWidget* parent = nullptr);
    ~TFormEvtList() override;

    // Add entry: a valid date adds the entry and shows its characteristics;
    // otherwise the error box is shown and false returned. The main window's
    // "Добавить в список" calls this with its row's date and text.
    bool AddEntry(TDateRec date, const QString& text);
    // When entries were added since the list was last saved, asks whether to
    // save them; false when the user cancelled (the list is kept as it is).
    bool AskToSaveChanges();

    const EventList& List() const noexcept { return m_list; }
    QString FileName() const { return m_fileName; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BNowClick();
    void BAddClick();
    void BDelClick();
    void BClearClick();
    void TBSaveClick();
    void TBLoadClick();
    void EStarsReturn();
    void TBExcelClick();
    void CurrentRowChanged();

    // Shows the characteristics of the current entry.
    void ShowCharacteristics();
    // The nine pictures, BDel and TBExcel together.
    void EnableControls(bool enabled);
    void ShowLinks(int principle);
    void SelectRow(int row);
    bool Save();
    QPixmap Picture(const std::string& relativePath);

    Questions& m_questions;
    ReportSetup m_setup;
    EventList m_list;
    QString m_fileName;
    // The principle whose links are shown; empty until one was chosen.
    QString m_currentPrinciple;
    QHash<QString, QPixmap> m_pictures;

    EvtListTableModel* m_model = nullptr;
    QLineEdit* ESrok = nullptr;
    QLineEdit* EEvt = nullptr;
    QPushButton* BAdd = nullptr;
    QToolButton* BNow = nullptr;
    QTableView* DBGridEvtList = nullptr;
    std::array<QToolButton*, 9> m_images{};
    QToolButton* BClear = nullptr;
    QToolButton* BDel = nullptr;
    QLineEdit* EStars = nullptr;
    QLabel* LLinks = nullptr;
    QLabel* ImageCurPrinciple = nullptr;
    QTableWidget* SG1 = nullptr;
    QAction* TBLoad = nullptr;
    QAction* TBSave = nullptr;
    QAction* TBExcel = nullptr;
};

} // namespace orvenda
