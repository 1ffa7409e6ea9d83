#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Positions and sizes are designed in twips: 15 twips to a pixel.
constexpr int TwipsPerPixel = 15;

constexpr int tw(double twips) {
    return static_cast<int>(twips >= 0 ? twips / TwipsPerPixel + 0.5 : twips / TwipsPerPixel - 0.5);
}
constexpr int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
inline QRect twRect(double left, double top, double width, double height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}
inline QPoint twPoint(double x, double y) {
    return QPoint(tw(x), tw(y));
}
inline QSize twSize(double width, double height) {
    return QSize(tw(width), tw(height));
}
