// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionHarness.h"
#include "widgets/ResultTableModel.h"

#include "app/AppSettings.h"
#include "compress/SizeText.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultTableView.h"
#include "widgets/CommandButton.h"
#include "widgets/WindowCloseButton.h"
#include "widgets/FramelessWindow.h"
#include "widgets/BusyDiskView.h"
#include "widgets/DiskLayer.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/Drawer.h"
#include "windows/PreferenceWindow.h"

#include "app/Palette.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <sys/mount.h>

// The compression window never loses a photo quietly: an unusable Output folder is
// refused before anything starts, photos not compressed are listed with their reasons,
// the first in-place job asks first, and Recompress works after any kind of start.

class TestCompressionController : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    Photos m_photos;

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
        QCOMPARE(h.delegate->lastReport().cancelled ? line->toolTip().section(QLatin1Char('\n'), 0, 0) : line->text(), savings);
        QVERIFY(QRegularExpression(QStringLiteral("^Save  \\d+%  \\S.*  total$")).match(savings).hasMatch());
        QVERIFY(h.ui().progresslab->text().isEmpty());
        QVERIFY(h.ui().secondDragView->isVisible());
        QVERIFY(!h.ui().secondScanView->isVisible());
        QVERIFY(!h.ui().theFlashView->isFlashing());
    }

    template <typename T>
    static T *openSheet(Harness &h, const QString &name)
    {
        T *sheet = nullptr;
        [&] { QTRY_VERIFY((sheet = h.ui().window->findChild<T *>(name)) && sheet->isVisible()); }();
        return sheet;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        usePrivateHome(m_home.path());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
        QVERIFY(QFileInfo::exists(m_photos.square));
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
        const QByteArray before = readBytes(inputs.first());
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        auto *sheet = openSheet<QMessageBox>(h, QString());
        QVERIFY(sheet->informativeText().contains(folder));
        QVERIFY(!h.delegate->isCompressing());
        QVERIFY(!h.delegate->secondDrag());
        QVERIFY(h.delegate->dragPhotoArray().isEmpty());
        QCOMPARE(readBytes(inputs.first()), before);
    }

    void photosNotCompressedAreListed()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        const QString folder = h.dir.filePath(QStringLiteral("mixed"));
        QDir().mkpath(folder);
        const QString broken = folder + QStringLiteral("/broken.jpg");
        QVERIFY(writeBytes(broken, "\xFF\xD8\xFF\xE0 not really a photo"));
        const QStringList inputs = h.copies({m_photos.square}, QStringLiteral("mixed"));
        QVERIFY(h.dropAndWait({inputs.first(), broken}));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QLabel *line = h.ui().failureslab;
        QVERIFY(line->isVisible());
        QVERIFY2(line->text().startsWith(QStringLiteral("1 photo not compressed — ")), qPrintable(line->text()));
        QVERIFY(h.ui().saveSizelab->palette().color(QPalette::WindowText) != palette::saving());

        Q_EMIT line->linkActivated(QStringLiteral("show"));
        auto *sheet = openSheet<QMessageBox>(h, QStringLiteral("reportProblems"));
        QVERIFY2(sheet->informativeText().contains(QStringLiteral("broken.jpg: ")), qPrintable(sheet->informativeText()));
        sheet->close();

        // A job where everything went well hides the line and shows the saving in green.
        QVERIFY(h.dropAndWait(h.copies({m_photos.upright}, QStringLiteral("fine"))));
        QVERIFY(!line->isVisible());
        QCOMPARE(h.ui().saveSizelab->palette().color(QPalette::WindowText), palette::saving());
    }

    void firstInPlaceJobAsksOnce_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("keepMetadata");
        QTest::addColumn<QString>("question");
        QTest::newRow("Keep Originals") << false << true
                                        << "Compressed photos will replace the originals. The originals go to the Trash.";
        // Without "Keep metadata" the user must hear that the capture dates go too, in the same breath.
        QTest::newRow("Replace Originals, metadata dropped")
            << true << false
            << "The originals go to the Trash and the compressed photos that replace them keep no metadata, "
               "so their capture dates are lost.";
    }

    void firstInPlaceJobAsksOnce()
    {
        QFETCH(bool, replace);
        QFETCH(bool, keepMetadata);
        QFETCH(QString, question);
        Harness h;
        h.replaceOriginalsConfirmed = false;
        h.launch();
        h.ui().preferenceWindow->retainPreMetaBtn()->setChecked(keepMetadata);
        QVERIFY(!h.ui().preferenceWindow->keepOriginalPhotoBtn()->isChecked());
        const QStringList inputs = h.copies({m_photos.landscape}, QStringLiteral("first"));
        const QByteArray original = readBytes(inputs.first());
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        auto *box = openSheet<QMessageBox>(h, QStringLiteral("replaceOriginalsQuestion"));
        QCOMPARE(box->text(), question);
        QVERIFY(!h.delegate->isCompressing());
        box->findChild<QPushButton *>(replace ? QStringLiteral("replaceOriginalsBtn")
                                                   : QStringLiteral("keepOriginalsBtn"))
            ->click();
        QVERIFY(finished.wait(60000));
        const ResultRow &entry = h.delegate->dragPhotoArray().constFirst();
        const QString trashed = m_home.filePath(QStringLiteral(".local/share/Trash/files/landscape.jpg"));
        if (replace) {
            QCOMPARE(entry.restPath(), inputs.first());
            QCOMPARE(readBytes(trashed), original);
        } else {
            QCOMPARE(readBytes(inputs.first()), original);
            QVERIFY(entry.restPath() != entry.originalPath());
            QVERIFY(h.ui().preferenceWindow->keepOriginalPhotoBtn()->isChecked());
            QVERIFY(AppSettings(h.settingsFile()).keepOriginalPhoto());
        }
        QFile::remove(trashed);
        // Asked once: the next job starts at once.
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("second"))));
        for (const QMessageBox *box : h.ui().window->findChildren<QMessageBox *>(QStringLiteral("replaceOriginalsQuestion")))
            QVERIFY(!box->isVisible());
    }

    void firstLaunch()
    {
        Harness h;
        h.launch();
        AppSettings settings(h.settingsFile());
        const QString expected = m_home.path() + QStringLiteral("/Pictures/Glimmerset");
        QCOMPARE(settings.photoLocation(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QVERIFY(!h.ui().preferenceWindow->retainPreMetaBtn()->isChecked());
        QVERIFY(!h.ui().preferenceWindow->keepOriginalPhotoBtn()->isChecked());
        QCOMPARE(h.ui().preferenceWindow->photolocationlab()->text(), QStringLiteral("~/Pictures/Glimmerset"));
        QCOMPARE(h.ui().preferenceWindow->photolocationlab()->toolTip(), expected);
        QCOMPARE(h.ui().window->size(), QSize(654, 300));
        QCOMPARE(h.ui().window->minimumSize(), QSize(654, 300));
        QVERIFY(h.ui().leftTipView->isVisible());
        QVERIFY(!h.ui().saveSizelab->isVisible());
        QVERIFY(h.delegate->keepMetadata());
        QVERIFY(h.delegate->blocalMode());
        QVERIFY(!h.delegate->secondDrag());
        // A drop whose first item is not a photo is refused whole, and so is a missing file
        // handed over at start: the window stays as it is.
        const QString text = h.dir.filePath(QStringLiteral("readme.txt"));
        QVERIFY(writeBytes(text, "text"));
        QVERIFY(!Harness::drop(h.ui().leftTipImageView, {text, m_photos.square}));
        QVERIFY(!h.delegate->openFiles({h.dir.filePath(QStringLiteral("missing.jpg"))}));
        QVERIFY(!h.delegate->secondDrag());
        QCOMPARE(h.ui().window->size(), QSize(654, 300));
        QVERIFY(h.delegate->dragPhotoArray().isEmpty());
        h.ui().importAndExportBtn->activate();
        QVERIFY(h.ui().connectPhotoWindow->isVisible());
        QVERIFY(!h.ui().connectPhotoWindow->connectPhotoLibBtn()->isEnabled()); // nothing dropped yet
    }

    void dropOfThreePhotosFillsTheList()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        const QStringList inputs = h.copies(m_photos.all(), QStringLiteral("in"));
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        // Busy at once, in the list layout.
        QVERIFY(h.ui().secondScanView->isVisibleTo(h.ui().window));
        QVERIFY(!h.ui().secondDragView->isVisibleTo(h.ui().window));
        QVERIFY(h.ui().theFlashView->isFlashing());
        QVERIFY(h.delegate->secondDrag());
        QTRY_COMPARE(h.ui().window->size(), QSize(654, 598));
        QCOMPARE(h.ui().window->minimumSize(), QSize(654, 598));
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 3);
        compareRows(h);
        const QString output = AppSettings(h.settingsFile()).photoLocation();
        for (const ResultRow &e : h.delegate->dragPhotoArray()) {
            QCOMPARE(QFileInfo(e.restPath()).absolutePath(), output);
            QVERIFY(QFileInfo::exists(e.originalPath()));
        }
        QCOMPARE(h.delegate->savedFileSize(), quint64(0)); // totals reset by the finish report

        // A new drop, on the list layout's own drop area, starts a new list.
        QVERIFY(h.dropAndWait({h.copies({m_photos.square}, QStringLiteral("in2")).first()}));
        QCOMPARE(h.ui().secondDragImageView->droppedUrls().size(), 1);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        compareRows(h);

        // Compress-again from the sheet adds to the list instead.
        h.ui().importAndExportBtn->activate();
        QVERIFY(h.ui().connectPhotoWindow->isVisible());
        QSignalSpy again(h.delegate.get(), &CompressionController::compressionFinished);
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QVERIFY(!h.ui().connectPhotoWindow->isVisible());
        QVERIFY(again.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        compareRows(h, 1);

        // With the editor away from the local list there is nothing on this computer to
        // compress again: no job, and the window does not stay busy.
        h.delegate->setEditorOnLocalList(false);
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QVERIFY(!h.delegate->isCompressing());
        QVERIFY(!h.ui().theFlashView->isFlashing());
        QVERIFY(h.ui().secondDragView->isVisible());
        QVERIFY(!h.ui().secondScanView->isVisible());
        QVERIFY(h.ui().importPhotosBtn->isEnabled());
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        QTest::qWait(50);
        QCOMPARE(again.count(), 1);
    }

    void folderDropTakesDirectPhotosOnly()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        const QStringList inputs = h.copies({m_photos.landscape, m_photos.upright}, QStringLiteral("album"));
        const QString album = QFileInfo(inputs.first()).absolutePath();
        QFile::copy(m_photos.square, album + QStringLiteral("/.hidden.jpg"));
        QDir(album).mkpath(QStringLiteral("sub"));
        QFile::copy(m_photos.square, album + QStringLiteral("/sub/deeper.jpg"));
        QVERIFY(h.dropAndWait({album}));
        QVERIFY(h.ui().leftTipImageView->droppedFolder());
        QStringList names;
        for (const ResultRow &e : h.delegate->dragPhotoArray())
            names << e.fileName();
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("landscape.jpg"), QStringLiteral("upright.jpg")}));
        compareRows(h);
    }

    void stopEndsTheJobAndKeepsTheFinishedRows()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        QPushButton *stop = h.ui().stopCompressBtn;
        QVERIFY(!stop->isVisible());
        // Copies of a few large photos: enough work that the job still runs when Stop is pressed.
        const QString generated = h.dir.filePath(QStringLiteral("large"));
        QDir().mkpath(generated);
        QStringList sources;
        for (int i = 0; i < 3; ++i)
            sources << testsupport::makeJpeg(generated + QStringLiteral("/large%1.jpg").arg(i), 3200, 2400);
        const QString album = h.dir.filePath(QStringLiteral("many"));
        QDir().mkpath(album);
        QStringList inputs;
        for (int i = 0; i < 40; ++i) {
            const QString target = album + QStringLiteral("/photo%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
            QVERIFY(QFile::copy(sources.at(i % sources.size()), target));
            inputs << target;
        }
        const QString output = AppSettings(h.settingsFile()).photoLocation();

        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QSignalSpy refused(h.delegate.get(), &CompressionController::startRefused);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, inputs));
        QVERIFY(stop->isVisibleTo(h.ui().window));
        QVERIFY(stop->isEnabled());
        // While it runs no second job starts, by the menu or the shortcuts alike.
        QVERIFY(h.delegate->isCompressing());
        QVERIFY(!h.ui().importPhotosBtn->isEnabled());
        QVERIFY(!h.ui().resizePhotosBtn->isEnabled());
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

        const CompressionReport &report = h.delegate->lastReport();
        QVERIFY(report.cancelled);
        const int rows = int(h.delegate->dragPhotoArray().size());
        QVERIFY(rows >= 1);
        QVERIFY(rows < inputs.size());
        QCOMPARE(rows, int(report.entries.size()));
        compareRows(h);
        QVERIFY(!stop->isVisibleTo(h.ui().window));
        QVERIFY(h.ui().importPhotosBtn->isEnabled());
        QCOMPARE(disk->presentationRotation(), 0.0);
        // The line says the job stopped and how far it got, not what a finished job says.
        QCOMPARE(h.ui().saveSizelab->text(), QStringLiteral("Stopped: %1 of %2 photos compressed").arg(rows).arg(inputs.size()));
        // Every result in the Output folder belongs to a row: nothing half-written was left behind.
        const QStringList written =
            QDir(output).entryList({QStringLiteral("photo*"), QStringLiteral(".photo*")}, QDir::Files | QDir::Hidden);
        QCOMPARE(int(written.size()), rows);
        QVERIFY(!h.delegate->isCompressing());

        // The window takes the next drop as usual.
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("afterStop"))));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        QVERIFY(!h.delegate->lastReport().cancelled);
        compareRows(h);
        QVERIFY(h.ui().saveSizelab->toolTip().isEmpty());
    }

    void optionBoxesAreStoredAtOnceAndKeptAfterQuit()
    {
        Harness h;
        h.launch();
        PreferenceWindow *prefs = h.ui().preferenceWindow;
        prefs->retainPreMetaBtn()->setChecked(true);
        prefs->keepOriginalPhotoBtn()->setChecked(true);
        prefs->includeSubfoldersBtn()->setChecked(true);
        {
            // Stored the moment they change, before any job.
            QSettings stored(h.settingsFile(), QSettings::IniFormat);
            QCOMPARE(stored.value(QStringLiteral("bkeepMetadata")).toBool(), true);
            QCOMPARE(stored.value(QStringLiteral("bkeepOriginalPhoto")).toBool(), true);
            QCOMPARE(stored.value(QStringLiteral("bIncludeSubfolders")).toBool(), true);
        }
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
        h.delegate.reset();
        h.launch();
        prefs = h.ui().preferenceWindow;
        QVERIFY(prefs->retainPreMetaBtn()->isChecked());
        QVERIFY(prefs->keepOriginalPhotoBtn()->isChecked());
        QVERIFY(prefs->includeSubfoldersBtn()->isChecked());
        // Closing the window any other way ends it too.
        h.ui().window->close();
        QCOMPARE(h.terminated, 2);
    }

    void drawerOpensUnderTheWindowAndHoldsTheEditor()
    {
        Harness h;
        h.launch();
        Drawer *drawer = h.ui().rightDrawer;
        QCOMPARE(drawer->state(), Drawer::ClosedState);
        QCOMPARE(drawer->leadingOffset(), 8);
        auto *editor = new QLabel(QStringLiteral("editor"));
        h.delegate->setDrawerContent(editor);
        QCOMPARE(drawer->contentView(), editor);

        QPushButton *sender = h.ui().editMetadataBtn;
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::OpenState);
        QCOMPARE(sender->property("tag").toInt(), 1);
        QVERIFY(editor->isVisible());
        QCOMPARE(drawer->x(), h.ui().window->frameGeometry().x() + drawer->leadingOffset());
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::ClosedState);
        QCOMPARE(sender->property("tag").toInt(), 0);
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
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("drawer"))));
        QTRY_COMPARE(h.ui().window->size(), QSize(654, 598));
        h.delegate->openLeftDrawer(sender);
        QCOMPARE(drawer->state(), Drawer::OpenState);
        QWidget *bar = h.ui().bottomBar;
        const QRect barOnScreen(bar->mapToGlobal(QPoint(0, 0)), bar->size());
        QVERIFY2(!drawer->geometry().intersects(barOnScreen),
                 qPrintable(QStringLiteral("drawer %1,%2 %3x%4 over the bar at y %5")
                                .arg(drawer->x()).arg(drawer->y()).arg(drawer->width()).arg(drawer->height())
                                .arg(barOnScreen.y())));
        QVERIFY(h.ui().editMetadataBtn->isVisible());
    }

    void outputFolderChoice()
    {
        Harness h;
        h.launch();
        const QString chosen = h.dir.filePath(QStringLiteral("chosen"));
        QDir().mkpath(chosen);
        h.delegate->ChangePhotoLocation();
        auto *panel = h.ui().preferenceWindow->findChild<QFileDialog *>(QStringLiteral("locationPanel"));
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Please select a floder to store the compressed photos."));
        panel->reject();
        QVERIFY(AppSettings(h.settingsFile()).photoLocation() != chosen);

        h.delegate->ChangePhotoLocation();
        QTRY_VERIFY(panel = h.ui().preferenceWindow->findChild<QFileDialog *>(QStringLiteral("locationPanel")));
        panel->setDirectory(chosen);
        panel->selectFile(chosen);
        static_cast<QDialog *>(panel)->accept();
        QCOMPARE(AppSettings(h.settingsFile()).photoLocation(), chosen);
        QCOMPARE(h.ui().preferenceWindow->photolocationlab()->toolTip(), chosen);

        // The next job writes there.
        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        QVERIFY(h.dropAndWait(h.copies({m_photos.square}, QStringLiteral("oc"))));
        QCOMPARE(QFileInfo(h.delegate->dragPhotoArray().constFirst().restPath()).absolutePath(), chosen);
    }

    // Files handed over at start and the import panel each start a job as a drop does;
    // Recompress works after the first as after a drop.
    void jobsStartedWithoutADrop()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(h.delegate->openFiles(h.copies({m_photos.upright, m_photos.square}, QStringLiteral("args"))));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        compareRows(h);
        h.ui().importAndExportBtn->activate();
        QVERIFY(h.ui().connectPhotoWindow->isVisible());
        QVERIFY(h.ui().connectPhotoWindow->connectPhotoLibBtn()->isEnabled());
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 4);

        const QString photo = h.copies({m_photos.landscape}, QStringLiteral("imp")).first();
        h.delegate->ClickImportPhotosAction();
        auto *panel = h.ui().window->findChild<QFileDialog *>(QStringLiteral("theOpenPanel"));
        QVERIFY(panel);
        QCOMPARE(panel->windowTitle(), QStringLiteral("Please select photos to import."));
        QCOMPARE(panel->fileMode(), QFileDialog::ExistingFiles);
        panel->setDirectory(QFileInfo(photo).absolutePath());
        panel->selectFile(photo);
        static_cast<QDialog *>(panel)->accept();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, 60000);
        QCOMPARE(h.delegate->dragPhotoArray().size(), 1);
        compareRows(h);
    }
};

QTEST_MAIN(TestCompressionController)
#include "tst_compressioncontroller.moc"
