// Messages on the local sockets: the show-window request and the virtual mouse's
// command lines. Only well-formed messages are taken, and a command that fails leaves
// the mouse as it was.
#include "FuzzSupport.h"
#include "InstanceLock.h"
#include "VirtualMouse.h"
#include "VirtualMouseControl.h"

namespace {

struct MouseState
{
    quint16 battery;
    bool charging, asleep, dongle, cable;
    int silent, zero, echo;

    explicit MouseState(const VirtualMouse& m)
        : battery(m.batteryValue()), charging(m.isCharging()), asleep(m.isAsleep())
        , dongle(m.isPresent(VirtualMouse::Identity::Dongle)), cable(m.isPresent(VirtualMouse::Identity::Cable))
        , silent(m.pendingFault(VirtualMouse::Fault::NoAnswer)), zero(m.pendingFault(VirtualMouse::Fault::ZeroAnswer))
        , echo(m.pendingFault(VirtualMouse::Fault::WrongDataEcho))
    {
    }

    bool operator==(const MouseState& o) const
    {
        return battery == o.battery && charging == o.charging && asleep == o.asleep && dongle == o.dongle
            && cable == o.cable && silent == o.silent && zero == o.zero && echo == o.echo;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    fuzz::Environment::instance();
    const QByteArray line = fuzz::Bytes(data, size);

    if (InstanceLock::IsShowRequest(line))
        FUZZ_CHECK(line.trimmed() == "show" && line.size() <= 64, "only a show line asks for the window");

    QStringList args;
    if (!ParseVirtualMouseCommand(line, args))
        return 0;
    FUZZ_CHECK(line.size() <= kMaxVirtualCommandBytes && !args.isEmpty(), "a taken command line is short and has words");
    VirtualMouse mouse{QString()};
    mouse.plug(VirtualMouse::Identity::Dongle);
    const MouseState before(mouse);
    const VirtualCommandResult result = ApplyVirtualMouseCommand(mouse, args);
    if (!result.ok) {
        FUZZ_CHECK(MouseState(mouse) == before, "a refused command changes nothing");
        FUZZ_CHECK(!result.message.isEmpty(), "a refused command says why");
    }
    for (auto fault : {VirtualMouse::Fault::NoAnswer, VirtualMouse::Fault::ZeroAnswer, VirtualMouse::Fault::WrongDataEcho}) {
        const int pending = mouse.pendingFault(fault);
        FUZZ_CHECK(pending >= 0 && pending <= VirtualMouse::MaxPendingFaults, "pending faults in range");
    }
    return 0;
}
