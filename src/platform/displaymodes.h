#pragma once
#include <QList>
#include <QSize>
#include <memory>

// One mode the display can be switched to.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int frequency = 0;        // refresh rate in Hz, 0 when unknown
    unsigned long native = 0; // the platform's own handle of the mode
    QSize size() const { return QSize(width, height); }
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// The display settings: which modes the screen offers, its size now, and switching to a mode.
// A switch lasts for the session; nothing is stored as the display's default.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // Every mode of the current display, always in the same order; empty where none can be listed.
    virtual QList<DisplayMode> modes() = 0;
    // The size of the screen in pixels now.
    virtual QSize currentSize() = 0;
    // Switches the display to one of the modes listed; false when the switch was refused.
    virtual bool apply(const DisplayMode& mode) = 0;
};

// Lists no mode and switches nothing: for platforms without display settings (Wayland, offscreen).
class NoDisplayModes : public DisplayModes {
public:
    QList<DisplayMode> modes() override { return {}; }
    QSize currentSize() override;
    bool apply(const DisplayMode&) override { return false; }
};

// XRandR when the program runs on X11, no modes elsewhere. Call once the QGuiApplication exists.
std::unique_ptr<DisplayModes> createDisplayModes();
