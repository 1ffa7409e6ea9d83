#include "textwork/wordprocessor.h"
#include "core/choosefile.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/mouseevents.h"
#include "core/officelayouts.h"
#include "core/palette.h"
#include "core/printer.h"
#include "core/sharedstate.h"
#include "core/unsavedwork.h"
#include "platform/officesuite.h"
#include "textwork/richtext.h"
#include "textwork/richtextbox.h"
#include "textwork/wordprocessing.h"
#include "textwork/wordprocessorart.h"
#include "workshop/picturetools.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

Q_LOGGING_CATEGORY(lcWordProcessor, "taudrin.wordprocessor")

namespace {
constexpr double StartPointSize = 20.25;
} // namespace

Form18::Form18(Services& services) : MainForm(services) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);

    RichTextBox1 = control<RichTextBox>(client, "RichTextBox1", 2670, 60, 12615, 10305);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(StartPointSize);
    RichTextBox1->setFont(font);
    RichTextBox1->document()->setDefaultFont(font);
    RichTextBox1->setAcceptRichText(true);
    keepScrollBarPictures(RichTextBox1);

    using namespace wordprocessorart;
    Picture2 = control<PictureBox>(client, "Picture2", 0, 0, 2640, 11580);
    Picture2->setPicture(toolColumnImage());
    Picture3 = control<PictureBox>(Picture2, "Picture3");
    Picture3->move(twRect(PaletteLeft, PaletteTop, 0, 0).topLeft());
    Picture3->setAutoSize(true);
    Picture3->setPicture(paletteImage());
    connect(new MouseEvents(Picture3), &MouseEvents::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
                Picture3_MouseUp(button, pos);
            });

    Combo1 = control<QComboBox>(Picture2, "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    const QRect comboRect = twRect(210, 3630, 2235, 0);
    Combo1->setGeometry(comboRect.x(), comboRect.y(), comboRect.width(), Combo1->sizeHint().height());
    Combo1->setEditText(QStringLiteral("Combo1"));
    // Enter in the edit field would choose a matching item: typing alone applies nothing.
    Combo1->lineEdit()->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this, &Form18::Combo1_Click);

    makeToolGrid();
    makePictureTools();
}

void Form18::makeToolGrid() {
    using namespace wordprocessorart;
    struct Tool {
        ClickZone** zone;
        const char* name;
        void (Form18::*handler)();
    };
    const Tool grid[GridRows][GridColumns] = {
        {{&Label1, "Label1", &Form18::Label1_Click},
         {&Label3, "Label3", &Form18::Label3_Click},
         {&Label4, "Label4", &Form18::Label4_Click},
         {&Label5, "Label5", &Form18::Label5_Click}},
        {{&Label6, "Label6", &Form18::Label6_Click},
         {&Label7, "Label7", &Form18::Label7_Click},
         {&Label12, "Label12", &Form18::Label12_Click},
         {&Label9, "Label9", &Form18::Label9_Click}},
        {{&Label10, "Label10", &Form18::Label10_Click},
         {&Label11, "Label11", &Form18::Label11_Click},
         {&Label8, "Label8", &Form18::Label8_Click},
         {&Label13, "Label13", &Form18::Label13_Click}},
        {{&Label14, "Label14", &Form18::Label14_Click},
         {&Label15, "Label15", &Form18::Label15_Click},
         {&Label16, "Label16", &Form18::Label16_Click},
         {&Label17, "Label17", &Form18::Label17_Click}},
        {{&Label18, "Label18", &Form18::Label18_Click},
         {&Label19, "Label19", &Form18::Label19_Click},
         {&Label20, "Label20", &Form18::Label20_Click},
         {&Label21, "Label21", &Form18::Label21_Click}},
        {{&Label22, "Label22", &Form18::Label22_Click},
         {&Label23, "Label23", &Form18::Label23_Click},
         {&Label24, "Label24", &Form18::Label24_Click},
         {&Label25, "Label25", &Form18::Label25_Click}},
    };
    for (int row = 0; row < GridRows; ++row)
        for (int col = 0; col < GridColumns; ++col) {
            const Tool& tool = grid[row][col];
            *tool.zone = control<ClickZone>(Picture2, tool.name, GridLeft[col], GridTop[row], ZoneWidth,
                                            zoneHeight(row, col));
            connect(*tool.zone, &ClickZone::Click, this, tool.handler);
        }
}

void Form18::Form_Load() {
    Combo1->addItems(QFontDatabase::families());
    Combo1->setEditText(QStringLiteral("COURIER.NEW"));
}

void Form18::Form_Unload(bool& cancel) {
    if (!mayLetDocumentGo(closeQuestion())) {
        cancel = true;
        return;
    }
    services.state.clearActivityCode();
}

QString Form18::closeQuestion() {
    return unsavedQuestion(QStringLiteral("El document"), QStringLiteral("lo"), QStringLiteral("de tancar"));
}

QString Form18::openQuestion() {
    return unsavedQuestion(QStringLiteral("El document"), QStringLiteral("lo"),
                           QStringLiteral("d'obrir-ne un altre"));
}

bool Form18::mayLetDocumentGo(const QString& question) {
    const QTextDocument* doc = RichTextBox1->document();
    return mayLetWorkGo(services, this, doc->isModified() && !doc->isEmpty(), question,
                        [this] { return saveDocument(); });
}

bool Form18::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return MainForm::eventFilter(watched, event);
}

void Form18::Combo1_Click(int index) {
    if (index < 0 || index >= Combo1->count()) return;
    QTextCharFormat f;
    f.setFontFamilies({Combo1->itemText(index)});
    mergeFormat(f);
}

void Form18::mergeFormat(const QTextCharFormat& format) {
    RichTextBox1->mergeCurrentCharFormat(format);
}

double Form18::defaultPointSize() const {
    return RichTextBox1->document()->defaultFont().pointSizeF();
}

void Form18::toggle(wordprocessing::Flag flag) {
    const bool on = wordprocessing::toggled(wordprocessing::selectionFlag(RichTextBox1->textCursor(), flag));
    mergeFormat(wordprocessing::flagFormat(flag, on));
}

void Form18::Label1_Click() {
    toggle(wordprocessing::Flag::Bold);
}

void Form18::Label3_Click() {
    toggle(wordprocessing::Flag::Underline);
}

void Form18::Label4_Click() {
    toggle(wordprocessing::Flag::Italic);
}

// The editing tools act on the text area as its own keys would, after giving it the focus.
void Form18::Label5_Click() {
    RichTextBox1->setFocus();
    RichTextBox1->undo();
}

void Form18::Label6_Click() {
    RichTextBox1->setFocus();
    RichTextBox1->copy();
}

void Form18::Label9_Click() {
    RichTextBox1->setFocus();
    RichTextBox1->paste();
}

void Form18::Label12_Click() {
    RichTextBox1->setFocus();
    QTextCursor c = RichTextBox1->textCursor();
    c.deleteChar();
    RichTextBox1->setTextCursor(c);
}

void Form18::Label21_Click() {
    RichTextBox1->setFocus();
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void Form18::Label25_Click() {
    RichTextBox1->setFocus();
    RichTextBox1->moveCursor(QTextCursor::End);
}

void Form18::Label7_Click() {
    QTextCursor c = RichTextBox1->textCursor();
    c.setPosition(0);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    RichTextBox1->setTextCursor(c);
}

void Form18::preset(const QString& family, int paletteIndex, double points) {
    mergeFormat(wordprocessing::presetFormat(family, paletteColour(paletteIndex), points));
}

void Form18::Label10_Click() {
    preset(QStringLiteral("Arial"), 12, 28);
}

void Form18::Label11_Click() {
    preset(QStringLiteral("Courier New"), 13, 22);
    RichTextBox1->setFocus();
}

void Form18::Label8_Click() {
    preset(QStringLiteral("Cuagat"), 10, 22);
}

void Form18::stepSize(double delta) {
    const std::optional<double> size = wordprocessing::steppedSize(
        wordprocessing::selectionPointSize(RichTextBox1->textCursor(), defaultPointSize()), delta);
    if (!size) return;
    QTextCharFormat f;
    f.setFontPointSize(*size);
    mergeFormat(f);
}

void Form18::Label13_Click() {
    stepSize(-wordprocessing::SizeStep);
}

void Form18::Label17_Click() {
    stepSize(wordprocessing::SizeStep);
}

void Form18::align(Qt::Alignment alignment) {
    QTextBlockFormat f;
    f.setAlignment(alignment);
    QTextCursor c = RichTextBox1->textCursor();
    c.mergeBlockFormat(f);
}

void Form18::Label14_Click() {
    align(Qt::AlignLeft);
}

void Form18::Label15_Click() {
    align(Qt::AlignRight);
}

void Form18::Label16_Click() {
    align(Qt::AlignHCenter);
}

void Form18::indent(int twips) {
    QTextBlockFormat f;
    f.setLeftMargin(wordprocessing::indentPixels(twips));
    QTextCursor c = RichTextBox1->textCursor();
    c.mergeBlockFormat(f);
    RichTextBox1->setFocus();
}

void Form18::Label18_Click() {
    indent(300);
}

void Form18::Label19_Click() {
    indent(1200);
}

void Form18::Label20_Click() {
    indent(2900);
}

void Form18::Picture3_MouseUp(Qt::MouseButton Button, QPointF pos) {
    const std::optional<QColor> colour = PickPaletteColour(Picture3, pos);
    if (!colour) return;
    QTextCharFormat f;
    f.setForeground(*colour);
    mergeFormat(f);
    if (Button == Qt::RightButton) setBackColour(RichTextBox1, *colour);
}

void Form18::Label22_Click() {
    if (!mayLetDocumentGo(openQuestion())) return;
    const QString folder = wordprocessing::documentFolder(services.programFolder);
    QDir().mkpath(folder);
    const std::optional<QString> chosen =
        chooseFile(services, this, {.initDir = folder, .filter = DocumentFilter, .title = {}, .save = false});
    if (!chosen) return;
    if (!rtf::load(*chosen, *RichTextBox1->document())) {
        qCWarning(lcWordProcessor) << "document not opened" << *chosen;
        showError(services, this);
        return;
    }
    RichTextBox1->document()->setModified(false);
}

void Form18::Label23_Click() {
    saveDocument();
}

bool Form18::saveDocument() {
    const QString folder = wordprocessing::documentFolder(services.programFolder);
    QDir().mkpath(folder);
    const std::optional<QString> chosen =
        chooseFile(services, this, {.initDir = folder, .filter = DocumentFilter, .title = {}, .save = true});
    if (!chosen) return false;
    if (!rtf::save(*chosen, *RichTextBox1->document())) {
        qCWarning(lcWordProcessor) << "document not saved" << *chosen;
        showError(services, this);
        return false;
    }
    RichTextBox1->document()->setModified(false);
    return true;
}

void Form18::Label24_Click() {
    Printer printer(services.printing);
    if (!printer.printDocument(RichTextBox1->textCursor()))
        qCWarning(lcWordProcessor) << "document not printed";
}

void Form18::ExportDocumentToWord() {
    const QString scratch = services.inScratchFolder(QStringLiteral("temporal.rtf"));
    if (!rtf::save(scratch, *RichTextBox1->document()))
        qCWarning(lcWordProcessor) << "scratch document not written";
    if (!services.office.open(plainTextDocument(RichTextBox1->toPlainText()))) showError(services, this);
}
