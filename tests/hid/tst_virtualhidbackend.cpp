#include "HidBackend.h"
#include "HidapiBackend.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <thread>

using Identity = VirtualMouse::Identity;

namespace {

QByteArray BatteryQuery()
{
    QByteArray report(33, '\0');
    report[0] = 0x05;
    report[1] = 0x24;
    report[2] = char(0xFA);
    report[3] = 0x48;
    return report;
}

int Write(HidHandle& handle, const QByteArray& report)
{
    return handle.write(reinterpret_cast<const uint8_t*>(report.constData()), size_t(report.size()));
}

QByteArray Read(HidHandle& handle, int timeout)
{
    uint8_t buffer[64] = {};
    const int n = handle.readTimeout(buffer, sizeof buffer, timeout);
    return n > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), n) : QByteArray();
}

} // namespace

class TestVirtualHidBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exchangeThroughTheInterface();
    void openFailsForUnknownPaths();
    void handleOutlivesBackend();
    void monitorSeesPlugAndUnplug();
    void factoryChoosesBackend();
    void processBackendUsesEnvironmentState();

private:
    QTemporaryDir m_dir;
};

void TestVirtualHidBackend::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The process-wide virtual mouse must never touch the user's real state file.
    qputenv("MOUSECFG_VIRTUAL_STATE", m_dir.filePath(QStringLiteral("process-state.ini")).toLocal8Bit());
    qunsetenv("MOUSECFG_VIRTUAL_TRACE");
    qunsetenv("MOUSECFG_DEVICE");
}

void TestVirtualHidBackend::exchangeThroughTheInterface()
{
    VirtualHidBackend backend(std::make_shared<VirtualMouse>(QString()));
    HidBackend& hid = backend;
    QCOMPARE(hid.init(), 0);
    const QVector<HidDeviceInfo> devices = hid.enumerate();
    QCOMPARE(devices.size(), 3);
    QCOMPARE(hid.releaseNumber(devices.first().path), 0x0100);
    std::unique_ptr<HidHandle> handle = hid.open(devices.last().path);
    QVERIFY(handle);
    QCOMPARE(Write(*handle, BatteryQuery()), 33);
    const QByteArray answer = Read(*handle, 150);
    QCOMPARE(answer.size(), 33);
    QCOMPARE(answer.at(3), char(0x48));
    QCOMPARE(Read(*handle, 0), QByteArray());
    QCOMPARE(handle->write(nullptr, 33), -1);
    QCOMPARE(handle->readTimeout(nullptr, 33, 0), -1);
    QCOMPARE(backend.mouse().openHandleCount(), 1);
    handle.reset();
    QCOMPARE(backend.mouse().openHandleCount(), 0);
    hid.exit();
}

void TestVirtualHidBackend::openFailsForUnknownPaths()
{
    VirtualHidBackend backend(std::make_shared<VirtualMouse>(QString()));
    QVERIFY(!backend.open(QStringLiteral("/dev/hidraw0")));
    QVERIFY(!backend.open(QString()));
    QVERIFY(!backend.open(QStringLiteral("/dev/hidraw-virtual-cable")));   // not plugged
    QCOMPARE(backend.releaseNumber(QStringLiteral("/dev/hidraw0")), -1);
}

void TestVirtualHidBackend::handleOutlivesBackend()
{
    std::unique_ptr<HidHandle> handle;
    {
        VirtualHidBackend backend(std::make_shared<VirtualMouse>(QString()));
        handle = backend.open(backend.mouse().controlPath(Identity::Dongle));
    }
    QVERIFY(handle);
    QCOMPARE(Write(*handle, BatteryQuery()), 33);
    QCOMPARE(Read(*handle, 0).size(), 33);
}

void TestVirtualHidBackend::monitorSeesPlugAndUnplug()
{
    VirtualHidBackend backend(std::make_shared<VirtualMouse>(QString()));
    QSignalSpy arrived(&backend.mouse(), &VirtualMouse::deviceArrived);
    QSignalSpy removed(&backend.mouse(), &VirtualMouse::deviceRemoved);
    std::unique_ptr<HidHandle> handle = backend.open(backend.mouse().controlPath(Identity::Dongle));

    // The unplug comes from another thread, as it does from the write thread in the program.
    std::thread other([&] { backend.mouse().unplug(Identity::Dongle); });
    other.join();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toString(), QStringLiteral("/dev/hidraw-virtual-dongle"));
    QVERIFY(backend.enumerate().isEmpty());
    QCOMPARE(Write(*handle, BatteryQuery()), -1);

    backend.mouse().plug(Identity::Cable);
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(backend.enumerate().size(), 3);
    QCOMPARE(backend.enumerate().first().productId, quint16(0xFB01));
}

void TestVirtualHidBackend::factoryChoosesBackend()
{
    qunsetenv("MOUSECFG_DEVICE");
    QVERIFY(dynamic_cast<HidapiBackend*>(&ActiveHidBackend()));
    qputenv("MOUSECFG_DEVICE", "virtual");
    QCOMPARE(&ActiveHidBackend(), static_cast<HidBackend*>(&VirtualHidBackend::Process()));

    VirtualHidBackend mine(std::make_shared<VirtualMouse>(QString()));
    SetHidBackend(&mine);
    QCOMPARE(&ActiveHidBackend(), static_cast<HidBackend*>(&mine));
    SetHidBackend(nullptr);
    QCOMPARE(&ActiveHidBackend(), static_cast<HidBackend*>(&VirtualHidBackend::Process()));
    qunsetenv("MOUSECFG_DEVICE");
    QVERIFY(dynamic_cast<HidapiBackend*>(&ActiveHidBackend()));
}

void TestVirtualHidBackend::processBackendUsesEnvironmentState()
{
    VirtualMouse& mouse = VirtualHidBackend::Process().mouse();
    QCOMPARE(mouse.statePath(), m_dir.filePath(QStringLiteral("process-state.ini")));
    mouse.setBattery(0x0E42, false);
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("process-state.ini"))));
}

QTEST_GUILESS_MAIN(TestVirtualHidBackend)
#include "tst_virtualhidbackend.moc"
