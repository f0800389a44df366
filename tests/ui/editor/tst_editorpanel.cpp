// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../core/metadata/EditorTestKit.h"
#include "EditorUiKit.h"

#include "editor/BatchDateWindow.h"
#include "editor/ChangeDateWindow.h"
#include "editor/PhotoInfoPanel.h"

#include <QFileDialog>
#include <QLineEdit>

using namespace editortest;
using namespace editorui;

class TestEditorPanel : public QObject
{
    Q_OBJECT
private:
    EditorWindow m_window;
    EditorController *m_editor = nullptr;
    QString m_a, m_b, m_c, m_text;
    QStringList m_pngs; // forty of them, for the list's model on its own

    MetadataEditorView &view() { return m_window.view(); }
    PhotoBrowserView *browser() { return view().localImageBrowserView; }
    static QString working() { return EditorWindow::working(); }

    bool drop(const QStringList &paths) { return Harness::drop(browser()->viewport(), paths); }
    void select(const QList<int> &rows) { editorui::select(*m_editor, rows); }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is needed as the independent reader (scripts/install-deps installs it)");
        const QString photos = m_window.photos();
        m_a = testsupport::makeJpeg(photos + "/harbour.jpg", 640, 480, richMetadataArgs());
        m_b = testsupport::makeJpeg(photos + "/boats.jpg", 480, 640,
                                    {"-ExifIFD:DateTimeOriginal=2019:07:14 12:00:00",
                                     "-ExifIFD:CreateDate=2019:07:14 12:00:00",
                                     "-GPSLatitude=43.1", "-GPSLatitudeRef=N"});
        m_c = testsupport::makeJpeg(photos + "/pier.jpg", 500, 500,
                                    {"-ExifIFD:DateTimeOriginal=2019:07:15 09:30:00",
                                     "-ExifIFD:CreateDate=2019:07:15 09:30:00"});
        m_text = photos + "/notes.txt";
        QVERIFY(testsupport::writeFile(m_text, "not a photo"));
        for (int i = 0; i < 40; ++i) {
            QImage image(300 + i, 200, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 9, 200, 200));
            m_pngs << photos + QString("/p%1.png").arg(i);
            QVERIFY(image.save(m_pngs.last()));
        }
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
        QSignalSpy done(m_editor, &EditorController::commandFinished);
        m_window.revealer.selected.clear();
        QVERIFY(chooseFromMenu(view().removeMetadataBtn, view().removeExifMenu, view().removeGPSAction,
                               "editor-remove-menu.png"));
        const JobReport report = waitForCommand(done);
        const QStringList expected{working() + "/NoGPS_harbour.jpg", working() + "/NoGPS_boats.jpg"};
        QCOMPARE(report.written(), expected);
        QCOMPARE(m_window.revealer.selected, QStringList{expected.last()});
        QVERIFY(!m_editor->lastAlert());
    }

    void emptySelectionAlert()
    {
        select({});
        const QStringList before = filesIn(working());
        QVERIFY(chooseFromMenu(view().removeMetadataBtn, view().removeExifMenu, view().removeExifAction));
        expectAlert(*m_editor, "No Item has been selected", "Please select at least one item to process.");
        QCOMPARE(filesIn(working()), before);

        // The date command asks the same.
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().changeDateAction));
        QVERIFY(!m_editor->changeDateWindow()->isVisible());
        expectAlert(*m_editor, "No Item has been selected", {});
    }

    void singlePhotoDateWindowShowsTheSelectedPhoto()
    {
        select({1});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().changeDateAction));
        ChangeDateWindow *window = m_editor->changeDateWindow();
        QTRY_VERIFY(window->isVisible());
        QVERIFY(!m_editor->batchDateWindow()->isVisible());
        QCOMPARE(window->originalDatelab->text(), "2019:07:14 12:00:00");
        testsupport::screenshot("editor-date-window.png");

        // A text that is not a date is refused by an alert naming the field; the window stays to mend it.
        const QStringList before = filesIn(working());
        window->originalDatelab->setText("2013:02:30 25:00:00");
        QTest::mouseClick(window->saveButton, Qt::LeftButton);
        expectAlert(*m_editor, "Not a date", "Date taken:");
        QVERIFY(window->isVisible());
        QCOMPARE(filesIn(working()), before);

        QSignalSpy done(m_editor, &EditorController::commandFinished);
        window->originalDatelab->setText("2018:01:02 03:04:05");
        QTest::mouseClick(window->saveButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        const JobReport report = waitForCommand(done);
        const QString copy = working() + "/NewDate_boats.jpg";
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(tag(copy, "ExifIFD:DateTimeOriginal"), "2018:01:02 03:04:05");
    }

    void batchShiftThroughTheMenu()
    {
        select({1, 2});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().changeDateAction));
        BatchDateWindow *batch = m_editor->batchDateWindow();
        QTRY_VERIFY(batch->isVisible());
        QVERIFY(!m_editor->changeDateWindow()->isVisible());

        QTest::mouseClick(batch->AddTimeBtn, Qt::LeftButton);
        QTest::mouseClick(batch->RemoveTimeBtn, Qt::LeftButton);
        QTest::keyClicks(batch->hourValuelab, "1");
        QTest::keyClicks(batch->dayValuelab, "x2"); // letters are not taken
        QVERIFY(m_editor->mapPreview());
        testsupport::screenshot("editor-batch-offset.png");

        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QTest::mouseClick(batch->saveButton, Qt::LeftButton);
        QVERIFY(!batch->isVisible());
        for (QLineEdit *field : batch->offsetFields())
            QVERIFY(field->text().isEmpty());
        const JobReport report = waitForCommand(done);
        QCOMPARE(report.written(), (QStringList{working() + "/boats.jpg", working() + "/pier.jpg"}));
        QCOMPARE(tag(report.written()[0], "ExifIFD:DateTimeOriginal"), "2019:07:12 11:00:00");
        QCOMPARE(tag(report.written()[1], "ExifIFD:CreateDate"), "2019:07:13 08:30:00");
    }

    void referencePhotoStaysChosenAndVisible()
    {
        select({0, 2});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().changeDateAction));
        BatchDateWindow *batch = m_editor->batchDateWindow();
        QTRY_VERIFY(batch->isVisible());
        m_editor->chooseReferencePhoto(m_c);
        QCOMPARE(batch->beforeOriginalDatelab->text(), "2019:07:15 09:30:00");
        batch->afterOriginalDatelab->setText("2019:07:15 10:30:00");
        batch->batchSetDatelab->setText("2000:01:01 00:00:00"); // the reference wins
        QTest::mouseClick(batch->cancelButton, Qt::LeftButton);
        QVERIFY(!batch->isVisible());

        // Opened again, the reference photo is still chosen, shown and read afresh.
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().changeDateAction));
        QTRY_VERIFY(batch->isVisible());
        QVERIFY(batch->dateImageview->isVisible());
        QCOMPARE(batch->beforeOriginalDatelab->text(), "2019:07:15 09:30:00");
        batch->afterOriginalDatelab->setText("2019:07:15 10:30:00");
        testsupport::screenshot("editor-batch-reference.png");
        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QTest::mouseClick(batch->saveButton, Qt::LeftButton);
        const JobReport report = waitForCommand(done);
        QCOMPARE(report.written().size(), 2);
        QCOMPARE(tag(working() + "/harbour.jpg", "ExifIFD:DateTimeOriginal"), "2019:07:14 11:20:30");

        QVERIFY(!batch->offsetGroup->isEnabled());
        m_editor->forgetReferencePhoto();
        QVERIFY(!batch->hasReferenceImage());
        QVERIFY(batch->offsetGroup->isEnabled());
    }

    void skippedPhotosAreListedInOneAlert()
    {
        select({2});
        QVERIFY(drop({m_a, m_text})); // only the first item must be a photo
        QCOMPARE(browser()->selectionIndexes(), QList<int>{0});
        const int last = int(m_editor->localPhotoItemArray().size()) - 1;
        select({0, last});
        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QVERIFY(chooseFromMenu(view().removeMetadataBtn, view().removeExifMenu, view().removeIPTCAction));
        const JobReport report = waitForCommand(done);
        QCOMPARE(report.written(), QStringList{working() + "/NoIPTC_harbour.jpg"});
        expectAlert(*m_editor, "Some photos were skipped", "notes.txt");
    }

    void fileDatesCommandSaysWhatItSets()
    {
        select({2});
        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, view().copyExifDateToCreateDateAction));
        const JobReport report = waitForCommand(done);
        QCOMPARE(report.written(), QStringList{working() + "/NewDate_pier.jpg"});
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
        QWidget *main = m_window.harness.delegate->window();
        auto *panel = main->findChild<QFileDialog *>("theOpenPanel");
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
            const QModelIndex index = model.index(row);
            QVERIFY(index.data(EditorPhotoModel::LoadedRole).toBool());
            QVERIFY(!model.localPhotoItemArray().at(row).fileImage.isNull());
            QVERIFY(model.localPhotoItemArray().at(row).fileImage.width() <= 2 * EditorPhotoModel::ThumbnailEdge);
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
        QTest::qWait(300);
        QCOMPARE(changed.size(), 0);

        model.appendItems(localimport::itemsFromPaths(m_pngs.mid(0, 2)));
        QTRY_VERIFY(model.thumbnailsSettled());
        QVERIFY(!model.localPhotoItemArray().at(1).fileImage.isNull());
    }
};

QTEST_MAIN(TestEditorPanel)
#include "tst_editorpanel.moc"
