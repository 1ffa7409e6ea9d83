#include "platform/displaymodes.h"
#include "platform/xrandrdisplaymodes.h"

#include <QGuiApplication>
#include <QScreen>

QSize NoDisplayModes::currentSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

std::unique_ptr<DisplayModes> createDisplayModes() {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return std::make_unique<XRandrDisplayModes>();
    return std::make_unique<NoDisplayModes>();
}
