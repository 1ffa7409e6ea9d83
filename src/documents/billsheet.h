#pragma once
#include "core/formwindow.h"
#include "documents/billarithmetic.h"

#include <array>

class ClickZone;
class LineControl;
class PictureBox;
class QLabel;
class QLineEdit;
struct Snapshot;

// The bill sheet: twelve rows of concept, price, quantity and line total under a title, with
// their sum. Enter walks a row; in the quantity box it works the row out and rewrites the total.
// A command bar turns the cell borders off and on, clears the cells, sets their font and hands
// the sheet on as a picture. Nothing is kept: the sheet lasts while the window is open.
class COMPRAWWW : public Form {
    Q_OBJECT
public:
    explicit COMPRAWWW(Services& services);

    void Form_Unload(bool& cancel) override;

    static constexpr int Rows = bill::Rows;
    static constexpr int Title = 12; // Text1(12)
    static constexpr int ClientWidthTwips = 14700;
    static constexpr int ClientHeightTwips = 11130;
    static QString caption() { return QStringLiteral("Taudrin'TXT-TAULA DE CÀLCUL"); }

    // A key released in a box of the sheet; 13 is Enter, 8 Backspace.
    void Text1_KeyUp(int index, int keyCode);
    void Text2_KeyUp(int index, int keyCode);
    void Text3_KeyUp(int index, int keyCode);
    void Label2_Click(); // the sheet to the picture editor
    void Label3_Click(); // the sheet to a new document
    void Label4_Click(); // borders off
    void Label5_Click(); // borders on
    void Label6_Click(); // clear the cells
    void Label7_Click(); // font of the cells
    void Label8_Click(); // the sheet to the office suite

    // The 48 cells: concepts, prices, quantities and line totals, each column in row order.
    QList<QWidget*> cells() const;
    // The boxes the border commands change: the cells, total and the title.
    QList<QLineEdit*> borderedBoxes() const;

    PictureBox* Picture1 = nullptr;           // the sheet
    PictureBox* Picture2 = nullptr;           // the command bar
    std::array<QLineEdit*, Rows + 1> Text1{}; // concepts, and the title at Title
    std::array<QLineEdit*, Rows> Text2{};     // prices
    std::array<QLineEdit*, Rows> Text3{};     // quantities
    std::array<QLineEdit*, Rows> Text4{};     // line totals
    QLineEdit* total = nullptr;
    std::array<QLabel*, 5> Label1{};     // "Total (€)" and the four headings
    std::array<LineControl*, 2> Line1{}; // above the total, under the headings
    PictureBox* Picture4 = nullptr;      // the scratch box of the hand-offs
    ClickZone* Label8 = nullptr;
    ClickZone* Label3 = nullptr;
    ClickZone* Label2 = nullptr;
    ClickZone* Label4 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label7 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Snapshot sheet() const;
    void setBorders(bool on);
};
