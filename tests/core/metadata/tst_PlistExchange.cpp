// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/ImageSource.h"
#include "metadata/PlistExchange.h"
#include "metadata/PropertyList.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using plistexchange::Kind;

class TestPlistExchange : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_rich;  // Exif, TIFF, GPS, IPTC: the exporting photo
    QString m_other; // other Exif and TIFF values: the importing photo
    QString m_plain; // no metadata at all

    QString folder(const QString &name) const { return m_dir.filePath("out-" + name); }

    static QVariantMap group(QVariantMap tags, const QString &name)
    {
        tags.removeIf([&name](QVariantMap::iterator it) { return !it.key().startsWith(name + ':'); });
        return tags;
    }

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        // Its layout differs from the importer's: turned, 300 dpi, its own size.
        m_rich = testsupport::makeJpeg(m_dir.filePath("rich.jpg"), 40, 30,
                                       richMetadataArgs() << "-IFD0:Orientation#=6" << "-IFD0:XResolution=300"
                                                          << "-IFD0:YResolution=300" << "-ExifIFD:ExifImageWidth=40"
                                                          << "-ExifIFD:ExifImageHeight=30");
        m_other = testsupport::makeJpeg(m_dir.filePath("other.jpg"), 30, 40,
                                        {"-IFD0:Make=Nikon", "-IFD0:Software=Darkroom", "-ExifIFD:ISO=1600",
                                         "-ExifIFD:LensModel=50mm", "-GPSLatitude=1.25", "-GPSLatitudeRef=N",
                                         "-IPTC:City=Porto"});
        m_plain = testsupport::makeJpeg(m_dir.filePath("plain.jpg"), 20, 20);
    }

    void exportedGroupsImportIntoAnotherPhoto_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("imported"); // exiftool groups that take the exporter's values
        QTest::newRow("Exif") << int(Kind::Exif) << "rich_Exif.plist" << QStringList{"ExifIFD"};
        QTest::newRow("TIFF") << int(Kind::Tiff) << "rich_Tiff.plist" << QStringList{"IFD0"};
        QTest::newRow("Exif and TIFF") << int(Kind::ExifAndTiff) << "rich.plist"
                                       << QStringList{"ExifIFD", "IFD0"};
        QTest::newRow("whole") << int(Kind::Whole) << "rich.plist"
                               << QStringList{"IFD0", "ExifIFD", "GPS", "IPTC"};
    }

    void exportedGroupsImportIntoAnotherPhoto()
    {
        QFETCH(int, kind);
        QFETCH(QString, fileName);
        QFETCH(QStringList, imported);
        const QString out = folder(rowName());
        const auto exported = plistexchange::exportPhoto(Kind(kind), m_rich, out);
        QVERIFY2(exported.ok(), qPrintable(exported.error));
        QCOMPARE(exported.path, out + '/' + fileName);

        const JobReport report = plistexchange::importPlist(Kind(kind), exported.path, localTarget({m_other}, {0}, out));
        QCOMPARE(report.written(), QStringList{out + "/After_other.jpg"});
        QVariantMap rich = metadataTags(m_rich), other = metadataTags(m_other);
        const QVariantMap copy = metadataTags(report.written().first());
        // What describes the exporter's own pixels never lands on another photo, in any mode.
        for (const char *layout : {"IFD0:Orientation", "IFD0:XResolution", "IFD0:YResolution", "IFD0:ResolutionUnit",
                                   "ExifIFD:ExifImageWidth", "ExifIFD:ExifImageHeight"}) {
            QCOMPARE(copy.value(QLatin1String(layout)), other.value(QLatin1String(layout)));
            rich.remove(QLatin1String(layout));
        }
        // Imported groups hold every value of the exporter; the rest stay the importer's.
        for (const QString g : {"IFD0", "ExifIFD", "GPS", "IPTC"})
            QCOMPARE(tagsDiffering(copy, group(imported.contains(g) ? rich : other, g)), QString());
        // A whole import never gives the photo another's size.
        if (Kind(kind) == Kind::Whole)
            QCOMPARE(imageio::readProperties(report.written().first()).value("PixelWidth").toInt(), 30);
    }

    // A maker note reads only under its own camera's make and model: a photo with one keeps
    // them, and every maker-note value, while taking the rest of the imported group.
    void makerNoteKeepsItsCamera()
    {
        const QString out = folder("maker");
        const auto exported = plistexchange::exportPhoto(Kind::Tiff, m_rich, out);
        QVERIFY2(exported.ok(), qPrintable(exported.error));
        const QString phone = testsupport::testData("gps_iphone_1x1.jpg");
        const JobReport report = plistexchange::importPlist(Kind::Tiff, exported.path, localTarget({phone}, {0}, out));
        const QVariantMap before = metadataTags(phone), copy = metadataTags(report.written().value(0));
        QCOMPARE(copy.value("IFD0:Make"), before.value("IFD0:Make"));
        QCOMPARE(copy.value("IFD0:Artist"), metadataTags(m_rich).value("IFD0:Artist"));
        const auto makerNotes = [](const QString &path) {
            return testsupport::run("exiftool", {"-a", "-s", "-MakerNotes:all", path});
        };
        QCOMPARE(makerNotes(report.written().first()), makerNotes(phone));
    }

    // What the program exports it imports again, odd values included; a position comes
    // whole or not at all.
    void ownExportsImportBack_data()
    {
        QTest::addColumn<QStringList>("donorArgs");
        QTest::addColumn<bool>("takesGps");
        QTest::newRow("empty latitude side, partial IPTC date")
            << QStringList{"-IPTC:DateCreated#=20100000", "-GPSLatitudeRef#= ", "-GPSLatitude=1", "-GPSLongitude=2",
                           "-GPSLongitudeRef=E", "-GPSImgDirectionRef#= "}
            << true;
        QTest::newRow("latitude alone") << QStringList{"-GPSLatitude=1", "-GPSLatitudeRef=S"} << false;
    }

    void ownExportsImportBack()
    {
        QFETCH(QStringList, donorArgs);
        QFETCH(bool, takesGps);
        const QString out = folder("back-" + rowName());
        const QString donor = testsupport::makeJpeg(out + "-donor.jpg", 20, 20, donorArgs);
        const auto exported = plistexchange::exportPhoto(Kind::Whole, donor, out);
        QVERIFY2(exported.ok(), qPrintable(exported.error));
        const JobReport report = plistexchange::importPlist(Kind::Whole, exported.path, localTarget({m_other}, {0}, out));
        const QVariantMap copy = metadataTags(report.written().value(0)), donorTags = metadataTags(donor);
        QCOMPARE(copy.value("IPTC:DateCreated"), donorTags.value("IPTC:DateCreated"));
        const QVariantMap expectedGps = group(takesGps ? donorTags : metadataTags(m_other), "GPS");
        for (const char *key : {"GPS:GPSLatitude", "GPS:GPSLongitude"})
            QCOMPARE(tagsDiffering(copy, {{key, expectedGps.value(key)}}), QString());
        // An empty side says nothing, in the file or in the copy.
        QCOMPARE(copy.value("GPS:GPSLatitudeRef").toString().trimmed(),
                 expectedGps.value("GPS:GPSLatitudeRef").toString().trimmed());
        QVERIFY(!copy.contains("GPS:GPSImgDirectionRef"));
    }

    // An export holds only the groups the photo has; a photo without any exports nothing.
    void exportsOnlyWhatThePhotoHas()
    {
        const QVariantMap onlyExif{{"{Exif}", QVariantMap{{"ISO", 100}}}};
        QCOMPARE(plistexchange::exportRoot(Kind::ExifAndTiff, onlyExif).keys(), onlyExif.keys());
        const QString out = folder("nothing");
        for (Kind kind : {Kind::Exif, Kind::Tiff, Kind::ExifAndTiff})
            QVERIFY(!plistexchange::exportPhoto(kind, m_plain, out).ok());
        QVERIFY(filesIn(out).isEmpty());
    }

    void handWrittenFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariantMap>("root");
        QTest::addColumn<QString>("reason"); // empty: imported
        const auto gps = [](const char *key, const QVariant &value) {
            return QVariantMap{{"{GPS}", QVariantMap{{key, value}}}};
        };
        QTest::newRow("Exif and TIFF file with only Exif")
            << int(Kind::ExifAndTiff) << QVariantMap{{"{Exif}", QVariantMap{{"ISOSpeedRatings", 100}}}} << "";
        QTest::newRow("dictionary inside Exif")
            << int(Kind::Exif) << QVariantMap{{"ISO", QVariantMap{{"x", 1}}}} << "ISO is not a value";
        QTest::newRow("date inside TIFF")
            << int(Kind::Tiff) << QVariantMap{{"DateTime", QDate(2020, 1, 1).startOfDay()}}
            << "DateTime is not a value";
        QTest::newRow("Exif entry not a dictionary") << int(Kind::ExifAndTiff) << QVariantMap{{"{Exif}", 3}}
                                                     << "not a dictionary";
        QTest::newRow("neither group") << int(Kind::ExifAndTiff) << QVariantMap{{"Artist", "x"}} << "neither";
        QTest::newRow("latitude 123") << int(Kind::Whole) << gps("Latitude", 123.0)
                                      << "Latitude must be a number from 0 to 90";
        QTest::newRow("latitude as text") << int(Kind::Whole) << gps("Latitude", "north")
                                          << "Latitude must be a number";
        QTest::newRow("unknown side") << int(Kind::Whole) << gps("LongitudeRef", "X")
                                      << "LongitudeRef must be E or W";
    }

    void handWrittenFiles()
    {
        QFETCH(int, kind);
        QFETCH(QVariantMap, root);
        QFETCH(QString, reason);
        const QString plist = m_dir.filePath("hostile.plist");
        QVERIFY(propertylist::writeFile(plist, root));
        const QString out = folder("hostile-" + rowName());
        const JobReport report = plistexchange::importPlist(Kind(kind), plist, localTarget({m_other}, {0}, out));
        if (reason.isEmpty()) {
            const QVariantMap copy = metadataTags(report.written().value(0));
            QCOMPARE(copy.value("ExifIFD:ISO").toInt(), 100);
            QCOMPARE(group(copy, "IFD0"), group(metadataTags(m_other), "IFD0"));
            return;
        }
        QCOMPARE(report.failed().size(), 1);
        QVERIFY2(report.failed().first().reason.contains(reason), qPrintable(report.failed().first().reason));
        QVERIFY(filesIn(out).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlistExchange)
#include "tst_PlistExchange.moc"
