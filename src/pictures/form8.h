#pragma once
#include "core/formwindow.h"
#include "pictures/photopacking.h"

#include <QColor>
#include <QImage>
#include <array>

class ImageBox;
class PictureBox;
class PictureFileList;
class QAction;
class QLabel;

// A rectangle shape drawn on its container: its border only, as its fill style is transparent.
class RectangleShape : public QWidget {
    Q_OBJECT
public:
    explicit RectangleShape(QWidget* parent = nullptr);
    QColor FillColor() const { return fill_; }
    void setFillColor(const QColor& colour);
    QColor BorderColor() const { return border_; }
    void setBorderColor(const QColor& colour);
    bool FillTransparent() const { return transparent_; }
    void setFillTransparent(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_{Qt::white};
    QColor border_{Qt::black};
    bool transparent_ = false;
};

// The photo packing: every picture of a folder, a few to a row, into a new office document.
class Form8 : public MainForm {
    Q_OBJECT
public:
    explicit Form8(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 11445;
    static constexpr int ClientHeightTwips = 5955;
    static QString caption() { return QStringLiteral("Taudrin'TXT EMPAQUETAR EN EL WORD"); }

    void saassa_Click();
    void File1_Click();
    void Label20_MouseMove(int Index);
    void Label20_MouseUp(int Index);

    QWidget* client = nullptr;
    QAction* saassa = nullptr; // "IMATGES"
    PictureBox* Picture51 = nullptr;
    RectangleShape* Shape1 = nullptr;
    PictureFileList* File1 = nullptr;
    PictureBox* Picture64 = nullptr;                 // the layout picture
    std::array<QLabel*, PhotoLayoutCount> Label20{}; // no members 4 and 5
    PictureBox* Picture1 = nullptr;                  // the preview frame
    ImageBox* Image1 = nullptr;
    PictureBox* Picture3 = nullptr; // scratch: the last photo at its layout's size

    // The layout index, the hot area the pointer last moved over.
    int Label33 = 0;

    // The screen the photo size is taken from, in twips.
    QSizeF screen;
};
