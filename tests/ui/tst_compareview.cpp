// SPDX-License-Identifier: GPL-3.0-or-later
// The before-and-after view: opened from a result row, it shows both photos upright with
// their sizes and the SSIM; its two panes (or its split) always show the same place.
#include "CompressionHarness.h"

#include "compare/CompareController.h"
#include "compare/CompareWindow.h"
#include "compare/ComparisonView.h"

#include "compress/SizeText.h"
#include "imageio/Ssim.h"

#include <QImageReader>

namespace {

// Each pixel says where it is (red, green) and which photo it belongs to (blue).
QImage positions(bool result)
{
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, result ? 255 : 0));
    return image;
}

QImage readUpright(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

class TestCompareView : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

    // What the view shows at a widget point: the photo point and whether it is the result.
    static std::tuple<int, int, bool> shownAt(ComparisonView &view, QPoint at)
    {
        const QRgb p = view.grab().toImage().pixel(at);
        return {qRed(p), qGreen(p), qBlue(p) > 128};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        usePrivateHome(m_home.path());
    }

    // By a double click on the row or by its menu: both photos upright, with their sizes
    // and an SSIM that Qt's own reader, orientation applied, agrees with.
    void resultRowOpensIt_data()
    {
        QTest::addColumn<QString>("camera"); // a corpus photo; none: a generated one
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("lying on its side, double click") << QString() << false;
        QTest::newRow("camera photo, menu") << "camera/Minolta_DiMAGE_X.jpg" << true;
    }

    void resultRowOpensIt()
    {
        QFETCH(QString, camera);
        QFETCH(bool, fromMenu);
        const QString corpus = qEnvironmentVariable("GLIMMERSET_CORPUS");
        if (!camera.isEmpty() && (corpus.isEmpty() || !QFileInfo::exists(corpus + QLatin1Char('/') + camera)))
            QSKIP("the photo corpus is not here");
        Harness h(Harness::KeepingOriginals);
        const QString photo = camera.isEmpty()
            ? testsupport::makeJpeg(h.dir.filePath("sideways.jpg"), 96, 64, {"-Orientation#=6"})
            : h.copies({corpus + '/' + camera}, "camera").first();
        QVERIFY(h.dropAndWait({photo}));
        const QString result = h.delegate->dragPhotoArray().first().restPath();

        ResultTableView *table = h.ui().theTableview;
        const QPoint row(40, ResultNameCell::RowHeight / 2);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);
        QAction *compare = h.delegate->compareController()->compareAction();
        QCOMPARE(table->actions().first(), compare);
        if (fromMenu)
            compare->trigger();
        else
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row);
        CompareWindow *window = h.delegate->compareController()->window();
        QVERIFY(window && window->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window->isWorking(), 30000);

        const QImage original = readUpright(photo), compressed = readUpright(result);
        QCOMPARE(window->view->original().size(), original.size());
        QCOMPARE(window->view->result().size(), compressed.size());
        QVERIFY2(window->originalLabel->text().contains(compress::sizeText(quint64(QFileInfo(photo).size()))),
                 qPrintable(window->originalLabel->text()));
        QVERIFY2(window->resultLabel->text().contains(compress::sizeText(quint64(QFileInfo(result).size()))),
                 qPrintable(window->resultLabel->text()));
        const QString ssimText = window->ssimLabel->text();
        const QRegularExpressionMatch shown = QRegularExpression("SSIM (\\d\\.\\d{4})").match(ssimText);
        QVERIFY2(shown.hasMatch(), qPrintable(ssimText));
        QVERIFY2(std::abs(shown.captured(1).toDouble() - ssim::meanSsim(original, compressed)) < 0.01,
                 qPrintable(ssimText));

        if (!camera.isEmpty()) {
            testsupport::screenshot(QStringLiteral("compare-side-by-side.png"), window->windowHandle());
            QTest::mouseClick(window->splitButton, Qt::LeftButton);
            QTest::mouseClick(window->doubleSizeButton, Qt::LeftButton);
            window->view->setCentre(QPointF(640, 400));
            testsupport::screenshot(QStringLiteral("compare-split-200.png"), window->windowHandle());
        }
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // Side by side, both panes show the same photo point at every zoom and after a pan;
    // split, the slider divides the original from the result.
    void panesFollowEachOther()
    {
        CompareWindow window;
        ComparisonView &view = *window.view;
        view.setImages(positions(false), positions(true));
        window.show();
        view.setFixedSize(604, 240);
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(window.fitButton, Qt::LeftButton);
        QVERIFY(view.shownScale() * 400 <= view.panes().first().width() + 0.5);

        for (QPushButton *zoom : {window.actualSizeButton, window.doubleSizeButton}) {
            QTest::mouseClick(zoom, Qt::LeftButton);
            const double scale = zoom == window.doubleSizeButton ? 2 : 1;
            QCOMPARE(view.shownScale(), scale);
            QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 150));
            QTest::mouseMove(&view, QPoint(60, 130));
            QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(60, 130));
            const QList<QRectF> panes = view.panes();
            QCOMPARE(panes.size(), 2);
            const QPoint left = panes.at(0).center().toPoint(), right = panes.at(1).center().toPoint();
            const auto [lx, ly, leftIsResult] = shownAt(view, left);
            const auto [rx, ry, rightIsResult] = shownAt(view, right);
            QVERIFY(!leftIsResult && rightIsResult);
            QCOMPARE(rx, lx);
            QCOMPARE(ry, ly);
            // The drag moved the photo by its length on the screen.
            const QPointF at = view.photoPointAt(left);
            QCOMPARE(lx, int(at.x()) % 256);
            QCOMPARE(ly, int(at.y()) % 256);
            QVERIFY(std::abs(at.x() - (200 + 40 / scale)) <= 1 && std::abs(at.y() - (150 + 20 / scale)) <= 1);
            view.setCentre(QPointF(200, 150));
        }

        QTest::mouseClick(window.splitButton, Qt::LeftButton);
        QCOMPARE(view.panes().size(), 1);
        const int slider = int(view.split() * view.width());
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(slider, 150));
        QTest::mouseMove(&view, QPoint(180, 150));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(180, 150));
        QVERIFY(std::abs(view.split() * view.width() - 180) <= 1);
        QVERIFY(!std::get<2>(shownAt(view, QPoint(170, 150))));
        QVERIFY(std::get<2>(shownAt(view, QPoint(190, 150))));
    }
};

QTEST_MAIN(TestCompareView)
#include "tst_compareview.moc"
