#pragma once

// The desktop application object. An error that escapes a command (an
// exception thrown inside an event handler) is shown in a message box and
// the program goes on with the next event.

#include <QApplication>

namespace orvenda {

class Questions;

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Where escaped errors are shown; without one they only go to stderr.
    void SetPrompt(Questions* prompt) { m_prompt = prompt; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ShowError(const QString& text);

    Questions* m_prompt = nullptr;
};

} // namespace orvenda
