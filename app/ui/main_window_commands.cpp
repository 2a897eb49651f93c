// The main window's commands on the current day, the event rows and the
// settings file, and its requests for the other windows.

#include "app/ui/astro_panel_widget.h"
#include "app/ui/event_list_model.h"
#include "app/ui/main_window.h"
#include "engine/date_format.h"

#include <QAction>
#include <QLabel>
#include <QTableView>

namespace orvenda {

void TFormMain::rowChosen(int row)
{
    const bool isEvent = m_session.SelectRow(row);
    setRowCommandsEnabled(isEvent);
    const MainView& view = m_session.View();
    showDetails(QString::fromStdString(view.StatusDetails));
    m_astro->Show(view.Astro);
}

void TFormMain::showDetails(const QString& details)
{
    // A narrow window cuts the details line; its tool tip shows it whole.
    m_statusPanels[4]->setText(details);
    m_statusPanels[4]->setToolTip(details);
}

void TFormMain::dateLabelClicked()
{
    m_session.ShowCurrentDayPanel();
    m_astro->Show(m_session.View().Astro);
    if (m_model->rowCount() > 0) {
        m_quietSelection = true;
        m_list->selectRow(0);
        m_quietSelection = false;
    }
}

void TFormMain::openCalendar()
{
    const TDateRec day = m_session.CurrentDay();
    emit calendarRequested(QDate(day.Year, day.Month, day.Day));
}

void TFormMain::showPickedDate(QDate date)
{
    if (!date.isValid())
        return;
    showRequestResult(m_session.SetCurrentDay(MakeDate(date.year(), date.month(), date.day())));
}

void TFormMain::switchOffRow()
{
    if (const std::optional<CommandResult> result = m_session.SwitchOffSelected())
        showRequestResult(*result);
}

void TFormMain::deleteRow()
{
    if (const std::optional<CommandResult> result = m_session.DeleteSelected())
        showRequestResult(*result);
}

void TFormMain::exitCommand()
{
    if (m_session.ConfirmExit() && mayQuit())
        emit exitAccepted();
}

bool TFormMain::mayQuit()
{
    return !m_quitCheck || m_quitCheck();
}

void TFormMain::saveSettings()
{
    // A failure has been shown to the user and written to the journal; the
    // settings stay in force.
    if (!m_session.SaveSettings().ok())
        emit journalChanged();
}

void TFormMain::openProgramFile(const char* relativePath)
{
    // The help page and the pictures are delivered files: read-only, in the data folder.
    m_openUrl(QUrl::fromLocalFile(QString::fromStdString(m_session.DataFile(relativePath))));
}

// "Редактировать..." and a double click on an event row: the editor opens
// the row's file at its record.
void TFormMain::editRow()
{
    const ShownRow* row = m_session.SelectedEvent();
    if (row && !row->FilePath.empty())
        emit recordEditRequested(QString::fromStdString(row->FilePath), row->Ordinal);
}

void TFormMain::addRowToList()
{
    const ShownRow* row = m_session.SelectedEvent();
    if (row && !row->FilePath.empty())
        emit addToListRequested(ReadYMD(FullDateText(*row)), QString::fromStdString(row->Text));
}

} // namespace orvenda
