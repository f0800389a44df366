// SPDX-License-Identifier: GPL-3.0-or-later
// What a job writes where: unique outputs, new JPEGs for other formats, the Trash for
// replaced originals, metadata-free fallbacks, the pixel budget, subfolders and names
// that are no text.

#include "CompressFixtures.h"

#include "compress/BatchCompressor.h"
#include "compress/JobItems.h"
#include "imageio/JpegCodec.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

CompressionReport runBatch(const QList<compress::JobItem> &items, const CompressionOptions &options)
{
    BatchCompressor compressor(options);
    return compressor.run(CompressionJobKind::Files, items);
}

QList<compress::JobItem> itemsOf(const QStringList &paths)
{
    QList<compress::JobItem> items;
    for (const QString &path : paths)
        items.append({path, false});
    return items;
}

CompressionOptions into(const QString &folder, bool keepMetadata = false)
{
    CompressionOptions options;
    options.keepMetadata = keepMetadata;
    options.keepOriginalPhoto = !folder.isEmpty();
    options.outputFolder = folder;
    options.workers = 2;
    return options;
}

// A valid little JPEG whose header declares width × height: decoding it would allocate
// for the declared size.
QByteArray declaredSizeJpeg(int width, int height)
{
    QByteArray bytes = imageio::JpegCodec::encode(fixtures::photoLikeImage(64, 64), 80);
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

class TestBatchCompressor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void outputsNeverCollide();
    void otherFormatsBecomeNewJpegs_data();
    void otherFormatsBecomeNewJpegs();
    void largerResultKeepsTheSourcePixels_data();
    void largerResultKeepsTheSourcePixels();
    void inPlaceResultsReplaceTheOriginals_data();
    void inPlaceResultsReplaceTheOriginals();
    void tooLargeIsRefusedBeforeDecoding();
    void sharedBudgetStillFinishesEveryPhoto();
    void subfoldersKeepTheirPlace();
    void namesThatAreNoTextAreReported();

private:
    QString makeDir(const QString &name)
    {
        QDir(m_dir.path()).mkpath(name);
        return m_dir.filePath(name);
    }
    QTemporaryDir m_dir;
};

void TestBatchCompressor::initTestCase()
{
    // The Trash of these tests, on the same file system as their photos.
    qputenv("XDG_DATA_HOME", makeDir(QStringLiteral("data")).toUtf8());
}

void TestBatchCompressor::outputsNeverCollide()
{
    const QString out = makeDir(QStringLiteral("collide/out"));
    const QString a = fixtures::writeJpeg(makeDir(QStringLiteral("collide/a")) + QStringLiteral("/IMG_0001.JPG"), 400, 300);
    const QString b = fixtures::writeJpeg(makeDir(QStringLiteral("collide/b")) + QStringLiteral("/IMG_0001.JPG"), 400, 300,
                                          {}, 9);
    // The same photo again, by another spelling and through a link: handled once.
    const QString link = m_dir.filePath(QStringLiteral("collide/link.jpg"));
    QVERIFY(QFile::link(a, link));
    const QString again = m_dir.filePath(QStringLiteral("collide/a/../a/IMG_0001.JPG"));
    CompressionReport report = runBatch(itemsOf({a, b, again, link}), into(out));
    QCOMPARE(report.entries.size(), 2);
    QCOMPARE(report.entries[0].restPath(), out + QStringLiteral("/IMG_0001.JPG"));
    QCOMPARE(report.entries[1].restPath(), out + QStringLiteral("/IMG_0001 (2).JPG"));
    QVERIFY(fixtures::meanDifference(QImage(report.entries[0].restPath()), QImage(a)) < fixtures::SamePictureTolerance);
    QVERIFY(fixtures::meanDifference(QImage(report.entries[1].restPath()), QImage(b)) < fixtures::SamePictureTolerance);
    QCOMPARE(report.skipped.size(), 2);
    QCOMPARE(report.allFileSize, quint64(QFileInfo(a).size() + QFileInfo(b).size()));

    // Output folder = the photos' own folder: the sources stay, the results get new names.
    const QByteArray original = fixtures::readAll(a);
    report = runBatch(itemsOf({a}), into(QFileInfo(a).path()));
    QCOMPARE(report.entries.size(), 1);
    QCOMPARE(report.entries[0].restPath(), QFileInfo(a).path() + QStringLiteral("/IMG_0001 (2).JPG"));
    QCOMPARE(fixtures::readAll(a), original);
}

void TestBatchCompressor::otherFormatsBecomeNewJpegs_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("resize"); // a preset the photo already fits in, or none
    QTest::addColumn<bool>("keepMetadata");
    for (const char *suffix : {"tif", "webp", "gif", "bmp", "heic"})
        QTest::newRow(suffix) << QString::fromLatin1(suffix) << QString() << false;
    QTest::newRow("heic, Exif kept") << "heic" << QString() << true;
    // A new JPEG is kept whatever its size, so nothing would hide a photo made larger.
    QTest::newRow("bmp, never enlarged") << "bmp" << "1920 x 1080" << false;
}

void TestBatchCompressor::otherFormatsBecomeNewJpegs()
{
    QFETCH(QString, suffix);
    QFETCH(QString, resize);
    QFETCH(bool, keepMetadata);
    const QString folder = makeDir(QStringLiteral("formats/") + QTest::currentDataTag());
    const QString png = folder + QStringLiteral("/scratch.png");
    QVERIFY(fixtures::photoLikeImage(320, 240).save(png));
    const QString source = folder + QStringLiteral("/photo.") + suffix;
    QVERIFY(fixtures::magick({png, source}));
    QFile::remove(png);
    if (keepMetadata)
        fixtures::exiftool(source, {"-Make=Glimmer", "-DateTimeOriginal=2021:05:06 07:08:09"});
    // A JPEG of that name is already there: it is never replaced.
    const QString neighbour = fixtures::writeJpeg(folder + QStringLiteral("/photo.jpg"), 50, 50);
    const QByteArray sourceBytes = fixtures::readAll(source);
    const QByteArray neighbourBytes = fixtures::readAll(neighbour);

    // In place, as the riskiest case: the source must still never be replaced.
    CompressionOptions options = into(QString(), keepMetadata);
    if (!resize.isEmpty())
        options.resize = compress::ResizeRequest{resize};
    const CompressionReport report = runBatch(itemsOf({source}), options);
    QVERIFY2(report.failed.isEmpty() && report.unreadable.isEmpty(),
             qPrintable(report.failed.value(0).reason + report.unreadable.value(0).reason));
    QCOMPARE(report.entries.size(), 1);
    const QString result = folder + QStringLiteral("/photo (2).jpg");
    QCOMPARE(report.entries[0].restPath(), result);
    QCOMPARE(report.entries[0].fileName(), QStringLiteral("photo (2).jpg"));
    QCOMPARE(fixtures::readAll(source), sourceBytes);
    QCOMPARE(fixtures::readAll(neighbour), neighbourBytes);
    const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(fixtures::readAll(result));
    QVERIFY2(decoded.ok(), qPrintable(decoded.error));
    QCOMPARE(decoded.image.size(), QSize(320, 240));
    QVERIFY(fixtures::meanDifference(decoded.image, fixtures::photoLikeImage(320, 240)) < 2 * fixtures::SamePictureTolerance);
    const QVariantMap tags = testsupport::exiftoolTags(result);
    QCOMPARE(tags.value("IFD0:Make").toString(), keepMetadata ? QStringLiteral("Glimmer") : QString());
    QCOMPARE(tags.value("ExifIFD:DateTimeOriginal").toString(), keepMetadata ? "2021:05:06 07:08:09" : QString());
}

void TestBatchCompressor::largerResultKeepsTheSourcePixels_data()
{
    QTest::addColumn<bool>("keepMetadata");
    QTest::addColumn<bool>("inPlace");
    for (const bool keep : {false, true}) {
        QTest::addRow("metadata %s, to a folder", keep ? "kept" : "dropped") << keep << false;
        QTest::addRow("metadata %s, in place", keep ? "kept" : "dropped") << keep << true;
    }
}

void TestBatchCompressor::largerResultKeepsTheSourcePixels()
{
    // Already at the lowest quality: the result would be larger, so the source's own pixels
    // are kept: as they were when metadata is kept (in place not even rewritten, so not
    // trashed), else without the metadata the user asked to drop.
    QFETCH(bool, keepMetadata);
    QFETCH(bool, inPlace);
    const QString folder = makeDir(QStringLiteral("larger/") + QTest::currentDataTag());
    const QString name = QStringLiteral("low%1%2.jpg").arg(int(keepMetadata)).arg(int(inPlace));
    const QString source = folder + QLatin1Char('/') + name;
    // Pure noise survives quality 10 as noise, which quality 50 then spends more bytes on.
    QImage noise(900, 600, QImage::Format_RGB32);
    QRandomGenerator rng(5);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, rng.generate() | 0xFF000000u);
    QVERIFY(fixtures::writeAll(source, imageio::JpegCodec::encode(noise, 10)));
    fixtures::exiftool(source, {"-Make=Glimmer", "-GPSLatitude=48.1", "-GPSLatitudeRef=N",
                                "-XMP-dc:Creator=Someone", "-Orientation#=6", "-ColorSpace=Uncalibrated",
                                "-InteropIndex=R03"});
    const QByteArray original = fixtures::readAll(source);
    const QDateTime sourceTime = QFileInfo(source).lastModified();
    const QImage pixels = imageio::JpegCodec::decode(original).image;
    QVERIFY(imageio::JpegCodec::encode(pixels, 50).size() > original.size());
    const qsizetype warnings = testsupport::validationWarnings(source).size();

    const QString out = inPlace ? QString() : makeDir(QStringLiteral("larger/") + QTest::currentDataTag() + "/out");
    const CompressionReport report = runBatch(itemsOf({source}), into(out, keepMetadata));
    QCOMPARE(report.entries.size(), 1);
    const QString result = report.entries[0].restPath();
    QCOMPARE(result, inPlace ? source : out + QLatin1Char('/') + name);
    if (keepMetadata) {
        QCOMPARE(fixtures::readAll(result), original);
        QCOMPARE(QFileInfo(source).lastModified(), sourceTime);
        QCOMPARE(report.savedFileSize, quint64(0));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("data/Trash/files/") + name)));
        return;
    }
    const QVariantMap tags = testsupport::exiftoolTags(result);
    QVERIFY(!tags.contains(QStringLiteral("IFD0:Make")));
    QVERIFY(!tags.contains(QStringLiteral("GPS:GPSLatitude")));
    QVERIFY(!tags.contains(QStringLiteral("XMP-dc:Creator")));
    // Still shown upright and in Adobe RGB, pixels untouched.
    QCOMPARE(tags.value(QStringLiteral("IFD0:Orientation")).toInt(), 6);
    QCOMPARE(tags.value(QStringLiteral("InteropIFD:InteropIndex")).toString(), QStringLiteral("R03"));
    QCOMPARE(tags.value(QStringLiteral("ExifIFD:ColorSpace")).toInt(), 0xFFFF);
    QCOMPARE(imageio::JpegCodec::decode(fixtures::readAll(result)).image, pixels);
    QVERIFY(report.entries[0].restFileSize() < report.entries[0].originalFileSize());
    QVERIFY(testsupport::validationWarnings(result).size() <= warnings);
}

void TestBatchCompressor::inPlaceResultsReplaceTheOriginals_data()
{
    QTest::addColumn<bool>("throughTrash");
    QTest::newRow("original to the Trash") << true;
    QTest::newRow("original replaced") << false;
}

void TestBatchCompressor::inPlaceResultsReplaceTheOriginals()
{
    QFETCH(bool, throughTrash);
    const QString trash = m_dir.filePath(QStringLiteral("data/Trash"));
    const QString folder = makeDir(QStringLiteral("trash%1").arg(throughTrash));
    const QString name = QStringLiteral("t%1.jpg").arg(throughTrash);
    const QString photo = fixtures::writeJpeg(folder + QLatin1Char('/') + name, 900, 600, {"-Make=Glimmer"});
    const QByteArray original = fixtures::readAll(photo);
    CompressionOptions options = into(QString(), true);
    options.moveReplacedToTrash = throughTrash;
    const CompressionReport report = runBatch(itemsOf({photo}), options);
    QCOMPARE(report.entries.size(), 1);
    const ResultRow &entry = report.entries[0];
    QCOMPARE(entry.restPath(), photo);
    QCOMPARE(entry.originalFileSize(), quint64(original.size()));
    QCOMPARE(entry.restFileSize(), quint64(QFileInfo(photo).size()));
    QVERIFY(entry.restFileSize() < entry.originalFileSize());
    QCOMPARE(imageio::JpegCodec::decode(fixtures::readAll(photo)).image.size(), QSize(900, 600));
    QCOMPARE(testsupport::exiftoolTags(photo).value("IFD0:Make").toString(), QStringLiteral("Glimmer"));
    // Nothing but the photo in its folder: no temporary file left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    const QString inTrash = trash + QStringLiteral("/files/") + name;
    QCOMPARE(QFileInfo::exists(inTrash), throughTrash);
    if (!throughTrash)
        return;
    QCOMPARE(fixtures::readAll(inTrash), original);
    const QByteArray info = fixtures::readAll(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
    QVERIFY2(info.contains("Path=") && info.contains(name.toUtf8()), info.constData());
}

void TestBatchCompressor::tooLargeIsRefusedBeforeDecoding()
{
    const QString folder = makeDir(QStringLiteral("bomb"));
    const QString bomb = folder + QStringLiteral("/bomb.jpg");
    QVERIFY(fixtures::writeAll(bomb, declaredSizeJpeg(23170, 23170)));
    const QString fine = fixtures::writeJpeg(folder + QStringLiteral("/fine.jpg"), 200, 100);
    CompressionOptions options = into(makeDir(QStringLiteral("bomb/out")));
    CompressionReport report = runBatch(itemsOf({bomb, fine}), options);
    QCOMPARE(report.failed.size(), 1);
    QCOMPARE(report.failed[0].path, bomb);
    QVERIFY2(report.failed[0].reason.startsWith(QStringLiteral("too large")), qPrintable(report.failed[0].reason));
    QCOMPARE(report.entries.size(), 1);

    // Over the job's budget is refused the same way, whatever the per-photo cap.
    options.pixelBudget = 100 * 99;
    report = runBatch(itemsOf({fine}), options);
    QCOMPARE(report.failed.size(), 1);
    QVERIFY(report.failed[0].reason.startsWith(QStringLiteral("too large")));
}

void TestBatchCompressor::sharedBudgetStillFinishesEveryPhoto()
{
    // Room for one photo at a time on four workers: all are done, as with one worker.
    const QString folder = makeDir(QStringLiteral("budget"));
    QStringList photos;
    for (int i = 0; i < 6; ++i)
        photos << fixtures::writeJpeg(folder + QStringLiteral("/b%1.jpg").arg(i), 400, 300, {}, quint32(i));
    CompressionOptions narrow = into(makeDir(QStringLiteral("budget/narrow")));
    narrow.workers = 4;
    narrow.pixelBudget = 400 * 300;
    CompressionOptions single = into(makeDir(QStringLiteral("budget/single")));
    single.workers = 1;
    const CompressionReport a = runBatch(itemsOf(photos), narrow);
    const CompressionReport b = runBatch(itemsOf(photos), single);
    QCOMPARE(a.entries.size(), 6);
    QCOMPARE(a.savedFileSize, b.savedFileSize);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(fixtures::readAll(a.entries[i].restPath()), fixtures::readAll(b.entries[i].restPath()));
}

void TestBatchCompressor::subfoldersKeepTheirPlace()
{
    const QString in = makeDir(QStringLiteral("years/in"));
    fixtures::writeJpeg(in + QStringLiteral("/top.jpg"), 200, 150);
    QDir(in).mkpath(QStringLiteral("2019/summer"));
    QDir(in).mkpath(QStringLiteral(".cache"));
    fixtures::writeJpeg(in + QStringLiteral("/2019/summer/beach.jpg"), 200, 150, {}, 2);
    fixtures::writeJpeg(in + QStringLiteral("/.cache/thumb.jpg"), 20, 15);
    QList<compress::JobItem> items;
    QString error;
    QVERIFY(compress::expandJobItems(CompressionJobKind::Folder, {in}, &items, &error, true));
    const QString out = makeDir(QStringLiteral("years/out"));
    const CompressionReport report = runBatch(items, into(out));
    QCOMPARE(report.entries.size(), 2);
    QCOMPARE(report.entries[0].restPath(), out + QStringLiteral("/top.jpg"));
    QCOMPARE(report.entries[1].restPath(), out + QStringLiteral("/2019/summer/beach.jpg"));
    QVERIFY(QImage(out + QStringLiteral("/2019/summer/beach.jpg")).size() == QSize(200, 150));
    QCOMPARE(report.skipped.size(), 1); // the hidden folder
    QVERIFY(report.unreadable.isEmpty());
}

void TestBatchCompressor::namesThatAreNoTextAreReported()
{
    const QString folder = makeDir(QStringLiteral("latin1"));
    fixtures::writeJpeg(folder + QStringLiteral("/plain.jpg"), 200, 150);
    const QByteArray raw = QFile::encodeName(folder) + "/caf\xE9.jpg";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    const QByteArray bytes = fixtures::readAll(folder + QStringLiteral("/plain.jpg"));
    QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);
    // QTemporaryDir cannot remove a name it cannot spell.
    const auto unlink = qScopeGuard([&] { ::unlink(raw.constData()); });

    QList<compress::JobItem> items;
    QString error;
    QVERIFY(compress::expandJobItems(CompressionJobKind::Folder, {folder}, &items, &error));
    const CompressionReport report = runBatch(items, into(makeDir(QStringLiteral("latin1/out"))));
    QCOMPARE(report.entries.size(), 1);
    QCOMPARE(report.failed.size(), 1);
    QCOMPARE(report.failed[0].path, folder + QStringLiteral("/caf\\xe9.jpg"));
    QVERIFY(report.failed[0].reason.contains(QStringLiteral("UTF-8")));
}

QTEST_MAIN(TestBatchCompressor)
#include "tst_batchcompressor.moc"
