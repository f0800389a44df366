// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG metadata edits on generated fixtures that other tools write and that libraries read
// only in part: repeated segments, Exif split over two segments, entries of invalid type,
// IPTC times without a zone. exiftool is the independent reader; for what must be gone the
// oracle is simpler still: the removed text appears nowhere in the copy's bytes.

#include "TestSupport.h"

#include "imageio/ImageDestination.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"
#include "imageio/OverlayPlan.h"
#include "imageio/RewriteCheck.h"
#include "imageio/TiffBlock.h"
#include "imageio/XmpEdit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace imageio;
using namespace testsupport;

namespace {

QByteArray segment(uchar marker, const QByteArray &payload)
{
    const int length = int(payload.size()) + 2;
    return QByteArray(1, char(0xFF)) + char(marker) + char(length >> 8) + char(length & 0xFF) + payload;
}

// The first segment whose payload starts with `header`, marker included.
QByteArray findSegment(const QByteArray &jpeg, uchar marker, const QByteArray &header)
{
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && uchar(jpeg.at(i)) == 0xFF && uchar(jpeg.at(i + 1)) != 0xDA) {
        const qsizetype length = (uchar(jpeg.at(i + 2)) << 8) | uchar(jpeg.at(i + 3));
        if (uchar(jpeg.at(i + 1)) == marker && jpeg.mid(i + 4).startsWith(header))
            return jpeg.mid(i, 2 + length);
        i += 2 + length;
    }
    return {};
}

QByteArray withSegmentTwice(const QByteArray &jpeg, uchar marker, const QByteArray &header)
{
    const QByteArray seg = findSegment(jpeg, marker, header);
    const qsizetype at = jpeg.indexOf(seg);
    return at < 0 ? QByteArray() : jpeg.left(at + seg.size()) + seg + jpeg.mid(at + seg.size());
}

QVariantMap removal(const char *group) { return {{QLatin1String(group), QVariant()}}; }

QVariantMap withField(const char *group, const char *key, const QVariant &value)
{
    return {{QLatin1String(group), QVariantMap{{QLatin1String(key), value}}}};
}

const QByteArray kExif("Exif\0\0", 6);
const QByteArray kXmp("http://ns.adobe.com/xap/1.0/");
const QByteArray kPhotoshop("Photoshop 3.0");

} // namespace

class ImageIoSegmentsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is required (scripts/install-deps installs it)");
    }

    void removalReachesEverySegment_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("marker");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QByteArray>("secret");
        const QString exif = QString::fromLatin1(keys::ExifGroup);
        const QString gps = QString::fromLatin1(keys::GpsGroup);
        const QString iptc = QString::fromLatin1(keys::IptcGroup);
        QTest::newRow("two Exif segments, Exif removed")
            << QStringList{"-LensModel=SecretLens"} << 0xE1 << kExif << exif << QByteArray("SecretLens");
        QTest::newRow("two Exif segments, GPS removed")
            << QStringList{"-GPSAreaInformation=SecretPlace", "-GPSLatitude=12.5"} << 0xE1 << kExif << gps
            << QByteArray("SecretPlace");
        QTest::newRow("two XMP segments, GPS removed")
            << QStringList{"-XMP-exif:GPSLatitude=12.5", "-XMP-exif:GPSAreaInformation=SecretPlace"} << 0xE1 << kXmp
            << gps << QByteArray("SecretPlace");
        QTest::newRow("two APP13 segments, IPTC removed (XMP twins too)")
            << QStringList{"-IPTC:Keywords=SecretWord", "-XMP-dc:Subject=SecretWord", "-XMP-photoshop:City=SecretWord"}
            << 0xED << kPhotoshop << iptc << QByteArray("SecretWord");
        // Only the coordinates leave the location; its city stays.
        QTest::newRow("IPTC Extension location with coordinates, GPS removed")
            << QStringList{"-XMP-iptcExt:LocationShownGPSLatitude=12.5", "-XMP-iptcExt:LocationShownCity=KeptCity"}
            << 0xE1 << kXmp << gps << QByteArray("GPSLatitude");
    }

    void removalReachesEverySegment()
    {
        QFETCH(QStringList, tags);
        QFETCH(int, marker);
        QFETCH(QByteArray, header);
        QFETCH(QString, group);
        QFETCH(QByteArray, secret);
        QTemporaryDir dir;
        const QString made = makeJpeg(dir.filePath(QStringLiteral("made.jpg")), 32, 24,
                                      tags + QStringList{QStringLiteral("-Model=Kept")});
        const QByteArray twice = withSegmentTwice(readFile(made), uchar(marker), header);
        QVERIFY(twice.count(secret) >= 2);
        const QString src = dir.filePath(QStringLiteral("twice.jpg"));
        QVERIFY(writeFile(src, twice));
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));

        const RewriteResult result = rewriteMetadata(src, out, {{group, QVariant()}});
        QVERIFY2(result.ok(), qPrintable(result.error));
        const QByteArray copy = readFile(out);
        QVERIFY2(!copy.contains(secret), "removed data is still in the copy");
        QCOMPARE(exiftoolTags(out).value(QStringLiteral("IFD0:Model")).toString(), QStringLiteral("Kept"));
        QCOMPARE(pixelSignature(out), pixelSignature(src));
    }

    // Exif larger than a segment, split over two as other tools write it.
    void splitExifIsKeptWholeOrRefused_data()
    {
        QTest::addColumn<QVariantMap>("overlay");
        QTest::addColumn<bool>("written");
        QTest::newRow("GPS removed in place") << removal(keys::GpsGroup) << true;
        QTest::newRow("IPTC removed, Exif untouched") << removal(keys::IptcGroup) << true;
        const QVariantMap artist = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        QTest::newRow("new artist in a split block") << artist << false;
    }

    void splitExifIsKeptWholeOrRefused()
    {
        QFETCH(QVariantMap, overlay);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString plain = makeJpeg(dir.filePath(QStringLiteral("plain.jpg")), 32, 24);
        const QString exifFile = dir.filePath(QStringLiteral("big.exif"));
        run(QStringLiteral("exiftool"), {"-q", "-o", exifFile, "-Model=SplitCam", "-GPSLatitude=12.5",
                                         "-GPSLatitudeRef=N", "-UserComment=" + QString(70000, QLatin1Char('y')), plain});
        const QByteArray tiff = readFile(exifFile);
        QVERIFY(tiff.size() > 65527);
        QByteArray segments;
        for (qsizetype at = 0; at < tiff.size(); at += 65527)
            segments += segment(0xE1, kExif + tiff.mid(at, 65527));
        const QByteArray jpeg = readFile(plain);
        const QString src = dir.filePath(QStringLiteral("split.jpg"));
        QVERIFY(writeFile(src, jpeg.left(2) + segments + jpeg.mid(2)));
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));

        const RewriteResult result = rewriteMetadata(src, out, overlay);
        QCOMPARE(result.ok(), written);
        if (!written) {
            QVERIFY(!result.error.isEmpty());
            QVERIFY(!QFile::exists(out));
            return;
        }
        const QVariantMap before = exiftoolTags(src);
        const QVariantMap after = exiftoolTags(out);
        QCOMPARE(after.value(QStringLiteral("ExifIFD:UserComment")).toString().size(), 70000);
        const bool gpsRemoved = overlay.contains(QLatin1String(keys::GpsGroup));
        QCOMPARE(after.contains(QStringLiteral("GPS:GPSLatitude")), !gpsRemoved);
        QCOMPARE(after.value(QStringLiteral("IFD0:Model")), before.value(QStringLiteral("IFD0:Model")));
    }

    // Sony writes an IFD0 entry of type 0; a rebuilt block must leave it out, or other
    // readers reject the whole IFD, and say so.
    void invalidTypeEntryIsDroppedOnlyWhenGrowing_data()
    {
        QTest::addColumn<QVariantMap>("overlay");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("GPS removed in place keeps the block as it is") << removal(keys::GpsGroup) << false;
        QTest::newRow("new artist grows the block") << withField(keys::TiffGroup, keys::TiffArtist, "Ana")
                                                    << true;
    }

    void invalidTypeEntryIsDroppedOnlyWhenGrowing()
    {
        QFETCH(QVariantMap, overlay);
        QFETCH(bool, dropped);
        QTemporaryDir dir;
        const QString made = makeJpeg(dir.filePath(QStringLiteral("made.jpg")), 32, 24,
                                      {"-Software=Firmware", "-DateTimeOriginal=2010:01:02 03:04:05",
                                       "-GPSLatitude=12.5", "-ExifByteOrder=II"});
        QByteArray bytes = readFile(made);
        const QByteArray softwareEntry("\x31\x01\x02\x00", 4); // tag 0x0131, ASCII, little-endian
        QCOMPARE(bytes.count(softwareEntry), 1);
        bytes.replace(softwareEntry, QByteArray("\x31\x01\x00\x00", 4));
        const QString src = dir.filePath(QStringLiteral("type0.jpg"));
        QVERIFY(writeFile(src, bytes));
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));

        const RewriteResult result = rewriteMetadata(src, out, overlay);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(!result.dropped.isEmpty(), dropped);
        if (dropped)
            QVERIFY(result.dropped.first().contains(QLatin1String("0x0131")));
        const QVariantMap after = exiftoolTags(out);
        QCOMPARE(after.value(QStringLiteral("ExifIFD:DateTimeOriginal")).toString(), QStringLiteral("2010:01:02 03:04:05"));
        const QStringList known = validationWarnings(src);
        for (const QString &warning : validationWarnings(out))
            QVERIFY2(known.contains(warning), qPrintable(warning));
    }

    // An IPTC time stored without a zone ("145615") comes back as it was, whether or not the
    // edit touches IPTC.
    void untouchedIptcDataSetsKeepTheirBytes_data()
    {
        QTest::addColumn<QVariantMap>("overlay");
        QTest::newRow("GPS removed") << removal(keys::GpsGroup);
        QTest::newRow("keywords changed")
            << withField(keys::IptcGroup, keys::IptcKeywords, QStringList{QStringLiteral("new")});
    }

    void untouchedIptcDataSetsKeepTheirBytes()
    {
        QFETCH(QVariantMap, overlay);
        QTemporaryDir dir;
        const QString made = makeJpeg(dir.filePath(QStringLiteral("made.jpg")), 32, 24, {QStringLiteral("-GPSLatitude=1")});
        const QByteArray time = QByteArray("\x1c\x02\x3c\x00\x06", 5) + "145615";
        const QByteArray iim = QByteArray("\x1c\x02\x19\x00\x03", 5) + "old" + time;
        const QByteArray resource = QByteArray("8BIM\x04\x04\0\0", 8) + QByteArray("\0\0\0", 3) + char(iim.size()) + iim
            + (iim.size() % 2 ? QByteArray(1, '\0') : QByteArray());
        const QByteArray jpeg = readFile(made);
        const QString src = dir.filePath(QStringLiteral("iptc.jpg"));
        QVERIFY(writeFile(src, jpeg.left(2) + segment(0xED, kPhotoshop + '\0' + resource) + jpeg.mid(2)));
        QCOMPARE(exiftoolTags(src).value(QStringLiteral("IPTC:TimeCreated")).toString(), QStringLiteral("14:56:15"));
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));

        const RewriteResult result = rewriteMetadata(src, out, overlay);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY(readFile(out).contains(time));
        QCOMPARE(exiftoolTags(out).value(QStringLiteral("IPTC:TimeCreated")).toString(), QStringLiteral("14:56:15"));
    }

    // An XMP segment whose length field stops after its header leaves the packet, with the
    // position in it, as bytes between segments: neither a removal nor compression may
    // carry them into a copy.
    void strayBytesBetweenSegmentsAreNotCopied()
    {
        QTemporaryDir dir;
        const QString made = makeJpeg(dir.filePath(QStringLiteral("made.jpg")), 32, 24,
                                      {"-XMP-exif:GPSLatitude=12.5", "-XMP-exif:GPSAreaInformation=SecretPlace",
                                       "-Model=Kept"});
        QByteArray bytes = readFile(made);
        const QByteArray xmp = findSegment(bytes, 0xE1, kXmp);
        QVERIFY(xmp.contains("SecretPlace"));
        const qsizetype at = bytes.indexOf(xmp);
        bytes[at + 2] = 0;
        bytes[at + 3] = char(2 + kXmp.size() + 1);
        const QString src = dir.filePath(QStringLiteral("short.jpg"));
        QVERIFY(writeFile(src, bytes));

        const QString out = dir.filePath(QStringLiteral("copy.jpg"));
        const RewriteResult result = rewriteMetadata(src, out, removal(keys::GpsGroup));
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY2(!readFile(out).contains("SecretPlace"), "stray packet bytes were copied");
        QCOMPARE(exiftoolTags(out).value(QStringLiteral("IFD0:Model")).toString(), QStringLiteral("Kept"));

        const auto source = ImageSource::create(bytes);
        QVERIFY(source);
        QByteArray target = readFile(makeJpeg(dir.filePath(QStringLiteral("new.jpg")), 32, 24));
        QString error;
        QVERIFY2(copyMetadata(*source, target, AllMetadataParts, {}, &error), qPrintable(error));
        QVERIFY2(!target.contains("SecretPlace"), "stray packet bytes were copied");
        QVERIFY(target.contains("Kept"));
    }

    // Some writers end the block inside the last directory's link to a next one. Once an
    // edit appends data there, that link must still end the chain, not point into the new data.
    void growingBlockKeepsTheChainEnded_data()
    {
        QTest::addColumn<int>("linkBytesStored");
        QTest::newRow("link cut off") << 0;
        QTest::newRow("link half stored") << 2;
        QTest::newRow("link stored") << 4;
    }

    void growingBlockKeepsTheChainEnded()
    {
        QFETCH(int, linkBytesStored);
        // II*, IFD0 at 8 with Make ("Acme"), its link to an empty IFD1 at 26.
        QByteArray block = QByteArray::fromHex("49492a0008000000" "0100" "0f01020004000000" "41636d65" "1a000000"
                                               "0000")
            + QByteArray(linkBytesStored, '\0');
        const QByteArray before = block;
        TiffBlock tiff(&block);
        QVERIFY(tiff.addAscii(0x0132, false, "2001:02:03 04:05:06"));
        QVERIFY(block.startsWith(before.left(4)) && block.mid(8, 18) == before.mid(8, 18));
        TiffBlock::Directory ifd0, ifd1;
        QVERIFY(tiff.readDirectory(tiff.ifd0Offset(), &ifd0));
        QCOMPARE(ifd0.entries.size(), 2);
        const quint32 next = tiff.get32(ifd0.offset + 2 + 12 * 2);
        QCOMPARE(next, 26u);
        QVERIFY(tiff.readDirectory(next, &ifd1));
        QCOMPARE(tiff.get32(next + 2), 0u);
    }

    // Each page of a TIFF file has its own directory; an edit of IFD0's Artist reaches page
    // two whatever it held, and a chain that leads nowhere or back on itself just ends.
    void valueReachesEveryPage_data()
    {
        QTest::addColumn<QByteArray>("chain"); // IFD0's link, then what lies at 26
        QTest::addColumn<bool>("pageTwo");
        QTest::newRow("same size, replaced") << QByteArray::fromHex("1a000000" "0100" "3b01020004000000" "4f6c6400" "00000000") << true;
        QTest::newRow("other size, moved")
            << QByteArray::fromHex("1a000000" "0100" "3b010200080000002c000000" "00000000" "536f6d656f6e6500") << true;
        QTest::newRow("none, added") << QByteArray::fromHex("1a000000" "0000" "00000000") << true;
        QTest::newRow("loops to itself") << QByteArray::fromHex("1a000000" "0000" "1a000000") << true;
        QTest::newRow("link into nothing") << QByteArray::fromHex("ffff0000") << false;
    }

    void valueReachesEveryPage()
    {
        QFETCH(QByteArray, chain);
        QFETCH(bool, pageTwo);
        // II*, IFD0 at 8 with Artist "Pat".
        QByteArray block = QByteArray::fromHex("49492a0008000000" "0100" "3b01020004000000" "50617400") + chain;
        const QByteArray before = block;
        TiffBlock tiff(&block);
        QVERIFY(tiff.copyToPages(0x013B));
        QCOMPARE(block.left(22), before.left(22));
        if (!pageTwo) {
            QCOMPARE(block, before);
            return;
        }
        TiffBlock::Directory page;
        QVERIFY(tiff.readDirectory(tiff.get32(22), &page));
        const TiffBlock::Entry *artist = page.find(0x013B);
        QVERIFY(artist);
        QCOMPARE(block.mid(artist->valueOffset, qsizetype(artist->valueSize)), QByteArray("Pat", 4));
    }

    // The read-back check is what stops a damaged copy; a value changed behind the edit's
    // back, text or raw bytes, must be named, and an untouched copy must pass.
    void checkNamesAnUnplannedChange_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("fault");
        QTest::newRow("untouched") << QByteArray() << QByteArray() << QString();
        QTest::newRow("text") << QByteArray("HTC Desire") << QByteArray("HTC Dosire") << QStringLiteral("Exif.Image.Model");
        QTest::newRow("undefined bytes") << QByteArray("0220") << QByteArray("0230") << QStringLiteral("Exif.Photo.ExifVersion");
    }

    void checkNamesAnUnplannedChange()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, fault);
        const QByteArray source = readFile(testData(QStringLiteral("gps_htc_desire.jpg")));
        QByteArray copy = source;
        if (!from.isEmpty()) {
            const qsizetype at = copy.indexOf(from);
            QVERIFY(at > 0 && copy.indexOf(from, at + 1) < 0);
            copy.replace(at, to.size(), to);
        }
        const OverlayPlan plan;
        CopyCheck check;
        check.plan = &plan;
        const QString said = checkCopy(source, copy, check);
        QVERIFY2(fault.isEmpty() ? said.isEmpty() : said.contains(fault), qPrintable(said));
    }

    // A packet is searched as text before it is parsed; whatever spells a name or a
    // namespace in other bytes must still be parsed and lose what it holds.
    void packetLosesWhatItHolds_data()
    {
        QTest::addColumn<int>("removals");
        QTest::addColumn<QByteArray>("declarations");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<bool>("changes");
        const QByteArray dc = "xmlns:dc='http://purl.org/dc/elements/1.1/'";
        const QByteArray exif = "xmlns:exif='http://ns.adobe.com/exif/1.0/'";
        const QByteArray creator = "<dc:creator><rdf:Seq><rdf:li>Secret</rdf:li></rdf:Seq></dc:creator>";
        QTest::newRow("GPS, none held") << int(XmpGps) << exif << QByteArray("<exif:ExposureTime>1/8</exif:ExposureTime>") << false;
        QTest::newRow("GPS held") << int(XmpGps) << exif << QByteArray("<exif:GPSAreaInformation>Secret</exif:GPSAreaInformation>") << true;
        QTest::newRow("IPTC, none held") << int(XmpIptc) << exif << QByteArray("<exif:ExposureTime>1/8</exif:ExposureTime>") << false;
        QTest::newRow("IPTC held") << int(XmpIptc) << dc << creator << true;
        QTest::newRow("IPTC behind a character reference")
            << int(XmpIptc) << QByteArray("xmlns:dc='&#104;ttp://purl.org/dc/elements/1.1/'") << creator << true;
    }

    void packetLosesWhatItHolds()
    {
        QFETCH(int, removals);
        QFETCH(QByteArray, declarations);
        QFETCH(QByteArray, property);
        QFETCH(bool, changes);
        QByteArray packet = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
                            "<rdf:Description rdf:about='' " + declarations + ">" + property
            + "</rdf:Description></rdf:RDF></x:xmpmeta>";
        const QByteArray before = packet;
        XmpChange change;
        change.removals = removals;
        bool changed = false;
        QString error;
        QVERIFY2(editXmpProperties(packet, change, &changed, &error), qPrintable(error));
        QCOMPARE(changed, changes);
        QCOMPARE(packet.contains("Secret"), false);
        if (!changes)
            QCOMPARE(packet, before);
    }

    // Some cameras point IFD1 at IFD0's GPS directory. A grown directory moves to the end of
    // the block: both pointers follow it, and the old table, which held the old position,
    // is gone from the bytes; a removal takes the directory from both.
    void sharedGpsDirectoryFollowsEveryPointer_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("grown") << false;
        QTest::newRow("removed") << true;
    }

    void sharedGpsDirectoryFollowsEveryPointer()
    {
        QFETCH(bool, remove);
        // IFD0 at 8 and IFD1 at 26 both point at the GPS IFD at 44, which holds LatitudeRef "N".
        QByteArray block = QByteArray::fromHex("49492a0008000000"
                                               "0100" "2588" "0400" "01000000" "2c000000" "1a000000"
                                               "0100" "2588" "0400" "01000000" "2c000000" "00000000"
                                               "0100" "0100" "0200" "02000000" "4e000000" "00000000");
        TiffBlock tiff(&block);
        if (remove) {
            QVERIFY(tiff.removeSubDirectory(TiffBlock::GpsPointer));
        } else {
            const QByteArray latitude = QByteArray::fromHex("210000000100000034000000010000000000000001000000");
            QVERIFY(tiff.setFields(TiffBlock::Ifd::Gps, {{0x0001, 2, 2, QByteArray("S\0", 2)}, {0x0002, 5, 3, latitude}}));
            tiff.clearLeftovers();
        }
        QCOMPARE(block.mid(44, 18), QByteArray(18, '\0'));
        TiffBlock::Directory ifd0, ifd1, gps;
        QVERIFY(tiff.readDirectory(tiff.ifd0Offset(), &ifd0));
        QVERIFY(tiff.readDirectory(26, &ifd1));
        QCOMPARE(tiff.pointer(ifd0, TiffBlock::GpsPointer), tiff.pointer(ifd1, TiffBlock::GpsPointer));
        if (remove) {
            QVERIFY(!ifd0.find(TiffBlock::GpsPointer) && !ifd1.find(TiffBlock::GpsPointer));
            return;
        }
        QVERIFY(tiff.readDirectory(tiff.pointer(ifd0, TiffBlock::GpsPointer), &gps));
        QCOMPARE(gps.entries.size(), 2);
        QCOMPARE(block.at(gps.find(0x0001)->valueOffset), 'S');
    }
};

QTEST_GUILESS_MAIN(ImageIoSegmentsTest)
#include "tst_imageio_segments.moc"
