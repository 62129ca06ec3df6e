#include "ButtonEncoding.h"
#include "Descriptor.h"
#include "MacroUpload.h"
#include "SettingsRecord.h"
#include "TestAppDir.h"

#include <QtTest>

namespace {

using Events = QVector<MacroEvent>;

QByteArray Hex(const QByteArray& hex) { return QByteArray::fromHex(hex).toHex(' '); }

QByteArray SlotHex(const MacroSlotBytes& slot, int length)
{
    return QByteArray(reinterpret_cast<const char*>(slot.data()), length).toHex(' ');
}

QByteArray ReportHex(const Report& r, int from, int length)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()) + from, length).toHex(' ');
}

bool AllZeroFrom(const MacroSlotBytes& slot, int from)
{
    return std::all_of(slot.begin() + from, slot.end(), [](quint8 b) { return b == 0; });
}

MacroEvent Key(int usage, bool press = true)
{
    return MacroEvent{quint8(press ? KeyPress : KeyRelease), 0, quint8(usage)};
}

// Distinct key presses 04, 05, 06, ...
Events Keys(int n)
{
    Events events;
    for (int i = 0; i < n; ++i)
        events.append(Key(4 + i));
    return events;
}

// The slot bytes for a pattern of e (the next recorded key), D (one-unit pause) and 0.
QByteArray Pattern(const char* pattern)
{
    QByteArray out;
    int next = 4;
    for (const char* p = pattern; *p; ++p) {
        if (*p == 'e')
            out += QByteArray::fromHex("84") + char(next++) + char(0);
        else if (*p == 'D')
            out += QByteArray::fromHex("060100");
        else if (*p == '0')
            out += QByteArray(3, '\0');
    }
    return out;
}

QByteArray MacroFileText(const Events& events)
{
    QByteArray text = "[Setting]\nDelayType=1\nCount=" + QByteArray::number(events.size()) + "\n";
    for (int i = 0; i < events.size(); ++i) {
        text += "Map_" + QByteArray::number(i) + "=" + QByteArray::number(events[i].Map) + "\n";
        text += "DataH_" + QByteArray::number(i) + "=" + QByteArray::number(events[i].DataH) + "\n";
        text += "DataL_" + QByteArray::number(i) + "=" + QByteArray::number(events[i].DataL) + "\n";
    }
    return text;
}

void WriteMacro(const TestAppDir& app, const QString& name, const Events& events)
{
    app.write(QStringLiteral("Configs/MacroDB/%1.MSMACRO").arg(name), MacroFileText(events));
}

ButtonRecord MacroButton(const QString& name, int fun = kMacroFunction)
{
    ButtonRecord b;
    b.Fun = fun;
    b.macroname = name;
    b.LoopNumber = 1;
    return b;
}

} // namespace

class TestMacroUpload : public QObject
{
    Q_OBJECT

private slots:
    void slotMapConventions();
    void assignAfterRemovalKeepsOtherSlots();
    void pauseInsertion_data();
    void pauseInsertion();
    void keyPressStoresDataLBeforeDataH();
    void delayEventSentByteForByte();
    void onlyMapSixCountsAsDelay();
    void longMacros_data();
    void longMacros();

    void nothingToSendWithEmptyMap();
    void packetLayout();
    void oneMacroOnTwoButtonsEncodedOnce();
    void otherProfileNameNotInMapSkipped();
    void emptySlotZeroHasNoFirstTag();
    void laterSlotOffsets();
    void missingFileUploadsAPause();
    void tooManyMacrosSendsNothing();
    void twelveMacrosAreSent();
    void tooLongMacroIsReportedAndEmptied();
    void gunFileUploadsLikeMacro();
};

void TestMacroUpload::slotMapConventions()
{
    MacroSlotMap map;
    QCOMPARE(FindMacroSlot(map, QStringLiteral("a")), kMacroMapEmpty);
    QCOMPARE(AssignMacroSlot(map, QStringLiteral("a")), 0);
    QCOMPARE(FindMacroSlot(map, QStringLiteral("b")), kMacroNotInMap);
    QCOMPARE(AssignMacroSlot(map, QStringLiteral("b")), 1);
    QCOMPARE(AssignMacroSlot(map, QStringLiteral("a")), 0);
    QCOMPARE(AssignMacroSlot(map, QStringLiteral("c")), 2);
    QCOMPARE(map.size(), 3);
    QCOMPARE(map.nameAt(1), QStringLiteral("b"));

    map.removeFirst(QStringLiteral("a"));
    QCOMPARE(map.find(QStringLiteral("a")), kMacroNotInMap);
    QCOMPARE(map.find(QStringLiteral("b")), 1);
    map.removeFirst(QStringLiteral("nothing"));
    QCOMPARE(map.size(), 2);
    map.removeFirst(QStringLiteral("b"));
    map.removeFirst(QStringLiteral("c"));
    QVERIFY(map.isEmpty());
    QCOMPARE(map.find(QStringLiteral("b")), kMacroMapEmpty);
}

void TestMacroUpload::assignAfterRemovalKeepsOtherSlots()
{
    MacroSlotMap map;
    map.assign(QStringLiteral("a"));
    map.assign(QStringLiteral("b"));
    map.removeFirst(QStringLiteral("a"));
    // Counting entries would give slot 1 again, which "b" holds.
    QCOMPARE(map.assign(QStringLiteral("c")), 0);
    QCOMPARE(map.find(QStringLiteral("b")), 1);
    QCOMPARE(map.assign(QStringLiteral("d")), 2);
}

void TestMacroUpload::pauseInsertion_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("0 events: D 0") << 0 << Pattern("D0");
    QTest::newRow("1 event: e D 0") << 1 << Pattern("eD0");
    QTest::newRow("2 events: e e D 0") << 2 << Pattern("eeD0");
    QTest::newRow("3 events: e e e D D") << 3 << Pattern("eeeDD");
    QTest::newRow("4 events: e e e e D D 0") << 4 << Pattern("eeeeDD0");
    QTest::newRow("5 events: e e e e D e D 0") << 5 << Pattern("eeeeDeD0");
    QTest::newRow("7 events: second pause at remainder 3") << 7 << Pattern("eeeeDeeeDD");
    QTest::newRow("8 events: e e e e D e e e e D D 0") << 8 << Pattern("eeeeDeeeeDD0");
}

void TestMacroUpload::pauseInsertion()
{
    QFETCH(int, n);
    QFETCH(QByteArray, bytes);
    const MacroSlotBytes slot = EncodeMacroSlot(Keys(n));
    QCOMPARE(SlotHex(slot, bytes.size()), bytes.toHex(' '));
    QVERIFY(AllZeroFrom(slot, bytes.size()));
}

void TestMacroUpload::keyPressStoresDataLBeforeDataH()
{
    const MacroSlotBytes slot = EncodeMacroSlot({MacroEvent{0x84, 0x00, 0x04}});
    QCOMPARE(SlotHex(slot, 3), Hex("840400"));
    const MacroSlotBytes delay = EncodeMacroSlot({MacroEvent{DelayEvent, 0x01, 0x2C}});
    QCOMPARE(SlotHex(delay, 3), Hex("062c01"));
}

void TestMacroUpload::delayEventSentByteForByte()
{
    const Events withDelay = {Key(4), MacroEvent{DelayEvent, 0, 5}, Key(4, false)};
    const MacroSlotBytes slot = EncodeMacroSlot(withDelay);
    QCOMPARE(SlotHex(slot, 9), Hex("840400060500040400"));
    QVERIFY(AllZeroFrom(slot, 9));

    const Events withoutDelay = {Key(4), Key(4, false)};
    const MacroSlotBytes paused = EncodeMacroSlot(withoutDelay);
    QCOMPARE(SlotHex(paused, 12), Hex("840400040400060100000000"));
    QVERIFY(AllZeroFrom(paused, 12));
}

void TestMacroUpload::onlyMapSixCountsAsDelay()
{
    const Events events = {MacroEvent{0x86, 0, 5}};
    const MacroSlotBytes slot = EncodeMacroSlot(events);
    QCOMPARE(SlotHex(slot, 9), Hex("860500060100000000"));
}

void TestMacroUpload::longMacros_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("withDelay");
    QTest::addColumn<bool>("fits");

    QTest::newRow("63 events with a delay fit") << 63 << true << true;
    QTest::newRow("64 events with a delay refused") << 64 << true << false;
    QTest::newRow("200 events with a delay refused") << 200 << true << false;
    QTest::newRow("51 events without delay fit") << 51 << false << true;
    QTest::newRow("52 events without delay refused") << 52 << false << false;
}

void TestMacroUpload::longMacros()
{
    QFETCH(int, n);
    QFETCH(bool, withDelay);
    QFETCH(bool, fits);
    Events events = Keys(n);
    if (withDelay)
        events[n / 2] = MacroEvent{DelayEvent, 0, 9};
    QCOMPARE(MacroFitsSlot(events), fits);

    const MacroSlotBytes slot = EncodeMacroSlot(events);
    if (!fits) {
        // Refused: the empty macro, a single pause.
        QCOMPARE(SlotHex(slot, 6), Hex("060100000000"));
        QVERIFY(AllZeroFrom(slot, 3));
        return;
    }
    const int used = withDelay ? 3 * n : 3 * (n + n / 4 + 2);
    QVERIFY(used <= kMacroSlotSize);
    QCOMPARE(int(slot[0]), int(KeyPress));
    if (withDelay) {
        QCOMPARE(int(slot[used - 3]), int(KeyPress));
    } else {
        // 51 leaves remainder 3: two pauses close the macro.
        QCOMPARE(int(slot[used - 6]), int(DelayEvent));
        QCOMPARE(int(slot[used - 3]), int(DelayEvent));
    }
    QVERIFY(AllZeroFrom(slot, used));
}

void TestMacroUpload::nothingToSendWithEmptyMap()
{
    TestAppDir app;
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[0] = MacroButton(QStringLiteral("a"));
    WriteMacro(app, QStringLiteral("a"), Keys(2));
    MacroSlotMap map;
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QVERIFY(plan.reports.isEmpty());
    QCOMPARE(plan.macrosEncoded, 0);
    QVERIFY(!plan.tooManyMacros);
}

void TestMacroUpload::packetLayout()
{
    TestAppDir app;
    Events events = Keys(10);
    events[9] = MacroEvent{DelayEvent, 0x02, 0x03};
    WriteMacro(app, QStringLiteral("a"), events);
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[0] = MacroButton(QStringLiteral("a"));
    MacroSlotMap map;
    map.assign(QStringLiteral("a"));

    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.reports.size(), 11);
    QCOMPARE(plan.macrosEncoded, 1);
    QVERIFY(map.isEmpty());

    QCOMPARE(ReportHex(plan.reports[0], 0, 8), Hex("0500fa05000014d1"));
    QCOMPARE(ReportHex(plan.reports[0], 8, 20),
             Hex("840400840500840600840700840800840900840a"));
    QCOMPARE(ReportHex(plan.reports[0], 28, 5), Hex("0000000000"));
    QCOMPARE(ReportHex(plan.reports[1], 0, 8), Hex("0500fa05140014d2"));
    QCOMPARE(ReportHex(plan.reports[1], 8, 10), Hex("00840b00840c00060302"));
    for (int i = 2; i < 10; ++i)
        QCOMPARE(ReportHex(plan.reports[i], 0, 8), ReportHex(MakeReport(5, quint8(20 * i), 0, 0x14, 0xD2), 0, 8));
    QCOMPARE(ReportHex(plan.reports[10], 0, 33), Hex("0500fa05ff0f01d31a") + QByteArray(" 00").repeated(24));
}

void TestMacroUpload::oneMacroOnTwoButtonsEncodedOnce()
{
    TestAppDir app;
    WriteMacro(app, QStringLiteral("burst"), Keys(3));
    SettingsRecord s;
    auto& buttons = s.profiles[0].BUTTON_INFO;
    buttons[0] = MacroButton(QStringLiteral("burst"));
    buttons[1] = MacroButton(QStringLiteral("burst"));
    DeviceContext c;
    c.buttonCount = 2;
    c.buttonMatrix = {0, 1};
    MacroSlotMap map;
    BuildButtonImage(s, c, map);
    QCOMPARE(map.size(), 1);

    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.macrosEncoded, 1);
    QCOMPARE(plan.reports.size(), 11);
    QCOMPARE(ReportHex(plan.reports[0], 8, 15), Pattern("eeeDD").toHex(' '));
}

void TestMacroUpload::otherProfileNameNotInMapSkipped()
{
    TestAppDir app;
    WriteMacro(app, QStringLiteral("a"), Keys(1));
    WriteMacro(app, QStringLiteral("b"), Keys(1));
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[0] = MacroButton(QStringLiteral("a"));
    s.profiles[2].BUTTON_INFO[5] = MacroButton(QStringLiteral("b"));
    s.profiles[4].BUTTON_INFO[41] = MacroButton(QStringLiteral("a"));
    MacroSlotMap map;
    map.assign(QStringLiteral("a"));

    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.macrosEncoded, 1);
    QCOMPARE(plan.reports.size(), 11);
}

void TestMacroUpload::emptySlotZeroHasNoFirstTag()
{
    TestAppDir app;
    WriteMacro(app, QStringLiteral("b"), Keys(2));
    SettingsRecord s;
    s.profiles[1].BUTTON_INFO[3] = MacroButton(QStringLiteral("b"));
    MacroSlotMap map;
    map.assign(QStringLiteral("a"));   // slot 0, no button uses it here
    map.assign(QStringLiteral("b"));   // slot 1

    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.reports.size(), 11);
    QCOMPARE(ReportHex(plan.reports[0], 3, 5), Hex("05c80014d2"));
    for (const Report& r : plan.reports)
        QVERIFY(r[7] != kTagFirst);
    QCOMPARE(map.find(QStringLiteral("a")), 0);
}

void TestMacroUpload::laterSlotOffsets()
{
    TestAppDir app;
    SettingsRecord s;
    MacroSlotMap map;
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("m%1").arg(i);
        WriteMacro(app, name, Keys(i + 1));
        map.assign(name);
        if (i == 0 || i == 3)
            s.profiles[0].BUTTON_INFO[i] = MacroButton(name);
    }
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.macrosEncoded, 2);
    QCOMPARE(plan.reports.size(), 21);
    QCOMPARE(ReportHex(plan.reports[10], 4, 4), Hex("580214d2"));   // 600
    QCOMPARE(ReportHex(plan.reports[19], 4, 4), Hex("0c0314d2"));   // 780
    QCOMPARE(ReportHex(plan.reports[20], 4, 5), Hex("ff0f01d31a"));
}

void TestMacroUpload::missingFileUploadsAPause()
{
    TestAppDir app;
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[0] = MacroButton(QStringLiteral("gone"));
    MacroSlotMap map;
    map.assign(QStringLiteral("gone"));
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.reports.size(), 11);
    QCOMPARE(ReportHex(plan.reports[0], 8, 6), Hex("060100000000"));
}

void TestMacroUpload::tooManyMacrosSendsNothing()
{
    TestAppDir app;
    SettingsRecord s;
    DeviceContext c;
    c.buttonCount = 13;
    for (int i = 0; i < 13; ++i) {
        const QString name = QStringLiteral("macro%1").arg(i);
        WriteMacro(app, name, Keys(1));
        s.profiles[0].BUTTON_INFO[i] = MacroButton(name);
        c.buttonMatrix[i] = quint8(i);
    }
    MacroSlotMap map;
    BuildButtonImage(s, c, map);
    QCOMPARE(map.find(QStringLiteral("macro12")), 12);

    QTest::ignoreMessage(QtDebugMsg, "iIndex>=MAX_MACRO_NUMBER_560\n");
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QVERIFY(plan.tooManyMacros);
    QVERIFY(plan.reports.isEmpty());
}

void TestMacroUpload::twelveMacrosAreSent()
{
    TestAppDir app;
    SettingsRecord s;
    DeviceContext c;
    c.buttonCount = 12;
    for (int i = 0; i < 12; ++i) {
        const QString name = QStringLiteral("macro%1").arg(i);
        WriteMacro(app, name, Keys(1));
        s.profiles[0].BUTTON_INFO[i] = MacroButton(name);
        c.buttonMatrix[i] = quint8(i);
    }
    MacroSlotMap map;
    BuildButtonImage(s, c, map);
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QVERIFY(!plan.tooManyMacros);
    QCOMPARE(plan.macrosEncoded, 12);
    QCOMPARE(plan.reports.size(), 12 * 10 + 1);
    QCOMPARE(ReportHex(plan.reports[119], 4, 2), Hex("4c09"));   // 11 * 200 + 180
}

void TestMacroUpload::tooLongMacroIsReportedAndEmptied()
{
    TestAppDir app;
    Events events = Keys(70);
    events[0] = MacroEvent{DelayEvent, 0, 1};
    WriteMacro(app, QStringLiteral("long"), events);
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[0] = MacroButton(QStringLiteral("long"));
    MacroSlotMap map;
    map.assign(QStringLiteral("long"));
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.tooLongMacros, QStringList{QStringLiteral("long")});
    QCOMPARE(plan.reports.size(), 11);
    QCOMPARE(ReportHex(plan.reports[0], 8, 20), Hex("060100") + QByteArray(" 00").repeated(17));
}

void TestMacroUpload::gunFileUploadsLikeMacro()
{
    TestAppDir app;
    const Events gun = {MacroEvent{1, 0, 1}, MacroEvent{129, 0, 1}, MacroEvent{2, 5, 0}, MacroEvent{6, 0, 10}};
    WriteMacro(app, QStringLiteral("recoil"), gun);
    SettingsRecord s;
    s.profiles[0].BUTTON_INFO[1] = MacroButton(QStringLiteral("recoil"), kGunFileFunction);
    MacroSlotMap map;
    map.assign(QStringLiteral("recoil"));
    const MacroUploadPlan plan = BuildMacroUpload(s, map);
    QCOMPARE(plan.macrosEncoded, 1);
    QCOMPARE(ReportHex(plan.reports[0], 8, 13), Hex("010100810100020005060a0000"));
}

QTEST_GUILESS_MAIN(TestMacroUpload)
#include "tst_macroupload.moc"
