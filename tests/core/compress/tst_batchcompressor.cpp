// SPDX-License-Identifier: GPL-3.0-or-later
// What a job writes where: unique outputs, new JPEGs for other formats, the Trash for
// replaced originals, metadata-free fallbacks, the pixel budget and names that are no text.

#include "CompressFixtures.h"
#include "../metadata/EditorTestKit.h"

#include "compress/JobItems.h"
#include "imageio/JpegCodec.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using editortest::tagsDiffering;
using fixtures::makeDir;

class TestBatchCompressor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        // The Trash of these tests, on the same file system as their photos.
        qputenv("XDG_DATA_HOME", makeDir(m_dir, "data").toUtf8());
    }

    void outputsNeverCollide()
    {
        const QString out = makeDir(m_dir, "collide/out");
        const QString a = fixtures::writeJpeg(makeDir(m_dir, "collide/a") + "/IMG_0001.JPG", 400, 300);
        const QString b = fixtures::writeJpeg(makeDir(m_dir, "collide/b") + "/IMG_0001.JPG", 400, 300,
                                              {}, 9);
        // The same photo again, by another spelling and through a link: handled once.
        const QString link = m_dir.filePath("collide/link.jpg");
        QVERIFY(QFile::link(a, link));
        const QString again = m_dir.filePath("collide/a/../a/IMG_0001.JPG");
        auto report = fixtures::compressFiles({a, b, again, link}, fixtures::jobOptions(out, false));
        QCOMPARE(report.entries.value(0).restPath(), out + "/IMG_0001.JPG");
        QCOMPARE(report.entries.value(1).restPath(), out + "/IMG_0001 (2).JPG");
        for (int i = 0; i < 2; ++i)
            QVERIFY(fixtures::meanDifference(QImage(report.entries[i].restPath()), QImage(i == 0 ? a : b))
                    < fixtures::SamePictureTolerance);
        QCOMPARE(report.skipped.size(), 2);
        QCOMPARE(report.allFileSize, quint64(QFileInfo(a).size() + QFileInfo(b).size()));

        // Output folder = the photos' own folder: the sources stay, the results get new names.
        const QByteArray original = testsupport::readFile(a);
        report = fixtures::compressFiles({a}, fixtures::jobOptions(QFileInfo(a).path(), false));
        QCOMPARE(report.entries.value(0).restPath(), QFileInfo(a).path() + "/IMG_0001 (2).JPG");
        QCOMPARE(testsupport::readFile(a), original);
    }

    // Sources that are no JPEG become a new JPEG beside them at the fixed quality, looking as
    // the source does: an animation shows its first frame, transparency lies over white.
    void otherFormatsBecomeNewJpegs_data()
    {
        QTest::addColumn<QString>("source"); // empty when ImageMagick could not make it
        QTest::addColumn<QImage>("expected");
        QTest::addColumn<QString>("resize"); // a preset the photo already fits in, or none
        QTest::addColumn<bool>("keepMetadata");
        const QImage photo = fixtures::photoLikeImage(320, 240);
        const QString png = makeDir(m_dir, "formats") + "/photo.png";
        QVERIFY(photo.save(png));
        const auto row = [this](const char *tag, const char *suffix,
                                const QStringList &magickArgs) -> QTestData & {
            const QString source = makeDir(m_dir, QString("formats/%1").arg(tag)) + "/photo." + suffix;
            return QTest::newRow(tag)
                   << (fixtures::magick(magickArgs + QStringList{source}) ? source : QString());
        };
        for (const char *suffix : {"tif", "webp", "gif", "bmp", "heic"})
            row(suffix, suffix, {png}) << photo << QString() << false;
        row("heic, Exif kept", "heic", {png}) << photo << QString() << true;
        row("tif, Exif kept", "tif", {png}) << photo << QString() << true;
        row("webp, Exif kept", "webp", {png}) << photo << QString() << true;
        // A new JPEG is kept whatever its size, so nothing would hide a photo made larger.
        row("bmp, never enlarged", "bmp", {png}) << photo << "1920 x 1080" << false;

        QImage red(60, 40, QImage::Format_RGB32);
        red.fill(QColor(0xd0, 0x20, 0x20));
        row("animation", "gif", {"-delay", "20", "-size", "60x40", "xc:#d02020", "xc:#2040d0"})
            << red << QString() << false;
        QImage overWhite(100, 60, QImage::Format_RGB32);
        overWhite.fill(Qt::white);
        QPainter(&overWhite).fillRect(50, 0, 50, 60, QColor(0, 0, 200));
        row("transparency", "gif",
            {"-size", "100x60", "xc:none", "-fill", "#0000c8", "-draw", "rectangle 50,0 99,59"})
            << overWhite << QString() << false;
    }

    void otherFormatsBecomeNewJpegs()
    {
        QFETCH(QString, source);
        QFETCH(QImage, expected);
        QFETCH(QString, resize);
        QFETCH(bool, keepMetadata);
        QVERIFY(!source.isEmpty());
        const QString folder = QFileInfo(source).path();
        if (keepMetadata)
            fixtures::exiftool(source, {"-Make=Glimmer", "-DateTimeOriginal=2021:05:06 07:08:09"});
        // A JPEG of that name is already there: it is never replaced.
        const QString neighbour = fixtures::writeJpeg(folder + "/photo.jpg", 50, 50);
        const QByteArray sourceBytes = testsupport::readFile(source);
        const QByteArray neighbourBytes = testsupport::readFile(neighbour);

        // In place, as the riskiest case: the source must still never be replaced.
        CompressionOptions options = fixtures::jobOptions(QString(), keepMetadata);
        if (!resize.isEmpty())
            options.resize = compress::ResizeRequest{resize};
        const CompressionReport report = fixtures::compressFiles({source}, options);
        QVERIFY2(report.failed.isEmpty() && report.unreadable.isEmpty(),
                 qPrintable(report.failed.value(0).reason + report.unreadable.value(0).reason));
        const QString result = folder + "/photo (2).jpg";
        QCOMPARE(report.entries.value(0).restPath(), result);
        QCOMPARE(report.entries[0].fileName(), "photo (2).jpg");
        QCOMPARE(testsupport::readFile(source), sourceBytes);
        QCOMPARE(testsupport::readFile(neighbour), neighbourBytes);
        const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(testsupport::readFile(result));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), expected.size());
        const double difference = fixtures::meanDifference(decoded.image, expected);
        QVERIFY2(difference < 2 * fixtures::SamePictureTolerance, qPrintable(QString::number(difference)));
        // The program's encoder at the fixed factor: its tables, as ImageMagick estimates them.
        const QString reference = folder + "/reference.jpeg";
        QVERIFY(testsupport::writeFile(reference, imageio::JpegCodec::encode(expected, 50, {}, nullptr,
                                                                          imageio::JpegCodec::Quantisation::RateDistortion)));
        QCOMPARE(testsupport::run("/usr/bin/identify", {"-format", "%Q", result}),
                 testsupport::run("/usr/bin/identify", {"-format", "%Q", reference}));
        QVERIFY(QFile::remove(reference));
        const QVariantMap kept{{"IFD0:Make", "Glimmer"}, {"ExifIFD:DateTimeOriginal", "2021:05:06 07:08:09"}};
        QCOMPARE(tagsDiffering(result, keepMetadata ? kept : QVariantMap()), QString());
        // The Exif of another container, carried into a JPEG, still reads as a JPEG's should.
        QCOMPARE(testsupport::validationWarnings(result), QStringList());
        QCOMPARE(testsupport::exiftoolTags(result).value("File:ColorComponents").toInt(), 3);
    }

    void largerResultKeepsTheSourcePixels_data()
    {
        QTest::addColumn<bool>("keepMetadata");
        QTest::addColumn<bool>("inPlace");
        for (const bool keep : {false, true}) {
            QTest::addRow("metadata %s, to a folder", keep ? "kept" : "dropped") << keep << false;
            QTest::addRow("metadata %s, in place", keep ? "kept" : "dropped") << keep << true;
        }
    }

    void largerResultKeepsTheSourcePixels()
    {
        // Already at the lowest quality: the result would be larger, so the source's own pixels
        // are kept: as they were when metadata is kept (in place not even rewritten, so not
        // trashed), else without the metadata the user asked to drop.
        QFETCH(bool, keepMetadata);
        QFETCH(bool, inPlace);
        const QString folder = makeDir(m_dir, "larger/" + QString(QTest::currentDataTag()));
        const QString name = QStringLiteral("low%1%2.jpg").arg(int(keepMetadata)).arg(int(inPlace));
        const QString source = folder + '/' + name;
        // Pure noise survives quality 10 as noise, which quality 50 then spends more bytes on.
        const QByteArray noise = imageio::JpegCodec::encode(fixtures::noiseImage(900, 600, 5), 10);
        QVERIFY(testsupport::writeFile(source, noise));
        fixtures::exiftool(source, {"-Make=Glimmer", "-GPSLatitude=48.1", "-GPSLatitudeRef=N",
                                    "-XMP-dc:Creator=Someone", "-Orientation#=6", "-ColorSpace=Uncalibrated",
                                    "-InteropIndex=R03"});
        const QByteArray original = testsupport::readFile(source);
        const QDateTime sourceTime = QFileInfo(source).lastModified();
        const QImage pixels = imageio::JpegCodec::decode(original).image;
        QVERIFY(imageio::JpegCodec::encode(pixels, 50).size() > original.size());
        const qsizetype warnings = testsupport::validationWarnings(source).size();

        const QString out = inPlace ? QString() : makeDir(m_dir, folder + "/out");
        const auto report = fixtures::compressFiles({source}, fixtures::jobOptions(out, keepMetadata));
        const QString result = report.entries.value(0).restPath();
        QCOMPARE(result, inPlace ? source : out + '/' + name);
        if (keepMetadata) {
            QCOMPARE(testsupport::readFile(result), original);
            QCOMPARE(QFileInfo(source).lastModified(), sourceTime);
            QCOMPARE(report.savedFileSize, quint64(0));
            QVERIFY(!QFileInfo::exists(m_dir.filePath("data/Trash/files/" + name)));
            return;
        }
        // Still shown upright and in Adobe RGB, pixels untouched.
        QCOMPARE(tagsDiffering(result, {{"IFD0:Make", QVariant()}, {"GPS:GPSLatitude", QVariant()},
                                        {"XMP-dc:Creator", QVariant()}, {"IFD0:Orientation", 6},
                                        {"InteropIFD:InteropIndex", "R03"}, {"ExifIFD:ColorSpace", 0xFFFF}}),
                 QString());
        QCOMPARE(imageio::JpegCodec::decode(testsupport::readFile(result)).image, pixels);
        QVERIFY(report.entries[0].restFileSize() < report.entries[0].originalFileSize());
        QVERIFY(testsupport::validationWarnings(result).size() <= warnings);
    }

    // Refused photos fail alone, each with its reason: a name that is no text, and pixels past
    // the per-photo cap (found before decoding) or past the job's budget.
    void refusedPhotosFailAlone()
    {
        const QString folder = makeDir(m_dir, "refused");
        const QString fine = fixtures::writeJpeg(folder + "/fine.jpg", 200, 100);
        // A valid little JPEG declaring 23170 × 23170 pixels, which decoding would allocate.
        QByteArray bomb = imageio::JpegCodec::encode(fixtures::photoLikeImage(64, 64), 80);
        bomb.replace(bomb.indexOf("\xFF\xC0") + 5, 4, QByteArray::fromHex("5A825A82"));
        QVERIFY(testsupport::writeFile(folder + "/bomb.jpg", bomb));
        const QByteArray raw = QFile::encodeName(folder) + "/caf\xE9.jpg";
        const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
        QVERIFY(fd >= 0);
        const QByteArray bytes = testsupport::readFile(fine);
        QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        ::close(fd);
        // QTemporaryDir cannot remove a name it cannot spell.
        const auto unlink = qScopeGuard([&] { ::unlink(raw.constData()); });

        QList<compress::JobItem> items;
        QString error;
        QVERIFY(compress::expandJobItems(CompressionJobKind::Folder, {folder}, &items, &error));
        CompressionOptions options = fixtures::jobOptions(makeDir(m_dir, "refused/out"), false);
        CompressionReport report = BatchCompressor(options).run(CompressionJobKind::Files, items);
        QCOMPARE(report.entries.size(), 1);
        QMap<QString, QString> reasons;
        for (const CompressionProblem &problem : report.failed)
            reasons.insert(problem.path, problem.reason);
        QCOMPARE(reasons.keys(), (QStringList{folder + "/bomb.jpg", folder + "/caf\\xe9.jpg"}));
        QVERIFY2(reasons.first().startsWith("too large"), qPrintable(reasons.first()));
        QVERIFY(reasons.last().contains("UTF-8"));

        // Over the job's budget is refused the same way, whatever the per-photo cap.
        options.pixelBudget = 100 * 99;
        report = fixtures::compressFiles({fine}, options);
        QVERIFY(report.failed.value(0).reason.startsWith("too large"));
    }
};

QTEST_MAIN(TestBatchCompressor)
#include "tst_batchcompressor.moc"
