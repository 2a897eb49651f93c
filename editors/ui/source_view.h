#pragma once

// The "Источник" tab: the text of the file as it was last read or saved,
// read-only, cream-coloured and not wrapped, so that the columns show as
// they stand in the file.

#include <QPlainTextEdit>

namespace orvenda {

class SourceView final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    // Replaces the text only when it differs, so that the place shown stays.
    void ShowSource(const QString& text);
};

} // namespace orvenda
