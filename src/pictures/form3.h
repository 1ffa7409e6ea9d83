#pragma once
#include "core/formwindow.h"
#include "pictures/cutdrag.h"
#include "pictures/picturefiles.h"

#include <QImage>

class PictureBox;
class PictureFileList;
class QAction;
class QMenu;

// The band of the cut-out window: a 1-pixel outline over the display's picture that shows the
// inverse of (outline colour AND picture), so it stays visible on any picture.
class BandOutline : public QWidget {
    Q_OBJECT
public:
    explicit BandOutline(QWidget* parent = nullptr);
    QColor BorderColor() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{128, 128, 255};
};

// The cut-out piece: a picture box with a sunken 2-pixel border; its picture fills the inner area.
class PieceBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int Border = 2;
    explicit PieceBox(QWidget* parent = nullptr);
    QSize innerSize() const;
    const QImage& Picture() const { return inner_; }
    // Clears the inner area to the background, at the box's present size.
    void clear();
    void setPicture(const QImage& inner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage inner_;
};

// The scissors: cut a rectangle out of a picture and keep it as a bitmap of its own.
class Form3 : public MainForm {
    Q_OBJECT
public:
    explicit Form3(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static QString caption() { return QStringLiteral("Taudrin'TXT  LA TISORA DE RETALLAR"); }
    static constexpr int SignalTwips = 3250;

    void tapetas_Click();
    void lista_Click(int Index);
    void ssdddd_Click();
    void TRYUU_Click();
    void wwww_Click();
    void Picture12W_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Picture12W_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF pos);
    void Picture12W_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Picture13W_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    // Writes the piece into "dibuixos/dibuixostemporals" under a new random name and runs the
    // bar's signal; returns the file written, empty when none was.
    QString SavePiece();

    QWidget* client = nullptr;
    QAction* tapetas = nullptr;
    QMenu* grafics = nullptr; // "GRÀFICS/FOTOS"
    PictureMenu lista{};
    QAction* ssdddd = nullptr;
    QAction* TRYUU = nullptr;
    QAction* wwww = nullptr;

    PictureBox* Picture65 = nullptr; // the save signal bar
    PictureBox* Picture3 = nullptr;  // holder of the loaded picture
    PictureFileList* File1 = nullptr;
    PictureBox* Picture12W = nullptr; // the display
    BandOutline* Shape1 = nullptr;
    PieceBox* Picture13W = nullptr;

    // The drag: the six state values and the band's place, in twips.
    CutDrag drag;

    QSizeF screen; // twips

private:
    void showBand();
    void fitHeldPicture(double limit);
};
