#pragma once

#include "UhidCommand.h"
#include "VirtualMouse.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

struct uhid_event;

// The virtual mouse behind /dev/uhid: the kernel sees a HID device with the mouse's
// identity and collections, every output report goes to the virtual mouse's protocol
// emulation, and whatever the emulation queues comes back as input reports. One thread
// drives it; nothing here is shared.
class UhidMouse
{
public:
    static constexpr quint16 VendorId = 0x248A;
    static constexpr quint16 DongleProductId = 0xFA02;
    static constexpr quint16 CableProductId = 0xFB01;
    static constexpr int DefaultMovementHz = 50;

    using Log = std::function<void(const QString&)>;

    // A mouse collection (report id 1, 7 data bytes) and the vendor control collection
    // (report id 5, 32 bytes in each direction), as the real mouse presents them.
    static QByteArray ReportDescriptor();

    UhidMouse(VirtualMouse& mouse, Log log);
    ~UhidMouse();

    bool open(const QString& uhidPath = QStringLiteral("/dev/uhid"));
    // Serves an already open channel that speaks the uhid protocol, and closes it at the end.
    void adoptChannel(int fd);
    bool plug(VirtualMouse::Identity identity);
    void unplug();
    bool isPlugged() const { return m_plugged; }
    VirtualMouse::Identity identity() const { return m_identity; }
    // Movement reports per second, as a hand moving the mouse sends them; 0 for none.
    void setMovementRate(int hz);

    // Serves the device and the control channel until "quit"; false on a fatal error.
    bool run(int controlFd);
    // Carries out one control command; false when it could not be done.
    bool execute(const UhidCommand& command, QString* why);

private:
    Q_DISABLE_COPY(UhidMouse)

    using Clock = std::chrono::steady_clock;

    bool writeEvent(const uhid_event& event);
    void handleEvent(const uhid_event& event);
    void forwardOutput(const uint8_t* data, size_t size);
    void forwardQueued();
    void sendMovement();
    bool readControl(int fd);
    void runLine(const QString& line);

    VirtualMouse& m_mouse;
    Log m_log;
    int m_fd = -1;
    bool m_plugged = false;
    bool m_quit = false;
    VirtualMouse::Identity m_identity = VirtualMouse::Identity::Dongle;
    int m_handle = -1;
    std::chrono::microseconds m_movementPeriod{1000000 / DefaultMovementHz};  // 0: no movement
    int m_movementStep = 0;
    Clock::time_point m_nextMovement;
    int m_commandNumber = 0;
    QByteArray m_controlBuffer;
};
