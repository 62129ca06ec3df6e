#include "AppRuleCommands.h"
#include "CtlTestSupport.h"
#include "TestAppDir.h"

#include <QtTest>

// mousecfgctl app-rule: each row runs its commands in order on a fresh directory; the last
// one's exit code and output are checked, then what list shows.
class TestAppRuleCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
};

void TestAppRuleCommands::commands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("listed");
    QTest::newRow("empty") << QStringList{"list"} << 0 << "No program rules.\nOther programs: leave the profile as it is\n";
    QTest::newRow("add and default") << QStringList{"add Steam 2", "add xterm 5", "default 1"} << 0
                                     << "Steam -> profile 2\nxterm -> profile 5\nOther programs: profile 1\n";
    QTest::newRow("add again replaces") << QStringList{"add Steam 2", "add STEAM 3"} << 0
                                        << "STEAM -> profile 3\nOther programs: leave the profile as it is\n";
    QTest::newRow("remove any case") << QStringList{"add Steam 2", "default 4", "remove steam"} << 0
                                     << "No program rules.\nOther programs: profile 4\n";
    QTest::newRow("default none") << QStringList{"default 4", "default none"} << 0
                                   << "No program rules.\nOther programs: leave the profile as it is\n";
    QTest::newRow("slot 0 refused") << QStringList{"add Steam 0"} << 2 << "No program rules.\nOther programs: leave the profile as it is\n";
    QTest::newRow("slot 6 refused") << QStringList{"add Steam 6"} << 2 << "No program rules.\nOther programs: leave the profile as it is\n";
    QTest::newRow("default word refused") << QStringList{"default all"} << 2
                                          << "No program rules.\nOther programs: leave the profile as it is\n";
    QTest::newRow("remove unknown") << QStringList{"add Steam 2", "remove xterm"} << 2
                                    << "Steam -> profile 2\nOther programs: leave the profile as it is\n";
    QTest::newRow("missing slot") << QStringList{"add Steam"} << 2 << "No program rules.\nOther programs: leave the profile as it is\n";
}

void TestAppRuleCommands::commands()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QString, listed);
    TestAppDir dir;
    int last = -1;
    for (const QString& line : lines) {
        QString out, err;
        QTextStream o(&out), e(&err);
        last = AppRuleCommand(line.split(QLatin1Char(' ')), o, e);
    }
    QCOMPARE(last, code);
    QString out, err;
    QTextStream o(&out), e(&err);
    QCOMPARE(AppRuleCommand({QStringLiteral("list")}, o, e), 0);
    o.flush();
    QCOMPARE(out, listed);
}

QTEST_GUILESS_MAIN(TestAppRuleCommands)
#include "tst_apprulecommands.moc"
