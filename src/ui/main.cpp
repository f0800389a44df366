#include "app/AppDelegate.h"
#include "app/Artwork.h"
#include "app/Palette.h"
#include "camera/CameraController.h"
#include "camera/CameraEditorLink.h"
#include "editor/EditorController.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantoric"));
    QApplication::setApplicationName(QStringLiteral("Glimmerset"));
    QApplication::setApplicationVersion(QStringLiteral(GLIMMERSET_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Glimmerset"));
    QGuiApplication::setDesktopFileName(QStringLiteral("glimmerset"));
    // The windows draw their own light surfaces; one style and palette keeps the
    // controls and dialogs on them readable under any desktop theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette::lightPalette());
    QApplication::setWindowIcon(artwork::applicationIcon());

    AppDelegate delegate;
    delegate.init();
    delegate.awakeFromNib();
    EditorController editor(delegate);
    CameraController camera(delegate);
    cameraeditorlink::connect(camera, editor, delegate);
    delegate.applicationDidFinishLaunching();

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
    camera.start(named);
    if (!files.isEmpty())
        QTimer::singleShot(0, &delegate, [&delegate, files] { delegate.openFiles(files); });
    return app.exec();
}
