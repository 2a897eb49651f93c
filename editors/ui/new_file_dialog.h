#pragma once

// TFormNewEvtFile, the dialog in which the user picks the kind of file to
// create in the event and saying file editor. It is created once by the
// editor and only hidden; the choice made stays for the next showing.

#include "events/event_format.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace orvenda {

class TFormEvtEdit;

class TFormNewEvtFile final : public QDialog {
    Q_OBJECT
public:
    // The editor must outlive the dialog.
    explicit TFormNewEvtFile(TFormEvtEdit& editor, QWidget* parent = nullptr);

    // The kind now chosen.
    EventFileFormat ChosenKind() const;

    // "OK": shows the editor, hides the dialog, has the editor create an
    // empty file of the chosen kind and enables its file commands.
    void accept() override;

private:
    TFormEvtEdit& m_editor;
    std::array<QRadioButton*, 4> m_choices{};
};

} // namespace orvenda
