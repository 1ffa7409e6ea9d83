#pragma once
#include "platform/launcher.h"

#include <QStringList>

// Starts programs with an argument list (never through a shell) or through the desktop. A
// program that could not show its window is never started: the call answers false instead.
class DesktopLauncher : public Launcher {
public:
    bool openInPictureEditor(const QString& file) override;
    bool openInOfficeSuite(const QString& file) override;
    bool openTextFile(const QString& file) override;
    bool openUrl(const QUrl& url) override;
    bool openFolder(const QString& folder) override;

    // The first of the programs found on PATH, or an empty text.
    static QString firstOnPath(const QStringList& programs);
    // The program the desktop (xdg-mime) opens files of the MIME type with, when it is installed;
    // else an empty text.
    static QString desktopHandler(const QString& mimeType);

private:
    // Through xdg-open, when the desktop's program for the file's type is installed.
    static bool openWithDesktopHandler(const QString& file);
};
