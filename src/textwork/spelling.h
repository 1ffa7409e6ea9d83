#pragma once
#include "core/formwindow.h"
#include "textwork/gaptypingengine.h"
#include "textwork/spellinggaps.h"

#include <array>

class ClickZone;
class GapTextBox;
class GapTypingBinding;
class PictureBox;
class QAction;
class QMenu;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Spelling exercises: a class of letters of a text is hidden behind blanks and the learner types
// them back, each key checked as it comes; a wrong key shows the word in a yellow panel.
class cancions : public MainForm {
    Q_OBJECT
public:
    explicit cancions(Services& services);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    static constexpr int ClientWidthTwips = 12210;
    static constexpr int ClientHeightTwips = 8400;
    static QString caption() { return QStringLiteral("Taudrin'ortografia"); }

    // Where the exercise buttons stand: rows of buttons from the left of the work area.
    static constexpr int ButtonsLeft = 120;
    static constexpr int ButtonsTop = 5160;
    static constexpr int ButtonStep = 720;
    static constexpr int ButtonWidth = 690;
    static constexpr int RowStep = 390;
    static constexpr int ButtonHeight = 360;

    // The exercise buttons: each hides one class of letters of the source text Text3.
    void pp_Click(int Index);
    void vo_Click(int Index);
    void ppp_Click(int Index);
    void ccc_Click(int Index);
    void pppp_Click(int Index);
    void ssi_Click(int Index);
    void Command3_Click();
    void Command9_Click();

    // One blank filled.
    void bata();
    void Timer1_Timer();
    // Puts the text on the clipboard into Text1 and Text3.
    void pasteClipboardText();

    // Text buttons, files, styling and hand-offs.
    static constexpr int TextButtonCount = 76;
    static constexpr int TextButtonsPerRow = 38;
    static constexpr int SizeStep = 5; // points
    void Command4_MouseUp(int Index);  // loads built-in text Index
    void Command4_Click(int Index);
    void desareee_Click();  // "Desar"
    void obroirirr_Click(); // "Obrir"
    void DDDD_Click();      // "NAVEGADOR"
    void Label13_Click(int Index);
    void Label21_Click();
    void Label22_Click();
    void Label23_Click();
    void Label24_Click();
    void Label19_Click();
    void Label20_Click();
    void Label25_Click();
    void Label26_Click();
    void Label17_Click();
    void Picture2_Click();
    void Picture1_MouseUp(Qt::MouseButton Button, QPointF pos);
    void Label18_Click();
    void Label19eeee_Click();
    // Opens an empty scratch text in the desktop's text editor; nothing calls it.
    bool StartNotepad();
    // "ortografia" in the program folder, where the file dialogs start.
    QString spellingFolder() const;

    QWidget* client = nullptr; // the window's background, below the menu bar
    QFrame* Shape1 = nullptr;  // frames the work area
    GapTextBox* Text1 = nullptr;
    QPlainTextEdit* Text2 = nullptr; // the answer, hidden
    QPlainTextEdit* Text3 = nullptr; // the source text, hidden
    QFrame* Shape3 = nullptr;        // frames the counter row
    QLabel* Label15 = nullptr;       // "espais:"
    QLabel* Label9 = nullptr;        // the caret position
    QLabel* Label10 = nullptr;       // blanks still to fill
    PictureBox* Picture2 = nullptr;  // the hint panel
    QLabel* Label17 = nullptr;       // the word in it
    QTimer* Timer1 = nullptr;

    std::array<QPushButton*, 12> pp{};  // letter pairs, "v-b" to "c-ç"
    std::array<QPushButton*, 5> vo{};   // vowel pairs
    std::array<QPushButton*, 6> ppp{};  // a letter and a pair; there is no ppp(4)
    std::array<QPushButton*, 11> ccc{}; // digraphs
    std::array<QPushButton*, 7> pppp{}; // two pairs
    std::array<QPushButton*, 8> ssi{};  // two articles: only ssi(0) and ssi(7)
    QPushButton* Command3 = nullptr;    // "voc", the vowels
    std::array<QLineEdit*, 8> Text6{};  // the learner's own letter groups
    QPushButton* Command9 = nullptr;    // hides the letter groups
    QLabel* etis = nullptr;             // the exercise last built

    std::array<QPushButton*, TextButtonCount> Command4{};
    QLabel* Label16 = nullptr;      // the text button last clicked, hidden
    QLabel* este = nullptr;         // hidden
    PictureBox* Picture3 = nullptr; // the tool strip
    PictureBox* Picture1 = nullptr; // its palette
    PictureBox* Picture4 = nullptr; // a white swatch
    ClickZone* Label26 = nullptr;
    ClickZone* Label25 = nullptr;
    ClickZone* Label23 = nullptr;
    ClickZone* Label24 = nullptr;
    ClickZone* Label22 = nullptr;
    ClickZone* Label21 = nullptr;
    ClickZone* Label20 = nullptr;
    ClickZone* Label19 = nullptr;
    ClickZone* Label18 = nullptr;
    ClickZone* Label19eeee = nullptr;
    PictureBox* presetSamples = nullptr; // what lies under the presets
    std::array<ClickZone*, 4> Label13{};
    QMenu* asdd = nullptr; // "ARXIUS"
    QAction* desareee = nullptr;
    QAction* obroirirr = nullptr;
    QAction* DDDD = nullptr;
    // The dialog keeps the filter of the last "Desar"; "Obrir" sets none of its own.
    QString CommonDialog2Filter;
    // The window's own font name, which the presets set.
    QString fontName = QStringLiteral("MS Sans Serif");

    // The engine keeps the pending edit (Label3 to Label6) and Label11.
    GapTypingEngine engine{GapTypingEngine::Variant::Spelling};
    GapTypingBinding* typing = nullptr;

private:
    void makeExerciseButtons();
    void makeTextTools(); // the tool strip, presets, text buttons and menus
    void setText1Font(const QString& name);
    void stepText1Size(int delta);
    void buildExercise(spellinggaps::Family family, const QString& caption);
};
