#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QLocalSocket;

// One on-screen-display message: what the OSD program shows and for how long.
struct OsdMessage
{
    QString text;
    quint32 displayMs = 1500;
    quint32 colour = 0x0000FF; // R + G*256 + B*65536
    quint32 fontSize = 60;     // pixels
    QString fontFace = QStringLiteral("Arial");
};

// The record is the one the OSD window has always been sent, byte for byte.
constexpr int kOsdRecordSize = 1044;
constexpr int kOsdMaxTextUnits = 255;
constexpr quint32 kOsdMinDisplayMs = 100;
constexpr quint32 kOsdMaxDisplayMs = 10000;
constexpr quint32 kOsdMinFontSize = 8;
constexpr quint32 kOsdMaxFontSize = 200;

// The window title the OSD program carries; its socket is named after it.
QString OsdWindowTitle();

// R + G*256 + B*65536, the colour layout of the record.
quint32 OsdColour(quint8 red, quint8 green, quint8 blue);

// Exactly kOsdRecordSize bytes; text and face cut at 255 UTF-16 units, never inside a pair.
QByteArray EncodeOsdRecord(const OsdMessage& message);

// False unless the record has exactly kOsdRecordSize bytes. Display time and font size
// are clamped so that no record can make a huge window or a display that never ends.
bool DecodeOsdRecord(const QByteArray& record, OsdMessage& message);

// Full path of the OSD program's socket in the user's private runtime directory;
// empty when no private directory is usable.
QString OsdServerName();
// The file whose lock marks the live OSD program, beside its socket.
QString OsdLockFilePath();

// Delivers messages to the OSD program, starting it when nothing listens. Never blocks:
// the attempts run on timers and a newer message replaces one still waiting.
class OsdSender : public QObject
{
    Q_OBJECT

public:
    explicit OsdSender(QObject* parent = nullptr);
    ~OsdSender() override;

    void send(const OsdMessage& message);

    // The program started when nothing listens: <application directory>/OSD unless set.
    void setProgram(const QString& path);
    QString program() const;
    // The socket to deliver to: OsdServerName() unless set.
    void setServerName(const QString& name);
    QString serverName() const;

    // True while a message is being delivered or waits for the program to start.
    bool isBusy() const;

    static constexpr int kMaxStarts = 5;
    static constexpr int kRetryIntervalMs = 500;

signals:
    // After each delivery attempt ends: the record was written, or the sender gave up.
    void finished(bool bDelivered);

private:
    Q_DISABLE_COPY(OsdSender)

    void tryDeliver();
    void onConnected(QLocalSocket* socket);
    void onBytesWritten(QLocalSocket* socket);
    void onFailed(QLocalSocket* socket);
    void finishAttempt(bool delivered);
    void dropSocket();

    QString m_program;
    QString m_serverName;
    QByteArray m_pending;
    QByteArray m_inFlight;
    QLocalSocket* m_socket = nullptr;
    int m_starts = 0;
    QTimer m_retryTimer;
    QTimer m_guardTimer;
};
