#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// The gap rules of the fill-the-blanks player without a screen: each turns a text (line breaks as
// CR LF) into a gapped text by writing "_" in place of one class of letters or words, one "_"
// per character, so that position n of the result and of the text hold the same character or a
// blank for it. The spelling window's builders use the same scan.
namespace gaprules {

// Positions 1 to 900 are scanned; a match that starts there is written whole.
constexpr int ScanWindow = 900;

struct Blanked {
    QString gapped;
    int blanks = 0; // underscores written
    bool operator==(const Blanked&) const = default;
};

// Where a rule starts from: the text shown (which becomes the answer) or the answer.
enum class Source { CopyOut, Restore };

// A rule given by its tests, each a pattern compared exactly at the scan position and tried in
// order. A match writes the pattern with a leading and a trailing space kept and every other
// character as "_", and the scan goes on after it.
struct PatternRule {
    Source source = Source::CopyOut;
    QStringList tests;
};

// The pattern rules by their names (the pairs, digraphs, vowels and words); nullopt for any other.
std::optional<PatternRule> patternRule(QStringView name);

// Scans the text from its start: at each position the first test (in order) that the text holds
// there is written as the rule says and the scan goes on after it; otherwise the character is
// kept. An empty test matches nothing. The scan covers the first `window` characters (all of them
// when window is negative); a match that starts within them is written whole.
Blanked scan(const QString& text, const QStringList& tests, int window = ScanWindow);
// Every character but a space and ". , ; :" blanked.
Blanked sense(const QString& text);
// As sense, and the character after each space shown.
Blanked inicial(const QString& text);
// Every character but the space blanked.
Blanked everything(const QString& text);

// The word after the first space at or after a start drawn from r in [0, 1): every occurrence
// blanked. nullopt when the text (up to the scan window) has fewer than 6 characters; a text
// with no word to draw comes back unblanked.
std::optional<Blanked> atzar(const QString& text, double r);

} // namespace gaprules
