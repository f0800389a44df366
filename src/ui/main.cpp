#include "app/AppDelegate.h"
#include "app/Artwork.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "editor/EditorController.h"

#include <QApplication>
#include <QLocale>
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
    // One style draws every control the same on any desktop; the colours are the
    // desktop's unless the preferences choose light or dark (Appearance).
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(artwork::applicationIcon());
    translations::install(QLocale::system());

    // Photos or a folder handed over by the desktop ("Open With") count as a drop.
    QStringList files;
    for (const QString &arg : app.arguments().mid(1)) {
        if (!arg.startsWith(QLatin1Char('-')))
            files << arg;
    }
    // A running Glimmerset takes the files; this process then has nothing more to do.
    SingleInstance instance;
    if (instance.handOffOrListen(files))
        return 0;

    AppDelegate delegate;
    delegate.init();
    delegate.awakeFromNib();
    EditorController editor(delegate);
    delegate.applicationDidFinishLaunching();

    QObject::connect(&instance, &SingleInstance::filesReceived, &delegate,
                     [&delegate](const QStringList &received) { delegate.openFilesFromAnotherStart(received); });
    if (!files.isEmpty())
        QTimer::singleShot(0, &delegate, [&delegate, files] { delegate.openFiles(files); });
    return app.exec();
}
