#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// The cut-out window's drag, in twips of the display: a press shows the band at its last place, the
// moves grow it to the right of and below the press point, and the release tells where the piece
// goes and what it copies. The six values keep the meaning of the window's drag labels (0 when
// never written or after a release).
class CutDrag {
public:
    static constexpr QRect DesignBand{1170, 1410, 1395, 945};
    static constexpr int PressBandSide = 300;

    int Label11W = 0; // x of the press point
    int Label12W = 0; // y of the press point; above 0 while a drag follows the mouse
    int Label13W = 0; // the press point's x, copied at each move
    int Label14W = 0; // its y
    int Label15W = 0; // height of the selection, y - y0 (may be negative)
    int Label16W = 0; // width of the selection, x - x0 (may be negative)

    QRect band = DesignBand; // left, top, width, height
    bool bandVisible = true;

    void press(QPoint at);
    void move(QPoint at);

    // What a release does to the piece: its new place and outer size, and whether the display's
    // picture is copied into it from source (unscaled). A side the selection went back on keeps
    // the piece's previous size, and nothing is copied.
    struct Cut {
        QRect piece;
        bool copy = false;
        QRect source;
    };
    Cut release(QSize previousPiece);
};
