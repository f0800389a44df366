// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes as the list shows them: a path's size on the disk and the texts made from sizes.
#include "compress/CompressionReport.h"
#include "compress/ResultRow.h"
#include "compress/SizeText.h"

#include <QtTest>

using namespace compress;

class TestSizes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizeText_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0 bytes";
        QTest::newRow("999") << quint64(999) << "999 bytes";
        QTest::newRow("1000") << quint64(1000) << "1.00 KB";
        QTest::newRow("1536 decimal units") << quint64(1536) << "1.54 KB";
        QTest::newRow("999999 stays in KB") << quint64(999999) << "1000.00 KB";
        QTest::newRow("1000000") << quint64(1000000) << "1.00 MB";
        QTest::newRow("1e9") << quint64(1000000000) << "1.00 GB";
        QTest::newRow("1e12") << quint64(1000000000000ULL) << "1.00 TB";
        // Float has 24 bits of mantissa: 16777217 rounds to 16777216 before dividing.
        QTest::newRow("float rounding of the count") << quint64(16777217) << "16.78 MB";
        // 1004999 / 1000 in float is 1004.999 and / 1000 again 1.004999: prints 1.00, where a
        // double of the rounded KB value (1005.00) would print 1.01.
        QTest::newRow("divided in steps") << quint64(1004999) << "1.00 MB";
        QTest::newRow("huge") << quint64(5000000000000000ULL) << "5000.00 TB";
    }

    void sizeText()
    {
        QFETCH(quint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(compress::sizeText(bytes), text);
    }

    // The three percentage texts: what a row saved, the progress after an item, the savings line.
    void percentTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<quint64>("a"); // original size | position | saved size
        QTest::addColumn<quint64>("b"); // rest size     | total    | all sizes
        QTest::addColumn<QString>("text");
        const QString saving = "saving";
        QTest::newRow("70%") << saving << quint64(100000) << quint64(30000) << "70%";
        QTest::newRow("empty source") << saving << quint64(0) << quint64(0) << "0%";
        QTest::newRow("larger result") << saving << quint64(100) << quint64(200) << "0%";
        QTest::newRow("truncated not rounded") << saving << quint64(3) << quint64(1) << "66%";
        QTest::newRow("all saved") << saving << quint64(100) << quint64(0) << "100%";
        // 1 - 0.99999 is 99.999..% in float: truncated to 99, never rounded up to 100.
        QTest::newRow("nearly all") << saving << quint64(100000) << quint64(1) << "99%";
        const QString progress = "progress";
        QTest::newRow("last of eight is not 100") << progress << quint64(7) << quint64(8) << "87%";
        QTest::newRow("two of three") << progress << quint64(2) << quint64(3) << "66%";
        const QString finish = "finish";
        QTest::newRow("quarter") << finish << quint64(2000000) << quint64(8000000) << "Save  25%  2.00 MB  total";
        QTest::newRow("nothing measured") << finish << quint64(0) << quint64(0) << "Save  0%  0 bytes  total";
        QTest::newRow("nothing saved") << finish << quint64(0) << quint64(123456) << "Save  0%  0 bytes  total";
        QTest::newRow("finish truncated") << finish << quint64(2) << quint64(3) << "Save  66%  2 bytes  total";
    }

    void percentTexts()
    {
        QFETCH(QString, kind);
        QFETCH(quint64, a);
        QFETCH(quint64, b);
        QFETCH(QString, text);
        if (kind == "progress") {
            QCOMPARE(progressPercentText(progressFraction(int(a), int(b))), text);
        } else if (kind == "saving") {
            QCOMPARE(savingPercentText(a, b), text);
            ResultRow row;
            row.setOriginalFileSize(a);
            row.setRestFileSize(b);
            QCOMPARE(row.percentText(), text);
        } else {
            QCOMPARE(finishText(a, b), text);
            CompressionReport report;
            report.savedFileSize = a;
            report.allFileSize = b;
            QCOMPARE(report.finishText(), text);
        }
    }

    // A file by its size, a folder by du's count of its blocks; nothing there is 0.
};

QTEST_GUILESS_MAIN(TestSizes)
#include "tst_sizes.moc"
