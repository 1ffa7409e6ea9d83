#pragma once
#include "core/forms.h"
#include "core/services.h"
#include "core/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
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

// The background of a window with a menu bar: a C below the bar at the designed client size in
// twips, named "client"; the window takes its fixed size from it.
template <class C = QWidget> C* makeClient(QMainWindow* window, int widthTwips, int heightTwips) {
    auto* client = new C(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twSize(widthTwips, heightTwips));
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

// Fills a window, or the ground under its menu bar, with one colour.
inline void setGround(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// The ground of a window that opens maximized: a widget under the menu bar, at least the designed
// size, filled with the colour when one is given.
inline QWidget* makeMaximizedClient(QMainWindow* window, int widthTwips, int heightTwips,
                                    const QColor& colour = {}) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(twSize(widthTwips, heightTwips));
    if (colour.isValid()) setGround(client, colour);
    window->setCentralWidget(client);
    window->setWindowState(Qt::WindowMaximized);
    return client;
}

// A menu-bar item that acts by itself (it drops no menu down), under its control name.
inline QAction* menuBarItem(QMainWindow* window, const char* name, const QString& caption) {
    QAction* item = window->menuBar()->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}
