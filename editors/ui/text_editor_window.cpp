#include "editors/ui/text_editor_window.h"

#include "editors/text_area_output.h"
#include "editors/ui/rich_document.h"
#include "engine/file_filter.h"
#include "engine/questions.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace orvenda {

namespace {

const QString Caption = QStringLiteral("Текстовый редактор");
constexpr int IconSize = 24;

// The document as the output rules see it: the line count and line ends of
// what the user sees.
class DocumentArea final : public TextArea {
public:
    explicit DocumentArea(QTextEdit& edit) : m_edit(edit) {}

    std::size_t LineCount() const override
    {
        const QTextDocument& document = *m_edit.document();
        if (document.isEmpty())
            return 0;
        const int blocks = document.blockCount();
        return static_cast<std::size_t>(document.lastBlock().text().isEmpty() ? blocks - 1 : blocks);
    }
    bool EndsInsideLine() const override
    {
        const QTextDocument& document = *m_edit.document();
        return !document.isEmpty() && !document.lastBlock().text().isEmpty();
    }
    void InsertAtEnd(std::string_view text) override
    {
        QTextCursor cursor(m_edit.document());
        cursor.movePosition(QTextCursor::End);
        // Output takes the area's own font, whatever the user gave the text before it.
        cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                          QTextCharFormat());
        m_edit.setTextCursor(cursor);
        m_edit.ensureCursorVisible();
    }

private:
    QTextEdit& m_edit;
};

// A theme icon where the desktop has one; else `fallback`, or a picture
// painted from `glyph` when that is empty.
QIcon ToolIcon(const char* themeName, const QIcon& fallback, const QString& glyph = {})
{
    QIcon own = fallback;
    if (own.isNull() || !glyph.isEmpty()) {
        QPixmap picture(IconSize, IconSize);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("Serif"));
        font.setPixelSize(IconSize - 4);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QApplication::palette().color(QPalette::WindowText));
        painter.drawText(picture.rect(), Qt::AlignCenter, glyph);
        painter.end();
        own = QIcon(picture);
    }
    return QIcon::fromTheme(QString::fromLatin1(themeName), own);
}

// A printer: the paper going in, the body, the printed sheet coming out.
QIcon PrinterIcon()
{
    QPixmap picture(IconSize, IconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 2.5, 11, 7));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 14.5, 11, 7));
    painter.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    painter.end();
    return QIcon::fromTheme(QStringLiteral("document-print"), QIcon(picture));
}

Rgb ToRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // Offers printing to a PDF file beside the printers.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TFormTextEditor::TFormTextEditor(QString programFolder, Questions& questions, QWidget* parent)
    : QMainWindow(parent), m_programFolder(std::move(programFolder)), m_questions(questions),
      m_printDialog(&RunPrintDialog)
{
    setObjectName(QStringLiteral("FormTextEditor"));
    setWindowTitle(Caption);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The calculator's tape and the tables line their columns up with blanks,
    // which only a font of one width per character keeps in place.
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette look = RichEdit1->palette();
    look.setColor(QPalette::Base, look.color(QPalette::ToolTipBase));
    look.setColor(QPalette::Text, look.color(QPalette::ToolTipText));
    RichEdit1->setPalette(look);
    setCentralWidget(RichEdit1);
    m_area = std::make_unique<DocumentArea>(*RichEdit1);
    m_output = std::make_unique<TextAreaOutput>(*m_area);
    setMode(TextMode::Plain);

    auto* bar = addToolBar(QStringLiteral("Панель инструментов"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(IconSize, IconSize));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle* style = this->style();
    auto button = [&](const char* name, const QString& text, const QString& hint, const QIcon& icon,
                      void (TFormTextEditor::*command)()) {
        QAction* action = bar->addAction(icon, text);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, command);
        if (auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
            tool->setObjectName(QLatin1String(name) + QStringLiteral("Button"));
            tool->setAutoRaise(true);
            // 60 by 52, wider only where a caption would not fit.
            const int captionWidth = tool->fontMetrics().horizontalAdvance(text) + 8;
            tool->setFixedSize(std::max(60, captionWidth), 52);
        }
    };
    button("TBClear", QStringLiteral("Очистить"), QStringLiteral("Очисить окно вывода"),
           ToolIcon("edit-clear", style->standardIcon(QStyle::SP_DialogResetButton)),
           &TFormTextEditor::ClearClick);
    bar->addSeparator();
    button("TBLoad", QStringLiteral("Загрузить"), QStringLiteral("Загрузить из файла"),
           ToolIcon("document-open", style->standardIcon(QStyle::SP_DialogOpenButton)),
           &TFormTextEditor::LoadClick);
    button("TBSave", QStringLiteral("Сохранить"), QStringLiteral("Сохранить в файл"),
           ToolIcon("document-save", style->standardIcon(QStyle::SP_DialogSaveButton)),
           &TFormTextEditor::SaveClick);
    bar->addSeparator();
    button("TBFont", QStringLiteral("Шрифт"), QStringLiteral("Изменить шрифт выделенного текста"),
           ToolIcon("preferences-desktop-font", {}, QStringLiteral("A")), &TFormTextEditor::FontClick);
    bar->addSeparator();
    button("TBPrint", QStringLiteral("Печать"), QStringLiteral("Отправить на печать"), PrinterIcon(),
           &TFormTextEditor::PrintClick);

    resize(640, 420);
}

TFormTextEditor::~TFormTextEditor() = default;

void TFormTextEditor::AppendLine(std::string_view text)
{
    m_output->AppendLine(text);
}

void TFormTextEditor::StartOutputBlock()
{
    m_output->StartOutputBlock();
}

void TFormTextEditor::ShowEditor()
{
    show();
    raise();
    activateWindow();
}

void TFormTextEditor::ShowBelow(const QRect& frame)
{
    if (!isVisible()) {
        move(frame.left(), frame.top() + frame.height());
        show();
    }
}

void TFormTextEditor::ClearClick()
{
    RichEdit1->clear();
}

void TFormTextEditor::LoadClick()
{
    QString path = QString::fromStdString(m_questions.OpenFileName(
        {"Загрузить из файла", startFolder().toStdString(), FileFilter{std::string(TextLoadFilter), 1}}));
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path))
        path = QString::fromStdString(WithDefaultExtension(path.toStdString()));
    const LoadedText loaded = LoadTextDocument(path.toStdString(), m_mode);
    if (loaded.status == LoadedText::Failed) {
        showError(loaded.error);
        return;
    }
    m_fileName = path;
    if (loaded.status == LoadedText::Rich)
        SetRichText(*RichEdit1->document(), loaded.rich);
    else
        RichEdit1->setPlainText(QString::fromStdString(loaded.plain));
}

void TFormTextEditor::SaveClick()
{
    // A file name in place of the folder presets the dialog's name field.
    const QString start = m_fileName.isEmpty() ? startFolder() : m_fileName;
    const QString chosen = QString::fromStdString(m_questions.SaveFileName(
        {"Сохранить в файл", start.toStdString(), FileFilter{std::string(TextSaveFilter), 1},
         std::string(TextDefaultExtension)}));
    if (chosen.isEmpty())
        return;
    const std::string path = WithDefaultExtension(chosen.toStdString());
    setMode(ModeForSaveName(path, m_mode));
    const SaveResult result =
        m_mode == TextMode::Plain
            ? SavePlainText(path, RichEdit1->toPlainText().toStdString())
            : SaveRichText(path, ToRichText(*RichEdit1->document(),
                                            ToRgb(RichEdit1->palette().color(QPalette::Text))));
    if (!result.ok())
        showError(SaveFailureMessage(path, result));
}

void TFormTextEditor::FontClick()
{
    const QFont current = RichEdit1->currentFont();
    const QTextCharFormat format = RichEdit1->currentCharFormat();
    Questions::Font start{current.family().toStdString(),
                          current.pointSize(),
                          current.bold(),
                          current.italic(),
                          current.underline(),
                          current.strikeOut(),
                          std::nullopt};
    // Text without a colour of its own keeps following the window's.
    if (format.foreground().style() != Qt::NoBrush) {
        const QColor colour = format.foreground().color();
        start.colour =
            Questions::Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                           static_cast<std::uint8_t>(colour.blue())};
    }
    // "Применить" gives the font to the selection while the dialog stays open.
    const auto give = [this](const Questions::Font& chosen) {
        QFont font(QString::fromStdString(chosen.family), chosen.pointSize);
        font.setBold(chosen.bold);
        font.setItalic(chosen.italic);
        font.setUnderline(chosen.underline);
        font.setStrikeOut(chosen.strikeOut);
        QTextCharFormat given;
        given.setFont(font);
        if (chosen.colour)
            given.setForeground(QColor(chosen.colour->red, chosen.colour->green, chosen.colour->blue));
        RichEdit1->mergeCurrentCharFormat(given);
    };
    if (const std::optional<Questions::Font> chosen = m_questions.PickFont(start, give))
        give(*chosen);
}

void TFormTextEditor::PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Орвенда"));
    if (m_printDialog(printer, this))
        RichEdit1->print(&printer);
}

void TFormTextEditor::setMode(TextMode mode)
{
    m_mode = mode;
    // Pasted text keeps its looks only where the file will keep them.
    RichEdit1->setAcceptRichText(mode == TextMode::Rich);
}

QString TFormTextEditor::startFolder()
{
    const ReportFolder folder = PrepareReportFolder(m_programFolder.toStdString());
    if (!folder.error.empty())
        showError(folder.error);
    return QString::fromStdString(folder.path);
}

void TFormTextEditor::showError(const std::string& text)
{
    m_questions.ShowError(Caption.toStdString(), text);
}

} // namespace orvenda
