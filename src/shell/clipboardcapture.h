#pragma once
#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>

class QClipboard;
class Random;

// The clipboard picture capture: a picture found on the clipboard is kept as a numbered bitmap
// "ficha<n><m>.BMP" in the folder "dibuixostemporals" under the program folder, and the clipboard
// is emptied once (and only once) the file is written. Text on the clipboard is left alone.
class ClipboardCapture {
public:
    static constexpr int IntervalMs = 3000;
    // Names drawn before the free ones are looked for in order.
    static constexpr int MaxDraws = 100;

    ClipboardCapture(Random& random, const QString& programFolder);

    QString folder() const { return folder_; }

    // What one look at the clipboard did.
    struct Result {
        QImage picture; // the picture found, null when the clipboard held none
        QString saved;  // the file written, empty when nothing was written
    };
    // Takes a picture from the clipboard, framed as a box of that size shows it; the picture
    // written last is not written again while it comes back unchanged.
    Result takeFrom(QClipboard& clipboard, QSize box, const QColor& background);

    // The picture as a box shows it: at its top-left corner, cut at the box's edges, on the
    // box's background where the picture is smaller.
    static QImage framed(const QImage& picture, QSize box, const QColor& background);
    // "ficha", n, m, ".BMP"; m always has three digits, so no two (n, m) give the same name.
    static QString fileName(int n, int m);
    // A name that no file in the folder has yet: n below 999 and m from 100 to 124 drawn from
    // the generator, again while the name is taken; empty when every name is taken.
    QString drawFreeName(const QDir& folder);
    // Writes the image as a bitmap under a free name, creating the folder when missing. The path
    // written, or empty when nothing was written.
    QString save(const QImage& image);

private:
    int drawSecondPart();

    Random& random_;
    QString folder_;
    QImage lastKept_; // the picture last written, as written
};
