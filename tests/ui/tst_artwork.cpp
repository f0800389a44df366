// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Artwork.h"

#include <QDir>
#include <QImage>
#include <QTest>

// Every picture the build renders is in the resources and drawn. That the code asks only
// for pictures that exist is checked where the windows are built: tst_translation and
// tst_mainwindow fail on the "missing artwork" warning.
class TestArtwork : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPictureIsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(":/artwork").entryList(QDir::Files);
        // As many pictures as drawings: none failed to render, nor did the application icon.
        QCOMPARE(names.size(), QDir(":/artwork-svg").entryList(QDir::Files).size());
        QVERIFY(names.size() > 30);
        QCOMPARE(artwork::applicationIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
        for (const QString &n : names)
            QTest::newRow(qPrintable(n)) << n;
    }

    void everyPictureIsDrawn()
    {
        QFETCH(QString, name);
        const QPixmap pm = artwork::pixmap(name);
        QVERIFY(!pm.isNull());
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        // Drawn, not blank: some pixel is opaque.
        const QImage image = pm.toImage();
        bool opaque = false;
        for (int y = 0; y < image.height() && !opaque; y += 2)
            for (int x = 0; x < image.width() && !opaque; x += 2)
                opaque = qAlpha(image.pixel(x, y)) == 255;
        QVERIFY(opaque);
        // A pressed picture matches its normal one in size and differs from it.
        static const QList<QPair<QString, QString>> pressed{
            {"down.png", "nom.png"}, {"_Down.png", "_Nom.png"}, {"down.png", ".png"}};
        for (const auto &[down, normal] : pressed) {
            if (!name.endsWith(down))
                continue;
            const QString other = name.chopped(down.size()) + normal;
            if (!artwork::exists(other))
                continue;
            QCOMPARE(artwork::size(name), artwork::size(other));
            QVERIFY(pm.toImage() != artwork::pixmap(other).toImage());
        }
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
