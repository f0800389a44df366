// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobReport.h"
#include "jobs/JobContext.h"
#include "EditSheetFields.h"
#include "EditTarget.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QVariantMap>

#include <optional>

// Writing typed metadata into copies: the change-GPS window, the edit sheet's Apply
// and the template import all come here with the texts the user typed or the
// template held. The texts are checked first; a refusal names the field and no copy
// is written.
namespace templateapply {

enum class Source {
    GpsWindow, // the five GPS fields, all required
    Sheet,     // any fields; GPS only when both latitude and longitude are given
    Template,  // any keys; GPS only when both latitude and longitude are held
};

// What each copy gets: the properties to lay over the photo's own, and the file
// dates (from the GPS date and time) when both were given.
struct Plan {
    QVariantMap overlay;
    QDateTime fileDate;
};

// The placeholders the date fields start with: left as they are, they mean "no stamp".
inline constexpr char kDatePlaceholder[] = "YYYY:MM:DD";
inline constexpr char kTimePlaceholder[] = "HH:MM:SS";

// The plan for the fields; nothing, with a message naming the field, when one is
// not what it must be. `withKeywords` false leaves the photos' IPTC alone.
std::optional<Plan> plan(const EditSheetFields &fields, Source source, bool withKeywords, const QTimeZone &zone,
                         QString *error);

// Writes a copy named prefix + file name of each selected photo with the plan laid
// over its properties (every image of the container) and the plan's file dates.
JobReport write(const EditTarget &target, const Plan &plan, const QString &prefix, const JobContext &context = {});

// Reads a template file, validates it and writes "After_" copies of the selected
// photos; a refused file is reported as failed and nothing is written.
JobReport importTemplate(const QString &plistPath, const EditTarget &target, const QTimeZone &zone,
                         const JobContext &context = {});

// The edit sheet's fields as "templatefile.plist" in `folder` (created when missing), or the
// next free " (2)" name beside an existing one.
// Empty on success, else why it failed.
QString exportTemplate(const EditSheetFields &fields, const QString &folder, QString *path = nullptr);
// Where exportTemplate() writes, the name the window's save dialog proposes.
QString templatePath(const QString &folder);
// The same into the file the user chose (its folder exists); an earlier file is replaced.
QString exportTemplateTo(const EditSheetFields &fields, const QString &file);

} // namespace templateapply
