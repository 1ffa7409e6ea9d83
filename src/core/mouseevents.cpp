#include "core/mouseevents.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

MouseEvents::MouseEvents(QWidget* control) : QObject(control), control_(control) {
    control->setMouseTracking(true);
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(this);
}

bool MouseEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) leftDown_ = true;
        e->accept();
        Q_EMIT MouseDown(e->button(), e->modifiers(), e->position());
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        e->accept();
        Q_EMIT MouseMove(e->buttons(), e->modifiers(), e->position());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        e->accept();
        // A click is a left press and release over the control; the release is reported first.
        const bool click =
            e->button() == Qt::LeftButton && leftDown_ && control_->rect().contains(e->position().toPoint());
        if (e->button() == Qt::LeftButton) leftDown_ = false;
        const QPointer<MouseEvents> alive(this);
        Q_EMIT MouseUp(e->button(), e->modifiers(), e->position());
        if (click && alive) Q_EMIT Click();
        return true;
    }
    default:
        return false;
    }
}
