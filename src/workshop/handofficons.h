#pragma once
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The icon panel of the composing windows' hand-off buttons: three icons side by side, from left
// to right the office suite (a stack of office sheets), a text document and the picture editor
// (a painter's palette with a brush), each filling a third of the panel on a light ground.
QImage drawHandOffIcons(QSize size);

// One icon of that panel, drawn to fit cell, for windows that lay their own icon bars out.
enum class HandOffIcon { OfficeSuite, Document, PictureEditor };
void drawHandOffIcon(QPainter& painter, HandOffIcon icon, const QRectF& cell);

// The icons' sheet of paper: a page with a folded top-right corner filling rect.
void drawIconPage(QPainter& painter, const QRectF& rect, const QColor& paper);

// A page with a folded top-right corner filling rect, the fold a fraction of its width, outlined
// in ink; the folded corner is filled when a colour is given for it.
void drawFoldedPage(QPainter& painter, const QRectF& rect, qreal fold, const QColor& ink, const QColor& paper,
                    const QColor& corner = {});

// A text centred in rect, in the family at a size in pixels, bold or not.
void drawCentredText(QPainter& painter, const QRectF& rect, const QString& text, const QString& family,
                     int pixels, const QColor& colour, bool bold = false);
