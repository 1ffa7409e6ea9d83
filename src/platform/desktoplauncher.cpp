#include "platform/desktoplauncher.h"
#include "platform/handoffcheck.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcLauncher, "taudrin.launcher")

QString DesktopLauncher::firstOnPath(const QStringList& programs) {
    for (const QString& p : programs) {
        const QString found = QStandardPaths::findExecutable(p);
        if (!found.isEmpty()) return found;
    }
    return {};
}

QString DesktopLauncher::desktopHandler(const QString& mimeType) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return {};
    QProcess p;
    p.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    const QString id = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char('/'))) return {};
    QFile entry(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id));
    if (entry.fileName().isEmpty() || !entry.open(QIODevice::ReadOnly)) return {};
    const QString program = desktopEntryProgram(entry.read(64 * 1024));
    if (program.isEmpty()) return {};
    if (QFileInfo(program).isAbsolute()) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    return QStandardPaths::findExecutable(program);
}

bool DesktopLauncher::openWithDesktopHandler(const QString& file) {
    const QString open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    if (open.isEmpty() || desktopHandler(type).isEmpty()) {
        qCWarning(lcLauncher) << "no program installed opens" << type;
        return false;
    }
    return QProcess::startDetached(open, {file});
}

bool DesktopLauncher::openInPictureEditor(const QString& file) {
    if (!hasDisplay(QProcessEnvironment::systemEnvironment())) {
        qCWarning(lcLauncher) << "no display for the picture editor";
        return false;
    }
    const QString editor =
        firstOnPath({QStringLiteral("kolourpaint"), QStringLiteral("pinta"), QStringLiteral("gimp")});
    if (!editor.isEmpty()) return QProcess::startDetached(editor, {file});
    return openWithDesktopHandler(file);
}

bool DesktopLauncher::openInOfficeSuite(const QString& file) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString office = firstOnPath({QStringLiteral("soffice"), QStringLiteral("libreoffice")});
    if (!office.isEmpty()) {
        // A LibreOffice that cannot show a window would stay running unseen.
        if (!officeFolderCanShowWindow(officeProgramFolder(office), env)) {
            qCWarning(lcLauncher) << office << "cannot show a window here";
            return false;
        }
        // -n: open the file as a new untitled document, so the scratch file is never saved over.
        return QProcess::startDetached(office, {QStringLiteral("-n"), file});
    }
    if (!hasDisplay(env)) return false;
    return openWithDesktopHandler(file);
}

bool DesktopLauncher::openTextFile(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool DesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool DesktopLauncher::openFolder(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
