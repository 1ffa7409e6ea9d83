#pragma once
#include "shell/clipboardcapture.h"
#include "shell/formwindow.h"

#include <QFrame>
#include <QLabel>
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

    // JPEG saving, clipboard capture and display modes (form1system.cpp).
    // Writes the picture as a JPEG file; silent towards the user, true when the file was written.
    // Needs no instance, so a window may save while the main window is closed.
    static bool savejpg(const QImage& pict, const QString& filename, int quality);
    QTimer* Timer1 = nullptr;       // looks at the clipboard every 3 s while the capture is on
    PictureBox* Picture1 = nullptr; // hidden: the picture last taken from the clipboard
    void Timer1_Timer();
    bool clipboardCaptureOn() const;
    void setClipboardCapture(bool on);
    // Loads the display-mode dialog (which switches the display while it loads), unloads it,
    // then unloads this window and shows the main window afresh.
    void switchDisplayMode(const QString& dialog);

private:
    void showActivityCode(int code);
    void createSystemMembers();

    std::unique_ptr<ClipboardCapture> capture_;
};
