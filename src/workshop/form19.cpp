#include "workshop/form19.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor WindowGrey(0xC0, 0xC0, 0xC0);
const QColor PanelGrey(0x40, 0x40, 0x40);
QImage paintPanelPicture();
} // namespace

Form19::Form19(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips, WindowGrey);

    SSS = menuBarItem(this, "SSS", QStringLiteral("IMATGES"));
    NETEEE = menuBarItem(this, "NETEEE", QStringLiteral("NETEJAR"));
    DDDDD = menuBarItem(this, "DDDDD", QStringLiteral("COMPLETAR"));
    DDDD = menuBarItem(this, "DDDD", QStringLiteral("MAYÚSCULA"));
    SSSSSSD = menuBarItem(this, "SSSSSSD", QStringLiteral("MINÚSCULA"));
    FONSYSD = menuBarItem(this, "FONSYSD", QStringLiteral("FONTS"));
    DFFFFFFF = menuBarItem(this, "DFFFFFFF", QStringLiteral("EXPORTAR_PAINT"));
    SSSSSSSOPESDD = menuBarItem(this, "SSSSSSSOPESDD", QStringLiteral("EXPORTAR_OPEN"));

    // Back to front: the panel first, the list and the palette over it.
    Picture7 = control<PictureBox>(client, "Picture7", 0, 0, 2775, 10215);
    Picture7->setBackColor(PanelGrey);
    Picture7->setPicture(drawPanelPicture());
    Picture6 = control<PictureBox>(client, "Picture6", 9045, 1260, 5370, 4560);
    Picture6->hide();
    Picture1 = control<PictureBox>(client, "Picture1", 2835, 180, 10365, 10050);
    Picture1->setBackColor(WindowGrey);
    Text2 = makeGridBoxes(Picture1, client, {180, 45, 13635, 180}, QStringLiteral("A"));
    Picture5 = control<PictureBox>(Picture1, "Picture5", 45, 855, 3390, 3210);
    Picture5->setBackColor(Qt::white);
    Picture5->raise(); // in front of the corner cells
    Picture4 = control<PictureBox>(client, "Picture4", -225, 45, 195, 960);
    Picture4->hide();
    File1 = pictureFileList(services, client, "File1", 240, 2370, 2250, 7245);
    Picture2 = control<PictureBox>(client, "Picture2", 1050, 270, 1275, 1815);
    Picture2->setAutoSize(true);
    Picture2->setPicture(drawWordSearchPalette());
    Picture3 = control<PictureBox>(Picture2, "Picture3", 720, 1350, 420, 285);
    Picture3->setBackColor(ColourBoxColour);

    auto* paletteMouse = new MouseEvents(Picture2);
    connect(paletteMouse, &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture2_MouseUp(button, pos);
            });
    new MouseEvents(Picture3); // a release on the colour box picks nothing

    connect(File1, &QListWidget::itemClicked, this, &Form19::File1_Click);
    connect(SSS, &QAction::triggered, this, &Form19::SSS_Click);
    connect(NETEEE, &QAction::triggered, this, &Form19::NETEEE_Click);
    connect(DDDDD, &QAction::triggered, this, &Form19::DDDDD_Click);
    connect(DDDD, &QAction::triggered, this, &Form19::DDDD_Click);
    connect(SSSSSSD, &QAction::triggered, this, &Form19::SSSSSSD_Click);
    connect(FONSYSD, &QAction::triggered, this, &Form19::FONSYSD_Click);
    connect(DFFFFFFF, &QAction::triggered, this, &Form19::DFFFFFFF_Click);
    connect(SSSSSSSOPESDD, &QAction::triggered, this, &Form19::SSSSSSSOPESDD_Click);
}

void Form19::Form_Unload(bool& cancel) {
    Q_UNUSED(cancel);
    services.state.clearActivityCode();
}

void Form19::SSS_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form19::NETEEE_Click() {
    clearGrid(Text2);
}

void Form19::DDDDD_Click() {
    completeGrid(Text2, Picture3->BackColor(), services.random);
}

void Form19::DDDD_Click() {
    changeGridCase(Text2, true);
}

void Form19::SSSSSSD_Click() {
    changeGridCase(Text2, false);
}

void Form19::FONSYSD_Click() {
    ChooseTextFont(services, this, letterBoxes(Text2));
}

void Form19::DFFFFFFF_Click() {
    EditPictureInPaint(services, this, Snapshot{Picture1, nullptr, Picture4, 1, true});
}

void Form19::SSSSSSSOPESDD_Click() {
    OpenPictureInOfficeSuite(services, this, Snapshot{Picture1, nullptr, Picture4, 1, true});
}

// A file that does not load leaves the panel as it was.
void Form19::File1_Click() {
    const QImage picture = loadListedPicture(File1, Picture5->size());
    if (picture.isNull()) return;
    Picture6->setPicture(picture);
    Picture5->setPicture(stretchIntoFrame({}, Picture5->size(), Picture5->BackColor(), picture));
}

void Form19::Picture2_MouseUp(Qt::MouseButton button, QPointF pos) {
    Q_UNUSED(button);
    if (const auto colour = PickPaletteColour(Picture2, pos)) colourGrid(Text2, *colour);
}

// Letter tiles scattered down the dark panel, a few picked out in colour, and a magnifying glass
// at the foot: the word search's own sign.
QImage Form19::drawPanelPicture() {
    // Painted once a process: its letters are laid out glyph by glyph.
    static const QImage panel = paintPanelPicture();
    return panel;
}

namespace {
QImage paintPanelPicture() {
    QImage image(185, 681, QImage::Format_RGB32);
    image.fill(PanelGrey);
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
} // namespace
