#pragma once

// The error journal window "Статус": a read-only text that fills the window
// and shows every line of the journal.

#include "engine/journal.h"

#include <QWidget>

class QPlainTextEdit;

namespace orvenda {

class TFormStatus : public QWidget {
    Q_OBJECT
public:
    explicit TFormStatus(const Journal& journal, QWidget* parent = nullptr);

    // Shows the journal as it stands now.
    void ShowJournal();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Journal& m_journal;
    QPlainTextEdit* m_memo = nullptr;
};

} // namespace orvenda
