#pragma once
#include <QPlainTextEdit>

// A second caption: several lines, holding no more than its record in a saved strip keeps, so
// nothing typed is lost on saving. Typing past the limit is refused; a paste is cut to fit.
class CaptionBox : public QPlainTextEdit {
public:
    explicit CaptionBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The bytes left for an insertion in place of the selection.
    int room() const;
    void keepWithinLimit();
};
