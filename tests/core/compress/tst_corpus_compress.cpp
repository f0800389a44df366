// SPDX-License-Identifier: GPL-3.0-or-later
// The compression job over the shared photo corpus: real camera files, every orientation,
// odd metadata and broken files. Skipped when GLIMMERSET_CORPUS is not a folder.

#include "CompressFixtures.h"

#include "compress/BatchCompressor.h"
#include "compress/JobItems.h"
#include "imageio/JpegCodec.h"
#include "imageio/Ssim.h"

#include <QColorSpace>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using imageio::JpegCodec;

namespace {

QString corpus()
{
    return qEnvironmentVariable("GLIMMERSET_CORPUS");
}

CompressionReport compressFolder(const QString &folder, const QString &out, bool keepMetadata)
{
    QList<compress::JobItem> items;
    compress::listFolder(folder, &items, nullptr);
    return BatchCompressor(fixtures::jobOptions(out, keepMetadata, 0)).run(CompressionJobKind::Folder, items);
}

} // namespace

class TestCorpusCompress : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFileInfo(corpus()).isDir())
            QSKIP("GLIMMERSET_CORPUS is not set to the photo corpus");
    }

    void everyOrientationDisplaysUpright_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("metadata kept") << true;
        QTest::newRow("metadata dropped") << false;
    }

    void everyOrientationDisplaysUpright()
    {
        QFETCH(bool, keep);
        const QString in = corpus() + "/orientation";
        const QString out = m_dir.filePath(keep ? "o-keep" : "o-drop");
        const CompressionReport report = compressFolder(in, out, keep);
        QCOMPARE(report.entries.size(), QDir(in).entryList(QDir::Files).size());
        QVERIFY(report.unreadable.isEmpty());
        for (const ResultRow &entry : report.entries) {
            const QImage expected = fixtures::uprightByMagick(entry.originalPath(), m_dir.filePath("e.png"));
            const QImage actual = fixtures::uprightByMagick(entry.restPath(), m_dir.filePath("a.png"));
            const double difference = fixtures::meanDifference(actual, expected);
            QVERIFY2(difference >= 0 && difference < fixtures::SamePictureTolerance,
                     qPrintable(entry.fileName() + ": " + QString::number(difference)));
            QVERIFY(entry.restFileSize() <= entry.originalFileSize());
        }
    }

    void cameraMetadataSurvives()
    {
        const QString in = corpus() + "/camera";
        const QString out = m_dir.filePath("camera");
        const CompressionReport report = compressFolder(in, out, true);
        QVERIFY(report.unreadable.isEmpty());
        QVERIFY(report.savedFileSize * 100 > report.allFileSize * 30);
        for (const ResultRow &entry : report.entries) {
            const QVariantMap before = testsupport::exiftoolTags(entry.originalPath());
            const QVariantMap after = testsupport::exiftoolTags(entry.restPath());
            for (const char *tag : {"IFD0:Make", "IFD0:Model", "ExifIFD:DateTimeOriginal", "GPS:GPSLatitude",
                                    "IPTC:Keywords", "IPTC:Caption-Abstract"}) {
                const QString key = QLatin1String(tag);
                QVERIFY2(before.value(key) == after.value(key), qPrintable(entry.fileName() + " " + key + ": "
                                    + before.value(key).toString() + " became "
                                    + after.value(key).toString()));
            }
        }
    }

    // The encoder's reason to exist: on camera photos it needs fewer bytes than libjpeg's
    // standard tables at quality 50 for a mean similarity at least as high (bench/compress
    // measures the margin; this holds a floor under it).
    void fewerBytesThanLibjpegAtTheSameSimilarity()
    {
        qint64 ours = 0, libjpeg = 0;
        double oursSsim = 0, libjpegSsim = 0;
        int count = 0;
        for (const char *folder : {"camera", "large", "makernotes"}) {
            const QDir dir(corpus() + '/' + folder);
            for (const QString &name : dir.entryList({"*.jpg", "*.JPG"}, QDir::Files)) {
                const JpegCodec::Decoded source = JpegCodec::decode(testsupport::readFile(dir.filePath(name)));
                const qint64 pixels = qint64(source.image.width()) * source.image.height();
                if (!source.ok() || pixels < 250'000 || pixels > 4'000'000)
                    continue;
                for (const bool rateDistortion : {true, false}) {
                    const QByteArray bytes = JpegCodec::encode(source.image, 50, {}, nullptr,
                                                               rateDistortion ? JpegCodec::Quantisation::RateDistortion
                                                                              : JpegCodec::Quantisation::Rounded);
                    const double similarity = ssim::meanSsim(source.image, JpegCodec::decode(bytes).image);
                    (rateDistortion ? ours : libjpeg) += bytes.size();
                    (rateDistortion ? oursSsim : libjpegSsim) += similarity;
                }
                ++count;
            }
        }
        QVERIFY(count >= 30);
        QVERIFY2(oursSsim >= libjpegSsim, qPrintable(QString("SSIM %1 against %2").arg(oursSsim / count).arg(libjpegSsim / count)));
        QVERIFY2(ours * 100 < libjpeg * 95, qPrintable(QString("%1 bytes against %2").arg(ours).arg(libjpeg)));
    }

    void cmykPressPhotoKeepsItsColours()
    {
        // CMYK with a press profile split over many segments: the result is RGB and looks as a
        // colour-managed viewer shows the source.
        const QString source = corpus() + "/metadata/Multiple_ICC_segments.jpg";
        const QString out = m_dir.filePath("press");
        const CompressionReport report = BatchCompressor(fixtures::jobOptions(out, true, 0))
                                             .run(CompressionJobKind::Files, {{source, false}});
        QCOMPARE(report.entries.size(), 1);
        const QString srgb = m_dir.filePath("srgb.icc");
        QVERIFY(testsupport::writeFile(srgb, QColorSpace(QColorSpace::SRgb).iccProfile()));
        const QString reference = m_dir.filePath("press-ref.png");
        QVERIFY(fixtures::magick({source, "-profile", srgb, reference}));
        const QString result = report.entries[0].restPath();
        QCOMPARE(testsupport::exiftoolTags(result).value("File:ColorComponents").toInt(), 3);
        const double difference = fixtures::meanDifference(QImage(result), QImage(reference));
        QVERIFY2(difference >= 0 && difference < fixtures::SamePictureTolerance,
                 qPrintable(QString::number(difference)));
    }

    void brokenFilesAreSkippedOrWhole()
    {
        const QString in = corpus() + "/broken";
        const QString out = m_dir.filePath("broken");
        const CompressionReport report = compressFolder(in, out, true);
        // A second run writes the same bytes: a reader that leaves pixels of broken data
        // unset must not let stray memory into the results.
        const CompressionReport again = compressFolder(in, out + "-again", true);
        QCOMPARE(again.entries.size(), report.entries.size());
        for (qsizetype i = 0; i < report.entries.size(); ++i)
            QVERIFY2(testsupport::readFile(again.entries[i].restPath())
                         == testsupport::readFile(report.entries[i].restPath()),
                     qPrintable(report.entries[i].fileName()));
        QCOMPARE(report.entries.size() + report.unreadable.size() + report.failed.size()
                     + report.skipped.size(),
                 qsizetype(report.total));
        QVERIFY(report.unreadable.size() >= 5);
        for (const ResultRow &entry : report.entries)
            QVERIFY2(!QImage(entry.restPath()).isNull(), qPrintable(entry.fileName()));
        for (const CompressionProblem &problem : report.unreadable)
            QVERIFY(!QFileInfo::exists(out + '/' + QFileInfo(problem.path).fileName()));
    }
};

QTEST_MAIN(TestCorpusCompress)
#include "tst_corpus_compress.moc"
