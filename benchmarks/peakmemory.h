#pragma once
// Peak memory of a job, measured in a process of its own: the benchmark starts itself again with a
// flag, the child makes ready what the job starts from, marks its memory, runs the job and prints
// what the job added at its peak. A program to compare with is measured by its whole peak.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

// A field of /proc/self/status in KiB (VmRSS, VmHWM); -1 where it cannot be read.
inline long long statusKiB(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// In the child: where the job starts from. Freed memory goes back to the system first, so that the
// job's own allocations show in the peak, and the peak is set back to the memory held now (where
// the kernel refuses, the peak so far stays, which can only make the figure larger).
class PeakMark {
public:
    PeakMark() {
        malloc_trim(0);
        if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", f);
            std::fclose(f);
        }
        start_ = statusKiB("VmRSS");
    }
    // What the job added at its peak, in KiB.
    long long addedKiB() const { return statusKiB("VmHWM") - start_; }

private:
    long long start_ = 0;
};

// In the child: the line the parent reads.
inline void reportPeak(const PeakMark& mark, long long result) {
    std::printf("peak %lld result %lld\n", mark.addedKiB(), result);
    std::fflush(stdout);
}

struct ChildPeak {
    long long addedKiB = 0;
    long long result = 0;
};

// In the parent: runs this program again with the arguments and reads its report.
inline std::optional<ChildPeak> measureInChild(const QString& self, const QStringList& arguments) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(self, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> parts = p.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 4 || parts[0] != "peak" || parts[2] != "result") return std::nullopt;
    return ChildPeak{parts[1].toLongLong(), parts[3].toLongLong()};
}

// A program's whole peak resident memory is what the kernel keeps for it when it ends, and that
// counts the memory of the process that started it, up to its replacement by the program. So the
// program is started from this program started again, as small as it is before it makes anything
// (the first lines of main() call runPeakOf()), and the starter's own peak is reported beside it
// to show that it stayed below.

// In the starter: with "--peak-of OUTPUT PROGRAM ARGUMENTS..." runs the program, its standard
// output going to OUTPUT, and prints its peak; -1 when the arguments are not these.
inline int runPeakOf(int argc, char* argv[]) {
    if (argc < 4 || std::strcmp(argv[1], "--peak-of") != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[3], &actions, nullptr, argv + 3, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return 1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
    std::printf("peak %ld starter %lld\n", usage.ru_maxrss, statusKiB("VmHWM")); // KiB on Linux
    return 0;
}

// In the parent: the program's peak in KiB, or nothing where it could not run, failed, or the
// starter's own memory reached its figure.
inline std::optional<long long> programPeakKiB(const QString& self, const QString& program,
                                               const QStringList& arguments, const QString& outputFile,
                                               const QProcessEnvironment& environment) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(self, QStringList{QStringLiteral("--peak-of"), outputFile, program} + arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> parts = p.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 4 || parts[0] != "peak" || parts[2] != "starter") return std::nullopt;
    const long long peak = parts[1].toLongLong(), starter = parts[3].toLongLong();
    if (starter >= peak) {
        std::printf("the starter's own peak (%lld KiB) reaches the program's: no figure\n", starter);
        return std::nullopt;
    }
    return peak;
}

inline double mib(long long kib) {
    return kib / 1024.0;
}

// The text files the children read: written whole in UTF-8, read back whole.
inline bool writeUtf8(const QString& file, const QByteArray& utf8) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(utf8) == utf8.size();
}
inline bool readUtf8(const QString& file, QString& text) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    text = QString::fromUtf8(f.readAll());
    return true;
}
