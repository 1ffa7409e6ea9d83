#include "core/printer.h"
#include "platform/pagepainting.h"

#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {
// Beyond any page; keeps a stray number from growing without bound.
constexpr double FarTwips = 1e7;
constexpr double LargestPoints = 2160;

double bounded(double twips) {
    if (!std::isfinite(twips)) return 0;
    return std::clamp(twips, -FarTwips, FarTwips);
}
} // namespace

int Printer::fontCount() {
    if (!fonts_) fonts_ = printing_.fontNames();
    return int(fonts_->size());
}

QString Printer::font(int index) {
    if (!fonts_) fonts_ = printing_.fontNames();
    return fonts_->value(index);
}

void Printer::setFontSize(double points) {
    if (!std::isfinite(points) || points <= 0) return;
    fontSize_ = std::min(points, LargestPoints);
}

void Printer::setCurrentX(double twips) {
    x_ = bounded(twips);
}

void Printer::setCurrentY(double twips) {
    y_ = bounded(twips);
}

void Printer::print(const QString& text) {
    if (!text.isEmpty()) {
        page_.texts.append(PrintedText{x_, y_, fontName_, fontSize_, text});
    }
    x_ = 0;
    y_ = bounded(y_ + printing_.lineHeight(fontName_, fontSize_));
}

void Printer::line(QPointF from, QPointF to) {
    page_.lines.append(PrintedLine{QPointF(bounded(from.x()), bounded(from.y())),
                                   QPointF(bounded(to.x()), bounded(to.y()))});
}

void Printer::newPage() {
    pages_.append(page_);
    page_ = {};
    x_ = 0;
    y_ = 0;
}

QList<PrintedPage> Printer::openPages() const {
    QList<PrintedPage> pages = pages_;
    if (!page_.isEmpty()) pages.append(page_);
    return pages;
}

bool Printer::endDoc() {
    const QList<PrintedPage> job = openPages();
    pages_.clear();
    page_ = {};
    x_ = 0;
    y_ = 0;
    if (job.isEmpty()) return true;
    return printing_.print(job);
}

bool Printer::printDocument(const QTextCursor& cursor) {
    const std::unique_ptr<QTextDocument> document = documentToPrint(cursor);
    return printing_.printDocument(*document);
}
