// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionHarness.h"

#include "windows/PreferenceWindow.h"
#include "windows/ResizeWindow.h"

#include "compress/ResizePresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestResizeSheet : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    Photos m_photos;

    static void choose(Harness &h, const QString &title)
    {
        QComboBox *popup = h.ui().resizeImageWindow->theResizePopBtn();
        popup->setCurrentIndex(popup->findText(title));
        h.delegate->SelectItemAction();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
    }

    // What the sheet shows for the first result and what the photo becomes. "Custom" opens
    // unticked and takes the typed size as it is (never enlarging); ticked, it fits inside it.
    void sheetSizesTheFirstResult_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("widthText"); // typed for "Custom", shown for a preset
        QTest::addColumn<QString>("heightText");
        QTest::addColumn<bool>("keepProportions");
        QTest::addColumn<QSize>("result");
        QTest::newRow("landscape preset") << "landscape" << "320 x 240" << "320" << "" << true << QSize(320, 240);
        QTest::newRow("upright preset") << "upright" << "320 x 240" << "" << "240" << true << QSize(180, 240);
        QTest::newRow("square preset") << "square" << "320 x 240" << "" << "240" << true << QSize(240, 240);
        QTest::newRow("custom as typed") << "landscape" << "Custom" << "100" << "50" << false << QSize(100, 50);
        QTest::newRow("custom never enlarges") << "landscape" << "Custom" << "900" << "50" << false << QSize(640, 50);
        QTest::newRow("custom ticked fits") << "landscape" << "Custom" << "100" << "50" << true << QSize(67, 50);
    }

    void sheetSizesTheFirstResult()
    {
        QFETCH(QString, which);
        QFETCH(QString, choice);
        QFETCH(QString, widthText);
        QFETCH(QString, heightText);
        QFETCH(bool, keepProportions);
        QFETCH(QSize, result);
        const QString source = which == QLatin1String("landscape") ? m_photos.landscape
            : which == QLatin1String("upright")                    ? m_photos.upright
                                                                   : m_photos.square;
        Harness h;
        h.launch(Harness::KeepingOriginals);
        QVERIFY(h.dropAndWait(h.copies({source}, which)));
        const QSize before = QImageReader(h.delegate->dragPhotoArray().constFirst().restPath()).size();

        ResizeWindow *sheet = h.ui().resizeImageWindow;
        h.delegate->ShowResizePhotoWindow();
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->theResizePopBtn()->currentText(), QStringLiteral("Custom"));
        QCOMPARE(sheet->theResizePopBtn()->count(), compress::resizePresetTitles().size()); // filled once
        QCOMPARE(sheet->widthSizelab()->text(), QString::number(before.width()));
        QCOMPARE(sheet->heightSizelab()->text(), QString::number(before.height()));
        QVERIFY(!sheet->resizeScaleBtn()->isChecked());

        choose(h, choice);
        if (choice == QLatin1String("Custom")) {
            sheet->widthSizelab()->setText(widthText);
            sheet->heightSizelab()->setText(heightText);
            sheet->resizeScaleBtn()->setChecked(keepProportions);
        }
        QCOMPARE(sheet->widthSizelab()->text(), widthText);
        QCOMPARE(sheet->heightSizelab()->text(), heightText);
        QCOMPARE(sheet->resizeScaleBtn()->isChecked(), keepProportions);

        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QVERIFY(finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QCOMPARE(QImageReader(h.delegate->dragPhotoArray().constFirst().restPath()).size(), result);
        QVERIFY(h.ui().saveSizelab->isVisible());
    }

    // With nothing compressed the sheet cannot start and choosing a preset keeps the
    // fields; with a result, a zero size starts nothing and leaves the result alone.
    void sheetWithoutAUsableSizeChangesNothing()
    {
        Harness h;
        h.launch();
        ResizeWindow *sheet = h.ui().resizeImageWindow;
        sheet->widthSizelab()->setText(QStringLiteral("77"));
        sheet->heightSizelab()->setText(QStringLiteral("88"));
        h.delegate->ShowResizePhotoWindow();
        QVERIFY(!sheet->okButton()->isEnabled());
        choose(h, QStringLiteral("640 x 480"));
        QCOMPARE(sheet->widthSizelab()->text(), QStringLiteral("77"));
        QCOMPARE(sheet->heightSizelab()->text(), QStringLiteral("88"));
        sheet->cancelButton()->click();
        QVERIFY(!sheet->isVisible());

        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        QVERIFY(h.dropAndWait(h.copies({m_photos.landscape}, QStringLiteral("c"))));
        const QString result = h.delegate->dragPhotoArray().constFirst().restPath();
        const QByteArray before = readBytes(result);
        const QString lineBefore = h.ui().saveSizelab->text();
        h.delegate->ShowResizePhotoWindow();
        choose(h, QStringLiteral("Custom"));
        sheet->widthSizelab()->setText(QStringLiteral("100"));
        sheet->heightSizelab()->setText(QStringLiteral("0"));
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QVERIFY(!h.delegate->isCompressing());
        QTest::qWait(200);
        QCOMPARE(readBytes(result), before);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QCOMPARE(h.ui().saveSizelab->text(), lineBefore);
    }
};

QTEST_MAIN(TestResizeSheet)
#include "tst_resizesheet.moc"
