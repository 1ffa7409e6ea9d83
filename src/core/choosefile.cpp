#include "core/choosefile.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/services.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> chooseFile(Services& services, QWidget* parent, const OpenRequest& request) {
    const OpenAnswer answer = services.dialogs.showOpen(parent, request);
    if (answer.cancelled()) return std::nullopt;
    // A name given without its folder lies in the folder the dialog showed.
    const QString dialogFolder = request.initDir.isEmpty() ? services.currentFolder : request.initDir;
    const QString path = answer.fileName.isEmpty()
                             ? QString()
                             : QDir::cleanPath(QDir(dialogFolder).absoluteFilePath(answer.fileName));
    const QFileInfo info(path);
    if (answer.failed() || !isSafeFileName(info.fileName()) || info.isDir()) {
        showError(services, parent);
        return std::nullopt;
    }
    services.moveCurrentFolderTo(path);
    return path;
}
