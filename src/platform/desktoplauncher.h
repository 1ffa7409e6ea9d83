#pragma once
#include "platform/launcher.h"

#include <QStringList>

// Starts programs with an argument list (never through a shell) or through the desktop.
class DesktopLauncher : public Launcher {
public:
    bool openInPictureEditor(const QString& file) override;
    bool openInOfficeSuite(const QString& file) override;
    bool openTextFile(const QString& file) override;
    bool openUrl(const QUrl& url) override;
    bool openFolder(const QString& folder) override;

    // The first of the programs found on PATH, or an empty text.
    static QString firstOnPath(const QStringList& programs);
};
