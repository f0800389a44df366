// SPDX-License-Identifier: GPL-3.0-or-later
// A camera device end to end: the "Directory Browse" driver of libgphoto2 over a test
// card folder, and a fake backend for failures the driver cannot produce. And cameras
// coming and going, with a scripted detector in place of libgphoto2's probe.
#include "CameraTestKit.h"

#include "sources/camera/CameraMessages.h"
#include "sources/camera/DeviceBrowser.h"
#include "sources/camera/GPhotoBackend.h"

#include <QDir>
#include <QTemporaryDir>

#include <gphoto2/gphoto2-port-result.h>

#include <memory>
#include <semaphore>

using namespace cameratest;

class TestCameraDevice : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_card;
    QString m_dcim;

    // What the next scan finds; an empty error means the scan worked.
    struct Script {
        QMutex mutex;
        QList<CameraInfo> attached;
        QString error;
    };

    static DeviceBrowser::Detector detector(Script &script)
    {
        return [&script](QString *error) {
            QMutexLocker lock(&script.mutex);
            *error = script.error;
            return script.attached;
        };
    }

    static void scan(DeviceBrowser &browser)
    {
        QSignalSpy finished(&browser, &DeviceBrowser::scanFinished);
        browser.rescan();
        QVERIFY(finished.wait(5000));
    }

    const CameraInfo phone{"Apple iPhone", "usb:001,009"};
    const CameraInfo folder{"Directory Browse", "disk:/srv/card"};

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_card.isValid());
        m_dcim = makeCardFolder(m_card.path());
    }

    // Type and listing by MIME type and name, as drivers report them (phones often
    // send HEIC and raw files as application/octet-stream).
    void typesAndListingByMimeAndExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mime");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("type");
        QTest::newRow("MOV") << "A.MOV" << "video/quicktime" << true << "Movie";
        QTest::newRow("mov") << "a.mov" << "" << true << "Movie";
        QTest::newRow("Mp4") << "a.Mp4" << "application/octet-stream" << true << "Movie";
        QTest::newRow("m4v") << "a.m4v" << "video/x-m4v" << true << "Movie";
        QTest::newRow("MPEG") << "a.MPEG" << "video/mpeg" << true << "Movie";
        QTest::newRow("HEIC untyped") << "IMG_0001.HEIC" << "application/octet-stream" << true << "Image";
        QTest::newRow("raw typed") << "IMG_0001.CR2" << "image/x-canon-raw" << true << "Image";
        QTest::newRow("mov in the name") << "mov.jpg" << "image/jpeg" << true << "Image";
        QTest::newRow("text") << "notes.txt" << "text/plain" << false << "Image";
        QTest::newRow("camera database") << "INDEX.DAT" << "application/octet-stream" << false << "Image";
    }
    void typesAndListingByMimeAndExtension()
    {
        QFETCH(QString, name);
        QFETCH(QString, mime);
        QFETCH(bool, listed);
        QFETCH(QString, type);
        QCOMPARE(CameraItem::isListed(mime, name), listed);
        QCOMPARE((CameraItem{"/", name, mime, 0, {}}).fileType(), type);
    }

    // The driver offers no previews, so pictures come from the Exif thumbnail or a decode.
    // Deleting removes the file from the card.
    void thumbnailsFallBackToExifThenDecodeAndDeleteRemoves()
    {
        auto device = CameraDevice::create(directoryCamera(m_card.path()));
        const QList<CameraItem> items = openAndList(*device);
        QSignalSpy ready(device.get(), &CameraDevice::thumbnailReady);
        for (const CameraItem &item : items)
            device->requestThumbnail(item, QSize(128, 128));
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), items.size(), 20000);
        QMap<QString, QImage> images;
        for (const auto &answer : ready) {
            const auto image = answer.at(1).value<QImage>();
            const QString path = answer.at(2).toString();
            images.insert(answer.at(0).value<CameraItem>().name, image);
            QVERIFY2(image.isNull() || (path.startsWith(device->thumbnailFolder()) && QFile::exists(path)),
                     qPrintable(path));
        }
        // Red Exif thumbnail over blue pixels: the thumbnail is what was shown.
        const QImage exif = images.value("thumb_red.jpg");
        QCOMPARE(exif.size(), QSize(32, 24));
        QVERIFY(qRed(exif.pixel(16, 12)) > 200 && qBlue(exif.pixel(16, 12)) < 60);
        // No Exif thumbnail: a decode scaled into the bound.
        const QImage decoded = images.value("gps_htc_desire.jpg");
        QVERIFY(!decoded.isNull() && decoded.width() <= 128 && decoded.height() <= 128);
        QCOMPARE(images.value("screen.png").pixelColor(1, 1), QColor(0, 128, 0)); // ImageMagick's "green"
        QVERIFY(images.value("CLIP_0006.MOV").isNull());
        // The scratch copies are gone; only thumbnails stay in the private folder.
        QVERIFY(QDir(device->thumbnailFolder()).entryList({"fetch-*"}, QDir::Files).isEmpty());
        QVERIFY(!device->thumbnailFolder().isEmpty());
        QCOMPARE(QFileInfo(device->thumbnailFolder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFileDevice::Permissions());

        const auto victim = *std::find_if(items.begin(), items.end(),
                                          [](const CameraItem &i) { return i.name == "screen.png"; });
        QSignalSpy deleted(device.get(), &CameraDevice::itemDeleted);
        QSignalSpy done(device.get(), &CameraDevice::deleteFinished);
        device->requestDelete({victim});
        QVERIFY(done.wait(10000));
        QCOMPARE(deleted.size(), 1);
        QCOMPARE(done.first(), (QVariantList{1, 0}));
        QVERIFY(!QFile::exists(m_dcim + "/screen.png"));
        QVERIFY(QFile::exists(m_dcim + "/gps_htc_desire.jpg"));
    }

    // A port the driver cannot use fails to open (a folder driver on a serial port would
    // otherwise browse the whole file system); a missing card folder opens but cannot be read.
    void wrongCameraIsAMessageNotACrash_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("port kind") << DirectoryModel << "serial:/dev/ttyS0" << "Could not open the camera.";
        QTest::newRow("no card") << DirectoryModel << "disk:/nonexistent/card" << "Could not read the folder /.";
    }
    void wrongCameraIsAMessageNotACrash()
    {
        QFETCH(QString, model);
        QFETCH(QString, port);
        QFETCH(QString, message);
        CameraDevice device({model, port}, std::make_unique<GPhotoBackend>(CameraInfo{model, port}));
        QSignalSpy listed(&device, &CameraDevice::listingFinished);
        device.requestOpenSession();
        QVERIFY(listed.wait(10000));
        const QString error = listed.first().first().toString();
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }

    // The driver's other failures show in the listing and thumbnail tests above; a camera
    // another program holds only with a real USB device, so its code is checked here.
    void claimedUsbMeansHeld()
    {
        QCOMPARE(int(GPhotoBackend::errorKind(GP_ERROR_IO_USB_CLAIM)), int(CameraError::Held));
    }

    // ---- Fake camera: what the driver cannot be made to do -----------------------

    // Commands go before queued thumbnails, and a device destroyed while its worker
    // is busy neither hangs nor delivers answers afterwards.
    void commandsOvertakeThumbnailsAndDestructionIsClean()
    {
        auto backend = std::make_unique<FakeBackend>();
        for (int i = 0; i < 5; ++i)
            backend->add(QStringLiteral("P%1.JPG").arg(i), "x");
        const QList<CameraItem> items = backend->items;
        std::binary_semaphore release(0);
        QMutex mutex;
        QStringList calls;
        bool hold = true;
        backend->gate = [&](const QString &call) {
            {
                QMutexLocker lock(&mutex);
                calls << call;
            }
            if (std::exchange(hold, false))
                release.acquire();
        };
        QTemporaryDir into;
        auto device = std::make_unique<CameraDevice>(CameraInfo{"Fake", "usb:"}, std::move(backend));
        QSignalSpy finished(device.get(), &CameraDevice::downloadFinished);
        device->requestThumbnail(items.at(0), QSize(64, 64)); // held inside this one
        QTRY_COMPARE(calls.size(), 1);
        for (int i = 1; i < 5; ++i)
            device->requestThumbnail(items.at(i), QSize(64, 64));
        device->requestDownload(items.at(4), into.path());
        release.release();
        QVERIFY(finished.wait(5000));
        {
            QMutexLocker lock(&mutex);
            // The held thumbnail finishes (its preview, then its fetch); the download comes next.
            QCOMPARE(calls.at(2), "download P4.JPG");
        }
        device->requestDownload(items.at(3), into.path());
        device.reset();
        QVERIFY(!finished.wait(50));
    }

    // ---- Cameras coming and going ------------------------------------------------

    // What cameras come and go the controller's test shows. A failed scan says why and keeps
    // the cameras it knew; a camera the user named stays whatever the probe finds.
    void failedScansAndNamedCamerasKeepTheirCameras()
    {
        Script script;
        DeviceBrowser browser(detector(script), false);
        QSignalSpy failed(&browser, &DeviceBrowser::scanFailed);
        script.attached = {phone};
        scan(browser);
        script.attached = {};
        script.error = "I/O problem";
        scan(browser);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(browser.cameras(), QList<CameraInfo>{phone});

        script.error.clear();
        script.attached = {phone};
        browser.setNamedCameras({folder});
        QTRY_COMPARE(browser.cameras(), (QList<CameraInfo>{phone, folder}));
        scan(browser);
        QCOMPARE(browser.cameras(), (QList<CameraInfo>{phone, folder}));
        browser.setNamedCameras({});
        QTRY_COMPARE(browser.cameras(), QList<CameraInfo>{phone});
    }

    // Without a USB monitor the browser polls; a rescan asked for during a scan runs after it.
    void pollsWithoutHotplugAndQueuesRescans()
    {
        Script script;
        DeviceBrowser browser(detector(script), false);
        QVERIFY(!browser.watchesHotplug());
        browser.start();
        QVERIFY(browser.isPolling());
        QSignalSpy finished(&browser, &DeviceBrowser::scanFinished);
        browser.rescan(); // while the start scan runs
        QTRY_COMPARE(finished.size(), 2);
        QSignalSpy added(&browser, &DeviceBrowser::deviceAdded);
        script.attached = {phone};
        QVERIFY(added.wait(DeviceBrowser::PollInterval + 3000));
    }
};

QTEST_GUILESS_MAIN(TestCameraDevice)
#include "tst_CameraDevice.moc"
