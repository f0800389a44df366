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

private Q_SLOTS:
    void initTestCase()
    {
        m_a = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("a.jpg")), 40, 30);
        m_b = testsupport::makeJpeg(m_dir.filePath(QStringLiteral("b.jpg")), 30, 40);
        QVERIFY(!m_a.isEmpty() && !m_b.isEmpty());
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
