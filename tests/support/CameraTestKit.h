// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/camera/CameraBackend.h"
#include "sources/camera/CameraDevice.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// Cameras for the tests: a folder served by libgphoto2's "Directory Browse" driver,
// and a fake backend for what that driver cannot do.
namespace cameratest {

inline const char *DirectoryModel = "Directory Browse";

// <root>/DCIM/100TEST with the three sample JPEGs, one more (thumb_red.jpg) made with a
// red Exif thumbnail over blue pixels, a HEIC, a PNG, a movie and a text file that
// is no photo. Returns the photo folder. The driver lists only the types of its own
// table: the HEIC and the text file are on the card but not in its listing.
inline QString makeCardFolder(const QString &root)
{
    using testsupport::convert;
    QTemporaryDir scratch;
    const QString dcim = root + QStringLiteral("/DCIM/100TEST/");
    QDir().mkpath(dcim);
    for (const QString name : {"gps_htc_desire.jpg", "gps_iphone_1x1.jpg", "iptc_metapm.jpg"})
        QFile::copy(testsupport::testData(name), dcim + name);
    const QString red = scratch.filePath(QStringLiteral("red.jpg"));
    convert({"-size", "64x48", "xc:blue", dcim + "thumb_red.jpg"});
    convert({"-size", "32x24", "xc:red", red});
    testsupport::exiftool({"-q", "-overwrite_original", "-ThumbnailImage<=" + red, dcim + "thumb_red.jpg"});
    convert({"-size", "40x30", "gradient:", dcim + "IMG_0005.HEIC"});
    convert({"-size", "40x30", "xc:green", dcim + "screen.png"});
    testsupport::writeFile(dcim + "CLIP_0006.MOV", QByteArray("\0\0\0\x14" "ftypqt  \0\0\0\0qt  ", 20));
    testsupport::writeFile(dcim + "notes.txt", "not a photo");
    return dcim.chopped(1);
}

inline CameraInfo directoryCamera(const QString &root) { return {DirectoryModel, "disk:" + root}; }

// Opens the device and waits for the whole listing; the items in arrival order.
inline QList<CameraItem> openAndList(CameraDevice &device, QString *error = nullptr)
{
    QList<CameraItem> items;
    QObject::connect(&device, &CameraDevice::itemsAdded, &device,
                     [&items](const QList<CameraItem> &batch) { items += batch; });
    QSignalSpy finished(&device, &CameraDevice::listingFinished);
    device.requestOpenSession();
    if (!finished.wait(20000))
        return {};
    if (error)
        *error = finished.first().first().toString();
    QObject::disconnect(&device, &CameraDevice::itemsAdded, &device, nullptr);
    return items;
}

// A camera in memory. Each failure switch makes the matching call fail as a real
// driver would; `gate` (when set) runs at the start of every call, so a test can
// hold the worker or record the order of calls.
class FakeBackend : public CameraBackend
{
public:
    QList<CameraItem> items;
    QMap<QString, QByteArray> contents; // by item key
    CameraError openError = CameraError::None;
    QStringList failDownloads;          // names
    QStringList failDeletes;            // names
    std::function<void(const QString &call)> gate;

    CameraResult open() override
    {
        enter("open");
        if (openError == CameraError::None)
            return CameraResult::success();
        return CameraResult::failure(openError, "Could not claim the USB device");
    }
    void close() override {}
    CameraResult listFolder(const QString &folder, QStringList *, QList<CameraItem> *files) override
    {
        enter("list");
        for (const CameraItem &item : items)
            if (item.folder == folder || folder == "/")
                files->append(item);
        return CameraResult::success();
    }
    CameraResult preview(const CameraItem &item, QByteArray *) override
    {
        enter("preview " + item.name);
        return CameraResult::failure(CameraError::NotSupported, {});
    }
    CameraResult download(const CameraItem &item, QIODevice *out,
                          const std::function<bool(qint64, qint64)> &progress) override
    {
        enter("download " + item.name);
        const QByteArray data = contents.value(item.key());
        // Half the bytes arrive before the cable is pulled, as in a real failure.
        if (failDownloads.contains(item.name)) {
            out->write(data.left(data.size() / 2));
            return CameraResult::failure(CameraError::Gone, "I/O problem");
        }
        out->write(data);
        if (progress)
            progress(data.size(), data.size());
        return CameraResult::success();
    }
    CameraResult remove(const CameraItem &item) override
    {
        enter("remove " + item.name);
        if (failDeletes.contains(item.name))
            return CameraResult::failure(CameraError::NotSupported, "read-only card");
        items.removeAll(item);
        return CameraResult::success();
    }

    void add(const QString &name, const QByteArray &data)
    {
        const CameraItem item{"/DCIM", name, "image/jpeg", data.size(), {}};
        items.append(item);
        contents.insert(item.key(), data);
    }

private:
    void enter(const QString &call)
    {
        if (gate)
            gate(call);
    }
};

} // namespace cameratest
