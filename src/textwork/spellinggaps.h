#pragma once
#include "textwork/gaprules.h"

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
constexpr int StretchLength = gaprules::ScanWindow;

// The scanned stretch with its pieces hidden, and how many "_" the builder made.
using Exercise = gaprules::Blanked;

// The player's scan (gaprules::scan) over the stretch: at each position the first of the pieces
// (in the order given) that the text holds there becomes blanks and the scan goes on after it.
// Characters compare exactly; line breaks count as CR LF; empty pieces hide nothing. Pieces never
// start or end with a space, so every character of a match becomes a blank.
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
