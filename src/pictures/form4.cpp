#include "pictures/form4.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/numericvalue.h"
#include "core/random.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/puzzlerules.h"
#include "platform/safefile.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/tint.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {
const QColor BoardColour(224, 224, 224);
const QColor GridColour(250, 250, 250);
const QColor TrayColour(32, 52, 73);
const QColor TrayOutline(240, 240, 248);

const QColor StripeColour(33, 55, 112);
const QColor DisplayTint(222, 212, 188);

// Click areas over the thumbnails, from the top; area 9 builds from sample 12.
constexpr std::array<int, 12> AreaOfThumbnail{7, 2, 0, 8, 6, 1, 5, 3, 4, 10, 11, 9};

QImage samplePicture(const QString& name) {
    QImage image(QStringLiteral(":/puzzle/") + name);
    if (image.isNull()) qCWarning(lcPictures) << "puzzle: picture missing from the resources" << name;
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

const QImage& PuzzleSamples::operator[](size_t slot) const {
    std::optional<QImage>& image = images_.at(slot);
    if (!image) {
        const bool held = std::find(PuzzleStripSamples.begin(), PuzzleStripSamples.end(), int(slot)) !=
                          PuzzleStripSamples.end();
        image = held ? samplePicture(QStringLiteral("sample%1.jpg").arg(slot)) : QImage();
    }
    return *image;
}

int puzzleSampleOfArea(int index) {
    return index == 9 ? 12 : index;
}

int puzzleAreaOfThumbnail(int t) {
    return AreaOfThumbnail[size_t(std::clamp(t, 0, 11))];
}

Form4::Form4(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);

    pc = menuBarItem(this, "pc", QStringLiteral("IMATGES"));
    ARX = menuBar()->addMenu(QStringLiteral("GRAFICS/FOTOS"));
    ARX->setObjectName(QStringLiteral("ARX"));
    lista = addPictureFilesMenu(ARX);
    WE = menuBar()->addMenu(QStringLiteral("OPCIONS"));
    WE->setObjectName(QStringLiteral("WE"));
    auto size = [this](const char* name, const QString& text) {
        QAction* a = WE->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    SS = size("SS", QStringLiteral("1*1"));
    DDD = size("DDD", QStringLiteral("2*2"));
    GGG = size("GGG", QStringLiteral("3*3"));
    HHH = size("HHH", QStringLiteral("4*4"));
    AW = size("AW", QStringLiteral("5*5"));

    Picture57 = control<PictureBox>(client, "Picture57", 0, 45, 15405, 10920);
    Picture57->setBackColor(QColor(22, 44, 99));
    Picture26 = control<PictureBox>(Picture57, "Picture26", 30, 30, 1065, 8355);
    for (int t = 0; t < 12; ++t) {
        const int i = AreaOfThumbnail[size_t(t)];
        const QByteArray name = "Label30_" + QByteArray::number(i);
        Label30[size_t(i)] = control<ClickZone>(Picture26, name.constData(), 0, t * 8355 / 12, 1455, 705);
    }
    Picture2 = control<PictureBox>(Picture57, "Picture2", 0, 9135, 15435, 1725);
    Picture2->setBackColor(QColor(52, 84, 129));
    auto button = [this](const char* name, int left, int top) {
        return control<QPushButton>(Picture57, name, left, top, 300, 300);
    };
    Command4 = button("Command4", 90, 8415);
    Command6 = button("Command6", 405, 8415);
    Command5 = button("Command5", 720, 8415);
    Command2 = button("Command2", 90, 8730);
    Command1 = button("Command1", 405, 8730);
    Command3 = button("Command3", 720, 8730);
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
    // The preview lies above the board; it takes the size of the picture put into it.
    Picture1 = control<PictureBox>(Picture57, "Picture1", 2385, 1125, 1500, 1500);
    Picture1->setAutoSize(true);
    Picture1->hide();
    File1 = pictureFileList(services, client, "File1", 0, 0, 1200, 1200);
    File1->hide();
    Shape5->setDrawMode(TintMode::MergeNotPen);

    Picture26->setPicture(samplePicture(QStringLiteral("strip.jpg")));

    connect(pc, &QAction::triggered, this, &Form4::pc_Click);
    for (int i = 0; i < PictureMenuItems; ++i)
        connect(lista[size_t(i)], &QAction::triggered, this, [this, i] { lista_Click(i); });
    connect(SS, &QAction::triggered, this, &Form4::SS_Click);
    connect(DDD, &QAction::triggered, this, &Form4::DDD_Click);
    connect(GGG, &QAction::triggered, this, &Form4::GGG_Click);
    connect(HHH, &QAction::triggered, this, &Form4::HHH_Click);
    connect(AW, &QAction::triggered, this, &Form4::AW_Click);
    for (int i = 0; i < 12; ++i)
        connect(Label30[size_t(i)], &ClickZone::Click, this, [this, i] { Label30_Click(i); });
    connect(new MouseEvents(Picture1), &MouseEvents::Click, this, &Form4::Picture1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);

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

void Form4::Form_Load() {
    // Stripes drawn from the program's generator, each 22 twips high; those below the box's
    // bottom fall outside it.
    QImage ground(Picture57->size(), QImage::Format_RGB32);
    ground.fill(Picture57->BackColor());
    {
        QPainter p(&ground);
        for (int i = 0; i < 1201; ++i) {
            const int r = services.random.below(12222);
            p.fillRect(QRect(QPoint(0, tw(r)), QPoint(tw(15999), tw(r + 22))), StripeColour);
        }
    }
    Picture57->setPicture(ground);
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
    const QImage kept = grabSource(Picture56, true);
    Picture56->resize(twSize(widthTwips, heightTwips));
    QImage image = grabSource(Picture56, true);
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
    QImage image = grabSource(Picture56, true);
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
    const QImage copy = grabSource(Picture56, true).copy(QRect(QPoint(0, 0), Picture55->size()));
    Picture55->setPicture(copy);
    const QString file = services.inScratchFolder(QStringLiteral("dibuixyy.bmp"));
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
    QImage image = grabSource(Picture56, true);
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

void Form4::Label30_Click(int Index) {
    if (Index < 0 || Index >= int(Label30.size())) return;
    BuildPuzzle(Picture58[size_t(puzzleSampleOfArea(Index))]);
}

void Form4::pc_Click() {
    if (!ChoosePictureFolderSilently(services, this, File1, QStringLiteral("dibuixos"))) return;
    FillPictureFilesMenu(lista, File1);
    Picture1->show();
    Picture1->raise();
}

void Form4::lista_Click(int Index) {
    // Shown at its own size: pictures far larger than the screen are read smaller, in proportion.
    const std::optional<HeldPicture> held = loadPictureEntry(File1, Index, [](QSize whole) {
        constexpr int Largest = 2048;
        return whole.width() > Largest || whole.height() > Largest
                   ? whole.scaled(Largest, Largest, Qt::KeepAspectRatio)
                   : whole;
    });
    if (!held) {
        qCInfo(lcPictures) << "puzzle: the picture of item" << Index << "does not load";
        return;
    }
    Picture1->setPicture(held->image);
    Picture1->show();
    Picture1->raise();
}

void Form4::Picture1_Click() {
    BuildPuzzle(Picture1->Picture());
    Picture1->hide();
}

void Form4::setPieces(int n) {
    Combo3->setCurrentIndex(std::clamp(n, 1, 5) - 1);
}

void Form4::showBoard(bool model) {
    sizeBoard(PuzzleSide, PuzzleSide);
    sizeScratch();
    if (model)
        paintModelOnBoard();
    else
        clearBoard();
    DrawBoardAndTray();
}

void Form4::Command1_Click() {
    showBoard(true);
    Shape5->hideTint();
}

void Form4::Command2_Click() {
    showBoard(true);
    Shape5->showTint(TintMode::NotMaskPen, DisplayTint);
}

void Form4::Command3_Click() {
    showBoard(true);
    Shape5->showTint(TintMode::MergePenNot, DisplayTint);
}

void Form4::Command5_Click() {
    showBoard(false);
    Shape5->showTint(Shape5->DrawMode(), 1);
}

void Form4::Command6_Click() {
    showBoard(false);
    Shape5->hideTint();
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
