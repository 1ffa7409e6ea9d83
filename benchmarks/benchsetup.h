#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QMessageLogContext>
#include <QPainter>
#include <QPointF>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdio>
#include <random>

// The offscreen platform where there is no display; called before the application object is made.
inline void offscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A run's own Taudrin folder and cache in a temporary folder, never the user's, and the offscreen
// platform where there is no display. Made before the application object, which reads both.
class BenchHome {
public:
    BenchHome() {
        qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", home_.filePath(QStringLiteral("cache")).toLocal8Bit());
        offscreenWithoutDisplay();
    }

private:
    QTemporaryDir home_;
};

// The offscreen platform's notes on what it cannot do (raise a window) would drown the result.
inline void quietOffscreenNotes() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
}

// A photo-like picture of 4000 x 3000 from a random source: a gradient from skyTop and as many
// coloured shapes as asked, so the JPEG is not trivially small.
inline QImage randomPhoto(std::mt19937& random, const QColor& skyTop, int shapes) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, QColor(245, 205, 130));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < shapes; ++i) {
        p.setBrush(
            QColor::fromHsv(int(random() % 360), 120 + int(random() % 120), 120 + int(random() % 130)));
        p.drawEllipse(QPointF(random() % 4000, random() % 3000), 20 + random() % 180, 20 + random() % 120);
    }
    return image;
}

// A photo-like picture of 4000 x 3000 from a fixed seed.
inline QImage largePhoto() {
    std::mt19937 random(20261211);
    return randomPhoto(random, QColor(40, 120, 220), 200);
}

// Writes a photo as a JPEG of quality 90; false, and says so, where it cannot.
inline bool writePhoto(const QImage& photo, const QString& file) {
    if (photo.save(file, "JPG", 90)) return true;
    std::fprintf(stderr, "cannot write the photo\n");
    return false;
}

// ImageMagick's convert, which the picture benchmarks time themselves against; empty, and says
// so, where it is not installed.
inline QString convertProgram() {
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty())
        std::fprintf(
            stderr,
            "ImageMagick's convert is not installed (Debian package imagemagick, tools/install-deps)\n");
    return convert;
}
