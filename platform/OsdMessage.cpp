#include "OsdMessage.h"

#include "InstanceLock.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QtEndian>

#include <algorithm>

#ifndef MOUSECFG_LIBEXEC_FROM_BINDIR
#define MOUSECFG_LIBEXEC_FROM_BINDIR "../libexec/mousecfg"
#endif

namespace {

constexpr int kStringBytes = 512;
constexpr int kStringUnits = kStringBytes / 2;
constexpr int kTextOffset = 0;
constexpr int kReserved1Offset = 512;
constexpr int kDisplayOffset = 516;
constexpr int kReserved2Offset = 520;
constexpr int kColourOffset = 524;
constexpr int kFontSizeOffset = 528;
constexpr int kFaceOffset = 532;
// A connection that neither fails nor completes in this time is given up as failed.
constexpr int kAttemptTimeoutMs = 2000;

void PutU32(QByteArray& record, int offset, quint32 value)
{
    // Byte by byte: the compiler cannot see the record's size and warns about a memcpy.
    for (int i = 0; i < 4; ++i)
        record[offset + i] = char((value >> (8 * i)) & 0xFF);
}

quint32 GetU32(const QByteArray& record, int offset)
{
    return qFromLittleEndian<quint32>(record.constData() + offset);
}

void PutString(QByteArray& record, int offset, const QString& text)
{
    int units = std::min(text.size(), kOsdMaxTextUnits);
    // A cut between the halves of a surrogate pair would leave half a character.
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate())
        --units;
    for (int i = 0; i < units; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), record.data() + offset + 2 * i);
    // The rest of the field is already zero, so the terminator is always there.
}

QString GetString(const QByteArray& record, int offset)
{
    QString text;
    for (int i = 0; i < kStringUnits; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(record.constData() + offset + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    // A field without its terminator holds one unit more than any message: cut it as a
    // sender would, so the window never gets more than kOsdMaxTextUnits.
    if (text.size() > kOsdMaxTextUnits) {
        int units = kOsdMaxTextUnits;
        if (text.at(units - 1).isHighSurrogate())
            --units;
        text.truncate(units);
    }
    return text;
}

QString DefaultProgram()
{
    // Same rule as the store's AppDir(); the platform layer does not link the store.
    const QByteArray env = qgetenv("MOUSECFG_APP_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env)) + QStringLiteral("/OSD");
    // A build folder or portable copy holds it beside the program, an installation in libexec.
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString beside = exeDir + QStringLiteral("/OSD");
    const QString installed = QDir::cleanPath(exeDir + QLatin1Char('/') + QStringLiteral(MOUSECFG_LIBEXEC_FROM_BINDIR))
                              + QStringLiteral("/OSD");
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

} // namespace

QString OsdWindowTitle()
{
    return QStringLiteral("QRVP Wireless Mouse OSD");
}

quint32 OsdColour(quint8 red, quint8 green, quint8 blue)
{
    return quint32(red) | (quint32(green) << 8) | (quint32(blue) << 16);
}

QByteArray EncodeOsdRecord(const OsdMessage& message)
{
    QByteArray record(kOsdRecordSize, '\0');
    PutString(record, kTextOffset, message.text);
    PutU32(record, kReserved1Offset, 0);
    PutU32(record, kDisplayOffset, message.displayMs);
    PutU32(record, kReserved2Offset, 0);
    PutU32(record, kColourOffset, message.colour);
    PutU32(record, kFontSizeOffset, message.fontSize);
    PutString(record, kFaceOffset, message.fontFace);
    return record;
}

bool DecodeOsdRecord(const QByteArray& record, OsdMessage& message)
{
    if (record.size() != kOsdRecordSize)
        return false;
    OsdMessage decoded;
    decoded.text = GetString(record, kTextOffset);
    decoded.displayMs = std::clamp(GetU32(record, kDisplayOffset), kOsdMinDisplayMs, kOsdMaxDisplayMs);
    decoded.colour = GetU32(record, kColourOffset) & 0xFFFFFFu;
    decoded.fontSize = std::clamp(GetU32(record, kFontSizeOffset), kOsdMinFontSize, kOsdMaxFontSize);
    decoded.fontFace = GetString(record, kFaceOffset);
    message = decoded;
    return true;
}

QString OsdServerName()
{
    const QString directory = InstanceLock::DefaultDirectory();
    if (directory.isEmpty())
        return QString();
    return directory + QLatin1Char('/') + InstanceLock::SafeFileName(OsdWindowTitle()) + QStringLiteral(".sock");
}

QString OsdLockFilePath()
{
    const QString directory = InstanceLock::DefaultDirectory();
    if (directory.isEmpty())
        return QString();
    return directory + QLatin1Char('/') + InstanceLock::SafeFileName(OsdWindowTitle()) + QStringLiteral(".osdlock");
}

OsdSender::OsdSender(QObject* parent)
    : QObject(parent)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &OsdSender::tryDeliver);
    m_guardTimer.setSingleShot(true);
    m_guardTimer.setInterval(kAttemptTimeoutMs);
    connect(&m_guardTimer, &QTimer::timeout, this, [this] { onFailed(m_socket); });
}

OsdSender::~OsdSender()
{
    dropSocket();
}

void OsdSender::setProgram(const QString& path)
{
    m_program = path;
}

QString OsdSender::program() const
{
    return m_program.isEmpty() ? DefaultProgram() : m_program;
}

void OsdSender::setServerName(const QString& name)
{
    m_serverName = name;
}

QString OsdSender::serverName() const
{
    return m_serverName.isEmpty() ? OsdServerName() : m_serverName;
}

bool OsdSender::isBusy() const
{
    return m_socket != nullptr || m_retryTimer.isActive();
}

void OsdSender::send(const OsdMessage& message)
{
    m_pending = EncodeOsdRecord(message);
    // An attempt under way picks the newest record up when it connects or retries.
    // A new one starts from the event loop, so finished() never fires inside send().
    if (!isBusy())
        m_retryTimer.start(0);
}

void OsdSender::tryDeliver()
{
    if (m_pending.isEmpty() || m_socket != nullptr)
        return;
    const QString name = serverName();
    if (name.isEmpty()) {
        qDebug() << "SendMessage failed" << "(no private runtime directory)";
        m_pending.clear();
        m_starts = 0;
        emit finished(false);
        return;
    }
    auto* socket = new QLocalSocket(this);
    m_socket = socket;
    connect(socket, &QLocalSocket::connected, this, [this, socket] { onConnected(socket); });
    connect(socket, &QLocalSocket::bytesWritten, this, [this, socket] { onBytesWritten(socket); });
    connect(socket, &QLocalSocket::errorOccurred, this, [this, socket] { onFailed(socket); });
    m_guardTimer.start();
    // A refused or missing socket may report its error before this call returns.
    socket->connectToServer(name, QIODevice::WriteOnly);
}

void OsdSender::onConnected(QLocalSocket* socket)
{
    if (socket != m_socket)
        return;
    m_inFlight = m_pending;
    m_pending.clear();
    if (socket->write(m_inFlight) != m_inFlight.size()) {
        onFailed(socket);
        return;
    }
    socket->flush();
    if (socket == m_socket && socket->bytesToWrite() == 0)
        onBytesWritten(socket);
}

void OsdSender::onBytesWritten(QLocalSocket* socket)
{
    if (socket != m_socket || m_inFlight.isEmpty() || socket->bytesToWrite() > 0)
        return;
    m_inFlight.clear();
    socket->disconnectFromServer();
    finishAttempt(true);
}

void OsdSender::onFailed(QLocalSocket* socket)
{
    if (socket == nullptr || socket != m_socket)
        return;
    const bool wasConnected = !m_inFlight.isEmpty();
    m_inFlight.clear();
    dropSocket();
    if (!wasConnected && !m_pending.isEmpty() && m_starts < kMaxStarts) {
        ++m_starts;
        // A second copy of the program finds the first one listening and leaves at once.
        if (!QProcess::startDetached(program(), QStringList()))
            qDebug() << "cannot start the OSD program" << program();
        m_retryTimer.start(kRetryIntervalMs);
        return;
    }
    qDebug() << "SendMessage failed";
    if (!wasConnected)
        m_pending.clear();
    finishAttempt(false);
}

void OsdSender::finishAttempt(bool delivered)
{
    dropSocket();
    m_starts = 0;
    emit finished(delivered);
    // A message that arrived while the last one was on its way still goes out.
    if (!m_pending.isEmpty() && !isBusy())
        m_retryTimer.start(0);
}

void OsdSender::dropSocket()
{
    m_guardTimer.stop();
    if (m_socket == nullptr)
        return;
    QLocalSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    // We may be inside one of its signals, so it goes later.
    if (socket->state() != QLocalSocket::UnconnectedState && socket->bytesToWrite() == 0)
        socket->disconnectFromServer();
    socket->deleteLater();
}
