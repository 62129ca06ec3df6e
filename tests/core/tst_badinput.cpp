// Files that hold anything: missing keys, text where numbers belong, numbers out of
// range and random bytes load without crashing and leave every index in range.
#include "AppPaths.h"
#include "ConfigFiles.h"
#include "Descriptor.h"
#include "GlobalConfig.h"
#include "ProfileList.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QRandomGenerator>
#include <QtTest>

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void profileValuesOutOfRange_data();
    void profileValuesOutOfRange();
    void configProfileIdOutOfRange();
    void buttonMatrixOutOfRange();
    void hugeProfileListCount();
    void namesThatLeaveTheirFolder();
    void randomBytes_data();
    void randomBytes();
};

namespace {

void CheckInRange(const SettingsRecord& s)
{
    QVERIFY(s.ProfileID < kProfileCount);
    for (const ProfileRecord& p : s.profiles) {
        QVERIFY(p.dpi < kDpiLevelCount);
        for (const ButtonRecord& b : p.BUTTON_INFO)
            QVERIFY(KeyEventCount(b) >= 0 && KeyEventCount(b) <= kKeyInfoCount);
        const LedModeRecord* led = ActiveLedEntry(p);
        QVERIFY(led == nullptr || p.LedMode < kLedEffectCount);
    }
}

QByteArray RandomBytes(quint32 seed, int size)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

} // namespace

void BadInputTest::profileValuesOutOfRange_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<int>("keyNumber");

    QTest::newRow("dpi 9 -> level 0") << QByteArray("dpi=9\n") << 0 << 0 << 0;
    QTest::newRow("dpi 263 truncates to 7") << QByteArray("dpi=263\n") << 7 << 0 << 0;
    QTest::newRow("LedMode 200 kept as an unknown effect") << QByteArray("LedMode=200\n") << 0 << 200 << 0;
    QTest::newRow("KeyNumber 500 -> 63 key events") << QByteArray("BUTTON_INFO_0_KeyNumber=500\n") << 0 << 0 << 63;
    QTest::newRow("negative KeyNumber -> no key events") << QByteArray("BUTTON_INFO_0_KeyNumber=-4\n") << 0 << 0 << 0;
    QTest::newRow("a fire key's 100 ms delay is kept") << QByteArray("BUTTON_INFO_0_KeyNumber=100\n") << 0 << 0 << 63;
    QTest::newRow("text where numbers belong")
        << QByteArray("dpi=abc\nLedMode=1x\nBUTTON_INFO_0_KeyNumber=\"12\"\n") << 0 << 0 << 12;
    QTest::newRow("huge numbers") << QByteArray("dpi=99999999999999999999\nBUTTON_INFO_0_KeyNumber=2147483648\n")
                                  << 0 << 0 << 0;
}

void BadInputTest::profileValuesOutOfRange()
{
    QFETCH(QByteArray, text);
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/Profile/Bad.prof"), "[PROFILE]\n" + text);
    ProfileRecord p;
    LoadProfileFile(p, ProfileFilePath(QStringLiteral("Bad")));
    QTEST(int(p.dpi), "dpi");
    QTEST(int(p.LedMode), "ledMode");
    QTEST(KeyEventCount(p.BUTTON_INFO[0]), "keyNumber");
    if (text.contains("KeyNumber=100"))
        QCOMPARE(p.BUTTON_INFO[0].KeyNumber, 100);
}

void BadInputTest::configProfileIdOutOfRange()
{
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/Config.ini"), "[Config]\nProfileID=7\nProfile1=Bad\n");
    dir.write(QStringLiteral("Configs/Profile/Bad.prof"), "[PROFILE]\ndpi=12\nLedMode=99\n");
    SettingsRecord s;
    LoadSettings(s);
    CheckInRange(s);
    QCOMPARE(int(s.ProfileID), 0);
    QCOMPARE(CompareSettings(s, s), 0);

    // The same through an imported configuration.
    dir.write(QStringLiteral("bad.conf"), "[Config]\nProfileID=255\n[PROFILE_0]\ndpi=8\n");
    ImportConfiguration(dir.file(QStringLiteral("bad.conf")), s);
    CheckInRange(s);
}

void BadInputTest::buttonMatrixOutOfRange()
{
    TestAppDir dir;
    dir.write(QStringLiteral("DefaultProfile.bin"),
              "[PROFILE]\nBUTTON_INFO_0_Matrix=200\nBUTTON_INFO_1_Matrix=-1\nBUTTON_INFO_2_Matrix=23\n"
              "BUTTON_INFO_3_Matrix=24\nBUTTON_INFO_4_Matrix=x\n");
    std::array<quint8, kDescriptorButtons> matrix{};
    QCOMPARE(ReadButtonMatrix(matrix), 0);
    QCOMPARE(matrix[0], kNoButtonSlot);
    QCOMPARE(matrix[1], kNoButtonSlot);
    QCOMPARE(int(matrix[2]), 23);
    QCOMPARE(matrix[3], kNoButtonSlot);
    QCOMPARE(int(matrix[4]), 0);
}

void BadInputTest::hugeProfileListCount()
{
    TestAppDir dir;
    dir.write(QStringLiteral("Configs/P/Config.ini"), "[PROFILE_LIST]\nCount=1000000\n1=a\n");
    const QStringList names = LoadProfileList(QStringLiteral("P"));
    QCOMPARE(names.size(), kMaxStoredProfiles);
    QCOMPARE(names.first(), QStringLiteral("a"));
}

void BadInputTest::namesThatLeaveTheirFolder()
{
    TestAppDir dir;
    // A profile name in Config.ini that points outside Configs/Profile is not followed.
    dir.write(QStringLiteral("secret.prof"), "[PROFILE]\ndpi=5\npollrate=8\n");
    dir.write(QStringLiteral("Configs/Config.ini"), "[Config]\nProfile1=../../secret\nProfile2=a/b\n");
    SettingsRecord s;
    LoadSettings(s);
    // The slot gets the default profile instead, never zeros.
    ProfileRecord defaults;
    MakeDefaultProfile(defaults);
    QCOMPARE(int(s.profiles[0].pollrate), int(defaults.pollrate));
    QVERIFY(!SaveSettings(s));
    QCOMPARE(dir.read(QStringLiteral("secret.prof")), QByteArray("[PROFILE]\ndpi=5\npollrate=8\n"));
    QVERIFY(!SaveActiveDpiLevel(QStringLiteral(".."), 1));
    QVERIFY(LoadProfileList(QStringLiteral("..")).isEmpty());

    QVERIFY(!IsSafeFileName(QString()));
    QVERIFY(!IsSafeFileName(QStringLiteral("..")));
    QVERIFY(!IsSafeFileName(QStringLiteral("a\\b")));
    QVERIFY(!IsSafeFileName(QStringLiteral("a\nb")));
    QVERIFY(IsSafeFileName(QStringLiteral("..x")));
    QVERIFY(IsSafeFileName(QStringLiteral("Mon profil é")));
}

void BadInputTest::randomBytes_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 6; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void BadInputTest::randomBytes()
{
    QFETCH(quint32, seed);
    TestAppDir dir;
    const QByteArray noise = RandomBytes(seed, 4096 * int(seed));
    dir.write(QStringLiteral("DefaultProfile.bin"), noise);
    dir.write(QStringLiteral("Configs/Config.ini"), "[Config]\nProfile1=R\n" + noise);
    dir.write(QStringLiteral("Configs/Profile/R.prof"), "[PROFILE]\n" + noise);
    dir.write(QStringLiteral("Configs/R/Config.ini"), noise);

    SettingsRecord s;
    LoadSettings(s);
    CheckInRange(s);
    ProfileRecord p;
    MakeDefaultProfile(p);
    MakeDefaultSettings(s);
    CheckInRange(s);
    QVERIFY(DescriptorButtonCount() >= 0 && DescriptorButtonCount() <= kDescriptorButtons);
    QVERIFY(EffectiveDpiLevelCount() >= 1 && EffectiveDpiLevelCount() <= 8);
    QVERIFY(LoadProfileList(QStringLiteral("R")).size() <= kMaxStoredProfiles);
    ImportConfiguration(dir.file(QStringLiteral("Configs/Profile/R.prof")), s);
    CheckInRange(s);
    CompareSettings(s, SettingsRecord());
}

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"
