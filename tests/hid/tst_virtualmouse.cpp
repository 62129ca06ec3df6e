#include "VirtualMouse.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>
#include <functional>

using Identity = VirtualMouse::Identity;
using Fault = VirtualMouse::Fault;

namespace {

// Hex text ("05 24 FA 48") to bytes, zero-padded to a full report.
QByteArray Report33(const char* hex)
{
    QByteArray bytes = QByteArray::fromHex(QByteArray(hex));
    bytes.append(QByteArray(33 - bytes.size(), '\0'));
    return bytes;
}

// A command report as the host builds it: report id, checksum, marker, header, data.
QByteArray HostReport(quint8 command, quint8 b4, quint8 b5, quint8 b6, quint8 b7, const QByteArray& data = QByteArray())
{
    QByteArray r(33, '\0');
    r[0] = 0x05;
    r[2] = char(0xFA);
    r[3] = char(command);
    r[4] = char(b4);
    r[5] = char(b5);
    r[6] = char(b6);
    r[7] = char(b7);
    for (int i = 0; i < data.size() && 8 + i < 33; ++i)
        r[8 + i] = data.at(i);
    int sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += quint8(r.at(i));
    r[1] = char((sum & 0xFF) ^ 0x66);
    return r;
}

QByteArray BlockPacket(quint8 command, int offset, const QByteArray& data, quint8 tag)
{
    return HostReport(command, quint8(offset & 0xFF), quint8(offset >> 8), quint8(data.size()), tag, data);
}

QByteArray ClosingPacket(quint8 command)
{
    if (command == 0x05)
        return HostReport(0x05, 0xFF, 0x0F, 0x01, 0xD3, QByteArray(1, char(0x1A)));
    return HostReport(command, 0x7F, 0x00, 0x01, 0xD3, QByteArray(1, char(0x1A)));
}

QByteArray Pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed * 31 + 1) & 0xFF);
    return bytes;
}

int Write(VirtualMouse& mouse, int handle, const QByteArray& report)
{
    return mouse.write(handle, reinterpret_cast<const uint8_t*>(report.constData()), size_t(report.size()));
}

// One report from the handle's queue, or empty when there is none within the time-out.
QByteArray ReadOne(VirtualMouse& mouse, int handle, int timeout = 0)
{
    uint8_t buffer[64] = {};
    const int n = mouse.read(handle, buffer, sizeof buffer, timeout);
    if (n <= 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(buffer), n);
}

QByteArray Exchange(VirtualMouse& mouse, int handle, const QByteArray& report)
{
    if (Write(mouse, handle, report) != report.size())
        return QByteArray("write failed");
    return ReadOne(mouse, handle);
}

// Sends a whole block as packets of (offset, length, tag), then the closing packet.
struct Packet
{
    int offset;
    int length;
    quint8 tag;
};

void SendBlock(VirtualMouse& mouse, int handle, quint8 command, const QByteArray& image,
               const QVector<Packet>& packets, bool close = true)
{
    for (const Packet& p : packets)
        QCOMPARE(Exchange(mouse, handle, BlockPacket(command, p.offset, image.mid(p.offset, p.length), p.tag)).size(), 33);
    if (close)
        QCOMPARE(Exchange(mouse, handle, ClosingPacket(command)), ClosingPacket(command));
}

QVector<Packet> MacroSlotPackets(int slot, bool first)
{
    QVector<Packet> packets;
    for (int i = 0; i < 10; ++i)
        packets.append({ slot * 200 + i * 20, 20, quint8(first && i == 0 ? 0xD1 : 0xD2) });
    return packets;
}

} // namespace

Q_DECLARE_METATYPE(Packet)

class TestVirtualMouse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checksum_data();
    void checksum();
    void echo_data();
    void echo();
    void rejectedReports_data();
    void rejectedReports();
    void blockAssembly_data();
    void blockAssembly();
    void writeCutOffBeforeClosingLeavesMemory();
    void unplugDuringBlockLeavesMemory();
    void beginSessionDropsUnfinishedBlock();
    void followingPacketWithoutFirstPatchesMemory();
    void macroFirstPacketStartsFromZeros();
    void macroOffsets_data();
    void macroOffsets();
    void selectProfile_data();
    void selectProfile();
    void writeStatusAfterFullSession();
    void applySectionLog();
    void asleepMouse();
    void countedFaults_data();
    void countedFaults();
    void faultForOneCommandOnly();
    void failingWrites();
    void randomFaults_data();
    void randomFaults();
    void unplugAfterWrites();
    void perHandleQueues();
    void queueCapDropsNewest();
    void statusAndMovementReachEveryHandle();
    void windowsCollectionsSplitReports();
    void plugAndUnplug();
    void blockedReadWakesOnUnplug();
    void enumeration_data();
    void enumeration();
    void releaseNumberByPath();
    void readTimeoutAndAnswerDelay();
    void persistenceRoundTrip();
    void corruptStateFile_data();
    void corruptStateFile();
    void stateFolderIsCreated();
    void defaultStatePath();
    void traceFile();
    void concurrentWorkerAndUiThread();

private:
    QString statePath() const { return m_dir->filePath(QStringLiteral("state/virtual-mouse.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VirtualMouse> m_mouse;
    int m_handle = -1;
};

void TestVirtualMouse::init()
{
    qunsetenv("MOUSECFG_VIRTUAL_TRACE");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("MOUSECFG_VIRTUAL_STATE", m_dir->filePath(QStringLiteral("env-state.ini")).toLocal8Bit());
    m_mouse = std::make_unique<VirtualMouse>(statePath());
    m_handle = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    QVERIFY(m_handle > 0);
}

void TestVirtualMouse::cleanup()
{
    m_mouse.reset();
    m_dir.reset();
}

void TestVirtualMouse::checksum_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<int>("checksum");
    QTest::newRow("battery query gives 24") << Report33("05 00 FA 48") << 0x24;
    QTest::newRow("sum wraps at 256") << Report33("05 00 FA 01 7F 00 01 D3") << (((0xFA + 0x01 + 0x7F + 0x01 + 0xD3) & 0xFF) ^ 0x66);
    QTest::newRow("data bytes do not count") << Report33("05 00 FA 48 00 00 00 00 FF FF") << 0x24;
}

void TestVirtualMouse::checksum()
{
    QFETCH(QByteArray, report);
    QFETCH(int, checksum);
    QCOMPARE(int(VirtualMouse::Checksum(report)), checksum);
}

void TestVirtualMouse::echo_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");   // empty: no answer

    const QByteArray settingsData = Pattern(19, 1);
    QTest::newRow("settings first packet echoed with its data")
        << BlockPacket(0x01, 0, settingsData, 0xD1) << BlockPacket(0x01, 0, settingsData, 0xD1);
    QTest::newRow("dpi following packet echoed with its data")
        << BlockPacket(0x02, 6, Pattern(5, 2), 0xD2) << BlockPacket(0x02, 6, Pattern(5, 2), 0xD2);
    QTest::newRow("button closing packet echoed") << ClosingPacket(0x03) << ClosingPacket(0x03);
    QTest::newRow("macro closing packet at 0FFF echoed") << ClosingPacket(0x05) << ClosingPacket(0x05);
    QTest::newRow("apply section echoed in its header only")
        << HostReport(0x40, 0xF3, 0x04, 0, 0, QByteArray("\x11\x22", 2)) << HostReport(0x40, 0xF3, 0x04, 0, 0);
    QTest::newRow("begin write echoed") << HostReport(0x46, 0, 0, 0, 0) << HostReport(0x46, 0, 0, 0, 0);
    QTest::newRow("end write echoed") << HostReport(0x46, 1, 0, 0, 0) << HostReport(0x46, 1, 0, 0, 0);
    QTest::newRow("select profile not answered") << HostReport(0x44, 2, 0, 0, 0) << QByteArray();
    QTest::newRow("command 06 not answered") << HostReport(0x06, 0, 0, 0, 0) << QByteArray();
    QTest::newRow("command 0A not answered") << HostReport(0x0A, 0, 0, 1, 0xD1, "\x01") << QByteArray();
    QTest::newRow("command 47 not answered") << HostReport(0x47, 0, 0, 0, 0) << QByteArray();
    QTest::newRow("status report from the host not answered") << HostReport(0x49, 0, 0, 0, 0) << QByteArray();
    // Battery 0x0E10, charging, write status 0, firmware flag 8.
    QTest::newRow("battery query answered with the battery")
        << Report33("05 24 FA 48") << Report33("05 07 FA 48 10 0E 01 00 00 00 08");
}

void TestVirtualMouse::echo()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);
    m_mouse->setBattery(0x0E10, true);
    m_mouse->setFirmwareFlag(8);
    QCOMPARE(Write(*m_mouse, m_handle, request), 33);
    QCOMPARE(ReadOne(*m_mouse, m_handle), answer);
    QCOMPARE(ReadOne(*m_mouse, m_handle), QByteArray());   // exactly one answer
    const VirtualMouse::Counters c = m_mouse->counters();
    QCOMPARE(c.hostWrites, 1);
    QCOMPARE(c.writesPerCommand.value(quint8(request.at(3))), 1);
    QCOMPARE(c.answered, answer.isEmpty() ? 0 : 1);
    QCOMPARE(c.unanswered, answer.isEmpty() ? 1 : 0);
}

void TestVirtualMouse::rejectedReports_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("badFrame");     // counted as ignored, else as a rejected packet

    QByteArray badChecksum = BlockPacket(0x01, 0, Pattern(19, 1), 0xD1);
    badChecksum[1] = char(quint8(badChecksum.at(1)) ^ 0x01);
    QByteArray badMarker = HostReport(0x46, 0, 0, 0, 0);
    badMarker[2] = char(0xFB);
    badMarker[1] = char(VirtualMouse::Checksum(badMarker));
    QByteArray wrongId = HostReport(0x48, 0, 0, 0, 0);
    wrongId[0] = 0x04;

    QTest::newRow("checksum off by one bit") << badChecksum << true;
    QTest::newRow("marker FB instead of FA") << badMarker << true;
    QTest::newRow("report id 4") << wrongId << true;
    QTest::newRow("length 26 exceeds a packet") << HostReport(0x01, 0, 0, 26, 0xD1, Pattern(25, 3)) << false;
    QTest::newRow("dpi packet running past byte 41") << BlockPacket(0x02, 37, Pattern(5, 4), 0xD2) << false;
    QTest::newRow("settings offset 300 via high byte") << BlockPacket(0x01, 300, Pattern(1, 5), 0xD2) << false;
    QTest::newRow("macro packet past 4000") << BlockPacket(0x05, 3990, Pattern(20, 6), 0xD2) << false;
    QTest::newRow("unknown tag D4") << BlockPacket(0x01, 0, Pattern(19, 7), 0xD4) << false;
}

void TestVirtualMouse::rejectedReports()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, badFrame);
    const VirtualMouse::Memory before = m_mouse->memory();
    QCOMPARE(Write(*m_mouse, m_handle, request), 33);
    QCOMPARE(ReadOne(*m_mouse, m_handle), QByteArray());
    // Even a closing packet afterwards must not commit anything from the bad report.
    const quint8 command = quint8(request.at(3)) <= 5 ? quint8(request.at(3)) : 0x01;
    Exchange(*m_mouse, m_handle, ClosingPacket(command));
    QCOMPARE(m_mouse->block(0x01), QByteArray(reinterpret_cast<const char*>(before.settings.data()), 19));
    QCOMPARE(m_mouse->block(0x02), QByteArray(reinterpret_cast<const char*>(before.dpi.data()), 41));
    QCOMPARE(m_mouse->block(0x05), QByteArray(4000, '\0'));
    const VirtualMouse::Counters c = m_mouse->counters();
    QCOMPARE(c.ignored, badFrame ? 1 : 0);
    QCOMPARE(c.rejectedPackets, badFrame ? 0 : 1);
}

void TestVirtualMouse::blockAssembly_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("size");
    QTest::addColumn<QVector<Packet>>("packets");

    QTest::newRow("settings in one packet of 19") << 1 << 19 << QVector<Packet>{ { 0, 19, 0xD1 } };
    QVector<Packet> dpi{ { 0, 1, 0xD1 } };
    for (int i = 0; i < 8; ++i)
        dpi.append({ 1 + 5 * i, 5, 0xD2 });
    QTest::newRow("dpi count and eight levels of five") << 2 << 41 << dpi;
    QTest::newRow("buttons header, four runs of 24 and the tail")
        << 3 << 102 << QVector<Packet>{ { 0, 2, 0xD1 }, { 2, 24, 0xD2 }, { 26, 24, 0xD2 }, { 50, 24, 0xD2 }, { 74, 24, 0xD2 }, { 98, 4, 0xD2 } };
    QTest::newRow("led records in 24, 24, 24 and 8")
        << 4 << 80 << QVector<Packet>{ { 0, 24, 0xD1 }, { 24, 24, 0xD2 }, { 48, 24, 0xD2 }, { 72, 8, 0xD2 } };
    QVector<Packet> macros = MacroSlotPackets(0, true) + MacroSlotPackets(1, false) + MacroSlotPackets(19, false);
    QTest::newRow("macro slots 0, 1 and 19") << 5 << 4000 << macros;
}

void TestVirtualMouse::blockAssembly()
{
    QFETCH(int, command);
    QFETCH(int, size);
    QFETCH(QVector<Packet>, packets);
    const QByteArray image = Pattern(size, command);
    QByteArray expected = command == 5 ? QByteArray(size, '\0') : m_mouse->block(quint8(command));
    for (const Packet& p : packets)
        expected.replace(p.offset, p.length, image.mid(p.offset, p.length));

    SendBlock(*m_mouse, m_handle, quint8(command), image, packets);
    QCOMPARE(m_mouse->block(quint8(command)), expected);
    QCOMPARE(m_mouse->commitLog(), QVector<quint8>{ quint8(command) });
}

void TestVirtualMouse::writeCutOffBeforeClosingLeavesMemory()
{
    const QByteArray old = Pattern(41, 9);
    QVERIFY(m_mouse->setBlock(0x02, old));
    QVector<Packet> packets{ { 0, 1, 0xD1 }, { 1, 5, 0xD2 }, { 6, 5, 0xD2 } };
    SendBlock(*m_mouse, m_handle, 0x02, Pattern(41, 10), packets, false);
    QCOMPARE(m_mouse->block(0x02), old);
    QVERIFY(m_mouse->commitLog().isEmpty());
}

void TestVirtualMouse::unplugDuringBlockLeavesMemory()
{
    const QByteArray old = Pattern(80, 11);
    QVERIFY(m_mouse->setBlock(0x04, old));
    m_mouse->unplugAfterWrites(2);
    const QByteArray image = Pattern(80, 12);
    QCOMPARE(Write(*m_mouse, m_handle, BlockPacket(0x04, 0, image.left(24), 0xD1)), 33);
    QCOMPARE(Write(*m_mouse, m_handle, BlockPacket(0x04, 24, image.mid(24, 24), 0xD2)), 33);
    QVERIFY(!m_mouse->isPresent(Identity::Dongle));
    QCOMPARE(Write(*m_mouse, m_handle, ClosingPacket(0x04)), -1);

    m_mouse->plug(Identity::Dongle);
    const int handle = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    // The closing packet of a new connection finds nothing staged.
    QCOMPARE(Exchange(*m_mouse, handle, ClosingPacket(0x04)), ClosingPacket(0x04));
    QCOMPARE(m_mouse->block(0x04), old);
}

void TestVirtualMouse::beginSessionDropsUnfinishedBlock()
{
    SendBlock(*m_mouse, m_handle, 0x01, Pattern(19, 13), { { 0, 19, 0xD1 } }, false);
    QCOMPARE(Exchange(*m_mouse, m_handle, HostReport(0x46, 0, 0, 0, 0)), HostReport(0x46, 0, 0, 0, 0));
    Exchange(*m_mouse, m_handle, ClosingPacket(0x01));
    QCOMPARE(m_mouse->block(0x01), QByteArray(19, '\0'));
    QVERIFY(m_mouse->commitLog().isEmpty());
}

void TestVirtualMouse::followingPacketWithoutFirstPatchesMemory()
{
    const QByteArray old = Pattern(19, 14);
    QVERIFY(m_mouse->setBlock(0x01, old));
    SendBlock(*m_mouse, m_handle, 0x01, QByteArray(19, char(0xEE)), { { 5, 2, 0xD2 } });
    QByteArray expected = old;
    expected[5] = char(0xEE);
    expected[6] = char(0xEE);
    QCOMPARE(m_mouse->block(0x01), expected);
}

void TestVirtualMouse::macroFirstPacketStartsFromZeros()
{
    QByteArray old(4000, '\0');
    old.replace(600, 200, Pattern(200, 15));   // slot 3 from an earlier upload
    QVERIFY(m_mouse->setBlock(0x05, old));
    const QByteArray image = Pattern(4000, 16);
    SendBlock(*m_mouse, m_handle, 0x05, image, MacroSlotPackets(0, true));
    QByteArray expected(4000, '\0');
    expected.replace(0, 200, image.left(200));
    QCOMPARE(m_mouse->block(0x05), expected);
}

void TestVirtualMouse::macroOffsets_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("offsetBytes");
    QTest::newRow("slot 0 packet 0 at 00 00") << 0 << QByteArray::fromHex("0000");
    QTest::newRow("slot 1 packet 0 at C8 00") << 200 << QByteArray::fromHex("C800");
    QTest::newRow("slot 1 packet 9 at 7C 01") << 380 << QByteArray::fromHex("7C01");
    QTest::newRow("slot 19 packet 9 at 8C 0F") << 3980 << QByteArray::fromHex("8C0F");
}

void TestVirtualMouse::macroOffsets()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, offsetBytes);
    QByteArray old(4000, '\0');
    old[0] = 0x55;   // slot 0 from before must survive an upload that has no first packet
    QVERIFY(m_mouse->setBlock(0x05, old));
    const QByteArray data = Pattern(20, offset);
    const QByteArray packet = BlockPacket(0x05, offset, data, 0xD2);
    QCOMPARE(packet.mid(4, 2), offsetBytes);
    QCOMPARE(Exchange(*m_mouse, m_handle, packet), packet);
    QCOMPARE(Exchange(*m_mouse, m_handle, ClosingPacket(0x05)), ClosingPacket(0x05));
    const QByteArray memory = m_mouse->block(0x05);
    QCOMPARE(memory.mid(offset, 20), data);
    if (offset != 0)
        QCOMPARE(memory.at(0), char(0x55));
}

void TestVirtualMouse::selectProfile_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("active");
    QTest::newRow("profile 0") << 0 << 0;
    QTest::newRow("profile 3") << 3 << 3;
    QTest::newRow("profile 4, the last") << 4 << 4;
    QTest::newRow("profile 5 ignored") << 5 << 1;
    QTest::newRow("profile 255 ignored") << 255 << 1;
}

void TestVirtualMouse::selectProfile()
{
    QFETCH(int, index);
    QFETCH(int, active);
    QByteArray settings = Pattern(19, 17);
    settings[6] = 1;
    QVERIFY(m_mouse->setBlock(0x01, settings));
    QCOMPARE(Exchange(*m_mouse, m_handle, HostReport(0x44, quint8(index), 0, 0, 0)), QByteArray());
    QCOMPARE(int(m_mouse->activeProfile()), active);
    settings[6] = char(active);
    QCOMPARE(m_mouse->block(0x01), settings);   // nothing but byte 6 changes
    QCOMPARE(m_mouse->profileLog().size(), index <= 4 ? 1 : 0);
}

void TestVirtualMouse::writeStatusAfterFullSession()
{
    QCOMPARE(int(m_mouse->writeStatus()), 0);
    Exchange(*m_mouse, m_handle, HostReport(0x46, 1, 0, 0, 0));
    QCOMPARE(int(m_mouse->writeStatus()), 0);   // an end without a begin is no full session
    Exchange(*m_mouse, m_handle, HostReport(0x46, 0, 0, 0, 0));
    QCOMPARE(int(m_mouse->writeStatus()), 0);
    Exchange(*m_mouse, m_handle, HostReport(0x46, 1, 0, 0, 0));
    QCOMPARE(int(m_mouse->writeStatus()), 1);
    QCOMPARE(m_mouse->sessionLog(), (QVector<quint8>{ 1, 0, 1 }));
    QCOMPARE(quint8(Exchange(*m_mouse, m_handle, Report33("05 24 FA 48")).at(7)), quint8(1));

    VirtualMouse reloaded(statePath());
    QCOMPARE(int(reloaded.writeStatus()), 1);
}

void TestVirtualMouse::applySectionLog()
{
    for (quint8 mask : { 0x04, 0x01, 0x02, 0x08, 0x10 })
        QCOMPARE(Exchange(*m_mouse, m_handle, HostReport(0x40, 0xF3, mask, 0, 0)), HostReport(0x40, 0xF3, mask, 0, 0));
    QCOMPARE(m_mouse->sectionLog(), (QVector<quint8>{ 0x04, 0x01, 0x02, 0x08, 0x10 }));
    m_mouse->clearLogs();
    QVERIFY(m_mouse->sectionLog().isEmpty());
}

void TestVirtualMouse::asleepMouse()
{
    m_mouse->setBattery(0x0E10, true);
    m_mouse->setFirmwareFlag(8);
    m_mouse->setWriteStatus(1);
    m_mouse->setAsleep(true);
    QCOMPARE(Exchange(*m_mouse, m_handle, Report33("05 24 FA 48")), Report33("05 24 FA 48"));
    QCOMPARE(Exchange(*m_mouse, m_handle, HostReport(0x46, 0, 0, 0, 0)), QByteArray());
    QCOMPARE(Exchange(*m_mouse, m_handle, BlockPacket(0x01, 0, Pattern(19, 18), 0xD1)), QByteArray());
    QCOMPARE(Exchange(*m_mouse, m_handle, ClosingPacket(0x01)), QByteArray());
    QCOMPARE(m_mouse->block(0x01), QByteArray(19, '\0'));

    m_mouse->setAsleep(false);
    QCOMPARE(Exchange(*m_mouse, m_handle, Report33("05 24 FA 48")), Report33("05 04 FA 48 10 0E 01 01 00 00 08"));
}

void TestVirtualMouse::countedFaults_data()
{
    QTest::addColumn<VirtualMouse::Fault>("fault");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("faultyAnswer");   // empty: none arrives

    const QByteArray packet = BlockPacket(0x02, 1, QByteArray::fromHex("0140014001"), 0xD2);
    QByteArray wrongCommand = packet;
    wrongCommand[3] = char(0x82);
    QByteArray wrongData = packet;
    wrongData[8] = char(0xFE);

    QTest::newRow("no answer") << Fault::NoAnswer << packet << QByteArray();
    QTest::newRow("command byte altered") << Fault::WrongCommandEcho << packet << wrongCommand;
    QTest::newRow("first data byte altered") << Fault::WrongDataEcho << packet << wrongData;
    QTest::newRow("all-zero answer") << Fault::ZeroAnswer << packet << QByteArray(33, '\0');
    QTest::newRow("all-zero battery answer") << Fault::ZeroAnswer << Report33("05 24 FA 48") << QByteArray(33, '\0');
}

void TestVirtualMouse::countedFaults()
{
    QFETCH(VirtualMouse::Fault, fault);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, faultyAnswer);
    const QByteArray good = Exchange(*m_mouse, m_handle, request);
    QCOMPARE(good.size(), 33);

    m_mouse->injectFault(fault, 2);
    QCOMPARE(Exchange(*m_mouse, m_handle, request), faultyAnswer);
    QCOMPARE(Exchange(*m_mouse, m_handle, request), faultyAnswer);
    QCOMPARE(Exchange(*m_mouse, m_handle, request), good);
    QCOMPARE(m_mouse->counters().faultsApplied.value(fault), 2);
    QCOMPARE(m_mouse->counters().hostWrites, 4);
}

void TestVirtualMouse::faultForOneCommandOnly()
{
    m_mouse->injectFault(Fault::NoAnswer, 1, 0x02);
    QCOMPARE(Exchange(*m_mouse, m_handle, HostReport(0x46, 0, 0, 0, 0)), HostReport(0x46, 0, 0, 0, 0));
    // Fire-and-forget commands do not use up an answer fault.
    Exchange(*m_mouse, m_handle, HostReport(0x44, 0, 0, 0, 0));
    const QByteArray packet = BlockPacket(0x02, 0, QByteArray(1, 6), 0xD1);
    QCOMPARE(Exchange(*m_mouse, m_handle, packet), QByteArray());
    QCOMPARE(Exchange(*m_mouse, m_handle, packet), packet);
}

void TestVirtualMouse::failingWrites()
{
    m_mouse->injectFault(Fault::WriteFails, 2);
    const QByteArray packet = BlockPacket(0x01, 0, Pattern(19, 19), 0xD1);
    QCOMPARE(Write(*m_mouse, m_handle, packet), -1);
    QCOMPARE(Write(*m_mouse, m_handle, ClosingPacket(0x01)), -1);
    QCOMPARE(ReadOne(*m_mouse, m_handle), QByteArray());
    QCOMPARE(m_mouse->block(0x01), QByteArray(19, '\0'));   // the mouse never saw them
    QCOMPARE(Exchange(*m_mouse, m_handle, packet), packet);
    const VirtualMouse::Counters c = m_mouse->counters();
    QCOMPARE(c.failedWrites, 2);
    QCOMPARE(c.hostWrites, 1);
    QCOMPARE(c.faultsApplied.value(Fault::WriteFails), 2);
}

void TestVirtualMouse::randomFaults_data()
{
    QTest::addColumn<VirtualMouse::Fault>("fault");
    QTest::newRow("no answer") << Fault::NoAnswer;
    QTest::newRow("wrong command echo") << Fault::WrongCommandEcho;
    QTest::newRow("wrong data echo") << Fault::WrongDataEcho;
    QTest::newRow("all-zero answer") << Fault::ZeroAnswer;
    QTest::newRow("failing write") << Fault::WriteFails;
}

void TestVirtualMouse::randomFaults()
{
    QFETCH(VirtualMouse::Fault, fault);
    const QByteArray request = HostReport(0x46, 0, 0, 0, 0);
    auto run = [&](quint32 seed, double probability) {
        VirtualMouse mouse{ QString() };
        const int handle = mouse.openHandle(mouse.controlPath(Identity::Dongle));
        mouse.injectRandomFault(fault, probability, seed);
        QString pattern;
        for (int i = 0; i < 200; ++i)
            pattern += Exchange(mouse, handle, request) == request ? QLatin1Char('.') : QLatin1Char('x');
        if (mouse.counters().faultsApplied.value(fault) != pattern.count(QLatin1Char('x')))
            return QStringLiteral("count mismatch");
        return pattern;
    };
    const QString first = run(42, 0.3);
    const int faulty = first.count(QLatin1Char('x'));
    QVERIFY2(faulty > 30 && faulty < 90, qPrintable(first));
    QCOMPARE(run(42, 0.3), first);                   // the seed decides
    QVERIFY(run(43, 0.3) != first);
    QCOMPARE(run(1, 1.0), QString(200, QLatin1Char('x')));
    QCOMPARE(run(1, 0.0), QString(200, QLatin1Char('.')));
}

void TestVirtualMouse::unplugAfterWrites()
{
    QSignalSpy removed(m_mouse.get(), &VirtualMouse::deviceRemoved);
    m_mouse->unplugAfterWrites(3);
    const QByteArray begin = HostReport(0x46, 0, 0, 0, 0);
    QCOMPARE(Exchange(*m_mouse, m_handle, begin), begin);
    QCOMPARE(Exchange(*m_mouse, m_handle, begin), begin);
    QCOMPARE(Write(*m_mouse, m_handle, begin), 33);   // accepted, then the device is gone
    QVERIFY(!m_mouse->isPresent(Identity::Dongle));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toString(), m_mouse->controlPath(Identity::Dongle));
    uint8_t buffer[33];
    QCOMPARE(m_mouse->read(m_handle, buffer, sizeof buffer, 0), -1);
    QCOMPARE(Write(*m_mouse, m_handle, begin), -1);
    QCOMPARE(m_mouse->counters().faultsApplied.value(Fault::Unplug), 1);

    // The random form fires once and then leaves the device alone.
    m_mouse->plug(Identity::Dongle);
    const int handle = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    m_mouse->injectRandomFault(Fault::Unplug, 1.0, 7);
    QCOMPARE(Write(*m_mouse, handle, begin), 33);
    QVERIFY(!m_mouse->isPresent(Identity::Dongle));
    m_mouse->plug(Identity::Dongle);
    const int again = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    QCOMPARE(Exchange(*m_mouse, again, begin), begin);
    QVERIFY(m_mouse->isPresent(Identity::Dongle));
}

void TestVirtualMouse::perHandleQueues()
{
    const int second = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    QVERIFY(second > 0 && second != m_handle);
    const QByteArray begin = HostReport(0x46, 0, 0, 0, 0);
    QCOMPARE(Write(*m_mouse, m_handle, begin), 33);
    // Like hidraw, every reader of the node gets every input report.
    QCOMPARE(ReadOne(*m_mouse, second), begin);
    QCOMPARE(ReadOne(*m_mouse, m_handle), begin);
    QCOMPARE(ReadOne(*m_mouse, second), QByteArray());
    m_mouse->closeHandle(second);
    QCOMPARE(m_mouse->openHandleCount(), 1);
    uint8_t buffer[33];
    QCOMPARE(m_mouse->read(second, buffer, sizeof buffer, 0), -1);
}

void TestVirtualMouse::queueCapDropsNewest()
{
    const int other = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    for (int i = 0; i < 70; ++i)
        m_mouse->sendStatusReport(quint8(i), 0, 0, 0);
    QCOMPARE(m_mouse->queuedReports(m_handle), 64);
    QCOMPARE(m_mouse->queuedReports(other), 64);
    QCOMPARE(m_mouse->counters().droppedReports, 2 * 6);
    for (int i = 0; i < 64; ++i)
        QCOMPARE(int(quint8(ReadOne(*m_mouse, m_handle).at(4))), i);
    QCOMPARE(ReadOne(*m_mouse, m_handle), QByteArray());
}

void TestVirtualMouse::statusAndMovementReachEveryHandle()
{
    m_mouse->plug(Identity::Cable);
    const int second = m_mouse->openHandle(m_mouse->mousePath(Identity::Dongle));
    const int cable = m_mouse->openHandle(m_mouse->controlPath(Identity::Cable));
    m_mouse->sendStatusReport(2, 3, 1, 0);
    m_mouse->sendMovement(5, 0);
    const QByteArray status = Report33("05 2F FA 49 02 03 01 00");
    const QByteArray movement = QByteArray::fromHex("0100050000000000");
    for (int handle : { m_handle, second, cable }) {
        QCOMPARE(ReadOne(*m_mouse, handle), status);
        QCOMPARE(ReadOne(*m_mouse, handle), movement);
    }
    // A short read buffer gets the start of the report, as hid_read does.
    m_mouse->sendMovement(-1, 2, 1);
    uint8_t four[4] = {};
    QCOMPARE(m_mouse->read(m_handle, four, sizeof four, 0), 4);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(four), 4), QByteArray::fromHex("0101FF02"));
    QCOMPARE(m_mouse->counters().sentReports, 3);
}

void TestVirtualMouse::windowsCollectionsSplitReports()
{
    m_mouse->setPathStyle(VirtualMouse::PathStyle::Windows);
    const int mouseHandle = m_mouse->openHandle(m_mouse->mousePath(Identity::Dongle));
    const int control = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    QVERIFY(mouseHandle > 0 && control > 0);
    uint8_t buffer[33];
    QCOMPARE(m_mouse->read(m_handle, buffer, sizeof buffer, 0), -1);   // opened under the old path
    m_mouse->sendStatusReport(1, 2, 3, 4);
    m_mouse->sendMovement(5, 0);
    QCOMPARE(ReadOne(*m_mouse, mouseHandle).at(0), char(0x01));
    QCOMPARE(ReadOne(*m_mouse, mouseHandle), QByteArray());
    QCOMPARE(ReadOne(*m_mouse, control).at(3), char(0x49));
    QCOMPARE(ReadOne(*m_mouse, control), QByteArray());
    // The mouse collection has no output report; commands go to the control collection.
    QCOMPARE(Write(*m_mouse, mouseHandle, Report33("05 24 FA 48")), -1);
    QCOMPARE(Exchange(*m_mouse, control, Report33("05 24 FA 48")).at(3), char(0x48));
}

void TestVirtualMouse::plugAndUnplug()
{
    QSignalSpy arrived(m_mouse.get(), &VirtualMouse::deviceArrived);
    QSignalSpy removed(m_mouse.get(), &VirtualMouse::deviceRemoved);
    QCOMPARE(m_mouse->enumerate().size(), 3);

    m_mouse->unplug(Identity::Dongle);
    QCOMPARE(removed.count(), 1);
    QVERIFY(m_mouse->enumerate().isEmpty());
    QCOMPARE(Write(*m_mouse, m_handle, Report33("05 24 FA 48")), -1);
    uint8_t buffer[33];
    QCOMPARE(m_mouse->read(m_handle, buffer, sizeof buffer, 10), -1);
    QCOMPARE(m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle)), -1);
    m_mouse->unplug(Identity::Dongle);
    QCOMPARE(removed.count(), 1);   // no second notice for a device already gone

    m_mouse->plug(Identity::Dongle);
    m_mouse->plug(Identity::Cable);
    QCOMPARE(arrived.count(), 2);
    QCOMPARE(arrived.at(1).at(0).toString(), QStringLiteral("/dev/hidraw-virtual-cable"));
    QCOMPARE(m_mouse->enumerate().size(), 6);
    // A handle from before the unplug stays dead; the device must be opened again.
    QCOMPARE(Write(*m_mouse, m_handle, Report33("05 24 FA 48")), -1);
    const int fresh = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    QCOMPARE(Exchange(*m_mouse, fresh, Report33("05 24 FA 48")).at(3), char(0x48));

    VirtualMouse reloaded(statePath());
    QVERIFY(reloaded.isPresent(Identity::Dongle));
    QVERIFY(reloaded.isPresent(Identity::Cable));
}

void TestVirtualMouse::blockedReadWakesOnUnplug()
{
    std::atomic<int> result{ 1 };
    QElapsedTimer timer;
    timer.start();
    std::thread reader([&] {
        uint8_t buffer[33];
        result = m_mouse->read(m_handle, buffer, sizeof buffer, 5000);
    });
    QThread::msleep(50);
    m_mouse->unplug(Identity::Dongle);
    reader.join();
    QCOMPARE(result.load(), -1);
    QVERIFY(timer.elapsed() < 3000);
}

void TestVirtualMouse::enumeration_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<QStringList>("entries");   // path|vid:pid|page:usage|release

    const QString dongle = QStringLiteral("/dev/hidraw-virtual-dongle|248a:fa02|");
    const QString cableLinux = QStringLiteral("/dev/hidraw-virtual-cable|248a:fb01|");
    QTest::newRow("linux dongle: mouse, nested pointer, vendor on one node")
        << false << false
        << QStringList{ dongle + "1:2|100", dongle + "1:1|100", dongle + "1:0|100" };
    QTest::newRow("linux dongle and cable")
        << false << true
        << QStringList{ dongle + "1:2|100", dongle + "1:1|100", dongle + "1:0|100",
                        cableLinux + "1:2|205", cableLinux + "1:1|205", cableLinux + "1:0|205" };
    const QString winDongle = QStringLiteral("\\\\?\\hid#vid_248a&pid_fa02&");
    const QString winCable = QStringLiteral("\\\\?\\hid#vid_248a&pid_fb01&");
    const QString tail = QStringLiteral("#{4d1e55b2-f16f-11cf-88cb-001111000030}|");
    QTest::newRow("windows: one collection per path")
        << true << true
        << QStringList{ winDongle + "col01#7&1c2a3b4d&0&0000" + tail + "248a:fa02|1:2|100",
                        winDongle + "col04#7&1c2a3b4d&0&0003" + tail + "248a:fa02|1:0|100",
                        winCable + "col01#7&5e6f7a8b&0&0000" + tail + "248a:fb01|1:2|205",
                        winCable + "col04#7&5e6f7a8b&0&0003" + tail + "248a:fb01|1:0|205" };
}

void TestVirtualMouse::enumeration()
{
    QFETCH(bool, windows);
    QFETCH(bool, cable);
    QFETCH(QStringList, entries);
    if (windows)
        m_mouse->setPathStyle(VirtualMouse::PathStyle::Windows);
    if (cable)
        m_mouse->plug(Identity::Cable);
    m_mouse->setReleaseNumber(Identity::Cable, 0x0205);
    QStringList seen;
    for (const HidDeviceInfo& info : m_mouse->enumerate()) {
        seen << QStringLiteral("%1|%2:%3|%4:%5|%6")
                    .arg(info.path)
                    .arg(info.vendorId, 4, 16, QLatin1Char('0'))
                    .arg(info.productId, 4, 16, QLatin1Char('0'))
                    .arg(info.usagePage)
                    .arg(info.usage)
                    .arg(info.releaseNumber, 0, 16);
    }
    QCOMPARE(seen, entries);
}

void TestVirtualMouse::releaseNumberByPath()
{
    m_mouse->setReleaseNumber(Identity::Dongle, 0x0123);
    QCOMPARE(m_mouse->releaseNumber(QStringLiteral("/dev/hidraw-virtual-dongle")), 0x0123);
    QCOMPARE(m_mouse->releaseNumber(QStringLiteral("/dev/hidraw-virtual-cable")), -1);   // not present
    QCOMPARE(m_mouse->releaseNumber(QStringLiteral("/dev/hidraw0")), -1);
    m_mouse->setPathStyle(VirtualMouse::PathStyle::Windows);
    const QString path = m_mouse->controlPath(Identity::Dongle);
    QCOMPARE(m_mouse->releaseNumber(path), 0x0123);
    // Notification paths arrive in upper case and get another \\?\ in front.
    QCOMPARE(m_mouse->releaseNumber(QStringLiteral("\\\\?\\") + path.toUpper()), 0x0123);
    QVERIFY(m_mouse->openHandle(path.toUpper()) > 0);
}

void TestVirtualMouse::readTimeoutAndAnswerDelay()
{
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadOne(*m_mouse, m_handle, 60), QByteArray());
    QVERIFY(timer.elapsed() >= 55);

    m_mouse->setAnswerDelay(80);
    const QByteArray begin = HostReport(0x46, 0, 0, 0, 0);
    timer.restart();
    QCOMPARE(Write(*m_mouse, m_handle, begin), 33);
    QCOMPARE(ReadOne(*m_mouse, m_handle, 0), QByteArray());
    QCOMPARE(ReadOne(*m_mouse, m_handle, 2000), begin);
    QVERIFY(timer.elapsed() >= 75);
    QVERIFY(timer.elapsed() < 1500);
}

void TestVirtualMouse::persistenceRoundTrip()
{
    const QByteArray settings = Pattern(19, 20);
    SendBlock(*m_mouse, m_handle, 0x01, settings, { { 0, 19, 0xD1 } });
    QVERIFY(m_mouse->setBlock(0x05, Pattern(4000, 21)));
    m_mouse->setBattery(0x0F3C, true);
    m_mouse->setFirmwareFlag(8);
    m_mouse->setWriteStatus(1);
    m_mouse->setReleaseNumber(Identity::Cable, 0x0207);
    m_mouse->plug(Identity::Cable);
    m_mouse->unplug(Identity::Dongle);
    m_mouse->setAsleep(true);

    VirtualMouse reloaded(statePath());
    QCOMPARE(reloaded.block(0x01), settings);
    QCOMPARE(reloaded.block(0x05), Pattern(4000, 21));
    QCOMPARE(reloaded.block(0x02), QByteArray(41, '\0'));
    QCOMPARE(int(reloaded.batteryValue()), 0x0F3C);
    QVERIFY(reloaded.isCharging());
    QCOMPARE(int(reloaded.firmwareFlag()), 8);
    QCOMPARE(int(reloaded.writeStatus()), 1);
    QCOMPARE(int(reloaded.releaseNumber(Identity::Cable)), 0x0207);
    QVERIFY(reloaded.isPresent(Identity::Cable));
    QVERIFY(!reloaded.isPresent(Identity::Dongle));
    QVERIFY(reloaded.isAsleep());
}

void TestVirtualMouse::corruptStateFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("memoryKept");

    const QByteArray good = "[Memory]\nSettings=" + Pattern(19, 22).toHex() + "\n";
    QByteArray binary(3000, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) & 0xFF);
    QTest::newRow("binary garbage") << binary << false;
    QTest::newRow("settings hex one byte short") << QByteArray("[Memory]\nSettings=" + Pattern(18, 22).toHex() + "\n") << false;
    QTest::newRow("settings hex with a non-hex character")
        << QByteArray("[Memory]\nSettings=zz" + Pattern(18, 22).toHex() + "\n") << false;
    QTest::newRow("macros far too long") << QByteArray("[Memory]\nMacros=" + QByteArray(20000, 'a') + "\n") << false;
    QTest::newRow("battery value above 16 bits") << QByteArray(good + "[Battery]\nValue=70000\nCharging=7\n") << true;
    QTest::newRow("write status not a number") << QByteArray(good + "[State]\nWriteStatus=yes\n") << true;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestVirtualMouse::corruptStateFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, memoryKept);
    const QString path = m_dir->filePath(QStringLiteral("corrupt.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    VirtualMouse mouse(path);
    QCOMPARE(mouse.block(0x01), memoryKept ? Pattern(19, 22) : QByteArray(19, '\0'));
    QCOMPARE(mouse.block(0x05), QByteArray(4000, '\0'));
    QCOMPARE(int(mouse.batteryValue()), 0x03C6);
    QVERIFY(!mouse.isCharging());
    QCOMPARE(int(mouse.writeStatus()), 0);
    // Still a working mouse.
    const int handle = mouse.openHandle(mouse.controlPath(Identity::Dongle));
    QCOMPARE(Exchange(mouse, handle, Report33("05 24 FA 48")).at(3), char(0x48));
}

void TestVirtualMouse::stateFolderIsCreated()
{
    const QString path = m_dir->filePath(QStringLiteral("a/b/c/state.ini"));
    VirtualMouse mouse(path);
    mouse.setBattery(0x0E00, false);
    QVERIFY(QFile::exists(path));
}

void TestVirtualMouse::defaultStatePath()
{
    const QString dir = m_dir->path();
    qputenv("MOUSECFG_VIRTUAL_STATE", QByteArray((dir + "/named.ini").toLocal8Bit()));
    QCOMPARE(VirtualMouse::DefaultStatePath(), dir + QStringLiteral("/named.ini"));
    qunsetenv("MOUSECFG_VIRTUAL_STATE");
    qputenv("XDG_STATE_HOME", dir.toLocal8Bit());
    QCOMPARE(VirtualMouse::DefaultStatePath(), dir + QStringLiteral("/mousecfg/virtual-mouse.ini"));
    qputenv("XDG_STATE_HOME", "relative/ignored");
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.toLocal8Bit());
    QCOMPARE(VirtualMouse::DefaultStatePath(), dir + QStringLiteral("/.local/state/mousecfg/virtual-mouse.ini"));
    qputenv("HOME", home);
    qunsetenv("XDG_STATE_HOME");
}

void TestVirtualMouse::traceFile()
{
    const QString path = m_dir->filePath(QStringLiteral("trace.txt"));
    qputenv("MOUSECFG_VIRTUAL_TRACE", path.toLocal8Bit());
    {
        VirtualMouse mouse{ QString() };
        qunsetenv("MOUSECFG_VIRTUAL_TRACE");
        const int handle = mouse.openHandle(mouse.controlPath(Identity::Dongle));
        mouse.setBattery(0x0E10, true);
        Exchange(mouse, handle, Report33("05 24 FA 48"));
        Exchange(mouse, handle, HostReport(0x44, 1, 0, 0, 0));
        mouse.sendStatusReport(2, 3, 1, 0);
        mouse.sendMovement(5, 0);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QByteArray zeros25 = QByteArray(" 00").repeated(25);
    QCOMPARE(lines.size(), 6);   // five lines and the empty rest after the last newline
    QCOMPARE(lines.at(0), "> 05 24 FA 48 00 00 00 00" + zeros25);
    QCOMPARE(lines.at(1), "< 05 07 FA 48 10 0E 01 00" + zeros25);
    QCOMPARE(lines.at(2), "> 05 59 FA 44 01 00 00 00" + zeros25);
    QCOMPARE(lines.at(3), "< 05 2F FA 49 02 03 01 00" + zeros25);
    QCOMPARE(lines.at(4), QByteArray("< 01 00 05 00 00 00 00 00"));
    QCOMPARE(lines.at(5), QByteArray());
}

void TestVirtualMouse::concurrentWorkerAndUiThread()
{
    // The write thread runs exchanges while the user-interface thread pokes the mouse.
    std::atomic<int> failures{ 0 };
    std::atomic<bool> done{ false };
    const int statusReader = m_mouse->openHandle(m_mouse->controlPath(Identity::Dongle));
    std::thread worker([&] {
        for (int i = 0; i < 400; ++i) {
            const QByteArray packet = BlockPacket(0x05, (i % 200) * 20, Pattern(20, i), i == 0 ? 0xD1 : 0xD2);
            if (Write(*m_mouse, m_handle, packet) != 33) {
                ++failures;
                continue;
            }
            // Status reports interleave with the echo; skip them as the exchange does.
            QByteArray answer;
            do {
                answer = ReadOne(*m_mouse, m_handle, 1000);
            } while (!answer.isEmpty() && answer.at(3) != char(0x05));
            if (answer != packet)
                ++failures;
        }
        Write(*m_mouse, m_handle, ClosingPacket(0x05));
        done = true;
    });
    int rounds = 0;
    while (!done) {
        m_mouse->sendStatusReport(quint8(rounds % 5), 1, 2, 0);
        m_mouse->sendMovement(1, 1);
        m_mouse->enumerate();
        m_mouse->memory();
        ReadOne(*m_mouse, statusReader);
        if (rounds % 50 == 0)
            m_mouse->setBattery(quint16(rounds), rounds % 100 == 0);
        ++rounds;
        QThread::msleep(1);
    }
    worker.join();
    QCOMPARE(failures.load(), 0);
    QCOMPARE(m_mouse->block(0x05).mid(20 * 199, 20), Pattern(20, 399));
}

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "tst_virtualmouse.moc"
