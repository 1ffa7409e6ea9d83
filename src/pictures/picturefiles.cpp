#include "pictures/picturefiles.h"
#include "core/controls.h"
#include "core/random.h"
#include "core/services.h"
#include "core/twips.h"
#include "core/userfile.h"
#include "platform/dialogs.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSet>

QSizeF cappedScreenTwips(QSize realPixels) {
    const QSize pixels = realPixels.isEmpty() ? DesignScreenPixels : realPixels.boundedTo(DesignScreenPixels);
    return QSizeF(toTwips(pixels.width()), toTwips(pixels.height()));
}

QSizeF pictureScreenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return cappedScreenTwips(screen ? screen->size() : QSize());
}

FittedSize fitPictureSize(QSizeF pictureTwips, QSizeF screenTwips, double limit) {
    const double W = limit * screenTwips.width(), H = limit * screenTwips.height();
    // The holder's size is a single-precision number, the running sizes double ones.
    double w = float(pictureTwips.width()), h = float(pictureTwips.height());
    FittedSize fitted;
    // Each step takes off 5%, so a side of any finite size comes under its limit; the bound only
    // guards against a size that is not a number.
    while ((w > W || h > H) && fitted.steps < 100000) {
        w *= 0.95;
        h *= 0.95;
        ++fitted.steps;
    }
    fitted.size = QSizeF(float(w), float(h));
    return fitted;
}

QPointF centredOnScreen(QSizeF screenTwips, QSizeF boxTwips) {
    return QPointF((screenTwips.width() - boxTwips.width()) / 2,
                   (screenTwips.height() - boxTwips.height()) / 2);
}

PictureMenu addPictureFilesMenu(QMenu* menu) {
    PictureMenu lista{};
    for (int i = 0; i < PictureMenuItems; ++i) {
        lista[size_t(i)] = menu->addAction(QString());
        lista[size_t(i)]->setObjectName(QStringLiteral("lista_%1").arg(i));
    }
    return lista;
}

void FillPictureFilesMenu(PictureMenu& lista, const PictureFileList* list) {
    for (int i = 0; i < PictureMenuItems; ++i) {
        const QListWidgetItem* entry = list->item(i);
        lista[size_t(i)]->setText(entry ? entry->text() : QString());
    }
}

bool choosePictureFilesFolder(Services& services, QWidget* parent, PictureFileList* list, PictureMenu& lista,
                              const QString& startFolder) {
    if (!ChoosePictureFolder(services, parent, list, startFolder)) return false;
    FillPictureFilesMenu(lista, list);
    services.dialogs.warning(parent, QStringLiteral("He desat la llista de gràfics a ARXIUS"),
                             QStringLiteral("SORVANDE"));
    return true;
}

std::optional<HeldPicture> loadPictureEntry(const PictureFileList* list, int index,
                                            const std::function<QSize(QSize)>& shrink) {
    if (index < 0 || index >= list->count()) return HeldPicture{};
    const QString path = QDir(list->Path()).filePath(list->item(index)->text());
    // Read as a user file, so a folder or a pipe put there since the list was made neither loads
    // nor blocks. A large photo is decoded straight at the size it is shown at: much faster, and a
    // picture of any size fits in memory.
    QSize whole;
    const QImage image = readPictureFile(path, [&](QSize size) {
        whole = size;
        const QSize shown = shrink ? shrink(size).expandedTo(QSize(1, 1)) : QSize();
        return shown.width() < size.width() && shown.height() < size.height() ? shown : QSize();
    });
    if (image.isNull()) return std::nullopt;
    return HeldPicture{image, whole.isValid() ? whole : image.size()};
}

QSize shownPictureSize(QSize whole, QSizeF screenTwips, int border) {
    const QSizeF fitted =
        fitPictureSize(QSizeF(toTwips(whole.width() + border), toTwips(whole.height() + border)), screenTwips,
                       0.9)
            .size;
    return QSize(tw(fitted.width()), tw(fitted.height()));
}

void holdPicture(PictureBox* holder, const HeldPicture& held, int border) {
    if (held.image.isNull()) {
        holder->setPicture({}); // an empty entry: the holder keeps its size, with no picture
    } else {
        holder->setPicture(held.image);
        holder->resize(held.size + QSize(border, border));
    }
}

std::optional<QImage> clipboardPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) return std::nullopt;
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) return std::nullopt;
    return image;
}

void showFittedPicture(PictureBox* display, const QImage& picture, QSizeF fittedTwips) {
    const QSize size(std::max(1, tw(fittedTwips.width())), std::max(1, tw(fittedTwips.height())));
    display->resize(size);
    display->setPicture(stretchIntoFrame({}, size, display->BackColor(), picture));
}

std::optional<QString> unusedNumberedName(const QString& folder, Random& random, int below,
                                          const std::function<QString(int)>& name) {
    QSet<QString> taken;
    for (const QString& entry : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        taken.insert(entry.toLower());
    constexpr int Draws = 1000;
    for (int i = 0; i < Draws; ++i) {
        const QString candidate = name(random.below(below));
        if (!taken.contains(candidate.toLower())) return candidate;
    }
    return std::nullopt;
}
