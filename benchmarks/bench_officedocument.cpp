// Time to hand a document of 40 one-megabyte JPEGs to the office suite (the flat OpenDocument
// written into the scratch folder), next to coreutils' base64 over the same bytes, in one run.
#include "median.h"
#include "platform/flatodt.h"
#include "platform/launcher.h"
#include "platform/scratchofficesuite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int pictures = 40;
constexpr int runs = 5;

class NoLauncher : public Launcher {
public:
    bool openInPictureEditor(const QString&) override { return true; }
    bool openInOfficeSuite(const QString&) override { return true; }
    bool openTextFile(const QString&) override { return true; }
    bool openUrl(const QUrl&) override { return true; }
    bool openFolder(const QString&) override { return true; }
};

// A photo-like JPEG of about one megabyte: noise does not compress.
QByteArray megabyteJpeg(quint32 seed) {
    QRandomGenerator random(seed);
    QImage image(1220, 900, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString base64 = QStandardPaths::findExecutable(QStringLiteral("base64"));
    if (base64.isEmpty()) {
        std::fprintf(stderr, "coreutils' base64 is not installed\n");
        return 1;
    }

    OfficeDocument doc;
    OfficeTable& table = doc.addTable(pictures / 2, 2);
    QFile all(dir.filePath(QStringLiteral("all.jpg")));
    if (!all.open(QIODevice::WriteOnly)) return 1;
    qint64 total = 0;
    for (int i = 0; i < pictures; ++i) {
        const QByteArray jpeg = megabyteJpeg(quint32(i + 1));
        total += jpeg.size();
        all.write(jpeg);
        table.cell(i / 2 + 1, i % 2 + 1).lastParagraph().addPicture(OfficePicture::fromJpeg(jpeg));
    }
    all.close();

    NoLauncher launcher;
    ScratchOfficeSuite suite(launcher, dir.path());
    std::vector<double> ours, theirs;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        if (!suite.open(doc)) {
            std::fprintf(stderr, "the document could not be written\n");
            return 1;
        }
        ours.push_back(t.nsecsElapsed() / 1e6);
        QFile::remove(suite.lastFile());
    }
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.setStandardOutputFile(dir.filePath(QStringLiteral("all.b64")));
        QElapsedTimer t;
        t.start();
        p.start(base64, {all.fileName()});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            std::fprintf(stderr, "base64 failed\n");
            return 1;
        }
        theirs.push_back(t.nsecsElapsed() / 1e6);
    }
    const double o = median(ours), c = median(theirs);
    std::printf("%d JPEGs, %.1f MB in all\n", pictures, total / 1e6);
    std::printf("OfficeSuite::open (flat OpenDocument into the scratch folder): %.1f ms (median of %d)\n", o,
                runs);
    std::printf("base64 over the same bytes: %.1f ms (median of %d)\n", c, runs);
    std::printf("ratio: %.2f (limit 3.00)\n", o / c);
    return o <= 3 * c ? 0 : 1;
}
