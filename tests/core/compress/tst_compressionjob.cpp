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
    using Job = CompressionJob;
    Outcome out;
    Job job;
    bool done = false;
    QObject::connect(&job, &Job::started, [&] { out.started = true; });
    QObject::connect(&job, &Job::progress, [&](const ResultRow &e, int p, int t, const QString &s) {
        out.progress.append({e, p, t, s});
    });
    QObject::connect(&job, &Job::succeeded, [&](const CompressionReport &r) { out.report = r; done = true; });
    QObject::connect(&job, &Job::failed, [&](const QString &m) { out.failure = m; done = true; });
    if (!job.start(kind, items, options, &out.failure))
        return out;
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 120000); }();
    return out;
}

} // namespace

using fixtures::makeDir;

class TestCompressionJob : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        // Originals replaced in place go to this Trash, never the user's.
        qputenv("XDG_DATA_HOME", makeDir(m_dir, "data").toUtf8());
    }

    void folderJobReportsWhatItPasses_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("results"); // below the Output folder, as below the source folder
        QTest::addColumn<QStringList>("unreadable");
        QTest::newRow("folder alone") << false << QStringList{"photo.jpg"}
                                      << QStringList{"cut.jpg", "fake.jpg", "sub"};
        QTest::newRow("subfolders") << true << QStringList{"photo.jpg", "sub/deep/deep.jpg"}
                                    << QStringList{"cut.jpg", "fake.jpg"};
    }

    void folderJobReportsWhatItPasses()
    {
        QFETCH(bool, subfolders);
        QFETCH(QStringList, results);
        QFETCH(QStringList, unreadable);
        const QStringList skipped{".cache", ".hidden.jpg"}; // hidden, with or without subfolders
        const QString in = makeDir(m_dir, QStringLiteral("folder%1/in").arg(subfolders));
        const QString out = makeDir(m_dir, QStringLiteral("folder%1/out").arg(subfolders));
        fixtures::writeJpeg(in + "/photo.jpg", 640, 480);
        QVERIFY(QFile::copy(in + "/photo.jpg", in + "/.hidden.jpg"));
        QVERIFY(QDir(in).mkpath("sub/deep") && QDir(in).mkpath(".cache"));
        fixtures::writeJpeg(in + "/sub/deep/deep.jpg", 200, 150, {}, 2);
        fixtures::writeJpeg(in + "/.cache/thumb.jpg", 20, 15);
        QVERIFY(testsupport::writeFile(in + "/fake.jpg", "definitely not a JPEG"));
        const QByteArray whole = testsupport::readFile(in + "/photo.jpg");
        QVERIFY(testsupport::writeFile(in + "/cut.jpg", whole.left(whole.size() / 2)));

        CompressionOptions options = fixtures::jobOptions(out);
        options.includeSubfolders = subfolders;
        const Outcome o = runJob(CompressionJobKind::Folder, {in}, options);
        QVERIFY2(o.failure.isEmpty(), qPrintable(o.failure));
        QVERIFY(o.started);
        QCOMPARE(o.report.total, results.size() + skipped.size() + unreadable.size());
        QStringList written;
        quint64 all = 0;
        quint64 rest = 0;
        for (int i = 0; i < o.progress.size(); ++i) {
            const ResultRow &entry = o.report.entries.value(i);
            QCOMPARE(entry, o.progress[i].entry);
            written << QDir(out).relativeFilePath(entry.restPath());
            QCOMPARE(QDir(in).relativeFilePath(entry.originalPath()), written.last());
            QCOMPARE(entry.originalFileSize(), quint64(QFileInfo(entry.originalPath()).size()));
            QCOMPARE(entry.restFileSize(), quint64(QFileInfo(entry.restPath()).size()));
            QVERIFY(entry.restFileSize() < entry.originalFileSize());
            all += entry.originalFileSize();
            rest += entry.restFileSize();
        }
        QCOMPARE(written, results);
        QCOMPARE(o.report.allFileSize, all);
        QCOMPARE(o.report.savedFileSize, all - rest);
        const auto names = [&in](const QList<CompressionProblem> &problems) {
            QStringList names;
            for (const CompressionProblem &problem : problems) {
                names << QDir(in).relativeFilePath(problem.path);
                if (problem.reason.isEmpty())
                    names << "(no reason)";
            }
            return names;
        };
        QCOMPARE(names(o.report.skipped), skipped);
        QCOMPARE(names(o.report.unreadable), unreadable);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"photo.jpg"});
        QCOMPARE(QFileInfo::exists(out + "/sub"), subfolders);
    }

    void parallelEqualsSingleWorker()
    {
        const QString in = makeDir(m_dir, "parallel/in");
        for (int i = 0; i < 10; ++i)
            fixtures::writeJpeg(in + QStringLiteral("/p%1.jpg").arg(i), 200 + 40 * i, 300 - 10 * i,
                                {QStringLiteral("-Orientation#=%1").arg(i % 8 + 1)}, quint32(i));
        QVERIFY(fixtures::photoLikeImage(120, 90).save(in + "/shot.PNG"));
        QVERIFY(testsupport::writeFile(in + "/notes.txt", "not a photo"));
        QVERIFY(fixtures::photoLikeImage(100, 80).save(in + "/tiny.jpg", "JPG", 2));
        // Many small photos with XMP keep the workers in Exiv2's XMP toolkit at the same time,
        // which is not safe across threads on its own.
        for (int i = 0; i < 30; ++i)
            fixtures::writeJpeg(in + QString("/x%1.jpg").arg(i), 64, 48, {}, quint32(i));
        fixtures::exiftool(in, {"-ext", "jpg", "-tagsFromFile", testsupport::testData("iptc_metapm.jpg"),
                                "-XMP:all", "-XMP-dc:Subject=parallel"});

        // One worker; four; four sharing room for the largest photo only, which still finishes
        // every photo; two dropping the metadata.
        QList<Outcome> outcomes;
        QStringList outs;
        for (const int run : {1, 4, 5, 2}) {
            outs << makeDir(m_dir, QStringLiteral("parallel/out%1").arg(run));
            CompressionOptions options = fixtures::jobOptions(outs.last(), run != 2, qMin(run, 4));
            if (run == 5)
                options.pixelBudget = 560 * 210;
            outcomes << runJob(CompressionJobKind::Folder, {in}, options);
        }
        const Outcome &single = outcomes[0];
        QCOMPARE(single.report.entries.size(), 42);
        QCOMPARE(single.report.unreadable.size(), 1);
        QCOMPARE(outcomes[3].report.entries.size(), 42);
        for (int run = 1; run <= 2; ++run) {
            const Outcome &parallel = outcomes[run];
            QCOMPARE(parallel.report.entries.size(), single.report.entries.size());
            for (int i = 0; i < single.report.entries.size(); ++i) {
                const ResultRow &a = single.report.entries[i];
                ResultRow b = parallel.report.entries[i];
                QCOMPARE(QFileInfo(b.restPath()).dir().path(), outs[run]);
                QCOMPARE(testsupport::readFile(b.restPath()), testsupport::readFile(a.restPath()));
                b.setRestPath(a.restPath());
                QCOMPARE(b, a);
            }
            QCOMPARE(parallel.report.unreadable, single.report.unreadable);
            QCOMPARE(parallel.progress.size(), single.progress.size());
            for (int i = 0; i < single.progress.size(); ++i) {
                QCOMPARE(parallel.progress[i].position, single.progress[i].position);
                QCOMPARE(parallel.progress[i].text, single.progress[i].text);
                if (i > 0)
                    QVERIFY(parallel.progress[i].position > parallel.progress[i - 1].position);
            }
        }
    }

    void outputFolderIsReadPerPhoto()
    {
        // Asked when a photo is taken up: the folder may change during a job, or be gone, which
        // fails that photo only. Entries come out when a photo is written: the gap between the
        // two is what is held in memory.
        const QString in = makeDir(m_dir, "moving/in");
        QList<compress::JobItem> items;
        for (int i = 0; i < 30; ++i) {
            const QString name = QStringLiteral("/m%1.jpg").arg(i, 2, 10, QChar('0'));
            items.append({fixtures::writeJpeg(in + name, 160, 120, {}, quint32(i)), false});
        }
        for (const int workers : {1, 3}) {
            const QString a = makeDir(m_dir, QStringLiteral("moving/a%1").arg(workers));
            const QString b = makeDir(m_dir, QStringLiteral("moving/b%1").arg(workers));
            std::atomic_int taken{0};
            CompressionOptions options = fixtures::jobOptions(QString(), true, workers);
            options.keepOriginalPhoto = true;
            options.photoLocation = [&taken, a, b] {
                const int call = taken++;
                return call == 0 ? QString() : call < 3 ? a : b;
            };
            QList<int> positions;
            int largestGap = 0;
            const auto onEntry = [&](const ResultRow &, int position, int) {
                positions << position;
                largestGap = qMax(largestGap, taken.load() - position);
            };
            const CompressionReport report = BatchCompressor(options).run(CompressionJobKind::Files, items,
                                                                          onEntry);
            QCOMPARE(taken.load(), 30);
            QCOMPARE(report.failed.value(0).path, items[0].sourcePath);
            QCOMPARE(report.entries.size(), 29);
            QCOMPARE(positions.value(0), 1);
            QCOMPARE(QDir(a).entryList(QDir::Files), (QStringList{"m01.jpg", "m02.jpg"}));
            QCOMPARE(QDir(b).entryList(QDir::Files).size(), 27);
            QCOMPARE(report.entries[2].restPath(), b + "/m03.jpg");
            QVERIFY2(largestGap <= 2 * workers, qPrintable(QString::number(largestGap)));
        }
    }

    void cancelStopsBetweenPhotos_data()
    {
        QTest::addColumn<QString>("preset"); // a resize job to this preset, or a compression job
        QTest::newRow("compress") << QString();
        QTest::newRow("resize") << "320 x 240";
    }

    void cancelStopsBetweenPhotos()
    {
        // In place, the riskiest case: every photo is its old self or a whole result, never
        // anything in between.
        QFETCH(QString, preset);
        const QString in = makeDir(m_dir, QString("cancel/") + QTest::currentDataTag());
        QStringList items;
        QList<QByteArray> originals;
        for (int i = 0; i < 16; ++i) {
            items << fixtures::writeJpeg(in + QStringLiteral("/k%1.jpg").arg(i), 1000, 750, {}, quint32(i));
            originals << testsupport::readFile(items.last());
        }
        CompressionOptions options = fixtures::jobOptions(QString());
        if (!preset.isEmpty())
            options.resize = compress::ResizeRequest{preset};
        CompressionJob job;
        CompressionJob other;
        QSignalSpy done(&job, &CompressionJob::succeeded);
        QSignalSpy otherProgress(&other, &CompressionJob::progress);
        connect(&job, &CompressionJob::progress, &job, [&job](const ResultRow &, int position) {
            if (position == 0)
                job.cancel();
        });
        const auto kind = preset.isEmpty() ? CompressionJobKind::Files : CompressionJobKind::Resize;
        QVERIFY(job.start(kind, items, options));
        // One job at a time, whichever object asks.
        QString reason;
        QVERIFY(!other.start(kind, items, options, &reason));
        QVERIFY(reason.contains("running"));
        QVERIFY(!job.start(kind, items, options, &reason));
        QVERIFY(done.wait(120000));
        const auto report = done.first().first().value<CompressionReport>();
        QVERIFY(report.cancelled);
        QVERIFY(report.entries.size() >= 1 && report.entries.size() < 16);
        for (int i = 0; i < items.size(); ++i) {
            const bool done = i < report.entries.size();
            const QByteArray now = testsupport::readFile(items[i]);
            QCOMPARE(now == originals[i], !done);
            const imageio::JpegCodec::Decoded decoded = imageio::JpegCodec::decode(now);
            QVERIFY(decoded.ok());
            QCOMPARE(decoded.image.size(), done && !preset.isEmpty() ? QSize(320, 240) : QSize(1000, 750));
        }
        QCOMPARE(QDir(in).entryList(QDir::Files | QDir::Hidden).size(), 16);
        // Free again once finished.
        QVERIFY(otherProgress.isEmpty());
        QSignalSpy otherDone(&other, &CompressionJob::succeeded);
        QVERIFY(other.start(kind, items.mid(0, 1), options));
        QVERIFY(otherDone.wait(60000));
    }

    void oddItemsAreReportedOrRefused()
    {
        const CompressionOptions options = fixtures::jobOptions(makeDir(m_dir, "odd/out"));
        Outcome o = runJob(CompressionJobKind::Folder, {m_dir.filePath("no-such-folder")}, options);
        QVERIFY(!o.failure.isEmpty());
        o = runJob(CompressionJobKind::Folder, {}, options);
        QVERIFY(!o.failure.isEmpty());
        // A photo gone since it was chosen is reported, not lost.
        o = runJob(CompressionJobKind::Files, {m_dir.filePath("gone.jpg")}, options);
        QCOMPARE(o.report.unreadable.size(), 1);
        QVERIFY(o.progress.isEmpty());
        // A resize job skips a dot path; the photo beside it is the first and last of two.
        const QString photo = fixtures::writeJpeg(makeDir(m_dir, "odd/in") + "/r.jpg", 300, 200);
        o = runJob(CompressionJobKind::Resize, {"./r.jpg", photo}, options);
        QCOMPARE(o.report.skipped.value(0).path, "./r.jpg");
        QCOMPARE(o.report.entries.size(), 1);
        QCOMPARE(o.progress[0].position, 1);
        QCOMPARE(o.progress[0].text, "50%");
        // Keeping originals needs somewhere to put the results.
        QVERIFY(!runJob(CompressionJobKind::Files, {"/x.jpg"}, CompressionOptions()).failure.isEmpty());
    }
};

QTEST_MAIN(TestCompressionJob)
#include "tst_compressionjob.moc"
