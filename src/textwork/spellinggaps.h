#pragma once
#include <QString>
#include <QStringList>

// The gap builders of the spelling exercises: a class of letters of a source text hidden behind
// blanks, one "_" for each hidden character.
namespace spellinggaps {

// How much of the source text a builder scans.
enum class Stretch {
    Whole,    // the whole text
    First900, // the first 900 characters (a piece starting within them is hidden whole)
};
constexpr int StretchLength = 900;

struct Exercise {
    QString gapped; // the scanned stretch with its pieces hidden
    int blanks = 0; // how many "_" the builder made
};

// Scans the source from its start: at each position the first of the pieces (in the order given)
// that the text holds there becomes blanks and the scan goes on after it; otherwise the character
// is kept. Characters compare exactly; line breaks count as CR LF; empty pieces hide nothing.
Exercise build(const QString& source, const QStringList& pieces, Stretch stretch);

// The families of exercise buttons.
enum class Family { pp, vo, ppp, ccc, pppp, ssi, Command3, Command9 };

// The pieces a button hides, in the order tried, read from its caption by character positions
// (for Command9 the caption is not read: its pieces are the letter groups).
QStringList pieces(Family family, const QString& caption);
// The letter groups as pieces: each trimmed of spaces, empty ones left out, in their order.
QStringList groupPieces(const QStringList& groups);
Stretch stretchOf(Family family);

} // namespace spellinggaps
