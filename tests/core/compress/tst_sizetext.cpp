// SPDX-License-Identifier: GPL-3.0-or-later
#include "compress/CompressionReport.h"
#include "compress/ResultRow.h"
#include "compress/SizeText.h"

#include <QtTest>

#include <cstring>

using namespace compress;

class TestSizeText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizeText_data();
    void sizeText();
    void sizeTextFillsCallersBuffer();
    void savingPercent_data();
    void savingPercent();
    void progress_data();
    void progress();
    void finishLine_data();
    void finishLine();
    void newEntryIsEmpty();
};

void TestSizeText::sizeText_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint64(0) << "0 bytes";
    QTest::newRow("999") << quint64(999) << "999 bytes";
    QTest::newRow("1000") << quint64(1000) << "1.00 KB";
    QTest::newRow("1536 decimal units") << quint64(1536) << "1.54 KB";
    QTest::newRow("999999 stays in KB") << quint64(999999) << "1000.00 KB";
    QTest::newRow("1000000") << quint64(1000000) << "1.00 MB";
    QTest::newRow("2500000") << quint64(2500000) << "2.50 MB";
    QTest::newRow("999999999 stays in MB") << quint64(999999999) << "1000.00 MB";
    QTest::newRow("1e9") << quint64(1000000000) << "1.00 GB";
    QTest::newRow("just below TB") << quint64(999999999999ULL) << "1000.00 GB";
    QTest::newRow("1e12") << quint64(1000000000000ULL) << "1.00 TB";
    // Float has 24 bits of mantissa: 16777217 rounds to 16777216 before dividing.
    QTest::newRow("float rounding of the count") << quint64(16777217) << "16.78 MB";
    // 1004999 / 1000 in float is 1004.999 and / 1000 again 1.004999: prints 1.00, where a
    // double of the rounded KB value (1005.00) would print 1.01.
    QTest::newRow("divided in steps") << quint64(1004999) << "1.00 MB";
    QTest::newRow("huge") << quint64(5000000000000000ULL) << "5000.00 TB";
}

void TestSizeText::sizeText()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(compress::sizeText(bytes), text);
}

void TestSizeText::sizeTextFillsCallersBuffer()
{
    char buffer[SizeTextBufferSize];
    std::memset(buffer, 'x', sizeof buffer);
    char *returned = size_to_unit(1536, buffer);
    QCOMPARE(static_cast<void *>(returned), static_cast<void *>(buffer));
    QCOMPARE(QByteArray(buffer), QByteArray("1.54 KB"));
}

void TestSizeText::savingPercent_data()
{
    QTest::addColumn<quint64>("original");
    QTest::addColumn<quint64>("rest");
    QTest::addColumn<QString>("text");
    QTest::newRow("70%") << quint64(100000) << quint64(30000) << "70%";
    QTest::newRow("equal") << quint64(5000) << quint64(5000) << "0%";
    QTest::newRow("empty source") << quint64(0) << quint64(0) << "0%";
    QTest::newRow("larger result") << quint64(100) << quint64(200) << "0%";
    QTest::newRow("truncated not rounded") << quint64(3) << quint64(1) << "66%";
    QTest::newRow("all saved") << quint64(100) << quint64(0) << "100%";
    // 1 - 0.99999 is 99.999..% in float: truncated to 99, never rounded up to 100.
    QTest::newRow("nearly all") << quint64(100000) << quint64(1) << "99%";
}

void TestSizeText::savingPercent()
{
    QFETCH(quint64, original);
    QFETCH(quint64, rest);
    QFETCH(QString, text);
    QCOMPARE(savingPercentText(original, rest), text);
    ResultRow node;
    node.setOriginalFileSize(original);
    node.setRestFileSize(rest);
    QCOMPARE(node.percentText(), text);
}

void TestSizeText::progress_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << 8 << "0%";
    QTest::newRow("third of eight") << 2 << 8 << "25%";
    QTest::newRow("last of eight is not 100") << 7 << 8 << "87%";
    QTest::newRow("one of three") << 1 << 3 << "33%";
    QTest::newRow("two of three") << 2 << 3 << "66%";
    QTest::newRow("single item") << 0 << 1 << "0%";
}

void TestSizeText::progress()
{
    QFETCH(int, position);
    QFETCH(int, total);
    QFETCH(QString, text);
    QCOMPARE(progressPercentText(progressFraction(position, total)), text);
}

void TestSizeText::finishLine_data()
{
    QTest::addColumn<quint64>("saved");
    QTest::addColumn<quint64>("all");
    QTest::addColumn<QString>("text");
    QTest::newRow("quarter") << quint64(2000000) << quint64(8000000) << "Save  25%  2.00 MB  total";
    QTest::newRow("nothing measured") << quint64(0) << quint64(0) << "Save  0%  0 bytes  total";
    QTest::newRow("nothing saved") << quint64(0) << quint64(123456) << "Save  0%  0 bytes  total";
    QTest::newRow("truncated") << quint64(2) << quint64(3) << "Save  66%  2 bytes  total";
}

void TestSizeText::finishLine()
{
    QFETCH(quint64, saved);
    QFETCH(quint64, all);
    QFETCH(QString, text);
    QCOMPARE(finishText(saved, all), text);
    CompressionReport report;
    report.savedFileSize = saved;
    report.allFileSize = all;
    QCOMPARE(report.finishText(), text);
}

void TestSizeText::newEntryIsEmpty()
{
    const ResultRow node;
    QVERIFY(node.fileName().isNull());
    QVERIFY(node.originalPath().isNull());
    QVERIFY(node.restPath().isNull());
    QVERIFY(node.originalFileSizeStr().isNull());
    QVERIFY(node.restFileSizeStr().isNull());
    QCOMPARE(node.originalFileSize(), quint64(0));
    QCOMPARE(node.restFileSize(), quint64(0));
}

QTEST_GUILESS_MAIN(TestSizeText)
#include "tst_sizetext.moc"
