// The application object: an error escaping an event handler is shown and
// the program goes on.

#include "app/ui/application.h"
#include "ui_test_support.h"

#include <QEvent>

#include <stdexcept>

using namespace orvenda;
using namespace orvenda::test;

namespace {

class FailingObject : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Строка 3: не число");
        ++handled;
        return QObject::event(event);
    }
    int handled = 0;
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void escapedErrorIsShownAndEventsGoOn()
    {
        auto* app = qobject_cast<Application*>(QCoreApplication::instance());
        QVERIFY(app);
        ScriptedQuestions prompt;
        app->SetPrompt(&prompt);
        FailingObject object;
        QEvent failing(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&object, &failing), false);
        QCOMPARE(Asked(prompt), QStringList{QStringLiteral("Орвенда|Строка 3: не число")});

        QEvent next(QEvent::Type(QEvent::User + 1));
        QCoreApplication::sendEvent(&object, &next);
        QCOMPARE(object.handled, 1);
        app->SetPrompt(nullptr);
    }
};

ORVENDA_UI_TEST(ApplicationTest, "application")

#include "application_test.moc"
