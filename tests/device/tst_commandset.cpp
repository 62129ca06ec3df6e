#include "CommandSet.h"
#include "Descriptor.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QtTest>

namespace {

QByteArray ReportHex(const Report& r, int from = 0, int length = kReportLength)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()) + from, length).toHex(' ');
}

// A whole report from its first bytes, zeros after.
QByteArray Full(const QByteArray& hex)
{
    QByteArray bytes = QByteArray::fromHex(hex);
    bytes.append(QByteArray(kReportLength - bytes.size(), '\0'));
    return bytes.toHex(' ');
}

QByteArray CloseOf(const char* command) { return Full(QByteArray("0500fa") + command + "7f0001d31a"); }

} // namespace

class TestCommandSet : public QObject
{
    Q_OBJECT

private slots:
    void controlCommands();
    void selectProfileRefusesBadIndex_data();
    void selectProfileRefusesBadIndex();
    void queryBattery();
    void settingsBlockLayout();
    void settingsFlagsBySyncMode_data();
    void settingsFlagsBySyncMode();
    void ledEffectSlotByte_data();
    void ledEffectSlotByte();
    void settingsBlockOutOfRangeActiveProfile();
    void dpiHeaderCount_data();
    void dpiHeaderCount();
    void dpiLevelsAboveCountSentDisabled();
    void ledBlock();
    void buttonBlockFraming();
    void loadDeviceContext();
};

void TestCommandSet::controlCommands()
{
    const ReportList begin = BuildWriteSession(0);
    QCOMPARE(begin.size(), 1);
    QCOMPARE(ReportHex(begin[0]), Full("0500fa46"));
    QCOMPARE(ReportHex(BuildWriteSession(1).value(0)), Full("0500fa4601"));
    QVERIFY(BuildWriteSession(2).isEmpty());
    QVERIFY(BuildWriteSession(-1).isEmpty());

    QCOMPARE(ReportHex(BuildApplySection(0x08)), Full("0500fa40f308"));
    const ReportList apply = BuildApplySections();
    QCOMPARE(apply.size(), 5);
    const char* masks[] = {"04", "01", "02", "08", "10"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(ReportHex(apply[i]), Full(QByteArray("0500fa40f3") + masks[i]));

    const ReportList select = BuildSelectProfile(3);
    QCOMPARE(select.size(), 2);
    QCOMPARE(ReportHex(select[0]), Full("0500fa4403"));
    QCOMPARE(ReportHex(select[1]), Full("0500fa40f301"));

    QCOMPARE(ReportHex(BuildBlockClose(0x02)), CloseOf("02"));
}

void TestCommandSet::selectProfileRefusesBadIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("reports");
    QTest::newRow("profile 0") << 0 << 2;
    QTest::newRow("profile 4") << 4 << 2;
    QTest::newRow("profile 5 refused") << 5 << 0;
    QTest::newRow("profile -1 refused") << -1 << 0;
    QTest::newRow("profile 256 refused") << 256 << 0;
}

void TestCommandSet::selectProfileRefusesBadIndex()
{
    QFETCH(int, index);
    QFETCH(int, reports);
    QCOMPARE(BuildSelectProfile(index).size(), reports);
}

void TestCommandSet::queryBattery()
{
    const Report r = BuildQueryBattery();
    QCOMPARE(ReportHex(r), Full("0524fa48"));
    QCOMPARE(int(ReportChecksum(r)), 0x24);
}

void TestCommandSet::settingsBlockLayout()
{
    SettingsRecord s;
    for (int p = 0; p < kProfileCount; ++p) {
        s.profiles[p].scrollspeed = quint8(0x11 + p);
        s.profiles[p].pollrate = quint8(0x21 + p);
        s.profiles[p].dpi = quint8(p);
        s.profiles[p].LedMode = quint8(p);
        s.profiles[p].LedMoveOFF = quint8(0x31 + p);
        s.profiles[p].LedSleepTime = quint8(0x41 + p);
    }
    s.ProfileID = 2;
    s.LiftHigh = 0x03;
    s.Debounce = 0x0C;
    DeviceContext c;
    c.syncMode = 0;

    const ReportList reports = BuildSettingsBlock(s, c);
    QCOMPARE(reports.size(), 2);
    QCOMPARE(ReportHex(reports[0]),
             Full("0500fa01000013d1"
                  "1112131415"   // scroll speeds
                  "03"           // lift
                  "02"           // active profile
                  "33" "43"      // the active profile's LED off switch and sleep time
                  "0c" "01"      // debounce, constant
                  "2122232425"   // report rates
                  "1f"
                  "02"           // active profile's DPI level
                  "03"));        // its effect 2 lives in slot 2
    QCOMPARE(ReportHex(reports[1]), CloseOf("01"));
}

void TestCommandSet::settingsFlagsBySyncMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("sync");
    QTest::addColumn<int>("flags");

    // LiftHigh is 2 in every row.
    QTest::newRow("SyncMode 0 sends LiftHigh") << 0 << 0 << 0 << 1 << 0x02;
    QTest::newRow("SyncMode 1 Sync on sends 1") << 1 << 0 << 0 << 5 << 0x01;
    QTest::newRow("SyncMode 1 Sync off sends 0") << 1 << 0 << 0 << 0 << 0x00;
    QTest::newRow("SyncMode 2 Jitter 0 and AngleValue 0: only 0x20") << 2 << 0 << 0 << 1 << 0x22;
    QTest::newRow("SyncMode 2 AngleValue 0 adds 0x40") << 2 << 1 << 0 << 1 << 0x42;
    QTest::newRow("SyncMode 2 Sync adds 0x80") << 2 << 1 << 1 << 1 << 0x82;
    QTest::newRow("SyncMode 2 nothing set") << 2 << 1 << 1 << 0 << 0x02;
    QTest::newRow("SyncMode 9 as SyncMode 2") << 9 << 3 << 0 << 0 << 0x42;
    QTest::newRow("SyncMode -1 as SyncMode 2") << -1 << 0 << 1 << 0 << 0x22;
}

void TestCommandSet::settingsFlagsBySyncMode()
{
    QFETCH(int, mode);
    QFETCH(int, jitter);
    QFETCH(int, angle);
    QFETCH(int, sync);
    QFETCH(int, flags);
    SettingsRecord s;
    s.LiftHigh = 2;
    s.Jitter = quint8(jitter);
    s.AngleValue = quint8(angle);
    s.Sync = quint8(sync);
    DeviceContext c;
    c.syncMode = mode;
    QCOMPARE(int(BuildSettingsBlock(s, c).at(0)[13]), flags);
}

void TestCommandSet::ledEffectSlotByte_data()
{
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<int>("byte26");
    const int expected[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    for (int mode = 0; mode < 14; ++mode)
        QTest::addRow("LedMode %d sends %d", mode, expected[mode]) << mode << expected[mode];
    QTest::newRow("LedMode 14 sends 6") << 14 << 6;
    QTest::newRow("LedMode 255 sends 6") << 255 << 6;
}

void TestCommandSet::ledEffectSlotByte()
{
    QFETCH(int, ledMode);
    QFETCH(int, byte26);
    SettingsRecord s;
    s.ProfileID = 1;
    s.profiles[1].LedMode = quint8(ledMode);
    QCOMPARE(int(BuildSettingsBlock(s, DeviceContext{}).at(0)[26]), byte26);
    QCOMPARE(int(LedEffectSlotByte(ledMode)), byte26);
}

void TestCommandSet::settingsBlockOutOfRangeActiveProfile()
{
    SettingsRecord s;
    s.ProfileID = 9;
    s.profiles[0].dpi = 4;
    const Report r = BuildSettingsBlock(s, DeviceContext{}).at(0);
    QCOMPARE(int(r[14]), 0);
    QCOMPARE(int(r[25]), 4);
}

void TestCommandSet::dpiHeaderCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sent");
    QTest::newRow("count 0 sends 8") << 0 << 8;
    QTest::newRow("count 9 sends 8") << 9 << 8;
    QTest::newRow("count -1 sends 8") << -1 << 8;
    QTest::newRow("count 1") << 1 << 1;
    QTest::newRow("count 5") << 5 << 5;
    QTest::newRow("count 8") << 8 << 8;
}

void TestCommandSet::dpiHeaderCount()
{
    QFETCH(int, count);
    QFETCH(int, sent);
    DeviceContext c;
    c.dpiLevelCount = count;
    const ReportList reports = BuildDpiBlock(SettingsRecord{}, c);
    QCOMPARE(reports.size(), 10);
    QCOMPARE(ReportHex(reports[0]), Full("0500fa02000001d1" + QByteArray::number(sent, 16).rightJustified(2, '0')));
}

void TestCommandSet::dpiLevelsAboveCountSentDisabled()
{
    SettingsRecord s;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        DpiLevel& level = s.profiles[0].DPI_INFO[i];
        level.used = 1;
        level.x = quint32(100 + i);
        level.y = quint32(300 + 10 * i);
    }
    s.profiles[1].DPI_INFO[0].x = 400;   // only profile 0 is sent
    DeviceContext c;
    c.sensor = 3389;
    c.dpiLevelCount = 3;
    const ReportList reports = BuildDpiBlock(s, c);
    QCOMPARE(reports.size(), 10);
    QCOMPARE(ReportHex(reports[1]), Full("0500fa02010005d2" "01" "6400" "2c01"));
    QCOMPARE(ReportHex(reports[3]), Full("0500fa020b0005d2" "01" "6600" "4001"));
    QCOMPARE(ReportHex(reports[4]), Full("0500fa02100005d2" "00" "6700" "aa80"));
    QCOMPARE(ReportHex(reports[8]), Full("0500fa02240005d2" "00" "6b00" "d280"));
    QCOMPARE(ReportHex(reports[9]), CloseOf("02"));
}

void TestCommandSet::ledBlock()
{
    SettingsRecord s;
    auto& leds = s.profiles[0].LedModes;
    for (int e = 0; e < kLedEffectCount; ++e) {
        leds[e].RGB = StoredColor::fromRgb(0x10 + e, 0x20 + e, 0x30 + e);
        leds[e].bright = 0x40 + e;
        leds[e].breath = 0x50 + e;
    }
    leds[13].bright = 1000;   // a damaged file; the byte holds at 255
    s.profiles[3].LedModes[1].bright = 0x77;   // only profile 0 is sent

    const ReportList reports = BuildLedBlock(s);
    QCOMPARE(reports.size(), 5);
    QCOMPARE(ReportHex(reports[0]), Full("0500fa04000018d1"
                                         "8000000000000000"      // effect 0
                                         "8011213101000241"      // effect 1
                                         "8012223201520403"));   // effect 2
    QCOMPARE(ReportHex(reports[1]), Full("0500fa04180018d2"
                                         "8000000001530103"      // effect 3
                                         "8000000001540844"      // effect 4
                                         "8000000005590149"));   // effect 9
    QCOMPARE(ReportHex(reports[2]), Full("0500fa04300018d2"
                                         "800000000700004b"      // effect 11
                                         "80000000065a004a"      // effect 10
                                         "80000000085c004c"));   // effect 12
    QCOMPARE(ReportHex(reports[3]), Full("0500fa04480008d2"
                                         "80000000095d00ff"));   // effect 13
    QCOMPARE(ReportHex(reports[4]), CloseOf("04"));
}

void TestCommandSet::buttonBlockFraming()
{
    ButtonImage image{};
    for (int i = 0; i < kButtonImageSize; ++i)
        image[i] = quint8(i);
    const ReportList reports = BuildButtonBlock(image);
    QCOMPARE(reports.size(), 7);
    QCOMPARE(ReportHex(reports[0]), Full("0500fa03000002d10001"));
    const int offsets[] = {2, 26, 50, 74};
    for (int k = 0; k < 4; ++k) {
        QByteArray expected = QByteArray::fromHex("0500fa03");
        expected += char(offsets[k]);
        expected += QByteArray::fromHex("0018d2");
        for (int i = 0; i < 24; ++i)
            expected += char(offsets[k] + i);
        QCOMPARE(ReportHex(reports[1 + k]), Full(expected.toHex()));
    }
    QCOMPARE(ReportHex(reports[5]), Full("0500fa03620004d2ffffffff"));
    QCOMPARE(ReportHex(reports[6]), CloseOf("03"));
}

void TestCommandSet::loadDeviceContext()
{
    TestAppDir app;
    app.write(QStringLiteral("DefaultProfile.bin"),
              "[PROFILE]\nButtonCount=13\nMouseDpi=5\nDPICount=1\nSyncMode=2\nScrollRev=1\n");
    app.write(QStringLiteral("Configs/Config.ini"), "[MouseSenSor]\n1=3389\n");
    ButtonMatrix().fill(kNoButtonSlot);
    ButtonMatrix()[0] = 7;

    const DeviceContext c = LoadDeviceContext(8);
    QCOMPARE(c.sensor, 3389);
    QCOMPARE(c.syncMode, 2);
    QCOMPARE(c.buttonCount, 8);
    QCOMPARE(c.dpiLevelCount, 8);   // 1 ^ 13 ^ 5 = 9 levels is not a product
    QCOMPARE(c.scrollRev, 1);
    QCOMPARE(int(c.buttonMatrix[0]), 7);
    QCOMPARE(int(c.buttonMatrix[1]), int(kNoButtonSlot));
    QCOMPARE(int(c.firmwareFlag), 8);
}

QTEST_GUILESS_MAIN(TestCommandSet)
#include "tst_commandset.moc"
