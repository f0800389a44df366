// SPDX-License-Identifier: GPL-3.0-or-later
// The compression window never loses a photo quietly: an unusable Output folder is
// refused before anything starts, photos not compressed are listed with their reasons,
// the first in-place job asks first, and Recompress works after any kind of start.

#include "CompressionHarness.h"

#include "widgets/CommandButton.h"
#include "widgets/FramelessWindow.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/PreferenceWindow.h"

#include "app/Palette.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <sys/mount.h>

class TestCompressionJobs : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    Photos m_photos;

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
        h.launch();
        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
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
        h.launch();
        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        const QString folder = h.dir.filePath(QStringLiteral("mixed"));
        QDir().mkpath(folder);
        QFile broken(folder + QStringLiteral("/broken.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF\xE0 not really a photo");
        broken.close();
        const QStringList inputs = h.copies({m_photos.square}, QStringLiteral("mixed"));
        QVERIFY(h.dropAndWait({inputs.first(), broken.fileName()}));
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

    void recompressWorksAfterAnOpenFromTheCommandLine()
    {
        Harness h;
        h.launch();
        h.ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(h.delegate->openFiles(h.copies({m_photos.upright, m_photos.square}, QStringLiteral("args"))));
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        h.ui().importAndExportBtn->activate();
        QVERIFY(h.ui().connectPhotoWindow->isVisible());
        QVERIFY(h.ui().connectPhotoWindow->connectPhotoLibBtn()->isEnabled());
        QSignalSpy again(h.delegate.get(), &CompressionController::compressionFinished);
        h.ui().connectPhotoWindow->connectPhotoLibBtn()->activate();
        QVERIFY(again.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 4);
    }

private:
    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestCompressionJobs)
#include "tst_compressionjobs.moc"
