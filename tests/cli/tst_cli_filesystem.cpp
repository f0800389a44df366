// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli on hostile file systems: a full disk never costs a photo or passes as
// success, and special files are refused instead of hanging or exhausting memory.

#include "../core/compress/CompressFixtures.h"

#include "SmallDisk.h"
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

struct Result {
    int status = -1;
    QString output; // standard output and error together
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TestCliFileSystem : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    Result cli(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("home/.config")));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(testsupport::cli(), args);
        // A blocked read would hang here: fail rather than wait for the suite's timeout.
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
    }

private Q_SLOTS:
    void fullDiskFailsAndKeepsTheOriginal_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<int>("free");
        QTest::newRow("compress --in-place") << QStringList{QStringLiteral("compress"), QStringLiteral("--in-place")} << true << 8192;
        QTest::newRow("strip") << QStringList{QStringLiteral("strip"), QStringLiteral("--gps")} << false << 8192;
        // A property list is small: only a disk with no room at all refuses it.
        QTest::newRow("export") << QStringList{QStringLiteral("export"), QStringLiteral("--whole")} << false << 0;
    }

    void fullDiskFailsAndKeepsTheOriginal()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, inPlace);
        QFETCH(int, free);
        QTemporaryDir root;
        testsupport::SmallDisk disk(root.filePath(QStringLiteral("disk")), 512);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.problem()));
        // In place the photo lives on the full disk; a copy is made from elsewhere into it.
        const QString photo = inPlace ? disk.filePath(QStringLiteral("photo.jpg")) : root.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(!fixtures::writeJpeg(photo, fixtures::photoLikeImage(640, 480),
                                     {QStringLiteral("-GPSLatitude=10"), QStringLiteral("-GPSLatitudeRef=N"),
                                      QStringLiteral("-DateTimeOriginal=2019:01:01 10:00:00")})
                     .isEmpty());
        const QByteArray original = fixtures::readAll(photo);
        QVERIFY(original.size() > 32 * 1024);
        QVERIFY(disk.leaveFree(free));

        QStringList command = args;
        command << photo;
        if (!inPlace)
            command << QStringLiteral("--into") << disk.path();
        const Result run = cli(command);
        QVERIFY2(run.status > 0, qPrintable(run.output));
        QVERIFY2(run.output.contains(QLatin1String("disk full")), qPrintable(run.output));
        QCOMPARE(fixtures::readAll(photo), original);
        // Nothing half written stays behind, not even a temporary file.
        QStringList expected{QStringLiteral(".filler")};
        if (inPlace)
            expected << QStringLiteral("photo.jpg");
        QCOMPARE(filesIn(disk.path()), expected);
    }

    // Originals the Trash cannot take are refused before anything is written, promptly.
    void inPlaceRefusesWhatTheTrashCannotTake_data()
    {
        QTest::addColumn<bool>("ownDisk");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<QString>("reason");
        // Qt retried an info file name past 255 bytes for ever.
        QTest::newRow("name of 250 bytes") << false << 250 << "its name is 250 bytes long";
        QTest::newRow("name of 239 bytes, still taken") << false << 239 << "";
        // Its own Trash folder cannot be made there, and the home Trash is on another disk.
        QTest::newRow("disk without a Trash") << true << 9 << "this disk has no Trash";
    }

    void inPlaceRefusesWhatTheTrashCannotTake()
    {
        QFETCH(bool, ownDisk);
        QFETCH(int, nameLength);
        QFETCH(QString, reason);
        QTemporaryDir root;
        std::unique_ptr<testsupport::SmallDisk> disk;
        QString folder = root.filePath(QStringLiteral("photos"));
        if (ownDisk) {
            disk = std::make_unique<testsupport::SmallDisk>(root.filePath(QStringLiteral("disk")), 2048);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->problem()));
            folder = disk->path();
            // A file where the disk's Trash folder would go.
            QVERIFY(fixtures::writeAll(disk->filePath(QStringLiteral(".Trash-%1").arg(::getuid())), "x"));
        }
        QDir().mkpath(folder);
        const QString photo = folder + QLatin1Char('/') + QString(nameLength - 4, QLatin1Char('p')) + QStringLiteral(".jpg");
        QVERIFY(!fixtures::writeJpeg(photo, 320, 240).isEmpty());
        const QByteArray original = fixtures::readAll(photo);

        const Result run = cli({QStringLiteral("compress"), QStringLiteral("--in-place"), photo});
        QVERIFY2(run.status >= 0, "the command hung or crashed");
        if (reason.isEmpty()) {
            QCOMPARE(run.status, 0);
            QVERIFY(fixtures::readAll(photo) != original);
            return;
        }
        QCOMPARE(run.status, 1);
        QVERIFY2(run.output.contains(QLatin1String("cannot move the original to the Trash: ") + reason), qPrintable(run.output));
        QCOMPARE(run.output.contains(QLatin1String("--no-trash replaces originals")), ownDisk);
        QCOMPARE(fixtures::readAll(photo), original);
        QCOMPARE(filesIn(folder).size(), ownDisk ? 2 : 1); // nothing half written beside it
    }

    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("special");
        QTest::newRow("FIFO in a folder to compress")
            << QStringList{QStringLiteral("compress"), QStringLiteral("--output"), QStringLiteral("OUT"), QStringLiteral("DIR")}
            << "fifo";
        QTest::newRow("/dev/zero to info") << QStringList{QStringLiteral("info"), QStringLiteral("SPECIAL")} << "zero";
        QTest::newRow("/dev/zero to strip") << QStringList{QStringLiteral("strip"), QStringLiteral("--exif"), QStringLiteral("SPECIAL")}
                                            << "zero";
    }

    void specialFilesAreRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, special);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("in"));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/special.jpg");
        if (special == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        QVERIFY(!fixtures::writeJpeg(folder + QStringLiteral("/photo.jpg"), 64, 48).isEmpty());

        args.replaceInStrings(QStringLiteral("SPECIAL"), path);
        args.replaceInStrings(QStringLiteral("DIR"), folder);
        args.replaceInStrings(QStringLiteral("OUT"), root.filePath(QStringLiteral("out")));
        const Result run = cli(args);
        QVERIFY2(run.status >= 0, "the command hung or crashed");
        QVERIFY2(run.output.contains(QLatin1String("not a regular file")), qPrintable(run.output));
        // Named on its own the special file fails the command; in a folder it is reported
        // while the real photo beside it is still compressed.
        if (args.contains(folder))
            QVERIFY(QFileInfo::exists(root.filePath(QStringLiteral("out/photo.jpg"))));
        else
            QCOMPARE(run.status, 1);
    }
};

QTEST_GUILESS_MAIN(TestCliFileSystem)
#include "tst_cli_filesystem.moc"
