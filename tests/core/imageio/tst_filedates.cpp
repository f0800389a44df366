// SPDX-License-Identifier: GPL-3.0-or-later
// File dates: what can be read, what can be set, and the Linux rule for creation dates.

#include "imageio/FileDates.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

class FileDatesTest : public QObject
{
    Q_OBJECT

    QString makeFile(QTemporaryDir &dir)
    {
        const QString path = dir.filePath(QStringLiteral("f.bin"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("x");
        return path;
    }

private Q_SLOTS:
    void missingFileHasNoDates()
    {
        QVERIFY(!filedates::creationDate(QStringLiteral("/nonexistent/file")).isValid());
        QVERIFY(!filedates::modificationDate(QStringLiteral("/nonexistent/file")).isValid());
        QVERIFY(!filedates::setModificationDate(QStringLiteral("/nonexistent/file"), QDateTime::currentDateTime()));
    }

    void creationDateIsReadable()
    {
        QTemporaryDir dir;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        const QString path = makeFile(dir);
        const QDateTime created = filedates::creationDate(path);
        QVERIFY(created.isValid());
        QVERIFY(created >= before);
        QVERIFY(created <= QDateTime::currentDateTime().addSecs(2));
    }

    void setsDatesToTheSecond_data()
    {
        QTest::addColumn<QDateTime>("creation");
        QTest::addColumn<QDateTime>("modification");
        QTest::addColumn<QDateTime>("expectedModification");
        const QDateTime c(QDate(2011, 5, 6), QTime(7, 59, 48), QTimeZone(3600));
        const QDateTime m(QDate(1999, 12, 31), QTime(23, 59, 59), QTimeZone::utc());
        QTest::newRow("creation only goes to the modification date") << c << QDateTime() << c;
        QTest::newRow("both: modification keeps its own") << c << m << m;
        QTest::newRow("modification only") << QDateTime() << m << m;
        QTest::newRow("before 1970") << QDateTime(QDate(1965, 3, 1), QTime(12, 0, 1), QTimeZone::utc()) << QDateTime()
                                     << QDateTime(QDate(1965, 3, 1), QTime(12, 0, 1), QTimeZone::utc());
    }

    void setsDatesToTheSecond()
    {
        QFETCH(QDateTime, creation);
        QFETCH(QDateTime, modification);
        QFETCH(QDateTime, expectedModification);
        QTemporaryDir dir;
        const QString path = makeFile(dir);
        QVERIFY(filedates::setFileDates(path, creation.isValid() ? std::optional(creation) : std::nullopt,
                                        modification.isValid() ? std::optional(modification) : std::nullopt));
        QCOMPARE(filedates::modificationDate(path).toSecsSinceEpoch(), expectedModification.toSecsSinceEpoch());
        QVERIFY(!filedates::canSetCreationDate());
    }
};

QTEST_GUILESS_MAIN(FileDatesTest)
#include "tst_filedates.moc"
