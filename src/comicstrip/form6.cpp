#include "comicstrip/form6.h"
#include "comicstrip/aucafolder.h"
#include "comicstrip/captionbox.h"
#include "comicstrip/comicstripart.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "core/textinput.h"
#include "core/twips.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace comicstrip;

namespace {
constexpr int KeyEnter = 13;

// Where panel i lies on the board (twips): its picture, its first caption and its second caption.
struct PanelPlace {
    int pictureLeft, pictureTop;
    int captionLeft, captionTop;
    int secondLeft, secondTop, secondWidth;
};
constexpr PanelPlace Places[Form6::Panels] = {
    {270, 840, 270, 2610, 300, 2595, 3960},     {4500, 810, 4455, 2610, 4500, 2595, 3960},
    {8700, 810, 8640, 2610, 8685, 2610, 4140},  {285, 3975, 225, 5760, 270, 5760, 3960},
    {4500, 3960, 4500, 5715, 4500, 5730, 3960}, {8730, 3945, 8685, 5715, 8715, 5715, 4140},
    {300, 7110, 315, 8865, 285, 8880, 4005},    {4500, 7095, 4500, 8865, 4485, 8865, 3960},
    {8700, 7065, 8685, 8820, 8685, 8820, 4140},
};
constexpr int PanelWidth = 2820, PanelHeight = 1755;
constexpr int CaptionWidth = 4110, CaptionHeight = 825, SecondHeight = 1335;

// A panel: white, framed by a thin grey line so it shows on the white board.
class PanelBox : public PictureBox {
public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent* event) override {
        PictureBox::paintEvent(event);
        QPainter p(this);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The preview: an image control with a single border.
class BorderedImage : public ImageBox {
public:
    using ImageBox::ImageBox;

protected:
    void paintEvent(QPaintEvent* event) override {
        ImageBox::paintEvent(event);
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QByteArray indexed(const char* name, int i) {
    return QByteArray(name) + '_' + QByteArray::number(i);
}

// A click zone on the tool panel, placed in the panel picture's pixels.
ClickZone* zone(QWidget* panel, const char* name, int left, int top, int width, int height) {
    return control<ClickZone>(panel, name, toTwips(left), toTwips(top), toTwips(width), toTwips(height));
}

int keyCode(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ? KeyEnter : 0;
}
} // namespace

Form6::Form6(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeMaximizedClient(this, ClientWidthTwips, ClientHeightTwips, Qt::white);

    makeMenus();
    makeSideColumn();
    makeBoard();
}

void Form6::makeMenus() {
    AAAA = menuBarItem(this, "AAAA", QStringLiteral("IMATGES"));
    aaa = menuBarItem(this, "aaa", QStringLiteral("ARXIUS"));

    wee = menuBar()->addMenu(QStringLiteral("EXERCICIS INTERACTIUS"));
    wee->setObjectName(QStringLiteral("wee"));
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    SOPAA = item(wee, "SOPAA", QStringLiteral("SOPA DE LLETRES"));
    WE = item(wee, "WE", QStringLiteral("ESCRIU PARAULES"));
    MAOS = item(wee, "MAOS", QStringLiteral("MÀQUINA D'ESCRIURE"));
    DPAOW = item(wee, "DPAOW", QStringLiteral("PARAULA AMAGADA"));
    DITATSS = item(wee, "DITATSS", QStringLiteral("DICTATS"));

    PARA = menuBar()->addMenu(QStringLiteral("MOSTRES CALIGRÀFIQUES"));
    PARA->setObjectName(QStringLiteral("PARA"));
    SSSEEE = item(PARA, "SSSEEE", QStringLiteral("INSTAL·LEU LA FONT ZAHAREÑA"));
    SSSEEE->setEnabled(false);
    MOSTRASS = item(PARA, "MOSTRASS", QStringLiteral("AMB MOSTRE"));
    POLOS = item(PARA, "POLOS", QStringLiteral("AMB MOSTRE AMB GUIA FINA"));
    psos = PARA->addMenu(QStringLiteral("MOSTRE MÉS GUIA GRUESA"));
    psos->setObjectName(QStringLiteral("psos"));
    psos->menuAction()->setObjectName(QStringLiteral("psos_item"));
    AQQQQ1 = item(psos, "AQQQQ1", QStringLiteral("INTENSITAT CROMÀTICA 1"));
    AQQ2 = item(psos, "AQQ2", QStringLiteral("INTENSITAT CROMÀTICA 2"));
    AQQQ3 = item(psos, "AQQQ3", QStringLiteral("INTENSITAT CROMÀTICA 3"));

    SSS = menuBarItem(this, "SSS", QStringLiteral("NAVEGADOR"));

    connect(AAAA, &QAction::triggered, this, &Form6::AAAA_Click);
    connect(aaa, &QAction::triggered, this, &Form6::aaa_Click);
    connect(SOPAA, &QAction::triggered, this, &Form6::SOPAA_Click);
    connect(WE, &QAction::triggered, this, &Form6::WE_Click);
    connect(MAOS, &QAction::triggered, this, &Form6::MAOS_Click);
    connect(DPAOW, &QAction::triggered, this, &Form6::DPAOW_Click);
    connect(DITATSS, &QAction::triggered, this, &Form6::DITATSS_Click);
    connect(SSS, &QAction::triggered, this, [this] { OpenWebSearchPage(this->services); });
}

void Form6::makeSideColumn() {
    Picture4 = control<PictureBox>(client, "Picture4", 0, 0, 2685, 11580);
    File1 = pictureFileList(services, Picture4, "File1", 210, 90, 2040, 3345);
    Image1 = control<BorderedImage>(Picture4, "Image1", 210, 3510, 2250, 1710);
    Picture1 = control<PictureBox>(Picture4, "Picture1", 210, 5370, 2115, 3285);
    Label16 = zone(Picture1, "Label16", 6, 6, 34, 43);
    Label17 = zone(Picture1, "Label17", 38, 4, 34, 43);
    Label12 = zone(Picture1, "Label12", 68, 4, 34, 40);
    Label18 = zone(Picture1, "Label18", 102, 2, 31, 40);
    Label15[0] = zone(Picture1, "Label15_0", 6, 48, 31, 37);
    Label15[1] = zone(Picture1, "Label15_1", 38, 50, 31, 37);
    Label15[2] = zone(Picture1, "Label15_2", 70, 50, 31, 37);
    Label15[3] = zone(Picture1, "Label15_3", 102, 46, 31, 37);
    Label13 = zone(Picture1, "Label13", 6, 86, 31, 34);
    Label14 = zone(Picture1, "Label14", 36, 84, 31, 40);
    Label11 = zone(Picture1, "Label11", -2, 122, 43, 43);
    Label10 = zone(Picture1, "Label10", 44, 130, 40, 40);
    Label9 = zone(Picture1, "Label9", 0, 174, 47, 37);
    Label7 = zone(Picture1, "Label7", 46, 170, 46, 38);
    Label2 = zone(Picture1, "Label2", 94, 172, 53, 40);
    Picture3 = control<PictureBox>(Picture1, "Picture3", 1170, 1530, 945, 1125);
    Command1 = control<QPushButton>(Picture4, "Command1", 210, 8790, 2265, 330);
    Text2 = control<QLineEdit>(Picture4, "Text2", 210, 9195, 2220, 330);

    Picture4->setBackColor(QColor(64, 64, 64));
    Picture4->setPicture(sideColumnImage(Picture4->size()));
    Image1->setStretch(true);
    Picture1->setBackColor(QColor(212, 208, 200));
    Picture1->setPicture(toolPanelImage());
    Picture3->setPicture(drawCaptionPalette());
    for (ClickZone* z : {Label16, Label17, Label12, Label18, Label15[0], Label15[1], Label15[2], Label15[3],
                         Label13, Label14, Label11, Label10, Label9, Label7, Label2})
        z->setCursor(Qt::PointingHandCursor);

    Command1->setText(QStringLiteral("DESAR COM"));
    QFont buttonFont(QStringLiteral("Courier New"), 12);
    buttonFont.setBold(true);
    Command1->setFont(buttonFont);
    Text2->setText(QStringLiteral("nom_auca"));

    connect(File1, &PictureFileList::itemSelectionChanged, this, &Form6::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form6::File1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Label12, &ClickZone::Click, this, &Form6::Label12_Click);
    connect(Label10, &ClickZone::Click, this, &Form6::Label10_Click);
    connect(Label11, &ClickZone::Click, this, &Form6::Label11_Click);
    connect(Label13, &ClickZone::Click, this, &Form6::Label13_Click);
    connect(Label14, &ClickZone::Click, this, &Form6::Label14_Click);
    connect(Label16, &ClickZone::Click, this, &Form6::Label16_Click);
    connect(Label17, &ClickZone::Click, this, &Form6::Label17_Click);
    connect(Label18, &ClickZone::Click, this, &Form6::Label18_Click);
    for (int k = 0; k < int(Label15.size()); ++k)
        connect(Label15[k], &ClickZone::Click, this, [this, k] { Label15_Click(k); });
    auto* palette = new MouseEvents(Picture3);
    connect(palette, &MouseEvents::MouseUp, this, &Form6::Picture3_MouseUp);
}

void Form6::makeBoard() {
    Picture11 = control<PictureBox>(client, "Picture11", 2565, 90, 12810, 10230);
    Picture11->setBackColor(Qt::white);

    const QFont firstFont = [] {
        QFont f(QStringLiteral("Courier New"));
        f.setPointSizeF(32.25);
        return f;
    }();
    const QFont secondFont(QStringLiteral("MS Sans Serif"), 12);
    for (int i = 0; i < Panels; ++i) {
        const PanelPlace& at = Places[i];
        ESCRIU[i] = control<PanelBox>(Picture11, indexed("ESCRIU", i).constData(), at.pictureLeft,
                                      at.pictureTop, PanelWidth, PanelHeight);
        Text3[i] = control<QLineEdit>(Picture11, indexed("Text3", i).constData(), at.captionLeft,
                                      at.captionTop, CaptionWidth, CaptionHeight);
        PINTA[i] = control<CaptionBox>(Picture11, indexed("PINTA", i).constData(), at.secondLeft,
                                       at.secondTop, at.secondWidth, SecondHeight);
        Text3[i]->setFont(firstFont);
        // What a saved strip keeps: the record's bytes, which ŀ takes two of.
        Text3[i]->setMaxLength(AucaFolder::RecordLength);
        Text3[i]->setValidator(new StoredLengthValidator(AucaFolder::RecordLength, Text3[i]));
        PINTA[i]->setFont(secondFont);
        PINTA[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        PINTA[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        PINTA[i]->setTabChangesFocus(true);
        setBackColour(PINTA[i], Qt::white);
        Text3[i]->installEventFilter(this);
        PINTA[i]->installEventFilter(this);
        auto* events = new MouseEvents(ESCRIU[i]);
        connect(events, &MouseEvents::MouseUp, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos) {
                    ESCRIU_MouseUp(i, button, shift, pos);
                });
    }

    Text1 = control<QLineEdit>(Picture11, "Text1", 330, 90, 10590, 630);
    Text1->setFont(QFont(QStringLiteral("Arial"), 24));
    Text1->setText(QStringLiteral(" títol:"));
    Line1 = new LineControl(Picture11, QPoint(0, tw(735)), QPoint(Picture11->width(), tw(735)),
                            QColor(128, 128, 128));
    Line1->setObjectName(QStringLiteral("Line1"));

    Picture2 = control<PictureBox>(Picture11, "Picture2", 0, -45, 12795, 10230);
    Picture2->setBackColor(QColor(255, 192, 192));
    Picture2->hide();
    makeSheet();
    Picture18 = control<PictureBox>(client, "Picture18", 0, 0, 5925, 6390);
    Picture18->hide();
}

void Form6::Form_Load() {
    for (QPlainTextEdit* box : PINTA)
        box->hide();
    keepAsIs();
}

void Form6::Form_Unload(bool& cancel) {
    if (!mayLetCaptionsGo(closeQuestion())) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QImage Form6::panelImage(int i) const {
    return grabSource(ESCRIU[i], true);
}

bool Form6::secondCaptionsShown() const {
    return !PINTA[0]->isHidden();
}

void Form6::AAAA_Click() {
    ChoosePictureFolder(services, this, File1);
}

void Form6::File1_Click() {
    PreviewPictureFile(File1, Image1);
}

void Form6::ESCRIU_MouseUp(int Index, Qt::MouseButton Button, Qt::KeyboardModifiers, QPointF) {
    PictureBox* panel = ESCRIU[Index];
    if (Button == Qt::LeftButton) {
        // A file that does not load leaves the panel as it was.
        const QImage picture = loadListedPicture(File1, panel->size());
        if (!picture.isNull())
            panel->setPicture(stretchIntoFrame(panel->Picture(), panel->size(), panel->BackColor(), picture));
    } else if (Button == Qt::RightButton) {
        panel->setPicture(QImage());
    }
    if (!PINTA[0]->isHidden()) PINTA[Index]->setFocus();
    if (!Text3[0]->isHidden()) Text3[Index]->setFocus();
}

void Form6::Label12_Click() {
    const std::array<int, Panels> picks = randomBoard(services.random, File1->count());
    const QDir folder(File1->Path());
    for (int i = 0; i < Panels; ++i) {
        PictureBox* panel = ESCRIU[i];
        panel->setPicture(QImage());
        if (picks[i] < 0) continue;
        const QImage picture = loadPicture(folder.filePath(File1->item(picks[i])->text()), panel->size());
        if (!picture.isNull())
            panel->setPicture(stretchIntoFrame({}, panel->size(), panel->BackColor(), picture));
    }
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            for (int i = 0; i < Panels; ++i) {
                if (watched == Text3[i])
                    Text3_KeyUp(i, keyCode(key));
                else if (watched == PINTA[i])
                    PINTA_KeyUp(i, keyCode(key));
            }
        }
    }
    return MainForm::eventFilter(watched, event);
}
