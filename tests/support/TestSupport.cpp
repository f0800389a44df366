// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

namespace testsupport {

QByteArray run(const QString &program, const QStringList &args, int *status, QByteArray *standardError)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (standardError)
        *standardError = p.readAllStandardError();
    return p.readAllStandardOutput();
}

bool hasProgram(const QString &program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

QByteArray convert(const QStringList &args) { return run(QStringLiteral("/usr/bin/convert"), args); }

QByteArray exiftool(const QStringList &args) { return run(QStringLiteral("exiftool"), args); }

QVariantMap exiftoolTags(const QString &path) { return exiftoolTags(QStringList{path}).value(path); }

QHash<QString, QVariantMap> exiftoolTags(const QStringList &files, const QString &groups)
{
    QHash<QString, QVariantMap> tags;
    const QByteArray json = exiftool(QStringList{"-json", "-n", groups, "-a"} + files);
    for (const QJsonValue &file : QJsonDocument::fromJson(json).array())
        tags.insert(file["SourceFile"].toString(), file.toObject().toVariantMap());
    return tags;
}

QString pixelSignature(const QString &path, bool allFrames)
{
    const QString target = allFrames ? path : path + QStringLiteral("[0]");
    const QByteArray signatures = run(QStringLiteral("/usr/bin/identify"), {"-format", "%#\n", target});
    return QString::fromLatin1(signatures.trimmed());
}

QString makeJpeg(const QString &path, int width, int height, const QStringList &exiftoolArgs)
{
    const QString size = QString("%1x%2").arg(width).arg(height);
    convert({"-size", size, "gradient:#2060c0-#f0d040", "-quality", "90", path});
    if (!exiftoolArgs.isEmpty())
        exiftool(QStringList{"-q", "-overwrite_original"} + exiftoolArgs << path);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList validationWarnings(const QString &path)
{
    return validationWarnings(QStringList{path}).value(path);
}

QHash<QString, QStringList> validationWarnings(const QStringList &files)
{
    const QByteArray text = exiftool(QStringList{"-validate", "-warning", "-a", "-s"} + files);
    QHash<QString, QStringList> warnings;
    QString current = files.size() == 1 ? files.first() : QString();
    for (const QString &line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("======== "))
            current = line.mid(9);
        else if (!current.isEmpty() && line.startsWith("Warning"))
            warnings[current] << line.section(':', 1).trimmed();
    }
    return warnings;
}

QString testData(const QString &name) { return QStringLiteral(GLIMMERSET_TEST_DATA "/") + name; }

QVariantMap withGroup(const char *group, const QVariant &value) { return {{group, value}}; }

QVariantMap withField(const char *group, const char *key, const QVariant &value)
{
    return withGroup(group, QVariantMap{{key, value}});
}

QString cli() { return QStringLiteral(GLIMMERSET_CLI); }

void screenshot(const QString &name, QWindow *only)
{
    const QString folder = qEnvironmentVariable("GLIMMERSET_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(400);
    QRect shown;
    for (QWindow *w : QGuiApplication::topLevelWindows())
        if (w->isVisible() && (!only || w == only))
            shown |= w->frameGeometry();
    QScreen *screen = QGuiApplication::primaryScreen();
    shown = shown.adjusted(-16, -16, 16, 16) & screen->geometry();
    screen->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height()).save(folder + QLatin1Char('/') + name);
}

} // namespace testsupport
