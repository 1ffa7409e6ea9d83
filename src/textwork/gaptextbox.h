#pragma once
#include <QPlainTextEdit>

// The multiline text box the gap typing runs in. Typed characters (Backspace and Enter included,
// and what an input method commits) are not typed by the box but reported as KeyPress, so the
// engine decides what they do. While the box is locked (its text holds a blank) nothing else
// edits it: editing keys, paste, cut and drops change nothing; caret moves and copying still work.
class GapTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit GapTextBox(QWidget* parent = nullptr);

    void setLocked(bool locked) { locked_ = locked; }
    bool locked() const { return locked_; }
    // Whether the box is handling the learner's own input (a key, the mouse, a drop, its menu):
    // a change of its text made then is the learner's edit, any other one the program's.
    bool handlingInput() const { return inputDepth_ > 0; }

Q_SIGNALS:
    // Key codes: 46 Delete, 8 Backspace, 13 Enter, 0 any other key.
    void KeyDown(int keyCode);
    void KeyPress(QChar typed);
    void KeyUp(int keyCode);
    void MouseDown();
    void MouseMove();
    void Click();

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool locked_ = false;
    bool leftDown_ = false;
    int inputDepth_ = 0;
};
