#pragma once
#include <QProcessEnvironment>
#include <QString>

// Whether a program handed a file can show its window, decided before anything is started: a
// program that cannot would run unseen (LibreOffice without a windowing plugin stays running
// with no window) or fail without a word.

// Whether the environment names a display, X11 or Wayland.
bool hasDisplay(const QProcessEnvironment& env);

// Whether the LibreOffice program folder holds a windowing plugin (libvclplug_*) that can reach
// the display of the environment. The X11 plugin ("gen") needs DISPLAY; the toolkit ones take
// WAYLAND_DISPLAY too. A build with no plugin at all (the -nogui one) only runs headless.
bool officeFolderCanShowWindow(const QString& programFolder, const QProcessEnvironment& env);

// The folder of the LibreOffice program that a launcher such as /usr/bin/soffice (a link into
// it) starts.
QString officeProgramFolder(const QString& launcher);

// The program a desktop entry starts: TryExec, else the first word of Exec (empty when the entry
// is not an application or names none).
QString desktopEntryProgram(const QByteArray& entry);
