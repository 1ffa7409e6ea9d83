#include "textwork/richtextbox.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

void RichTextBox::insertPicture(const QImage& picture) {
    if (picture.isNull()) return;
    // A name of its own, so that a later picture never takes this one's place in the document.
    const QString name = QStringLiteral("picture:%1").arg(picture.cacheKey());
    document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(picture.width());
    format.setHeight(picture.height());
    QTextCursor c = textCursor();
    c.insertImage(format);
    setTextCursor(c);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasImage()) {
        insertPicture(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier)) {
        const QString anchor = anchorAt(event->position().toPoint());
        if (!anchor.isEmpty()) {
            Q_EMIT linkOpened(QUrl(anchor));
            event->accept();
            return;
        }
    }
    QTextEdit::mouseReleaseEvent(event);
}
