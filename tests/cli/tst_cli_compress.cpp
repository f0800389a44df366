// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli compress: what the options choose, what is printed, the exit status, and
// no damage when the process is killed half way; the compression itself is tested in core.
// On hostile file systems a full disk never passes as success, special files never hang.

#include "../core/compress/CompressFixtures.h"
#include "CliRun.h"

#include "SmallDisk.h"
#include "TestSupport.h"
#include "compress/SizeText.h"
#include "imageio/JpegCodec.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using clitest::Run;

// One run of optionsChooseTheResult: where the copy lands, its size, whether it kept the metadata
// and whether the original went to the Trash.
struct Options {
    bool settings = false; // an Output folder and keep-metadata stored
    QStringList args{};
    QString result = "out/m.jpg";
    bool kept = false;
    QSize size{800, 600};
    bool trashed = false;
};
Q_DECLARE_METATYPE(Options)

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class CliCompressTest : public QObject
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString mkdir(const QString &name) const { return fixtures::makeDir(*m_dir, name); }

    std::unique_ptr<QTemporaryDir> m_dir;

    QProcessEnvironment environment() const
    {
        // The child's settings, default Output folder and Trash live in this test's own home.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", path("home"));
        env.insert("XDG_CONFIG_HOME", path("home/.config"));
        env.insert("XDG_DATA_HOME", path("home/.local/share"));
        return env;
    }

    Run cli(const QStringList &args) const { return clitest::cli(args, environment()); }
    Run runCli(const QStringList &args) const { return cli(QStringList{"compress"} + args); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        mkdir("home/.config");
    }

    // The options win over the settings, the settings over the defaults. "640 x 480" is a
    // preset, "WxH" fits inside keeping the proportions, "WxH!" stretches.
    void optionsChooseTheResult_data()
    {
        QTest::addColumn<Options>("options");
        QTest::newRow("defaults") << Options{.result = "home/Pictures/Glimmerset/m.jpg"};
        QTest::newRow("settings") << Options{.settings = true, .result = "chosen/m.jpg", .kept = true};
        QTest::newRow("--strip-metadata")
            << Options{.settings = true, .args = {"--strip-metadata", "--output", "OUT"}};
        QTest::newRow("--keep-metadata")
            << Options{.args = {"--keep-metadata", "--output", "OUT"}, .kept = true};
        QTest::newRow("--in-place") << Options{.args = {"--in-place", "--keep-metadata"},
                                               .result = "in/m.jpg", .kept = true, .trashed = true};
        QTest::newRow("--no-trash") << Options{.args = {"--in-place", "--no-trash"}, .result = "in/m.jpg"};
        QTest::newRow("--resize preset")
            << Options{.args = {"--resize", "320 x 240", "--output", "OUT"}, .size = {320, 240}};
        QTest::newRow("--resize fit")
            << Options{.args = {"--resize", "100x50", "--output", "OUT"}, .size = {67, 50}};
        QTest::newRow("--resize stretch")
            << Options{.args = {"--resize", "100x50!", "--output", "OUT"}, .size = {100, 50}};
        // Scaled from the original in one pass: the Trash gets the original and nothing else.
        QTest::newRow("--resize in place") << Options{.args = {"--in-place", "--resize", "300x300"},
                                                      .result = "in/m.jpg", .size = {300, 225},
                                                      .trashed = true};
    }

    void optionsChooseTheResult()
    {
        QFETCH(Options, options);
        QStringList args = options.args;
        const QString photo = fixtures::writeJpeg(mkdir("in") + "/m.jpg", 800, 600, {"-Make=Glimmer"});
        const QByteArray original = testsupport::readFile(photo);
        if (options.settings) {
            QSettings stored(path("home/.config/Vantoric/Glimmerset.conf"), QSettings::IniFormat);
            stored.setValue("PhotoLocatoin", path("chosen"));
            stored.setValue("bkeepMetadata", true);
        }
        args.replaceInStrings("OUT", path("out"));
        const Run r = runCli(args << photo);
        QCOMPARE(r.status, 0);
        const qsizetype resize = args.indexOf("--resize");
        const quint64 before = quint64(original.size());
        const quint64 after = quint64(QFileInfo(path(options.result)).size());
        const QStringList row{"m.jpg", compress::sizeText(before), compress::sizeText(after),
                              compress::savingPercentText(before, after)};
        // A resized copy gets a second table after the first.
        if (resize >= 0 && !args.contains("--in-place"))
            QCOMPARE(r.lines().value(2), QStringLiteral("resized to %1:").arg(args[resize + 1]));
        else
            QCOMPARE(r.lines(), (QStringList{row.join('\t'), compress::finishText(before - after, before)}));
        QCOMPARE(QImage(path(options.result), "JPEG").size(), options.size);
        QVERIFY(QFileInfo(path(options.result)).size() < original.size());
        QCOMPARE(testsupport::exiftoolTags(path(options.result)).value("IFD0:Make").toString(),
                 options.kept ? "Glimmer" : QString());
        QCOMPARE(QFileInfo::exists(path("home/Pictures")), options.result.startsWith("home/Pictures"));
        const QString trash = path("home/.local/share/Trash/files");
        QCOMPARE(filesIn(trash), options.trashed ? QStringList{"m.jpg"} : QStringList());
        QCOMPARE(filesIn(path("in")), QStringList{"m.jpg"}); // no temporary file left beside it
        if (options.trashed)
            QCOMPARE(testsupport::readFile(trash + "/m.jpg"), original);
    }

    // What is no photo inside a folder is listed and the run succeeds; a photo not done, or a
    // named file that is no photo, fails it. Names are printed escaped: a newline would split
    // a row, an escape sequence would turn the terminal red.
    void problemsAreListedAndSetTheStatus()
    {
        const QString folder = mkdir("album");
        fixtures::writeJpeg(folder + "/.thumb.jpg", 64, 64);
        const QString one = fixtures::writeJpeg(folder + "/a\nb\x1b[31m.jpg", 400, 300);
        QVERIFY(testsupport::writeFile(folder + "/readme.txt", "words"));
        QDir(folder).mkdir("nested");
        const QString out = path("out");
        Run r = runCli({"--output", out, folder});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.lines();
        QCOMPARE(lines.size(), 5);
        QVERIFY2(lines[0].startsWith("a\\nb\\x1b[31m.jpg\t"), qPrintable(lines[0]));
        QCOMPARE(lines[1], "skipped\t" + folder + "/.thumb.jpg\thidden name");
        const QString unread = "could not read\t" + folder;
        QVERIFY(lines[2].startsWith(unread + "/nested"));
        QVERIFY(lines[3].startsWith(unread + "/readme.txt"));
        QVERIFY(lines[4].startsWith("Save  "));

        // A damaged photo in a folder fails the run, even with nothing else there.
        const QString damaged = mkdir("damaged");
        QVERIFY(testsupport::writeFile(damaged + "/cut.jpg", testsupport::readFile(one).left(40)));
        r = runCli({"--output", out, damaged});
        QCOMPARE(r.status, 1);
        QVERIFY(r.lines()[0].startsWith(QStringLiteral("could not read\t%1/cut.jpg").arg(damaged)));

        // A named file that is no photo fails the run; a photo named twice is done once.
        r = runCli({"--output", out, folder + "/readme.txt", one, one});
        QCOMPARE(r.status, 1);
        const QString twice =
            QStringLiteral("skipped\t%1/a\\nb\\x1b[31m.jpg\tgiven more than once").arg(folder);
        QCOMPARE(r.lines().filter(twice).size(), 1);
    }

    void badArgumentsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no paths") << QStringList{} << "no photos or folders";
        QTest::newRow("unknown option") << QStringList{"--fast", "PHOTO"} << "unknown option --fast";
        // Checked before anything is written: a typo must not leave half a job done.
        QTest::newRow("missing path") << QStringList{"PHOTO", "MISSING"} << "no such file";
        QTest::newRow("both metadata choices") << QStringList{"--keep-metadata", "--strip-metadata", "PHOTO"}
                                               << "exclude";
        QTest::newRow("output and in place") << QStringList{"--in-place", "--output", "OUT", "PHOTO"}
                                             << "exclude";
        QTest::newRow("jobs zero") << QStringList{"--jobs", "0", "PHOTO"} << "--jobs";
        QTest::newRow("resize zero") << QStringList{"--resize", "100x0", "PHOTO"} << "--resize";
        QTest::newRow("output is a file") << QStringList{"--output", "PHOTO", "PHOTO"} << "cannot write";
    }

    void badArgumentsWriteNothing()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString photo = fixtures::writeJpeg(mkdir("in") + "/x.jpg", 200, 100);
        const QByteArray before = testsupport::readFile(photo);
        args.replaceInStrings("PHOTO", photo);
        args.replaceInStrings("MISSING", path("in/nope.jpg"));
        args.replaceInStrings("OUT", path("out"));
        const Run r = runCli(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.startsWith("glimmerset-cli compress: ") && r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.lines().isEmpty());
        QCOMPARE(testsupport::readFile(photo), before);
        QVERIFY(!QFileInfo::exists(path("out")));
        QVERIFY(!QFileInfo::exists(path("home/Pictures")));
    }

    void killedMidwayLeavesNoBrokenPhoto()
    {
        const QString folder = mkdir("victims");
        QMap<QString, QByteArray> originals;
        for (int i = 0; i < 24; ++i) {
            const QString name = QStringLiteral("/v%1.jpg").arg(i, 2, 10, QChar('0'));
            const QString p = fixtures::writeJpeg(folder + name, 1600, 1200, {}, quint32(i));
            originals.insert(p, testsupport::readFile(p));
        }
        QProcess p;
        p.setProcessEnvironment(environment());
        // Without the Trash step: a kill between trashing and committing would leave the
        // photo in the Trash only, which this test does not look for.
        p.start(testsupport::cli(), {"compress", "--in-place", "--no-trash", "--jobs", "2", folder});
        QVERIFY(p.waitForStarted());
        // Killed as soon as the first photos are being replaced.
        QTRY_VERIFY_WITH_TIMEOUT(p.canReadLine(), 60000);
        p.kill();
        p.waitForFinished();

        int replaced = 0;
        for (auto it = originals.cbegin(); it != originals.cend(); ++it) {
            const QByteArray now = testsupport::readFile(it.key());
            if (now == it.value())
                continue;
            ++replaced;
            const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(now);
            QVERIFY2(decoded.ok(), qPrintable(it.key() + ": " + decoded.error));
            QCOMPARE(decoded.image.size(), QSize(1600, 1200));
        }
        QVERIFY(replaced >= 1 && replaced < originals.size());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), originals.size());
    }

    void fullDiskFailsAndKeepsTheOriginal_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("free");
        QTest::newRow("compress --in-place") << QStringList{"compress", "--in-place"} << 8192;
        QTest::newRow("strip") << QStringList{"strip", "--gps"} << 8192;
        // A property list is small: only a disk with no room at all refuses it.
        QTest::newRow("export") << QStringList{"export", "--whole"} << 0;
    }

    void fullDiskFailsAndKeepsTheOriginal()
    {
        QFETCH(QStringList, args);
        QFETCH(int, free);
        const bool inPlace = args.contains("--in-place");
        testsupport::SmallDisk disk(path("disk"), 512);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.problem()));
        // In place the photo lives on the full disk; a copy is made from elsewhere into it.
        const QString photo = (inPlace ? disk.path() : m_dir->path()) + "/photo.jpg";
        const QStringList tags{"-GPSLatitude=10", "-GPSLatitudeRef=N",
                               "-DateTimeOriginal=2019:01:01 10:00:00"};
        QVERIFY(!fixtures::writeJpeg(photo, 640, 480, tags).isEmpty());
        const QByteArray original = testsupport::readFile(photo);
        QVERIFY(original.size() > 32 * 1024);
        QVERIFY(disk.leaveFree(free));

        args << photo;
        if (!inPlace)
            args << "--into" << disk.path();
        const Run run = cli(args);
        QVERIFY2(run.status > 0, qPrintable(run.output()));
        QVERIFY2(run.output().contains("disk full"), qPrintable(run.output()));
        QCOMPARE(testsupport::readFile(photo), original);
        // Nothing half written stays behind, not even a temporary file.
        QCOMPARE(filesIn(disk.path()), (inPlace ? QStringList{".filler", "photo.jpg"}
                                                : QStringList{".filler"}));
    }

    // Originals the Trash cannot take are refused before anything is written, promptly.
    void inPlaceRefusesWhatTheTrashCannotTake_data()
    {
        QTest::addColumn<bool>("ownDisk");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<QString>("reason");
        // Qt retried an info file name past 255 bytes for ever.
        QTest::newRow("name of 250 bytes") << false << 250 << "its name is 250 bytes long";
        QTest::newRow("name of 239 bytes, still taken") << false << 239 << "";
        // Its own Trash folder cannot be made there, and the home Trash is on another disk.
        QTest::newRow("disk without a Trash") << true << 9 << "this disk has no Trash";
    }

    void inPlaceRefusesWhatTheTrashCannotTake()
    {
        QFETCH(bool, ownDisk);
        QFETCH(int, nameLength);
        QFETCH(QString, reason);
        std::unique_ptr<testsupport::SmallDisk> disk;
        QString folder = path("photos");
        if (ownDisk) {
            disk = std::make_unique<testsupport::SmallDisk>(path("disk"), 2048);
            if (!disk->mounted())
                QSKIP(qPrintable(disk->problem()));
            folder = disk->path();
            // A file where the disk's Trash folder would go.
            QVERIFY(testsupport::writeFile(disk->filePath(QStringLiteral(".Trash-%1").arg(::getuid())), "x"));
        }
        QDir().mkpath(folder);
        const QString photo = folder + '/' + QString(nameLength - 4, 'p') + ".jpg";
        QVERIFY(!fixtures::writeJpeg(photo, 320, 240).isEmpty());
        const QByteArray original = testsupport::readFile(photo);

        const Run run = cli({"compress", "--in-place", photo});
        QCOMPARE(run.status, reason.isEmpty() ? 0 : 1);
        QCOMPARE(testsupport::readFile(photo) == original, !reason.isEmpty());
        if (reason.isEmpty())
            return;
        const QString line = photo + ": not written: cannot move the original to the Trash: ";
        QVERIFY2(run.output().contains(line + reason), qPrintable(run.output()));
        QCOMPARE(run.output().contains("--no-trash replaces originals"), ownDisk);
        QCOMPARE(filesIn(folder).size(), ownDisk ? 2 : 1); // nothing half written beside it
    }

    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QStringList>("args"); // a FIFO in the folder DIR, or /dev/zero as SPECIAL
        QTest::newRow("FIFO in a folder to compress") << QStringList{"compress", "--output", "OUT", "DIR"};
        QTest::newRow("/dev/zero to info") << QStringList{"info", "SPECIAL"};
        QTest::newRow("/dev/zero to strip") << QStringList{"strip", "--exif", "SPECIAL"};
    }

    void specialFilesAreRefused()
    {
        QFETCH(QStringList, args);
        const QString folder = mkdir("in");
        const QString file = folder + "/special.jpg";
        if (args.contains("DIR"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else
            QVERIFY(QFile::link("/dev/zero", file));
        QVERIFY(!fixtures::writeJpeg(folder + "/photo.jpg", 64, 48).isEmpty());

        args.replaceInStrings("SPECIAL", file);
        args.replaceInStrings("DIR", folder);
        args.replaceInStrings("OUT", path("out"));
        const Run run = cli(args);
        QVERIFY2(run.status >= 0, "the command hung or crashed");
        QVERIFY2(run.output().contains("not a regular file"), qPrintable(run.output()));
        // Named on its own the special file fails the command; in a folder it is reported
        // while the real photo beside it is still compressed.
        if (args.contains(folder))
            QVERIFY(QFileInfo::exists(path("out/photo.jpg")));
        else
            QCOMPARE(run.status, 1);
    }
};

} // namespace

QTEST_MAIN(CliCompressTest)
#include "tst_cli_compress.moc"
