#include "HidReportDescriptor.h"
#include "UhidCommand.h"
#include "UhidMouse.h"

#include <QtTest>

#include <linux/uhid.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

Q_DECLARE_METATYPE(UhidCommand::Kind)

namespace {

// The kernel's side of /dev/uhid: one end of a packet socket pair, one event per packet.
class FakeKernel
{
public:
    FakeKernel()
    {
        int fds[2] = {-1, -1};
        if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) == 0) {
            m_kernel = fds[0];
            m_front = fds[1];
            ::fcntl(m_front, F_SETFL, O_NONBLOCK);
        }
        int control[2] = {-1, -1};
        if (::pipe2(control, O_CLOEXEC | O_NONBLOCK) == 0) {
            m_controlRead = control[0];
            m_controlWrite = control[1];
        }
    }
    ~FakeKernel()
    {
        for (int fd : {m_kernel, m_controlRead, m_controlWrite})
            if (fd >= 0)
                ::close(fd);
    }

    bool valid() const { return m_kernel >= 0 && m_front >= 0 && m_controlRead >= 0; }
    int takeFrontEnd()
    {
        const int fd = m_front;
        m_front = -1;
        return fd;
    }
    int controlFd() const { return m_controlRead; }
    void control(const QByteArray& lines) { QCOMPARE(::write(m_controlWrite, lines.constData(), size_t(lines.size())), ssize_t(lines.size())); }

    void send(const uhid_event& event) { QCOMPARE(::send(m_kernel, &event, sizeof(event), 0), ssize_t(sizeof(event))); }

    // The next event the front wrote, or nullptr when there is none.
    std::unique_ptr<uhid_event> next()
    {
        auto event = std::make_unique<uhid_event>();
        std::memset(event.get(), 0, sizeof(uhid_event));
        const ssize_t n = ::recv(m_kernel, event.get(), sizeof(uhid_event), MSG_DONTWAIT);
        if (n != ssize_t(sizeof(uhid_event)))
            return nullptr;
        return event;
    }

private:
    int m_kernel = -1;
    int m_front = -1;
    int m_controlRead = -1;
    int m_controlWrite = -1;
};

std::unique_ptr<uhid_event> Event(__u32 type)
{
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof(uhid_event));
    event->type = type;
    return event;
}

std::unique_ptr<uhid_event> BatteryQuery(__u8 reportType = UHID_OUTPUT_REPORT)
{
    QByteArray report(VirtualMouse::ReportLength, '\0');
    report[0] = char(VirtualMouse::ReportId);
    report[2] = char(VirtualMouse::Marker);
    report[3] = char(VirtualMouse::CmdQueryBattery);
    report[1] = char(VirtualMouse::Checksum(report));
    auto event = Event(UHID_OUTPUT);
    std::memcpy(event->u.output.data, report.constData(), size_t(report.size()));
    event->u.output.size = __u16(report.size());
    event->u.output.rtype = reportType;
    return event;
}

} // namespace

class TestUhidMouse : public QObject
{
    Q_OBJECT

private slots:
    void descriptorHasTheMouseCollections();
    void parse_data();
    void parse();
    void plugCreatesTheDongle();
    void outputReportIsAnswered();
    void featureReportsAreRefused();
    void injectedUnplugDestroysTheDevice();
    void switchChangesIdentity();
    void movementReportsGoOut();
};

void TestUhidMouse::descriptorHasTheMouseCollections()
{
    const HidReportDescriptor descriptor(UhidMouse::ReportDescriptor());
    QVERIFY(descriptor.isComplete());
    const QVector<HidReportDescriptor::Collection> top = descriptor.topLevelCollections();
    QCOMPARE(top.size(), 2);
    // The transport finds the mouse collection by usage 2 and the control one by usage 0, both on page 1.
    QCOMPARE(top[0].usagePage, quint16(1));
    QCOMPARE(top[0].usage, quint16(2));
    QCOMPARE(top[0].reportIds, QVector<quint8>{1});
    QCOMPARE(top[1].usagePage, quint16(1));
    QCOMPARE(top[1].usage, quint16(0));
    QCOMPARE(top[1].reportIds, QVector<quint8>{5});
    // hidapi lists the nested pointer collection too, on the same node.
    bool pointer = false;
    for (const HidReportDescriptor::Collection& c : descriptor.collections())
        pointer = pointer || (c.depth == 1 && c.usagePage == 1 && c.usage == 1);
    QVERIFY(pointer);
}

void TestUhidMouse::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<UhidCommand::Kind>("kind");
    QTest::addColumn<int>("value");

    using K = UhidCommand::Kind;
    QTest::newRow("plug dongle") << "plug dongle" << K::Plug << 0;
    QTest::newRow("plug cable") << "plug cable" << K::Plug << 0;
    QTest::newRow("plug usb") << "plug usb" << K::Invalid << 0;
    QTest::newRow("plug alone") << "plug" << K::Invalid << 0;
    QTest::newRow("unplug") << "unplug" << K::Unplug << 0;
    QTest::newRow("unplug with a word") << "unplug now" << K::Invalid << 0;
    QTest::newRow("switch") << "switch" << K::Switch << 0;
    QTest::newRow("unplug-after 1") << "unplug-after 1" << K::UnplugAfter << 1;
    QTest::newRow("unplug-after 100000") << "unplug-after 100000" << K::UnplugAfter << 100000;
    QTest::newRow("unplug-after 0") << "unplug-after 0" << K::Invalid << 0;
    QTest::newRow("unplug-after 100001") << "unplug-after 100001" << K::Invalid << 0;
    QTest::newRow("unplug-after hex") << "unplug-after 0x10" << K::Invalid << 0;
    QTest::newRow("unplug-after 2^32+1") << "unplug-after 4294967297" << K::Invalid << 0;
    QTest::newRow("battery 0") << "battery 0" << K::Battery << 0;
    QTest::newRow("battery 65535 charging") << "battery 65535 charging" << K::Battery << 65535;
    QTest::newRow("battery 65536") << "battery 65536" << K::Invalid << 0;
    QTest::newRow("battery -1") << "battery -1" << K::Invalid << 0;
    QTest::newRow("battery full") << "battery 900 full" << K::Invalid << 0;
    QTest::newRow("status 1 1 0") << "status 1 1 0" << K::Status << 1;
    QTest::newRow("status 5 8 255") << "status 5 8 255" << K::Status << 5;
    QTest::newRow("status profile 0") << "status 0 1 1" << K::Invalid << 0;
    QTest::newRow("status profile 6") << "status 6 1 1" << K::Invalid << 0;
    QTest::newRow("status level 9") << "status 1 9 1" << K::Invalid << 0;
    QTest::newRow("status rate 256") << "status 1 1 256" << K::Invalid << 0;
    QTest::newRow("movement 0") << "movement 0" << K::Movement << 0;
    QTest::newRow("movement 1000") << "movement 1000" << K::Movement << 1000;
    QTest::newRow("movement -1") << "movement -1" << K::Invalid << 0;
    QTest::newRow("movement 1001") << "movement 1001" << K::Invalid << 0;
    QTest::newRow("trace off") << "trace" << K::Trace << 0;
    QTest::newRow("trace to a file") << "trace /tmp/x" << K::Trace << 0;
    QTest::newRow("save") << "save" << K::Save << 0;
    QTest::newRow("quit") << "quit" << K::Quit << 0;
    QTest::newRow("empty") << "" << K::Invalid << 0;
    QTest::newRow("unknown") << "explode" << K::Invalid << 0;
    QTest::newRow("too long") << QString(UhidCommand::MaxLineLength + 1, QLatin1Char('a')) << K::Invalid << 0;
}

void TestUhidMouse::parse()
{
    QFETCH(QString, line);
    QFETCH(UhidCommand::Kind, kind);
    QFETCH(int, value);
    const UhidCommand command = UhidCommand::Parse(line);
    QCOMPARE(command.kind, kind);
    if (kind == UhidCommand::Kind::Invalid)
        QVERIFY(!command.error.isEmpty());
    else
        QCOMPARE(command.value, value);
}

void TestUhidMouse::plugCreatesTheDongle()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    UhidMouse front(mouse, [](const QString&) {});
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(!front.plug(VirtualMouse::Identity::Cable));   // one device at a time

    const auto event = kernel.next();
    QVERIFY(event);
    QCOMPARE(event->type, __u32(UHID_CREATE2));
    QCOMPARE(event->u.create2.bus, __u16(BUS_USB));
    QCOMPARE(event->u.create2.vendor, __u32(0x248A));
    QCOMPARE(event->u.create2.product, __u32(0xFA02));
    const QByteArray descriptor = UhidMouse::ReportDescriptor();
    QCOMPARE(int(event->u.create2.rd_size), descriptor.size());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(event->u.create2.rd_data), descriptor.size()), descriptor);
    QVERIFY(mouse.isPresent(VirtualMouse::Identity::Dongle));
    QVERIFY(!mouse.isPresent(VirtualMouse::Identity::Cable));
    QVERIFY(!kernel.next());
}

void TestUhidMouse::outputReportIsAnswered()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    mouse.setBattery(0x1234, true);
    QStringList log;
    UhidMouse front(mouse, [&log](const QString& line) { log << line; });
    front.setMovementRate(0);
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(kernel.next());

    kernel.send(*BatteryQuery());
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    const auto answer = kernel.next();
    QVERIFY(answer);
    QCOMPARE(answer->type, __u32(UHID_INPUT2));
    QCOMPARE(int(answer->u.input2.size), VirtualMouse::ReportLength);
    QCOMPARE(answer->u.input2.data[0], __u8(5));
    QCOMPARE(answer->u.input2.data[3], __u8(VirtualMouse::CmdQueryBattery));
    QCOMPARE(answer->u.input2.data[4], __u8(0x34));
    QCOMPARE(answer->u.input2.data[5], __u8(0x12));
    QCOMPARE(answer->u.input2.data[6], __u8(1));
    QVERIFY(!kernel.next());
    QCOMPARE(mouse.counters().hostWrites, 1);
    QVERIFY(log.contains(QStringLiteral("done 1: quit")));
}

void TestUhidMouse::featureReportsAreRefused()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    UhidMouse front(mouse, [](const QString&) {});
    front.setMovementRate(0);
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(kernel.next());

    // A report that is not an output report is no command.
    kernel.send(*BatteryQuery(UHID_FEATURE_REPORT));
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    QVERIFY(!kernel.next());
    QCOMPARE(mouse.counters().hostWrites, 0);

    auto request = Event(UHID_GET_REPORT);
    request->u.get_report.id = 77;
    request->u.get_report.rnum = 5;
    kernel.send(*request);
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    const auto reply = kernel.next();
    QVERIFY(reply);
    QCOMPARE(reply->type, __u32(UHID_GET_REPORT_REPLY));
    QCOMPARE(reply->u.get_report_reply.id, __u32(77));
    QVERIFY(reply->u.get_report_reply.err != 0);
}

void TestUhidMouse::injectedUnplugDestroysTheDevice()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    QStringList log;
    UhidMouse front(mouse, [&log](const QString& line) { log << line; });
    front.setMovementRate(0);
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(kernel.next());

    kernel.control("unplug-after 1\nquit\n");
    QVERIFY(front.run(kernel.controlFd()));
    kernel.send(*BatteryQuery());
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    // The report was acted on, its answer lost with the device.
    const auto event = kernel.next();
    QVERIFY(event);
    QCOMPARE(event->type, __u32(UHID_DESTROY));
    QVERIFY(!kernel.next());
    QVERIFY(!front.isPlugged());
    QVERIFY(!mouse.isPresent(VirtualMouse::Identity::Dongle));
    QVERIFY(log.contains(QStringLiteral("unplugged after a write")));

    // Plugged again, the same front serves the next write.
    kernel.control("plug dongle\n");
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    QVERIFY(front.isPlugged());
    const auto created = kernel.next();
    QVERIFY(created);
    QCOMPARE(created->type, __u32(UHID_CREATE2));
    kernel.send(*BatteryQuery());
    kernel.control("quit\n");
    QVERIFY(front.run(kernel.controlFd()));
    const auto answer = kernel.next();
    QVERIFY(answer);
    QCOMPARE(answer->type, __u32(UHID_INPUT2));
}

void TestUhidMouse::switchChangesIdentity()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    QStringList log;
    UhidMouse front(mouse, [&log](const QString& line) { log << line; });
    front.setMovementRate(0);
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(kernel.next());

    kernel.control("switch\nbattery 70000\nquit\n");
    QVERIFY(front.run(kernel.controlFd()));
    const auto destroyed = kernel.next();
    QVERIFY(destroyed);
    QCOMPARE(destroyed->type, __u32(UHID_DESTROY));
    const auto created = kernel.next();
    QVERIFY(created);
    QCOMPARE(created->type, __u32(UHID_CREATE2));
    QCOMPARE(created->u.create2.product, __u32(0xFB01));
    QCOMPARE(front.identity(), VirtualMouse::Identity::Cable);
    QVERIFY(mouse.isPresent(VirtualMouse::Identity::Cable));
    QVERIFY(!mouse.isPresent(VirtualMouse::Identity::Dongle));
    QCOMPARE(log.filter(QStringLiteral("error 2: battery 70000")).size(), 1);
    QCOMPARE(mouse.batteryValue(), quint16(0x03C6));
}

void TestUhidMouse::movementReportsGoOut()
{
    FakeKernel kernel;
    QVERIFY(kernel.valid());
    VirtualMouse mouse(QString{});
    UhidMouse front(mouse, [](const QString&) {});
    front.setMovementRate(1000);
    front.adoptChannel(kernel.takeFrontEnd());
    QVERIFY(front.plug(VirtualMouse::Identity::Dongle));
    QVERIFY(kernel.next());

    // run() is a plain poll loop: a second thread ends it after a while.
    std::thread stopper([&kernel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        kernel.control("quit\n");
    });
    const bool served = front.run(kernel.controlFd());
    stopper.join();
    QVERIFY(served);
    int movements = 0;
    int dx = 0, dy = 0;
    while (const auto event = kernel.next()) {
        QCOMPARE(event->type, __u32(UHID_INPUT2));
        QCOMPARE(int(event->u.input2.size), 8);
        QCOMPARE(event->u.input2.data[0], __u8(1));
        dx += qint8(event->u.input2.data[2]);
        dy += qint8(event->u.input2.data[3]);
        ++movements;
    }
    QVERIFY2(movements >= 4, qPrintable(QString::number(movements)));
    // Whole squares bring the pointer back; a partial one is at most one side away.
    QVERIFY(qAbs(dx) <= 3 && qAbs(dy) <= 3);
}

QTEST_GUILESS_MAIN(TestUhidMouse)
#include "tst_uhidmouse.moc"
