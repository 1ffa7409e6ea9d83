#pragma once
#include "core/formwindow.h"
#include "textwork/gaptypingengine.h"
#include "textwork/playerrules.h"

#include <QPointF>

#include <array>
#include <optional>

class ClickZone;
class GapTextBox;
class GapTypingBinding;
class PictureBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;
struct GapExercise;

// Fill-the-blanks: a numbered exercise (or one from any file) is loaded, its first six keys become
// blanks, and the learner types the missing letters in while the full text stays in view.
class Form14 : public MainForm {
    Q_OBJECT
public:
    explicit Form14(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 14955;
    static constexpr int ClientHeightTwips = 10800;
    static QString caption() { return QStringLiteral("Taudrin'TXT Omplir lletres d'una paraula"); }

    void List1_Click();
    void AAAER_Click();
    void SAAAA_Click();
    void Label25_Click();
    void Label27_Click() { applyLayout(playerrules::Layout::GappedOnly); }
    void Label28_Click() { applyLayout(playerrules::Layout::FullTextOnly); }
    void Label29_Click() { applyLayout(playerrules::Layout::Stacked); }
    void Label30_Click() { applyLayout(playerrules::Layout::SideBySide); }

    // One blank filled.
    void bata();
    // One more exercise in the tally.
    void registre();
    // Blanks the keys of Text4 in Text1 as the boxes stand, then shows the full text.
    void BlankKeysAndShowOriginal();

    // The gap rules: each blanks one class of letters or words of Text1 and sets the counters
    // (playergaprules.cpp). Nothing in the window calls them.
    void pb();
    void dt();
    void çz();
    void ae();
    void cç();
    void cs();
    void trencada();
    void zeta();
    void jg();
    void mn();
    void rl();
    void uo();
    void vb();
    void vvbb();
    void cqu();
    void SSS();
    void xix();
    void aaa();
    void eee();
    void iii();
    void uuu();
    void vocals();
    void aquid();
    void laslos();
    void unouna();
    void sense();
    void inicial();
    void TOT();
    void atzar();
    void vv() {}

    QWidget* client = nullptr;
    QAction* AAAER = nullptr; // "ARXIUS"
    QAction* SAAAA = nullptr; // "EDITAR TEXTES"
    QListWidget* List1 = nullptr;
    PictureBox* Picture1 = nullptr;  // the toolbar
    ClickZone* Label25 = nullptr;    // the exercise editor
    ClickZone* Label27 = nullptr;    // gapped text only
    ClickZone* Label28 = nullptr;    // full text only
    ClickZone* Label29 = nullptr;    // stacked
    ClickZone* Label30 = nullptr;    // side by side
    PictureBox* Picture5 = nullptr;  // the text panel
    GapTextBox* Text1 = nullptr;     // the gapped text
    QPlainTextEdit* Text3 = nullptr; // the full text, for reading
    QFrame* Shape1 = nullptr;

    // Beyond the right edge.
    QFrame* Frame1 = nullptr;
    QPlainTextEdit* Text2 = nullptr; // the answer
    QFrame* Frame5 = nullptr;
    PictureBox* Picture4 = nullptr;
    QLineEdit* Text7 = nullptr;  // "Possició actual:"
    QLineEdit* Text6 = nullptr;  // the clock
    QLineEdit* Text8 = nullptr;  // elapsed time
    QLabel* Label8_15 = nullptr; // "Temps:"
    QLabel* Label9 = nullptr;    // the caret position
    QLabel* Label10 = nullptr;   // blanks still to fill
    QLabel* Label11 = nullptr;   // "Espais: " and the count
    QLabel* Label15 = nullptr;   // start minute, hidden
    QLabel* Label16 = nullptr;   // start second, hidden
    QFrame* Frame4 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* Label20 = nullptr;

    // State, hidden.
    QLineEdit* Text4 = nullptr;   // the keys field
    QListWidget* List2 = nullptr; // the keys
    QLabel* Label2 = nullptr;     // the file read last
    QLabel* Label12 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label18 = nullptr; // the tally
    QLabel* Label19 = nullptr; // blanks made by the last blanking
    QTimer* Timer1 = nullptr;  // the gap typing
    QTimer* clock = nullptr;   // Text6, once a second

    // Fonts, sizes, colours, the printing hand-off and speech (playertools.cpp).
    void Label22_Click(int Index);
    void Combo3_Click();
    void Label23_Click();
    void Label24_Click();
    void Picture6_Click() { showSizeMarker(0); }
    void Picture7_Click() { showSizeMarker(1); }
    void Picture8_Click() { showSizeMarker(2); }
    void Picture9_Click() { showSizeMarker(3); }
    void Picture1_MouseUp(Qt::MouseButton Button, QPointF pos);
    void Picture10_MouseUp(QPointF pos);
    void Picture2_MouseDown(QPointF pos);
    void Label26_Click();
    void Picture3_Click(int Index);
    void Picture5_MouseDown();
    // Carried for completeness; nothing invokes them.
    void SetGappedFontCourier();
    void SetGappedFontArial();
    void SetGappedFontComic();
    void SetGappedFontTimes();
    void GappedCaretToStart();

    std::array<ClickZone*, 4> Label22{};   // fonts: Arial, Courier New, Comic Sans MS, Times New Roman
    ClickZone* Label23 = nullptr;          // larger text
    ClickZone* Label24 = nullptr;          // smaller text
    ClickZone* Label26 = nullptr;          // hand the gapped text to the text editor
    PictureBox* Picture10 = nullptr;       // pen strip
    PictureBox* Picture2 = nullptr;        // background strip
    std::array<PictureBox*, 4> Picture3{}; // size markers
    PictureBox* Picture6 = nullptr;        // size zones, 12 to 36 points
    PictureBox* Picture7 = nullptr;
    PictureBox* Picture8 = nullptr;
    PictureBox* Picture9 = nullptr;

    GapTypingEngine engine{GapTypingEngine::Variant::Player};
    GapTypingBinding* typing = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeFrames();
    void applyLayout(playerrules::Layout layout);
    // Puts a read exercise into the boxes and blanks its keys; the window's state otherwise stays.
    void loadExercise(const GapExercise& exercise);
    // Splits the keys field, blanks the keys in Text1 and sets the counter.
    void blankKeys();
    QStringList keys() const;
    void showTime();
    void makeTools();
    void setGappedFont(const QString& family);
    void showSizeMarker(int k);
};
