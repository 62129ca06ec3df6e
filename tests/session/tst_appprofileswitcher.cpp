#include "AppProfileSwitcher.h"
#include "AppRules.h"
#include "LowBatteryWatch.h"
#include "MouseSession.h"
#include "TestAppDir.h"

#include <QtTest>

// Profiles that follow the window in front, fed by a fake window source, and the
// low-battery warnings with a fake notifier.
class TestAppProfileSwitcher : public QObject
{
    Q_OBJECT

private slots:
    void match_data();
    void match();
    void storedRules();
    void oneWritePerChange();
    void batteryWarnings_data();
    void batteryWarnings();
};

namespace {
FrontWindow Window(quint32 id, const char* instance, const char* cls, const char* exe = "")
{
    return {id, QLatin1String(instance), QLatin1String(cls), QLatin1String(exe)};
}
} // namespace

void TestAppProfileSwitcher::match_data()
{
    QTest::addColumn<FrontWindow>("window");
    QTest::addColumn<int>("fallback");
    QTest::addColumn<int>("slot");
    QTest::newRow("class part, other case") << Window(1, "steamwebhelper", "STEAM") << -1 << 1;
    QTest::newRow("instance part") << Window(1, "Firefox", "Navigator") << -1 << 2;
    QTest::newRow("executable name") << Window(1, "x", "y", "firefox") << -1 << 2;
    QTest::newRow("first rule wins") << Window(1, "steam", "firefox") << -1 << 1;
    QTest::newRow("no rule: default") << Window(1, "xterm", "XTerm") << 4 << 4;
    QTest::newRow("no rule: leave as is") << Window(1, "xterm", "XTerm") << -1 << -1;
    QTest::newRow("no window in front") << Window(0, "steam", "Steam") << 4 << -1;
    QTest::newRow("a part only contains the name") << Window(1, "steam2", "firefox-esr") << -1 << -1;
    QTest::newRow("default out of range") << Window(1, "xterm", "XTerm") << 7 << -1;
}

void TestAppProfileSwitcher::match()
{
    QFETCH(FrontWindow, window);
    QFETCH(int, fallback);
    QFETCH(int, slot);
    const QVector<AppRule> rules = {{QStringLiteral("Steam"), 1}, {QStringLiteral("firefox"), 2}};
    QCOMPARE(AppProfileSwitcher::MatchSlot(rules, fallback, window), slot);
}

void TestAppProfileSwitcher::storedRules()
{
    TestAppDir dir;
    // Hand-edited entries out of range are skipped, not used as indices.
    dir.write(QStringLiteral("Configs/Config.ini"),
              "[AppRules]\nCount=99999\nClass1=Steam\nSlot1=1\nClass2=bad\nSlot2=9\nClass3=\nSlot3=0\nDefault=12\n");
    QCOMPARE(ReadAppRules(), (QVector<AppRule>{{QStringLiteral("Steam"), 1}}));
    QCOMPARE(ReadAppRuleDefault(), -1);
    QVERIFY(AppProfileSwitcher::AddRule(QStringLiteral(" steam "), 3).ok);  // replaces, not duplicates
    QVERIFY(AppProfileSwitcher::AddRule(QStringLiteral("xterm"), 0).ok);
    QVERIFY(!AppProfileSwitcher::AddRule(QStringLiteral("xterm"), 5).ok);
    QVERIFY(!AppProfileSwitcher::AddRule(QStringLiteral("  "), 0).ok);
    QVERIFY(AppProfileSwitcher::SetDefault(4).ok);
    QCOMPARE(ReadAppRules(), (QVector<AppRule>{{QStringLiteral("steam"), 3}, {QStringLiteral("xterm"), 0}}));
    QCOMPARE(ReadAppRuleDefault(), 4);
    QVERIFY(AppProfileSwitcher::RemoveRule(QStringLiteral("STEAM")));
    QVERIFY(!AppProfileSwitcher::RemoveRule(QStringLiteral("steam")));
    QCOMPARE(ReadAppRules(), (QVector<AppRule>{{QStringLiteral("xterm"), 0}}));
    QCOMPARE(ReadAppRuleDefault(), 4);
    // Other keys of the file stay.
    QVERIFY(dir.read(QStringLiteral("Configs/Config.ini")).contains("Count=1"));
}

void TestAppProfileSwitcher::oneWritePerChange()
{
    TestAppDir dir;
    dir.installShippedDescriptor();
    MouseSession& session = MouseSession::instance();
    session.load();
    session.selectSlot(0);
    QVERIFY(AppProfileSwitcher::AddRule(QStringLiteral("Steam"), 2).ok);
    QVERIFY(AppProfileSwitcher::SetDefault(1).ok);
    QVector<int> writes;
    AppProfileSwitcher switcher([&](int slot) {
        writes << slot;
        return session.selectSlot(slot);
    });
    switcher.frontWindowChanged(Window(10, "steam", "Steam"));
    switcher.frontWindowChanged(Window(10, "steam", "Steam"));  // announced again
    QCOMPARE(writes, QVector<int>{2});
    session.selectSlot(4);  // picked by hand
    switcher.frontWindowChanged(Window(10, "steam", "Steam"));
    QCOMPARE(session.activeSlot(), 4);
    switcher.frontWindowChanged(Window(11, "xterm", "XTerm"));  // default
    switcher.frontWindowChanged(Window(12, "other", "Other"));  // default, already active
    FrontWindow own = Window(13, "mousecfg", "mousecfg");
    own.pid = QCoreApplication::applicationPid();
    switcher.frontWindowChanged(own);  // our own window: no default
    switcher.frontWindowChanged(Window(10, "steam", "Steam"));
    QCOMPARE(writes, (QVector<int>{2, 1, 2}));
    QCOMPARE(session.activeSlot(), 2);

    // A switch the mouse could not take waits for the same window to be announced again.
    bool busy = true;
    AppProfileSwitcher waiting([&](int slot) { return !busy && session.selectSlot(slot); });
    waiting.frontWindowChanged(Window(11, "xterm", "XTerm"));
    QVERIFY(waiting.waiting());
    busy = false;
    waiting.frontWindowChanged(Window(11, "xterm", "XTerm"));
    QVERIFY(!waiting.waiting());
    QCOMPARE(session.activeSlot(), 1);
}

void TestAppProfileSwitcher::batteryWarnings_data()
{
    QTest::addColumn<QString>("readings");  // percent, "c" suffix: charging
    QTest::addColumn<QString>("warnings");
    QTest::newRow("one each threshold") << "50 20 10 10 10 4 4 3" << "15 5";
    QTest::newRow("charging: none") << "10c 4c 10c" << "";
    QTest::newRow("straight below 5: one") << "40 4 10" << "5";
    QTest::newRow("again after charged above") << "10 12c 20c 10" << "15 15";
    QTest::newRow("not above: not again") << "10 15 10 4 10 4" << "15 5";
    QTest::newRow("charged unseen") << "10 40 10" << "15 15";
    QTest::newRow("15 itself is not below") << "15 16" << "";
    QTest::newRow("out of range ignored") << "200 -3 30" << "";
}

void TestAppProfileSwitcher::batteryWarnings()
{
    QFETCH(QString, readings);
    QFETCH(QString, warnings);
    QStringList shown;
    LowBatteryWatch watch([&](int threshold, int) { shown << QString::number(threshold); });
    for (QString r : readings.split(QLatin1Char(' '))) {
        const bool charging = r.endsWith(QLatin1Char('c'));
        watch.reading(r.remove(QLatin1Char('c')).toInt(), charging);
    }
    QCOMPARE(shown.join(QLatin1Char(' ')), warnings);
}

QTEST_GUILESS_MAIN(TestAppProfileSwitcher)
#include "tst_appprofileswitcher.moc"
