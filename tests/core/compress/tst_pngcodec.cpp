// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressFixtures.h"

#include "imageio/PngCodec.h"

#include <QColorSpace>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using imageio::PngCodec;

namespace {

// A screenshot-like picture: flat areas and hard edges in a handful of colours.
QImage screenshotImage()
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.fillRect(0, 0, 300, 24, QColor(40, 60, 120));
    p.fillRect(10, 40, 120, 16, QColor(200, 30, 30));
    p.fillRect(10, 70, 200, 2, Qt::black);
    for (int i = 0; i < 12; ++i)
        p.fillRect(10 + i * 20, 100, 12, 40, QColor(i * 20, 255 - i * 20, 100));
    p.end();
    return image;
}

} // namespace

class TestPngCodec : public QObject
{
    Q_OBJECT
private:
    QString save(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        return testsupport::writeFile(path, bytes) ? path : QString();
    }
    QTemporaryDir m_dir;

private Q_SLOTS:
    // A photo's many colours force a quantised palette, which must still keep a fully
    // transparent area and a soft edge fading from clear to opaque.
    void quantisedPhotoKeepsItsTransparency()
    {
        QImage image = fixtures::photoLikeImage(200, 150).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 100; ++x)
                image.setPixel(x, y, x < 40 ? qRgba(x, y, 0, 0) : qRgba(200, 40, 40, (x - 40) * 255 / 59));
        const PngCodec::Encoded png = PngCodec::encodeSmallest(image);
        QVERIFY(png.ok());
        QCOMPARE(png.kind, PngCodec::Kind::Palette);
        const QImage back = QImage(save("cutout.png", png.bytes)).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); y += 7) {
            QCOMPARE(qAlpha(back.pixel(5, y)), 0);
            QCOMPARE(qAlpha(back.pixel(150, y)), 255);
            QVERIFY(std::abs(qAlpha(back.pixel(70, y)) - 129) < 16);
            QVERIFY(std::abs(qRed(back.pixel(99, y)) - 200) < 8);
        }
        const QRect opaque(100, 0, 100, 150);
        const double difference = fixtures::meanDifference(back.copy(opaque), image.copy(opaque));
        QVERIFY(difference < fixtures::SamePictureTolerance);
    }

    // The smallest PNG is an exact palette for few colours and lossless where no palette
    // fits; lossless keeps every channel and depth.
    void everyPixelSurvives_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("smallest"); // else lossless
        QTest::addColumn<int>("colorType");
        QTest::addColumn<int>("bitDepth"); // 0: whatever the palette needs
        QTest::newRow("few colours: an exact palette") << screenshotImage() << true << 3 << 0;
        QImage fade(160, 40, QImage::Format_ARGB32);
        for (int x = 0; x < fade.width(); ++x)
            for (int y = 0; y < fade.height(); ++y)
                fade.setPixel(x, y, qRgba(200, 40, 40, 1 + x * 254 / (fade.width() - 1)));
        QTest::newRow("few colours, translucent") << fade << true << 3 << 0;
        QTest::newRow("noise: no palette fits") << fixtures::noiseImage(128, 128, 42) << true << 2 << 8;
        const QImage photo = fixtures::photoLikeImage(90, 70);
        QTest::newRow("rgb") << photo << false << 2 << 8;
        QTest::newRow("grey") << photo.convertToFormat(QImage::Format_Grayscale8) << false << 0 << 8;
        QImage rgba = photo.convertToFormat(QImage::Format_ARGB32);
        for (int x = 0; x < rgba.width(); ++x)
            rgba.setPixel(x, 3, qRgba(10, 20, 30, x));
        QTest::newRow("rgba") << rgba << false << 6 << 8;
        QImage deep = photo.convertToFormat(QImage::Format_RGBA64);
        for (int x = 0; x < deep.width(); ++x)
            deep.setPixelColor(x, 5, QRgba64::fromRgba64(x * 700 + 1, 65535 - x * 300, 12345, 40000 + x));
        QTest::newRow("rgba 16-bit") << deep << false << 6 << 16;
        QImage deepOpaque = photo.convertToFormat(QImage::Format_RGBX64);
        deepOpaque.setPixelColor(1, 1, QColor::fromRgba64(QRgba64::fromRgba64(1, 257 * 3 + 1, 65534, 65535)));
        QTest::newRow("rgb 16-bit") << deepOpaque << false << 2 << 16;
        QTest::newRow("grey 16-bit") << photo.convertToFormat(QImage::Format_Grayscale16) << false << 0 << 16;
    }

    void everyPixelSurvives()
    {
        QFETCH(QImage, image);
        QFETCH(bool, smallest);
        QFETCH(int, colorType);
        QFETCH(int, bitDepth);
        if (smallest && colorType != 3)
            QVERIFY(!PngCodec::encodePalette(image, PngCodec::PaletteQualityFloor,
                                             PngCodec::PaletteQualityTarget).ok());
        const PngCodec::Encoded png = smallest ? PngCodec::encodeSmallest(image)
                                               : PngCodec::encodeLossless(image);
        QVERIFY2(png.ok(), qPrintable(png.error));
        const QString path = save("exact.png", png.bytes);
        const QVariantMap tags = testsupport::exiftoolTags(path);
        QCOMPARE(tags.value("PNG:ColorType").toInt(), colorType);
        if (bitDepth != 0)
            QCOMPARE(tags.value("PNG:BitDepth").toInt(), bitDepth);
        QCOMPARE(QImage(path).convertToFormat(image.format()), image);
    }

    // Smaller than Qt's own writer, and both encoders carry the colour profile.
    void losslessBeatsQtAndKeepsTheProfile()
    {
        const QImage image = fixtures::photoLikeImage(200, 150);
        const QString qtPath = m_dir.filePath("qt.png");
        QVERIFY(image.convertToFormat(QImage::Format_RGB888).save(qtPath));
        const QByteArray icc = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
        const PngCodec::Encoded lossless = PngCodec::encodeLossless(image, icc);
        QVERIFY(lossless.ok());
        QVERIFY2(lossless.bytes.size() <= QFileInfo(qtPath).size() + icc.size(),
                 qPrintable(QString("%1 > %2").arg(lossless.bytes.size()).arg(QFileInfo(qtPath).size())));
        for (const PngCodec::Encoded &png : {PngCodec::encodeSmallest(screenshotImage(), icc), lossless})
            QCOMPARE(QImage(save("icc.png", png.bytes)).colorSpace().iccProfile(), icc);
    }
};

QTEST_GUILESS_MAIN(TestPngCodec)
#include "tst_pngcodec.moc"
