// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTestKit.h"

#include "imageio/PhotoFiles.h"
#include "metadata/EditSteps.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace editortest;

namespace {
int syncError = 0;
int failingSync(int)
{
    errno = syncError;
    return -1;
}
} // namespace

// The per-photo step every editor command shares.
class TestEditSteps : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_a;
    QString m_b;

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        QDir().mkpath(m_dir.filePath("src"));
        m_a = testsupport::makeJpeg(m_dir.filePath("src/a.jpg"), 40, 30, {"-IFD0:Make=Nikon"});
        m_b = testsupport::makeJpeg(m_dir.filePath("src/b.jpg"), 40, 30);
    }

    // A copy whose file dates cannot be set is a failed photo, not a written one, and the
    // other photos of the run are unaffected.
    void fileDatesFailureFailsThePhoto()
    {
        const QString folder = m_dir.filePath("dates");
        const JobReport report = editsteps::runEdit(
            localTarget({m_a, m_b}, {0, 1}, folder), "X_", {}, [](const editsteps::Photo &photo) {
                editsteps::PhotoPlan plan = editsteps::PhotoPlan::copyAsIs();
                if (photo.source.fileName == "a.jpg")
                    plan.modification = QDateTime(); // a date the file system cannot take
                return plan;
            });
        QCOMPARE(report.written(), QStringList{folder + "/X_b.jpg"});
        const PhotoResult failed = report.failed().value(0);
        QCOMPARE(failed.fileName, "a.jpg");
        QCOMPARE(failed.output, folder + "/X_a.jpg");
        QVERIFY2(failed.reason.contains("file dates could not be set"), qPrintable(failed.reason));
    }

    // A failed sync before the rename fails the copy with its reason and leaves no half-written
    // file, on either way of writing (an earlier file of that name: tst_photofiles).
    void failedSyncLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("rewrite");
        QTest::addColumn<QString>("reason");
        QTest::newRow("I/O error, rewritten copy") << EIO << true << QString::fromLocal8Bit(std::strerror(EIO));
        QTest::newRow("space allocated late, copy as is") << ENOSPC << false << "disk full";
    }

    void failedSyncLeavesEverythingAsItWas()
    {
        QFETCH(int, code);
        QFETCH(bool, rewrite);
        QFETCH(QString, reason);
        syncError = code;
        imageio::syncFileToDisk = failingSync;
        const auto restore = qScopeGuard([] { imageio::syncFileToDisk = ::fsync; });
        const QString folder = m_dir.filePath(QStringLiteral("sync%1").arg(code));
        const editsteps::PhotoPlan plan =
            rewrite ? editsteps::PhotoPlan::rewrite({{"{GPS}", {}}}) : editsteps::PhotoPlan::copyAsIs();
        const JobReport report = editsteps::runEdit(localTarget({m_a}, {0}, folder), "X_", {},
                                                    [plan](const editsteps::Photo &) { return plan; });
        QCOMPARE(report.failed().size(), 1);
        QVERIFY2(report.failed().first().reason.contains(reason), qPrintable(report.failed().first().reason));
        QCOMPARE(filesIn(folder), QStringList());
    }

    // No command writes over a file it reads, no two photos of a run share a copy, and no
    // copy replaces a file already there (an earlier run's copy is kept beside the new one).
    void copiesNeverLandOnSourcesOrEachOther_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("expected"); // output names, in list order
        QTest::addColumn<QStringList>("rerun");
        QTest::newRow("no prefix: the sources' own names") << "" << QStringList{"a (2).jpg", "b.jpg", "b (2).jpg"}
                                                           << QStringList{"a (3).jpg", "b (3).jpg", "b (4).jpg"};
        QTest::newRow("prefix: only the clash") << "X_" << QStringList{"X_a.jpg", "X_b.jpg", "X_b (2).jpg"}
                                                << QStringList{"X_a (2).jpg", "X_b (3).jpg", "X_b (4).jpg"};
    }

    void copiesNeverLandOnSourcesOrEachOther()
    {
        QFETCH(QString, prefix);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, rerun);
        const QString folder = m_dir.filePath("clash-" + prefix);
        QDir().mkpath(folder + "/other");
        // a.jpg lives in the Working folder; two different photos are both called b.jpg.
        const QString inside = folder + "/a.jpg";
        const QString otherB = folder + "/other/b.jpg";
        QVERIFY(QFile::copy(m_a, inside));
        QVERIFY(QFile::copy(m_a, otherB));
        const QByteArray insideBytes = bytesOf(inside);
        for (const QStringList &wanted : {expected, rerun}) {
            const JobReport report = editsteps::runEdit(localTarget({inside, m_b, otherB}, {0, 1, 2}, folder), prefix, {},
                                                        [](const editsteps::Photo &) { return editsteps::PhotoPlan::copyAsIs(); });
            QCOMPARE(report.written().replaceInStrings(folder + '/', ""), wanted);
        }
        QCOMPARE(bytesOf(inside), insideBytes);
        QCOMPARE(bytesOf(folder + '/' + expected[1]), bytesOf(m_b));
        QCOMPARE(bytesOf(folder + '/' + expected[2]), bytesOf(otherB));
        QCOMPARE(filesIn(folder).size(), 7); // the source and two runs' three copies
    }
};

QTEST_GUILESS_MAIN(TestEditSteps)
#include "tst_EditSteps.moc"
