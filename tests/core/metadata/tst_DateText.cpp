// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/DateText.h"

#include <QtTest>

class TestDateText : public QObject
{
    Q_OBJECT
private:
    const QTimeZone berlin{QByteArray("Europe/Berlin")};

private Q_SLOTS:
    void initTestCase() { QVERIFY(berlin.isValid()); }

    // Every date a user types goes through parseTyped: what it accepts is what gets written.
    void typedDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("utcSeconds"); // -1: refused
        QTest::addColumn<QString>("offset");    // what goes into OffsetTimeOriginal
        const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc()).toSecsSinceEpoch();
        };
        QTest::newRow("exif, winter") << "2021:01:05 10:20:30" << utc(2021, 1, 5, 9, 20, 30) << "";
        QTest::newRow("exif, summer") << "2021:07:05 10:20:30" << utc(2021, 7, 5, 8, 20, 30) << "";
        QTest::newRow("file form") << "2021-07-05 10:20:30" << utc(2021, 7, 5, 8, 20, 30) << "";
        QTest::newRow("file form with offset") << "2021-07-05 10:20:30 -0500" << utc(2021, 7, 5, 15, 20, 30)
                                               << "-05:00";
        QTest::newRow("exif form with offset") << "2021:07:05 10:20:30 +0000" << utc(2021, 7, 5, 10, 20, 30)
                                               << "+00:00";
        QTest::newRow("spaces around") << " 2021:07:05 10:20:30 " << utc(2021, 7, 5, 8, 20, 30) << "";
        QTest::newRow("leap day") << "2020:02:29 00:00:00" << utc(2020, 2, 28, 23, 0, 0) << "";
        QTest::newRow("no leap day") << "2021:02:29 00:00:00" << qint64(-1) << "";
        QTest::newRow("30 February, hour 25") << "2013:02:30 25:00:00" << qint64(-1) << "";
        QTest::newRow("mixed separators") << "2021:07-05 10:20:30" << qint64(-1) << "";
        QTest::newRow("date only") << "2021:07:05" << qint64(-1) << "";
        QTest::newRow("hour 24") << "2021:07:05 24:00:00" << qint64(-1) << "";
        QTest::newRow("empty") << "" << qint64(-1) << "";
        QTest::newRow("zeros, as cameras write unset dates") << "0000:00:00 00:00:00" << qint64(-1) << "";
        QTest::newRow("trailing junk") << "2021:07:05 10:20:30 later" << qint64(-1) << "";
    }

    void typedDates()
    {
        QFETCH(QString, text);
        QFETCH(qint64, utcSeconds);
        QFETCH(QString, offset);
        const datetext::TypedDate typed = datetext::parseTyped(text, berlin);
        // A stored date is read the same way, so a refused text never counts as a capture date.
        QCOMPARE(datetext::parseStored(text, berlin).isValid(), utcSeconds >= 0);
        if (utcSeconds < 0) {
            QVERIFY2(!typed.date.isValid(), qPrintable(typed.date.toString(Qt::ISODate)));
            return;
        }
        QCOMPARE(typed.date.toSecsSinceEpoch(), utcSeconds);
        // The Exif date is the text as typed, in Exif's form and without its offset.
        QCOMPARE(typed.exif, text.trimmed().left(19).replace('-', ':'));
        QCOMPARE(typed.offset, offset);
    }

    void textsInZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("exif");
        QTest::addColumn<QString>("withOffset");
        QTest::newRow("berlin summer") << QByteArray("Europe/Berlin") << "2021:07:05 10:20:30" << "2021-07-05 10:20:30 +0200";
        QTest::newRow("half-hour zone") << QByteArray("America/St_Johns") << "2021:07:05 05:50:30" << "2021-07-05 05:50:30 -0230";
        QTest::newRow("utc") << QByteArray("UTC") << "2021:07:05 08:20:30" << "2021-07-05 08:20:30 +0000";
    }

    void textsInZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, exif);
        QFETCH(QString, withOffset);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());
        const QDateTime instant(QDate(2021, 7, 5), QTime(8, 20, 30), QTimeZone::utc());
        QCOMPARE(datetext::exifText(instant, tz), exif);
        QCOMPARE(datetext::fileTextWithOffset(instant, tz), withOffset);
        QCOMPARE(datetext::fileText(instant, tz), withOffset.left(19));
        // What the date window shows must read back as the same instant.
        QCOMPARE(datetext::parseTwoFormats(withOffset, berlin), instant);
        QCOMPARE(datetext::parseTwoFormats(exif, tz), instant);
    }
};

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_DateText.moc"
