#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class VirtualMouse;

// Driving the virtual mouse from outside: "plug dongle|cable|all", "unplug …",
// "status PROFILE LEVEL RATE" (1-based profile and level, rate code), "battery
// MILLIVOLTS [charging]", "sleep on|off", "fault silent|zero|echo COUNT" (pending faults,
// see VirtualMouse::setPendingFault), "fault clear", "move HZ SECONDS" (a movement stream),
// "access deny|allow" (the node as without and with the udev rule). A program running on the virtual
// mouse serves these on a local socket, so the command-line tool reaches the same mouse.

struct VirtualCommandResult
{
    bool ok = false;
    QString message;  // the error text when !ok
};

// The longest command line the socket accepts, its newline included.
constexpr int kMaxVirtualCommandBytes = 256;

// One line from the socket, its newline included: printable UTF-8 words, at most
// kMaxVirtualCommandBytes. False for anything else, which is dropped without effect.
bool ParseVirtualMouseCommand(const QByteArray& line, QStringList& args);

// Parses and carries out one command on `mouse`; saves its state.
VirtualCommandResult ApplyVirtualMouseCommand(VirtualMouse& mouse, const QStringList& args);

// The raw battery value whose millivolts, as the host computes them, reach `millivolts`.
int BatteryValueForMillivolts(int millivolts);

// Sends a command to a running program; false when none listens.
bool SendVirtualMouseCommand(const QStringList& args, VirtualCommandResult& result, int timeoutMs = 2000);

class VirtualMouseControlServer : public QObject
{
    Q_OBJECT

public:
    explicit VirtualMouseControlServer(VirtualMouse& mouse, QObject* parent = nullptr);
    ~VirtualMouseControlServer() override;

    bool isListening() const;
    static QString ServerName();

private:
    Q_DISABLE_COPY(VirtualMouseControlServer)

    void onConnection();

    VirtualMouse& m_mouse;
    QLocalServer* m_server;
};
