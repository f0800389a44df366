#include "CompressFixtures.h"

#include "compress/CompressionJob.h"
#include "compress/ImageScaling.h"
#include "compress/ResizePresets.h"
#include "imageio/JpegCodec.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace compress;

class TestResizePresets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presetsInPopupOrder();
    void targetSize_data();
    void targetSize();
    void fieldValue_data();
    void fieldValue();
    void fieldsForChoice_data();
    void fieldsForChoice();
    void resizeToStretchesOverWhite();
    void thumbnailOfNothingIsNull();
    void stepRewritesUprightTiffWithMetadata();
    void customBelowOneDoesNothing();
    void unreadableFileGoesThroughUnchanged();
    void dctScaledResizeMatchesFullDecode();
    void resizeJobRecompressesInPlace();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestResizePresets::presetsInPopupOrder()
{
    QCOMPARE(resizePresetTitles(),
             (QStringList{"Custom", "320 x 240", "640 x 480", "800 x 600", "1024 x 768", "1280 x 1024", "1280 x 720",
                          "1920 x 1080"}));
    QVERIFY(!presetByTitle(QStringLiteral("Custom")));
    QCOMPARE(presetByTitle(QStringLiteral("1280 x 1024"))->height, 1024);
}

void TestResizePresets::targetSize_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSizeF>("photo");
    QTest::addColumn<int>("customWidth");
    QTest::addColumn<int>("customHeight");
    QTest::addColumn<QSizeF>("expected"); // invalid: nothing to do
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("landscape") << "320 x 240" << QSizeF(4000, 3000) << 0 << 0 << QSizeF(320, 240) << QSize(320, 240);
    QTest::newRow("upright") << "320 x 240" << QSizeF(3000, 4000) << 0 << 0 << QSizeF(180, 240) << QSize(180, 240);
    QTest::newRow("wide") << "320 x 240" << QSizeF(1920, 1080) << 0 << 0 << QSizeF(320, 180) << QSize(320, 180);
    QTest::newRow("square counts as upright") << "640 x 480" << QSizeF(1000, 1000) << 0 << 0 << QSizeF(480, 480)
                                              << QSize(480, 480);
    QTest::newRow("not rounded") << "320 x 240" << QSizeF(1000, 333) << 0 << 0 << QSizeF(320, 106.56)
                                 << QSize(320, 107);
    QTest::newRow("enlarging") << "1920 x 1080" << QSizeF(640, 480) << 0 << 0 << QSizeF(1920, 1440) << QSize(1920, 1440);
    QTest::newRow("custom ignores proportions") << "Custom" << QSizeF(4000, 3000) << 100 << 50 << QSizeF(100, 50)
                                                << QSize(100, 50);
    QTest::newRow("custom height 0") << "Custom" << QSizeF(4000, 3000) << 100 << 0 << QSizeF() << QSize();
    QTest::newRow("custom negative") << "Custom" << QSizeF(4000, 3000) << -3 << 50 << QSizeF() << QSize();
    QTest::newRow("unknown title") << "321 x 240" << QSizeF(4000, 3000) << 0 << 0 << QSizeF() << QSize();
}

void TestResizePresets::targetSize()
{
    QFETCH(QString, title);
    QFETCH(QSizeF, photo);
    QFETCH(int, customWidth);
    QFETCH(int, customHeight);
    QFETCH(QSizeF, expected);
    QFETCH(QSize, pixels);
    const auto target = resizeTargetSize(title, photo, customWidth, customHeight);
    QCOMPARE(target.has_value(), expected.isValid());
    if (!target)
        return;
    QVERIFY(qAbs(target->width() - expected.width()) < 1e-9);
    QVERIFY(qAbs(target->height() - expected.height()) < 1e-9);
    QCOMPARE(scalePixels(*target), pixels);
}

void TestResizePresets::fieldValue_data()
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

void TestResizePresets::fieldValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(fieldIntValue(text), value);
}

void TestResizePresets::fieldsForChoice_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("proportional");
    QTest::newRow("landscape preset") << "320 x 240" << QSize(4000, 3000) << "320" << "" << true;
    QTest::newRow("upright preset") << "1280 x 720" << QSize(3000, 4000) << "" << "720" << true;
    QTest::newRow("square preset") << "640 x 480" << QSize(500, 500) << "" << "480" << true;
    QTest::newRow("custom") << "Custom" << QSize(4000, 3000) << "4000" << "3000" << false;
}

void TestResizePresets::fieldsForChoice()
{
    QFETCH(QString, title);
    QFETCH(QSize, photo);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, proportional);
    const ResizeFields fields = fieldsForSelection(title, photo);
    QCOMPARE(fields.widthText, width);
    QCOMPARE(fields.heightText, height);
    QCOMPARE(fields.proportional, proportional);
}

void TestResizePresets::resizeToStretchesOverWhite()
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
    QCOMPARE(image.size(), QSize(40, 20));
}

void TestResizePresets::thumbnailOfNothingIsNull()
{
    QTest::ignoreMessage(QtWarningMsg, "Invalid Image");
    QVERIFY(thumbnailImage(QImage(), QSize(10, 10)).isNull());
    QCOMPARE(thumbnailImage(fixtures::photoLikeImage(80, 60), QSize(16, 12)).size(), QSize(16, 12));
}

void TestResizePresets::stepRewritesUprightTiffWithMetadata()
{
    // Stored 1600 × 1200, shown turned a quarter: 1200 × 1600 upright.
    const QString photo = fixtures::writeJpeg(path(QStringLiteral("turned.jpg")), 1600, 1200,
                                              {QStringLiteral("-Orientation#=6"), QStringLiteral("-Make=Glimmer Optics"),
                                               QStringLiteral("-DateTimeOriginal=2020:02:02 12:00:00")});
    const QImage expected = fixtures::uprightByMagick(photo, path(QStringLiteral("turned-upright.png")))
                                .scaled(180, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(photoDisplaySize(photo), QSize(1200, 1600));

    const ResizeStepResult step = resizePhotosForRecompression({photo}, {QStringLiteral("320 x 240"), 0, 0});
    QVERIFY(step.proceed);
    QCOMPARE(step.paths, QStringList{photo});
    QVERIFY2(step.problems.isEmpty(), qPrintable(step.problems.value(0).reason));

    const QVariantMap tags = testsupport::exiftoolTags(photo);
    QCOMPARE(tags.value(QStringLiteral("File:FileType")).toString(), QStringLiteral("TIFF"));
    QCOMPARE(tags.value(QStringLiteral("IFD0:Compression")).toInt(), 1);
    QCOMPARE(tags.value(QStringLiteral("IFD0:Make")).toString(), QStringLiteral("Glimmer Optics"));
    QVERIFY(tags.value(QStringLiteral("IFD0:Orientation"), 1).toInt() == 1);
    const QImage result = fixtures::uprightByMagick(photo, path(QStringLiteral("turned-result.png")));
    QCOMPARE(result.size(), QSize(180, 240));
    const double difference = fixtures::meanDifference(result, expected);
    QVERIFY2(difference < 4.0, qPrintable(QString::number(difference)));
}

void TestResizePresets::customBelowOneDoesNothing()
{
    const QString photo = fixtures::writeJpeg(path(QStringLiteral("custom.jpg")), 300, 200);
    const QByteArray before = fixtures::readAll(photo);
    const ResizeStepResult step = resizePhotosForRecompression({photo}, {QStringLiteral("Custom"), 100, 0});
    QVERIFY(!step.proceed);
    QVERIFY(step.paths.isEmpty());
    QCOMPARE(fixtures::readAll(photo), before);
    QVERIFY(!resizePhotosForRecompression({}, {QStringLiteral("320 x 240"), 0, 0}).proceed);

    const ResizeStepResult custom = resizePhotosForRecompression({photo}, {QStringLiteral("Custom"), 100, 50});
    QVERIFY(custom.proceed);
    QCOMPARE(QImage(photo).size(), QSize(100, 50));
}

void TestResizePresets::unreadableFileGoesThroughUnchanged()
{
    const QString text = path(QStringLiteral("notes.jpg"));
    QVERIFY(fixtures::writeAll(text, "just words"));
    const QString photo = fixtures::writeJpeg(path(QStringLiteral("fine.jpg")), 400, 300);
    const ResizeStepResult step = resizePhotosForRecompression({text, photo}, {QStringLiteral("320 x 240"), 0, 0});
    QVERIFY(step.proceed);
    QCOMPARE(step.paths, (QStringList{text, photo}));
    QCOMPARE(step.problems.size(), 1);
    QCOMPARE(step.problems[0].path, text);
    QCOMPARE(fixtures::readAll(text), QByteArray("just words"));
    QCOMPARE(QImage(photo).size(), QSize(320, 240));
}

void TestResizePresets::dctScaledResizeMatchesFullDecode()
{
    const QImage picture = fixtures::photoLikeImage(3200, 2400, 4);
    const QString photo = path(QStringLiteral("large.jpg"));
    QVERIFY(fixtures::writeAll(photo, imageio::JpegCodec::encode(picture, 90)));
    const QImage full = resizeTo(imageio::JpegCodec::decode(fixtures::readAll(photo)).image, 320, 240);
    QVERIFY(resizePhotosForRecompression({photo}, {QStringLiteral("320 x 240"), 0, 0}).problems.isEmpty());
    const QImage scaled(photo);
    QCOMPARE(scaled.size(), QSize(320, 240));
    const double difference = fixtures::meanDifference(scaled, full);
    QVERIFY2(difference < 2.5, qPrintable(QString::number(difference)));
}

void TestResizePresets::resizeJobRecompressesInPlace()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("results"));
    const QString folder = path(QStringLiteral("results"));
    QStringList paths;
    for (int i = 0; i < 3; ++i)
        paths << fixtures::writeJpeg(folder + QStringLiteral("/r%1.jpg").arg(i), 1024, 768, {}, quint32(i));
    const ResizeStepResult step = resizePhotosForRecompression(paths, {QStringLiteral("640 x 480"), 0, 0});
    QVERIFY(step.proceed);
    QList<qint64> tiffSizes;
    for (const QString &p : step.paths)
        tiffSizes << QFileInfo(p).size();

    CompressionOptions options;
    options.bKeepOrigialPhoto = true;
    options.outputFolder = folder;
    CompressionJob job;
    QSignalSpy done(&job, &CompressionJob::succeeded);
    QVERIFY(job.start(CompressionJobKind::Resize, step.paths, options));
    QVERIFY(done.wait(60000));
    const auto report = done.first().first().value<CompressionReport>();
    QCOMPARE(report.entries.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(report.entries[i].restPath(), paths[i]);
        QCOMPARE(report.entries[i].orignalFileSize(), quint64(tiffSizes[i]));
        QVERIFY(fixtures::readAll(paths[i]).startsWith("\xFF\xD8"));
        QCOMPARE(QImage(paths[i]).size(), QSize(640, 480));
    }
    QVERIFY(report.savingPercent() > 80);
}

QTEST_MAIN(TestResizePresets)
#include "tst_resizepresets.moc"
