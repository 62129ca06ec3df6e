#include "VirtualMouseControl.h"

#include "InstanceLock.h"
#include "LocalPeer.h"
#include "VirtualMouse.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <unistd.h>

namespace {

// A client connects, sends one line and reads the answer; one that lingers is dropped.
constexpr int kIdleTimeoutMs = 2000;

bool ParseIdentities(const QString& text, QVector<VirtualMouse::Identity>& out)
{
    if (text == QLatin1String("dongle"))
        out = {VirtualMouse::Identity::Dongle};
    else if (text == QLatin1String("cable"))
        out = {VirtualMouse::Identity::Cable};
    else if (text == QLatin1String("all"))
        out = {VirtualMouse::Identity::Dongle, VirtualMouse::Identity::Cable};
    else
        return false;
    return true;
}

VirtualCommandResult Fail(const QString& message) { return {false, message}; }

bool ToInt(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

} // namespace

int BatteryValueForMillivolts(int millivolts)
{
    // The host computes mv = value * 990 / 240; round up so that it reads at least this.
    const int value = (qMax(0, millivolts) * 240 + 989) / 990;
    return qMin(value, 0xFFFF);
}

VirtualCommandResult ApplyVirtualMouseCommand(VirtualMouse& mouse, const QStringList& args)
{
    const QString verb = args.value(0);
    QVector<VirtualMouse::Identity> identities;
    if ((verb == QLatin1String("plug") || verb == QLatin1String("unplug")) && args.size() == 2) {
        if (!ParseIdentities(args[1], identities))
            return Fail(QStringLiteral("virtual %1: dongle, cable or all.").arg(verb));
        for (VirtualMouse::Identity identity : identities)
            verb == QLatin1String("plug") ? mouse.plug(identity) : mouse.unplug(identity);
        mouse.saveState();
        return {true, QString()};
    }
    if (verb == QLatin1String("status") && args.size() == 4) {
        int profile = 0, level = 0, rate = 0;
        if (!ToInt(args[1], 1, 5, profile) || !ToInt(args[2], 1, 8, level) || !ToInt(args[3], 0, 255, rate))
            return Fail(QStringLiteral("virtual status: PROFILE 1-5, LEVEL 1-8, RATE code 0-255."));
        mouse.sendStatusReport(quint8(profile - 1), quint8(level - 1), quint8(rate), 0);
        return {true, QString()};
    }
    if (verb == QLatin1String("battery") && (args.size() == 2 || args.size() == 3)) {
        int millivolts = 0;
        if (!ToInt(args[1], 0, 16000, millivolts) || (args.size() == 3 && args[2] != QLatin1String("charging")))
            return Fail(QStringLiteral("virtual battery: MILLIVOLTS 0-16000 [charging]."));
        mouse.setBattery(quint16(BatteryValueForMillivolts(millivolts)), args.size() == 3);
        mouse.saveState();
        mouse.sendBatteryReport();
        return {true, QString()};
    }
    if (verb == QLatin1String("sleep") && args.size() == 2
        && (args[1] == QLatin1String("on") || args[1] == QLatin1String("off"))) {
        mouse.setAsleep(args[1] == QLatin1String("on"));
        mouse.saveState();
        mouse.sendBatteryReport();
        return {true, QString()};
    }
    if (verb == QLatin1String("move") && args.size() == 3) {
        int hz = 0, seconds = 0;
        if (!ToInt(args[1], 1, VirtualMouse::MaxMovementHz, hz) || !ToInt(args[2], 0, 3600, seconds))
            return Fail(QStringLiteral("virtual move: HZ 1-%1 and SECONDS 0-3600.").arg(VirtualMouse::MaxMovementHz));
        mouse.streamMovement(hz, seconds * 1000);
        return {true, QString()};
    }
    if (verb == QLatin1String("access") && args.size() == 2
        && (args[1] == QLatin1String("deny") || args[1] == QLatin1String("allow"))) {
        mouse.setAccessDenied(args[1] == QLatin1String("deny"));
        return {true, QString()};
    }
    if (verb == QLatin1String("fault")) {
        if (args.size() == 2 && args[1] == QLatin1String("clear")) {
            mouse.clearFaults();
            return {true, QString()};
        }
        static const struct
        {
            const char* name;
            VirtualMouse::Fault fault;
        } kinds[] = {
            { "silent", VirtualMouse::Fault::NoAnswer },
            { "zero", VirtualMouse::Fault::ZeroAnswer },
            { "echo", VirtualMouse::Fault::WrongDataEcho },
        };
        int count = 0;
        for (const auto& kind : kinds) {
            if (args.size() == 3 && args[1] == QLatin1String(kind.name)
                && ToInt(args[2], 1, VirtualMouse::MaxPendingFaults, count)) {
                mouse.setPendingFault(kind.fault, count);
                return {true, QString()};
            }
        }
        return Fail(QStringLiteral("virtual fault: silent, zero or echo and a count 1-%1, or clear.")
                        .arg(VirtualMouse::MaxPendingFaults));
    }
    return Fail(QStringLiteral("virtual: unknown command. See mousecfgctl --help."));
}

bool ParseVirtualMouseCommand(const QByteArray& line, QStringList& args)
{
    if (line.size() > kMaxVirtualCommandBytes || !line.endsWith('\n'))
        return false;
    const QByteArray text = line.left(line.size() - 1);
    for (const char c : text) {
        if (uchar(c) < 0x20 || uchar(c) == 0x7F)
            return false;
    }
    const QString decoded = QString::fromUtf8(text);
    if (decoded.toUtf8() != text)
        return false;  // not UTF-8
    args = decoded.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return !args.isEmpty();
}

QString VirtualMouseControlServer::ServerName()
{
    // One virtual mouse per user and state file, in the user's own runtime directory.
    const QString dir = InstanceLock::DefaultDirectory();
    if (dir.isEmpty())
        return QString();
    const QByteArray state = qgetenv("MOUSECFG_VIRTUAL_STATE");
    const QByteArray key = QCryptographicHash::hash(state + QByteArray::number(getuid()), QCryptographicHash::Sha1)
                               .toHex()
                               .left(12);
    return dir + QStringLiteral("/mousecfg-virtual-") + QString::fromLatin1(key);
}

VirtualMouseControlServer::VirtualMouseControlServer(VirtualMouse& mouse, QObject* parent)
    : QObject(parent)
    , m_mouse(mouse)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ServerName();
    if (name.isEmpty()) {
        qWarning() << "no private directory for the virtual mouse's socket";
        return;
    }
    if (!m_server->listen(name)) {
        // A socket left by a program that died: take it over.
        QLocalServer::removeServer(name);
        m_server->listen(name);
    }
    connect(m_server, &QLocalServer::newConnection, this, &VirtualMouseControlServer::onConnection);
}

VirtualMouseControlServer::~VirtualMouseControlServer() = default;

bool VirtualMouseControlServer::isListening() const { return m_server->isListening(); }

void VirtualMouseControlServer::onConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!IsPeerOwnUser(*socket)) {
            qWarning() << "virtual mouse command from another user ignored";
            socket->abort();
            continue;
        }
        socket->setReadBufferSize(kMaxVirtualCommandBytes + 1);
        QTimer::singleShot(kIdleTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxVirtualCommandBytes)
                    socket->abort();
                return;
            }
            // A line too long or not text is no command of ours: dropped unanswered.
            QStringList args;
            if (!ParseVirtualMouseCommand(socket->readLine(kMaxVirtualCommandBytes + 2), args)) {
                socket->abort();
                return;
            }
            const VirtualCommandResult result = ApplyVirtualMouseCommand(m_mouse, args);
            socket->write(result.ok ? QByteArray("ok\n") : ("error " + result.message.toUtf8() + '\n'));
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool SendVirtualMouseCommand(const QStringList& args, VirtualCommandResult& result, int timeoutMs)
{
    const QString name = VirtualMouseControlServer::ServerName();
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(args.join(QLatin1Char(' ')).toUtf8() + '\n');
    socket.flush();
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(timeoutMs))
        reply += socket.readAll();
    reply = reply.trimmed();
    result.ok = reply == "ok";
    result.message = result.ok ? QString() : QString::fromUtf8(reply.mid(6));
    if (reply.isEmpty())
        result.message = QStringLiteral("virtual: the running program did not answer.");
    return true;
}
