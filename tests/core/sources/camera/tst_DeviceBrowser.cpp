// SPDX-License-Identifier: GPL-3.0-or-later
// Cameras coming and going, with a scripted detector in place of libgphoto2's probe.
#include "sources/camera/DeviceBrowser.h"

#include <QMutex>
#include <QSignalSpy>
#include <QTest>

class TestDeviceBrowser : public QObject
{
    Q_OBJECT

private:
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

    const CameraInfo canon{QStringLiteral("Canon EOS 80D"), QStringLiteral("usb:001,005")};
    const CameraInfo phone{QStringLiteral("Apple iPhone"), QStringLiteral("usb:001,009")};
    const CameraInfo folder{QStringLiteral("Directory Browse"), QStringLiteral("disk:/srv/card")};

private Q_SLOTS:
    void reportsEachCameraAddedAndRemovedOnce()
    {
        Script script;
        DeviceBrowser browser(detector(script), false);
        QSignalSpy added(&browser, &DeviceBrowser::deviceAdded);
        QSignalSpy removed(&browser, &DeviceBrowser::deviceRemoved);

        script.attached = {canon};
        scan(browser);
        script.attached = {canon, phone};
        scan(browser);
        scan(browser); // nothing changed
        QCOMPARE(added.size(), 2);
        QCOMPARE(added.at(1).first().value<CameraInfo>(), phone);
        QCOMPARE(browser.cameras(), (QList<CameraInfo>{canon, phone}));

        script.attached = {phone};
        scan(browser);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().first().value<CameraInfo>(), canon);
        QCOMPARE(browser.cameras(), QList<CameraInfo>{phone});

        // A failed scan says why and keeps the cameras it knew.
        QSignalSpy failed(&browser, &DeviceBrowser::scanFailed);
        script.attached = {};
        script.error = QStringLiteral("I/O problem");
        scan(browser);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(browser.cameras(), QList<CameraInfo>{phone});
    }

    void namedCamerasStayUntilUnnamed()
    {
        Script script;
        DeviceBrowser browser(detector(script), false);
        QSignalSpy added(&browser, &DeviceBrowser::deviceAdded);
        QSignalSpy removed(&browser, &DeviceBrowser::deviceRemoved);
        QSignalSpy finished(&browser, &DeviceBrowser::scanFinished);
        browser.setNamedCameras({folder});
        QVERIFY(finished.wait(5000));
        scan(browser);
        QCOMPARE(added.size(), 1);
        QCOMPARE(added.first().first().value<CameraInfo>(), folder);
        browser.setNamedCameras({});
        QVERIFY(finished.wait(5000));
        QCOMPARE(removed.size(), 1);
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

QTEST_GUILESS_MAIN(TestDeviceBrowser)
#include "tst_DeviceBrowser.moc"
