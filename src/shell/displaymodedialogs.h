#pragma once
#include "core/formwindow.h"
#include "platform/displaymodes.h"

#include <QLabel>
#include <QListWidget>

// What the two display-mode dialogs share: each lists the display's modes, looks for its target
// among them and switches to it, all while it loads; the user never works with it.
class DisplayModeDialog : public Form {
    Q_OBJECT
public:
    DisplayModeDialog(Services& services, QSize target, const QString& targetText);

    void Form_Load() override;
    // Marks Label1 "eti" when the screen already has the target size, else selects the last
    // listed mode that matches the target text.
    void RefreshInfo();
    // Switches to the selected mode; with nothing selected nothing is switched.
    void entrar();

    QSize targetSize() const { return target_; }
    QString targetText() const { return targetText_; }

    QListWidget* List1 = nullptr; // one text per mode, a position equals a mode number
    QLabel* Label1 = nullptr;     // "eti" once the screen was found at the target size
    QLabel* Label2 = nullptr;

private:
    QSize target_;
    QString targetText_;
    QList<DisplayMode> modes_;
};

// Switches the display to 800 x 600.
class resolucion : public DisplayModeDialog {
    Q_OBJECT
public:
    explicit resolucion(Services& services)
        : DisplayModeDialog(services, QSize(800, 600), QStringLiteral("800 x 600, True Color (32 Bit)")) {}
};

// Switches the display to 1024 x 768.
class resolucion2 : public DisplayModeDialog {
    Q_OBJECT
public:
    explicit resolucion2(Services& services)
        : DisplayModeDialog(services, QSize(1024, 768), QStringLiteral("1024 x 768, True Color (32 Bit)")) {}
};
