#pragma once
#include "core/forms.h"
#include "core/services.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QWidget>

// The load and unload handlers of a window. Form_Load runs once the registry has created the
// window; Form_Unload runs as the window closes and may set cancel to keep it open.
class FormHooks {
public:
    virtual ~FormHooks() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& cancel) { Q_UNUSED(cancel); }
};

// Base of every window: a top-level widget that unloads (is deleted and forgotten) when closed.
template <class Base> class FormWindow : public Base, public FormHooks {
public:
    explicit FormWindow(Services& services) : Base(nullptr), services(services) {
        this->setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        bool cancel = false;
        Form_Unload(cancel);
        if (cancel) {
            event->ignore();
            return;
        }
        services.forms.forget(this);
        event->accept();
    }

    Services& services;
};

using Form = FormWindow<QWidget>;
using MainForm = FormWindow<QMainWindow>;
