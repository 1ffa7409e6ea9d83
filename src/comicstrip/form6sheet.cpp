// The comic strip window's practice sheets, and the board or sheet handed to outside programs.
#include "comicstrip/form6.h"
#include "comicstrip/sheetframe.h"
#include "core/controls.h"
#include "core/mouseevents.h"
#include "workshop/handoff.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace comicstrip;

namespace {
QByteArray indexed(const char* name, int i) {
    return QByteArray(name) + '_' + QByteArray::number(i);
}
} // namespace

void Form6::makeSheet() {
    Picture2->setPicture(ruledPageImage());
    for (const SheetCell& cell : SheetCells)
        Image2[cell.panel] =
            control<SheetFrame>(Picture2, indexed("Image2", cell.panel).constData(), cell.frameLeft,
                                cell.frameTop, SheetFrameWidth, SheetFrameHeight);
    const QFont lineFont(QStringLiteral("Arial"), 48);
    for (int c = 0; c < SheetFrames; ++c) {
        const SheetCell& cell = SheetCells[c];
        Label19[2 * c] = control<QLabel>(Picture2, indexed("Label19", 2 * c).constData(), cell.modelLeft,
                                         cell.modelTop, SheetLineWidth, SheetLineHeight);
        Label19[2 * c + 1] = control<QLabel>(Picture2, indexed("Label19", 2 * c + 1).constData(),
                                             cell.guideLeft, cell.guideTop, SheetLineWidth, SheetLineHeight);
    }
    for (QLabel* line : Label19) {
        // A line keeps its size: a long caption wraps at its spaces and is cut at the edges.
        line->setFont(lineFont);
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setAttribute(Qt::WA_TranslucentBackground);
        QPalette black = line->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        line->setPalette(black);
    }
    Picture6 = control<PictureBox>(Picture2, "Picture6", 240, 9120, 780, 735);
    Picture6->setAutoSize(true);
    Picture6->setPicture(drawCloseBox());
    Picture6->setCursor(Qt::PointingHandCursor);

    auto* close = new MouseEvents(Picture6);
    connect(close, &MouseEvents::Click, this, &Form6::Picture6_Click);
    connect(MOSTRASS, &QAction::triggered, this, &Form6::MOSTRASS_Click);
    connect(POLOS, &QAction::triggered, this, &Form6::POLOS_Click);
    connect(psos, &QMenu::aboutToShow, this, &Form6::psos_Click);
    connect(AQQQQ1, &QAction::triggered, this, &Form6::AQQQQ1_Click);
    connect(AQQ2, &QAction::triggered, this, &Form6::AQQ2_Click);
    connect(AQQQ3, &QAction::triggered, this, &Form6::AQQQ3_Click);
    connect(Label2, &ClickZone::Click, this, &Form6::Label2_Click);
    connect(Label7, &ClickZone::Click, this, &Form6::Label7_Click);
    connect(Label9, &ClickZone::Click, this, &Form6::Label9_Click);
}

void Form6::buildSheet(SheetStyle style) {
    for (int k = 0; k < SheetFrames; ++k)
        Image2[k]->setPicture(panelImage(k));
    std::array<QString, Panels> captions;
    for (int i = 0; i < Panels; ++i)
        captions[i] = Text3[i]->text();
    const std::array<QString, SheetLines> lines = sheetLines(style, captions);
    const GuideLook look = guideLook(style);
    for (int c = 0; c < SheetFrames; ++c) {
        QLabel* guide = Label19[2 * c + 1];
        if (look.bold) {
            QFont f = guide->font();
            f.setBold(*look.bold);
            guide->setFont(f);
        }
        if (look.colour) {
            QPalette pal = guide->palette();
            pal.setColor(QPalette::WindowText, *look.colour);
            guide->setPalette(pal);
        }
    }
    for (int m = 0; m < SheetLines; ++m)
        Label19[m]->setText(lines[m]);
    Picture2->show();
    Picture2->raise();
}

void Form6::MOSTRASS_Click() {
    buildSheet(SheetStyle::Model);
}

void Form6::POLOS_Click() {
    buildSheet(SheetStyle::FineGuide);
}

void Form6::psos_Click() {
    buildSheet(SheetStyle::BoldGuide);
}

void Form6::AQQQQ1_Click() {
    buildSheet(SheetStyle::Tone1);
}

void Form6::AQQ2_Click() {
    buildSheet(SheetStyle::Tone2);
}

void Form6::AQQQ3_Click() {
    buildSheet(SheetStyle::Tone3);
}

void Form6::Picture6_Click() {
    Picture2->hide();
}

Snapshot Form6::pageSnapshot() const {
    // The board, or the practice sheet stretched over it while the sheet is on view.
    Snapshot snapshot;
    snapshot.source = Picture11;
    snapshot.secondSource = Picture2;
    snapshot.scratch = Picture18;
    snapshot.scale = 1;
    snapshot.refreshScratch = true;
    snapshot.savePerSource = false;
    return snapshot;
}

void Form6::Label2_Click() {
    EditPictureInPaint(services, this, pageSnapshot());
}

void Form6::Label7_Click() {
    ExportPictureToWord(services, this, pageSnapshot(), OfficeDocument::Orientation::Landscape,
                        WordLayout::NormalWindow);
}

void Form6::Label9_Click() {
    OpenPictureInOfficeSuite(services, this, pageSnapshot());
}
