#include "UhidMouse.h"

#include <linux/uhid.h>

#include <poll.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

const char* IdentityName(VirtualMouse::Identity identity)
{
    return identity == VirtualMouse::Identity::Dongle ? "dongle" : "cable";
}

// struct uhid_event is 4 KiB and more: keep it off the stack and zeroed.
std::unique_ptr<uhid_event> NewEvent(__u32 type)
{
    auto event = std::make_unique<uhid_event>();
    std::memset(event.get(), 0, sizeof(uhid_event));
    event->type = type;
    return event;
}

} // namespace

QByteArray UhidMouse::ReportDescriptor()
{
    static const unsigned char bytes[] = {
        // Mouse collection: 5 buttons, X, Y and wheel, padded to 7 bytes after the id.
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x02,        // Usage (Mouse)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x01,        //   Report ID (1)
        0x09, 0x01,        //   Usage (Pointer)
        0xA1, 0x00,        //   Collection (Physical)
        0x05, 0x09,        //     Usage Page (Button)
        0x19, 0x01,        //     Usage Minimum (1)
        0x29, 0x05,        //     Usage Maximum (5)
        0x15, 0x00,        //     Logical Minimum (0)
        0x25, 0x01,        //     Logical Maximum (1)
        0x95, 0x05,        //     Report Count (5)
        0x75, 0x01,        //     Report Size (1)
        0x81, 0x02,        //     Input (Data, Variable, Absolute)
        0x95, 0x01,        //     Report Count (1)
        0x75, 0x03,        //     Report Size (3)
        0x81, 0x01,        //     Input (Constant)
        0x05, 0x01,        //     Usage Page (Generic Desktop)
        0x09, 0x30,        //     Usage (X)
        0x09, 0x31,        //     Usage (Y)
        0x09, 0x38,        //     Usage (Wheel)
        0x15, 0x81,        //     Logical Minimum (-127)
        0x25, 0x7F,        //     Logical Maximum (127)
        0x75, 0x08,        //     Report Size (8)
        0x95, 0x03,        //     Report Count (3)
        0x81, 0x06,        //     Input (Data, Variable, Relative)
        0x95, 0x03,        //     Report Count (3)
        0x81, 0x01,        //     Input (Constant)
        0xC0,              //   End Collection
        0xC0,              // End Collection
        // Vendor control collection: usage page 1, usage 0, report id 5 both ways.
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x00,        // Usage (Undefined)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x05,        //   Report ID (5)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x20,        //   Report Count (32)
        0x09, 0x00,        //   Usage (Undefined)
        0x81, 0x02,        //   Input (Data, Variable, Absolute)
        0x09, 0x00,        //   Usage (Undefined)
        0x91, 0x02,        //   Output (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), int(sizeof(bytes)));
}

UhidMouse::UhidMouse(VirtualMouse& mouse, Log log)
    : m_mouse(mouse)
    , m_log(std::move(log))
{
    // The kernel device is the only one; the emulation's own idea of presence follows it.
    m_mouse.unplug(VirtualMouse::Identity::Dongle);
    m_mouse.unplug(VirtualMouse::Identity::Cable);
}

UhidMouse::~UhidMouse()
{
    unplug();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool UhidMouse::open(const QString& uhidPath)
{
    m_fd = ::open(uhidPath.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) {
        m_log(QStringLiteral("cannot open %1: %2").arg(uhidPath, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    return true;
}

void UhidMouse::adoptChannel(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool UhidMouse::writeEvent(const uhid_event& event)
{
    const ssize_t written = ::write(m_fd, &event, sizeof(event));
    if (written != ssize_t(sizeof(event))) {
        m_log(QStringLiteral("uhid write of event %1 failed: %2")
                  .arg(event.type)
                  .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    return true;
}

bool UhidMouse::plug(VirtualMouse::Identity identity)
{
    if (m_fd < 0 || m_plugged)
        return false;
    const QByteArray descriptor = ReportDescriptor();
    auto event = NewEvent(UHID_CREATE2);
    uhid_create2_req& create = event->u.create2;
    const QByteArray name = identity == VirtualMouse::Identity::Dongle ? QByteArrayLiteral("Virtual Mouse Receiver")
                                                                       : QByteArrayLiteral("Virtual Mouse");
    std::memcpy(create.name, name.constData(), size_t(std::min<int>(name.size(), sizeof(create.name) - 1)));
    const QByteArray phys = QByteArrayLiteral("mousecfg-uhid/") + IdentityName(identity);
    std::memcpy(create.phys, phys.constData(), size_t(std::min<int>(phys.size(), sizeof(create.phys) - 1)));
    create.rd_size = __u16(descriptor.size());
    create.bus = BUS_USB;
    create.vendor = VendorId;
    create.product = identity == VirtualMouse::Identity::Dongle ? DongleProductId : CableProductId;
    create.version = m_mouse.releaseNumber(identity);
    create.country = 0;
    std::memcpy(create.rd_data, descriptor.constData(), size_t(descriptor.size()));
    if (!writeEvent(*event))
        return false;

    m_mouse.plug(identity);
    m_handle = m_mouse.openHandle(m_mouse.controlPath(identity));
    m_identity = identity;
    m_plugged = true;
    m_nextMovement = Clock::now() + m_movementPeriod;
    m_log(QStringLiteral("created %1 %2:%3")
              .arg(QLatin1String(IdentityName(identity)))
              .arg(VendorId, 4, 16, QLatin1Char('0'))
              .arg(create.product, 4, 16, QLatin1Char('0')));
    return true;
}

void UhidMouse::unplug()
{
    if (!m_plugged)
        return;
    writeEvent(*NewEvent(UHID_DESTROY));
    m_mouse.closeHandle(m_handle);
    m_handle = -1;
    m_mouse.unplug(m_identity);
    m_plugged = false;
    m_log(QStringLiteral("destroyed %1").arg(QLatin1String(IdentityName(m_identity))));
}

void UhidMouse::setMovementRate(int hz)
{
    hz = std::clamp(hz, 0, UhidCommand::MaxMovementHz);
    m_movementPeriod = std::chrono::microseconds(hz > 0 ? 1000000 / hz : 0);
    m_nextMovement = Clock::now() + m_movementPeriod;
}

void UhidMouse::handleEvent(const uhid_event& event)
{
    switch (event.type) {
    case UHID_OUTPUT:
        // Only output reports are commands; the size comes from the kernel but is checked anyway.
        if (event.u.output.rtype == UHID_OUTPUT_REPORT && event.u.output.size <= UHID_DATA_MAX)
            forwardOutput(event.u.output.data, event.u.output.size);
        break;
    case UHID_GET_REPORT: {
        // The mouse has no feature reports.
        auto reply = NewEvent(UHID_GET_REPORT_REPLY);
        reply->u.get_report_reply.id = event.u.get_report.id;
        reply->u.get_report_reply.err = EIO;
        writeEvent(*reply);
        break;
    }
    case UHID_SET_REPORT: {
        auto reply = NewEvent(UHID_SET_REPORT_REPLY);
        reply->u.set_report_reply.id = event.u.set_report.id;
        reply->u.set_report_reply.err = EIO;
        writeEvent(*reply);
        break;
    }
    default:
        // START, STOP, OPEN and CLOSE need nothing from us.
        break;
    }
}

void UhidMouse::forwardOutput(const uint8_t* data, size_t size)
{
    if (!m_plugged || size == 0)
        return;
    m_mouse.write(m_handle, data, size);
    forwardQueued();
    // An injected unplug takes the emulation's device away; the kernel's must follow.
    if (!m_mouse.isPresent(m_identity)) {
        m_log(QStringLiteral("unplugged after a write"));
        unplug();
    }
}

void UhidMouse::forwardQueued()
{
    if (!m_plugged)
        return;
    uint8_t buffer[64];
    for (;;) {
        const int n = m_mouse.read(m_handle, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return;
        auto event = NewEvent(UHID_INPUT2);
        event->u.input2.size = __u16(n);
        std::memcpy(event->u.input2.data, buffer, size_t(n));
        writeEvent(*event);
    }
}

void UhidMouse::sendMovement()
{
    // A small square, so the pointer ends where it started.
    static const qint8 steps[4][2] = {{3, 0}, {0, 3}, {-3, 0}, {0, -3}};
    const qint8* step = steps[m_movementStep];
    m_movementStep = (m_movementStep + 1) % 4;
    m_mouse.sendMovement(step[0], step[1]);
    forwardQueued();
}

bool UhidMouse::execute(const UhidCommand& command, QString* why)
{
    using Kind = UhidCommand::Kind;
    switch (command.kind) {
    case Kind::Plug:
        if (m_plugged) {
            *why = QStringLiteral("already plugged");
            return false;
        }
        return plug(command.cable ? VirtualMouse::Identity::Cable : VirtualMouse::Identity::Dongle);
    case Kind::Unplug:
        if (!m_plugged) {
            *why = QStringLiteral("not plugged");
            return false;
        }
        unplug();
        return true;
    case Kind::Switch: {
        if (!m_plugged) {
            *why = QStringLiteral("not plugged");
            return false;
        }
        const VirtualMouse::Identity other = m_identity == VirtualMouse::Identity::Dongle
                                                 ? VirtualMouse::Identity::Cable
                                                 : VirtualMouse::Identity::Dongle;
        unplug();
        return plug(other);
    }
    case Kind::UnplugAfter:
        m_mouse.unplugAfterWrites(command.value);
        return true;
    case Kind::Battery:
        // The mouse tells the host at once when its battery or charging state changes.
        m_mouse.setBattery(quint16(command.value), command.charging);
        m_mouse.sendBatteryReport();
        forwardQueued();
        return true;
    case Kind::Status:
        m_mouse.sendStatusReport(quint8(command.value - 1), quint8(command.level - 1), quint8(command.rate), 0);
        forwardQueued();
        return true;
    case Kind::Movement:
        setMovementRate(command.value);
        return true;
    case Kind::Trace:
        m_mouse.setTraceFile(command.path);
        return true;
    case Kind::Save:
        if (!m_mouse.saveState()) {
            *why = QStringLiteral("no state file");
            return false;
        }
        return true;
    case Kind::Quit:
        m_quit = true;
        return true;
    case Kind::Invalid:
        break;
    }
    *why = command.error;
    return false;
}

void UhidMouse::runLine(const QString& line)
{
    const int number = ++m_commandNumber;
    const UhidCommand command = UhidCommand::Parse(line);
    QString why;
    if (execute(command, &why))
        m_log(QStringLiteral("done %1: %2").arg(number).arg(line));
    else
        m_log(QStringLiteral("error %1: %2: %3").arg(number).arg(line, why));
}

bool UhidMouse::readControl(int fd)
{
    char chunk[512];
    const ssize_t n = ::read(fd, chunk, sizeof(chunk));
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    m_controlBuffer.append(chunk, int(n));
    for (;;) {
        const int end = m_controlBuffer.indexOf('\n');
        if (end < 0)
            break;
        const QString line = QString::fromUtf8(m_controlBuffer.left(end)).trimmed();
        m_controlBuffer.remove(0, end + 1);
        if (!line.isEmpty())
            runLine(line);
    }
    // A line that never ends is dropped rather than held without bound.
    if (m_controlBuffer.size() > UhidCommand::MaxLineLength) {
        m_log(QStringLiteral("control line too long; dropped"));
        m_controlBuffer.clear();
    }
    return true;
}

bool UhidMouse::run(int controlFd)
{
    if (m_fd < 0)
        return false;
    auto event = NewEvent(0);
    m_quit = false;
    while (!m_quit) {
        timespec timeout{};
        timespec* wait = nullptr;
        if (m_plugged && m_movementPeriod.count() > 0) {
            auto now = Clock::now();
            if (now >= m_nextMovement) {
                sendMovement();
                // Fixed times keep the rate; after a stall the stream starts again from now.
                m_nextMovement += m_movementPeriod;
                if (m_nextMovement <= now)
                    m_nextMovement = now + m_movementPeriod;
            }
            const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(m_nextMovement - now);
            const long long ns = std::clamp<long long>(left.count(), 0, 1000000000LL);
            timeout.tv_sec = time_t(ns / 1000000000LL);
            timeout.tv_nsec = long(ns % 1000000000LL);
            wait = &timeout;
        }
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {controlFd, POLLIN, 0}};
        const int ready = ::ppoll(fds, controlFd >= 0 ? 2 : 1, wait, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            m_log(QStringLiteral("poll failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
        if (fds[0].revents & POLLIN) {
            // A short read must not leave fields of the previous event behind.
            std::memset(event.get(), 0, sizeof(uhid_event));
            const ssize_t n = ::read(m_fd, event.get(), sizeof(uhid_event));
            if (n >= ssize_t(sizeof(event->type)))
                handleEvent(*event);
            else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                m_log(QStringLiteral("uhid read failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
                return false;
            }
        }
        if (controlFd >= 0 && (fds[1].revents & (POLLIN | POLLHUP)) && !readControl(controlFd)) {
            m_log(QStringLiteral("control channel failed"));
            return false;
        }
    }
    return true;
}
