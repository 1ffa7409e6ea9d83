#include "pictures/form4.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/numericvalue.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/puzzlerules.h"
#include "platform/safefile.h"
#include "workshop/tint.h"

#include <QComboBox>
#include <QDir>
#include <QPainter>

namespace {
const QColor BoardColour(224, 224, 224);
const QColor GridColour(250, 250, 250);
const QColor TrayColour(32, 52, 73);
const QColor TrayOutline(240, 240, 248);

// The picture box's image at its present size, so that drawing on it lasts.
QImage persistentImage(const PictureBox* box) {
    QImage image(box->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(box->BackColor());
    if (!box->Picture().isNull()) {
        QPainter p(&image);
        p.drawImage(0, 0, box->Picture());
    }
    return image;
}
} // namespace

Form4::Form4(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);

    Picture57 = control<PictureBox>(client, "Picture57", 0, 45, 15405, 10920);
    Picture57->setBackColor(QColor(22, 44, 99));
    Picture56 = control<PictureBox>(Picture57, "Picture56", 1065, 60, 75, 75);
    Picture56->setBackColor(BoardColour);
    Shape5 = control<ColourTintOverlay>(Picture56, "Shape5", 0, 45, 14565, 15255);
    for (int i = 0; i < PuzzlePieces; ++i) {
        const QByteArray name = "Picture54_" + QByteArray::number(i);
        Picture54[size_t(i)] = control<PictureBox>(Picture56, name.constData());
        Picture54[size_t(i)]->hide();
    }
    Picture55 = control<PictureBox>(client, "Picture55");
    Picture55->hide();
    GRANDE = control<PictureBox>(client, "GRANDE");
    GRANDE->hide();
    Combo3 = control<QComboBox>(client, "Combo3");
    Combo3->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                      QStringLiteral("5")});
    Combo3->setCurrentIndex(2);
    Combo3->hide();

    // During a drag the pointer is mostly over the dragged piece: moves and releases over any
    // piece count as over the board, at the board's coordinates.
    auto* board = new MouseEvents(Picture56);
    connect(board, &MouseEvents::MouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF pos) { Picture56_MouseMove(pos); });
    connect(board, &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) { Picture56_MouseUp(pos); });
    for (int i = 0; i < PuzzlePieces; ++i) {
        PictureBox* piece = Picture54[size_t(i)];
        auto* events = new MouseEvents(piece);
        connect(events, &MouseEvents::MouseDown, this,
                [this, i, piece](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
                    // A disabled piece lets the press through to the board, where it does nothing.
                    if (piece->isEnabled()) Picture54_MouseDown(i, pos);
                });
        connect(events, &MouseEvents::MouseMove, this,
                [this, piece](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF pos) {
                    Picture56_MouseMove(onBoard(piece, pos));
                });
        connect(events, &MouseEvents::MouseUp, this,
                [this, piece](Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
                    Picture56_MouseUp(onBoard(piece, pos));
                });
    }
}

void Form4::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

int Form4::pieces() const {
    return std::clamp(int(numericValue(Combo3->currentText())), 1, 5);
}

QPointF Form4::onBoard(QWidget* from, QPointF pos) const {
    return pos + QPointF(from->mapTo(Picture56, QPoint(0, 0)));
}

void Form4::sizeBoard(int widthTwips, int heightTwips) {
    const QImage kept = persistentImage(Picture56);
    Picture56->resize(twSize(widthTwips, heightTwips));
    QImage image = persistentImage(Picture56);
    {
        QPainter p(&image);
        p.drawImage(0, 0, kept);
    }
    Picture56->setPicture(image);
}

void Form4::clearBoard() {
    QImage image(Picture56->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Picture56->BackColor());
    Picture56->setPicture(image);
}

void Form4::paintModelOnBoard() {
    if (GRANDE->Picture().isNull()) return;
    QImage image = persistentImage(Picture56);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), twSize(PuzzleSide, PuzzleSide)), GRANDE->Picture());
    }
    Picture56->setPicture(image);
}

void Form4::sizeScratch() {
    Picture55->resize(twSize(PuzzleSide, PuzzleSide));
}

void Form4::BuildPuzzle(const QImage& model) {
    List2 = unplacedPieces();
    List3 = unplacedPieces();
    sizeBoard(PuzzleSide, PuzzleSide);
    sizeScratch();
    GRANDE->setPicture(model);
    paintModelOnBoard();
    COMBINATORIA();
    sizeBoard(PuzzleSide, PuzzleSide);
    clearBoard();
    Shape5->hideTint();
    DrawBoardAndTray();
}

void Form4::COMBINATORIA() {
    sizeBoard(PuzzleSide, Picture56->height() * TwipsPerPixel);
    const int n = pieces();
    Picture55->resize(Picture56->size());
    for (PictureBox* piece : Picture54) {
        piece->hide();
        const QPoint at = scatterPosition(services.random);
        piece->move(twPoint(at.x(), at.y()));
    }
    LABEL57 = 0;

    // The pieces are cut from the copy in memory; the copy also goes to the scratch file.
    const QImage copy = persistentImage(Picture56).copy(QRect(QPoint(0, 0), Picture55->size()));
    Picture55->setPicture(copy);
    const QString file = QDir(services.scratchFolder).filePath(QStringLiteral("dibuixyy.bmp"));
    if (!savePictureSafely(copy, file, "bmp"))
        qCInfo(lcPictures) << "puzzle: scratch copy not written" << file;

    const int s = Picture55->width() * TwipsPerPixel / n;
    const int sp = tw(s);
    for (PictureBox* piece : Picture54)
        piece->resize(sp, sp);
    Label28 = s;
    for (int k = 0; k < n * n; ++k) {
        const PuzzleCell cell = puzzleCell(k, n);
        Picture54[size_t(k)]->setPicture(copy.copy(cell.column * sp, cell.row * sp, sp, sp));
    }
    for (int k = 0; k < n * n; ++k)
        Picture54[size_t(k)]->show();
}

void Form4::DrawBoardAndTray() {
    const int n = pieces();
    const int s = Picture55->width() * TwipsPerPixel / n, t = Picture55->height() * TwipsPerPixel / n;
    for (PictureBox* piece : Picture54)
        piece->resize(twSize(s, s));
    QImage image = persistentImage(Picture56);
    {
        QPainter p(&image);
        p.setPen(GridColour);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                p.drawRect(QRect(twPoint(c * s, r * t), twSize(s, t)));
    }
    Picture56->setPicture(image);
    sizeBoard(PuzzleBoardWidth, Picture56->height() * TwipsPerPixel);
    image = Picture56->Picture();
    {
        QPainter p(&image);
        const QRect tray(twPoint(PuzzleTrayLeft, 0), twPoint(PuzzleBoardWidth, PuzzleBoardWidth));
        p.fillRect(tray, TrayColour);
        p.setPen(TrayOutline);
        p.drawRect(tray.adjusted(0, 0, -1, -1));
    }
    Picture56->setPicture(image);
    Shape5->lower();
}

void Form4::Picture54_MouseDown(int index, QPointF pos) {
    if (index < 0 || index >= PuzzlePieces) return;
    for (PictureBox* piece : Picture54)
        piece->setEnabled(false);
    LABEL58 = index;
    LABEL57 = 1;
    Label24 = pos.x() * TwipsPerPixel;
    Label25 = pos.y() * TwipsPerPixel;
    Picture54[size_t(index)]->raise();
    if (List2.size() > index) List2[index] = QStringLiteral("p");
    if (List3.size() > index) List3[index] = QStringLiteral("p");
}

void Form4::Picture56_MouseMove(QPointF pos) {
    if (LABEL57 != 1) return;
    const double x = pos.x() * TwipsPerPixel, y = pos.y() * TwipsPerPixel;
    Picture54[size_t(LABEL58)]->move(twPoint(x - Label24, y - Label25));
}

void Form4::Picture56_MouseUp(QPointF pos) {
    // Only a release over the board ends the drag; elsewhere the piece keeps following.
    if (!QRectF(Picture56->rect()).contains(pos)) return;
    for (PictureBox* piece : Picture54)
        piece->setEnabled(true);
    LABEL57 = 0;
    const int k = LABEL58;
    if (pos.x() * TwipsPerPixel > PuzzleTrayLeft) return;
    PictureBox* piece = Picture54[size_t(k)];
    const QPoint corner(piece->x() * TwipsPerPixel, piece->y() * TwipsPerPixel);
    const std::optional<PuzzleCell> cell = puzzleDropCell(corner, Label28, List2, List3);
    if (!cell) return;
    piece->move(twPoint(cell->column * Label28, cell->row * Label28));
    List2[k] = QString::number(cell->row);
    List3[k] = QString::number(cell->column);
}
