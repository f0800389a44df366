// SPDX-License-Identifier: GPL-3.0-or-later
// The result list, from its model's sort orders to the window's table, and the
// before-and-after view a result row opens: it shows both photos upright with their sizes
// and the SSIM; its two panes (or its split) always show the same place.
#include "CompressionHarness.h"

#include "compare/CompareController.h"
#include "compare/CompareWindow.h"
#include "compare/ComparisonView.h"
#include "compress/SizeText.h"
#include "imageio/Ssim.h"
#include "widgets/ResultHeaderView.h"
#include "widgets/ResultTableDataSource.h"
#include "widgets/ResultTableModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QScrollBar>
#include <QToolButton>

// A data source over plain row texts, filling labels the way the controller does.
class TextSource : public ResultTableDataSource
{
public:
    QStringList rows;
    int asked = 0;
    int numberOfRowsInTableView(ResultTableView *) override { return int(rows.size()); }
    QWidget *tableView(ResultTableView *table, const QString &column, int row) override
    {
        if (column != QLatin1String("Name"))
            return nullptr;
        ++asked;
        auto *label = qobject_cast<QLabel *>(table->makeViewWithIdentifier(column));
        label->setText(rows.at(row));
        return label;
    }
};

static ResultRow entry(const QString &name, quint64 before, quint64 after)
{
    ResultRow e;
    e.setFileName(name);
    e.setOriginalPath("/in/" + name);
    e.setRestPath("/out/" + name);
    e.setOriginalFileSize(before);
    e.setRestFileSize(after);
    return e;
}

static QStringList names(const ResultTableModel &model)
{
    QStringList out;
    for (const ResultTableModel::Row &row : model.rows())
        out << row.entry.fileName();
    return out;
}

// Each pixel says where it is (red, green) and which photo it belongs to (blue).
static QImage positions(bool result)
{
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, result ? 255 : 0));
    return image;
}

static QImage readUpright(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

// What the view shows at a widget point: the photo point and whether it is the result.
static std::tuple<int, int, bool> shownAt(ComparisonView &view, QPoint at)
{
    const QRgb p = view.grab().toImage().pixel(at);
    return {qRed(p), qGreen(p), qBlue(p) > 128};
}

using Column = ResultTableModel::Column;

class TestResultTable : public QObject
{
    Q_OBJECT
    Photos m_photos;
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        usePrivateHome(m_home.path());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
    }

    // Rows: a (1000 -> 500, 50%), img10 (400 -> 100, 75%), img9 (2000 -> 1900, 5%),
    // c (300 -> 300, 0%), then a failed photo, and d (1000 -> 500, 50%, a tie with a).
    void sortOrders_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, Column column, Qt::SortOrder order, const char *names) {
            QTest::newRow(name) << int(column) << int(order) << QString(names).split(' ');
        };
        const Qt::SortOrder up = Qt::AscendingOrder, down = Qt::DescendingOrder;
        row("arrival", Column::None, up, "a.jpg img10.jpg img9.jpg c.jpg bad.jpg d.jpg");
        row("name, numbers as numbers", Column::Name, up, "a.jpg bad.jpg c.jpg d.jpg img9.jpg img10.jpg");
        row("original down", Column::Original, down, "img9.jpg a.jpg d.jpg img10.jpg c.jpg bad.jpg");
        row("compressed up", Column::Compressed, up, "bad.jpg img10.jpg c.jpg a.jpg d.jpg img9.jpg");
        row("saving down, ties in arrival order", Column::Saved, down,
            "img10.jpg a.jpg d.jpg img9.jpg c.jpg bad.jpg");
        row("saving up", Column::Saved, up, "c.jpg bad.jpg img9.jpg a.jpg d.jpg img10.jpg");
    }

    void sortOrders()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        // Sorted before and after the rows arrive: rows added to a sorted list go to their place.
        for (bool sortFirst : {false, true}) {
            ResultTableModel model;
            if (sortFirst)
                model.sort(Column(column), Qt::SortOrder(order));
            model.appendEntry(entry("a.jpg", 1000, 500));
            model.appendEntry(entry("img10.jpg", 400, 100));
            model.appendEntry(entry("img9.jpg", 2000, 1900));
            model.appendEntry(entry("c.jpg", 300, 300));
            model.appendProblem("/in/bad.jpg", ResultTableModel::RowState::Failed, "cannot write");
            model.appendEntry(entry("d.jpg", 1000, 500));
            if (!sortFirst)
                model.sort(Column(column), Qt::SortOrder(order));
            QCOMPARE(names(model), expected);
        }
    }

    // The real window after a real drop: the title sorts the rows, a click and the keys
    // select them, Delete takes them off the list and leaves the files alone.
    void windowTableSortsSelectsAndRemoves()
    {
        Harness h(Harness::KeepingOriginals);
        const QStringList inputs = h.copies(m_photos.all(), QStringLiteral("in"));
        QVERIFY(h.dropAndWait(inputs));
        QVERIFY(QTest::qWaitForWindowExposed(h.ui().window));
        ResultTableView *table = h.ui().theTableview;
        ResultTableModel *model = h.delegate->resultTableModel();
        model->appendProblem(inputs.first() + ".tif", ResultTableModel::RowState::Skipped,
                             "not a photo this program compresses");
        QCOMPARE(table->numberOfRows(), 4);
        auto *problemCell = qobject_cast<ResultNameCell *>(table->viewAtRow(3));
        QVERIFY(problemCell && problemCell->reasonlab()->isVisibleTo(problemCell));
        QVERIFY(!problemCell->originalFileSizelab()->isVisibleTo(problemCell));

        // Click the Saved title twice: biggest saving first, as the entries' own sizes say.
        QToolButton *saved = h.ui().resultHeader->titleButton(Column::Saved);
        QTest::mouseClick(saved, Qt::LeftButton);
        QTest::mouseClick(saved, Qt::LeftButton);
        QList<double> fractions;
        for (int row = 0; row < 3; ++row) {
            // The table lays its views out again once the sort has been delivered.
            QTRY_VERIFY(qobject_cast<ResultNameCell *>(table->viewAtRow(row)));
            auto *cell = qobject_cast<ResultNameCell *>(table->viewAtRow(row));
            const ResultRow &e = model->row(row).entry;
            QCOMPARE(cell->percentlab()->text(), e.percentText());
            fractions << 1.0 - double(e.restFileSize()) / double(e.originalFileSize());
        }
        QVERIFY(fractions[0] >= fractions[1] && fractions[1] >= fractions[2]);

        // A click selects the first row, Shift+Down the second; Copy Path takes both. The
        // click goes to the first row's place: row views are reused as the sort lays them
        // out again, so the one that held row 0 may hold another row by now.
        table->verticalScrollBar()->setValue(0); // the problem row scrolled the table to the end
        const QPoint firstRow(200, table->rowHeight() / 2);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, firstRow);
        QVERIFY(table->hasFocus());
        QCOMPARE(table->selectedRows(), QList<int>{0});
        QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(table->selectedRows(), (QList<int>{0, 1}));
        const QString first = model->row(0).entry.restPath();
        const QString second = model->row(1).entry.restPath();
        const QString kept = model->row(2).entry.restPath();
        h.ui().copyResultPathAction->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), first + QLatin1Char('\n') + second);
        // A row's own button shows its result in the file manager.
        RecordingRevealer recorder;
        FileRevealer::setInstance(&recorder);
        auto *firstCell = qobject_cast<ResultNameCell *>(table->viewAtRow(0));
        QTest::mouseClick(firstCell->revealButton(), Qt::LeftButton);
        FileRevealer::setInstance(nullptr);
        QCOMPARE(recorder.selected, QStringList{first});
        QCOMPARE(recorder.roots, QStringList{QFileInfo(first).absolutePath()});

        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->numberOfRows(), 2);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QCOMPARE(h.delegate->dragPhotoArray().first().restPath(), kept);
        QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
        QVERIFY(table->selectedRows().isEmpty() && !h.ui().removeResultAction->isEnabled());
    }

    void shownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("28 whole") << "abcdefghijklmnopqrstuvwx.jpg" << "abcdefghijklmnopqrstuvwx.jpg";
        QTest::newRow("29 cut") << "abcdefghijklmnopqrstuvwxy.jpg" << "abcdefghijklmn.....pqrstuvwxy.jpg";
        QTest::newRow("long")
            << "IMG_20240506_123456789012345678_final.jpeg" << "IMG_20240506_1.....678_final.jpeg";
    }

    void shownNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(CompressionController::shownName(name), shown);
    }

    // Two thousand rows get a screenful of views, reused as the table scrolls; a row
    // appended at the end is the only one asked for, and the table follows it.
    void viewsForTheRowsOnScreenOnly()
    {
        TextSource source;
        for (int i = 0; i < 2000; ++i)
            source.rows.append(QString("row %1").arg(i));
        ResultTableView table;
        table.registerViewFactory("Name", [] { return new QLabel; });
        table.setRowHeight(50);
        table.resize(600, 400);
        table.setDataSource(&source);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        const int perScreen = table.viewport()->height() / 50 + 2;
        QVERIFY(table.createdViewCount() <= perScreen);
        QCOMPARE(qobject_cast<QLabel *>(table.viewAtRow(0))->text(), "row 0");
        for (int step = 0; step < 40; ++step)
            table.verticalScrollBar()->setValue(table.verticalScrollBar()->value() + 2500);
        table.scrollToRow(1999);
        QVERIFY(table.createdViewCount() <= perScreen);
        auto *last = qobject_cast<QLabel *>(table.viewAtRow(1999));
        QVERIFY(last);
        QCOMPARE(last->text(), "row 1999");
        QVERIFY(!table.viewAtRow(0));

        const int asked = source.asked;
        source.rows.append("row 2000");
        table.noteNumberOfRowsChanged();
        QCOMPARE(source.asked, asked + 1);
        QCOMPARE(qobject_cast<QLabel *>(table.viewAtRow(2000))->text(), "row 2000");
    }

    // ---- The before-and-after view ---------------------------------------------------

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
            drag(&view, QPoint(100, 150), QPoint(60, 130));
            const QList<QRectF> panes = view.panes();
            QCOMPARE(panes.size(), 2);
            const QPoint left = panes.at(0).center().toPoint(), right = panes.at(1).center().toPoint();
            const auto [lx, ly, leftIsResult] = shownAt(view, left);
            QVERIFY(!leftIsResult);
            QCOMPARE(shownAt(view, right), std::make_tuple(lx, ly, true));
            // The drag moved the photo by its length on the screen.
            const QPointF at = view.photoPointAt(left);
            QCOMPARE(lx, int(at.x()) % 256);
            QCOMPARE(ly, int(at.y()) % 256);
            QVERIFY(std::abs(at.x() - (200 + 40 / scale)) <= 1 && std::abs(at.y() - (150 + 20 / scale)) <= 1);
            view.setCentre(QPointF(200, 150));
        }

        QTest::mouseClick(window.splitButton, Qt::LeftButton);
        QCOMPARE(view.panes().size(), 1);
        drag(&view, QPoint(int(view.split() * view.width()), 150), QPoint(180, 150));
        QVERIFY(std::abs(view.split() * view.width() - 180) <= 1);
        QVERIFY(!std::get<2>(shownAt(view, QPoint(170, 150))));
        QVERIFY(std::get<2>(shownAt(view, QPoint(190, 150))));
    }
};

QTEST_MAIN(TestResultTable)
#include "tst_resulttable.moc"
