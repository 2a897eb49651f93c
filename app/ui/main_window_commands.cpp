// The main window's commands on the current day, the event rows, the other
// windows and the settings file.

#include "app/ui/astro_panel_widget.h"
#include "app/ui/calendar_key.h"
#include "app/ui/calendar_window.h"
#include "app/ui/event_list_model.h"
#include "app/ui/main_window.h"
#include "app/ui/status_window.h"
#include "config/config_file.h"
#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "engine/text.h"
#include "engine/ui/prompt.h"

#include <QAction>
#include <QLabel>
#include <QTableView>

namespace orvenda {

namespace {

const QString SwitchOffQuestion =
    QStringLiteral("Отключить событие?\n Событие помечается как не активное, но из "
                   "файла не удаляется \n Впредь оно не будет обрабатываться.");
const QString DeleteQuestion = QStringLiteral("Удалить событие из файла? Восстановление будет не возможно");

QString SaveFailureText(const SaveResult& result, const std::string& path)
{
    QString text = QStringLiteral("Невозможно сохранить файл конфигурации в ") + QString::fromStdString(path);
    if (result.status == SaveResult::Unencodable)
        text += QStringLiteral("\nЭти знаки нельзя записать в кодировке Windows-1251: ") +
                QString::fromStdString(result.unmappable);
    else if (!result.error.empty())
        text += QStringLiteral("\n") + QString::fromStdString(result.error);
    return text;
}

} // namespace

void TFormMain::RowChosen(int row)
{
    const bool isEvent = m_session.SelectRow(row);
    m_selectedRow = isEvent ? row : -1;
    SetRowCommandsEnabled(isEvent);
    const MainView& view = m_session.View();
    m_statusPanels[4]->setText(QString::fromStdString(view.StatusDetails));
    m_astro->Show(view.Astro);
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
    if (!m_calendar)
        return;
    const TDateRec day = m_session.CurrentDay();
    m_calendar->SetCallerKey(MainCallerKey);
    m_calendar->SetDate(QDate(day.Year, day.Month, day.Day));
    ShowWindow(m_calendar);
}

void TFormMain::CalendarDatePicked(QDate date)
{
    if (!date.isValid())
        return;
    ShowCommandResult(m_session.SetCurrentDay(MakeDate(date.year(), date.month(), date.day())));
}

void TFormMain::SwitchOffRow()
{
    const std::vector<ShownRow>& rows = m_session.View().Events;
    if (m_selectedRow < 0 || static_cast<std::size_t>(m_selectedRow) >= rows.size() ||
        rows[static_cast<std::size_t>(m_selectedRow)].FilePath.empty())
        return;
    if (m_prompt.Ask(this, ProgramTitle(), SwitchOffQuestion, Prompt::Buttons::OkNo) != Prompt::Answer::Ok)
        return;
    ShowCommandResult(m_session.SwitchOffRow(m_selectedRow));
}

void TFormMain::DeleteRow()
{
    const std::vector<ShownRow>& rows = m_session.View().Events;
    if (m_selectedRow < 0 || static_cast<std::size_t>(m_selectedRow) >= rows.size() ||
        rows[static_cast<std::size_t>(m_selectedRow)].FilePath.empty())
        return;
    if (m_prompt.Ask(this, ProgramTitle(), DeleteQuestion, Prompt::Buttons::OkNo) != Prompt::Answer::Ok)
        return;
    ShowCommandResult(m_session.DeleteRow(m_selectedRow));
}

void TFormMain::ExitCommand()
{
    if (m_session.Config().ConfirmExit &&
        m_prompt.Ask(this, QStringLiteral("Выходим..."), QStringLiteral("Уже пора?"),
                     Prompt::Buttons::OkCancel) != Prompt::Answer::Ok)
        return;
    if (!EditorLetsQuit())
        return;
    emit exitAccepted();
}

bool TFormMain::EditorLetsQuit()
{
    // Unsaved typing in the editor is not dropped without its close question.
    return !m_editor || m_editor->QueryQuit();
}

void TFormMain::SaveSettings()
{
    const std::string path = m_session.ConfigPath();
    const SaveResult saved =
        SaveConfig(m_session.Config(), path, m_session.ProgramFolder(), m_session.GetJournal());
    if (m_statusWindow)
        m_statusWindow->ShowJournal();
    if (!saved.ok())
        m_prompt.ShowError(this, ProgramTitle(), SaveFailureText(saved, path));
}

void TFormMain::ShowWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void TFormMain::OpenProgramFile(const char* relativePath)
{
    m_openUrl(QUrl::fromLocalFile(QString::fromStdString(m_session.ProgramFolder()) +
                                  QString::fromLatin1(relativePath)));
}

} // namespace orvenda

namespace orvenda {

void TFormMain::SetEditorWindows(TFormEvtEdit* editor, TFormOptions* options)
{
    m_editor = editor;
    m_options = options;
    const MainActions& a = m_actions;
    for (QAction* action : {a.NEditor, a.TBEditor, a.NEvtEditor})
        action->setEnabled(m_editor != nullptr);
    for (QAction* action : {a.NOptions, a.TBOptions, a.NEvtOptions})
        action->setEnabled(m_options != nullptr);
    if (m_editor) {
        connect(a.NEditor, &QAction::triggered, this, &TFormMain::ShowEditor);
        connect(a.TBEditor, &QAction::triggered, this, &TFormMain::ShowEditor);
        connect(a.NEvtEditor, &QAction::triggered, this, &TFormMain::ShowEditor);
        connect(a.NEvtEdit, &QAction::triggered, this, &TFormMain::EditRow);
        // "Отключить" and "Удалить" go through the editor, so that it never
        // keeps a copy of the file that a later save would write back.
        m_session.SetEventEditor([editor = m_editor](const std::string& path, int ordinal, EventChange change,
                                                     const std::string& text) {
            return editor->ChangeEvent(QString::fromStdString(path), ordinal, change,
                                       QString::fromStdString(text));
        });
    }
    if (m_options) {
        connect(a.NOptions, &QAction::triggered, this, &TFormMain::ShowOptions);
        connect(a.TBOptions, &QAction::triggered, this, &TFormMain::ShowOptions);
        connect(a.NEvtOptions, &QAction::triggered, this, &TFormMain::ShowOptions);
        connect(m_options, &TFormOptions::looksApplied, this, &TFormMain::ApplyOwnLooks);
        connect(m_options, &TFormOptions::astroPanelToggled, this, [this](bool on) {
            m_actions.NAstroPanel->setChecked(on);
            m_astro->setVisible(on);
        });
        if (m_editor)
            connect(m_options, &TFormOptions::openInEditor, this, [this](const QString& path) {
                ShowWindow(m_editor);
                m_editor->OpenFile(path);
                m_editor->RefreshStatus();
            });
    }
}

void TFormMain::ShowEditor()
{
    if (m_editor)
        m_editor->ShowWithoutFileCommands();
}

// "Редактировать..." and a double click on an event row: the editor opens
// the row's file at its record.
void TFormMain::EditRow()
{
    if (!m_editor || m_selectedRow < 0)
        return;
    const std::vector<ShownRow>& rows = m_session.View().Events;
    if (static_cast<std::size_t>(m_selectedRow) >= rows.size())
        return;
    const ShownRow& row = rows[static_cast<std::size_t>(m_selectedRow)];
    const std::optional<std::int32_t> ordinal = ParseInt32(row.Ordinal);
    if (row.FilePath.empty() || !ordinal)
        return;
    m_editor->ShowRecord(QString::fromStdString(row.FilePath), *ordinal);
}

void TFormMain::ShowOptions()
{
    if (m_options)
        m_options->Show();
}

} // namespace orvenda
