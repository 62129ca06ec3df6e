// mousecfgctl: the mouse from the command line, with the same libraries and the stored
// settings of the application directory as the configurator.
#include "AppPaths.h"
#include "CommandSet.h"
#include "ConfigFiles.h"
#include "ConfigSeed.h"
#include "Descriptor.h"
#include "DeviceWatcher.h"
#include "DpiEncoding.h"
#include "ButtonEncoding.h"
#include "GlobalConfig.h"
#include "HidTransport.h"
#include "MouseLink.h"
#include "MouseSession.h"
#include "KeyTables.h"
#include "PointerSpeed.h"
#include "ProfileWriter.h"
#include "SensorDpi.h"
#include "MacroCommands.h"
#include "ProfileCommands.h"
#include "AppRuleCommands.h"
#include "SettingsCommands.h"
#include "TarnGetBatteryThread.h"
#include "UdevRule.h"
#include "VirtualHidBackend.h"
#include "VirtualMouse.h"
#include "VirtualMouseControl.h"
#include "VirtualMouseDump.h"

#include <QCoreApplication>
#include <QMutexLocker>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

const char* const kHelp =
    "Usage: mousecfgctl COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  devices             the supported mice found: dongle and cable, collection paths\n"
    "  battery             ask the mouse once for its battery and charging state\n"
    "  write               write every stored setting and the macros to the mouse\n"
    "  select N            make profile N (1-5) active on the mouse\n"
    "  listen SECONDS      print the status reports the mouse sends while you press its buttons\n"
    "  udev-rule           print the udev rule that lets the logged-in user reach the mouse\n"
    "  show [--json] [--profile N]   the stored DPI, report-rate, sensor and lighting settings\n"
    "  set [--profile N] SETTING VALUE... [--write]   change one stored setting; --write also\n"
    "                      writes it to the mouse (settings listed below)\n"
    "  macro list|show|import|export|delete|rename|gun ...   the stored macros (see below)\n"
    "  profile list|add|copy|delete|rename|pick|import|export|reset|reset-all ...   the five\n"
    "                      slots and the stored profiles (see below)\n"
    "  virtual dump        the virtual mouse's memory, decoded\n"
    "  virtual plug|unplug dongle|cable|all\n"
    "  virtual status PROFILE LEVEL RATE   make the virtual mouse report a change (1-based; RATE\n"
    "                                      is the rate code: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125)\n"
    "  virtual battery MILLIVOLTS [charging]\n"
    "  virtual sleep on|off\n"
    "  virtual fault silent|zero|echo N   the next N reports the mouse receives get no answer\n"
    "                      (silent) or an all-zero one (zero); block packets, section and session\n"
    "                      commands count, battery queries do not. A report is written up to 6\n"
    "                      times, so 6 fail one exchange. echo: the next N block packets come back\n"
    "                      with a wrong data byte; 3 fail one. Kept in the state file until used\n"
    "  virtual fault clear drop the pending faults\n"
    "  virtual move HZ SECONDS   movement reports at HZ (1-1000) for that long, as a hand moving\n"
    "                      the mouse sends them (0 seconds stops); needs a program on the mouse\n"
    "  virtual access deny|allow   the mouse's node as without and with the udev rule\n"
    "\n"
    "Settings are kept in Configs/ of the application directory (the program's own directory,\n"
    "or MOUSECFG_APP_DIR); an installed program keeps them in $XDG_CONFIG_HOME/mousecfg\n"
    "(default ~/.config/mousecfg). MOUSECFG_DEVICE=virtual talks to the virtual mouse, whose\n"
    "memory is kept in MOUSECFG_VIRTUAL_STATE (default: ~/.local/state/mousecfg/virtual-mouse.ini).\n"
    "\n"
    "Exit codes: 0 done, 1 the mouse did not take it, 2 bad usage, 3 no mouse found, 4 no\n"
    "permission to open the mouse (install the udev rule), 5 another program is using the mouse.\n";

// Finds the mouse and opens its collections, as the configurator does at start.
QString IdentityLine(const DeviceMatchEntry& e, int identity)
{
    const int mouse = identity * 2;
    const quint32 vid = identity == 0 ? e.vid1 : e.vid2;
    const quint32 pid = identity == 0 ? e.pid1 : e.pid2;
    QString line = QStringLiteral("%1 %2:%3  ")
                       .arg(identity == 0 ? QStringLiteral("dongle") : QStringLiteral("cable "))
                       .arg(vid, 4, 16, QLatin1Char('0'))
                       .arg(pid, 4, 16, QLatin1Char('0'));
    if (!e.found[mouse] && !e.found[mouse + 1])
        return line + QStringLiteral("not found");
    const auto node = [&](int index) {
        if (!e.found[index])
            return QStringLiteral("-");
        return ActiveHidBackend().accessDenied(e.paths[index]) ? e.paths[index] + QStringLiteral(" (no access)")
                                                               : e.paths[index];
    };
    line += QStringLiteral("mouse collection %1, control collection %2").arg(node(mouse), node(mouse + 1));
    return line;
}

int Devices()
{
    HidTransport& transport = HidTransport::instance();
    transport.BuildDeviceTable();
    if (transport.EnumerateDevices() != 0) {
        err() << "Cannot use the HID library.\n";
        return Failed;
    }
    const DeviceMatchEntry& e = transport.table().entries[0];
    out() << "Model: " << QString::fromLatin1(e.name) << "\n";
    out() << IdentityLine(e, 0) << "\n" << IdentityLine(e, 1) << "\n";
    const bool any = (e.found[0] && e.found[1]) || (e.found[2] && e.found[3]);
    if (!any) {
        out() << "No supported mouse found.\n";
        return LinkExit::NoMouse;
    }
    if (transport.controlRelease() != 0)
        out() << "Cable firmware release: " << QString::number(transport.controlRelease(), 16) << "\n";
    for (int i = 0; i < 4; ++i) {
        if (e.found[i] && ActiveHidBackend().accessDenied(e.paths[i])) {
            out() << NoAccessMessage(e.paths[i]) << "\n";
            return LinkExit::NoAccess;
        }
    }
    return Ok;
}


int Battery()
{
    if (const int code = LinkMouse(err()))
        return code;
    const BatteryReading reading = QueryBattery();
    const quint8* v = reading.value;
    if (!reading.answered || (v[4] == 0 && v[5] == 0 && v[6] == 0)) {
        out() << "MOUSE OFF (asleep or not answering)\n";
        return Ok;
    }
    const bool cable = HidTransport::instance().hasCableControl();
    const int percent = BatteryPercent(v[4], v[5], ConfigBatteryFull());
    out() << "Battery: " << (cable ? 100 : percent) << "%" << (cable ? " (cable)" : "") << "\n";
    out() << "Charging: " << (v[6] ? "yes" : "no") << "\n";
    out() << "Raw value: " << (v[5] * 256 + v[4]) << ", write status " << v[7] << "\n";
    return Ok;
}

int Write()
{
    if (const int code = LinkMouse(err()))
        return code;
    const BatteryReading reading = QueryBattery();
    MouseAsleep() = reading.asleep();

    MouseSession& session = MouseSession::instance();
    session.load();
    WriteDefaultProfileFile();
    const quint8 result = session.apply(true);
    HidTransport::instance().CloseDevice();
    if (result != 0) {
        err() << session.lastWriteError() << "\n";
        return Failed;
    }
    const WriteStats stats = LastWriteStats();
    out() << "Written: settings, DPI levels, buttons, lighting and " << stats.macrosEncoded << " macro(s) in "
          << stats.exchanges << " exchanges.\n";
    return Ok;
}

int Select(const QString& arg)
{
    bool ok = false;
    const int slot = arg.toInt(&ok);
    if (!ok || slot < 1 || slot > 5) {
        err() << "select: give a profile number from 1 to 5.\n";
        return Usage;
    }
    if (const int code = LinkMouse(err()))
        return code;
    const BatteryReading reading = QueryBattery();
    MouseAsleep() = reading.asleep();
    // The mouse holds the active profile's levels, buttons and lighting: select writes them.
    MouseSession& session = MouseSession::instance();
    session.setCountsExternalEdits(true);
    session.load();
    session.selectSlot(slot - 1);
    const quint8 result = session.apply();
    HidTransport::instance().CloseDevice();
    if (result != 0) {
        err() << session.lastWriteError() << "\n";
        return Failed;
    }
    ApplyProfilePointerSpeed(session.current().active().mousespeed);
    out() << "Profile " << slot << " is active.\n";
    return Ok;
}

std::unique_ptr<TarnGetBatteryThread> StartPrintingPoller()
{
    auto poller = std::make_unique<TarnGetBatteryThread>();
    QObject::connect(poller.get(), &TarnGetBatteryThread::RefreshStatus,
                     [](quint8 profile, quint8 dpi, quint8 rate, quint8 mode) {
                         out() << "status: profile " << profile + 1 << ", DPI level " << dpi + 1 << ", report rate "
                               << ReportRateHz(rate) << " Hz, mode " << mode << Qt::endl;
                     });
    QObject::connect(poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus,
                     [](quint8 charge, quint8 low, quint8 high) {
                         if (!charge && !low && !high)
                             out() << "battery: MOUSE OFF" << Qt::endl;
                         else
                             out() << "battery: " << BatteryPercent(low, high, ConfigBatteryFull()) << "%"
                                   << (charge ? ", charging" : "") << Qt::endl;
                     });
    QObject::connect(poller.get(), &TarnGetBatteryThread::RefreshWriteStatus, [](quint8 status) {
        if (status == 0)
            out() << "write status: the mouse does not hold the stored settings" << Qt::endl;
    });
    poller->start();
    return poller;
}

int Listen(const QString& arg)
{
    bool ok = false;
    const double seconds = arg.toDouble(&ok);
    if (!ok || seconds <= 0 || seconds > 86400) {
        err() << "listen: give a number of seconds.\n";
        return Usage;
    }
    if (const int code = LinkMouse(err()))
        return code;
    HidTransport& transport = HidTransport::instance();
    // Holding the virtual mouse, listen serves its commands, as the window does.
    std::unique_ptr<VirtualMouseControlServer> control;
    if (qgetenv("MOUSECFG_DEVICE") == "virtual")
        control = std::make_unique<VirtualMouseControlServer>(VirtualHidBackend::Process().mouse());
    std::unique_ptr<TarnGetBatteryThread> poller = StartPrintingPoller();
    // Dongle and cable come and go; reopen the link on every change, as the window does.
    const auto restart = [&] {
        poller.reset();  // stops and joins
        transport.CloseDevice();
        transport.OpenDevice(transport.table().entries[0].name);
        if (transport.hasControlHandle())
            poller = StartPrintingPoller();
    };
    DeviceWatcher watcher;
    QObject::connect(&watcher, &DeviceWatcher::MouseArrivedSignal, [&](const QString& path, bool complete) {
        out() << "arrived: " << path << (complete ? "" : " (incomplete)") << Qt::endl;
        if (complete)
            restart();
    });
    QObject::connect(&watcher, &DeviceWatcher::MouseRemovedSignal, [&](const QString& path, bool allGone) {
        out() << "removed: " << path << (allGone ? " (no mouse left)" : "") << Qt::endl;
        restart();
    });
    QTimer::singleShot(int(seconds * 1000), qApp, &QCoreApplication::quit);
    qApp->exec();
    if (control)
        VirtualHidBackend::Process().mouse().stopMovement();
    poller.reset();
    transport.CloseDevice();
    return Ok;
}

QString DescribeButtonSlot(const std::array<quint8, 4>& b);

DumpDecoders Decoders()
{
    const int sensor = ConfigMouseSensor();
    DumpDecoders decoders;
    decoders.dpi = [sensor](int, quint8 xlo, quint8 xhi, quint8 ylo, quint8 yhi) -> QString {
        const SensorRange range = SensorStepRange(sensor, Descriptor33254() == 1, ConfigCurrentProductName());
        if (!range.known)
            return QString();
        // The wire form is per sensor; find the steps that encode to these bytes.
        const std::array<quint8, 4> wire = {xlo, xhi, ylo, yhi};
        for (int x = range.minStep; x <= range.maxStep; ++x) {
            const auto bytes = EncodeDpiLevel(sensor, quint32(x), quint32(x), TarnGetBatteryThread::firmwareFlag());
            if (bytes[0] != wire[0] || bytes[1] != wire[1])
                continue;
            for (int y = range.minStep; y <= range.maxStep; ++y) {
                const auto both = EncodeDpiLevel(sensor, quint32(x), quint32(y), TarnGetBatteryThread::firmwareFlag());
                if (both == wire)
                    return QStringLiteral("steps %1/%2 = %3 x %4 DPI")
                        .arg(x).arg(y).arg(StepToDpi(sensor, x)).arg(StepToDpi(sensor, y));
            }
        }
        return QString();
    };
    decoders.buttonSlot = [](const std::array<quint8, 4>& bytes) { return DescribeButtonSlot(bytes); };
    return decoders;
}

QString UsageName(quint8 usage)
{
    int code = 0;
    return CodeFromUsage(usage, code) ? KeyName(code) : QStringLiteral("usage 0x%1").arg(usage, 2, 16, QLatin1Char('0'));
}

// A button slot's four bytes in words: the kind of function and its parameters.
QString DescribeButtonSlot(const std::array<quint8, 4>& b)
{
    if (b == std::array<quint8, 4>{})
        return QStringLiteral("off");
    for (int fun = 1; fun < 256; ++fun)
        if (FunctionSlotBytes(fun) == b)
            return QStringLiteral("function %1").arg(fun);
    switch (b[0]) {
    case 0x90: return QStringLiteral("key %1").arg(UsageName(b[2]));
    case 0x8F: return QStringLiteral("key %1 with modifiers 0x%2").arg(UsageName(b[2])).arg(b[1], 0, 16);
    case 0x99: return QStringLiteral("fire 0x%1, %2 times, every %3 ms").arg(b[1], 2, 16, QLatin1Char('0')).arg(b[2]).arg(b[3] * 10);
    case 0x9A: return QStringLiteral("sniper 0x%1").arg(b[2], 2, 16, QLatin1Char('0'));
    case 0x91:
    case 0x9D: {
        const QString kind = b[0] == 0x91 ? QStringLiteral("macro") : QStringLiteral("gun macro");
        if (b[1] & 0x80)
            return QStringLiteral("%1 slot %2, while held").arg(kind).arg(b[1] & 0x3F);
        if (b[1] & 0x40)
            return QStringLiteral("%1 slot %2, until pressed again").arg(kind).arg(b[1] & 0x3F);
        return QStringLiteral("%1 slot %2, %3 time(s)").arg(kind).arg(b[1]).arg(b[2] | (b[3] << 8));
    }
    default: return QString();
    }
}

VirtualMouse& Virtual() { return VirtualHidBackend::Process().mouse(); }

int VirtualCommand(const QStringList& args)
{
    if (qgetenv("MOUSECFG_DEVICE") != "virtual")
        qputenv("MOUSECFG_DEVICE", "virtual");
    if (args.value(0) == QLatin1String("dump") && args.size() == 1) {
        out() << "Virtual mouse (" << Virtual().statePath() << ")\n";
        out() << "Sensor " << ConfigMouseSensor() << "\n";
        out() << VirtualMouseDump::Format(Virtual(), Decoders());
        return Ok;
    }
    // A program running on the virtual mouse owns it; otherwise change its stored state.
    VirtualCommandResult result;
    if (!SendVirtualMouseCommand(args, result)) {
        result = ApplyVirtualMouseCommand(Virtual(), args);
        if (result.ok && args.value(0) == QLatin1String("status"))
            out() << "No program runs on the virtual mouse; nobody saw the status report.\n";
        if (result.ok && args.value(0) == QLatin1String("fault") && args.value(1) != QLatin1String("clear"))
            out() << "No program runs on the virtual mouse; the next command on it meets the fault.\n";
        if (result.ok && args.value(0) == QLatin1String("move")) {
            Virtual().stopMovement();
            out() << "No program runs on the virtual mouse; nobody reads the movement.\n";
        }
    }
    if (!result.ok) {
        err() << result.message << "\n";
        return Usage;
    }
    return Ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out() << kHelp << SetCommandHelp() << MacroCommandHelp() << ProfileCommandHelp() << AppRuleCommandHelp();
        return args.isEmpty() ? Usage : Ok;
    }
    QString seedError;
    if (!PrepareConfigs(&seedError))
        err() << "Cannot prepare the settings files: " << seedError << "\n";
    const QString command = args.takeFirst();
    int code = Usage;
    if (command == QLatin1String("devices") && args.isEmpty())
        code = Devices();
    else if (command == QLatin1String("battery") && args.isEmpty())
        code = Battery();
    else if (command == QLatin1String("write") && args.isEmpty())
        code = Write();
    else if (command == QLatin1String("select") && args.size() == 1)
        code = Select(args[0]);
    else if (command == QLatin1String("listen") && args.size() == 1)
        code = Listen(args[0]);
    else if (command == QLatin1String("udev-rule") && args.isEmpty()) {
        out() << kUdevRule;
        code = Ok;
    }
    else if (command == QLatin1String("show"))
        code = ShowCommand(args, out(), err());
    else if (command == QLatin1String("set"))
        code = SetCommand(args, out(), err());
    else if (command == QLatin1String("macro"))
        code = MacroCommand(args, out(), err());
    else if (command == QLatin1String("profile"))
        code = ProfileCommand(args, out(), err());
    else if (command == QLatin1String("app-rule"))
        code = AppRuleCommand(args, out(), err());
    else if (command == QLatin1String("virtual") && !args.isEmpty())
        code = VirtualCommand(args);
    else
        err() << "Unknown command or wrong arguments. See mousecfgctl --help.\n";
    out().flush();
    err().flush();
    HidTransport::instance().ShutdownHid();
    return code;
}
