#pragma once
#include <QList>
#include <QRect>

// The news page's four layouts: each a panel with one title box, one to three body boxes and one
// to three picture slots, taken from the 13 text boxes TEXT1 and the 7 slots DIBU1. The order of
// the bodies and slots is the order in which a saved page keeps them.

constexpr int NewsLayoutCount = 4;
constexpr int NewsTextBoxCount = 13;
constexpr int NewsSlotCount = 7;

struct NewsLayout {
    int title = 0;       // index into TEXT1
    QList<int> bodies;   // indexes into TEXT1, in page order
    QList<int> pictures; // indexes into DIBU1, in page order
};

// Layout 0 to 3; any other number gives layout 0.
const NewsLayout& newsLayout(int layout);

// The layout a text box or a slot belongs to (each belongs to exactly one).
int newsLayoutOfBox(int box);
int newsLayoutOfSlot(int slot);

// How a text box is designed: its place in its panel (twips) and its font.
struct NewsBoxDesign {
    QRect place;
    double pointSize = 21.75;
    bool bold = false;
    bool title = false; // single-line, starts as "TÍTOL"
};
NewsBoxDesign newsBoxDesign(int box);
// A slot's place in its panel (twips).
QRect newsSlotPlace(int slot);

// Where the panels lie in the window (twips), one over the other.
inline QRect newsPanelPlace() {
    return QRect(2700, 30, 12650, 8910);
}
