#include "engine/ui/prompt.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvenda {

Prompt::Answer MessageBoxPrompt::Ask(QWidget* parent, const QString& caption, const QString& text,
                                     Buttons buttons)
{
    if (buttons == Buttons::OverwriteCancel) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent);
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
    QMessageBox box(QMessageBox::NoIcon, caption, text, set, parent);
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

void MessageBoxPrompt::ShowError(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::critical(parent, caption, text);
}

void MessageBoxPrompt::Inform(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString MessageBoxPrompt::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter, const QString& selected)
{
    QString chosenFilter = selected;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, &chosenFilter);
}

QString MessageBoxPrompt::SaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter, const QString& selected)
{
    QString chosenFilter = selected;
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, &chosenFilter);
}

std::optional<QColor> MessageBoxPrompt::PickColour(QWidget* parent, const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<QFont> MessageBoxPrompt::PickFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

} // namespace orvenda
