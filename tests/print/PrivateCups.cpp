#include "PrivateCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pav::print::test {
namespace {

QString scriptPath() {
    return qEnvironmentVariable("PAV_SOURCE_DIR") + QStringLiteral("/scripts/cups-test-env");
}

// Runs a CUPS client command against the private daemon; its output, or nothing on failure.
bool runClient(const QString& socket, const QStringList& args, QString* output) {
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socket);
    client.setProcessEnvironment(env);
    client.start(QStringLiteral("lpstat"), args);
    if (!client.waitForFinished(10000) || client.exitStatus() != QProcess::NormalExit ||
        client.exitCode() != 0)
        return false;
    *output = QString::fromLocal8Bit(client.readAllStandardOutput());
    return true;
}

bool exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

} // namespace

PrivateCups::~PrivateCups() {
    stop();
}

QString PrivateCups::socketPath() const {
    return m_dir.filePath(QStringLiteral("cups.sock"));
}

bool PrivateCups::start(QString* why) {
    if (qEnvironmentVariableIsEmpty("PAV_SOURCE_DIR")) {
        *why = QStringLiteral("PAV_SOURCE_DIR is not set, so scripts/cups-test-env cannot be found");
        return false;
    }
    QProcess check;
    check.start(scriptPath(), {QStringLiteral("check")});
    if (!check.waitForFinished(10000) || check.exitCode() != 0) {
        *why = QStringLiteral("no private CUPS daemon here: ") +
               QString::fromLocal8Bit(check.readAllStandardOutput() + check.readAllStandardError()).trimmed();
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder for the daemon");
        return false;
    }

    // Everything the child needs is prepared before fork: after it only
    // async-signal-safe calls are made.
    const QByteArray script = QFile::encodeName(scriptPath());
    const QByteArray dir = QFile::encodeName(m_dir.path());
    const QByteArray logFile = QFile::encodeName(m_dir.filePath(QStringLiteral("daemon.log")));
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // The daemon dies with this test process, however it ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        const int log = open(logFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        execl(script.constData(), script.constData(), "run", dir.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        *why = QStringLiteral("fork failed");
        return false;
    }
    m_pid = pid;

    QElapsedTimer clock;
    clock.start();
    QString status;
    while (clock.elapsed() < 15000) {
        if (exited(m_pid)) {
            m_pid = -1;
            *why = QStringLiteral("the CUPS daemon stopped at start: ") + log();
            return false;
        }
        if (QFileInfo::exists(socketPath()) && runClient(socketPath(), {QStringLiteral("-r")}, &status) &&
            status.contains(QStringLiteral("scheduler is running"))) {
            qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
            return true;
        }
        QThread::msleep(50);
    }
    *why = QStringLiteral("the CUPS daemon did not answer within 15 s: ") + log();
    stop();
    return false;
}

void PrivateCups::stop() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    QElapsedTimer clock;
    clock.start();
    while (!exited(m_pid)) {
        if (clock.elapsed() > 5000) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            break;
        }
        QThread::msleep(20);
    }
    m_pid = -1;
}

QStringList PrivateCups::outputs() const {
    const QDir out(m_dir.filePath(QStringLiteral("out")));
    QStringList files;
    for (const QString& name : out.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << out.filePath(name);
    return files;
}

bool PrivateCups::waitForOutputs(int count, int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    QString pending;
    while (clock.elapsed() < timeoutMs) {
        if (runClient(socketPath(), {QStringLiteral("-o")}, &pending) && pending.trimmed().isEmpty() &&
            outputs().size() >= count)
            return true;
        QThread::msleep(100);
    }
    return false;
}

QString PrivateCups::log() const {
    QString text;
    for (const QString& name : {QStringLiteral("daemon.log"), QStringLiteral("log/error_log")}) {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += name + QStringLiteral(":\n") + QString::fromLocal8Bit(file.readAll());
    }
    return text;
}

} // namespace pav::print::test
