#include "app/ui/application.h"

#include "app/ui/main_window.h"
#include "engine/questions.h"

#include <exception>

namespace orvenda {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromStdString(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}

void Application::ShowError(const QString& text)
{
    qWarning("%s", qUtf8Printable(text));
    if (m_prompt)
        m_prompt->ShowError(ProgramTitle().toStdString(), text.toStdString());
}

} // namespace orvenda
