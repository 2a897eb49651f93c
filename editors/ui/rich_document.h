#pragma once

// Between the text area's document and the runs that RTF files are made of.

#include "editors/rich_text.h"

class QTextDocument;

namespace orvenda {

// Every run with its look spelled out (face, size and colour resolved
// against the document's own font and `textColour`); paragraphs end in "\n".
RichText ToRichText(const QTextDocument& document, const Rgb& textColour);
// Replaces the document's content; what a run leaves open takes the
// document's own font and colour.
void SetRichText(QTextDocument& document, const RichText& text);

} // namespace orvenda
