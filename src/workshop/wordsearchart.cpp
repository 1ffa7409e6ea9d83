#include "workshop/wordsearchart.h"

#include <QPainter>
#include <array>

// Letter tiles scattered down the dark panel, a few picked out in colour, and a magnifying glass
// at the foot: the word search's own sign.
QImage drawWordSearchPanel() {
    QImage image(WordSearchPanelWidth, WordSearchPanelHeight, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    const QString letters = QStringLiteral("SOPADELLETRESBUSCAPARAULES");
    const std::array<QColor, 4> bright{QColor(230, 90, 60), QColor(240, 200, 60), QColor(90, 180, 90),
                                       QColor(90, 140, 220)};
    int n = 0;
    for (int y = 6; y + 20 < image.height(); y += 26)
        for (int x = 6 + (y / 26 % 2) * 13; x + 20 < image.width(); x += 26, ++n) {
            const QRectF tile(x, y, 20, 20);
            const bool lit = n % 7 == 3;
            p.setPen(Qt::NoPen);
            p.setBrush(lit ? bright[static_cast<std::size_t>(n / 7 % 4)] : QColor(0x58, 0x58, 0x58));
            p.drawRoundedRect(tile, 4, 4);
            p.setPen(lit ? QColor(30, 30, 30) : QColor(0x80, 0x80, 0x80));
            p.drawText(tile, Qt::AlignCenter, letters.at(n % letters.size()));
        }
    // The glass, over the foot of the panel.
    p.setPen(QPen(QColor(235, 235, 235), 5));
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawEllipse(QPointF(80, 630), 24, 24);
    p.setPen(QPen(QColor(180, 120, 60), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(98, 648), QPointF(125, 675));
    return image;
}
