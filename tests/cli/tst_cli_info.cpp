// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-cli info: JSON per photo, a clear error and a non-zero status per unreadable file.

#include "TestSupport.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

class CliInfoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsGroupsAsNestedObjects()
    {
        const QString photo = testData(QStringLiteral("gps_htc_desire.jpg"));
        int status = -1;
        const QByteArray out = run(cli(), {QStringLiteral("info"), photo}, &status);
        QCOMPARE(status, 0);
        QJsonParseError error;
        const QJsonObject all = QJsonDocument::fromJson(out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject entry = all.value(photo).toObject();
        QCOMPARE(entry.value(QStringLiteral("Type")).toString(), QStringLiteral("public.jpeg"));
        QCOMPARE(entry.value(QStringLiteral("{TIFF}")).toObject().value(QStringLiteral("Make")).toString(), QStringLiteral("HTC"));
        QVERIFY(entry.value(QStringLiteral("{GPS}")).toObject().value(QStringLiteral("Latitude")).toDouble() > 45.5);
    }

    void unreadableFileFailsButOthersPrint()
    {
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("bad.jpg"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("nope") == 4);
        f.close();
        const QString good = testData(QStringLiteral("iptc_metapm.jpg"));
        int status = -1;
        QByteArray err;
        const QByteArray out = run(cli(), {QStringLiteral("info"), bad, good}, &status, &err);
        QCOMPARE(status, 1);
        QVERIFY(err.contains(bad.toUtf8()));
        QCOMPARE(err.count('\n'), 1);
        const QJsonObject all = QJsonDocument::fromJson(out).object();
        QCOMPARE(all.keys(), QStringList{good});

        run(cli(), {QStringLiteral("info")}, &status);
        QCOMPARE(status, 2);
    }
};

QTEST_GUILESS_MAIN(CliInfoTest)
#include "tst_cli_info.moc"
