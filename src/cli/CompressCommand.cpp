// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliVerb.h"

#include "app/AppSettings.h"
#include "app/Folders.h"
#include "compress/BatchCompressor.h"
#include "compress/JobItems.h"
#include "compress/ResizePresets.h"
#include "compress/ResizeRecompress.h"
#include "compress/SizeText.h"
#include "compress/TrashReplace.h"
#include "imageio/PhotoType.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

#include <unistd.h>

namespace {

const QString verb = QStringLiteral("compress");

struct CompressArgs {
    std::optional<bool> keepMetadata;
    QString output;
    bool inPlace = false;
    bool noTrash = false;
    bool subfolders = false;
    std::optional<compress::ResizeRequest> resize;
    QString resizeText;
    int jobs = 0;
    QStringList paths;
};

// "640 x 480" as the preset list spells it and "WxH" keep the proportions, fitting the
// photo inside; "WxH!" is an exact size. Photos are never made larger.
bool parseResize(const QString &text, compress::ResizeRequest *request, QString *error)
{
    if (compress::presetByTitle(text)) {
        *request = {text, 0, 0};
        return true;
    }
    static const QRegularExpression custom(QStringLiteral("^\\s*(\\d+)\\s*[xX]\\s*(\\d+)\\s*(!?)\\s*$"));
    const QRegularExpressionMatch match = custom.match(text);
    const int width = match.hasMatch() ? compress::fieldIntValue(match.captured(1)) : 0;
    const int height = match.hasMatch() ? compress::fieldIntValue(match.captured(2)) : 0;
    if (width < 1 || height < 1) {
        *error = QStringLiteral("--resize takes a preset (\"%1\"), WIDTHxHEIGHT or WIDTHxHEIGHT! of at least 1x1, "
                                "not \"%2\"")
                     .arg(compress::resizePresetTitles().mid(1).join(QStringLiteral("\", \"")), text);
        return false;
    }
    *request = {QLatin1String(compress::CustomPresetTitle), width, height, match.captured(3).isEmpty()};
    return true;
}

bool parseArgs(const QStringList &args, CompressArgs *out, QString *error)
{
    bool pathsOnly = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (pathsOnly || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            out->paths << arg;
            continue;
        }
        const auto value = [&](QString *into) {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            *into = args.at(++i);
            return true;
        };
        QString text;
        if (arg == QLatin1String("--")) {
            pathsOnly = true;
        } else if (arg == QLatin1String("--keep-metadata") || arg == QLatin1String("--strip-metadata")) {
            const bool keep = arg == QLatin1String("--keep-metadata");
            if (out->keepMetadata && *out->keepMetadata != keep) {
                *error = QStringLiteral("--keep-metadata and --strip-metadata exclude each other");
                return false;
            }
            out->keepMetadata = keep;
        } else if (arg == QLatin1String("--in-place")) {
            out->inPlace = true;
        } else if (arg == QLatin1String("--no-trash")) {
            out->noTrash = true;
        } else if (arg == QLatin1String("--subfolders")) {
            out->subfolders = true;
        } else if (arg == QLatin1String("--output")) {
            if (!value(&out->output))
                return false;
            if (out->output.isEmpty()) {
                *error = QStringLiteral("--output needs a folder");
                return false;
            }
        } else if (arg == QLatin1String("--resize")) {
            compress::ResizeRequest request;
            if (!value(&text) || !parseResize(text, &request, error))
                return false;
            out->resize = request;
            out->resizeText = text;
        } else if (arg == QLatin1String("--jobs")) {
            if (!value(&text))
                return false;
            bool ok = false;
            out->jobs = text.toInt(&ok);
            if (!ok || out->jobs < 1) {
                *error = QStringLiteral("--jobs takes a whole number of at least 1, not \"%1\"").arg(text);
                return false;
            }
        } else {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
    }
    if (out->inPlace && !out->output.isEmpty()) {
        *error = QStringLiteral("--output and --in-place exclude each other");
        return false;
    }
    if (out->noTrash && !out->inPlace) {
        *error = QStringLiteral("--no-trash only applies to --in-place");
        return false;
    }
    if (out->paths.isEmpty()) {
        *error = QStringLiteral("no photos or folders given");
        return false;
    }
    return true;
}

// Progress goes to a terminal only; a pipe or a log gets the table alone.
class ProgressLine
{
public:
    ProgressLine()
        : m_enabled(isatty(STDERR_FILENO))
    {
    }
    void show(int position, int total)
    {
        if (m_enabled)
            QTextStream(stderr) << '\r' << compress::progressPercentText(compress::progressFraction(position, total))
                                << Qt::flush;
    }
    void clear()
    {
        if (m_enabled)
            QTextStream(stderr) << "\r     \r" << Qt::flush;
    }

private:
    bool m_enabled;
};

// Runs one job, printing its table as it goes; returns its report.
CompressionReport runAndPrint(const std::function<CompressionReport(const BatchCompressor::EntryCallback &)> &run)
{
    QTextStream out(stdout);
    ProgressLine progress;
    const CompressionReport report = run([&](const ResultRow &entry, int position, int total) {
        progress.clear();
        out << cli::printable(entry.fileName()) << '\t' << entry.originalFileSizeStr() << '\t' << entry.restFileSizeStr() << '\t'
            << entry.percentText() << Qt::endl;
        progress.show(position, total);
    });
    progress.clear();
    for (const CompressionProblem &problem : report.skipped)
        out << "skipped\t" << cli::printable(problem.path) << '\t' << cli::printable(problem.reason) << '\n';
    for (const CompressionProblem &problem : report.unreadable)
        out << "could not read\t" << cli::printable(problem.path) << '\t' << cli::printable(problem.reason) << '\n';
    bool noTrash = false;
    for (const CompressionProblem &problem : report.failed) {
        cli::printError(verb, QStringLiteral("%1: not written: %2").arg(problem.path, problem.reason));
        noTrash = noTrash || problem.reason == compress::noTrashHere();
    }
    if (noTrash)
        cli::printError(verb, QStringLiteral("--no-trash replaces originals there without keeping them"));
    out << report.finishText() << Qt::endl;
    return report;
}

// A folder also holds what is no photo (notes, sidecars, subfolders when they are not
// walked): those are listed but do not fail the run. Only what is plainly something else
// counts so: a file that could not be opened, vanished or looks like a photo was a photo
// not done.
bool isPlainlyNoPhoto(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    static const QStringList photoSuffixes{
        QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("png"),
        QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("tif"), QStringLiteral("tiff"),
        QStringLiteral("webp"), QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("dng")};
    return info.isFile() && info.isReadable() && !photoSuffixes.contains(info.suffix().toLower())
        && imageio::photoTypeOfFile(path).isEmpty();
}

int runCompress(const QStringList &args)
{
    CompressArgs parsed;
    QString error;
    if (!parseArgs(args, &parsed, &error)) {
        cli::printError(verb, error);
        return cli::ExitUsage;
    }
    // Every path is checked before anything is written: a typo must not leave half a job done.
    QList<compress::JobItem> items;
    QStringList namedFiles;
    for (const QString &path : std::as_const(parsed.paths)) {
        const QFileInfo info(path);
        if (!info.exists()) {
            cli::printError(verb, QStringLiteral("%1: no such file or folder").arg(path));
            return cli::ExitUsage;
        }
        if (!info.isReadable()) {
            cli::printError(verb, QStringLiteral("%1: cannot be read").arg(path));
            return cli::ExitUsage;
        }
        if (info.isDir()) {
            if (!compress::listFolder(path, &items, &error, parsed.subfolders)) {
                cli::printError(verb, error);
                return cli::ExitUsage;
            }
        } else {
            items.append({path, false});
            namedFiles << path;
        }
    }

    AppSettings settings;
    CompressionOptions options;
    options.keepMetadata = parsed.keepMetadata.value_or(settings.keepMetadata());
    options.keepOriginalPhoto = !parsed.inPlace;
    options.moveReplacedToTrash = !parsed.noTrash;
    options.workers = parsed.jobs;
    // In place there is no copy to resize afterwards: each photo is scaled and encoded once,
    // from its original, and only the original goes to the Trash.
    if (parsed.inPlace && parsed.resize)
        options.resize = parsed.resize;
    if (options.keepOriginalPhoto) {
        QString folder = parsed.output;
        if (folder.isEmpty())
            folder = settings.hasPhotoLocation() ? settings.photoLocation() : folders::defaultOutputFolder();
        folder = QDir::cleanPath(QDir(folder).absolutePath());
        if (!folders::makePath(folder) || !QFileInfo(folder).isWritable()) {
            cli::printError(verb, QStringLiteral("%1: cannot write into this folder").arg(folder));
            return cli::ExitUsage;
        }
        options.outputFolder = folder;
    }

    const CompressionJobKind kind = parsed.paths.size() == 1 && namedFiles.isEmpty() ? CompressionJobKind::Folder
                                                                                     : CompressionJobKind::Files;
    BatchCompressor compressor(options);
    CompressionReport report = runAndPrint(
        [&](const BatchCompressor::EntryCallback &onEntry) { return compressor.run(kind, items, onEntry); });
    bool problems = !report.failed.isEmpty();
    for (const CompressionProblem &problem : std::as_const(report.unreadable))
        problems = problems || namedFiles.contains(problem.path) || !isPlainlyNoPhoto(problem.path);

    if (parsed.resize && !parsed.inPlace && !report.entries.isEmpty()) {
        // The results are scaled in memory and compressed again where they are; sizes
        // compare with the results as they were before.
        QStringList results;
        for (const ResultRow &entry : std::as_const(report.entries))
            results << entry.restPath();
        QTextStream(stdout) << "resized to " << parsed.resizeText << ':' << Qt::endl;
        report = runAndPrint([&](const BatchCompressor::EntryCallback &onEntry) {
            return compress::resizeAndRecompress(results, *parsed.resize, options, nullptr, onEntry);
        });
        problems = problems || !report.failed.isEmpty() || !report.unreadable.isEmpty();
    }
    return problems ? cli::ExitFailed : cli::ExitOk;
}

const bool registered = cli::registerVerb(
    {verb,
     QStringLiteral("[--keep-metadata|--strip-metadata] [--output DIR|--in-place [--no-trash]] [--subfolders] "
                    "[--resize \"640 x 480\"|WxH|WxH!] [--jobs N] PATH..."),
     QStringLiteral("compress photos and folders into the Output folder (or over themselves, the originals going "
                    "to the Trash), one row per photo, then the savings line; photos of other formats become new "
                    ".jpg files"),
     &runCompress});

} // namespace
