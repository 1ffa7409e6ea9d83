#pragma once
#include "core/controls.h"
#include "core/formwindow.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QSize>
#include <array>
#include <optional>

class ClickZone;
class PictureFileList;
class QLineEdit;
class QListWidget;
struct Snapshot;

// A picture layer of the montage: a picture box that may take a single sunken border.
class LayerPicture : public PictureBox {
    Q_OBJECT
public:
    explicit LayerPicture(QWidget* parent = nullptr);
    bool bordered() const { return bordered_; }
    void setBordered(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool bordered_ = false;
};

// A text layer of the montage: a multi-line box without a frame until it is given a border. It
// keeps the width and height the montage gives it (twips), but is drawn at least one character
// wide and one line of its font high, so that a narrow or flat layer still shows its text.
class TextLayer : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextLayer(QWidget* parent = nullptr);
    QSize partSize() const { return part_; }
    void setPartSize(QSize twips);
    int pointSize() const { return font().pointSize(); }
    void setPointSize(int points);
    void setFontName(const QString& family);
    bool bordered() const { return bordered_; }
    void setBordered(bool on);

private:
    void fit();
    QSize part_;
    bool bordered_ = false;
};

// The canvas: a box with a sunken border whose inner surface holds the layers; the surface keeps
// a painted picture over its ground colour.
class MontageCanvas : public QFrame {
    Q_OBJECT
public:
    static constexpr int Border = 2;
    explicit MontageCanvas(QWidget* parent = nullptr);
    PictureBox* surface = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The montage: picture and text layers placed, moved and resized on a canvas.
class Form9 : public MainForm {
    Q_OBJECT
public:
    explicit Form9(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static QString caption() { return QStringLiteral("Taudrin'TXT MONTATGE DE TEXT I GRAFICS"); }
    static constexpr int Slots = 9;

    void File1_Click();
    void Image2_MouseUp(Qt::MouseButton Button);
    void Label40_Click();
    void Label41_Click();
    void Label42_Click();
    void Label44_Click();
    void Label23_Click(int Index);
    void Label23_DblClick(int Index);
    void Label5_Click();
    void Label6_Click();
    void Text1_KeyUp(int KeyCode);
    void Label2_Click();
    void Label3_Click();
    // A press on a layer, at a point inside it (pixels).
    void Picture33_MouseDown(int Index, Qt::MouseButton Button, QPointF pos);
    void Label23_MouseDown(int Index, Qt::MouseButton Button, QPointF pos);
    // Moves and releases in the canvas's coordinates (pixels), wherever Qt reported them.
    void Picture32_MouseMove(QPointF pos);
    void Picture32_MouseUp(Qt::MouseButton Button, QPointF pos);
    void Picture33_MouseUp(int Index, Qt::MouseButton Button);
    void Label23_MouseUp(int Index, Qt::MouseButton Button);
    void Label4_Click();
    void Picture2_MouseUp(Qt::MouseButton Button, QPointF pos);
    void Label10_Click();
    void Label7_MouseDown();
    void Label14_Click();
    void List2_Click();
    void Label13_Click();
    void Label9_Click();
    void Label8_Click();
    void SASASA_Click();
    void ERER_Click();

    QWidget* client = nullptr;
    QAction* SASASA = nullptr; // "IMATGES"
    QAction* ERER = nullptr;   // "NAVEGADOR"
    PictureFileList* File1 = nullptr;
    ImageBox* Image2 = nullptr;
    PictureBox* Picture2 = nullptr; // the palette
    MontageCanvas* Picture32 = nullptr;
    std::array<LayerPicture*, Slots> Picture33{};
    std::array<TextLayer*, Slots> label23{};
    PictureBox* Picture5 = nullptr; // the toolbar
    ClickZone* Label8 = nullptr;
    ClickZone* Label13 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label41 = nullptr;
    ClickZone* Label10 = nullptr;
    ClickZone* Label42 = nullptr;
    ClickZone* Label40 = nullptr;
    ClickZone* Label44 = nullptr;
    ClickZone* Label14 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label4 = nullptr;
    ClickZone* Label3 = nullptr;
    ClickZone* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    PictureBox* Picture6 = nullptr;  // the chosen file at its real size
    PictureBox* Picture35 = nullptr; // holder of a picture layer being resized
    PictureBox* Picture8 = nullptr;  // scratch of the hand-offs
    PictureBox* Picture7 = nullptr;  // swatch of the picked colour
    PictureBox* Picture68 = nullptr; // the picked colour, kept
    QListWidget* List2 = nullptr;    // printer fonts
    QListWidget* List1 = nullptr;    // the text kind of each slot

    // The window's state.
    int Label59 = 0; // the next slot
    int LABEL58 = 0; // the slot of the selected layer
    int Label26 = 0; // its kind: 1 picture, 2 text, 0 none
    int LABEL57 = 1; // 1 while a drag is under way
    int Label24 = 0; // grab offset in twips
    int Label25 = 0;
    QString Label11;                               // "P" or "T": what the resize buttons act on
    QString Label61 = QStringLiteral("000000000"); // the kind last placed, pressed or dragged

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeText(const QString& kind, bool fromInputBox);
    void pressLayer(int kind, int index, QPointF pos);
    void setLayersEnabled(bool on);
    void resizeSelected(bool enlarge);
    void resizePictureLayer(int slot, bool enlarge);
    void resizeTextLayer(int slot, bool enlarge);
    // The text typed in the "ENTRAR EL TEXTO" box; nothing when it was cancelled.
    std::optional<QString> askText();
    QWidget* layerWidget(int kind, int index) const;
    void setCanvasColour(const QColor& colour);
    Snapshot page() const;

    // The layer the last press went to (kind 1 picture, 2 text; 0 the canvas itself).
    int pressedKind_ = 0;
    int pressedIndex_ = 0;
};
