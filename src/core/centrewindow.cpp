#include "core/centrewindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->sizeHint().expandedTo(window->minimumSize());
    window->move(area.left() + qMax(0, (area.width() - size.width()) / 2),
                 area.top() + qMax(0, (area.height() - size.height()) / 2));
}
