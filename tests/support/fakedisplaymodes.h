#pragma once
#include "platform/displaymodes.h"

// Display modes from a script: the modes listed, the screen's size, and every switch asked for.
// A switch to a listed mode changes the size, unless refuse is set.
class FakeDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes() override { return scripted; }
    QSize currentSize() override { return screen; }
    bool apply(const DisplayMode& mode) override {
        applied.append(mode);
        if (refuse || !scripted.contains(mode)) return false;
        screen = mode.size();
        return true;
    }

    QList<DisplayMode> scripted;
    QSize screen{1280, 1024};
    bool refuse = false;
    QList<DisplayMode> applied;
};
