// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/BatchJob.h"
#include "jobs/PhotoLoops.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>

namespace {

// A job over `total` photos: photo i is written, skipped or failed by i % 3, and the
// cancel flag is raised while photo `cancelAt` is worked on (-1: never).
JobReport runPhotos(int total, int cancelAt, const JobContext &context, std::atomic_bool *cancel,
                    int workers = 1)
{
    QList<int> photos;
    for (int i = 0; i < total; ++i)
        photos.append(i);
    JobReport report;
    jobs::forEachPhoto(
        photos, report, context,
        [&](int i, JobReport &own) {
            const QString name = QStringLiteral("p%1.jpg").arg(i);
            if (i % 3 == 0)
                own.addWritten(name, name, "out/" + name);
            else if (i % 3 == 1)
                own.addSkipped(name, name, "not a photo");
            else
                own.addFailed(name, name, "out/" + name, "disk full");
            if (i == cancelAt && cancel)
                cancel->store(true);
        },
        workers);
    return report;
}

} // namespace

class TestBatchJob : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Whatever the workers, the report keeps list order, progress counts up one call at a
    // time, and a cancel stops between photos, leaving the first photos of the list.
    void loopCountsAndCancelsBetweenPhotos_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("workers");
        QTest::addColumn<int>("done"); // -1: more than cancelAt, fewer than all
        QTest::newRow("all photos") << 7 << -1 << 1 << 7;
        QTest::newRow("cancel during the first") << 7 << 0 << 1 << 1;
        QTest::newRow("cancel during the fifth") << 7 << 4 << 1 << 5;
        QTest::newRow("cancel during the last") << 7 << 6 << 1 << 7;
        QTest::newRow("no photos") << 0 << -1 << 1 << 0;
        QTest::newRow("eight workers, all photos") << 50 << -1 << 8 << 50;
        QTest::newRow("eight workers, cancel during the eleventh") << 50 << 10 << 8 << -1;
    }

    void loopCountsAndCancelsBetweenPhotos()
    {
        QFETCH(int, total);
        QFETCH(int, cancelAt);
        QFETCH(int, workers);
        QFETCH(int, done);
        std::atomic_bool cancel{false};
        QList<QPair<int, int>> progress;
        JobContext context;
        context.cancel = &cancel;
        context.progress = [&](int d, int t) { progress.append({d, t}); };

        const JobReport report = runPhotos(total, cancelAt, context, &cancel, workers);
        const int listed = int(report.photos.size());
        QCOMPARE(report.total, total);
        if (done >= 0)
            QCOMPARE(listed, done);
        else
            QVERIFY2(listed > cancelAt && listed < total, qPrintable(QString::number(listed)));
        QCOMPARE(report.cancelled, listed < total);
        QList<QPair<int, int>> counted;
        int outcomes[3] = {0, 0, 0}; // written, skipped, failed
        for (int k = 0; k < listed; ++k) {
            QCOMPARE(report.photos.at(k).fileName, QStringLiteral("p%1.jpg").arg(k));
            counted.append({k + 1, total});
            ++outcomes[k % 3];
        }
        QCOMPARE(progress, counted);
        const QList<qsizetype> counts{report.count(PhotoResult::Outcome::Written), report.written().size(),
                                      report.skipped().size(), report.failed().size()};
        QCOMPARE(counts, (QList<qsizetype>{outcomes[0], outcomes[0], outcomes[1], outcomes[2]}));
        QCOMPARE(report.anyFailed(), outcomes[2] > 0);
        QCOMPARE(report.problemLines().size(), outcomes[1] + outcomes[2]);
    }

    // A job runs off the starting thread, one at a time, and answers on the starting thread.
    void jobDeliversProgressAndOneReportOnItsThread()
    {
        BatchJob job;
        QSignalSpy started(&job, &BatchJob::started);
        QSignalSpy progress(&job, &BatchJob::progress);
        QSignalSpy finished(&job, &BatchJob::finished);
        QThread *const creator = QThread::currentThread();
        QThread *worker = nullptr;
        connect(&job, &BatchJob::finished, this, [creator] { QCOMPARE(QThread::currentThread(), creator); });

        QVERIFY(job.start("seven", [&worker](const JobContext &context) {
            worker = QThread::currentThread();
            return runPhotos(7, -1, context, nullptr);
        }));
        QCOMPARE(started.size(), 1);
        QVERIFY(job.isRunning());
        QVERIFY(!job.start("second", [](const JobContext &) { return JobReport(); }));
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!job.isRunning());
        QVERIFY(worker && worker != creator);
        QCOMPARE(progress.size(), 7);
        QCOMPARE(progress.last(), (QList<QVariant>{7, 7}));
        QCOMPARE(finished.first().at(0).toString(), "seven");
        const JobReport report = finished.first().at(1).value<JobReport>();
        QCOMPARE(report.photos.size(), 7);
        QVERIFY(!report.cancelled);
    }
};

QTEST_GUILESS_MAIN(TestBatchJob)
#include "tst_BatchJob.moc"
