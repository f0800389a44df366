// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// glimmerset-cli as a child process, as the command line's tests run it.

#include "TestSupport.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStringList>

namespace clitest {

struct Run {
    int status = -1; // -1: not started, crashed, or hung and killed
    QString text;    // the standard output
    QString err;
    QStringList lines() const { return text.split('\n', Qt::SkipEmptyParts); }
    QString output() const { return text + '\n' + err; }
};

// This process's event loop turns while the command runs, so a test's own HTTP server can
// answer it; a command that hangs is killed rather than left to the suite's timeout.
inline Run cli(const QStringList &args,
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(testsupport::cli(), args);
    Run run;
    if (!process.waitForStarted())
        return run;
    if (!finished.wait(180000)) {
        process.kill();
        process.waitForFinished();
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.text = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace clitest
