// Every window that reads a file the user names, or keeps in the Taudrin folder, reads it through
// the one guarded read: a named pipe, a folder, a device, an unreadable or an empty file given in
// its place never blocks the program nor crashes it. Each case runs under a watchdog, so a read
// that waits fails the run at once instead of blocking the suite.
#include "comicstrip/aucafolder.h"
#include "comicstrip/form6.h"
#include "files.h"
#include "testservices.h"
#include "watchdog.h"
#include "wordgames/dictation.h"
#include "wordgames/findtheword.h"
#include "wordgames/formk.h"
#include "wordgames/hiddenword.h"
#include "wordgames/trenta.h"
#include "wordgames/typewriter.h"
#include "wordgames/writeaword.h"
#include "workshop/calendar.h"
#include "workshop/form19.h"
#include "workshop/newspage.h"
#include "workshop/newsstore.h"
#include "workshop/papercube.h"
#include "workshop/picturefilelist.h"
#include "workshop/postcard.h"

#include <QDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Makes what the user's name names, at `path` when it is made here; gives the path to read. A
// system file is named as it is, or with `linked` by a link at `path` (a file found in a folder).
QString makeKind(const QString& kind, const QString& path, bool linked) {
    QFile::remove(path);
    if (linked && kind.startsWith('/')) {
        const QString target = makeKind(kind, path, false);
        return QFile::link(target, path) ? path : QString();
    }
    if (kind == "pipe") return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    if (kind == "folder") return QDir().mkpath(path) ? path : QString();
    if (kind == "/dev/zero" || kind == "/dev/null") return kind;
    if (kind == "/proc/self/mem") return kind; // a plain file whose every read fails
    if (kind == "empty") return writeFileBytes(path, {}) ? path : QString();
    if (kind == "unreadable")
        return writeFileBytes(path, QByteArray(40, 'a')) &&
                       QFile::setPermissions(path, QFileDevice::WriteOwner)
                   ? path
                   : QString();
    return {};
}

// Puts the file into a window's picture list as if listed, and selects it.
void pick(PictureFileList* list, const QString& path) {
    list->setPath(QFileInfo(path).absolutePath());
    list->addItem(QFileInfo(path).fileName());
    list->setCurrentRow(list->count() - 1);
}

// A window's read of the user's file at a path: how the user gets it to read that file.
using Reader = std::function<void(TestServices& t, const QString& path)>;
// Where the file lies when the case makes it (its name inside the program folder).
struct WindowRead {
    const char* name; // the window's name, then what it reads
    const char* place;
    Reader read;
};

const std::vector<WindowRead>& windowReads() {
    static const std::vector<WindowRead> all = {
        {"trenta EDITAR", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<trenta>().OBRESS_Click();
         }},
        {"formk list", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<formk>().Command4_Click();
         }},
        {"amaga LLISTES", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<amaga>().SASASA_Click();
         }},
        {"escritors list", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<escritors>().DRR_Click();
         }},
        {"palabrejas LLISTES", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<palabrejas>().idiomas_Click();
         }},
        {"trobass list", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<trobass>().AAAA_Click();
         }},
        {"Form15 list", "llistes/x.bak",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<Form15>().Command2_Click();
         }},
        {"Form61 page file", "noticies/x/index",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<Form61>().POLO_Click();
         }},
        {"Form61 page picture", "noticies/x/DIBU1.jpg",
         [](TestServices& t, const QString& path) {
             const QString index = QFileInfo(path).absoluteDir().filePath("index");
             QVERIFY(writeFileBytes(index, writeNewsIndex({1, "titol", {"a", "b", "c"}})));
             t.dialogs.answerOpen(index);
             t.forms().show<Form61>().POLO_Click();
         }},
        {"Form6 strip file", "auca/x/arxi.txt",
         [](TestServices& t, const QString& path) {
             t.dialogs.answerOpen(path);
             t.forms().show<Form6>().aaa_Click();
         }},
        {"Form6 strip picture", "auca/x/DIBU1.jpg",
         [](TestServices& t, const QString& path) {
             const QString captions = QFileInfo(path).absoluteDir().filePath("arxi.txt");
             QVERIFY(writeFileBytes(captions, comicstrip::AucaFolder::captionBytes({})));
             t.dialogs.answerOpen(captions);
             t.forms().show<Form6>().aaa_Click();
         }},
        {"Form6 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form6& f = t.forms().show<Form6>();
             pick(f.File1, path);
             f.File1_Click();
             f.ESCRIU_MouseUp(0, Qt::LeftButton, {}, {});
             f.Label12_Click();
         }},
        {"Form7 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form7& f = t.forms().show<Form7>();
             pick(f.File1, path);
             f.File1_Click();
         }},
        {"Form5 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form5& f = t.forms().show<Form5>();
             pick(f.File1, path);
             f.File1_MouseUp();
             f.Label1333_Click(0);
             f.Picture40_MouseUp(1, Qt::LeftButton);
         }},
        {"Form61 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form61& f = t.forms().show<Form61>();
             pick(f.File1, path);
             f.File1_Click();
         }},
        {"Form19 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form19& f = t.forms().show<Form19>();
             pick(f.File1, path);
             f.File1_Click();
         }},
        {"Form2 picture list", "dibuixos/x.jpg",
         [](TestServices& t, const QString& path) {
             Form2& f = t.forms().show<Form2>();
             pick(f.File1, path);
             f.File1_Click();
         }},
    };
    return all;
}
} // namespace

class TestUserFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noReadWaitsOrCrashes_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("kind");
        const QStringList kinds = {"pipe",       "folder",         "/dev/zero", "/dev/null",
                                   "unreadable", "/proc/self/mem", "empty"};
        for (int w = 0; w < int(windowReads().size()); ++w)
            for (const QString& kind : kinds)
                QTest::addRow("%s, %s", windowReads()[w].name, qPrintable(kind)) << w << kind;
    }
    void noReadWaitsOrCrashes() {
        QFETCH(int, window);
        QFETCH(QString, kind);
        if (kind == "unreadable" && ::geteuid() == 0) QSKIP("root reads every file");
        const WindowRead& read = windowReads()[size_t(window)];
        TestServices t;
        const QString place = QDir(t.programFolder()).filePath(read.place);
        QVERIFY(QDir().mkpath(QFileInfo(place).absolutePath()));
        const bool inFolder = QString::fromUtf8(read.name).endsWith(" picture");
        const QString path = makeKind(kind, place, inFolder);
        QVERIFY(!path.isEmpty());
        {
            Watchdog watch(QString("%1 reading a %2").arg(read.name, kind), std::chrono::seconds(30));
            read.read(t, path);
        }
        // The window is still there and said no more than "Error".
        for (const QString& message : t.dialogs.messages)
            QCOMPARE(message, QString("Error"));
        const QString form = QString::fromUtf8(read.name).section(' ', 0, 0);
        QVERIFY(t.forms().isLoaded(form));
    }
};

QTEST_MAIN(TestUserFiles)
#include "tst_userfiles.moc"
