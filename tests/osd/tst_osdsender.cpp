// The OSD sender: delivery to a listening socket, and the start-and-retry sequence
// when nothing listens, which must never hold up the caller's event loop.
#include "OsdMessage.h"
#include "OsdTestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class OsdSenderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deliversRecordToListeningServer();
    void messageSentDuringDeliveryFollows();
    void startsProgramFiveTimesWithoutBlocking();
    void newerMessageReplacesPendingOne();
    void deliversOnceTheProgramListens();
    void missingProgramStillGivesUpQuietly();
    void defaultProgramIsInApplicationDirectory();

private:
    // A stand-in for the OSD program that notes the time of each start in a file.
    QString writeStandIn();
    QList<qint64> standInStarts() const;

    std::unique_ptr<OsdTestEnvironment> m_environment;
};

namespace {

OsdMessage Message(const QString& text)
{
    OsdMessage message;
    message.text = text;
    message.colour = OsdColour(255, 0, 0);
    return message;
}

// Collects every record written to a test server, one per connection.
class RecordServer : public QObject
{
public:
    explicit RecordServer(const QString& name)
    {
        QLocalServer::removeServer(name);
        m_listening = m_server.listen(name);
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = m_server.nextPendingConnection()) {
                auto* buffer = new QByteArray;
                connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] { buffer->append(socket->readAll()); });
                connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
                    buffer->append(socket->readAll());
                    records.append(*buffer);
                    delete buffer;
                    socket->deleteLater();
                });
            }
        });
    }

    bool isListening() const { return m_listening; }

    QList<QByteArray> records;

private:
    QLocalServer m_server;
    bool m_listening = false;
};

} // namespace

void OsdSenderTest::init()
{
    m_environment = std::make_unique<OsdTestEnvironment>();
    QVERIFY(m_environment->isValid());
}

void OsdSenderTest::cleanup()
{
    m_environment.reset();
}

QString OsdSenderTest::writeStandIn()
{
    const QString path = m_environment->file(QStringLiteral("OSD"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write("#!/bin/sh\ndate +%s%3N >> \"$(dirname \"$0\")/starts.txt\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QList<qint64> OsdSenderTest::standInStarts() const
{
    QList<qint64> starts;
    QFile file(m_environment->file(QStringLiteral("starts.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return starts;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            starts.append(line.trimmed().toLongLong());
    }
    return starts;
}

void OsdSenderTest::deliversRecordToListeningServer()
{
    RecordServer server(OsdServerName());
    QVERIFY(server.isListening());
    OsdSender sender;
    sender.setProgram(m_environment->file(QStringLiteral("not-there")));
    QSignalSpy finished(&sender, &OsdSender::finished);

    const OsdMessage message = Message(QStringLiteral("DPI 2:800"));
    sender.send(message);
    // Even a ready server is answered from the event loop, never inside send().
    QCOMPARE(finished.size(), 0);
    QVERIFY(sender.isBusy());
    QTRY_COMPARE(server.records.size(), 1);
    QCOMPARE(server.records.at(0), EncodeOsdRecord(message));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!sender.isBusy());
    QVERIFY(!QFile::exists(m_environment->file(QStringLiteral("starts.txt"))));
}

void OsdSenderTest::messageSentDuringDeliveryFollows()
{
    RecordServer server(OsdServerName());
    QVERIFY(server.isListening());
    OsdSender sender;
    const OsdMessage first = Message(QStringLiteral("DPI 1:400"));
    const OsdMessage second = Message(QStringLiteral("DPI 2:800"));
    sender.send(first);
    sender.send(second);
    QTRY_VERIFY(!server.records.isEmpty() && server.records.last() == EncodeOsdRecord(second));
    QTRY_VERIFY(!sender.isBusy());
    QTest::qWait(100);
    QVERIFY(server.records.size() <= 2);
    for (const QByteArray& record : qAsConst(server.records))
        QCOMPARE(record.size(), 1044);
    QCOMPARE(server.records.last(), EncodeOsdRecord(second));
}

void OsdSenderTest::startsProgramFiveTimesWithoutBlocking()
{
    const QString standIn = writeStandIn();
    QVERIFY(!standIn.isEmpty());
    OsdSender sender;
    sender.setProgram(standIn);
    QSignalSpy finished(&sender, &OsdSender::finished);

    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(20);
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start();

    QTest::ignoreMessage(QtDebugMsg, "SendMessage failed");
    QElapsedTimer clock;
    clock.start();
    sender.send(Message(QStringLiteral("DPI 3:1600")));
    QVERIFY2(clock.elapsed() < 200, "send() must return at once");
    QVERIFY(sender.isBusy());

    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 8000);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(!sender.isBusy());
    // Five waits of 500 ms: the last look comes after the fifth start.
    // Qt may fire coarse timers up to 5 % early.
    QVERIFY2(elapsed >= 5 * 500 * 9 / 10, qPrintable(QString::number(elapsed)));
    // The loop kept running all along: most 20 ms ticks arrived.
    QVERIFY2(ticks >= elapsed / 20 / 2, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));

    QTRY_COMPARE(standInStarts().size(), 5);
    const QList<qint64> starts = standInStarts();
    for (int i = 1; i < starts.size(); ++i) {
        const qint64 gap = starts.at(i) - starts.at(i - 1);
        QVERIFY2(gap >= 400 && gap <= 1500, qPrintable(QStringLiteral("gap %1 ms").arg(gap)));
    }
    // Given up: no further starts.
    QTest::qWait(700);
    QCOMPARE(standInStarts().size(), 5);
}

void OsdSenderTest::newerMessageReplacesPendingOne()
{
    const QString standIn = writeStandIn();
    QVERIFY(!standIn.isEmpty());
    OsdSender sender;
    sender.setProgram(standIn);
    QSignalSpy finished(&sender, &OsdSender::finished);

    sender.send(Message(QStringLiteral("DPI 1:400")));
    sender.send(Message(QStringLiteral("DPI 2:800")));
    QTest::qWait(300);
    const OsdMessage newest = Message(QStringLiteral("DPI 3:1600"));
    sender.send(newest);
    QTest::qWait(300);
    RecordServer server(OsdServerName());
    QVERIFY(server.isListening());

    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 4000);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QTRY_COMPARE(server.records.size(), 1);
    QCOMPARE(server.records.at(0), EncodeOsdRecord(newest));
    QTest::qWait(700);
    QCOMPARE(server.records.size(), 1);
    // One start per failed look, and the same sequence served all three messages.
    QVERIFY(standInStarts().size() >= 1 && standInStarts().size() <= 3);
}

void OsdSenderTest::deliversOnceTheProgramListens()
{
    OsdSender sender;
    sender.setProgram(writeStandIn());
    QSignalSpy finished(&sender, &OsdSender::finished);
    const OsdMessage message = Message(QStringLiteral("500 HZ"));
    sender.send(message);
    // The "program" comes up between the third and fourth look.
    QTest::qWait(1200);
    RecordServer server(OsdServerName());
    QVERIFY(server.isListening());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QTRY_COMPARE(server.records.size(), 1);
    QCOMPARE(server.records.at(0), EncodeOsdRecord(message));

    // One start per failed look before the server came up.
    const int starts = standInStarts().size();
    QVERIFY2(starts >= 2 && starts <= 4, qPrintable(QString::number(starts)));
}

void OsdSenderTest::missingProgramStillGivesUpQuietly()
{
    OsdSender sender;
    sender.setProgram(m_environment->file(QStringLiteral("no-such-program")));
    QSignalSpy finished(&sender, &OsdSender::finished);
    QTest::ignoreMessage(QtDebugMsg, "SendMessage failed");
    sender.send(Message(QStringLiteral("125 HZ")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 6000);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
}

void OsdSenderTest::defaultProgramIsInApplicationDirectory()
{
    const QByteArray saved = qgetenv("MOUSECFG_APP_DIR");
    qunsetenv("MOUSECFG_APP_DIR");
    OsdSender sender;
    QCOMPARE(sender.program(), QCoreApplication::applicationDirPath() + QStringLiteral("/OSD"));
    qputenv("MOUSECFG_APP_DIR", m_environment->path().toLocal8Bit());
    QCOMPARE(sender.program(), m_environment->path() + QStringLiteral("/OSD"));
    sender.setProgram(QStringLiteral("/elsewhere/OSD"));
    QCOMPARE(sender.program(), QStringLiteral("/elsewhere/OSD"));
    if (saved.isEmpty())
        qunsetenv("MOUSECFG_APP_DIR");
    else
        qputenv("MOUSECFG_APP_DIR", saved);
    QCOMPARE(sender.serverName(), OsdServerName());
}

QTEST_GUILESS_MAIN(OsdSenderTest)
#include "tst_osdsender.moc"
