// SPDX-License-Identifier: GPL-3.0-or-later
// A photo file on the disk: atomic writes that never report bytes the disk did not take,
// reads of regular files only, and the file's own dates.
#include "SmallDisk.h"
#include "TestSupport.h"

#include "imageio/FileDates.h"
#include "imageio/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// Every name in a folder, hidden ones too, so a left-behind temporary file shows.
QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

int syncError = 0;
int failingSync(int)
{
    errno = syncError;
    return -1;
}

} // namespace

class TestPhotoFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void failedWriteKeepsEarlierFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("failedSync"); // 0: a real small disk with 8 KB free
        QTest::addColumn<QString>("reason"); // empty: written
        // Under 16 KB is what Qt's buffered writer lost without a word.
        QTest::newRow("small result, disk full") << 12 * 1024 << 0 << "disk full";
        QTest::newRow("large result, disk full") << 200 * 1024 << 0 << "disk full";
        QTest::newRow("result that fits") << 2 * 1024 << 0 << "";
        // The sync before the rename is where a dying disk, or one that allocates space only
        // then, says the bytes are not there.
        QTest::newRow("sync: I/O error") << 2 * 1024 << EIO << QString::fromLocal8Bit(std::strerror(EIO));
        QTest::newRow("sync: space allocated late") << 2 * 1024 << ENOSPC << "disk full";
    }

    void failedWriteKeepsEarlierFile()
    {
        QFETCH(int, size);
        QFETCH(int, failedSync);
        QFETCH(QString, reason);
        QTemporaryDir root;
        std::optional<SmallDisk> disk;
        if (!failedSync) {
            disk.emplace(root.filePath("disk"), 64);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->problem()));
        }
        const QString folder = disk ? disk->path() : root.path();
        const QString path = folder + "/photo.jpg";
        const QByteArray earlier(3000, 'e');
        QVERIFY(writeFile(path, earlier));
        if (disk)
            QVERIFY(disk->leaveFree(8 * 1024));
        syncError = failedSync;
        if (failedSync)
            imageio::syncFileToDisk = failingSync;
        const auto restore = qScopeGuard([] { imageio::syncFileToDisk = ::fsync; });

        const QByteArray result(size, 'r');
        QString error;
        QCOMPARE(imageio::writeFileAtomically(path, result, &error), reason.isEmpty());
        QCOMPARE(readFile(path), reason.isEmpty() ? result : earlier);
        QCOMPARE(error, reason);
        QCOMPARE(namesIn(folder), (disk ? QStringList{".filler", "photo.jpg"} : QStringList{"photo.jpg"}));
    }

    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("link to a file outside") << false;
        QTest::newRow("dangling link") << true;
    }

    void linksAreNeverWrittenThrough()
    {
        QFETCH(bool, dangling);
        QTemporaryDir root;
        QDir(root.path()).mkpath("out");
        QDir(root.path()).mkpath("outside");
        const QString target = root.filePath("outside/notes.txt");
        if (!dangling)
            QVERIFY(writeFile(target, "my notes"));
        const QString link = root.filePath("out/x.jpg");
        QVERIFY(QFile::link("../outside/notes.txt", link));

        QString error;
        QVERIFY(!imageio::writeFileAtomically(link, QByteArray("\xff\xd8 jpeg data"), &error));
        QVERIFY2(error.contains("link"), qPrintable(error));
        QCOMPARE(readFile(target), dangling ? QByteArray() : QByteArray("my notes"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(namesIn(root.filePath("out")), QStringList{"x.jpg"});
    }

    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo" << "not a regular file";
        QTest::newRow("link to /dev/zero") << "zero" << "not a regular file";
        QTest::newRow("folder") << "folder" << "is a folder";
        QTest::newRow("over the maximum") << "large" << "too large";
    }

    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir root;
        const QString path = root.filePath(kind);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, QByteArray(4097, 'x')));

        QByteArray bytes("untouched");
        QString error;
        // Opening a FIFO without a writer the plain way never returns.
        QVERIFY(!imageio::readPhotoFile(path, &bytes, &error, 4096));
        QCOMPARE(error, reason);
        QCOMPARE(bytes, QByteArray("untouched"));
        QVERIFY(imageio::readPhotoFile(path, &bytes, &error, 4097) == (kind == "large"));
    }

    // Linux cannot set a birth time: a creation date goes to the modification date,
    // unless a modification date of its own is given.
    void setsDatesToTheSecond_data()
    {
        QTest::addColumn<QDateTime>("creation");
        QTest::addColumn<QDateTime>("modification");
        QTest::addColumn<QDateTime>("expectedModification"); // invalid: no file to date
        const QDateTime c(QDate(2011, 5, 6), QTime(7, 59, 48), QTimeZone(3600));
        const QDateTime m(QDate(1999, 12, 31), QTime(23, 59, 59), QTimeZone::utc());
        const QDateTime old(QDate(1965, 3, 1), QTime(12, 0, 1), QTimeZone::utc());
        QTest::newRow("creation only goes to the modification date") << c << QDateTime() << c;
        QTest::newRow("both: modification keeps its own") << c << m << m;
        QTest::newRow("modification only") << QDateTime() << m << m;
        QTest::newRow("before 1970") << old << QDateTime() << old;
        QTest::newRow("missing file") << c << m << QDateTime();
    }

    void setsDatesToTheSecond()
    {
        QFETCH(QDateTime, creation);
        QFETCH(QDateTime, modification);
        QFETCH(QDateTime, expectedModification);
        QTemporaryDir dir;
        const QString path = dir.filePath("f.bin");
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        if (expectedModification.isValid())
            QVERIFY(writeFile(path, "x"));
        const QDateTime created = filedates::creationDate(path);
        QCOMPARE(created.isValid(), expectedModification.isValid());
        const QDateTime after = QDateTime::currentDateTime().addSecs(2);
        QVERIFY(!created.isValid() || (created >= before && created <= after));
        QCOMPARE(filedates::setFileDates(path, creation.isValid() ? std::optional(creation) : std::nullopt,
                                         modification.isValid() ? std::optional(modification) : std::nullopt),
                 expectedModification.isValid());
        QCOMPARE(filedates::modificationDate(path), expectedModification);
    }
};

QTEST_GUILESS_MAIN(TestPhotoFiles)
#include "tst_photofiles.moc"
