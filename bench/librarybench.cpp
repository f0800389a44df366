// SPDX-License-Identifier: GPL-3.0-or-later
// Library scan benchmark (not a test): generates a photo library of small JPEGs in
// year/month/day folders (with a few movies and sidecars, as real libraries have), then
// scans it the way the editor does: the scan on its worker, its batches appended to the
// editor's list model shown in the editor's browser (offscreen). Prints one Markdown row:
// time to the first photos in the list, total time, the longest one batch took to go into
// the list, the longest the main thread went without running its event loop (how
// responsive the window stayed; on a loaded machine this includes waiting for a core),
// and peak memory.
//
// usage: glimmerset-bench-library [--photos N] [--library DIR] [--runs N]
//   --photos N     photos to generate (default 20000)
//   --library DIR  scan this existing "Photos Library.photoslibrary" instead of generating
//   --runs N       scans; the row shows the median of each column (default 3)

#include "editor/EditorPhotoModel.h"
#include "editor/PhotoBrowserView.h"

#include "sources/LocalImport.h"
#include "sources/library/PhotoLibraryScan.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

QByteArray tinyJpeg()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(40, 110, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// 30 photos a day, a movie and a sidecar every 50 photos.
QString generate(const QString &parent, int photos)
{
    const QString package = parent + QStringLiteral("/Photos Library.photoslibrary");
    const QByteArray jpeg = tinyJpeg();
    for (int i = 0; i < photos; ++i) {
        const int day = i / 30;
        const QString folder = QStringLiteral("%1/Masters/%2/%3/%4")
                                   .arg(package)
                                   .arg(2000 + day / 360)
                                   .arg(1 + (day / 30) % 12, 2, 10, QLatin1Char('0'))
                                   .arg(1 + day % 30, 2, 10, QLatin1Char('0'));
        if (i % 30 == 0)
            QDir().mkpath(folder);
        const QString name = QStringLiteral("IMG_%1").arg(i, 5, 10, QLatin1Char('0'));
        write(folder + QLatin1Char('/') + name + QStringLiteral(".JPG"), jpeg);
        if (i % 50 == 0) {
            write(folder + QLatin1Char('/') + name + QStringLiteral(".MOV"), "movie");
            write(folder + QLatin1Char('/') + name + QStringLiteral(".xmp"), "<x:xmpmeta/>");
        }
    }
    return package;
}

qint64 peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

struct Run {
    double firstMs = 0;
    double totalMs = 0;
    double longestStallMs = 0;
    double longestAppendMs = 0;
    int photos = 0;
    int skipped = 0;
};

Run scanOnce(const QString &package)
{
    EditorPhotoModel model;
    PhotoBrowserView browser;
    browser.setModel(&model);
    browser.resize(640, 300);
    browser.show();
    PhotoLibraryScan scan;

    Run run;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.longestStallMs = std::max(run.longestStallMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    QObject::connect(&scan, &PhotoLibraryScan::photosFound, [&](const QStringList &paths) {
        if (model.rowCount() == 0)
            run.firstMs = clock.nsecsElapsed() / 1e6;
        QElapsedTimer append;
        append.start();
        model.appendItems(localimport::itemsFromPaths(paths), EditorPhotoModel::Thumbnails::WhenShown);
        run.longestAppendMs = std::max(run.longestAppendMs, append.nsecsElapsed() / 1e6);
    });
    QEventLoop loop;
    QObject::connect(&scan, &PhotoLibraryScan::finished, [&](const LibraryScanReport &report) {
        run.totalMs = clock.nsecsElapsed() / 1e6;
        run.photos = report.photoCount;
        run.skipped = int(report.skipped.size());
        loop.quit();
    });
    QApplication::processEvents();
    clock.start();
    sinceTick.start();
    tick.start();
    scan.start(package);
    loop.exec();
    tick.stop();
    return run;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    int photos = 20000;
    int runs = 3;
    QString package;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--photos"))
            photos = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--library"))
            package = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--runs"))
            runs = std::max(1, args.at(i + 1).toInt());
    }
    QTextStream out(stdout);
    QTemporaryDir work;
    if (package.isEmpty()) {
        QElapsedTimer generating;
        generating.start();
        package = generate(work.path(), photos);
        out << "generated " << photos << " photos in " << generating.elapsed() << " ms\n";
    }
    const qint64 baseline = peakRssKiB();
    QList<double> first, total, stall, append;
    Run last;
    for (int i = 0; i < runs; ++i) {
        last = scanOnce(package);
        first << last.firstMs;
        total << last.totalMs;
        stall << last.longestStallMs;
        append << last.longestAppendMs;
    }
    out << "\n| Photos listed | Skipped | First photos in list, ms | Total, ms | Photos/s | Longest batch append, ms "
           "| Longest main-thread stall, ms | Peak RSS before, MiB | Peak RSS after, MiB |\n"
        << "|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    out << "| " << last.photos << " | " << last.skipped << " | " << QString::number(median(first), 'f', 1) << " | "
        << QString::number(median(total), 'f', 0) << " | "
        << QString::number(last.photos / (median(total) / 1000.0), 'f', 0) << " | "
        << QString::number(median(append), 'f', 1) << " | " << QString::number(median(stall), 'f', 1) << " | " << QString::number(baseline / 1024.0, 'f', 1) << " | "
        << QString::number(peakRssKiB() / 1024.0, 'f', 1) << " |\n";
    return 0;
}
