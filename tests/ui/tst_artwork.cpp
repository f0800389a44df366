// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Artwork.h"

#include <QImage>
#include <QTest>

// Every picture the program asks for by name is in the resources and drawn.
class TestArtwork : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namedPicturesExist_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names{
            // backgrounds
            "mainwindow.png", "bottomwindow.png", "bgroud.png", "tablehead.png", "editimageview.png",
            "updateground.png", "scanbg.png", "windowtopbanner.png",
            // views
            "importtips.png", "flashimage.png",
            // camera and editor buttons
            "opendevice.png", "delete.png", "downloadphoto.png", "importphototoedit.png", "editphotometa.png",
            "deletemetadata.png", "photolibdown.png", "photolibnom.png", "localphotodown.png", "localphotonom.png",
            "cameraphotonom.png", "backdown.png", "backnom.png", "templatedown.png", "templatenom.png",
            "applydown.png", "applynom.png", "editdown.png", "editnom.png", "editexifnom.png",
            // close buttons
            "Close_Down.png", "Close_Nom.png", "titlebarreddown.png", "titlebarred.png"};
        for (const QString &n : names)
            QTest::newRow(qPrintable(n)) << n;
    }

    void namedPicturesExist()
    {
        QFETCH(QString, name);
        QVERIFY(artwork::exists(name));
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
    }

    void pairsMatchInSize()
    {
        const QList<QPair<QString, QString>> pairs{
            {"backdown.png", "backnom.png"},         {"templatedown.png", "templatenom.png"},
            {"applydown.png", "applynom.png"},       {"editdown.png", "editnom.png"},
            {"photolibdown.png", "photolibnom.png"}, {"localphotodown.png", "localphotonom.png"},
            {"Close_Down.png", "Close_Nom.png"},     {"titlebarreddown.png", "titlebarred.png"}};
        for (const auto &[down, nom] : pairs) {
            QCOMPARE(artwork::size(down), artwork::size(nom));
            // The pressed picture differs from the normal one.
            QVERIFY(artwork::pixmap(down).toImage() != artwork::pixmap(nom).toImage());
        }
    }

    void applicationIcon()
    {
        QVERIFY(!artwork::applicationIcon().isNull());
        QCOMPARE(artwork::applicationIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
