#pragma once
#include "core/formwindow.h"
#include "shell/clipboardcapture.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <array>
#include <memory>

class PictureBox;
class LineControl;

// The main window: opens every activity and holds the state the activity windows share.
class form1 : public MainForm {
    Q_OBJECT
public:
    explicit form1(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    // A mouse move over the window's own background: hands the focus back to the open activity.
    void Form_MouseMove();

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

    // The menu bar: top-level menus, menus with sub-items, and items, under their control names.
    QMenu* SSSSq = nullptr; // "SISTEMA"
    QAction* SONS = nullptr;
    QMenu* EWS = nullptr;
    QAction* POL1 = nullptr;
    QAction* POL2 = nullptr;
    QMenu* SISTEMA = nullptr;
    QAction* ACSI = nullptr;
    QAction* ACNO = nullptr;
    QAction* esplo = nullptr;
    QMenu* PP1 = nullptr; // "AUCA INTERACTIVA"
    QAction *PP16 = nullptr, *PP2 = nullptr, *PP3 = nullptr, *PP4 = nullptr, *PP53 = nullptr, *PP5 = nullptr,
            *SSSS = nullptr, *PAOLOS = nullptr, *DITASS = nullptr;
    QMenu* PP11 = nullptr; // "TALLER"
    QAction *PP12 = nullptr, *PP13 = nullptr, *PP14 = nullptr, *SSSSSSS = nullptr, *ssssssssssd = nullptr,
            *PP15 = nullptr, *DDSOPASSSS = nullptr;
    QMenu* OO1 = nullptr; // "EDICIÓ IMATGE"
    QAction *OO2 = nullptr, *OO23 = nullptr, *OO24 = nullptr, *SSSSDDD = nullptr;
    QMenu* PPP3 = nullptr; // "PLANTILLES"
    QAction *PP33W = nullptr, *ERR = nullptr, *PP4444 = nullptr, *CARGASS = nullptr, *OMPDOCI = nullptr,
            *SSSSSSSSSSSSSSSSSS = nullptr;
    QMenu* PPI3 = nullptr; // "TREBALL AMB TEXTOS"
    QAction *ORRR = nullptr, *PP73 = nullptr, *PP33 = nullptr, *FDDDD = nullptr, *ORENAPARAULES = nullptr;
    QMenu* EILES = nullptr; // "EINES"
    QAction *fffgg = nullptr, *PRPR = nullptr;
    QMenu* asddd = nullptr; // "AJUDA"
    QAction* ffffffg = nullptr;

    // The address the help notice gives for news of the program.
    static QString contactAddress() { return QStringLiteral("taudrin@example.org"); }

    // Menu handlers; the display-mode and clipboard-capture items are in form1system.cpp.
    void SONS_Click();
    void POL1_Click();
    void POL2_Click();
    void ACSI_Click();
    void ACNO_Click();
    void PP16_Click();
    void PP2_Click();
    void PP3_Click();
    void PP4_Click();
    void PP53_Click();
    void PP5_Click();
    void SSSS_Click();
    void PAOLOS_Click();
    void DITASS_Click();
    void PP12_Click();
    void PP13_Click();
    void PP14_Click();
    void SSSSSSS_Click();
    void ssssssssssd_Click();
    void PP15_Click();
    void DDSOPASSSS_Click();
    void OO2_Click();
    void OO23_Click();
    void OO24_Click();
    void SSSSDDD_Click();
    void PP33W_Click();
    void ERR_Click();
    void PP4444_Click();
    void CARGASS_Click();
    void OMPDOCI_Click();
    void SSSSSSSSSSSSSSSSSS_Click();
    void ORRR_Click();
    void PP73_Click();
    void PP33_Click();
    void FDDDD_Click();
    void ORENAPARAULES_Click();
    void fffgg_Click();
    void PRPR_Click();
    void ffffffg_Click();

    // Clipboard capture and display modes (form1system.cpp). JPEG saving is core's savejpg, so a
    // window may save while the main window is closed.
    QTimer* Timer1 = nullptr;       // looks at the clipboard every 3 s while the capture is on
    PictureBox* Picture1 = nullptr; // hidden: the picture last taken from the clipboard
    void Timer1_Timer();
    bool clipboardCaptureOn() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
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
    void createMenus();
    QMenu* addMenu(QMenu* parent, const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, void (form1::*handler)());
    // The two steps of an activity item.
    void createSystemMembers();
    void setClipboardCapture(bool on);
    // Loads the display-mode dialog (which switches the display while it loads), unloads it,
    // then unloads this window and shows the main window afresh.
    void switchDisplayMode(const QString& dialog);

    std::unique_ptr<ClipboardCapture> capture_;
};
