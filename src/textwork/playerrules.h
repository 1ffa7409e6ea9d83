#pragma once
#include "textwork/gaprules.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// The rules of the fill-the-blanks player that need no screen.
namespace playerrules {

// Only the first six keys of an exercise are blanked.
constexpr int BlankedKeys = 6;

// The text with every match of a key as underscores, its length unchanged, and the count.
using Blanked = gaprules::Blanked;

// Blanks the keys 0 to 5 in turn, each in the text the keys before it left: every place where a
// key stands (case and accents exact, inside words too) becomes one "_" per character. An empty
// or missing key changes nothing.
Blanked blankKeys(const QString& text, const QStringList& keys);

// The key filter: it runs only when a fifth key exists and its first character is above a
// space; then Backspace and every character of the blanked keys are let through. Otherwise every
// key is.
bool keyAccepted(const QStringList& keys, QChar typed);

// The four places of the gapped and the full text in the text panel.
enum class Layout { GappedOnly, FullTextOnly, Stacked, SideBySide };
struct LayoutPlaces {
    QRect text1;                  // twips inside the panel
    QRect text3;                  // twips inside the panel
    std::optional<double> points; // the full text's size, when the layout sets it
};
LayoutPlaces layoutPlaces(Layout layout);

// The titles of the numbered exercises 1 to 260, in number order: the first 30 characters of
// each file. A missing, empty or unreadable file gives a blank title; no file is created.
QStringList exerciseTitles(const QString& programFolder);

} // namespace playerrules
