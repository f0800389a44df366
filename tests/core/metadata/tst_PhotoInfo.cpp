// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "metadata/PhotoInfo.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestPhotoInfo : public QObject
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

    void labelsFromMetadata()
    {
        QStringList args = richMetadataArgs();
        args << QStringLiteral("-XResolution=300") << QStringLiteral("-YResolution=300")
             << QStringLiteral("-ResolutionUnit=inches") << QStringLiteral("-GPSDateStamp=2019:07:14")
             << QStringLiteral("-GPSTimeStamp=10:20:30") << QStringLiteral("-GPSLongitudeRef=W")
             << QStringLiteral("-ExifIFD:OffsetTimeOriginal=+02:00");
        const QString path = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("info.jpg")), 64, 48, args);
        QVERIFY(setModified(path, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), QTimeZone::utc())));

        const PhotoInfo info = PhotoInfo::read(path, berlin);
        QCOMPARE(info.photoName, QStringLiteral("info.jpg"));
        QCOMPARE(info.modDate, QStringLiteral("2020-01-02 04:04:05 +0100"));
        QVERIFY(!info.createDate.isEmpty());
        QVERIFY(info.fileSize.endsWith(QLatin1String(" KB")) || info.fileSize.endsWith(QLatin1String("bytes")));
        QCOMPARE(info.imageSize, QStringLiteral("64 x 48"));
        QCOMPARE(info.dpi, QStringLiteral("300"));
        QCOMPARE(info.artist, QStringLiteral("Ada Lovelace"));
        QCOMPARE(info.imageDescription, QStringLiteral("Harbour at dawn"));
        QCOMPARE(info.copyright, QStringLiteral("(c) Ada"));
        QCOMPARE(info.cameraMake, QStringLiteral("Canon"));
        QCOMPARE(info.cameraModel, QStringLiteral("EOS 5D"));
        QCOMPARE(info.comments, QStringLiteral("Sunny"));
        QCOMPARE(info.dateTaken, QStringLiteral("2019:07:14 10:20:30"));
        QCOMPARE(info.dateDigitized, QStringLiteral("2019:07:14 10:20:31"));
        QCOMPARE(info.takenOffset, QStringLiteral("+02:00"));
        QCOMPARE(info.keywords, QStringLiteral("harbour, boats"));
        QCOMPARE(info.gpsDate, QStringLiteral("2019:07:14"));
        QVERIFY2(info.gpsTime.startsWith(QLatin1String("10:20:30")), qPrintable(info.gpsTime));
        QCOMPARE(info.gpsAltitude, QStringLiteral("35 m"));
        QCOMPARE(info.gpsLatitude, QStringLiteral("48.8584 N"));
        QCOMPARE(info.gpsLongitude, QStringLiteral("2.2945 W"));
    }

    void fileThatIsNotAPhotoShowsFileFactsOnly()
    {
        const QString path = m_dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeFile(path, "12345"));
        const PhotoInfo info = PhotoInfo::read(path, berlin);
        QCOMPARE(info.photoName, QStringLiteral("notes.txt"));
        QCOMPARE(info.fileSize, QStringLiteral("5 bytes"));
        QVERIFY(info.imageSize.isEmpty());
        QVERIFY(info.cameraMake.isEmpty());
        QVERIFY(info.gpsLatitude.isEmpty());

        const PhotoInfo missing = PhotoInfo::read(m_dir.filePath(QStringLiteral("gone.jpg")), berlin);
        QCOMPARE(missing.photoName, QStringLiteral("gone.jpg"));
        QVERIFY(missing.createDate.isEmpty());
        QVERIFY(missing.fileSize.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPhotoInfo)
#include "tst_PhotoInfo.moc"
