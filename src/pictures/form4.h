#pragma once
#include "core/formwindow.h"

#include <QImage>
#include <QStringList>
#include <array>

class ColourTintOverlay;
class PictureBox;
class QComboBox;

// The jigsaw puzzle: a model cut into n x n pieces thrown into a tray, dragged back onto the board.
class Form4 : public MainForm {
    Q_OBJECT
public:
    explicit Form4(Services& services);

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

    void Picture54_MouseDown(int index, QPointF pos);
    void Picture56_MouseMove(QPointF pos);
    void Picture56_MouseUp(QPointF pos);

    // n, the pieces per side, from Combo3's text.
    int pieces() const;

    QWidget* client = nullptr;
    PictureBox* Picture57 = nullptr;         // background
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
    // Sets the board's size in twips, keeping its image where it stays on the board.
    void sizeBoard(int widthTwips, int heightTwips);
    void clearBoard();
    void paintModelOnBoard();
    void sizeScratch();
    QPointF onBoard(QWidget* from, QPointF pos) const;
};
