#pragma once
#include "platform/launcher.h"

#include <QStringList>

// Records what would have been handed to the desktop's programs.
class FakeLauncher : public Launcher {
public:
    bool openInPictureEditor(const QString& file) override { return record(QStringLiteral("picture"), file); }
    bool openInOfficeSuite(const QString& file) override { return record(QStringLiteral("office"), file); }
    bool openTextFile(const QString& file) override { return record(QStringLiteral("text"), file); }
    bool openUrl(const QUrl& url) override { return record(QStringLiteral("url"), url.toString()); }
    bool openFolder(const QString& folder) override { return record(QStringLiteral("folder"), folder); }

    QStringList requests; // "kind: target"
    bool answer = true;   // what every request says

private:
    bool record(const QString& kind, const QString& target) {
        requests << kind + QStringLiteral(": ") + target;
        return answer;
    }
};
