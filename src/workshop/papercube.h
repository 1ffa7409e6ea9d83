#pragma once
#include "core/controls.h"
#include "core/formwindow.h"
#include "workshop/cubenet.h"
#include "workshop/handoff.h"

#include <array>

class ClickZone;
class ImageBox;
class PictureFileList;
class QAction;

// A face of the cube: a square picture box with a thin border, its picture stretched to it.
class CubeFace : public PictureBox {
    Q_OBJECT
public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The paper cube: a net of six faces filled one by one from the picture list or the clipboard,
// or cut from one picture, and handed as one picture to the office suite, a document or the
// picture editor to be printed, cut out and folded.
class Form5 : public MainForm {
    Q_OBJECT
public:
    explicit Form5(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 11400;
    static constexpr int ClientHeightTwips = 10710;
    static QString caption() { return QStringLiteral("Taudrin'TXT FER UN CUB"); }

    void Picture40_MouseUp(int Index, Qt::MouseButton Button);
    void Label1333_Click(int Index);  // cube from one picture
    void Label1_Click(int Index);     // net to a document
    void Label1uuuu_Click(int Index); // net to the picture editor
    void Label62_Click();             // net to the office suite
    void sasa_Click();                // "IMATGES"
    void File1_MouseUp();

    QWidget* client = nullptr;
    QAction* sasa = nullptr; // menu "IMATGES"

    PictureBox* Picture29 = nullptr; // the white ground
    PictureBox* Picture1 = nullptr;  // the beige strip
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;                       // preview of the listed picture
    PictureBox* Picture39 = nullptr;                  // the net
    std::array<CubeFace*, CubeFaceSlots> Picture40{}; // faces 0 to 4 and 6; there is no 5
    PictureBox* Picture25 = nullptr;                  // the tool strip
    ClickZone* Label62 = nullptr;
    std::array<ClickZone*, 60> Label1{};     // only 59
    std::array<ClickZone*, 63> Label1uuuu{}; // only 62
    std::array<ClickZone*, 62> Label1333{};  // only 61

    PictureBox* Picture2 = nullptr;  // the picture last painted into a face, or cut
    PictureBox* Picture44 = nullptr; // the picture stretched to three by two faces
    PictureBox* Picture43 = nullptr; // the stretched picture the faces are cut from
    PictureBox* Picture5 = nullptr;  // the net as last handed on

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Snapshot netSnapshot() const;
};
