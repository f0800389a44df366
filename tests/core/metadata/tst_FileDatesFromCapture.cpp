// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/FileDates.h"
#include "metadata/FileDatesFromCapture.h"
#include "metadata/SingleDateChange.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestFileDatesFromCapture : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QTimeZone berlin{QByteArray("Europe/Berlin")};

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is needed to make the fixtures (scripts/install-deps installs it)");
    }

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
        QTest::newRow("capture date only") << QStringList{"-ExifIFD:DateTimeOriginal=2018:08:09 10:11:12"} << capture;
        QTest::newRow("digitized date only") << QStringList{"-ExifIFD:CreateDate=2018:08:09 10:11:12"} << capture;
        QTest::newRow("zero capture, real digitized") << QStringList{"-ExifIFD:DateTimeOriginal#=0000:00:00 00:00:00",
                                                                     "-ExifIFD:CreateDate=2018:08:09 10:11:12"}
                                                      << capture;
        QTest::newRow("no exif dates") << QStringList{"-IFD0:Make=Canon"} << qint64(-1);
        QTest::newRow("zero dates") << QStringList{"-ExifIFD:DateTimeOriginal#=0000:00:00 00:00:00",
                                                   "-ExifIFD:CreateDate#=0000:00:00 00:00:00"}
                                    << qint64(-1);
    }

    void copyIsByteIdenticalAndDatedByCapture()
    {
        QFETCH(QStringList, exifArgs);
        QFETCH(qint64, expected);
        const QString tagName = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString source = testsupport::makeJpeg(m_dir.filePath(tagName + QStringLiteral(".jpg")), 40, 30, exifArgs);
        const QString folder = m_dir.filePath(QStringLiteral("work-") + tagName);

        const JobReport report =
            filedatesfromcapture::copyCaptureDateToFileDate(localTarget({source}, {0}, folder), berlin);
        const QString copy = folder + QStringLiteral("/NewDate_") + tagName + QStringLiteral(".jpg");
        if (expected < 0) {
            // Birth time where the file system keeps one, else the modification time.
            const QString birth = QString::fromLatin1(testsupport::run(QStringLiteral("stat"), {"-c", "%W", source})).trimmed();
            expected = birth.toLongLong() > 0
                ? birth.toLongLong()
                : QString::fromLatin1(testsupport::run(QStringLiteral("stat"), {"-c", "%Y", source})).trimmed().toLongLong();
        }
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(bytesOf(copy), bytesOf(source));
        QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(), expected);
    }

    void unreadableIsSkippedAndLaterDateChangeKeepsTheCopy()
    {
        const QString source = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("both.jpg")), 40, 30,
                                                     {QStringLiteral("-ExifIFD:DateTimeOriginal=2018:08:09 10:11:12"),
                                                      QStringLiteral("-ExifIFD:CreateDate=2018:08:09 10:11:12")});
        const QString text = m_dir.filePath(QStringLiteral("readme.jpg"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("text");
        f.close();
        const QString folder = m_dir.filePath(QStringLiteral("work-both"));
        const EditTarget target = localTarget({text, source}, {0, 1}, folder);

        const JobReport first = filedatesfromcapture::copyCaptureDateToFileDate(target, berlin);
        QCOMPARE(first.written(), QStringList{folder + QStringLiteral("/NewDate_both.jpg")});
        QCOMPARE(first.skipped().size(), 1);
        QCOMPARE(first.skipped().first().fileName, QStringLiteral("readme.jpg"));

        // Both commands write "NewDate_" copies: the later one goes beside the earlier.
        singledatechange::saveDates(target, QStringLiteral("2001:01:01 01:01:01"), QStringLiteral("2001:01:01 01:01:02"), berlin);
        QCOMPARE(filesIn(folder), (QStringList{"NewDate_both (2).jpg", "NewDate_both.jpg"}));
        QCOMPARE(tag(folder + QStringLiteral("/NewDate_both (2).jpg"), QStringLiteral("ExifIFD:DateTimeOriginal")),
                 QStringLiteral("2001:01:01 01:01:01"));
        QCOMPARE(bytesOf(folder + QStringLiteral("/NewDate_both.jpg")), bytesOf(source));
    }

    void cameraModeUsesDownloadedCopy()
    {
        const QString folder = m_dir.filePath(QStringLiteral("work-camera"));
        QDir().mkpath(folder);
        testsupport::makeJpeg(folder + QStringLiteral("/IMG_7.JPG"), 40, 30,
                              {QStringLiteral("-ExifIFD:DateTimeOriginal=2017:01:02 03:04:05"),
                               QStringLiteral("-ExifIFD:CreateDate=2017:01:02 03:04:05")});
        EditTarget target;
        target.sourceIsLocalList = false;
        target.workingFolder = folder;
        PhotoItem downloaded, missing;
        downloaded.fileName = QStringLiteral("IMG_7.JPG");
        missing.fileName = QStringLiteral("IMG_8.JPG");
        target.items = {downloaded, missing};
        target.selection = {0, 1};
        const JobReport report = filedatesfromcapture::copyCaptureDateToFileDate(target, berlin);
        QCOMPARE(report.written(), QStringList{folder + QStringLiteral("/NewDate_IMG_7.JPG")});
        QCOMPARE(report.skipped().size(), 1);
        QCOMPARE(filedates::modificationDate(report.written().first()).toSecsSinceEpoch(),
                 QDateTime(QDate(2017, 1, 2), QTime(3, 4, 5), berlin).toSecsSinceEpoch());
    }
};

QTEST_GUILESS_MAIN(TestFileDatesFromCapture)
#include "tst_FileDatesFromCapture.moc"
