// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetOptions.h"

#include "metadata/EditSheetFields.h"
#include "metadata/PlistExchange.h"

#include <QStringList>

namespace cli {

namespace {

struct SheetOption {
    const char *name;
    QString EditSheetFields::*field;
};

const SheetOption kOptions[] = {
    {"--artist", &EditSheetFields::artist},
    {"--description", &EditSheetFields::imageDescription},
    {"--copyright", &EditSheetFields::copyright},
    {"--make", &EditSheetFields::cameraMake},
    {"--model", &EditSheetFields::cameraModel},
    {"--date", &EditSheetFields::cameraDate},
    {"--comment", &EditSheetFields::comments},
    {"--keywords", &EditSheetFields::keywords},
    {"--gps-date", &EditSheetFields::gpsDate},
    {"--gps-time", &EditSheetFields::gpsTime},
    {"--alt", &EditSheetFields::gpsAltitude},
    {"--lat", &EditSheetFields::gpsLatitude},
    {"--lon", &EditSheetFields::gpsLongitude},
};

} // namespace

QMap<QString, int> sheetOptionCounts()
{
    QMap<QString, int> counts;
    for (const SheetOption &o : kOptions)
        counts.insert(QLatin1String(o.name), 1);
    return counts;
}

EditSheetFields sheetFields(const QMap<QString, QStringList> &options)
{
    EditSheetFields fields;
    for (const SheetOption &o : kOptions) {
        const QStringList values = options.value(QLatin1String(o.name));
        if (!values.isEmpty())
            fields.*o.field = values.first();
    }
    return fields;
}

QString sheetOptionsUsage()
{
    return QStringLiteral("[--artist T] [--description T] [--copyright T] [--make T] [--model T] "
                          "[--date \"YYYY:MM:DD HH:MM:SS\"] [--comment T] [--keywords \"a, b\"] "
                          "[--gps-date D --gps-time T --lat DEG --lon DEG --alt M]");
}

const QMap<QString, plistexchange::Kind> &plistKindOptions()
{
    using plistexchange::Kind;
    static const QMap<QString, Kind> kinds{{QStringLiteral("--whole"), Kind::Whole},
                                           {QStringLiteral("--exif"), Kind::Exif},
                                           {QStringLiteral("--tiff"), Kind::Tiff},
                                           {QStringLiteral("--exif-tiff"), Kind::ExifAndTiff}};
    return kinds;
}

} // namespace cli
