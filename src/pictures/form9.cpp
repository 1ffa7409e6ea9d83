#include "pictures/form9.h"
#include "core/mouseevents.h"
#include "core/printer.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/montageart.h"
#include "pictures/montagerules.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/safefile.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/picturetools.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <qdrawutil.h>

namespace {
constexpr int PictureKind = 1;
constexpr int TextKind = 2;
constexpr int HolderBorder = 4; // the holder's sunken border adds 4 pixels each way
constexpr int SlotEntries = 20;

struct Place {
    int left, top;
};
constexpr std::array<Place, Form9::Slots> PictureStarts{{{60, 7860},
                                                         {90, 7830},
                                                         {45, 7845},
                                                         {105, 7875},
                                                         {120, 7875},
                                                         {45, 7845},
                                                         {-15, 7905},
                                                         {30, 7920},
                                                         {15, 7920}}};
constexpr std::array<Place, Form9::Slots> TextStarts{{{8100, 945},
                                                      {4500, 825},
                                                      {4320, 1485},
                                                      {4440, 2220},
                                                      {4470, 2940},
                                                      {4470, 3570},
                                                      {4530, 4200},
                                                      {4830, 4890},
                                                      {5355, 5640}}};

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}
} // namespace

LayerPicture::LayerPicture(QWidget* parent) : PictureBox(parent) {}

void LayerPicture::setBordered(bool on) {
    bordered_ = on;
    update();
}

void LayerPicture::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (!bordered_) return;
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), true);
}

TextLayer::TextLayer(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    viewport()->setCursor(Qt::ArrowCursor);
    document()->setDocumentMargin(1);
}

void TextLayer::setPartSize(QSize twips) {
    part_ = twips;
    fit();
}

void TextLayer::setPointSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    fit();
}

void TextLayer::setFontName(const QString& family) {
    QFont f = font();
    f.setFamily(family);
    setFont(f);
    fit();
}

void TextLayer::setBordered(bool on) {
    bordered_ = on;
    setFrameStyle(on ? QFrame::WinPanel | QFrame::Sunken : int(QFrame::NoFrame));
    fit();
}

void TextLayer::fit() {
    const QFontMetrics metrics(font());
    const int margins = 2 * (frameWidth() + int(document()->documentMargin()));
    const QSize least(metrics.maxWidth() + margins + 1, metrics.lineSpacing() + margins + 1);
    resize(twSize(part_.width(), part_.height()).expandedTo(least));
}

MontageCanvas::MontageCanvas(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(Border);
    surface = new PictureBox(this);
    surface->setObjectName(QStringLiteral("surface"));
    surface->setBackColor(palette().color(QPalette::Base));
}

void MontageCanvas::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    surface->setGeometry(contentsRect());
}

Form9::Form9(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, 14955, 10410);
    client->setAutoFillBackground(true);
    QPalette ground = client->palette();
    ground.setColor(QPalette::Window, QColor(224, 224, 224));
    client->setPalette(ground);
    SASASA = menuBarItem(this, "SASASA", QStringLiteral("IMATGES"));
    ERER = menuBarItem(this, "ERER", QStringLiteral("NAVEGADOR"));

    File1 = pictureFileList(services, client, "File1", 360, 360, 2085, 4710);
    Image2 = control<ImageBox>(client, "Image2", 360, 5175, 1980, 1365);
    Picture2 = control<PictureBox>(client, "Picture2", 585, 7290, 1635, 1815);
    Picture32 = control<MontageCanvas>(client, "Picture32", 2505, 360, 12210, 8715);
    QWidget* canvas = Picture32->surface;
    for (int i = 0; i < Slots; ++i) {
        auto* picture = new LayerPicture(canvas);
        picture->setObjectName(arrayName("Picture33", i));
        picture->setGeometry(twRect(PictureStarts[size_t(i)].left, PictureStarts[size_t(i)].top, 975, 735));
        picture->hide();
        Picture33[size_t(i)] = picture;
    }
    for (int i = 0; i < Slots; ++i) {
        auto* text = control<TextLayer>(canvas, "");
        text->setObjectName(arrayName("label23", i));
        text->move(twPoint(TextStarts[size_t(i)].left, TextStarts[size_t(i)].top));
        QFont f(QStringLiteral("Courier New"), 24);
        f.setBold(true);
        text->setFont(f);
        text->setPartSize(QSize(2835, i == 0 ? 600 : 645));
        text->hide();
        label23[size_t(i)] = text;
    }
    setBackColour(label23[0], Qt::white);

    Picture5 = control<PictureBox>(client, "Picture5", 855, 9315, 13890, 600);
    auto hotSpot = [this](const char* name, int left, int width) {
        return control<ClickZone>(Picture5, name, left, 0, width, 600);
    };
    Label8 = hotSpot("Label8", 180, 645);
    Label13 = hotSpot("Label13", 1035, 570);
    Label9 = hotSpot("Label9", 1845, 555);
    Label41 = hotSpot("Label41", 2745, 660);
    Label10 = hotSpot("Label10", 4470, 795);
    Label42 = hotSpot("Label42", 5625, 555);
    Label40 = hotSpot("Label40", 6210, 600);
    Label44 = hotSpot("Label44", 6975, 585);
    Label14 = hotSpot("Label14", 7965, 915);
    Label5 = hotSpot("Label5", 9045, 585);
    Label6 = hotSpot("Label6", 9855, 630);
    Label7 = hotSpot("Label7", 10890, 600);
    Label4 = hotSpot("Label4", 11565, 525);
    Label3 = hotSpot("Label3", 12375, 735);
    Label2 = hotSpot("Label2", 13140, 690);
    Text1 = control<QLineEdit>(client, "Text1", 3420, 9405, 2850, 465);

    Picture6 = control<PictureBox>(client, "Picture6", 0, 0, 975, 735);
    Picture6->hide();
    Picture35 = control<PictureBox>(client, "Picture35");
    Picture35->hide();
    Picture8 = control<PictureBox>(client, "Picture8");
    Picture8->hide();
    Picture7 = control<PictureBox>(client, "Picture7", 12150, 8280, 225, 330);
    Picture68 = control<PictureBox>(client, "Picture68");
    Picture68->hide();
    List2 = control<QListWidget>(client, "List2", 360, 360, 2085, 4710);
    List2->hide();
    List1 = control<QListWidget>(client, "List1");
    List1->hide();

    Image2->setStretch(true);
    Image2->setToolTip(QStringLiteral("CLIC->BOTÓ DRET (GRANDÀRIA REAL)"));
    Picture2->setPicture(montagePaletteImage());
    Picture5->setPicture(montageToolbarImage());
    Picture5->setBackColor(client->palette().color(QPalette::Window));
    const QColor window = palette().color(QPalette::Base);
    Picture7->setBackColor(window);
    Picture68->setBackColor(window);

    connect(File1, &QListWidget::currentRowChanged, this, &Form9::File1_Click);
    // A click on the file already selected loads it again: it may have changed since.
    connect(File1, &PictureFileList::selectedEntryClicked, this, &Form9::File1_Click);
    connect(new MouseEvents(Image2), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button) { Image2_MouseUp(button); });
    connect(Label40, &ClickZone::Click, this, &Form9::Label40_Click);
    connect(Label41, &ClickZone::Click, this, &Form9::Label41_Click);
    connect(Label42, &ClickZone::Click, this, &Form9::Label42_Click);
    connect(Label44, &ClickZone::Click, this, &Form9::Label44_Click);
    connect(Label5, &ClickZone::Click, this, &Form9::Label5_Click);
    connect(Label6, &ClickZone::Click, this, &Form9::Label6_Click);
    connect(Label2, &ClickZone::Click, this, &Form9::Label2_Click);
    connect(Label3, &ClickZone::Click, this, &Form9::Label3_Click);
    connect(Label4, &ClickZone::Click, this, &Form9::Label4_Click);
    connect(Label10, &ClickZone::Click, this, &Form9::Label10_Click);
    connect(new MouseEvents(Label7), &MouseEvents::MouseDown, this, &Form9::Label7_MouseDown);
    connect(new MouseEvents(Picture2), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture2_MouseUp(button, pos);
            });
    connect(Label14, &ClickZone::Click, this, &Form9::Label14_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &Form9::List2_Click);
    // The font already chosen for one layer is chosen again for the next with a click on it.
    connect(List2, &QListWidget::itemClicked, this, &Form9::List2_Click);
    connect(Label13, &ClickZone::Click, this, &Form9::Label13_Click);
    connect(Label9, &ClickZone::Click, this, &Form9::Label9_Click);
    connect(Label8, &ClickZone::Click, this, &Form9::Label8_Click);
    connect(SASASA, &QAction::triggered, this, &Form9::SASASA_Click);
    connect(ERER, &QAction::triggered, this, &Form9::ERER_Click);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyUp(Qt::Key_Return); });

    // Every pointer event over the canvas and its layers comes through one filter.
    canvas->setMouseTracking(true);
    canvas->installEventFilter(this);
    for (LayerPicture* picture : Picture33) {
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
    for (TextLayer* text : label23) {
        text->viewport()->setMouseTracking(true);
        text->viewport()->installEventFilter(this);
    }
}

void Form9::Form_Load() {
    Label59 = 0;
    for (int i = 1; i <= SlotEntries; ++i)
        List1->addItem(QString::number(i));
    Text1->raise(); // over the toolbar's blank band
}

void Form9::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void Form9::File1_Click() {
    PreviewPictureFile(File1, Image2);
    const QImage whole = loadListedPicture(File1);
    Picture6->setPicture(whole);
    if (!whole.isNull()) Picture6->resize(whole.size() + QSize(HolderBorder, HolderBorder));
}

void Form9::Image2_MouseUp(Qt::MouseButton Button) {
    QSize size;
    if (Button == Qt::RightButton)
        size = Picture6->size();
    else if (Button == Qt::LeftButton)
        size = Image2->size();
    else
        return;
    Label61 = QStringLiteral("P");
    const int n = Label59;
    LayerPicture* layer = Picture33[size_t(n)];
    // The layer's picture keeps what it had where the new one does not cover it.
    layer->resize(size);
    layer->setPicture(stretchIntoFrame(layer->Picture(), size, layer->BackColor(), Picture6->Picture()));
    layer->show();
    layer->raise();
    Label59 = nextSlot(n);
}

std::optional<QString> Form9::askText() {
    return services.dialogs.input(this, QStringLiteral("ENTRAR EL TEXTO"), QString(), QString());
}

void Form9::placeText(const QString& kind, bool fromInputBox) {
    Label61 = QStringLiteral("T");
    const int n = Label59;
    if (QListWidgetItem* entry = List1->item(n)) entry->setText(kind);
    TextLayer* layer = label23[size_t(n)];
    layer->show();
    layer->raise();
    layer->setPointSize(PlacedTextPoints);
    // A cancelled box places an empty text, which still takes its slot.
    const QString text = fromInputBox ? askText().value_or(QString()) : Text1->text();
    layer->setPlainText(text);
    layer->setPartSize(textLayerSize(kind, int(text.size())));
    Label59 = nextSlot(n);
}

void Form9::Label40_Click() {
    placeText(QString::fromLatin1(VerticalText), false);
}

void Form9::Label41_Click() {
    placeText(QString::fromLatin1(HorizontalText), true);
}

void Form9::Label42_Click() {
    placeText(QString::fromLatin1(HorizontalText), false);
}

void Form9::Label44_Click() {
    placeText(QString::fromLatin1(ColumnText), true);
}

void Form9::Label23_Click(int) {
    Label61 = QStringLiteral("T");
    Label11 = QStringLiteral("T");
}

void Form9::Label23_DblClick(int Index) {
    // Cancel keeps the text the layer has.
    const std::optional<QString> answer = askText();
    if (!answer) return;
    const QString text = *answer;
    TextLayer* layer = label23[size_t(Index)];
    layer->setPlainText(text);
    layer->setPartSize(textLayerSize(QString::fromLatin1(HorizontalText), int(text.size())));
}

void Form9::Text1_KeyUp(int KeyCode) {
    if (KeyCode != Qt::Key_Return && KeyCode != Qt::Key_Enter) return;
    const QString text = Text1->text();
    label23[0]->setPlainText(text);
    label23[0]->setPartSize(textLayerSize(QString::fromLatin1(HorizontalText), int(text.size())));
}

void Form9::Label5_Click() {
    const int s = LABEL58;
    if (Label26 == PictureKind) Picture33[size_t(s)]->hide();
    if (Label26 == TextKind) label23[size_t(s)]->hide();
}

void Form9::Label6_Click() {
    for (int i = 0; i < Slots; ++i) {
        Picture33[size_t(i)]->hide();
        label23[size_t(i)]->hide();
    }
    Picture32->surface->setPicture({});
}

void Form9::Label2_Click() {
    resizeSelected(false);
}

void Form9::Label3_Click() {
    resizeSelected(true);
}

void Form9::resizeSelected(bool enlarge) {
    if (Label11 == QLatin1String("P")) resizePictureLayer(LABEL58, enlarge);
    if (Label11 == QLatin1String("T")) resizeTextLayer(LABEL58, enlarge);
}

void Form9::resizePictureLayer(int slot, bool enlarge) {
    LayerPicture* layer = Picture33[size_t(slot)];
    const double f = pictureFactor(enlarge);
    QSize size(std::max(1, tw(toTwips(layer->width()) * f)), std::max(1, tw(toTwips(layer->height()) * f)));
    // A layer shrunk to a few pixels rounds back to its size: it still grows by one.
    if (enlarge) size = size.expandedTo(layer->size() + QSize(1, 1));
    if (enlarge && !pictureLayerMayTake(size, Picture32->surface->size())) return;
    // The layer's picture as it is now, also kept as "ccc.bmp"; the resize goes on without it.
    const QImage now = grabSource(layer, true);
    const QString scratch = services.inScratchFolder(QStringLiteral("ccc.bmp"));
    if (!savePictureSafely(now, scratch, "BMP")) qCInfo(lcPictures) << "montage: could not write" << scratch;
    Picture35->resize(now.size());
    Picture35->setPicture(now);
    layer->resize(size);
    layer->setPicture(now.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void Form9::resizeTextLayer(int slot, bool enlarge) {
    TextLayer* layer = label23[size_t(slot)];
    const QListWidgetItem* entry = List1->item(slot);
    const QString kind = entry ? entry->text() : QString();
    const TextLayerSize now{layer->pointSize(), layer->partSize().width(), layer->partSize().height()};
    const std::optional<TextLayerSize> after =
        resizedTextLayer(kind, now, int(layer->toPlainText().size()), enlarge);
    if (!after) return;
    layer->setPointSize(after->points);
    layer->setPartSize(QSize(after->width, after->height));
}

QWidget* Form9::layerWidget(int kind, int index) const {
    if (index < 0 || index >= Slots) return nullptr;
    if (kind == PictureKind) return Picture33[size_t(index)];
    if (kind == TextKind) return label23[size_t(index)];
    return nullptr;
}

void Form9::setLayersEnabled(bool on) {
    for (int i = 0; i < Slots; ++i) {
        Picture33[size_t(i)]->setEnabled(on);
        label23[size_t(i)]->setEnabled(on);
    }
}

void Form9::pressLayer(int kind, int index, QPointF pos) {
    const QString letter = kind == PictureKind ? QStringLiteral("P") : QStringLiteral("T");
    Label61 = letter;
    Label11 = letter;
    setLayersEnabled(false);
    LABEL58 = index;
    Label26 = kind;
    LABEL57 = 1;
    Label24 = toTwips(int(std::floor(pos.x())));
    Label25 = toTwips(int(std::floor(pos.y())));
    layerWidget(kind, index)->raise();
    if (kind == PictureKind) {
        // Text layers always stay above the pictures.
        for (TextLayer* text : label23)
            text->raise();
    }
}

void Form9::Picture33_MouseDown(int Index, Qt::MouseButton, QPointF pos) {
    pressLayer(PictureKind, Index, pos);
}

void Form9::Label23_MouseDown(int Index, Qt::MouseButton, QPointF pos) {
    pressLayer(TextKind, Index, pos);
}

void Form9::Picture32_MouseMove(QPointF pos) {
    if (LABEL57 != 1) return;
    QWidget* layer = layerWidget(Label26, LABEL58);
    if (!layer) return;
    const int x = toTwips(int(std::floor(pos.x()))) - Label24;
    const int y = toTwips(int(std::floor(pos.y()))) - Label25;
    layer->move(twPoint(x, y));
    Label61 = Label26 == PictureKind ? QStringLiteral("P") : QStringLiteral("T");
}

void Form9::Picture32_MouseUp(Qt::MouseButton, QPointF) {
    setLayersEnabled(true);
    LABEL57 = 0;
}

void Form9::Picture33_MouseUp(int Index, Qt::MouseButton Button) {
    if (Button == Qt::RightButton) Picture33[size_t(Index)]->setBordered(true);
}

void Form9::Label23_MouseUp(int Index, Qt::MouseButton Button) {
    if (Button == Qt::RightButton) label23[size_t(Index)]->setBordered(true);
}

void Form9::Label4_Click() {
    // Read from the list's own folder; a file that does not load leaves the canvas as it was.
    const QImage whole = loadListedPicture(File1);
    if (whole.isNull()) return;
    Picture6->setPicture(whole);
    Picture6->resize(whole.size() + QSize(HolderBorder, HolderBorder));
    // Stretched over the canvas's outer size: its right and bottom edges fall under the border.
    Picture32->surface->setPicture(
        whole.scaled(Picture32->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void Form9::setCanvasColour(const QColor& colour) {
    Picture32->surface->setPicture({});
    Picture32->surface->setBackColor(colour);
}

void Form9::Label10_Click() {
    setCanvasColour(Picture68->BackColor());
}

void Form9::Label7_MouseDown() {
    setCanvasColour(Picture7->BackColor());
}

void Form9::Picture2_MouseUp(Qt::MouseButton Button, QPointF pos) {
    const std::optional<QColor> c = PickPaletteColour(Picture2, pos);
    if (!c) return;
    Label11 = Label61;
    Picture68->setBackColor(*c);
    Picture7->setBackColor(*c);
    if (Label61 != QLatin1String("T")) return;
    TextLayer* layer = label23[size_t(LABEL58)];
    if (Button == Qt::LeftButton) setTextColour(layer, *c);
    if (Button == Qt::RightButton) setBackColour(layer, *c);
}

void Form9::Label14_Click() {
    List2->show();
    List2->raise();
    List2->clear();
    Printer printer(services.printing);
    const int fonts = printer.fontCount();
    for (int i = 0; i < fonts; ++i)
        List2->addItem(printer.font(i));
}

void Form9::List2_Click() {
    const QListWidgetItem* item = List2->currentItem();
    if (!item) return;
    const int s = LABEL58;
    if (Label26 == PictureKind) {
        QFont f = Picture33[size_t(s)]->font();
        f.setFamily(item->text());
        Picture33[size_t(s)]->setFont(f);
    }
    if (Label26 == TextKind) label23[size_t(s)]->setFontName(item->text());
}

Snapshot Form9::page() const {
    // The canvas as it shows, with its layers.
    Snapshot s;
    s.source = Picture32->surface;
    s.scratch = Picture8;
    s.refreshScratch = true;
    s.paintedPictureOnly = false;
    return s;
}

void Form9::Label13_Click() {
    ExportPictureToWord(services, this, page(), OfficeDocument::Orientation::Portrait, WordLayout::Margins40);
}

void Form9::Label9_Click() {
    EditPictureInPaint(services, this, page());
}

void Form9::Label8_Click() {
    OpenPictureInOfficeSuite(services, this, page());
}

void Form9::SASASA_Click() {
    if (ChoosePictureFolder(services, this, File1)) setWindowTitle(File1->Path());
}

void Form9::ERER_Click() {
    services.launcher.openFolder(services.programFolder);
}

bool Form9::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A text layer shows its text from the top: the wheel does not scroll it out of sight.
    if (type == QEvent::Wheel && watched != Picture32->surface) return true;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return MainForm::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* canvas = Picture32->surface;
    if (!widget || (widget != canvas && !canvas->isAncestorOf(widget)))
        return MainForm::eventFilter(watched, event);
    auto* e = static_cast<QMouseEvent*>(event);
    e->accept();
    // Which layer reported it, and where the pointer is in the canvas.
    int kind = 0, index = -1;
    for (int i = 0; i < Slots; ++i) {
        if (widget == Picture33[size_t(i)]) kind = PictureKind, index = i;
        if (widget == label23[size_t(i)]->viewport()) kind = TextKind, index = i;
    }
    const QPointF inCanvas = QPointF(widget->mapTo(canvas, QPoint(0, 0))) + e->position();
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressedKind_ = 0;
        if (kind == 0 || !layerWidget(kind, index)->isEnabled()) break; // the canvas has no press
        pressedKind_ = kind;
        pressedIndex_ = index;
        if (type == QEvent::MouseButtonDblClick && kind == TextKind) {
            Label23_DblClick(index);
            break;
        }
        if (kind == PictureKind)
            Picture33_MouseDown(index, e->button(), inCanvas - layerWidget(kind, index)->pos());
        else
            Label23_MouseDown(index, e->button(), inCanvas - layerWidget(kind, index)->pos());
        break;
    case QEvent::MouseMove:
        Picture32_MouseMove(inCanvas);
        break;
    case QEvent::MouseButtonRelease: {
        // The pressed layer reports a release over itself; any release over the canvas ends a drag.
        QWidget* pressed = layerWidget(pressedKind_, pressedIndex_);
        const bool overPressed = pressed && pressed->geometry().contains(inCanvas.toPoint());
        const int pressedKind = pressedKind_, pressedIndex = pressedIndex_;
        pressedKind_ = 0;
        if (overPressed && pressedKind == PictureKind) Picture33_MouseUp(pressedIndex, e->button());
        if (overPressed && pressedKind == TextKind) Label23_MouseUp(pressedIndex, e->button());
        if (canvas->rect().contains(inCanvas.toPoint())) Picture32_MouseUp(e->button(), inCanvas);
        if (overPressed && pressedKind == TextKind && e->button() == Qt::LeftButton)
            Label23_Click(pressedIndex);
        break;
    }
    default:
        break;
    }
    return true;
}
