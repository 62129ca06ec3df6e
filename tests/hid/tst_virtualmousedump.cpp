#include "VirtualMouseDump.h"

#include <QStringList>
#include <QtTest>

namespace {

void Put(std::array<quint8, VirtualMouse::MacroSize>& bytes, int at, const char* hex)
{
    const QByteArray data = QByteArray::fromHex(QByteArray(hex));
    for (int i = 0; i < data.size(); ++i)
        bytes[size_t(at + i)] = quint8(data.at(i));
}

template <size_t N>
void PutSmall(std::array<quint8, N>& bytes, int at, const char* hex)
{
    const QByteArray data = QByteArray::fromHex(QByteArray(hex));
    for (int i = 0; i < data.size(); ++i)
        bytes[size_t(at + i)] = quint8(data.at(i));
}

VirtualMouse::Memory Sample()
{
    VirtualMouse::Memory m;
    PutSmall(m.settings, 0, "01 02 03 04 05 20 02 01 05 04 01 01 02 03 04 01 1F 03 06");
    PutSmall(m.dpi, 0, "06 01 40 01 40 01 01 A1 80 64 00");
    PutSmall(m.buttons, 0, "0A 00 81 00 00 00");
    PutSmall(m.buttons, 2 + 4 * 5, "91 01 01 00");
    PutSmall(m.buttons, 98, "FF FF FF FF");
    PutSmall(m.led, 8, "80 FF 00 00 01 00 02 05");
    // Slot 1: key press and release of code 4, a 300-unit pause, a hole, a button press.
    Put(m.macros, 200, "84 04 00 04 04 00 06 2C 01 00 00 00 81 01 00");
    // Slot 19 is full to its last byte; the dump must not read past the memory.
    Put(m.macros, 19 * 200 + 195, "02 05 FB 02 07");
    return m;
}

} // namespace

class TestVirtualMouseDump : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void decodersAddText();
    void eventNames_data();
    void eventNames();
    void dumpOfALiveMouse();
};

void TestVirtualMouseDump::lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("scroll speeds of five profiles") << QStringLiteral("  scroll speed: 1 2 3 4 5");
    QTest::newRow("flags byte in hex") << QStringLiteral("  flags: 0x20");
    QTest::newRow("active profile") << QStringLiteral("  active profile: 2");
    QTest::newRow("LedMoveOFF") << QStringLiteral("  LedMoveOFF: 1");
    QTest::newRow("sleep") << QStringLiteral("  sleep: 5");
    QTest::newRow("debounce") << QStringLiteral("  debounce: 4");
    QTest::newRow("poll rates of five profiles") << QStringLiteral("  poll rate: 1 2 3 4 1");
    QTest::newRow("active dpi level") << QStringLiteral("  active dpi: 3");
    QTest::newRow("led slot") << QStringLiteral("  led slot: 6");
    QTest::newRow("dpi level count") << QStringLiteral("  level count: 6");
    QTest::newRow("dpi level 0 raw 320 both ways")
        << QStringLiteral("  level 0: enabled 1  x 40 01 = 320  y 40 01 = 320");
    QTest::newRow("dpi level 1 high bit kept in the raw value")
        << QStringLiteral("  level 1: enabled 1  x A1 80 = 32929  y 64 00 = 100");
    QTest::newRow("unused dpi level") << QStringLiteral("  level 7: enabled 0  x 00 00 = 0  y 00 00 = 0");
    QTest::newRow("button header") << QStringLiteral("  header: 0A 00");
    QTest::newRow("button slot 0") << QStringLiteral("  slot 00: 81 00 00 00");
    QTest::newRow("button slot 5 macro") << QStringLiteral("  slot 05: 91 01 01 00");
    QTest::newRow("button slot 23 last") << QStringLiteral("  slot 23: 00 00 00 00");
    QTest::newRow("button tail") << QStringLiteral("  tail: FF FF FF FF");
    QTest::newRow("led record 1 with fields")
        << QStringLiteral("  record 1 (effect 1): 80 FF 00 00 01 00 02 05  flag 80 rgb FF 00 00 mode 01 speed 00 p6 02 p7 05");
    QTest::newRow("led record 6 holds effect 11")
        << QStringLiteral("  record 6 (effect 11): 00 00 00 00 00 00 00 00  flag 00 rgb 00 00 00 mode 00 speed 00 p6 00 p7 00");
    QTest::newRow("macro slot 1 stops at its zero tail") << QStringLiteral("  slot 1: 5 events");
    QTest::newRow("key press of code 4") << QStringLiteral("    00: KeyPress      Map 84 DataL 04 DataH 00");
    QTest::newRow("key release") << QStringLiteral("    01: KeyRelease    Map 04 DataL 04 DataH 00");
    QTest::newRow("delay count low byte first")
        << QStringLiteral("    02: DelayEvent    Map 06 DataL 2C DataH 01  count 300");
    QTest::newRow("zero event inside a macro") << QStringLiteral("    03: Unknown       Map 00 DataL 00 DataH 00");
    QTest::newRow("button press") << QStringLiteral("    04: ButtonPress   Map 81 DataL 01 DataH 00");
    QTest::newRow("slot 19 full to the end") << QStringLiteral("  slot 19: 67 events");
    QTest::newRow("last event cut at the slot end") << QStringLiteral("    66: PointerMove   Map 02 DataL 07 DataH 00");
    QTest::newRow("pointer move") << QStringLiteral("    65: PointerMove   Map 02 DataL 05 DataH FB");
    QTest::newRow("empty slots listed")
        << QStringLiteral("  empty slots: 0 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18");
}

void TestVirtualMouseDump::lines()
{
    QFETCH(QString, line);
    const QStringList dump = VirtualMouseDump::Format(Sample()).split(QLatin1Char('\n'));
    QVERIFY2(dump.contains(line), qPrintable(dump.join(QLatin1Char('\n'))));
}

void TestVirtualMouseDump::decodersAddText()
{
    DumpDecoders decoders;
    QVector<int> levels;
    decoders.dpi = [&](int level, quint8 xlo, quint8 xhi, quint8 ylo, quint8 yhi) {
        levels << level;
        if (level != 0)
            return QString();
        return QStringLiteral("%1 x %2 DPI").arg((xlo | (xhi << 8)) * 10).arg((ylo | (yhi << 8)) * 10);
    };
    decoders.buttonSlot = [](const std::array<quint8, 4>& slot) {
        return slot[0] == 0x81 ? QStringLiteral("Left") : QString();
    };
    const QStringList dump = VirtualMouseDump::Format(Sample(), decoders).split(QLatin1Char('\n'));
    QVERIFY(dump.contains(QStringLiteral("  level 0: enabled 1  x 40 01 = 320  y 40 01 = 320  3200 x 3200 DPI")));
    QVERIFY(dump.contains(QStringLiteral("  level 1: enabled 1  x A1 80 = 32929  y 64 00 = 100")));
    QVERIFY(dump.contains(QStringLiteral("  slot 00: 81 00 00 00  Left")));
    QVERIFY(dump.contains(QStringLiteral("  slot 05: 91 01 01 00")));
    QCOMPARE(levels, (QVector<int>{ 0, 1, 2, 3, 4, 5, 6, 7 }));
}

void TestVirtualMouseDump::eventNames_data()
{
    QTest::addColumn<int>("map");
    QTest::addColumn<QString>("name");
    QTest::newRow("84 key press") << 0x84 << QStringLiteral("KeyPress");
    QTest::newRow("04 key release") << 0x04 << QStringLiteral("KeyRelease");
    QTest::newRow("81 button press") << 0x81 << QStringLiteral("ButtonPress");
    QTest::newRow("01 button release") << 0x01 << QStringLiteral("ButtonRelease");
    QTest::newRow("02 pointer move") << 0x02 << QStringLiteral("PointerMove");
    QTest::newRow("06 delay") << 0x06 << QStringLiteral("DelayEvent");
    QTest::newRow("86 unknown") << 0x86 << QStringLiteral("Unknown");
}

void TestVirtualMouseDump::eventNames()
{
    QFETCH(int, map);
    QFETCH(QString, name);
    QCOMPARE(VirtualMouseDump::MacroEventName(quint8(map)), name);
}

void TestVirtualMouseDump::dumpOfALiveMouse()
{
    VirtualMouse mouse{ QString() };
    QByteArray settings(19, '\0');
    settings[6] = 4;
    QVERIFY(mouse.setBlock(0x01, settings));
    const QString dump = VirtualMouseDump::Format(mouse);
    QVERIFY(dump.contains(QStringLiteral("\n  active profile: 4\n")));
    QVERIFY(dump.contains(QStringLiteral("\n  empty slots: 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19\n")));
}

QTEST_GUILESS_MAIN(TestVirtualMouseDump)
#include "tst_virtualmousedump.moc"
