// SPDX-License-Identifier: GPL-3.0-or-later
// Sizes as the list shows them: the texts made from byte counts.
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
        QTest::newRow("zero") << 0ULL << "0 bytes";
        QTest::newRow("999") << 999ULL << "999 bytes";
        QTest::newRow("1000") << 1000ULL << "1.00 KB";
        QTest::newRow("1536 decimal units") << 1536ULL << "1.54 KB";
        QTest::newRow("999999 stays in KB") << 999999ULL << "1000.00 KB";
        QTest::newRow("1000000") << 1000000ULL << "1.00 MB";
        QTest::newRow("1e9") << 1000000000ULL << "1.00 GB";
        QTest::newRow("1e12") << 1000000000000ULL << "1.00 TB";
        // Float has 24 bits of mantissa: 16777217 rounds to 16777216 before dividing.
        QTest::newRow("float rounding of the count") << 16777217ULL << "16.78 MB";
        // 1004999 / 1000 in float is 1004.999 and / 1000 again 1.004999: prints 1.00, where a
        // double of the rounded KB value (1005.00) would print 1.01.
        QTest::newRow("divided in steps") << 1004999ULL << "1.00 MB";
        QTest::newRow("huge") << 5000000000000000ULL << "5000.00 TB";
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
        QTest::newRow("70%") << saving << 100000ULL << 30000ULL << "70%";
        QTest::newRow("empty source") << saving << 0ULL << 0ULL << "0%";
        QTest::newRow("larger result") << saving << 100ULL << 200ULL << "0%";
        QTest::newRow("truncated not rounded") << saving << 3ULL << 1ULL << "66%";
        QTest::newRow("all saved") << saving << 100ULL << 0ULL << "100%";
        // 1 - 0.99999 is 99.999..% in float: truncated to 99, never rounded up to 100.
        QTest::newRow("nearly all") << saving << 100000ULL << 1ULL << "99%";
        const QString progress = "progress";
        QTest::newRow("last of eight is not 100") << progress << 7ULL << 8ULL << "87%";
        QTest::newRow("two of three") << progress << 2ULL << 3ULL << "66%";
        const QString finish = "finish";
        QTest::newRow("quarter") << finish << 2000000ULL << 8000000ULL << "Save  25%  2.00 MB  total";
        QTest::newRow("nothing measured") << finish << 0ULL << 0ULL << "Save  0%  0 bytes  total";
        QTest::newRow("nothing saved") << finish << 0ULL << 123456ULL << "Save  0%  0 bytes  total";
        QTest::newRow("finish truncated") << finish << 2ULL << 3ULL << "Save  66%  2 bytes  total";
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
};

QTEST_GUILESS_MAIN(TestSizes)
#include "tst_sizes.moc"
