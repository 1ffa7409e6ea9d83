#pragma once
#include <QByteArray>
#include <QString>

class QTextDocument;

// Word-processor documents as rich text (RTF), read and written by our own code.
//
// What is kept: paragraphs with their alignment and indents, runs with font, size (to the half
// point), bold, italic, underline and colour, tabs, line breaks, pictures at their shown size, and
// links. The background of the text area belongs to the editor, so it is neither written nor read.
namespace rtf {

// Replaces the document's content with the rich text in bytes. Bytes that are not rich text
// (not starting with "{\rtf") give false and leave the document untouched; anything else is read
// as far as it makes sense, without failing.
bool read(const QByteArray& bytes, QTextDocument& document);

// The document as rich text, code page 1252 with Unicode escapes for the rest. Runs without a font
// or size of their own take the document's default font.
QByteArray write(const QTextDocument& document);

// The file forms of the two: false when the file can't be read or isn't rich text (the document
// is then untouched), or when it can't be written (the old file is then kept as it was).
bool load(const QString& path, QTextDocument& document);
bool save(const QString& path, const QTextDocument& document);

} // namespace rtf
