#pragma once
#include "core/controls.h"

#include <QPlainTextEdit>

// The news page's text box: multi-line or single-line, plain text in one font and colour, with a
// thin border that can be switched off so a handed-out page shows none.
class NewsTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NewsTextBox(QWidget* parent = nullptr);

    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    // The most the box holds, counted as a saved page stores it (a line break counts two); 0 for
    // no limit. What a change would add past it is refused.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int length);
    // 0 none, 1 a single line.
    int BorderStyle() const { return border_; }
    void setBorderStyle(int style);

Q_SIGNALS:
    // A left click in the box, or the box reached with the tab key: it becomes the one restyled.
    void Click();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void keepWithinMaxLength();

    bool multiLine_ = true;
    int border_ = 1;
    int maxLength_ = 0;
    int changeEnd_ = 0; // where the last change's added text ends
    bool trimming_ = false;
};

// A picture slot: a picture box with a thin border that can be switched off.
class NewsSlot : public PictureBox {
    Q_OBJECT
public:
    explicit NewsSlot(QWidget* parent = nullptr);

    int BorderStyle() const { return border_; }
    void setBorderStyle(int style);
    // What the slot shows, as a picture of its own size: its ground with its picture over it.
    QImage Image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int border_ = 1;
};
