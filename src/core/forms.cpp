#include "core/forms.h"
#include "core/formwindow.h"
#include "core/log.h"

Forms::Forms(QObject* parent) : QObject(parent) {}

Forms::~Forms() {
    // Windows still loaded at exit (hidden ones) go with the registry, before the services they use.
    const auto windows = live_.values();
    live_.clear();
    for (const auto& w : windows)
        delete w.data();
}

void Forms::addFactory(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

QStringList Forms::names() const {
    QStringList out = factories_.keys();
    out.sort();
    return out;
}

QWidget* Forms::loaded(const QString& name) const {
    const auto it = live_.constFind(name);
    return it == live_.constEnd() ? nullptr : it->data();
}

QWidget* Forms::get(const QString& name) {
    if (QWidget* w = loaded(name)) return w;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd() || !services_) {
        qCWarning(lcCore) << "no window registered as" << name;
        return nullptr;
    }
    QWidget* w = (*factory)(*services_);
    w->setObjectName(name);
    // Known before Form_Load runs, so a load handler that touches its own window finds it.
    live_.insert(name, w);
    if (auto* hooks = dynamic_cast<FormHooks*>(w)) hooks->Form_Load();
    Q_EMIT formLoaded(name);
    return w;
}

QWidget* Forms::show(const QString& name) {
    QWidget* w = get(name);
    if (!w) return nullptr;
    if (w->isVisible()) {
        if (w->isMinimized()) w->showNormal();
        w->raise();
        w->activateWindow();
    } else {
        w->show();
        w->raise();
        w->activateWindow();
    }
    Q_EMIT formShown(name);
    return w;
}

void Forms::unload(const QString& name) {
    if (QWidget* w = loaded(name)) w->close();
}

void Forms::unloadAll() {
    for (const QString& name : live_.keys())
        unload(name);
}

void Forms::forget(QWidget* window) {
    for (auto it = live_.begin(); it != live_.end(); ++it) {
        if (it->data() == window) {
            const QString name = it.key();
            live_.erase(it);
            Q_EMIT formUnloaded(name);
            return;
        }
    }
}
