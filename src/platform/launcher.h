#pragma once
#include <QString>
#include <QUrl>

// Hands files to the desktop's own programs; never waits for them.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openInPictureEditor(const QString& file) = 0;
    virtual bool openInOfficeSuite(const QString& file) = 0;
    virtual bool openTextFile(const QString& file) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool openFolder(const QString& folder) = 0;
};
