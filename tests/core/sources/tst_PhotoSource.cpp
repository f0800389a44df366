// SPDX-License-Identifier: GPL-3.0-or-later
// Where photos come from: local items and drops, a photo library, and their thumbnails.
#include "../metadata/EditorTestKit.h"
#include "LibraryFixture.h"
#include "TestSupport.h"

#include "sources/LocalImport.h"
#include "sources/LocalPhotoSource.h"
#include "sources/Thumbnailer.h"
#include "sources/library/PhotoLibrary.h"
#include "sources/library/PhotoLibrarySource.h"
#include "sources/library/PhotoLibraryWalker.h"

#include <QColor>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPhotoSource : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_a;
    QString m_text;

    QString image(const QString &name, int w, int h, Qt::GlobalColor colour = Qt::darkGreen)
    {
        const QString path = m_dir.filePath(name);
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        return img.save(path) ? path : QString();
    }

    // For a source whose items are their own files: item 0 (`path`) is handed out in place
    // with a thumbnail of `size`, item 1 is gone, and nothing is copied anywhere.
    void checkReadsInPlace(PhotoSource &source, const QString &path, QSize size)
    {
        const QString unused = m_dir.filePath("unused");
        QVERIFY(source.capabilities().readsInPlace);
        QCOMPARE(source.resolver(unused)(source.items().first(), nullptr), path);
        QSignalSpy materialised(&source, &PhotoSource::materialised);
        source.materialise(0, unused);
        source.materialise(1, unused);
        QTRY_COMPARE(materialised.size(), 2);
        QCOMPARE(materialised.at(0), (QList<QVariant>{0, path, QString()}));
        QCOMPARE(materialised.at(1).at(1).toString(), QString());
        QVERIFY(!materialised.at(1).at(2).toString().isEmpty());
        QVERIFY(!QFileInfo::exists(unused));

        QSignalSpy thumbnails(&source, &PhotoSource::thumbnailReady);
        source.requestThumbnail(0);
        QTRY_COMPARE(thumbnails.size(), 1);
        QCOMPARE(thumbnails.first().at(0).toInt(), 0);
        QCOMPARE(thumbnails.first().at(1).value<QImage>().size(), size);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_a = image("a.jpg", 40, 30);
        QVERIFY(!m_a.isEmpty());
        m_text = m_dir.filePath("notes.txt");
        QVERIFY(testsupport::writeFile(m_text, "not an image"));
    }

    // Every dropped URL becomes an item, whatever it is and however often it comes.
    void localItemsAreTheirOwnFiles()
    {
        const QStringList paths{m_a, m_dir.filePath("gone.jpg"), m_text, m_text, m_dir.path()};
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        LocalPhotoSource source;
        source.setItems(localimport::itemsFromUrls(urls));
        QStringList items;
        for (const PhotoItem &item : source.items())
            items << item.filePath;
        QCOMPARE(items, paths);
        checkReadsInPlace(source, m_a, QSize(40, 30));
    }

    // ---- A photo library ----------------------------------------------------------

    void walk_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("photos");  // in the order found, relative to the package
        QTest::addColumn<QStringList>("skipped"); // sorted
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
            << QStringList{"Masters/2019/a.AAE", "Masters/2019/a.xmp", "Masters/2019/fake.jpg",
                           "Masters/2019/notes.txt", "Masters/2019/v.Mp4", "Masters/2019/w.m4v",
                           "Masters/2019/x.MOV", "Masters/2019/y.mpeg", "Masters/clip.MOV",
                           "Masters/clip2.mp4"}
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
        QCOMPARE(found.replaceInStrings(package + '/', ""), photos);
        QCOMPARE(report.photoCount, photos.size());
        QStringList skippedPaths;
        for (const auto &entry : report.skipped) {
            skippedPaths << entry.path;
            QVERIFY(!entry.reason.isEmpty());
        }
        skippedPaths.replaceInStrings(package + '/', "").sort();
        QCOMPARE(skippedPaths, skipped);
        QCOMPARE(report.hiddenCount, hidden);
        QVERIFY(report.failed.isEmpty());
    }

    void notALibrary()
    {
        // As Tab completion types it.
        QVERIFY(photolibrary::isLibraryPackage("/media/disk/Photos Library.photoslibrary/"));
        QTemporaryDir dir;
        const QString empty = libraryfixture::makeLibrary(dir.path(), {"database/"});
        LibraryScanReport report = PhotoLibraryWalker().walk(empty, [](const QString &) { QFAIL("no photos"); });
        QVERIFY(report.error.contains("\"Masters\""));
        report = PhotoLibraryWalker().walk(dir.filePath("gone"), [](const QString &) {});
        QVERIFY(!report.ok());
    }

    // Its items grow batch by batch, one scan at a time, and are their own files.
    void libraryItemsAreTheirOwnFiles()
    {
        QTemporaryDir dir;
        const QString package = libraryfixture::makeLibrary(
            dir.path(), {"Masters/2019/a.jpg", "Masters/2019/b.png"});
        PhotoLibrarySource source;
        QSignalSpy changed(&source, &PhotoSource::itemsChanged);
        QSignalSpy finished(&source, &PhotoLibrarySource::finished);
        QVERIFY(source.scan(package));
        QVERIFY(!source.scan(package));
        QVERIFY(finished.wait(30000));
        QCOMPARE(source.items().size(), 2);
        QVERIFY(changed.size() >= 2); // emptied, then each batch
        QFile::remove(package + "/Masters/2019/b.png");
        checkReadsInPlace(source, package + "/Masters/2019/a.jpg", QSize(8, 6));
    }

    // ---- The one Thumbnailer every source uses ---------------------------------

    void thumbnailsFitAndTurnUpright()
    {
        const QString small = image("small.png", 30, 20);
        // Orientation 6: stored landscape, shown portrait.
        const QString turned = image("turned.jpg", 400, 200);
        testsupport::run("exiftool", {"-q", "-overwrite_original", "-IFD0:Orientation#=6", turned});

        const QSize box(90, 90);
        QCOMPARE(Thumbnailer::makeThumbnail(small, box).size(), QSize(30, 20));
        QCOMPARE(Thumbnailer::makeThumbnail(turned, box).size(), QSize(45, 90));
        QVERIFY(Thumbnailer::makeThumbnail(m_dir.filePath("gone.jpg"), box).isNull());
    }

    void cancelledRequestsNeverAnswer()
    {
        Thumbnailer loader(QSize(90, 90));
        QSignalSpy spy(&loader, &Thumbnailer::thumbnailReady);
        const QString path = image("c.png", 300, 300);
        for (int i = 0; i < 50; ++i)
            loader.request(path);
        loader.cancelAll();
        loader.waitForDone();
        QVERIFY(!spy.wait(50));

        loader.request(path);
        QTRY_COMPARE(spy.size(), 1);
    }

    // The cache decodes on its pool, once per file, answers on the thread that asked,
    // notices a file rewritten in place and keeps a placeholder for what cannot be read.
    void thumbnailsAreMadeOffTheMainThreadAndCached()
    {
        const QString path = image("cached.png", 400, 200, Qt::red);
        Thumbnailer cache(QSize(88, 88), 1024 * 1024);
        QSignalSpy ready(&cache, &Thumbnailer::thumbnailReady);
        QThread *const mainThread = QThread::currentThread();
        connect(&cache, &Thumbnailer::thumbnailReady, this,
                [mainThread] { QCOMPARE(QThread::currentThread(), mainThread); });
        QVERIFY(cache.thumbnail(path).isNull()); // scheduled, not decoded here
        QCOMPARE(cache.pendingCount(), 1);
        QVERIFY(cache.thumbnail(path).isNull()); // not scheduled twice
        QVERIFY(ready.wait());
        QCOMPARE(ready.count(), 1);
        const QImage thumb = cache.thumbnail(path);
        QCOMPARE(thumb.size(), QSize(88, 44));
        QCOMPARE(QColor(thumb.pixel(40, 20)), QColor(Qt::red));

        QTest::qWait(20);
        QCOMPARE(image("cached.png", 100, 300, Qt::blue), path);
        QVERIFY(editortest::setModified(path, QDateTime::currentDateTime().addSecs(5)));
        QVERIFY(cache.thumbnail(path).isNull());
        QVERIFY(ready.wait());
        QCOMPARE(cache.thumbnail(path).size(), QSize(29, 88));

        const QString broken = m_dir.filePath("broken.jpg");
        QVERIFY(testsupport::writeFile(broken, "garbage"));
        cache.thumbnail(broken);
        QVERIFY(ready.wait());
        QVERIFY(cache.contains(broken));
        QCOMPARE(cache.pendingCount(), 0);
    }

    void cacheStaysWithinItsBudget()
    {
        const qint64 budget = 200 * 1024; // room for about six 88 x 88 pictures
        Thumbnailer cache(QSize(88, 88), budget);
        QSignalSpy ready(&cache, &Thumbnailer::thumbnailReady);
        for (int i = 0; i < 30; ++i)
            cache.thumbnail(image(QStringLiteral("budget%1.png").arg(i), 200, 200));
        QTRY_COMPARE(ready.count(), 30);
        QVERIFY(cache.cachedBytes() <= budget);
        QVERIFY(cache.cachedCount() < 30);
    }
};

QTEST_GUILESS_MAIN(TestPhotoSource)
#include "tst_PhotoSource.moc"
