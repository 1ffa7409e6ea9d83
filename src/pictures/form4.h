#pragma once
#include "core/formwindow.h"
#include "pictures/picturefiles.h"
#include "pictures/puzzleart.h"

#include <QImage>
#include <QStringList>
#include <array>
#include <optional>

class ClickZone;
class ColourTintOverlay;
class PictureBox;
class PictureFileList;
class QAction;
class QComboBox;
class QMenu;
class QPushButton;

// The sample slot that click area Label30(index) builds from.
int puzzleSampleOfArea(int index);
// The click area over thumbnail t (0 at the top) of the strip.
int puzzleAreaOfThumbnail(int t);

// The sample photographs by slot, each decoded on its first use: most openings build from one
// sample or none, and decoding all thirteen took most of the window's opening.
class PuzzleSamples {
public:
    const QImage& operator[](size_t slot) const;

private:
    mutable std::array<std::optional<QImage>, PuzzleSampleSlots> images_;
};

// The jigsaw puzzle: a model cut into n x n pieces thrown into a tray, dragged back onto the board.
class Form4 : public MainForm {
    Q_OBJECT
public:
    explicit Form4(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static QString caption() { return QStringLiteral("Taudrin'TXT  PUZZLES"); }
    static constexpr int ClientWidthTwips = 15360;
    static constexpr int ClientHeightTwips = 10860;

    // A new puzzle of the model, with n from Combo3.
    void BuildPuzzle(const QImage& model);
    // Cuts the board's image into the pieces and throws them into the tray.
    void COMBINATORIA();
    // The empty grid for n and the tray, with the pieces sized for n.
    void DrawBoardAndTray();

    void Label30_Click(int Index);
    void pc_Click();
    void lista_Click(int Index);
    void Picture1_Click();
    void SS_Click() { setPieces(1); }
    void DDD_Click() { setPieces(2); }
    void GGG_Click() { setPieces(3); }
    void HHH_Click() { setPieces(4); }
    void AW_Click() { setPieces(5); }
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();

    void Picture54_MouseDown(int index, QPointF pos);
    void Picture56_MouseMove(QPointF pos);
    void Picture56_MouseUp(QPointF pos);

    // n, the pieces per side, from Combo3's text.
    int pieces() const;

    QWidget* client = nullptr;
    QAction* pc = nullptr; // "IMATGES"
    QMenu* ARX = nullptr;  // "GRAFICS/FOTOS"
    PictureMenu lista{};
    QMenu* WE = nullptr; // "OPCIONS"
    QAction* SS = nullptr;
    QAction* DDD = nullptr;
    QAction* GGG = nullptr;
    QAction* HHH = nullptr;
    QAction* AW = nullptr;

    PictureBox* Picture57 = nullptr; // background
    PictureBox* Picture26 = nullptr; // thumbnail strip
    std::array<ClickZone*, 12> Label30{};
    PictureBox* Picture1 = nullptr; // preview of a picture file
    PictureBox* Picture2 = nullptr; // band along the bottom
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    PictureFileList* File1 = nullptr;
    PuzzleSamples Picture58;                 // the sample photographs
    PictureBox* Picture56 = nullptr;         // the board
    std::array<PictureBox*, 25> Picture54{}; // the pieces
    ColourTintOverlay* Shape5 = nullptr;
    PictureBox* Picture55 = nullptr; // scratch copy of the board's image
    PictureBox* GRANDE = nullptr;    // the model
    QComboBox* Combo3 = nullptr;

    // Hidden state of the puzzle.
    int Label28 = 0;    // side of the pieces of the last build (twips)
    int LABEL57 = 0;    // 1 while a piece is dragged
    int LABEL58 = 0;    // the piece pressed last
    double Label24 = 0; // grab offset inside the pressed piece (twips)
    double Label25 = 0;
    QStringList List2; // row of each piece's cell, or "p"
    QStringList List3; // column of each piece's cell, or "p"

private:
    void setPieces(int n);
    // What a display button shows behind the pieces: the model, or the bare board.
    void showBoard(bool model);
    // Sets the board's size in twips, keeping its image where it stays on the board.
    void sizeBoard(int widthTwips, int heightTwips);
    void clearBoard();
    void paintModelOnBoard();
    void sizeScratch();
    QPointF onBoard(QWidget* from, QPointF pos) const;
};
