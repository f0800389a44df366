// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

struct EditSheetFields;

namespace plistexchange {
enum class Kind;
}

// The edit sheet's fields as options of glimmerset-cli ("--artist T", "--lat DEG"...),
// shared by the apply verb and the template export.
namespace cli {

// Each option with its value count, for parseEditorArgs.
QMap<QString, int> sheetOptionCounts();
// The fields the parsed options give; options the sheet does not know are ignored.
EditSheetFields sheetFields(const QMap<QString, QStringList> &options);
// Usage text of the options.
QString sheetOptionsUsage();

// The property-list kinds as options of the export and import verbs ("--exif"...).
const QMap<QString, plistexchange::Kind> &plistKindOptions();

} // namespace cli
