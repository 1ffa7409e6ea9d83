#pragma once
#include "core/formwindow.h"
#include "workshop/postcardrules.h"

#include <QPointF>
#include <array>

class ClickZone;
class ImageBox;
class LineControl;
class PictureBox;
class PictureFileList;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SwatchButton;
class ColourTintOverlay;

// The postcard: a picture side and a writing side with a stamp, handed to a new document as two
// pictures, or as one picture of the whole card to the picture editor or the office suite.
class Form7 : public MainForm {
    Q_OBJECT
public:
    explicit Form7(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14715;
    static constexpr int ClientHeightTwips = 10515;
    static QString caption() { return QStringLiteral("Taudrin'TXT FER UNA POSTAL"); }

    void Picture4_Click(int Index);
    void Picture23_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Image1_Click();
    void Command1_Click(int Index);
    void Label3_Click(int Index);
    void Label4_Click();
    void Label5_Click();
    void Picture1_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Label7_Click();
    void Label2_Click();
    void Label9_Click();
    void aaa_Click();
    void File1_Click();
    void wwwwee_Click();

    QWidget* client = nullptr;
    QAction* aaa = nullptr;    // menu "IMATGES"
    QAction* wwwwee = nullptr; // menu "WWW"

    // The beige strip with the picture list, the preview, the tool panel and the tint buttons.
    PictureBox* Picture10 = nullptr;
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;
    PictureBox* Picture1 = nullptr;     // the tool panel
    std::array<ClickZone*, 4> Label3{}; // font icons
    ClickZone* Label4 = nullptr;        // size up
    ClickZone* Label5 = nullptr;        // size down
    ClickZone* Label9 = nullptr;        // card to the office suite
    ClickZone* Label7 = nullptr;        // both sides to a document
    ClickZone* Label2 = nullptr;        // card to the picture editor
    std::array<SwatchButton*, TintButtonCount> Command1{};

    // The card: the picture side above, the writing side below.
    PictureBox* Picture30 = nullptr;
    PictureBox* Picture23 = nullptr;
    ColourTintOverlay* Shape6 = nullptr;
    PictureBox* Picture24 = nullptr;
    // Members 0 (address), 4 (bottom line) and 5 (heading) only.
    std::array<QWidget*, 6> Text15{};
    QPlainTextEdit* Text14 = nullptr; // the message
    LineControl* Line1 = nullptr;
    // The stamps lie on the writing side, so that its pictures show them.
    std::array<PictureBox*, StampCount> Picture4{};

    PictureBox* Picture3 = nullptr; // scratch of the whole-card hand-offs

    // The index of the stamp shown.
    int Label1 = PlainStamp;

    // The heading, the message and the address: what the text tools restyle, in that order.
    QList<QWidget*> styledTexts() const;

private:
    void placeListedPicture();
    void stepTextSize(double step);
};
