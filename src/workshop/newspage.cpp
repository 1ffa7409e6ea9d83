#include "workshop/newspage.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "workshop/newsboxes.h"
#include "workshop/newspagepictures.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/workshopimages.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {
const QColor Beige(240, 232, 204);
const QColor SlotColour(255, 255, 192);

QByteArray indexedName(const char* array, int index) {
    return QByteArray(array) + '_' + QByteArray::number(index);
}
} // namespace

Form61::Form61(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    // The window opens maximized; its designed client size is the least it takes.
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips, Qt::white);

    AAAA = menuBarItem(this, "AAAA", QStringLiteral("IMATGES"));
    ARXIUS = menuBar()->addMenu(QStringLiteral("ARXIUS"));
    ARXIUS->setObjectName(QStringLiteral("ARXIUS"));
    POLO = ARXIUS->addAction(QStringLiteral("OBRIR"));
    POLO->setObjectName(QStringLiteral("POLO"));
    sssdddff = menuBarItem(this, "sssdddff", QStringLiteral("NAVEGADOR"));

    // The strip on the left: the picture list, its preview and the tool panel.
    Picture2 = control<PictureBox>(client, "Picture2", 0, 0, 2670, ClientHeightTwips);
    File1 = pictureFileList(services, Picture2, "File1", 135, 90, 2295, 4575);
    Image1 = control<ImageBox>(Picture2, "Image1", 300, 4710, 2070, 1620);
    Picture1 = control<PictureBox>(Picture2, "Picture1", 270, 6600, 2025, 3240);
    Label4[0] = control<ClickZone>(Picture1, "Label4_0", 30, 90, 510, 600);
    Label4[2] = control<ClickZone>(Picture1, "Label4_2", 540, 120, 510, 600);
    Label4[3] = control<ClickZone>(Picture1, "Label4_3", 1020, 120, 510, 600);
    Label4[1] = control<ClickZone>(Picture1, "Label4_1", 1500, 120, 510, 600);
    Label11[0] = control<ClickZone>(Picture1, "Label11_0", 60, 720, 510, 555);
    Label11[1] = control<ClickZone>(Picture1, "Label11_1", 570, 750, 510, 555);
    Label11[2] = control<ClickZone>(Picture1, "Label11_2", 1020, 720, 510, 555);
    Label11[3] = control<ClickZone>(Picture1, "Label11_3", 1500, 780, 510, 555);
    Label8 = control<ClickZone>(Picture1, "Label8", 60, 1320, 465, 555);
    Label9 = control<ClickZone>(Picture1, "Label9", 540, 1320, 510, 555);
    Picture4 = control<PictureBox>(Picture1, "Picture4", 1350, 1575, 690, 960);
    Label5 = control<ClickZone>(Picture1, "Label5", 30, 1980, 555, 555);
    Label6 = control<ClickZone>(Picture1, "Label6", 630, 2010, 420, 555);
    Label2 = control<ClickZone>(Picture1, "Label2", 30, 2580, 660, 600);
    Label12 = control<ClickZone>(Picture1, "Label12", 690, 2550, 555, 555);
    Label7 = control<ClickZone>(Picture1, "Label7", 1350, 2520, 690, 795);

    // The four layout panels lie on one rectangle; each holds its own boxes and slots.
    const QRect panel = newsPanelPlace();
    for (int l = 0; l < NewsLayoutCount; ++l)
        Picture11[size_t(l)] = control<PictureBox>(client, indexedName("Picture11", l).constData(),
                                                   panel.left(), panel.top(), panel.width(), panel.height());
    for (int i = 0; i < NewsTextBoxCount; ++i) {
        const NewsBoxDesign design = newsBoxDesign(i);
        const QRect r = design.place;
        TEXT1[size_t(i)] =
            control<NewsTextBox>(Picture11[size_t(newsLayoutOfBox(i))], indexedName("TEXT1", i).constData(),
                                 r.left(), r.top(), r.width(), r.height());
    }
    for (int i = 0; i < NewsSlotCount; ++i) {
        const QRect r = newsSlotPlace(i);
        DIBU1[size_t(i)] =
            control<NewsSlot>(Picture11[size_t(newsLayoutOfSlot(i))], indexedName("DIBU1", i).constData(),
                              r.left(), r.top(), r.width(), r.height());
    }

    Command1 = control<QPushButton>(client, "Command1", 2700, 9135, 3840, 450);
    Text2 = control<QLineEdit>(client, "Text2", 6615, 9135, 3000, 450);
    Picture18 = control<PictureBox>(client, "Picture18");

    Picture2->setBackColor(Beige);
    Image1->setStretch(true);
    Picture1->setAutoSize(true);
    Picture1->setPicture(newsToolPanelImage());
    Picture4->setAutoSize(true);
    Picture4->setPicture(drawNewsPalette());
    Picture4->setCursor(Qt::CrossCursor);
    for (PictureBox* p : Picture11)
        p->setBackColor(Qt::white);
    for (int i = 0; i < NewsTextBoxCount; ++i) {
        const NewsBoxDesign design = newsBoxDesign(i);
        NewsTextBox* box = TEXT1[size_t(i)];
        QFont font(QStringLiteral("Courier New"));
        font.setPointSizeF(design.pointSize);
        font.setBold(design.bold);
        box->setFont(font);
        box->setMultiLine(!design.title);
        if (design.title) box->setPlainText(QStringLiteral("TÍTOL"));
    }
    // Each box holds no more than a saved page keeps of it.
    for (int l = 0; l < NewsLayoutCount; ++l) {
        const NewsLayout& layout = newsLayout(l);
        TEXT1[size_t(layout.title)]->setMaxLength(newsBoxCapacity(l, NewsTitleBody));
        for (int b = 0; b < layout.bodies.size(); ++b)
            TEXT1[size_t(layout.bodies[b])]->setMaxLength(newsBoxCapacity(l, b));
    }
    for (NewsSlot* slot : DIBU1)
        slot->setBackColor(SlotColour);
    Command1->setText(QStringLiteral("DESAR NOTÍCIA COM"));
    Text2->setText(QStringLiteral("nom_noticia"));
    Picture18->hide();

    connect(AAAA, &QAction::triggered, this, &Form61::AAAA_Click);
    connect(sssdddff, &QAction::triggered, this, &Form61::sssdddff_Click);
    connect(POLO, &QAction::triggered, this, &Form61::POLO_Click);
    connect(Command1, &QPushButton::clicked, this, &Form61::Command1_Click);
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form61::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form61::File1_Click);
    for (int i = 0; i < 4; ++i) {
        connect(Label4[size_t(i)], &ClickZone::Click, this, [this, i] { Label4_Click(i); });
        connect(Label11[size_t(i)], &ClickZone::Click, this, [this, i] { Label11_Click(i); });
    }
    for (int i = 0; i < NewsTextBoxCount; ++i)
        connect(TEXT1[size_t(i)], &NewsTextBox::Click, this, [this, i] { Text1_Click(i); });
    for (int i = 0; i < NewsSlotCount; ++i) {
        auto* mouse = new MouseEvents(DIBU1[size_t(i)]);
        connect(mouse, &MouseEvents::MouseUp, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos) {
                    DIBU1_MouseUp(i, button, shift, pos);
                });
    }
    connect(new MouseEvents(Picture4), &MouseEvents::MouseUp, this, &Form61::Picture4_MouseUp);
    connect(Label8, &ClickZone::Click, this, &Form61::Label8_Click);
    connect(Label9, &ClickZone::Click, this, &Form61::Label9_Click);
    connect(Label5, &ClickZone::Click, this, &Form61::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &Form61::Label6_Click);
    connect(Label12, &ClickZone::Click, this, &Form61::Label12_Click);
    connect(Label7, &ClickZone::Click, this, &Form61::Label7_Click);
    connect(Label2, &ClickZone::Click, this, &Form61::Label2_Click);
    client->installEventFilter(this);
}

void Form61::Form_Load() {
    Label1 = 0;
    showLayout(0);
    keepAsIs();
}

void Form61::Form_Unload(bool& cancel) {
    if (!mayLetTextsGo(closeQuestion())) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

bool Form61::eventFilter(QObject* watched, QEvent* event) {
    // The strip runs the whole height of the window, however tall it opens.
    if (watched == client && event->type() == QEvent::Resize)
        Picture2->resize(Picture2->width(), client->height());
    return MainForm::eventFilter(watched, event);
}

void Form61::showLayout(int layout) {
    for (PictureBox* p : Picture11)
        p->hide();
    if (layout >= 0 && layout < NewsLayoutCount) Picture11[size_t(layout)]->show();
}

NewsTextBox* Form61::selectedBox() const {
    return TEXT1[size_t(Label3 >= 0 && Label3 < NewsTextBoxCount ? Label3 : 1)];
}

void Form61::Label4_Click(int index) {
    if (index < 0 || index >= NewsLayoutCount) return;
    Label1 = index;
    showLayout(index);
}

void Form61::Text1_Click(int index) {
    if (index >= 0 && index < NewsTextBoxCount) Label3 = index;
}

void Form61::Label11_Click(int index) {
    NewsTextBox* box = selectedBox();
    if (index == 0) {
        ChooseTextFont(services, this, {box});
        return;
    }
    static const char* const families[] = {"Arial", "Courier New", "Zahareña"};
    if (index < 1 || index > 3) return;
    QFont font = box->font();
    font.setFamily(QString::fromUtf8(families[index - 1]));
    box->setFont(font);
}

void Form61::Label8_Click() {
    NewsTextBox* box = selectedBox();
    QFont font = box->font();
    const double size = font.pointSizeF() + SizeStep;
    // Past the largest size the box stays as it is.
    if (size > LargestPointSize) return;
    font.setPointSizeF(size);
    box->setFont(font);
}

void Form61::Label9_Click() {
    NewsTextBox* box = selectedBox();
    QFont font = box->font();
    font.setPointSizeF(qMax(SmallestSize, font.pointSizeF() - SizeStep));
    box->setFont(font);
}

void Form61::Picture4_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF pos) {
    // A release that ends off the palette has no colour to give.
    if (const std::optional<QColor> colour = PickPaletteColour(Picture4, pos))
        setTextColour(selectedBox(), *colour);
}

void Form61::setBorders(int style) {
    for (NewsSlot* slot : DIBU1)
        slot->setBorderStyle(style);
    for (NewsTextBox* box : TEXT1)
        box->setBorderStyle(style);
}

void Form61::Label5_Click() {
    setBorders(0);
}

void Form61::Label6_Click() {
    setBorders(1);
}

void Form61::DIBU1_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, QPointF) {
    if (index < 0 || index >= NewsSlotCount) return;
    PlacePictureInFrame(DIBU1[size_t(index)], button, File1);
}

Snapshot Form61::handOffSnapshot() const {
    Snapshot s;
    s.source = Picture11[size_t(Label1 >= 0 && Label1 < NewsLayoutCount ? Label1 : 0)];
    s.scratch = Picture18;
    s.scale = 1;
    s.refreshScratch = true;
    return s;
}

void Form61::Label12_Click() {
    ExportPictureToWord(services, this, handOffSnapshot(), OfficeDocument::Orientation::Landscape,
                        WordLayout::NormalWindow);
}

void Form61::Label7_Click() {
    EditPictureInPaint(services, this, handOffSnapshot());
}

void Form61::Label2_Click() {
    OpenPictureInOfficeSuite(services, this, handOffSnapshot());
}

void Form61::AAAA_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form61::File1_Click() {
    PreviewPictureFile(File1, Image1);
}

void Form61::sssdddff_Click() {
    OpenWebSearchPage(services);
}
