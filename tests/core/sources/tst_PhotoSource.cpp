// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePhotoSource.h"
#include "TestSupport.h"

#include "metadata/MetadataRemoval.h"
#include "sources/LocalImport.h"
#include "sources/LocalPhotoSource.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPhotoSource : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_a;
    QString m_b;
    QString m_text;

private Q_SLOTS:
    void initTestCase()
    {
        m_a = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("a.jpg")), 40, 30);
        m_b = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("b.jpg")), 30, 40);
        QVERIFY(!m_a.isEmpty() && !m_b.isEmpty());
        m_text = m_dir.filePath(QStringLiteral("notes.txt"));
        QFile f(m_text);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not an image") > 0);
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

    // Only the first dragged item is looked at: it must be a photo file.
    void dragAcceptance_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one photo") << QStringList{"a.jpg"} << true;
        QTest::newRow("photo first, then text") << QStringList{"a.jpg", "notes.txt"} << true;
        QTest::newRow("text first") << QStringList{"notes.txt", "a.jpg"} << false;
        QTest::newRow("folder") << QStringList{"."} << false;
        QTest::newRow("missing file") << QStringList{"gone.jpg"} << false;
        QTest::newRow("nothing") << QStringList{} << false;
    }

    void dragAcceptance()
    {
        QFETCH(QStringList, paths);
        QFETCH(bool, accepted);
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(QDir::cleanPath(m_dir.filePath(p)));
        QCOMPARE(localimport::editorAcceptsDrag(urls), accepted);
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

    // A command over a camera-like source works on the copies materialised so far and
    // reports the others as skipped; a failed download says why.
    void commandsWorkOnMaterialisedCopies()
    {
        FakePhotoSource camera({{QStringLiteral("IMG_1.JPG"), m_a}, {QStringLiteral("IMG_2.JPG"), m_b}});
        camera.failing.insert(QStringLiteral("IMG_2.JPG"));
        const QString working = m_dir.filePath(QStringLiteral("working"));
        QSignalSpy materialised(&camera, &PhotoSource::materialised);
        camera.materialise(0, working);
        camera.materialise(1, working);
        QTRY_COMPARE(materialised.size(), 2);
        QCOMPARE(materialised.at(0).at(1).toString(), working + QStringLiteral("/IMG_1.JPG"));
        QCOMPARE(materialised.at(1).at(2).toString(), QStringLiteral("the camera was disconnected"));

        EditTarget target;
        target.items = camera.items();
        target.selection = {0, 1};
        target.capabilities = camera.capabilities();
        target.workingFolder = working;
        target.resolve = camera.resolver(working);
        const JobReport report = metadataremoval::removeMetadata(target, metadataremoval::Removal::GPS);
        QCOMPARE(report.written(), QStringList{working + QStringLiteral("/NoGPS_IMG_1.JPG")});
        QCOMPARE(report.skipped().size(), 1);
        QCOMPARE(report.skipped().first().fileName, QStringLiteral("IMG_2.JPG"));
        QVERIFY(report.skipped().first().reason.contains(QLatin1String("not yet copied")));
    }
};

QTEST_GUILESS_MAIN(TestPhotoSource)
#include "tst_PhotoSource.moc"
