// glimmerset-cli compress: the table, the savings line, options, errors, and no damage
// when the process is killed half way.

#include "../core/compress/CompressFixtures.h"

#include "TestSupport.h"
#include "compress/SizeText.h"
#include "imageio/JpegCodec.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

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
    void inPlaceReplacesSources();
    void folderSkipsHiddenAndListsUnreadable();
    void resizeRecompressesTheResults();
    void workerCountDoesNotChangeTheOutput();
    void badArgumentsWriteNothing_data();
    void badArgumentsWriteNothing();
    void killedMidwayLeavesNoBrokenPhoto();

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

void CliCompressTest::inPlaceReplacesSources()
{
    const QString folder = mkdir(QStringLiteral("inplace"));
    const QString photo = fixtures::writeJpeg(folder + QStringLiteral("/p.jpg"), 900, 600);
    const qint64 before = QFileInfo(photo).size();
    const Result r = runCli({QStringLiteral("--in-place"), photo});
    QCOMPARE(r.status, 0);
    QVERIFY(QFileInfo(photo).size() < before);
    QCOMPARE(QImage(photo).size(), QSize(900, 600));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.jpg")});
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("home/Pictures/Glimmerset"))));
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
    QCOMPARE(r.lines.size(), 4);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("one.jpg\t")));
    QVERIFY(r.lines[1].startsWith(QStringLiteral("could not read\t") + folder + QStringLiteral("/nested")));
    QVERIFY(r.lines[2].startsWith(QStringLiteral("could not read\t") + folder + QStringLiteral("/readme.txt")));
    QVERIFY(r.lines[3].startsWith(QStringLiteral("Save  ")));
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("one.jpg")});

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

    r = runCli({QStringLiteral("--resize"), QStringLiteral("100x50"), QStringLiteral("--output"), out, landscape});
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
    p.start(testsupport::cli(), {QStringLiteral("compress"), QStringLiteral("--in-place"), QStringLiteral("--jobs"),
                                 QStringLiteral("2"), folder});
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

} // namespace

QTEST_MAIN(CliCompressTest)
#include "tst_cli_compress.moc"
