#include "config/ui/look_samples.h"

#include "config/ui/qt_looks.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace orvenda {

namespace {

// Texts as the main window would show them on a Tuesday, 30 July 2002.
constexpr const char* SampleTexts[LookObjectCount] = {"Сегодня", "30.07.02", "Вторник", "Фраза дня",
                                                      "События"};

// Space the panels of the sample area keep round their texts.
constexpr int CaptionMargin = 5;

void paintSample(QLabel* label, const TObjectLook& look, Qt::Alignment alignment)
{
    QPalette palette = label->palette();
    if (const std::optional<QColor> colour = ColourOfValue(look.Color, palette)) {
        palette.setColor(QPalette::Window, *colour);
    }
    if (const std::optional<QColor> colour = ColourOfValue(look.FontColor, palette)) {
        palette.setColor(QPalette::WindowText, *colour);
    }
    label->setPalette(palette);
    label->setFont(FontOfObjectLook(look));
    label->setAlignment(alignment);
}

} // namespace

LookSamples::LookSamples(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    for (int object = 0; object < LookObjectCount; ++object) {
        QLabel* label = new QLabel(QString::fromUtf8(SampleTexts[object]), this);
        label->setObjectName(QStringLiteral("sample") + QString::fromLatin1(LookObjectName(object)));
        label->setAutoFillBackground(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        m_samples[object] = label;
    }
    m_samples[LcWis]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_samples[LcWis]->setMargin(2);
    m_samples[LcEvt]->setMargin(2);

    m_captions = new QWidget(this);
    auto* captions = new QVBoxLayout(m_captions);
    captions->setContentsMargins(0, 0, 0, 0);
    captions->setSpacing(0);
    captions->addWidget(m_samples[LcToday]);
    captions->addWidget(m_samples[LcDate]);
    captions->addWidget(m_samples[LcDayOfWeek]);

    m_top = new QWidget(this);
    auto* top = new QHBoxLayout(m_top);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(2);
    top->addWidget(m_captions);
    top->addWidget(m_samples[LcWis], 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_top);
    layout->addWidget(m_samples[LcEvt], 1);

    ShowLooks(DefaultLooks());
}

void LookSamples::ShowLooks(const TLooks& looks)
{
    for (int object = 0; object < LookObjectCount; ++object) {
        Qt::Alignment alignment = QtAlignmentOfLook(looks[object].Alignment);
        if (object == LcWis) {
            alignment = (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
        } else if (object == LcEvt) {
            // The events list has no alignment of its own.
            alignment = Qt::AlignLeft | Qt::AlignTop;
        }
        paintSample(m_samples[object], looks[object], alignment);
    }
    refit(looks);
}

void LookSamples::refit(const TLooks& looks)
{
    int captionsHeight = 0;
    int widest = 0;
    for (int object : {LcToday, LcDate, LcDayOfWeek}) {
        const QFontMetrics metrics(FontOfObjectLook(looks[object]));
        captionsHeight += metrics.height();
        widest = std::max(widest, metrics.horizontalAdvance(m_samples[object]->text()));
    }
    m_captionsWidth = std::max(m_captionsWidth, widest + CaptionMargin);
    m_captions->setFixedWidth(m_captionsWidth);

    // The saying box shows three lines of its font at least.
    const int sayingHeight = 3 * QFontMetrics(FontOfObjectLook(looks[LcWis])).height() + CaptionMargin;
    m_top->setFixedHeight(std::max(captionsHeight + CaptionMargin, sayingHeight));
}

bool LookSamples::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int object = 0; object < LookObjectCount; ++object) {
            if (watched == m_samples[object]) {
                emit objectClicked(object);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace orvenda
