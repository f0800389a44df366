// SPDX-License-Identifier: GPL-3.0-or-later
#include "compress/PathSize.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace compress;

class TestPathSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileByItsSize();
    void folderThroughDu();
    void duOutput_data();
    void duOutput();
};

static void writeBytes(const QString &path, qsizetype count)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(count, 'a')), qint64(count));
}

void TestPathSize::fileByItsSize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    writeBytes(path, 12345);
    QCOMPARE(fastFolderSizeAtFilePath(path), quint64(12345));
    writeBytes(dir.filePath(QStringLiteral("empty")), 0);
    QCOMPARE(fastFolderSizeAtFilePath(dir.filePath(QStringLiteral("empty"))), quint64(0));
    // A missing path, or none at all, is 0.
    QCOMPARE(fastFolderSizeAtFilePath(dir.filePath(QStringLiteral("nothing-here.jpg"))), quint64(0));
    QCOMPARE(fastFolderSizeAtFilePath(QString()), quint64(0));
}

void TestPathSize::folderThroughDu()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("a")), 100000);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    writeBytes(dir.filePath(QStringLiteral("sub/b")), 50000);

    QProcess du;
    du.start(QStringLiteral("/usr/bin/du"), {QStringLiteral("-k"), QStringLiteral("-s"), dir.path()});
    QVERIFY(du.waitForFinished());
    const quint64 kilobytes = du.readAllStandardOutput().split('\t').value(0).toULongLong();
    QVERIFY(kilobytes > 0);

    const quint64 size = fastFolderSizeAtFilePath(dir.path());
    QCOMPARE(size, kilobytes * 1024);
    // Blocks, not bytes: never below the content.
    QVERIFY(size >= 150000);
}

void TestPathSize::duOutput_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<quint64>("bytes");
    QTest::newRow("tab after number") << QByteArray("152\t/tmp/x\n") << quint64(152 * 1024);
    QTest::newRow("path with spaces") << QByteArray("8\t/tmp/a folder/b\n") << quint64(8 * 1024);
    QTest::newRow("empty") << QByteArray() << quint64(0);
    QTest::newRow("not a number") << QByteArray("du: cannot access") << quint64(0);
}

void TestPathSize::duOutput()
{
    QFETCH(QByteArray, output);
    QFETCH(quint64, bytes);
    QCOMPARE(duOutputToBytes(output), bytes);
}

QTEST_GUILESS_MAIN(TestPathSize)
#include "tst_pathsize.moc"
