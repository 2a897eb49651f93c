#pragma once

// Every window of the desktop program, created once in the program's fixed
// order (the main window first) and alive until the program ends; the one
// place that knows them all and wires the main window's requests to them.
// A new window is created here in its place in the order, and its requests
// are connected in `Connect`.

#include "app/session.h"
#include "engine/questions.h"

#include <memory>

namespace orvenda {

class TFormAbout;
class TFormCalendar;
class TFormEvtEdit;
class TFormEvtOnPeriod;
class TFormMain;
class TFormOptions;
class TFormStatus;

class Windows {
public:
    // `questions` must outlive the windows.
    Windows(SessionEnvironment env, Questions& questions);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    TFormMain& Main() noexcept { return *m_main; }
    TFormOptions& Options() noexcept { return *m_options; }
    TFormStatus& Status() noexcept { return *m_status; }
    TFormAbout& About() noexcept { return *m_about; }
    TFormEvtEdit& Editor() noexcept { return *m_editor; }
    TFormCalendar& Calendar() noexcept { return *m_calendar; }
    TFormEvtOnPeriod& EvtOnPeriod() noexcept { return *m_evtOnPeriod; }

private:
    void Connect();

    // In the order of creation; destroyed in reverse, so the main window,
    // whose session holds the journal the others show, goes last. The
    // windows still to come take their places as marked.
    std::unique_ptr<TFormMain> m_main;
    std::unique_ptr<TFormOptions> m_options;
    std::unique_ptr<TFormStatus> m_status;
    // the date calculator TFormCalculator
    std::unique_ptr<TFormAbout> m_about;
    // The editor owns its new-file dialog.
    std::unique_ptr<TFormEvtEdit> m_editor;
    // the tables TFormTables
    std::unique_ptr<TFormCalendar> m_calendar;
    // the spreadsheet colours TFormPrincipleColor, the personal event list
    // TFormEvtList
    std::unique_ptr<TFormEvtOnPeriod> m_evtOnPeriod;
    // and last the text editor TFormTextEditor
};

} // namespace orvenda
