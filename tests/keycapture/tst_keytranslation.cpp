#include "KeyCapture.h"
#include "KeyTables.h"

#include <QKeyEvent>
#include <QSet>
#include <QtTest>

namespace {

// Every key of the key tables, from the Linux evdev code a keyboard reports for it.
struct KeyRow
{
    quint32 evdev;
    int code;
    const char* name;
};

const KeyRow kKeys[] = {
    {1, 1, "Esc"}, {2, 2, "1"}, {3, 3, "2"}, {4, 4, "3"}, {5, 5, "4"}, {6, 6, "5"}, {7, 7, "6"},
    {8, 8, "7"}, {9, 9, "8"}, {10, 10, "9"}, {11, 11, "0"}, {12, 12, "-"}, {13, 13, "="},
    {14, 14, "Backspace"}, {15, 15, "Tab"}, {16, 16, "Q"}, {17, 17, "W"}, {18, 18, "E"},
    {19, 19, "R"}, {20, 20, "T"}, {21, 21, "Y"}, {22, 22, "U"}, {23, 23, "I"}, {24, 24, "O"},
    {25, 25, "P"}, {26, 26, "["}, {27, 27, "]"}, {28, 28, "Enter"}, {29, 29, "LCtr"},
    {30, 30, "A"}, {31, 31, "S"}, {32, 32, "D"}, {33, 33, "F"}, {34, 34, "G"}, {35, 35, "H"},
    {36, 36, "J"}, {37, 37, "K"}, {38, 38, "L"}, {39, 39, ";"}, {40, 40, "'"}, {41, 41, "`"},
    {42, 42, "LShift"}, {43, 43, "\\"}, {44, 44, "Z"}, {45, 45, "X"}, {46, 46, "C"},
    {47, 47, "V"}, {48, 48, "B"}, {49, 49, "N"}, {50, 50, "M"}, {51, 51, ","}, {52, 52, "."},
    {53, 53, "/"}, {54, 54, "RShift"}, {55, 227, "Num *"}, {56, 56, "LAlt"}, {57, 57, "Space"},
    {58, 58, "CapsLock"}, {59, 59, "F1"}, {60, 60, "F2"}, {61, 61, "F3"}, {62, 62, "F4"},
    {63, 63, "F5"}, {64, 64, "F6"}, {65, 65, "F7"}, {66, 66, "F8"}, {67, 67, "F9"},
    {68, 68, "F10"}, {69, 225, "Num Lock"}, {70, 70, "Scroll Lock"}, {71, 235, "Num 7"},
    {72, 236, "Num 8"}, {73, 228, "Num 9"}, {74, 74, "Num -"}, {75, 233, "Num 4"},
    {76, 76, "Num 5"}, {77, 234, "Num 6"}, {78, 78, "Num +"}, {79, 230, "Num 1"},
    {80, 231, "Num 2"}, {81, 232, "Num 3"}, {82, 237, "Num 0"}, {83, 224, "Num De"},
    {87, 87, "F11"}, {88, 88, "F12"}, {96, 229, "Num Enter"}, {97, 238, "RCtr"},
    {98, 226, "Num /"}, {99, 55, "Print Screen"}, {100, 239, "RAlt"}, {102, 71, "Home"},
    {103, 72, "Up"}, {104, 73, "Page Up"}, {105, 75, "Left"}, {106, 77, "Right"},
    {107, 79, "End"}, {108, 80, "Down"}, {109, 81, "Page Down"}, {110, 82, "Insert"},
    {111, 83, "Delete"}, {119, 69, "Pause Break"}, {125, 91, "LWindows"}, {126, 92, "RWindows"},
    {127, 93, "App"},
};

// X11 keycodes are the evdev codes plus 8.
constexpr quint32 kX11Offset = 8;

HookKeyEvent Hook(int scanCode, quint32 flags, quint32 virtualKey = 0)
{
    HookKeyEvent event;
    event.scanCode = scanCode;
    event.flags = flags;
    event.virtualKey = virtualKey;
    return event;
}

} // namespace

class TestKeyTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyUsageKeyHasARow();
    void evdevKeys_data();
    void evdevKeys();
    void hookEvents_data();
    void hookEvents();
    void keysWithoutScanCode_data();
    void keysWithoutScanCode();
    void captureTable_data();
    void captureTable();
    void recorderTable_data();
    void recorderTable();
    void qtKeyEvents_data();
    void qtKeyEvents();
    void autoRepeatIsMarked();
};

void TestKeyTranslation::initTestCase()
{
    SetFrenchLanguageIndex(-1);
    SetCurrentLanguageIndex(0);
}

void TestKeyTranslation::everyUsageKeyHasARow()
{
    QSet<int> rowCodes;
    for (const KeyRow& row : kKeys) {
        QVERIFY2(!rowCodes.contains(row.code), qPrintable(QString::number(row.code)));
        rowCodes.insert(row.code);
    }
    int withUsage = 0;
    for (int code = 0; code <= 255; ++code) {
        quint8 usage = 0;
        if (!UsageFromCode(code, usage))
            continue;
        ++withUsage;
        QVERIFY2(rowCodes.contains(code), qPrintable(QStringLiteral("no key for code %1").arg(code)));
    }
    QCOMPARE(withUsage, 104);
    QCOMPARE(rowCodes.size(), 104);
}

void TestKeyTranslation::evdevKeys_data()
{
    QTest::addColumn<quint32>("evdev");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    for (const KeyRow& row : kKeys)
        QTest::newRow(row.name) << row.evdev << row.code << QString::fromUtf8(row.name);
}

void TestKeyTranslation::evdevKeys()
{
    QFETCH(quint32, evdev);
    QFETCH(int, code);
    QFETCH(QString, name);

    QCOMPARE(KeyName(code), name);
    quint8 usage = 0;
    QVERIFY(UsageFromCode(code, usage));

    for (bool altDown : {false, true}) {
        for (bool release : {false, true}) {
            HookKeyEvent hook;
            QVERIFY(EvdevToHookKey(evdev, release, altDown, hook));
            QCOMPARE(bool(hook.flags & 0x80), release);
            const CapturedKey captured = TranslateForCapture(hook);
            QCOMPARE(captured.code, code);
            QCOMPARE(captured.flags, hook.flags);
            const CapturedKey recorded = TranslateForRecording(hook);
            QCOMPARE(recorded.code, code);
            // The recorder tells presses from releases by flags <= 1.
            QCOMPARE(recorded.flags <= 1, !release);
        }
    }
}

void TestKeyTranslation::hookEvents_data()
{
    QTest::addColumn<quint32>("evdev");
    QTest::addColumn<bool>("release");
    QTest::addColumn<bool>("altDown");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<quint32>("virtualKey");

    QTest::newRow("A press") << 30u << false << false << 0x1E << 0x00u << 0u;
    QTest::newRow("A release") << 30u << true << false << 0x1E << 0x80u << 0u;
    QTest::newRow("A with Alt held") << 30u << false << true << 0x1E << 0x20u << 0u;
    QTest::newRow("Home extended") << 102u << false << false << 0x47 << 0x01u << 0u;
    QTest::newRow("keypad 7 plain") << 71u << false << false << 0x47 << 0x00u << 0u;
    QTest::newRow("Delete extended") << 111u << false << false << 0x53 << 0x01u << 0u;
    QTest::newRow("keypad Delete plain") << 83u << false << false << 0x53 << 0x00u << 0u;
    QTest::newRow("right Ctrl release") << 97u << true << false << 0x1D << 0x81u << 0u;
    QTest::newRow("keypad Enter") << 96u << false << false << 0x1C << 0x01u << 0u;
    QTest::newRow("keypad slash") << 98u << false << false << 0x35 << 0x01u << 0u;
    QTest::newRow("Print Screen") << 99u << false << false << 0x37 << 0x01u << 0u;
    QTest::newRow("keypad asterisk") << 55u << false << false << 0x37 << 0x00u << 0u;
    QTest::newRow("Pause plain 0x45") << 119u << false << false << 0x45 << 0x00u << 0u;
    QTest::newRow("Num Lock extended 0x45") << 69u << false << false << 0x45 << 0x01u << 0u;
    QTest::newRow("left Windows") << 125u << false << false << 0x5B << 0x01u << 0u;
    QTest::newRow("right Windows") << 126u << false << false << 0x5C << 0x01u << 0u;
    QTest::newRow("Menu") << 127u << false << false << 0x5D << 0x01u << 0u;
    QTest::newRow("left Alt press reports Alt down") << 56u << false << false << 0x38 << 0x20u << 0xA4u;
    QTest::newRow("left Alt release") << 56u << true << false << 0x38 << 0x80u << 0xA4u;
    QTest::newRow("right Alt press") << 100u << false << false << 0x38 << 0x21u << 0xA5u;
    QTest::newRow("right Alt release") << 100u << true << false << 0x38 << 0x81u << 0xA5u;
    QTest::newRow("left Alt release, right still held") << 56u << true << true << 0x38 << 0xA0u << 0xA4u;
}

void TestKeyTranslation::hookEvents()
{
    QFETCH(quint32, evdev);
    QFETCH(bool, release);
    QFETCH(bool, altDown);
    QFETCH(int, scanCode);
    QFETCH(quint32, flags);
    QFETCH(quint32, virtualKey);

    HookKeyEvent hook;
    QVERIFY(EvdevToHookKey(evdev, release, altDown, hook));
    QCOMPARE(hook.scanCode, scanCode);
    QCOMPARE(hook.flags, flags);
    QCOMPARE(hook.virtualKey, virtualKey);
    QVERIFY(!hook.autoRepeat);
}

void TestKeyTranslation::keysWithoutScanCode_data()
{
    QTest::addColumn<quint32>("evdev");
    QTest::newRow("reserved 0") << 0u;
    QTest::newRow("unassigned 84") << 84u;
    QTest::newRow("mute") << 113u;
    QTest::newRow("volume up") << 115u;
    QTest::newRow("mouse left button") << 0x110u;
    QTest::newRow("huge") << 0xFFFFFFFFu;
}

void TestKeyTranslation::keysWithoutScanCode()
{
    QFETCH(quint32, evdev);
    HookKeyEvent hook = Hook(99, 0x42);
    QVERIFY(!EvdevToHookKey(evdev, false, false, hook));
    QCOMPARE(hook.scanCode, 99);
    QCOMPARE(hook.flags, 0x42u);
}

void TestKeyTranslation::captureTable_data()
{
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<int>("code");

    QTest::newRow("Enter") << 28 << 0x00u << 28;
    QTest::newRow("keypad Enter press") << 28 << 0x01u << 229;
    QTest::newRow("keypad Enter release") << 28 << 0x81u << 229;
    QTest::newRow("left Ctrl") << 29 << 0x00u << 29;
    QTest::newRow("right Ctrl") << 29 << 0x01u << 238;
    QTest::newRow("slash") << 53 << 0x80u << 53;
    QTest::newRow("keypad slash") << 53 << 0x81u << 226;
    QTest::newRow("Print Screen") << 55 << 0x01u << 55;
    QTest::newRow("keypad asterisk") << 55 << 0x80u << 227;
    QTest::newRow("left Alt press") << 56 << 0x20u << 56;
    QTest::newRow("right Alt press 33") << 56 << 0x21u << 239;
    QTest::newRow("right Alt release 129") << 56 << 0x81u << 239;
    QTest::newRow("right Alt release, left held") << 56 << 0xA1u << 239;
    QTest::newRow("Pause") << 69 << 0x00u << 69;
    QTest::newRow("Num Lock") << 69 << 0x01u << 225;
    QTest::newRow("numpad 7") << 71 << 0x00u << 235;
    QTest::newRow("numpad 7 release") << 71 << 0x80u << 235;
    QTest::newRow("Home") << 71 << 0x01u << 71;
    QTest::newRow("numpad 7 with Alt held") << 71 << 0x20u << 235;
    QTest::newRow("Home with Alt held") << 71 << 0x21u << 71;
    QTest::newRow("Delete") << 83 << 0x01u << 83;
    QTest::newRow("keypad Delete") << 83 << 0x00u << 224;
    QTest::newRow("Up") << 72 << 0x81u << 72;
    QTest::newRow("numpad 8") << 72 << 0x00u << 236;
    QTest::newRow("A") << 30 << 0x00u << 30;
}

void TestKeyTranslation::captureTable()
{
    QFETCH(int, scanCode);
    QFETCH(quint32, flags);
    QFETCH(int, code);
    const CapturedKey key = TranslateForCapture(Hook(scanCode, flags));
    QCOMPARE(key.code, code);
    QCOMPARE(key.flags, flags);
}

void TestKeyTranslation::recorderTable_data()
{
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<quint32>("virtualKey");
    QTest::addColumn<int>("code");
    QTest::addColumn<quint32>("recordedFlags");

    QTest::newRow("numpad 7 records 235") << 0x47 << 0x00u << 0u << 235 << 0x00u;
    QTest::newRow("Home records 0x47") << 0x47 << 0x01u << 0u << 0x47 << 0x01u;
    QTest::newRow("left Alt press loses Alt flag") << 0x38 << 0x20u << 0xA4u << 0x38 << 0x00u;
    QTest::newRow("left Alt release") << 0x38 << 0x80u << 0xA4u << 0x38 << 0x80u;
    QTest::newRow("right Alt by virtual key") << 0x38 << 0x21u << 0xA5u << 239 << 0x01u;
    QTest::newRow("right Alt release") << 0x38 << 0x81u << 0xA5u << 239 << 0x81u;
    QTest::newRow("A with Alt held counts as press") << 0x1E << 0x20u << 0u << 0x1E << 0x00u;
    QTest::newRow("A release with Alt held") << 0x1E << 0xA0u << 0u << 0x1E << 0xA0u;
    QTest::newRow("Home with Alt held stays Home") << 0x47 << 0x21u << 0u << 0x47 << 0x01u;
    QTest::newRow("numpad 7 with Alt held") << 0x47 << 0x20u << 0u << 235 << 0x00u;
    QTest::newRow("right Ctrl release with Alt held") << 0x1D << 0xA1u << 0u << 238 << 0xA1u;
    QTest::newRow("keypad Delete") << 0x53 << 0x80u << 0u << 224 << 0x80u;
    QTest::newRow("Delete") << 0x53 << 0x81u << 0u << 0x53 << 0x81u;
}

void TestKeyTranslation::recorderTable()
{
    QFETCH(int, scanCode);
    QFETCH(quint32, flags);
    QFETCH(quint32, virtualKey);
    QFETCH(int, code);
    QFETCH(quint32, recordedFlags);
    const CapturedKey key = TranslateForRecording(Hook(scanCode, flags, virtualKey));
    QCOMPARE(key.code, code);
    QCOMPARE(key.flags, recordedFlags);
}

void TestKeyTranslation::qtKeyEvents_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("x11Keycode");
    QTest::addColumn<bool>("release");
    QTest::addColumn<int>("code");
    QTest::addColumn<quint32>("flags");

    const int keypad = Qt::KeypadModifier;
    QTest::newRow("numpad 7, Num Lock on") << int(Qt::Key_7) << keypad << 71 + kX11Offset << false << 235 << 0u;
    QTest::newRow("numpad 7, Num Lock off") << int(Qt::Key_Home) << keypad << 71 + kX11Offset << false << 235 << 0u;
    QTest::newRow("numpad Delete, Num Lock off") << int(Qt::Key_Delete) << keypad << 83 + kX11Offset << false << 224 << 0u;
    QTest::newRow("numpad dot, Num Lock on") << int(Qt::Key_Period) << keypad << 83 + kX11Offset << false << 224 << 0u;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 102 + kX11Offset << false << 71 << 1u;
    QTest::newRow("right Ctrl release") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 97 + kX11Offset << true << 238 << 0x81u;
    QTest::newRow("Tab with Alt held") << int(Qt::Key_Tab) << int(Qt::AltModifier) << 15 + kX11Offset << false << 15 << 0x20u;
    QTest::newRow("left Alt release") << int(Qt::Key_Alt) << int(Qt::AltModifier) << 56 + kX11Offset << true << 56 << 0x80u;
    QTest::newRow("right Alt as AltGr") << int(Qt::Key_AltGr) << 0 << 100 + kX11Offset << false << 239 << 0x21u;
    QTest::newRow("Super key") << int(Qt::Key_Super_L) << 0 << 125 + kX11Offset << false << 91 << 1u;
    // Without a native code (synthetic events) the Qt key stands in.
    QTest::newRow("no native code: Escape") << int(Qt::Key_Escape) << 0 << 0u << false << 1 << 0u;
    QTest::newRow("no native code: numpad 7") << int(Qt::Key_Home) << keypad << 0u << false << 235 << 0u;
    QTest::newRow("no native code: keypad Enter") << int(Qt::Key_Enter) << keypad << 0u << false << 229 << 1u;
    QTest::newRow("no native code: Return") << int(Qt::Key_Return) << 0 << 0u << true << 28 << 0x80u;
    QTest::newRow("no native code: C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 0u << false << 46 << 0u;
}

void TestKeyTranslation::qtKeyEvents()
{
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(quint32, x11Keycode);
    QFETCH(bool, release);
    QFETCH(int, code);
    QFETCH(quint32, flags);

    const QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, qtKey,
                          Qt::KeyboardModifiers(modifiers), x11Keycode, 0, 0);
    HookKeyEvent hook;
    QVERIFY(QtKeyEventToHookKey(event, hook));
    QCOMPARE(hook.flags, flags);
    QCOMPARE(TranslateForCapture(hook).code, code);
}

void TestKeyTranslation::autoRepeatIsMarked()
{
    const QKeyEvent first(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + kX11Offset, 0, 0, QString(), false);
    const QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + kX11Offset, 0, 0, QString(), true);
    HookKeyEvent a;
    HookKeyEvent b;
    QVERIFY(QtKeyEventToHookKey(first, a));
    QVERIFY(QtKeyEventToHookKey(repeat, b));
    QVERIFY(!a.autoRepeat);
    QVERIFY(b.autoRepeat);
    // A repeat is the same event again, so the dialogs' repeat rule drops it.
    QCOMPARE(TranslateForCapture(b).code, TranslateForCapture(a).code);
    QCOMPARE(TranslateForCapture(b).flags, TranslateForCapture(a).flags);
}

QTEST_MAIN(TestKeyTranslation)
#include "tst_keytranslation.moc"
