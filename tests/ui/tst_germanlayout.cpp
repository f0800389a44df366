// SPDX-License-Identifier: GPL-3.0-or-later
// The German window measured where a desktop measures it: under a real X server (Xvfb
// with openbox, the xcb platform and the DejaVu fonts a Debian desktop has), in the list
// state a real job leaves, with the editor, the camera window and every sheet open. No
// label or button may cut its text: each fits, wraps, or the window grows. The offscreen
// platform's font metrics are narrower and hid exactly these cuts.
#include "CompressionHarness.h"
#include "LocalHttpServer.h"

#include "app/BuildVersion.h"
#include "app/Translations.h"
#include "camera/CameraController.h"
#include "camera/CameraWindow.h"
#include "editor/BatchDateWindow.h"
#include "editor/ChangeDateWindow.h"
#include "editor/ChangeGPSWindow.h"
#include "editor/EditViewWindow.h"
#include "editor/EditorController.h"
#include "editor/GpsTemplateController.h"
#include "sources/camera/DeviceBrowser.h"
#include "update/UpdateController.h"
#include "widgets/FramelessWindow.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/Drawer.h"
#include "windows/NoUpdateWindow.h"
#include "windows/PreferenceWindow.h"
#include "windows/ResizeWindow.h"
#include "windows/UpdateWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>

namespace {

QString describe(QWidget *w, const QString &text, int have, int need)
{
    return QStringLiteral("%1/%2 \"%3\" (%4 < %5)")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text)
        .arg(have)
        .arg(need);
}

} // namespace

class TestGermanLayout : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("measured under X only: ctest runs tst_germanlayout_x11 through run-under-x.sh");
        usePrivateHome(m_home.path());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
    }

    void cleanupTestCase() { translations::remove(); }

    void germanTextsAreNotClipped()
    {
        Harness h;
        h.launch(Harness::KeepingOriginals);
        // A real job on camera photos: the list state with its savings line.
        const QString corpus = qEnvironmentVariable("GLIMMERSET_CORPUS");
        QStringList photos;
        for (const QString &name : {QStringLiteral("Canon_40D_small.jpg"), QStringLiteral("DSCN0010.jpg"),
                                    QStringLiteral("Nikon_E995_iptc.jpg")})
            photos << corpus + QStringLiteral("/camera/") + name;
        if (!QFileInfo::exists(photos.constFirst()))
            photos = h.copies({testsupport::makeJpeg(h.dir.filePath(QStringLiteral("p.jpg")), 1600, 1200)},
                              QStringLiteral("generated"));
        QVERIFY(h.dropAndWait(h.copies(photos, QStringLiteral("job"))));
        QTRY_VERIFY(h.ui().saveSizelab->isVisible());
        QVERIFY(h.ui().saveSizelab->text().startsWith(QStringLiteral("Gespart")));
        testsupport::screenshot(QStringLiteral("list-after-job-de.png"), h.ui().window->windowHandle());
        // The longer line a stopped job leaves must fit as well.
        CompressionReport stopped = h.delegate->lastReport();
        stopped.cancelled = true;
        stopped.total = 120;
        h.delegate->CompressPhotoProgressFinishToMainThread(stopped);
        QCOMPARE(h.ui().saveSizelab->text(), QStringLiteral("Angehalten: %1 von 120 Fotos komprimiert").arg(photos.size()));

        EditorController editor(*h.delegate);
        h.ui().rightDrawer->open();
        h.ui().preferenceWindow->show();
        CameraController camera(*h.delegate,
                                new DeviceBrowser([](QString *) { return QList<CameraInfo>(); }, false));
        camera.cameraWindow()->show();
        h.delegate->StartCompressAction();
        h.delegate->ShowResizePhotoWindow();
        // Both update windows, as a real check fills them: a newer version, then this one.
        LocalHttpServer server;
        UpdateController &updates = *h.delegate->updateController();
        updates.setVersionListUrl(server.url());
        updates.setCheckUpdate(true);
        for (const QString &latest : {QStringLiteral("99.1"), QString::fromLatin1(buildversion::version)}) {
            LocalHttpServer::Response answer;
            answer.body = LocalHttpServer::versionList(latest, QStringLiteral("*Faster photo library scan"));
            server.setResponse(answer);
            QSignalSpy done(&updates, &UpdateController::checkFinished);
            updates.checkServerVersion();
            QVERIFY(done.wait(20000));
        }
        const QList<QWidget *> editorWindows{editor.changeDateWindow(), editor.batchDateWindow(),
                                             editor.gpsTemplates()->changeGPSWindow(),
                                             editor.gpsTemplates()->editViewWindow()};
        for (QWidget *window : editorWindows) {
            window->adjustSize(); // as the editor shows them
            window->show();
        }
        QTest::qWait(500);

        QStringList clipped;
        int checked = 0;
        int windows = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            ++windows;
            for (QWidget *w : top->findChildren<QWidget *>()) {
                if (!w->isVisible())
                    continue;
                if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                    // A button fits its text when it gets the width it asks for.
                    if (button->text().isEmpty())
                        continue;
                    ++checked;
                    if (button->width() < button->sizeHint().width())
                        clipped << describe(w, button->text(), button->width(), button->sizeHint().width());
                    continue;
                }
                auto *label = qobject_cast<QLabel *>(w);
                if (!label || label->wordWrap() || label->textFormat() == Qt::RichText
                    || label->text().contains(QLatin1Char('<')) || label->text().isEmpty())
                    continue;
                ++checked;
                const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
                int need = 0;
                for (const QString &line : label->text().split(QLatin1Char('\n')))
                    need = qMax(need, label->fontMetrics().horizontalAdvance(line));
                if (need > room)
                    clipped << describe(w, label->text(), room, need);
            }
        }
        qInfo("%d texts checked in %d windows", checked, windows);
        QVERIFY(windows >= 10);
        QVERIFY(checked > 60);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestGermanLayout)
#include "tst_germanlayout.moc"
