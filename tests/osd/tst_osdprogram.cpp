// The OSD program end to end: it receives records on its socket, shows valid ones,
// survives hostile ones, keeps a single instance and leaves when idle.
#include "OsdMessage.h"
#include "OsdTestEnvironment.h"

#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <signal.h>

Q_DECLARE_METATYPE(OsdMessage)


// Bytes written one by one: the compiler's overflow check misreads qToLittleEndian into data().
static void PutLittleEndian(QByteArray& bytes, int offset, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

class OsdProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsReceivedMessage_data();
    void showsReceivedMessage();
    void hostileRecordsShowNothing();
    void hugeRecordStaysOnScreen();
    void secondInstanceLeaves();
    void staleSocketAndLockAreReplaced();
    void quitsWhenIdle();
    void senderStartsTheProgram();

private:
    QProcess* startOsd(int idleMs = 60000);
    bool waitForServer() const;
    bool sendRecord(const QByteArray& record) const;
    QStringList logLines() const;

    std::unique_ptr<OsdTestEnvironment> m_environment;
    QList<QProcess*> m_processes;
};

namespace {

OsdMessage Message(const QString& text, quint32 colour)
{
    OsdMessage message;
    message.text = text;
    message.colour = colour;
    return message;
}

// "WxH" of a log line as a size.
QSize LoggedSize(const QString& line)
{
    const QStringList parts = line.split(QLatin1Char('\t')).last().split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts.at(0).toInt(), parts.at(1).toInt()) : QSize();
}

} // namespace

void OsdProgramTest::init()
{
    m_environment = std::make_unique<OsdTestEnvironment>();
    QVERIFY(m_environment->isValid());
}

void OsdProgramTest::cleanup()
{
    for (QProcess* process : qAsConst(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(3000);
        }
        delete process;
    }
    m_processes.clear();
    // An OSD the sender started detached is found through its lock.
    QLockFile lock(OsdLockFilePath());
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application) && pid > 0 && application.endsWith(QStringLiteral("OSD")))
        ::kill(pid_t(pid), SIGTERM);
    m_environment.reset();
}

QProcess* OsdProgramTest::startOsd(int idleMs)
{
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_environment->path());
    env.insert(QStringLiteral("MOUSECFG_OSD_LOG"), m_environment->file(QStringLiteral("shown.log")));
    env.insert(QStringLiteral("MOUSECFG_OSD_IDLE_MS"), QString::number(idleMs));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(MOUSECFG_OSD), QStringList());
    m_processes.append(process);
    return process;
}

bool OsdProgramTest::waitForServer() const
{
    for (int i = 0; i < 100; ++i) {
        QLocalSocket probe;
        probe.connectToServer(OsdServerName());
        if (probe.waitForConnected(100)) {
            probe.abort();
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

bool OsdProgramTest::sendRecord(const QByteArray& record) const
{
    QLocalSocket socket;
    socket.connectToServer(OsdServerName(), QIODevice::WriteOnly);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(record);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(2000))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}

QStringList OsdProgramTest::logLines() const
{
    QFile file(m_environment->file(QStringLiteral("shown.log")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void OsdProgramTest::showsReceivedMessage_data()
{
    QTest::addColumn<OsdMessage>("message");
    QTest::addColumn<QString>("logged");
    QTest::newRow("DPI level in red") << Message(QStringLiteral("DPI 2:800"), OsdColour(255, 0, 0))
                                      << QStringLiteral("DPI 2:800\t#ff0000\t60\t1500\tArial");
    QTest::newRow("report rate in orange") << Message(QStringLiteral("1000 HZ"), OsdColour(255, 125, 0))
                                           << QStringLiteral("1000 HZ\t#ff7d00\t60\t1500\tArial");
    QTest::newRow("two lines in blue") << Message(QStringLiteral("DPI\n4:3200"), OsdColour(0, 0, 255))
                                       << QStringLiteral("DPI\\n4:3200\t#0000ff\t60\t1500\tArial");
}

void OsdProgramTest::showsReceivedMessage()
{
    QFETCH(OsdMessage, message);
    QFETCH(QString, logged);
    startOsd();
    QVERIFY(waitForServer());
    QVERIFY(sendRecord(EncodeOsdRecord(message)));
    QTRY_COMPARE(logLines().size(), 1);
    const QString line = logLines().at(0);
    QVERIFY2(line.startsWith(logged + QLatin1Char('\t')), qPrintable(line));
    const QSize size = LoggedSize(line);
    QVERIFY2(size.width() > 60 && size.height() > 30, qPrintable(line));
}

void OsdProgramTest::hostileRecordsShowNothing()
{
    QProcess* osd = startOsd();
    QVERIFY(waitForServer());
    const QByteArray good = EncodeOsdRecord(Message(QStringLiteral("DPI 1:400"), 0x0000FF));
    QVERIFY(sendRecord(good.left(10)));
    QVERIFY(sendRecord(good.left(1043)));
    QVERIFY(sendRecord(good + good));
    QVERIFY(sendRecord(QByteArray(64 * 1024, '\xff')));
    // A connection that says nothing and stays open must not keep others out.
    QLocalSocket silent;
    silent.connectToServer(OsdServerName());
    QVERIFY(silent.waitForConnected(2000));
    QVERIFY(sendRecord(good));
    QTRY_COMPARE(logLines().size(), 1);
    QVERIFY(logLines().at(0).startsWith(QStringLiteral("DPI 1:400\t")));
    QTest::qWait(200);
    QCOMPARE(logLines().size(), 1);
    QCOMPARE(osd->state(), QProcess::Running);
}

void OsdProgramTest::hugeRecordStaysOnScreen()
{
    startOsd();
    QVERIFY(waitForServer());
    QByteArray record = EncodeOsdRecord(Message(QString(300, QLatin1Char('W')), 0x00FF00));
    PutLittleEndian(record, 516, quint32(0xFFFFFFFFu), 4);
    PutLittleEndian(record, 528, quint32(0x7FFFFFFFu), 4);
    QVERIFY(sendRecord(record));
    QTRY_COMPARE(logLines().size(), 1);
    const QString line = logLines().at(0);
    QVERIFY2(line.contains(QStringLiteral("\t200\t10000\tArial\t")), qPrintable(line));
    // The offscreen screen is 800x600; the window never outgrows it.
    const QSize size = LoggedSize(line);
    QVERIFY2(size.width() > 0 && size.width() <= 800 && size.height() > 0 && size.height() <= 600, qPrintable(line));
}

void OsdProgramTest::secondInstanceLeaves()
{
    QProcess* first = startOsd();
    QVERIFY(waitForServer());
    QProcess* second = startOsd();
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(sendRecord(EncodeOsdRecord(Message(QStringLiteral("250 HZ"), 0x0000FF))));
    QTRY_COMPARE(logLines().size(), 1);
}

void OsdProgramTest::staleSocketAndLockAreReplaced()
{
    // What a crashed OSD leaves: a socket file nobody listens on, a lock of a dead process.
    QProcess gone;
    gone.start(QStringLiteral("true"), QStringList());
    QVERIFY(gone.waitForStarted(5000));
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished(5000));
    QFile socketFile(OsdServerName());
    QVERIFY(socketFile.open(QIODevice::WriteOnly));
    socketFile.close();
    QFile lockFile(OsdLockFilePath());
    QVERIFY(lockFile.open(QIODevice::WriteOnly));
    lockFile.write(QByteArray::number(deadPid) + "\nOSD\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lockFile.close();

    QProcess* osd = startOsd();
    QVERIFY(waitForServer());
    QVERIFY(sendRecord(EncodeOsdRecord(Message(QStringLiteral("DPI 5:6400"), 0x0000FF))));
    QTRY_COMPARE(logLines().size(), 1);
    QCOMPARE(osd->state(), QProcess::Running);
}

void OsdProgramTest::quitsWhenIdle()
{
    QProcess* osd = startOsd(300);
    QVERIFY(osd->waitForFinished(10000));
    QCOMPARE(osd->exitStatus(), QProcess::NormalExit);
    QCOMPARE(osd->exitCode(), 0);
    // It cleaned up after itself: the next one starts without a stale socket.
    QVERIFY(!QFile::exists(OsdLockFilePath()));
    QVERIFY(!QFile::exists(OsdServerName()));
}

void OsdProgramTest::senderStartsTheProgram()
{
    // The detached program inherits this environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MOUSECFG_OSD_LOG", m_environment->file(QStringLiteral("shown.log")).toLocal8Bit());
    qputenv("MOUSECFG_OSD_IDLE_MS", "3000");
    OsdSender sender;
    sender.setProgram(QStringLiteral(MOUSECFG_OSD));
    QSignalSpy finished(&sender, &OsdSender::finished);
    sender.send(Message(QStringLiteral("DPI 2:800"), OsdColour(255, 0, 0)));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 6000);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QTRY_COMPARE(logLines().size(), 1);
    QVERIFY(logLines().at(0).startsWith(QStringLiteral("DPI 2:800\t#ff0000\t")));
    qunsetenv("MOUSECFG_OSD_LOG");
    qunsetenv("MOUSECFG_OSD_IDLE_MS");
}

QTEST_GUILESS_MAIN(OsdProgramTest)
#include "tst_osdprogram.moc"
