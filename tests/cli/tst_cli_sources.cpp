// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli camera (through libgphoto2's "Directory Browse" driver), library scan and
// check-update: what they print and their exit status.

#include "CameraTestKit.h"
#include "CliRun.h"
#include "LibraryFixture.h"
#include "LocalHttpServer.h"
#include "TestSupport.h"

#include "app/BuildVersion.h"

#include <QTemporaryDir>
#include <QTest>

using clitest::cli;
using testsupport::readFile;

class CliSourcesTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_card;
    QString m_dcim;

    QStringList cameraArgs(const QString &action) const
    {
        return {"camera", action, "--camera", "Directory Browse", "--port", "disk:" + m_card.path()};
    }

private Q_SLOTS:
    void initTestCase() { m_dcim = cameratest::makeCardFolder(m_card.path()); }

    void listPrintsFolderNameTypeAndSize()
    {
        const clitest::Run run = cli(cameraArgs("list"));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines().size(), 6); // the driver lists no HEIC and no text file
        QVERIFY2(run.lines().contains("/DCIM/100TEST\tCLIP_0006.MOV\tMovie\t20"), qPrintable(run.text));
        const QString photo = "/DCIM/100TEST\tgps_htc_desire.jpg\tImage\t"
            + QString::number(QFileInfo(m_dcim + "/gps_htc_desire.jpg").size());
        QVERIFY2(run.lines().contains(photo), qPrintable(run.text));
    }

    void downloadNamedOrAllIntoAFolder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("expected");
        QTest::newRow("all") << QStringList() << 6;
        QTest::newRow("two") << QStringList{"thumb_red.jpg", "/DCIM/100TEST/screen.png"} << 2;
    }
    void downloadNamedOrAllIntoAFolder()
    {
        QFETCH(QStringList, names);
        QFETCH(int, expected);
        QTemporaryDir into;
        const clitest::Run run = cli(cameraArgs("download") << "--into" << into.path() << names);
        QCOMPARE(run.status, 0);
        const QStringList written = QDir(into.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), expected);
        QCOMPARE(run.lines().size(), expected);
        for (const QString &name : written)
            QCOMPARE(readFile(into.filePath(name)), readFile(m_dcim + '/' + name));
    }

    void errorsAreMessagesWithStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing name") << QStringList{"--into", QDir::tempPath(), "NOPE.JPG"}
                                      << 1 << "NOPE.JPG: not on the camera";
        QTest::newRow("no action") << QStringList{"camera"} << 2 << "choose list or download";
        const QStringList unknown{"camera", "list", "--camera", "No Such Model 9", "--port", "disk:/nowhere"};
        QTest::newRow("no card folder") << unknown << 1 << "Could not open the camera.";
    }
    void errorsAreMessagesWithStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const clitest::Run run = cli(args.first() == "camera" ? args : cameraArgs("download") + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void libraryScan()
    {
        QTemporaryDir dir;
        const QString package = libraryfixture::makeLibrary(
            dir.path(), {"Masters/2019/02/b.jpg", "Masters/2019/01/a.png",
                         "Masters/2019/01/clip.mov", "Masters/2019/01/a.xmp"});
        clitest::Run run = cli({"library", "scan", package});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.text,
                 QStringLiteral("%1/Masters/2019/01/a.png\n%1/Masters/2019/02/b.jpg\n2 photos; 2 files skipped\n").arg(package));
        QVERIFY(run.err.contains("clip.mov: a movie"));
        QVERIFY(run.err.contains("a.xmp: not a photo"));

        run = cli({"library", "scan", dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.text.isEmpty());
        QVERIFY(run.err.contains("\"Photos Library.photoslibrary\""));
        QCOMPARE(cli({"library", "list", package}).status, 2);
    }

    void checkUpdate_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("printed");
        const QString running = QString::fromLatin1(buildversion::version);
        const QByteArray newer = LocalHttpServer::versionList("99.0", "*One*Two");
        QTest::newRow("newer") << newer << 0
                               << QStringLiteral("Vantoric Glimmerset 99.0 is available.\nYou are using %1 version. "
                                                 "Would you like to download it now?\n\n\nOne\nTwo\n").arg(running);
        QTest::newRow("latest") << LocalHttpServer::versionList(running, {}) << 0
                                << QStringLiteral("Vantoric Glimmerset %1 is the latest version.\n").arg(running);
        QTest::newRow("not a plist") << QByteArray("<html/>") << 1
                                     << "Could not check for updates: the server's answer is not a usable version list: it is not a property list";
    }
    void checkUpdate()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, exitStatus);
        QFETCH(QString, printed);
        LocalHttpServer server;
        server.setResponse({200, body});
        const clitest::Run run = cli({"check-update", "--url", server.url().toString()});
        QCOMPARE(run.status, exitStatus);
        QCOMPARE(server.requestCount(), 1);
        if (exitStatus == 0) {
            QVERIFY2(run.text.startsWith(printed), qPrintable(run.text));
        } else {
            QVERIFY(run.text.isEmpty());
            QVERIFY2(run.err.contains("glimmerset-cli check-update: " + printed), qPrintable(run.err));
        }
    }
};

QTEST_GUILESS_MAIN(CliSourcesTest)
#include "tst_cli_sources.moc"
