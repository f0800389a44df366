// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/FileDates.h"
#include "metadata/BatchDateShift.h"
#include "metadata/SingleDateChange.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using namespace batchdateshift;

Q_DECLARE_METATYPE(DateOffset)

class TestBatchDateShift : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QTimeZone berlin{QByteArray("Europe/Berlin")};
    int m_counter = 0;

    // A fresh photo in its own folder with the given Exif dates (empty: absent).
    QString photo(const QString &name, const QString &original, const QString &digitized)
    {
        const QString folder = m_dir.filePath(QStringLiteral("src%1").arg(++m_counter));
        QDir().mkpath(folder);
        QStringList args{"-IFD0:Make=Canon", "-GPSLatitude=1.5", "-GPSLatitudeRef=N"};
        if (!original.isEmpty())
            args << "-ExifIFD:DateTimeOriginal#=" + original << "-IFD0:ModifyDate#=" + original;
        if (!digitized.isEmpty())
            args << "-ExifIFD:CreateDate#=" + digitized;
        return testsupport::makeJpeg(folder + '/' + name, 32, 24, args);
    }

    QString freshFolder() { return m_dir.filePath(QStringLiteral("work%1").arg(++m_counter)); }

    static BatchDateChange offsetChange(const DateOffset &offset)
    {
        BatchDateChange change; // the offset mode unless told otherwise
        change.offset = offset;
        return change;
    }

private Q_SLOTS:
    void initTestCase() { requireExiftool(); }

    void offsetSeconds_data()
    {
        QTest::addColumn<DateOffset>("offset");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("all units") << DateOffset{1, 2, 3, 4, 5, 6, true}
                                   << qint64(31536000 + 2 * 2592000 + 3 * 86400 + 4 * 3600 + 5 * 60 + 6);
        QTest::newRow("taken away") << DateOffset{0, 0, 0, 1, 0, 0, false} << qint64(-3600);
        QTest::newRow("negative fields count nothing") << DateOffset{-1, 0, -5, 2, 0, -9, true} << 7200LL;
        QTest::newRow("829 months past 32 bits") << DateOffset{0, 829, 0, 0, 0, 0, false} << -829LL * 2592000;
        const qint64 most = std::numeric_limits<qint64>::max();
        QTest::newRow("absurd saturates") << DateOffset{most, 0, 0, 0, 0, 1, true} << most;
    }

    void offsetSeconds()
    {
        QFETCH(DateOffset, offset);
        QFETCH(qint64, seconds);
        QCOMPARE(offset.totalSeconds(), seconds);
    }

    void offsetShiftsEachDateFromItsOwn_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("digitized");
        QTest::addColumn<DateOffset>("offset");
        QTest::addColumn<QString>("expectedOriginal"); // also the TIFF date's, which starts equal
        QTest::addColumn<QString>("expectedDigitized");
        const DateOffset hour{0, 0, 0, 1, 0, 0, true};
        QTest::newRow("month across leap february")
            << "2020:02:15 12:00:00" << "2020:02:15 12:00:00" << DateOffset{0, 1, 0, 0, 0, 0, true}
            << "2020:03:16 12:00:00" << "2020:03:16 12:00:00";
        QTest::newRow("day across spring-forward is 86400 s")
            << "2021:03:27 12:00:00" << "2021:03:27 12:00:00" << DateOffset{0, 0, 1, 0, 0, 0, true}
            << "2021:03:28 13:00:00" << "2021:03:28 13:00:00";
        QTest::newRow("69 years not wrapped")
            << "1950:01:01 00:00:00" << "1950:01:01 00:00:00" << DateOffset{69, 0, 0, 0, 0, 0, true}
            << "2018:12:15 00:00:00" << "2018:12:15 00:00:00";
        // The capture date is the photo's own, however far from the digitized one.
        QTest::newRow("capture and digitized differ")
            << "1995:06:01 10:00:00" << "2012:09:29 16:11:25" << hour
            << "1995:06:01 11:00:00" << "2012:09:29 17:11:25";
        QTest::newRow("digitized in file form") << "2019:07:14 10:00:00" << "2019-07-14 11:00:00"
                                                << DateOffset{0, 0, 0, 0, 0, 1, true} << "2019:07:14 10:00:01"
                                                << "2019:07:14 11:00:01";
        QTest::newRow("unreadable digitized stays")
            << "2019:07:14 10:00:00" << "sometime" << hour << "2019:07:14 11:00:00" << "sometime";
        QTest::newRow("only digitized") << "" << "2019:07:14 11:00:00" << hour << "" << "2019:07:14 12:00:00";
        QTest::newRow("zero capture date stays")
            << "0000:00:00 00:00:00" << "2019:07:14 11:00:00" << hour
            << "0000:00:00 00:00:00" << "2019:07:14 12:00:00";
    }

    void offsetShiftsEachDateFromItsOwn()
    {
        QFETCH(QString, original);
        QFETCH(QString, digitized);
        QFETCH(DateOffset, offset);
        QFETCH(QString, expectedOriginal);
        QFETCH(QString, expectedDigitized);
        const QString source = photo("shot.jpg", original, digitized);
        const QString folder = freshFolder();
        const BatchDateChange change = offsetChange(offset);
        const JobReport report = shiftDates(localTarget({source}, {0}, folder), change, berlin);
        const QString copy = folder + "/shot.jpg";
        QCOMPARE(report.written(), QStringList{copy});
        // The copy's creation date (its modification date on Linux) is the source's moved by the offset.
        QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(),
                 filedates::creationDate(source).toSecsSinceEpoch() + change.offset.totalSeconds());
        // A photo without IPTC gains none.
        QCOMPARE(tagsDiffering(copy, {{"ExifIFD:DateTimeOriginal", expectedOriginal},
                                      {"IFD0:ModifyDate", expectedOriginal},
                                      {"ExifIFD:CreateDate", expectedDigitized},
                                      {"IPTC:DateCreated", QVariant()}, {"GPS:GPSLatitude", "1.5"}}),
                 QString());
        QCOMPARE(testsupport::pixelSignature(copy), testsupport::pixelSignature(source));
    }

    // A photo that cannot be dated is reported, never given the file's or today's date; one
    // moved out of range fails, never wraps.
    void photosThatCannotMoveAreReported_data()
    {
        QTest::addColumn<int>("mode"); // BatchDateChange::Mode
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("digitized");
        QTest::addColumn<qint64>("years");
        const QString dated = "2019:07:14 10:00:00";
        const QString zero = "0000:00:00 00:00:00";
        QTest::newRow("offset, 9000 years") << int(BatchDateChange::Mode::Offset) << dated << dated << 9000LL;
        for (int mode : {int(BatchDateChange::Mode::Offset), int(BatchDateChange::Mode::Reference)}) {
            const char *name = mode == int(BatchDateChange::Mode::Offset) ? "offset" : "reference";
            QTest::addRow("%s, no dates", name) << mode << "" << "" << 0LL;
            QTest::addRow("%s, zero dates", name) << mode << zero << zero << 0LL;
            QTest::addRow("%s, not dates", name) << mode << "soon" << "later" << 0LL;
        }
    }

    void photosThatCannotMoveAreReported()
    {
        QFETCH(int, mode);
        QFETCH(QString, original);
        QFETCH(QString, digitized);
        QFETCH(qint64, years);
        const QString source = photo("undated.jpg", original, digitized);
        const QString folder = freshFolder();
        BatchDateChange change = offsetChange({years, 0, 0, 1, 0, 0, true});
        change.mode = BatchDateChange::Mode(mode);
        change.reference = {"2019:07:14 10:00:00", "2019:07:14 10:00:30",
                            "2019:07:14 11:00:00", "2019:07:15 10:00:30"};
        const JobReport report = shiftDates(localTarget({source}, {0}, folder), change, berlin);
        QCOMPARE(report.failed().size(), years ? 1 : 0);
        QCOMPARE(report.skipped().size(), years ? 0 : 1);
        QCOMPARE(report.skipped().value(0).reason, years ? QString() : "no capture date");
        QVERIFY(filesIn(folder).isEmpty());
    }

    // Item by item, the IPTC and XMP dates that named a moved Exif date's moment move with
    // it, in every container that stores them; those that named another moment stay.
    void otherDatesFollowTheCaptureDate_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"iptc.jpg", "iptc-utc.jpg", "iptc-no-zone.jpg", "xmp.png", "xmp.tif", "xmp.webp",
                                 "xmp.gif", "xmp-only.jpg", "xmp-only.png", "xmp-only.webp", "iptc-xmp-capture.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void otherDatesFollowTheCaptureDate()
    {
        QFETCH(QString, name);
        const QString folder = freshFolder();
        // A GIF, and some other photos, hold their capture dates in XMP alone; an editor's
        // export may keep its modify date in Exif beside them.
        const bool onlyXmp = name.endsWith(".gif") || name.contains("xmp-");
        QStringList args{"-XMP-exif:DateTimeOriginal=2019:07:14 10:00:00", "-XMP-photoshop:DateCreated=2019:07:14",
                         "-XMP-xmp:CreateDate=2019:07:14 10:05:00.25+02:00", "-XMP-xmp:ModifyDate=2001:01:01 09:00:00"};
        if (name.contains("xmp-capture"))
            args << "-IFD0:ModifyDate=2001:01:01 09:00:00";
        if (!onlyXmp)
            args << "-ExifIFD:DateTimeOriginal=2019:07:14 10:00:00" << "-ExifIFD:CreateDate=2019:07:14 10:05:00";
        const bool iptc = name.startsWith("iptc");
        const QString zone = name.contains("utc") ? "+00:00" : "+02:00";
        if (iptc)
            args << "-IPTC:DateCreated=2019:07:14" << "-IPTC:TimeCreated=10:00:00" + zone
                 << "-IPTC:DigitalCreationDate=2001:01:01" << "-IPTC:DigitalCreationTime=09:00:00+02:00";
        const QString source = testsupport::makeJpeg(m_dir.filePath(name), 32, 24, args);
        // IIM's zone is optional; exiftool always writes one, exiv2 writes the bare digits.
        const bool zoneless = name.contains("no-zone");
        if (zoneless)
            testsupport::run("exiv2", {"-M", "set Iptc.Application2.TimeCreated String 100000", source});
        const BatchDateChange change = offsetChange({0, 0, 0, 15, 0, 0, true});
        const JobReport report = shiftDates(localTarget({source}, {0}, folder), change, berlin);
        const QString copy = report.written().value(0);
        // XMP's modify date and IPTC's digital creation held another moment than any Exif date:
        // they were not the camera's. Dates all in XMP move each from its own, and Exif, where
        // the container has it, gains them.
        const bool gif = name.endsWith(".gif");
        const QVariant modified = onlyXmp ? "2001:01:02 00:00:00" : "2001:01:01 09:00:00";
        QVariantMap expected{{"ExifIFD:DateTimeOriginal", gif ? QVariant() : "2019:07:15 01:00:00"},
                             {"ExifIFD:CreateDate", gif ? QVariant() : "2019:07:15 01:05:00"},
                             {"IFD0:ModifyDate", gif || !onlyXmp ? QVariant() : modified},
                             {"XMP-exif:DateTimeOriginal", "2019:07:15 01:00:00"},
                             {"XMP-photoshop:DateCreated", "2019:07:15"},
                             {"XMP-xmp:CreateDate", "2019:07:15 01:05:00.25+02:00"},
                             {"XMP-xmp:ModifyDate", modified}};
        if (iptc)
            expected.insert({{"IPTC:DateCreated", "2019:07:15"},
                             {"IPTC:TimeCreated", zoneless ? "01:00:00" : "01:00:00" + zone},
                             {"IPTC:DigitalCreationDate", "2001:01:01"},
                             {"IPTC:DigitalCreationTime", "09:00:00+02:00"}});
        QCOMPARE(tagsDiffering(copy, expected), QString());
    }

    void absoluteDateEverywhere_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("offset"); // OffsetTimeOriginal afterwards
        QTest::addColumn<qint64>("fileDate");
        const qint64 typed = QDateTime(QDate(2018, 5, 6), QTime(7, 8, 9), berlin).toSecsSinceEpoch();
        QTest::newRow("file form") << "2018-05-06 07:08:09" << "2018:05:06 07:08:09" << "" << typed;
        QTest::newRow("with an offset") << "2018-05-06 07:08:09 -0300" << "2018:05:06 07:08:09" << "-03:00"
                                        << typed + 5 * 3600;
    }

    void absoluteDateEverywhere()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, offset);
        QFETCH(qint64, fileDate);
        const QString a = photo("a.jpg", "2019:01:01 10:00:00", "2019:01:01 10:00:00");
        const QString b = photo("b.jpg", QString(), QString());
        const QString folder = freshFolder();
        BatchDateChange change;
        change.mode = BatchDateChange::Mode::Absolute;
        change.absoluteDate = typed;
        const JobReport report = shiftDates(localTarget({a, b}, {0, 1}, folder), change, berlin);
        QCOMPARE(report.written().size(), 2);
        const QVariantMap expected{{"ExifIFD:DateTimeOriginal", stored}, {"ExifIFD:CreateDate", stored},
                                   {"IFD0:ModifyDate", stored}, {"ExifIFD:OffsetTimeOriginal", offset}};
        for (const QString &copy : report.written()) {
            QCOMPARE(tagsDiffering(copy, expected), QString());
            QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(), fileDate);
        }
    }

    // Either date command refuses a typed text that is no date, before it writes anything.
    void typedTextsThatAreNotDatesWriteNothing_data()
    {
        QTest::addColumn<int>("mode"); // BatchDateChange::Mode, or -1: the one photo's date change
        QTest::addColumn<QStringList>("texts"); // absolute: one; one photo: two; reference: two pairs
        QTest::addColumn<QString>("field");
        const int absolute = int(BatchDateChange::Mode::Absolute);
        const int reference = int(BatchDateChange::Mode::Reference);
        const QString good = "2019:07:14 10:00:00";
        QTest::newRow("absolute, a zone suffix word") << absolute << QStringList{"2013:02:03 10:00:00 CET"} << "Date";
        QTest::newRow("after capture") << reference << QStringList{good, good, "2013:02:30 25:00:00", good}
                                       << "Taken (it should show)";
        QTest::newRow("after digitized") << reference << QStringList{good, good, good, "hello world"}
                                         << "Digitized (it should show)";
        QTest::newRow("before capture") << reference << QStringList{"0000:00:00 00:00:00", good, good, good}
                                        << "Taken (it shows)";
        QTest::newRow("one photo, no 30 February, no hour 25")
            << -1 << QStringList{"2013:02:30 25:00:00", good} << "Date taken";
        QTest::newRow("one photo, digitized empty") << -1 << QStringList{good, ""} << "Date digitized";
    }

    void typedTextsThatAreNotDatesWriteNothing()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, texts);
        QFETCH(QString, field);
        const QString folder = freshFolder();
        const EditTarget target =
            localTarget({photo("dated.jpg", "2019:07:14 10:00:00", "2019:07:14 10:00:30")}, {0}, folder);
        BatchDateChange change;
        change.mode = BatchDateChange::Mode(mode);
        if (texts.size() == 1)
            change.absoluteDate = texts.first();
        else if (texts.size() == 4)
            change.reference = {texts[0], texts[1], texts[2], texts[3]};
        const QString refused = mode < 0 ? singledatechange::refusal(texts[0], texts[1], berlin)
                                         : batchdateshift::refusal(change, berlin);
        QVERIFY2(refused.startsWith(field + ':'), qPrintable(refused));
        const JobReport report = mode < 0 ? singledatechange::saveDates(target, texts[0], texts[1], berlin)
                                          : shiftDates(target, change, berlin);
        QVERIFY(report.photos.isEmpty());
        QCOMPARE(report.note, refused);
        QVERIFY(!QFileInfo::exists(folder));
    }

    // Each date moves by its own reference's delta; in camera mode this one mode writes nothing.
    void referenceModeShiftsEachDateByItsDelta()
    {
        const QString dated = photo("dated.jpg", "2019:07:14 10:00:00", "2019:07:14 10:00:30");
        const QString folder = freshFolder();
        BatchDateChange change;
        change.mode = BatchDateChange::Mode::Reference;
        // Each text in either form.
        change.reference = {"2019:07:14 10:00:00", "2019-07-14 10:00:30",
                            "2019-07-14 11:00:00", "2019:07:15 10:00:30"};
        EditTarget target = localTarget({dated}, {0}, folder);
        const JobReport report = shiftDates(target, change, berlin);
        QCOMPARE(report.written().size(), 1);
        QVERIFY(report.note.isEmpty());
        const QString a = folder + "/dated.jpg";
        QCOMPARE(tagsDiffering(a, {{"ExifIFD:DateTimeOriginal", "2019:07:14 11:00:00"},
                                   {"ExifIFD:CreateDate", "2019:07:15 10:00:30"},
                                   {"IFD0:ModifyDate", "2019:07:14 11:00:00"}}), QString());
        // Both file dates are given; Linux keeps the digitized one as the modification date.
        QCOMPARE(filedates::modificationDate(a).toSecsSinceEpoch(),
                 QDateTime(QDate(2019, 7, 15), QTime(10, 0, 30), berlin).toSecsSinceEpoch());

        const QString cameraFolder = freshFolder();
        target.workingFolder = cameraFolder;
        target.capabilities = SourceCapabilities::downloadedCopies();
        const JobReport camera = shiftDates(target, change, berlin);
        QVERIFY(!camera.note.isEmpty());
        QVERIFY(!QFileInfo::exists(cameraFolder));
        // The other modes read the photos' own files whatever the source mode.
        const JobReport offset = shiftDates(target, offsetChange({0, 0, 0, 0, 0, 1, true}), berlin);
        QCOMPARE(offset.written(), QStringList{cameraFolder + "/dated.jpg"});
    }
};

QTEST_GUILESS_MAIN(TestBatchDateShift)
#include "tst_BatchDateShift.moc"
