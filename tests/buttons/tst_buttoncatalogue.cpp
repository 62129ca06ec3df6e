#include "ButtonCatalogue.h"
#include "SettingsRecord.h"

#include <QtTest>

// The function catalogue: entries, codes and groups in menu order, the product switches, captions.
class TestButtonCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void menuOrder_data();
    void menuOrder();
    void everyCodeOnce();
    void groupTitles();
    void productSwitches_data();
    void productSwitches();
    void dialogKinds_data();
    void dialogKinds();
    void functionText_data();
    void functionText();
};

namespace {

struct Expected
{
    const char* group;
    const char* text;
    int code;
};

// Typed from the catalogue as the users know it, independent of the program's table.
const QVector<Expected>& ExpectedMenu()
{
    static const QVector<Expected> menu = {
        {"Basic", "Left", 1}, {"Basic", "Right", 2}, {"Basic", "Middle", 3}, {"Basic", "Forward", 4},
        {"Basic", "Back", 5}, {"Basic", "Button Off", 16}, {"Basic", "Macro Manager", 200},
        {"Basic", "GunFile Manager", 510}, {"Basic", "Led Switch", 54}, {"Basic", "Scroll Up", 52},
        {"Basic", "Scroll Down", 53},
        {"Windows", "Cut", 17}, {"Windows", "Copy", 18}, {"Windows", "Paste", 19}, {"Windows", "All", 20},
        {"Windows", "Find", 21}, {"Windows", "New", 22}, {"Windows", "Print", 23}, {"Windows", "Save", 24},
        {"Windows", "Switch Window", 25}, {"Windows", "Close Window", 26}, {"Windows", "My Computer", 27},
        {"Windows", "Run", 28}, {"Windows", "Show Desktop", 29}, {"Windows", "Lock PC", 30},
        {"Windows", "Browser Home", 31}, {"Windows", "Browser Backward", 32}, {"Windows", "Browser Forward", 33},
        {"Windows", "Browser Stop", 34}, {"Windows", "Browser Refresh", 35}, {"Windows", "Browser Search", 36},
        {"Windows", "Browser Favorite", 37}, {"Windows", "Mail", 38}, {"Windows", "Boss Key", 62},
        {"Advance", "SINGLE KEY", 6}, {"Advance", "COMBO KEY", 7}, {"Advance", "FIRE KEY", 12},
        {"Advance", "SNIPER", 55},
        {"Media", "Play/Pause", 39}, {"Media", "Stop", 40}, {"Media", "Previous Track", 41},
        {"Media", "Next Track", 42}, {"Media", "Volume Up", 43}, {"Media", "Volume Down", 44}, {"Media", "Mute", 45},
        {"Media", "Media Player", 46},
        {"DPI", "DPI Switch", 47}, {"DPI", "DPI +", 48}, {"DPI", "DPI -", 49},
        {"Profile Menu", "Profile Switch", 59}, {"Profile Menu", "Profile +", 57}, {"Profile Menu", "Profile -", 58},
        {"Polling Rate", "Rate Switch", 63}, {"Polling Rate", "Rate +", 50}, {"Polling Rate", "Rate -", 51},
    };
    return menu;
}

} // namespace

void TestButtonCatalogue::menuOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    const QVector<Expected>& menu = ExpectedMenu();
    for (int i = 0; i < menu.size(); ++i) {
        QTest::addRow("%s %d", menu[i].text, menu[i].code)
            << i << QString::fromLatin1(menu[i].group) << QString::fromLatin1(menu[i].text) << menu[i].code;
    }
}

void TestButtonCatalogue::menuOrder()
{
    QFETCH(int, position);
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QVector<ButtonCatalogue::Entry>& entries = ButtonCatalogue::Entries();
    QCOMPARE(entries.size(), ExpectedMenu().size());
    const ButtonCatalogue::Entry& entry = entries[position];
    QCOMPARE(QString::fromLatin1(entry.text), text);
    QCOMPARE(entry.code, code);
    QCOMPARE(QString::fromLatin1(ButtonCatalogue::GroupTitle(entry.group)), group);
}

void TestButtonCatalogue::everyCodeOnce()
{
    QSet<int> codes;
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::Entries()) {
        QVERIFY2(!codes.contains(entry.code), qPrintable(QString::number(entry.code)));
        codes.insert(entry.code);
        QCOMPARE(ButtonCatalogue::FindCode(entry.code), &entry);
    }
    QVERIFY(!ButtonCatalogue::FindCode(0));
    QVERIFY(!ButtonCatalogue::FindCode(13));
    QVERIFY(!ButtonCatalogue::FindCode(-1));
}

void TestButtonCatalogue::groupTitles()
{
    const QStringList expected = {QStringLiteral("Basic"), QStringLiteral("Windows"), QStringLiteral("Advance"),
                                  QStringLiteral("Media"), QStringLiteral("DPI"), QStringLiteral("Profile Menu"),
                                  QStringLiteral("Polling Rate")};
    QStringList titles;
    for (int g = 0; g < ButtonCatalogue::GroupCount; ++g)
        titles << QString::fromLatin1(ButtonCatalogue::GroupTitle(ButtonCatalogue::Group(g)));
    QCOMPARE(titles, expected);
    QVERIFY(!ButtonCatalogue::GroupTitle(ButtonCatalogue::GroupCount));
}

void TestButtonCatalogue::productSwitches_data()
{
    QTest::addColumn<bool>("disableMacro");
    QTest::addColumn<bool>("ledDisable");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("both offered") << false << false << QStringList();
    QTest::newRow("DisableMacro drops Macro Manager only") << true << false << QStringList{"Macro Manager"};
    QTest::newRow("ledDisable drops Led Switch only") << false << true << QStringList{"Led Switch"};
    QTest::newRow("both switches") << true << true << QStringList{"Macro Manager", "Led Switch"};
}

void TestButtonCatalogue::productSwitches()
{
    QFETCH(bool, disableMacro);
    QFETCH(bool, ledDisable);
    QFETCH(QStringList, missing);
    QStringList expected;
    for (const Expected& e : ExpectedMenu()) {
        if (!missing.contains(QString::fromLatin1(e.text)))
            expected << QString::fromLatin1(e.text);
    }
    QStringList offered;
    for (const ButtonCatalogue::Entry& entry : ButtonCatalogue::OfferedEntries(disableMacro, ledDisable))
        offered << QString::fromLatin1(entry.text);
    QCOMPARE(offered, expected);
}

void TestButtonCatalogue::dialogKinds_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::newRow("Macro Manager") << 200 << int(ButtonCatalogue::Macro);
    QTest::newRow("GunFile Manager") << 510 << int(ButtonCatalogue::GunFile);
    QTest::newRow("SINGLE KEY") << 6 << int(ButtonCatalogue::SingleKey);
    QTest::newRow("COMBO KEY") << 7 << int(ButtonCatalogue::ComboKey);
    QTest::newRow("FIRE KEY") << 12 << int(ButtonCatalogue::FireKey);
    QTest::newRow("SNIPER") << 55 << int(ButtonCatalogue::Sniper);
    QTest::newRow("Led Switch is plain") << 54 << int(ButtonCatalogue::Plain);
    QTest::newRow("Boss Key is plain") << 62 << int(ButtonCatalogue::Plain);
}

void TestButtonCatalogue::dialogKinds()
{
    QFETCH(int, code);
    QFETCH(int, kind);
    const ButtonCatalogue::Entry* entry = ButtonCatalogue::FindCode(code);
    QVERIFY(entry);
    QCOMPARE(int(entry->kind), kind);
}

void TestButtonCatalogue::functionText_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("res1");
    QTest::addColumn<QString>("macro");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain entry") << 18 << 0 << QString() << "Copy";
    QTest::newRow("single key shows the key, C") << 6 << 46 << QString() << "C";
    QTest::newRow("single key right Ctrl") << 6 << 238 << QString() << "RCtr";
    QTest::newRow("single key without a name") << 6 << 0 << QString() << "SINGLE KEY";
    QTest::newRow("macro shows its name") << 200 << 0 << "attack" << "attack";
    QTest::newRow("gun file shows its name") << 510 << 0 << "ak" << "ak";
    QTest::newRow("macro without a name") << 200 << 0 << QString() << "Macro Manager";
    QTest::newRow("combination") << 7 << 0 << QString() << "COMBO KEY";
    QTest::newRow("unknown code 13 as number") << 13 << 0 << QString() << "13";
    QTest::newRow("code 0 as number") << 0 << 0 << QString() << "0";
    QTest::newRow("negative code as number") << -4 << 0 << QString() << "-4";
}

void TestButtonCatalogue::functionText()
{
    QFETCH(int, fun);
    QFETCH(int, res1);
    QFETCH(QString, macro);
    QFETCH(QString, text);
    ButtonRecord button;
    button.Fun = fun;
    button.Res1 = quint8(res1);
    button.macroname = macro;
    QCOMPARE(ButtonCatalogue::FunctionText(button), text);
}

QTEST_GUILESS_MAIN(TestButtonCatalogue)
#include "tst_buttoncatalogue.moc"
