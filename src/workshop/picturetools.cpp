#include "workshop/picturetools.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/palette.h"
#include "core/services.h"
#include "core/userfile.h"
#include "platform/launcher.h"
#include "workshop/picturefilelist.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QUrl>
#include <QtMath>

OpenRequest pictureFolderRequest(const QString& programFolder, const QString& startFolder) {
    OpenRequest request;
    request.initDir = QDir::cleanPath(QDir(programFolder).filePath(startFolder));
    request.filter = QStringLiteral("GRÀFICS (*.gif;*.jpg;*.ico;*.bmp;*.wmf)|*.gif;*.jpg;*.ico;*.bmp;*.wmf|"
                                    "GIF Files (*.gif)|*.gif|"
                                    "JPEG Files (*.jpg)|*.jpg|"
                                    "Icon Files (*.ico)|*.ico|"
                                    "Windows Bitmap (*.bmp)|*.bmp|"
                                    "Windows Meta File (*.wmf)|*.wmf");
    return request;
}

namespace {
// The chosen file's folder is listed and new picture lists start there.
bool listFolderOf(Services& services, PictureFileList* list, const std::optional<QString>& file) {
    if (!file) return false;
    const QString folder = QFileInfo(*file).absolutePath();
    services.pictureFolder = folder;
    list->setPath(folder);
    return true;
}
} // namespace

bool ChoosePictureFolder(Services& services, QWidget* parent, PictureFileList* list,
                         const QString& startFolder) {
    return listFolderOf(
        services, list,
        chooseFile(services, parent, pictureFolderRequest(services.programFolder, startFolder)));
}

bool ChoosePictureFolderSilently(Services& services, QWidget* parent, PictureFileList* list,
                                 const QString& startFolder) {
    return listFolderOf(
        services, list,
        chooseFileSilently(services, parent, pictureFolderRequest(services.programFolder, startFolder)));
}

QImage loadPicture(const QString& path, QSize stretchTo) {
    const bool stretch = stretchTo.isValid() && !stretchTo.isEmpty();
    // Decoding at the frame's size is much faster for large photos than decoding whole. At its
    // own size, a picture larger than any page or canvas shows is taken with fewer pixels.
    QImage image =
        readPictureFile(path, [&](QSize whole) { return stretch ? stretchTo : sizeWithinPixels(whole); });
    if (image.isNull()) return {};
    if (stretch && image.size() != stretchTo)
        image = image.scaled(stretchTo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage loadListedPicture(const PictureFileList* list, QSize stretchTo) {
    if (!list) return {};
    const std::optional<QString> file = list->selectedFile();
    if (!file) return {};
    return loadPicture(*file, stretchTo);
}

void PreviewPictureFile(const PictureFileList* list, ImageBox* preview) {
    const std::optional<QString> file = list ? list->selectedFile() : std::nullopt;
    if (!file) {
        preview->setPicture({});
        return;
    }
    const bool stretch = preview->Stretch();
    const QSize box = preview->size();
    // A stretched preview needs no more pixels than it shows.
    preview->setPicture(readPictureFile(*file, [&](QSize whole) {
        if (stretch && (whole.width() > box.width() || whole.height() > box.height()))
            return whole.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        return QSize();
    }));
}

QImage stretchIntoFrame(const QImage& base, QSize frameSize, const QColor& ground, const QImage& source) {
    QImage canvas(frameSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    canvas.fill(ground);
    QPainter p(&canvas);
    if (!base.isNull()) p.drawImage(0, 0, base);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), canvas.size()), source);
    return canvas;
}

bool PlacePictureInFrame(PictureBox* frame, Qt::MouseButton button, const PictureFileList* list) {
    if (button == Qt::LeftButton) {
        const QImage picture = loadListedPicture(list, frame->size());
        if (picture.isNull()) return false;
        frame->setPicture(stretchIntoFrame({}, frame->size(), frame->BackColor(), picture));
        return true;
    }
    if (button == Qt::RightButton) {
        const QImage clip = QGuiApplication::clipboard()->image();
        if (clip.isNull()) return false;
        frame->setPicture(stretchIntoFrame(frame->Picture(), frame->size(), frame->BackColor(), clip));
        return true;
    }
    return false;
}

std::optional<QColor> PickPaletteColour(const PictureBox* palette, QPointF pos) {
    const QPoint at(qFloor(pos.x()), qFloor(pos.y()));
    const QImage& picture = palette->Picture();
    if (picture.isNull() || !picture.valid(at)) return std::nullopt;
    QColor colour = picture.pixelColor(at);
    colour.setAlpha(255);
    return colour;
}

QImage drawColourChart(QSize size) {
    QImage chart(size.expandedTo(QSize(16, 4)), QImage::Format_RGB32);
    chart.fill(QColor(64, 64, 64));
    QPainter p(&chart);
    constexpr int columns = PaletteSize / 2;
    for (int i = 0; i < PaletteSize; ++i) {
        const int col = i % columns, row = i / columns;
        const int x0 = col * chart.width() / columns, x1 = (col + 1) * chart.width() / columns;
        const int y0 = row * chart.height() / 2, y1 = (row + 1) * chart.height() / 2;
        // One pixel of the dark ground is left round each swatch as its separator line.
        p.fillRect(QRect(QPoint(x0 + 1, y0 + 1), QPoint(x1 - 2, y1 - 2)), paletteColour(i));
    }
    return chart;
}

QColor textColour(const QWidget* target) {
    const bool label = qobject_cast<const QLabel*>(target) != nullptr;
    return target->palette().color(label ? QPalette::WindowText : QPalette::Text);
}

void setTextColour(QWidget* target, const QColor& colour) {
    QPalette pal = target->palette();
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::WindowText, colour);
    target->setPalette(pal);
}

void setBackColour(QWidget* target, const QColor& colour) {
    QPalette pal = target->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Window, colour);
    target->setPalette(pal);
    if (qobject_cast<QLabel*>(target)) target->setAutoFillBackground(true);
}

bool ChooseTextFont(Services& services, QWidget* parent, const QList<QWidget*>& targets,
                    const FontParts& parts) {
    FontChoice initial;
    if (!targets.isEmpty()) initial = {targets.first()->font(), textColour(targets.first())};
    const std::optional<FontChoice> chosen = services.dialogs.chooseFont(parent, initial);
    if (!chosen) return false;
    for (QWidget* target : targets) {
        QFont f = target->font();
        if (parts.name) f.setFamily(chosen->font.family());
        if (parts.size && chosen->font.pointSizeF() > 0) f.setPointSizeF(chosen->font.pointSizeF());
        if (parts.bold) f.setBold(chosen->font.bold());
        if (parts.italic) f.setItalic(chosen->font.italic());
        target->setFont(f);
        if (parts.colour && chosen->colour.isValid()) setTextColour(target, chosen->colour);
    }
    return true;
}

void OpenWebSearchPage(Services& services) {
    services.launcher.openUrl(QUrl(QString::fromLatin1(WebSearchAddress)));
}
