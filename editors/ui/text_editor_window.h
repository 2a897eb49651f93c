#pragma once

// The text editor "Текстовый редактор": one text area that the user writes,
// loads, saves and prints, and that the calculator, the tables and the
// period window print their results into through TextOutput.

#include "editors/text_editor_files.h"
#include "engine/text_output.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QTextEdit;

namespace orvenda {

class Questions;
class TextArea;
class TextAreaOutput;

class TFormTextEditor : public QMainWindow, public TextOutput {
    Q_OBJECT
public:
    // `programFolder` holds the "Report" folder the file dialogs start in.
    TFormTextEditor(QString programFolder, Questions& questions, QWidget* parent = nullptr);
    ~TFormTextEditor() override;

    // Output of the tools.
    void AppendLine(std::string_view text) override;
    void StartOutputBlock() override;

    // Shows the window, raised.
    void ShowEditor();
    // A hidden window is placed right below `frame` (a window's frame
    // geometry), its left edge on the frame's, and shown; a shown one stays
    // where the user has it.
    void ShowBelow(const QRect& frame);

    TextMode Mode() const noexcept { return m_mode; }
    const QString& FileName() const noexcept { return m_fileName; }
    QTextEdit* TextEdit() const noexcept { return RichEdit1; }

    // The tool bar's commands.
    void ClearClick();
    void LoadClick();
    void SaveClick();
    void FontClick();
    void PrintClick();

    // Runs the print dialog on `printer`; true when the user chose to print.
    // Tests put a dialog of their own in place of the real one.
    using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void SetPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

private:
    void setMode(TextMode mode);
    QString startFolder();
    void showError(const std::string& text);

    QString m_programFolder;
    Questions& m_questions;
    QTextEdit* RichEdit1 = nullptr;
    TextMode m_mode = TextMode::Plain;
    QString m_fileName;
    std::unique_ptr<TextArea> m_area;
    std::unique_ptr<TextAreaOutput> m_output;
    PrintDialog m_printDialog;
};

} // namespace orvenda
