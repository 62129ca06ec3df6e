#include "KeyTables.h"
#include "MacroEventTable.h"
#include "TarnMacroItemDelegate.h"

#include <QtTest>

using Icon = TarnMacroItemDelegate::Icon;
Q_DECLARE_METATYPE(TarnMacroItemDelegate::Icon)

class TestMacroEventTable : public QObject
{
    Q_OBJECT

private slots:
    void cellsHoldDecimalBytes();
    void clearingKeepsThreeHeaders();
    void cellsThatAreNotBytesReadAsEmpty_data();
    void cellsThatAreNotBytesReadAsEmpty();
    void setCellsLeavesMinusOne();
    void moveEvent();
    void painterShows_data();
    void painterShows();
    void checkAllReleased_data();
    void checkAllReleased();
};

void TestMacroEventTable::cellsHoldDecimalBytes()
{
    MacroEventTable table;
    table.appendEvent(MacroEvent::keyEvent(4, true));
    table.appendEvent(MacroEvent{});
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("132"));
    QCOMPARE(table.item(0, 1)->text(), QStringLiteral("0"));
    QCOMPARE(table.item(0, 2)->text(), QStringLiteral("4"));
    QVERIFY(table.item(1, 0)->text().isEmpty());
    QVERIFY(table.eventAt(1).isEmpty());
    QVERIFY(!(table.item(0, 0)->flags() & Qt::ItemIsEditable));
}

void TestMacroEventTable::clearingKeepsThreeHeaders()
{
    MacroEventTable table;
    table.appendEvent(MacroEvent::delayEvent(3));
    table.clearEvents();
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.headerData(0, Qt::Horizontal).toString(), QStringLiteral("KEY"));
    QCOMPARE(table.headerData(1, Qt::Horizontal).toString(), QStringLiteral("ACTION"));
    QCOMPARE(table.headerData(2, Qt::Horizontal).toString(), QStringLiteral("DELAY(ms)"));
}

void TestMacroEventTable::cellsThatAreNotBytesReadAsEmpty_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("dataL");
    QTest::newRow("map 300 is not a byte") << "300" << "4";
    QTest::newRow("negative value") << "132" << "-1";
    QTest::newRow("text") << "abc" << "4";
}

void TestMacroEventTable::cellsThatAreNotBytesReadAsEmpty()
{
    QFETCH(QString, map);
    QFETCH(QString, dataL);
    MacroEventTable table;
    table.appendRow({new QStandardItem(map), new QStandardItem("0"), new QStandardItem(dataL)});
    QVERIFY(table.eventAt(0).isEmpty());
    QVERIFY(table.eventAt(5).isEmpty());
}

void TestMacroEventTable::setCellsLeavesMinusOne()
{
    MacroEventTable table;
    table.appendEvent(MacroEvent{PointerMove, 0, 30});
    table.setCells(0, -1, 7, -1);
    QCOMPARE(table.eventAt(0), (MacroEvent{PointerMove, 7, 30}));
}

void TestMacroEventTable::moveEvent()
{
    MacroEventTable table;
    for (int i = 1; i <= 3; ++i)
        table.appendEvent(MacroEvent::delayEvent(i));
    table.moveEvent(2, 0);
    QCOMPARE(DelayCount(table.eventAt(0)), 3);
    QCOMPARE(DelayCount(table.eventAt(1)), 1);
    table.moveEvent(0, 7);   // out of range: nothing
    QCOMPARE(DelayCount(table.eventAt(0)), 3);
}

void TestMacroEventTable::painterShows_data()
{
    QTest::addColumn<int>("map");
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("icons");

    const int none = int(Icon::None);
    int escape = 0;
    QVERIFY(CodeFromUsage(0x29, escape));
    QTest::newRow("key press: keyboard icon, name, Press")
        << 132 << 0 << 0x29 << 10 << QStringList{KeyName(escape), "Press", ""}
        << QList<int>{int(Icon::Keyboard), int(Icon::Press), none};
    QTest::newRow("key release: Release with key-up icon")
        << 4 << 0 << 0x29 << 10 << QStringList{KeyName(escape), "Release", ""}
        << QList<int>{int(Icon::Keyboard), int(Icon::Release), none};
    QTest::newRow("button press: menu text without icon")
        << 129 << 0 << 4 << 10 << QStringList{"MIDDLE CLICK", "Press", ""}
        << QList<int>{none, int(Icon::Press), none};
    QTest::newRow("button release of BACKWARD") << 1 << 0 << 16 << 10 << QStringList{"BACKWARD", "Release", ""}
                                                << QList<int>{none, int(Icon::Release), none};
    QTest::newRow("step 0/200: MOVE LEFT 56") << 2 << 0 << 200 << 10 << QStringList{"MOVE LEFT", "56", ""}
                                              << QList<int>{int(Icon::Move), none, none};
    QTest::newRow("step 7/0: MOVE DOWN 7") << 2 << 7 << 0 << 10 << QStringList{"MOVE DOWN", "7", ""}
                                           << QList<int>{int(Icon::Move), none, none};
    QTest::newRow("step 251/0: MOVE UP 5") << 2 << 251 << 0 << 10 << QStringList{"MOVE UP", "5", ""}
                                           << QList<int>{int(Icon::Move), none, none};
    QTest::newRow("delay count 1 with unit 10 shows 10") << 6 << 0 << 1 << 10 << QStringList{"", "", "10"}
                                                         << QList<int>{int(Icon::Delay), none, none};
    QTest::newRow("delay 1/44 with unit 20 shows 6000") << 6 << 1 << 44 << 20 << QStringList{"", "", "6000"}
                                                        << QList<int>{int(Icon::Delay), none, none};
    QTest::newRow("empty row shows nothing") << 0 << 0 << 0 << 10 << QStringList{"", "", ""}
                                             << QList<int>{none, none, none};
}

void TestMacroEventTable::painterShows()
{
    QFETCH(int, map);
    QFETCH(int, dataH);
    QFETCH(int, dataL);
    QFETCH(int, unit);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, icons);
    const MacroEvent event{quint8(map), quint8(dataH), quint8(dataL)};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(TarnMacroItemDelegate::CellText(event, column, unit), texts.at(column));
        QCOMPARE(int(TarnMacroItemDelegate::CellIcon(event, column)), icons.at(column));
    }
}

void TestMacroEventTable::checkAllReleased_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("released");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("A down, A up") << "132/0/4 4/0/4" << true;
    QTest::newRow("A down, B down, A up: B held") << "132/0/4 132/0/5 4/0/4" << false;
    QTest::newRow("release before press still pairs") << "4/0/4 132/0/4" << true;
    QTest::newRow("delays do not count") << "132/0/4 6/0/9 4/0/4" << true;
    QTest::newRow("button held") << "129/0/1 2/0/30" << false;
    QTest::newRow("steps count as ups but release nothing") << "132/0/4 2/0/4 2/0/5" << false;
    QTest::newRow("key 4 is not released by middle button 4") << "132/0/4 1/0/4" << false;
    QTest::newRow("only releases") << "4/0/4 1/0/2" << true;
}

void TestMacroEventTable::checkAllReleased()
{
    QFETCH(QString, rows);
    QFETCH(bool, released);
    QVector<MacroEvent> events;
    for (const QString& row : rows.split(' ', Qt::SkipEmptyParts)) {
        const QStringList bytes = row.split('/');
        events.append(MacroEvent{quint8(bytes[0].toInt()), quint8(bytes[1].toInt()), quint8(bytes[2].toInt())});
    }
    QCOMPARE(MacroEventTable::CheckAllReleased(events), released);
}

QTEST_MAIN(TestMacroEventTable)
#include "tst_macroeventtable.moc"
