#pragma once
// A document told as a short text, so tests compare whole documents in one line: blocks joined
// by " / ", each "<alignment><left indent in twips>:" and its runs "[text|attributes]" with the
// attributes the reader sets (size in points, b, i, u, font, #colour, >link); pictures as
// "[picture WxH at w x h]". Runs of the same attributes are merged.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

inline QString describeFormat(const QTextCharFormat& f) {
    QStringList a;
    if (f.hasProperty(QTextFormat::FontPointSize)) a << QString::number(f.fontPointSize());
    if (f.fontWeight() >= QFont::DemiBold) a << QStringLiteral("b");
    if (f.fontItalic()) a << QStringLiteral("i");
    if (f.fontUnderline()) a << QStringLiteral("u");
    const QString family = f.property(QTextFormat::FontFamilies).toStringList().value(0);
    if (!family.isEmpty()) a << family;
    if (f.hasProperty(QTextFormat::ForegroundBrush)) a << f.foreground().color().name();
    if (f.isAnchor()) a << u'>' + f.anchorHref();
    return a.join(u' ');
}

inline QImage documentPicture(const QTextDocument& doc, const QTextImageFormat& f) {
    return doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
}

inline QString describe(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat bf = b.blockFormat();
        const Qt::Alignment h = bf.alignment() & Qt::AlignHorizontal_Mask;
        QString s = h == Qt::AlignRight     ? QStringLiteral("R")
                    : h == Qt::AlignHCenter ? QStringLiteral("C")
                    : h == Qt::AlignJustify ? QStringLiteral("J")
                                            : QStringLiteral("L");
        if (bf.leftMargin() != 0) s += QString::number(qRound(bf.leftMargin() * 15));
        s += u':';
        QString lastAttributes, text;
        const auto flush = [&] {
            if (!text.isEmpty()) s += u'[' + text + u'|' + lastAttributes + u']';
            text.clear();
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QTextCharFormat f = fr.charFormat();
            if (f.isImageFormat()) {
                flush();
                const QTextImageFormat img = f.toImageFormat();
                const QImage picture = documentPicture(doc, img);
                for (int n = 0; n < fr.length(); ++n)
                    s += QStringLiteral("[picture %1x%2 at %3x%4]")
                             .arg(picture.width())
                             .arg(picture.height())
                             .arg(img.width())
                             .arg(img.height());
                continue;
            }
            const QString attributes = describeFormat(f);
            if (attributes != lastAttributes) flush();
            lastAttributes = attributes;
            text += fr.text();
        }
        flush();
        blocks << s;
    }
    return blocks.join(QStringLiteral(" / "));
}

// The document's text, blocks joined by "\n", line breaks kept as U+2028.
inline QString blockText(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

// Every picture of the document in order.
inline QList<QImage> pictures(const QTextDocument& doc) {
    QList<QImage> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                for (int n = 0; n < it.fragment().length(); ++n)
                    out << documentPicture(doc, it.fragment().charFormat().toImageFormat());
    return out;
}
