// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-copyfloor [--jobs N] OUTDIR FILE...: the least work a metadata editor that
// keeps photos safe can do, as a yardstick. Each file is read whole and written under its
// name into OUTDIR through the program's own atomic writer (temporary file, sync, link),
// with no metadata work at all, N files at a time (default: as many as the editor runs).

#include "imageio/PhotoFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int jobs = 2 * QThread::idealThreadCount();
    if (args.size() > 1 && args.first() == QLatin1String("--jobs")) {
        args.removeFirst();
        jobs = args.takeFirst().toInt();
    }
    if (args.size() < 2 || jobs < 1) {
        QTextStream(stderr) << "usage: glimmerset-copyfloor [--jobs N] OUTDIR FILE...\n";
        return 2;
    }
    const QString outDir = args.takeFirst();
    std::atomic_int next{0};
    std::atomic_int failures{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < jobs; ++w) {
        workers.emplace_back([&] {
            for (int i = next++; i < args.size(); i = next++) {
                QByteArray bytes;
                const QString out = outDir + QLatin1Char('/') + QFileInfo(args[i]).fileName();
                if (!imageio::readPhotoFile(args[i], &bytes) || !imageio::writeFileAtomically(out, bytes))
                    ++failures;
            }
        });
    }
    for (std::thread &t : workers)
        t.join();
    return failures > 0 ? 1 : 0;
}
