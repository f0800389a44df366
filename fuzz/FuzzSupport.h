// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared set-up for the libFuzzer targets: one application object so Qt finds its image plugins,
// logging silenced so the fuzzer's own output stays readable.

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdio>
#include <cstdint>

namespace fuzzsupport {

inline void initialize()
{
    static int argc = 1;
    static char name[] = "glimmerset-fuzz";
    static char *argv[] = {name, nullptr};
    static bool done = false;
    if (done)
        return;
    done = true;
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    // Qt's image handlers report bad input with plain qWarning; millions of those lines
    // would drown a finding and slow the run.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    new QCoreApplication(argc, argv);
}

// Views the fuzzer's buffer without copying; callers that keep it copy it themselves.
inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Photos declaring more pixels than this are left to the job's own size limits; the
// targets look for memory errors, not for how much memory a giant photo takes.
constexpr qint64 kMaxFuzzPixels = qint64(4096) * 4096;

} // namespace fuzzsupport
