#include "core/errorbox.h"
#include "core/folders.h"
#include "core/services.h"
#include "platform/dialogs.h"

#include <QString>

void showError(Services& services, QWidget* parent) {
    services.dialogs.message(parent, QStringLiteral("Error"), QStringLiteral("Taudrin"));
}

void showUnusableFolder(Services& services, QWidget* parent) {
    services.dialogs.message(parent, unusableFolderText(services.programFolder), QStringLiteral("Taudrin"));
}
