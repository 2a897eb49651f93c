#include "config/ui/view_page.h"

#include "config/options_state.h"
#include "config/ui/look_samples.h"
#include "config/ui/qt_looks.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvenda {

namespace {

constexpr const char* ObjectItems[LookObjectCount] = {"Надпись -Сегодня-", "Надпись сегодняшнее число",
                                                      "Надпись день недели", "Окно высказываний",
                                                      "Окно событий"};

QToolButton* toolButton(const char* objectName, const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(text);
    button->setMinimumSize(26, 24);
    return button;
}

// A pressed button is sunken with a bold caption; a released one is flat.
void showPressed(QToolButton* button, bool pressed, bool italic)
{
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setChecked(pressed);
    QFont font = button->font();
    font.setBold(pressed);
    font.setItalic(italic);
    button->setFont(font);
}

void showSwatch(QToolButton* swatch, TColor colour)
{
    QPixmap pixmap(swatch->iconSize());
    const std::optional<QColor> shown = ColourOfValue(colour, swatch->palette());
    pixmap.fill(shown.value_or(Qt::transparent));
    QPainter painter(&pixmap);
    painter.setPen(swatch->palette().color(QPalette::WindowText));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    painter.end();
    swatch->setIcon(QIcon(pixmap));
}

} // namespace

ViewPage::ViewPage(OptionsState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* schemes = new QGroupBox(QStringLiteral("Цветовая схема"), this);
    createSchemeGroup(schemes);
    m_samples = new LookSamples(this);
    m_samples->setMinimumHeight(90);
    auto* object = new QGroupBox(QStringLiteral("Объект"), this);
    createObjectGroup(object);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(schemes);
    layout->addWidget(m_samples, 1);
    layout->addWidget(object);

    connect(m_samples, &LookSamples::objectClicked, this, &ViewPage::chooseSample);
    load();
}

void ViewPage::createSchemeGroup(QWidget* group)
{
    m_schemeBox = new QComboBox(group);
    m_schemeBox->setObjectName(QStringLiteral("schemeBox"));
    m_schemeBox->setEditable(true);
    m_schemeBox->setInsertPolicy(QComboBox::NoInsert);
    m_schemeBox->setMinimumContentsLength(10);
    auto* remove = new QPushButton(QStringLiteral("Удалить"), group);
    remove->setObjectName(QStringLiteral("deleteScheme"));
    auto* save = new QPushButton(QStringLiteral("Сохранить"), group);
    save->setObjectName(QStringLiteral("saveScheme"));
    m_apply = new QPushButton(QStringLiteral("Применить"), group);
    m_apply->setObjectName(QStringLiteral("applyLooks"));

    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(m_schemeBox, 1);
    row->addWidget(remove);
    row->addWidget(save);
    row->addWidget(m_apply);

    connect(m_schemeBox, &QComboBox::activated, this, &ViewPage::chooseScheme);
    connect(m_schemeBox->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_state.SetSchemeName(text.toStdString()); });
    connect(remove, &QPushButton::clicked, this, &ViewPage::deleteScheme);
    connect(save, &QPushButton::clicked, this, &ViewPage::saveScheme);
    connect(m_apply, &QPushButton::clicked, this, &ViewPage::applyLooks);
}

void ViewPage::createObjectGroup(QWidget* group)
{
    m_objectBox = new QComboBox(group);
    m_objectBox->setObjectName(QStringLiteral("objectBox"));
    for (const char* item : ObjectItems) {
        m_objectBox->addItem(QString::fromUtf8(item));
    }
    m_background = toolButton("backgroundSwatch", QString(), group);
    m_background->setIconSize(QSize(32, 16));
    auto* font = new QPushButton(QStringLiteral("Шрифт..."), group);
    font->setObjectName(QStringLiteral("fontButton"));
    m_fontColour = toolButton("fontSwatch", QString(), group);
    m_fontColour->setIconSize(QSize(32, 16));
    m_left = toolButton("alignLeft", QStringLiteral("[="), group);
    m_right = toolButton("alignRight", QStringLiteral("=]"), group);
    m_bold = toolButton("bold", QStringLiteral("Ж"), group);
    m_italic = toolButton("italic", QStringLiteral("К"), group);

    // The object box with its background colour, under it the font with its
    // colour, then the alignment and style buttons.
    auto* objectRow = new QHBoxLayout;
    objectRow->addWidget(m_objectBox, 1);
    objectRow->addWidget(m_background);
    auto* fontRow = new QHBoxLayout;
    fontRow->setSpacing(2);
    fontRow->addWidget(font);
    fontRow->addWidget(m_fontColour);
    fontRow->addStretch(1);
    for (QToolButton* button : {m_left, m_right, m_bold, m_italic}) {
        fontRow->addWidget(button);
    }
    auto* rows = new QVBoxLayout(group);
    rows->setContentsMargins(6, 6, 6, 6);
    rows->setSpacing(4);
    rows->addLayout(objectRow);
    rows->addLayout(fontRow);

    connect(m_objectBox, &QComboBox::activated, this, [this](int index) {
        m_state.ChooseObjectByBox(index);
        refreshObject();
    });
    connect(m_background, &QToolButton::clicked, this, &ViewPage::pickBackground);
    connect(font, &QPushButton::clicked, this, &ViewPage::pickFont);
    connect(m_fontColour, &QToolButton::clicked, this, &ViewPage::pickFontColour);
    connect(m_left, &QToolButton::clicked, this, [this] { toggle(&OptionsState::ToggleLeft); });
    connect(m_right, &QToolButton::clicked, this, [this] { toggle(&OptionsState::ToggleRight); });
    connect(m_bold, &QToolButton::clicked, this, [this] { toggle(&OptionsState::ToggleBold); });
    connect(m_italic, &QToolButton::clicked, this, [this] { toggle(&OptionsState::ToggleItalic); });
}

void ViewPage::load()
{
    loadSchemes();
    refreshObject();
}

void ViewPage::loadSchemes()
{
    m_schemeBox->clear();
    for (const std::string& name : m_state.Schemes()) {
        m_schemeBox->addItem(QString::fromStdString(name));
    }
    m_schemeBox->setEditText(QString::fromStdString(m_state.Config().ColorScheme));
}

void ViewPage::refreshObject()
{
    const ObjectControls controls = m_state.Controls();
    m_objectBox->setCurrentIndex(controls.object);
    showSwatch(m_background, controls.color);
    showSwatch(m_fontColour, controls.fontColor);
    showPressed(m_left, controls.leftPressed, false);
    showPressed(m_right, controls.rightPressed, false);
    showPressed(m_bold, controls.boldPressed, false);
    showPressed(m_italic, controls.italicPressed, true);
    m_left->setVisible(controls.alignmentVisible);
    m_right->setVisible(controls.alignmentVisible);
    m_samples->ShowLooks(m_state.Config().Looks);
    m_apply->setEnabled(m_state.ApplyEnabled());
}

void ViewPage::toggle(void (OptionsState::*button)())
{
    (m_state.*button)();
    refreshObject();
}

void ViewPage::chooseSample(int object)
{
    m_state.ChooseObjectBySample(object);
    refreshObject();
}

void ViewPage::chooseScheme(int index)
{
    if (index < 0) {
        return;
    }
    const QString name = m_schemeBox->itemText(index);
    m_schemeBox->setEditText(name);
    m_state.ChooseScheme(name.toStdString());
    refreshObject();
}

void ViewPage::deleteScheme()
{
    if (m_state.AskDeleteScheme()) {
        loadSchemes();
    }
}

void ViewPage::saveScheme()
{
    m_state.SetSchemeName(m_schemeBox->currentText().toStdString());
    m_state.SaveCurrentScheme();
    loadSchemes();
}

void ViewPage::applyLooks()
{
    const TLooks& looks = m_state.ApplyLooks();
    refreshObject();
    emit looksApplied(looks);
}

void ViewPage::pickBackground()
{
    if (m_state.PickColor()) {
        refreshObject();
    }
}

void ViewPage::pickFontColour()
{
    if (m_state.PickFontColor()) {
        refreshObject();
    }
}

void ViewPage::pickFont()
{
    // The samples show what the dialog's "Применить" put on the object
    // while the dialog is still open.
    if (m_state.PickFont([this] { refreshObject(); })) {
        refreshObject();
    }
}

} // namespace orvenda
