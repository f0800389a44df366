// SPDX-License-Identifier: GPL-3.0-or-later
// The German translation is chosen by a German locale and covers every text of the main window and the
// windows it owns: walked widget by widget against the English window, no text may stay English, and under a
// real X server none may be cut off. The reasons the core gives reach the window translated too.
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
#include "widgets/ImageButton.h"
#include "widgets/ResultTableModel.h"
#include "windows/ConnectPhotoWindow.h"
#include "windows/NoUpdateWindow.h"
#include "windows/ResizeWindow.h"
#include "windows/UpdateWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QMenu>

#include <cstdio>

// Every text a user can see or hear, in the window tree's own order.
static QStringList texts(QWidget *root)
{
    QStringList out;
    const auto add = [&out](const QString &where, const QString &text) {
        out << where + QLatin1String(": ") + text;
    };
    QList<QWidget *> widgets{root};
    widgets += root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QString where = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('/') + w->objectName();
        if (auto *label = qobject_cast<QLabel *>(w))
            add(where, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(where, button->text());
        if (auto *box = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < box->count(); ++i)
                add(where, box->itemText(i));
        }
        if (auto *menu = qobject_cast<QMenu *>(w))
            add(where, menu->title());
        if (w->isWindow())
            add(where, w->windowTitle());
        add(where + QLatin1String(" tooltip"), w->toolTip());
        add(where + QLatin1String(" name"), w->accessibleName());
        for (QAction *a : w->actions())
            add(where + QLatin1String(" action"), a->text());
    }
    return out;
}

// Texts that read the same in German, and texts that are data rather than words.
static bool sameInGerman(const QString &text)
{
    static const QStringList words{"Glimmerset", "&Glimmerset", "Name", "Original", "System", "auto", "px",
                                   "Custom", "OK"};
    if (words.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
        return true;
    // Paths, sizes like "1920 x 1080", version numbers.
    return text.contains(QLatin1Char('/')) || text.contains(QRegularExpression(QStringLiteral("^\\d+ x \\d+$")))
           || text.startsWith(QLatin1String("Version "));
}

class TestTranslation : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        usePrivateHome(m_home.path());
    }

    // Every picture a window asks for is in the resources.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^missing artwork"))); }

    void cleanup()
    {
        translations::remove();
        QLocale::setDefault(QLocale::c());
    }

    // Picture buttons are checked in German, where their names are translated too.
    void germanCoversTheMainWindow()
    {
        // English is the texts as written: nothing to install for it.
        QVERIFY(!translations::install(QLocale(QLocale::English, QLocale::UnitedStates)));
        Harness english(Harness::ReplacingOriginals);
        const QStringList before = texts(english.ui().window);

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness german(Harness::ReplacingOriginals);
        const QStringList after = texts(german.ui().window);
        QCOMPARE(after.size(), before.size());

        QStringList untranslated;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const QString text = before.at(i).section(QLatin1String(": "), 1);
            if (before.at(i) == after.at(i) && !sameInGerman(text))
                untranslated << before.at(i);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

        // A button drawn as a picture says nothing to a screen reader unless it is named,
        // and must be reachable with Tab like any other button.
        EditorController editor(*german.delegate);
        german.ui().rightDrawer->open();
        QStringList faults;
        int buttons = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            for (ImageButton *b : top->findChildren<ImageButton *>()) {
                ++buttons;
                const QString where = QString::fromLatin1(b->metaObject()->className()) + QLatin1Char('/')
                                      + b->objectName();
                if (b->accessibleName().isEmpty() && b->text().isEmpty())
                    faults << where + QLatin1String(" has no name");
                if (!(b->focusPolicy() & Qt::TabFocus))
                    faults << where + QLatin1String(" is not reachable by keyboard");
            }
        QVERIFY(buttons > 10);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The reasons the core gives for photos it left out reach the result table in German:
    // a real job on a folder holding a JPEG cut short and a photo whose name is not UTF-8.
    void coreReasonsReachTheTableInGerman()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness h(Harness::KeepingOriginals);
        const QString folder = h.dir.filePath(QStringLiteral("broken"));
        QDir().mkpath(folder);
        const QByteArray whole =
            testsupport::readFile(testsupport::makeJpeg(h.dir.filePath("whole.jpg"), 320, 240));
        QVERIFY(testsupport::writeFile(folder + "/cut.jpg", whole.left(whole.size() / 2)));
        // Written and removed by its bytes: a name that is not UTF-8 has no QString that
        // gives it back, so the temporary folder could not remove it either.
        const QByteArray bad = QFile::encodeName(folder) + "/bad\xff.jpg";
        const auto removeBad = qScopeGuard([&bad] { std::remove(bad.constData()); });
        std::FILE *file = std::fopen(bad.constData(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fwrite(whole.constData(), 1, size_t(whole.size()), file), size_t(whole.size()));
        std::fclose(file);

        QVERIFY(h.dropAndWait({folder}));
        using State = ResultTableModel::RowState;
        const QMap<State, QString> reasons{
            {State::Skipped, QStringLiteral("die Bilddaten sind unvollständig (Datei abgeschnitten)")},
            {State::Failed, QStringLiteral("der Dateiname ist kein gültiges UTF-8; benennen Sie die "
                                           "Datei um, um sie zu komprimieren")}};
        const ResultTableModel *model = h.delegate->resultTableModel();
        QCOMPARE(model->rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(model->row(row).reason, reasons.value(model->row(row).state));
            ResultNameCell *cell = nullptr;
            QTRY_VERIFY((cell = qobject_cast<ResultNameCell *>(h.ui().theTableview->viewAtRow(row))));
            QCOMPARE(cell->reasonlab()->toolTip(), model->row(row).reason);
        }
    }

    // The German window measured where a desktop measures it: under a real X server (Xvfb with openbox, the
    // xcb platform and the DejaVu fonts a Debian desktop has), in the list state a real job leaves, with the
    // editor, the camera window and every sheet open. No label or button may cut its text: each fits, wraps,
    // or the window grows. The offscreen platform's font metrics are narrower and hid exactly these cuts.
    void germanTextsAreNotClipped()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("measured under X only: ctest runs tst_translation_x11 through run-under-x.sh");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(translations::install(QLocale()));
        Harness h(Harness::KeepingOriginals);
        // A real job on camera photos: the list state with its savings line.
        const QString corpus = qEnvironmentVariable("GLIMMERSET_CORPUS");
        QStringList photos;
        for (const char *name : {"Canon_40D_small.jpg", "DSCN0010.jpg", "Nikon_E995_iptc.jpg"})
            photos << corpus + "/camera/" + name;
        if (!QFileInfo::exists(photos.constFirst()))
            photos = h.copies({testsupport::makeJpeg(h.dir.filePath("p.jpg"), 1600, 1200)}, "generated");
        QVERIFY(h.dropAndWait(h.copies(photos, QStringLiteral("job"))));
        QTRY_VERIFY(h.ui().saveSizelab->isVisible());
        QVERIFY(h.ui().saveSizelab->text().startsWith("Gespart"));
        testsupport::screenshot("list-after-job-de.png", h.ui().window->windowHandle());
        // The longer line a stopped job leaves must fit as well.
        CompressionReport stopped = h.delegate->lastReport();
        stopped.cancelled = true;
        stopped.total = 120;
        h.delegate->CompressPhotoProgressFinishToMainThread(stopped);
        QCOMPARE(h.ui().saveSizelab->text(),
                 QString("Angehalten: %1 von 120 Fotos komprimiert").arg(photos.size()));

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
        for (const QString &latest : {QString("99.1"), QString(buildversion::version)}) {
            server.setResponse({.body = LocalHttpServer::versionList(latest, "*Faster photo library scan")});
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
        const auto clip = [&clipped](QWidget *w, const QString &text, int have, int need) {
            clipped << QString("%1/%2 \"%3\" (%4 < %5)")
                           .arg(w->metaObject()->className(), w->objectName(), text).arg(have).arg(need);
        };
        int checked = 0, windows = 0;
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
                        clip(w, button->text(), button->width(), button->sizeHint().width());
                    continue;
                }
                auto *label = qobject_cast<QLabel *>(w);
                if (!label || label->wordWrap() || label->textFormat() == Qt::RichText
                    || label->text().contains('<') || label->text().isEmpty())
                    continue;
                ++checked;
                const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
                int need = 0;
                for (const QString &line : label->text().split('\n'))
                    need = qMax(need, label->fontMetrics().horizontalAdvance(line));
                if (need > room)
                    clip(w, label->text(), room, need);
            }
        }
        qInfo("%d texts checked in %d windows", checked, windows);
        QVERIFY(windows >= 10 && checked > 60);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
