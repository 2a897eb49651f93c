#include "editors/ui/record_form.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QSpinBox>

#include <limits>

namespace orvenda {

void RecordForm::connectNumber(QSpinBox* box, NumberSetter setter)
{
    // The member pointer is used in a member function, not in the lambda:
    // GCC 12 with the undefined-behaviour sanitizer miscompiles a lambda that
    // applies a captured member function pointer to a reference member.
    connect(box, &QSpinBox::valueChanged, this, [this, setter](int value) { storeNumber(setter, value); });
}

void RecordForm::storeNumber(NumberSetter setter, std::int32_t value)
{
    if ((m_model.*setter)(value))
        emit edited();
}

QSpinBox* NewNumberBox(const char* name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-0000000")) + 40);
    return box;
}

QLineEdit* NewOptionalNumberEdit(const char* name, int top, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new QIntValidator(0, top, edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    return edit;
}

OptionalNumber OptionalNumberOf(const QLineEdit& edit)
{
    if (edit.text().trimmed().isEmpty())
        return {true, std::nullopt};
    if (!edit.hasAcceptableInput())
        return {false, std::nullopt};
    return {true, edit.text().toInt()};
}

QString OptionalNumberText(const std::optional<std::int32_t>& value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace orvenda
