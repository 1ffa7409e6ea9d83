#include "textwork/richtextbox.h"

#include <QDataStream>
#include <QFontInfo>
#include <QIODevice>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <memory>
#include <utility>

namespace {
// The markup that Qt puts on the clipboard names a picture only: the pictures travel beside
// it, so that they can be pasted after the document that held them is gone.
const QString PicturesFormat = QStringLiteral("application/x-taudrin-pictures");
constexpr int MostPictures = 1000;

// Calls visit(fragment, from, to) for each fragment of the document that meets positions from..to,
// with the part of it that lies there.
template <class Visit> void forFragmentsBetween(const QTextDocument* doc, int from, int to, Visit visit) {
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() < to;
         block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = qMax(from, fragment.position());
            const int end = qMin(to, fragment.position() + fragment.length());
            if (start < end) visit(fragment, start, end);
        }
}

// The pictures in positions from..to: each one's position and name.
QList<std::pair<int, QString>> picturesBetween(const QTextDocument* doc, int from, int to) {
    QList<std::pair<int, QString>> found;
    forFragmentsBetween(doc, from, to, [&](const QTextFragment& fragment, int start, int end) {
        if (!fragment.charFormat().isImageFormat()) return;
        const QString name = fragment.charFormat().toImageFormat().name();
        for (int at = start; at < end; ++at)
            found.append({at, name});
    });
    return found;
}
} // namespace

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

QMimeData* RichTextBox::createMimeDataFromSelection() const {
    // Qt's own holder lists its text forms only, so everything goes into a plain one.
    const std::unique_ptr<QMimeData> text(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    if (text)
        for (const QString& format : text->formats())
            data->setData(format, text->data(format));
    const QTextCursor selection = textCursor();
    QHash<QString, QImage> pictures;
    for (const auto& [at, name] :
         picturesBetween(document(), selection.selectionStart(), selection.selectionEnd())) {
        if (pictures.contains(name) || pictures.size() >= MostPictures) continue;
        const QImage picture =
            qvariant_cast<QImage>(document()->resource(QTextDocument::ImageResource, QUrl(name)));
        if (!picture.isNull()) pictures.insert(name, picture);
    }
    if (!pictures.isEmpty()) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << pictures;
        data->setData(PicturesFormat, bytes);
    }
    return data;
}

bool RichTextBox::pastesAsPicture(const QMimeData* source) {
    if (!source->hasImage()) return false;
    // A spreadsheet's cells come with a picture of themselves beside their text: the text is
    // what is meant. A picture copied from a web page comes with markup that only names it.
    if (!source->hasHtml()) return true;
    const QString html = source->html();
    return html.contains(QLatin1String("<img"), Qt::CaseInsensitive) ||
           QTextDocumentFragment::fromHtml(html).isEmpty();
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (pastesAsPicture(source)) {
        insertPicture(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    QHash<QString, QImage> pictures;
    if (source->hasFormat(PicturesFormat)) {
        QDataStream in(source->data(PicturesFormat));
        in >> pictures;
        if (in.status() != QDataStream::Ok || pictures.size() > MostPictures) pictures.clear();
    }
    const int start = textCursor().selectionStart();
    QTextEdit::insertFromMimeData(source);
    const int end = textCursor().position();
    QTextCursor edit(document());
    edit.joinPreviousEditBlock(); // one undo step with the paste
    sizePastedTextInPoints(edit, start, end);
    namePastedPictures(edit, pictures, start, end);
    edit.endEditBlock();
}

void RichTextBox::sizePastedTextInPoints(QTextCursor& edit, int start, int end) {
    // Sizes given relative to the page (a web page's heading) or in pixels become the points
    // they show at: the size tools step from them, and a save keeps them.
    QList<std::pair<int, int>> relative;
    forFragmentsBetween(document(), start, end, [&](const QTextFragment& fragment, int from, int to) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.hasProperty(QTextFormat::FontSizeAdjustment) ||
            format.hasProperty(QTextFormat::FontPixelSize))
            relative.append({from, to});
    });
    for (const auto& [from, to] : relative) {
        edit.setPosition(from);
        edit.setPosition(to, QTextCursor::KeepAnchor);
        QTextCharFormat format = edit.charFormat();
        const double points = QFontInfo(format.font()).pointSizeF();
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.clearProperty(QTextFormat::FontPixelSize);
        if (points > 0) format.setFontPointSize(points);
        edit.setCharFormat(format);
    }
}

void RichTextBox::namePastedPictures(QTextCursor& edit, const QHash<QString, QImage>& pictures, int start,
                                     int end) {
    // Each pasted picture under a name of its own: the name it had may stand for another
    // picture in this document, or for none.
    QHash<QString, QString> renamed;
    for (const auto& [at, name] : picturesBetween(document(), start, end)) {
        const auto picture = pictures.constFind(name);
        if (picture == pictures.constEnd() || picture->isNull()) continue;
        if (!renamed.contains(name)) {
            const QImage own = picture->copy();
            const QString ownName = QStringLiteral("picture:%1").arg(own.cacheKey());
            document()->addResource(QTextDocument::ImageResource, QUrl(ownName), own);
            renamed.insert(name, ownName);
        }
        edit.setPosition(at);
        edit.setPosition(at + 1, QTextCursor::KeepAnchor);
        QTextImageFormat format = edit.charFormat().toImageFormat();
        format.setName(renamed.value(name));
        edit.setCharFormat(format);
    }
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
