#pragma once
#include <QString>
#include <functional>

// Typing into the "_" blanks of a gapped text: the caret walks by itself to the next blank, a key
// typed there is checked against the answer at the same place, a right key fills the blank and
// counts one blank less, a wrong key is taken out again. The spelling window and the
// fill-the-blanks player each carry one; they differ in the points of Variant.
//
// Positions are caret positions, 0-based: the caret at p stands before character p. Every line
// break of every text is CR LF, two characters, as the record files hold them. The state the
// windows show or keep in hidden labels is held under those labels' names.
class GapTypingEngine {
public:
    enum class Variant {
        Spelling, // wrong keys show the hint panel; keys down and up, click and press as listed
        Player,   // a key filter first; Backspace is a wrong key; the counter is shown in Label11
    };
    // What became of a typed key.
    enum class KeyResult {
        Typed,     // the key went into Text1 as a text box types it
        TakenBack, // the key changed nothing
    };

    static constexpr QChar Blank = QLatin1Char('_');
    static constexpr QChar Backspace = QChar(8);
    static constexpr QChar Enter = QChar(13);
    static constexpr int KeyCodeDelete = 46;

    explicit GapTypingEngine(Variant variant);

    Variant variant() const { return variant_; }

    // The gapped text; a new text puts the caret at 0 and drops a pending edit.
    const QString& Text1() const { return text1_; }
    void setText1(const QString& text);
    // Text1 as the learner changed it in a text box while no blank was left (a paste, Delete, …).
    void editText1(const QString& text, int caret);
    // The answer, character k answering character k of Text1.
    const QString& Text2() const { return text2_; }
    void setText2(const QString& text) { text2_ = normalised(text); }
    // The source text: its length bounds the hint scan, and the hint takes its words from it.
    const QString& Text3() const { return text3_; }
    void setText3(const QString& text) { text3_ = normalised(text); }

    int caret() const { return caret_; }
    // Where the learner put the caret; kept within the text.
    void setCaret(int position);

    // What a builder hands over: the gapped text, its answer and the number of blanks; the caret
    // goes to 1 and any pending edit is dropped.
    void startExercise(const QString& gapped, const QString& answer, int blanks);

    // A blank to fill: a "_" of Text1 whose answer is another character. A "_" the answer holds
    // too (a text saved in the middle of an exercise) can never be filled, so it is passed over.
    bool blankAt(int position) const;
    // While Text1 holds a blank only the engine changes it.
    bool hasBlank() const;
    // Whether a tick would change nothing: the caret waits before a blank with no edit pending,
    // before three spaces, or at the end of the text.
    bool resting() const;

    // The handlers of the text box and the timer.
    KeyResult Text1_KeyPress(QChar typed);
    void Text1_KeyDown();
    void Text1_KeyUp(int KeyCode);
    void Text1_Click();
    void Text1_MouseDown();
    void Text1_MouseMove();
    void Timer1_Timer();
    // One blank filled.
    void bata();

    // The player's key filter: returns false to cancel a key before anything else happens.
    std::function<bool(QChar)> keyFilter;

    int Label3 = 0;                              // 1 while a prepared edit waits for a tick
    QString Label4 = QStringLiteral("Label4");   // the text before the caret after the edit
    QString Label5 = QStringLiteral("Label5");   // the text after it
    int Label6;                                  // where the caret returns after the edit
    QString Label9;                              // the caret position shown to the learner
    int Label10 = 0;                             // blanks still to fill
    QString Label11;                             // "Espais: " and the count
    bool Picture2 = false;                       // the hint panel is shown
    QString Label17 = QStringLiteral("Label17"); // the hint: the word as the source has it

private:
    static QString normalised(const QString& text);
    // An edit prepared while Text1 held a blank is applied before the next input is handled, so
    // no key or release ever finds the typed character still standing in front of its blank.
    void settle();
    void walk();
    void applyEdit();
    void showHint(int p);
    void typeIntoBox(QChar typed, int p);

    Variant variant_;
    QString text1_, text2_, text3_;
    int caret_ = 0;
    bool editWhileBlank_ = false; // the pending edit was prepared while Text1 held a blank
};
