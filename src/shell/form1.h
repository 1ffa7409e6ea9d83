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

    static constexpr int ClientWidthTwips = 11400;
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

private:
    void showActivityCode(int code);
};
