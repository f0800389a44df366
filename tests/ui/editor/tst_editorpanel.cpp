// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata editor's panel driven through its real controls, its list's model on its
// own, the photo library as a source of its list, and the image buttons it is driven with.
#include "../../core/metadata/EditorTestKit.h"
#include "EditorUiKit.h"
#include "LibraryFixture.h"

#include "editor/BatchDateWindow.h"
#include "editor/ChangeDateWindow.h"
#include "editor/PhotoInfoPanel.h"
#include "editor/PhotoLibraryController.h"
#include "widgets/WindowCloseButton.h"
#include "windows/ConnectPhotoWindow.h"

#include "sources/library/PhotoLibraryScan.h"
#include "sources/library/PhotoLibrarySource.h"

#include <QFileDialog>
#include <QLineEdit>

using namespace editortest;
using namespace editorui;

static void sendMove(QWidget *w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

class TestEditorPanel : public QObject
{
    Q_OBJECT
private:
    EditorWindow m_window;
    EditorController *m_editor = nullptr;
    QString m_a, m_b, m_c, m_text;
    QStringList m_pngs; // forty of them, for the list's model on its own
    Harness &m_harness = m_window.harness;
    QString m_library;      // 600 photos and a few files that are not photos
    QStringList m_expected; // the library's photos in walk order

    MetadataEditorView &view() { return m_window.view(); }
    PhotoBrowserView *browser() { return view().localImageBrowserView; }
    static QString working() { return EditorWindow::working(); }

    bool drop(const QStringList &paths) { return Harness::drop(browser()->viewport(), paths); }
    void select(const QList<int> &rows) { editorui::select(*m_editor, rows); }
    PhotoLibraryController &library() { return *m_editor->photoLibrary(); }

    // A command of the edit or the remove menu, chosen as a person would.
    bool edit(QAction *a) { return chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, a); }
    bool remove(QAction *a) { return chooseFromMenu(view().removeMetadataBtn, view().removeExifMenu, a); }
    ConnectPhotoWindow *sheet() { return m_harness.ui().connectPhotoWindow; }

    // Chooses `folder` in the open library panel the way a person would: select the folder, press Choose.
    void chooseInPanel(const QString &folder)
    {
        QFileDialog *panel = library().openPanel();
        QVERIFY(panel && panel->isVisible());
        panel->setDirectory(QFileInfo(folder).path());
        panel->selectFile(folder);
        static_cast<QDialog *>(panel)->accept();
    }

    QString alertText()
    {
        QMessageBox *alert = library().lastAlert();
        return alert ? alert->text() + QLatin1Char('\n') + alert->informativeText() : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is needed as the independent reader (scripts/install-deps installs it)");
        const QString photos = m_window.photos();
        m_a = testsupport::makeJpeg(photos + "/harbour.jpg", 640, 480, richMetadataArgs());
        const auto taken = [](const QString &date) {
            return QStringList{"-ExifIFD:DateTimeOriginal=" + date, "-ExifIFD:CreateDate=" + date};
        };
        const QStringList north{"-GPSLatitude=43.1", "-GPSLatitudeRef=N"};
        m_b = testsupport::makeJpeg(photos + "/boats.jpg", 480, 640, taken("2019:07:14 12:00:00") + north);
        m_c = testsupport::makeJpeg(photos + "/pier.jpg", 500, 500, taken("2019:07:15 09:30:00"));
        m_text = photos + "/notes.txt";
        QVERIFY(testsupport::writeFile(m_text, "not a photo"));
        for (int i = 0; i < 40; ++i) {
            QImage image(300 + i, 200, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 9, 200, 200));
            m_pngs << photos + QString("/p%1.png").arg(i);
            QVERIFY(image.save(m_pngs.last()));
        }
        QStringList entries{"Masters/2019/07/14/IMG_0001.MOV", "Masters/2019/07/14/IMG_0001.xmp",
                            "Masters/.DS_Store"};
        const char *layout = "Masters/2019/%02d/%02d/IMG_%04d.jpg"; // month, day, number
        for (int i = 0; i < 600; ++i)
            entries << QString::asprintf(layout, 7 + i / 200, 1 + (i / 20) % 10, i);
        m_library = libraryfixture::makeLibrary(m_harness.dir.filePath("disk"), entries);
        m_expected = entries.mid(3);
        for (QString &path : m_expected)
            path = m_library + QLatin1Char('/') + path;
        m_expected.sort(); // zero-padded names: name order is walk order

        m_window.launch();
        m_editor = m_window.editor.get();
        QCOMPARE(m_window.harness.ui().rightDrawer->contentView(), static_cast<QWidget *>(m_editor->view()));
    }

    void dropFillsListSelectsFirstAndShowsInfo()
    {
        QVERIFY(!drop({m_window.harness.dir.path()})); // a folder is refused
        QVERIFY(!drop({m_text, m_a}));          // only the first item is tested
        QVERIFY(drop({m_a, m_b, m_c}));
        QCOMPARE(m_editor->localPhotoItemArray().size(), qsizetype(3));
        QCOMPARE(browser()->selectionIndexes(), QList<int>{0});
        QCOMPARE(m_editor->currentChooseFilePath(), m_a);
        QTRY_COMPARE(view().infoPanel->photoNamelab->text(), "harbour.jpg");
        QCOMPARE(view().infoPanel->cameraMakelab->text(), "Canon");
        QCOMPARE(view().infoPanel->gpsLatitudelab->text(), "48.8584 N");
        QCOMPARE(view().infoPanel->dateTakenlab->text(), "2019:07:14 10:20:30");
        QCOMPARE(view().infoPanel->dateDigitizedlab->text(), "2019:07:14 10:20:31");
        QCOMPARE(view().infoPanel->photoImageSizelab->text(), "640 x 480");
        QTRY_VERIFY(m_editor->model()->thumbnailsSettled());
        QVERIFY(!m_editor->model()->index(1).data(Qt::DecorationRole).value<QIcon>().isNull());
        testsupport::screenshot("editor-photos.png");

        select({2});
        QCOMPARE(m_editor->currentChooseFilePath(), m_c);
        QTRY_COMPARE(view().infoPanel->photoNamelab->text(), "pier.jpg");
    }

    void removalThroughTheMenu()
    {
        select({0, 1});
        m_window.revealer.selected.clear();
        const JobReport report = reportOf(*m_editor, [this] {
            QVERIFY(chooseFromMenu(view().removeMetadataBtn, view().removeExifMenu, view().removeGPSAction,
                                   "editor-remove-menu.png"));
        });
        const QStringList expected{working() + "/NoGPS_harbour.jpg", working() + "/NoGPS_boats.jpg"};
        QCOMPARE(report.written(), expected);
        QCOMPARE(m_window.revealer.selected, QStringList{expected.last()});
        QVERIFY(!m_editor->lastAlert());
    }

    void emptySelectionAlert()
    {
        select({});
        const QStringList before = filesIn(working());
        QVERIFY(remove(view().removeExifAction));
        expectAlert(*m_editor, "No Item has been selected", "Please select at least one item to process.");
        QCOMPARE(filesIn(working()), before);

        // The date command asks the same.
        QVERIFY(edit(view().changeDateAction));
        QVERIFY(!m_editor->changeDateWindow()->isVisible());
        expectAlert(*m_editor, "No Item has been selected", {});
    }

    void singlePhotoDateWindowShowsTheSelectedPhoto()
    {
        select({1});
        QVERIFY(edit(view().changeDateAction));
        ChangeDateWindow *window = m_editor->changeDateWindow();
        QTRY_VERIFY(window->isVisible() && !m_editor->batchDateWindow()->isVisible());
        QCOMPARE(window->originalDatelab->text(), "2019:07:14 12:00:00");
        testsupport::screenshot("editor-date-window.png");

        // A text that is not a date is refused by an alert naming the field; the window stays to mend it.
        const QStringList before = filesIn(working());
        window->originalDatelab->setText("2013:02:30 25:00:00");
        QTest::mouseClick(window->saveButton, Qt::LeftButton);
        expectAlert(*m_editor, "Not a date", "Date taken:");
        QVERIFY(window->isVisible());
        QCOMPARE(filesIn(working()), before);

        window->originalDatelab->setText("2018:01:02 03:04:05");
        const JobReport report = reportOf(*m_editor, [window] {
            QTest::mouseClick(window->saveButton, Qt::LeftButton);
            QVERIFY(!window->isVisible());
        });
        const QString copy = working() + "/NewDate_boats.jpg";
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(tag(copy, "ExifIFD:DateTimeOriginal"), "2018:01:02 03:04:05");
    }

    void batchShiftThroughTheMenu()
    {
        select({1, 2});
        QVERIFY(edit(view().changeDateAction));
        BatchDateWindow *batch = m_editor->batchDateWindow();
        QTRY_VERIFY(batch->isVisible() && !m_editor->changeDateWindow()->isVisible());

        QTest::mouseClick(batch->AddTimeBtn, Qt::LeftButton);
        QTest::mouseClick(batch->RemoveTimeBtn, Qt::LeftButton);
        QTest::keyClicks(batch->hourValuelab, "1");
        QTest::keyClicks(batch->dayValuelab, "x2"); // letters are not taken
        QVERIFY(m_editor->mapPreview());
        testsupport::screenshot("editor-batch-offset.png");

        const JobReport report = reportOf(*m_editor, [batch] {
            QTest::mouseClick(batch->saveButton, Qt::LeftButton);
            QVERIFY(!batch->isVisible());
            for (QLineEdit *field : batch->offsetFields())
                QVERIFY(field->text().isEmpty());
        });
        QCOMPARE(report.written(), (QStringList{working() + "/boats.jpg", working() + "/pier.jpg"}));
        QCOMPARE(tag(report.written()[0], "ExifIFD:DateTimeOriginal"), "2019:07:12 11:00:00");
        QCOMPARE(tag(report.written()[1], "ExifIFD:CreateDate"), "2019:07:13 08:30:00");
    }

    void referencePhotoStaysChosenAndVisible()
    {
        select({0, 2});
        QVERIFY(edit(view().changeDateAction));
        BatchDateWindow *batch = m_editor->batchDateWindow();
        QTRY_VERIFY(batch->isVisible());
        m_editor->chooseReferencePhoto(m_c);
        QCOMPARE(batch->beforeOriginalDatelab->text(), "2019:07:15 09:30:00");
        batch->afterOriginalDatelab->setText("2019:07:15 10:30:00");
        batch->batchSetDatelab->setText("2000:01:01 00:00:00"); // the reference wins
        QTest::mouseClick(batch->cancelButton, Qt::LeftButton);
        QVERIFY(!batch->isVisible());

        // Opened again, the reference photo is still chosen, shown and read afresh.
        QVERIFY(edit(view().changeDateAction));
        QTRY_VERIFY(batch->dateImageview->isVisible()); // and so the window around it
        QCOMPARE(batch->beforeOriginalDatelab->text(), "2019:07:15 09:30:00");
        batch->afterOriginalDatelab->setText("2019:07:15 10:30:00");
        testsupport::screenshot("editor-batch-reference.png");
        const auto save = [batch] { QTest::mouseClick(batch->saveButton, Qt::LeftButton); };
        QCOMPARE(reportOf(*m_editor, save).written().size(), 2);
        QCOMPARE(tag(working() + "/harbour.jpg", "ExifIFD:DateTimeOriginal"), "2019:07:14 11:20:30");

        QVERIFY(!batch->offsetGroup->isEnabled());
        m_editor->forgetReferencePhoto();
        QVERIFY(!batch->hasReferenceImage() && batch->offsetGroup->isEnabled());
    }

    void skippedPhotosAreListedInOneAlert()
    {
        select({2});
        QVERIFY(drop({m_a, m_text})); // only the first item must be a photo
        QCOMPARE(browser()->selectionIndexes(), QList<int>{0});
        const int last = int(m_editor->localPhotoItemArray().size()) - 1;
        select({0, last});
        QCOMPARE(reportOf(*m_editor, [this] { QVERIFY(remove(view().removeIPTCAction)); }).written(),
                 QStringList{working() + "/NoIPTC_harbour.jpg"});
        expectAlert(*m_editor, "Some photos were skipped", "notes.txt");
    }

    void fileDatesCommandSaysWhatItSets()
    {
        select({2});
        const auto copyDates = [this] { QVERIFY(edit(view().copyExifDateToCreateDateAction)); };
        QCOMPARE(reportOf(*m_editor, copyDates).written(), QStringList{working() + "/NewDate_pier.jpg"});
        QVERIFY(view().statusLabel->text().contains("modification date"));
        QVERIFY(view().fileDateNoteLabel->text().contains("modification date"));
    }

    // Delete, the context menu's remove and clear-and-import take photos off the list,
    // never the files; however the list loses its current photo, the panel stops describing it.
    void removingPhotosFromTheList()
    {
        QTest::mouseClick(view().clearButton, Qt::LeftButton);
        QVERIFY(m_editor->localPhotoItemArray().isEmpty());
        QVERIFY(drop({m_a, m_b, m_c}));
        select({0, 2});
        QWidget *top = browser()->window();
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top));
        browser()->setFocus();
        QTest::keyClick(browser(), Qt::Key_Delete);
        QCOMPARE(m_editor->localPhotoItemArray().size(), qsizetype(1));
        QCOMPARE(m_editor->localPhotoItemArray().first().filePath, m_b);
        QCOMPARE(browser()->selectionIndexes(), QList<int>{0});
        QVERIFY(QFileInfo::exists(m_a) && QFileInfo::exists(m_c));
        QVERIFY(browser()->actions().contains(browser()->removeAction()));
        browser()->removeAction()->trigger();
        QVERIFY(m_editor->localPhotoItemArray().isEmpty());
        for (QLabel *label : view().infoPanel->labels())
            QVERIFY(label->text().isEmpty());

        QVERIFY(drop({m_a, m_c}));
        QVERIFY(browser()->actions().contains(view().clearAndImportAction));
        view().clearAndImportAction->trigger();
        QVERIFY(m_editor->localPhotoItemArray().isEmpty());
        auto *panel = m_window.harness.delegate->window()->findChild<QFileDialog *>("theOpenPanel");
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->fileMode(), QFileDialog::ExistingFiles);
        panel->reject();

        QVERIFY(drop({m_a}));
        QTRY_COMPARE(view().infoPanel->photoNamelab->text(), "harbour.jpg");
        m_editor->model()->clear();
        QTRY_VERIFY(view().infoPanel->photoNamelab->text().isEmpty());
        QVERIFY(m_editor->currentChooseFilePath().isEmpty());
    }

    // ---- The list's model on its own -------------------------------------------------

    void thousandItemsFillAndEveryCellGetsItsPicture()
    {
        EditorPhotoModel model;
        QStringList many;
        for (int i = 0; i < 1000; ++i)
            many << m_pngs.at(i % m_pngs.size());
        many << m_window.photos() + "/missing.jpg";
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.appendItems(localimport::itemsFromPaths(many));
        QCOMPARE(model.rowCount(), 1001);
        // Each file is decoded once, however often it is in the list.
        QTRY_VERIFY_WITH_TIMEOUT(model.thumbnailsSettled(), 30000);
        QCOMPARE(changed.size(), 1001);
        for (int row : {0, 39, 40, 999}) {
            QVERIFY(model.index(row).data(EditorPhotoModel::LoadedRole).toBool());
            const QImage &picture = model.localPhotoItemArray().at(row).fileImage;
            QVERIFY(!picture.isNull() && picture.width() <= 2 * EditorPhotoModel::ThumbnailEdge);
        }
        QVERIFY(model.localPhotoItemArray().last().fileImage.isNull());
        QCOMPARE(model.index(0).data(Qt::DisplayRole).toString(), "p0.png");

        // A file added again later takes the picture already made.
        model.appendItems(localimport::itemsFromPaths({m_pngs.first()}));
        QVERIFY(!model.localPhotoItemArray().last().fileImage.isNull());
    }

    void clearingDropsAnswersOnTheirWay()
    {
        EditorPhotoModel model;
        model.appendItems(localimport::itemsFromPaths(m_pngs));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.thumbnailsSettled());
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!changed.wait(300));

        model.appendItems(localimport::itemsFromPaths(m_pngs.mid(0, 2)));
        QTRY_VERIFY(model.thumbnailsSettled());
        QVERIFY(!model.localPhotoItemArray().at(1).fileImage.isNull());
    }

    // ---- The photo library as the list's source --------------------------------------

    void firstUseAsksForTheLibraryThenRemembersIt()
    {
        // Nothing remembered: the button selects the library source and opens the chooser
        // itself, not the sheet about compressing again.
        view().cameraphotoBtn->activate();
        QCOMPARE(view().cameraphotoBtn->imageName(), "photolibdown.png");
        QCOMPARE(view().localphotoBtn->imageName(), "localphotonom.png");
        QVERIFY(!sheet()->isVisible());

        // A folder that is not a library is refused with a reason, and not remembered.
        const QString other = m_harness.dir.filePath("disk/Pictures");
        QDir().mkpath(other);
        chooseInPanel(other);
        QTRY_VERIFY(library().lastAlert());
        QVERIFY2(alertText().contains(QLatin1String("\"Photos Library.photoslibrary\"")),
                 qPrintable(alertText()));
        QVERIFY(AppSettings(m_harness.settingsFile()).photoLibraryPath().isEmpty());
        library().lastAlert()->close();
        QVERIFY(!library().source()->isScanning());

        // The library, chosen through the connect sheet this time: remembered under the keys
        // that are read back, then scanned into the list in batches.
        m_harness.delegate->StartCompressAction();
        QVERIFY(sheet()->isVisible());
        testsupport::screenshot("connect-sheet.png");
        QTest::mouseClick(sheet()->choosePhotoLibraryBtn(), Qt::LeftButton);
        QVERIFY(!sheet()->isVisible());
        QSignalSpy finished(&library(), &PhotoLibraryController::scanFinished);
        QSignalSpy inserted(m_editor->model(), &QAbstractItemModel::rowsInserted);
        chooseInPanel(m_library);
        QVERIFY(view().stopScanButton->isVisible());
        QVERIFY(finished.wait(60000));
        const AppSettings stored(m_harness.settingsFile());
        QCOMPARE(stored.photoLibraryPath(), m_library);
        QCOMPARE(QString::fromUtf8(stored.photoLibraryData()), m_library);
        QStringList listed;
        for (const PhotoItem &item : m_editor->localPhotoItemArray())
            listed << item.filePath;
        QCOMPARE(listed, m_expected);
        QVERIFY2(inserted.size() > 1 && inserted.size() < 60, qPrintable(QString::number(inserted.size())));
        QVERIFY(!view().stopScanButton->isVisible() && m_harness.delegate->blocalMode());
        QVERIFY2(view().statusLabel->text().contains(QLatin1String("600 photos; 2 files skipped")),
                 qPrintable(view().statusLabel->text()));

        // Pictures are made for the cells on screen, not for all six hundred.
        QTRY_VERIFY(m_editor->model()->index(0).data(EditorPhotoModel::LoadedRole).toBool());
        QTest::qWait(300);
        QVERIFY(!m_editor->model()->index(599).data(EditorPhotoModel::LoadedRole).toBool());
        view().localImageBrowserView->scrollToBottom();
        QTRY_VERIFY(m_editor->model()->index(599).data(EditorPhotoModel::LoadedRole).toBool());
        view().localImageBrowserView->scrollToTop();
        testsupport::screenshot("editor-library.png");

        // The next press scans the remembered library without asking.
        m_editor->ClearLeftPhotos();
        view().cameraphotoBtn->activate();
        QVERIFY(!sheet()->isVisible());
        QVERIFY(finished.wait(60000));
        QCOMPARE(m_editor->localPhotoItemArray().size(), 600);

        // The local source button takes the selection back.
        view().localphotoBtn->activate();
        QCOMPARE(view().cameraphotoBtn->imageName(), "photolibnom.png");
        QCOMPARE(view().localphotoBtn->imageName(), "localphotodown.png");
    }

    void secondScanRefusedStopAndLibraryGone()
    {
        m_editor->ClearLeftPhotos();
        QStringList entries;
        for (int i = 0; i < 4000; ++i)
            entries << QString("Masters/%1/IMG_%2.jpg").arg(i / 100).arg(i);
        const QString big = libraryfixture::makeLibrary(m_harness.dir.filePath("big"), entries);
        library().connectPhotoLibrary(big);
        QSignalSpy finished(&library(), &PhotoLibraryController::scanFinished);

        // A second scan while one runs is refused with a message, and starts nothing.
        view().cameraphotoBtn->activate();
        QVERIFY2(alertText().contains(PhotoLibraryScan::busyMessage()), qPrintable(alertText()));
        library().lastAlert()->close();

        QTest::mouseClick(view().stopScanButton, Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.size(), 1);
        const auto report = finished.first().first().value<LibraryScanReport>();
        QCOMPARE(m_editor->localPhotoItemArray().size(), report.photoCount);
        QVERIFY(report.photoCount < 4000);
        QVERIFY(view().statusLabel->text().contains("stopped") && !view().stopScanButton->isVisible());

        // A remembered library whose disk is not attached: the chooser, not an empty scan.
        m_harness.delegate->settings().setPhotoLibraryPath(
            m_harness.dir.filePath("unplugged/Photos Library.photoslibrary"));
        view().cameraphotoBtn->activate();
        QTRY_VERIFY(library().openPanel() && library().openPanel()->isVisible());
        QVERIFY(!library().source()->isScanning());
        library().openPanel()->reject();
    }

    // ---- The image buttons on their own ----------------------------------------------

    // The press is the command, drawn pressed while it runs; the keyboard reaches it too, other buttons not.
    // Hover follows the bounds the button had when it was set up.
    void pressActivatesAndHoverKeepsItsBounds()
    {
        CommandButton button(QStringLiteral("Go"));
        button.resize(40, 40);
        button.trackHoverInBounds();
        button.resize(120, 40); // resized after set-up
        button.setImage(QStringLiteral("editnom.png"));
        button.setPressArtwork(QStringLiteral("editdown.png"), QStringLiteral("editnom.png"));
        QString seenDuring;
        connect(&button, &CommandButton::activated, this, [&] { seenDuring = button.imageName(); });
        QSignalSpy activated(&button, &CommandButton::activated);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(seenDuring, QStringLiteral("editdown.png"));
        QCOMPARE(button.imageName(), QStringLiteral("editnom.png"));
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(activated.count(), 2);
        QTest::mouseClick(&button, Qt::RightButton);
        QCOMPARE(activated.count(), 2);

        button.setHoverArtwork(QStringLiteral("applydown.png"), QStringLiteral("applynom.png"));
        QSignalSpy entered(&button, &CommandButton::hoverEntered);
        QSignalSpy exited(&button, &CommandButton::hoverExited);
        sendMove(&button, QPoint(10, 10));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(button.imageName(), QStringLiteral("applydown.png"));
        sendMove(&button, QPoint(90, 10)); // inside the new bounds, outside the set-up ones
        QCOMPARE(exited.count(), 1);
        QCOMPARE(button.imageName(), QStringLiteral("applynom.png"));
        sendMove(&button, QPoint(100, 12)); // still outside: no repeat
        QCOMPARE(exited.count(), 1);
        sendMove(&button, QPoint(20, 20));
        QCOMPARE(entered.count(), 2);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(exited.count(), 2);

        // The close button works the same way with its own signal.
        WindowCloseButton close;
        QSignalSpy closing(&close, &WindowCloseButton::activated);
        QTest::mouseClick(&close, Qt::LeftButton);
        QTest::keyClick(&close, Qt::Key_Return);
        QTest::mouseClick(&close, Qt::RightButton);
        QCOMPARE(closing.count(), 2);

        // A command that destroys its button is survived.
        auto *doomed = new CommandButton;
        doomed->setPressArtwork(QStringLiteral("backdown.png"), QStringLiteral("backnom.png"));
        connect(doomed, &CommandButton::activated, this, [doomed] { delete doomed; });
        doomed->activate();
    }
};

QTEST_MAIN(TestEditorPanel)
#include "tst_editorpanel.moc"
