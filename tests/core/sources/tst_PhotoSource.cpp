// SPDX-License-Identifier: GPL-3.0-or-later
// Where photos come from: local items and drops, and their thumbnails.
#include "TestSupport.h"

#include "sources/LocalImport.h"
#include "sources/LocalPhotoSource.h"
#include "sources/Thumbnailer.h"

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

private Q_SLOTS:
    void initTestCase()
    {
        m_a = image(QStringLiteral("a.jpg"), 40, 30);
        QVERIFY(!m_a.isEmpty());
        m_text = m_dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeFile(m_text, "not an image"));
    }

    // Every dropped URL becomes an item, whatever it is and however often it comes.
    void everyUrlBecomesAnItem()
    {
        const QList<PhotoItem> items = localimport::itemsFromUrls({QUrl::fromLocalFile(m_a), QUrl::fromLocalFile(m_text),
                                                                   QUrl::fromLocalFile(m_a), QUrl::fromLocalFile(m_dir.path())});
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0].filePath, m_a);
        QCOMPARE(items[0].fileName, QStringLiteral("a.jpg"));
        QCOMPARE(items[1].fileName, QStringLiteral("notes.txt"));
        QCOMPARE(items[1].fileType, QStringLiteral("Image"));
        QCOMPARE(items[2].fileName, items[0].fileName);
        QCOMPARE(items[3].filePath, m_dir.path());
    }

    void localItemsAreTheirOwnFiles()
    {
        LocalPhotoSource source;
        source.setItems(localimport::itemsFromPaths({m_a, m_dir.filePath(QStringLiteral("gone.jpg"))}));
        QVERIFY(source.capabilities().readsInPlace);
        QSignalSpy materialised(&source, &PhotoSource::materialised);
        source.materialise(0, m_dir.filePath(QStringLiteral("unused")));
        source.materialise(1, m_dir.filePath(QStringLiteral("unused")));
        QTRY_COMPARE(materialised.size(), 2);
        QCOMPARE(materialised.at(0), (QList<QVariant>{0, m_a, QString()}));
        QCOMPARE(materialised.at(1).at(1).toString(), QString());
        QVERIFY(!materialised.at(1).at(2).toString().isEmpty());
        QVERIFY(!QDir(m_dir.filePath(QStringLiteral("unused"))).exists());

        QSignalSpy thumbnails(&source, &PhotoSource::thumbnailReady);
        source.requestThumbnail(0);
        QTRY_COMPARE(thumbnails.size(), 1);
        QCOMPARE(thumbnails.first().at(0).toInt(), 0);
        QCOMPARE(thumbnails.first().at(1).value<QImage>().size(), QSize(40, 30));
    }

    // ---- The one Thumbnailer every source uses ---------------------------------

    void thumbnailsFitAndTurnUpright()
    {
        const QString wide = image(QStringLiteral("wide.jpg"), 400, 200);
        const QString small = image(QStringLiteral("small.png"), 30, 20);
        // Orientation 6: stored landscape, shown portrait.
        const QString turned = image(QStringLiteral("turned.jpg"), 400, 200);
        testsupport::run(QStringLiteral("exiftool"), {"-q", "-overwrite_original", "-IFD0:Orientation#=6", turned});

        const QSize box(90, 90);
        QCOMPARE(Thumbnailer::makeThumbnail(wide, box).size(), QSize(90, 45));
        QCOMPARE(Thumbnailer::makeThumbnail(small, box).size(), QSize(30, 20));
        if (testsupport::hasProgram(QStringLiteral("exiftool")))
            QCOMPARE(Thumbnailer::makeThumbnail(turned, box).size(), QSize(45, 90));
        QVERIFY(Thumbnailer::makeThumbnail(m_dir.filePath(QStringLiteral("gone.jpg")), box).isNull());
    }

    void cancelledRequestsNeverAnswer()
    {
        Thumbnailer loader(QSize(90, 90));
        QSignalSpy spy(&loader, &Thumbnailer::thumbnailReady);
        const QString path = image(QStringLiteral("c.png"), 300, 300);
        for (int i = 0; i < 50; ++i)
            loader.request(path);
        loader.cancelAll();
        loader.waitForDone();
        QCoreApplication::processEvents();
        QTest::qWait(50);
        QCOMPARE(spy.size(), 0);

        loader.request(path);
        QTRY_COMPARE(spy.size(), 1);
    }

    // The cache decodes on its pool, once per file, answers on the thread that asked,
    // notices a file rewritten in place and keeps a placeholder for what cannot be read.
    void thumbnailsAreMadeOffTheMainThreadAndCached()
    {
        const QString path = image(QStringLiteral("cached.png"), 400, 200, Qt::red);
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
        QCOMPARE(image(QStringLiteral("cached.png"), 100, 300, Qt::blue), path);
        {
            QFile touched(path);
            QVERIFY(touched.open(QIODevice::ReadWrite));
            QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        }
        QVERIFY(cache.thumbnail(path).isNull());
        QVERIFY(ready.wait());
        QCOMPARE(cache.thumbnail(path).size(), QSize(29, 88));

        const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
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
