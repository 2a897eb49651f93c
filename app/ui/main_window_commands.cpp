// The main window's commands on the current day, the event rows and the
// settings file, and its requests for the other windows.

#include "app/ui/astro_panel_widget.h"
#include "app/ui/event_list_model.h"
#include "app/ui/main_window.h"
#include "engine/text.h"

#include <QAction>
#include <QLabel>
#include <QTableView>

namespace orvenda {

void TFormMain::RowChosen(int row)
{
    const bool isEvent = m_session.SelectRow(row);
    SetRowCommandsEnabled(isEvent);
    const MainView& view = m_session.View();
    ShowDetails(QString::fromStdString(view.StatusDetails));
    m_astro->Show(view.Astro);
}

void TFormMain::ShowDetails(const QString& details)
{
    // A narrow window cuts the details line; its tool tip shows it whole.
    m_statusPanels[4]->setText(details);
    m_statusPanels[4]->setToolTip(details);
}

void TFormMain::DateLabelClicked()
{
    m_session.ShowCurrentDayPanel();
    m_astro->Show(m_session.View().Astro);
    if (m_model->rowCount() > 0) {
        m_quietSelection = true;
        m_list->selectRow(0);
        m_quietSelection = false;
    }
}

void TFormMain::OpenCalendar()
{
    const TDateRec day = m_session.CurrentDay();
    emit calendarRequested(QDate(day.Year, day.Month, day.Day));
}

void TFormMain::ShowPickedDate(QDate date)
{
    if (!date.isValid())
        return;
    ShowRequestResult(m_session.SetCurrentDay(MakeDate(date.year(), date.month(), date.day())));
}

void TFormMain::SwitchOffRow()
{
    if (const std::optional<CommandResult> result = m_session.SwitchOffSelected())
        ShowRequestResult(*result);
}

void TFormMain::DeleteRow()
{
    if (const std::optional<CommandResult> result = m_session.DeleteSelected())
        ShowRequestResult(*result);
}

void TFormMain::ExitCommand()
{
    if (m_session.ConfirmExit() && MayQuit())
        emit exitAccepted();
}

bool TFormMain::MayQuit()
{
    return !m_quitCheck || m_quitCheck();
}

void TFormMain::SaveSettings()
{
    // A failure has been shown to the user; the settings stay in force.
    (void)m_session.SaveSettings();
    emit journalChanged();
}

void TFormMain::OpenProgramFile(const char* relativePath)
{
    // The help page and the pictures are delivered files: read-only, in the data folder.
    m_openUrl(QUrl::fromLocalFile(QString::fromStdString(m_session.DataFile(relativePath))));
}

// "Редактировать..." and a double click on an event row: the editor opens
// the row's file at its record.
void TFormMain::EditRow()
{
    const ShownRow* row = m_session.SelectedEvent();
    if (row && !row->FilePath.empty())
        emit recordEditRequested(QString::fromStdString(row->FilePath), row->Ordinal);
}

void TFormMain::AddRowToList()
{
    const ShownRow* row = m_session.SelectedEvent();
    if (row && !row->FilePath.empty())
        emit addToListRequested(ReadYMD(FullDateText(*row)), QString::fromStdString(row->Text));
}

} // namespace orvenda
