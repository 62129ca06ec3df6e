// The device table and the command exchange against the virtual mouse: collection
// matching on Linux and Windows paths, notifications, and the exact retry policy.
#include "CommandSet.h"
#include "VirtualMouseFixture.h"

#include <QtTest>

using Identity = VirtualMouse::Identity;
using Fault = VirtualMouse::Fault;

class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void linuxNodeCarriesBothCollections();
    void windowsPathsNeedCol04ForTheDongle();
    void cableIsPreferred();
    void noHandleMeansResultOne();
    void exchange_data();
    void exchange();
    void movementReportsAreNotAnswers();
    void noteDevicePath_data();
    void noteDevicePath();
    void noteDeviceNodeFollowsPlugAndUnplug();
    void otherInterfacesOfTheIdentityChangeNothing();
    void checkEcho_data();
    void checkEcho();
};

void TransportTest::linuxNodeCarriesBothCollections()
{
    VirtualMouseFixture f;
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    QCOMPARE(QString::fromLatin1(e.name), QStringLiteral("X8 Wireless"));
    QVERIFY(e.found[0] && e.found[1]);
    QCOMPARE(e.paths[0], e.paths[1]);  // one hidraw node, two collections
    QVERIFY(!e.found[2] && !e.found[3]);
    QCOMPARE(HidTransport::instance().openHandleCount(), 2);
}

void TransportTest::windowsPathsNeedCol04ForTheDongle()
{
    VirtualMouseFixture f(false);
    f.mouse->setPathStyle(VirtualMouse::PathStyle::Windows);
    f.mouse->plug(Identity::Cable);
    f.openMouse();
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    QVERIFY(e.found[0] && e.found[1] && e.found[2] && e.found[3]);
    QVERIFY(e.paths[1].contains(QLatin1String("col04"), Qt::CaseInsensitive));
    QVERIFY(e.paths[0].contains(QLatin1String("col01"), Qt::CaseInsensitive));
    QVERIFY(IsWindowsCollectionPath(e.paths[1]));
    QVERIFY(!IsWindowsCollectionPath(QStringLiteral("/dev/hidraw3")));
}

void TransportTest::cableIsPreferred()
{
    VirtualMouseFixture f(false);
    f.mouse->plug(Identity::Cable);
    f.openMouse();
    QVERIFY(HidTransport::instance().hasCableControl());
    f.mouse->resetCounters();
    QCOMPARE(int(HidTransport::instance().SendAll(BuildWriteSession(0))), 0);
    QCOMPARE(f.mouse->counters().hostWrites, 1);
    QCOMPARE(HidTransport::instance().controlRelease(), f.mouse->releaseNumber(Identity::Cable));
}

void TransportTest::noHandleMeansResultOne()
{
    VirtualMouseFixture f(false);
    QCOMPARE(int(HidTransport::instance().SendCommand(BuildApplySection(1))), int(ExchangeResult::NoDevice));
    QCOMPARE(f.mouse->counters().hostWrites, 0);
}

void TransportTest::exchange_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("fault");       // -1: none
    QTest::addColumn<int>("faultCount");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");

    const int dpi = Command::DpiBlock;
    const int zero = int(Fault::ZeroAnswer);
    QTest::newRow("block packet echoed with its data") << dpi << -1 << 0 << 0 << 1;
    QTest::newRow("silent mouse: six writes, then 2") << dpi << int(Fault::NoAnswer) << 100 << 2 << 6;
    QTest::newRow("wrong data echo: three writes, then 2") << dpi << int(Fault::WrongDataEcho) << 100 << 2 << 3;
    QTest::newRow("one wrong data echo: rewritten once") << dpi << int(Fault::WrongDataEcho) << 1 << 0 << 2;
    QTest::newRow("all-zero answers: five more writes, then 2") << dpi << zero << 100 << 2 << 6;
    QTest::newRow("five all-zero answers then a good one") << dpi << zero << 5 << 0 << 6;
    QTest::newRow("two all-zero answers then a good one") << dpi << zero << 2 << 0 << 3;
    QTest::newRow("wrong command echo: twenty re-reads per write, three writes, then 2")
        << dpi << int(Fault::WrongCommandEcho) << 1000 << 2 << 3;
    QTest::newRow("failing write: 4 at once") << dpi << int(Fault::WriteFails) << 1 << 4 << 0;
    QTest::newRow("fire-and-forget select: one write, no read") << int(Command::SelectProfile) << -1 << 0 << 0 << 1;
    QTest::newRow("apply section header echo") << int(Command::ApplySection) << -1 << 0 << 0 << 1;
    QTest::newRow("silent mouse on select: still one write") << int(Command::SelectProfile) << int(Fault::NoAnswer)
                                                          << 100 << 0 << 1;
}

void TransportTest::exchange()
{
    QFETCH(int, command);
    QFETCH(int, fault);
    QFETCH(int, faultCount);
    VirtualMouseFixture f;
    // Short waits keep the retry paths quick; the counts are what is checked.
    HidTransport::instance().setTiming({1, 15, 1});
    Report report = MakeReport(quint8(command), 0, 0, 5, kTagFirst);
    if (command == Command::SelectProfile)
        report = MakeReport(quint8(command), 2);
    else if (command == Command::ApplySection)
        report = BuildApplySection(0x04);
    for (int i = 0; i < 5; ++i)
        report[8 + i] = quint8(0x10 + i);
    if (fault >= 0)
        f.mouse->injectFault(Fault(fault), faultCount);
    f.mouse->resetCounters();
    QTEST(int(HidTransport::instance().SendCommand(report)), "result");
    QTEST(f.mouse->counters().hostWrites, "writes");
}

void TransportTest::movementReportsAreNotAnswers()
{
    VirtualMouseFixture f;
    const int handle = f.mouse->openHandle(f.mouse->controlPath(Identity::Dongle));
    struct Handle : HidHandle
    {
        VirtualMouse& mouse;
        int id;
        Handle(VirtualMouse& m, int i) : mouse(m), id(i) {}
        int write(const uint8_t* d, size_t n) override { return mouse.write(id, d, n); }
        int readTimeout(uint8_t* d, size_t n, int ms) override { return mouse.read(id, d, n, ms); }
    } reader(*f.mouse, handle);
    // Movement queued ahead of the answer is skipped, within the same time-out.
    for (int i = 0; i < 10; ++i)
        f.mouse->sendMovement(3, -2);
    f.mouse->sendStatusReport(1, 2, 1, 0);
    std::array<quint8, 64> buffer{};
    QCOMPARE(ReadVendorReport(reader, buffer.data(), kReportLength, 50), kReportLength);
    QCOMPARE(int(buffer[3]), int(Command::StatusReport));
    // Only movement left: a time-out, not an answer.
    f.mouse->sendMovement(1, 1);
    QCOMPARE(ReadVendorReport(reader, buffer.data(), kReportLength, 30), 0);

    // An exchange starts from an empty queue, so a full one cannot push its answer out.
    HidTransport::instance().setTiming({1, 40, 1});
    for (int i = 0; i < 100; ++i)
        f.mouse->sendMovement(3, -2);
    f.mouse->resetCounters();
    QCOMPARE(int(HidTransport::instance().SendAll(BuildWriteSession(0))), 0);
    QCOMPARE(f.mouse->counters().hostWrites, 1);
    f.mouse->closeHandle(handle);
}

void TransportTest::noteDevicePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("slot");  // -1: no match
    QTest::newRow("dongle col01") << QStringLiteral("\\\\?\\HID#VID_248A&PID_FA02&col01#7&1&0000#{guid}") << 0;
    QTest::newRow("dongle COL04 upper case") << QStringLiteral("\\\\?\\HID#VID_248A&PID_FA02&COL04#7&1&0003#{guid}") << 1;
    QTest::newRow("cable with MI_00 col01") << QStringLiteral("\\\\?\\HID#VID_248A&PID_FB01&MI_00&col01#8&2") << 2;
    QTest::newRow("cable col04") << QStringLiteral("\\\\?\\hid#vid_248a&pid_fb01&col04#8&2") << 3;
    QTest::newRow("other product") << QStringLiteral("\\\\?\\HID#VID_046D&PID_C52B&col01#1") << -1;
    QTest::newRow("no collection suffix") << QStringLiteral("\\\\?\\HID#VID_248A&PID_FA02#1") << -1;
    QTest::newRow("linux node") << QStringLiteral("/dev/hidraw0") << -1;
}

void TransportTest::noteDevicePath()
{
    QFETCH(QString, path);
    QFETCH(int, slot);
    VirtualMouseFixture f(false);
    HidTransport& t = HidTransport::instance();
    const NoteResult arrival = t.NoteDevicePath(path, true);
    QCOMPARE(arrival.matched, slot >= 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(bool(t.table().entries[0].found[i]), i == slot);
    if (slot < 0)
        return;
    QCOMPARE(t.table().entries[0].paths[slot], path);
    QVERIFY(!arrival.identityComplete);
    const NoteResult removal = t.NoteDevicePath(path, false);
    QVERIFY(removal.allGone);
    QVERIFY(!t.table().entries[0].found[slot]);
}

void TransportTest::noteDeviceNodeFollowsPlugAndUnplug()
{
    VirtualMouseFixture f(false);
    HidTransport& t = HidTransport::instance();
    f.mouse->plug(Identity::Cable);
    NoteResult r = t.NoteDeviceNode(f.mouse->controlPath(Identity::Cable), true);
    QVERIFY(r.matched && r.identityComplete);
    QVERIFY(t.table().entries[0].found[2] && t.table().entries[0].found[3]);
    r = t.NoteDeviceNode(f.mouse->controlPath(Identity::Dongle), true);
    QVERIFY(r.identityComplete);
    f.mouse->unplug(Identity::Cable);
    r = t.NoteDeviceNode(f.mouse->controlPath(Identity::Cable), false);
    QVERIFY(r.matched && !r.allGone);
    r = t.NoteDeviceNode(f.mouse->controlPath(Identity::Dongle), false);
    QVERIFY(r.allGone);
    QVERIFY(!t.NoteDeviceNode(QStringLiteral("/dev/hidraw99"), false).matched);
}

namespace {

// The virtual mouse plus a keyboard interface of the receiver on a node of its own.
class ExtraInterfaceBackend : public HidBackend
{
public:
    explicit ExtraInterfaceBackend(VirtualHidBackend& inner) : m_inner(inner) {}
    int init() override { return m_inner.init(); }
    void exit() override { m_inner.exit(); }
    QVector<HidDeviceInfo> enumerate() override
    {
        QVector<HidDeviceInfo> list = m_inner.enumerate();
        HidDeviceInfo keyboard = list.value(0);
        keyboard.path = QStringLiteral("/dev/hidraw7");
        keyboard.usagePage = 0x01;
        keyboard.usage = 0x06;
        list << keyboard;
        return list;
    }
    std::unique_ptr<HidHandle> open(const QString& path) override { return m_inner.open(path); }
    int releaseNumber(const QString& path) override { return m_inner.releaseNumber(path); }

private:
    VirtualHidBackend& m_inner;
};

} // namespace

void TransportTest::otherInterfacesOfTheIdentityChangeNothing()
{
    VirtualMouseFixture f(false);
    ExtraInterfaceBackend backend(f.backend);
    SetHidBackend(&backend);
    HidTransport& t = HidTransport::instance();
    const NoteResult arrival = t.NoteDeviceNode(QStringLiteral("/dev/hidraw7"), true);
    QVERIFY(!arrival.matched);
    for (int slot = 0; slot < 4; ++slot)
        QVERIFY(t.table().entries[0].paths[slot] != QStringLiteral("/dev/hidraw7"));
    QVERIFY(!t.NoteDeviceNode(QStringLiteral("/dev/hidraw7"), false).matched);
    SetHidBackend(&f.backend);
}

void TransportTest::checkEcho_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    QTest::newRow("0x46 with other data bytes still matches") << 0x46 << 10 << 0;
    QTest::newRow("0x02 differing only in the packet tag") << 0x02 << 7 << 0;
    QTest::newRow("0x02 differing only in the checksum") << 0x02 << 1 << 0;
    QTest::newRow("0x02 differing in a data byte") << 0x02 << 9 << 2;
    QTest::newRow("0x02 differing past the data length") << 0x02 << 20 << 0;
    QTest::newRow("0x02 differing in the command") << 0x02 << 3 << 1;
    QTest::newRow("report id differs") << 0x02 << 0 << 1;
}

void TransportTest::checkEcho()
{
    QFETCH(int, command);
    QFETCH(int, byte);
    Report request = MakeReport(quint8(command), 1, 0, 5, kTagNext);
    for (int i = 8; i < 13; ++i)
        request[i] = quint8(i);
    Report answer = request;
    answer[byte] ^= 0x55;
    QTEST(CheckEcho(request, answer.data(), command <= 0x0A), "expected");
}

QTEST_GUILESS_MAIN(TransportTest)
#include "tst_transport.moc"
