#pragma once
#include "core/formwindow.h"
#include "textwork/gaptypingengine.h"

class GapTextBox;
class GapTypingBinding;
class PictureBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
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

    // One blank filled.
    void bata();
    void Timer1_Timer();
    // Puts the text on the clipboard into Text1 and Text3.
    void pasteClipboardText();

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

    // The engine keeps the pending edit (Label3 to Label6) and Label11.
    GapTypingEngine engine{GapTypingEngine::Variant::Spelling};
    GapTypingBinding* typing = nullptr;
};
