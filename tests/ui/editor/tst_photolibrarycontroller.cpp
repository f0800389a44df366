// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorUiKit.h"
#include "LibraryFixture.h"

#include "editor/PhotoLibraryController.h"
#include "windows/ConnectPhotoWindow.h"

#include "sources/library/PhotoLibraryScan.h"
#include "sources/library/PhotoLibrarySource.h"

#include <QFileDialog>

class TestPhotoLibraryController : public QObject
{
    Q_OBJECT
private:
    editorui::EditorWindow m_window;
    Harness &m_harness = m_window.harness;
    EditorController *m_editor = nullptr;
    QString m_library;      // 600 photos and a few files that are not photos
    QStringList m_expected; // the library's photos in walk order

    MetadataEditorView &view() { return *m_editor->view(); }
    PhotoLibraryController &library() { return *m_editor->photoLibrary(); }
    ConnectPhotoWindow *sheet() { return m_harness.ui().connectPhotoWindow; }

    // Chooses `folder` in the open library panel the way a person would: select the
    // folder, press Choose.
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
        QStringList entries{"Masters/2019/07/14/IMG_0001.MOV", "Masters/2019/07/14/IMG_0001.xmp",
                            "Masters/.DS_Store"};
        for (int i = 0; i < 600; ++i)
            entries << QString("Masters/2019/%1/%2/IMG_%3.jpg")
                           .arg(7 + i / 200, 2, 10, QLatin1Char('0'))
                           .arg(1 + (i / 20) % 10, 2, 10, QLatin1Char('0'))
                           .arg(i, 4, 10, QLatin1Char('0'));
        m_library = libraryfixture::makeLibrary(m_harness.dir.filePath("disk"), entries);
        m_expected = entries.mid(3);
        for (QString &path : m_expected)
            path = m_library + QLatin1Char('/') + path;
        m_expected.sort(); // zero-padded names: name order is walk order

        m_window.launch();
        m_editor = m_window.editor.get();
    }

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
        QVERIFY2(alertText().contains(QLatin1String("\"Photos Library.photoslibrary\"")), qPrintable(alertText()));
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
        QVERIFY(!view().stopScanButton->isVisible());
        QVERIFY2(view().statusLabel->text().contains(QLatin1String("600 photos; 2 files skipped")),
                 qPrintable(view().statusLabel->text()));
        QVERIFY(m_harness.delegate->blocalMode());

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

    void secondScanRefusedAndStop()
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
        QVERIFY(library().lastAlert());
        QVERIFY2(alertText().contains(PhotoLibraryScan::busyMessage()), qPrintable(alertText()));
        library().lastAlert()->close();

        QTest::mouseClick(view().stopScanButton, Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.size(), 1);
        const auto report = finished.first().first().value<LibraryScanReport>();
        QCOMPARE(m_editor->localPhotoItemArray().size(), report.photoCount);
        QVERIFY(report.photoCount < 4000);
        QVERIFY(view().statusLabel->text().contains(QLatin1String("stopped")));
        QVERIFY(!view().stopScanButton->isVisible());
    }

    void libraryGoneAsksAgain()
    {
        // A remembered library whose disk is not attached: the chooser, not an empty scan.
        m_harness.delegate->settings().setPhotoLibraryPath(
            m_harness.dir.filePath("unplugged/Photos Library.photoslibrary"));
        view().cameraphotoBtn->activate();
        QTRY_VERIFY(library().openPanel() && library().openPanel()->isVisible());
        QVERIFY(!library().source()->isScanning());
        library().openPanel()->reject();
    }
};

QTEST_MAIN(TestPhotoLibraryController)
#include "tst_photolibrarycontroller.moc"
