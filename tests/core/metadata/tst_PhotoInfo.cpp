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
    void initTestCase() { requireExiftool(); }

    void labelsFromMetadataOrFileFacts()
    {
        const QStringList args = richMetadataArgs()
            << "-XResolution=300" << "-YResolution=300" << "-ResolutionUnit=inches" << "-GPSLongitudeRef=W"
            << "-GPSDateStamp=2019:07:14" << "-GPSTimeStamp=10:20:30" << "-ExifIFD:OffsetTimeOriginal=+02:00";
        const QString path = testsupport::makeJpeg(m_dir.filePath("info.jpg"), 64, 48, args);
        QVERIFY(setModified(path, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), QTimeZone::utc())));

        const PhotoInfo info = PhotoInfo::read(path, berlin);
        QVERIFY(!info.createDate.isEmpty());
        QVERIFY(info.fileSize.endsWith(" KB") || info.fileSize.endsWith("bytes"));
        QVERIFY2(info.gpsTime.startsWith("10:20:30"), qPrintable(info.gpsTime));
        const QStringList labels{info.photoName, info.modDate, info.imageSize, info.dpi,
                                 info.artist, info.imageDescription, info.copyright,
                                 info.cameraMake, info.cameraModel, info.comments,
                                 info.dateTaken, info.dateDigitized, info.takenOffset,
                                 info.keywords, info.gpsDate, info.gpsAltitude,
                                 info.gpsLatitude, info.gpsLongitude};
        QCOMPARE(labels, (QStringList{"info.jpg", "2020-01-02 04:04:05 +0100", "64 x 48", "300",
                                      "Ada Lovelace", "Harbour at dawn", "(c) Ada",
                                      "Canon", "EOS 5D", "Sunny",
                                      "2019:07:14 10:20:30", "2019:07:14 10:20:31", "+02:00",
                                      "harbour, boats", "2019:07:14", "35 m", "48.8584 N", "2.2945 W"}));

        // A file that is no photo shows its file facts only.
        const QString text = m_dir.filePath("notes.txt");
        QVERIFY(writeFile(text, "12345"));
        const PhotoInfo facts = PhotoInfo::read(text, berlin);
        QCOMPARE((QStringList{facts.photoName, facts.fileSize, facts.imageSize, facts.cameraMake}),
                 (QStringList{"notes.txt", "5 bytes", "", ""}));
        const PhotoInfo missing = PhotoInfo::read(m_dir.filePath("gone.jpg"), berlin);
        QCOMPARE((QStringList{missing.photoName, missing.createDate, missing.fileSize}),
                 (QStringList{"gone.jpg", "", ""}));
    }
};

QTEST_GUILESS_MAIN(TestPhotoInfo)
#include "tst_PhotoInfo.moc"
