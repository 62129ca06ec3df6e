#include "KeyTables.h"

#include <QSet>
#include <QtTest>

#include <climits>
#include <iterator>

namespace {

// Typed from the documented pairs, independently of the table in the library.
struct Pair
{
    int code;
    int usage;
};

const Pair kExpectedPairs[] = {
    {30, 0x04}, {48, 0x05}, {46, 0x06}, {32, 0x07}, {18, 0x08}, {33, 0x09}, {34, 0x0A}, {35, 0x0B},
    {23, 0x0C}, {36, 0x0D}, {37, 0x0E}, {38, 0x0F}, {50, 0x10}, {49, 0x11}, {24, 0x12}, {25, 0x13},
    {16, 0x14}, {19, 0x15}, {31, 0x16}, {20, 0x17}, {22, 0x18}, {47, 0x19}, {17, 0x1A}, {45, 0x1B},
    {21, 0x1C}, {44, 0x1D}, {2, 0x1E},  {3, 0x1F},  {4, 0x20},  {5, 0x21},  {6, 0x22},  {7, 0x23},
    {8, 0x24},  {9, 0x25},  {10, 0x26}, {11, 0x27}, {28, 0x28}, {1, 0x29},  {14, 0x2A}, {15, 0x2B},
    {57, 0x2C}, {12, 0x2D}, {13, 0x2E}, {26, 0x2F}, {27, 0x30}, {43, 0x31}, {39, 0x33}, {40, 0x34},
    {41, 0x35}, {51, 0x36}, {52, 0x37}, {53, 0x38}, {58, 0x39}, {59, 0x3A}, {60, 0x3B}, {61, 0x3C},
    {62, 0x3D}, {63, 0x3E}, {64, 0x3F}, {65, 0x40}, {66, 0x41}, {67, 0x42}, {68, 0x43}, {87, 0x44},
    {88, 0x45}, {55, 0x46}, {70, 0x47}, {69, 0x48}, {82, 0x49}, {71, 0x4A}, {73, 0x4B}, {83, 0x4C},
    {79, 0x4D}, {81, 0x4E}, {77, 0x4F}, {75, 0x50}, {80, 0x51}, {72, 0x52}, {225, 0x53}, {226, 0x54},
    {227, 0x55}, {74, 0x56}, {78, 0x57}, {229, 0x58}, {230, 0x59}, {231, 0x5A}, {232, 0x5B},
    {233, 0x5C}, {76, 0x5D}, {234, 0x5E}, {235, 0x5F}, {236, 0x60}, {228, 0x61}, {237, 0x62},
    {224, 0x63}, {93, 0x65}, {42, 0xE1}, {29, 0xE0}, {91, 0xE3}, {56, 0xE2}, {239, 0xE6},
    {92, 0xE7}, {238, 0xE4}, {54, 0xE5},
};

// Codes that carry a name; every other code has none.
QSet<int> NamedCodes()
{
    QSet<int> codes;
    for (int c = 1; c <= 83; ++c)
        codes.insert(c);
    for (int c : {87, 88, 91, 92, 93})
        codes.insert(c);
    for (int c = 224; c <= 242; ++c)
        codes.insert(c);
    return codes;
}

const quint8 kUntouchedUsage = 0xAB;
const int kUntouchedCode = -77;

} // namespace

class tst_KeyTables : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void pairCount();
    void codeToUsage_data();
    void codeToUsage();
    void usageToCode_data();
    void usageToCode();
    void everyPairRoundTrips();
    void codesWithoutUsage_data();
    void codesWithoutUsage();
    void usagesWithoutCode_data();
    void usagesWithoutCode();

    void defaultNames_data();
    void defaultNames();
    void frenchNames_data();
    void frenchNames();
    void namesShared_data();
    void namesShared();
    void codesWithoutName_data();
    void codesWithoutName();
    void everyNamedCodeHasNameInBothTables();

    void tableChoice_data();
    void tableChoice();
    void languageChangeTakesEffectAtOnce();
};

void tst_KeyTables::init()
{
    SetFrenchLanguageIndex(-1);
    SetCurrentLanguageIndex(0);
}

void tst_KeyTables::cleanupTestCase()
{
    SetFrenchLanguageIndex(-1);
    SetCurrentLanguageIndex(0);
}

void tst_KeyTables::pairCount()
{
    QCOMPARE(KeyUsagePairCount(), 104);
    QCOMPARE(int(std::size(kExpectedPairs)), 104);
}

void tst_KeyTables::codeToUsage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("usage");
    for (const Pair& p : kExpectedPairs)
        QTest::addRow("code %d -> 0x%02X", p.code, p.usage) << p.code << p.usage;
}

void tst_KeyTables::codeToUsage()
{
    QFETCH(int, code);
    QFETCH(int, usage);
    quint8 got = kUntouchedUsage;
    QVERIFY(UsageFromCode(code, got));
    QCOMPARE(int(got), usage);
}

void tst_KeyTables::usageToCode_data()
{
    codeToUsage_data();
}

void tst_KeyTables::usageToCode()
{
    QFETCH(int, code);
    QFETCH(int, usage);
    int got = kUntouchedCode;
    QVERIFY(CodeFromUsage(usage, got));
    QCOMPARE(got, code);
}

void tst_KeyTables::everyPairRoundTrips()
{
    int pairs = 0;
    for (int code = 0; code <= 300; ++code) {
        quint8 usage = 0;
        if (!UsageFromCode(code, usage))
            continue;
        ++pairs;
        int back = kUntouchedCode;
        QVERIFY2(CodeFromUsage(usage, back), qPrintable(QString::number(code)));
        QCOMPARE(back, code);
    }
    QCOMPARE(pairs, 104);
}

void tst_KeyTables::codesWithoutUsage_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("84, no key") << 84;
    QTest::newRow("89, no key") << 89;
    QTest::newRow("94, past the scan codes") << 94;
    QTest::newRow("240 left button") << 240;
    QTest::newRow("241 right button") << 241;
    QTest::newRow("242 middle button") << 242;
    QTest::newRow("243") << 243;
    QTest::newRow("negative") << -1;
    QTest::newRow("code wrapping to 30 in a byte") << 256 + 30;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_KeyTables::codesWithoutUsage()
{
    QFETCH(int, code);
    quint8 usage = kUntouchedUsage;
    QVERIFY(!UsageFromCode(code, usage));
    QCOMPARE(usage, kUntouchedUsage);
}

void tst_KeyTables::usagesWithoutCode_data()
{
    QTest::addColumn<int>("usage");
    QTest::newRow("0") << 0;
    QTest::newRow("0x03 below the letters") << 0x03;
    QTest::newRow("0x32 non-US hash") << 0x32;
    QTest::newRow("0x64 non-US backslash") << 0x64;
    QTest::newRow("0xE7 + 1") << 0xE8;
    QTest::newRow("0xFF") << 0xFF;
    QTest::newRow("usage wrapping to 0x04 in a byte") << 0x104;
    QTest::newRow("negative") << -1;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_KeyTables::usagesWithoutCode()
{
    QFETCH(int, usage);
    int code = kUntouchedCode;
    QVERIFY(!CodeFromUsage(usage, code));
    QCOMPARE(code, kUntouchedCode);
}

void tst_KeyTables::defaultNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("1 Esc") << 1 << "Esc";
    QTest::newRow("2 digit 1") << 2 << "1";
    QTest::newRow("11 digit 0") << 11 << "0";
    QTest::newRow("14 Backspace") << 14 << "Backspace";
    QTest::newRow("16 Q") << 16 << "Q";
    QTest::newRow("28 Enter") << 28 << "Enter";
    QTest::newRow("29 LCtr") << 29 << "LCtr";
    QTest::newRow("30 A") << 30 << "A";
    QTest::newRow("39 semicolon") << 39 << ";";
    QTest::newRow("40 quote") << 40 << "'";
    QTest::newRow("41 backtick") << 41 << "`";
    QTest::newRow("43 backslash") << 43 << "\\";
    QTest::newRow("44 Z") << 44 << "Z";
    QTest::newRow("50 M") << 50 << "M";
    QTest::newRow("53 slash") << 53 << "/";
    QTest::newRow("57 Space") << 57 << "Space";
    QTest::newRow("58 CapsLock") << 58 << "CapsLock";
    QTest::newRow("224 Num De") << 224 << "Num De";
    QTest::newRow("238 RCtr") << 238 << "RCtr";
}

void tst_KeyTables::defaultNames()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(KeyName(code), name);
}

void tst_KeyTables::frenchNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    // Every entry in which the French table differs.
    const struct
    {
        int code;
        const char* name;
    } rows[] = {
        {1, "Echap"}, {2, "&"}, {3, "é"}, {4, "\""}, {5, "'"}, {6, "("}, {7, "-"}, {8, "è"},
        {9, "_"}, {10, "ç"}, {11, "à"}, {12, ")"}, {14, "Ret.arr"}, {16, "a"}, {17, "z"},
        {18, "e"}, {19, "r"}, {20, "t"}, {21, "y"}, {22, "u"}, {23, "i"}, {24, "o"}, {25, "p"},
        {26, "^"}, {27, "$"}, {28, "Entree"}, {29, "LCtrl"}, {30, "q"}, {31, "s"}, {32, "d"},
        {33, "f"}, {34, "g"}, {35, "h"}, {36, "j"}, {37, "k"}, {38, "l"}, {39, "m"}, {40, "ù"},
        {41, "²"}, {43, "*"}, {44, "w"}, {45, "x"}, {46, "c"}, {47, "v"}, {48, "b"}, {49, "n"},
        {50, ","}, {51, ";"}, {52, ":"}, {53, "!"}, {57, "espace"}, {58, "Verr.maj"},
        {224, "Num Del"}, {238, "RCtrl"},
    };
    for (const auto& row : rows)
        QTest::addRow("%d %s", row.code, row.name) << row.code << QString::fromUtf8(row.name);
}

void tst_KeyTables::frenchNames()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    SetFrenchLanguageIndex(1);
    SetCurrentLanguageIndex(1);
    QCOMPARE(KeyName(code), name);
    // The same code in the default table is a different name.
    SetCurrentLanguageIndex(0);
    QVERIFY(KeyName(code) != name);
}

void tst_KeyTables::namesShared_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("13 equals") << 13 << "=";
    QTest::newRow("15 Tab") << 15 << "Tab";
    QTest::newRow("42 LShift") << 42 << "LShift";
    QTest::newRow("54 RShift") << 54 << "RShift";
    QTest::newRow("55 Print Screen") << 55 << "Print Screen";
    QTest::newRow("56 LAlt") << 56 << "LAlt";
    QTest::newRow("69 Pause Break") << 69 << "Pause Break";
    QTest::newRow("83 Delete") << 83 << "Delete";
    QTest::newRow("87 F11") << 87 << "F11";
    QTest::newRow("93 App") << 93 << "App";
    QTest::newRow("225 Num Lock") << 225 << "Num Lock";
    QTest::newRow("237 Num 0") << 237 << "Num 0";
    QTest::newRow("239 RAlt") << 239 << "RAlt";
    QTest::newRow("240 Left Button") << 240 << "Left Button";
    QTest::newRow("241 Right Button") << 241 << "Right Button";
    QTest::newRow("242 Middle Button") << 242 << "Middle Button";
}

void tst_KeyTables::namesShared()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    SetFrenchLanguageIndex(1);
    SetCurrentLanguageIndex(0);
    QCOMPARE(KeyName(code), name);
    SetCurrentLanguageIndex(1);
    QCOMPARE(KeyName(code), name);
}

void tst_KeyTables::codesWithoutName_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("84") << 84;
    QTest::newRow("86") << 86;
    QTest::newRow("90") << 90;
    QTest::newRow("94") << 94;
    QTest::newRow("223") << 223;
    QTest::newRow("243") << 243;
    QTest::newRow("negative") << -1;
    QTest::newRow("code wrapping to 16 in a byte") << 256 + 16;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_KeyTables::codesWithoutName()
{
    QFETCH(int, code);
    QVERIFY(KeyName(code).isEmpty());
    SetFrenchLanguageIndex(0);
    QVERIFY(KeyName(code).isEmpty());
}

void tst_KeyTables::everyNamedCodeHasNameInBothTables()
{
    const QSet<int> named = NamedCodes();
    QCOMPARE(named.size(), 107);
    for (int french : {-1, 0}) {
        SetFrenchLanguageIndex(french);
        int count = 0;
        for (int code = -5; code <= 300; ++code) {
            const bool hasName = !KeyName(code).isEmpty();
            QVERIFY2(hasName == named.contains(code), qPrintable(QString::number(code)));
            count += hasName ? 1 : 0;
        }
        QCOMPARE(count, 107);
    }
}

void tst_KeyTables::tableChoice_data()
{
    QTest::addColumn<int>("french");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name16");
    QTest::addColumn<QString>("name30");
    QTest::newRow("french 1, language 1: French") << 1 << 1 << "a" << "q";
    QTest::newRow("french 1, language 0: default") << 1 << 0 << "Q" << "A";
    QTest::newRow("french 0, language 0: French") << 0 << 0 << "a" << "q";
    QTest::newRow("french 2, language 2: French") << 2 << 2 << "a" << "q";
    QTest::newRow("french 2, language 1: default") << 2 << 1 << "Q" << "A";
    QTest::newRow("french -1, language -1: never French") << -1 << -1 << "Q" << "A";
    QTest::newRow("french -1, language 0: default") << -1 << 0 << "Q" << "A";
}

void tst_KeyTables::tableChoice()
{
    QFETCH(int, french);
    QFETCH(int, language);
    QFETCH(QString, name16);
    QFETCH(QString, name30);
    SetFrenchLanguageIndex(french);
    SetCurrentLanguageIndex(language);
    QCOMPARE(FrenchLanguageIndex(), french);
    QCOMPARE(CurrentLanguageIndex(), language);
    QCOMPARE(KeyName(16), name16);
    QCOMPARE(KeyName(30), name30);
}

void tst_KeyTables::languageChangeTakesEffectAtOnce()
{
    SetFrenchLanguageIndex(1);
    SetCurrentLanguageIndex(0);
    QCOMPARE(KeyName(238), QStringLiteral("RCtr"));
    SetCurrentLanguageIndex(1);
    QCOMPARE(KeyName(238), QStringLiteral("RCtrl"));
    SetCurrentLanguageIndex(2);
    QCOMPARE(KeyName(238), QStringLiteral("RCtr"));
}

QTEST_GUILESS_MAIN(tst_KeyTables)
#include "tst_keytables.moc"
