// Default profiles (with and without a descriptor), the descriptor counts, and the
// change mask the writer uses to decide which blocks to send.
#include "AppPaths.h"
#include "Descriptor.h"
#include "IniFile.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QtTest>

class SettingsRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void builtInDefaultProfile();
    void descriptorDefaultProfile();
    void descriptorSuppliesOnlySixteenButtons();
    void descriptorCounts_data();
    void descriptorCounts();
    void descriptorScalarsFallBack();
    void makeDefaultSettingsKeepsOtherProfiles();
    void compareSettings_data();
    void compareSettings();
    void macroWriteSignSetsButtonsOnce();
    void changedMacroNameSetsButtons();
    void unknownEffectDoesNotIndexLedEntries();
};

namespace {

QByteArray Descriptor(const QByteArray& extra)
{
    return "[PROFILE]\n" + extra;
}

SettingsRecord FilledSettings()
{
    SettingsRecord s;
    for (ProfileRecord& p : s.profiles)
        MakeDefaultProfile(p);
    s.profiles[0].BUTTON_INFO[5].Fun = kMacroFunction;
    s.profiles[0].BUTTON_INFO[5].macroname = QStringLiteral("Combo");
    return s;
}

} // namespace

void SettingsRecordTest::builtInDefaultProfile()
{
    TestAppDir dir;  // no DefaultProfile.bin
    ProfileRecord p;
    p.ProfileName = QStringLiteral("kept?");
    p.BUTTON_INFO[30].Fun = 77;
    MakeDefaultProfile(p);

    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.LedMode), 9);
    QCOMPARE(int(p.LedMoveOFF), 0);
    QCOMPARE(int(p.LedSleepTime), 1);
    QCOMPARE(int(p.mousespeed), 10);
    QCOMPARE(int(p.dbclickspeed), 5);
    QCOMPARE(int(p.scrollspeed), 1);
    QCOMPARE(int(p.accelenable), 1);
    QCOMPARE(int(p.acee), 1);
    QVERIFY(p.ProfileName.isEmpty());
    const quint32 steps[8] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(int(p.DPI_INFO[i].used), 1);
        QCOMPARE(int(p.DPI_INFO[i].link), 1);
        QCOMPARE(p.DPI_INFO[i].xy, steps[i]);
        QCOMPARE(p.DPI_INFO[i].x, steps[i]);
        QCOMPARE(p.DPI_INFO[i].y, steps[i]);
    }
    const int functions[] = {1, 2, 3, 4, 5, 4, 5, 0, 0, 0};
    for (int b = 0; b < 10; ++b)
        QCOMPARE(p.BUTTON_INFO[b].Fun, functions[b]);
    QCOMPARE(p.BUTTON_INFO[30].Fun, 0);
    QCOMPARE(p.BUTTON_INFO[40].Fun, 52);
    QCOMPARE(p.BUTTON_INFO[41].Fun, 53);
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedModeRecord& led = p.LedModes[e];
        QCOMPARE(led.RGB, e == 10 ? StoredColor::fromRgb(0, 255, 0) : StoredColor::fromRgb(255, 0, 0));
        QCOMPARE(led.h, 360);
        QCOMPARE(led.s, 0);
        QCOMPARE(led.v, 0);
        QCOMPARE(led.bright, 3);
        const int breath = e == 4 ? 2 : e == 9 ? 4 : e == 10 ? 5 : e == 12 ? 1 : 3;
        QCOMPARE(led.breath, breath);
    }
}

void SettingsRecordTest::descriptorDefaultProfile()
{
    TestAppDir dir;
    dir.installShippedDescriptor();
    ProfileRecord p;
    MakeDefaultProfile(p);

    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.LedMode), 1);
    QCOMPARE(int(p.LedSleepTime), 1);
    const quint32 steps[8] = {8, 16, 32, 64, 128, 256, 320, 400};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(p.DPI_INFO[i].x, steps[i]);
        QCOMPARE(p.DPI_INFO[i].y, steps[i]);
        QCOMPARE(int(p.DPI_INFO[i].used), 1);
    }
    const int functions[] = {1, 2, 3, 4, 5, 48, 49, 47};
    for (int b = 0; b < 8; ++b)
        QCOMPARE(p.BUTTON_INFO[b].Fun, functions[b]);
    QCOMPARE(p.BUTTON_INFO[40].Fun, 52);
    QCOMPARE(p.BUTTON_INFO[41].Fun, 53);
    QCOMPARE(p.LedModes[3].RGB, StoredColor::fromRgb(0, 0, 255));
    QCOMPARE(p.LedModes[12].breath, 1);
    QCOMPARE(p.LedModes[12].h, 360);
}

void SettingsRecordTest::descriptorSuppliesOnlySixteenButtons()
{
    TestAppDir dir;
    QByteArray text;
    for (int i = 0; i < 20; ++i)
        text += QByteArray("BUTTON_INFO_") + QByteArray::number(i) + "_Fun=9\nBUTTON_INFO_"
            + QByteArray::number(i) + "_ID=4\n";
    dir.write(QStringLiteral("DefaultProfile.bin"), Descriptor(text));
    ProfileRecord p;
    MakeDefaultProfile(p);
    QCOMPARE(p.BUTTON_INFO[15].Fun, 9);
    QCOMPARE(p.BUTTON_INFO[15].ID, 0);  // the descriptor's ID is not copied
    QCOMPARE(p.BUTTON_INFO[16].Fun, 0);
    QCOMPARE(p.BUTTON_INFO[19].Fun, 0);
    // A colour that is missing stays invalid, a number that is missing stays 0.
    QVERIFY(!p.LedModes[0].RGB.isValid());
    QCOMPARE(p.LedModes[0].bright, 0);
}

void SettingsRecordTest::descriptorCounts_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("rawLevels");
    QTest::addColumn<int>("levels");

    QTest::newRow("13 xor 5 is 8 buttons, 1 xor 13 xor 5 is 9 levels -> 8")
        << QByteArray("ButtonCount=13\nMouseDpi=5\nDPICount=1\n") << 8 << 9 << 8;
    QTest::newRow("no DPICount: 8 xor 0 levels")
        << QByteArray("ButtonCount=13\nMouseDpi=5\n") << 8 << 8 << 8;
    QTest::newRow("no DPICount, count 0 -> 8") << QByteArray("ButtonCount=5\nMouseDpi=5\n") << 0 << 0 << 8;
    QTest::newRow("shipped model: 8 buttons, 6 levels")
        << QByteArray("ButtonCount=13\nMouseDpi=5\nDPICount=14\n") << 8 << 6 << 6;
    QTest::newRow("negative count is no buttons") << QByteArray("ButtonCount=-7\nMouseDpi=0\n") << 0 << -7 << 8;
    QTest::newRow("count past the tables is 16") << QByteArray("ButtonCount=1000\n") << 16 << 1000 << 8;
    QTest::newRow("text is 0") << QByteArray("ButtonCount=abc\nMouseDpi=3\nDPICount=x\n") << 3 << 3 << 3;
}

void SettingsRecordTest::descriptorCounts()
{
    QFETCH(QByteArray, keys);
    TestAppDir dir;
    dir.write(QStringLiteral("DefaultProfile.bin"), Descriptor(keys));
    QTEST(DescriptorButtonCount(), "buttons");
    QTEST(DpiLevelCount(), "rawLevels");
    QTEST(EffectiveDpiLevelCount(), "levels");
}

void SettingsRecordTest::descriptorScalarsFallBack()
{
    TestAppDir dir;
    QCOMPARE(DescriptorVid1(), 0x248A);
    QCOMPARE(DescriptorPid1(), 0xFA02);
    QCOMPARE(DescriptorVid2(), 0x248A);
    QCOMPARE(DescriptorPid2(), 0xFB01);
    QCOMPARE(DescriptorShowSleep(), 1);
    QCOMPARE(DescriptorSleepMax(), 9);
    QCOMPARE(DescriptorMinDelay(), 10);
    QCOMPARE(DescriptorFrench(), -1);
    QCOMPARE(DescriptorButtonCount(), 0);
    QCOMPARE(EffectiveDpiLevelCount(), 8);
    std::array<quint8, 7> sensor{{9, 9, 9, 9, 9, 9, 9}};
    QCOMPARE(ReadSensorDefaults(sensor), -1);
    QCOMPARE(int(sensor[0]), 9);  // untouched without the file
    std::array<quint8, 16> matrix{};
    QCOMPARE(ReadButtonMatrix(matrix), -1);

    dir.write(QStringLiteral("DefaultProfile.bin"), Descriptor("vid1=abc\nMinDelay=0\nfrench=2\n"));
    QCOMPARE(DescriptorVid1(), 0x248A);  // not a number: the default
    QCOMPARE(DescriptorMinDelay(), 1);   // a zero unit would divide by zero later
    QCOMPARE(DescriptorFrench(), 2);
}

void SettingsRecordTest::makeDefaultSettingsKeepsOtherProfiles()
{
    TestAppDir dir;
    dir.installShippedDescriptor();
    SettingsRecord s;
    s.ProfileID = 3;
    s.Count = 42;
    s.profiles[0].pollrate = 8;
    s.profiles[1].pollrate = 4;
    s.profiles[4].ProfileName = QStringLiteral("Mine");
    MakeDefaultSettings(s);
    QCOMPARE(int(s.ProfileID), 0);
    QCOMPARE(int(s.Count), 42);
    QCOMPARE(int(s.profiles[0].pollrate), 1);
    QCOMPARE(int(s.profiles[1].pollrate), 4);
    QCOMPARE(s.profiles[4].ProfileName, QStringLiteral("Mine"));
    QCOMPARE(int(s.LiftHigh), 1);
    QCOMPARE(int(s.Debounce), 4);
    QCOMPARE(int(s.Wake), 1);
    QCOMPARE(int(s.SensorMode), 1);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(s.names[i], QStringLiteral("Profile %1").arg(i + 1));
}

using Edit = std::function<void(SettingsRecord&)>;
Q_DECLARE_METATYPE(Edit)

void SettingsRecordTest::compareSettings_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("mask");

    QTest::newRow("nothing changed") << Edit([](SettingsRecord&) {}) << 0;
    QTest::newRow("colour of an inactive effect") << Edit([](SettingsRecord& s) {
        s.profiles[0].LedModes[5].RGB = StoredColor::fromRgb(1, 2, 3);
    }) << 0;
    QTest::newRow("colour of an inactive profile's effect") << Edit([](SettingsRecord& s) {
        s.profiles[3].LedModes[s.profiles[3].LedMode].RGB = StoredColor::fromRgb(1, 2, 3);
    }) << 0;
    QTest::newRow("brightness of the active effect")
        << Edit([](SettingsRecord& s) { s.profiles[0].LedModes[s.profiles[0].LedMode].bright = 1; }) << 0x08;
    QTest::newRow("speed of another effect the mouse keeps a record of")
        << Edit([](SettingsRecord& s) { s.profiles[0].LedModes[12].breath = 77; }) << 0x08;
    QTest::newRow("effect of an inactive profile")
        << Edit([](SettingsRecord& s) { s.profiles[2].LedMode = 4; }) << 0;
    QTest::newRow("effect of the active profile")
        << Edit([](SettingsRecord& s) { s.profiles[0].LedMode = 4; }) << (0x01 | 0x08);
    QTest::newRow("another active profile: everything") << Edit([](SettingsRecord& s) { s.ProfileID = 2; }) << 0x0F;
    QTest::newRow("dpi of an inactive profile") << Edit([](SettingsRecord& s) { s.profiles[4].dpi = 5; }) << 0;
    QTest::newRow("dpi of the active profile") << Edit([](SettingsRecord& s) { s.profiles[0].dpi = 5; }) << 0x01;
    QTest::newRow("sleep time of the active profile")
        << Edit([](SettingsRecord& s) { s.profiles[0].LedSleepTime = 5; }) << 0x01;
    QTest::newRow("move-off of the active profile")
        << Edit([](SettingsRecord& s) { s.profiles[0].LedMoveOFF = 255; }) << 0x01;
    QTest::newRow("report rate of profile 3") << Edit([](SettingsRecord& s) { s.profiles[3].pollrate = 8; }) << 0x01;
    QTest::newRow("scroll lines of profile 4") << Edit([](SettingsRecord& s) { s.profiles[4].scrollspeed = 3; }) << 0x01;
    QTest::newRow("sensor option") << Edit([](SettingsRecord& s) { s.Jitter = 1; }) << 0x01;
    QTest::newRow("Count is never compared") << Edit([](SettingsRecord& s) { s.Count = 9; }) << 0;
    QTest::newRow("names and pointer options are not compared") << Edit([](SettingsRecord& s) {
        s.names[1] = QStringLiteral("x");
        s.profiles[1].ProfileName = QStringLiteral("y");
        s.profiles[1].mousespeed = 3;
        s.profiles[1].accelenable = 0;
    }) << 0;
    QTest::newRow("link flag alone") << Edit([](SettingsRecord& s) { s.profiles[0].DPI_INFO[3].link = 0; }) << 0;
    QTest::newRow("xy alone") << Edit([](SettingsRecord& s) { s.profiles[0].DPI_INFO[3].xy = 99; }) << 0;
    QTest::newRow("x of level 7") << Edit([](SettingsRecord& s) { s.profiles[0].DPI_INFO[7].x = 99; }) << 0x02;
    QTest::newRow("a level of an inactive profile") << Edit([](SettingsRecord& s) { s.profiles[4].DPI_INFO[7].x = 99; }) << 0;
    QTest::newRow("level enabled") << Edit([](SettingsRecord& s) { s.profiles[0].DPI_INFO[0].used = 0; }) << 0x02;
    QTest::newRow("button function") << Edit([](SettingsRecord& s) { s.profiles[0].BUTTON_INFO[41].Fun = 3; }) << 0x04;
    QTest::newRow("a button of an inactive profile") << Edit([](SettingsRecord& s) { s.profiles[1].BUTTON_INFO[41].Fun = 3; }) << 0;
    QTest::newRow("last key event byte")
        << Edit([](SettingsRecord& s) { s.profiles[0].BUTTON_INFO[41].KeyInfo[62].H = 1; }) << 0x04;
    QTest::newRow("Res4") << Edit([](SettingsRecord& s) { s.profiles[0].BUTTON_INFO[0].Res4 = 1; }) << 0x04;
    QTest::newRow("macro name of a non-macro button is not compared")
        << Edit([](SettingsRecord& s) { s.profiles[0].BUTTON_INFO[1].macroname = QStringLiteral("x"); }) << 0;
}

void SettingsRecordTest::compareSettings()
{
    QFETCH(Edit, edit);
    TestAppDir dir;
    dir.installShippedDescriptor();
    const SettingsRecord written = FilledSettings();
    SettingsRecord current = written;
    edit(current);
    QTEST(CompareSettings(current, written), "mask");
}

void SettingsRecordTest::macroWriteSignSetsButtonsOnce()
{
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/MacroDB/Combo.MSMACRO"), "[Setting]\nCount=0\nWriteSign=1\n");
    const SettingsRecord written = FilledSettings();
    const SettingsRecord current = written;
    QCOMPARE(CompareSettings(current, written), 0x04);
    QCOMPARE(OpenIni(MacroFilePath(QStringLiteral("Combo")))->value(QStringLiteral("Setting/WriteSign")).toInt(), 0);
    QCOMPARE(CompareSettings(current, written), 0);
}

void SettingsRecordTest::changedMacroNameSetsButtons()
{
    TestAppDir dir;
    const SettingsRecord written = FilledSettings();
    SettingsRecord current = written;
    current.profiles[0].BUTTON_INFO[5].macroname = QStringLiteral("Other");
    QCOMPARE(CompareSettings(current, written), 0x04);
    // A macro name that would leave the macro folder is never opened.
    current = written;
    current.profiles[0].BUTTON_INFO[5].macroname = QStringLiteral("../../Config");
    SettingsRecord before = current;
    QCOMPARE(CompareSettings(current, before), 0);
}

void SettingsRecordTest::unknownEffectDoesNotIndexLedEntries()
{
    TestAppDir dir;
    SettingsRecord written = FilledSettings();
    written.profiles[0].LedMode = 200;
    SettingsRecord current = written;
    QVERIFY(ActiveLedEntry(current.profiles[0]) == nullptr);
    QCOMPARE(CompareSettings(current, written), 0);
    current.profiles[0].LedMode = 13;
    QCOMPARE(CompareSettings(current, written), 0x01 | 0x08);
}

QTEST_GUILESS_MAIN(SettingsRecordTest)
#include "tst_settingsrecord.moc"
