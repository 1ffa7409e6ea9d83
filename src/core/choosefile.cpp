#include "core/choosefile.h"
#include "core/errorbox.h"
#include "core/folders.h"
#include "core/services.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The file an answer that was not a cancel names: nothing when the dialog failed or the name can't
// be a file (a folder, an unsafe name). A chosen file becomes the current folder's new place.
std::optional<QString> chosenFile(Services& services, const OpenRequest& request, const OpenAnswer& answer) {
    if (answer.failed() || answer.fileName.isEmpty()) return std::nullopt;
    // A name given without its folder lies in the folder the dialog showed.
    const QString dialogFolder = request.initDir.isEmpty() ? services.currentFolder : request.initDir;
    const QString path = QDir::cleanPath(QDir(dialogFolder).absoluteFilePath(answer.fileName));
    const QFileInfo info(path);
    if (!isSafeFileName(info.fileName()) || info.isDir()) return std::nullopt;
    services.moveCurrentFolderTo(path);
    return path;
}
} // namespace

std::optional<QString> chooseFile(Services& services, QWidget* parent, const OpenRequest& request) {
    const OpenAnswer answer = services.dialogs.showOpen(parent, request);
    if (answer.cancelled()) return std::nullopt;
    const std::optional<QString> path = chosenFile(services, request, answer);
    if (!path) showError(services, parent);
    return path;
}

std::optional<QString> chooseFileSilently(Services& services, QWidget* parent, const OpenRequest& request) {
    const OpenAnswer answer = services.dialogs.showOpen(parent, request);
    if (answer.cancelled()) return std::nullopt;
    return chosenFile(services, request, answer);
}
