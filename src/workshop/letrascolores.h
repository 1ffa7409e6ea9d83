#pragma once
#include "core/formwindow.h"
#include "workshop/colourwordsearch.h"

#include <array>

class PictureBox;
class QAction;
class QLineEdit;
class QMenu;

// The colour word search: letters typed in colours, shown as colour blocks with their list or as
// an ordinary word search, and handed to the picture editor.
class letrascolores : public MainForm {
    Q_OBJECT
public:
    explicit letrascolores(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 10845;
    static constexpr int ClientHeightTwips = 10380;
    static QString caption() { return QStringLiteral("TAUDRIN'SOPA LLETRES (II)"); }

    void ASS_Click();    // initial view
    void SSSS_Click();   // initial view to the picture editor
    void DDD_Click();    // complete view
    void SS_Click();     // complete view to the picture editor
    void ASSAA_Click();  // upper case
    void SSSSSS_Click(); // lower case
    void SSSSS_Click();  // fonts
    void SASS6_Click();  // new grid
    void Picture2_MouseUp(Qt::MouseButton button, QPointF pos);
    void Text1_KeyDown(int index);

    // The colour in use: the swatch's background.
    QColor currentColour() const;

    QWidget* client = nullptr;
    QMenu* SADAS = nullptr; // "MOD_INICIAL"
    QAction* ASS = nullptr;
    QAction* SSSS = nullptr;
    QMenu* SD = nullptr; // "MOD_COMPLET"
    QAction* DDD = nullptr;
    QAction* SS = nullptr;
    QAction* ASSAA = nullptr;
    QAction* SSSSSS = nullptr;
    QAction* SSSSS = nullptr;
    QAction* SASS6 = nullptr;

    PictureBox* Picture3 = nullptr; // the page
    std::array<QLineEdit*, ColourWordSearch::CellCount> Text1{};
    std::array<QLineEdit*, ColourWordSearch::ListCount> Text2{};
    PictureBox* Picture2 = nullptr; // the palette
    PictureBox* Picture1 = nullptr; // the current colour
    PictureBox* Picture4 = nullptr; // scratch of the picture hand-off

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourWordSearch::Grid readGrid() const;
    void writeGrid(const ColourWordSearch::Grid& grid);
    void handOff();
};
