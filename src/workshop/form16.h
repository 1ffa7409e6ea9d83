#pragma once
#include "core/formwindow.h"
#include "workshop/bigwordsearch.h"

#include <QPointF>

class PictureBox;
class QAction;
class QLineEdit;
class QMenu;

// The big word search: a title and a 12 x 11 grid typed by hand, helped by a typing direction
// chosen with the mouse, completed with random capitals and handed on as one picture.
class Form16 : public MainForm {
    Q_OBJECT
public:
    explicit Form16(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14715;
    static constexpr int ClientHeightTwips = 10830;
    static QString caption() { return QStringLiteral("TAUDRIN'SOPA DE LLETRES"); }

    void SS_Click();      // "NETEJAR"
    void WEEE_Click();    // "COMPLETAR"
    void RRRRT_Click();   // "MAYÚS"
    void YYYYYYU_Click(); // "MINÚSC"
    void IIIO_Click();    // "FONTS"
    void WEEEE_Click();   // "EXPORTAR" > "PAINT"
    void WQQQ_Click();    // "EXPORTAR" > "WRITE'OFICCE"
    void Picture2_MouseUp(Qt::MouseButton button, QPointF pos);
    void Text2_MouseUp(int index, Qt::MouseButton button);
    void Text2_KeyUp(int index, int keyCode);

    QWidget* client = nullptr;
    QAction* SS = nullptr;
    QAction* WEEE = nullptr;
    QAction* RRRRT = nullptr;
    QAction* YYYYYYU = nullptr;
    QAction* IIIO = nullptr;
    QMenu* DDDF = nullptr;
    QAction* WEEEE = nullptr;
    QAction* WQQQ = nullptr;

    PictureBox* Picture1 = nullptr; // the page handed on
    GridBoxes Text2{};              // the cells 0..132 (15 off the page) and the title 145
    PictureBox* Picture2 = nullptr; // the palette
    PictureBox* Picture3 = nullptr; // the colour box
    PictureBox* Picture4 = nullptr; // scratch of the hand-offs

    // The typing direction: the start box (last left release) and the direction box (last right
    // release); Enter steps by their difference.
    int Label1 = 0;
    int Label2 = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int boxIndex(const QObject* box) const;
};
