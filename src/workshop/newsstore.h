#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The page file "index" of a saved news page: records of 500 characters in code page 1252.
// Record 1 holds the layout digit and the title; then each body of the layout, in page order,
// fills a fixed number of records, 500 characters to a record, line breaks stored as CR LF and
// free to fall across two records. Unused room is spaces.

constexpr int NewsRecordLength = 500;
constexpr int NewsTitleLength = 60;

// The texts of a page, as its boxes hold them (line breaks as "\n").
struct NewsTexts {
    int layout = 0;
    QString title;
    QStringList bodies; // in page order

    bool operator==(const NewsTexts&) const = default;
};

// The records each body of the layout takes, in page order; empty for a layout that is none of 0 to 3.
QList<int> newsBodyRecords(int layout);
// The records of a whole page file of the layout (record 1 included).
int newsRecordCount(int layout);
// What a box may hold, counted as the page file stores it: the title 60 characters, a body its
// records' room; a line break counts two.
int newsBoxCapacity(int layout, int body);
constexpr int NewsTitleBody = -1; // the title, for newsBoxCapacity
// A box text's length as stored.
int newsStoredLength(const QString& boxText);
// The longest beginning of the text that fits in capacity stored characters, never splitting a
// line break.
QString newsFitText(const QString& boxText, int capacity);

// The whole page file of the texts: exactly its layout's records. Texts are cut to their
// boxes' room. Nothing for a layout that is none of 0 to 3.
QByteArray writeNewsIndex(const NewsTexts& texts);

// The texts a page file holds: the layout its first character names, the title and the bodies,
// each with the spaces that fill its records trimmed from its end. Records past the end of a
// short file are empty. Nothing when the first character is none of "0" to "3".
std::optional<NewsTexts> readNewsIndex(const QByteArray& bytes);

// The page file's bytes that reading needs (at most the longest layout's records); nothing when
// the path is not a readable file.
std::optional<QByteArray> loadNewsIndexBytes(const QString& path);

// "DIBU1.jpg", "DIBU2.jpg" ... for the layout's pictures 0, 1 ...
QString newsPictureName(int picture);

// Saves a page into its folder, making it (and the folders above it) when missing: the pictures,
// in the layout's order, as JPEG files at quality 100, and the page file "index", all written
// together, so a page saved again is either all new or all old. False, with nothing changed (a
// folder it made goes again), when any could not be written.
bool writeNewsFolder(const QString& folder, const QList<QImage>& pictures, const NewsTexts& texts);
