#include "documents/businesscards.h"
#include "core/controls.h"
#include "core/fonts.h"
#include "core/mouseevents.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "documents/cardart.h"
#include "documents/cardwidgets.h"
#include "workshop/cubenet.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"
#include "workshop/postcardrules.h"
#include "workshop/tint.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace cardsheet;

namespace {

QByteArray indexedName(const char* name, int index) {
    return QByteArray(name) + '_' + QByteArray::number(index);
}

constexpr Field Fields[] = {Field::NOM, Field::EMAIL, Field::TELEFON, Field::CALLE, Field::CIUTAT};
const char* const FieldNames[] = {"NOM", "EMAIL", "TELEFON", "CALLE", "CIUTAT"};

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(checkable);
    return item;
}
} // namespace

Form17::Form17(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    setGround(client, Qt::white);

    ssss3 = menuBarItem(this, "ssss3", QStringLiteral("imatges"));
    tipus = menuBar()->addMenu(QStringLiteral("tipus"));
    tipus->setObjectName(QStringLiteral("tipus"));
    quadre = menuItem(tipus, "quadre", QStringLiteral("imatge en quadre"), true);
    fons = menuItem(tipus, "fons", QStringLiteral("imatge en fons"), true);
    fons->setChecked(true);
    coloursMenu = menuBar()->addMenu(QStringLiteral("colors fonts"));
    coloursMenu->setObjectName(QStringLiteral("coloursMenu"));
    aq1 = menuItem(coloursMenu, "aq1", QStringLiteral("opc1"));
    aq2 = menuItem(coloursMenu, "aq2", QStringLiteral("opc2"));
    aq3 = menuItem(coloursMenu, "aq3", QStringLiteral("opc3"));
    aq4 = menuItem(coloursMenu, "aq4", QStringLiteral("opc4"));
    aq5 = menuItem(coloursMenu, "aq5", QStringLiteral("opc5"));

    // The strip at the left, and on it the tool panel and the picture list.
    Picture3 = control<PictureBox>(client, "Picture3", 30, -2490, 2670, 11610);
    // The strip never changes: it is drawn once and shared by every opening.
    static const QImage strip = drawBeigeStrip(Picture3->size());
    Picture3->setPicture(strip);
    Picture5 = control<BorderedBox>(client, "Picture5", 210, 150, 2325, 3045);
    Picture5->setBorderStyle(BorderedBox::Border::Sunken);
    Picture5->setPicture(cardToolPanelImage());
    auto onPanel = [this](auto* c, int left, int top, int width, int height) {
        c->setGeometry(Picture5->innerRect(left, top, width, height));
        return c;
    };
    Shape1 = onPanel(control<InvertFrame>(Picture5, "Shape1"), 840, 180, 615, 690);
    Shape2 = onPanel(control<InvertFrame>(Picture5, "Shape2"), 210, 180, 630, 690);
    Shape2->hide();
    Label1 = onPanel(control<ClickZone>(Picture5, "Label1"), 270, 240, 540, 630);
    Label3 = onPanel(control<ClickZone>(Picture5, "Label3"), 900, 240, 510, 615);
    Label7 = onPanel(control<ClickZone>(Picture5, "Label7"), 45, 915, 600, 570);
    Label4 = onPanel(control<ClickZone>(Picture5, "Label4"), 660, 1005, 465, 540);
    Label5 = onPanel(control<ClickZone>(Picture5, "Label5"), 1125, 990, 465, 540);
    Label6 = onPanel(control<ClickZone>(Picture5, "Label6"), 1590, 975, 510, 540);
    Label8 = onPanel(control<ClickZone>(Picture5, "Label8"), 105, 1545, 585, 615);
    Label9 = onPanel(control<ClickZone>(Picture5, "Label9"), 675, 1575, 555, 555);
    Label12 = onPanel(control<ClickZone>(Picture5, "Label12"), 150, 2190, 690, 660);
    Label11 = onPanel(control<ClickZone>(Picture5, "Label11"), 840, 2220, 525, 615);
    Label10 = onPanel(control<ClickZone>(Picture5, "Label10"), 1365, 2160, 720, 720);
    File1 = pictureFileList(services, client, "File1", 210, 3300, 2310, 5100);

    // The two sheets, the background one on view.
    Picture7 = control<PictureBox>(client, "Picture7", 3120, 210, 11805, 8910);
    bases = control<PictureBox>(client, "bases", 3120, 240, 11775, 8895);
    buildSheet(Sheet::Background);
    buildSheet(Sheet::Frame);
    bases->hide();

    // The boxes the lines are typed in, and their captions.
    auto box = [this](const char* name, int left, int width) {
        auto* b = control<QLineEdit>(client, name, left, 9240, width, 375);
        b->setFont(designFont("MS Sans Serif", 8.25));
        return b;
    };
    Text1 = box("Text1", 120, 3135);
    Text2 = box("Text2", 3240, 2175);
    Text5 = box("Text5", 5400, 3735);
    Text4 = box("Text4", 9120, 2055);
    Text3 = box("Text3", 11160, 3615);
    auto captionLabel = [this](int index, const char* text, int left) {
        QLabel* l = control<QLabel>(client, indexedName("Label2", index).constData(), left, 9600, 1935, 255);
        l->setText(QString::fromUtf8(text));
        l->setFont(designFont("Courier New", 9.75));
        Label2[size_t(index)] = l;
    };
    captionLabel(0, "NOM I COGNOMS", 240);
    captionLabel(1, "CORREU", 3360);
    captionLabel(3, "CARRER", 5520);
    captionLabel(5, "TELÈFON", 9240);
    captionLabel(4, "CIUTAT", 11280);

    Picture4 = control<PictureBox>(client, "Picture4", 8250, 810, 3795, 2145);
    Picture4->setAutoSize(true);
    Picture4->hide();
    Picture6 = control<PictureBox>(client, "Picture6", 8220, 420, 3795, 2130);
    Picture6->hide();

    for (ClickZone* zone :
         {Label1, Label3, Label7, Label4, Label5, Label6, Label8, Label9, Label12, Label11, Label10})
        zone->setCursor(Qt::PointingHandCursor);
    Label4->setToolTip(QStringLiteral("Arial"));
    Label5->setToolTip(QStringLiteral("Comic Sans MS"));
    Label6->setToolTip(QStringLiteral("Times New Roman"));

    connect(Text1, &QLineEdit::textChanged, this, &Form17::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form17::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Form17::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form17::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form17::Text5_Change);
    connect(Label4, &ClickZone::Click, this, &Form17::Label4_Click);
    connect(Label5, &ClickZone::Click, this, &Form17::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &Form17::Label6_Click);
    connect(Label7, &ClickZone::Click, this, &Form17::Label7_Click);
    connect(Label8, &ClickZone::Click, this, &Form17::Label8_Click);
    connect(Label9, &ClickZone::Click, this, &Form17::Label9_Click);
    connect(fons, &QAction::triggered, this, &Form17::fons_Click);
    connect(quadre, &QAction::triggered, this, &Form17::quadre_Click);
    connect(aq1, &QAction::triggered, this, &Form17::aq1_Click);
    connect(aq2, &QAction::triggered, this, &Form17::aq2_Click);
    connect(aq3, &QAction::triggered, this, &Form17::aq3_Click);
    connect(aq4, &QAction::triggered, this, &Form17::aq4_Click);
    connect(aq5, &QAction::triggered, this, &Form17::aq5_Click);
    connect(Label1, &ClickZone::Click, this, &Form17::Label1_Click);
    connect(Label3, &ClickZone::Click, this, &Form17::Label3_Click);
    connect(ssss3, &QAction::triggered, this, &Form17::ssss3_Click);
    // After the click has selected the entry (the current row changes first).
    connect(File1, &QListWidget::itemSelectionChanged, this, &Form17::File1_Click);
    // What a choice paints depends on the picture mode and the sheet shown: after either changes,
    // a click on the file already selected paints it again.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form17::File1_Click);
    for (int i = 0; i < LabelCount; ++i)
        connect(new MouseEvents(Picture2[size_t(i)]), &MouseEvents::Click, this,
                [this, i] { Picture2_Click(i); });
    connect(Label10, &ClickZone::Click, this, &Form17::Label10_Click);
    connect(Label11, &ClickZone::Click, this, &Form17::Label11_Click);
    connect(Label12, &ClickZone::Click, this, &Form17::Label12_Click);
}

void Form17::buildSheet(Sheet sheet) {
    const bool frame = sheet == Sheet::Frame;
    PictureBox* parent = frame ? bases : Picture7;
    parent->setBackColor(Qt::white);
    static const QImage art = drawCardClipArt(
        twSize(pictureBoxTwips(Sheet::Background).width(), pictureBoxTwips(Sheet::Background).height()));
    const QImage clipArt = frame ? QImage() : art;
    const std::array<std::array<QLabel*, LabelCount>*, FieldCount> lines{&NOM, &EMAIL, &TELEFON, &CALLE,
                                                                         &CIUTAT};
    for (int n = 0; n < CardCount; ++n) {
        const int index = labelIndex(sheet, n);
        const QRect cardPlace = cardPanelTwips(sheet, n);
        auto* card =
            control<BorderedBox>(parent, indexedName("Picture1", cardPanelIndex(sheet, n)).constData(),
                                 cardPlace.x(), cardPlace.y(), cardPlace.width(), cardPlace.height());
        card->setBorderStyle(BorderedBox::Border::Single);
        Picture1[size_t(cardPanelIndex(sheet, n))] = card;

        const QRect boxPlace = pictureBoxTwips(sheet);
        auto* box = control<BorderedBox>(card, indexedName("Picture2", index).constData());
        box->setGeometry(card->innerRect(boxPlace.x(), boxPlace.y(), boxPlace.width(), boxPlace.height()));
        box->setCursor(Qt::PointingHandCursor);
        Picture2[size_t(index)] = box;
        if (frame) {
            box->setBorderStyle(BorderedBox::Border::Single);
        } else {
            box->setPicture(clipArt);
            // The tint lies over the picture, under the lines.
            auto* tint =
                control<ColourTintOverlay>(box, indexedName("Shape4", n).constData(), -30, -30, 3780, 2115);
            tint->showTint(TintMode::MergePen, QColor::fromRgb(DesignTint));
            Shape4[size_t(n)] = tint;
        }

        QWidget* lineParent = frame ? static_cast<QWidget*>(card) : box;
        for (int f = 0; f < FieldCount; ++f) {
            const Field field = Fields[f];
            const QRect place = fieldLabelTwips(sheet, field);
            auto* line = control<QLabel>(lineParent, indexedName(FieldNames[f], index).constData());
            line->setGeometry(frame ? card->innerRect(place.x(), place.y(), place.width(), place.height())
                                    : twRect(place.x(), place.y(), place.width(), place.height()));
            line->setTextFormat(Qt::PlainText); // what is typed is shown as typed, never as markup
            line->setText(sampleText(field));
            line->setAlignment(fieldAlignment(field));
            line->setFont(designFont("MS Sans Serif", 8.25, field == Field::NOM));
            // A click on a line over a picture reaches the picture.
            line->setAttribute(Qt::WA_TransparentForMouseEvents);
            (*lines[size_t(f)])[size_t(index)] = line;
        }
    }
}

void Form17::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

const std::array<QLabel*, LabelCount>& Form17::fieldLabels(Field field) const {
    switch (field) {
    case Field::NOM:
        return NOM;
    case Field::EMAIL:
        return EMAIL;
    case Field::TELEFON:
        return TELEFON;
    case Field::CALLE:
        return CALLE;
    case Field::CIUTAT:
        return CIUTAT;
    }
    return NOM;
}

QList<QLabel*> Form17::cardLabels() const {
    QList<QLabel*> all;
    for (Field field : Fields)
        for (QLabel* l : fieldLabels(field))
            all << l;
    return all;
}

bool Form17::pictureMode() const {
    return !Shape1->isHidden();
}

bool Form17::backgroundShown() const {
    return !Picture7->isHidden();
}

void Form17::copyText(Field field, const QString& text) {
    for (QLabel* l : fieldLabels(field))
        l->setText(text);
}

void Form17::Text1_Change() {
    copyText(Field::NOM, Text1->text());
}

void Form17::Text2_Change() {
    copyText(Field::EMAIL, Text2->text());
}

void Form17::Text3_Change() {
    copyText(Field::CIUTAT, Text3->text());
}

void Form17::Text4_Change() {
    copyText(Field::TELEFON, Text4->text());
}

void Form17::Text5_Change() {
    copyText(Field::CALLE, Text5->text());
}

void Form17::setFontFamily(const QString& family) {
    for (QLabel* l : cardLabels()) {
        QFont f = l->font();
        f.setFamily(family);
        l->setFont(f);
    }
}

void Form17::Label4_Click() {
    setFontFamily(QStringLiteral("Arial"));
}

void Form17::Label5_Click() {
    setFontFamily(QStringLiteral("Comic Sans MS"));
}

void Form17::Label6_Click() {
    setFontFamily(QStringLiteral("Times New Roman"));
}

void Form17::Label7_Click() {
    QList<QWidget*> targets;
    for (int i = 0; i < LabelCount; ++i)
        for (Field field : {Field::TELEFON, Field::EMAIL, Field::NOM, Field::CALLE, Field::CIUTAT})
            targets << fieldLabels(field)[size_t(i)];
    ChooseTextFont(services, this, targets);
}

void Form17::stepFontSize(double step) {
    for (QLabel* l : cardLabels()) {
        const std::optional<double> size = steppedPointSize(l->font().pointSizeF(), step);
        if (!size) continue; // at a bound this label keeps its size
        QFont f = l->font();
        f.setPointSizeF(*size);
        l->setFont(f);
    }
}

void Form17::Label8_Click() {
    stepFontSize(1);
}

void Form17::Label9_Click() {
    stepFontSize(-1);
}

void Form17::showSheet(bool background) {
    Picture7->setVisible(background);
    bases->setVisible(!background);
    fons->setChecked(background);
    quadre->setChecked(!background);
}

void Form17::fons_Click() {
    showSheet(true);
}

void Form17::quadre_Click() {
    showSheet(false);
}

void Form17::showTintItem(int item) {
    const std::optional<QColor> tint = itemTint(item);
    for (ColourTintOverlay* shape : Shape4) {
        if (tint)
            shape->showTint(TintMode::MergePen, *tint);
        else
            shape->hideTint();
    }
}

void Form17::aq1_Click() {
    showTintItem(1);
}

void Form17::aq2_Click() {
    showTintItem(2);
}

void Form17::aq3_Click() {
    showTintItem(3);
}

void Form17::aq4_Click() {
    showTintItem(4);
}

void Form17::aq5_Click() {
    showTintItem(5);
}

void Form17::Label1_Click() {
    Shape1->hide();
    Shape2->show();
}

void Form17::Label3_Click() {
    Shape2->hide();
    Shape1->show();
}

void Form17::ssss3_Click() {
    ChoosePictureFolder(services, this, File1);
}

QImage Form17::loadSelected(QSize twips) {
    const QImage picture = loadListedPicture(File1, twSize(twips.width(), twips.height()));
    if (!picture.isNull()) Picture4->setPicture(picture);
    return picture;
}

void Form17::File1_Click() {
    // A file that does not load, or no entry selected, changes nothing.
    const QImage picture = loadSelected(listPaintSizeTwips(backgroundShown()));
    if (picture.isNull()) return;
    if (pictureMode()) {
        for (BorderedBox* box : Picture2)
            box->setPicture(paintedBox(box->size(), box->BackColor(), picture));
    }
    for (int n = 0; n < CardCount; ++n)
        Picture2[size_t(labelIndex(Sheet::Frame, n))]->setBorderStyle(BorderedBox::Border::None);
}

void Form17::Picture2_Click(int Index) {
    if (Index < 0 || Index >= LabelCount) return;
    const QImage picture = loadSelected(clickPaintSizeTwips(backgroundShown()));
    if (picture.isNull()) return;
    BorderedBox* box = Picture2[size_t(Index)];
    box->setPicture(paintedBox(box->size(), box->BackColor(), picture));
}

namespace {
Snapshot visibleSheet(Form17& f) {
    Snapshot s;
    s.source = f.bases;
    s.secondSource = f.Picture7;
    s.scratch = f.Picture6;
    s.refreshScratch = true;
    s.savePerSource = true;
    return s;
}
} // namespace

void Form17::Label10_Click() {
    EditPictureInPaint(services, this, visibleSheet(*this));
}

void Form17::Label11_Click() {
    ExportPictureToWord(services, this, visibleSheet(*this), OfficeDocument::Orientation::Landscape,
                        WordLayout::NormalWindow);
}

void Form17::Label12_Click() {
    OpenPictureInOfficeSuite(services, this, visibleSheet(*this));
}
