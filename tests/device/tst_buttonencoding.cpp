#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"

#include <QtTest>

namespace {

QByteArray Bytes(const ButtonSlotBytes& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(a.size())).toHex(' ');
}

QByteArray Slot(const ButtonImage& image, int slot)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()) + 2 + 4 * slot, 4).toHex(' ');
}

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex).toHex(' '); }

ButtonRecord Button(int fun)
{
    ButtonRecord b;
    b.Fun = fun;
    return b;
}

ButtonRecord MacroButton(const QString& name, int fun = kMacroFunction)
{
    ButtonRecord b;
    b.Fun = fun;
    b.macroname = name;
    b.LoopNumber = 1;
    return b;
}

DeviceContext Context(int buttonCount, std::initializer_list<int> matrix)
{
    DeviceContext c;
    c.buttonCount = buttonCount;
    c.buttonMatrix.fill(kNoButtonSlot);
    int i = 0;
    for (int slot : matrix)
        c.buttonMatrix[i++] = quint8(slot);
    return c;
}

} // namespace

class TestButtonEncoding : public QObject
{
    Q_OBJECT

private slots:
    void functionTable_data();
    void functionTable();
    void singleKey_data();
    void singleKey();
    void comboKey_data();
    void comboKey();
    void fireKey_data();
    void fireKey();
    void sniper_data();
    void sniper();
    void macroRepeatModes_data();
    void macroRepeatModes();
    void imageLayout();
    void scrollRevSwapsWheelSlots_data();
    void scrollRevSwapsWheelSlots();
    void positionsWithoutSlotAreSkipped();
    void badContextStaysInsideImage();
    void oneMacroOnTwoButtonsSharesASlot();
    void slotsFollowFirstUseAndMapIsRebuilt();
};

void TestButtonEncoding::functionTable_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<QByteArray>("bytes");

    auto row = [](const char* name, int fun, const char* hex) { QTest::newRow(name) << fun << Hex(hex); };
    row("Left 1", 1, "81000000");
    row("Right 2", 2, "82000000");
    row("Middle 3", 3, "83000000");
    row("Forward 4", 4, "85000000");
    row("Back 5", 5, "84000000");
    row("no catalogue entry 13", 13, "30000000");
    row("Button Off 16", 16, "00000000");
    row("Cut 17", 17, "8f011b00");
    row("Copy 18", 18, "8f010600");
    row("Paste 19", 19, "8f011900");
    row("All 20", 20, "8f010400");
    row("Find 21", 21, "8f010900");
    row("New 22", 22, "8f011100");
    row("Print 23", 23, "8f011300");
    row("Save 24", 24, "8f011600");
    row("Switch Window 25", 25, "8f042b00");
    row("Close Window 26", 26, "8f043d00");
    row("My Computer 27", 27, "8f080800");
    row("Run 28", 28, "8f081500");
    row("Show Desktop 29", 29, "8f080700");
    row("Lock PC 30", 30, "8f080f00");
    row("Browser Home 31", 31, "8e012302");
    row("Browser Backward 32", 32, "8e012402");
    row("Browser Forward 33", 33, "8e012502");
    row("Browser Stop 34", 34, "8e012602");
    row("Browser Refresh 35", 35, "8e012702");
    row("Browser Search 36", 36, "8e012102");
    row("Browser Favorite 37", 37, "8e012a02");
    row("Mail 38", 38, "8e018a01");
    row("Play/Pause 39", 39, "8e01cd00");
    row("Stop 40", 40, "8e01b700");
    row("Previous Track 41", 41, "8e01b600");
    row("Next Track 42", 42, "8e01b500");
    row("Volume Up 43", 43, "8e01e900");
    row("Volume Down 44", 44, "8e01ea00");
    row("Mute 45", 45, "8e01e200");
    row("Media Player 46", 46, "8e018301");
    row("DPI Switch 47", 47, "88000000");
    row("DPI + 48", 48, "8a000000");
    row("DPI - 49", 49, "89000000");
    row("Rate + 50", 50, "97000000");
    row("Rate - 51", 51, "98000000");
    row("Scroll Up 52", 52, "8b000000");
    row("Scroll Down 53", 53, "8c000000");
    row("Led Switch 54", 54, "9b080000");
    row("Profile + 57", 57, "94000000");
    row("Profile - 58", 58, "95000000");
    row("Profile Switch 59", 59, "8d000000");
    row("no catalogue entry 60", 60, "9f000000");
    row("no catalogue entry 61", 61, "a0000000");
    row("Boss Key 62", 62, "8f081000");
    row("Rate Switch 63", 63, "97010000");
    // Codes the table does not hold.
    for (int fun : {0, 8, 9, 10, 11, 14, 15, 56, 64, 100, 199, 201, 509, 511, -1, 0x7FFFFFFF})
        QTest::addRow("unknown code %d", fun) << fun << Hex("00000000");
}

void TestButtonEncoding::functionTable()
{
    QFETCH(int, fun);
    QFETCH(QByteArray, bytes);
    ButtonRecord b = Button(fun);
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(b, 3389, map)), bytes);
    QCOMPARE(Bytes(FunctionSlotBytes(fun)), bytes);
    QVERIFY(map.isEmpty());
}

void TestButtonEncoding::singleKey_data()
{
    QTest::addColumn<int>("res1");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("key code of C sends usage 06") << 46 << Hex("90000600");
    QTest::newRow("key code of A sends usage 04") << 30 << Hex("90000400");
    QTest::newRow("right Ctrl 238 sends E4") << 238 << Hex("9000e400");
    QTest::newRow("keypad 0 237 sends 62") << 237 << Hex("90006200");
    QTest::newRow("no key sends 0") << 0 << Hex("90000000");
    QTest::newRow("mouse button 240 has no usage") << 240 << Hex("90000000");
}

void TestButtonEncoding::singleKey()
{
    QFETCH(int, res1);
    QFETCH(QByteArray, bytes);
    ButtonRecord b = Button(ButtonFunction::SingleKey);
    b.Res1 = quint8(res1);
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(b, 0, map)), bytes);
}

void TestButtonEncoding::comboKey_data()
{
    QTest::addColumn<QByteArray>("firstBytes");   // first byte of KeyInfo entries 0, 1, 2, ...
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Ctrl+C from the dialog") << QByteArray::fromHex("e00606e0") << Hex("8f010600");
    QTest::newRow("all four modifiers + Z, Z usage is not Ctrl")
        << QByteArray::fromHex("e1e0e3e21d1de2e3e0e1") << Hex("8f0f1d00");
    QTest::newRow("right Ctrl and right Alt") << QByteArray::fromHex("e4e60404e6e4") << Hex("8f050400");
    QTest::newRow("right Shift and right Windows") << QByteArray::fromHex("e5e72b2be7e5") << Hex("8f0a2b00");
    QTest::newRow("modifiers only") << QByteArray::fromHex("e1e1") << Hex("8f020000");
    QTest::newRow("last plain key wins") << QByteArray::fromHex("04050504") << Hex("8f000400");
    QTest::newRow("empty entries between are ignored") << QByteArray::fromHex("e00000060000") << Hex("8f000600");
    QTest::newRow("no entries") << QByteArray() << Hex("8f000000");
}

void TestButtonEncoding::comboKey()
{
    QFETCH(QByteArray, firstBytes);
    QFETCH(QByteArray, bytes);
    ButtonRecord b = Button(ButtonFunction::ComboKey);
    for (int i = 0; i < firstBytes.size(); ++i)
        b.KeyInfo[i] = KeyInfo{quint8(firstBytes[i]), 0x05, quint8(i % 2 ? 0x00 : 0x80)};
    b.KeyNumber = 0; // the dialog does not keep a count; every entry is looked at
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(b, 0, map)), bytes);
}

void TestButtonEncoding::fireKey_data()
{
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("no shot kind fires left 3 times") << 0 << 9 << 200 << Hex("99810300");
    QTest::newRow("left 3 times 100 ms") << 0x81 << 3 << 100 << Hex("9981030a");
    QTest::newRow("fire delay 95 ms gives D 9") << 0x84 << 5 << 95 << Hex("99840509");
    QTest::newRow("key A 255 times 255 ms") << 0x04 << 255 << 255 << Hex("9904ff19");
    QTest::newRow("times above a byte held at 255") << 0x82 << 300 << 10 << Hex("9982ff01");
    QTest::newRow("negative delay sends 0") << 0x82 << 1 << -50 << Hex("99820100");
}

void TestButtonEncoding::fireKey()
{
    QFETCH(int, res1);
    QFETCH(int, times);
    QFETCH(int, delay);
    QFETCH(QByteArray, bytes);
    ButtonRecord b = Button(ButtonFunction::FireKey);
    b.Res1 = quint8(res1);
    b.LoopNumber = times;
    b.KeyNumber = delay;
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(b, 0, map)), bytes);
}

void TestButtonEncoding::sniper_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("res1");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("3104 step 20") << 3104 << 20 << Hex("9a011414");
    QTest::newRow("3325 step 10 by table") << 3325 << 10 << Hex("9a011616");
    QTest::newRow("3360 step 10") << 3360 << 10 << Hex("9a010909");
    QTest::newRow("other sensor sends 4") << 3395 << 10 << Hex("9a010404");
}

void TestButtonEncoding::sniper()
{
    QFETCH(int, sensor);
    QFETCH(int, res1);
    QFETCH(QByteArray, bytes);
    ButtonRecord b = Button(ButtonFunction::Sniper);
    b.Res1 = quint8(res1);
    MacroSlotMap map;
    QCOMPARE(Bytes(EncodeButton(b, sensor, map)), bytes);
}

void TestButtonEncoding::macroRepeatModes_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("loops");
    QTest::addColumn<QByteArray>("bytes");

    // The map already holds two other macros, so this one gets slot 2.
    QTest::newRow("macro count mode 258 times") << kMacroFunction << 0 << 258 << Hex("91020201");
    QTest::newRow("macro mode 1 sets 0x80") << kMacroFunction << 1 << 5 << Hex("9182ffff");
    QTest::newRow("macro mode 2 sets 0x40") << kMacroFunction << 2 << 5 << Hex("9142ffff");
    QTest::newRow("gun file count mode") << kGunFileFunction << 0 << 3 << Hex("9d020300");
    QTest::newRow("gun file mode 1") << kGunFileFunction << 1 << 3 << Hex("9d82ffff");
    QTest::newRow("gun file mode 2") << kGunFileFunction << 2 << 3 << Hex("9d42ffff");
    QTest::newRow("unknown mode counts") << kMacroFunction << 7 << 4 << Hex("91020400");
    QTest::newRow("count above 16 bits held") << kMacroFunction << 0 << 70000 << Hex("9102ffff");
}

void TestButtonEncoding::macroRepeatModes()
{
    QFETCH(int, fun);
    QFETCH(int, mode);
    QFETCH(int, loops);
    QFETCH(QByteArray, bytes);
    MacroSlotMap map;
    map.assign(QStringLiteral("first"));
    map.assign(QStringLiteral("second"));
    ButtonRecord b = MacroButton(QStringLiteral("third"), fun);
    b.Res1 = quint8(mode);
    b.LoopNumber = loops;
    QCOMPARE(Bytes(EncodeButton(b, 0, map)), bytes);
    QCOMPARE(int(b.Res4), 2);
    QCOMPARE(map.find(QStringLiteral("third")), 2);
}

void TestButtonEncoding::imageLayout()
{
    SettingsRecord s;
    auto& buttons = s.profiles[0].BUTTON_INFO;
    buttons[0].Fun = 1;
    buttons[1].Fun = 2;
    buttons[2].Fun = 47;
    buttons[3].Fun = 3;  // beyond the button count: not sent
    buttons[40].Fun = 52;
    buttons[41].Fun = 53;
    MacroSlotMap map;
    const ButtonImage image = BuildButtonImage(s, Context(3, {4, 0, 21, 7}), map);

    QCOMPARE(int(image[0]), 0x0A);
    QCOMPARE(int(image[1]), 0x00);
    QCOMPARE(Slot(image, 4), Hex("81000000"));
    QCOMPARE(Slot(image, 0), Hex("82000000"));
    QCOMPARE(Slot(image, 21), Hex("88000000"));
    QCOMPARE(Slot(image, 7), Hex("00000000"));
    QCOMPARE(Slot(image, 22), Hex("8b000000"));
    QCOMPARE(Slot(image, 23), Hex("8c000000"));
    for (int i = 98; i < kButtonImageSize; ++i)
        QCOMPARE(int(image[i]), 0xFF);
}

void TestButtonEncoding::scrollRevSwapsWheelSlots_data()
{
    QTest::addColumn<int>("scrollRev");
    QTest::addColumn<QByteArray>("slot22");
    QTest::addColumn<QByteArray>("slot23");

    QTest::newRow("ScrollRev 0 keeps 40 in 22") << 0 << Hex("8b000000") << Hex("8c000000");
    QTest::newRow("ScrollRev 1 swaps 40 and 41") << 1 << Hex("8c000000") << Hex("8b000000");
    QTest::newRow("ScrollRev 2 keeps 40 in 22") << 2 << Hex("8b000000") << Hex("8c000000");
}

void TestButtonEncoding::scrollRevSwapsWheelSlots()
{
    QFETCH(int, scrollRev);
    QFETCH(QByteArray, slot22);
    QFETCH(QByteArray, slot23);
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[40].Fun = 52;
    s.profiles[0].BUTTON_INFO[41].Fun = 53;
    DeviceContext c = Context(0, {});
    c.scrollRev = scrollRev;
    MacroSlotMap map;
    const ButtonImage image = BuildButtonImage(s, c, map);
    QCOMPARE(Slot(image, 22), slot22);
    QCOMPARE(Slot(image, 23), slot23);
}

void TestButtonEncoding::positionsWithoutSlotAreSkipped()
{
    SettingsRecord s;
    auto& buttons = s.profiles[0].BUTTON_INFO;
    buttons[0] = MacroButton(QStringLiteral("hidden"));
    buttons[1] = MacroButton(QStringLiteral("shown"));
    MacroSlotMap map;
    const ButtonImage image = BuildButtonImage(s, Context(2, {kNoButtonSlot, 3}), map);

    QCOMPARE(map.find(QStringLiteral("hidden")), kMacroNotInMap);
    QCOMPARE(map.find(QStringLiteral("shown")), 0);
    QCOMPARE(Slot(image, 3), Hex("91000100"));
    QCOMPARE(int(buttons[0].Res4), 0);
}

void TestButtonEncoding::badContextStaysInsideImage()
{
    SettingsRecord s;
    for (auto& b : s.profiles[0].BUTTON_INFO)
        b.Fun = 1;
    DeviceContext c = Context(200, {24, 200, 254, 23});
    c.scrollRev = -7;
    MacroSlotMap map;
    const ButtonImage image = BuildButtonImage(s, c, map);
    QCOMPARE(Slot(image, 23), Hex("81000000"));
    for (int i = 98; i < kButtonImageSize; ++i)
        QCOMPARE(int(image[i]), 0xFF);
}

void TestButtonEncoding::oneMacroOnTwoButtonsSharesASlot()
{
    SettingsRecord s;
    auto& buttons = s.profiles[0].BUTTON_INFO;
    buttons[0] = MacroButton(QStringLiteral("burst"));
    buttons[1] = MacroButton(QStringLiteral("burst"));
    buttons[2] = MacroButton(QStringLiteral("other"), kGunFileFunction);
    MacroSlotMap map;
    const ButtonImage image = BuildButtonImage(s, Context(3, {0, 1, 2}), map);

    QCOMPARE(map.size(), 2);
    QCOMPARE(Slot(image, 0), Hex("91000100"));
    QCOMPARE(Slot(image, 1), Hex("91000100"));
    QCOMPARE(Slot(image, 2), Hex("9d010100"));
    QCOMPARE(int(buttons[0].Res4), 0);
    QCOMPARE(int(buttons[1].Res4), 0);
    QCOMPARE(int(buttons[2].Res4), 1);
}

void TestButtonEncoding::slotsFollowFirstUseAndMapIsRebuilt()
{
    SettingsRecord s;
    auto& buttons = s.profiles[0].BUTTON_INFO;
    buttons[0] = MacroButton(QStringLiteral("b"));
    buttons[1] = MacroButton(QStringLiteral("a"));
    buttons[41] = MacroButton(QStringLiteral("wheel"));
    s.profiles[1].BUTTON_INFO[0] = MacroButton(QStringLiteral("profile two"));
    MacroSlotMap map;
    map.assign(QStringLiteral("left over"));
    BuildButtonImage(s, Context(2, {5, 6}), map);

    QCOMPARE(map.size(), 3);
    QCOMPARE(map.find(QStringLiteral("b")), 0);
    QCOMPARE(map.find(QStringLiteral("a")), 1);
    QCOMPARE(map.find(QStringLiteral("wheel")), 2);
    QCOMPARE(map.find(QStringLiteral("left over")), kMacroNotInMap);
    QCOMPARE(map.find(QStringLiteral("profile two")), kMacroNotInMap);
    QCOMPARE(int(buttons[41].Res4), 2);
}

QTEST_GUILESS_MAIN(TestButtonEncoding)
#include "tst_buttonencoding.moc"
