// SPDX-License-Identifier: GPL-3.0-or-later
// Lists a 1,000-photo camera (libgphoto2's "Directory Browse" driver on a generated
// card) in the real camera window, offscreen, and reports: time to the whole
// listing, time to the first and to the last thumbnail, the longest stall of the
// window's event loop meanwhile, and the process's peak memory.
#include "app/CompressionController.h"
#include "camera/CameraController.h"
#include "camera/CameraItemModel.h"
#include "camera/CameraWindow.h"
#include "sources/camera/CameraDevice.h"
#include "sources/camera/DeviceBrowser.h"
#include "widgets/CommandButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {

void run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
}

// A camera-like photo: 4000 x 3000 with an Exif thumbnail when asked.
QString makePhoto(const QString &folder, bool exifThumbnail)
{
    const QString photo = folder + (exifThumbnail ? QStringLiteral("/withthumb.jpg") : QStringLiteral("/plain.jpg"));
    run(QStringLiteral("/usr/bin/convert"), {QStringLiteral("-size"), QStringLiteral("4000x3000"),
                                             QStringLiteral("plasma:fractal"), QStringLiteral("-quality"),
                                             QStringLiteral("85"), photo});
    if (exifThumbnail) {
        const QString thumb = folder + QStringLiteral("/thumb.jpg");
        run(QStringLiteral("/usr/bin/convert"), {photo, QStringLiteral("-thumbnail"), QStringLiteral("160x120"), thumb});
        run(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                         QStringLiteral("-Make=Bench"), QStringLiteral("-ThumbnailImage<=") + thumb, photo});
    }
    return photo;
}

struct Result {
    qint64 listed = -1, first = -1, all = -1, stall = 0;
    int items = 0, thumbnails = 0;
};

Result measure(CompressionController &delegate, const QString &card)
{
    const CameraInfo info{QStringLiteral("Directory Browse"), QStringLiteral("disk:") + card};
    auto *browser = new DeviceBrowser([info](QString *) { return QList<CameraInfo>{info}; }, false);
    CameraController camera(delegate, browser);
    camera.start();
    QEventLoop wait;
    QObject::connect(&camera, &CameraController::camerasChanged, &wait, &QEventLoop::quit);
    wait.exec();
    camera.ChangeToImportDevicePhoto();

    Result r;
    QElapsedTimer clock;
    QElapsedTimer tick;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        r.stall = qMax(r.stall, tick.restart());
    });
    QObject::connect(&camera, &CameraController::listingDone, [&] { r.listed = clock.elapsed(); });
    QEventLoop done;
    QObject::connect(camera.model(), &QAbstractItemModel::dataChanged, [&] {
        const int shown = camera.model()->thumbnailsShown();
        if (shown == 1 && r.first < 0)
            r.first = clock.elapsed();
        if (r.listed >= 0 && shown == camera.model()->rowCount()) {
            r.all = clock.elapsed();
            done.quit();
        }
    });
    clock.start();
    tick.start();
    heartbeat.start();
    camera.cameraWindow()->opendeviceBtn->activate();
    QTimer::singleShot(600000, &done, &QEventLoop::quit);
    done.exec();
    r.items = camera.model()->rowCount();
    r.thumbnails = camera.model()->thumbnailsShown();
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QTextStream out(stdout);

    CompressionController delegate(home.filePath(QStringLiteral("settings.ini")));
    delegate.initState();
    delegate.wireWindow();
    delegate.showMainWindow();

    out << "| Card | Photos | Listing complete | First thumbnail | All thumbnails | Longest window stall | Peak RSS |\n"
        << "|---|---:|---:|---:|---:|---:|---:|\n";
    for (bool withThumbnails : {true, false}) {
        QTemporaryDir card;
        const QString dcim = card.filePath(QStringLiteral("DCIM/100BENCH"));
        QDir().mkpath(dcim);
        const QString photo = makePhoto(home.path(), withThumbnails);
        for (int i = 0; i < count; ++i)
            QFile::copy(photo, dcim + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        const Result r = measure(delegate, card.path());
        struct rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        out << "| " << (withThumbnails ? "12 MP JPEGs with Exif thumbnail" : "12 MP JPEGs, no Exif thumbnail (decode)")
            << " | " << r.items << " | " << r.listed << " ms | " << r.first << " ms | " << r.all << " ms | " << r.stall
            << " ms | " << usage.ru_maxrss / 1024 << " MB |\n";
        out.flush();
        if (r.thumbnails != r.items)
            out << "(only " << r.thumbnails << " thumbnails arrived)\n";
    }
    return 0;
}
