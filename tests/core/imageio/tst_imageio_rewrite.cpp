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
#include <QSet>
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
        if (png.mid(at + 4, 4) != "eXIf" && !png.mid(at + 4).startsWith("iTXtXML:com.adobe.xmp"))
            chunks << png.mid(at, size);
        at += size;
    }
    return chunks;
}

QVariantMap withGroup(const char *group, const QVariant &value) { return {{QLatin1String(group), value}}; }

QVariantMap withField(const char *group, const char *key, const QVariant &value)
{
    return withGroup(group, QVariantMap{{QLatin1String(key), value}});
}

QVariantMap gpsAt(const QVariant &latitude)
{
    return withGroup(keys::GpsGroup, QVariantMap{{QLatin1String(keys::GpsLatitude), latitude},
                                                 {QLatin1String(keys::GpsLongitude), 10.0}});
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
            const QString src = testData(QLatin1String(name));
            const QString out = dir.filePath(QLatin1String(name));
            const QVariantMap own = readProperties(src);
            QVERIFY(!own.isEmpty());
            QVERIFY(rewriteMetadata(src, out, own).ok());
            QCOMPARE(stableTags(out), stableTags(src));
            QCOMPARE(readProperties(out).value(QLatin1String(keys::GpsGroup)),
                     own.value(QLatin1String(keys::GpsGroup)));
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
        const QString src = makeJpeg(dir.filePath(QStringLiteral("plain.jpg")), 64, 48);
        const QString out = dir.filePath(QStringLiteral("sydney.jpg"));
        QVariantMap gps{{QLatin1String(keys::GpsLatitude), -33.8688},
                        {QLatin1String(keys::GpsLongitude), 151.2093},
                        {QLatin1String(keys::GpsLongitudeRef), QStringLiteral("E")},
                        {QLatin1String(keys::GpsAltitude), -5.0},
                        {QLatin1String(keys::GpsTimeStamp), QStringLiteral("10:20:30.25")}};
        if (!version.isEmpty())
            gps.insert(QLatin1String(keys::GpsVersion), version);
        QVERIFY(rewriteMetadata(src, out, withGroup(keys::GpsGroup, gps)).ok());
        const QVariantMap expected{{"GPS:GPSLatitudeRef", "S"}, {"GPS:GPSLatitude", 33.8688},
                                   {"GPS:GPSLongitudeRef", "E"}, {"GPS:GPSLongitude", 151.2093},
                                   {"GPS:GPSAltitudeRef", 1}, {"GPS:GPSAltitude", 5},
                                   {"GPS:GPSVersionID", stored}, {"GPS:GPSTimeStamp", "10:20:30.25"}};
        const QVariantMap tags = exiftoolTags(out);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QCOMPARE(tags.value(it.key()).toString(), it.value().toString());
        QCOMPARE(validationWarnings(out), QStringList());
        const QVariantMap back = readProperties(out).value(QLatin1String(keys::GpsGroup)).toMap();
        QCOMPARE(back.value(QLatin1String(keys::GpsLatitudeRef)).toString(), QStringLiteral("S"));
        QCOMPARE(back.value(QLatin1String(keys::GpsVersion)).toString(),
                 QString(stored).replace(QLatin1Char(' '), QLatin1Char('.')));
    }

    // A JPEG's IPTC block keeps its other datasets; a PNG with Exif but no IPTC gains a block.
    void iptcTextIsDecodableByOtherReaders_data()
    {
        QTest::addColumn<QString>("source"); // empty: a PNG made here
        QTest::newRow("JPEG") << testData(QStringLiteral("iptc_metapm.jpg"));
        QTest::newRow("PNG with Exif") << QString();
    }

    void iptcTextIsDecodableByOtherReaders()
    {
        QFETCH(QString, source);
        QTemporaryDir dir;
        if (source.isEmpty()) {
            source = dir.filePath(QStringLiteral("exif.png"));
            run(QStringLiteral("/usr/bin/convert"), {"-size", "16x8", "xc:teal", source});
            run(QStringLiteral("exiftool"), {"-q", "-overwrite_original", "-Make=Acme", source});
        }
        const QString out = dir.filePath(QStringLiteral("keywords.") + QFileInfo(source).suffix());
        const QStringList keywords{QStringLiteral("Zürich"), QStringLiteral("東京"), QStringLiteral("plain")};
        QVariantMap iptc{{QLatin1String(keys::IptcKeywords), keywords},
                         {QLatin1String(keys::IptcCaptionAbstract), QStringLiteral("Café au lait")}};
        QVERIFY(rewriteMetadata(source, out, withGroup(keys::IptcGroup, iptc)).ok());

        const QVariantMap tags = exiftoolTags(out);
        QCOMPARE(tags.value(QStringLiteral("IPTC:Keywords")).toStringList(), keywords);
        QCOMPARE(tags.value(QStringLiteral("IPTC:Caption-Abstract")).toString(), QStringLiteral("Café au lait"));
        const QString city = QStringLiteral("IPTC:City");
        QCOMPARE(tags.value(city), exiftoolTags(source).value(city));
        const QVariantMap back = readProperties(out).value(QLatin1String(keys::IptcGroup)).toMap();
        QCOMPARE(back.value(QLatin1String(keys::IptcKeywords)).toStringList(), keywords);
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
        QTest::newRow("png eXIf") << "photo.png" << plasma << true;
        QTest::newRow("png without Exif") << "bare.png" << plasma << false;
        QTest::newRow("webp") << "photo.webp" << plasma << true;
        const QStringList pages = plasma + QStringList{"xc:red", "gradient:blue-white"};
        QTest::newRow("three-page tiff") << "pages.tif" << pages << true;
    }

    void editsTouchOnlyTheMetadata()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, convertArgs);
        QFETCH(bool, tagged);
        QTemporaryDir dir;
        const QString src = dir.filePath(name);
        run(QStringLiteral("/usr/bin/convert"), convertArgs + QStringList{src});
        const QStringList metadata{"-Make=Before", "-GPSLatitude=10", "-GPSLatitudeRef=N", "-GPSAltitude=5",
                                   "-XMP-exif:GPSLatitude=10", "-DateTimeOriginal=1999:12:31 23:59:59"};
        if (tagged)
            run(QStringLiteral("exiftool"), QStringList{"-q", "-overwrite_original"} + metadata + QStringList{src});
        const QByteArray before = readFile(src);
        const bool tiff = name.endsWith(QLatin1String(".tif"));
        QCOMPARE(pixelSignature(src, true).count(QLatin1Char('\n')) + 1, tiff ? 3 : 1);
        const QString date = QStringLiteral("2001:02:03 04:05:06");
        const QVariantMap dated = withField(keys::ExifGroup, keys::ExifDateTimeOriginal, date);
        const QVariantMap noGps = withGroup(keys::GpsGroup, QVariant());
        QVariantMap artist = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        artist.insert(noGps);
        for (const QVariantMap &overlay : {dated, noGps, artist}) {
            const QString out = dir.filePath(QStringLiteral("copy-") + name);
            const RewriteResult result = rewriteMetadata(src, out, overlay);
            QVERIFY2(result.ok(), qPrintable(result.error));
            const QByteArray after = readFile(out);
            if (name.endsWith(QLatin1String(".png"))) {
                QCOMPARE(chunksBesideMetadata(after), chunksBesideMetadata(before));
            } else if (tiff && overlay == dated) {
                QByteArray head = after.left(before.size()).replace(4, 4, before.mid(4, 4));
                QCOMPARE(head.replace(date.toLatin1(), "1999:12:31 23:59:59"), before);
            }
            const QVariantMap tags = exiftoolTags(out);
            if (overlay == dated)
                QCOMPARE(tags.value(QStringLiteral("ExifIFD:DateTimeOriginal")).toString(), date);
            else
                for (const QString &key : tags.keys())
                    QVERIFY2(!key.contains(QLatin1String("GPS:")) && !key.contains(QLatin1String(":GPS")),
                             qPrintable(key));
            if (overlay == artist)
                QCOMPARE(tags.value(QStringLiteral("IFD0:Artist")).toString(), QStringLiteral("Ana"));
            QCOMPARE(tags.value("IFD0:Make"), exiftoolTags(src).value("IFD0:Make"));
            const QStringList known = validationWarnings(src);
            for (const QString &warning : validationWarnings(out))
                QVERIFY2(known.contains(warning), qPrintable(warning));
            QCOMPARE(pixelSignature(out, true), pixelSignature(src, true));
        }
    }

    // A source that cannot be read, a value a tag cannot hold, Exif that cannot fit a JPEG
    // segment (64 KiB): nothing is written, with a reason, and an earlier copy at the output
    // stays as it was.
    void failedRewritesLeaveTheEarlierCopy_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QVariantMap>("overlay");
        QTest::addColumn<int>("status");
        const QByteArray whole = readFile(testData(QStringLiteral("gps_htc_desire.jpg")));
        const QVariantMap noGps = withGroup(keys::GpsGroup, QVariant());
        const int unreadable = RewriteResult::Unreadable, failed = RewriteResult::WriteFailed;
        QTest::newRow("not an image") << QByteArray("no photo, just some text\n") << noGps << unreadable;
        QTest::newRow("empty") << QByteArray() << noGps << unreadable;
        QTest::newRow("JPEG cut in half") << whole.left(whole.size() / 2) << noGps << unreadable;
        QTest::newRow("JPEG cut inside its Exif") << whole.left(300) << noGps << unreadable;
        const QString description(70000, QLatin1Char('x'));
        QTest::newRow("Exif over 64 KiB")
            << whole << withField(keys::TiffGroup, keys::TiffImageDescription, description) << failed;
        QTest::newRow("latitude as text") << whole << gpsAt(QStringLiteral("north")) << failed;
        QTest::newRow("latitude out of range") << whole << gpsAt(123.0) << failed;
    }

    void failedRewritesLeaveTheEarlierCopy()
    {
        QFETCH(QByteArray, source);
        QFETCH(QVariantMap, overlay);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("source.jpg"));
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));
        QVERIFY(writeFile(src, source) && writeFile(out, "an earlier copy"));
        QString error;
        QCOMPARE(!imageSourceFromFile(src, &error), status == RewriteResult::Unreadable);
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
        const QString message = QStringLiteral("Directory Thumbnail with 19712 entries considered invalid; not read.");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
        QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(message)));
        const RewriteResult result = rewriteMetadata(testData(QStringLiteral("exif_bad_ifd_unreadable_rewrite.jpg")),
                                                     dir.filePath(QStringLiteral("copy.jpg")),
                                                     withGroup(keys::GpsGroup, QVariant()));
        QVERIFY2(result.ok(), qPrintable(result.error));
    }

    void gifIsCopiedUnchanged()
    {
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("anim.gif"));
        run(QStringLiteral("/usr/bin/convert"), {QStringLiteral("-size"), QStringLiteral("8x8"), QStringLiteral("xc:red"),
                                                 QStringLiteral("xc:blue"), src});
        const auto source = imageSourceFromFile(src);
        QVERIFY(source);
        QCOMPARE(source->type(), QString::fromLatin1(filetypes::Gif));
        QCOMPARE(source->count(), 2);
        const QString out = dir.filePath(QStringLiteral("copy.gif"));
        QVERIFY(rewriteMetadata(*source, out, withGroup(keys::GpsGroup, QVariant())).ok());
        QCOMPARE(readFile(out), readFile(src));
    }

    void concurrentRewritesMatchSequentialOnes()
    {
        // Compression workers use the layer from several threads at once.
        QTemporaryDir dir;
        const QStringList names{"gps_htc_desire.jpg", "gps_iphone_1x1.jpg", "iptc_metapm.jpg",
                                "exif_bad_ifd_unreadable_rewrite.jpg"};
        QVariantMap overlay = withField(keys::TiffGroup, keys::TiffArtist, "Ana");
        overlay.insert(QLatin1String(keys::GpsGroup), QVariant());
        QHash<QString, QByteArray> expected;
        for (const QString &name : names) {
            const QString out = dir.filePath(QStringLiteral("seq-") + name);
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
