// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include "app/Folders.h"
#include "sources/camera/CameraDetection.h"
#include "sources/camera/CameraDevice.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QTextStream>

namespace {

const QString Verb = QStringLiteral("camera");

// The named camera, or the first one attached; a model or port given alone picks
// among the attached cameras.
bool chooseCamera(const QString &model, const QString &port, CameraInfo *camera, QString *error)
{
    if (!model.isEmpty() && !port.isEmpty()) {
        *camera = {model, port};
        return true;
    }
    QString detectError;
    const QList<CameraInfo> attached = cameradetection::autodetect(&detectError);
    for (const CameraInfo &candidate : attached) {
        if ((model.isEmpty() || candidate.model == model) && (port.isEmpty() || candidate.port == port)) {
            *camera = candidate;
            return true;
        }
    }
    *error = detectError.isEmpty() ? QStringLiteral("no camera found (name one with --camera MODEL --port PORT)")
                                   : QStringLiteral("cannot look for cameras: %1").arg(detectError);
    return false;
}

// Opens the session and waits for the whole listing.
bool listItems(CameraDevice &device, QList<CameraItem> *items, QString *error)
{
    QEventLoop loop;
    QObject::connect(&device, &CameraDevice::itemsAdded, &loop,
                     [items](const QList<CameraItem> &batch) { *items += batch; });
    QObject::connect(&device, &CameraDevice::listingFinished, &loop, [&](const QString &message) {
        *error = message;
        loop.quit();
    });
    device.requestOpenSession();
    loop.exec();
    return device.isOpen();
}

int list(CameraDevice &device)
{
    QList<CameraItem> items;
    QString error;
    if (!listItems(device, &items, &error)) {
        cli::printError(Verb, error);
        return cli::ExitFailed;
    }
    QTextStream out(stdout);
    for (const CameraItem &item : items)
        out << cli::printable(item.folder) << '\t' << cli::printable(item.name) << '\t' << item.fileType() << '\t' << item.size << '\n';
    if (!error.isEmpty()) {
        cli::printError(Verb, error);
        return cli::ExitFailed;
    }
    return cli::ExitOk;
}

int download(CameraDevice &device, const QString &into, const QStringList &names)
{
    QList<CameraItem> items;
    QString error;
    if (!listItems(device, &items, &error)) {
        cli::printError(Verb, error);
        return cli::ExitFailed;
    }
    int failures = 0;
    if (!error.isEmpty()) {
        cli::printError(Verb, error);
        ++failures;
    }
    QList<CameraItem> chosen;
    for (const QString &name : names) {
        // A bare name picks every item of that name; folder/name picks one.
        const qsizetype before = chosen.size();
        for (const CameraItem &item : items) {
            if (item.name == name || item.key() == name)
                chosen.append(item);
        }
        if (chosen.size() == before) {
            cli::printError(Verb, QStringLiteral("%1: not on the camera").arg(name));
            ++failures;
        }
    }
    if (names.isEmpty())
        chosen = items;

    QEventLoop loop;
    int pending = int(chosen.size());
    QTextStream out(stdout);
    QObject::connect(&device, &CameraDevice::downloadFinished, &loop, [&](const CameraDownload &done) {
        if (done.ok()) {
            out << cli::printable(done.path) << Qt::endl;
        } else {
            cli::printError(Verb, done.error);
            ++failures;
        }
        if (--pending == 0)
            loop.quit();
    });
    for (const CameraItem &item : chosen)
        device.requestDownload(item, into);
    if (pending > 0)
        loop.exec();
    return failures ? cli::ExitFailed : cli::ExitOk;
}

int runCamera(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption cameraOption(QStringLiteral("camera"), QStringLiteral("driver model"), QStringLiteral("MODEL"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("port"), QStringLiteral("PORT"));
    const QCommandLineOption intoOption(QStringLiteral("into"), QStringLiteral("folder"), QStringLiteral("DIR"));
    parser.addOptions({cameraOption, portOption, intoOption});
    if (!parser.parse(QStringList{Verb} + args)) {
        cli::printError(Verb, parser.errorText());
        return cli::ExitUsage;
    }
    QStringList positional = parser.positionalArguments();
    const QString action = positional.isEmpty() ? QString() : positional.takeFirst();
    if (action != QLatin1String("list") && action != QLatin1String("download")) {
        cli::printError(Verb, QStringLiteral("choose list or download"));
        return cli::ExitUsage;
    }
    if (action == QLatin1String("list") && (!positional.isEmpty() || parser.isSet(intoOption))) {
        cli::printError(Verb, QStringLiteral("list takes no names and no --into"));
        return cli::ExitUsage;
    }
    CameraInfo info;
    QString error;
    if (!chooseCamera(parser.value(cameraOption), parser.value(portOption), &info, &error)) {
        cli::printError(Verb, error);
        return cli::ExitFailed;
    }
    const auto device = CameraDevice::create(info);
    if (action == QLatin1String("list"))
        return list(*device);
    QString into = parser.value(intoOption);
    if (into.isEmpty())
        into = folders::ensureWorkingFolder();
    return download(*device, into, positional);
}

const bool registered = cli::registerVerb(
    {Verb, QStringLiteral("list|download [--camera MODEL --port PORT] [--into DIR] [NAME...]"),
     QStringLiteral("list a camera's photos and movies (folder, name, type, size), or download them "
                    "(all when no name is given) into the Working folder or DIR"),
     &runCamera});

} // namespace
