// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata rewrite, checked with exiftool as an independent reader and with
// ImageMagick's pixel signatures: what a rewrite removes, merges and keeps.

#include "TestSupport.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"

#include <QDir>
#include <QtConcurrent>

#include <numeric>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

using namespace imageio;
using namespace testsupport;

namespace {

// exiftool groups that describe the file rather than the photo's stored metadata.
bool isVolatile(const QString &key)
{
    return key.startsWith(QLatin1String("System:")) || key.startsWith(QLatin1String("File:"))
        || key.startsWith(QLatin1String("Composite:")) || key.startsWith(QLatin1String("ExifTool:"))
        || key == QLatin1String("SourceFile") || key.contains(QLatin1String("Offset"));
}

QVariantMap stableTags(const QString &path)
{
    QVariantMap tags = exiftoolTags(path);
    for (auto it = tags.begin(); it != tags.end();)
        it = isVolatile(it.key()) ? tags.erase(it) : std::next(it);
    return tags;
}

QStringList groupKeys(const QVariantMap &tags, const QString &group)
{
    QStringList keys;
    for (auto it = tags.begin(); it != tags.end(); ++it)
        if (it.key().startsWith(group + QLatin1Char(':')))
            keys << it.key();
    return keys;
}

// Every tag of `before` is in `after` with the same value, except those `changed` accepts.
void compareTags(const QVariantMap &before, const QVariantMap &after,
                 const std::function<bool(const QString &)> &changed)
{
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (changed(it.key()))
            continue;
        QVERIFY2(after.contains(it.key()), qPrintable(QStringLiteral("lost tag ") + it.key()));
        QCOMPARE(after.value(it.key()), it.value());
    }
    for (auto it = after.begin(); it != after.end(); ++it)
        if (!changed(it.key()))
            QVERIFY2(before.contains(it.key()), qPrintable(QStringLiteral("new tag ") + it.key()));
}

QVariantMap withGroup(const char *group, const QVariant &value) { return {{QLatin1String(group), value}}; }

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

    void removingAGroupKeepsEverythingElse_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("exiftoolGroup");
        QTest::newRow("GPS from a phone photo") << testData(QStringLiteral("gps_htc_desire.jpg"))
                                                << QString::fromLatin1(keys::GpsGroup)
                                                << QStringLiteral("GPS");
        QTest::newRow("GPS from an iPhone photo with maker note")
            << testData(QStringLiteral("gps_iphone_1x1.jpg")) << QString::fromLatin1(keys::GpsGroup)
            << QStringLiteral("GPS");
        QTest::newRow("IPTC") << testData(QStringLiteral("iptc_metapm.jpg"))
                              << QString::fromLatin1(keys::IptcGroup) << QStringLiteral("IPTC");
        QTest::newRow("Exif") << testData(QStringLiteral("gps_htc_desire.jpg"))
                              << QString::fromLatin1(keys::ExifGroup) << QStringLiteral("ExifIFD");
    }

    void removingAGroupKeepsEverythingElse()
    {
        QFETCH(QString, file);
        QFETCH(QString, group);
        QFETCH(QString, exiftoolGroup);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));

        const RewriteResult result = rewriteMetadata(file, out, {{group, QVariant()}});
        QVERIFY2(result.ok(), qPrintable(result.error));

        const QVariantMap before = stableTags(file);
        const QVariantMap after = stableTags(out);
        QVERIFY(!groupKeys(before, exiftoolGroup).isEmpty());
        QCOMPARE(groupKeys(after, exiftoolGroup), QStringList());
        const bool exifRemoved = exiftoolGroup == QLatin1String("ExifIFD");
        compareTags(before, after, [&](const QString &key) {
            if (key.startsWith(exiftoolGroup + QLatin1Char(':')))
                return true;
            // The maker note and interoperability IFD live inside the Exif IFD.
            if (exifRemoved && (key.startsWith(QLatin1String("InteropIFD:")) || key.startsWith(QLatin1String("MakerNotes:"))
                                || key.contains(QLatin1String("Maker")) || key.startsWith(QLatin1String("HTC"))))
                return true;
            // A GPS removal also clears GPS from XMP, an IPTC removal the XMP fields carrying IPTC.
            if (exiftoolGroup == QLatin1String("GPS") && key.startsWith(QLatin1String("XMP-exif:GPS")))
                return true;
            static const QStringList iptcInXmp{QStringLiteral("XMP-iptcCore:"), QStringLiteral("XMP-iptcExt:"),
                                               QStringLiteral("XMP-photoshop:"), QStringLiteral("XMP-dc:Creator"),
                                               QStringLiteral("XMP-dc:Rights"), QStringLiteral("XMP-dc:Subject"),
                                               QStringLiteral("XMP-dc:Description"), QStringLiteral("XMP-dc:Title"),
                                               QStringLiteral("Photoshop:IPTCDigest")};
            if (exiftoolGroup == QLatin1String("IPTC")
                && std::any_of(iptcInXmp.begin(), iptcInXmp.end(), [&](const QString &p) { return key.startsWith(p); }))
                return true;
            return key == QLatin1String("IPTC:CodedCharacterSet") || key == QLatin1String("File:CurrentIPTCDigest");
        });
        QCOMPARE(pixelSignature(out), pixelSignature(file));
    }

    void mergingChangesOnlyTheNamedKeys()
    {
        QTemporaryDir dir;
        const QString src = testData(QStringLiteral("gps_htc_desire.jpg"));
        const QString out = dir.filePath(QStringLiteral("merged.jpg"));
        QVariantMap exif{{QLatin1String(keys::ExifDateTimeOriginal), QStringLiteral("2020:02:29 23:59:58")}};
        QVariantMap tiff{{QLatin1String(keys::TiffArtist), QStringLiteral("Ana Lima")},
                         {QLatin1String(keys::TiffCopyright), QStringLiteral("(c) 2020 Ana Lima")}};
        const RewriteResult result = rewriteMetadata(
            src, out,
            {{QLatin1String(keys::ExifGroup), exif}, {QLatin1String(keys::TiffGroup), tiff}});
        QVERIFY2(result.ok(), qPrintable(result.error));

        const QVariantMap after = stableTags(out);
        QCOMPARE(after.value(QStringLiteral("ExifIFD:DateTimeOriginal")).toString(), QStringLiteral("2020:02:29 23:59:58"));
        QCOMPARE(after.value(QStringLiteral("IFD0:Artist")).toString(), QStringLiteral("Ana Lima"));
        QCOMPARE(after.value(QStringLiteral("IFD0:Copyright")).toString(), QStringLiteral("(c) 2020 Ana Lima"));
        compareTags(stableTags(src), after, [](const QString &key) {
            return key == QLatin1String("ExifIFD:DateTimeOriginal") || key == QLatin1String("IFD0:Artist")
                || key == QLatin1String("IFD0:Copyright");
        });
        QCOMPARE(pixelSignature(out), pixelSignature(src));
    }

    void layingAPhotosOwnMapBackChangesNothing()
    {
        // Several edits pass the whole first-image map back; values must survive exactly.
        QTemporaryDir dir;
        for (const QString &name : {QStringLiteral("gps_htc_desire.jpg"), QStringLiteral("gps_iphone_1x1.jpg"),
                                   QStringLiteral("iptc_metapm.jpg")}) {
            const QString src = testData(name);
            const QString out = dir.filePath(name);
            const QVariantMap own = readProperties(src);
            QVERIFY(!own.isEmpty());
            QVERIFY(rewriteMetadata(src, out, own).ok());
            compareTags(stableTags(src), stableTags(out), [](const QString &) { return false; });
            QCOMPARE(readProperties(out).value(QLatin1String(keys::GpsGroup)),
                     own.value(QLatin1String(keys::GpsGroup)));
        }
    }

    void gpsSignsBecomeRefs()
    {
        QTemporaryDir dir;
        const QString src = makeJpeg(dir.filePath(QStringLiteral("plain.jpg")), 64, 48, {QStringLiteral("-Make=Test")});
        const QString out = dir.filePath(QStringLiteral("sydney.jpg"));
        QVariantMap gps{{QLatin1String(keys::GpsVersion), QStringLiteral("2.2.0.0")},
                        {QLatin1String(keys::GpsLatitude), -33.8688},
                        {QLatin1String(keys::GpsLongitude), 151.2093},
                        {QLatin1String(keys::GpsLongitudeRef), QStringLiteral("E")},
                        {QLatin1String(keys::GpsAltitude), -5.0},
                        {QLatin1String(keys::GpsTimeStamp), QStringLiteral("10:20:30.25")}};
        QVERIFY(rewriteMetadata(src, out, withGroup(keys::GpsGroup, gps)).ok());

        const QVariantMap tags = exiftoolTags(out);
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSLatitudeRef")).toString(), QStringLiteral("S"));
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSLongitudeRef")).toString(), QStringLiteral("E"));
        QVERIFY(qAbs(tags.value(QStringLiteral("GPS:GPSLatitude")).toDouble() - 33.8688) < 1e-6);
        QVERIFY(qAbs(tags.value(QStringLiteral("GPS:GPSLongitude")).toDouble() - 151.2093) < 1e-6);
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSAltitudeRef")).toInt(), 1);
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSAltitude")).toDouble(), 5.0);
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSVersionID")).toString(), QStringLiteral("2 2 0 0"));
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSTimeStamp")).toString(), QStringLiteral("10:20:30.25"));
        QCOMPARE(tags.value(QStringLiteral("IFD0:Make")).toString(), QStringLiteral("Test"));

        const QVariantMap back = readProperties(out).value(QLatin1String(keys::GpsGroup)).toMap();
        QVERIFY(qAbs(back.value(QLatin1String(keys::GpsLatitude)).toDouble() - 33.8688) < 1e-6);
        QCOMPARE(back.value(QLatin1String(keys::GpsLatitudeRef)).toString(), QStringLiteral("S"));
        QCOMPARE(back.value(QLatin1String(keys::GpsVersion)).toString(), QStringLiteral("2.2.0.0"));
        QCOMPARE(back.value(QLatin1String(keys::GpsAltitude)).toDouble(), 5.0);
    }

    void iptcTextIsDecodableByOtherReaders()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("keywords.jpg"));
        const QStringList keywords{QStringLiteral("Zürich"), QStringLiteral("東京"), QStringLiteral("plain")};
        QVariantMap iptc{{QLatin1String(keys::IptcKeywords), keywords},
                         {QLatin1String(keys::IptcCaptionAbstract), QStringLiteral("Café au lait")}};
        QVERIFY(rewriteMetadata(testData(QStringLiteral("iptc_metapm.jpg")), out,
                                withGroup(keys::IptcGroup, iptc))
                    .ok());

        const QVariantMap tags = exiftoolTags(out);
        QCOMPARE(tags.value(QStringLiteral("IPTC:Keywords")).toStringList(), keywords);
        QCOMPARE(tags.value(QStringLiteral("IPTC:Caption-Abstract")).toString(), QStringLiteral("Café au lait"));
        QCOMPARE(tags.value(QStringLiteral("IPTC:City")).toString(), QStringLiteral("London"));
        const QVariantMap back = readProperties(out).value(QLatin1String(keys::IptcGroup)).toMap();
        QCOMPARE(back.value(QLatin1String(keys::IptcKeywords)).toStringList(), keywords);
    }

    void otherContainersKeepTheirPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("convertArgs");
        QTest::addColumn<int>("frames");
        QTest::newRow("png") << QStringLiteral("photo.png")
                             << QStringList{QStringLiteral("-size"), QStringLiteral("40x30"), QStringLiteral("plasma:fractal")} << 1;
        QTest::newRow("webp") << QStringLiteral("photo.webp")
                              << QStringList{QStringLiteral("-size"), QStringLiteral("40x30"), QStringLiteral("gradient:red-blue")} << 1;
        QTest::newRow("three-page tiff")
            << QStringLiteral("pages.tif")
            << QStringList{QStringLiteral("-size"), QStringLiteral("40x30"), QStringLiteral("xc:red"), QStringLiteral("xc:green"),
                           QStringLiteral("gradient:blue-white")}
            << 3;
    }

    void otherContainersKeepTheirPixels()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, convertArgs);
        QFETCH(int, frames);
        QTemporaryDir dir;
        const QString src = dir.filePath(name);
        run(QStringLiteral("/usr/bin/convert"), convertArgs + QStringList{src});
        QVERIFY(QFile::exists(src));
        run(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                         QStringLiteral("-Make=Before"), QStringLiteral("-GPSLatitude=10"),
                                         QStringLiteral("-GPSLatitudeRef=N"), QStringLiteral("-XMP-exif:GPSLatitude=10"),
                                         src});

        const auto source = imageSourceFromFile(src);
        QVERIFY(source);
        QCOMPARE(source->count(), frames);
        const QString out = dir.filePath(QStringLiteral("copy-") + name);
        QVariantMap overlay{{QLatin1String(keys::TiffGroup),
                             QVariantMap{{QLatin1String(keys::TiffArtist), QStringLiteral("Someone")}}},
                            {QLatin1String(keys::GpsGroup), QVariant()}};
        const RewriteResult result = rewriteMetadata(*source, out, overlay);
        QVERIFY2(result.ok(), qPrintable(result.error));

        const QVariantMap tags = exiftoolTags(out);
        QCOMPARE(tags.value(QStringLiteral("IFD0:Artist")).toString(), QStringLiteral("Someone"));
        QCOMPARE(tags.value(QStringLiteral("IFD0:Make")).toString(), QStringLiteral("Before"));
        QVERIFY(!tags.contains(QStringLiteral("GPS:GPSLatitude")));
        QVERIFY(!tags.contains(QStringLiteral("XMP-exif:GPSLatitude")));
        QCOMPARE(pixelSignature(out, true), pixelSignature(src, true));
        QCOMPARE(pixelSignature(out, true).split(QLatin1Char('\n')).size(), frames);
    }

    // PNG and TIFF edits touch only the metadata bytes: a PNG keeps every other chunk as
    // stored (CRCs included), a TIFF every byte before the appended directories but the
    // header's IFD0 offset; exiftool validates the copy and reads the new date.
    void pngAndTiffEditsKeepOtherBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("exiftoolArgs");
        const QStringList gps{QStringLiteral("-Make=Before"), QStringLiteral("-GPSLatitude=10"),
                              QStringLiteral("-GPSLatitudeRef=N")};
        QTest::newRow("png eXIf") << QStringLiteral("photo.png") << gps;
        QTest::newRow("png without Exif") << QStringLiteral("bare.png") << QStringList();
        QTest::newRow("tiff") << QStringLiteral("pages.tif") << gps;
    }

    void pngAndTiffEditsKeepOtherBytes()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, exiftoolArgs);
        QTemporaryDir dir;
        const QString src = dir.filePath(name);
        QStringList images{QStringLiteral("-size"), QStringLiteral("40x30"), QStringLiteral("plasma:fractal")};
        if (name.endsWith(QLatin1String(".tif")))
            images << QStringLiteral("xc:red"); // a second page the edit must keep
        run(QStringLiteral("/usr/bin/convert"), images + QStringList{src});
        if (!exiftoolArgs.isEmpty())
            run(QStringLiteral("exiftool"), QStringList{QStringLiteral("-q"), QStringLiteral("-overwrite_original")}
                                                + exiftoolArgs + QStringList{src});
        QFile in(src);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray before = in.readAll();
        const bool png = name.endsWith(QLatin1String(".png"));
        const QVariantMap dated{{QLatin1String(keys::ExifGroup),
                                 QVariantMap{{QLatin1String(keys::ExifDateTimeOriginal),
                                              QStringLiteral("2001:02:03 04:05:06")}}}};
        const QVariantMap noGps{{QLatin1String(keys::GpsGroup), QVariant()}};
        for (const QVariantMap &overlay : {dated, noGps}) {
            const QString out = dir.filePath(QStringLiteral("copy-") + name);
            const RewriteResult result = rewriteMetadata(src, out, overlay);
            QVERIFY2(result.ok(), qPrintable(result.error));
            QFile f(out);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray after = f.readAll();
            if (png) {
                auto others = [](const QByteArray &b) {
                    QList<QByteArray> chunks;
                    for (qsizetype at = 8; at + 12 <= b.size();) {
                        const qsizetype size = 12 + qFromBigEndian<quint32>(b.constData() + at);
                        if (b.mid(at + 4, 4) != "eXIf")
                            chunks << b.mid(at, size);
                        at += size;
                    }
                    return chunks;
                };
                QCOMPARE(others(after), others(before));
            } else {
                QByteArray head = after.left(before.size());
                head.replace(4, 4, before.mid(4, 4));
                QVERIFY(overlay == noGps || head == before);
            }
            const QVariantMap tags = exiftoolTags(out);
            if (overlay == dated)
                QCOMPARE(tags.value(QStringLiteral("ExifIFD:DateTimeOriginal")).toString(),
                         QStringLiteral("2001:02:03 04:05:06"));
            else
                QVERIFY(!tags.contains(QStringLiteral("GPS:GPSLatitude")));
            QCOMPARE(tags.value(QStringLiteral("IFD0:Make")), exiftoolTags(src).value(QStringLiteral("IFD0:Make")));
            auto warnings = [](const QString &path) {
                QList<QByteArray> lines = run(QStringLiteral("exiftool"), {QStringLiteral("-validate"), QStringLiteral("-warning"),
                                                                           QStringLiteral("-a"), QStringLiteral("-s3"), path})
                                              .split('\n');
                lines.removeFirst(); // the count
                return QSet<QByteArray>(lines.begin(), lines.end());
            };
            QVERIFY((warnings(out) - warnings(src)).isEmpty()); // no warning the source did not have
            QCOMPARE(pixelSignature(out, true), pixelSignature(src, true));
        }
    }

    void unreadableSourcesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QFile photo(testData(QStringLiteral("gps_htc_desire.jpg")));
        QVERIFY(photo.open(QIODevice::ReadOnly));
        const QByteArray whole = photo.readAll();
        QTest::newRow("not an image") << QByteArray("this is not a photo at all, just some text\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("JPEG cut in half") << whole.left(whole.size() / 2);
        QTest::newRow("JPEG cut inside its Exif") << whole.left(300);
    }

    void unreadableSourcesWriteNothing()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString src = dir.filePath(QStringLiteral("broken.jpg"));
        QFile f(src);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QString error;
        QVERIFY(!imageSourceFromFile(src, &error));
        QVERIFY(!error.isEmpty());
        const QString out = dir.filePath(QStringLiteral("NoGPS_broken.jpg"));
        const RewriteResult result = rewriteMetadata(src, out, withGroup(keys::GpsGroup, QVariant()));
        QCOMPARE(result.status, RewriteResult::Unreadable);
        QVERIFY(!QFile::exists(out));
    }

    void failedWriteLeavesEarlierCopy_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QVariantMap>("overlay");
        // Exif that cannot fit a JPEG segment (64 KiB) makes the container write fail.
        QVariantMap tiff{{QLatin1String(keys::TiffImageDescription), QString(70000, QLatin1Char('x'))}};
        QTest::newRow("Exif over 64 KiB") << testData(QStringLiteral("gps_htc_desire.jpg"))
                                          << withGroup(keys::TiffGroup, tiff);
    }

    void failedWriteLeavesEarlierCopy()
    {
        QFETCH(QString, source);
        QFETCH(QVariantMap, overlay);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("copy.jpg"));
        QFile earlier(out);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier copy") > 0);
        earlier.close();

        const RewriteResult result = rewriteMetadata(source, out, overlay);
        QCOMPARE(result.status, RewriteResult::WriteFailed);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("an earlier copy"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
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
        QFile a(src), b(out);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
    }

    void concurrentRewritesMatchSequentialOnes()
    {
        // Compression workers use the layer from several threads at once.
        QTemporaryDir dir;
        const QStringList names{QStringLiteral("gps_htc_desire.jpg"), QStringLiteral("gps_iphone_1x1.jpg"),
                                QStringLiteral("iptc_metapm.jpg")};
        const QVariantMap overlay{{QLatin1String(keys::GpsGroup), QVariant()},
                                  {QLatin1String(keys::TiffGroup),
                                   QVariantMap{{QLatin1String(keys::TiffArtist), QStringLiteral("Ana")}}}};
        QHash<QString, QByteArray> expected;
        for (const QString &name : names) {
            const QString out = dir.filePath(QStringLiteral("seq-") + name);
            QVERIFY(rewriteMetadata(testData(name), out, overlay).ok());
            QFile f(out);
            QVERIFY(f.open(QIODevice::ReadOnly));
            expected.insert(name, f.readAll());
        }
        QList<int> jobs(48);
        std::iota(jobs.begin(), jobs.end(), 0);
        const QList<bool> same = QtConcurrent::blockingMapped(jobs, [&](int i) {
            const QString name = names.at(i % names.size());
            const QString out = dir.filePath(QStringLiteral("par-%1-").arg(i) + name);
            if (!rewriteMetadata(testData(name), out, overlay).ok())
                return false;
            QFile f(out);
            return f.open(QIODevice::ReadOnly) && f.readAll() == expected.value(name);
        });
        QVERIFY(!same.contains(false));
    }

    void existingOutputIsReplaced()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("NoGPS_x.jpg"));
        QFile stale(out);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("stale");
        stale.close();
        QVERIFY(rewriteMetadata(testData(QStringLiteral("gps_htc_desire.jpg")), out,
                                withGroup(keys::GpsGroup, QVariant()))
                    .ok());
        QVERIFY(imageSourceFromFile(out));
    }
};

QTEST_GUILESS_MAIN(ImageIoRewriteTest)
#include "tst_imageio_rewrite.moc"
