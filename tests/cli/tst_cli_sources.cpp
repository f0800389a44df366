// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli camera (through libgphoto2's "Directory Browse" driver), library scan and
// check-update: what they print and their exit status.

#include "CameraTestKit.h"
#include "LibraryFixture.h"
#include "LocalHttpServer.h"
#include "TestSupport.h"

#include "app/BuildVersion.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

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

    // Runs the CLI while this process's event loop serves the test's HTTP server.
    static int runServed(const QStringList &args, QByteArray *out, QByteArray *err)
    {
        QProcess process;
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(cli(), args);
        if (!finished.wait(30000))
            return -1;
        *out = process.readAllStandardOutput();
        *err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private Q_SLOTS:
    void initTestCase() { m_dcim = cameratest::makeCardFolder(m_card.path()); }

    void listPrintsFolderNameTypeAndSize()
    {
        int status = -1;
        const QByteArray out = run(cli(), cameraArgs("list"), &status);
        QCOMPARE(status, 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 6); // the driver lists no HEIC and no text file
        const QByteArray movie = "/DCIM/100TEST\tCLIP_0006.MOV\tMovie\t20";
        QVERIFY2(lines.contains(movie), out.constData());
        const QByteArray photo = "/DCIM/100TEST\tgps_htc_desire.jpg\tImage\t"
            + QByteArray::number(QFileInfo(m_dcim + "/gps_htc_desire.jpg").size());
        QVERIFY2(lines.contains(photo), out.constData());
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
        int status = -1;
        const QStringList args = cameraArgs("download") << "--into" << into.path() << names;
        const QByteArray out = run(cli(), args, &status);
        QCOMPARE(status, 0);
        const QStringList written = QDir(into.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), expected);
        QCOMPARE(out.trimmed().split('\n').size(), expected);
        for (const QString &name : written)
            QCOMPARE(readFile(into.filePath(name)), readFile(m_dcim + '/' + name));
    }

    void errorsAreMessagesWithStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("missing name") << QStringList{"--into", QDir::tempPath(), "NOPE.JPG"}
                                      << 1 << QByteArray("NOPE.JPG: not on the camera");
        QTest::newRow("no action") << QStringList{"camera"} << 2 << QByteArray("choose list or download");
        const QStringList unknown{"camera", "list", "--camera", "No Such Model 9", "--port", "disk:/nowhere"};
        QTest::newRow("no card folder") << unknown << 1 << QByteArray("Could not open the camera.");
    }
    void errorsAreMessagesWithStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        int actual = -1;
        QByteArray err;
        run(cli(), args.first() == "camera" ? args : cameraArgs("download") + args, &actual, &err);
        QCOMPARE(actual, status);
        QVERIFY2(err.contains(message), err.constData());
    }

    void libraryScan()
    {
        QTemporaryDir dir;
        const QString package = libraryfixture::makeLibrary(
            dir.path(), {"Masters/2019/02/b.jpg", "Masters/2019/01/a.png",
                         "Masters/2019/01/clip.mov", "Masters/2019/01/a.xmp"});
        int status = -1;
        QByteArray err;
        QByteArray out = run(cli(), {"library", "scan", package}, &status, &err);
        QCOMPARE(status, 0);
        QCOMPARE(QString::fromUtf8(out),
                 QStringLiteral("%1/Masters/2019/01/a.png\n%1/Masters/2019/02/b.jpg\n2 photos; 2 files skipped\n").arg(package));
        QVERIFY(err.contains("clip.mov: a movie"));
        QVERIFY(err.contains("a.xmp: not a photo"));

        // A folder that is not a library is named as such, with what is expected.
        out = run(cli(), {"library", "scan", dir.path()}, &status, &err);
        QCOMPARE(status, 1);
        QVERIFY(out.isEmpty());
        QVERIFY(err.contains("\"Photos Library.photoslibrary\""));
        run(cli(), {"library", "list", package}, &status);
        QCOMPARE(status, 2);
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
        QByteArray out, err;
        QCOMPARE(runServed({"check-update", "--url", server.url().toString()}, &out, &err), exitStatus);
        QCOMPARE(server.requestCount(), 1);
        if (exitStatus == 0) {
            QVERIFY2(QString::fromUtf8(out).startsWith(printed), out.constData());
        } else {
            QVERIFY(out.isEmpty());
            QVERIFY2(err.contains("glimmerset-cli check-update: " + printed.toUtf8()), err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(CliSourcesTest)
#include "tst_cli_sources.moc"
