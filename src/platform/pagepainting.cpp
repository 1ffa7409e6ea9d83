#include "platform/pagepainting.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <algorithm>
#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440;
constexpr double LineWidthTwips = 15;
// Farther than any paper reaches; keeps absurd positions from overflowing the device's numbers.
constexpr double FarTwips = 1e6;

double clampTwips(double value) {
    return std::isfinite(value) ? std::clamp(value, -FarTwips, FarTwips) : 0;
}

QFont fontAt(const QString& name, double points) {
    QFont font;
    font.setFamily(name);
    font.setPointSizeF(points);
    // Pages place their texts by fixed character widths (numbers right-aligned with spaces in
    // columns): kerning would pull pairs such as "11" together and move the digits off their
    // columns.
    font.setKerning(false);
    return font;
}
} // namespace

QStringList printerFontNames() {
    const QStringList families = QFontDatabase::families();
    QStringList names = families;
    for (const QString& wanted : {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                  QStringLiteral("Times New Roman"), QStringLiteral("Comic Sans MS")}) {
        if (names.contains(wanted)) continue;
        const QStringList standIns = QFont::substitutes(wanted);
        const bool installed = std::any_of(standIns.begin(), standIns.end(), [&](const QString& s) {
            return families.contains(s, Qt::CaseInsensitive);
        });
        if (!installed) continue;
        const auto at = std::find_if(names.begin(), names.end(), [&](const QString& n) {
            return QString::compare(n, wanted, Qt::CaseInsensitive) > 0;
        });
        names.insert(at, wanted);
    }
    return names;
}

double lineSpacingTwips(const QString& fontName, double points) {
    if (!std::isfinite(points) || points <= 0) return 0;
    // One pixel of this probe is one twip.
    QImage probe(1, 1, QImage::Format_Mono);
    const int dotsPerMetre = int(std::lround(TwipsPerInch / 0.0254));
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    return QFontMetricsF(fontAt(fontName, points), &probe).lineSpacing();
}

std::unique_ptr<QTextDocument> documentToPrint(const QTextCursor& cursor) {
    const QTextDocument* source = cursor.document();
    if (!source) return std::make_unique<QTextDocument>();
    // A child of the source, so pictures it holds as resources still load.
    std::unique_ptr<QTextDocument> copy(source->clone(const_cast<QTextDocument*>(source)));
    if (cursor.hasSelection()) {
        copy->clear(); // drops the pictures with the text
        QTextCursor(copy.get()).insertFragment(cursor.selection());
        // The selection names its pictures only: they come along from the source.
        for (QTextBlock block = copy->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.isImageFormat()) continue;
                const QUrl name(format.toImageFormat().name());
                const QVariant picture = source->resource(QTextDocument::ImageResource, name);
                if (picture.isValid()) copy->addResource(QTextDocument::ImageResource, name, picture);
            }
    }
    return copy;
}

bool PagePainter::begin() {
    pageStarted_ = false;
    return painter_.begin(&device_);
}

bool PagePainter::startPage() {
    if (pageStarted_ && !device_.newPage()) return false;
    pageStarted_ = true;
    return true;
}

bool PagePainter::page(const PrintedPage& page) {
    if (!painter_.isActive() || !startPage()) return false;
    const double sx = device_.logicalDpiX() / TwipsPerInch;
    const double sy = device_.logicalDpiY() / TwipsPerInch;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(Qt::black, LineWidthTwips * sx, Qt::SolidLine, Qt::RoundCap));
    for (const PrintedLine& line : page.lines)
        painter_.drawLine(QPointF(clampTwips(line.from.x()) * sx, clampTwips(line.from.y()) * sy),
                          QPointF(clampTwips(line.to.x()) * sx, clampTwips(line.to.y()) * sy));
    for (const PrintedText& text : page.texts) {
        if (text.text.isEmpty() || !std::isfinite(text.points) || text.points <= 0) continue;
        const QFont font = fontAt(text.fontName, text.points);
        painter_.setFont(font);
        // The text's top is the top of its line; Qt places text by its baseline.
        const double ascent = QFontMetricsF(font, &device_).ascent();
        painter_.drawText(QPointF(clampTwips(text.left) * sx, clampTwips(text.top) * sy + ascent), text.text);
    }
    painter_.restore();
    return true;
}

bool PagePainter::document(const QTextDocument& source) {
    if (!painter_.isActive()) return false;
    std::unique_ptr<QTextDocument> doc(source.clone(const_cast<QTextDocument*>(&source)));
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    layout->setPaintDevice(&device_);
    // Margins in the layout's units of 1/96 inch, which it scales to the device.
    const double margin = 2 / 2.54 * 96;
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(margin);
    doc->rootFrame()->setFrameFormat(frame);
    const QRectF body(0, 0, device_.width(), device_.height());
    doc->setPageSize(body.size());
    const int pages = std::max(1, doc->pageCount());
    for (int i = 0; i < pages; ++i) {
        if (!startPage()) return false;
        painter_.save();
        painter_.translate(0, -i * body.height());
        const QRectF view(0, i * body.height(), body.width(), body.height());
        painter_.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter_, context);
        painter_.restore();
    }
    return true;
}

bool PagePainter::end() {
    return painter_.isActive() && painter_.end();
}
