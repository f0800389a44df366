// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared set-up for the tests that drive the real main window: a private home folder,
// settings in a file of their own, generated photos and simulated drops.

#include "app/AppSettings.h"
#include "app/CompressionController.h"
#include "app/FileRevealer.h"
#include "app/MainInterface.h"
#include "widgets/FramelessWindow.h"
#include "widgets/PhotoDropArea.h"
#include "widgets/ResultNameCell.h"
#include "widgets/ResultTableView.h"
#include "windows/Drawer.h"
#include "windows/PreferenceWindow.h"

#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct Harness {
    QTemporaryDir dir;
    std::unique_ptr<CompressionController> delegate;
    int terminated = 0;
    // The question before the first in-place job has tests of its own; elsewhere it is
    // answered already, as it is after a user's first job.
    bool replaceOriginalsConfirmed = true;

    QString settingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }

    // Whether the window starts with Preferences ▸ "Keep original photos" ticked, as a
    // user ticks it before a job, or as it starts the first time.
    enum Originals { ReplacingOriginals, KeepingOriginals };

    Harness() = default;
    // Launched at once, for the tests that set nothing up before the window starts.
    explicit Harness(Originals originals) { launch(originals); }

    void launch(Originals originals = ReplacingOriginals)
    {
        if (replaceOriginalsConfirmed)
            AppSettings(settingsFile()).setReplaceOriginalsConfirmed(true);
        delegate = std::make_unique<CompressionController>(settingsFile());
        delegate->setTerminateHandler([this] { ++terminated; });
        delegate->initState();
        delegate->wireWindow();
        delegate->showMainWindow();
        if (originals == KeepingOriginals)
            ui().preferenceWindow->keepOriginalPhotoBtn()->setChecked(true);
    }

    // The program ended and started again on the same settings: its next launch.
    void relaunch() { delegate.reset(); launch(); }

    MainInterface &ui() { return *delegate->ui(); }

    // Copies generated photos into a fresh input folder (sources may be overwritten).
    QStringList copies(const QStringList &sources, const QString &folderName)
    {
        const QString folder = dir.filePath(folderName);
        QDir().mkpath(folder);
        QStringList out;
        for (const QString &s : sources) {
            const QString target = folder + QLatin1Char('/') + QFileInfo(s).fileName();
            QFile::remove(target);
            QFile::copy(s, target);
            out << target;
        }
        return out;
    }

    // Drags `paths` over `view` and drops them there; false when the view refuses them.
    static bool drop(QWidget *view, const QStringList &paths)
    {
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        return dropUrls(view, urls);
    }

    static bool dropUrls(QWidget *view, const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropEvent(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &dropEvent);
        return true;
    }

    // Drops on the layout's drop area and waits for the finish report.
    bool dropAndWait(const QStringList &paths)
    {
        QSignalSpy finished(delegate.get(), &CompressionController::compressionFinished);
        if (!drop(delegate->secondDrag() ? ui().secondDragImageView : ui().leftTipImageView, paths))
            return false;
        return finished.count() > 0 || finished.wait(60000);
    }
};

// Presses the left button at `from`, moves to `to` and lets go there.
inline void drag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

// Records what the window asks the file manager to show, instead of opening one.
class RecordingRevealer : public FileRevealer
{
public:
    QStringList selected, roots;
    void selectFile(const QString &path, const QString &root) override
    {
        selected << path;
        roots << root;
    }
};

// The test program's own home for settings, the Output folder and the Trash that
// replaced originals go to: never the user's.
inline void usePrivateHome(const QString &home)
{
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toUtf8());
}

// Generated once per test program: a landscape, an upright and a square photo.
struct Photos {
    QString landscape, upright, square;
    void make(const QString &folder)
    {
        QDir().mkpath(folder);
        landscape = testsupport::makeJpeg(folder + QStringLiteral("/landscape.jpg"), 640, 480);
        upright = testsupport::makeJpeg(folder + QStringLiteral("/upright.jpg"), 480, 640);
        square = testsupport::makeJpeg(folder + QStringLiteral("/square.jpg"), 500, 500);
    }
    QStringList all() const { return {landscape, upright, square}; }
};
