#pragma once

// The form tab of the saying layout ("[wisdom]" and "[wisdom by]"): the
// saying and its author.

#include "editors/ui/record_form.h"

class QLineEdit;
class QPlainTextEdit;

namespace orvenda {

class SayingForm final : public RecordForm {
    Q_OBJECT
public:
    explicit SayingForm(EventFileModel& model, QWidget* parent = nullptr);

    void Load() override;

private:
    QPlainTextEdit* m_wisdom;
    QLineEdit* m_author;
};

} // namespace orvenda
