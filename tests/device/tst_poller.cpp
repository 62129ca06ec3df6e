#include "HidBackend.h"
#include "HidTransport.h"
#include "TarnGetBatteryThread.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QtTest>
#include <atomic>
#include <thread>
#include <memory>

namespace {

// Short pauses so a whole cycle of 57 passes takes a fraction of a second.
const TarnGetBatteryThread::Timing kQuick{1, 20, 5, 5, 5, 20};
const TarnGetBatteryThread::Timing kQuicker{1, 3, 1, 1, 1, 3};

// What the handles saw, in order: "Q" for a battery query written, "R" for a read call.
class OperationLog
{
public:
    void add(char op)
    {
        QMutexLocker locker(&m_lock);
        m_ops.append(op);
    }
    QByteArray ops() const
    {
        QMutexLocker locker(&m_lock);
        // A copy of its own: a shared one would be released outside the lock while the
        // poller appends.
        return QByteArray(m_ops.constData(), m_ops.size());
    }

private:
    mutable QMutex m_lock;
    QByteArray m_ops;
};

class LoggingHandle : public HidHandle
{
public:
    LoggingHandle(std::unique_ptr<HidHandle> inner, OperationLog& log)
        : m_inner(std::move(inner)), m_log(log)
    {
    }
    int write(const uint8_t* data, size_t length) override
    {
        if (length > 3 && data[3] == VirtualMouse::CmdQueryBattery)
            m_log.add('Q');
        return m_inner->write(data, length);
    }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override
    {
        m_log.add('R');
        return m_inner->readTimeout(data, length, milliseconds);
    }

private:
    std::unique_ptr<HidHandle> m_inner;
    OperationLog& m_log;
};

// The virtual backend with every handle's calls written to a log.
class LoggingBackend : public HidBackend
{
public:
    LoggingBackend(VirtualHidBackend& inner, OperationLog& log) : m_inner(inner), m_log(log) {}
    int init() override { return m_inner.init(); }
    void exit() override { m_inner.exit(); }
    QVector<HidDeviceInfo> enumerate() override { return m_inner.enumerate(); }
    std::unique_ptr<HidHandle> open(const QString& path) override
    {
        std::unique_ptr<HidHandle> handle = m_inner.open(path);
        if (!handle)
            return nullptr;
        return std::make_unique<LoggingHandle>(std::move(handle), m_log);
    }
    int releaseNumber(const QString& path) override { return m_inner.releaseNumber(path); }

private:
    VirtualHidBackend& m_inner;
    OperationLog& m_log;
};

} // namespace

// Carries the poller's signals onto the test thread, so spies are only touched here.
class Relay : public QObject
{
    Q_OBJECT

public:
    explicit Relay(TarnGetBatteryThread& poller)
    {
        connect(&poller, &TarnGetBatteryThread::RefreshBatteryStatus, this, &Relay::RefreshBatteryStatus,
                Qt::QueuedConnection);
        connect(&poller, &TarnGetBatteryThread::RefreshStatus, this, &Relay::RefreshStatus, Qt::QueuedConnection);
        connect(&poller, &TarnGetBatteryThread::RefreshWriteStatus, this, &Relay::RefreshWriteStatus,
                Qt::QueuedConnection);
        connect(this, &Relay::RefreshBatteryStatus, this, [this](quint8 c, quint8 l, quint8 h) {
            order << QStringLiteral("battery %1 %2 %3").arg(c).arg(l).arg(h);
        });
        connect(this, &Relay::RefreshStatus, this, [this](quint8 p, quint8 d, quint8 r, quint8 m) {
            order << QStringLiteral("status %1 %2 %3 %4").arg(p).arg(d).arg(r).arg(m);
        });
        connect(this, &Relay::RefreshWriteStatus, this,
                [this](quint8 s) { order << QStringLiteral("write %1").arg(s); });
    }

    QStringList order;

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);
};

class TestPoller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void batteryAnswer_data();
    void batteryAnswer();
    void asleepMouseReportsZerosOnly();
    void statusReport();
    void badStatusReportIgnored_data();
    void badStatusReportIgnored();
    void movementReportsSkipped();
    void queryOncePerFiftySixListeningReads();
    void usesDongleControlAlone();
    void nothingLostWhileTheMouseMoves();
    void noDeviceEndsAtOnce();
    void stopEndsPauseAtOnce();
    void stopAllAndWaitJoinsEveryPoller();
    void closeDeviceWhilePolling();
    void batteryPercent_data();
    void batteryPercent();
    void batteryReserve_data();
    void batteryReserve();
    void reportRateHz_data();
    void reportRateHz();

private:
    void openMouse(HidBackend* backend = nullptr);

    std::unique_ptr<TestAppDir> m_app;
    std::shared_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<VirtualHidBackend> m_backend;
};

void TestPoller::initTestCase()
{
    m_app = std::make_unique<TestAppDir>();
    qputenv("MOUSECFG_VIRTUAL_STATE", m_app->file(QStringLiteral("vm.ini")).toLocal8Bit());
    m_app->write(QStringLiteral("Configs/Config.ini"), "[Mouse_List]\n0=X8 Wireless\n");
}

void TestPoller::init()
{
    m_mouse = std::make_shared<VirtualMouse>(QString());
    m_backend = std::make_unique<VirtualHidBackend>(m_mouse);
    HidTransport::instance().setTiming({1, 20, 5});
}

void TestPoller::cleanup()
{
    TarnGetBatteryThread::StopAllAndWait();
    HidTransport::instance().CloseDevice();
    SetHidBackend(nullptr);
    m_backend.reset();
    m_mouse.reset();
}

void TestPoller::openMouse(HidBackend* backend)
{
    SetHidBackend(backend ? backend : m_backend.get());
    HidTransport& t = HidTransport::instance();
    t.BuildDeviceTable();
    t.EnumerateDevices();
    t.OpenDevice(t.table().entries[0].name);
    QVERIFY(t.hasControlHandle());
}

void TestPoller::batteryAnswer_data()
{
    QTest::addColumn<quint16>("value");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<quint8>("writeStatus");
    QTest::addColumn<quint8>("flag");
    QTest::addColumn<QString>("battery");
    QTest::addColumn<QString>("write");

    QTest::newRow("charging 0x0E10, settings lost") << quint16(0x0E10) << true << quint8(0) << quint8(0)
                                                   << "battery 1 16 14" << "write 0";
    QTest::newRow("on battery, settings held") << quint16(0x0F80) << false << quint8(1) << quint8(0)
                                              << "battery 0 128 15" << "write 1";
    QTest::newRow("firmware flag taken from byte 10") << quint16(0x0E10) << false << quint8(1) << quint8(0x5A)
                                                     << "battery 0 16 14" << "write 1";
    QTest::newRow("only the charging flag set still reports the write status")
        << quint16(0) << true << quint8(7) << quint8(1) << "battery 1 0 0" << "write 7";
}

void TestPoller::batteryAnswer()
{
    QFETCH(quint16, value);
    QFETCH(bool, charging);
    QFETCH(quint8, writeStatus);
    QFETCH(quint8, flag);
    QFETCH(QString, battery);
    QFETCH(QString, write);

    m_mouse->setBattery(value, charging);
    m_mouse->setWriteStatus(writeStatus);
    m_mouse->setFirmwareFlag(flag);
    openMouse();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy writeSpy(&relay, &Relay::RefreshWriteStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(writeSpy.count() >= 1, 3000);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    QCOMPARE(batterySpy.count(), 1);
    QCOMPARE(batterySpy.at(0).at(0).value<quint8>(), quint8(charging ? 1 : 0));
    QCOMPARE(batterySpy.at(0).at(1).value<quint8>(), quint8(value & 0xFF));
    QCOMPARE(batterySpy.at(0).at(2).value<quint8>(), quint8(value >> 8));
    QCOMPARE(relay.order.value(0), battery);
    QCOMPARE(relay.order.value(1), write);
    QCOMPARE(TarnGetBatteryThread::firmwareFlag(), flag);
}

void TestPoller::asleepMouseReportsZerosOnly()
{
    m_mouse->setFirmwareFlag(0x33);
    m_mouse->setAsleep(true);
    openMouse();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuicker);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy writeSpy(&relay, &Relay::RefreshWriteStatus);
    poller.start();
    // Two full cycles: two queries, each answered with zeros.
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 2, 5000);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    for (const QString& line : relay.order)
        QCOMPARE(line, QStringLiteral("battery 0 0 0"));
    QCOMPARE(writeSpy.count(), 0);
    // The zero answer carries a zero byte 10 too.
    QCOMPARE(TarnGetBatteryThread::firmwareFlag(), quint8(0));
}

void TestPoller::statusReport()
{
    openMouse();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy statusSpy(&relay, &Relay::RefreshStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 1, 3000);
    m_mouse->sendStatusReport(2, 3, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(statusSpy.count() >= 1, 3000);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    QCOMPARE(statusSpy.count(), 1);
    QCOMPARE(relay.order.filter(QStringLiteral("status")), QStringList{QStringLiteral("status 2 3 1 0")});
}

void TestPoller::badStatusReportIgnored_data()
{
    QTest::addColumn<quint8>("profile");
    QTest::addColumn<quint8>("level");
    QTest::addColumn<quint8>("rate");
    QTest::addColumn<QStringList>("delivered");

    const QString last = QStringLiteral("status 4 7 8 9");
    QTest::newRow("profile 5 (sixth)") << quint8(5) << quint8(0) << quint8(1) << QStringList{last};
    QTest::newRow("profile 255") << quint8(255) << quint8(0) << quint8(1) << QStringList{last};
    QTest::newRow("DPI level 8 (ninth)") << quint8(0) << quint8(8) << quint8(1) << QStringList{last};
    // An unknown rate is dropped alone; the profile and level still arrive.
    QTest::newRow("rate code 3") << quint8(1) << quint8(2) << quint8(3) << QStringList{QStringLiteral("status 1 2 0 0"), last};
    QTest::newRow("rate code 0") << quint8(1) << quint8(2) << quint8(0) << QStringList{QStringLiteral("status 1 2 0 0"), last};
    QTest::newRow("rate code 16") << quint8(1) << quint8(2) << quint8(16) << QStringList{QStringLiteral("status 1 2 0 0"), last};
}

void TestPoller::badStatusReportIgnored()
{
    QFETCH(quint8, profile);
    QFETCH(quint8, level);
    QFETCH(quint8, rate);

    openMouse();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy statusSpy(&relay, &Relay::RefreshStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 1, 3000);
    m_mouse->sendStatusReport(profile, level, rate, 0);
    // A valid report after the bad one: once it arrives, the bad one has been read.
    m_mouse->sendStatusReport(4, 7, 8, 9);
    QFETCH(QStringList, delivered);
    QTRY_VERIFY_WITH_TIMEOUT(statusSpy.count() >= delivered.size(), 3000);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    QCOMPARE(relay.order.filter(QStringLiteral("status")), delivered);
}

void TestPoller::movementReportsSkipped()
{
    openMouse();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy statusSpy(&relay, &Relay::RefreshStatus);
    QSignalSpy writeSpy(&relay, &Relay::RefreshWriteStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 1, 3000);
    const int batteryBefore = batterySpy.count();
    const int writeBefore = writeSpy.count();

    // Movement whose byte 3 looks like a status report or a battery answer.
    m_mouse->sendMovement(5, qint8(VirtualMouse::CmdStatusReport), 1);
    m_mouse->sendMovement(-3, qint8(VirtualMouse::CmdQueryBattery), 0);
    m_mouse->sendMovement(1, 1, 0);
    m_mouse->sendStatusReport(1, 2, 4, 0);
    m_mouse->sendMovement(2, qint8(VirtualMouse::CmdStatusReport), 0);
    QTRY_VERIFY_WITH_TIMEOUT(statusSpy.count() >= 1, 3000);
    // Give the poller time to read what is left in the queue.
    QTest::qWait(100);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    QCOMPARE(relay.order.filter(QStringLiteral("status")), QStringList{QStringLiteral("status 1 2 4 0")});
    // Within well under a cycle no second query is sent, so nothing else may have arrived.
    QCOMPARE(batterySpy.count(), batteryBefore);
    QCOMPARE(writeSpy.count(), writeBefore);
}

void TestPoller::queryOncePerFiftySixListeningReads()
{
    OperationLog log;
    LoggingBackend backend(*m_backend, log);
    openMouse(&backend);
    m_mouse->resetCounters();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuicker);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(log.ops().count('Q') >= 3, 10000);
    poller.stop();
    QVERIFY(poller.wait(2000));

    const QByteArray ops = log.ops();
    const int first = ops.indexOf('Q');
    const int second = ops.indexOf('Q', first + 1);
    const int third = ops.indexOf('Q', second + 1);
    QCOMPARE(first, 0);
    // The answer, then at least one read in each of the 56 listening periods, then the next query.
    QVERIFY2(second - first - 1 >= 57, qPrintable(QString::number(second - first - 1)));
    QVERIFY(third - second - 1 >= 57);
    QCOMPARE(ops.mid(first + 1, second - first - 1), QByteArray(second - first - 1, 'R'));
    QCOMPARE(m_mouse->counters().writesPerCommand.value(VirtualMouse::CmdQueryBattery), ops.count('Q'));
}

void TestPoller::nothingLostWhileTheMouseMoves()
{
    openMouse();
    TarnGetBatteryThread poller;   // the real pauses: the ones that used to let the queue fill
    Relay relay(poller);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(relay.order.size() >= 1, 3000);   // the first battery answer

    // Movement at 1000 Hz fills the 64-report queue in 64 ms unless the poller keeps reading.
    std::atomic<bool> moving{true};
    std::thread mover([&] {
        while (moving) {
            m_mouse->sendMovement(1, -1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    QStringList sent;
    for (int i = 0; i < 100; ++i) {
        m_mouse->sendStatusReport(quint8(i % 5), quint8(i % 8), 1, 0);
        sent << QStringLiteral("status %1 %2 1 0").arg(i % 5).arg(i % 8);
        if (i % 10 == 5)
            m_mouse->sendBatteryReport();
        QTest::qWait(15);
    }
    QTRY_COMPARE_WITH_TIMEOUT(relay.order.filter(QStringLiteral("status")).size(), 100, 3000);
    moving = false;
    mover.join();
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCOMPARE(relay.order.filter(QStringLiteral("status")), sent);
    QVERIFY(relay.order.filter(QStringLiteral("battery")).size() >= 11);   // its own answer and the 10 sent
}

void TestPoller::usesDongleControlAlone()
{
    QVERIFY(m_mouse->isPresent(VirtualMouse::Identity::Dongle));
    m_mouse->unplug(VirtualMouse::Identity::Cable);
    m_mouse->setBattery(0x0E10, false);
    openMouse();
    QVERIFY(!HidTransport::instance().hasCableControl());
    m_mouse->resetCounters();
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    QSignalSpy statusSpy(&relay, &Relay::RefreshStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 1, 3000);
    m_mouse->sendStatusReport(3, 1, 2, 0);
    QTRY_VERIFY_WITH_TIMEOUT(statusSpy.count() >= 1, 3000);
    poller.stop();
    QVERIFY(poller.wait(2000));
    QCoreApplication::processEvents();

    QCOMPARE(relay.order.value(0), QStringLiteral("battery 0 16 14"));
    QCOMPARE(relay.order.filter(QStringLiteral("status")), QStringList{QStringLiteral("status 3 1 2 0")});
    QCOMPARE(m_mouse->counters().failedWrites, 0);
}

void TestPoller::noDeviceEndsAtOnce()
{
    SetHidBackend(m_backend.get());
    HidTransport::instance().CloseDevice();
    QVERIFY(!HidTransport::instance().hasControlHandle());
    TarnGetBatteryThread poller;
    poller.setTiming(kQuick);
    Relay relay(poller);
    QElapsedTimer clock;
    clock.start();
    poller.start();
    QVERIFY(poller.wait(1000));
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QCoreApplication::processEvents();
    QVERIFY(relay.order.isEmpty());
    QCOMPARE(m_mouse->counters().hostWrites, 0);
}

void TestPoller::stopEndsPauseAtOnce()
{
    openMouse();
    TarnGetBatteryThread poller;   // the real pauses: 450 ms after the query, 400 ms after each read
    Relay relay(poller);
    QSignalSpy batterySpy(&relay, &Relay::RefreshBatteryStatus);
    poller.start();
    QTRY_VERIFY_WITH_TIMEOUT(batterySpy.count() >= 1, 3000);
    QTest::qWait(30);
    QElapsedTimer clock;
    clock.start();
    poller.stop();
    QVERIFY(poller.wait(2000));
    QVERIFY2(clock.elapsed() < 150, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(poller.isStopping());
}

void TestPoller::stopAllAndWaitJoinsEveryPoller()
{
    openMouse();
    TarnGetBatteryThread first;
    TarnGetBatteryThread second;
    Relay firstRelay(first);
    Relay secondRelay(second);
    QSignalSpy firstSpy(&firstRelay, &Relay::RefreshBatteryStatus);
    QSignalSpy secondSpy(&secondRelay, &Relay::RefreshBatteryStatus);
    first.start();
    second.start();
    QTRY_VERIFY_WITH_TIMEOUT(firstSpy.count() >= 1 && secondSpy.count() >= 1, 3000);

    QElapsedTimer clock;
    clock.start();
    TarnGetBatteryThread::StopAllAndWait();
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(first.isFinished());
    QVERIFY(second.isFinished());
    // Nobody holds the handle any more: an exchange gets through at once.
    QVERIFY(HidTransport::instance().handleLock().tryLock(0));
    HidTransport::instance().handleLock().unlock();
}

void TestPoller::closeDeviceWhilePolling()
{
    for (int round = 0; round < 6; ++round) {
        openMouse();
        TarnGetBatteryThread poller;
        poller.setTiming(kQuicker);
        poller.start();
        QThread::msleep(ulong(round * 3));
        HidTransport::instance().CloseDevice();
        // With the handle gone the poller ends by itself.
        QVERIFY(poller.wait(2000));
    }
}

void TestPoller::batteryPercent_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("percent");

    // mv = value * 990 / 240, integer division.
    QTest::newRow("0x0F80 = 16368 mv is full") << 0x0F80 << 4200 << 100;
    QTest::newRow("968 = 3993 mv") << 968 << 4200 << 70;
    QTest::newRow("1019 = 4203 mv reaches 4200") << 1019 << 4200 << 100;
    QTest::newRow("1018 = 4199 mv just under 4200") << 1018 << 4200 << 90;
    QTest::newRow("994 = 4100 mv") << 994 << 4200 << 90;
    QTest::newRow("993 = 4096 mv") << 993 << 4200 << 80;
    QTest::newRow("970 = 4001 mv") << 970 << 4200 << 80;
    QTest::newRow("946 = 3902 mv") << 946 << 4200 << 70;
    QTest::newRow("922 = 3803 mv") << 922 << 4200 << 60;
    QTest::newRow("897 = 3700 mv") << 897 << 4200 << 50;
    QTest::newRow("896 = 3696 mv") << 896 << 4200 << 40;
    QTest::newRow("873 = 3601 mv, no 3600 step") << 873 << 4200 << 40;
    QTest::newRow("849 = 3502 mv") << 849 << 4200 << 40;
    QTest::newRow("848 = 3498 mv") << 848 << 4200 << 30;
    QTest::newRow("825 = 3403 mv") << 825 << 4200 << 30;
    QTest::newRow("824 = 3399 mv") << 824 << 4200 << 20;
    QTest::newRow("776 = 3201 mv") << 776 << 4200 << 20;
    QTest::newRow("775 = 3196 mv") << 775 << 4200 << 10;
    QTest::newRow("zero") << 0 << 4200 << 10;
    QTest::newRow("full at 4000: 4001 mv") << 970 << 4000 << 100;
    QTest::newRow("full at 4000: 3997 mv") << 969 << 4000 << 70;
    QTest::newRow("0xFFFF does not overflow") << 0xFFFF << 4200 << 100;
}

void TestPoller::batteryPercent()
{
    QFETCH(int, value);
    QFETCH(int, full);
    QFETCH(int, percent);
    QCOMPARE(BatteryPercent(quint8(value & 0xFF), quint8(value >> 8), full), percent);
}

void TestPoller::batteryReserve_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("reserve");
    // The shown steps from 3200 mV up; below, 15 % falling to 0 at 3000 mV.
    QTest::newRow("3399 mv: the step") << 824 << 20;
    QTest::newRow("3201 mv: the step") << 776 << 20;
    QTest::newRow("3196 mv: below 15") << 775 << 14;
    QTest::newRow("3069 mv: 5") << 744 << 5;
    QTest::newRow("3064 mv: below 5") << 743 << 4;
    QTest::newRow("2998 mv: empty") << 727 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("full") << 0x0F80 << 100;
}

void TestPoller::batteryReserve()
{
    QFETCH(int, value);
    QFETCH(int, reserve);
    QCOMPARE(BatteryReserve(quint8(value & 0xFF), quint8(value >> 8), 4200), reserve);
}

void TestPoller::reportRateHz_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("hz");
    QTest::newRow("1 = 1000 Hz") << 1 << 1000;
    QTest::newRow("2 = 500 Hz") << 2 << 500;
    QTest::newRow("4 = 250 Hz") << 4 << 250;
    QTest::newRow("8 = 125 Hz") << 8 << 125;
    QTest::newRow("0 unknown") << 0 << 0;
    QTest::newRow("3 unknown") << 3 << 0;
    QTest::newRow("16 unknown") << 16 << 0;
}

void TestPoller::reportRateHz()
{
    QFETCH(int, code);
    QFETCH(int, hz);
    QCOMPARE(ReportRateHz(code), hz);
}

QTEST_GUILESS_MAIN(TestPoller)
#include "tst_poller.moc"
