// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata rewrite, checked with exiftool as an independent reader and with
// ImageMagick's pixel signatures: what a rewrite writes, refuses and keeps. What every edit
// keeps on real photos of many makes is tst_corpus_imageio's.

#include "TestSupport.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtConcurrent>
#include <QtEndian>

#include <numeric>

using namespace imageio;
using namespace testsupport;

namespace {

// exiftool's tags without those that describe the file rather than the photo's metadata.
QVariantMap stableTags(const QString &path)
{
    static const QRegularExpression fileKeys(
        QStringLiteral("^(System|File|Composite|ExifTool):|^SourceFile$|Offset"));
    QVariantMap tags = exiftoolTags(path);
    tags.removeIf([](const auto &tag) { return fileKeys.match(tag.key()).hasMatch(); });
    return tags;
}

// A PNG's chunks other than eXIf and the XMP packet, each as stored.
QList<QByteArray> chunksBesideMetadata(const QByteArray &png)
{
    QList<QByteArray> chunks;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype size = 12 + qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray chunk = png.mid(at + 4, 28);
        if (chunk.left(4) != "eXIf" && !chunk.startsWith("iTXtXML:com.adobe.xmp")
            && !chunk.mid(4).startsWith("Raw profile type iptc"))
            chunks << png.mid(at, size);
        at += size;
    }
    return chunks;
}

} // namespace

class ImageIoRewriteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is required (scripts/install-deps installs it)");
    }

    void layingAPhotosOwnMapBackChangesNothing()
    {
        // Several edits pass the whole first-image map back; values must survive exactly.
        QTemporaryDir dir;
        for (const char *name : {"gps_htc_desire.jpg", "gps_iphone_1x1.jpg", "iptc_metapm.jpg"}) {
            const QString src = testData(name);
            const QString out = dir.filePath(name);
            const QVariantMap own = readProperties(src);
            QVERIFY(!own.isEmpty());
            QVERIFY(rewriteMetadata(src, out, own).ok());
            QCOMPARE(stableTags(out), stableTags(src));
        }
    }

    // On a JPEG with no Exif: signs become refs, a version and a fractional time are stored
    // as GPS spells them, and the new block has all that readers require of it.
    void gpsSignsBecomeRefs_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("stored");
        QTest::newRow("version given") << "2.3.0.0" << "2 3 0 0";
        QTest::newRow("none given") << QString() << "2 2 0 0";
    }

    void gpsSignsBecomeRefs()
    {
        QFETCH(QString, version);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        const QString src = makeJpeg(dir.filePath("plain.jpg"), 64, 48);
        const QString out = dir.filePath("sydney.jpg");
        QVariantMap gps{{keys::GpsLatitude, -33.8688}, {keys::GpsLongitude, 151.2093},
                        {keys::GpsLongitudeRef, "E"}, {keys::GpsAltitude, -5.0},
                        {keys::GpsTimeStamp, "10:20:30.25"}};
        if (!version.isEmpty())
            gps.insert(keys::GpsVersion, version);
        QVERIFY(rewriteMetadata(src, out, withGroup(keys::GpsGroup, gps)).ok());
        const QVariantMap expected{{"GPS:GPSLatitudeRef", "S"}, {"GPS:GPSLatitude", 33.8688},
                                   {"GPS:GPSLongitudeRef", "E"}, {"GPS:GPSLongitude", 151.2093},
                                   {"GPS:GPSAltitudeRef", 1}, {"GPS:GPSAltitude", 5},
                                   {"GPS:GPSVersionID", stored}, {"GPS:GPSTimeStamp", "10:20:30.25"}};
        const QVariantMap tags = exiftoolTags(out);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(tags.value(it.key()).toString(), it.value().toString());
        QCOMPARE(validationWarnings(out), QStringList());
        const QVariantMap back = readProperties(out).value(keys::GpsGroup).toMap();
        QCOMPARE(back.value(keys::GpsLatitudeRef).toString(), "S");
        QCOMPARE(back.value(keys::GpsVersion).toString(), QString(stored).replace(' ', '.'));
    }

    // A JPEG's IPTC block keeps its other datasets; a PNG with Exif but no IPTC gains a block.
    void iptcTextIsDecodableByOtherReaders_data()
    {
        QTest::addColumn<QString>("source"); // empty: a PNG made here
        QTest::newRow("JPEG") << testData("iptc_metapm.jpg");
        QTest::newRow("PNG with Exif") << QString();
    }

    void iptcTextIsDecodableByOtherReaders()
    {
        QFETCH(QString, source);
        QTemporaryDir dir;
        if (source.isEmpty()) {
            source = dir.filePath("exif.png");
            convert({"-size", "16x8", "xc:teal", source});
            exiftool({"-q", "-overwrite_original", "-Make=Acme", source});
        }
        const QString out = dir.filePath("keywords." + QFileInfo(source).suffix());
        const QStringList keywords{"Zürich", "東京", "plain"};
        const QVariantMap iptc{{keys::IptcKeywords, keywords}, {keys::IptcCaptionAbstract, "Café au lait"}};
        QVERIFY(rewriteMetadata(source, out, withGroup(keys::IptcGroup, iptc)).ok());

        const QVariantMap tags = exiftoolTags(out);
        QCOMPARE(tags.value("IPTC:Keywords").toStringList(), keywords);
        QCOMPARE(tags.value("IPTC:Caption-Abstract").toString(), "Café au lait");
        QCOMPARE(tags.value("IPTC:City"), exiftoolTags(source).value("IPTC:City"));
        const QVariantMap back = readProperties(out).value(keys::IptcGroup).toMap();
        QCOMPARE(back.value(keys::IptcKeywords).toStringList(), keywords);
    }

    // Each container's edit touches only its metadata: the pixels of every page stay, a PNG
    // keeps every other chunk as stored (CRCs included), a TIFF's new date takes the old one's
    // bytes and nothing else changes but the header's IFD0 offset. exiftool reads the edit,
    // finds no GPS tag left (the altitude and the XMP twin send a PNG or TIFF through Exiv2's
    // rebuild) and no warning the source did not have.
    void editsTouchOnlyTheMetadata_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("convertArgs");
        QTest::addColumn<bool>("tagged");
        const QStringList plasma{"-size", "40x30", "plasma:fractal"};
        QTest::newRow("jpeg") << "photo.jpg" << plasma << true;
        QTest::newRow("jpeg without Exif") << "bare.jpg" << plasma << false;
        QTest::newRow("png eXIf") << "photo.png" << plasma << true;
        QTest::newRow("png without Exif") << "bare.png" << plasma << false;
        QTest::newRow("webp") << "photo.webp" << plasma << true;
        QTest::newRow("webp without metadata") << "bare.webp" << plasma << false;
        const QStringList pages = plasma + QStringList{"xc:red", "gradient:blue-white"};
        // A GIF holds only XMP, which exiftool writes for the Exif names it is given.
        QTest::newRow("animated gif") << "photo.gif" << pages << true;
        QTest::newRow("animated gif without metadata") << "bare.gif" << pages << false;
        // Too small for Exiv2's type detection.
        QTest::newRow("tiny gif") << "tiny.gif" << QStringList{"-size", "16x16", "xc:red"} << false;
        QTest::newRow("three-page tiff") << "pages.tif" << pages << true;
    }

    void editsTouchOnlyTheMetadata()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, convertArgs);
        QFETCH(bool, tagged);
        QTemporaryDir dir;
        const QString src = dir.filePath(name);
        convert(convertArgs + QStringList{src});
        const QStringList metadata{"-Make=Before", "-GPSLatitude=10", "-GPSLatitudeRef=N", "-GPSAltitude=5",
                                   "-XMP-exif:GPSLatitude=10", "-DateTimeOriginal=1999:12:31 23:59:59"};
        if (tagged)
            exiftool(QStringList{"-q", "-overwrite_original"} + metadata << src);
        const QByteArray before = readFile(src);
        const bool tiff = name.endsWith(".tif"), gif = name.endsWith(".gif");
        QCOMPARE(pixelSignature(src, true).count('\n') + 1, convertArgs.filter(QRegularExpression("^\\w+:")).size());
        const QString date = "2001:02:03 04:05:06";
        const QVariantMap dated = withField(keys::ExifGroup, keys::ExifDateTimeOriginal, date);
        const QVariantMap noGps = withGroup(keys::GpsGroup, QVariant());
        QVariantMap artist = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        artist.insert(withField(keys::ExifGroup, "FNumber", 2.8));
        artist.insert(noGps);
        artist.insert(keys::IptcGroup, QVariantMap{{keys::IptcKeywords, QStringList{"Kw"}}, {"City", "Oslo"},
                                                   {"DateCreated", "2003-08-06"}, {"TimeCreated", "18:04:34-05:00"}});
        for (const QVariantMap &overlay : {dated, noGps, artist}) {
            const QString out = dir.filePath("copy-" + name);
            const RewriteResult result = rewriteMetadata(src, out, overlay);
            QVERIFY2(result.ok(), qPrintable(result.error));
            const QByteArray after = readFile(out);
            // Every container stores its XMP packet as plain text. An edit grows it by what it
            // adds, not by the XMP toolkit's 2 KB of padding.
            const auto packetSize = [](const QByteArray &file) {
                const qsizetype begin = file.indexOf("<?xpacket begin");
                return begin < 0 ? 0 : file.indexOf("<?xpacket end", begin) - begin;
            };
            QVERIFY2(packetSize(after) < packetSize(before) + 1024, qPrintable(QString::number(packetSize(after))));
            if (name.endsWith(".png")) {
                QCOMPARE(chunksBesideMetadata(after), chunksBesideMetadata(before));
            } else if (gif) {
                // exiftool drops the XMP extensions: every other block is left as stored.
                QCOMPARE(exiftool({"-XMP:all=", "-o", "-", out}), exiftool({"-XMP:all=", "-o", "-", src}));
                if (!tagged && overlay == noGps)
                    QCOMPARE(after, before); // nothing to remove: the file itself
            } else if (tiff && overlay == dated) {
                QByteArray head = after.left(before.size()).replace(4, 4, before.mid(4, 4));
                QCOMPARE(head.replace(date.toLatin1(), "1999:12:31 23:59:59"), before);
            }
            const QVariantMap tags = exiftoolTags(out);
            if (overlay == dated)
                QCOMPARE(tags.value(gif ? "XMP-exif:DateTimeOriginal" : "ExifIFD:DateTimeOriginal").toString(), date);
            else
                for (const QString &key : tags.keys())
                    QVERIFY2(!key.contains("GPS:") && !key.contains(":GPS"), qPrintable(key));
            if (overlay == artist) {
                QCOMPARE(tags.value(gif ? "XMP-dc:Creator" : "IFD0:Artist").toString(), "Ana");
                // WebP and GIF hold no IPTC: its fields live in their XMP twins.
                const bool noIptc = name.endsWith(".webp") || gif;
                QCOMPARE(tags.value(noIptc ? "XMP-dc:Subject" : "IPTC:Keywords").toString(), "Kw");
                QCOMPARE(tags.value(noIptc ? "XMP-photoshop:City" : "IPTC:City").toString(), "Oslo");
                if (noIptc)
                    QCOMPARE(tags.value("XMP-photoshop:DateCreated").toString(), "2003:08:06 18:04:34-05:00");
                else
                    QCOMPARE(tags.value("IPTC:TimeCreated").toString(), "18:04:34-05:00");
                QCOMPARE(tags.value(gif ? "XMP-exif:FNumber" : "ExifIFD:FNumber").toDouble(), 2.8);
                // New IPTC and XMP entries are written beside the pixels, which stay where they were.
                QCOMPARE(tags.value("IFD0:StripOffsets"), exiftoolTags(src).value("IFD0:StripOffsets"));
            }
            QCOMPARE(tags.value("IFD0:Make"), exiftoolTags(src).value("IFD0:Make"));
            const QStringList known = validationWarnings(src);
            for (const QString &warning : validationWarnings(out))
                QVERIFY2(known.contains(warning), qPrintable(warning));
            QCOMPARE(pixelSignature(out, true), pixelSignature(src, true));
        }
    }

    // A source that cannot be read, a value a tag cannot hold, Exif that cannot fit a JPEG
    // segment (64 KiB), a damaged GIF: nothing is written, with a reason, and an earlier copy
    // at the output stays as it was.
    void failedRewritesLeaveTheEarlierCopy_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QVariantMap>("overlay");
        QTest::addColumn<int>("status");
        const QByteArray whole = readFile(testData("gps_htc_desire.jpg"));
        const QVariantMap noGps = withGroup(keys::GpsGroup, QVariant());
        const int unreadable = RewriteResult::Unreadable, failed = RewriteResult::WriteFailed;
        QTest::newRow("not an image") << QByteArray("no photo, just some text\n") << noGps << unreadable;
        QTest::newRow("empty") << QByteArray() << noGps << unreadable;
        QTest::newRow("GIF header alone") << QByteArray("GIF89a\x10\x00\x10\x00", 10) << noGps << unreadable;
        QTest::newRow("JPEG cut in half") << whole.left(whole.size() / 2) << noGps << unreadable;
        QTest::newRow("JPEG cut inside its Exif") << whole.left(300) << noGps << unreadable;
        const QString description(70000, 'x');
        QTest::newRow("Exif over 64 KiB")
            << whole << withField(keys::TiffGroup, keys::TiffImageDescription, description) << failed;
        const auto latitude = [](QVariant v) { return withField(keys::GpsGroup, keys::GpsLatitude, v); };
        QTest::newRow("latitude as text") << whole << latitude("north") << failed;
        QTest::newRow("latitude out of range") << whole << latitude(123.0) << failed;
        // Removing what a GIF's XMP holds needs the whole extension, and the blocks after it.
        QTemporaryDir dir;
        const QString gif = dir.filePath("xmp.gif");
        convert({"-size", "8x8", "xc:red", gif});
        exiftool({"-q", "-overwrite_original", "-XMP-exif:GPSLatitude=10", gif});
        const QByteArray tagged = readFile(gif);
        QTest::newRow("GIF cut inside its XMP")
            << tagged.left(tagged.indexOf("XMP DataXMP") + 300) << noGps << int(RewriteResult::Refused);
        // An IPTC field without an XMP twin has no place in a container that holds no IPTC.
        const QVariantMap editStatus = withField(keys::IptcGroup, "EditStatus", "EDITED");
        QTest::newRow("IPTC without a twin, GIF") << tagged << editStatus << int(RewriteResult::Refused);
        convert({"-size", "8x8", "xc:red", dir.filePath("red.webp")});
        QTest::newRow("IPTC without a twin, WebP") << readFile(dir.filePath("red.webp")) << editStatus << failed;
        // A BMP holds no metadata: a copy without the value would pass for the edit.
        convert({"-size", "8x8", "xc:red", dir.filePath("red.bmp")});
        QTest::newRow("value into a BMP") << readFile(dir.filePath("red.bmp"))
                                          << withField(keys::TiffGroup, keys::TiffArtist, "Me")
                                          << int(RewriteResult::Refused);
    }

    void failedRewritesLeaveTheEarlierCopy()
    {
        QFETCH(QByteArray, source);
        QFETCH(QVariantMap, overlay);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString src = dir.filePath("source.jpg");
        const QString out = dir.filePath("copy.jpg");
        QVERIFY(writeFile(src, source) && writeFile(out, "an earlier copy"));
        const RewriteResult result = rewriteMetadata(src, out, overlay);
        QCOMPARE(int(result.status), status);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(readFile(out), QByteArray("an earlier copy"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // The check reads the source again and the copy: what Exiv2 says of them is logged once.
    void exiv2MessagesAreLoggedOnce()
    {
        QTemporaryDir dir;
        const char *message = "Directory Thumbnail with 19712 entries considered invalid; not read.";
        QTest::ignoreMessage(QtWarningMsg, message);
        QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(message)));
        const RewriteResult result = rewriteMetadata(testData("exif_bad_ifd_unreadable_rewrite.jpg"),
                                                     dir.filePath("copy.jpg"),
                                                     withGroup(keys::GpsGroup, QVariant()));
        QVERIFY2(result.ok(), qPrintable(result.error));
    }

    void concurrentRewritesMatchSequentialOnes()
    {
        // Compression workers use the layer from several threads at once.
        QTemporaryDir dir;
        const QStringList names{"gps_htc_desire.jpg", "gps_iphone_1x1.jpg", "iptc_metapm.jpg",
                                "exif_bad_ifd_unreadable_rewrite.jpg"};
        QVariantMap overlay = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        overlay.insert(keys::GpsGroup, QVariant());
        QHash<QString, QByteArray> expected;
        for (const QString &name : names) {
            const QString out = dir.filePath("seq-" + name);
            QVERIFY(rewriteMetadata(testData(name), out, overlay).ok());
            expected.insert(name, readFile(out));
        }
        QList<int> jobs(48);
        std::iota(jobs.begin(), jobs.end(), 0);
        const QList<bool> same = QtConcurrent::blockingMapped(jobs, [&](int i) {
            const QString name = names.at(i % names.size());
            const QString out = dir.filePath(QStringLiteral("par-%1-").arg(i) + name);
            return rewriteMetadata(testData(name), out, overlay).ok()
                && readFile(out) == expected.value(name);
        });
        QVERIFY(!same.contains(false));
    }
};

QTEST_GUILESS_MAIN(ImageIoRewriteTest)
#include "tst_imageio_rewrite.moc"
