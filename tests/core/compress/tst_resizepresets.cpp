// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressFixtures.h"

#include "compress/BatchCompressor.h"
#include "compress/JobItems.h"
#include "compress/ImageScaling.h"
#include "compress/ResizePresets.h"
#include "imageio/JpegCodec.h"

#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace compress;

Q_DECLARE_METATYPE(compress::ResizeRequest)

class TestResizePresets : public QObject
{
    Q_OBJECT
private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private Q_SLOTS:
    void targetSize_data()
    {
        QTest::addColumn<ResizeRequest>("request");
        QTest::addColumn<QSizeF>("photo");
        QTest::addColumn<QSizeF>("expected"); // invalid: nothing to do
        const QSizeF large(4000, 3000);
        const ResizeRequest small{"320 x 240"};
        QTest::newRow("landscape") << small << large << QSizeF(320, 240);
        QTest::newRow("upright") << small << QSizeF(3000, 4000) << QSizeF(180, 240);
        QTest::newRow("wide") << small << QSizeF(1920, 1080) << QSizeF(320, 180);
        QTest::newRow("square counts as upright")
            << ResizeRequest{"640 x 480"} << QSizeF(1000, 1000) << QSizeF(480, 480);
        QTest::newRow("not rounded") << small << QSizeF(1000, 333) << QSizeF(320, 106.56);
        const QSizeF vga(640, 480);
        QTest::newRow("never enlarged") << ResizeRequest{"1920 x 1080"} << vga << vga;
        QTest::newRow("custom fits inside")
            << ResizeRequest{"Custom", 100, 50} << large << QSizeF(4000 * 50 / 3000.0, 50);
        QTest::newRow("custom stretched")
            << ResizeRequest{"Custom", 100, 50, false} << large << QSizeF(100, 50);
        QTest::newRow("custom stretched, never enlarged")
            << ResizeRequest{"Custom", 1000, 100, false} << QSizeF(400, 300) << QSizeF(400, 100);
        QTest::newRow("custom height 0") << ResizeRequest{"Custom", 100, 0} << large << QSizeF();
        QTest::newRow("custom negative") << ResizeRequest{"Custom", -3, 50} << large << QSizeF();
        QTest::newRow("unknown title") << ResizeRequest{"321 x 240"} << large << QSizeF();
    }

    void targetSize()
    {
        QFETCH(ResizeRequest, request);
        QFETCH(QSizeF, photo);
        QFETCH(QSizeF, expected);
        const auto target = resizeTargetSize(request, photo);
        QCOMPARE(target.has_value(), expected.isValid());
        if (!target)
            return;
        QCOMPARE(*target, expected);
        // Whole pixels only when scaling, rounded to the nearest.
        QCOMPARE(scalePixels(*target), expected.toSize());
    }

    void fieldValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "320" << 320;
        QTest::newRow("blanks and unit") << "  12px" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("words") << "wide" << 0;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("decimal") << "3.7" << 3;
        QTest::newRow("too large") << "99999999999999" << INT_MAX;
    }

    void fieldValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(fieldIntValue(text), value);
    }

    void fieldsForChoice_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QStringList>("fields"); // width, height, whether the proportions are kept
        const QSize wide(4000, 3000);
        QTest::newRow("landscape") << "320 x 240" << wide << QStringList{"320", "", "kept"};
        QTest::newRow("upright") << "1280 x 720" << QSize(3000, 4000) << QStringList{"", "720", "kept"};
        QTest::newRow("square") << "640 x 480" << QSize(500, 500) << QStringList{"", "480", "kept"};
        QTest::newRow("custom") << "Custom" << wide << QStringList{"4000", "3000", "free"};
    }

    void fieldsForChoice()
    {
        QFETCH(QString, title);
        QFETCH(QSize, photo);
        QFETCH(QStringList, fields);
        const ResizeFields shown = fieldsForSelection(title, photo);
        const QString proportions = shown.proportional ? "kept" : "free";
        QCOMPARE((QStringList{shown.widthText, shown.heightText, proportions}), fields);
    }

    void resizeToStretchesOverWhite()
    {
        QImage image(40, 20, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 40; ++x)
                image.setPixel(x, y, qRgba(200, 0, 0, 255));
        const QImage out = resizeTo(image, 10, 30);
        QCOMPARE(out.size(), QSize(10, 30));
        QVERIFY(!out.hasAlphaChannel());
        QCOMPARE(out.pixel(1, 15), qRgb(255, 255, 255));
        QVERIFY(qRed(out.pixel(8, 15)) > 190 && qGreen(out.pixel(8, 15)) < 10);
    }

    void resizeJobScalesInMemory()
    {
        // Earlier results in a folder of their own, as a resize job gets them.
        const QString folder = fixtures::makeDir(m_dir, "results");
        const QString turned = fixtures::writeJpeg(folder + "/turned.jpg", 1600, 1200,
                                                   {"-Orientation#=6", "-Make=Glimmer Optics"});
        QCOMPARE(photoDisplaySize(turned), QSize(1200, 1600));
        const QImage expectedTurned = fixtures::uprightByMagick(turned, path("turned-upright.png"))
                                          .scaled(180, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString large = folder + "/large.jpg";
        const QByteArray largeBytes = imageio::JpegCodec::encode(fixtures::photoLikeImage(3200, 2400, 4), 90);
        QVERIFY(testsupport::writeFile(large, largeBytes));
        const QImage expectedLarge = resizeTo(imageio::JpegCodec::decode(largeBytes).image, 320, 240);
        const QString tiny = folder + "/tiny.png";
        QVERIFY(fixtures::photoLikeImage(32, 32).save(tiny));
        const QString vga = fixtures::writeJpeg(folder + "/vga.jpg", 640, 480);

        // Written back where each was; the saving compares with the file as it was.
        const auto runResize = [&](const QStringList &paths, const ResizeRequest &request) {
            CompressionOptions options = fixtures::jobOptions(folder, true, 0);
            options.resize = request;
            QList<JobItem> items;
            QList<quint64> before;
            for (const QString &p : paths) {
                items.append({p, false});
                before << quint64(QFileInfo(p).size());
            }
            const CompressionReport report = BatchCompressor(options).run(CompressionJobKind::Resize, items);
            QList<quint64> sizes;
            for (const ResultRow &entry : report.entries)
                sizes << (entry.restPath() == paths.value(sizes.size()) ? entry.originalFileSize() : 0);
            return sizes == before;
        };

        QVERIFY(runResize({turned, large}, {"320 x 240"}));
        const QVariantMap tags = testsupport::exiftoolTags(turned);
        QCOMPARE(tags.value("File:FileType").toString(), "JPEG");
        QCOMPARE(tags.value("IFD0:Make").toString(), "Glimmer Optics");
        QCOMPARE(tags.value("IFD0:Orientation", 1).toInt(), 1);
        QImage result = fixtures::uprightByMagick(turned, path("turned-result.png"));
        QCOMPARE(result.size(), QSize(180, 240));
        double difference = fixtures::meanDifference(result, expectedTurned);
        QVERIFY2(difference < 4.0, qPrintable(QString::number(difference)));
        // Decoded at a reduced DCT scale, yet as close as a full decode scaled down.
        result = QImage(large);
        QCOMPARE(result.size(), QSize(320, 240));
        difference = fixtures::meanDifference(result, expectedLarge);
        QVERIFY2(difference < 2.5, qPrintable(QString::number(difference)));

        // Photos already within the preset keep their size.
        QVERIFY(runResize({tiny, vga}, {"1280 x 720"}));
        QCOMPARE(QImage(tiny).size(), QSize(32, 32));
        QVERIFY(testsupport::readFile(tiny).startsWith("\x89PNG"));
        QCOMPARE(QImage(vga).size(), QSize(640, 480));
    }
};

QTEST_MAIN(TestResizePresets)
#include "tst_resizepresets.moc"
