#pragma once
#include "core/formwindow.h"
#include "documents/cardsheet.h"

#include <array>

class BorderedBox;
class ClickZone;
class ColourTintOverlay;
class InvertFrame;
class PictureBox;
class PictureFileList;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;

// The business cards: twelve cards on two sheets, their text typed once under them and styled
// together, a picture on every card, and the visible sheet handed to the outside programs.
class Form17 : public MainForm {
    Q_OBJECT
public:
    explicit Form17(Services& services);

    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14940;
    static constexpr int ClientHeightTwips = 10335;
    static QString caption() { return QStringLiteral("Taudrin-Targetes"); }

    // Each box copies its text onto its line of all 24 cards.
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Label4_Click(); // "Arial"
    void Label5_Click(); // "Comic Sans MS"
    void Label6_Click(); // "Times New Roman"
    void Label7_Click(); // the font dialog
    void Label8_Click(); // one point larger
    void Label9_Click(); // one point smaller
    void fons_Click();
    void quadre_Click();
    void aq1_Click();
    void aq2_Click();
    void aq3_Click();
    void aq4_Click();
    void aq5_Click();

    void Label1_Click(); // picture mode off
    void Label3_Click(); // picture mode on
    void ssss3_Click();  // "imatges"
    void File1_Click();
    void Picture2_Click(int Index);
    void Label10_Click(); // sheet to the picture editor
    void Label11_Click(); // sheet to a document
    void Label12_Click(); // sheet to the office suite

    // The labels of one line, indices 0 to 23.
    const std::array<QLabel*, cardsheet::LabelCount>& fieldLabels(cardsheet::Field field) const;
    // All 120 card labels, line by line.
    QList<QLabel*> cardLabels() const;
    bool pictureMode() const;
    bool backgroundShown() const;

    QWidget* client = nullptr;
    QAction* ssss3 = nullptr; // menu "imatges"
    QMenu* tipus = nullptr;
    QAction* quadre = nullptr;    // "imatge en quadre"
    QAction* fons = nullptr;      // "imatge en fons"
    QMenu* coloursMenu = nullptr; // "colors fonts"
    QAction* aq1 = nullptr;
    QAction* aq2 = nullptr;
    QAction* aq3 = nullptr;
    QAction* aq4 = nullptr;
    QAction* aq5 = nullptr;

    PictureBox* Picture3 = nullptr;  // the beige strip
    BorderedBox* Picture5 = nullptr; // the tool panel
    ClickZone* Label1 = nullptr;
    ClickZone* Label3 = nullptr;
    ClickZone* Label7 = nullptr;
    ClickZone* Label4 = nullptr;
    ClickZone* Label5 = nullptr;
    ClickZone* Label6 = nullptr;
    ClickZone* Label8 = nullptr;
    ClickZone* Label9 = nullptr;
    ClickZone* Label12 = nullptr;
    ClickZone* Label11 = nullptr;
    ClickZone* Label10 = nullptr;
    InvertFrame* Shape1 = nullptr; // picture mode on
    InvertFrame* Shape2 = nullptr; // picture mode off
    PictureFileList* File1 = nullptr;

    PictureBox* Picture7 = nullptr;                             // the background sheet
    PictureBox* bases = nullptr;                                // the frame sheet
    std::array<BorderedBox*, cardsheet::LabelCount> Picture1{}; // card panels
    std::array<BorderedBox*, cardsheet::LabelCount> Picture2{}; // picture boxes
    std::array<ColourTintOverlay*, cardsheet::CardCount> Shape4{};
    std::array<QLabel*, cardsheet::LabelCount> NOM{};
    std::array<QLabel*, cardsheet::LabelCount> EMAIL{};
    std::array<QLabel*, cardsheet::LabelCount> TELEFON{};
    std::array<QLabel*, cardsheet::LabelCount> CALLE{};
    std::array<QLabel*, cardsheet::LabelCount> CIUTAT{};

    QLineEdit* Text1 = nullptr;      // name
    QLineEdit* Text2 = nullptr;      // e-mail
    QLineEdit* Text5 = nullptr;      // street
    QLineEdit* Text4 = nullptr;      // phone
    QLineEdit* Text3 = nullptr;      // town
    std::array<QLabel*, 6> Label2{}; // the boxes' captions; there is no Label2(2)

    PictureBox* Picture4 = nullptr; // loader of the listed picture
    PictureBox* Picture6 = nullptr; // scratch of the sheet hand-offs

private:
    void buildSheet(cardsheet::Sheet sheet);
    void copyText(cardsheet::Field field, const QString& text);
    void setFontFamily(const QString& family);
    void stepFontSize(double step);
    void showTintItem(int item);
    void showSheet(bool background);
    // The listed picture at a size in twips, kept in the loader; null when nothing loads.
    QImage loadSelected(QSize twips);
};
