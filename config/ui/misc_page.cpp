#include "config/ui/misc_page.h"

#include "config/options_state.h"
#include "config/ui/qt_looks.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>

namespace orvenda {

namespace {

// A group whose check box sits on its caption, over the blanks the caption
// starts with.
class CaptionCheckGroup : public QGroupBox {
public:
    CaptionCheckGroup(const QString& title, QCheckBox* check, QWidget* parent)
        : QGroupBox(title, parent), m_check(check)
    {
        m_check->setParent(this);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QGroupBox::resizeEvent(event);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QRect label =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        const QSize size = m_check->sizeHint();
        m_check->setGeometry(label.left(), label.center().y() - size.height() / 2, size.width(),
                             size.height());
        m_check->raise();
    }

private:
    QCheckBox* m_check;
};

void setTextColour(QWidget* widget, TColor colour)
{
    QPalette palette = widget->palette();
    const QColor shown = ColourOfValue(colour, palette).value_or(Qt::black);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, shown);
        palette.setColor(group, QPalette::ButtonText, shown);
    }
    widget->setPalette(palette);
}

QCheckBox* checkBox(const char* objectName, const QString& text, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

} // namespace

MiscPage::MiscPage(OptionsState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    m_confirmExit = checkBox("confirmExit", QStringLiteral("Запрашивать подтверждение при выходе"), this);
    m_adjustSize = checkBox("adjustFormSize", QStringLiteral("Автоширина окна"), this);
    m_adjustSize->setToolTip(
        QStringLiteral("Автоматически увеличивать ширину окна под самое длинное событие (не шире экрана)"));
    m_astroPanel =
        checkBox("showAstroPanel", QStringLiteral("Показывать астрологические характеристики дня"), this);
    m_autostart = checkBox("autostart", QStringLiteral("Запускать при загрузке ОС"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createLogGroup());
    layout->addSpacing(6);
    layout->addWidget(m_confirmExit);
    layout->addWidget(m_adjustSize);
    layout->addWidget(m_astroPanel);
    layout->addWidget(m_autostart);
    layout->addStretch(1);

    connect(m_confirmExit, &QCheckBox::clicked, this, [this](bool on) { m_state.SetConfirmExit(on); });
    connect(m_adjustSize, &QCheckBox::clicked, this, [this](bool on) { m_state.SetAdjustFormSize(on); });
    connect(m_astroPanel, &QCheckBox::clicked, this, [this](bool on) {
        m_state.SetShowAstroPanel(on);
        emit astroPanelToggled(on);
    });
    connect(m_autostart, &QCheckBox::clicked, this, [this](bool on) { m_state.SetAutostart(on); });
    load();
}

QWidget* MiscPage::createLogGroup()
{
    m_logEnable = checkBox("logEnable", QString(), nullptr);
    auto* group = new CaptionCheckGroup(QStringLiteral("       сохранять жунал "), m_logEnable, this);

    m_daily = new QRadioButton(QStringLiteral("Создавать каждый день"), group);
    m_daily->setObjectName(QStringLiteral("logDaily"));
    m_daily->setToolTip(QStringLiteral("Создаётся отдельный файл на каждый день "));
    m_dailyNote = new QLabel(QStringLiteral("СегодняшняяДата.log"), group);
    setTextColour(m_dailyNote, 0x808080);
    m_oneFile = new QRadioButton(QStringLiteral("Один файл"), group);
    m_oneFile->setObjectName(QStringLiteral("logOneFile"));
    m_oneFile->setToolTip(QStringLiteral("Используется один файл "));
    m_logName = new QLineEdit(group);
    m_logName->setObjectName(QStringLiteral("logFileName"));
    m_append = checkBox("logAppend", QStringLiteral("Добавлять в конец файла"), group);

    // The radio buttons' indicators line up with the texts under them.
    const int indent = m_daily->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       m_daily->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    grid->addWidget(m_daily, 0, 0, 1, 2);
    grid->addWidget(m_dailyNote, 1, 1);
    grid->addWidget(m_oneFile, 2, 0, 1, 2);
    grid->addWidget(m_logName, 3, 1);
    grid->addWidget(m_append, 4, 1);
    grid->setColumnMinimumWidth(0, indent);
    grid->setColumnStretch(1, 1);

    connect(m_logEnable, &QCheckBox::clicked, this, [this](bool on) {
        m_state.SetLogEnable(on);
        refreshLog();
    });
    connect(m_daily, &QRadioButton::clicked, this, [this] {
        m_state.SetUserLog(false);
        refreshLog();
    });
    connect(m_oneFile, &QRadioButton::clicked, this, [this] {
        m_state.SetUserLog(true);
        refreshLog();
    });
    connect(m_logName, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_state.SetLogFileName(text.toStdString()); });
    connect(m_append, &QCheckBox::clicked, this, [this](bool on) { m_state.SetLogAppend(on); });
    return group;
}

void MiscPage::load()
{
    const TConfigRec& config = m_state.Config();
    m_logEnable->setChecked(config.LogEnable);
    (config.UserLog ? m_oneFile : m_daily)->setChecked(true);
    if (m_logName->text().toStdString() != config.UserLogFileName) {
        m_logName->setText(QString::fromStdString(config.UserLogFileName));
    }
    m_append->setChecked(config.LogAppend);
    m_confirmExit->setChecked(config.ConfirmExit);
    m_adjustSize->setChecked(config.AdjustFormSize);
    m_astroPanel->setChecked(config.ShowAstroPanel);
    m_autostart->setChecked(config.Autostart);
    refreshLog();
}

void MiscPage::refreshLog()
{
    const LogControls log = m_state.Log();
    for (QWidget* widget : {static_cast<QWidget*>(m_daily), static_cast<QWidget*>(m_dailyNote),
                            static_cast<QWidget*>(m_oneFile), static_cast<QWidget*>(m_append)}) {
        widget->setEnabled(log.groupEnabled);
    }
    m_logName->setEnabled(log.nameFieldEnabled);
    setTextColour(m_daily, log.dailyText);
    setTextColour(m_oneFile, log.oneFileText);
    setTextColour(m_append, log.appendText);
}

} // namespace orvenda
