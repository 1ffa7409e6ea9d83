#pragma once
#include <QPlainTextEdit>

// A part of the family letter: a text box of one line or several, plain text in one font and
// colour, with a border that can be switched off. Its text is held as the letter file holds it,
// every line break a CR LF pair, and never takes more than its record holds.
class LetterTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LetterTextBox(QWidget* parent = nullptr);

    // The text, line breaks as CR LF.
    QString Text() const;
    // Takes a text (any kind of line break), cut to what the record holds.
    void setText(const QString& text);

    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    // 0 none, 1 a single line.
    int BorderStyle() const { return border_; }
    void setBorderStyle(int style);

Q_SIGNALS:
    // A left button pressed and released in the box.
    void Click();
    // The mouse moved over the box, with or without a button held.
    void MouseMove();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void keepWithinRecord();

    bool multiLine_ = true;
    int border_ = 1;
    bool leftDown_ = false;
    int changeEnd_ = 0; // where the last change's added text ends
    bool trimming_ = false;
};
