#pragma once
// Reads a flat OpenDocument text back into a small tree, for tests that check what was written.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>
#include <functional>

struct XmlNode {
    QString name; // qualified ("text:p"); "#text" for character data
    QMap<QString, QString> attributes;
    QString text; // character data of a "#text" node
    QList<XmlNode> children;

    QString attribute(const QString& qualified) const { return attributes.value(qualified); }
    // Every node below (this one included) with the name, in document order.
    QList<const XmlNode*> all(const QString& wanted) const {
        QList<const XmlNode*> found;
        std::function<void(const XmlNode&)> walk = [&](const XmlNode& n) {
            if (n.name == wanted) found.append(&n);
            for (const XmlNode& c : n.children)
                walk(c);
        };
        walk(*this);
        return found;
    }
    const XmlNode* first(const QString& wanted) const {
        const auto list = all(wanted);
        return list.isEmpty() ? nullptr : list.first();
    }
};

// The document's root, or an error text in `error` when the XML is not well-formed.
inline XmlNode parseXml(const QByteArray& xml, QString* error = nullptr) {
    QXmlStreamReader reader(xml);
    XmlNode root;
    QList<XmlNode*> stack{&root};
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            XmlNode n;
            n.name = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute& a : reader.attributes())
                n.attributes.insert(a.qualifiedName().toString(), a.value().toString());
            stack.last()->children.append(n);
            stack.append(&stack.last()->children.last());
        } else if (reader.isEndElement()) {
            stack.removeLast();
        } else if (reader.isCharacters()) {
            XmlNode t;
            t.name = QStringLiteral("#text");
            t.text = reader.text().toString();
            stack.last()->children.append(t);
        }
    }
    if (error) *error = reader.hasError() ? reader.errorString() : QString();
    return root.children.isEmpty() ? XmlNode() : root.children.first();
}

// A paragraph's text as an office program reads it: literal white space collapses to one blank
// (none at the paragraph's start or end); counted spaces, tabs and line breaks ("\n") stay.
inline QString odfParagraphText(const XmlNode& paragraph) {
    struct Piece {
        QString text;
        bool literal;
    };
    QList<Piece> pieces;
    std::function<void(const XmlNode&)> walk = [&](const XmlNode& n) {
        for (const XmlNode& c : n.children) {
            if (c.name == QLatin1String("#text"))
                pieces.append({c.text, true});
            else if (c.name == QLatin1String("text:s"))
                pieces.append({QString(c.attribute(QStringLiteral("text:c")).isEmpty()
                                           ? 1
                                           : c.attribute(QStringLiteral("text:c")).toInt(),
                                       QLatin1Char(' ')),
                               false});
            else if (c.name == QLatin1String("text:tab"))
                pieces.append({QStringLiteral("\t"), false});
            else if (c.name == QLatin1String("text:line-break"))
                pieces.append({QStringLiteral("\n"), false});
            else if (c.name == QLatin1String("text:span"))
                walk(c);
        }
    };
    walk(paragraph);
    QString out;
    bool lastWasLiteralSpace = true; // at the start, a literal blank is dropped
    for (const Piece& p : pieces) {
        if (!p.literal) {
            out += p.text;
            lastWasLiteralSpace = false;
            continue;
        }
        for (QChar ch : p.text) {
            const bool space = ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n') ||
                               ch == QLatin1Char('\r');
            if (space) {
                if (!lastWasLiteralSpace) out += QLatin1Char(' ');
                lastWasLiteralSpace = true;
            } else {
                out += ch;
                lastWasLiteralSpace = false;
            }
        }
    }
    // A literal blank at the end is dropped too.
    if (lastWasLiteralSpace && out.endsWith(QLatin1Char(' ')) && !pieces.isEmpty() && pieces.last().literal)
        out.chop(1);
    return out;
}

// The automatic style of that name and family, or nullptr.
inline const XmlNode* odfStyle(const XmlNode& root, const QString& name) {
    for (const XmlNode* s : root.all(QStringLiteral("style:style")))
        if (s->attribute(QStringLiteral("style:name")) == name) return s;
    return nullptr;
}

// A property of a named style ("fo:font-size" of the "style:text-properties" of "P1").
inline QString odfStyleProperty(const XmlNode& root, const QString& style, const QString& properties,
                                const QString& property) {
    const XmlNode* s = odfStyle(root, style);
    const XmlNode* p = s ? s->first(properties) : nullptr;
    return p ? p->attribute(property) : QString();
}
