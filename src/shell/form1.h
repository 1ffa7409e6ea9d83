#pragma once
#include "shell/formwindow.h"

#include <QFrame>
#include <QLabel>
#include <array>

class PictureBox;
class LineControl;

// The main window: opens every activity and holds the state the activity windows share.
class form1 : public MainForm {
    Q_OBJECT
public:
    explicit form1(Services& services);

    void Form_Load() override;

    // Designed 11400 twips wide, which cut the picture menu's last column off: the window is as
    // wide as the picture menu with an equal margin on both sides.
    static constexpr int ClientWidthTwips = 15165;
    static constexpr int ClientHeightTwips = 10710;
    static QString caption() { return QStringLiteral("Taudrin'TXT  TALLER D'EXPERIÈNCIES"); }
    static QColor backColour() { return QColor(222, 224, 229); }

    QWidget* client = nullptr; // the window's own background, below the menu bar
    QLabel* Label5 = nullptr;  // footer
    std::array<LineControl*, 2> Line1{};
    QLabel* Label3 = nullptr; // hidden: shows ActivityCode
    QLabel* Label6 = nullptr; // hidden: shows SpeechFlag
    PictureBox* base = nullptr;
    QFrame* Frame1 = nullptr; // hidden frame that keeps GRANDE off screen
    PictureBox* GRANDE = nullptr;

    // ---- Picture menu (form1picturemenu.cpp) ----
    PictureBox* Picture7 = nullptr;   // the picture of every activity, in six columns
    std::array<QLabel*, 30> Label8{}; // click zones over the pictures (Label8[28] in Picture9)
    PictureBox* Picture9 = nullptr;   // letter ordering, holds zone 28
    PictureBox* Picture10 = nullptr;  // picture word search, itself the click area
    QLabel* Label7 = nullptr;         // hover line: names the activity under the mouse
    void Label8_MouseMove(int Index, Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, QPointF pos);
    void Label8_MouseUp(int Index, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF pos);
    void Picture7_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, QPointF pos);
    void Picture10_Click();
    void Picture10_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, QPointF pos);

private:
    void createPictureMenu();
    // ---- end of picture menu ----

private:
    void showActivityCode(int code);
};
