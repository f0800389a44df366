#include "app/AppDelegate.h"
#include "app/Artwork.h"
#include "app/Palette.h"
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
    delegate.applicationDidFinishLaunching();

    // Photos or a folder handed over by the desktop ("Open With") count as a drop.
    QStringList files;
    for (const QString &arg : app.arguments().mid(1)) {
        if (!arg.startsWith(QLatin1Char('-')))
            files << arg;
    }
    if (!files.isEmpty())
        QTimer::singleShot(0, &delegate, [&delegate, files] { delegate.openFiles(files); });
    return app.exec();
}
