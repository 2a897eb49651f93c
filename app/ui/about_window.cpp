#include "app/ui/about_window.h"

#include "app/ui/program_icon.h"
#include "engine/textfile.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#ifndef ORVENDA_VERSION
#error "ORVENDA_VERSION comes from the project version in CMake"
#endif
#ifndef ORVENDA_BUILD_DATE
#error "ORVENDA_BUILD_DATE comes from a CMake timestamp"
#endif

namespace orvenda {

TFormAbout::TFormAbout(QString programFolder, QString dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dataFolder(dataFolder.isEmpty() ? programFolder : std::move(dataFolder))
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));

    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPicture(96));
    auto* name = new QLabel(QStringLiteral("Орвенда"), this);
    name->setObjectName(QStringLiteral("LProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Версия ") + VersionText(), this);
    version->setObjectName(QStringLiteral("LVersion"));
    auto* built = new QLabel(QStringLiteral("Сборка от ") + BuildDateText(), this);
    built->setObjectName(QStringLiteral("LBuildDate"));
    auto* purpose =
        new QLabel(QStringLiteral("События вокруг дня, высказывание дня\nи календарь Калачакры"), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(built);
    texts->addSpacing(6);
    texts->addWidget(purpose);
    texts->addSpacing(6);
    // Where the settings are is the first thing a user asks about an
    // installed program; both folders are selectable for copying.
    auto* folders = new QLabel(QStringLiteral("Папка пользователя: ") + programFolder +
                                   QStringLiteral("\nПапка данных: ") + m_dataFolder,
                               this);
    folders->setObjectName(QStringLiteral("LFolders"));
    folders->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(folders);
    texts->addStretch();
    auto* head = new QHBoxLayout;
    head->addWidget(picture, 0, Qt::AlignTop);
    head->addSpacing(12);
    head->addLayout(texts, 1);

    m_history = new QPlainTextEdit(this);
    m_history->setObjectName(QStringLiteral("MemoChangeLog"));
    m_history->setReadOnly(true);
    m_history->hide();

    auto* buttons = new QDialogButtonBox(this);
    m_historyButton = buttons->addButton(QStringLiteral("История изменений"), QDialogButtonBox::ActionRole);
    m_historyButton->setObjectName(QStringLiteral("BChangeLog"));
    m_historyButton->setCheckable(true);
    QPushButton* close = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::AcceptRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(m_history, 1);
    layout->addWidget(buttons);

    connect(m_historyButton, &QPushButton::toggled, this, &TFormAbout::ShowHistory);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

QString TFormAbout::VersionText()
{
    return QStringLiteral(ORVENDA_VERSION);
}

QString TFormAbout::BuildDateText()
{
    return QStringLiteral(ORVENDA_BUILD_DATE);
}

void TFormAbout::ShowHistory(bool shown)
{
    if (m_historyButton->isChecked() != shown)
        m_historyButton->setChecked(shown);
    if (shown) {
        const std::string path = (m_dataFolder + QStringLiteral("change.log")).toStdString();
        const std::optional<TextFile> file = ReadTextFile(path);
        m_history->setPlainText(file ? QString::fromStdString(file->text)
                                     : QStringLiteral("Не найден файл истории изменений: ") +
                                           QString::fromStdString(path));
        m_history->show();
        resize(std::max(width(), 560), std::max(height(), 460));
    } else {
        m_history->hide();
        adjustSize();
    }
}

} // namespace orvenda
