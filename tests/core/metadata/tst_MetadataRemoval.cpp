// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"
#include "../compress/CompressFixtures.h"

#include "metadata/MetadataRemoval.h"

#include <QTemporaryDir>
#include <QtTest>

using metadataremoval::Removal;
using namespace editortest;

Q_DECLARE_METATYPE(metadataremoval::Removal)

class TestMetadataRemoval : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_rich;
    QString m_plain;

    QString work(const QString &name) const { return m_dir.filePath("work-" + name); }

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        QDir().mkpath(m_dir.filePath("src"));
        // XMP copies of every group, and XMP that belongs to none of them.
        const QStringList xmp{"-XMP-exif:DateTimeOriginal=2019:07:14 10:20:30", "-XMP-aux:SerialNumber=4711",
                              "-XMP-tiff:Make=Canon", "-XMP-exif:GPSLatitude=48.8584 N",
                              "-XMP-photoshop:City=Paris", "-XMP-photoshop:ColorMode=RGB",
                              "-XMP-iptcExt:LocationShown={City=Paris,GPSLatitude=48.8584}"};
        m_rich = testsupport::makeJpeg(m_dir.filePath("src/rich.jpg"), 64, 48, richMetadataArgs() + xmp);
        m_plain = testsupport::makeJpeg(m_dir.filePath("src/plain.jpg"), 40, 30, {"-IFD0:Make=Nikon"});
    }

    void removesExactlyItsGroups_data()
    {
        QTest::addColumn<Removal>("removal");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("removedGroups"); // exiftool groups, or single "Group:Tag"s
        // XMP's copies go with their group: the camera's serial number and capture time with
        // Exif, the coordinates (and only those) of a location with GPS, the IPTC Core fields
        // with IPTC, which leaves photoshop:ColorMode and the toolkit.
        const QStringList exif{"ExifIFD", "XMP-exif:DateTimeOriginal", "XMP-aux", "XMP-tiff"};
        const QStringList gps{"GPS", "XMP-exif:GPSLatitude", "XMP-iptcExt:LocationShownGPSLatitude"};
        QTest::newRow("exif") << Removal::Exif << "NoExif_" << exif;
        QTest::newRow("gps") << Removal::GPS << "NoGPS_" << gps;
        QTest::newRow("iptc") << Removal::IPTC << "NoIPTC_"
                              << QStringList{"IPTC", "XMP-dc", "XMP-photoshop:City", "XMP-iptcExt"};
        QTest::newRow("exif+gps") << Removal::ExifAndGPS << "NoExifAndGPS_" << exif + gps;
    }

    void removesExactlyItsGroups()
    {
        QFETCH(Removal, removal);
        QFETCH(QString, prefix);
        QFETCH(QStringList, removedGroups);
        const QString folder = work(rowName());
        const QByteArray sourceBytes = bytesOf(m_rich);

        const JobReport report = metadataremoval::removeMetadata(localTarget({m_rich}, {0}, folder), removal);

        const QString copy = folder + '/' + prefix + "rich.jpg";
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(filesIn(folder), QStringList{prefix + "rich.jpg"});
        QCOMPARE(bytesOf(m_rich), sourceBytes);
        QCOMPARE(metadataTags(copy), withoutGroups(metadataTags(m_rich), removedGroups));
        QCOMPARE(testsupport::pixelSignature(copy), testsupport::pixelSignature(m_rich));
    }

    // Without its Exif a photo the Exif alone called Adobe RGB would be shown as sRGB; shown
    // through the copy's profile it must look as the source does through Ghostscript's a98.
    void exifOnlyAdobeRgbKeepsItsColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("convertArgs");
        QTest::newRow("jpeg") << "adobe.jpg" << QStringList{};
        QTest::newRow("grey jpeg") << "grey.jpg" << QStringList{"-colorspace", "gray"};
        QTest::newRow("png") << "adobe.png" << QStringList{"-define", "png:exclude-chunks=gAMA,cHRM,sRGB,bKGD"};
        QTest::newRow("tiff") << "adobe.tif" << QStringList{};
        QTest::newRow("webp") << "adobe.webp" << QStringList{"-quality", "100"};
    }

    void exifOnlyAdobeRgbKeepsItsColours()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, convertArgs);
        const QString source = m_dir.filePath("src/" + name);
        testsupport::run("/usr/bin/convert",
                         QStringList{"-size", "48x32", "gradient:#2060c0-#f0d040"} + convertArgs << source);
        fixtures::exiftool(source, {"-ColorSpace=Uncalibrated", "-InteropIndex=R03"});
        const QString folder = work(rowName());
        const JobReport report = metadataremoval::removeMetadata(localTarget({source}, {0}, folder), Removal::Exif);
        QCOMPARE(report.written().size(), 1);

        const QString icc = "/usr/share/color/icc/ghostscript/";
        auto shownAsSrgb = [&](const QString &photo, const QStringList &profiles) {
            const QString png = photo + ".shown.png";
            fixtures::magick(QStringList{photo} + profiles << "-profile" << icc + "default_rgb.icc" << png);
            return QImage(png);
        };
        const QImage expected = shownAsSrgb(source, {"-profile", icc + "a98.icc"});
        const double copy = fixtures::meanDifference(shownAsSrgb(report.written().first(), {}), expected);
        // What a copy without a profile shows.
        const double asStored = fixtures::meanDifference(QImage(source), expected);
        QVERIFY2(copy >= 0 && copy < 0.13 && copy < asStored / 10,
                 qPrintable(QStringLiteral("%1 against %2").arg(copy).arg(asStored)));
    }

    // XMP's twin of the position makes a TIFF go through Exiv2's rebuild rather than the
    // in-place patch; the whole GPS directory must still go, altitude included.
    void multiPageTiffRebuiltKeepsPagesLosesAllGps()
    {
        const QString tiff = m_dir.filePath("src/pages.tif");
        testsupport::run("/usr/bin/convert", {"-size", "32x24", "gradient:red-blue", "-size", "32x24",
                                              "gradient:green-yellow", "-compress", "none", tiff});
        testsupport::run("exiftool", {"-q", "-overwrite_original", "-GPSLatitude=10.5", "-GPSLatitudeRef=S",
                                      "-GPSAltitude=35", "-GPSAltitudeRef=0", "-XMP-exif:GPSLatitude=10.5 S",
                                      "-IFD0:Artist=Pages", tiff});
        const QStringList framesBefore = testsupport::pixelSignature(tiff, true).split('\n');
        QCOMPARE(framesBefore.size(), 2);
        QVERIFY(metadataTags(tiff).contains("GPS:GPSAltitude"));

        const QString folder = work("pages");
        const JobReport report = metadataremoval::removeMetadata(localTarget({tiff}, {0}, folder), Removal::GPS);
        QCOMPARE(report.written().size(), 1);
        const QString copy = report.written().first();
        QCOMPARE(testsupport::pixelSignature(copy, true).split('\n'), framesBefore);
        const QVariantMap tags = metadataTags(copy);
        for (const QString &key : tags.keys())
            QVERIFY2(!key.startsWith("GPS:") && !key.startsWith("XMP-exif:GPS"), qPrintable(key));
        QCOMPARE(tags.value("IFD0:Artist").toString(), "Pages");
    }

    // Only the selection, in list order (indices out of range and duplicates ignored); what
    // cannot be read is reported by name, and an empty selection writes nothing.
    void selectionInListOrderUnreadableReported()
    {
        const QString folder = work("selection");
        const QString other = m_dir.filePath("src/other.jpg");
        QVERIFY(QFile::copy(m_plain, other));
        const QString text = m_dir.filePath("src/notes.jpg");
        QVERIFY(writeFile(text, "not a photo at all"));
        const QStringList paths{m_rich, text, m_plain, m_dir.filePath("src/gone.jpg"), other};
        const EditTarget target = localTarget(paths, {4, 0, 1, 4, 7, -1, 3}, folder);
        const JobReport report = metadataremoval::removeMetadata(target, Removal::IPTC);
        QCOMPARE(report.written(), (QStringList{folder + "/NoIPTC_rich.jpg", folder + "/NoIPTC_other.jpg"}));
        QCOMPARE(report.skipped().value(0).fileName, "notes.jpg");
        QCOMPARE(report.skipped().value(1).fileName, "gone.jpg");
        QCOMPARE(filesIn(folder), (QStringList{"NoIPTC_other.jpg", "NoIPTC_rich.jpg"}));

        const QString none = work("empty");
        const JobReport empty = metadataremoval::removeMetadata(localTarget({m_rich}, {}, none), Removal::Exif);
        QVERIFY(empty.emptySelection);
        QVERIFY(!QFileInfo::exists(none));

        // A Working folder that cannot exist (its parent is a file): every copy fails,
        // is reported, and nothing is left behind.
        const QString blocked = text + "/work";
        const JobReport failed = metadataremoval::removeMetadata(localTarget({m_plain}, {0}, blocked), Removal::GPS);
        QCOMPARE(failed.failed().value(0).fileName, "plain.jpg");
        QVERIFY(!failed.failed().value(0).reason.isEmpty());
    }

    // HEIC metadata cannot be written: the photo is reported, never copied unchanged.
    void heicIsReportedNotCopied()
    {
        const QString heic = m_dir.filePath("src/photo.heic");
        testsupport::run("/usr/bin/convert", {"-size", "16x16", "xc:red", heic});
        if (!QFileInfo::exists(heic) || QFileInfo(heic).size() == 0)
            QFAIL("ImageMagick cannot write HEIC (its libheif is a dependency of imagemagick)");
        const QString folder = work("heic");
        const JobReport report = metadataremoval::removeMetadata(localTarget({heic}, {0}, folder), Removal::GPS);
        QCOMPARE(report.failed().size() + report.skipped().size(), 1);
        QVERIFY(filesIn(folder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMetadataRemoval)
#include "tst_MetadataRemoval.moc"
