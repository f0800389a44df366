#include "TestSupport.h"

#include "sources/ThumbnailLoader.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestThumbnailLoader : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString image(const QString &name, int w, int h)
    {
        const QString path = m_dir.filePath(name);
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
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
        QCOMPARE(ThumbnailLoader::makeThumbnail(wide, box).size(), QSize(90, 45));
        QCOMPARE(ThumbnailLoader::makeThumbnail(small, box).size(), QSize(30, 20));
        if (testsupport::hasProgram(QStringLiteral("exiftool")))
            QCOMPARE(ThumbnailLoader::makeThumbnail(turned, box).size(), QSize(45, 90));
        QVERIFY(ThumbnailLoader::makeThumbnail(m_dir.filePath(QStringLiteral("gone.jpg")), box).isNull());
    }

    void answersEachRequestOnTheLoadersThread()
    {
        ThumbnailLoader loader(QSize(90, 90));
        QSignalSpy spy(&loader, &ThumbnailLoader::thumbnailReady);
        QStringList paths;
        for (int i = 0; i < 20; ++i)
            paths << image(QStringLiteral("p%1.png").arg(i), 120, 100 + i);
        paths << m_dir.filePath(QStringLiteral("missing.png"));
        QThread *const mainThread = QThread::currentThread();
        connect(&loader, &ThumbnailLoader::thumbnailReady, this,
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
        ThumbnailLoader loader(QSize(90, 90));
        QSignalSpy spy(&loader, &ThumbnailLoader::thumbnailReady);
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
};

QTEST_GUILESS_MAIN(TestThumbnailLoader)
#include "tst_ThumbnailLoader.moc"
