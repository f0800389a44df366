// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressFixtures.h"

#include "compress/BatchCompressor.h"
#include "compress/CompressionJob.h"
#include "imageio/JpegCodec.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

namespace {

struct Progress {
    ResultRow entry;
    int position;
    int total;
    QString text;
};

struct Outcome {
    bool started = false;
    CompressionReport report;
    QList<Progress> progress;
    QString failure;
};

Outcome runJob(CompressionJobKind kind, const QStringList &items, const CompressionOptions &options)
{
    Outcome outcome;
    CompressionJob job;
    bool done = false;
    QObject::connect(&job, &CompressionJob::started, [&] { outcome.started = true; });
    QObject::connect(&job, &CompressionJob::progress,
                     [&](const ResultRow &e, int p, int t, const QString &s) { outcome.progress.append({e, p, t, s}); });
    QObject::connect(&job, &CompressionJob::succeeded, [&](const CompressionReport &r) {
        outcome.report = r;
        done = true;
    });
    QObject::connect(&job, &CompressionJob::failed, [&](const QString &m) {
        outcome.failure = m;
        done = true;
    });
    QString reason;
    if (!job.start(kind, items, options, &reason)) {
        outcome.failure = reason;
        return outcome;
    }
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 120000); }();
    return outcome;
}

CompressionOptions toFolder(const QString &folder, int workers = 0, bool keepMetadata = true)
{
    CompressionOptions options;
    options.keepMetadata = keepMetadata;
    options.keepOriginalPhoto = true;
    options.outputFolder = folder;
    options.workers = workers;
    return options;
}

QString makeDir(const QTemporaryDir &root, const QString &name)
{
    QDir(root.path()).mkpath(name);
    return root.filePath(name);
}

} // namespace

class TestCompressionJob : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void folderJobSkipsHiddenAndSubfolders();
    void parallelEqualsSingleWorker();
    void secondStartIsRefused();
    void unreadableItemsAreReported();
    void resizeJobSkipsDotPaths();
    void outputFolderIsReadPerPhoto();
    void photosInMemoryStayBounded();
    void cancelStopsBetweenPhotos_data();
    void cancelStopsBetweenPhotos();
    void folderThatCannotBeListedFails();

private:
    QTemporaryDir m_dir;
};

void TestCompressionJob::initTestCase()
{
    // Originals replaced in place go to this Trash, never the user's.
    qputenv("XDG_DATA_HOME", makeDir(m_dir, QStringLiteral("data")).toUtf8());
}

void TestCompressionJob::folderJobSkipsHiddenAndSubfolders()
{
    const QString in = makeDir(m_dir, QStringLiteral("folder/in"));
    const QString out = makeDir(m_dir, QStringLiteral("folder/out"));
    QVERIFY(fixtures::writeAll(in + QStringLiteral("/.hidden.jpg"), fixtures::readAll(fixtures::writeJpeg(
                                                                        m_dir.filePath(QStringLiteral("h.jpg")), 50, 50))));
    const QString photo = fixtures::writeJpeg(in + QStringLiteral("/photo.jpg"), 640, 480);
    QVERIFY(QDir(in).mkdir(QStringLiteral("sub")));
    fixtures::writeJpeg(in + QStringLiteral("/sub/deep.jpg"), 64, 64);

    const Outcome o = runJob(CompressionJobKind::Folder, {in}, toFolder(out));
    QVERIFY2(o.failure.isEmpty(), qPrintable(o.failure));
    QVERIFY(o.started);
    QCOMPARE(o.report.total, 3);
    QCOMPARE(o.report.entries.size(), 1);
    QCOMPARE(o.progress.size(), 1);
    QCOMPARE(o.progress[0].position, 1);
    QCOMPARE(o.progress[0].total, 3);
    QCOMPARE(o.progress[0].text, QStringLiteral("33%"));

    const ResultRow &entry = o.report.entries[0];
    QCOMPARE(entry, o.progress[0].entry);
    QCOMPARE(entry.fileName(), QStringLiteral("photo.jpg"));
    QCOMPARE(entry.originalPath(), photo);
    QCOMPARE(entry.restPath(), out + QStringLiteral("/photo.jpg"));
    QCOMPARE(entry.originalFileSize(), quint64(QFileInfo(photo).size()));
    QCOMPARE(entry.restFileSize(), quint64(QFileInfo(entry.restPath()).size()));
    QVERIFY(entry.restFileSize() < entry.originalFileSize());
    QCOMPARE(o.report.allFileSize, entry.originalFileSize());
    QCOMPARE(o.report.savedFileSize, entry.originalFileSize() - entry.restFileSize());
    QCOMPARE(o.report.skipped.size(), 1);
    QCOMPARE(o.report.skipped[0].path, in + QStringLiteral("/.hidden.jpg"));
    QCOMPARE(o.report.unreadable.size(), 1);
    QCOMPARE(o.report.unreadable[0].path, in + QStringLiteral("/sub"));
    // No descent into the subfolder, nothing else written.
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("photo.jpg")});
}

void TestCompressionJob::parallelEqualsSingleWorker()
{
    const QString in = makeDir(m_dir, QStringLiteral("parallel/in"));
    for (int i = 0; i < 10; ++i)
        fixtures::writeJpeg(in + QStringLiteral("/p%1.jpg").arg(i), 200 + 40 * i, 300 - 10 * i,
                            {QStringLiteral("-Orientation#=%1").arg(i % 8 + 1)}, quint32(i));
    QVERIFY(fixtures::photoLikeImage(120, 90).save(in + QStringLiteral("/shot.PNG")));
    QVERIFY(fixtures::writeAll(in + QStringLiteral("/notes.txt"), "not a photo"));
    QVERIFY(fixtures::photoLikeImage(100, 80).save(in + QStringLiteral("/tiny.jpg"), "JPG", 2));
    // Many small photos with XMP keep the workers in Exiv2's XMP toolkit at the same time,
    // which is not safe across threads on its own.
    for (int i = 0; i < 30; ++i)
        QVERIFY(fixtures::photoLikeImage(64, 48, quint32(i)).save(in + QStringLiteral("/x%1.jpg").arg(i), "JPG", 95));
    fixtures::exiftool(in, {"-ext", "jpg", "-tagsFromFile", testsupport::testData("iptc_metapm.jpg"), "-XMP:all",
                            "-XMP-dc:Subject=parallel"});

    QList<Outcome> outcomes;
    QStringList outs;
    for (const int workers : {1, 2, 4}) {
        outs << makeDir(m_dir, QStringLiteral("parallel/out%1").arg(workers));
        outcomes << runJob(CompressionJobKind::Folder, {in}, toFolder(outs.last(), workers, workers != 2));
    }
    // The keep-metadata run with one worker against the one with four.
    const Outcome &single = outcomes[0];
    const Outcome &parallel = outcomes[2];
    QCOMPARE(single.report.entries.size(), 42);
    QCOMPARE(single.report.unreadable.size(), 1);
    QCOMPARE(parallel.report.failed, single.report.failed);
    QVERIFY(single.report.failed.isEmpty());
    QCOMPARE(parallel.report.entries.size(), single.report.entries.size());
    for (int i = 0; i < single.report.entries.size(); ++i) {
        ResultRow a = single.report.entries[i];
        ResultRow b = parallel.report.entries[i];
        QCOMPARE(QFileInfo(b.restPath()).dir().path(), outs[2]);
        b.setRestPath(a.restPath());
        QCOMPARE(b, a);
        QCOMPARE(fixtures::readAll(parallel.report.entries[i].restPath()), fixtures::readAll(a.restPath()));
    }
    QCOMPARE(parallel.report.allFileSize, single.report.allFileSize);
    QCOMPARE(parallel.report.savedFileSize, single.report.savedFileSize);
    QCOMPARE(parallel.report.unreadable, single.report.unreadable);
    QCOMPARE(parallel.progress.size(), single.progress.size());
    for (int i = 0; i < single.progress.size(); ++i) {
        QCOMPARE(parallel.progress[i].position, single.progress[i].position);
        QCOMPARE(parallel.progress[i].text, single.progress[i].text);
        if (i > 0)
            QVERIFY(parallel.progress[i].position > parallel.progress[i - 1].position);
    }
    QCOMPARE(outcomes[1].report.entries.size(), 42);
    // "PNG" in capitals still takes the PNG encoder: a smaller PNG, not JPEG data.
    for (const ResultRow &entry : single.report.entries) {
        if (entry.fileName() != QLatin1String("shot.PNG"))
            continue;
        QVERIFY(entry.restFileSize() < entry.originalFileSize());
        QVERIFY(fixtures::readAll(entry.restPath()).startsWith("\x89PNG"));
    }
}

void TestCompressionJob::secondStartIsRefused()
{
    const QString in = makeDir(m_dir, QStringLiteral("busy/in"));
    const QString out = makeDir(m_dir, QStringLiteral("busy/out"));
    QStringList items;
    for (int i = 0; i < 6; ++i)
        items << fixtures::writeJpeg(in + QStringLiteral("/b%1.jpg").arg(i), 1200, 900, {}, quint32(i));

    CompressionJob first;
    CompressionJob second;
    QSignalSpy done(&first, &CompressionJob::succeeded);
    QSignalSpy secondProgress(&second, &CompressionJob::progress);
    QVERIFY(first.start(CompressionJobKind::Files, items, toFolder(out, 1)));
    QVERIFY(first.isRunning());
    QString reason;
    QVERIFY(!second.start(CompressionJobKind::Files, items, toFolder(out, 1), &reason));
    QVERIFY(reason.contains(QStringLiteral("running")));
    QVERIFY(!first.start(CompressionJobKind::Files, items, toFolder(out, 1), &reason));
    QVERIFY(done.wait(120000));
    QCOMPARE(done.first().first().value<CompressionReport>().entries.size(), 6);
    QVERIFY(secondProgress.isEmpty());

    // Free again: a job started from the finished handler runs.
    QSignalSpy secondDone(&second, &CompressionJob::succeeded);
    QVERIFY(second.start(CompressionJobKind::Files, items.mid(0, 1), toFolder(out, 1)));
    QVERIFY(secondDone.wait(60000));
}

void TestCompressionJob::unreadableItemsAreReported()
{
    const QString in = makeDir(m_dir, QStringLiteral("unreadable/in"));
    const QString out = makeDir(m_dir, QStringLiteral("unreadable/out"));
    QVERIFY(fixtures::writeAll(in + QStringLiteral("/fake.jpg"), "definitely not a JPEG"));
    QByteArray cut = fixtures::readAll(fixtures::writeJpeg(in + QStringLiteral("/whole.jpg"), 400, 300));
    QVERIFY(fixtures::writeAll(in + QStringLiteral("/cut.jpg"), cut.left(cut.size() / 2)));
    const QStringList items{in + QStringLiteral("/fake.jpg"), in + QStringLiteral("/missing.jpg"),
                            in + QStringLiteral("/cut.jpg")};
    const Outcome o = runJob(CompressionJobKind::Files, items, toFolder(out));
    QVERIFY(o.failure.isEmpty());
    QCOMPARE(o.report.total, 3);
    QVERIFY(o.report.entries.isEmpty());
    QVERIFY(o.progress.isEmpty());
    QCOMPARE(o.report.unreadable.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(o.report.unreadable[i].path, items[i]);
        QVERIFY(!o.report.unreadable[i].reason.isEmpty());
    }
    QVERIFY(QDir(out).isEmpty());
}

void TestCompressionJob::resizeJobSkipsDotPaths()
{
    const QString out = makeDir(m_dir, QStringLiteral("dots/out"));
    const QString photo = fixtures::writeJpeg(makeDir(m_dir, QStringLiteral("dots/in")) + QStringLiteral("/r.jpg"), 300, 200);
    const Outcome o = runJob(CompressionJobKind::Resize, {QStringLiteral("./r.jpg"), photo}, toFolder(out));
    QCOMPARE(o.report.skipped.size(), 1);
    QCOMPARE(o.report.skipped[0].path, QStringLiteral("./r.jpg"));
    QCOMPARE(o.report.entries.size(), 1);
    QCOMPARE(o.progress[0].position, 1);
    QCOMPARE(o.progress[0].text, QStringLiteral("50%"));
}

void TestCompressionJob::outputFolderIsReadPerPhoto()
{
    // Asked per photo: the folder may change during a job, or be gone, which fails that photo only.
    const QString in = makeDir(m_dir, QStringLiteral("moving/in"));
    const QString a = makeDir(m_dir, QStringLiteral("moving/a"));
    const QString b = makeDir(m_dir, QStringLiteral("moving/b"));
    QStringList items;
    for (int i = 0; i < 6; ++i)
        items << fixtures::writeJpeg(in + QStringLiteral("/m%1.jpg").arg(i), 200, 150, {}, quint32(i));
    auto calls = std::make_shared<std::atomic_int>(0);
    CompressionOptions options = toFolder(QString(), 3);
    options.photoLocation = [calls, a, b] {
        const int call = calls->fetch_add(1);
        return call == 0 ? QString() : call < 3 ? a : b;
    };
    const Outcome o = runJob(CompressionJobKind::Files, items, options);
    QCOMPARE(calls->load(), 6);
    QCOMPARE(o.report.failed.size(), 1);
    QCOMPARE(o.report.failed[0].path, items[0]);
    QCOMPARE(o.report.entries.size(), 5);
    QCOMPARE(o.progress[0].position, 1);
    QCOMPARE(QDir(a).entryList(QDir::Files), (QStringList{QStringLiteral("m1.jpg"), QStringLiteral("m2.jpg")}));
    QCOMPARE(QDir(b).entryList(QDir::Files).size(), 3);
    QCOMPARE(o.report.entries[2].restPath(), b + QStringLiteral("/m3.jpg"));
}

void TestCompressionJob::photosInMemoryStayBounded()
{
    // The Output folder is asked for when a photo is taken up; entries come out when it is
    // written. The gap between the two is what is held in memory.
    const QString in = makeDir(m_dir, QStringLiteral("bounded/in"));
    const QString out = makeDir(m_dir, QStringLiteral("bounded/out"));
    QList<compress::JobItem> items;
    for (int i = 0; i < 30; ++i)
        items.append({fixtures::writeJpeg(in + QStringLiteral("/b%1.jpg").arg(i), 160, 120, {}, quint32(i)), false});
    for (const int workers : {1, 3}) {
        std::atomic_int taken{0};
        CompressionOptions options = toFolder(QString(), workers);
        options.photoLocation = [&taken, out] {
            ++taken;
            return out;
        };
        int largestGap = 0;
        BatchCompressor compressor(options);
        const CompressionReport report = compressor.run(CompressionJobKind::Files, items, [&](const ResultRow &, int position, int) {
            largestGap = qMax(largestGap, taken.load() - position);
        });
        QCOMPARE(report.entries.size(), 30);
        QVERIFY2(largestGap <= 2 * workers, qPrintable(QString::number(largestGap)));
    }
}

void TestCompressionJob::cancelStopsBetweenPhotos_data()
{
    QTest::addColumn<QString>("preset"); // a resize job to this preset, or a compression job
    QTest::newRow("compress") << QString();
    QTest::newRow("resize") << QStringLiteral("320 x 240");
}

void TestCompressionJob::cancelStopsBetweenPhotos()
{
    // In place, the riskiest case: every photo is its old self or a whole result, never
    // anything in between.
    QFETCH(QString, preset);
    const QString in = makeDir(m_dir, QStringLiteral("cancel/") + QTest::currentDataTag());
    QStringList items;
    QList<QByteArray> originals;
    for (int i = 0; i < 16; ++i) {
        items << fixtures::writeJpeg(in + QStringLiteral("/k%1.jpg").arg(i), 1000, 750, {}, quint32(i));
        originals << fixtures::readAll(items.last());
    }
    CompressionOptions options;
    options.keepOriginalPhoto = false;
    options.workers = 2;
    if (!preset.isEmpty())
        options.resize = compress::ResizeRequest{preset};
    CompressionJob job;
    QSignalSpy done(&job, &CompressionJob::succeeded);
    connect(&job, &CompressionJob::progress, &job, [&job](const ResultRow &, int position) {
        if (position == 0)
            job.cancel();
    });
    QVERIFY(job.start(preset.isEmpty() ? CompressionJobKind::Files : CompressionJobKind::Resize, items, options));
    QVERIFY(done.wait(120000));
    const auto report = done.first().first().value<CompressionReport>();
    QVERIFY(report.cancelled);
    QVERIFY(report.entries.size() >= 1);
    QVERIFY(report.entries.size() < 16);
    // Photos with an entry hold their result; every other photo is untouched.
    for (int i = 0; i < items.size(); ++i) {
        const bool done = i < report.entries.size();
        const QByteArray now = fixtures::readAll(items[i]);
        QCOMPARE(now == originals[i], !done);
        const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(now);
        QVERIFY(decoded.ok());
        QCOMPARE(decoded.image.size(), done && !preset.isEmpty() ? QSize(320, 240) : QSize(1000, 750));
    }
    QCOMPARE(QDir(in).entryList(QDir::Files | QDir::Hidden).size(), 16);
}

void TestCompressionJob::folderThatCannotBeListedFails()
{
    Outcome o = runJob(CompressionJobKind::Folder, {m_dir.filePath(QStringLiteral("no-such-folder"))},
                       toFolder(m_dir.path()));
    QVERIFY(!o.failure.isEmpty());
    QVERIFY(o.report.entries.isEmpty());
    o = runJob(CompressionJobKind::Folder, {}, toFolder(m_dir.path()));
    QVERIFY(!o.failure.isEmpty());
    // Keeping originals needs somewhere to put the results.
    QString reason;
    CompressionJob job;
    QVERIFY(!job.start(CompressionJobKind::Files, {QStringLiteral("/x.jpg")}, CompressionOptions(), &reason));
    QVERIFY(!reason.isEmpty());
}

QTEST_MAIN(TestCompressionJob)
#include "tst_compressionjob.moc"
