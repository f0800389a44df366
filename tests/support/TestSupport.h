// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QWindow;

// Helpers shared by the tests: external oracles and generated fixtures.
namespace testsupport {

// Runs a program; returns its standard output (exit status in *status when given).
QByteArray run(const QString &program, const QStringList &args, int *status = nullptr,
               QByteArray *standardError = nullptr);

bool hasProgram(const QString &program);

// ImageMagick's convert and exiftool with these arguments; their standard output.
QByteArray convert(const QStringList &args);
QByteArray exiftool(const QStringList &args);

// exiftool's view of a file: -json -n -G1 output parsed into "Group:Tag" -> value text.
QVariantMap exiftoolTags(const QString &path);
// The same for many files in one run, by path as given; `groups` as -G1 or -G0:1.
QHash<QString, QVariantMap> exiftoolTags(const QStringList &files, const QString &groups = "-G1");

// ImageMagick's pixel signature of the first frame (or of every frame with all = true).
QString pixelSignature(const QString &path, bool allFrames = false);

// Writes a JPEG made by ImageMagick with a gradient, then gives it metadata with exiftool
// (args such as "-Make=Canon"). Returns the path.
QString makeJpeg(const QString &path, int width, int height, const QStringList &exiftoolArgs = {});

QString testData(const QString &name);

// A metadata edit's overlay: a whole group set to `value` (null removes it), or one field of it.
QVariantMap withGroup(const char *group, const QVariant &value);
QVariantMap withField(const char *group, const char *key, const QVariant &value);

// The whole file (empty when it cannot be read); writing says whether every byte went out.
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// exiftool -validate's warnings about a file, each without its "Warning" label; for many
// files in one run, by path as given.
QStringList validationWarnings(const QString &path);
QHash<QString, QStringList> validationWarnings(const QStringList &files);

// When GLIMMERSET_SCREENSHOTS names a folder, saves a picture of the windows on show (or of
// `only`), with a margin of the screen around them, as <folder>/<name>. Run under a real
// display (Xvfb); the offscreen platform has nothing to grab.
void screenshot(const QString &name, QWindow *only = nullptr);
QString cli();

} // namespace testsupport
