// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionHarness.h"

#include <QImage>

class TestPhotoDropArea : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_photo, m_text, m_folder;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_photo = m_dir.filePath(QStringLiteral("a.jpg"));
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(m_photo, "JPEG"));
        m_text = m_dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeFile(m_text, "not a photo\n"));
        m_folder = m_dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(m_folder));
    }

    // Only the first item decides; a taken drop keeps every item, replacing the last drop.
    void acceptance_data()
    {
        QTest::addColumn<QList<QUrl>>("items");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("folder");
        const QUrl photo = QUrl::fromLocalFile(m_photo), text = QUrl::fromLocalFile(m_text);
        const QUrl missing = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("gone.jpg")));
        const QUrl web(QStringLiteral("https://example.org/a.jpg"));
        QTest::newRow("photo") << QList<QUrl>{photo} << true << false;
        QTest::newRow("folder") << QList<QUrl>{QUrl::fromLocalFile(m_folder)} << true << true;
        QTest::newRow("text file") << QList<QUrl>{text} << false << false;
        QTest::newRow("photo first, text after") << QList<QUrl>{photo, text} << true << false;
        QTest::newRow("text first, photo after") << QList<QUrl>{text, photo} << false << false;
        QTest::newRow("missing file") << QList<QUrl>{missing} << false << false;
        QTest::newRow("web address") << QList<QUrl>{web} << false << false;
    }

    void acceptance()
    {
        QFETCH(QList<QUrl>, items);
        QFETCH(bool, accepted);
        QFETCH(bool, folder);
        PhotoDropArea view;
        QSignalSpy posted(&view, &PhotoDropArea::photosDropped);
        // A folder dropped before: a photo drop must not keep its flag.
        QVERIFY(Harness::drop(&view, QStringList{m_folder, m_photo}));
        QCOMPARE(Harness::dropUrls(&view, items), accepted);
        QCOMPARE(posted.count(), accepted ? 2 : 1);
        QCOMPARE(view.imageName(), QStringLiteral("importtips.png"));
        if (!accepted)
            return;
        QCOMPARE(view.droppedUrls(), items);
        QCOMPARE(view.droppedFolder(), folder);
    }
};

QTEST_MAIN(TestPhotoDropArea)
#include "tst_photodroparea.moc"
