#pragma once
#include "core/formwindow.h"
#include "pictures/picturefiles.h"

#include <QImage>
#include <array>

class ColourTintOverlay;
class PictureBox;
class PictureFileList;
class QAction;
class QMenu;
struct Snapshot;

// Picture drawn over a box on the screen only, passing the mouse through: the mosaic cells.
class ScreenLayer : public QWidget {
    Q_OBJECT
public:
    explicit ScreenLayer(QWidget* parent = nullptr);
    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// One of the nine colour filters of the effects window's menu bar.
struct EffectFilter {
    const char* name;
    const char* caption;
    int mode; // a TintMode
    int paletteIndex;
};
inline constexpr int EffectFilterCount = 9;
const EffectFilter& effectFilter(int index);

// The picture effects: colour filters and a dot mosaic over one picture shown large, handed on as
// shown to the picture editor, the office suite, a document, the clipboard or a JPEG copy.
class Form10 : public MainForm {
    Q_OBJECT
public:
    explicit Form10(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 13380;
    static constexpr int ClientHeightTwips = 8550;
    static constexpr int DisplayWidthTwips = 12100;
    static constexpr int DisplayHeightTwips = 9080;
    static QString caption() { return QStringLiteral("Taudrin'TXT-EFECTE ESPECIALS"); }

    void SSSS_Click();
    void lista_Click(int Index);
    void Picture4_Click();
    void AAAAAA_Click();
    void Filter_Click(int index); // the nine filter items, in menu order
    void WWWWWW_Click();
    void papap_Click();
    void psos_Click();
    void psps_Click();
    void posrata_Click();
    void tempo_Click();
    void XXXCC_Click();

    QWidget* client = nullptr;
    QAction* SSSS = nullptr;
    QMenu* WWW = nullptr;
    PictureMenu lista{};
    QAction* AAAAAA = nullptr;
    // Spacers between the groups of items: " ", "  ", "   " and "   ".
    QAction* FFF = nullptr;
    QAction* DDD = nullptr;
    QAction* DDSDSDSDS = nullptr;
    QAction* FFFFFS = nullptr;
    std::array<QAction*, EffectFilterCount>
        filters{};           // SSS, DDDDFFF, fffgg, ERRRF, XX, SSX, AAWE, RRRT, ASSEW
    QAction* DDDD = nullptr; // "DIF", inert
    QAction* FFFF = nullptr; // "VIDRE", inert
    QAction* WWWWWW = nullptr;
    QMenu* XXXCC = nullptr;
    QAction* tempo = nullptr;
    QAction* posrata = nullptr;
    QAction* papap = nullptr;
    QAction* psps = nullptr;
    QAction* psos = nullptr;

    PictureBox* Picture4 = nullptr;      // the display
    ColourTintOverlay* Shape6 = nullptr; // the filter
    ScreenLayer* cells = nullptr;        // the mosaic, on screen only
    PictureBox* Picture3 = nullptr;      // holder of the loaded picture and scratch of the captures
    PictureFileList* File1 = nullptr;

    // The screen the window fits pictures to, in twips.
    QSizeF screen;

private:
    void fitHeldPicture(double limit, bool centre);
    void removeCells();
    Snapshot capture() const;
};
