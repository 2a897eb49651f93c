#include "app/ui/windows.h"

#include "app/ui/about_window.h"
#include "app/ui/calendar_key.h"
#include "app/ui/calendar_window.h"
#include "app/ui/main_window.h"
#include "app/ui/principle_color_window.h"
#include "app/ui/status_window.h"
#include "config/ui/form_options.h"
#include "editors/ui/event_editor_window.h"
#include "editors/ui/text_editor_window.h"
#include "events/ui/period_window.h"
#include "tools/calculator/ui/calculator_window.h"
#include "tools/eventlist/ui/event_list_window.h"
#include "tools/tables/ui/tables_window.h"

namespace orvenda {

namespace {

void ShowWindow(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

Windows::Windows(SessionEnvironment env, Questions& questions)
{
    const QString programFolder = QString::fromStdString(env.programFolder);
    const QString autostartDir = QString::fromStdString(env.autostartDir);
    const QString programPath = QString::fromStdString(env.programPath);
    // Pictures, templates and help come from the data folder; without one
    // they lie beside the program.
    const QString dataFolder =
        env.dataFolder.empty() ? programFolder : QString::fromStdString(env.dataFolder);
    m_main = std::make_unique<TFormMain>(std::move(env), questions);
    Session& session = m_main->session();
    m_options = std::make_unique<TFormOptions>(session.Config(), programFolder, autostartDir, programPath,
                                               session.GetJournal(), questions);
    m_status = std::make_unique<TFormStatus>(session.GetJournal());
    m_calculator = std::make_unique<TFormCalculator>(m_output, questions, session.Environment().clock.now);
    m_about = std::make_unique<TFormAbout>(programFolder, dataFolder);
    // The editor's lookup lists are delivered templates.
    m_editor = std::make_unique<TFormEvtEdit>(dataFolder, session.GetJournal(), questions);
    // The spreadsheet reports fill delivered templates with delivered
    // pictures and are saved among the user's files.
    ReportSetup reports;
    reports.dataFolder = session.DataFolder();
    reports.programFolder = session.ProgramFolder();
    reports.clock = session.Environment().clock.now;
    m_tables = std::make_unique<TFormTables>(questions, m_output, m_colours, reports);
    m_calendar = std::make_unique<TFormCalendar>();
    m_principleColor = std::make_unique<TFormPrincipleColor>(m_colours, questions, reports);
    m_evtList = std::make_unique<TFormEvtList>(questions, reports);
    // Both pickers start at today.
    m_evtOnPeriod = std::make_unique<TFormEvtOnPeriod>(session.Environment().clock.now(),
                                                       [&session] { return session.CurrentDay().Year; });
    m_textEditor = std::make_unique<TFormTextEditor>(programFolder, questions);
    m_output.target = m_textEditor.get();
    Connect();
}

Windows::~Windows() = default;

bool Windows::MayQuit()
{
    return m_editor->queryQuit() && m_evtList->AskToSaveChanges();
}

void Windows::Connect()
{
    TFormMain* main = m_main.get();
    TFormOptions* options = m_options.get();
    TFormStatus* status = m_status.get();
    TFormEvtEdit* editor = m_editor.get();
    TFormCalendar* calendar = m_calendar.get();

    // What reading the configuration does to the options window.
    main->setConfigPartner(options);
    QObject::connect(main, &TFormMain::started, calendar, &TFormCalendar::SetDate);
    QObject::connect(main, &TFormMain::started, editor, &TFormEvtEdit::setCalendarDate);
    QObject::connect(main, &TFormMain::journalChanged, status, &TFormStatus::ShowJournal);

    QObject::connect(main, &TFormMain::journalRequested, status, [status] { ShowWindow(*status); });
    QObject::connect(main, &TFormMain::aboutRequested, m_about.get(),
                     [about = m_about.get()] { ShowWindow(*about); });
    QObject::connect(main, &TFormMain::calendarRequested, calendar, [calendar](QDate date) {
        calendar->SetCallerKey(MainCallerKey);
        calendar->SetDate(date);
        ShowWindow(*calendar);
    });
    QObject::connect(calendar, &TFormCalendar::mainDatePicked, main, &TFormMain::showPickedDate);

    QObject::connect(main, &TFormMain::editorRequested, editor, &TFormEvtEdit::showWithoutFileCommands);
    QObject::connect(main, &TFormMain::recordEditRequested, editor, &TFormEvtEdit::showRecord);
    // "Отключить" and "Удалить" go through the editor, so that it never
    // keeps a copy of the file that a later save would write back.
    main->session().SetEventEditor(
        [editor](const std::string& path, int ordinal, EventChange change, const std::string& text) {
            return editor->changeEvent(QString::fromStdString(path), ordinal, change,
                                       QString::fromStdString(text));
        });
    // Unsaved typing in the editor is not dropped without its close question.
    main->setQuitCheck([this] { return MayQuit(); });
    QObject::connect(main, &TFormMain::optionsRequested, options, &TFormOptions::Show);
    QObject::connect(options, &TFormOptions::looksApplied, main, &TFormMain::applyOwnLooks);
    QObject::connect(options, &TFormOptions::astroPanelToggled, main, &TFormMain::ShowAstroPanelChanged);
    QObject::connect(options, &TFormOptions::journalChanged, status, &TFormStatus::ShowJournal);
    QObject::connect(options, &TFormOptions::openInEditor, editor, [editor](const QString& path) {
        ShowWindow(*editor);
        editor->openFile(path);
        editor->refreshStatus();
    });

    // "Показать" lays out the main window's list over the period.
    TFormEvtOnPeriod* period = m_evtOnPeriod.get();
    QObject::connect(main, &TFormMain::periodRequested, period, &TFormEvtOnPeriod::ShowWindow);
    QObject::connect(period, &TFormEvtOnPeriod::periodChosen, main, &TFormMain::showPeriod);

    // The text editor, and the calculator that prints into it.
    TFormTextEditor* text = m_textEditor.get();
    TFormCalculator* calculator = m_calculator.get();
    QObject::connect(main, &TFormMain::textEditorRequested, text, &TFormTextEditor::ShowEditor);
    QObject::connect(main, &TFormMain::calculatorRequested, calculator, &TFormCalculator::ShowWindow);
    QObject::connect(calculator, &TFormCalculator::outputBelowRequested, text, &TFormTextEditor::ShowBelow);
    QObject::connect(calculator, &TFormCalculator::outputRequested, text, &TFormTextEditor::ShowEditor);
    QObject::connect(calculator, &TFormCalculator::calendarRequested, calendar, [calendar] {
        calendar->SetCallerKey(CalcCallerKey);
        ShowWindow(*calendar);
    });
    QObject::connect(calendar, &TFormCalendar::calcDatePicked, calculator, &TFormCalculator::SetPickedDate);

    // The tables print into the text editor too; their spreadsheet settings
    // are the colour window.
    TFormTables* tables = m_tables.get();
    TFormPrincipleColor* colours = m_principleColor.get();
    QObject::connect(main, &TFormMain::tablesRequested, tables, [tables] { ShowWindow(*tables); });
    QObject::connect(tables, &TFormTables::textEditorRequested, text, &TFormTextEditor::ShowEditor);
    QObject::connect(tables, &TFormTables::principleColoursRequested, colours,
                     &TFormPrincipleColor::ShowColours);

    // The personal event list, shown or given the chosen event row.
    TFormEvtList* list = m_evtList.get();
    QObject::connect(main, &TFormMain::eventListRequested, list, [list] { ShowWindow(*list); });
    QObject::connect(main, &TFormMain::addToListRequested, list,
                     [main, list](TDateRec date, const QString& text) {
                         if (list->isHidden()) {
                             list->show();
                             // The user goes on in the main window.
                             main->raise();
                             main->activateWindow();
                         }
                         list->AddEntry(date, text);
                     });
}

} // namespace orvenda
