// SPDX-License-Identifier: GPL-3.0-or-later
#include "../compress/CompressFixtures.h"
#include "SmallDisk.h"

#include "imageio/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

using fixtures::readAll;
using fixtures::writeAll;

// Every name in a folder, hidden ones too, so a left-behind temporary file shows.
QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

} // namespace

class TestPhotoFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullDiskKeepsEarlierFile_data();
    void fullDiskKeepsEarlierFile();
    void linksAreNeverWrittenThrough_data();
    void linksAreNeverWrittenThrough();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
};

void TestPhotoFiles::fullDiskKeepsEarlierFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("fits");
    // Under 16 KB is what Qt's buffered writer lost without a word.
    QTest::newRow("small result, disk full") << 12 * 1024 << false;
    QTest::newRow("large result, disk full") << 200 * 1024 << false;
    QTest::newRow("result that fits") << 2 * 1024 << true;
}

void TestPhotoFiles::fullDiskKeepsEarlierFile()
{
    QFETCH(int, size);
    QFETCH(bool, fits);
    QTemporaryDir root;
    testsupport::SmallDisk disk(root.filePath(QStringLiteral("disk")), 64);
    if (!disk.mounted())
        QSKIP(qPrintable(disk.problem()));
    const QString path = disk.filePath(QStringLiteral("photo.jpg"));
    const QByteArray earlier(3000, 'e');
    QVERIFY(writeAll(path, earlier));
    QVERIFY(disk.leaveFree(8 * 1024));

    const QByteArray result(size, 'r');
    QString error;
    QCOMPARE(imageio::writeFileAtomically(path, result, &error), fits);
    QCOMPARE(readAll(path), fits ? result : earlier);
    if (!fits)
        QCOMPARE(error, QStringLiteral("disk full"));
    QCOMPARE(namesIn(disk.path()), QStringList({QStringLiteral(".filler"), QStringLiteral("photo.jpg")}));
}

void TestPhotoFiles::linksAreNeverWrittenThrough_data()
{
    QTest::addColumn<bool>("dangling");
    QTest::newRow("link to a file outside") << false;
    QTest::newRow("dangling link") << true;
}

void TestPhotoFiles::linksAreNeverWrittenThrough()
{
    QFETCH(bool, dangling);
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("out"));
    QDir(root.path()).mkpath(QStringLiteral("outside"));
    const QString target = root.filePath(QStringLiteral("outside/notes.txt"));
    if (!dangling)
        QVERIFY(writeAll(target, "my notes"));
    const QString link = root.filePath(QStringLiteral("out/x.jpg"));
    QVERIFY(QFile::link(QStringLiteral("../outside/notes.txt"), link));

    QString error;
    QVERIFY(!imageio::writeFileAtomically(link, QByteArray("\xff\xd8 jpeg data"), &error));
    QVERIFY2(error.contains(QLatin1String("link")), qPrintable(error));
    QCOMPARE(QFileInfo::exists(target), !dangling);
    if (!dangling)
        QCOMPARE(readAll(target), QByteArray("my notes"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(namesIn(root.filePath(QStringLiteral("out"))), QStringList{QStringLiteral("x.jpg")});
}

void TestPhotoFiles::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("fifo") << "fifo" << "not a regular file";
    QTest::newRow("link to /dev/zero") << "zero" << "not a regular file";
    QTest::newRow("folder") << "folder" << "is a folder";
    QTest::newRow("over the maximum") << "large" << "too large";
}

void TestPhotoFiles::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir root;
    const QString path = root.filePath(kind);
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(writeAll(path, QByteArray(4097, 'x')));

    QByteArray bytes("untouched");
    QString error;
    // Opening a FIFO without a writer the plain way never returns.
    QVERIFY(!imageio::readPhotoFile(path, &bytes, &error, 4096));
    QCOMPARE(error, reason);
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(imageio::readPhotoFile(path, &bytes, &error, 4097) == (kind == QLatin1String("large")));
}

QTEST_GUILESS_MAIN(TestPhotoFiles)
#include "tst_photofiles.moc"
