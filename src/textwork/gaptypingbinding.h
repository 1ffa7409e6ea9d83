#pragma once
#include "textwork/gaptypingengine.h"

#include <QObject>
#include <QPointer>

class GapTextBox;
class QLabel;
class QPlainTextEdit;
class QTimer;

// Binds a GapTypingEngine to a window's controls: the events of Text1 and Timer1 go to the
// engine, and what the engine holds is shown in Text1 (its caret included), the hidden Text2 and
// Text3, the labels and the hint panel. Texts written into Text1, Text2 or Text3 by the window
// itself reach the engine as new texts. The timer ticks after each event until the caret rests.
class GapTypingBinding : public QObject {
    Q_OBJECT
public:
    // The controls a window has; the ones it lacks stay null.
    struct Controls {
        GapTextBox* Text1 = nullptr;
        QPlainTextEdit* Text2 = nullptr;
        QPlainTextEdit* Text3 = nullptr;
        QLabel* Label9 = nullptr;
        QLabel* Label10 = nullptr;
        QLabel* Label11 = nullptr;
        QWidget* Picture2 = nullptr;
        QLabel* Label17 = nullptr;
        QTimer* Timer1 = nullptr;
    };

    GapTypingBinding(GapTypingEngine& engine, const Controls& controls, QObject* parent);

    // A builder's exercise: Text1, Text2 and the counter, the caret at 1.
    void startExercise(const QString& gapped, const QString& answer, int blanks);
    // Shows what the engine holds.
    void refresh();

    void Text1_KeyDown(int KeyCode);
    void Text1_KeyPress(QChar typed);
    void Text1_KeyUp(int KeyCode);
    void Text1_Click();
    void Text1_MouseDown();
    void Text1_MouseMove();
    void Timer1_Timer();

    // Timer ticks so far.
    int ticks() const { return ticks_; }

private:
    void showText();
    void showCaret();
    void showState();
    // Starts the timer: a tick follows every key, click, caret move and new text.
    void wake();
    void text1Changed();
    void caretMoved();

    GapTypingEngine& engine_;
    Controls c_;
    bool syncing_ = false;
    int ticks_ = 0;
};

// The text of a text box with every line break as "\n" and nothing else changed.
QString boxText(const QPlainTextEdit* box);
