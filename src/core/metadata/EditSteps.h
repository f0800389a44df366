// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditTarget.h"
#include "imageio/ImageSource.h"
#include "jobs/OutputNames.h"

#include "jobs/JobContext.h"
#include "jobs/JobReport.h"

#include <QByteArray>
#include <QDateTime>
#include <QVariantMap>

#include <functional>
#include <optional>

// The one per-photo step of every editor command. Internal to the metadata folder.
//
// A command is a PlanBuilder: given one photo as read, it says what its copy gets.
// runEdit() does everything else, the same way for every command:
//   1. resolve the source (in camera mode, the copy already in the Working folder; a
//      missing one is skipped) and the output (Working folder + prefix + file name, or
//      a " (2)" name when that file exists or is one of the run's sources or outputs);
//   2. read the source's bytes (unreadable: skipped) and open them as a photo;
//   3. call the builder;
//   4. rewrite the photo with the builder's overlay, or copy its bytes as they are,
//      atomically (a failure: failed, nothing at the output changed);
//   5. post-write steps: the copy's file dates, then the builder's own step. A
//      post-write step that fails fails the photo, with its reason.
// Progress counts after each photo; cancel is checked before each one.
//
// So a new command (GPS, a template, an imported plist) is a short function:
//   JobReport addPlace(const EditTarget &t, const MetadataEdit &edit, const JobContext &c) {
//       const QVariantMap overlay = edit.overlay();
//       return editsteps::runEdit(t, QStringLiteral("GPS_"), c,
//                                 [overlay](const editsteps::Photo &) { return editsteps::PhotoPlan::rewrite(overlay); });
//   }
namespace editsteps {

// One photo as the builder sees it.
struct Photo {
    const EditSource &source;
    const QByteArray &bytes;
    const imageio::ImageSource *image; // null when the bytes are not a photo we can read
    QString readError;                 // why image is null
};

// What the builder decides for one photo.
struct PhotoPlan {
    enum class Action {
        Rewrite,  // a copy with `overlay` laid over the photo's own properties (needs an image)
        CopyAsIs, // a byte-for-byte copy of the source
        Skip,     // nothing written; reported as skipped with `reason`
        Fail,     // nothing written; reported as failed with `reason`
    };
    Action action = Action::Rewrite;
    QVariantMap overlay;
    QString reason;
    // File dates the copy gets once written (see filedates::setFileDates).
    std::optional<QDateTime> creation;
    std::optional<QDateTime> modification;

    static PhotoPlan rewrite(const QVariantMap &overlay);
    static PhotoPlan copyAsIs();
    static PhotoPlan skip(const QString &reason);
    static PhotoPlan fail(const QString &reason);
};

using PlanBuilder = std::function<PhotoPlan(const Photo &photo)>;

// Runs a command over the target's selection, the photos on every core, reported in list
// order. `build` is called on several threads at once. An empty selection writes nothing
// and sets report.emptySelection.
// `reading` says how much of each photo the plans need (imageio::ImageSource::Reading).
JobReport runEdit(const EditTarget &target, const QString &outputPrefix, const JobContext &context,
                  const PlanBuilder &build,
                  imageio::ImageSource::Reading reading = imageio::ImageSource::Reading::Everything);

// One photo of runEdit(), recorded in `report`, its copy written to `output`.
void editPhoto(JobReport &report, const EditSource &source, const QString &output, const PlanBuilder &build,
               imageio::ImageSource::Reading reading = imageio::ImageSource::Reading::Everything);

// Creates the Working folder before the first copy. Photos dropped on the list never
// pass the import panel, which is what otherwise creates it.
void prepareWorkingFolder(const EditTarget &target);

QString unreadableReason(const QString &error);

} // namespace editsteps
