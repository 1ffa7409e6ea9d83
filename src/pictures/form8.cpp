#include "pictures/form8.h"
#include "core/busycursor.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/forms.h"
#include "core/mouseevents.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/picturefiles.h"
#include "platform/officesuite.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>

RectangleShape::RectangleShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectangleShape::setFillColor(const QColor& colour) {
    fill_ = colour;
    update();
}

void RectangleShape::setBorderColor(const QColor& colour) {
    border_ = colour;
    update();
}

void RectangleShape::setFillTransparent(bool on) {
    transparent_ = on;
    update();
}

void RectangleShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(border_);
    p.setBrush(transparent_ ? QBrush(Qt::NoBrush) : QBrush(fill_));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Form8::Form8(Services& services) : MainForm(services), screen(pictureScreenTwips()) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    saassa = menuBarItem(this, "saassa", QStringLiteral("IMATGES"));

    Picture51 = control<PictureBox>(client, "Picture51", 0, 0, ClientWidthTwips, ClientHeightTwips);
    Picture51->setBackColor(QColor(192, 192, 192));
    Shape1 = control<RectangleShape>(Picture51, "Shape1", 3615, 420, 7575, 5385);
    File1 = pictureFileList(services, Picture51, "File1", 315, 225, 3285, 5355);
    Picture64 = control<PictureBox>(Picture51, "Picture64", 3735, 540, 7275, 4395);
    Picture64->setPicture(drawPhotoLayouts());
    // Made in index order, so where two hot areas meet the landscape page's lies on top.
    for (int i = 0; i < PhotoLayoutCount; ++i) {
        if (!hasPhotoLayoutArea(i)) continue;
        const QRect area = photoLayoutArea(i);
        const QByteArray name = "Label20_" + QByteArray::number(i);
        QLabel* label = control<QLabel>(Picture64, name.constData(), area.left(), area.top(), area.width(),
                                        area.height());
        label->setAttribute(Qt::WA_TranslucentBackground);
        Label20[size_t(i)] = label;
        auto* mouse = new MouseEvents(label);
        connect(mouse, &MouseEvents::MouseMove, this, [this, i] { Label20_MouseMove(i); });
        connect(mouse, &MouseEvents::MouseUp, this, [this, i] { Label20_MouseUp(i); });
    }
    Picture1 = control<PictureBox>(Picture51, "Picture1", 7740, 3915, 2715, 1770);
    Picture1->setBackColor(Qt::white);
    Image1 = control<ImageBox>(Picture1, "Image1", 0, 0, 2715, 1770);
    Image1->setStretch(true);
    Picture3 = control<PictureBox>(client, "Picture3");
    Picture3->hide();
    Shape1->lower();

    connect(saassa, &QAction::triggered, this, &Form8::saassa_Click);
    connect(File1, &QListWidget::currentRowChanged, this, &Form8::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form8::File1_Click);
}

void Form8::Form_Load() {
    QPalette ground = client->palette();
    ground.setColor(QPalette::Window, QColor(50, 50, 50));
    client->setPalette(ground);
    Shape1->setFillColor(QColor(220, 220, 255));
    Shape1->setBorderColor(QColor(250, 250, 250));
    Shape1->setFillTransparent(true);
}

void Form8::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void Form8::saassa_Click() {
    if (!ChoosePictureFolderSilently(services, this, File1)) return;
    setWindowTitle(QDir::toNativeSeparators(File1->Path()));
}

void Form8::File1_Click() {
    const QImage before = Image1->Picture();
    PreviewPictureFile(File1, Image1);
    // A file that does not load leaves the preview as it was.
    if (Image1->Picture().isNull()) Image1->setPicture(before);
}

void Form8::Label20_MouseMove(int Index) {
    Label33 = Index;
}

void Form8::Label20_MouseUp(int) {
    bool opened = false;
    {
        const BusyCursor busy;
        const PhotoLayout layout = photoLayout(Label33);
        const QSize size = photoSizePixels(screen, layout.perRow);
        Picture3->resize(size);
        // The photos come from the list's own folder, whatever the caption says.
        QStringList files;
        const QDir folder(File1->Path());
        for (int i = 0; i < File1->count(); ++i)
            files.append(folder.filePath(File1->item(i)->text()));
        // The main window's scratch holder takes each photo when it is open; it is never loaded
        // for this.
        QWidget* main = services.forms.loaded(QStringLiteral("form1"));
        PictureBox* GRANDE = main ? main->findChild<PictureBox*>(QStringLiteral("GRANDE")) : nullptr;
        const PhotoScratch scratch{handOffPicturePath(services),
                                   services.inScratchFolder(QStringLiteral("dibuix.jpg"))};
        const OfficeDocument document = packPhotos(files, layout, size, scratch, [&](const QImage& photo) {
            if (GRANDE) GRANDE->setPicture(photo);
            Picture3->setPicture(photo);
        });
        opened = services.office.open(document);
    }
    if (!opened) {
        qCInfo(lcPictures) << "photo packing: the document did not open";
        showError(services, this);
    }
}
