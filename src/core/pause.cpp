#include "core/pause.h"
#include "core/services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <utility>
#include <vector>

namespace {
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return true;
    default:
        return false;
    }
}

// The window system's own input waits in its queue while the nested loop excludes user input.
// Input that reaches objects by other roads (sent or posted by the program itself) is held here
// and posted again after the pause. The guard's deferred deletion is held too: a window closed
// during the pause is deleted once its caller has returned, never under its feet, and the input
// held for it is dropped.
class PauseHolder : public QObject {
public:
    explicit PauseHolder(QObject* guard) : guard_(guard) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PauseHolder() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool guardClosed() const { return guardClosed_; }

    // Posts what was held: the input in the order it came, then the guard's deletion.
    void release() {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [receiver, event] : held_)
            if (receiver && !(guardClosed_ && belongsToGuard(receiver)))
                QCoreApplication::postEvent(receiver, event.release());
        held_.clear();
        if (guardClosed_ && guard_) QCoreApplication::postEvent(guard_, new QDeferredDeleteEvent());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DeferredDelete && watched == guard_) {
            guardClosed_ = true;
            return true;
        }
        if (!isUserInput(event->type())) return false;
        held_.emplace_back(watched, event->clone());
        event->accept();
        return true;
    }

private:
    // The guard itself, one of its children, or its window on the screen.
    bool belongsToGuard(const QObject* object) const {
        if (!guard_) return false;
        if (const auto* widget = qobject_cast<const QWidget*>(guard_.data()))
            if (object == widget->windowHandle()) return true;
        for (; object; object = object->parent())
            if (object == guard_) return true;
        return false;
    }

    QPointer<QObject> guard_;
    bool guardClosed_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};
} // namespace

bool pause(const Services& services, int milliseconds, QObject* guard) {
    const QPointer<QObject> alive(guard);
    const qint64 length = qint64(milliseconds) * services.pauseScale / 100;
    if (length <= 0) return !alive.isNull();

    PauseHolder holder(guard);
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(length), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // A window closed as the pause ended is found out now, not after its caller went on.
    if (alive) QCoreApplication::sendPostedEvents(alive, QEvent::DeferredDelete);
    holder.release();
    return !alive.isNull() && !holder.guardClosed();
}
