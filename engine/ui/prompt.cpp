#include "engine/ui/prompt.h"

#include "engine/ui/font_dialog.h"
#include "engine/ui/font_style.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace orvenda {

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The window the user is working in owns the dialog.
QWidget* parentWindow()
{
    return QApplication::activeWindow();
}

} // namespace

Questions::Answer MessageBoxPrompt::Ask(const std::string& caption, const std::string& text, Buttons buttons)
{
    if (buttons == Buttons::OverwriteCancel) {
        QMessageBox box(QMessageBox::NoIcon, q(caption), q(text), QMessageBox::NoButton, parentWindow());
        QPushButton* overwrite = box.addButton(QStringLiteral("Перезаписать"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        // Enter must not overwrite another program's change by accident.
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == overwrite ? Answer::Ok : Answer::Cancel;
    }
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Cancel;
    switch (buttons) {
    case Buttons::OkCancel:
        set |= QMessageBox::Cancel;
        break;
    case Buttons::OkNo:
        set |= QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case Buttons::NoOkCancel:
        set |= QMessageBox::No | QMessageBox::Cancel;
        break;
    case Buttons::OverwriteCancel:
        break;
    }
    QMessageBox box(QMessageBox::NoIcon, q(caption), q(text), set, parentWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::No:
        return Answer::No;
    default:
        return escape == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
}

void MessageBoxPrompt::ShowError(const std::string& caption, const std::string& text)
{
    QMessageBox::critical(parentWindow(), q(caption), q(text));
}

void MessageBoxPrompt::Inform(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, q(caption), q(text), QMessageBox::Ok, parentWindow());
    box.exec();
}

std::string MessageBoxPrompt::OpenFileName(const FileChoice& choice)
{
    const ToolkitFilter filter = ToToolkitFilter(choice.filter);
    QString selected = q(filter.selected);
    return QFileDialog::getOpenFileName(parentWindow(), q(choice.caption), q(choice.folder), q(filter.filter),
                                        &selected)
        .toStdString();
}

std::string MessageBoxPrompt::SaveFileName(const FileChoice& choice)
{
    const ToolkitFilter filter = ToToolkitFilter(choice.filter);
    // The dialog itself adds the extension, so that its question before
    // replacing a file is about the name that will be written.
    QFileDialog dialog(parentWindow(), q(choice.caption), q(choice.folder), q(filter.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectNameFilter(q(filter.selected));
    dialog.setDefaultSuffix(q(choice.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<Questions::Rgb> MessageBoxPrompt::PickColour(const Rgb& initial)
{
    const QColor colour =
        QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), parentWindow());
    if (!colour.isValid())
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

std::optional<Questions::Font> MessageBoxPrompt::PickFont(const Font& initial, const FontApply& apply)
{
    // A face that is not installed (the schemes' "MS Sans Serif") starts at
    // the desktop's face; sizes stay within what a window can show.
    QFont start = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (!initial.family.empty() && QFontDatabase::hasFamily(q(initial.family)))
        start.setFamily(q(initial.family));
    if (initial.pointSize > 0)
        start.setPointSize(std::min(initial.pointSize, 144));
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    start.setUnderline(initial.underline);
    start.setStrikeOut(initial.strikeOut);
    start.setStyleName(StyleNameOf(start.family(), initial.bold, initial.italic));
    QWidget* parent = parentWindow();
    const QColor colour = initial.colour
                              ? QColor(initial.colour->red, initial.colour->green, initial.colour->blue)
                              : (parent ? parent->palette() : QApplication::palette()).color(QPalette::Text);

    FontDialog dialog(start, colour, static_cast<bool>(apply), parent);
    // The colour stays the caller's own (a desktop colour, say) until the
    // user picks one.
    const auto chosen = [&dialog, &initial] {
        const QFont font = dialog.currentFont();
        // A font sized in pixels still has a size in whole points.
        const int points = font.pointSize() > 0
                               ? font.pointSize()
                               : std::max(1, static_cast<int>(std::lround(QFontInfo(font).pointSizeF())));
        Font result{font.family().toStdString(),
                    points,
                    font.bold(),
                    font.italic(),
                    font.underline(),
                    font.strikeOut(),
                    initial.colour};
        if (dialog.colourChosen()) {
            const QColor picked = dialog.currentColour();
            result.colour =
                Rgb{static_cast<std::uint8_t>(picked.red()), static_cast<std::uint8_t>(picked.green()),
                    static_cast<std::uint8_t>(picked.blue())};
        }
        return result;
    };
    if (apply)
        QObject::connect(&dialog, &FontDialog::applied, &dialog, [&apply, &chosen] { apply(chosen()); });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen();
}

} // namespace orvenda
