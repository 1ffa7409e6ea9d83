#pragma once
// The real CUPS queue that prints into PDF files (cups-pdf), for the tests that print through it:
// finding it, and putting it into a state (refusing jobs, paused) for one test.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <unistd.h>

// The CUPS queue that prints into PDF files (its device cups-pdf:/), or an empty text.
inline QString cupsPdfQueue() {
    static const QRegularExpression device(QStringLiteral(R"(^device for ([^:]+): cups-pdf:/)"),
                                           QRegularExpression::MultilineOption);
    QProcess lpstat;
    // In English whatever the tests' language, for the line to be found.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lpstat.setProcessEnvironment(environment);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v")});
    if (!lpstat.waitForFinished(30000)) return {};
    const QRegularExpressionMatch m = device.match(QString::fromLocal8Bit(lpstat.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1) : QString();
}

// Runs a CUPS admin command on the queue (cupsreject, cupsaccept, ...), through sudo when not root.
inline bool queueCommand(const QString& command, const QString& queue) {
    QStringList arguments{command, queue};
    QString program = QStringLiteral("sudo");
    if (geteuid() == 0)
        program = arguments.takeFirst();
    else
        arguments.prepend(QStringLiteral("-n"));
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The queue put into a state for one test, and back as it was however the test ends.
class QueueInState {
public:
    QueueInState(QString queue, const QString& set, QString undo)
        : queue_(std::move(queue)), undo_(std::move(undo)), done_(queueCommand(set, queue_)) {}
    ~QueueInState() { queueCommand(undo_, queue_); }
    QueueInState(const QueueInState&) = delete;
    QueueInState& operator=(const QueueInState&) = delete;
    bool done() const { return done_; }

private:
    QString queue_;
    QString undo_;
    bool done_ = false;
};

// Why a test that changes the state of the queue doesn't run here, or an empty text when it may.
inline QString queueStateTestSkipped(const QString& queue) {
    if (qgetenv("CI") != "true")
        return QStringLiteral(
            "changes the state of a print queue of this machine, which only CI does (CI=true)");
    if (queue.isEmpty())
        return QStringLiteral(
            "no CUPS queue prints into PDF files (device cups-pdf:/); CI sets one up in .ci/run");
    return {};
}
