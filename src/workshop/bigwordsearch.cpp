#include "workshop/bigwordsearch.h"
#include "core/controls.h"
#include "core/palette.h"
#include "workshop/picturetools.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>

namespace {

QFont gridFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(32.25);
    font.setBold(true);
    return font;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, QRect twips) {
    auto* box = control<QLineEdit>(parent, name.toLatin1().constData(), twips.x(), twips.y(), twips.width(),
                                   twips.height());
    box->setFont(gridFont());
    box->setAlignment(Qt::AlignCenter);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QString boxName(int index) {
    return QStringLiteral("Text2_%1").arg(index);
}

} // namespace

GridBoxes makeGridBoxes(QWidget* page, QWidget* window, const GridPlaces& places, const QString& letter) {
    using namespace WordSearchGrid;
    GridBoxes boxes{};
    boxes[Title] = makeBox(page, boxName(Title), QRect(places.titleLeft, places.titleTop, 10230, 780));
    boxes[Title]->setText(QStringLiteral("Títol"));
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column) {
            const int index = *boxAt(row, column);
            boxes[static_cast<std::size_t>(index)] =
                makeBox(page, boxName(index), QRect(CellLeft(column), CellTop(row), CellWidth, CellHeight));
        }
    QLineEdit* hidden = makeBox(window, boxName(HiddenBox),
                                QRect(places.hiddenLeft, places.hiddenTop, CellWidth, CellHeight));
    hidden->hide();
    boxes[HiddenBox] = hidden;
    for (int i = 0; i <= LastBox; ++i) {
        boxes[static_cast<std::size_t>(i)]->setMaxLength(1);
        boxes[static_cast<std::size_t>(i)]->setText(letter);
    }
    return boxes;
}

QList<QWidget*> letterBoxes(const GridBoxes& boxes) {
    QList<QWidget*> list;
    for (int i = 0; i <= WordSearchGrid::LastBox; ++i)
        list.append(boxes[static_cast<std::size_t>(i)]);
    return list;
}

void clearGrid(const GridBoxes& boxes) {
    for (int i = 0; i <= WordSearchGrid::LastBox; ++i)
        boxes[static_cast<std::size_t>(i)]->clear();
}

void completeGrid(const GridBoxes& boxes, const QColor& colour, Random& random) {
    for (int i = 0; i <= WordSearchGrid::LastBox; ++i) {
        QLineEdit* box = boxes[static_cast<std::size_t>(i)];
        setBackColour(box, paletteColour(15));
        setTextColour(box, colour);
        if (box->text().isEmpty()) box->setText(WordSearchGrid::randomCapital(random));
    }
    setTextColour(boxes[WordSearchGrid::Title], paletteColour(4));
}

void changeGridCase(const GridBoxes& boxes, bool capitals) {
    for (int i = 0; i <= WordSearchGrid::LastBox; ++i) {
        QLineEdit* box = boxes[static_cast<std::size_t>(i)];
        box->setText(capitals ? box->text().toUpper() : box->text().toLower());
    }
}

void colourGrid(const GridBoxes& boxes, const QColor& colour) {
    for (int i = 0; i <= WordSearchGrid::LastBox; ++i)
        setTextColour(boxes[static_cast<std::size_t>(i)], colour);
}

QPoint paletteSwatchCentre(int column, int row) {
    return QPoint(1 + 12 * column + 5, 1 + 12 * row + 5);
}

namespace {
QImage paintWordSearchPalette() {
    auto mix = [](const QColor& a, const QColor& b, double t) {
        return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                                static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                                static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
    };
    const std::array<QColor, PaletteColumns> pure{
        QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),    QColor(0, 255, 255),
        QColor(0, 0, 255), QColor(255, 0, 255), QColor(128, 128, 192)};
    const std::array<QColor, PaletteColumns> between{
        QColor(255, 128, 0), QColor(128, 255, 0), QColor(0, 255, 128), QColor(0, 128, 255),
        QColor(128, 0, 255), QColor(255, 0, 128), QColor(128, 64, 0)};
    const std::array<QColor, PaletteColumns> earth{
        QColor(255, 218, 185), QColor(210, 180, 140), QColor(160, 82, 45), QColor(128, 128, 0),
        QColor(0, 128, 128),   QColor(0, 0, 128),     QColor(128, 0, 0)};
    const QColor white(255, 255, 255), black(0, 0, 0);

    QImage image(85, 121, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    for (int column = 0; column < PaletteColumns; ++column) {
        const auto c = static_cast<std::size_t>(column);
        const std::array<QColor, PaletteRows> swatches{
            pure[c],
            mix(pure[c], white, 0.5),        // pale
            mix(pure[c], white, 0.8),        // paler
            mix(pure[c], black, 0.5),        // dark
            mix(pure[c], black, 0.75),       // darker
            between[c],                      // mid tones
            mix(between[c], white, 0.5),     //
            mix(between[c], black, 0.5),     //
            mix(white, black, column / 6.0), // greys, white to black
            earth[c],                        // earth and deep tones
        };
        for (int row = 0; row < PaletteRows; ++row)
            p.fillRect(1 + 12 * column, 1 + 12 * row, 11, 11, swatches[static_cast<std::size_t>(row)]);
    }
    return image;
}
} // namespace

QImage drawWordSearchPalette() {
    static const QImage picture = paintWordSearchPalette(); // drawn once, shared by every opening
    return picture;
}
