#include "shell/choosefile.h"
#include "shell/errorbox.h"
#include "shell/folders.h"
#include "shell/services.h"

#include <QFileInfo>

std::optional<QString> chooseFile(Services& services, QWidget* parent, const OpenRequest& request) {
    const OpenAnswer answer = services.dialogs.showOpen(parent, request);
    if (answer.cancelled()) return std::nullopt;
    const QFileInfo info(answer.fileName);
    if (answer.failed() || !isSafeFileName(info.fileName()) || info.isDir()) {
        showError(services, parent);
        return std::nullopt;
    }
    return answer.fileName;
}
