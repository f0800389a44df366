// SPDX-License-Identifier: GPL-3.0-or-later
// Reading: the property maps agree with exiftool, value kinds are right, and the
// container checks tell complete files from cut ones.

#include "TestSupport.h"

#include "imageio/ContainerCheck.h"
#include "imageio/ExivImage.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace imageio;
using namespace testsupport;

namespace {

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

class ImageIoReadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Make, date and position against exiftool are tst_corpus_imageio's, this photo among them.
    void phonePhotoAgreesWithExiftool()
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
    }

    void iptcAndRepeatedValues()
    {
        const QVariantMap props = readProperties(testData("iptc_metapm.jpg"));
        const QVariantMap iptc = group(props, keys::IptcGroup);
        QCOMPARE(iptc.value("SuppCategory").toStringList(), QStringList({"Football", "Soccer", "Sport"}));
        QCOMPARE(iptc.value("Province/State").toString(), "Greater London");
        QVERIFY(!props.contains(keys::GpsGroup));
        // Stored as 28.3465 dots per centimetre.
        QCOMPARE(qRound(props.value(keys::DpiWidth).toDouble()), 72);
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
        QTest::newRow("zTXt, 1 MB") << QByteArray("zTXt") << QByteArray("k\0\0", 3) << 1 << 1 << true;
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
};

QTEST_GUILESS_MAIN(ImageIoReadTest)
#include "tst_imageio_read.moc"
