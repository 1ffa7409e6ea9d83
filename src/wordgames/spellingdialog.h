#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class SpellingWalk;

// The spelling dialog: walks the misspelt words of a text box one by one, selecting each in the
// box, and lets the user change it (to a suggestion or a word typed), leave it, or stop. Every
// change goes into the box at once, so stopping keeps what was changed.
class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    SpellingDialog(QWidget* parent, QPlainTextEdit* box, SpellingWalk& walk, class SpellChecker& checker);

    // Shows the walk's current word (the caller has moved to the first) and runs until the walk
    // ends or the user stops.
    int exec() override;

    QLabel* Word = nullptr;
    QListWidget* Suggestions = nullptr;
    QLineEdit* Replacement = nullptr;
    QPushButton* Change = nullptr;
    QPushButton* Ignore = nullptr;
    QPushButton* Stop = nullptr;

private:
    void showCurrent();
    void moveOn();
    void changeWord();

    QPlainTextEdit* box_;
    SpellingWalk& walk_;
    SpellChecker& checker_;
};
