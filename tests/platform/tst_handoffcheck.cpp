// Whether a hand-off's program can show its window, decided before it starts: fake LibreOffice
// folders and environments, and the launcher over a PATH of stand-in programs that leave a mark
// when started.
#include "platform/desktoplauncher.h"
#include "platform/handoffcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
QProcessEnvironment environment(const QString& display, const QString& wayland) {
    QProcessEnvironment env;
    if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
    if (!wayland.isEmpty()) env.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    return env;
}

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

// A program that writes its arguments into `mark` when started.
void standIn(const QString& path, const QString& mark) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\necho \"$@\" > '" + mark.toUtf8() + "'\n");
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser));
}

// Restores an environment variable when it goes.
class EnvGuard {
public:
    explicit EnvGuard(const char* name)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {}
    ~EnvGuard() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    void set(const QByteArray& value) const {
        if (value.isEmpty())
            qunsetenv(name_);
        else
            qputenv(name_, value);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};
} // namespace

class TestHandOffCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void officeWindow_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("canShow");
        const QStringList gen{"soffice.bin", "libvcllo.so", "libvclplug_genlo.so"};
        const QStringList gtk3{"soffice.bin", "libvcllo.so", "libvclplug_gtk3lo.so"};
        const QStringList noGui{"soffice.bin", "libvcllo.so", "libswlo.so"};
        QTest::newRow("X11 plugin, X display") << gen << ":0"
                                               << "" << true;
        QTest::newRow("X11 plugin, no display") << gen << ""
                                                << "" << false;
        QTest::newRow("X11 plugin, Wayland only") << gen << ""
                                                  << "wayland-0" << false;
        QTest::newRow("gtk3 plugin, Wayland only") << gtk3 << ""
                                                   << "wayland-0" << true;
        QTest::newRow("gtk3 plugin, no display") << gtk3 << ""
                                                 << "" << false;
        QTest::newRow("no plugin (-nogui), X display") << noGui << ":0"
                                                       << "" << false;
        QTest::newRow("no plugin, both displays") << noGui << ":0"
                                                  << "wayland-0" << false;
        QTest::newRow("not a plugin's name") << QStringList{"libvclplug_notes.txt"} << ":0"
                                             << "" << false;
        QTest::newRow("empty folder") << QStringList() << ":0"
                                      << "" << false;
    }
    void officeWindow() {
        QFETCH(QStringList, files);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, canShow);
        QTemporaryDir dir;
        for (const QString& f : files)
            touch(dir.filePath(f));
        QCOMPARE(officeFolderCanShowWindow(dir.path(), environment(display, wayland)), canShow);
    }

    void missingFolderShowsNothing() {
        QVERIFY(!officeFolderCanShowWindow(QStringLiteral("/no/such/folder"), environment(":0", "")));
        QVERIFY(officeProgramFolder(QStringLiteral("/no/such/soffice")).isEmpty());
    }

    void programFolderFollowsTheLink() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("lib/office/program")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
        touch(dir.filePath(QStringLiteral("lib/office/program/soffice")));
        QVERIFY(QFile::link(QStringLiteral("../lib/office/program/soffice"),
                            dir.filePath(QStringLiteral("bin/soffice"))));
        QCOMPARE(officeProgramFolder(dir.filePath(QStringLiteral("bin/soffice"))),
                 QDir(dir.filePath(QStringLiteral("lib/office/program"))).canonicalPath());
    }

    void desktopEntry_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("program");
        QTest::newRow("Exec with a field code")
            << QByteArray("[Desktop Entry]\nType=Application\nName=Paint\nExec=kolourpaint %U\n")
            << "kolourpaint";
        QTest::newRow("TryExec first")
            << QByteArray("[Desktop Entry]\nType=Application\nTryExec=gimp-2.10\nExec=gimp-2.10 %U\n")
            << "gimp-2.10";
        QTest::newRow("quoted path with a space")
            << QByteArray("[Desktop Entry]\nType=Application\nExec=\"/opt/Picture Tool/tool\" %f\n")
            << "/opt/Picture Tool/tool";
        QTest::newRow("an action's Exec does not count")
            << QByteArray("[Desktop Entry]\nType=Application\n[Desktop Action new]\nExec=other\n") << "";
        QTest::newRow("a link, not an application")
            << QByteArray("[Desktop Entry]\nType=Link\nURL=http://localhost/\nExec=x\n") << "";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[", 4) << "";
    }
    void desktopEntry() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, program);
        QCOMPARE(desktopEntryProgram(entry), program);
    }

    // The launcher itself over stand-in programs: nothing starts when no window could show.
    void launcherStartsOnlyWhatCanShow_data() {
        QTest::addColumn<bool>("officePlugin");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<bool>("opens");
        QTest::newRow("office without a windowing plugin") << false << QByteArray(":0") << false;
        QTest::newRow("office with one, no display") << true << QByteArray() << false;
        QTest::newRow("office with one and a display") << true << QByteArray(":0") << true;
    }
    void launcherStartsOnlyWhatCanShow() {
        QFETCH(bool, officePlugin);
        QFETCH(QByteArray, display);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("program")) && root.mkpath(QStringLiteral("bin")));
        const QString mark = dir.filePath(QStringLiteral("started"));
        standIn(dir.filePath(QStringLiteral("program/soffice")), mark);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("program/soffice")),
                            dir.filePath(QStringLiteral("bin/soffice"))));
        if (officePlugin) touch(dir.filePath(QStringLiteral("program/libvclplug_genlo.so")));

        EnvGuard path("PATH"), x("DISPLAY"), wl("WAYLAND_DISPLAY");
        path.set(QFile::encodeName(dir.filePath(QStringLiteral("bin"))));
        x.set(display);
        wl.set({});
        DesktopLauncher launcher;
        QCOMPARE(launcher.openInOfficeSuite(dir.filePath(QStringLiteral("doc.fodt"))), opens);
        if (opens) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
        } else {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(mark));
        }
    }

    void pictureEditorNeedsItselfAndADisplay_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<bool>("opens");
        QTest::newRow("no editor, no desktop handler") << false << QByteArray(":0") << false;
        QTest::newRow("editor, no display") << true << QByteArray() << false;
        QTest::newRow("editor and a display") << true << QByteArray(":0") << true;
    }
    void pictureEditorNeedsItselfAndADisplay() {
        QFETCH(bool, editor);
        QFETCH(QByteArray, display);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
        const QString mark = dir.filePath(QStringLiteral("started"));
        if (editor) standIn(dir.filePath(QStringLiteral("bin/kolourpaint")), mark);

        EnvGuard path("PATH"), x("DISPLAY"), wl("WAYLAND_DISPLAY");
        path.set(QFile::encodeName(dir.filePath(QStringLiteral("bin"))));
        x.set(display);
        wl.set({});
        DesktopLauncher launcher;
        const QString picture = dir.filePath(QStringLiteral("dibuix.bmp"));
        QCOMPARE(launcher.openInPictureEditor(picture), opens);
        if (opens) {
            // The shell makes the mark before it writes into it: wait for its words.
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(mark).size() > 0, 10000);
            QFile f(mark);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll().trimmed(), QFile::encodeName(picture));
        } else {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(mark));
        }
    }

    // No editor of our own: the desktop's program for the picture type, through xdg-open, and
    // only when that program is installed.
    void desktopHandler_data() {
        QTest::addColumn<bool>("installed");
        QTest::newRow("handler installed") << true;
        QTest::newRow("handler named but not installed") << false;
    }
    void desktopHandler() {
        QFETCH(bool, installed);
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/applications")) &&
                root.mkpath(QStringLiteral("home")));
        const QString mark = dir.filePath(QStringLiteral("started"));
        {
            QFile query(dir.filePath(QStringLiteral("bin/xdg-mime")));
            QVERIFY(query.open(QIODevice::WriteOnly));
            query.write("#!/bin/sh\necho fake-paint.desktop\n");
            query.close();
            QVERIFY(query.setPermissions(query.permissions() | QFileDevice::ExeOwner));
            QFile entry(dir.filePath(QStringLiteral("share/applications/fake-paint.desktop")));
            QVERIFY(entry.open(QIODevice::WriteOnly));
            entry.write("[Desktop Entry]\nType=Application\nName=Fake\nExec=fakepaint %f\n");
        }
        standIn(dir.filePath(QStringLiteral("bin/xdg-open")), mark);
        if (installed)
            standIn(dir.filePath(QStringLiteral("bin/fakepaint")), dir.filePath(QStringLiteral("unused")));

        EnvGuard path("PATH"), x("DISPLAY"), wl("WAYLAND_DISPLAY"), data("XDG_DATA_DIRS"),
            home("XDG_DATA_HOME");
        path.set(QFile::encodeName(dir.filePath(QStringLiteral("bin"))));
        x.set(":0");
        wl.set({});
        data.set(QFile::encodeName(dir.filePath(QStringLiteral("share"))));
        home.set(QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        QCOMPARE(DesktopLauncher::desktopHandler(QStringLiteral("image/bmp")).isEmpty(), !installed);
        DesktopLauncher launcher;
        QCOMPARE(launcher.openInPictureEditor(dir.filePath(QStringLiteral("dibuix.bmp"))), installed);
        if (installed) {
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
        } else {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(mark));
        }
    }
};

QTEST_GUILESS_MAIN(TestHandOffCheck)
#include "tst_handoffcheck.moc"
