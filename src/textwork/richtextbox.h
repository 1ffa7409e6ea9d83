#pragma once
#include <QHash>
#include <QImage>
#include <QTextEdit>
#include <QUrl>

class QMimeData;
class QTextCursor;

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

private:
    // The steps of a paste, on the text it put in (positions start..end).
    void sizePastedTextInPoints(QTextCursor& edit, int start, int end);
    void namePastedPictures(QTextCursor& edit, const QHash<QString, QImage>& pictures, int start, int end);
};
