#pragma once

// The form tab of one layout: the fields of the current record. A form
// writes every change of a field straight into the record (which marks the
// file modified) and says so with `edited`; Load shows the current record
// again without counting as an edit.

#include "editors/event_file.h"

#include <QWidget>

#include <optional>

class QLineEdit;
class QSpinBox;

namespace orvenda {

class RecordForm : public QWidget {
    Q_OBJECT
public:
    explicit RecordForm(EventFileModel& model, QWidget* parent = nullptr) : QWidget(parent), m_model(model) {}

    // Shows the current record; the fields are disabled while there is none.
    virtual void Load() = 0;

signals:
    void edited();

protected:
    using NumberSetter = bool (EventFileModel::*)(std::int32_t);

    // Every change of `box` goes to the current record through `setter`.
    void connectNumber(QSpinBox* box, NumberSetter setter);
    // Stores `value` through `setter`; `edited` when there is a current record.
    void storeNumber(NumberSetter setter, std::int32_t value);

    EventFileModel& m_model;
};

// A field for any 32-bit value: a file may hold numbers outside the usual
// ranges and they must show as they are.
QSpinBox* NewNumberBox(const char* name, QWidget* parent);
// A field for an hour or minute that may be empty: only whole numbers from
// 0 to `top` are accepted.
QLineEdit* NewOptionalNumberEdit(const char* name, int top, QWidget* parent);
// The value of such a field: an empty value when the field is empty; not
// valid while the text is not acceptable yet (the caller then keeps the
// stored value).
struct OptionalNumber {
    bool valid = false;                // false: the text is not an acceptable number
    std::optional<std::int32_t> value; // empty for an empty field
};
OptionalNumber OptionalNumberOf(const QLineEdit& edit);
QString OptionalNumberText(const std::optional<std::int32_t>& value);

} // namespace orvenda
