// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditSheetFields.h"

#include "imageio/ImageProperties.h"

#include <QCoreApplication>

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditSheetFields)
};

struct TemplateKey {
    const char *key;
    QString EditSheetFields::*field;
};

// Make and model are stored twice; reading takes the TIFF key first, the lens key
// when a template holds only that.
const TemplateKey kTemplateKeys[] = {
    {keys::TiffArtist, &EditSheetFields::artist},
    {keys::TiffImageDescription, &EditSheetFields::imageDescription},
    {keys::TiffCopyright, &EditSheetFields::copyright},
    {keys::TiffMake, &EditSheetFields::cameraMake},
    {keys::ExifLensMake, &EditSheetFields::cameraMake},
    {keys::TiffModel, &EditSheetFields::cameraModel},
    {keys::ExifLensModel, &EditSheetFields::cameraModel},
    {keys::ExifDateTimeDigitized, &EditSheetFields::cameraDate},
    {keys::ExifUserComment, &EditSheetFields::comments},
    {keys::IptcKeywords, &EditSheetFields::keywords},
    {keys::GpsDateStamp, &EditSheetFields::gpsDate},
    {keys::GpsTimeStamp, &EditSheetFields::gpsTime},
    {keys::GpsAltitude, &EditSheetFields::gpsAltitude},
    {keys::GpsLatitude, &EditSheetFields::gpsLatitude},
    {keys::GpsLongitude, &EditSheetFields::gpsLongitude},
};

} // namespace

bool EditSheetFields::isEmpty() const
{
    for (const TemplateKey &k : kTemplateKeys)
        if (!(this->*k.field).isEmpty())
            return false;
    return true;
}

QVariantMap EditSheetFields::toTemplate() const
{
    QVariantMap map;
    for (const TemplateKey &k : kTemplateKeys)
        if (!(this->*k.field).isEmpty())
            map.insert(QLatin1String(k.key), this->*k.field);
    return map;
}

bool EditSheetFields::fromTemplate(const QVariantMap &map, EditSheetFields *out, QString *error)
{
    EditSheetFields fields;
    for (const TemplateKey &k : kTemplateKeys) {
        const auto it = map.find(QLatin1String(k.key));
        if (it == map.end())
            continue;
        if (it->typeId() != QMetaType::QString) {
            if (error)
                *error = Text::tr("the template's %1 is not text").arg(QLatin1String(k.key));
            return false;
        }
        QString &field = fields.*k.field;
        if (field.isEmpty())
            field = it->toString();
    }
    *out = fields;
    return true;
}
