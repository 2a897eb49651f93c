#pragma once

// The one place where windows ask the user something, report an error or
// show a file, colour or font dialog. Windows take a Prompt so that tests can
// answer in advance instead of a person.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace orvenda {

class Prompt {
public:
    enum class Answer { Ok, Cancel, No };
    // OverwriteCancel: "Перезаписать" (answered Ok) and "Отмена".
    enum class Buttons { OkCancel, OkNo, NoOkCancel, OverwriteCancel };

    virtual ~Prompt() = default;

    // A question in a box without icon. Closing the box without a button
    // counts as the last negative answer of the set (Cancel or No).
    virtual Answer Ask(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) = 0;
    // An error that ended a command; the program goes on afterwards.
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A plain message with an OK button.
    virtual void Inform(QWidget* parent, const QString& caption, const QString& text) = 0;

    // File dialogs: the chosen path, or an empty text when cancelled.
    // `filter` uses Qt's form ("Name (*.a *.b);;Other (*)"); `selected` picks one of them.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, const QString& selected) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, const QString& selected) = 0;

    // Colour and font dialogs; nullopt when cancelled.
    virtual std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) = 0;
};

// The real dialogs.
class MessageBoxPrompt final : public Prompt {
public:
    Answer Ask(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) override;
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    void Inform(QWidget* parent, const QString& caption, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter, const QString& selected) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter, const QString& selected) override;
    std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) override;
};

} // namespace orvenda
