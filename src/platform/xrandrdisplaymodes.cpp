#include "platform/xrandrdisplaymodes.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {
Q_LOGGING_CATEGORY(lcDisplay, "taudrin.display")

// Xlib reports errors later and its default handler ends the program; while we talk to the
// server they are only counted.
int xErrors = 0;
int countError(Display*, XErrorEvent*) {
    ++xErrors;
    return 0;
}

struct ResourcesFree {
    void operator()(XRRScreenResources* r) const { XRRFreeScreenResources(r); }
};
struct OutputFree {
    void operator()(XRROutputInfo* o) const { XRRFreeOutputInfo(o); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* c) const { XRRFreeCrtcInfo(c); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcFree>;

// A connection of our own to the display Qt uses, with RandR 1.2 checked and errors caught.
class XConnection {
public:
    XConnection() {
        QByteArray name;
        if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
            if (Display* qtDisplay = x11->display()) name = DisplayString(qtDisplay);
        display_ = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
        if (!display_) return;
        previous_ = XSetErrorHandler(countError);
        xErrors = 0;
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XRRQueryExtension(display_, &event, &error) || !XRRQueryVersion(display_, &major, &minor) ||
            major < 1 || (major == 1 && minor < 2)) {
            qCInfo(lcDisplay) << "the display has no RandR 1.2";
            close();
        }
    }
    ~XConnection() { close(); }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* display() const { return display_; }
    Window root() const { return DefaultRootWindow(display_); }
    bool failed() {
        XSync(display_, False);
        return xErrors != 0;
    }

private:
    void close() {
        if (!display_) return;
        XSync(display_, False);
        XSetErrorHandler(previous_);
        XCloseDisplay(display_);
        display_ = nullptr;
    }

    Display* display_ = nullptr;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

// The output the modes belong to: the primary one, else the first connected output that shows
// something.
struct Output {
    Resources resources;
    OutputInfo info;
    CrtcInfo crtc;
    RRCrtc crtcId = 0;
};

std::optional<Output> primaryOutput(XConnection& c) {
    Output out;
    out.resources.reset(XRRGetScreenResources(c.display(), c.root()));
    if (!out.resources) return std::nullopt;
    XRRScreenResources* res = out.resources.get();
    auto usable = [&](RROutput id) -> bool {
        OutputInfo info(XRRGetOutputInfo(c.display(), res, id));
        if (!info || info->connection != RR_Connected || info->crtc == 0) return false;
        CrtcInfo crtc(XRRGetCrtcInfo(c.display(), res, info->crtc));
        if (!crtc || crtc->mode == 0) return false;
        out.crtcId = info->crtc;
        out.info = std::move(info);
        out.crtc = std::move(crtc);
        return true;
    };
    const RROutput primary = XRRGetOutputPrimary(c.display(), c.root());
    if (primary != 0 && usable(primary)) return out;
    for (int i = 0; i < res->noutput; ++i)
        if (usable(res->outputs[i])) return out;
    return std::nullopt;
}

const XRRModeInfo* modeInfo(const XRRScreenResources* res, RRMode id) {
    for (int i = 0; i < res->nmode; ++i)
        if (res->modes[i].id == id) return &res->modes[i];
    return nullptr;
}

int refreshRate(const XRRModeInfo& m) {
    double lines = m.vTotal;
    if (m.modeFlags & RR_DoubleScan) lines *= 2;
    if (m.modeFlags & RR_Interlace) lines /= 2;
    if (m.hTotal == 0 || lines == 0) return 0;
    return static_cast<int>(std::lround(static_cast<double>(m.dotClock) / (m.hTotal * lines)));
}

// Bits per pixel of the screen's pixels in memory (32 for the usual depth of 24).
int bitsPerPixel(Display* d) {
    const int depth = DefaultDepth(d, DefaultScreen(d));
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(d, &count);
    int bits = depth;
    for (int i = 0; i < count; ++i)
        if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
    if (formats) XFree(formats);
    return bits;
}

bool sideways(Rotation r) {
    return r & (RR_Rotate_90 | RR_Rotate_270);
}
} // namespace

QList<DisplayMode> XRandrDisplayModes::modes() {
    XConnection c;
    if (!c.display()) return {};
    const auto out = primaryOutput(c);
    if (!out) return {};
    const int bits = bitsPerPixel(c.display());
    QList<DisplayMode> list;
    for (int i = 0; i < out->info->nmode; ++i) {
        const XRRModeInfo* m = modeInfo(out->resources.get(), out->info->modes[i]);
        if (!m) continue;
        list.append(DisplayMode{static_cast<int>(m->width), static_cast<int>(m->height), bits,
                                refreshRate(*m), m->id});
    }
    return c.failed() ? QList<DisplayMode>() : list;
}

QSize XRandrDisplayModes::currentSize() {
    XConnection c;
    if (c.display()) {
        if (const auto out = primaryOutput(c))
            return QSize(static_cast<int>(out->crtc->width), static_cast<int>(out->crtc->height));
    }
    return NoDisplayModes().currentSize();
}

bool XRandrDisplayModes::apply(const DisplayMode& mode) {
    XConnection c;
    if (!c.display()) return false;
    auto out = primaryOutput(c);
    if (!out) return false;
    XRRScreenResources* res = out->resources.get();
    const bool offered = std::find(out->info->modes, out->info->modes + out->info->nmode,
                                   static_cast<RRMode>(mode.native)) != out->info->modes + out->info->nmode;
    const XRRModeInfo* m = offered ? modeInfo(res, mode.native) : nullptr;
    if (!m || static_cast<int>(m->width) != mode.width || static_cast<int>(m->height) != mode.height) {
        qCInfo(lcDisplay) << "the display no longer offers" << mode.width << "x" << mode.height;
        return false;
    }
    Display* d = c.display();
    const XRRCrtcInfo& crtc = *out->crtc;
    int width = static_cast<int>(m->width), height = static_cast<int>(m->height);
    if (sideways(crtc.rotation)) std::swap(width, height);

    // The screen must hold every output: its new size is what they cover once this one changed.
    int screenWidth = crtc.x + width, screenHeight = crtc.y + height;
    for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == out->crtcId) continue;
        CrtcInfo other(XRRGetCrtcInfo(d, res, res->crtcs[i]));
        if (!other || other->mode == 0) continue;
        screenWidth = std::max(screenWidth, other->x + static_cast<int>(other->width));
        screenHeight = std::max(screenHeight, other->y + static_cast<int>(other->height));
    }
    const int screen = DefaultScreen(d);
    const int oldWidth = DisplayWidth(d, screen), oldHeight = DisplayHeight(d, screen);
    auto millimetres = [](int pixels, int oldPixels, int oldMm) {
        return oldPixels > 0 && oldMm > 0 ? std::max(1, pixels * oldMm / oldPixels)
                                          : std::max(1, pixels * 254 / 960);
    };
    auto resizeScreen = [&](int w, int h) {
        XRRSetScreenSize(d, c.root(), w, h, millimetres(w, oldWidth, DisplayWidthMM(d, screen)),
                         millimetres(h, oldHeight, DisplayHeightMM(d, screen)));
    };

    XGrabServer(d);
    // Grow first when the mode does not fit the screen as it is; shrink once the output is set.
    const bool grow = screenWidth > oldWidth || screenHeight > oldHeight;
    if (grow) resizeScreen(std::max(screenWidth, oldWidth), std::max(screenHeight, oldHeight));
    const Status status = XRRSetCrtcConfig(d, res, out->crtcId, CurrentTime, crtc.x, crtc.y, m->id,
                                           crtc.rotation, crtc.outputs, crtc.noutput);
    if (status == RRSetConfigSuccess) {
        if (screenWidth != oldWidth || screenHeight != oldHeight) resizeScreen(screenWidth, screenHeight);
    } else if (grow) {
        resizeScreen(oldWidth, oldHeight);
    }
    XUngrabServer(d);
    const bool ok = status == RRSetConfigSuccess && !c.failed();
    if (!ok) qCInfo(lcDisplay) << "the display refused" << mode.width << "x" << mode.height;
    return ok;
}
