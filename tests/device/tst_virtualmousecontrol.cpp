// Pending faults of the virtual mouse: the `virtual fault` command that sets them, the
// state file that carries them to the next program or command, and the exchanges they hit.
#include "CommandSet.h"
#include "HidTransport.h"
#include "SendAsUser.h"
#include "TestAppDir.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"
#include "VirtualMouseControl.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>

using Fault = VirtualMouse::Fault;

namespace {

// A mouse on a state file behind the transport, as the next command on that file has it.
struct StatefulMouse
{
    std::shared_ptr<VirtualMouse> mouse;
    VirtualHidBackend backend;

    explicit StatefulMouse(const QString& statePath)
        : mouse(std::make_shared<VirtualMouse>(statePath))
        , backend(mouse)
    {
        SetHidBackend(&backend);
        HidTransport& t = HidTransport::instance();
        t.setTiming({1, 15, 1});  // short waits; the counts are what is checked
        t.BuildDeviceTable();
        t.EnumerateDevices();
        t.OpenDevice(t.table().entries[0].name);
    }

    ~StatefulMouse()
    {
        HidTransport::instance().CloseDevice();
        SetHidBackend(nullptr);
    }
};

// A DPI block packet: echoed with its data, so every pending fault can hit it.
Report BlockPacket()
{
    Report report = MakeReport(Command::DpiBlock, 0, 0, 5, kTagFirst);
    for (int i = 0; i < 5; ++i)
        report[8 + i] = quint8(0x10 + i);
    return report;
}

} // namespace

class VirtualMouseControlTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void faultCommand_data();
    void faultCommand();
    void pendingFaultsHitTheNextExchanges_data();
    void pendingFaultsHitTheNextExchanges();
    void storedCount_data();
    void storedCount();
    void movementStream();
    void accessDeniedIsKeptAndTold();
    void socketMessages_data();
    void socketMessages();

private:
    QString statePath() const { return m_dir->file(QStringLiteral("state/virtual-mouse.ini")); }

    std::unique_ptr<TestAppDir> m_dir;
};

void VirtualMouseControlTest::init()
{
    qunsetenv("MOUSECFG_VIRTUAL_TRACE");
    m_dir = std::make_unique<TestAppDir>();
    m_dir->installShippedDescriptor();
    m_dir->write(QStringLiteral("Configs/Config.ini"), "[Mouse_List]\n0=X8 Wireless\n[MouseSenSor]\n1=3389\n");
}

void VirtualMouseControlTest::cleanup() { m_dir.reset(); }

void VirtualMouseControlTest::faultCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("silent");
    QTest::addColumn<int>("zero");
    QTest::addColumn<int>("echo");

    // Every row starts with "fault silent 2" pending.
    QTest::newRow("silent replaces the pending count") << "fault silent 6" << true << 6 << 0 << 0;
    QTest::newRow("zero beside silent") << "fault zero 1" << true << 2 << 1 << 0;
    QTest::newRow("echo at the upper bound") << "fault echo 10000" << true << 2 << 0 << 10000;
    QTest::newRow("clear") << "fault clear" << true << 0 << 0 << 0;
    QTest::newRow("count 0 refused") << "fault silent 0" << false << 2 << 0 << 0;
    QTest::newRow("count above the bound refused") << "fault silent 10001" << false << 2 << 0 << 0;
    QTest::newRow("negative count refused") << "fault zero -1" << false << 2 << 0 << 0;
    QTest::newRow("count not a number refused") << "fault echo many" << false << 2 << 0 << 0;
    QTest::newRow("unknown kind refused") << "fault loud 3" << false << 2 << 0 << 0;
    QTest::newRow("count missing") << "fault silent" << false << 2 << 0 << 0;
    QTest::newRow("extra argument") << "fault silent 3 4" << false << 2 << 0 << 0;
    QTest::newRow("clear with an argument") << "fault clear all" << false << 2 << 0 << 0;
    QTest::newRow("kind missing") << "fault" << false << 2 << 0 << 0;
}

void VirtualMouseControlTest::faultCommand()
{
    QFETCH(QString, command);
    QFETCH(bool, ok);
    {
        VirtualMouse mouse(statePath());
        QVERIFY(ApplyVirtualMouseCommand(mouse, {QStringLiteral("fault"), QStringLiteral("silent"), QStringLiteral("2")}).ok);
        const VirtualCommandResult result = ApplyVirtualMouseCommand(mouse, command.split(QLatin1Char(' ')));
        QCOMPARE(result.ok, ok);
        if (!ok)
            QVERIFY(result.message.startsWith(QLatin1String("virtual fault:")));
    }
    // What counts is what the next program on this state file finds.
    VirtualMouse reloaded(statePath());
    QTEST(reloaded.pendingFault(Fault::NoAnswer), "silent");
    QTEST(reloaded.pendingFault(Fault::ZeroAnswer), "zero");
    QTEST(reloaded.pendingFault(Fault::WrongDataEcho), "echo");
}

void VirtualMouseControlTest::pendingFaultsHitTheNextExchanges_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("uncounted");    // a command sent first that the fault must skip
    QTest::addColumn<int>("result");       // of the first block exchange
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("left");         // in the state file after it
    QTest::addColumn<int>("writesNext");   // of the second, which succeeds

    const int battery = Command::QueryBattery;
    QTest::newRow("silent 6: one exchange fails") << "silent" << 6 << battery << 2 << 6 << 0 << 1;
    QTest::newRow("silent 5: the sixth write gets through") << "silent" << 5 << battery << 0 << 6 << 0 << 1;
    QTest::newRow("silent 8: two carried to the next exchange") << "silent" << 8 << battery << 2 << 6 << 2 << 3;
    QTest::newRow("zero 6: one exchange fails") << "zero" << 6 << battery << 2 << 6 << 0 << 1;
    QTest::newRow("echo 3: header echoes not counted") << "echo" << 3 << int(Command::ApplySection) << 2 << 3 << 0 << 1;
}

void VirtualMouseControlTest::pendingFaultsHitTheNextExchanges()
{
    QFETCH(QString, kind);
    QFETCH(int, count);
    QFETCH(int, uncounted);
    QFETCH(int, left);
    const Fault fault = kind == QLatin1String("silent") ? Fault::NoAnswer
                        : kind == QLatin1String("zero") ? Fault::ZeroAnswer
                                                        : Fault::WrongDataEcho;
    {
        // Set with no program running: only the state file keeps it.
        VirtualMouse setter(statePath());
        QVERIFY(ApplyVirtualMouseCommand(setter, {QStringLiteral("fault"), kind, QString::number(count)}).ok);
    }
    {
        StatefulMouse next(statePath());
        HidTransport& t = HidTransport::instance();
        QVERIFY(t.hasControlHandle());
        const Report first = uncounted == Command::ApplySection ? BuildApplySection(0x04) : BuildQueryBattery();
        QCOMPARE(int(t.SendCommand(first)), 0);
        next.mouse->resetCounters();
        QTEST(int(t.SendCommand(BlockPacket())), "result");
        QTEST(next.mouse->counters().hostWrites, "writes");
        // Saved as they fire: a program that stops here leaves exactly the rest.
        QCOMPARE(VirtualMouse(statePath()).pendingFault(fault), left);
        next.mouse->resetCounters();
        QCOMPARE(int(t.SendCommand(BlockPacket())), 0);
        QTEST(next.mouse->counters().hostWrites, "writesNext");
    }
    QCOMPARE(VirtualMouse(statePath()).pendingFault(fault), 0);
}

void VirtualMouseControlTest::storedCount_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("pending");
    QTest::newRow("a count") << QByteArray("7") << 7;
    QTest::newRow("the upper bound") << QByteArray("10000") << 10000;
    QTest::newRow("above the bound") << QByteArray("10001") << 0;
    QTest::newRow("negative") << QByteArray("-3") << 0;
    QTest::newRow("not a number") << QByteArray("lots") << 0;
}

void VirtualMouseControlTest::storedCount()
{
    QFETCH(QByteArray, value);
    m_dir->write(QStringLiteral("state/virtual-mouse.ini"), "[Faults]\nZeroAnswer=" + value + "\n");
    QTEST(VirtualMouse(statePath()).pendingFault(Fault::ZeroAnswer), "pending");
}

void VirtualMouseControlTest::movementStream()
{
    VirtualMouse mouse{QString()};
    for (const char* refused : {"move 0 1", "move 1001 1", "move 1000 -1", "move 1000", "move fast 1"})
        QVERIFY2(!ApplyVirtualMouseCommand(mouse, QString::fromLatin1(refused).split(QLatin1Char(' '))).ok, refused);
    QVERIFY(ApplyVirtualMouseCommand(mouse, {QStringLiteral("move"), QStringLiteral("1000"), QStringLiteral("5")}).ok);
    QTRY_VERIFY_WITH_TIMEOUT(mouse.counters().sentReports >= 200, 5000);
    QVERIFY(mouse.isMoving());
    // 0 seconds stops it; nothing follows.
    QVERIFY(ApplyVirtualMouseCommand(mouse, {QStringLiteral("move"), QStringLiteral("1000"), QStringLiteral("0")}).ok);
    QVERIFY(!mouse.isMoving());
    const int sent = mouse.counters().sentReports;
    QTest::qWait(50);
    QCOMPARE(mouse.counters().sentReports, sent);
}

void VirtualMouseControlTest::accessDeniedIsKeptAndTold()
{
    {
        VirtualMouse mouse(statePath());
        QVERIFY(ApplyVirtualMouseCommand(mouse, {QStringLiteral("access"), QStringLiteral("deny")}).ok);
    }
    {
        // The next program on that state file finds the mouse but may not open it.
        StatefulMouse m(statePath());
        HidTransport& t = HidTransport::instance();
        QVERIFY(t.table().entries[0].found[1]);
        QVERIFY(!t.hasControlHandle());
        QCOMPARE(t.noAccessPath(), m.mouse->mousePath(VirtualMouse::Identity::Dongle));
        QVERIFY(ApplyVirtualMouseCommand(*m.mouse, {QStringLiteral("access"), QStringLiteral("allow")}).ok);
    }
    StatefulMouse m(statePath());
    QVERIFY(HidTransport::instance().hasControlHandle());
    QVERIFY(HidTransport::instance().noAccessPath().isEmpty());
}

void VirtualMouseControlTest::socketMessages_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("otherUser");
    QTest::addColumn<bool>("asleep");

    QTest::newRow("a command of this user") << QByteArray("sleep on\n") << false << true;
    QTest::newRow("padded past the limit: dropped, not cut and run")
        << QByteArray("sleep on" + QByteArray(300, ' ') + "\n") << false << false;
    QTest::newRow("control character") << QByteArray("sleep on\x01\n") << false << false;
    QTest::newRow("not UTF-8") << QByteArray("sleep on \xff\n") << false << false;
    QTest::newRow("another user, socket opened to all") << QByteArray("sleep on\n") << true << false;
}

void VirtualMouseControlTest::socketMessages()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, otherUser);
    QFETCH(bool, asleep);
    if (otherUser && getuid() != 0)
        QSKIP("needs root to send as another user");
    const uid_t nobody = 65534;
    qputenv("XDG_RUNTIME_DIR", m_dir->path().toLocal8Bit());
    chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
    VirtualMouse mouse(statePath());
    VirtualMouseControlServer server(mouse);
    QVERIFY(server.isListening());
    const QByteArray path = QFile::encodeName(VirtualMouseControlServer::ServerName());
    QVERIFY(path.startsWith(QFile::encodeName(m_dir->path())));
    if (otherUser) {
        // Rights a mistake could leave behind: only the peer check stands in the way.
        chmod(QFile::encodeName(m_dir->path()).constData(), 0755);
        chmod(path.constData(), 0777);
    }

    const pid_t child = SendAsUser(otherUser ? nobody : getuid(), path, line);
    QCOMPARE(WaitForChild(child, 5000), 0);
    QCoreApplication::processEvents();
    QCOMPARE(mouse.isAsleep(), asleep);
    qunsetenv("XDG_RUNTIME_DIR");
}

QTEST_GUILESS_MAIN(VirtualMouseControlTest)
#include "tst_virtualmousecontrol.moc"
