#pragma once
#include "core/formwindow.h"

#include <QList>
#include <QStringList>
#include <array>

class ClickZone;
class ImageBox;
class PictureBox;
class PictureFileList;
class QAction;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SwatchButton;
class ColourTintOverlay;
struct Snapshot;

// A light grey frame drawn round the calendar sheet.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    explicit FrameShape(QWidget* parent = nullptr);
    QColor BorderColor() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{0xE0, 0xE0, 0xE0};
};

// The month calendar: a month sheet with a picture and the user's own words, handed out as one
// picture.
class Form2 : public MainForm {
    Q_OBJECT
public:
    explicit Form2(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 11310;
    static constexpr int ClientHeightTwips = 10320;
    static QString caption() { return QStringLiteral("Taudrin'TXT EL CALENDARI"); }

    // Rebuilds the day grid for the month Text7 holds.
    void refrescar2();

    void Form_Activate();
    void Combo1_Click();
    void Combo2_Click();
    void saasasa_Click();
    void wwwee_Click();
    void File1_Click();
    void Picture16_MouseUp(Qt::MouseButton button);
    void Image1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Label7_Click();
    void Label2_Click();
    void Label9_Click();

    QWidget* client = nullptr;
    QAction* saasasa = nullptr; // menu "IMATGES"
    QAction* wwwee = nullptr;   // menu "NAVEGADOR"

    // The right-hand panel and the sheet on it.
    PictureBox* Picture15 = nullptr;
    FrameShape* Shape2 = nullptr;
    PictureBox* Picture17 = nullptr;
    PictureBox* Picture16 = nullptr; // the picture slot
    ColourTintOverlay* Shape6 = nullptr;
    std::array<QLineEdit*, 42> textdia{};
    std::array<QLineEdit*, 2> Text9{}; // month name, year
    QPlainTextEdit* Text11 = nullptr;
    QLineEdit* Text10 = nullptr;

    // The left-hand panel.
    PictureFileList* File1 = nullptr;
    ImageBox* Image1 = nullptr;
    PictureBox* Picture1 = nullptr; // office suite, document and picture editor icons
    ClickZone* Label9 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label2 = nullptr;
    QComboBox* Combo2 = nullptr; // month
    QComboBox* Combo1 = nullptr; // year
    SwatchButton* Command1 = nullptr;
    SwatchButton* Command2 = nullptr;
    SwatchButton* Command3 = nullptr;
    SwatchButton* Command4 = nullptr;
    SwatchButton* Command5 = nullptr;
    SwatchButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr; // "...": hides the tint
    SwatchButton* Command8 = nullptr;
    SwatchButton* Command9 = nullptr;

    PictureBox* Picture7 = nullptr; // hidden: keeps the last page handed out

    QString Text7;      // the chosen month: month number, "-", the year text
    QString Text6;      // its 1st as "dd/mm/yyyy"
    QStringList Lista1; // the month's day numbers
    QList<int> Lista2;  // the column of each

protected:
    void changeEvent(QEvent* event) override;

private:
    void monthChosen();
    Snapshot sheet() const;
};
