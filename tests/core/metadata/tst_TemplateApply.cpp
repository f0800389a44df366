// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/FileDates.h"
#include "metadata/PropertyList.h"
#include "metadata/TemplateApply.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using templateapply::Source;

Q_DECLARE_METATYPE(EditSheetFields)

class TestTemplateApply : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QTimeZone berlin{QByteArray("Europe/Berlin")};
    QString m_rich; // Exif, TIFF, GPS (48.8584 N, 2.2945 E), IPTC and XMP
    QString m_twins; // the same values in Exif, IPTC and XMP, and a GPS fix with time, speed and direction

    QString folder(const QString &name) const { return m_dir.filePath("out-" + name); }

    // Applies the fields to a copy of the photo; the copy's path, or empty when nothing was written.
    QString applied(const EditSheetFields &fields, Source source, const QString &photo, const QString &name)
    {
        const auto plan = templateapply::plan(fields, source, true, berlin, nullptr);
        const JobReport report = plan ? templateapply::write(localTarget({photo}, {0}, folder(name)), *plan,
                                                             "After_")
                                      : JobReport();
        return report.written().size() == 1 ? report.written().first() : QString();
    }

    // The sheet with these fields filled in, a later value of a field winning.
    static EditSheetFields sheet(const QList<std::pair<QString, QString>> &values)
    {
        EditSheetFields f;
        const QHash<QString, QString *> fields{
            {"lat", &f.gpsLatitude}, {"lon", &f.gpsLongitude}, {"alt", &f.gpsAltitude}, {"date", &f.gpsDate},
            {"time", &f.gpsTime}, {"camera", &f.cameraDate}, {"keywords", &f.keywords}, {"artist", &f.artist},
            {"copyright", &f.copyright}, {"description", &f.imageDescription}};
        for (const auto &[name, value] : values)
            *fields.value(name) = value;
        return f;
    }

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        m_rich = testsupport::makeJpeg(m_dir.filePath("rich.jpg"), 40, 30, richMetadataArgs());
        m_twins = testsupport::makeJpeg(
            m_dir.filePath("twins.jpg"), 40, 30,
            richMetadataArgs() << "-IPTC:By-line=Ada Lovelace" << "-IPTC:CopyrightNotice=(c) Ada" << "-XMP-dc:Creator=Ada Lovelace"
                               << "-XMP-dc:Rights=(c) Ada" << "-XMP-dc:Description=Harbour at dawn" << "-XMP-dc:Subject=harbour"
                               << "-IPTC:DateCreated=2019:07:14" << "-IPTC:TimeCreated=10:20:30+02:00"
                               << "-XMP-photoshop:DateCreated=2019:07:14 10:20:30" << "-GPSTimeStamp=08:20:00"
                               << "-GPSDateStamp=2019:07:14" << "-GPSSpeed=4" << "-GPSSpeedRef=K" << "-GPSImgDirection=90"
                               << "-GPSDOP=2" << "-XMP-exif:GPSLatitude=48.8584 N" << "-XMP-exif:GPSSpeed=4"
                               << "-XMP-exif:GPSDateTime=2019:07:14 08:20:00Z");
    }

    void refusalsAndLimits_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // empty: accepted
        const int sheet = int(Source::Sheet), gps = int(Source::GpsWindow);
        QTest::newRow("south pole") << gps << "lat" << "-90" << "";
        QTest::newRow("date line") << sheet << "lon" << "180" << "";
        QTest::newRow("keyword of 64 bytes") << sheet << "keywords" << QString(32, QChar(0xe4)) << "";
        QTest::newRow("letters for a latitude") << gps << "lat" << "north" << "latitude";
        QTest::newRow("latitude 90.5") << gps << "lat" << "90.5" << "latitude: must be between -90 and 90";
        QTest::newRow("longitude -180.5") << sheet << "lon" << "-180.5" << "longitude";
        QTest::newRow("altitude in words") << gps << "alt" << "high" << "altitude";
        QTest::newRow("no altitude for the GPS window") << gps << "alt" << "" << "altitude";
        QTest::newRow("latitude without longitude") << sheet << "lon" << "" << "both latitude and longitude";
        QTest::newRow("impossible GPS date") << sheet << "date" << "2021:13:40" << "GPS date";
        QTest::newRow("GPS time past midnight") << sheet << "time" << "25:00:00" << "GPS time";
        QTest::newRow("camera date in words") << sheet << "camera" << "yesterday" << "camera date";
        QTest::newRow("keyword of 65 bytes") << sheet << "keywords" << QString(32, QChar(0xe4)) + "k" << "64 bytes";
    }

    void refusalsAndLimits()
    {
        QFETCH(int, source);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const EditSheetFields f = sheet({{"lat", "1"}, {"lon", "1"}, {"alt", "1"}, {field, value}});
        QString error;
        const bool planned = templateapply::plan(f, Source(source), true, berlin, &error).has_value();
        QCOMPARE(planned, message.isEmpty());
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void templateTouchesOnlyWhatItHolds()
    {
        const QString folderPath = folder("template");
        QDir().mkpath(folderPath);
        const QString plist = folderPath + "/only-artist.plist";
        QVERIFY(propertylist::writeFile(plist, {{"Artist", "Ada"}}));
        JobReport report = templateapply::importTemplate(plist, localTarget({m_rich}, {0}, folderPath), berlin);
        QVariantMap before = metadataTags(m_rich), after = metadataTags(report.written().value(0));
        // The artist and its twins in the photo's IPTC and XMP; nothing else.
        for (const char *key : {"IFD0:Artist", "IPTC:By-line", "XMP-dc:Creator"})
            QCOMPARE(after.take(QLatin1String(key)).toString(), "Ada");
        before.remove("IFD0:Artist");
        QCOMPARE(after, before);

        // A latitude alone is no position: the photo's GPS stays as it was.
        QVERIFY(propertylist::writeFile(plist, {{"Latitude", "-12.5"}}));
        report = templateapply::importTemplate(plist, localTarget({m_rich}, {0}, folderPath), berlin);
        after = metadataTags(report.written().value(0));
        QCOMPARE(withoutGroups(after, {"IFD0"}), withoutGroups(before, {"IFD0"}));

        QVERIFY(propertylist::writeFile(plist, {{"Latitude", 12.5}}));
        const QString refusedFolder = folder("refused");
        report = templateapply::importTemplate(plist, localTarget({m_rich}, {0}, refusedFolder), berlin);
        QVERIFY(report.failed().value(0).reason.contains("Latitude is not text"));
        QVERIFY(filesIn(refusedFolder).isEmpty());
    }

    // What the sheet sets reaches its twins in the photo's IPTC and XMP, and a new position
    // replaces the old fix whole; every other tag stays as it was.
    void twinsInStep_data()
    {
        QTest::addColumn<EditSheetFields>("fields"); // only the GPS window sends an altitude
        QTest::addColumn<QVariantMap>("expected");   // exiftool tag -> value; null: gone
        QTest::newRow("artist") << sheet({{"artist", "Grace"}})
                                << QVariantMap{{"IFD0:Artist", "Grace"}, {"IPTC:By-line", "Grace"},
                                               {"XMP-dc:Creator", "Grace"}};
        QTest::newRow("copyright") << sheet({{"copyright", "(c) Grace"}})
                                   << QVariantMap{{"IFD0:Copyright", "(c) Grace"},
                                                  {"IPTC:CopyrightNotice", "(c) Grace"},
                                                  {"XMP-dc:Rights", "(c) Grace"}};
        QTest::newRow("description") << sheet({{"description", "Quay"}})
                                     << QVariantMap{{"IFD0:ImageDescription", "Quay"},
                                                    {"IPTC:Caption-Abstract", "Quay"},
                                                    {"XMP-dc:Description", "Quay"}};
        // Split at commas, trimmed, empty ones dropped; IPTC says its text is UTF-8.
        QTest::newRow("keywords") << sheet({{"keywords", "sea, old town ,, Hafen\u00e4"}})
                                  << QVariantMap{{"IPTC:Keywords", QVariantList{"sea", "old town", "Hafen\u00e4"}},
                                                 {"IPTC:CodedCharacterSet", "\x1b%G"},
                                                 {"XMP-dc:Subject", QVariantList{"sea", "old town", "Hafen\u00e4"}}};
        // IPTC and XMP held the capture moment; the zone IPTC gave stays.
        QTest::newRow("camera date") << sheet({{"camera", "2020:01:02 03:04:05"}})
                                     << QVariantMap{{"ExifIFD:DateTimeOriginal", "2020:01:02 03:04:05"},
                                                    {"ExifIFD:CreateDate", "2020:01:02 03:04:05"},
                                                    {"IPTC:DateCreated", "2020:01:02"},
                                                    {"IPTC:TimeCreated", "03:04:05+02:00"},
                                                    {"XMP-photoshop:DateCreated", "2020:01:02 03:04:05"}};
        // A new position replaces the old fix whole: no stamp, speed or direction of it stays.
        const QVariantMap fix{{"GPS:GPSTimeStamp", QVariant()}, {"GPS:GPSDateStamp", QVariant()},
                              {"GPS:GPSSpeed", QVariant()}, {"GPS:GPSSpeedRef", QVariant()},
                              {"GPS:GPSImgDirection", QVariant()}, {"GPS:GPSDOP", QVariant()},
                              {"XMP-exif:GPSDateTime", QVariant()}, {"XMP-exif:GPSSpeed", QVariant()},
                              {"GPS:GPSVersionID", "2 2 0 0"}, {"XMP-exif:GPSVersionID", "2.2.0.0"}};
        const auto withFix = [&fix](QVariantMap values) { values.insert(fix); return values; };
        QTest::newRow("position") << sheet({{"lat", "-1.5"}, {"lon", "2.5"}})
                                  << withFix({{"GPS:GPSLatitude", 1.5}, {"GPS:GPSLatitudeRef", "S"},
                                              {"GPS:GPSLongitude", 2.5}, {"XMP-exif:GPSLatitude", -1.5},
                                              {"XMP-exif:GPSLongitude", 2.5}, {"GPS:GPSAltitude", QVariant()},
                                              {"GPS:GPSAltitudeRef", QVariant()}});
        // The GPS window's full set: an altitude below the sea, and no speed, track or stamps
        // made up (the date and time fields still hold their hints).
        QTest::newRow("GPS window") << sheet({{"lat", "-33.8688"}, {"lon", "151.2093"}, {"alt", "-5"},
                                              {"date", templateapply::kDatePlaceholder},
                                              {"time", templateapply::kTimePlaceholder}})
                                    << withFix({{"GPS:GPSLatitude", 33.8688}, {"GPS:GPSLatitudeRef", "S"},
                                                {"GPS:GPSLongitude", 151.2093}, {"GPS:GPSLongitudeRef", "E"},
                                                {"GPS:GPSAltitude", 5.0}, {"GPS:GPSAltitudeRef", 1},
                                                {"XMP-exif:GPSLatitude", -33.8688},
                                                {"XMP-exif:GPSLongitude", 151.2093},
                                                {"XMP-exif:GPSAltitude", 5.0}, {"XMP-exif:GPSAltitudeRef", 1}});
    }

    void twinsInStep()
    {
        QFETCH(EditSheetFields, fields);
        QFETCH(QVariantMap, expected);
        const Source source = fields.gpsAltitude.isEmpty() ? Source::Sheet : Source::GpsWindow;
        const QString copy = applied(fields, source, m_twins, "twins-" + rowName());
        QVERIFY(!copy.isEmpty());
        const QVariantMap before = metadataTags(m_twins), after = metadataTags(copy);
        QCOMPARE(tagsDiffering(after, expected), QString());
        QCOMPARE(withoutGroups(after, expected.keys()), withoutGroups(before, expected.keys()));
        QCOMPARE(testsupport::validationWarnings(copy), testsupport::validationWarnings(m_twins));
    }

    // Every page takes the edit; the GPS date and time stamp the copy and its file dates.
    void everyPageOfATiffAndGpsStamps()
    {
        const QString tiff = m_dir.filePath("pages.tif");
        testsupport::run("/usr/bin/convert", {"-size", "32x24", "gradient:red-blue", "-size", "32x24",
                                              "gradient:green-yellow", "xc:red", "-compress", "none", tiff});
        // Page two has an artist of its own (replaced), page three none (added).
        testsupport::run("exiftool", {"-q", "-overwrite_original", "-IFD1:Artist=Someone else", tiff});
        const QStringList frames = testsupport::pixelSignature(tiff, true).split('\n');
        QCOMPARE(frames.size(), 3);
        const EditSheetFields f = sheet({{"artist", "Pages"}, {"lat", "-1.5"}, {"lon", "-2.5"},
                                         {"date", "2021-06-30"}, {"time", "08:15:00"}});
        const QString copy = applied(f, Source::Sheet, tiff, "tiff");
        QVERIFY(!copy.isEmpty());
        QCOMPARE(testsupport::pixelSignature(copy, true).split('\n'), frames);
        const QVariantMap expected{{"IFD0:Artist", "Pages"}, {"IFD1:Artist", "Pages"},
                                   {"IFD2:Artist", "Pages"}, {"GPS:GPSLatitudeRef", "S"},
                                   {"GPS:GPSLongitudeRef", "W"}, {"GPS:GPSDateStamp", "2021:06:30"},
                                   {"GPS:GPSTimeStamp", "08:15:00"}};
        QCOMPARE(tagsDiffering(copy, expected), QString());
        QCOMPARE(filedates::modificationDate(copy), QDateTime(QDate(2021, 6, 30), QTime(8, 15), berlin));
    }
};

QTEST_GUILESS_MAIN(TestTemplateApply)
#include "tst_TemplateApply.moc"
