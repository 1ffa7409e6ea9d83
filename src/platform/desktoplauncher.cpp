#include "platform/desktoplauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

QString DesktopLauncher::firstOnPath(const QStringList& programs) {
    for (const QString& p : programs) {
        const QString found = QStandardPaths::findExecutable(p);
        if (!found.isEmpty()) return found;
    }
    return {};
}

bool DesktopLauncher::openInPictureEditor(const QString& file) {
    const QString editor = firstOnPath({QStringLiteral("kolourpaint"), QStringLiteral("pinta"), QStringLiteral("gimp")});
    if (!editor.isEmpty()) return QProcess::startDetached(editor, {file});
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool DesktopLauncher::openInOfficeSuite(const QString& file) {
    const QString office = firstOnPath({QStringLiteral("soffice"), QStringLiteral("libreoffice")});
    // -n: open the file as a new untitled document, so the scratch file is never saved over.
    if (!office.isEmpty()) return QProcess::startDetached(office, {QStringLiteral("-n"), file});
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool DesktopLauncher::openTextFile(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool DesktopLauncher::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopLauncher::openFolder(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
