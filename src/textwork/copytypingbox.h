#pragma once
#include <QPlainTextEdit>
#include <QPointF>

// The copy-typing box: a multiline text box that reports each key as it goes down (before the box
// handles it) and as it comes up (after), its double clicks, and every pointer move over it, with
// or without a button held.
class CopyTypingBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CopyTypingBox(QWidget* parent = nullptr);

    // Lines wrap this many pixels short of the box's right edge (where the window cuts it off).
    void setHiddenRight(int pixels);

    // 13 Enter, 8 Backspace, 46 Delete, 0 any other key.
    static int keyCodeOf(int qtKey);

Q_SIGNALS:
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);
    void DblClick();
    void MouseMove(QPointF pos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
