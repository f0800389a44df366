#include "app/AppDelegate.h"
#include "widgets/PSTableNameCellView.h"
#include "widgets/ResultTableDataSource.h"
#include "widgets/ResultTableView.h"

#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A data source over plain row texts, filling labels the way the controller does.
class TextSource : public ResultTableDataSource
{
public:
    QStringList rows;
    int asked = 0;
    int numberOfRowsInTableView(ResultTableView *) override { return int(rows.size()); }
    QWidget *tableView(ResultTableView *table, const QString &column, int row) override
    {
        if (column != QLatin1String("Name"))
            return nullptr;
        ++asked;
        auto *label = qobject_cast<QLabel *>(table->makeViewWithIdentifier(column));
        label->setText(rows.at(row));
        return label;
    }
};

class TestResultTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << QStringLiteral("a.jpg") << QStringLiteral("a.jpg");
        QTest::newRow("28 whole") << QStringLiteral("abcdefghijklmnopqrstuvwx.jpg")
                                  << QStringLiteral("abcdefghijklmnopqrstuvwx.jpg");
        QTest::newRow("29 shortened") << QStringLiteral("abcdefghijklmnopqrstuvwxy.jpg")
                                      << QStringLiteral("abcdefghijklmn.....pqrstuvwxy.jpg");
        QTest::newRow("long") << QStringLiteral("IMG_20240506_123456789012345678_final.jpeg")
                              << QStringLiteral("IMG_20240506_1.....678_final.jpeg");
    }

    void shownNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(AppDelegate::shownName(name), shown);
        if (name.size() >= 29)
            QCOMPARE(AppDelegate::shownName(name).size(), 33);
    }

    void twoThousandRowsUseAScreenfulOfViews()
    {
        TextSource source;
        for (int i = 0; i < 2000; ++i)
            source.rows.append(QStringLiteral("row %1").arg(i));
        ResultTableView table;
        table.registerViewFactory(QStringLiteral("Name"), [] { return new QLabel; });
        table.setRowHeight(50);
        table.resize(600, 400);
        table.setDataSource(&source);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));

        const int perScreen = table.viewport()->height() / 50 + 2;
        QVERIFY(table.createdViewCount() <= perScreen);
        QCOMPARE(qobject_cast<QLabel *>(table.viewAtRow(0))->text(), QStringLiteral("row 0"));
        for (int step = 0; step < 40; ++step)
            table.verticalScrollBar()->setValue(table.verticalScrollBar()->value() + 2500);
        table.scrollToRow(1999);
        QVERIFY(table.createdViewCount() <= perScreen);
        auto *last = qobject_cast<QLabel *>(table.viewAtRow(1999));
        QVERIFY(last);
        QCOMPARE(last->text(), QStringLiteral("row 1999"));
        QVERIFY(!table.viewAtRow(0));
    }

    void appendAsksOnlyForNewRows()
    {
        TextSource source;
        source.rows = {QStringLiteral("a"), QStringLiteral("b")};
        ResultTableView table;
        table.registerViewFactory(QStringLiteral("Name"), [] { return new QLabel; });
        table.setRowHeight(40);
        table.resize(300, 400);
        table.setDataSource(&source);
        const int before = source.asked;
        source.rows.append(QStringLiteral("c"));
        table.noteNumberOfRowsChanged();
        QCOMPARE(source.asked, before + 1);
        QCOMPARE(qobject_cast<QLabel *>(table.viewAtRow(2))->text(), QStringLiteral("c"));
        QCOMPARE(qobject_cast<QLabel *>(table.viewAtRow(0))->text(), QStringLiteral("a"));
    }

    void otherColumnsGetNoView()
    {
        TextSource source;
        source.rows = {QStringLiteral("a")};
        ResultTableView table;
        table.registerViewFactory(QStringLiteral("Name"), [] { return new QLabel; });
        table.setColumnIdentifier(QStringLiteral("Size"));
        table.resize(300, 200);
        table.setDataSource(&source);
        QVERIFY(!table.viewAtRow(0));
    }
};

QTEST_MAIN(TestResultTable)
#include "tst_resulttable.moc"
