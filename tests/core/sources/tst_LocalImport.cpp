// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "sources/PhotoItem.h"
#include "sources/LocalImport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestLocalImport : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_photo;
    QString m_text;

private Q_SLOTS:
    void initTestCase()
    {
        m_photo = m_dir.filePath(QStringLiteral("beach.jpg"));
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(m_photo));
        m_text = m_dir.filePath(QStringLiteral("notes.txt"));
        QFile f(m_text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not an image");
    }

    void everyUrlBecomesAnItem()
    {
        const QList<QUrl> urls{QUrl::fromLocalFile(m_photo), QUrl::fromLocalFile(m_text), QUrl::fromLocalFile(m_photo),
                               QUrl::fromLocalFile(m_dir.path())};
        const QList<PhotoItem> items = localimport::itemsFromUrls(urls);
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0].filePath, m_photo);
        QCOMPARE(items[0].fileName, QStringLiteral("beach.jpg"));
        QCOMPARE(items[1].fileName, QStringLiteral("notes.txt"));
        QCOMPARE(items[1].fileType, QStringLiteral("Image"));
        // The same file twice gives two items that share their identity.
        QCOMPARE(items[2].fileName, items[0].fileName);
        QCOMPARE(items[3].filePath, m_dir.path());
    }

    void dragAcceptance_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one photo") << QStringList{"beach.jpg"} << true;
        QTest::newRow("photo first, then text") << QStringList{"beach.jpg", "notes.txt"} << true;
        QTest::newRow("text first") << QStringList{"notes.txt", "beach.jpg"} << false;
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
};

QTEST_GUILESS_MAIN(TestLocalImport)
#include "tst_LocalImport.moc"
