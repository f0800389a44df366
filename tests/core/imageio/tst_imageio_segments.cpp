// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and editing photo containers: property maps of the right kinds, container checks
// that tell complete files from cut ones, and JPEG edits of fixtures as other tools write
// them (repeated segments, Exif split over two, entries of invalid type, IPTC times without
// a zone). exiftool is the independent reader; for what must be gone, the removed text
// appears nowhere in the copy's bytes.

#include "TestSupport.h"

#include "imageio/ContainerCheck.h"
#include "imageio/ExivImage.h"
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

const QByteArray kExif("Exif\0\0", 6);
const QByteArray kXmp("http://ns.adobe.com/xap/1.0/");
const QByteArray kPhotoshop("Photoshop 3.0");

// A JPEG made at `path` whose XMP segment's length stops after its header: the packet, with
// a position in it, is left as bytes between segments.
QByteArray strayPacket(const QString &path)
{
    const QStringList tags{"-XMP-exif:GPSLatitude=12.5", "-XMP-exif:GPSAreaInformation=SecretPlace",
                           "-Model=Kept"};
    QByteArray bytes = readFile(makeJpeg(path, 32, 24, tags));
    const qsizetype at = bytes.indexOf(findSegment(bytes, 0xE1, kXmp));
    bytes[at + 2] = 0;
    bytes[at + 3] = char(2 + kXmp.size() + 1);
    return bytes;
}

QVariantMap group(const QVariantMap &props, const char *name) { return props.value(name).toMap(); }

// A chunk (CRC left zero: the check reads lengths, not checksums) put before IEND.
QByteArray withChunkBeforeEnd(const QByteArray &png, const QByteArray &type, const QByteArray &body, int copies)
{
    QByteArray chunk;
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk.append(char((body.size() >> shift) & 0xFF));
    chunk += type + body + QByteArray(4, '\0');
    return png.left(png.size() - 12) + chunk.repeated(copies) + png.right(12);
}

// Every Exif, IPTC and XMP key with its value, as Exiv2 holds them after a reading.
QStringList metadataOf(ExivImage &exiv)
{
    QStringList all;
    const auto add = [&all](const auto &data) {
        for (const auto &datum : data)
            all << QString::fromStdString(datum.key() + " = " + datum.toString());
    };
    add(exiv.image().exifData());
    add(exiv.image().iptcData());
    add(exiv.image().xmpData());
    return all;
}

} // namespace

class ImageIoSegmentsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!hasProgram("exiftool"))
            QFAIL("exiftool is required (scripts/install-deps installs it)");
    }

    // Make, date and position against exiftool are tst_corpus_imageio's, these photos among them.
    void samplePhotosReadAsStored()
    {
        const QString path = testData(QStringLiteral("gps_htc_desire.jpg"));
        const auto source = imageSourceFromFile(path);
        QVERIFY(source);
        QCOMPARE(source->type(), QString::fromLatin1(filetypes::Jpeg));
        QCOMPARE(source->count(), 1);
        const QVariantMap props = source->properties();
        const QVariantMap tags = exiftoolTags(path);
        QCOMPARE(props.value(keys::PixelWidth).toInt(), tags.value("File:ImageWidth").toInt());
        QCOMPARE(props.value(keys::PixelHeight).toInt(), tags.value("File:ImageHeight").toInt());

        const QVariantMap gps = group(props, keys::GpsGroup);
        QCOMPARE(gps.value(keys::GpsLatitudeRef).toString(), "N");
        QCOMPARE(gps.value(keys::GpsAltitude).toDouble(), 217.0);
        QCOMPARE(gps.value(keys::GpsTimeStamp).toString(), "07:59:48");
        QCOMPARE(gps.value(keys::GpsDateStamp).toString(), "2011:05:06");
        // Numbers are numbers, text is text.
        QCOMPARE(gps.value(keys::GpsLatitude).typeId(), int(QMetaType::Double));
        QCOMPARE(group(props, keys::TiffGroup).value(keys::TiffOrientation).typeId(),
                 int(QMetaType::LongLong));
        // Offsets between IFDs are the file's business, not the photo's.
        QVERIFY(!group(props, keys::TiffGroup).contains("ExifTag"));

        const QVariantMap withIptc = readProperties(testData("iptc_metapm.jpg"));
        const QVariantMap iptc = group(withIptc, keys::IptcGroup);
        QCOMPARE(iptc.value("SuppCategory").toStringList(), QStringList({"Football", "Soccer", "Sport"}));
        QCOMPARE(iptc.value("Province/State").toString(), "Greater London");
        QVERIFY(!withIptc.contains(keys::GpsGroup));
        // Stored as 28.3465 dots per centimetre.
        QCOMPARE(qRound(withIptc.value(keys::DpiWidth).toDouble()), 72);
    }

    // Reading hides a JPEG's XMP segments from Exiv2 and decodes their packet itself: what it
    // holds then must be what Exiv2 reads from the whole file, packet inside the Exif or not.
    // A single keyword is still a list.
    void readingOnlyHoldsWhatAFullReadingHolds_data()
    {
        QTest::addColumn<bool>("packetInExif");
        QTest::addColumn<QString>("packetSeen"); // a key only the packet's place explains
        QTest::newRow("XMP segment") << false << "Xmp.dc.subject = kept";
        QTest::newRow("XMP inside the Exif") << true << "Exif.Image.XMLPacket";
    }

    void readingOnlyHoldsWhatAFullReadingHolds()
    {
        QFETCH(bool, packetInExif);
        QFETCH(QString, packetSeen);
        QTemporaryDir dir;
        const QStringList tags{"-Make=Acme", "-IPTC:Keywords=kept", "-XMP-dc:Subject=kept",
                               "-XMP-exif:GPSLatitude=12.5"};
        const QString path = makeJpeg(dir.filePath("x.jpg"), 16, 16, tags);
        if (packetInExif) {
            const QString packet = dir.filePath("x.xmp");
            QVERIFY(writeFile(packet, exiftool({"-b", "-XMP", path})));
            exiftool({"-q", "-overwrite_original", "-XMP:all=", "-ApplicationNotes<=" + packet, path});
        }
        const QByteArray bytes = readFile(path);
        QCOMPARE(bytes.contains("http://ns.adobe.com/xap/1.0/"), !packetInExif);
        QString error;
        const auto full = ExivImage::open(bytes, &error);
        const auto reading = ExivImage::openForReading(bytes, &error);
        QVERIFY2(full && reading, qPrintable(error));
        const QStringList held = metadataOf(*full);
        QVERIFY(!held.filter(packetSeen).isEmpty());
        QCOMPARE(metadataOf(*reading), held);
        const QVariant keywords = group(readProperties(path), keys::IptcGroup).value(keys::IptcKeywords);
        QCOMPARE(keywords, QVariant(QVariantList{"kept"}));
    }

    void containerChecks_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("baseline jpeg") << "jpg" << QStringList{};
        QTest::newRow("progressive jpeg") << "jpg" << QStringList{"-interlace", "JPEG"};
        QTest::newRow("restart markers") << "jpg" << QStringList{"-define", "jpeg:restart-interval=1"};
        QTest::newRow("png") << "png" << QStringList{};
    }

    void containerChecks()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, extra);
        QTemporaryDir dir;
        const QString path = dir.filePath("x." + format);
        convert(QStringList{"-size", "120x90", "plasma:fractal"} + extra << path);
        const QByteArray whole = readFile(path);
        QVERIFY(whole.size() > 1000);
        auto check = format == QLatin1String("png") ? &pngIsSound : &jpegIsComplete;
        QVERIFY(check(whole));
        // Cut anywhere after the header: every prefix is incomplete.
        for (qsizetype cut : {whole.size() - 1, whole.size() - 2, whole.size() * 3 / 4, whole.size() / 2, qsizetype(40)})
            QVERIFY2(!check(whole.left(cut)), qPrintable(QStringLiteral("cut at %1").arg(cut)));
        // Trailing bytes after the end (some cameras pad files) are fine.
        QVERIFY(check(whole + QByteArray(64, '\0')));
    }

    void compressedPngChunksAreBounded_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("sound");
        const QByteArray international("k\0\1\0en\0\0", 8);
        QTest::newRow("zTXt, 9 MB") << QByteArray("zTXt") << QByteArray("k\0\0", 3) << 9 << 1 << false;
        QTest::newRow("iTXt, 9 MB") << QByteArray("iTXt") << international << 9 << 1 << false;
        QTest::newRow("iCCP, 9 MB") << QByteArray("iCCP") << QByteArray("icc\0\0", 5) << 9 << 1 << false;
        QTest::newRow("four zTXt of 7 MB") << QByteArray("zTXt") << QByteArray("k\0\0", 3) << 7 << 4 << true;
        QTest::newRow("five zTXt of 7 MB") << QByteArray("zTXt") << QByteArray("k\0\0", 3) << 7 << 5 << false;
    }

    // The PNG reader inflates these chunks in full; a few kilobytes can claim gigabytes.
    void compressedPngChunksAreBounded()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, header);
        QFETCH(int, megabytes);
        QFETCH(int, copies);
        QFETCH(bool, sound);
        QTemporaryDir dir;
        const QString path = dir.filePath("x.png");
        convert({"-size", "8x8", "xc:red", path});
        const QByteArray zlibStream = qCompress(QByteArray(megabytes * 1024 * 1024, ' '), 9).mid(4);
        const QByteArray png = withChunkBeforeEnd(readFile(path), type, header + zlibStream, copies);
        QVERIFY(zlibStream.size() < 64 * 1024);
        QCOMPARE(pngIsSound(png), sound);
        QCOMPARE(imageFromData(png).isNull(), !sound);
    }
    // JPEGs as other tools write them: repeated segments, Exif split over two, an entry of
    // invalid type (Sony), an IPTC time without a zone, an XMP segment whose length stops
    // after its header. The copy holds the edit, keeps the rest, and exiftool finds it no
    // worse than the source; an edit that cannot be made writes nothing.
    void oddSegmentsTakeTheEdit_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QVariantMap>("overlay");
        QTest::addColumn<QVariantMap>("tags");   // exiftool's reading of the copy; empty: no copy
        QTest::addColumn<QByteArray>("gone");    // bytes found nowhere in the copy
        QTest::addColumn<QByteArray>("kept");    // bytes the copy holds as the source does
        QTest::addColumn<QString>("dropped");    // what the result says it left out
        const auto row = [](const char *name, const QByteArray &source, const QVariantMap &overlay,
                            const QVariantMap &tags, const QByteArray &gone = {}, const QByteArray &kept = {},
                            const QString &dropped = {}) {
            QTest::newRow(name) << source << overlay << tags << gone << kept << dropped;
        };

        QTemporaryDir dir;
        const QString madePath = dir.filePath("made.jpg");
        const auto made = [&](const QStringList &args) { return readFile(makeJpeg(madePath, 32, 24, args)); };
        const auto twice = [&](const QStringList &args, uchar marker, const QByteArray &header) {
            return withSegmentTwice(made(args + QStringList{"-Model=Kept"}), marker, header);
        };
        const QVariantMap model{{"IFD0:Model", "Kept"}};
        const QVariantMap noGps = withGroup(keys::GpsGroup, QVariant());
        const QVariantMap noIptc = withGroup(keys::IptcGroup, QVariant());
        const QVariantMap artist = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        row("two Exif segments, Exif removed", twice({"-LensModel=SecretLens"}, 0xE1, kExif),
            withGroup(keys::ExifGroup, QVariant()), model, "SecretLens");
        row("two Exif segments, GPS removed",
            twice({"-GPSAreaInformation=SecretPlace", "-GPSLatitude=12.5"}, 0xE1, kExif), noGps, model,
            "SecretPlace");
        row("two XMP segments, GPS removed",
            twice({"-XMP-exif:GPSLatitude=12.5", "-XMP-exif:GPSAreaInformation=SecretPlace"}, 0xE1, kXmp),
            noGps, model, "SecretPlace");
        const QStringList iptcTwins{"-IPTC:Keywords=SecretWord", "-XMP-dc:Subject=SecretWord",
                                    "-XMP-photoshop:City=SecretWord"};
        row("two APP13 segments, IPTC removed (XMP twins too)", twice(iptcTwins, 0xED, kPhotoshop),
            noIptc, model, "SecretWord");
        // Only the coordinates leave the location; its city stays.
        const QStringList location{"-XMP-iptcExt:LocationShownGPSLatitude=12.5",
                                   "-XMP-iptcExt:LocationShownCity=KeptCity"};
        row("IPTC Extension location with coordinates, GPS removed", twice(location, 0xE1, kXmp), noGps,
            model, "GPSLatitude", "KeptCity");

        const QByteArray plain = made({});
        const QString exifFile = dir.filePath("big.exif");
        const QString comment(70000, 'y');
        exiftool({"-q", "-o", exifFile, "-Model=SplitCam", "-GPSLatitude=12.5", "-GPSLatitudeRef=N",
                  "-UserComment=" + comment, madePath});
        const QByteArray tiff = readFile(exifFile);
        QByteArray split;
        for (qsizetype at = 0; at < tiff.size(); at += 65527)
            split += segment(0xE1, kExif + tiff.mid(at, 65527));
        split = plain.left(2) + split + plain.mid(2);
        const QVariantMap splitTags{{"ExifIFD:UserComment", comment}, {"IFD0:Model", "SplitCam"},
                                    {"GPS:GPSLatitude", QVariant()}};
        row("split Exif, GPS removed in place", split, noGps, splitTags);
        QVariantMap withGps = splitTags;
        withGps.insert("GPS:GPSLatitude", 12.5);
        row("split Exif, IPTC removed, Exif untouched", split, noIptc, withGps);
        row("split Exif, new artist refused", split, artist, {});

        // Rebuilt, the block leaves the type-0 entry out, or other readers reject the whole IFD.
        QByteArray type0 = made({"-Software=Firmware", "-DateTimeOriginal=2010:01:02 03:04:05",
                                 "-GPSLatitude=12.5", "-ExifByteOrder=II"});
        type0.replace(QByteArray("\x31\x01\x02\x00", 4), QByteArray("\x31\x01\x00\x00", 4)); // Software, LE
        const QVariantMap dated{{"ExifIFD:DateTimeOriginal", "2010:01:02 03:04:05"}};
        row("type-0 entry, GPS removed in place", type0, noGps, dated);
        row("type-0 entry, new artist grows the block", type0, artist, dated, {}, {}, "0x0131");

        const QByteArray time = QByteArray("\x1c\x02\x3c\x00\x06", 5) + "145615";
        const QByteArray iim = QByteArray("\x1c\x02\x19\x00\x03", 5) + "old" + time;
        const QByteArray resource = QByteArray("8BIM\x04\x04\0\0", 8) + QByteArray("\0\0\0", 3)
            + char(iim.size()) + iim + (iim.size() % 2 ? QByteArray(1, '\0') : QByteArray());
        const QByteArray gpsPhoto = made({"-GPSLatitude=1"});
        const QByteArray iptc
            = gpsPhoto.left(2) + segment(0xED, kPhotoshop + '\0' + resource) + gpsPhoto.mid(2);
        const QVariantMap timeTag{{"IPTC:TimeCreated", "14:56:15"}};
        row("IPTC time without a zone, GPS removed", iptc, noGps, timeTag, {}, time);
        row("IPTC time without a zone, keywords changed", iptc,
            withField(keys::IptcGroup, keys::IptcKeywords, QStringList{"new"}), timeTag, {}, time);

        row("packet left between segments, GPS removed", strayPacket(madePath), noGps, model, "SecretPlace");

        // Extended XMP, named by the main packet, holding the camera's serial number.
        const QByteArray guid("0123456789ABCDEF0123456789ABCDEF");
        const QByteArray rdf("<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf="
                             "'http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description rdf:about='' ");
        const QByteArray main = rdf + "xmlns:xmpNote='http://ns.adobe.com/xmp/note/' xmpNote:HasExtendedXMP='"
            + guid + "' xmlns:dc='http://purl.org/dc/elements/1.1/' dc:format='image/jpeg'/></rdf:RDF></x:xmpmeta>";
        const QByteArray extension = rdf + "xmlns:aux='http://ns.adobe.com/exif/1.0/aux/' "
                                           "aux:SerialNumber='SECRET123'/></rdf:RDF></x:xmpmeta>";
        const QByteArray plainJpeg = made({"-Model=Kept"});
        row("extended XMP with the serial number, Exif removed",
            plainJpeg.left(2) + segment(0xE1, kXmp + '\0' + main)
                + segment(0xE1, QByteArray("http://ns.adobe.com/xmp/extension/\0", 35) + guid
                                    + QByteArray("\0\0", 2) + char(extension.size() >> 8) + char(extension.size())
                                    + QByteArray(4, '\0') + extension)
                + plainJpeg.mid(2),
            withGroup(keys::ExifGroup, QVariant()), {{"XMP-dc:Format", "image/jpeg"}}, "SECRET123");

        // A FotoStation trailer: records after the image, each closed by its type and size.
        const QByteArray marker("\xa1\xb2\xc3\xd4");
        const auto record = [&](char type, const QByteArray &data) {
            const int size = int(data.size()) + 10;
            return marker + data + QByteArray("\0", 1) + type + char(size >> 24) + char(size >> 16)
                + char(size >> 8) + char(size);
        };
        const QByteArray keptNote = record(0, "KeptNote");
        row("IPTC in a trailer record, IPTC removed",
            made({"-Model=Kept"}) + record(1, QByteArray("\x1c\x02\x19\x00\x06Secret", 11)) + keptNote + marker,
            noIptc, model, "Secret", keptNote + marker);
    }

    void oddSegmentsTakeTheEdit()
    {
        QFETCH(QByteArray, source);
        QFETCH(QVariantMap, overlay);
        QFETCH(QVariantMap, tags);
        QFETCH(QByteArray, gone);
        QFETCH(QByteArray, kept);
        QFETCH(QString, dropped);
        QTemporaryDir dir;
        const QString src = dir.filePath("source.jpg");
        const QString out = dir.filePath("copy.jpg");
        QVERIFY(source.contains(kept) && source.contains(gone) && writeFile(src, source));

        const RewriteResult result = rewriteMetadata(src, out, overlay);
        QVERIFY2(result.ok() == !tags.isEmpty(), qPrintable(result.error));
        if (tags.isEmpty()) {
            QVERIFY(!result.error.isEmpty());
            QVERIFY(!QFile::exists(out));
            return;
        }
        QCOMPARE(result.dropped.isEmpty(), dropped.isEmpty());
        QVERIFY(dropped.isEmpty() || result.dropped.first().contains(dropped));
        const QByteArray copy = readFile(out);
        QVERIFY(copy.contains(kept));
        QVERIFY2(gone.isEmpty() || !copy.contains(gone), "removed data is still in the copy");
        const QVariantMap read = exiftoolTags(out);
        for (auto it = tags.begin(); it != tags.end(); ++it)
            QCOMPARE(read.value(it.key()).toString(), it.value().toString());
        const QStringList known = validationWarnings(src);
        for (const QString &warning : validationWarnings(out))
            QVERIFY2(known.contains(warning), qPrintable(warning));
        QCOMPARE(pixelSignature(out), pixelSignature(src));
    }

    // Compression copies the metadata into new pixels: the packet left between segments
    // stays out of that copy too.
    void strayBytesStayOutOfACompressedCopy()
    {
        QTemporaryDir dir;
        const QByteArray bytes = strayPacket(dir.filePath("made.jpg"));
        QVERIFY(bytes.contains("SecretPlace"));
        const auto source = ImageSource::create(bytes);
        QVERIFY(source);
        QByteArray target = readFile(makeJpeg(dir.filePath("new.jpg"), 32, 24));
        QString error;
        QVERIFY2(copyMetadata(*source, target, AllMetadataParts, {}, &error), qPrintable(error));
        QVERIFY2(!target.contains("SecretPlace"), "stray packet bytes were copied");
        QVERIFY(target.contains("Kept"));
    }

    // Some writers end the block inside the last directory's link to a next one, and a maker
    // note may place a sub-directory just past the end. Once an edit appends data there, the
    // link must still end the chain and the sub-directory read as empty, not as the new data.
    // ExifTool reads the directory after IFD0 within the room IFD0 has up to the end of the
    // block: IFD0 moved there must leave room for a larger one, or that one reads as cut short.
    void growingBlockKeepsClearPastTheEnd_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("at");    // where zeros must stay: a link that ends the chain,
        QTest::addColumn<int>("zeros"); // or an entry count and a link
        QTest::addColumn<int>("room");  // bytes from the moved IFD0 to the end
        // II*, IFD0 at 8 with Make ("Acme"), its link to an empty IFD1 at 26.
        const QByteArray chain
            = QByteArray::fromHex("49492a0008000000" "0100" "0f01020004000000" "41636d65" "1a000000" "0000");
        QTest::newRow("link cut off") << chain << 28 << 4 << 0;
        QTest::newRow("link half stored") << chain + QByteArray(2, '\0') << 28 << 4 << 0;
        QTest::newRow("link stored") << chain + QByteArray(4, '\0') << 28 << 4 << 0;
        // IFD0 at 8 points to the Exif IFD at 26, whose maker note at 44 ("Nikon", its own TIFF
        // header at 54) has a directory at 62 with a sub-directory at 54 + 28 = 82, past the end (80).
        QTest::newRow("stray maker-note pointer")
            << QByteArray::fromHex("49492a0008000000" "0100" "6987040001000000" "1a000000" "00000000"
                                   "0100" "7c92070024000000" "2c000000" "00000000"
                                   "4e696b6f6e0002100000" "49492a0008000000"
                                   "0100" "100e040001000000" "1c000000" "00000000")
            << 82 << 6 << 0;
        // IFD1 at 26 with three entries, larger than IFD0 with the date added.
        QTest::newRow("larger thumbnail directory")
            << QByteArray::fromHex("49492a0008000000" "0100" "0f01020004000000" "41636d65" "1a000000"
                                   "0300" "0301030001000000" "06000000" "1a01050001000000" "4a000000"
                                   "1b01050001000000" "4a000000" "00000000" "4800000001000000")
            << 64 << 4 << 2 + 3 * 12;
    }

    void growingBlockKeepsClearPastTheEnd()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, at);
        QFETCH(int, zeros);
        QFETCH(int, room);
        const QByteArray before = block;
        TiffBlock tiff(&block);
        OverlayPlan plan;
        plan.dates.append({TiffBlock::DateTime, false, "2001:02:03 04:05:06"});
        QVERIFY(patchValuesInPlace(tiff, plan));
        QVERIFY(block.startsWith(before.left(4)) && block.mid(8, 18) == before.mid(8, 18));
        TiffBlock::Directory ifd0;
        QVERIFY(tiff.readDirectory(tiff.ifd0Offset(), &ifd0));
        QCOMPARE(ifd0.entries.size(), 2);
        QCOMPARE(tiff.get32(ifd0.offset + 2 + 12 * 2), tiff.get32(22)); // the old IFD0's link
        QCOMPARE(block.mid(at, zeros), QByteArray(zeros, '\0'));
        QVERIFY(block.size() - tiff.ifd0Offset() >= room);
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
        QTest::newRow("text") << QByteArray("HTC Desire") << QByteArray("HTC Dosire") << "Exif.Image.Model";
        QTest::newRow("undefined bytes")
            << QByteArray("0220") << QByteArray("0230") << "Exif.Photo.ExifVersion";
    }

    void checkNamesAnUnplannedChange()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, fault);
        const QByteArray source = readFile(testData("gps_htc_desire.jpg"));
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
