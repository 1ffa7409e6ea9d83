#pragma once
#include <QObject>
#include <QPointF>

class QWidget;

// Gives a control mouse handlers of its own: reports its presses, moves (also without a button
// held), releases and left clicks as signals, and keeps every mouse event from reaching its
// container, so that the window behind never takes a move over the control for one of its own.
class MouseEvents : public QObject {
    Q_OBJECT
public:
    explicit MouseEvents(QWidget* control);

Q_SIGNALS:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF pos);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF pos);
    void Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    bool leftDown_ = false;
};
