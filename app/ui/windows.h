#pragma once

// Every window of the desktop program, created once in the program's fixed
// order (the main window first) and alive until the program ends; the one
// place that knows them all and wires the main window's requests to them.
// A new window is created here in its place in the order, and its requests
// are connected in `Connect`.

#include "app/session.h"
#include "engine/principle_colours.h"
#include "engine/questions.h"
#include "engine/text_output.h"

#include <memory>

namespace orvenda {

class TFormAbout;
class TFormCalculator;
class TFormCalendar;
class TFormEvtEdit;
class TFormEvtList;
class TFormEvtOnPeriod;
class TFormMain;
class TFormOptions;
class TFormPrincipleColor;
class TFormStatus;
class TFormTables;
class TFormTextEditor;

class Windows {
public:
    // `questions` must outlive the windows.
    Windows(SessionEnvironment env, Questions& questions);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // The windows the entry and the tests reach; the others are reached
    // only through the main window's requests.
    TFormMain& Main() noexcept { return *m_main; }
    TFormOptions& Options() noexcept { return *m_options; }
    TFormStatus& Status() noexcept { return *m_status; }
    TFormAbout& About() noexcept { return *m_about; }
    TFormEvtEdit& Editor() noexcept { return *m_editor; }
    TFormCalendar& Calendar() noexcept { return *m_calendar; }
    TFormEvtList& EvtList() noexcept { return *m_evtList; }
    TFormEvtOnPeriod& EvtOnPeriod() noexcept { return *m_evtOnPeriod; }
    // Before the program ends: true when the editor's file and the personal
    // event list may be dropped (saved, or the user said so).
    bool MayQuit();

private:
    void Connect();

    // The tools are created before the text editor they print into; they
    // print through this, which passes their lines on once it exists.
    class OutputRelay final : public TextOutput {
    public:
        TextOutput* target = nullptr;
        void AppendLine(std::string_view text) override
        {
            if (target)
                target->AppendLine(text);
        }
        void StartOutputBlock() override
        {
            if (target)
                target->StartOutputBlock();
        }
    };
    OutputRelay m_output;
    PrincipleColours m_colours;

    // In the order of creation; destroyed in reverse, so the main window,
    // whose session holds the journal the others show, goes last.
    std::unique_ptr<TFormMain> m_main;
    std::unique_ptr<TFormOptions> m_options;
    std::unique_ptr<TFormStatus> m_status;
    std::unique_ptr<TFormCalculator> m_calculator;
    std::unique_ptr<TFormAbout> m_about;
    // The editor owns its new-file dialog.
    std::unique_ptr<TFormEvtEdit> m_editor;
    std::unique_ptr<TFormTables> m_tables;
    std::unique_ptr<TFormCalendar> m_calendar;
    std::unique_ptr<TFormPrincipleColor> m_principleColor;
    std::unique_ptr<TFormEvtList> m_evtList;
    std::unique_ptr<TFormEvtOnPeriod> m_evtOnPeriod;
    // The text editor last.
    std::unique_ptr<TFormTextEditor> m_textEditor;
};

} // namespace orvenda
