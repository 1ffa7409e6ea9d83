#include "workshop/handoff.h"

#include "core/controls.h"
#include "core/errorbox.h"
#include "core/officelayouts.h"
#include "core/services.h"
#include "platform/launcher.h"
#include "platform/officesuite.h"
#include "platform/safefile.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <cmath>

namespace {
QSize scaled(QSize size, double scale) {
    return QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)));
}

bool writeBmp(const QString& path, const QImage& image) {
    return !image.isNull() && savePictureSafely(image.convertToFormat(QImage::Format_RGB32), path, "BMP");
}

// The scratch box takes the copy at its full size, as the page it hands on.
void keepInScratch(PictureBox* scratch, const QImage& page) {
    if (!scratch) return;
    scratch->resize(page.size());
    scratch->setPicture(page);
}

bool launchFailed(Services& services, QWidget* parent) {
    showError(services, parent);
    return false;
}

// While a page is taken, a box on it that has the keyboard lets it go as it does when the user turns
// to another window: no caret and no focus frame are drawn, and its text, selection and caret
// position stay as they are. It has the keyboard back afterwards.
class KeyboardSetAside {
public:
    explicit KeyboardSetAside(QWidget* source) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (focus != source && !source->isAncestorOf(focus))) return;
        focus_ = focus;
        holder_ = source->window();
        holder_->setFocus(Qt::ActiveWindowFocusReason);
    }
    ~KeyboardSetAside() {
        if (focus_ && holder_ && holder_->hasFocus()) focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    KeyboardSetAside(const KeyboardSetAside&) = delete;
    KeyboardSetAside& operator=(const KeyboardSetAside&) = delete;

private:
    QPointer<QWidget> focus_;
    QPointer<QWidget> holder_;
};
} // namespace

QString handOffPicturePath(const Services& services) {
    return services.inScratchFolder(QStringLiteral("dibuix.bmp"));
}

QImage grabSource(QWidget* source, bool paintedPictureOnly) {
    if (!source || source->width() <= 0 || source->height() <= 0) return {};
    if (paintedPictureOnly) {
        if (auto* box = qobject_cast<PictureBox*>(source)) {
            QImage page(box->size(), QImage::Format_RGB32);
            page.fill(box->BackColor());
            QPainter p(&page);
            if (!box->Picture().isNull()) p.drawImage(0, 0, box->Picture());
            return page;
        }
    }
    QImage page;
    {
        const KeyboardSetAside aside(source);
        page = source->grab().toImage();
    }
    if (page.size() != source->size())
        page = page.scaled(source->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return page.convertToFormat(QImage::Format_RGB32);
}

QImage snapshotImage(const Snapshot& s) {
    if (!s.source) return {};
    const QSize size = scaled(s.source->size(), s.scale);
    if (size.isEmpty()) return {};
    if (!s.secondSource) {
        QImage page = grabSource(s.source, s.paintedPictureOnly);
        if (page.isNull()) return {};
        return page.size() == size ? page
                                   : page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Two-source form: the page has the first source's size whichever source is on view; the
    // second, when on view, is stretched over the first.
    QImage page;
    for (QWidget* w : {s.source, s.secondSource}) {
        if (!w->isVisible()) continue;
        const QImage shot = grabSource(w, w == s.source && s.paintedPictureOnly);
        if (!shot.isNull()) page = shot.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return page;
}

bool SnapshotPicture(Services& services, const Snapshot& s) {
    if (s.refreshScratch && s.scratch) s.scratch->update();
    const QString path = handOffPicturePath(services);
    if (s.secondSource && s.savePerSource) {
        // Written after each source's copy: the second, when on view, replaces the first.
        bool written = false;
        Snapshot one = s;
        one.secondSource = nullptr;
        for (QWidget* w : {s.source, s.secondSource}) {
            if (!w || !w->isVisible()) continue;
            one.source = w;
            one.paintedPictureOnly = w == s.source && s.paintedPictureOnly;
            QImage page = snapshotImage(one);
            if (w != s.source && !page.isNull())
                page = page.scaled(scaled(s.source->size(), s.scale), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
            if (page.isNull() || !writeBmp(path, page)) return false;
            keepInScratch(s.scratch, page);
            written = true;
        }
        return written;
    }
    const QImage page = snapshotImage(s);
    if (page.isNull() || !writeBmp(path, page)) return false;
    keepInScratch(s.scratch, page);
    return true;
}

bool ExportPictureToWord(Services& services, QWidget* parent, const Snapshot& snapshot,
                         OfficeDocument::Orientation orientation, WordLayout layout) {
    if (!SnapshotPicture(services, snapshot)) return launchFailed(services, parent);
    const QImage page(handOffPicturePath(services));
    if (page.isNull()) return launchFailed(services, parent);
    if (!services.office.open(pictureDocument(page, orientation, layout == WordLayout::Margins40)))
        return launchFailed(services, parent);
    return true;
}

bool ExportTwoPicturesToWord(Services& services, QWidget* parent, QWidget* source, QWidget* secondSource,
                             PictureBox* scratch, bool firstPaintedPictureOnly) {
    const QImage first = grabSource(source, firstPaintedPictureOnly);
    QImage second = grabSource(secondSource, false);
    if (first.isNull() || second.isNull()) return launchFailed(services, parent);
    second = second.scaled(first.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    keepInScratch(scratch, second);
    if (!services.office.open(twoPictureDocument(first, second))) return launchFailed(services, parent);
    return true;
}

bool EditPictureInPaint(Services& services, QWidget* parent, const Snapshot& snapshot) {
    if (!SnapshotPicture(services, snapshot)) return launchFailed(services, parent);
    if (!services.launcher.openInPictureEditor(handOffPicturePath(services)))
        return launchFailed(services, parent);
    return true;
}

bool OpenPictureInOfficeSuite(Services& services, QWidget* parent, const Snapshot& snapshot) {
    if (!SnapshotPicture(services, snapshot)) return launchFailed(services, parent);
    if (!services.launcher.openInOfficeSuite(handOffPicturePath(services)))
        return launchFailed(services, parent);
    return true;
}
