// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PhotoDropArea.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

static QMimeData *urls(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> list;
    for (const QString &p : paths)
        list.append(p.startsWith(QLatin1String("http")) ? QUrl(p) : QUrl::fromLocalFile(p));
    data->setUrls(list);
    return data;
}

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
        QFile f(m_text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a photo\n");
        f.close();
        m_folder = m_dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(m_folder));
    }

    void acceptance_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("folder");
        QTest::newRow("photo") << QStringList{m_photo} << true << false;
        QTest::newRow("folder") << QStringList{m_folder} << true << true;
        QTest::newRow("text file") << QStringList{m_text} << false << false;
        QTest::newRow("photo first, text after") << QStringList{m_photo, m_text} << true << false;
        QTest::newRow("text first, photo after") << QStringList{m_text, m_photo} << false << false;
        QTest::newRow("missing file") << QStringList{m_dir.filePath(QStringLiteral("gone.jpg"))} << false << false;
        QTest::newRow("web address") << QStringList{QStringLiteral("https://example.org/a.jpg")} << false << false;
    }

    void acceptance()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, accepted);
        QFETCH(bool, folder);
        PhotoDropArea view;
        // A folder dragged before: an accepted photo drag must not keep its flag.
        std::unique_ptr<QMimeData> before(urls({m_folder}));
        view.draggingUpdated(before.get());
        std::unique_ptr<QMimeData> data(urls(items));
        QCOMPARE(view.draggingUpdated(data.get()) == Qt::CopyAction, accepted);
        if (accepted)
            QCOMPARE(view.droppedFolder(), folder);

        // The same answer through a real drag-enter event.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
    }

    void dropKeepsEveryUrlAndAnnounces()
    {
        PhotoDropArea view;
        QSignalSpy posted(&view, &PhotoDropArea::photosDropped);
        std::unique_ptr<QMimeData> data(urls({m_photo, m_text}));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &drop);
        QCOMPARE(posted.count(), 1);
        QCOMPARE(view.droppedUrls().size(), 2);
        QCOMPARE(view.droppedUrls().at(1).toLocalFile(), m_text);
        QCOMPARE(view.imageName(), QStringLiteral("importtips.png"));

        // A second drop replaces the list.
        std::unique_ptr<QMimeData> again(urls({m_photo}));
        QVERIFY(view.performDragOperation(again.get()));
        QCOMPARE(view.droppedUrls().size(), 1);
        QCOMPARE(posted.count(), 2);
    }
};

QTEST_MAIN(TestPhotoDropArea)
#include "tst_photodroparea.moc"
