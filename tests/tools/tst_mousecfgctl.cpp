#include "MacroFile.h"
#include "VirtualMouse.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

QByteArray Bytes(const QByteArray& block, int from, int length) { return block.mid(from, length).toHex(' '); }

// Button slot n of the button block: two header bytes, then four bytes per slot.
QByteArray ButtonSlot(const QByteArray& buttons, int slot) { return Bytes(buttons, 2 + 4 * slot, 4); }

} // namespace

class TestMousecfgctl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpAndUsage_data();
    void helpAndUsage();
    void devicesListsDongle();
    void writeStoresProfileInMouse();
    void writeTracesReports();
    void writeUploadsBoundMacro();
    void sleepingMouseFailsWrite();
    void unpluggedMouseFailsWrite();
    void batteryPrintsPercentage();
    void listenServesTheMovingVirtualMouse();
    void noAccessNamesTheRule();
    void selectSetsActiveProfile_data();
    void selectSetsActiveProfile();

private:
    Run run(const QStringList& args);
    QString path(const QString& relative) const { return m_dir->path() + QLatin1Char('/') + relative; }
    // Replaces one key's line of a profile file as text, so the file's other values stay as stored.
    void setProfileKey(const QString& file, const QString& key, const QString& value);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMousecfgctl::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString source = QStringLiteral(MOUSECFG_SHIPPED_DIR);
    QVERIFY(QFile::copy(source + QStringLiteral("/DefaultProfile.bin"), path(QStringLiteral("DefaultProfile.bin"))));
    // Only the shipped files, as a fresh install has them.
    QStringList shipped = {QStringLiteral("Configs/Config.ini")};
    for (int i = 1; i <= 5; ++i)
        shipped << QStringLiteral("Configs/Profile/Profile %1.prof").arg(i);
    int profiles = 0;
    for (const QString& relative : shipped) {
        const QString target = path(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QVERIFY(QFile::copy(source + QLatin1Char('/') + relative, target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        if (relative.endsWith(QLatin1String(".prof")))
            ++profiles;
    }
    QCOMPARE(profiles, 5);
    // In-process macro saves go to the same directory the tool reads.
    qputenv("MOUSECFG_APP_DIR", m_dir->path().toLocal8Bit());
    qputenv("MOUSECFG_VIRTUAL_STATE", path(QStringLiteral("vm.ini")).toLocal8Bit());
}

void TestMousecfgctl::cleanup()
{
    qunsetenv("MOUSECFG_APP_DIR");
    qunsetenv("MOUSECFG_VIRTUAL_STATE");
    m_dir.reset();
}

Run TestMousecfgctl::run(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOUSECFG_APP_DIR"), m_dir->path());
    env.insert(QStringLiteral("MOUSECFG_DEVICE"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("MOUSECFG_VIRTUAL_STATE"), path(QStringLiteral("vm.ini")));
    env.insert(QStringLiteral("MOUSECFG_VIRTUAL_TRACE"), path(QStringLiteral("trace.txt")));
    env.insert(QStringLiteral("MOUSECFG_POINTER_SPEED"), QStringLiteral("fake"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MOUSECFG_CTL), args);
    Run result;
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

void TestMousecfgctl::setProfileKey(const QString& file, const QString& key, const QString& value)
{
    QFile f(path(file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(f.readAll());
    f.close();
    const QRegularExpression line(QStringLiteral("^%1=.*$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    QVERIFY2(text.contains(line), qPrintable(key));
    text.replace(line, key + QLatin1Char('=') + value);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toLatin1());
}

void TestMousecfgctl::helpAndUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("no command") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
    QTest::newRow("write with an argument") << QStringList{QStringLiteral("write"), QStringLiteral("now")} << 2;
    QTest::newRow("unknown virtual verb") << QStringList{QStringLiteral("virtual"), QStringLiteral("explode")} << 2;
}

void TestMousecfgctl::helpAndUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    const Run r = run(args);
    QCOMPARE(r.code, code);
    if (code == 0)
        QVERIFY(r.out.contains(QLatin1String("Usage: mousecfgctl")));
}

void TestMousecfgctl::devicesListsDongle()
{
    const Run r = run({QStringLiteral("devices")});
    QCOMPARE(r.code, 0);
    VirtualMouse mouse{QString()};
    const QString dongle = mouse.controlPath(VirtualMouse::Identity::Dongle);
    QVERIFY(!dongle.isEmpty());
    QVERIFY2(r.out.contains(dongle), qPrintable(r.out));
    QVERIFY2(r.out.contains(QRegularExpression(QStringLiteral("cable .*not found"))), qPrintable(r.out));
}

void TestMousecfgctl::writeStoresProfileInMouse()
{
    // A colour of our own for effect 1, in the stored form of a colour value (a, r, g, b as 16 bits).
    setProfileKey(QStringLiteral("Configs/Profile/Profile 1.prof"), QStringLiteral("LedMode\\LED_MODE_1_RGB"),
                  QStringLiteral("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34\\x56\\x56\\0\\0)"));
    const Run r = run({QStringLiteral("write")});
    QVERIFY2(r.code == 0, qPrintable(r.err));

    VirtualMouse mouse{path(QStringLiteral("vm.ini"))};
    const QByteArray dpi = mouse.block(VirtualMouse::CmdDpi);
    QCOMPARE(dpi.size(), int(VirtualMouse::DpiSize));
    const int steps[] = {8, 16, 32, 64, 128, 256};
    for (int level = 0; level < 6; ++level) {
        const int at = 1 + 5 * level;
        QCOMPARE(quint8(dpi[at]), quint8(1));
        const QByteArray step = QByteArray(1, char(steps[level] & 0xFF)) + char(steps[level] >> 8);
        QCOMPARE(Bytes(dpi, at + 1, 4), (step + step).toHex(' '));
    }
    QCOMPARE(quint8(dpi[0]), quint8(6));

    const QByteArray buttons = mouse.block(VirtualMouse::CmdButtons);
    QCOMPARE(ButtonSlot(buttons, 0), QByteArray("81 00 00 00"));

    const QByteArray led = mouse.block(VirtualMouse::CmdLed);
    QCOMPARE(Bytes(led, 8, 4), QByteArray("80 12 34 56"));

    const QByteArray settings = mouse.block(VirtualMouse::CmdSettings);
    QCOMPARE(quint8(settings[VirtualMouse::SettingsActiveProfileByte]), quint8(0));

    const Run dump = run({QStringLiteral("virtual"), QStringLiteral("dump")});
    QCOMPARE(dump.code, 0);
    QVERIFY2(dump.out.contains(QLatin1String("400 x 400 DPI")), qPrintable(dump.out));
    QVERIFY(dump.out.contains(QLatin1String("12800 x 12800 DPI")));
    QVERIFY(dump.out.contains(QLatin1String("slot 00: 81 00 00 00")));
}

void TestMousecfgctl::writeTracesReports()
{
    const Run r = run({QStringLiteral("write")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QFile trace(path(QStringLiteral("trace.txt")));
    QVERIFY(trace.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLatin1(trace.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QRegularExpression report(QStringLiteral("^[<>] [0-9A-F]{2}( [0-9A-F]{2}){32}$"));
    QStringList host, mouse;
    for (const QString& line : lines) {
        QVERIFY2(report.match(line).hasMatch(), qPrintable(line));
        (line.startsWith(QLatin1Char('>')) ? host : mouse) << line.mid(2);
    }
    QVERIFY(host.size() > 10);
    QVERIFY(!mouse.isEmpty());
    // The tool asks for the battery first, to tell a sleeping mouse; then the session opens.
    int first = 0;
    if (host[0].startsWith(QLatin1String("05 24 FA 48")))
        first = 1;
    QVERIFY2(QRegularExpression(QStringLiteral("^05 [0-9A-F]{2} FA 46 00 ")).match(host[first]).hasMatch(),
             qPrintable(host[first]));
    QVERIFY(host.last().contains(QRegularExpression(QStringLiteral("^05 [0-9A-F]{2} FA 46 "))));
}

void TestMousecfgctl::writeUploadsBoundMacro()
{
    MacroData macro;
    macro.settings.DelayType = 0;
    for (int key = 4; key <= 6; ++key) {
        macro.events.append(MacroEvent{KeyPress, 0, quint8(key)});
        if (key < 6)
            macro.events.append(MacroEvent{KeyRelease, 0, quint8(key)});
    }
    QVERIFY(SaveMacroFile(QStringLiteral("Combo"), macro));
    QVERIFY(QFile::exists(path(QStringLiteral("Configs/MacroDB/Combo.MSMACRO"))));

    const QString profile = QStringLiteral("Configs/Profile/Profile 1.prof");
    setProfileKey(profile, QStringLiteral("BUTTON_INFO_3_Fun"), QStringLiteral("200"));
    setProfileKey(profile, QStringLiteral("BUTTON_INFO_3_macroname"), QStringLiteral("Combo"));
    setProfileKey(profile, QStringLiteral("BUTTON_INFO_3_Res1"), QStringLiteral("0"));
    setProfileKey(profile, QStringLiteral("BUTTON_INFO_3_LoopNumber"), QStringLiteral("1"));

    const Run r = run({QStringLiteral("write")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains(QLatin1String("1 macro(s)")), qPrintable(r.out));

    VirtualMouse mouse{path(QStringLiteral("vm.ini"))};
    const QByteArray buttons = mouse.block(VirtualMouse::CmdButtons);
    QCOMPARE(ButtonSlot(buttons, 3), QByteArray("91 00 01 00"));
    const QByteArray macros = mouse.block(VirtualMouse::CmdMacros);
    // Map, DataL, DataH; with no delay of its own a one-unit pause follows every fourth event and the last.
    const QByteArray expected = QByteArray::fromHex("840400 040400 840500 040500 060100 840600 060100").toHex(' ');
    QCOMPARE(Bytes(macros, 0, 21), expected);
    QCOMPARE(macros.mid(21, VirtualMouse::MacroSlotSize - 21), QByteArray(VirtualMouse::MacroSlotSize - 21, '\0'));
}

void TestMousecfgctl::sleepingMouseFailsWrite()
{
    QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("sleep"), QStringLiteral("on")}).code, 0);
    const Run r = run({QStringLiteral("write")});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QLatin1String("Mouse is sleeping or not connected.")), qPrintable(r.err));
    // Nothing reached the mouse's memory.
    VirtualMouse mouse{path(QStringLiteral("vm.ini"))};
    QVERIFY(mouse.isAsleep());
    QCOMPARE(mouse.block(VirtualMouse::CmdMacros), QByteArray(VirtualMouse::MacroSize, '\0'));
}

void TestMousecfgctl::unpluggedMouseFailsWrite()
{
    QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("unplug"), QStringLiteral("dongle")}).code, 0);
    const Run r = run({QStringLiteral("write")});
    QVERIFY(r.code != 0);
    QVERIFY(r.code > 0);
    QVERIFY2(r.err.contains(QLatin1String("Mouse is sleeping or not connected.")), qPrintable(r.err));
}

void TestMousecfgctl::batteryPrintsPercentage()
{
    // 3993 mV lies in the 70 % step (3900..3999).
    QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("battery"), QStringLiteral("3993")}).code, 0);
    const Run r = run({QStringLiteral("battery")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QLatin1String("Battery: 70%")), qPrintable(r.out));
    QVERIFY(r.out.contains(QLatin1String("Charging: no")));
}

void TestMousecfgctl::listenServesTheMovingVirtualMouse()
{
    QProcess listen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOUSECFG_APP_DIR"), m_dir->path());
    env.insert(QStringLiteral("MOUSECFG_DEVICE"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("MOUSECFG_VIRTUAL_STATE"), path(QStringLiteral("vm.ini")));
    listen.setProcessEnvironment(env);
    listen.start(QStringLiteral(MOUSECFG_CTL), {QStringLiteral("listen"), QStringLiteral("30")});
    QByteArray heard;
    const auto hears = [&](const QByteArray& text, int count) {
        heard += listen.readAllStandardOutput();
        return heard.count(text) >= count;
    };
    QTRY_VERIFY_WITH_TIMEOUT(hears("battery: ", 1), 10000);

    // listen holds the virtual mouse, so it serves the commands: movement at 1000 Hz, and
    // the status and battery reports sent meanwhile all arrive, in order.
    Run r = run({QStringLiteral("virtual"), QStringLiteral("move"), QStringLiteral("1000"), QStringLiteral("20")});
    QCOMPARE(r.code, 0);
    QVERIFY2(!r.out.contains(QLatin1String("No program")), qPrintable(r.out));
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        const int profile = i % 5 + 1, level = i % 6 + 1;
        QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("status"), QString::number(profile),
                      QString::number(level), QStringLiteral("1")}).code, 0);
        expected << QStringLiteral("status: profile %1, DPI level %2, report rate 1000 Hz").arg(profile).arg(level);
        if (i % 5 == 4)
            QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("battery"), QStringLiteral("3993")}).code, 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(hears("status: ", 10), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(hears("battery: 70%", 2), 10000);
    listen.terminate();
    listen.waitForFinished(5000);
    QStringList statuses;
    for (const QByteArray& line : heard.split('\n'))
        if (line.startsWith("status: "))
            statuses << QString::fromLatin1(line.split(',').mid(0, 3).join(','));
    QCOMPARE(statuses, expected);
}

void TestMousecfgctl::noAccessNamesTheRule()
{
    QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("access"), QStringLiteral("deny")}).code, 0);
    const Run devices = run({QStringLiteral("devices")});
    QCOMPARE(devices.code, 4);
    QVERIFY2(devices.out.contains(QLatin1String(" (no access)")), qPrintable(devices.out));
    for (const char* command : {"battery", "write"}) {
        const Run r = run({QLatin1String(command)});
        QCOMPARE(r.code, 4);
        QVERIFY2(r.err.contains(QLatin1String("mousecfgctl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules")),
                 qPrintable(r.err));
    }
    const Run rule = run({QStringLiteral("udev-rule")});
    QCOMPARE(rule.code, 0);
    QVERIFY(rule.out.contains(QLatin1String("TAG+=\"uaccess\"")));
    QCOMPARE(run({QStringLiteral("virtual"), QStringLiteral("access"), QStringLiteral("allow")}).code, 0);
    QCOMPARE(run({QStringLiteral("battery")}).code, 0);
}

void TestMousecfgctl::selectSetsActiveProfile_data()
{
    QTest::addColumn<QString>("arg");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("profileId");
    QTest::newRow("select 3 stores index 2") << QStringLiteral("3") << 0 << 2;
    QTest::newRow("select 5 stores index 4") << QStringLiteral("5") << 0 << 4;
    QTest::newRow("select 9 refused") << QStringLiteral("9") << 2 << -1;
    QTest::newRow("select 0 refused") << QStringLiteral("0") << 2 << -1;
    QTest::newRow("select x refused") << QStringLiteral("x") << 2 << -1;
}

void TestMousecfgctl::selectSetsActiveProfile()
{
    QFETCH(QString, arg);
    QFETCH(int, code);
    QFETCH(int, profileId);
    const QString config = path(QStringLiteral("Configs/Config.ini"));
    const QVariant before = QSettings(config, QSettings::IniFormat).value(QStringLiteral("Config/ProfileID"));
    const Run r = run({QStringLiteral("select"), arg});
    QCOMPARE(r.code, code);
    const QVariant after = QSettings(config, QSettings::IniFormat).value(QStringLiteral("Config/ProfileID"));
    if (profileId < 0) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.toInt(), profileId);
    VirtualMouse mouse{path(QStringLiteral("vm.ini"))};
    QCOMPARE(int(mouse.activeProfile()), profileId);
}

QTEST_GUILESS_MAIN(TestMousecfgctl)
#include "tst_mousecfgctl.moc"
