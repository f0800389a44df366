// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "sources/Thumbnailer.h"

#include <QColor>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestThumbnailer : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString image(const QString &name, int w, int h, Qt::GlobalColor colour = Qt::darkGreen)
    {
        const QString path = m_dir.filePath(name);
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colour);
        return img.save(path) ? path : QString();
    }

private Q_SLOTS:
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

    void answersEachRequestOnTheLoadersThread()
    {
        Thumbnailer loader(QSize(90, 90));
        QSignalSpy spy(&loader, &Thumbnailer::thumbnailReady);
        QStringList paths;
        for (int i = 0; i < 20; ++i)
            paths << image(QStringLiteral("p%1.png").arg(i), 120, 100 + i);
        paths << m_dir.filePath(QStringLiteral("missing.png"));
        QThread *const mainThread = QThread::currentThread();
        connect(&loader, &Thumbnailer::thumbnailReady, this,
                [mainThread] { QCOMPARE(QThread::currentThread(), mainThread); });
        for (const QString &p : paths)
            loader.request(p);
        QTRY_COMPARE(spy.size(), paths.size());
        QSet<QString> answered;
        for (const QList<QVariant> &args : spy) {
            answered.insert(args.at(0).toString());
            const QImage thumb = args.at(1).value<QImage>();
            if (args.at(0).toString().endsWith(QLatin1String("missing.png")))
                QVERIFY(thumb.isNull());
            else
                QCOMPARE(thumb.width(), 90);
        }
        QCOMPARE(answered.size(), paths.size());
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

    // The cache decodes on its pool, once per file, notices a file rewritten in place, keeps
    // a placeholder for what cannot be read, and stays within its budget.
    void thumbnailsAreMadeOffTheMainThreadAndCached()
    {
        const QString path = image(QStringLiteral("cached.png"), 400, 200, Qt::red);
        Thumbnailer cache(QSize(88, 88), 1024 * 1024);
        QSignalSpy ready(&cache, &Thumbnailer::thumbnailReady);
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
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("garbage") == 7);
        f.close();
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

QTEST_GUILESS_MAIN(TestThumbnailer)
#include "tst_Thumbnailer.moc"
