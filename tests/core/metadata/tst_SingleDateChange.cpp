// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/FileDates.h"
#include "metadata/DateText.h"
#include "metadata/FileDatesFromCapture.h"
#include "metadata/SingleDateChange.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using singledatechange::FileDateStyle;

class TestSingleDateChange : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QTimeZone berlin{QByteArray("Europe/Berlin")};
    QString m_dated;   // Exif capture and digitized dates
    QString m_undated; // no Exif dates
    QString m_halfDated; // a capture date only

    QString work(const QString &name) const { return m_dir.filePath("work-" + name); }

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        m_dated = testsupport::makeJpeg(m_dir.filePath("dated.jpg"), 40, 30, richMetadataArgs());
        m_undated = testsupport::makeJpeg(m_dir.filePath("undated.jpg"), 40, 30, {"-IFD0:Make=Canon"});
        m_halfDated = testsupport::makeJpeg(m_dir.filePath("half.jpg"), 40, 30,
                                            {"-ExifIFD:DateTimeOriginal=2001:02:03 04:05:06"});
    }

    // Exif dates as stored; without both of them, the file's dates in the chosen style.
    void readDateFields_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("exif dates") << "dated";
        QTest::newRow("no exif dates") << "undated";
        QTest::newRow("capture date only") << "half";
        QTest::newRow("not a photo") << "text";
    }

    void readDateFields()
    {
        QFETCH(QString, which);
        QString path = which == "dated" ? m_dated : which == "undated" ? m_undated : m_halfDated;
        if (which == "text") {
            path = m_dir.filePath("notes.txt");
            QVERIFY(writeFile(path, "notes"));
        }
        QVERIFY(setModified(path, QDateTime(QDate(2021, 7, 4), QTime(9, 8, 7), QTimeZone::utc())));
        const auto fields = singledatechange::readDateFields(path, FileDateStyle::WithOffset, berlin);
        QCOMPARE(fields.fromExif, which == "dated");
        if (fields.fromExif) {
            QCOMPARE(fields.original, "2019:07:14 10:20:30");
            QCOMPARE(fields.digitized, "2019:07:14 10:20:31");
        } else {
            QCOMPARE(fields.digitized, "2021-07-04 11:08:07 +0200");
            QCOMPARE(datetext::parseTwoFormats(fields.original, berlin).toSecsSinceEpoch(),
                     filedates::creationDate(path).toSecsSinceEpoch());
            QCOMPARE(singledatechange::readDateFields(path, FileDateStyle::WithoutOffset, berlin).digitized,
                     "2021-07-04 11:08:07");
            QVERIFY(singledatechange::readDateFields(path + ".gone", FileDateStyle::WithOffset, berlin)
                        .original.isEmpty());
        }
        if (which == "text")
            return;
        // Saved unchanged, the fields give the same moments, a file date's offset going beside it.
        // Local mode leaves the TIFF date alone: a photo's other tags and pixels stay as they were.
        const QByteArray sourceBytes = bytesOf(path);
        const JobReport report = singledatechange::saveDates(localTarget({path}, {0}, work(which)), fields.original,
                                                              fields.digitized, berlin);
        const QString copy = work(which) + "/NewDate_" + QFileInfo(path).fileName();
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(bytesOf(path), sourceBytes);
        QVariantMap before = metadataTags(path), after = metadataTags(copy);
        QCOMPARE(after.take("ExifIFD:DateTimeOriginal").toString(),
                 fields.original.left(19).replace('-', ':'));
        QCOMPARE(after.take("ExifIFD:CreateDate").toString(), fields.digitized.left(19).replace('-', ':'));
        QCOMPARE(after.take("ExifIFD:OffsetTimeDigitized").toString(),
                 fields.fromExif ? QString() : "+02:00");
        if (fields.fromExif)
            QCOMPARE(after, withoutGroups(before, {"ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate"}));
        QCOMPARE(testsupport::pixelSignature(copy), testsupport::pixelSignature(path));
    }

    void cameraModeSetsTiffDateAndFileDates_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("fileDate");
        const qint64 local = QDateTime(QDate(2010, 6, 7), QTime(8, 0), berlin).toSecsSinceEpoch();
        QTest::newRow("exif form") << "2010:06:07 08:00:00" << "2010:06:07 08:00:00" << local;
        QTest::newRow("file form with offset") << "2010-06-07 08:00:00 +0000" << "2010:06:07 08:00:00"
                                               << local + 2 * 3600; // Berlin is two hours ahead in June
    }

    void cameraModeSetsTiffDateAndFileDates()
    {
        QFETCH(QString, original);
        QFETCH(QString, stored);
        QFETCH(qint64, fileDate);
        const QString folder = work("camera-" + rowName());
        QDir().mkpath(folder);
        QVERIFY(QFile::copy(m_dated, folder + "/IMG_1.JPG"));
        EditTarget target = localTarget({}, {0, 1}, folder);
        target.capabilities = SourceCapabilities::downloadedCopies();
        target.items = {PhotoItem(), PhotoItem()};
        target.items[0].fileName = "IMG_1.JPG";
        target.items[1].fileName = "IMG_2.JPG"; // not downloaded

        const JobReport report = singledatechange::saveDates(target, original, "2010:06:07 09:00:00", berlin);
        const QString copy = folder + "/NewDate_IMG_1.JPG";
        QCOMPARE(report.written(), QStringList{copy});
        QVERIFY(report.skipped().value(0).reason.contains("not yet copied"));
        QCOMPARE(tagsDiffering(copy, {{"ExifIFD:DateTimeOriginal", stored}, {"IFD0:ModifyDate", stored},
                                      {"ExifIFD:CreateDate", "2010:06:07 09:00:00"}}), QString());
        QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(), fileDate);
    }

    // The file-dates command: a byte-identical "NewDate_" copy whose file dates are the capture
    // date, or the photo's own creation date when it has none (which dates count as a capture
    // date: tst_BatchDateShift).
    void copyIsByteIdenticalAndDatedByCapture_data()
    {
        QTest::addColumn<QStringList>("exifArgs");
        QTest::addColumn<qint64>("expected"); // -1: the photo's own file creation date
        const qint64 capture = QDateTime(QDate(2018, 8, 9), QTime(10, 11, 12), berlin).toSecsSinceEpoch();
        QTest::newRow("exif dates") << QStringList{"-ExifIFD:DateTimeOriginal=2018:08:09 10:11:12",
                                                   "-ExifIFD:CreateDate=2018:08:09 10:15:00", "-GPSLatitude=3",
                                                   "-IPTC:Keywords=kept"}
                                    << capture;
        QTest::newRow("capture date in file form") << QStringList{"-ExifIFD:DateTimeOriginal#=2018-08-09 10:11:12",
                                                                  "-ExifIFD:CreateDate=2018:08:09 10:15:00"}
                                                   << capture;
        QTest::newRow("no exif dates") << QStringList{"-IFD0:Make=Canon"} << qint64(-1);
    }

    void copyIsByteIdenticalAndDatedByCapture()
    {
        QFETCH(QStringList, exifArgs);
        QFETCH(qint64, expected);
        const QString tagName = rowName();
        const QString source = testsupport::makeJpeg(m_dir.filePath(tagName + ".jpg"), 40, 30, exifArgs);
        const QString folder = work(tagName);

        const JobReport report =
            filedatesfromcapture::copyCaptureDateToFileDate(localTarget({source}, {0}, folder), berlin);
        const QString copy = folder + "/NewDate_" + tagName + ".jpg";
        if (expected < 0) {
            // Birth time where the file system keeps one, else the modification time.
            const auto times = testsupport::run("stat", {"-c", "%W %Y", source}).trimmed().split(' ');
            expected = times[0].toLongLong() > 0 ? times[0].toLongLong() : times[1].toLongLong();
        }
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(bytesOf(copy), bytesOf(source));
        QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSingleDateChange)
#include "tst_SingleDateChange.moc"
