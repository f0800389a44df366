// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CompressionController.h"
#include "app/Artwork.h"
#include "app/Palette.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "camera/CameraController.h"
#include "camera/CameraEditorLink.h"
#include "editor/EditorController.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "usage: glimmerset [--camera MODEL --port PORT]... [PHOTO|FOLDER]...\n"
    "\n"
    "Photos and folders are opened as if dropped on the window; a running Glimmerset takes them.\n"
    "  --camera MODEL --port PORT  open this camera, named as gphoto2 names it\n"
    "  --help                      print this help and exit\n"
    "  --version                   print the version and exit\n";

// Answered before the application object exists: QApplication needs a display, and
// these must work without one (a terminal over ssh, the build writing the manual page).
bool answeredWithoutWindow(int argc, char *argv[], int *status)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("glimmerset %s\n", GLIMMERSET_VERSION);
            *status = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            *status = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (int status = 0; answeredWithoutWindow(argc, argv, &status))
        return status;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantoric"));
    QApplication::setApplicationName(QStringLiteral("Glimmerset"));
    QApplication::setApplicationVersion(QStringLiteral(GLIMMERSET_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Glimmerset"));
    QGuiApplication::setDesktopFileName(QStringLiteral("glimmerset"));
    // One style draws every control the same on any desktop; the colours are the
    // desktop's unless the preferences choose light or dark (Appearance).
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(artwork::applicationIcon());
    translations::install(QLocale::system());

    // Photos or a folder handed over by the desktop ("Open With") count as a drop;
    // "--camera MODEL --port PORT" names a camera as the command-line tool takes it.
    QStringList files;
    QList<CameraInfo> named;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--camera") && i + 3 < args.size()
            && args.at(i + 2) == QLatin1String("--port")) {
            named.append({args.at(i + 1), args.at(i + 3)});
            i += 3;
        } else if (!args.at(i).startsWith(QLatin1Char('-'))) {
            files << args.at(i);
        }
    }
    // A running Glimmerset takes the files; this process then has nothing more to do.
    SingleInstance instance;
    if (instance.handOffOrListen(files))
        return 0;

    CompressionController delegate;
    delegate.initState();
    delegate.wireWindow();
    EditorController editor(delegate);
    CameraController camera(delegate);
    cameraeditorlink::connect(camera, editor);
    delegate.showMainWindow();
    camera.start(named);

    QObject::connect(&instance, &SingleInstance::filesReceived, &delegate,
                     [&delegate](const QStringList &received) { delegate.openFilesFromAnotherStart(received); });
    if (!files.isEmpty())
        QTimer::singleShot(0, &delegate, [&delegate, files] { delegate.openFiles(files); });
    return app.exec();
}
