#include "app/ui/today_window.h"

#include "app/astro_panel.h"
#include "engine/text.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace orvenda {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TodayWindow::TodayWindow(QString programFolder, QWidget* parent)
    : QWidget(parent), m_programFolder(std::move(programFolder))
{
    setWindowTitle(QStringLiteral("Орвенда"));
    auto* layout = new QVBoxLayout(this);

    m_weekdayLabel = new QLabel(this);
    m_dateLabel = new QLabel(this);
    QFont bold = m_dateLabel->font();
    bold.setBold(true);
    for (QLabel* label : {m_weekdayLabel, m_dateLabel}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFont(bold);
        layout->addWidget(label);
    }

    m_rows = new QGridLayout;
    m_rows->setHorizontalSpacing(12);
    layout->addLayout(m_rows);
    layout->addStretch();

    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 4; ++column) {
            auto* label = new QLabel(this);
            m_rows->addWidget(label, row, column);
        }
}

void TodayWindow::ShowDate(TDateRec date)
{
    m_dateLabel->setText(FromUtf8(FormatDate(date, "D")));
    m_weekdayLabel->setText(FromUtf8(WeekdayName(date, 2)));

    const AstroRows rows = FillAstroPanel(date);
    for (int row = 0; row < 7; ++row) {
        const AstroRow& r = rows[static_cast<std::size_t>(row)];
        auto label = [&](int column) { return static_cast<QLabel*>(m_rows->itemAtPosition(row, column)->widget()); };
        label(0)->setPixmap(QPixmap(m_programFolder + FromUtf8(r.Picture)));
        label(1)->setText(FromUtf8(r.Caption));
        label(2)->setText(FromUtf8(r.Name));
        label(3)->setText(FromUtf8(r.Period));
    }
}

} // namespace orvenda
