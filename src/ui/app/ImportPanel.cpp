// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportPanel.h"

#include "app/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace importpanel {

QStringList photoFilters()
{
    // Upper-case spellings too: cameras write "IMG_0001.JPG" and the panel matches exactly.
    const auto patterns = [](const QStringList &extensions) {
        QStringList out;
        for (const QString &e : extensions)
            out << QStringLiteral("*.") + e << QStringLiteral("*.") + e.toUpper();
        return out.join(QLatin1Char(' '));
    };
    const QList<QPair<QString, QStringList>> formats{
        {QStringLiteral("JPEG"), {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe")}},
        {QStringLiteral("PNG"), {QStringLiteral("png")}},
        {QStringLiteral("TIFF"), {QStringLiteral("tif"), QStringLiteral("tiff")}},
        {QStringLiteral("WebP"), {QStringLiteral("webp")}},
        {QStringLiteral("HEIC"), {QStringLiteral("heic"), QStringLiteral("heif")}},
        {QStringLiteral("GIF"), {QStringLiteral("gif")}},
        {QStringLiteral("BMP"), {QStringLiteral("bmp")}},
    };
    QStringList all;
    QStringList filters;
    for (const auto &f : formats) {
        all += f.second;
        filters << QStringLiteral("%1 (%2)").arg(f.first, patterns(f.second));
    }
    filters.prepend(QCoreApplication::translate("ImportPanel", "Photos (%1)").arg(patterns(all)));
    filters << QCoreApplication::translate("ImportPanel", "All Files (*)");
    return filters;
}

QString startFolder(const AppSettings &settings)
{
    const QString last = settings.lastImportFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString pictures = QDir::home().filePath(QStringLiteral("Pictures"));
    if (QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void prepare(QFileDialog *panel, const AppSettings &settings)
{
    panel->setNameFilters(photoFilters());
    panel->setDirectory(startFolder(settings));
}

void remember(const QFileDialog *panel, AppSettings &settings)
{
    const QStringList files = panel->selectedFiles();
    if (files.isEmpty())
        return;
    const QFileInfo first(files.constFirst());
    settings.setLastImportFolder(first.isDir() ? first.absoluteFilePath() : first.absolutePath());
}

} // namespace importpanel
