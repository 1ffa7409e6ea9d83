#include "platform/handoffcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool hasDisplay(const QProcessEnvironment& env) {
    return !env.value(QStringLiteral("DISPLAY")).isEmpty() ||
           !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

bool officeFolderCanShowWindow(const QString& programFolder, const QProcessEnvironment& env) {
    const bool x11 = !env.value(QStringLiteral("DISPLAY")).isEmpty();
    const bool wayland = !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (!x11 && !wayland) return false;
    static const QRegularExpression plugin(QStringLiteral("^libvclplug_(.+)lo\\.so$"));
    const QStringList files = QDir(programFolder).entryList({QStringLiteral("libvclplug_*")}, QDir::Files);
    for (const QString& file : files) {
        const QRegularExpressionMatch m = plugin.match(file);
        if (!m.hasMatch()) continue;
        if (x11) return true;
        if (m.captured(1) != QLatin1String("gen")) return true; // gen is X11 only
    }
    return false;
}

QString officeProgramFolder(const QString& launcher) {
    const QString target = QFileInfo(launcher).canonicalFilePath();
    return target.isEmpty() ? QString() : QFileInfo(target).absolutePath();
}

QString desktopEntryProgram(const QByteArray& entry) {
    bool inEntry = false, application = false;
    QString tryExec, exec;
    for (const QByteArray& raw : entry.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed(), value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Type"))
            application = value == QLatin1String("Application");
        else if (key == QLatin1String("TryExec"))
            tryExec = value;
        else if (key == QLatin1String("Exec"))
            exec = value;
    }
    if (!application) return {};
    if (!tryExec.isEmpty()) return tryExec;
    if (exec.startsWith(QLatin1Char('"'))) return exec.section(QLatin1Char('"'), 1, 1);
    return exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}
