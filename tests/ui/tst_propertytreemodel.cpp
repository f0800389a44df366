// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata outline over real photos: the groups, values nested several levels down,
// and lists shown entry by entry.
#include "TestSupport.h"

#include "imageio/ImageSource.h"
#include "widgets/PropertyTreeModel.h"

#include <QtTest>

class TestPropertyTreeModel : public QObject
{
    Q_OBJECT

    // The value at `path` ("{GPS}/Latitude", "{IPTC}/Keywords/2"), found by opening
    // the rows one key at a time as a person would; empty when a key is missing.
    static QString valueAt(const QStandardItemModel &model, const QString &path)
    {
        QModelIndex parent;
        QModelIndex value;
        for (const QString &key : path.split('/')) {
            const QModelIndexList found =
                model.match(model.index(0, 0, parent), Qt::DisplayRole, key, 1, Qt::MatchExactly);
            if (found.isEmpty())
                return QStringLiteral("<missing %1>").arg(key);
            parent = found.first();
            value = parent.siblingAtColumn(1);
        }
        return value.data().toString();
    }

private Q_SLOTS:
    void valuesAreReachable_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        QTest::newRow("group") << "gps_htc_desire.jpg" << "{GPS}" << "";
        QTest::newRow("nested value") << "gps_htc_desire.jpg" << "{Exif}/DateTimeOriginal" << "2011:05:06 09:59:48";
        QTest::newRow("list summary") << "iptc_metapm.jpg" << "{IPTC}/Keywords" << "2 values";
        QTest::newRow("list entries by number") << "iptc_metapm.jpg" << "{IPTC}/Keywords/2" << "Another keyword";
        QTest::newRow("top-level value") << "gps_iphone_1x1.jpg" << "PixelWidth" << "1";
    }
    void valuesAreReachable()
    {
        QFETCH(QString, photo);
        QFETCH(QString, path);
        QFETCH(QString, value);
        QString error;
        const QVariantMap properties = imageio::readProperties(testsupport::testData(photo), &error);
        QVERIFY2(!properties.isEmpty(), qPrintable(error));
        PropertyTreeModel model;
        model.setProperties(properties);
        const QString shown = valueAt(model, path);
        if (value.isEmpty())
            QVERIFY2(shown.endsWith(QLatin1String("entries")), qPrintable(shown));
        else
            QCOMPARE(shown, value);
    }

    // A second photo replaces the first whole: no group of the first one stays behind.
    void anotherPhotoReplacesTheOutline()
    {
        PropertyTreeModel model;
        model.setProperties(imageio::readProperties(testsupport::testData("iptc_metapm.jpg")));
        QVERIFY(!model.findItems("{IPTC}").isEmpty());
        model.setProperties({{"{TIFF}", QVariantMap{{"Make", "Canon"}}},
                             {"Thumbnail", QByteArray(512, 'x')}});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(valueAt(model, "{TIFF}/Make"), "Canon");
        QCOMPARE(valueAt(model, "Thumbnail"), "512 bytes");
    }
};

QTEST_MAIN(TestPropertyTreeModel)
#include "tst_propertytreemodel.moc"
