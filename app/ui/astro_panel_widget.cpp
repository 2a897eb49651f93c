#include "app/ui/astro_panel_widget.h"

#include "app/ui/clickable_label.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace orvenda {

namespace {

// The delivered pictures are 40 × 40; they are shown a little smaller so that
// the seven rows leave room for the event list.
constexpr int PictureSize = 32;
constexpr int KalachakraSize = 7 * (PictureSize + 2);

// The control names of the rows, after the row's characteristic.
constexpr std::array<const char*, 7> RowNames{"Century", "Year", "Month", "Decade", "Week", "Day", "Zodiak"};

QPixmap Picture(const QString& path, int size)
{
    QPixmap pixmap(path);
    if (pixmap.isNull())
        return pixmap;
    return pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QLabel* NamedLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

AstroPanelWidget::AstroPanelWidget(QString dataFolder, QWidget* parent)
    : QWidget(parent), m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("PAstro"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);

    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const QString row = QString::fromLatin1(RowNames[i]);
        RowLabels& labels = m_rows[i];
        labels.caption = NamedLabel(this, QStringLiteral("L%1Caption").arg(row));
        labels.picture = NamedLabel(this, QStringLiteral("Image%1").arg(row));
        labels.picture->setFixedSize(PictureSize, PictureSize);
        labels.name = NamedLabel(this, QStringLiteral("L%1Name").arg(row));
        labels.period = NamedLabel(this, QStringLiteral("L%1Period").arg(row));
        QFont bold = labels.name->font();
        bold.setBold(true);
        labels.name->setFont(bold);
        const int r = static_cast<int>(i);
        grid->addWidget(labels.caption, r, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(labels.picture, r, 1);
        grid->addWidget(labels.name, r, 2, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(labels.period, r, 3, Qt::AlignLeft | Qt::AlignVCenter);
    }

    m_kalachakra = new ClickableLabel(this);
    m_kalachakra->setObjectName(QStringLiteral("ImageKalachakra"));
    m_kalachakra->setCursor(Qt::PointingHandCursor);
    m_kalachakra->setToolTip(QStringLiteral("Показать Калачакру"));
    m_kalachakra->setStatusTip(QStringLiteral("Показать Калачакру"));
    m_kalachakra->setFixedSize(KalachakraSize, KalachakraSize);
    m_kalachakra->setAlignment(Qt::AlignCenter);
    m_kalachakra->setPixmap(Picture(m_dataFolder + QStringLiteral("Img/Kalachakra.jpg"), KalachakraSize));
    grid->addWidget(m_kalachakra, 0, 5, 7, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(4, 1);

    connect(m_kalachakra, &ClickableLabel::clicked, this, &AstroPanelWidget::kalachakraClicked);
}

void AstroPanelWidget::Show(const AstroRows& rows)
{
    m_shown = rows;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const AstroRow& row = rows[i];
        RowLabels& labels = m_rows[i];
        labels.caption->setText(QString::fromStdString(row.Caption));
        labels.picture->setPixmap(
            row.Picture.empty() ? QPixmap()
                                : Picture(m_dataFolder + QString::fromStdString(row.Picture), PictureSize));
        labels.name->setText(QString::fromStdString(row.Name));
        labels.period->setText(QString::fromStdString(row.Period));
    }
}

} // namespace orvenda
