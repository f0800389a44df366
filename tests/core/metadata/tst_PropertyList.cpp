// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "metadata/PropertyList.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

// Python's plistlib is the independent reader and writer (binary files, hostile shapes).
static QByteArray python(const QString &script, int *status = nullptr)
{
    return testsupport::run("/usr/bin/python3", {"-c", script}, status);
}

class TestPropertyList : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    static QVariantMap sample()
    {
        QVariantMap inner{{"Latitude", 33.868812345678912},
                          {"LatitudeRef", "S"}, {"Track", QVariantList{qlonglong(1), 2.5, "x"}}};
        return {{"{GPS}", inner},
                {"Negative", qlonglong(-5)},
                {"Big", qlonglong(4294967296LL)},
                {"Text", "Hafen \u00e0 l'aube \u2013 \u6e2f"},
                {"Flag", true},
                {"When", QDateTime(QDate(2019, 7, 14), QTime(10, 20, 30), QTimeZone::utc())},
                {"Bytes", QByteArray("\x00\x01\xfe\xff", 4)}, {"Empty", QVariantMap{}}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram("/usr/bin/python3"))
            QFAIL("python3 is needed as the independent property-list reader");
    }

    void roundTripKeepsKinds()
    {
        const QVariantMap map = sample();
        const QString path = m_dir.filePath("sample.plist");
        QVERIFY(propertylist::writeFile(path, {{"Replaced", 1}}));
        QVERIFY(propertylist::writeFile(path, map));
        QString error;
        const auto back = propertylist::readFile(path, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(*back, map);
        QCOMPARE(back->value("Negative").typeId(), QMetaType::LongLong);
        QCOMPARE(back->value("{GPS}").toMap().value("Latitude").typeId(), QMetaType::Double);

        // Another reader sees the same values in our XML.
        const QByteArray json = python(QStringLiteral(
            "import plistlib,json;d=plistlib.load(open('%1','rb'));"
            "print(json.dumps([d['Negative'],d['Big'],d['Text'],d['{GPS}']['Latitude'],d['When'].isoformat(),d['Bytes'].hex()]))")
                                           .arg(path));
        QCOMPARE(QJsonDocument::fromJson(json).toVariant().toList(),
                 (QVariantList{-5, 4294967296.0, map.value("Text"), 33.868812345678912,
                               "2019-07-14T10:20:30", "0001feff"}));

        // And the same values written by the other writer as a binary file read back alike.
        const QString binary = m_dir.filePath("sample.bplist");
        int status = -1;
        python(QStringLiteral("import plistlib;plistlib.dump(plistlib.load(open('%1','rb')),open('%2','wb'),"
                              "fmt=plistlib.FMT_BINARY)").arg(path, binary), &status);
        QCOMPARE(status, 0);
        const auto fromBinary = propertylist::readFile(binary, &error);
        QVERIFY2(fromBinary, qPrintable(error));
        QCOMPARE(*fromBinary, map);
        QVERIFY(!propertylist::writeFile(m_dir.filePath("missing/x.plist"), map, &error));
        QVERIFY(!error.isEmpty());
    }

    void refusesHostileFiles_data()
    {
        QTest::addColumn<QString>("script"); // writes the file named by the variable p
        QTest::addColumn<QString>("reason"); // empty: read whole
        const auto xml = [](const char *root) {
            return QStringLiteral("plistlib.dump(%1,open(p,'wb'))").arg(root);
        };
        const auto binary = [](const char *root) {
            return QStringLiteral("plistlib.dump(%1,open(p,'wb'),fmt=plistlib.FMT_BINARY)").arg(root);
        };
        const auto text = [](const char *t) { return QStringLiteral("open(p,'w').write('%1')").arg(t); };
        // Just under the limit; the walk once took minutes here.
        QTest::newRow("99998 values, binary") << binary("{'a':list(range(99998))}") << "";
        QTest::newRow("99998 values, XML") << xml("{'a':list(range(99998))}") << "";
        QTest::newRow("array root") << xml("[1,2]") << "root is not a dictionary";
        QTest::newRow("33 levels, XML") << "d={}\nfor i in range(33): d={'k':d}\n" + xml("d") << "nested";
        QTest::newRow("33 levels, binary") << "d=[]\nfor i in range(33): d={'k':d}\n" + binary("d")
                                           << "nested";
        // Deep enough to overflow a recursive parser's stack.
        QTest::newRow("300000 levels, XML")
            << "open(p,'w').write('<plist version=\"1.0\">'+'<array>'*300000+'</array>'*300000+'</plist>')" << "nested";
        // Python's writer recurses too: the chain of 100000 arrays is laid out by hand.
        QTest::newRow("100000 levels, binary")
            << "n=100000;b=b'bplist00'+b''.join(b'\\xa1'+(i+1).to_bytes(4,'big') for i in range(n-1))\n"
               "b+=b'\\xa0';t=len(b);b+=b''.join((8+5*i).to_bytes(4,'big') for i in range(n))\n"
               "open(p,'wb').write(b+bytes(6)+b'\\x04\\x04'+n.to_bytes(8,'big')+bytes(8)+t.to_bytes(8,'big'))"
            << "nested";
        QTest::newRow("keyed-archive reference") << binary("{'u':plistlib.UID(1)}") << "keyed-archive";
        QTest::newRow("over 16 MiB") << binary("{'d':b'x'*(17<<20)}") << "larger than 16 MiB";
        QTest::newRow("not a property list") << text("Artist=Ada") << "not a property list";
        QTest::newRow("binary cut short")
            << "b=plistlib.dumps({'a':[1,2,3]},fmt=plistlib.FMT_BINARY);open(p,'wb').write(b[:-20])" << "damaged";
        // libplist aborts on a key holding a NUL character.
        QTest::newRow("NUL in a key, binary") << binary("{'a\\x00b':1}") << "NUL character";
        QTest::newRow("NUL in a UTF-16 key, binary (a fuzz finding)")
            << QStringLiteral("open(p,'wb').write(open('%1','rb').read())").arg(testsupport::testData("plist_nul_in_key.plist"))
            << "NUL character";
        QTest::newRow("NUL in a key, XML reference")
            << text("<plist><dict><key>a&#0;b</key><integer>1</integer></dict></plist>") << "NUL character";
        // Under the size limit, but libplist takes minutes and hundreds of megabytes over them.
        const QString tooMany = "more than 100000 values";
        QTest::newRow("1000000 values, binary") << binary("{'a':[True]*1000000}") << tooMany;
        QTest::newRow("1000000 values, XML")
            << "open(p,'w').write('<plist><dict><key>a</key><array>'+'<true/>'*1000000+'</array></dict></plist>')"
            << tooMany;
        // One array written once and referenced a thousand times: libplist copies it each time.
        QTest::newRow("one array of 1000 referenced 1000 times, binary")
            << "a=[1]*1000\n" + binary("{'a':[a]*1000}") << tooMany;
        QTest::newRow("broken XML") << text("<plist><dict><key>a</key><string>x</dict>") << "readable";
    }

    void refusesHostileFiles()
    {
        QFETCH(QString, script);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath("hostile.plist");
        int status = -1;
        python(QStringLiteral("import plistlib\np='%1'\n").arg(path) + script, &status);
        QCOMPARE(status, 0);
        QString error;
        const auto map = propertylist::readFile(path, &error);
        if (reason.isEmpty()) {
            QVERIFY2(map, qPrintable(error));
            const QVariantList list = map->value("a").toList();
            QCOMPARE(list.size(), 99998);
            QCOMPARE(list.last().toLongLong(), qlonglong(99997));
            return;
        }
        QVERIFY(!map);
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_PropertyList.moc"
