#include "tools/calculator/ui/calculator_window.h"

#include "engine/questions.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace orvenda {

namespace {

constexpr int kKeyWidth = 40;
constexpr int kKeyHeight = 38;

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TFormCalculator::TFormCalculator(TextOutput& output, Questions& questions, std::function<TDateRec()> now,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), m_calc(output), m_questions(questions),
      m_now(std::move(now)),
      m_startProgram([](const QString& program) { return QProcess::startDetached(program); })
{
    setObjectName(QStringLiteral("FormCalculator"));
    setWindowTitle(QStringLiteral("Калькулятор дат"));

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("ECalc"));
    QFont fieldFont = m_field->font();
    fieldFont.setPixelSize(17);
    m_field->setFont(fieldFont);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_field, 0, 0, 1, 5);

    // The tools stand in a column on the left, one beside each keypad row.
    QPushButton* today = AddButton(QStringLiteral("BToday"), QStringLiteral("Сегодня"), 0, false);
    QPushButton* calendar = AddButton(QStringLiteral("BCal"), QStringLiteral("Календарь"), 0, false);
    QPushButton* kala = AddButton(QStringLiteral("BKala"), QStringLiteral("Характ-ка"), 0, false);
    kala->setToolTip(QStringLiteral("Характеристика дня по Калачакре"));
    QPushButton* sysCalc = AddButton(QStringLiteral("BSysCalc"), QStringLiteral("Калькулятор"), 0, false);
    sysCalc->setToolTip(QStringLiteral("Вызвать системный калькулятор"));
    int row = 1;
    for (QPushButton* tool : {today, calendar, kala, sysCalc})
        grid->addWidget(tool, row++, 0);

    // Keypad 1 2 3 / 4 5 6 / 7 8 9 / 0 .
    for (int digit = 1; digit <= 9; ++digit) {
        const QString key = QString::number(digit);
        QPushButton* button = AddButton(QStringLiteral("Button") + key, key, 19, false);
        grid->addWidget(button, 1 + (digit - 1) / 3, 1 + (digit - 1) % 3);
        connect(button, &QPushButton::clicked, this, [this, key] { KeyClick(key); });
    }
    QPushButton* zero = AddButton(QStringLiteral("Button0"), QStringLiteral("0"), 19, false);
    grid->addWidget(zero, 4, 1, 1, 2);
    connect(zero, &QPushButton::clicked, this, [this] { KeyClick(QStringLiteral("0")); });
    QPushButton* dot = AddButton(QStringLiteral("ButtonDot"), QStringLiteral("."), 24, false);
    grid->addWidget(dot, 4, 3);
    connect(dot, &QPushButton::clicked, this, [this] { KeyClick(QStringLiteral(".")); });

    // The operations form the right-hand column.
    QPushButton* clear = AddButton(QStringLiteral("BEClear"), QStringLiteral("C"), 13, true);
    QPalette red = clear->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    clear->setPalette(red);
    QPushButton* sum = AddButton(QStringLiteral("BSum"), QStringLiteral("+"), 19, true);
    QPushButton* substr = AddButton(QStringLiteral("BSubstr"), QStringLiteral("-"), 19, true);
    QPushButton* result = AddButton(QStringLiteral("BResult"), QStringLiteral("="), 19, true);
    row = 1;
    for (QPushButton* operation : {clear, sum, substr, result})
        grid->addWidget(operation, row++, 4);

    // The keys have a size of their own; the tool column takes what its captions need.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setFixedHeight(kKeyHeight);
        if (button->font().pixelSize() > 0)
            button->setFixedWidth(button == zero ? 2 * kKeyWidth + grid->horizontalSpacing() : kKeyWidth);
    }
    // A fixed border: the window is as large as its contents need.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(today, &QPushButton::clicked, this, &TFormCalculator::BTodayClick);
    connect(calendar, &QPushButton::clicked, this, &TFormCalculator::calendarRequested);
    connect(kala, &QPushButton::clicked, this, &TFormCalculator::BKalaClick);
    connect(sysCalc, &QPushButton::clicked, this, &TFormCalculator::BSysCalcClick);
    connect(clear, &QPushButton::clicked, this, &TFormCalculator::BEClearClick);
    connect(sum, &QPushButton::clicked, this, &TFormCalculator::BSumClick);
    connect(substr, &QPushButton::clicked, this, &TFormCalculator::BSubstrClick);
    connect(result, &QPushButton::clicked, this, &TFormCalculator::BResultClick);
}

QPushButton* TFormCalculator::AddButton(const QString& name, const QString& text, int pixelSize, bool bold)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    // The keys leave the focus, and so the field's selection, where it is.
    button->setFocusPolicy(Qt::NoFocus);
    if (pixelSize > 0) {
        QFont font = button->font();
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        button->setFont(font);
    }
    return button;
}

void TFormCalculator::SetPickedDate(QDate date)
{
    m_field->setText(QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year()));
}

void TFormCalculator::KeyClick(const QString& key)
{
    // Typed over a selection (as after every step), else added at the end.
    if (m_field->hasSelectedText())
        m_field->insert(key);
    else
        m_field->setText(m_field->text() + key);
}

void TFormCalculator::BTodayClick()
{
    m_calc.SetToday(m_now());
    m_field->setText(ToQ(m_calc.Field()));
}

void TFormCalculator::BSumClick()
{
    m_calc.SetField(m_field->text().toStdString());
    Finish(m_calc.BSumClick());
}

void TFormCalculator::BSubstrClick()
{
    m_calc.SetField(m_field->text().toStdString());
    Finish(m_calc.BSubstrClick());
}

void TFormCalculator::BResultClick()
{
    m_calc.SetField(m_field->text().toStdString());
    Finish(m_calc.BResultClick());
}

void TFormCalculator::BEClearClick()
{
    m_calc.BEClearClick();
    m_field->setText(ToQ(m_calc.Field()));
}

void TFormCalculator::ShowRefusal(const CalcMessage& message)
{
    // A plain message goes under the program's own title.
    m_questions.Inform(message.caption.empty() ? std::string(ProgramName) : message.caption, message.text);
}

void TFormCalculator::Finish(const CalcStep& step)
{
    if (step.refused) {
        ShowRefusal(*step.refused);
        return;
    }
    m_field->setText(ToQ(m_calc.Field()));
    if (step.showTape) {
        emit outputBelowRequested(frameGeometry());
        m_field->setFocus();
        m_field->selectAll();
    }
}

void TFormCalculator::BKalaClick()
{
    m_calc.SetField(m_field->text().toStdString());
    const CalcStep step = m_calc.BKalaClick();
    if (step.refused) {
        ShowRefusal(*step.refused);
        return;
    }
    emit outputRequested();
}

void TFormCalculator::BSysCalcClick()
{
    for (const char* name : kDesktopCalculators) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (program.isEmpty())
            continue;
        if (!m_startProgram(program))
            m_questions.Inform("Калькулятор",
                               "Не удалось запустить калькулятор " + program.toStdString() + ".");
        return;
    }
    m_questions.Inform("Калькулятор", "Не найден ни один калькулятор: gnome-calculator, kcalc, galculator, "
                                      "mate-calc, xcalc.\nУстановите один из них.");
}

void TFormCalculator::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

} // namespace orvenda
