#pragma once
// Runs the built pavlenta-cli as another tool would and collects what it gives back.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace pav::app::testing {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline CliRun runCli(const QStringList& args, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QString::fromLocal8Bit(qgetenv("PAV_BUILD_DIR")) + "/pavlenta-cli", args);
    // A picture that hangs the reader (a FIFO) must not hang the test.
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "pavlenta-cli did not finish: " << args.join(' ').toStdString();
    }
    CliRun r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

} // namespace pav::app::testing
