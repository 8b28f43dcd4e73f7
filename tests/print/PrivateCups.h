#pragma once
// A private CUPS daemon for one test process: scripts/cups-test-env runs it in
// a temporary folder with a PDF-writing queue as the default printer, and this
// process reaches it through CUPS_SERVER. The daemon is this process's child
// and is stopped by the destructor, or by the kernel if the process dies.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

namespace pav::print::test {

class PrivateCups {
public:
    PrivateCups() = default;
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Starts the daemon and points CUPS_SERVER at it. False with the reason in
    // *why when this system cannot run it (not root, no cups-pdf, ...).
    bool start(QString* why);
    void stop();

    QString socketPath() const;
    // PDFs the queue has written so far.
    QStringList outputs() const;
    // Waits until the queue has no pending job and `count` PDFs are complete.
    bool waitForOutputs(int count, int timeoutMs) const;
    // The daemon's error log, for failure messages.
    QString log() const;

private:
    QTemporaryDir m_dir;
    pid_t m_pid = -1;
};

} // namespace pav::print::test
