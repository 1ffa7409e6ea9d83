#include "documents/cardsheet.h"

#include <QPainter>
#include <array>

namespace cardsheet {

namespace {
constexpr std::array<int, 3> BackgroundColumns{105, 3930, 7755};
constexpr std::array<int, 4> BackgroundRows{210, 2370, 4530, 6690};
constexpr std::array<int, 3> FrameColumns{120, 3960, 7800};
constexpr std::array<int, 4> FrameRows{120, 2280, 4440, 6600};
constexpr int LabelHeight = 240;
constexpr int LineWidth = 2355;
constexpr int TownWidth = 3525;

bool isCard(int card) {
    return card >= 0 && card < CardCount;
}
} // namespace

int labelIndex(Sheet sheet, int card) {
    if (!isCard(card)) card = 0;
    return sheet == Sheet::Frame ? card : card + CardCount;
}

int cardPanelIndex(Sheet sheet, int card) {
    if (!isCard(card)) card = 0;
    if (card == 0) return sheet == Sheet::Frame ? CardCount : 0;
    return sheet == Sheet::Frame ? card : card + CardCount;
}

QRect cardPanelTwips(Sheet sheet, int card) {
    if (!isCard(card)) card = 0;
    const auto& columns = sheet == Sheet::Frame ? FrameColumns : BackgroundColumns;
    const auto& rows = sheet == Sheet::Frame ? FrameRows : BackgroundRows;
    return QRect(columns[size_t(card % 3)], rows[size_t(card / 3)], CardWidth, CardHeight);
}

QRect pictureBoxTwips(Sheet sheet) {
    return sheet == Sheet::Frame ? QRect(120, 120, FrameWidth, FrameHeight) : QRect(30, 15, 3750, 2055);
}

QRect fieldLabelTwips(Sheet sheet, Field field) {
    const bool frame = sheet == Sheet::Frame;
    switch (field) {
    case Field::NOM:
        return frame ? QRect(1320, 240, LineWidth, LabelHeight) : QRect(750, 150, LineWidth, LabelHeight);
    case Field::EMAIL:
        return frame ? QRect(1320, 480, LineWidth, LabelHeight) : QRect(780, 375, LineWidth, LabelHeight);
    case Field::TELEFON:
        return frame ? QRect(1200, 1200, LineWidth, LabelHeight) : QRect(1335, 1140, LineWidth, LabelHeight);
    case Field::CALLE:
        return frame ? QRect(1320, 1440, LineWidth, LabelHeight) : QRect(1335, 1395, LineWidth, LabelHeight);
    case Field::CIUTAT:
        return frame ? QRect(120, 1680, TownWidth, LabelHeight) : QRect(150, 1650, TownWidth, LabelHeight);
    }
    return {};
}

Qt::Alignment fieldAlignment(Field field) {
    const bool centred = field == Field::NOM || field == Field::EMAIL;
    return (centred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter;
}

QString sampleText(Field field) {
    switch (field) {
    case Field::NOM:
        return QStringLiteral("Marta Vilaró i Soler");
    case Field::EMAIL:
        return QStringLiteral("marta.vilaro@example.org");
    case Field::TELEFON:
        return QStringLiteral("Tel. 555 010 203");
    case Field::CALLE:
        return QStringLiteral("C/ dels Til·lers, 14, 2n 1a");
    case Field::CIUTAT:
        return QStringLiteral("25500 la Pobla de Segur (Lleida)");
    }
    return {};
}

std::optional<QColor> itemTint(int item) {
    switch (item) {
    case 2:
        return QColor(122, 188, 222);
    case 3:
        return QColor(62, 250, 44);
    case 4:
        return QColor(255, 250, 44);
    case 5:
        return QColor(62, 250, 244);
    default:
        return std::nullopt;
    }
}

QSize listPaintSizeTwips(bool backgroundShown) {
    return backgroundShown ? QSize(CardWidth, CardHeight) : QSize(FrameWidth, FrameHeight);
}

QSize clickPaintSizeTwips(bool backgroundShown) {
    const int factor = backgroundShown ? 2 : 1;
    return QSize(FrameWidth * factor, FrameHeight * factor);
}

QImage paintedBox(QSize boxSize, const QColor& ground, const QImage& picture) {
    QImage box(boxSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    box.fill(ground);
    if (!picture.isNull()) QPainter(&box).drawImage(0, 0, picture);
    return box;
}

} // namespace cardsheet
