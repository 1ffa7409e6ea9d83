#pragma once
#include <QTextEdit>
#include <QUrl>

class QMimeData;

// The word processor's text area: a rich-text editor that also pastes pictures from the
// clipboard, and reports a Ctrl+click on a link.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr) : QTextEdit(parent) {}

    // The picture at the caret, replacing the selection.
    void insertPicture(const QImage& picture);
    // Whether a paste of this clipboard content puts in its picture rather than its text.
    static bool pastesAsPicture(const QMimeData* source);

Q_SIGNALS:
    void linkOpened(const QUrl& url);

protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
