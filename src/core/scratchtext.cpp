#include "core/scratchtext.h"
#include "core/recordfile.h"
#include "core/services.h"
#include "platform/launcher.h"

bool openScratchText(Services& services, const QString& name, const QByteArray& bytes) {
    const QString path = services.inScratchFolder(name);
    return saveFileSafely(path, bytes) && services.launcher.openTextFile(path);
}
