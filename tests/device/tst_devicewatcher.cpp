// Plug and unplug reach the device table through the watcher, per collection, and the
// owner hears when an identity is complete and when the mouse is gone.
#include "DeviceWatcher.h"
#include "VirtualMouseFixture.h"

#include <QSignalSpy>
#include <QtTest>

using Identity = VirtualMouse::Identity;

class DeviceWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void virtualPlugAndUnplug();
    void switchFromDongleToCable();
    void foreignDevicesAreIgnored();
};

void DeviceWatcherTest::virtualPlugAndUnplug()
{
    VirtualMouseFixture f(false);
    f.mouse->unplug(Identity::Dongle);
    DeviceWatcher watcher;
    QCOMPARE(watcher.source(), QStringLiteral("inject"));
    QSignalSpy arrived(&watcher, &DeviceWatcher::MouseArrivedSignal);
    QSignalSpy removed(&watcher, &DeviceWatcher::MouseRemovedSignal);

    f.mouse->plug(Identity::Dongle);
    QTRY_COMPARE(arrived.count(), 1);
    QCOMPARE(arrived.first().at(0).toString(), f.mouse->controlPath(Identity::Dongle));
    QCOMPARE(arrived.first().at(1).toBool(), true);
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    QVERIFY(e.found[0] && e.found[1]);

    f.mouse->unplug(Identity::Dongle);
    QTRY_COMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toBool(), true);
    QVERIFY(!e.found[0] && !e.found[1]);
}

void DeviceWatcherTest::switchFromDongleToCable()
{
    VirtualMouseFixture f;
    DeviceWatcher watcher;
    QSignalSpy arrived(&watcher, &DeviceWatcher::MouseArrivedSignal);
    QSignalSpy removed(&watcher, &DeviceWatcher::MouseRemovedSignal);
    f.mouse->plug(Identity::Cable);
    QTRY_COMPARE(arrived.count(), 1);
    f.mouse->unplug(Identity::Dongle);
    QTRY_COMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toBool(), false);  // the cable is still there
    const DeviceMatchEntry& e = HidTransport::instance().table().entries[0];
    QVERIFY(!e.found[0] && !e.found[1] && e.found[2] && e.found[3]);

    // Reopening after the switch moves exchanges to the cable.
    HidTransport& t = HidTransport::instance();
    t.CloseDevice();
    t.OpenDevice(e.name);
    QVERIFY(t.hasCableControl());
    QCOMPARE(int(t.SendCommand(MakeReport(Command::WriteSession, 0))), 0);
}

void DeviceWatcherTest::foreignDevicesAreIgnored()
{
    VirtualMouseFixture f(false);
    f.mouse->setIds(Identity::Cable, 0x046D, 0xC52B);
    DeviceWatcher watcher;
    QSignalSpy arrived(&watcher, &DeviceWatcher::MouseArrivedSignal);
    f.mouse->plug(Identity::Cable);
    QTest::qWait(100);
    QCOMPARE(arrived.count(), 0);
}

QTEST_GUILESS_MAIN(DeviceWatcherTest)
#include "tst_devicewatcher.moc"
