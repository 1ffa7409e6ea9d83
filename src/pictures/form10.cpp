#include "pictures/form10.h"
#include "core/busycursor.h"
#include "core/controls.h"
#include "core/errorbox.h"
#include "core/jpegsave.h"
#include "core/mouseevents.h"
#include "core/services.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "pictures/mosaic.h"
#include "pictures/picturesart.h"
#include "workshop/handoff.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {
constexpr std::array<EffectFilter, EffectFilterCount> Filters{{
    {"SSS", "[VIO]", 14, 5},
    {"DDDDFFF", "[VER]", 14, 9},
    {"fffgg", "[BLA]", 14, 11},
    {"ERRRF", "[BLF]", 8, 12},
    {"XX", "[CVER]", 14, 10},
    {"SSX", "(BLA)", 6, 7},
    {"AAWE", "(GRO)", 14, 6},
    {"RRRT", "(VERD)", 5, 14},
    {"ASSEW", "(VERM)", 14, 4},
}};
} // namespace

const EffectFilter& effectFilter(int index) {
    return Filters[size_t(std::clamp(index, 0, EffectFilterCount - 1))];
}

ScreenLayer::ScreenLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ScreenLayer::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ScreenLayer::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

Form10::Form10(Services& services) : MainForm(services), screen(pictureScreenTwips()) {
    setWindowTitle(caption());
    client = makeClient(this, ClientWidthTwips, ClientHeightTwips);
    client->setAutoFillBackground(true);
    QPalette ground = client->palette();
    ground.setColor(QPalette::Window, QColor(224, 224, 224));
    client->setPalette(ground);

    // Twenty items in a bar of fixed width: narrow padding keeps "PUNTS" and "DESAR A:" in view.
    menuBar()->setStyleSheet(QStringLiteral(
        "QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 2px; background: transparent; }"
        " QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    SSSS = menuBarItem(this, "SSSS", QStringLiteral("ARXIUS"));
    WWW = menuBar()->addMenu(QStringLiteral("GRAFICS/FOTOS"));
    WWW->setObjectName(QStringLiteral("WWW"));
    lista = addPictureFilesMenu(WWW);
    AAAAAA = menuBarItem(this, "AAAAAA", QStringLiteral("SENSE EFECTE"));
    FFF = menuBarItem(this, "FFF", QStringLiteral(" "));
    for (int i = 0; i < EffectFilterCount; ++i) {
        if (i == 5) DDD = menuBarItem(this, "DDD", QStringLiteral("  "));
        filters[size_t(i)] =
            menuBarItem(this, Filters[size_t(i)].name, QString::fromLatin1(Filters[size_t(i)].caption));
    }
    DDSDSDSDS = menuBarItem(this, "DDSDSDSDS", QStringLiteral("   "));
    DDDD = menuBarItem(this, "DDDD", QStringLiteral("DIF"));
    FFFF = menuBarItem(this, "FFFF", QStringLiteral("VIDRE"));
    WWWWWW = menuBarItem(this, "WWWWWW", QStringLiteral("PUNTS"));
    FFFFFS = menuBarItem(this, "FFFFFS", QStringLiteral("   "));
    XXXCC = menuBar()->addMenu(QStringLiteral("DESAR A:"));
    XXXCC->setObjectName(QStringLiteral("XXXCC"));
    auto item = [this](const char* name, const QString& text) {
        QAction* a = XXXCC->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    tempo = item("tempo", QStringLiteral("c:\\TEMPORAL"));
    posrata = item("posrata", QStringLiteral("Al portapapers"));
    papap = item("papap", QStringLiteral("Al Paint"));
    psps = item("psps", QStringLiteral("Al Word"));
    psos = item("psos", QStringLiteral("A L'Open_Oficce"));

    Picture4 = control<PictureBox>(client, "Picture4", 0, 0, DisplayWidthTwips, DisplayHeightTwips);
    Shape6 = control<ColourTintOverlay>(Picture4, "Shape6", 0, 0, 28275, 21135);
    cells = control<ScreenLayer>(Picture4, "cells");
    Picture3 = control<PictureBox>(client, "Picture3", 5535, 2385, 14295, 8595);
    Picture3->hide();
    Picture3->setAutoSize(true);
    File1 = pictureFileList(services, client, "File1", 0, 0, 1200, 1200);
    File1->hide();

    Picture4->setBackColor(Qt::white);
    Picture4->setPicture(drawEffectsSample());

    connect(SSSS, &QAction::triggered, this, &Form10::SSSS_Click);
    for (int i = 0; i < PictureMenuItems; ++i)
        connect(lista[size_t(i)], &QAction::triggered, this, [this, i] { lista_Click(i); });
    connect(AAAAAA, &QAction::triggered, this, &Form10::AAAAAA_Click);
    for (int i = 0; i < EffectFilterCount; ++i)
        connect(filters[size_t(i)], &QAction::triggered, this, [this, i] { Filter_Click(i); });
    connect(WWWWWW, &QAction::triggered, this, &Form10::WWWWWW_Click);
    connect(XXXCC, &QMenu::aboutToShow, this, &Form10::XXXCC_Click);
    connect(tempo, &QAction::triggered, this, &Form10::tempo_Click);
    connect(posrata, &QAction::triggered, this, &Form10::posrata_Click);
    connect(papap, &QAction::triggered, this, &Form10::papap_Click);
    connect(psps, &QAction::triggered, this, &Form10::psps_Click);
    connect(psos, &QAction::triggered, this, &Form10::psos_Click);
    connect(new MouseEvents(Picture4), &MouseEvents::Click, this, &Form10::Picture4_Click);
}

void Form10::Form_Load() {
    // The display is centred on the screen, so it may reach past the window's edges.
    const QPointF at = centredOnScreen(screen, QSizeF(DisplayWidthTwips, DisplayHeightTwips));
    Picture4->move(twPoint(at.x(), at.y()));
}

void Form10::Form_Unload(bool&) {
    services.state.clearActivityCode();
}

void Form10::SSSS_Click() {
    choosePictureFilesFolder(services, this, File1, lista, QStringLiteral("dibuixos"));
}

void Form10::lista_Click(int Index) {
    const QSizeF screenSize = screen;
    const auto shown = [screenSize](QSize whole) { return shownPictureSize(whole, screenSize, 0); };
    std::optional<HeldPicture> held;
    {
        const BusyCursor busy;
        held = loadPictureEntry(File1, Index, shown);
    }
    if (!held) {
        qCInfo(lcPictures) << "effects: the picture of item" << Index << "does not load";
        showError(services, this);
        return;
    }
    holdPicture(Picture3, *held, 0);
    fitHeldPicture(0.9, true);
}

void Form10::Picture4_Click() {
    const std::optional<QImage> picture = clipboardPicture();
    if (!picture) return;
    Picture3->setPicture(*picture);
    fitHeldPicture(0.9, false);
}

void Form10::fitHeldPicture(double limit, bool centre) {
    const QSizeF holder(toTwips(Picture3->width()), toTwips(Picture3->height()));
    const FittedSize fitted = fitPictureSize(holder, screen, limit);
    removeCells();
    showFittedPicture(Picture4, Picture3->Picture(), fitted.size);
    if (centre) {
        const QPointF at = centredOnScreen(screen, fitted.size);
        Picture4->move(twPoint(at.x(), at.y()));
    }
}

void Form10::removeCells() {
    cells->hide();
    cells->setPicture({});
}

void Form10::AAAAAA_Click() {
    // Hiding a filter repaints the display, which takes the cells away too.
    if (!Shape6->isVisible()) return;
    Shape6->hideTint();
    removeCells();
}

void Form10::Filter_Click(int index) {
    const EffectFilter& f = effectFilter(index);
    removeCells();
    Shape6->showTint(TintMode(f.mode), f.paletteIndex);
}

void Form10::WWWWWW_Click() {
    const BusyCursor busy;
    const QImage shown = grabSource(Picture4, false);
    const QImage mosaic = mosaicCells(shown);
    if (mosaic.isNull()) return;
    cells->setGeometry(QRect(QPoint(0, 0), mosaic.size()));
    cells->setPicture(mosaic);
    cells->show();
    cells->raise();
}

Snapshot Form10::capture() const {
    Snapshot s;
    s.source = Picture4;
    s.scratch = Picture3;
    s.refreshScratch = false;
    return s;
}

void Form10::papap_Click() {
    const BusyCursor busy;
    EditPictureInPaint(services, this, capture());
}

void Form10::psos_Click() {
    const BusyCursor busy;
    OpenPictureInOfficeSuite(services, this, capture());
}

void Form10::psps_Click() {
    const BusyCursor busy;
    ExportPictureToWord(services, this, capture(), OfficeDocument::Orientation::Portrait,
                        WordLayout::Margins40);
}

void Form10::posrata_Click() {
    QImage page;
    {
        const BusyCursor busy;
        if (SnapshotPicture(services, capture())) page = QImage(handOffPicturePath(services));
    }
    if (page.isNull()) {
        showError(services, this);
        return;
    }
    QApplication::clipboard()->setImage(page);
}

void Form10::tempo_Click() {
    QString copy;
    bool copied = false;
    {
        const BusyCursor busy;
        const QImage page = snapshotImage(capture());
        if (!page.isNull()) {
            Picture3->setPicture(page);
            const QString jpeg = services.inScratchFolder(QStringLiteral("dibuix.jpg"));
            const QString folder = QDir(services.programFolder).filePath(QStringLiteral("temporal"));
            if (savejpg(page, jpeg, 100) && QDir().mkpath(folder)) {
                const std::optional<QString> name =
                    unusedNumberedName(folder, services.random, 10000,
                                       [](int n) { return QStringLiteral("ESPEC%1.JPG").arg(n); });
                // QFile::copy never replaces a file and leaves nothing behind when it fails.
                if (name) {
                    copy = QDir(folder).filePath(*name);
                    copied = QFile::copy(jpeg, copy);
                }
            }
        }
    }
    if (!copied) {
        qCInfo(lcPictures) << "effects: no JPEG copy" << copy;
        showError(services, this);
    }
}

void Form10::XXXCC_Click() {
    tempo_Click();
}
