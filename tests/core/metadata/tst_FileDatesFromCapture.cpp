// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/FileDates.h"
#include "metadata/FileDatesFromCapture.h"

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

};

QTEST_GUILESS_MAIN(TestFileDatesFromCapture)
#include "tst_FileDatesFromCapture.moc"
