// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressFixtures.h"

#include "imageio/JpegCodec.h"

#include <QColorSpace>
#include <QTemporaryDir>
#include <QtTest>

using imageio::JpegCodec;

class TestJpegCodec : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Same pixels through cjpeg -optimize must give the very same file: standard tables at
    // the given quality, 4:2:0, baseline, optimised Huffman codes, whatever layout the pixels
    // arrive in (a channel order mistake changes every byte). Decoded again, greyscale stays
    // one channel in its tones.
    void matchesLibjpegOptimisedBaseline_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("quality");
        QTest::newRow("RGB888 q50") << int(QImage::Format_RGB888) << 50;
        QTest::newRow("RGB888 q75") << int(QImage::Format_RGB888) << 75;
        QTest::newRow("grey q50") << int(QImage::Format_Grayscale8) << 50;
        QTest::newRow("RGB32") << int(QImage::Format_RGB32) << 90;
        QTest::newRow("ARGB32 opaque") << int(QImage::Format_ARGB32) << 90;
        QTest::newRow("RGBX8888") << int(QImage::Format_RGBX8888) << 90;
        QTest::newRow("RGB16") << int(QImage::Format_RGB16) << 90;
        QTest::newRow("Indexed8") << int(QImage::Format_Indexed8) << 90;
    }

    void matchesLibjpegOptimisedBaseline()
    {
        QFETCH(int, format);
        QFETCH(int, quality);
        const bool grey = format == QImage::Format_Grayscale8;
        // Without dithering, so the picture stays smooth enough to compare after JPEG.
        const QImage image = fixtures::photoLikeImage(333, 217).convertToFormat(
            QImage::Format(format), Qt::ThresholdDither | Qt::AvoidDither);
        const QString ppm = m_dir.filePath(grey ? "in.pgm" : "in.ppm");
        QVERIFY(image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888).save(ppm));
        const QByteArray reference =
            testsupport::run("cjpeg", {"-quality", QString::number(quality), "-optimize", ppm});

        QString error;
        const QByteArray ours = JpegCodec::encode(image, quality, {}, &error);
        QVERIFY2(!ours.isEmpty(), qPrintable(error));
        QCOMPARE(ours, reference);
        const JpegCodec::Decoded decoded = JpegCodec::decode(ours);
        QCOMPARE(decoded.image.format(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        QVERIFY(fixtures::meanDifference(decoded.image, image) < fixtures::SamePictureTolerance);
    }

    // The program's own encoder, whatever the layout and size: a baseline file that libjpeg,
    // Qt and djpeg all decode to the source's picture (no further from it than libjpeg's own
    // rounding at that quality, give or take a quarter), one channel for grey. Sizes that
    // leave partial blocks and MCUs catch the edge padding and the coefficient arrays' shape;
    // flat black and white and a full-contrast checkerboard at quality 100 hold the extreme
    // values the coefficients take.
    void quantisedFileDecodesEverywhere_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("quality");
        const auto photo = [](int w, int h, QImage::Format format) {
            return fixtures::photoLikeImage(w, h).convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);
        };
        QImage checkerboard(16, 16, QImage::Format_Grayscale8);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                checkerboard.scanLine(y)[x] = (x + y) % 2 ? 255 : 0;
        QImage black(8, 8, QImage::Format_RGB888);
        black.fill(Qt::black);
        QImage white(16, 16, QImage::Format_RGB32);
        white.fill(Qt::white);
        QTest::newRow("RGB888 333x217") << photo(333, 217, QImage::Format_RGB888) << 50;
        QTest::newRow("RGB32 17x9") << photo(17, 9, QImage::Format_RGB32) << 50;
        QTest::newRow("ARGB32 8193x3") << photo(8193, 3, QImage::Format_ARGB32) << 50;
        QTest::newRow("RGBX8888 1x1") << photo(1, 1, QImage::Format_RGBX8888) << 50;
        QTest::newRow("RGB16 64x48") << photo(64, 48, QImage::Format_RGB16) << 50;
        QTest::newRow("grey 17x9") << photo(17, 9, QImage::Format_Grayscale8) << 50;
        QTest::newRow("black") << black << 50;
        QTest::newRow("white") << white << 50;
        QTest::newRow("checkerboard q100") << checkerboard << 100;
    }

    void quantisedFileDecodesEverywhere()
    {
        QFETCH(QImage, image);
        QFETCH(int, quality);
        const bool grey = image.format() == QImage::Format_Grayscale8;
        QString error;
        const QByteArray bytes = JpegCodec::encode(image, quality, {}, &error, JpegCodec::Quantisation::RateDistortion);
        QVERIFY2(!bytes.isEmpty(), qPrintable(error));
        QVERIFY(bytes.contains("\xFF\xC0") && !bytes.contains("\xFF\xC2")); // baseline, not progressive

        const JpegCodec::Decoded decoded = JpegCodec::decode(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.format(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        const double difference = fixtures::meanDifference(decoded.image, image);
        const double rounded = fixtures::meanDifference(JpegCodec::decode(JpegCodec::encode(image, quality)).image, image);
        QVERIFY2(difference >= 0 && difference <= 1.25 * rounded + 1.0,
                 qPrintable(QString("%1 against libjpeg's %2").arg(difference).arg(rounded)));
        QCOMPARE(QImage::fromData(bytes, "JPEG").size(), image.size());
        const QString path = m_dir.filePath("quantised.jpg");
        QVERIFY(testsupport::writeFile(path, bytes));
        int status = -1;
        const QByteArray pnm = testsupport::run("djpeg", {path}, &status);
        QCOMPARE(status, 0);
        QVERIFY(pnm.startsWith(grey ? "P5" : "P6"));
    }

    // ImageMagick's conversion back to RGB is the reference: through the press profile when
    // the photo has one, where the plain ink formula is measurably off; an inverted or
    // channel-swapped reading would be far off either way.
    void cmykComesBackInItsColours_data()
    {
        QTest::addColumn<bool>("pressProfile");
        QTest::newRow("plain CMYK") << false;
        QTest::newRow("press profile") << true;
    }

    void cmykComesBackInItsColours()
    {
        QFETCH(bool, pressProfile);
        const QString press = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
        if (!QFileInfo::exists(press))
            QFAIL("no CMYK press profile (scripts/install-deps installs libgs-common)");
        const QString srgb = m_dir.filePath("srgb.icc");
        QVERIFY(testsupport::writeFile(srgb, QColorSpace(QColorSpace::SRgb).iccProfile()));
        const QString png = m_dir.filePath("cmyk-source.png");
        QVERIFY(fixtures::photoLikeImage(240, 160, 7).save(png));
        const QString cmyk = m_dir.filePath(QStringLiteral("cmyk%1.jpg").arg(pressProfile));
        const QStringList toCmyk = pressProfile ? QStringList{"-profile", srgb, "-profile", press}
                                                : QStringList{"-colorspace", "CMYK"};
        QVERIFY(fixtures::magick(QStringList{png} + toCmyk + QStringList{"-quality", "95", cmyk}));

        const JpegCodec::Decoded decoded = JpegCodec::decode(testsupport::readFile(cmyk));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QVERIFY(decoded.wasCmyk);
        QVERIFY(decoded.iccProfile.isEmpty());
        QCOMPARE(decoded.image.format(), QImage::Format_RGB888);
        const QString plain = m_dir.filePath("plain.png");
        QVERIFY(fixtures::magick({cmyk, "+profile", "*", "-colorspace", "sRGB", plain}));
        const double toPlain = fixtures::meanDifference(decoded.image, QImage(plain));
        if (pressProfile) {
            const QString managed = m_dir.filePath("managed.png");
            QVERIFY(fixtures::magick({cmyk, "-profile", srgb, managed}));
            const double toManaged = fixtures::meanDifference(decoded.image, QImage(managed));
            QVERIFY2(toManaged >= 0 && toManaged < 4.0, qPrintable(QString::number(toManaged)));
            QVERIFY2(toPlain > 2 * toManaged, qPrintable(QString::number(toPlain)));
        } else {
            QVERIFY2(toPlain >= 0 && toPlain < 3.0, qPrintable(QString::number(toPlain)));
        }
    }

    void dctScaledDecodeMatchesFullDecode_data()
    {
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("expected");
        // 1600 × 1200: 1/8 is 200 × 150, 2/8 is 400 × 300, 3/8 is 600 × 450.
        QTest::newRow("eighth") << QSize(180, 100) << QSize(200, 150);
        QTest::newRow("quarter") << QSize(320, 240) << QSize(400, 300);
        QTest::newRow("three eighths, height decides") << QSize(100, 301) << QSize(600, 450);
        QTest::newRow("full") << QSize(1500, 10) << QSize(1600, 1200);
        QTest::newRow("no minimum") << QSize() << QSize(1600, 1200);
    }

    void dctScaledDecodeMatchesFullDecode()
    {
        QFETCH(QSize, minimum);
        QFETCH(QSize, expected);
        const QByteArray bytes = JpegCodec::encode(fixtures::photoLikeImage(1600, 1200, 3), 90);
        const JpegCodec::Decoded scaled = JpegCodec::decode(bytes, minimum);
        QVERIFY2(scaled.ok(), qPrintable(scaled.error));
        QCOMPARE(scaled.image.size(), expected);
        QCOMPARE(scaled.storedSize, QSize(1600, 1200));

        const JpegCodec::Decoded full = JpegCodec::decode(bytes);
        const QSize target = minimum.isValid() ? minimum.expandedTo(QSize(1, 1)) : QSize(1600, 1200);
        const QImage a = scaled.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage b = full.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = fixtures::meanDifference(a, b);
        QVERIFY2(difference >= 0 && difference < 4.0, qPrintable(QString::number(difference)));
    }

    void iccProfileOnlyWhereItFits()
    {
        const QByteArray icc = QColorSpace(QColorSpace::DisplayP3).iccProfile();
        QVERIFY(icc.size() > 100);
        const auto encode = [](const QImage &image, const QByteArray &profile) {
            return JpegCodec::encode(image, 50, profile, nullptr, JpegCodec::Quantisation::RateDistortion);
        };
        QCOMPARE(JpegCodec::decode(encode(fixtures::photoLikeImage(64, 48), icc)).iccProfile, icc);
        // A colour profile does not describe greyscale pixels.
        const QImage greyImage = fixtures::photoLikeImage(64, 48).convertToFormat(QImage::Format_Grayscale8);
        const QByteArray grey = encode(greyImage, icc);
        QVERIFY(JpegCodec::decode(grey).iccProfile.isEmpty());
        // Nor does a CMYK profile describe RGB pixels: every viewer would misread the colours.
        QByteArray cmykProfile = icc;
        cmykProfile.replace(16, 4, "CMYK");
        const QByteArray rgb = encode(fixtures::photoLikeImage(64, 48), cmykProfile);
        QVERIFY(JpegCodec::decode(rgb).ok());
        QVERIFY(!rgb.contains("ICC_PROFILE"));
    }

    void brokenDataIsAnError_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = JpegCodec::encode(fixtures::photoLikeImage(400, 300), 80);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is not a JPEG at all");
        QTest::newRow("header only") << good.left(600);
        QTest::newRow("cut in the scan") << good.left(good.size() / 2);
        QByteArray scrambled = good;
        for (qsizetype i = scrambled.size() / 3; i < scrambled.size() / 3 + 40; ++i)
            scrambled[i] = char(0xFF);
        QTest::newRow("markers inside the scan") << scrambled;
    }

    void brokenDataIsAnError()
    {
        QFETCH(QByteArray, data);
        const JpegCodec::Decoded decoded = JpegCodec::decode(data);
        QVERIFY(!decoded.ok());
        QVERIFY(!decoded.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJpegCodec)
#include "tst_jpegcodec.moc"
