// Device arrival and removal: HID_ID parsing, the netlink event reading, the
// re-enumerating fallback and injection.
#include "HidDeviceMonitor.h"
#include "HidUsbId.h"
#include "PollingHidDeviceMonitor.h"
#include "UdevHidDeviceMonitor.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

class HidDeviceMonitorTest : public QObject
{
    Q_OBJECT

private slots:
    void parseHidId_data();
    void parseHidId();
    void interpretEvent_data();
    void interpretEvent();
    void hidrawSysname_data();
    void hidrawSysname();
    void idOfAbsentNodeIsUnknown();

    void devicesPresentAtStartAreNotReported();
    void arrivalsAndRemovalsReportedOnce();
    void removalCarriesIdsOfArrival();
    void timerPollsByItself();
    void pollFromSlotDoesNotRepeatEvents();
    void monitorDeletedBySlot();
    void injectedEvents();
    void injectionFromAnotherThread();

    void netlinkMonitorOrNothing_data();
    void netlinkMonitorOrNothing();
    void factoryAlwaysGivesAMonitor();
    void factoryForcedToPoll();
    void factoryFallsBackWithoutUdevDaemon();

    void cleanup();
};

void HidDeviceMonitorTest::cleanup()
{
    qunsetenv("MOUSECFG_HID_MONITOR");
}

void HidDeviceMonitorTest::parseHidId_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("bus");
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");

    QTest::newRow("dongle as the kernel writes it") << QByteArray("0003:0000248A:0000FA02") << true << 3 << 0x248A << 0xFA02;
    QTest::newRow("cable") << QByteArray("0003:0000248A:0000FB01") << true << 3 << 0x248A << 0xFB01;
    QTest::newRow("lower case") << QByteArray("0003:0000248a:0000fa02") << true << 3 << 0x248A << 0xFA02;
    QTest::newRow("unpadded fields") << QByteArray("5:46D:B01A") << true << 5 << 0x46D << 0xB01A;
    QTest::newRow("largest 16-bit ids") << QByteArray("FFFF:0000FFFF:0000FFFF") << true << 0xFFFF << 0xFFFF << 0xFFFF;

    QTest::newRow("empty") << QByteArray() << false << 0 << 0 << 0;
    QTest::newRow("two fields") << QByteArray("0003:0000248A") << false << 0 << 0 << 0;
    QTest::newRow("four fields") << QByteArray("0003:0000248A:0000FA02:0001") << false << 0 << 0 << 0;
    QTest::newRow("empty field") << QByteArray("0003::0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("0x prefix") << QByteArray("0003:0x248A:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("plus sign") << QByteArray("0003:+000248A:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("minus sign") << QByteArray("0003:-1:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("blank inside") << QByteArray("0003: 000248A:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("trailing newline") << QByteArray("0003:0000248A:0000FA02\n") << false << 0 << 0 << 0;
    QTest::newRow("not hex") << QByteArray("0003:0000248G:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("non-ascii digit") << QByteArray("0003:0000248\xC3\xA4:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("vendor above 16 bits") << QByteArray("0003:0001248A:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("bus above 16 bits") << QByteArray("10003:0000248A:0000FA02") << false << 0 << 0 << 0;
    QTest::newRow("nine digits") << QByteArray("3:00000248A:FA02") << false << 0 << 0 << 0;
    QTest::newRow("megabyte of zeros") << QByteArray(1 << 20, '0') << false << 0 << 0 << 0;
    QTest::newRow("megabyte of fields") << QByteArray("3:248A:FA02:").repeated(100000) << false << 0 << 0 << 0;
}

void HidDeviceMonitorTest::parseHidId()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, bus);
    QFETCH(int, vendor);
    QFETCH(int, product);

    const HidUsbId id = HidUsbId::parse(text);
    QCOMPARE(id.valid, valid);
    QCOMPARE(int(id.bus), bus);
    QCOMPARE(int(id.vendorId), vendor);
    QCOMPARE(int(id.productId), product);
}

void HidDeviceMonitorTest::interpretEvent_data()
{
    // Null QByteArrays stand for absent strings.
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QByteArray>("subsystem");
    QTest::addColumn<QByteArray>("devnode");
    QTest::addColumn<QByteArray>("sysname");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");

    const int ignored = int(UdevHidDeviceMonitor::Event::Kind::Ignored);
    const int arrival = int(UdevHidDeviceMonitor::Event::Kind::Arrival);
    const int removal = int(UdevHidDeviceMonitor::Event::Kind::Removal);

    QTest::newRow("udev add") << QByteArray("add") << QByteArray("hidraw") << QByteArray("/dev/hidraw3")
                              << QByteArray("hidraw3") << arrival << "/dev/hidraw3";
    QTest::newRow("udev remove") << QByteArray("remove") << QByteArray("hidraw") << QByteArray("/dev/hidraw3")
                                 << QByteArray("hidraw3") << removal << "/dev/hidraw3";
    QTest::newRow("kernel add names only the node") << QByteArray("add") << QByteArray("hidraw") << QByteArray()
                                                    << QByteArray("hidraw7") << arrival << "/dev/hidraw7";
    QTest::newRow("kernel remove names only the node") << QByteArray("remove") << QByteArray("hidraw") << QByteArray()
                                                       << QByteArray("hidraw12") << removal << "/dev/hidraw12";
    QTest::newRow("devnode outside /dev falls back to the name") << QByteArray("add") << QByteArray("hidraw")
                                                                 << QByteArray("/tmp/hidraw2") << QByteArray("hidraw2")
                                                                 << arrival << "/dev/hidraw2";
    QTest::newRow("devnode climbing out of /dev") << QByteArray("add") << QByteArray("hidraw")
                                                  << QByteArray("/dev/../etc/passwd") << QByteArray() << ignored << "";
    QTest::newRow("change is not a plug") << QByteArray("change") << QByteArray("hidraw") << QByteArray("/dev/hidraw3")
                                          << QByteArray("hidraw3") << ignored << "";
    QTest::newRow("bind is not a plug") << QByteArray("bind") << QByteArray("hidraw") << QByteArray("/dev/hidraw3")
                                        << QByteArray("hidraw3") << ignored << "";
    QTest::newRow("other subsystem") << QByteArray("add") << QByteArray("input") << QByteArray("/dev/input/event3")
                                     << QByteArray("event3") << ignored << "";
    QTest::newRow("no action") << QByteArray() << QByteArray("hidraw") << QByteArray("/dev/hidraw3")
                               << QByteArray("hidraw3") << ignored << "";
    QTest::newRow("no subsystem") << QByteArray("add") << QByteArray() << QByteArray("/dev/hidraw3")
                                  << QByteArray("hidraw3") << ignored << "";
    QTest::newRow("no node at all") << QByteArray("add") << QByteArray("hidraw") << QByteArray() << QByteArray()
                                    << ignored << "";
    QTest::newRow("name that leaves /dev") << QByteArray("add") << QByteArray("hidraw") << QByteArray()
                                           << QByteArray("../etc/passwd") << ignored << "";
    QTest::newRow("name of another kind") << QByteArray("add") << QByteArray("hidraw") << QByteArray()
                                          << QByteArray("hiddev0") << ignored << "";
    QTest::newRow("huge devnode") << QByteArray("add") << QByteArray("hidraw") << "/dev/" + QByteArray(100000, 'a')
                                  << QByteArray() << ignored << "";
}

void HidDeviceMonitorTest::interpretEvent()
{
    QFETCH(QByteArray, action);
    QFETCH(QByteArray, subsystem);
    QFETCH(QByteArray, devnode);
    QFETCH(QByteArray, sysname);
    QFETCH(int, kind);
    QFETCH(QString, path);

    auto text = [](const QByteArray& bytes) { return bytes.isNull() ? nullptr : bytes.constData(); };
    const UdevHidDeviceMonitor::Event event =
        UdevHidDeviceMonitor::Interpret(text(action), text(subsystem), text(devnode), text(sysname));
    QCOMPARE(int(event.kind), kind);
    QCOMPARE(event.path, path);
}

void HidDeviceMonitorTest::hidrawSysname_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("sysname");

    QTest::newRow("first node") << "/dev/hidraw0" << QByteArray("hidraw0");
    QTest::newRow("two digits") << "/dev/hidraw15" << QByteArray("hidraw15");
    QTest::newRow("no number") << "/dev/hidraw" << QByteArray();
    QTest::newRow("letters after the number") << "/dev/hidraw1x" << QByteArray();
    QTest::newRow("not below /dev") << "hidraw1" << QByteArray();
    QTest::newRow("subdirectory") << "/dev/../dev/hidraw1" << QByteArray();
    QTest::newRow("virtual mouse path") << "virtual:0" << QByteArray();
    QTest::newRow("endless number") << "/dev/hidraw" + QString(5000, QLatin1Char('9')) << QByteArray();
}

void HidDeviceMonitorTest::hidrawSysname()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, sysname);
    QCOMPARE(UdevHidDeviceMonitor::HidrawSysname(path), sysname);
}

void HidDeviceMonitorTest::idOfAbsentNodeIsUnknown()
{
    QVERIFY(!UdevHidDeviceMonitor::UsbIdOfNode(QStringLiteral("/dev/hidraw999999")).valid);
    QVERIFY(!UdevHidDeviceMonitor::UsbIdOfNode(QStringLiteral("/etc/passwd")).valid);
    QVERIFY(!UdevHidDeviceMonitor::UsbIdOfNode(QString()).valid);
}

void HidDeviceMonitorTest::devicesPresentAtStartAreNotReported()
{
    QStringList devices{QStringLiteral("/dev/hidraw0"), QStringLiteral("/dev/hidraw1")};
    PollingHidDeviceMonitor monitor([&devices] { return devices; }, 0);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    QSignalSpy removed(&monitor, &HidDeviceMonitor::deviceRemoved);

    monitor.poll();
    QCOMPARE(monitor.source(), QStringLiteral("poll"));
    QCOMPARE(arrived.count(), 0);
    QCOMPARE(removed.count(), 0);
}

void HidDeviceMonitorTest::arrivalsAndRemovalsReportedOnce()
{
    QStringList devices{QStringLiteral("/dev/hidraw0")};
    PollingHidDeviceMonitor monitor([&devices] { return devices; }, 0);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    QSignalSpy removed(&monitor, &HidDeviceMonitor::deviceRemoved);

    // hidapi lists a node once per collection: one node, one arrival.
    devices << QStringLiteral("/dev/hidraw1") << QStringLiteral("/dev/hidraw1") << QString();
    monitor.poll();
    monitor.poll();
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(arrived.at(0).at(0).toString(), QStringLiteral("/dev/hidraw1"));
    QCOMPARE(removed.count(), 0);

    devices = QStringList{QStringLiteral("/dev/hidraw1")};
    monitor.poll();
    monitor.poll();
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toString(), QStringLiteral("/dev/hidraw0"));

    // A node number coming back is a new arrival.
    devices << QStringLiteral("/dev/hidraw0");
    monitor.poll();
    QCOMPARE(arrived.count(), 2);
    QCOMPARE(removed.count(), 1);
}

void HidDeviceMonitorTest::removalCarriesIdsOfArrival()
{
    QStringList devices;
    bool present = true;
    auto resolve = [&present](const QString& path) {
        HidUsbId id;
        if (present && path == QLatin1String("/dev/hidraw4"))
            id = HidUsbId::parse("0003:0000248A:0000FA02");
        return id;
    };
    PollingHidDeviceMonitor monitor([&devices] { return devices; }, 0, nullptr, resolve);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    QSignalSpy removed(&monitor, &HidDeviceMonitor::deviceRemoved);

    devices << QStringLiteral("/dev/hidraw4");
    monitor.poll();
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(arrived.at(0).at(1).value<quint16>(), quint16(0x248A));
    QCOMPARE(arrived.at(0).at(2).value<quint16>(), quint16(0xFA02));
    QVERIFY(monitor.knownId(QStringLiteral("/dev/hidraw4")).valid);

    // Gone devices cannot be asked any more; the ids must come from the arrival.
    present = false;
    devices.clear();
    monitor.poll();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).value<quint16>(), quint16(0x248A));
    QCOMPARE(removed.at(0).at(2).value<quint16>(), quint16(0xFA02));
    QVERIFY(!monitor.knownId(QStringLiteral("/dev/hidraw4")).valid);
}

void HidDeviceMonitorTest::timerPollsByItself()
{
    QStringList devices;
    PollingHidDeviceMonitor monitor([&devices] { return devices; }, 50);
    QVERIFY(monitor.intervalMs() > 0);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    QSignalSpy removed(&monitor, &HidDeviceMonitor::deviceRemoved);

    devices << QStringLiteral("/dev/hidraw2");
    QTRY_COMPARE(arrived.count(), 1);
    devices.clear();
    QTRY_COMPARE(removed.count(), 1);
    QTest::qWait(200);
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(removed.count(), 1);
}

void HidDeviceMonitorTest::pollFromSlotDoesNotRepeatEvents()
{
    QStringList devices;
    PollingHidDeviceMonitor monitor([&devices] { return devices; }, 0);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    connect(&monitor, &HidDeviceMonitor::deviceArrived, &monitor, [&monitor] { monitor.poll(); });

    devices << QStringLiteral("/dev/hidraw1") << QStringLiteral("/dev/hidraw2");
    monitor.poll();
    QCOMPARE(arrived.count(), 2);
    monitor.poll();
    QCOMPARE(arrived.count(), 2);
}

void HidDeviceMonitorTest::monitorDeletedBySlot()
{
    QStringList devices;
    auto* monitor = new PollingHidDeviceMonitor([&devices] { return devices; }, 0);
    int arrivals = 0;
    connect(monitor, &HidDeviceMonitor::deviceArrived, this, [&monitor, &arrivals] {
        ++arrivals;
        delete monitor;
        monitor = nullptr;
    });

    devices << QStringLiteral("/dev/hidraw1") << QStringLiteral("/dev/hidraw2");
    monitor->poll();
    QCOMPARE(arrivals, 1);
    QVERIFY(monitor == nullptr);
}

void HidDeviceMonitorTest::injectedEvents()
{
    PollingHidDeviceMonitor monitor(HidDeviceMonitor::PathEnumerator(), 50);
    QCOMPARE(monitor.source(), QStringLiteral("inject"));
    QCOMPARE(monitor.intervalMs(), 0);
    QSignalSpy arrived(&monitor, &HidDeviceMonitor::deviceArrived);
    QSignalSpy removed(&monitor, &HidDeviceMonitor::deviceRemoved);

    monitor.poll();
    monitor.injectArrival(QStringLiteral("virtual:1"), 0x248A, 0xFB01);
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(arrived.at(0).at(0).toString(), QStringLiteral("virtual:1"));
    QCOMPARE(arrived.at(0).at(2).value<quint16>(), quint16(0xFB01));

    monitor.injectRemoval(QStringLiteral("virtual:1"));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).value<quint16>(), quint16(0x248A));

    // Empty paths name nothing.
    monitor.injectArrival(QString());
    monitor.injectRemoval(QString());
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(removed.count(), 1);
}

void HidDeviceMonitorTest::injectionFromAnotherThread()
{
    PollingHidDeviceMonitor monitor(HidDeviceMonitor::PathEnumerator(), 0);
    QThread* signalThread = nullptr;
    int arrivals = 0;
    connect(&monitor, &HidDeviceMonitor::deviceArrived, this, [&signalThread, &arrivals] {
        signalThread = QThread::currentThread();
        ++arrivals;
    }, Qt::DirectConnection);

    QThread* worker = QThread::create([&monitor] { monitor.injectArrival(QStringLiteral("virtual:2"), 1, 2); });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;
    QTRY_COMPARE(arrivals, 1);
    QCOMPARE(signalThread, monitor.thread());
    QCOMPARE(int(monitor.knownId(QStringLiteral("virtual:2")).productId), 2);
}

void HidDeviceMonitorTest::netlinkMonitorOrNothing_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("name");
    QTest::newRow("udev") << int(UdevHidDeviceMonitor::Source::Udev) << "udev";
    QTest::newRow("kernel") << int(UdevHidDeviceMonitor::Source::Kernel) << "kernel";
}

void HidDeviceMonitorTest::netlinkMonitorOrNothing()
{
    QFETCH(int, source);
    QFETCH(QString, name);

    const auto kind = UdevHidDeviceMonitor::Source(source);
    std::unique_ptr<UdevHidDeviceMonitor> monitor = UdevHidDeviceMonitor::Create(kind);
    if (kind == UdevHidDeviceMonitor::Source::Udev && !UdevHidDeviceMonitor::UdevDaemonRunning())
        QVERIFY2(!monitor, "without udevd a udev monitor would stay silent");
    if (!monitor) {
        qInfo("no %s monitor on this host", qPrintable(name));
        return;
    }
    QCOMPARE(monitor->source(), name);
    // Whatever the host sends meanwhile must be read without harm.
    QTest::qWait(100);
    monitor.reset();
}

void HidDeviceMonitorTest::factoryAlwaysGivesAMonitor()
{
    std::unique_ptr<HidDeviceMonitor> monitor = CreateHidDeviceMonitor([] { return QStringList(); });
    QVERIFY(monitor);
    QVERIFY2(QStringList({"udev", "kernel", "poll"}).contains(monitor->source()), qPrintable(monitor->source()));
    qInfo("device events here come from: %s", qPrintable(monitor->source()));
}

void HidDeviceMonitorTest::factoryForcedToPoll()
{
    qputenv("MOUSECFG_HID_MONITOR", "poll");
    QStringList devices;
    std::unique_ptr<HidDeviceMonitor> monitor = CreateHidDeviceMonitor([&devices] { return devices; });
    QVERIFY(monitor);
    QCOMPARE(monitor->source(), QStringLiteral("poll"));
    auto* polling = qobject_cast<PollingHidDeviceMonitor*>(monitor.get());
    QVERIFY(polling);
    QCOMPARE(polling->intervalMs(), PollingHidDeviceMonitor::kDefaultIntervalMs);

    QSignalSpy arrived(monitor.get(), &HidDeviceMonitor::deviceArrived);
    devices << QStringLiteral("virtual:0");
    polling->poll();
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(arrived.at(0).at(1).value<quint16>(), quint16(0));
}

void HidDeviceMonitorTest::factoryFallsBackWithoutUdevDaemon()
{
    if (UdevHidDeviceMonitor::UdevDaemonRunning())
        QSKIP("a udev daemon runs here");
    qputenv("MOUSECFG_HID_MONITOR", "udev");
    std::unique_ptr<HidDeviceMonitor> monitor = CreateHidDeviceMonitor([] { return QStringList(); });
    QVERIFY(monitor);
    QCOMPARE(monitor->source(), QStringLiteral("poll"));
}

QTEST_GUILESS_MAIN(HidDeviceMonitorTest)
#include "tst_hiddevicemonitor.moc"
