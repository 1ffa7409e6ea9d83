#include "workshop/form19.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/workshopimages.h"

#include <QLineEdit>

namespace {
const QColor WindowGrey(0xC0, 0xC0, 0xC0);
const QColor PanelGrey(0x40, 0x40, 0x40);
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
    Picture7->setPicture(wordSearchPanelImage());
    Picture6 = control<PictureBox>(client, "Picture6", 9045, 1260, 5370, 4560);
    Picture6->hide();
    Picture1 = control<PictureBox>(client, "Picture1", 2835, 180, 10365, 10050);
    Picture1->setBackColor(Qt::white);
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

    // A file chosen by a click or with the arrow keys (the current row changes first).
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form19::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form19::File1_Click);
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
