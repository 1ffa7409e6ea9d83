#pragma once
#include <QByteArray>
#include <QString>

// The texts of the gap typing are held as the record files hold them, every line break a CR LF
// pair; a Qt text box keeps one character per break. These map texts and caret positions between
// the two (core's toCrLf brings a text to CR LF).
namespace linebreaks {

// CR LF pairs as the single "\n" of a text box.
QString toBox(const QString& crlfText);
// The text box position of a position in a CR LF text; a position between CR and LF maps to
// after the break.
int boxPosition(const QString& crlfText, int position);
// The CR LF text position of a text box position.
int crlfPosition(const QString& crlfText, int boxPosition);
// Whether the position stands between the CR and the LF of a break.
bool insideBreak(const QString& crlfText, int position);

// A text handed to a desktop program in a scratch file (never read back): CR LF breaks, cut or
// padded with spaces to `length` characters (a break counting two, as in a record), in UTF-8.
QByteArray handOffBytes(const QString& text, int length);

} // namespace linebreaks
