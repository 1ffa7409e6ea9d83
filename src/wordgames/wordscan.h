#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Turning any text into the words of a word list.
//
// Word characters, after lower-casing: a to z, à á è é í ï ò ó ú ü ç ñ and the middle dot of
// l·l (ŀ counts as l·). The text is composed (NFC) first, so a letter followed by a combining
// accent is the accented letter. Everything else (blanks, digits, punctuation, apostrophes, hyphens, other
// letters) and the end of the text end a word.
bool isWordCharacter(QChar lowered);

// Told where the scan is: the 1-based position of the character and the character as it stands
// in the composed text.
using ScanProgress = std::function<void(qsizetype position, QChar character)>;

struct WordScanOptions {
    int shortest = 3; // shorter words are left out
    int longest = 16; // longer words, which a list record cannot hold, are left out
    // Called now and then during the scan (at most every `progressIntervalMs`) and always once at
    // the end with the last position, so a caption can count without slowing the scan down.
    ScanProgress progress;
    int progressIntervalMs = 250;
};

// The distinct lower-case words of the text, in Catalan alphabetical order.
QStringList scanWords(const QString& text, const WordScanOptions& options = {});
