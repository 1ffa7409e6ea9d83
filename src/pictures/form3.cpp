#include "pictures/form3.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/mouseevents.h"
#include "core/pause.h"
#include "core/random.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/picturesart.h"
#include "platform/launcher.h"
#include "platform/safefile.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtMath>
#include <qdrawutil.h>

namespace {
const QColor Yellow(255, 255, 0);
const QColor DarkRed(128, 0, 0);
constexpr int HolderBorder = 4; // the holder's sunken border adds 4 pixels each way
constexpr int SignalSteps = 10;
constexpr int SignalStepMs = 15;

QPoint inTwips(QPointF pixels) {
    return QPoint(toTwips(qFloor(pixels.x())), toTwips(qFloor(pixels.y())));
}
} // namespace

BandOutline::BandOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BandOutline::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0) return;
    // What the display shows under the band: its ground and its picture.
    QImage under(size(), QImage::Format_RGB32);
    under.fill(Qt::white);
    if (const auto* display = qobject_cast<const PictureBox*>(parentWidget())) {
        under.fill(display->BackColor());
        QPainter u(&under);
        u.drawImage(-pos(), display->Picture());
    }
    QImage outline(size(), QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    const QRgb pen = colour_.rgb();
    const auto mark = [&](int x, int y) {
        outline.setPixel(x, y, tintPixel(TintMode::NotMaskPen, pen, under.pixel(x, y)));
    };
    for (int x = 0; x < width(); ++x) {
        mark(x, 0);
        mark(x, height() - 1);
    }
    for (int y = 0; y < height(); ++y) {
        mark(0, y);
        mark(width() - 1, y);
    }
    QPainter p(this);
    p.drawImage(0, 0, outline);
}

PieceBox::PieceBox(QWidget* parent) : QWidget(parent) {}

QSize PieceBox::innerSize() const {
    return QSize(std::max(0, width() - 2 * Border), std::max(0, height() - 2 * Border));
}

void PieceBox::clear() {
    const QSize inner = innerSize();
    if (inner.isEmpty()) {
        inner_ = QImage();
    } else {
        inner_ = QImage(inner, QImage::Format_RGB32);
        inner_.fill(palette().color(QPalette::Button));
    }
    update();
}

void PieceBox::setPicture(const QImage& inner) {
    inner_ = inner;
    update();
}

void PieceBox::resizeEvent(QResizeEvent*) {
    // The picture stays as it is: a resize alone neither clears nor cuts it.
    update();
}

void PieceBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    if (!inner_.isNull()) {
        p.setClipRect(rect().adjusted(Border, Border, -Border, -Border));
        p.drawImage(Border, Border, inner_);
        p.setClipping(false);
    }
    qDrawWinPanel(&p, rect(), palette(), true);
}

Form3::Form3(Services& services) : MainForm(services), screen(pictureScreenTwips()) {
    setWindowTitle(caption());
    // The capped screen less the title and menu bars: a fitted picture shows whole.
    client = makeClient(this, int(screen.width()), int(screen.height()) - toTwips(48));
    client->setAutoFillBackground(true);
    QPalette ground = client->palette();
    ground.setColor(QPalette::Window, QColor(64, 64, 64));
    client->setPalette(ground);

    tapetas = menuBarItem(this, "tapetas", QStringLiteral("ARXIUS"));
    grafics = menuBar()->addMenu(QStringLiteral("GRÀFICS/FOTOS"));
    grafics->setObjectName(QStringLiteral("grafics"));
    lista = addPictureFilesMenu(grafics);
    ssdddd = menuBarItem(this, "ssdddd", QStringLiteral("DESAR A TEMPORALS"));
    TRYUU = menuBarItem(this, "TRYUU", QStringLiteral("DESAR CONTINGUT PORTA_RETALLS"));
    wwww = menuBarItem(this, "wwww", QStringLiteral("NAVEGADOR"));

    Picture12W = control<PictureBox>(client, "Picture12W", 0, 45, 5940, 5085);
    Shape1 = control<BandOutline>(Picture12W, "Shape1");
    Shape1->setGeometry(twRect(drag.band.x(), drag.band.y(), drag.band.width(), drag.band.height()));
    Picture13W = control<PieceBox>(Picture12W, "Picture13W", 0, 0, 4935, 6705);
    Picture13W->hide();
    Picture65 = control<PictureBox>(client, "Picture65", 0, 0, 15, 225);
    Picture3 = control<PictureBox>(client, "Picture3");
    Picture3->hide();
    File1 = pictureFileList(services, client, "File1", 0, 0, 1200, 1200);
    File1->hide();

    Picture12W->setBackColor(QColor(192, 192, 192));
    Picture12W->setPicture(drawCutOutSample());
    Picture65->setBackColor(Picture65->palette().color(QPalette::Button));
    Picture13W->clear();

    connect(tapetas, &QAction::triggered, this, &Form3::tapetas_Click);
    for (int i = 0; i < PictureMenuItems; ++i)
        connect(lista[size_t(i)], &QAction::triggered, this, [this, i] { lista_Click(i); });
    connect(ssdddd, &QAction::triggered, this, &Form3::ssdddd_Click);
    connect(TRYUU, &QAction::triggered, this, &Form3::TRYUU_Click);
    connect(wwww, &QAction::triggered, this, &Form3::wwww_Click);
    auto* display = new MouseEvents(Picture12W);
    connect(display, &MouseEvents::MouseDown, this, &Form3::Picture12W_MouseDown);
    connect(display, &MouseEvents::MouseMove, this, &Form3::Picture12W_MouseMove);
    connect(display, &MouseEvents::MouseUp, this, &Form3::Picture12W_MouseUp);
    connect(new MouseEvents(Picture13W), &MouseEvents::MouseUp, this, &Form3::Picture13W_MouseUp);
}

void Form3::Form_Load() {
    Picture13W->raise(); // the band lies beneath the piece
}

void Form3::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void Form3::showBand() {
    Shape1->setVisible(drag.bandVisible);
    Shape1->setGeometry(twRect(drag.band.x(), drag.band.y(), drag.band.width(), drag.band.height()));
    Shape1->update();
}

void Form3::Picture12W_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
    drag.press(inTwips(pos));
    showBand();
}

void Form3::Picture12W_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF pos) {
    drag.move(inTwips(pos));
    showBand();
}

void Form3::Picture12W_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {
    const QSize previous(toTwips(Picture13W->width()), toTwips(Picture13W->height()));
    const CutDrag::Cut cut = drag.release(previous);
    Picture13W->resize(tw(cut.piece.width()), tw(cut.piece.height()));
    Picture13W->clear();
    if (cut.copy && !Picture13W->Picture().isNull()) {
        // From the display's own picture (its ground and the loaded picture, never the band or
        // the piece), unscaled, into the inner area.
        const QImage surface = grabSource(Picture12W, true);
        QImage inner = Picture13W->Picture();
        QPainter p(&inner);
        const QRect source(twPoint(cut.source.x(), cut.source.y()),
                           QSize(tw(cut.source.width()), tw(cut.source.height())));
        p.drawImage(QPoint(0, 0), surface, source);
        p.end();
        Picture13W->setPicture(inner);
    }
    showBand();
    Picture13W->move(twPoint(cut.piece.x(), cut.piece.y()));
    Picture13W->show();
    Picture13W->raise();
}

void Form3::Picture13W_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) {
    if (button == Qt::RightButton) SavePiece();
}

void Form3::ssdddd_Click() {
    SavePiece();
}

QString Form3::SavePiece() {
    services.random.reseedFromClock();
    const QString folder =
        QDir(services.programFolder).filePath(QStringLiteral("dibuixos/dibuixostemporals"));
    QString written;
    if (QDir().mkpath(folder)) {
        const std::optional<QString> name = unusedNumberedName(
            folder, services.random, 99999, [](int n) { return QStringLiteral("%1x.BMP").arg(n); });
        // Without alpha, so the bitmap is a plain 24-bit one.
        if (name && savePictureSafely(Picture13W->Picture().convertToFormat(QImage::Format_RGB32),
                                      QDir(folder).filePath(*name), "bmp"))
            written = QDir(folder).filePath(*name);
    }
    if (written.isEmpty()) qCInfo(lcPictures) << "cut-out: the piece was not saved in" << folder;
    // The bar's signal, seen whether or not the piece was written.
    const int start = Picture65->width();
    const int grow = tw(SignalTwips);
    for (const QColor& colour : {Yellow, DarkRed}) {
        Picture65->setBackColor(colour);
        for (int step = 1; step <= SignalSteps; ++step) {
            const int delta = grow * step / SignalSteps;
            Picture65->resize(colour == Yellow ? start + delta : start + grow - delta, Picture65->height());
            if (!pause(services, SignalStepMs, this)) return written;
        }
    }
    if (written.isEmpty()) showError(services, this);
    return written;
}

void Form3::TRYUU_Click() {
    const std::optional<QImage> picture = clipboardPicture();
    if (!picture) return;
    Picture3->setPicture(*picture);
    Picture3->resize(picture->size() + QSize(HolderBorder, HolderBorder));
    fitHeldPicture(1.0);
}

void Form3::tapetas_Click() {
    choosePictureFilesFolder(services, this, File1, lista, QStringLiteral("dibuixos/dibuixostemporals"));
}

void Form3::lista_Click(int Index) {
    const QSizeF screenSize = screen;
    const auto shown = [screenSize](QSize whole) {
        return shownPictureSize(whole, screenSize, HolderBorder);
    };
    const std::optional<HeldPicture> held = loadPictureEntry(File1, Index, shown);
    if (!held) {
        qCInfo(lcPictures) << "cut-out: the picture of item" << Index << "does not load";
        showError(services, this);
        return;
    }
    holdPicture(Picture3, *held, HolderBorder);
    fitHeldPicture(0.9);
}

void Form3::fitHeldPicture(double limit) {
    const QSizeF holder(toTwips(Picture3->width()), toTwips(Picture3->height()));
    showFittedPicture(Picture12W, Picture3->Picture(), fitPictureSize(holder, screen, limit).size);
}

void Form3::wwww_Click() {
    services.launcher.openFolder(services.programFolder);
}
