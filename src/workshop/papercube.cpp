#include "workshop/papercube.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "platform/safefile.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

Q_LOGGING_CATEGORY(lcCube, "taudrin.workshop.cube")

namespace {
// Places of the strip and the preview in the window's client area, in twips; the preview lies on
// the strip, which starts above and left of the client area.
constexpr int StripLeft = -165, StripTop = -285;
constexpr int PreviewLeft = 105, PreviewTop = 6525;
constexpr int NetLeftTwips = 2970, NetTopTwips = 240;

QString faceName(int index) {
    return QStringLiteral("Picture40_%1").arg(index);
}

// The stretched picture is left where hand-offs put their pictures, replacing what was there.
void writeHandOffPicture(Services& services, const QImage& picture) {
    const QString path = handOffPicturePath(services);
    if (!savePictureSafely(picture.convertToFormat(QImage::Format_RGB32), path, "BMP"))
        qCWarning(lcCube) << "the stretched picture could not be written to" << path;
}
} // namespace

void CubeFace::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(100, 100, 100));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Form5::Form5(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    // Opens maximized. The net reaches past the designed client width, which counted on a
    // maximized window; the least size shows the whole net, tabs included.
    client = makeMaximizedClient(
        this, std::max(ClientWidthTwips, NetLeftTwips + CubeNetWidthTwips + NetTopTwips), ClientHeightTwips);

    sasa = menuBarItem(this, "sasa", QStringLiteral("IMATGES"));

    // The white ground covers the whole client area and holds every other control.
    Picture29 = control<PictureBox>(client, "Picture29", 0, 0, ClientWidthTwips, ClientHeightTwips);
    auto* fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Picture29);
    Picture29->setBackColor(Qt::white);

    Picture1 = control<PictureBox>(Picture29, "Picture1", StripLeft, StripTop, 2685, 11595);
    Picture1->setPicture(drawBeigeStrip(Picture1->size()));
    Image1 =
        control<ImageBox>(Picture1, "Image1", PreviewLeft - StripLeft, PreviewTop - StripTop, 2205, 1530);
    Image1->setStretch(true);
    File1 = pictureFileList(services, Picture29, "File1", 60, 120, 2295, 6330);

    Picture39 = control<PictureBox>(Picture29, "Picture39", NetLeftTwips, NetTopTwips, CubeNetWidthTwips,
                                    CubeNetHeightTwips);
    Picture39->setPicture(cubeNetImage());
    for (int i : CubeFaces) {
        const QPoint at = cubeFacePlace(i);
        CubeFace* face = control<CubeFace>(Picture39, "", at.x(), at.y(), CubeFaceTwips, CubeFaceTwips);
        face->setObjectName(faceName(i));
        face->setBackColor(face->palette().color(QPalette::Base));
        Picture40[size_t(i)] = face;
        auto* mouse = new MouseEvents(face);
        connect(mouse, &MouseEvents::MouseUp, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) {
                    Picture40_MouseUp(i, button);
                });
    }

    Picture25 = control<PictureBox>(Picture29, "Picture25", 5805, 7470, 5085, 1140);
    Picture25->setPicture(cubeToolStripImage());
    Label62 = control<ClickZone>(Picture25, "Label62", -60, 225, 1080, 765);
    Label1[59] = control<ClickZone>(Picture25, "Label1_59", 1110, 195, 885, 705);
    Label1uuuu[62] = control<ClickZone>(Picture25, "Label1uuuu_62", 2220, 210, 915, 705);
    Label1333[61] = control<ClickZone>(Picture25, "Label1333_61", 3450, 195, 915, 705);
    for (ClickZone* zone : {Label62, Label1[59], Label1uuuu[62], Label1333[61]})
        zone->setCursor(Qt::PointingHandCursor);
    Label62->setToolTip(QStringLiteral("Obrir el cub amb el paquet ofimàtic"));
    Label1[59]->setToolTip(QStringLiteral("Posar el cub en un document"));
    Label1uuuu[62]->setToolTip(QStringLiteral("Obrir el cub amb el programa de dibuix"));
    Label1333[61]->setToolTip(QStringLiteral("Fer el cub amb la imatge de la llista"));

    // Hidden holders.
    Picture2 = control<PictureBox>(Picture29, "Picture2");
    Picture44 = control<PictureBox>(Picture29, "Picture44", 0, 0, 5895, 3930);
    Picture43 = control<PictureBox>(Picture29, "Picture43", 0, 0, 5895, 3930);
    Picture5 = control<PictureBox>(Picture29, "Picture5");
    for (PictureBox* holder : {Picture2, Picture44, Picture43, Picture5})
        holder->hide();

    connect(sasa, &QAction::triggered, this, &Form5::sasa_Click);
    connect(Label62, &ClickZone::Click, this, &Form5::Label62_Click);
    connect(Label1[59], &ClickZone::Click, this, [this] { Label1_Click(59); });
    connect(Label1uuuu[62], &ClickZone::Click, this, [this] { Label1uuuu_Click(62); });
    connect(Label1333[61], &ClickZone::Click, this, [this] { Label1333_Click(61); });
    // The preview follows a mouse release on the list, not a change of selection by the keys.
    File1->viewport()->installEventFilter(this);
}

void Form5::Form_Load() {
    // Nothing to restore: the faces start empty and the list shows the picture folder.
}

void Form5::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == File1->viewport() && event->type() == QEvent::MouseButtonRelease) File1_MouseUp();
    return MainForm::eventFilter(watched, event);
}

void Form5::File1_MouseUp() {
    PreviewPictureFile(File1, Image1);
}

void Form5::sasa_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form5::Picture40_MouseUp(int Index, Qt::MouseButton Button) {
    if (!isCubeFace(Index)) return;
    CubeFace* face = Picture40[size_t(Index)];
    QImage picture;
    if (Button == Qt::LeftButton)
        picture = loadListedPicture(File1, face->size());
    else if (Button == Qt::RightButton)
        picture = QGuiApplication::clipboard()->image();
    else
        return;
    // A picture that cannot be had leaves the face as it was.
    if (picture.isNull()) return;
    Picture2->setPicture(picture);
    face->setPicture(stretchIntoFrame({}, face->size(), face->BackColor(), picture));
}

void Form5::Label1333_Click(int) {
    // With no listed picture to cut, the faces stay as they are.
    const QImage picture = loadListedPicture(File1, cubeStretchSize());
    if (picture.isNull()) return;
    Picture2->setPicture(picture);
    const QImage stretched = stretchForCube(picture);
    Picture44->setPicture(stretched);
    writeHandOffPicture(services, stretched);
    // The faces are cut from the stretched picture in memory; the file is only left behind.
    Picture43->setPicture(stretched);
    const CubeFacePictures cut = cutIntoFaces(stretched);
    for (int i : CubeFaces) {
        CubeFace* face = Picture40[size_t(i)];
        face->setPicture(stretchIntoFrame({}, face->size(), face->BackColor(), cut[size_t(i)]));
    }
}

Snapshot Form5::netSnapshot() const {
    Snapshot snapshot;
    snapshot.source = Picture39;
    snapshot.scratch = Picture5;
    snapshot.scale = 1.2;
    snapshot.refreshScratch = true;
    return snapshot;
}

void Form5::Label1_Click(int) {
    ExportPictureToWord(services, this, netSnapshot(), OfficeDocument::Orientation::Landscape,
                        WordLayout::NormalWindow);
}

void Form5::Label1uuuu_Click(int) {
    EditPictureInPaint(services, this, netSnapshot());
}

void Form5::Label62_Click() {
    OpenPictureInOfficeSuite(services, this, netSnapshot());
}
