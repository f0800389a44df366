// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli compress: the table, the savings line, options, errors, and no damage
// when the process is killed half way.

#include "../core/compress/CompressFixtures.h"

#include "TestSupport.h"
#include "compress/SizeText.h"
#include "imageio/JpegCodec.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Result {
    int status = -1;
    QStringList lines;
    QByteArray err;
};

class CliCompressTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void printsRowsThenSavingsLine();
    void defaultsComeFromSettings();
    void metadataOptions();
    void inPlaceReplacesSources_data();
    void inPlaceReplacesSources();
    void problemsAreListedAndFailTheRun();
    void oddNamesArePrintedEscaped();
    void folderSkipsHiddenAndListsUnreadable();
    void resizeRecompressesTheResults();
    void workerCountDoesNotChangeTheOutput();
    void badArgumentsWriteNothing_data();
    void badArgumentsWriteNothing();
    void killedMidwayLeavesNoBrokenPhoto();
    void killedResizeLeavesWholePhotos();

private:
    Result runCli(const QStringList &args);
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString mkdir(const QString &name) const
    {
        QDir(m_dir->path()).mkpath(name);
        return path(name);
    }
    QProcessEnvironment environment() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

QProcessEnvironment CliCompressTest::environment() const
{
    // The child's settings and default Output folder live in this test's own home.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("home/.config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("home/.local/share")));
    return env;
}

Result CliCompressTest::runCli(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(testsupport::cli(), QStringList{QStringLiteral("compress")} + args);
    p.waitForFinished(180000);
    Result r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.err = p.readAllStandardError();
    return r;
}

void CliCompressTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    mkdir(QStringLiteral("home/.config"));
}

void CliCompressTest::printsRowsThenSavingsLine()
{
    const QString a = fixtures::writeJpeg(mkdir(QStringLiteral("in")) + QStringLiteral("/a.jpg"), 800, 600);
    const QString b = fixtures::writeJpeg(path(QStringLiteral("in/b.jpg")), 640, 480, {}, 2);
    const QString out = path(QStringLiteral("out"));
    const Result r = runCli({QStringLiteral("--output"), out, a, b});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.size(), 3);
    const QStringList row = r.lines[0].split(QLatin1Char('\t'));
    QCOMPARE(row.size(), 4);
    QCOMPARE(row[0], QStringLiteral("a.jpg"));
    QCOMPARE(row[1], compress::sizeText(quint64(QFileInfo(a).size())));
    QCOMPARE(row[2], compress::sizeText(quint64(QFileInfo(out + QStringLiteral("/a.jpg")).size())));
    QCOMPARE(row[3], compress::savingPercentText(QFileInfo(a).size(), QFileInfo(out + QStringLiteral("/a.jpg")).size()));
    QVERIFY(r.lines[1].startsWith(QStringLiteral("b.jpg\t")));
    const quint64 all = quint64(QFileInfo(a).size() + QFileInfo(b).size());
    const quint64 rest = quint64(QFileInfo(out + QStringLiteral("/a.jpg")).size() + QFileInfo(out + QStringLiteral("/b.jpg")).size());
    QCOMPARE(r.lines[2], compress::finishText(all - rest, all));
    // The sources are untouched.
    QVERIFY(QImage(a).size() == QSize(800, 600));
}

void CliCompressTest::defaultsComeFromSettings()
{
    const QString photo = fixtures::writeJpeg(mkdir(QStringLiteral("in")) + QStringLiteral("/d.jpg"), 320, 240,
                                              {QStringLiteral("-Make=Glimmer")});
    // No settings: the default Output folder in the home, created; metadata dropped.
    Result r = runCli({photo});
    QCOMPARE(r.status, 0);
    const QString fallback = path(QStringLiteral("home/Pictures/Glimmerset/d.jpg"));
    QVERIFY(QFileInfo::exists(fallback));
    QVERIFY(!testsupport::exiftoolTags(fallback).contains(QStringLiteral("IFD0:Make")));

    // Settings in place: their Output folder and their keep-metadata choice.
    {
        QSettings settings(path(QStringLiteral("home/.config/Vantoric/Glimmerset.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("PhotoLocatoin"), path(QStringLiteral("chosen/place")));
        settings.setValue(QStringLiteral("bkeepMetadata"), true);
    }
    r = runCli({photo});
    QCOMPARE(r.status, 0);
    const QString chosen = path(QStringLiteral("chosen/place/d.jpg"));
    QVERIFY(QFileInfo::exists(chosen));
    QCOMPARE(testsupport::exiftoolTags(chosen).value(QStringLiteral("IFD0:Make")).toString(), QStringLiteral("Glimmer"));
}

void CliCompressTest::metadataOptions()
{
    const QString photo = fixtures::writeJpeg(mkdir(QStringLiteral("in")) + QStringLiteral("/m.jpg"), 320, 240,
                                              {QStringLiteral("-Make=Glimmer"), QStringLiteral("-GPSLatitude=10"),
                                               QStringLiteral("-GPSLatitudeRef=N")});
    QCOMPARE(runCli({QStringLiteral("--keep-metadata"), QStringLiteral("--output"), path(QStringLiteral("k")), photo}).status, 0);
    QCOMPARE(runCli({QStringLiteral("--strip-metadata"), QStringLiteral("--output"), path(QStringLiteral("s")), photo}).status, 0);
    const QVariantMap kept = testsupport::exiftoolTags(path(QStringLiteral("k/m.jpg")));
    const QVariantMap stripped = testsupport::exiftoolTags(path(QStringLiteral("s/m.jpg")));
    QCOMPARE(kept.value(QStringLiteral("IFD0:Make")).toString(), QStringLiteral("Glimmer"));
    QVERIFY(kept.contains(QStringLiteral("GPS:GPSLatitude")));
    QVERIFY(!stripped.contains(QStringLiteral("IFD0:Make")));
    QVERIFY(!stripped.contains(QStringLiteral("GPS:GPSLatitude")));
}

void CliCompressTest::inPlaceReplacesSources_data()
{
    QTest::addColumn<bool>("noTrash");
    QTest::addColumn<bool>("resize");
    QTest::newRow("to the Trash") << false << false;
    QTest::newRow("--no-trash") << true << false;
    // Scaled from the original in one pass: the Trash gets the original and nothing else.
    QTest::newRow("--resize") << false << true;
}

void CliCompressTest::inPlaceReplacesSources()
{
    QFETCH(bool, noTrash);
    QFETCH(bool, resize);
    const QString folder = mkdir(QStringLiteral("inplace"));
    const QString photo = fixtures::writeJpeg(folder + QStringLiteral("/p.jpg"), 900, 600);
    const QByteArray original = fixtures::readAll(photo);
    QStringList args{QStringLiteral("--in-place"), photo};
    if (noTrash)
        args.prepend(QStringLiteral("--no-trash"));
    if (resize)
        args << QStringLiteral("--resize") << QStringLiteral("300x300");
    const Result r = runCli(args);
    QCOMPARE(r.status, 0);
    QVERIFY(QFileInfo(photo).size() < original.size());
    QCOMPARE(QImage(photo).size(), resize ? QSize(300, 200) : QSize(900, 600));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.jpg")});
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("home/Pictures/Glimmerset"))));
    // The original can be restored from the Trash, where the desktop looks for it.
    const QString trash = path(QStringLiteral("home/.local/share/Trash"));
    QCOMPARE(fixtures::readAll(trash + QStringLiteral("/files/p.jpg")), noTrash ? QByteArray() : original);
    QCOMPARE(QDir(trash + QStringLiteral("/files")).entryList(QDir::Files | QDir::Hidden),
             noTrash ? QStringList() : QStringList{QStringLiteral("p.jpg")});
    QCOMPARE(QFileInfo::exists(trash + QStringLiteral("/info/p.jpg.trashinfo")), !noTrash);
}

void CliCompressTest::problemsAreListedAndFailTheRun()
{
    const QString folder = mkdir(QStringLiteral("trouble"));
    const QString fine = fixtures::writeJpeg(folder + QStringLiteral("/fine.jpg"), 400, 300);
    // Already at the lowest quality, with metadata: stripping must still remove it.
    const QString low = folder + QStringLiteral("/low.jpg");
    QVERIFY(fixtures::writeAll(low, imageio::JpegCodec::encode(fixtures::photoLikeImage(300, 200), 10)));
    fixtures::exiftool(low, {QStringLiteral("-Make=Glimmer"), QStringLiteral("-GPSLatitude=48.1"),
                             QStringLiteral("-GPSLatitudeRef=N")});
    // A decompression bomb: a tiny file declaring 23170 × 23170 pixels.
    QByteArray bomb = imageio::JpegCodec::encode(fixtures::photoLikeImage(64, 64), 80);
    const qsizetype sof = bomb.indexOf("\xFF\xC0");
    bomb.replace(sof + 5, 4, QByteArray::fromHex("5A825A82"));
    QVERIFY(fixtures::writeAll(folder + QStringLiteral("/bomb.jpg"), bomb));
    // A name that is not UTF-8, as an old camera card or archive may carry.
    const QByteArray photoBytes = fixtures::readAll(fine);
    const QByteArray rawName = QFile::encodeName(folder) + "/caf\xE9.jpg";
    const int fd = ::open(rawName.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, photoBytes.constData(), size_t(photoBytes.size())), ssize_t(photoBytes.size()));
    ::close(fd);
    // QTemporaryDir cannot remove a name it cannot spell.
    const auto unlink = qScopeGuard([&] { ::unlink(rawName.constData()); });

    const QString out = path(QStringLiteral("out"));
    QProcess p;
    p.setProcessEnvironment(environment());
    // Peak memory of the run, in KB, from the system's own accounting.
    p.start(QStringLiteral("/usr/bin/time"),
            {QStringLiteral("-f"), QStringLiteral("maxrss %M"), testsupport::cli(), QStringLiteral("compress"),
             QStringLiteral("--strip-metadata"), QStringLiteral("--output"), out, folder, fine});
    QVERIFY(p.waitForFinished(120000));
    const QString output = QString::fromUtf8(p.readAllStandardOutput());
    const QString errors = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(errors.contains(folder + QStringLiteral("/bomb.jpg: not written: too large")), qPrintable(errors));
    QVERIFY2(errors.contains(QStringLiteral("caf\\xe9.jpg: not written: the file name is not valid UTF-8")),
             qPrintable(errors));
    QVERIFY2(output.contains(QStringLiteral("skipped\t") + fine + QStringLiteral("\tgiven more than once")),
             qPrintable(output));
    const qint64 maxKb = QRegularExpression(QStringLiteral("maxrss (\\d+)")).match(errors).captured(1).toLongLong();
    QVERIFY2(maxKb > 0 && maxKb < 400 * 1024, qPrintable(errors));

    const QVariantMap tags = testsupport::exiftoolTags(out + QStringLiteral("/low.jpg"));
    QVERIFY(!tags.isEmpty());
    QVERIFY(!tags.contains(QStringLiteral("IFD0:Make")));
    QVERIFY(!tags.contains(QStringLiteral("GPS:GPSLatitude")));

    // An Output folder that is the photos' own folder never replaces a source.
    const QByteArray before = fixtures::readAll(fine);
    QCOMPARE(runCli({QStringLiteral("--output"), folder, fine}).status, 0);
    QCOMPARE(fixtures::readAll(fine), before);
    QVERIFY(QImage(folder + QStringLiteral("/fine (2).jpg")).size() == QSize(400, 300));
}

void CliCompressTest::oddNamesArePrintedEscaped()
{
    // A newline would split the row in two, an escape sequence would turn the terminal red.
    const QString folder = mkdir(QStringLiteral("odd"));
    fixtures::writeJpeg(folder + QStringLiteral("/a\nb\x1b[31m.jpg"), 64, 48);
    const Result r = runCli({QStringLiteral("--output"), path(QStringLiteral("out")), folder});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.size(), 2);
    QVERIFY2(r.lines[0].startsWith(QStringLiteral("a\\nb\\x1b[31m.jpg\t")), qPrintable(r.lines[0]));

    // A name given in bytes that are not UTF-8 is there, but cannot be named back.
    QProcess p;
    p.setProcessEnvironment(environment());
    p.setWorkingDirectory(folder);
    // The shell makes the name; QTemporaryDir could not remove it, so the shell does.
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"),
                                         QStringLiteral("n=\"$(printf 'caf\\351.jpg')\"; printf x > \"$n\"; "
                                                        "\"$0\" compress --in-place \"$n\"; s=$?; rm -f \"$n\"; exit $s"),
                                         testsupport::cli()});
    QVERIFY(p.waitForFinished(60000));
    const QString errors = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 2);
    QVERIFY2(errors.contains(QStringLiteral("caf\\xe9.jpg: the file name is not valid UTF-8")), qPrintable(errors));
}

void CliCompressTest::folderSkipsHiddenAndListsUnreadable()
{
    const QString folder = mkdir(QStringLiteral("album"));
    fixtures::writeJpeg(folder + QStringLiteral("/.thumb.jpg"), 64, 64);
    fixtures::writeJpeg(folder + QStringLiteral("/one.jpg"), 400, 300);
    QVERIFY(fixtures::writeAll(folder + QStringLiteral("/readme.txt"), "words"));
    QDir(folder).mkdir(QStringLiteral("nested"));
    const QString out = path(QStringLiteral("out"));
    Result r = runCli({QStringLiteral("--output"), out, folder});
    // Non-photos inside a folder are reported, not an error.
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.size(), 5);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("one.jpg\t")));
    QCOMPARE(r.lines[1], QStringLiteral("skipped\t") + folder + QStringLiteral("/.thumb.jpg\thidden name"));
    QVERIFY(r.lines[2].startsWith(QStringLiteral("could not read\t") + folder + QStringLiteral("/nested")));
    QVERIFY(r.lines[3].startsWith(QStringLiteral("could not read\t") + folder + QStringLiteral("/readme.txt")));
    QVERIFY(r.lines[4].startsWith(QStringLiteral("Save  ")));
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("one.jpg")});

    // A photo in a folder that cannot be read fails the run, even with nothing else there.
    const QString damaged = mkdir(QStringLiteral("damaged"));
    QVERIFY(fixtures::writeAll(damaged + QStringLiteral("/cut.jpg"), fixtures::readAll(folder + QStringLiteral("/one.jpg")).left(40)));
    r = runCli({QStringLiteral("--output"), out, damaged});
    QCOMPARE(r.status, 1);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("could not read\t") + damaged + QStringLiteral("/cut.jpg")));

    // A file named on the command line that is no photo fails the run; the rest is done.
    r = runCli({QStringLiteral("--output"), out, folder + QStringLiteral("/readme.txt"), folder + QStringLiteral("/one.jpg")});
    QCOMPARE(r.status, 1);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("one.jpg\t")));
}

void CliCompressTest::resizeRecompressesTheResults()
{
    const QString landscape = fixtures::writeJpeg(mkdir(QStringLiteral("in")) + QStringLiteral("/wide.jpg"), 1600, 1200);
    const QString upright = fixtures::writeJpeg(path(QStringLiteral("in/tall.jpg")), 900, 1200, {}, 3);
    const QString out = path(QStringLiteral("out"));
    Result r = runCli({QStringLiteral("--resize"), QStringLiteral("320 x 240"), QStringLiteral("--output"), out,
                         landscape, upright});
    QCOMPARE(r.status, 0);
    QVERIFY(r.lines.contains(QStringLiteral("resized to 320 x 240:")));
    QVERIFY(r.lines.last().startsWith(QStringLiteral("Save  ")));
    QCOMPARE(QImage(out + QStringLiteral("/wide.jpg")).size(), QSize(320, 240));
    QCOMPARE(QImage(out + QStringLiteral("/tall.jpg")).size(), QSize(180, 240));
    QVERIFY(fixtures::readAll(out + QStringLiteral("/tall.jpg")).startsWith("\xFF\xD8"));

    // "WxH" fits inside keeping the proportions, "WxH!" stretches.
    r = runCli({QStringLiteral("--resize"), QStringLiteral("100x50"), QStringLiteral("--output"), out, landscape});
    QCOMPARE(r.status, 0);
    QCOMPARE(QImage(out + QStringLiteral("/wide.jpg")).size(), QSize(67, 50));
    r = runCli({QStringLiteral("--resize"), QStringLiteral("100x50!"), QStringLiteral("--output"), out, landscape});
    QCOMPARE(r.status, 0);
    QCOMPARE(QImage(out + QStringLiteral("/wide.jpg")).size(), QSize(100, 50));
}

void CliCompressTest::workerCountDoesNotChangeTheOutput()
{
    const QString folder = mkdir(QStringLiteral("many"));
    for (int i = 0; i < 8; ++i)
        fixtures::writeJpeg(folder + QStringLiteral("/w%1.jpg").arg(i), 300 + 37 * i, 200 + 11 * i, {}, quint32(i));
    const Result one = runCli({QStringLiteral("--jobs"), QStringLiteral("1"), QStringLiteral("--output"),
                                 path(QStringLiteral("o1")), folder});
    const Result three = runCli({QStringLiteral("--jobs"), QStringLiteral("3"), QStringLiteral("--output"),
                                   path(QStringLiteral("o3")), folder});
    QCOMPARE(one.status, 0);
    QCOMPARE(three.lines, one.lines);
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("/w%1.jpg").arg(i);
        QCOMPARE(fixtures::readAll(path(QStringLiteral("o3")) + name), fixtures::readAll(path(QStringLiteral("o1")) + name));
    }
}

void CliCompressTest::badArgumentsWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no paths") << QStringList{} << "no photos or folders";
    QTest::newRow("unknown option") << QStringList{"--fast", "PHOTO"} << "unknown option --fast";
    QTest::newRow("missing path") << QStringList{"PHOTO", "MISSING"} << "no such file";
    QTest::newRow("both metadata choices") << QStringList{"--keep-metadata", "--strip-metadata", "PHOTO"} << "exclude";
    QTest::newRow("output and in place") << QStringList{"--in-place", "--output", "OUT", "PHOTO"} << "exclude";
    QTest::newRow("jobs zero") << QStringList{"--jobs", "0", "PHOTO"} << "--jobs";
    QTest::newRow("jobs words") << QStringList{"--jobs", "many", "PHOTO"} << "--jobs";
    QTest::newRow("jobs without value") << QStringList{"PHOTO", "--jobs"} << "needs a value";
    QTest::newRow("resize zero") << QStringList{"--resize", "100x0", "PHOTO"} << "--resize";
    QTest::newRow("resize words") << QStringList{"--resize", "big", "PHOTO"} << "--resize";
    QTest::newRow("output is a file") << QStringList{"--output", "PHOTO", "PHOTO"} << "cannot write";
}

void CliCompressTest::badArgumentsWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString photo = fixtures::writeJpeg(mkdir(QStringLiteral("in")) + QStringLiteral("/x.jpg"), 200, 100);
    const QByteArray before = fixtures::readAll(photo);
    args.replaceInStrings(QStringLiteral("PHOTO"), photo);
    args.replaceInStrings(QStringLiteral("MISSING"), path(QStringLiteral("in/nope.jpg")));
    args.replaceInStrings(QStringLiteral("OUT"), path(QStringLiteral("out")));
    const Result r = runCli(args);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
    QVERIFY(r.err.startsWith("glimmerset-cli compress: "));
    QVERIFY(r.lines.isEmpty());
    QCOMPARE(fixtures::readAll(photo), before);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("home/Pictures"))));
}

void CliCompressTest::killedMidwayLeavesNoBrokenPhoto()
{
    const QString folder = mkdir(QStringLiteral("victims"));
    QMap<QString, QByteArray> originals;
    for (int i = 0; i < 24; ++i) {
        const QString p = fixtures::writeJpeg(folder + QStringLiteral("/v%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 1600, 1200,
                                              {}, quint32(i));
        originals.insert(p, fixtures::readAll(p));
    }
    QProcess p;
    p.setProcessEnvironment(environment());
    // Without the Trash step: a kill between trashing and committing would leave the
    // photo in the Trash only, which this test does not look for.
    p.start(testsupport::cli(), {QStringLiteral("compress"), QStringLiteral("--in-place"), QStringLiteral("--no-trash"),
                                 QStringLiteral("--jobs"), QStringLiteral("2"), folder});
    QVERIFY(p.waitForStarted());
    // Killed as soon as the first photos are being replaced.
    QTRY_VERIFY_WITH_TIMEOUT(p.canReadLine(), 60000);
    p.kill();
    p.waitForFinished();

    int replaced = 0;
    for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
        const QByteArray now = fixtures::readAll(it.key());
        if (now == it.value())
            continue;
        ++replaced;
        // A replaced photo is a whole JPEG that decodes to the end.
        const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(now);
        QVERIFY2(decoded.ok(), qPrintable(it.key() + QStringLiteral(": ") + decoded.error));
        QCOMPARE(decoded.image.size(), QSize(1600, 1200));
    }
    QVERIFY(replaced >= 1);
    QVERIFY(replaced < originals.size());
    // No temporary or partial file is left next to the photos.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), originals.size());
}

void CliCompressTest::killedResizeLeavesWholePhotos()
{
    const QString folder = mkdir(QStringLiteral("big"));
    for (int i = 0; i < 16; ++i)
        fixtures::writeJpeg(folder + QStringLiteral("/r%1.jpg").arg(i, 2, 10, QLatin1Char('0')), 1600, 1200, {},
                            quint32(i));
    const QString out = path(QStringLiteral("out"));
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(testsupport::cli(), {QStringLiteral("compress"), QStringLiteral("--resize"), QStringLiteral("320 x 240"),
                                 QStringLiteral("--jobs"), QStringLiteral("2"), QStringLiteral("--output"), out, folder});
    QVERIFY(p.waitForStarted());
    // Killed once the first photo of the resize has been written.
    QByteArray seen;
    // 16 rows and the savings line of the compression, the "resized to" line, then a row.
    QTRY_VERIFY_WITH_TIMEOUT((seen += p.readAllStandardOutput(), seen.count('\n') > 18), 120000);
    p.kill();
    p.waitForFinished();

    int resized = 0;
    const QStringList results = QDir(out).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(results.size(), 16); // no temporary file left behind
    for (const QString &name : results) {
        const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(fixtures::readAll(out + QLatin1Char('/') + name));
        QVERIFY2(decoded.ok(), qPrintable(name + QStringLiteral(": ") + decoded.error));
        if (decoded.image.size() == QSize(320, 240))
            ++resized;
        else
            QCOMPARE(decoded.image.size(), QSize(1600, 1200));
    }
    QVERIFY(resized >= 1);
}

} // namespace

QTEST_MAIN(CliCompressTest)
#include "tst_cli_compress.moc"
