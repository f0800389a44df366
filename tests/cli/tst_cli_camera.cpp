// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli camera: listing and downloading through libgphoto2's "Directory Browse" driver.
#include "CameraTestKit.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

using namespace testsupport;

class CliCameraTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_card;
    QString m_dcim;

    QStringList cameraArgs(const QString &action) const
    {
        return {QStringLiteral("camera"), action, QStringLiteral("--camera"), QStringLiteral("Directory Browse"),
                QStringLiteral("--port"), QStringLiteral("disk:") + m_card.path()};
    }
    static QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() { m_dcim = cameratest::makeCardFolder(m_card.path()); }

    void listPrintsFolderNameTypeAndSize()
    {
        int status = -1;
        const QByteArray out = run(cli(), cameraArgs(QStringLiteral("list")), &status);
        QCOMPARE(status, 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 6); // the driver lists no HEIC and no text file
        const QByteArray movie = "/DCIM/100TEST\tCLIP_0006.MOV\tMovie\t20";
        QVERIFY2(lines.contains(movie), out.constData());
        const QByteArray photo = "/DCIM/100TEST\tgps_htc_desire.jpg\tImage\t"
            + QByteArray::number(QFileInfo(m_dcim + QStringLiteral("/gps_htc_desire.jpg")).size());
        QVERIFY2(lines.contains(photo), out.constData());
    }

    void downloadNamedOrAllIntoAFolder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("expected");
        QTest::newRow("all") << QStringList() << 6;
        QTest::newRow("two") << QStringList{QStringLiteral("thumb_red.jpg"), QStringLiteral("/DCIM/100TEST/screen.png")} << 2;
    }
    void downloadNamedOrAllIntoAFolder()
    {
        QFETCH(QStringList, names);
        QFETCH(int, expected);
        QTemporaryDir into;
        int status = -1;
        const QByteArray out = run(cli(), cameraArgs(QStringLiteral("download"))
                                              << QStringLiteral("--into") << into.path() << names, &status);
        QCOMPARE(status, 0);
        const QStringList written = QDir(into.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), expected);
        QCOMPARE(out.trimmed().split('\n').size(), expected);
        for (const QString &name : written)
            QCOMPARE(bytes(into.filePath(name)), bytes(m_dcim + QLatin1Char('/') + name));
    }

    void errorsAreMessagesWithStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("missing name") << QStringList{QStringLiteral("--into"), QDir::tempPath(), QStringLiteral("NOPE.JPG")}
                                      << 1 << QByteArray("NOPE.JPG: not on the camera");
        QTest::newRow("no action") << QStringList{QStringLiteral("camera")} << 2 << QByteArray("choose list or download");
        QTest::newRow("no card folder") << QStringList{QStringLiteral("camera"), QStringLiteral("list"), QStringLiteral("--camera"),
                                                       QStringLiteral("No Such Model 9"), QStringLiteral("--port"),
                                                       QStringLiteral("disk:/nowhere")}
                                        << 1 << QByteArray("Could not open the camera.");
    }
    void errorsAreMessagesWithStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        int actual = -1;
        QByteArray err;
        run(cli(), args.first() == QLatin1String("camera") ? args : cameraArgs(QStringLiteral("download")) + args, &actual, &err);
        QCOMPARE(actual, status);
        QVERIFY2(err.contains(message), err.constData());
    }
};

QTEST_GUILESS_MAIN(CliCameraTest)
#include "tst_cli_camera.moc"
