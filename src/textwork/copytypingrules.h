#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

// The rules of the copy-typing window without a screen: the live check of the typing, the clock,
// the text tools and the files it reads and writes. Texts are taken as the record files hold
// them, every line break a CR LF pair, and positions count such a pair as two characters.
namespace copytyping {
enum class Mode { Free, Check };
constexpr int KeyEnter = 13;

// What a key going down in the typing box does before the box handles it; caret is the number of
// characters before the caret.
struct KeyDown {
    bool restartClock = false; // one character lies before the caret, in either mode
    bool checked = false;      // check mode: the marker and the position below are written
    bool marker = false;       // the text before the caret differs from the check text there
    int position = 0;          // the 1-based position about to be typed
    bool operator==(const KeyDown&) const = default;
};
KeyDown keyDown(const QString& typed, const QString& check, int caret, Mode mode);

// What the release of a key does once the box has handled it: in check mode (Enter aside) a
// typed text that is no beginning of the check text loses its last character, one per release,
// and the caret goes to the end.
struct KeyUp {
    bool acted = false; // the caret goes to the end
    QString typed;      // the typed text after the release
    bool operator==(const KeyUp&) const = default;
};
KeyUp keyUp(const QString& typed, const QString& check, int keyCode, Mode mode);

// The text without its last character; a final line break goes whole.
QString withoutLastCharacter(const QString& text);

// The clock counts whole seconds of the day, modulo a day, so it never turns negative or empty
// across midnight.
constexpr int SecondsPerDay = 24 * 60 * 60;
int secondsOfDay(QTime time); // rounded to the nearest second
int elapsedSeconds(int start, int now);
// The date as dd/mm/yy, whatever the desktop's language.
QString dateText(QDate date);

// The text tools: case changed letter by letter (the length never changes), and the acute and
// grave accents of the vowels taken off (diaeresis and cedilla stay).
QString upperCase(const QString& text);
QString lowerCase(const QString& text);
QChar withoutAccent(QChar c);
QString withoutAccents(const QString& text);

// The font size tools: 5 points a step, between 10 and 400 points.
constexpr double SizeStep = 5;
constexpr double SmallestSize = 10;
double largerSize(double size);
double smallerSize(double size);

// A saved text as the window reads it: record 1 of 200 characters, code page 1252; a shorter file
// is read as far as it goes and padded with spaces.
constexpr int TextRecordLength = 200;
QString openedText(const QByteArray& file);
// The file after the text is written as record 1: cut or padded with spaces to 200 characters;
// every later byte of the old file stays.
QByteArray savedFile(const QByteArray& oldFile, const QString& text);

// The typing results log "cuesti.001": records of 52 characters, at most records 1 to 50.
constexpr int ResultRecordLength = 52;
constexpr int ResultRecords = 50;
constexpr int FewestTypedForResult = 30;
// A number right-aligned in four characters (a longer one written whole).
QString resultField(int number);
// One result: a blank name of 30, the date, the characters typed, the seconds and the characters
// a minute (four blanks when no second has passed), cut or padded to 52.
QString resultRecord(const QString& date, int typed, int seconds);
// The record a result goes to: the first of records 1 to 50 within the file whose first character
// is a blank, else record 50.
int resultRecordNumber(const QByteArray& file);
} // namespace copytyping
