// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionHarness.h"
#include "widgets/ResultTableModel.h"

#include "app/Palette.h"
#include "compress/ResizePresets.h"
#include "compress/SizeText.h"
#include "widgets/BusyDiskView.h"
#include "widgets/CommandButton.h"
#include "widgets/DiskLayer.h"
#include "widgets/ProgressBarView.h"
#include "widgets/WindowCloseButton.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/ResizeWindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>

#include <limits>

#include <sys/mount.h>

// A row of the resize sheet's table; width and height are typed for "Custom", shown for a preset.
struct SheetRow { QString photo, choice, widthText, heightText; bool keepProportions; QSize result; };
Q_DECLARE_METATYPE(SheetRow)

// The compression window never loses a photo quietly: an unusable Output folder is refused before anything
// starts, photos not compressed are listed with their reasons, the first in-place job asks first, and
// Recompress and Resize work on the last job. Its drop areas and progress bar are also tested on their own.

class TestCompressionController : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    Photos m_photos;
    QString m_text; // not a photo

    // The savings line covers the last job only: rows from firstRowOfJob on.
    static void compareRows(Harness &h, int firstRowOfJob = 0)
    {
        ResultTableView *table = h.ui().theTableview;
        const QList<ResultRow> &entries = h.delegate->dragPhotoArray();
        // Photos that were not compressed get rows of their own, after the results.
        int problemRows = 0;
        for (const ResultTableModel::Row &row : h.delegate->resultTableModel()->rows())
            problemRows += row.state != ResultTableModel::RowState::Compressed;
        QCOMPARE(table->numberOfRows() - problemRows, int(entries.size()));
        quint64 all = 0, saved = 0;
        for (int row = 0; row < entries.size(); ++row) {
            const ResultRow &e = entries.at(row);
            if (row >= firstRowOfJob) {
                all += e.originalFileSize();
                saved += e.originalFileSize() - e.restFileSize();
            }
            QCOMPARE(e.restFileSize(), quint64(QFileInfo(e.restPath()).size()));
            QVERIFY(e.restFileSize() <= e.originalFileSize());
            // The table may still be short and scrolled to its end just after the layout switch.
            table->scrollToRow(row);
            auto *cell = qobject_cast<ResultNameCell *>(table->viewAtRow(row));
            QVERIFY(cell);
            QCOMPARE(cell->fileNamelab()->text(), CompressionController::shownName(e.fileName()));
            QCOMPARE(cell->originalFileSizelab()->text(), compress::sizeText(e.originalFileSize()));
            QCOMPARE(cell->restFileSizelab()->text(), compress::sizeText(e.restFileSize()));
            QCOMPARE(cell->percentlab()->text(), compress::savingPercentText(e.originalFileSize(), e.restFileSize()));
            QCOMPARE(cell->currentfilePath(), e.restPath());
        }
        QLabel *line = h.ui().saveSizelab;
        QVERIFY(line->isVisible());
        // A stopped job keeps the savings of the photos it did, in the tooltip.
        const QString savings = compress::finishText(saved, all);
        QCOMPARE(h.delegate->lastReport().cancelled ? line->toolTip().section(QLatin1Char('\n'), 0, 0)
                                                    : line->text(),
                 savings);
        QVERIFY(h.ui().progresslab->text().isEmpty());
        QVERIFY(h.ui().secondDragView->isVisible() && !h.ui().secondScanView->isVisible());
        QVERIFY(!h.ui().theFlashView->isFlashing());
    }

    template <typename T>
    static T *openSheet(Harness &h, const QString &name)
    {
        T *sheet = nullptr;
        [&] { QTRY_VERIFY((sheet = h.ui().window->findChild<T *>(name)) && sheet->isVisible()); }();
        return sheet;
    }

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
        usePrivateHome(m_home.path());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
        m_text = m_home.filePath(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeFile(m_text, "not a photo\n"));
    }

    void readOnlyOutputFolderIsRefused()
    {
        Harness h;
        const QString folder = h.dir.filePath(QStringLiteral("readonly"));
        QDir().mkpath(folder);
        // Permission bits do not stop root: only a read-only mount is read-only for everyone.
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_RDONLY, "size=1m") != 0)
            QSKIP("cannot mount a read-only file system here (needs root)");
        const auto unmount = qScopeGuard([&] { ::umount(QFile::encodeName(folder).constData()); });
        AppSettings(h.settingsFile()).setPhotoLocation(folder);
        h.launch(Harness::KeepingOriginals);
        const QStringList inputs = h.copies({m_photos.square}, QStringLiteral("ro"));
        const QByteArray before = testsupport::readFile(inputs.first());
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        auto *sheet = openSheet<QMessageBox>(h, QString());
        QVERIFY(sheet->informativeText().contains(folder) && !h.delegate->secondDrag());
        QCOMPARE(testsupport::readFile(inputs.first()), before);
    }

    void firstInPlaceJobAsksOnce_data()
    {
        QTest::addColumn<bool>("replace"); // the answer; replacing, "Keep metadata" is unticked too
        QTest::addColumn<QString>("question");
        QTest::newRow("Keep Originals")
            << false << "Compressed photos will replace the originals. The originals go to the Trash.";
        // Without "Keep metadata" the user must hear that the capture dates go too, in the same breath.
        QTest::newRow("Replace Originals, metadata dropped")
            << true
            << "The originals go to the Trash and the compressed photos that replace them keep no metadata, "
               "so their capture dates are lost.";
    }

    void firstInPlaceJobAsksOnce()
    {
        QFETCH(bool, replace);
        QFETCH(QString, question);
        Harness h;
        h.replaceOriginalsConfirmed = false;
        h.launch();
        h.ui().preferenceWindow->retainPreMetaBtn()->setChecked(!replace);
        const QStringList inputs = h.copies({m_photos.landscape}, QStringLiteral("first"));
        const QByteArray original = testsupport::readFile(inputs.first());
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        auto *box = openSheet<QMessageBox>(h, QStringLiteral("replaceOriginalsQuestion"));
        QCOMPARE(box->text(), question);
        QVERIFY(!h.delegate->isCompressing());
        box->findChild<QPushButton *>(replace ? "replaceOriginalsBtn" : "keepOriginalsBtn")->click();
        QVERIFY(finished.wait(60000));
        const ResultRow &entry = h.delegate->dragPhotoArray().constFirst();
        const QString trashed = m_home.filePath(QStringLiteral(".local/share/Trash/files/landscape.jpg"));
        if (replace) {
            QCOMPARE(entry.restPath(), inputs.first());
            QCOMPARE(testsupport::readFile(trashed), original);
        } else {
            QCOMPARE(testsupport::readFile(inputs.first()), original);
            QVERIFY(h.ui().preferenceWindow->keepOriginalPhotoBtn()->isChecked());
        }
        // Asked once: the next job starts at once.
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("second"))));
    }

    // From the first launch's defaults through the user's choices to the next launch: the
    // choices are stored the moment they are made and the next job follows them.
    void preferencesFromTheFirstLaunchOn()
    {
        Harness h(Harness::ReplacingOriginals);
        PreferenceWindow *prefs = h.ui().preferenceWindow;
        const QString standard = m_home.path() + QStringLiteral("/Pictures/Glimmerset");
        QCOMPARE(AppSettings(h.settingsFile()).photoLocation(), standard);
        QVERIFY(QFileInfo(standard).isDir());
        QVERIFY(!prefs->retainPreMetaBtn()->isChecked() && !prefs->keepOriginalPhotoBtn()->isChecked());
        QCOMPARE(prefs->photolocationlab()->text(), QStringLiteral("~/Pictures/Glimmerset"));
        QCOMPARE(prefs->photolocationlab()->toolTip(), standard);
        QVERIFY(!h.ui().saveSizelab->isVisible());
        // A missing file handed over at start is refused: nothing starts.
        QVERIFY(!h.delegate->openFiles({h.dir.filePath(QStringLiteral("missing.jpg"))}));
        QVERIFY(!h.delegate->secondDrag());
        // Nor can the resize sheet start, and a preset leaves its fields alone.
        ResizeWindow *resize = h.ui().resizeImageWindow;
        resize->widthSizelab()->setText("77");
        resize->heightSizelab()->setText("88");
        h.delegate->ShowResizePhotoWindow();
        QVERIFY(!resize->okButton()->isEnabled());
        choose(h, "640 x 480");
        QCOMPARE(resize->widthSizelab()->text(), "77");
        QCOMPARE(resize->heightSizelab()->text(), "88");
        resize->cancelButton()->click();
        QVERIFY(!resize->isVisible());
        h.ui().importAndExportBtn->activate();
        QVERIFY(h.ui().connectPhotoWindow->isVisible());
        QVERIFY(!h.ui().connectPhotoWindow->connectPhotoLibBtn()->isEnabled()); // nothing dropped yet

        // The Output folder: a cancelled panel changes nothing.
        const QString chosen = h.dir.filePath(QStringLiteral("chosen"));
        QDir().mkpath(chosen);
        h.delegate->ChangePhotoLocation();
        auto *panel = prefs->findChild<QFileDialog *>(QStringLiteral("locationPanel"));
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Please select a floder to store the compressed photos."));
        panel->reject();
        QCOMPARE(AppSettings(h.settingsFile()).photoLocation(), standard);
        h.delegate->ChangePhotoLocation();
        QTRY_VERIFY(panel = prefs->findChild<QFileDialog *>(QStringLiteral("locationPanel")));
        panel->setDirectory(chosen);
        panel->selectFile(chosen);
        static_cast<QDialog *>(panel)->accept();
        QCOMPARE(AppSettings(h.settingsFile()).photoLocation(), chosen);
        QCOMPARE(prefs->photolocationlab()->toolTip(), chosen);

        prefs->retainPreMetaBtn()->setChecked(true);
        prefs->keepOriginalPhotoBtn()->setChecked(true);
        prefs->includeSubfoldersBtn()->setChecked(true);
        const AppSettings stored(h.settingsFile());
        QVERIFY(stored.keepMetadata() && stored.keepOriginalPhoto() && stored.includeSubfolders());
        // The close button ends the program, pressed while it does.
        QCOMPARE(h.ui().closedButton->imageName(), QStringLiteral("Close_Nom.png"));
        QString during;
        h.delegate->setTerminateHandler([&] {
            ++h.terminated;
            during = h.ui().closedButton->imageName();
        });
        QTest::mouseClick(h.ui().closedButton, Qt::LeftButton);
        QCOMPARE(h.terminated, 1);
        QCOMPARE(during, QStringLiteral("Close_Down.png"));
        QCOMPARE(h.ui().closedButton->imageName(), QStringLiteral("Close_Nom.png"));

        h.relaunch();
        prefs = h.ui().preferenceWindow;
        QVERIFY(prefs->retainPreMetaBtn()->isChecked() && prefs->keepOriginalPhotoBtn()->isChecked()
                && prefs->includeSubfoldersBtn()->isChecked());

        // The import panel starts a job as a drop does, writing to the chosen folder, and
        // Recompress works after it too.
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        const QString photo = h.copies({m_photos.landscape}, QStringLiteral("imp")).first();
        h.delegate->ClickImportPhotosAction();
        auto *open = h.ui().window->findChild<QFileDialog *>(QStringLiteral("theOpenPanel"));
        QVERIFY(open);
        QCOMPARE(open->windowTitle(), QStringLiteral("Please select photos to import."));
        QCOMPARE(open->fileMode(), QFileDialog::ExistingFiles);
        open->setDirectory(QFileInfo(photo).absolutePath());
        open->selectFile(photo);
        static_cast<QDialog *>(open)->accept();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QCOMPARE(QFileInfo(h.delegate->dragPhotoArray().constFirst().restPath()).absolutePath(), chosen);
        compareRows(h);
        h.ui().importAndExportBtn->activate();
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        compareRows(h, 1);
        // Closing the window any other way ends it too.
        h.ui().window->close();
        QCOMPARE(h.terminated, 2);
    }

    // Three photos and a broken one: the photos fill the list, the broken one is listed with its reason.
    void dropOfThreePhotosFillsTheList()
    {
        Harness h(Harness::KeepingOriginals);
        FramelessWindow *window = h.ui().window;
        const QSize startSize = window->size();
        const QStringList inputs = h.copies(m_photos.all(), "in") << h.dir.filePath("in/broken.jpg");
        QVERIFY(testsupport::writeFile(inputs.last(), "\xFF\xD8\xFF\xE0 not really a photo"));
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        // Busy at once, in the list layout, which the window may not be made smaller than.
        QVERIFY(h.ui().secondScanView->isVisibleTo(window) && !h.ui().secondDragView->isVisibleTo(window));
        QTRY_VERIFY(window->minimumHeight() > startSize.height() && window->size() == window->minimumSize());
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 3);
        compareRows(h);
        const QString output = AppSettings(h.settingsFile()).photoLocation();
        for (const ResultRow &e : h.delegate->dragPhotoArray()) {
            QCOMPARE(QFileInfo(e.restPath()).absolutePath(), output);
            QVERIFY(QFileInfo::exists(e.originalPath()));
        }
        QLabel *failures = h.ui().failureslab;
        QVERIFY(failures->isVisible());
        QVERIFY2(failures->text().startsWith("1 photo not compressed — "), qPrintable(failures->text()));
        QVERIFY(h.ui().saveSizelab->palette().color(QPalette::WindowText) != palette::saving());
        Q_EMIT failures->linkActivated(QStringLiteral("show"));
        auto *sheet = openSheet<QMessageBox>(h, QStringLiteral("reportProblems"));
        QVERIFY2(sheet->informativeText().contains("broken.jpg: "), qPrintable(sheet->informativeText()));
        sheet->close();

        // A new drop, of a folder on the list layout's own drop area, starts a new list.
        h.copies({m_photos.landscape, m_photos.upright}, QStringLiteral("album"));
        QVERIFY(h.dropAndWait({h.dir.filePath(QStringLiteral("album"))}));
        QVERIFY(h.ui().secondDragImageView->droppedFolder());
        QStringList names;
        for (const ResultRow &e : h.delegate->dragPhotoArray())
            names << e.fileName();
        names.sort();
        QCOMPARE(names, (QStringList{"landscape.jpg", "upright.jpg"}));
        compareRows(h);
        // Everything went well: no line of problems, the saving in green.
        QVERIFY(!failures->isVisible());
        QCOMPARE(h.ui().saveSizelab->palette().color(QPalette::WindowText), palette::saving());

        // Compress-again from the sheet adds to the list instead.
        h.ui().importAndExportBtn->activate();
        QSignalSpy again(h.delegate.get(), &CompressionController::compressionFinished);
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QVERIFY(!h.ui().connectPhotoWindow->isVisible());
        QVERIFY(again.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 4);
        compareRows(h, 2);

        // With the editor away from the local list there is nothing on this computer to
        // compress again: no job, and the window does not stay busy.
        h.delegate->setEditorOnLocalList(false);
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QVERIFY(!h.delegate->isCompressing() && !h.ui().theFlashView->isFlashing());
        QVERIFY(h.ui().importPhotosBtn->isEnabled());
    }

    void stopEndsTheJobAndKeepsTheFinishedRows()
    {
        Harness h(Harness::KeepingOriginals);
        QPushButton *stop = h.ui().stopCompressBtn;
        QVERIFY(!stop->isVisible());
        // Copies of a large photo: enough work that the job still runs when Stop is pressed.
        const QString large = testsupport::makeJpeg(h.dir.filePath(QStringLiteral("large.jpg")), 3200, 2400);
        QStringList inputs;
        for (int i = 0; i < 40; ++i) {
            inputs << h.dir.filePath(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
            QVERIFY(QFile::copy(large, inputs.last()));
        }
        const QString output = AppSettings(h.settingsFile()).photoLocation();

        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QSignalSpy refused(h.delegate.get(), &CompressionController::startRefused);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        QVERIFY(stop->isVisibleTo(h.ui().window));
        // While it runs no second job starts, by the menu or the shortcuts alike.
        QVERIFY(!h.ui().importPhotosBtn->isEnabled() && !h.ui().resizePhotosBtn->isEnabled());
        h.delegate->ClickImportPhotosAction();
        h.delegate->ShowResizePhotoWindow();
        QCOMPARE(refused.count(), 2);
        QVERIFY(!h.ui().window->findChild<QFileDialog *>());
        // The busy disk turns on screen; only its drawn angle moves, never the layer's own.
        DiskLayer *disk = h.ui().theFlashView->diskLayer();
        QTRY_VERIFY(disk->presentationRotation() > 0.1);
        QCOMPARE(disk->rotation(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(!h.delegate->dragPhotoArray().isEmpty(), 60000);
        QVERIFY2(finished.isEmpty(), "the job ended before Stop could be pressed");
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(!stop->isEnabled());
        QVERIFY(finished.count() > 0 || finished.wait(60000));

        const int rows = int(h.delegate->dragPhotoArray().size());
        QVERIFY(rows < inputs.size());
        compareRows(h);
        QCOMPARE(disk->presentationRotation(), 0.0);
        // The line says the job stopped and how far it got, not what a finished job says.
        QCOMPARE(h.ui().saveSizelab->text(),
                 QString("Stopped: %1 of %2 photos compressed").arg(rows).arg(inputs.size()));
        // Every result in the Output folder belongs to a row: nothing half-written was left behind.
        QCOMPARE(QDir(output).entryList({"photo*", ".photo*"}, QDir::Files | QDir::Hidden).size(), rows);

        // The window takes the next drop as usual.
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("afterStop"))));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QVERIFY(!h.delegate->lastReport().cancelled);
        compareRows(h);
        QVERIFY(h.ui().saveSizelab->toolTip().isEmpty());
    }

    void drawerOpensUnderTheWindowAndHoldsTheEditor()
    {
        Harness h(Harness::ReplacingOriginals);
        Drawer *drawer = h.ui().rightDrawer;
        auto *editor = new QLabel(QStringLiteral("editor"));
        h.delegate->setDrawerContent(editor);

        QPushButton *sender = h.ui().editMetadataBtn;
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::OpenState);
        QVERIFY(editor->isVisible());
        QCOMPARE(drawer->x(), h.ui().window->frameGeometry().x() + drawer->leadingOffset());
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::ClosedState);
        h.delegate->clickDrawerClosed();
        QCOMPARE(drawer->state(), Drawer::OpenState);
        h.delegate->closeLeftDrawer();
        QCOMPARE(drawer->state(), Drawer::ClosedState);

        // The start screen's link reaches the editor without a job or the menu.
        QVERIFY(h.ui().startEditMetadataBtn->isVisible());
        h.ui().startEditMetadataBtn->click();
        QCOMPARE(drawer->state(), Drawer::OpenState);
        h.delegate->closeLeftDrawer();

        // In the list layout the drawer leaves the button bar clear whatever the screen's height.
        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        const int startHeight = h.ui().window->height();
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("drawer"))));
        FramelessWindow *window = h.ui().window;
        QTRY_VERIFY(window->minimumHeight() > startHeight && window->size() == window->minimumSize());
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::OpenState);
        QWidget *bar = h.ui().bottomBar;
        QVERIFY(!drawer->geometry().intersects(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
        QVERIFY(h.ui().editMetadataBtn->isVisible());
    }

    // What the sheet shows for the first result and what the photo becomes. "Custom" opens
    // unticked and takes the typed size as it is (never enlarging); ticked, it fits inside it.
    // A zero size starts nothing and leaves the result alone.
    void sheetSizesTheFirstResult_data()
    {
        QTest::addColumn<SheetRow>("row");
        const QString wide = m_photos.landscape, upright = m_photos.upright, square = m_photos.square;
        QTest::newRow("landscape preset") << SheetRow{wide, "320 x 240", "320", "", true, {320, 240}};
        QTest::newRow("upright preset") << SheetRow{upright, "320 x 240", "", "240", true, {180, 240}};
        QTest::newRow("square preset") << SheetRow{square, "320 x 240", "", "240", true, {240, 240}};
        QTest::newRow("custom as typed") << SheetRow{wide, "Custom", "100", "50", false, {100, 50}};
        QTest::newRow("custom not enlarged") << SheetRow{wide, "Custom", "900", "50", false, {640, 50}};
        QTest::newRow("custom ticked fits") << SheetRow{wide, "Custom", "100", "50", true, {67, 50}};
        QTest::newRow("custom zero: nothing") << SheetRow{wide, "Custom", "100", "0", false, {640, 480}};
    }

    void sheetSizesTheFirstResult()
    {
        QFETCH(SheetRow, row);
        const auto &[photo, choice, widthText, heightText, keepProportions, result] = row;
        Harness h(Harness::KeepingOriginals);
        QVERIFY(h.dropAndWait(h.copies({photo}, QStringLiteral("in"))));
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
        if (heightText == QLatin1String("0"))
            QVERIFY(!h.delegate->isCompressing()); // nothing to make: the result stays as it was
        else
            QVERIFY(finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QCOMPARE(QImageReader(h.delegate->dragPhotoArray().constFirst().restPath()).size(), result);
        QVERIFY(h.ui().saveSizelab->isVisible());
    }

    // ---- A drop area on its own ------------------------------------------------------

    // Only the first item decides; a taken drop keeps every item, replacing the last drop.
    void dropAreaAcceptance_data()
    {
        QTest::addColumn<QList<QUrl>>("items");
        QTest::addColumn<bool>("accepted");
        const QUrl photo = QUrl::fromLocalFile(m_photos.square), text = QUrl::fromLocalFile(m_text);
        const QUrl folder = QUrl::fromLocalFile(QFileInfo(m_photos.square).absolutePath());
        const QUrl missing = QUrl::fromLocalFile(m_home.filePath(QStringLiteral("gone.jpg")));
        const QUrl web(QStringLiteral("https://example.org/a.jpg"));
        QTest::newRow("photo") << QList<QUrl>{photo} << true;
        QTest::newRow("folder") << QList<QUrl>{folder} << true;
        QTest::newRow("photo first, text after") << QList<QUrl>{photo, text} << true;
        QTest::newRow("text first, photo after") << QList<QUrl>{text, photo} << false;
        QTest::newRow("missing file") << QList<QUrl>{missing} << false;
        QTest::newRow("web address") << QList<QUrl>{web} << false;
    }

    void dropAreaAcceptance()
    {
        QFETCH(QList<QUrl>, items);
        QFETCH(bool, accepted);
        PhotoDropArea view;
        QSignalSpy posted(&view, &PhotoDropArea::photosDropped);
        // A folder dropped before: a photo drop must not keep its flag.
        QVERIFY(Harness::drop(&view, {QFileInfo(m_photos.square).absolutePath(), m_photos.square}));
        QCOMPARE(Harness::dropUrls(&view, items), accepted);
        QCOMPARE(posted.count(), accepted ? 2 : 1);
        QCOMPARE(view.imageName(), QStringLiteral("importtips.png"));
        if (!accepted)
            return;
        QCOMPARE(view.droppedUrls(), items);
        QCOMPARE(view.droppedFolder(), QFileInfo(items.first().toLocalFile()).isDir());
    }

    // ---- The progress bar on its own -------------------------------------------------

    // The bar is drawn over the bezel only for values in (0, 1]; the bezel alone is the oracle.
    void progressBarOnlyForValuesUpToOne_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("zero") << 0.0f << false;
        QTest::newRow("negative") << -0.5f << false;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << false;
        QTest::newRow("just above one") << 1.0001f << false;
        QTest::newRow("tiny") << 0.01f << true;
        QTest::newRow("three quarters") << 0.75f << true;
        QTest::newRow("exactly one") << 1.0f << true;
    }

    void progressBarOnlyForValuesUpToOne()
    {
        QFETCH(float, value);
        QFETCH(bool, drawn);
        const auto rendered = [](float shown) {
            ProgressBarView view;
            view.resize(200, 14);
            view.setProgressValue(shown);
            QImage image(view.size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            view.render(&image);
            return image;
        };
        const QImage bezel = rendered(0.0f);
        const QImage image = rendered(value);
        QCOMPARE(image != bezel, drawn);
        if (!drawn)
            return;
        // The bar starts at the left and grows with the value: the right end stays bezel below 0.75.
        QVERIFY(image.pixel(3, 7) != bezel.pixel(3, 7));
        QCOMPARE(image.pixel(190, 7) == bezel.pixel(190, 7), value < 0.9f);
    }
};

QTEST_MAIN(TestCompressionController)
#include "tst_compressioncontroller.moc"
