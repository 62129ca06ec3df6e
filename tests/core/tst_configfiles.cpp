// Profile files, Config.ini, the load/save sequences, exported configurations and the
// profile list, on real files in a temporary application directory.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "IniFile.h"
#include "ProfileList.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QtTest>

class ConfigFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void profileFileRoundTripChangesEveryKey();
    void profileFileKeyNames();
    void missingProfileFileLoadsZeros();
    void firstStartWithoutConfigs();
    void loadAndSaveFollowProfileNames();
    void saveSettingsWritesEverySlot();
    void saveActiveDpiLevel();
    void exportImportRoundTrip();
    void exportReplacesAnExistingFile();
    void exportToUnwritablePathFails();
    void mouseName();
    void profileList_data();
    void profileList();
    void longProfileListKeptWhole_data();
    void longProfileListKeptWhole();
    void globalConfigKeys();
    void colourWrittenByQtIsKept();
};

namespace {

// Every field distinct from the defaults and from its neighbours.
ProfileRecord DistinctProfile(int seed)
{
    ProfileRecord p;
    p.pollrate = quint8(seed + 1);
    p.dpi = quint8((seed + 2) % 8);
    p.LedMode = quint8((seed + 3) % 14);
    p.LedMoveOFF = 255;
    p.LedSleepTime = quint8(seed + 5);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        p.DPI_INFO[i] = {quint8(1), quint8(i % 2), quint32(1000 + i + seed), quint32(2000 + i), quint32(3000 + i)};
    }
    p.mousespeed = 11;
    p.dbclickspeed = 12;
    p.scrollispage = 1;
    p.scrollspeed = 13;
    p.accelenable = 14;
    p.acee = 15;
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonRecord& r = p.BUTTON_INFO[b];
        r.ID = b + 100;
        r.Fun = b + 200 + seed;
        r.LoopNumber = 65535 - b;
        r.KeyNumber = b % 64;
        for (int k = 0; k < kKeyInfoCount; ++k)
            r.KeyInfo[k] = {quint8(k + 1), quint8(b + k + 2), quint8(255 - k)};
        r.Res1 = quint8(b + 1);
        r.Res2 = quint8(b + 2);
        r.Res3 = quint8(b + 3);
        r.Res4 = quint8(b + 4);
        r.macroname = QStringLiteral("Macro, \"%1\" é").arg(b);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        LedModeRecord& led = p.LedModes[e];
        led.RGB = StoredColor::fromRgb(e * 10, 255 - e, e + seed);
        led.h = 300 + e;
        led.s = 200 + e;
        led.v = 100 + e;
        led.bright = e + 1;
        led.breath = e + 2;
    }
    p.ProfileName = QStringLiteral("Name %1; with = and \\").arg(seed);
    p.ProfilePath = QStringLiteral("/some/where/%1.prof").arg(seed);
    return p;
}

void CompareProfiles(const ProfileRecord& a, const ProfileRecord& b, bool withLedTimers = true)
{
    QCOMPARE(a.pollrate, b.pollrate);
    QCOMPARE(a.dpi, b.dpi);
    QCOMPARE(a.LedMode, b.LedMode);
    if (withLedTimers) {
        QCOMPARE(a.LedMoveOFF, b.LedMoveOFF);
        QCOMPARE(a.LedSleepTime, b.LedSleepTime);
    }
    for (int i = 0; i < kDpiLevelCount; ++i) {
        QCOMPARE(a.DPI_INFO[i].used, b.DPI_INFO[i].used);
        QCOMPARE(a.DPI_INFO[i].link, b.DPI_INFO[i].link);
        QCOMPARE(a.DPI_INFO[i].xy, b.DPI_INFO[i].xy);
        QCOMPARE(a.DPI_INFO[i].x, b.DPI_INFO[i].x);
        QCOMPARE(a.DPI_INFO[i].y, b.DPI_INFO[i].y);
    }
    QCOMPARE(a.mousespeed, b.mousespeed);
    QCOMPARE(a.dbclickspeed, b.dbclickspeed);
    QCOMPARE(a.scrollispage, b.scrollispage);
    QCOMPARE(a.scrollspeed, b.scrollspeed);
    QCOMPARE(a.accelenable, b.accelenable);
    QCOMPARE(a.acee, b.acee);
    for (int btn = 0; btn < kButtonCount; ++btn) {
        const ButtonRecord& x = a.BUTTON_INFO[btn];
        const ButtonRecord& y = b.BUTTON_INFO[btn];
        QCOMPARE(x.ID, y.ID);
        QCOMPARE(x.Fun, y.Fun);
        QCOMPARE(x.LoopNumber, y.LoopNumber);
        QCOMPARE(x.KeyNumber, y.KeyNumber);
        QCOMPARE(x.Res1, y.Res1);
        QCOMPARE(x.Res2, y.Res2);
        QCOMPARE(x.Res3, y.Res3);
        QCOMPARE(x.Res4, y.Res4);
        QCOMPARE(x.macroname, y.macroname);
        for (int k = 0; k < kKeyInfoCount; ++k) {
            QCOMPARE(x.KeyInfo[k].map, y.KeyInfo[k].map);
            QCOMPARE(x.KeyInfo[k].key, y.KeyInfo[k].key);
            QCOMPARE(x.KeyInfo[k].H, y.KeyInfo[k].H);
        }
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        QCOMPARE(a.LedModes[e].RGB, b.LedModes[e].RGB);
        QCOMPARE(a.LedModes[e].h, b.LedModes[e].h);
        QCOMPARE(a.LedModes[e].s, b.LedModes[e].s);
        QCOMPARE(a.LedModes[e].v, b.LedModes[e].v);
        QCOMPARE(a.LedModes[e].bright, b.LedModes[e].bright);
        QCOMPARE(a.LedModes[e].breath, b.LedModes[e].breath);
    }
    QCOMPARE(a.ProfileName, b.ProfileName);
    QCOMPARE(a.ProfilePath, b.ProfilePath);
}

void WriteNames(const QStringList& names)
{
    auto ini = OpenIni(ConfigIniPath());
    for (int i = 0; i < names.size(); ++i)
        ini->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), names[i]);
}

} // namespace

void ConfigFilesTest::profileFileRoundTripChangesEveryKey()
{
    TestAppDir dir;
    const QString path = dir.file(QStringLiteral("Configs/Profile/All.prof"));
    const ProfileRecord first = DistinctProfile(1);
    QVERIFY(SaveProfileFile(first, path));
    auto before = OpenIni(path);
    const QStringList keys = before->allKeys();
    QCOMPARE(keys.size(), 8453);
    QHash<QString, QString> oldText;
    for (const QString& key : keys)
        oldText.insert(key, before->value(key).toString());
    before.reset();

    // A second record differing in every field rewrites every one of the keys.
    ProfileRecord second = DistinctProfile(2);
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonRecord& r = second.BUTTON_INFO[b];
        r.ID += 1; r.LoopNumber -= 1; r.KeyNumber = (r.KeyNumber + 1) % 64;
        r.Res1 += 10; r.Res2 += 10; r.Res3 += 10; r.Res4 += 10;
        r.macroname += QLatin1Char('!');
        for (KeyInfo& k : r.KeyInfo) { k.map += 1; k.key += 1; k.H -= 1; }
    }
    for (int i = 0; i < kDpiLevelCount; ++i) {
        second.DPI_INFO[i].used = 0; second.DPI_INFO[i].link ^= 1;
        second.DPI_INFO[i].x += 7; second.DPI_INFO[i].y += 7;
    }
    second.LedMoveOFF = 0; second.mousespeed = 1; second.dbclickspeed = 2; second.scrollispage = 0;
    second.scrollspeed = 3; second.accelenable = 4; second.acee = 5;
    for (LedModeRecord& led : second.LedModes) {
        led.h += 1; led.s += 1; led.v += 1; led.bright += 1; led.breath += 1;
    }
    QVERIFY(SaveProfileFile(second, path));
    auto after = OpenIni(path);
    QCOMPARE(after->allKeys().size(), 8453);
    QStringList unchanged;
    for (const QString& key : keys)
        if (after->value(key).toString() == oldText.value(key) && key != QLatin1String("PROFILE/LedMode/LED_MODE_0_RGB"))
            unchanged << key;
    // Colours are variants (toString() is empty): compare them through the record instead.
    unchanged.erase(std::remove_if(unchanged.begin(), unchanged.end(),
                                   [](const QString& k) { return k.endsWith(QLatin1String("_RGB")); }),
                    unchanged.end());
    QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.mid(0, 5).join(QLatin1Char(' '))));

    ProfileRecord loaded;
    LoadProfileFile(loaded, path);
    CompareProfiles(loaded, second);
}

void ConfigFilesTest::profileFileKeyNames()
{
    TestAppDir dir;
    const QString path = dir.file(QStringLiteral("p.prof"));
    ProfileRecord p;
    p.BUTTON_INFO[41].KeyInfo[62] = {7, 8, 9};
    p.LedModes[13].RGB = StoredColor::fromRgb(255, 0, 0);
    QVERIFY(SaveProfileFile(p, path));
    const QByteArray text = dir.read(QStringLiteral("p.prof"));
    QVERIFY(text.startsWith("[PROFILE]\n"));
    QVERIFY(text.contains("\nBUTTON_INFO_41_KeyInfo_62_=8\n"));
    QVERIFY(text.contains("\nBUTTON_INFO_41_KeyInfo_62_map=7\n"));
    QVERIFY(text.contains("\nBUTTON_INFO_41_KeyInfo_62_H=9\n"));
    QVERIFY(text.contains("\nDPI_INFO_7_xy=0\n"));
    QVERIFY(text.contains("\nLedMode\\LED_MODE_13_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n"));
    QVERIFY(text.contains("\nLedMode\\LED_MODE_12_RGB=@Variant(\\0\\0\\0\\x43\\0\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n"));
    QVERIFY(text.contains("\nBUTTON_INFO_0_macroname=\n"));
}

void ConfigFilesTest::missingProfileFileLoadsZeros()
{
    TestAppDir dir;
    ProfileRecord p = DistinctProfile(3);
    LoadProfileFile(p, dir.file(QStringLiteral("nothing.prof")));
    CompareProfiles(p, ProfileRecord());
}

void ConfigFilesTest::firstStartWithoutConfigs()
{
    TestAppDir dir;
    QDir(dir.file(QStringLiteral("Configs"))).removeRecursively();
    SettingsRecord s;
    s.ProfileID = 4;
    s.names[2] = QStringLiteral("x");
    LoadSettings(s);
    QCOMPARE(int(s.ProfileID), 0);
    for (const QString& name : s.names)
        QVERIFY(name.isEmpty());
    QVERIFY(WriteDefaultProfileFile());
    QVERIFY(QFileInfo::exists(dir.file(QStringLiteral("Configs/Profile/DefaultProfile.prof"))));
    ProfileRecord d;
    LoadProfileFile(d, DefaultProfileFilePath());
    QCOMPARE(int(d.LedMode), 9);  // built-in defaults: no descriptor here
}

void ConfigFilesTest::loadAndSaveFollowProfileNames()
{
    TestAppDir dir;
    dir.installShippedDescriptor();
    const QStringList names = {QStringLiteral("Gaming"), QStringLiteral("Office"), QStringLiteral("C"),
                               QStringLiteral("D"), QStringLiteral("E")};
    for (int i = 0; i < 5; ++i)
        QVERIFY(SaveProfileFile(DistinctProfile(i), ProfileFilePath(names[i])));
    WriteNames(names);
    {
        auto ini = OpenIni(ConfigIniPath());
        ini->setValue(QStringLiteral("Config/ProfileID"), 3);
        ini->setValue(QStringLiteral("Config/Sync"), 1);
        ini->setValue(QStringLiteral("Config/Count"), 77);
        ini->setValue(QStringLiteral("Config/SensorMode"), 2);
    }
    ButtonMatrix().fill(0);
    SettingsRecord s;
    LoadSettings(s);
    QCOMPARE(int(s.ProfileID), 3);
    QCOMPARE(int(s.Sync), 1);
    QCOMPARE(int(s.Count), 77);
    QCOMPARE(int(s.SensorMode), 2);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(s.names[i], names[i]);
        CompareProfiles(s.profiles[i], DistinctProfile(i));
    }
    QCOMPARE(int(ButtonMatrix()[7]), 7);  // the descriptor's matrix comes with the settings
    QCOMPARE(ButtonMatrix()[8], kNoButtonSlot);

    s.profiles[0].pollrate = 8;
    s.Jitter = 1;
    QVERIFY(SaveSettings(s));
    ProfileRecord gaming;
    LoadProfileFile(gaming, dir.file(QStringLiteral("Configs/Profile/Gaming.prof")));
    QCOMPARE(int(gaming.pollrate), 8);
    SettingsRecord again;
    LoadSettings(again);
    QCOMPARE(int(again.Jitter), 1);
    QCOMPARE(int(again.profiles[0].pollrate), 8);
}

void ConfigFilesTest::saveSettingsWritesEverySlot()
{
    TestAppDir dir;
    SettingsRecord s;
    s.names = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")};
    s.profiles[1] = DistinctProfile(1);
    QVERIFY(SaveSettings(s));
    ProfileRecord b;
    LoadProfileFile(b, ProfileFilePath(QStringLiteral("B")));
    CompareProfiles(b, DistinctProfile(1));  // an edit of slot 2 survives a restart
    auto ini = OpenIni(ConfigIniPath());
    QCOMPARE(ini->value(QStringLiteral("Config/Profile1")).toString(), QStringLiteral("A"));
    QVERIFY(!ini->contains(QStringLiteral("Config/Profile2")));  // names belong to profile management
}

void ConfigFilesTest::saveActiveDpiLevel()
{
    TestAppDir dir;
    QVERIFY(SaveProfileFile(DistinctProfile(0), ProfileFilePath(QStringLiteral("Gaming"))));
    QVERIFY(SaveActiveDpiLevel(QStringLiteral("Gaming"), 6));
    ProfileRecord p;
    LoadProfileFile(p, ProfileFilePath(QStringLiteral("Gaming")));
    QCOMPARE(int(p.dpi), 6);
    QCOMPARE(p.LedModes[4].RGB, DistinctProfile(0).LedModes[4].RGB);  // colours survive the partial write
    QVERIFY(!SaveActiveDpiLevel(QStringLiteral("Gaming"), 8));
    QVERIFY(!SaveActiveDpiLevel(QStringLiteral("../Gaming"), 1));
}

void ConfigFilesTest::exportImportRoundTrip()
{
    TestAppDir dir;
    SettingsRecord s;
    s.ProfileID = 2; s.AngleValue = 1; s.LiftHigh = 2; s.Sync = 1; s.Count = 9;
    s.Jitter = 1; s.Debounce = 6; s.Wake = 1; s.SensorMode = 2;
    for (int i = 0; i < 5; ++i) {
        s.profiles[i] = DistinctProfile(i);
        s.names[i] = QStringLiteral("N%1").arg(i);
    }
    const QString path = dir.file(QStringLiteral("export/all.conf"));
    QDir().mkpath(dir.file(QStringLiteral("export")));
    QVERIFY(ExportConfiguration(path, s, QStringLiteral("X8 Wireless")));
    const QByteArray text = dir.read(QStringLiteral("export/all.conf"));
    QVERIFY(text.contains("[MouseName]\nName=X8 Wireless\n"));
    QVERIFY(!text.contains("Profile1="));
    QVERIFY(!text.contains("LedMoveOFF"));
    QVERIFY(!text.contains("LedSleepTime"));
    QVERIFY(text.contains("[PROFILE_4]"));

    SettingsRecord imported;
    for (ProfileRecord& p : imported.profiles) {
        p.LedMoveOFF = 0;
        p.LedSleepTime = 7;
    }
    imported.names[0] = QStringLiteral("kept?");
    ImportConfiguration(path, imported);
    QCOMPARE(int(imported.ProfileID), 2);
    QCOMPARE(int(imported.AngleValue), 1);
    QCOMPARE(int(imported.LiftHigh), 2);
    QCOMPARE(int(imported.Count), 9);
    QCOMPARE(int(imported.Debounce), 6);
    QCOMPARE(int(imported.SensorMode), 2);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(imported.names[i].isEmpty());
        CompareProfiles(imported.profiles[i], s.profiles[i], false);
        QCOMPARE(int(imported.profiles[i].LedMoveOFF), 0);
        QCOMPARE(int(imported.profiles[i].LedSleepTime), 7);
    }
}

void ConfigFilesTest::exportReplacesAnExistingFile()
{
    TestAppDir dir;
    dir.write(QStringLiteral("old.conf"), "[Stale]\nkey=1\n");
    QVERIFY(ExportConfiguration(dir.file(QStringLiteral("old.conf")), SettingsRecord(), QStringLiteral("P")));
    QVERIFY(!dir.read(QStringLiteral("old.conf")).contains("Stale"));
}

void ConfigFilesTest::exportToUnwritablePathFails()
{
    TestAppDir dir;
    // A folder in the path that is a file: nothing can be written there.
    dir.write(QStringLiteral("plain"), "x");
    QVERIFY(!ExportConfiguration(dir.file(QStringLiteral("plain/x.conf")), SettingsRecord(), QStringLiteral("P")));
}

void ConfigFilesTest::mouseName()
{
    TestAppDir dir;
    const QString path = dir.file(QStringLiteral("p.prof"));
    QVERIFY(SaveProfileFile(DistinctProfile(0), path));
    QVERIFY(WriteMouseName(path, QStringLiteral("X8 Wireless")));
    QCOMPARE(ReadMouseName(path), QStringLiteral("X8 Wireless"));
    ProfileRecord p;
    LoadProfileFile(p, path);
    CompareProfiles(p, DistinctProfile(0));
}

void ConfigFilesTest::profileList_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two") << QByteArray("[PROFILE_LIST]\nCount=2\n1=Alpha\n2=Beta\n")
                         << QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")};
    QTest::newRow("count 0 with an entry") << QByteArray("[PROFILE_LIST]\nCount=0\n1=Alpha\n") << QStringList();
    QTest::newRow("negative count") << QByteArray("[PROFILE_LIST]\nCount=-3\n1=Alpha\n") << QStringList();
    QTest::newRow("missing entries read empty")
        << QByteArray("[PROFILE_LIST]\nCount=2\n2=Beta\n") << QStringList{QString(), QStringLiteral("Beta")};
}

void ConfigFilesTest::profileList()
{
    QFETCH(QByteArray, text);
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/X8 Wireless/Config.ini"), text);
    QTEST(LoadProfileList(QStringLiteral("X8 Wireless")), "names");

    const QStringList saved = {QStringLiteral("One"), QStringLiteral("Two, three")};
    QVERIFY(SaveProfileList(QStringLiteral("X8 Wireless"), saved));
    QCOMPARE(LoadProfileList(QStringLiteral("X8 Wireless")), saved);
    QVERIFY(!SaveProfileList(QStringLiteral("../up"), saved));
}

void ConfigFilesTest::longProfileListKeptWhole_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entries"); // PROFILE_LIST/1..entries are in the file
    QTest::addColumn<int>("extra");   // one more entry at this index, 0 for none
    QTest::addColumn<int>("loaded");
    QTest::newRow("Count 199") << 199 << 199 << 0 << 199;
    QTest::newRow("Count 200") << 200 << 200 << 0 << 200;
    QTest::newRow("Count 250") << 250 << 250 << 0 << 250;
    QTest::newRow("Count 250, entries to 240 and 245") << 250 << 240 << 245 << 245;
    QTest::newRow("Count far above the entries") << 1000000 << 230 << 0 << 230;
    QTest::newRow("entry past the load limit") << 1000000 << 230 << kMaxLoadedProfiles + 1 << 230;
}

void ConfigFilesTest::longProfileListKeptWhole()
{
    QFETCH(int, count);
    QFETCH(int, entries);
    QFETCH(int, extra);
    QFETCH(int, loaded);
    const auto name = [](int i) { return QStringLiteral("Profile %1").arg(i); };
    QByteArray text = "[PROFILE_LIST]\nCount=" + QByteArray::number(count) + "\n";
    QStringList expected;
    for (int i = 1; i <= loaded; ++i)
        expected.append(i <= entries || i == extra ? name(i) : QString());
    for (int i = 1; i <= entries; ++i)
        text += QByteArray::number(i) + "=" + name(i).toUtf8() + "\n";
    if (extra)
        text += QByteArray::number(extra) + "=" + name(extra).toUtf8() + "\n";

    TestAppDir dir;
    dir.write(QStringLiteral("Configs/Old/Config.ini"), text);
    const QStringList names = LoadProfileList(QStringLiteral("Old"));
    QCOMPARE(names, expected);
    QVERIFY(SaveProfileList(QStringLiteral("Old"), names));

    // A copy under another product is parsed afresh from the saved bytes.
    const QByteArray saved = dir.read(QStringLiteral("Configs/Old/Config.ini"));
    QVERIFY(saved.contains("\nCount=" + QByteArray::number(loaded) + "\n"));
    dir.write(QStringLiteral("Configs/Copy/Config.ini"), saved);
    QCOMPARE(LoadProfileList(QStringLiteral("Copy")), expected);
}

void ConfigFilesTest::globalConfigKeys()
{
    TestAppDir dir;
    QCOMPARE(ConfigBatteryFull(), 4200);
    QCOMPARE(ConfigDiff(), 0);
    SetConfigDiff(1);
    QCOMPARE(ConfigDiff(), 1);
    SetConfigCurrentProductName(QStringLiteral("X8 Wireless"));
    QCOMPARE(ConfigCurrentProductName(), QStringLiteral("X8 Wireless"));
    SetConfigProfileName(4, QStringLiteral("Five"));
    QCOMPARE(ConfigProfileName(4), QStringLiteral("Five"));
    QCOMPARE(ConfigProfileName(5), QString());
    SetConfigBattery(77);
    QCOMPARE(ConfigBattery(), 77);
    SetLangID(1);
    QCOMPARE(LangID(), 1);
    QVERIFY(dir.read(QStringLiteral("Configs/LangConfig.ini")).contains("LangID=1"));

    dir.write(QStringLiteral("Configs/Config.ini"),
              "[Config]\nGColorID=9\nProfileID=7\n[FONT_LIST]\nLANGNUM=50\nLangName_1=Fran\\xe7\\x61is\nFONT_SIZE_1=14\n");
    QCOMPARE(ConfigGColorID(), 0);
    QCOMPARE(AccentColor().r, 255);
    QCOMPARE(ConfigProfileID(), 0);
    QCOMPARE(LanguageCount(), kMaxLanguages);
    QCOMPARE(LanguageName(1), QString::fromUtf8("Français"));
    QCOMPARE(LanguageFontSize(1), 14);
    QCOMPARE(LanguageName(10), QString());
    QCOMPARE(LanguageName(-1), QString());
}

void ConfigFilesTest::colourWrittenByQtIsKept()
{
    // A profile file as Qt writes it, colour included, survives a partial write of ours.
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/Profile/Old.prof"),
              "[PROFILE]\ndpi=2\nLedMode\\LED_MODE_3_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)\n");
    QVERIFY(SaveActiveDpiLevel(QStringLiteral("Old"), 4));
    ProfileRecord p;
    LoadProfileFile(p, ProfileFilePath(QStringLiteral("Old")));
    QCOMPARE(int(p.dpi), 4);
    QCOMPARE(p.LedModes[3].RGB, StoredColor::fromRgb(0x12, 0x34, 0x56));
    QVERIFY(dir.read(QStringLiteral("Configs/Profile/Old.prof"))
                .contains("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34VV\\0\\0)"));
}

QTEST_GUILESS_MAIN(ConfigFilesTest)
#include "tst_configfiles.moc"
