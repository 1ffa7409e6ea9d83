#include "shell/errorbox.h"
#include "platform/dialogs.h"
#include "shell/services.h"

#include <QString>

void showError(Services& services, QWidget* parent) {
    services.dialogs.message(parent, QStringLiteral("Error"), QStringLiteral("Taudrin"));
}
