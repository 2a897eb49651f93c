#pragma once

// The form tab of the floating layout ("[float events]"): the event text,
// four drop-downs over the lookup lists (each shows the item and stores its
// key), the year, the notice days and the active box.

#include "editors/ui/record_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orvenda {

class FloatingForm final : public RecordForm {
    Q_OBJECT
public:
    explicit FloatingForm(EventFileModel& model, QWidget* parent = nullptr);

    void Load() override;

private:
    QComboBox* newLookupBox(const char* name, NumberSetter setter);

    QLineEdit* m_event;
    QComboBox* m_astro;
    QComboBox* m_weekday;
    QComboBox* m_week;
    QComboBox* m_month;
    QSpinBox* m_year;
    QSpinBox* m_before;
    QSpinBox* m_after;
    QCheckBox* m_active;
};

} // namespace orvenda
