#pragma once
#include "comicstrip/comicstriprules.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace comicstrip {

// What a saved strip holds: the nine panel pictures and the two captions of every panel.
struct AucaStrip {
    std::array<QImage, Panels> pictures; // a picture missing from a folder read is null
    std::array<QString, Panels> first;
    std::array<QString, Panels> second; // several lines, "\n" between them
};

// A saved comic strip: one folder under "auca" holding "DIBU1.jpg" to "DIBU9.jpg" (the panels,
// JPEG quality 100) and "arxi.txt", the 18 captions (first captions, then second captions) as
// records of 700 bytes in code page 1252, left-aligned and filled with spaces, line breaks kept
// as CR LF. Names are matched without regard to case.
class AucaFolder {
public:
    static constexpr int RecordLength = 700;
    static constexpr int Records = 2 * Panels;
    static constexpr int Quality = 100;

    // The strips' folder in the program folder.
    static QString root(const QString& programFolder);
    // "DIBU1.jpg" to "DIBU9.jpg" for panels 0 to 8, and the caption file's name.
    static QString pictureName(int panel);
    static QString captionFileName() { return QStringLiteral("arxi.txt"); }

    // How many bytes of its record a caption takes (a line break takes two).
    static int recordBytes(const QString& caption);
    // The caption cut to what its record keeps (or to a smaller number of bytes).
    static QString fitToRecord(const QString& caption, int bytes = RecordLength);

    // The caption file's bytes, and the captions read back from them: the fill of spaces is
    // dropped, and records missing from a short file give empty captions.
    static QByteArray captionBytes(const AucaStrip& strip);
    static void readCaptions(const QByteArray& bytes, AucaStrip& strip);

    // Writes the strip into folder, creating it (and "auca" above it) when missing; an existing
    // strip of that name is replaced. The ten files are replaced together: false, and every old
    // file left as it was, unless all ten were written.
    static bool write(const QString& folder, const AucaStrip& strip);
    // Reads the strip whose caption file is given, with the pictures beside it. Nothing when the
    // caption file does not exist or cannot be read.
    static std::optional<AucaStrip> read(const QString& captionFile);
};

} // namespace comicstrip
