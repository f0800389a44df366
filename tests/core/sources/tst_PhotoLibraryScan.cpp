// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFixture.h"

#include "sources/library/PhotoLibrary.h"
#include "sources/library/PhotoLibraryScan.h"
#include "sources/library/PhotoLibrarySource.h"
#include "sources/library/PhotoLibraryWalker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList relativeTo(const QString &base, const QStringList &paths)
{
    QStringList out;
    for (const QString &path : paths)
        out << path.mid(base.size() + 1);
    return out;
}

} // namespace

class TestPhotoLibraryScan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void walk_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("photos");  // in the order found, relative to the package
        QTest::addColumn<QStringList>("skipped"); // in any order
        QTest::addColumn<int>("hidden");

        QTest::newRow("year/month/day folders, depth first")
            << QStringList{"Masters/2019/01/10/c.jpg", "Masters/top.jpg", "Masters/2019/01/02/b.jpg",
                           "Masters/2019/01/02/a.PNG", "Masters/2018/12/31/z.jpeg", "Masters/2019/x.jpg",
                           "Masters/2017/"}
            << QStringList{"Masters/2018/12/31/z.jpeg", "Masters/2019/01/02/a.PNG", "Masters/2019/01/02/b.jpg",
                           "Masters/2019/01/10/c.jpg", "Masters/2019/x.jpg", "Masters/top.jpg"}
            << QStringList{} << 0;
        QTest::newRow("originals where there is no Masters")
            << QStringList{"originals/F/b.jpg", "originals/0/A.jpg", "resources/derivatives/0/A_thumb.jpg"}
            << QStringList{"originals/0/A.jpg", "originals/F/b.jpg"} << QStringList{} << 0;
        QTest::newRow("Masters before originals")
            << QStringList{"originals/0/A.jpg", "Masters/2019/m.jpg"} << QStringList{"Masters/2019/m.jpg"}
            << QStringList{} << 0;
        QTest::newRow("movies, sidecars and hidden entries at every level")
            << QStringList{"Masters/clip.MOV", "Masters/clip2.mp4", "Masters/.DS_Store", "Masters/.hidden.jpg",
                           "Masters/.Trash/t.jpg", "Masters/2019/a.jpg", "Masters/2019/a.xmp", "Masters/2019/a.AAE",
                           "Masters/2019/v.Mp4", "Masters/2019/w.m4v", "Masters/2019/y.mpeg", "Masters/2019/notes.txt",
                           "Masters/2019/fake.jpg", "Masters/2019/x.MOV/inside.jpg", "Masters/2019/.DS_Store",
                           "Masters/2019/b.jpg"}
            << QStringList{"Masters/2019/a.jpg", "Masters/2019/b.jpg"}
            << QStringList{"Masters/clip.MOV", "Masters/clip2.mp4", "Masters/2019/a.xmp", "Masters/2019/a.AAE",
                           "Masters/2019/v.Mp4", "Masters/2019/w.m4v", "Masters/2019/y.mpeg", "Masters/2019/notes.txt",
                           "Masters/2019/fake.jpg", "Masters/2019/x.MOV"}
            << 4;
    }
    void walk()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, photos);
        QFETCH(QStringList, skipped);
        QFETCH(int, hidden);
        QTemporaryDir dir;
        const QString package = libraryfixture::makeLibrary(dir.path(), entries);

        QStringList found;
        const LibraryScanReport report =
            PhotoLibraryWalker().walk(package, [&found](const QString &path) { found << path; });
        QVERIFY(report.ok());
        QCOMPARE(relativeTo(package, found), photos);
        QCOMPARE(report.photoCount, photos.size());
        QStringList skippedPaths;
        for (const auto &entry : report.skipped) {
            skippedPaths << entry.path;
            QVERIFY(!entry.reason.isEmpty());
        }
        skippedPaths = relativeTo(package, skippedPaths);
        skippedPaths.sort();
        skipped.sort();
        QCOMPARE(skippedPaths, skipped);
        QCOMPARE(report.hiddenCount, hidden);
        QVERIFY(report.failed.isEmpty());
    }

    void notALibrary()
    {
        // As Tab completion types it.
        QVERIFY(photolibrary::isLibraryPackage(QStringLiteral("/media/disk/Photos Library.photoslibrary/")));
        QTemporaryDir dir;
        const QString empty = libraryfixture::makeLibrary(dir.path(), {QStringLiteral("database/")});
        LibraryScanReport report = PhotoLibraryWalker().walk(empty, [](const QString &) { QFAIL("no photos"); });
        QVERIFY(report.error.contains(QLatin1String("\"Masters\"")));
        report = PhotoLibraryWalker().walk(dir.filePath(QStringLiteral("gone")), [](const QString &) {});
        QVERIFY(!report.ok());
    }

    // As a photo source: items grow batch by batch and are their own files, read in place.
    void librarySource()
    {
        QTemporaryDir dir;
        const QString package = libraryfixture::makeLibrary(
            dir.path(), {QStringLiteral("Masters/2019/a.jpg"), QStringLiteral("Masters/2019/b.png")});
        PhotoLibrarySource source;
        QSignalSpy changed(&source, &PhotoSource::itemsChanged);
        QSignalSpy finished(&source, &PhotoLibrarySource::finished);
        QVERIFY(source.scan(package));
        QVERIFY(!source.scan(package));
        QVERIFY(finished.wait(30000));
        QVERIFY(source.capabilities().readsInPlace);
        QCOMPARE(source.items().size(), 2);
        QVERIFY(changed.size() >= 2); // emptied, then each batch
        const QString a = package + QStringLiteral("/Masters/2019/a.jpg");
        QCOMPARE(source.items().first().filePath, a);
        QCOMPARE(source.resolver(dir.filePath(QStringLiteral("work")))(source.items().first(), nullptr), a);

        QSignalSpy materialised(&source, &PhotoSource::materialised);
        source.materialise(0, dir.filePath(QStringLiteral("work")));
        QFile::remove(package + QStringLiteral("/Masters/2019/b.png"));
        source.materialise(1, dir.filePath(QStringLiteral("work")));
        QTRY_COMPARE(materialised.size(), 2);
        QCOMPARE(materialised.at(0), (QList<QVariant>{0, a, QString()}));
        QVERIFY(materialised.at(1).at(2).toString().contains(QLatin1String("gone")));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("work")))); // nothing copied

        QSignalSpy thumbnails(&source, &PhotoSource::thumbnailReady);
        source.requestThumbnail(0);
        QTRY_COMPARE(thumbnails.size(), 1);
        QCOMPARE(thumbnails.first().at(1).value<QImage>().size(), QSize(8, 6));
    }
};

QTEST_GUILESS_MAIN(TestPhotoLibraryScan)
#include "tst_PhotoLibraryScan.moc"
