// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressFixtures.h"
#include "../metadata/EditorTestKit.h"

#include "compress/PhotoDecoder.h"
#include "compress/PhotoEncoders.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QColorSpace>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace compress;

namespace {

const QStringList richMetadata = {
    "-Make=Glimmer Optics", "-Model=Test Body", "-DateTimeOriginal=2021:06:15 10:20:30",
    "-CreateDate=2021:06:15 10:21:00", "-GPSLatitude=48.8583", "-GPSLatitudeRef=N", "-GPSLongitude=2.2945",
    "-GPSLongitudeRef=E", "-IPTC:Keywords=harbour", "-XMP-dc:Title=Quay",
};

// Ghostscript's Adobe RGB (1998) and sRGB profiles: an oracle independent of lcms2's
// profile building and of Qt's.
const QString adobeRgbIcc = "/usr/share/color/icc/ghostscript/a98.icc";
const QString srgbIcc = "/usr/share/color/icc/ghostscript/default_rgb.icc";

const QDateTime sourceFileDate(QDate(2019, 3, 4), QTime(8, 9, 10));

// Encodes the photo at `source` as a job does and writes the result to `out`.
bool encodeFile(const QString &source, const QString &out, bool keep, QString *error = nullptr)
{
    const auto image = imageio::imageSourceFromFile(source);
    const auto encoder = keep ? PhotoEncoder::JpgKeepingMetadata : PhotoEncoder::JpgWithoutMetadata;
    return image && writeEncodedPhoto(encodePhoto(encoder, *image, source), out, error);
}

} // namespace

class TestPhotoEncoders : public QObject
{
    Q_OBJECT
private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Which encoder a name gets where the jobs' own photos do not show it.
    void encoderChoice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("encoder");
        QTest::newRow("PNG in capitals") << "/x/SHOT.PNG" << false << int(PhotoEncoder::Png);
        QTest::newRow("png kept") << "shot.png" << true << int(PhotoEncoder::PngKeepingMetadata);
        QTest::newRow("png is not the last suffix")
            << "d.png.jpg" << false << int(PhotoEncoder::JpgWithoutMetadata);
        QTest::newRow("named png, no suffix") << "png" << true << int(PhotoEncoder::JpgKeepingMetadata);
    }

    void encoderChoice()
    {
        QFETCH(QString, name);
        QFETCH(bool, keep);
        QFETCH(int, encoder);
        QCOMPARE(int(chooseEncoder(name, keep)), encoder);
    }

    // How the results look is compared on the corpus's photos of every orientation.
    void orientationTagsFollowThePixels_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("tagAfter"); // 0: no tag
        QTest::addColumn<bool>("turned");  // stored pixels differ in shape from the source's
        for (int o = 1; o <= 8; ++o) {
            const bool quarter = o == 6 || o == 8;
            QTest::addRow("orientation %d kept", o) << o << true << (quarter ? 1 : o) << quarter;
            QTest::addRow("orientation %d dropped", o) << o << false << 0 << (o >= 5);
        }
    }

    void orientationTagsFollowThePixels()
    {
        QFETCH(int, orientation);
        QFETCH(bool, keep);
        QFETCH(int, tagAfter);
        QFETCH(bool, turned);
        // Little-endian Exif on rows 2 and 6: the patched orientation and sizes follow its byte order.
        const QString source = fixtures::writeJpeg(path(QStringLiteral("o%1.jpg").arg(orientation)), 300, 200,
            {QStringLiteral("-Orientation#=%1").arg(orientation), "-ExifIFD:ExifImageWidth=300",
             "-ExifIFD:ExifImageHeight=200", "-Make=Glimmer Optics",
             orientation % 4 == 2 ? "-ExifByteOrder=II" : "-ExifByteOrder=MM",
             QStringLiteral("-XMP-tiff:Orientation#=%1").arg(orientation)});
        const QString out = path(QStringLiteral("o%1-%2-out.jpg").arg(orientation).arg(keep));
        QString error;
        QVERIFY2(encodeFile(source, out, keep, &error), qPrintable(error));

        const int width = turned ? 200 : 300;
        QVariantMap expected{{"File:ImageWidth", width}, {"IFD0:Orientation", QVariant()},
                             {"IFD0:Make", QVariant()}, {"XMP-tiff:Orientation", QVariant()}};
        if (tagAfter)
            expected.insert({{"IFD0:Orientation", tagAfter}, {"IFD0:Make", "Glimmer Optics"},
                             {"ExifIFD:ExifImageWidth", width}, {"ExifIFD:ExifImageHeight", 500 - width},
                             {"XMP-tiff:Orientation", tagAfter}});
        QCOMPARE(editortest::tagsDiffering(out, expected), QString());
    }

    void metadataTravelsOnlyWhenKept()
    {
        const QString source = fixtures::writeJpeg(path("rich-p3.jpg"), 320, 240, richMetadata);
        const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
        QVERIFY(testsupport::writeFile(path("p3.icc"), icc));
        fixtures::exiftool(source, {"-icc_profile<=" + path("p3.icc")});
        const QVariantMap before = testsupport::exiftoolTags(source);
        // A vendor's own segment (a thermal camera's readings) travels as stored.
        const QByteArray vendor("\xFF\xE1\x00\x1A" "FLIR\0\1\2\3 thermal readings", 28);
        const QByteArray plain = testsupport::readFile(source);
        QVERIFY(testsupport::writeFile(source, plain.left(2) + vendor + plain.mid(2)));

        for (const bool keep : {false, true}) {
            const QString out = path(QStringLiteral("rich-p3-%1.jpg").arg(keep));
            QString error;
            QVERIFY2(encodeFile(source, out, keep, &error), qPrintable(error));
            QVERIFY(QFileInfo(out).size() < QFileInfo(source).size());
            // Colours must not shift: the profile stays either way, byte for byte.
            QCOMPARE(QImage(out).colorSpace().iccProfile(), icc);
            QCOMPARE(testsupport::readFile(out).contains(vendor), keep);
            const QVariantMap tags = testsupport::exiftoolTags(out);
            for (const char *tag : {"IFD0:Make", "ExifIFD:DateTimeOriginal", "GPS:GPSLatitude",
                                    "IPTC:Keywords", "XMP-dc:Title"}) {
                QVERIFY(before.contains(QLatin1String(tag)));
                QCOMPARE(tags.value(QLatin1String(tag)),
                         keep ? before.value(QLatin1String(tag)) : QVariant());
            }
        }
    }

    // A PNG result keeps its source's chunks when asked, and says its pixels are upright now.
    void pngMetadataTravelsOnlyWhenKept()
    {
        const QString source = path("kept.png");
        QVERIFY(fixtures::magick({"-size", "240x160", "plasma:fractal", "-blur", "0x3", "-depth", "8", source}));
        fixtures::exiftool(source, {"-Orientation#=6", "-Make=Glimmer Optics", "-ExifIFD:ExifImageWidth=240",
                                    "-ExifIFD:ExifImageHeight=160", "-XMP-tiff:Orientation#=6", "-XMP-dc:Title=Quay",
                                    "-PNG:Author=Ann"});
        const auto image = imageio::imageSourceFromFile(source);
        QVERIFY(image);
        for (const bool keep : {false, true}) {
            const EncodedPhoto photo =
                encodePhoto(keep ? PhotoEncoder::PngKeepingMetadata : PhotoEncoder::Png, *image, source);
            QVERIFY2(photo.ok(), qPrintable(photo.error));
            const QString out = path(QStringLiteral("kept-%1.png").arg(keep));
            QVERIFY(testsupport::writeFile(out, photo.bytes));
            QVariantMap expected{{"PNG:ImageWidth", 160}, {"IFD0:Make", QVariant()}, {"PNG:Author", QVariant()},
                                 {"XMP-dc:Title", QVariant()}, {"IFD0:Orientation", QVariant()}};
            if (keep)
                expected.insert({{"IFD0:Make", "Glimmer Optics"}, {"PNG:Author", "Ann"}, {"XMP-dc:Title", "Quay"},
                                 {"IFD0:Orientation", 1}, {"XMP-tiff:Orientation", 1},
                                 {"ExifIFD:ExifImageWidth", 160}, {"ExifIFD:ExifImageHeight", 240}});
            QCOMPARE(editortest::tagsDiffering(out, expected), QString());
            const QStringList known = testsupport::validationWarnings(source);
            for (const QString &warning : testsupport::validationWarnings(out))
                QVERIFY2(known.contains(warning), qPrintable(warning));
        }
    }

    void exifOnlyAdobeRgbKeepsItsColours_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("encoder");
        QTest::addColumn<bool>("converted"); // else the pixels stay as stored
        QTest::addColumn<bool>("grey");
        const QStringList r03 = {"-ColorSpace=Uncalibrated", "-InteropIndex=R03"};
        const int dropped = int(PhotoEncoder::JpgWithoutMetadata);
        QTest::newRow("R03 dropped") << r03 << dropped << true << false;
        QTest::newRow("R03 greyscale to PNG") << r03 << int(PhotoEncoder::Png) << true << true;
        QTest::newRow("R03 to PNG") << r03 << int(PhotoEncoder::Png) << true << false;
        QTest::newRow("ColorSpace 2") << QStringList{"-ColorSpace#=2"} << dropped << true << false;
        QTest::newRow("ColorSpace 2 but R98")
            << QStringList{"-ColorSpace#=2", "-InteropIndex=R98"} << dropped << false << false;
        // The Exif travels with the pixels and still says what they are.
        QTest::newRow("R03 kept") << r03 << int(PhotoEncoder::JpgKeepingMetadata) << false << false;
        QTest::newRow("uncalibrated alone")
            << QStringList{"-ColorSpace=Uncalibrated"} << dropped << false << false;
        // The profile stays and says it all; converting too would shift the colours twice.
        QTest::newRow("R03 with a profile") << r03 + QStringList{"-icc_profile<=" + adobeRgbIcc} << dropped
                                            << false << false;
    }

    void exifOnlyAdobeRgbKeepsItsColours()
    {
        QFETCH(QStringList, tags);
        QFETCH(int, encoder);
        QFETCH(bool, converted);
        QFETCH(bool, grey);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
        QImage picture = fixtures::photoLikeImage(240, 160, 3);
        if (grey)
            picture = picture.convertToFormat(QImage::Format_Grayscale8);
        const QString source = fixtures::writeJpeg(path(name + ".jpg"), picture, tags);
        const auto image = imageio::imageSourceFromFile(source);
        QVERIFY(image);
        const EncodedPhoto photo = encodePhoto(PhotoEncoder(encoder), *image, source);
        QVERIFY2(photo.ok(), qPrintable(photo.error));
        const QString out = path(name + "-out");
        QVERIFY(testsupport::writeFile(out, photo.bytes));

        const QString srgbPng = path(name + "-srgb.png");
        QVERIFY(fixtures::magick(
            {source, "-profile", adobeRgbIcc, "-profile", srgbIcc, "+profile", "*", srgbPng}));
        const double toSrgb = fixtures::meanDifference(QImage(out), QImage(srgbPng));
        const double asStored = fixtures::meanDifference(QImage(out), QImage(source));
        const double expected = converted ? toSrgb : asStored;
        QVERIFY2(expected < fixtures::SamePictureTolerance && expected < (converted ? asStored : toSrgb) / 2,
                 qPrintable(QStringLiteral("%1 to sRGB, %2 as stored").arg(toSrgb).arg(asStored)));

        // Converted pixels carry no profile; a kept Exif still says Adobe RGB, beside no profile.
        const QVariantMap result = testsupport::exiftoolTags(out);
        const bool ownProfile = tags.join(' ').contains("icc_profile");
        const bool kept = encoder == int(PhotoEncoder::JpgKeepingMetadata);
        QCOMPARE(result.contains("ICC-header:ColorSpaceData"), ownProfile);
        QCOMPARE(result.value("InteropIFD:InteropIndex").toString(), kept ? "R03" : QString());
        QCOMPARE(result.value("ExifIFD:ColorSpace").toInt(), kept ? 0xFFFF : 0);
    }

    void fileDates_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QDateTime>("expected"); // none: a new file's date
        // Linux cannot set a birth time: the modification date is the digitized date.
        QTest::newRow("capture dates")
            << richMetadata << true << QDateTime(QDate(2021, 6, 15), QTime(10, 21, 0));
        QTest::newRow("no capture date: the source file's") << QStringList{"-Make=Glimmer Optics"} << true
                                                             << sourceFileDate;
        // One capture date alone is not enough: both come from the file then.
        QTest::newRow("one capture date: the source file's")
            << QStringList{"-DateTimeOriginal=2001:01:01 01:01:01"} << true << sourceFileDate;
        QTest::newRow("metadata dropped: a new file") << richMetadata << false << QDateTime();
    }

    void fileDates()
    {
        QFETCH(QStringList, tags);
        QFETCH(bool, keep);
        QFETCH(QDateTime, expected);
        const QString source = fixtures::writeJpeg(path("dated.jpg"), 200, 150, tags);
        QVERIFY(editortest::setModified(source, sourceFileDate));
        const QString out = path("dated-out.jpg");
        QFile::remove(out);
        QVERIFY(encodeFile(source, out, keep));
        if (expected.isValid())
            QCOMPARE(QFileInfo(out).lastModified(), expected);
        else
            QVERIFY(QFileInfo(out).lastModified().secsTo(QDateTime::currentDateTime()) < 120);
    }

    void pngBombsAreRefusedUnread()
    {
        // Fuzz findings: a text chunk claiming 1.6 GB, which the PNG reader allocated before
        // finding the file short, and 64 KB of compressed text the reader inflates in full to
        // 64 MB. Both are refused before the reader sees them.
        for (const char *name : {"png_text_chunk_claims_1_6_gb.png", "png_ztxt_unpacks_to_64_mb.png"}) {
            const QByteArray bomb = testsupport::readFile(testsupport::testData(QLatin1String(name)));
            QVERIFY(!bomb.isEmpty());
            const DecodedPhoto decoded = decodeFirstImage(bomb, QLatin1String(imageio::filetypes::Png));
            QVERIFY2(decoded.image.isNull(), name);
            QCOMPARE(decoded.error, "the PNG is damaged or cut short");
        }
    }
};

QTEST_MAIN(TestPhotoEncoders)
#include "tst_photoencoders.moc"
