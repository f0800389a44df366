// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorPhotoModel.h"

#include "sources/LocalImport.h"

#include <QIcon>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestEditorPhotoModel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QStringList m_paths;

private Q_SLOTS:
    void initTestCase()
    {
        for (int i = 0; i < 40; ++i) {
            const QString path = m_dir.filePath(QStringLiteral("p%1.png").arg(i));
            QImage image(300 + i, 200, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 9, 200, 200));
            QVERIFY(image.save(path));
            m_paths << path;
        }
    }

    void thousandItemsFillAndEveryCellGetsItsPicture()
    {
        EditorPhotoModel model;
        QStringList many;
        for (int i = 0; i < 1000; ++i)
            many << m_paths.at(i % m_paths.size());
        many << m_dir.filePath(QStringLiteral("missing.jpg"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.appendItems(localimport::itemsFromPaths(many));
        QCOMPARE(model.rowCount(), 1001);
        // Each file is decoded once, however often it is in the list.
        QTRY_VERIFY_WITH_TIMEOUT(model.thumbnailsSettled(), 30000);
        QCOMPARE(changed.size(), 1001);
        for (int row : {0, 39, 40, 999}) {
            const QModelIndex index = model.index(row);
            QVERIFY(index.data(EditorPhotoModel::LoadedRole).toBool());
            QVERIFY(!model.localPhotoItemArray().at(row).fileImage.isNull());
            QVERIFY(model.localPhotoItemArray().at(row).fileImage.width() <= 2 * EditorPhotoModel::ThumbnailEdge);
        }
        QVERIFY(model.localPhotoItemArray().last().fileImage.isNull());
        QCOMPARE(model.index(0).data(Qt::DisplayRole).toString(), QStringLiteral("p0.png"));

        // A file added again later takes the picture already made.
        model.appendItems(localimport::itemsFromPaths({m_paths.first()}));
        QVERIFY(!model.localPhotoItemArray().last().fileImage.isNull());
    }

    void clearingDropsAnswersOnTheirWay()
    {
        EditorPhotoModel model;
        model.appendItems(localimport::itemsFromPaths(m_paths));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.thumbnailsSettled());
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QTest::qWait(300);
        QCOMPARE(changed.size(), 0);

        model.appendItems(localimport::itemsFromPaths(m_paths.mid(0, 2)));
        QTRY_VERIFY(model.thumbnailsSettled());
        QVERIFY(!model.localPhotoItemArray().at(1).fileImage.isNull());
    }
};

QTEST_MAIN(TestEditorPhotoModel)
#include "tst_editorphotomodel.moc"
