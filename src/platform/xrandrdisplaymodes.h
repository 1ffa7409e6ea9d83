#pragma once
#include "platform/displaymodes.h"

// The modes of the primary output through the X Resize and Rotate extension (1.2 or later).
// Each call opens its own short connection to the display the program runs on; X errors are
// caught there and turn into "no modes" or a refused switch, never into an exit.
class XRandrDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes() override;
    QSize currentSize() override;
    bool apply(const DisplayMode& mode) override;
};
