#pragma once
#include "core/formwindow.h"
#include "workshop/bigwordsearch.h"

#include <QPointF>

class PictureBox;
class PictureFileList;
class QAction;

// The big word search with a picture over the top left corner of the grid, chosen from a
// picture list; the page is handed on as one picture.
class Form19 : public MainForm {
    Q_OBJECT
public:
    explicit Form19(Services& services);

    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14925;
    static constexpr int ClientHeightTwips = 10185;
    static QString caption() { return QStringLiteral("Taudrin'sopa de lletra amb dibuix"); }

    void SSS_Click();           // "IMATGES"
    void NETEEE_Click();        // "NETEJAR"
    void DDDDD_Click();         // "COMPLETAR"
    void DDDD_Click();          // "MAYÚSCULA"
    void SSSSSSD_Click();       // "MINÚSCULA"
    void FONSYSD_Click();       // "FONTS"
    void DFFFFFFF_Click();      // "EXPORTAR_PAINT"
    void SSSSSSSOPESDD_Click(); // "EXPORTAR_OPEN"
    void File1_Click();
    void Picture2_MouseUp(Qt::MouseButton button, QPointF pos);

    QWidget* client = nullptr;
    QAction* SSS = nullptr;
    QAction* NETEEE = nullptr;
    QAction* DDDDD = nullptr;
    QAction* DDDD = nullptr;
    QAction* SSSSSSD = nullptr;
    QAction* FONSYSD = nullptr;
    QAction* DFFFFFFF = nullptr;
    QAction* SSSSSSSOPESDD = nullptr;

    PictureBox* Picture7 = nullptr; // the left panel, behind the list and the palette
    PictureFileList* File1 = nullptr;
    PictureBox* Picture2 = nullptr; // the palette
    PictureBox* Picture3 = nullptr; // the colour box
    PictureBox* Picture6 = nullptr; // the picture last loaded
    PictureBox* Picture1 = nullptr; // the page handed on
    GridBoxes Text2{};              // the cells 0..132 (15 off the page) and the title 145
    PictureBox* Picture5 = nullptr; // the picture panel over the grid's corner
    PictureBox* Picture4 = nullptr; // scratch of the hand-offs
};
