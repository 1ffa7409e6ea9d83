#pragma once
#include "core/formwindow.h"

#include <array>

class ClickZone;
class LineControl;
class PictureBox;
class QLabel;
class QLineEdit;
struct Snapshot;

// The phone list: twelve rows of name, address and phone to fill in, walked with Enter, and the
// page handed as a picture to the office suite, a new document or the picture editor. Nothing is
// kept: the list lasts while the window is open.
class Form11 : public Form {
    Q_OBJECT
public:
    explicit Form11(Services& services);

    void Form_Unload(bool& cancel) override;

    static constexpr int Rows = 12;
    static constexpr int ClientWidthTwips = 14955;
    static constexpr int ClientHeightTwips = 10485;
    static QString caption() { return QStringLiteral("Taudrin'TXT L'AGENDA DE TELÈFONS"); }

    // A key released in a row box; 13 is Enter.
    void NOM_KeyUp(int Index, int KeyCode);
    void carrer_KeyUp(int Index, int KeyCode);
    void TELEFON_KeyUp(int Index, int KeyCode);
    void Label2_Click(); // to the picture editor
    void Label3_Click(); // to the office suite
    void Label4_Click(); // to a new document

    PictureBox* Picture2 = nullptr;  // the page
    QLineEdit* Text2 = nullptr;      // the title line
    std::array<QLabel*, 3> Label1{}; // the column headings
    PictureBox* Picture1 = nullptr;  // the grid
    std::array<QLineEdit*, Rows> NOM{};
    std::array<QLineEdit*, Rows> carrer{};
    std::array<QLineEdit*, Rows> TELEFON{};
    std::array<LineControl*, 2> Line3{};    // Line3(1) and Line3(2), between the columns
    std::array<LineControl*, Rows> Line2{}; // along the top of each row
    QLineEdit* Text1 = nullptr;             // the notes line
    PictureBox* Picture3 = nullptr;         // the toolbar
    ClickZone* Label3 = nullptr;
    ClickZone* Label4 = nullptr;
    ClickZone* Label2 = nullptr;
    PictureBox* Picture4 = nullptr; // the scratch box of the hand-offs

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Snapshot page() const;
};
