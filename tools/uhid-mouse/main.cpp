// mousecfg-uhid-mouse: the virtual mouse as a kernel HID device, for tests that go
// through hidraw, hidapi and the hot-plug events of a real kernel.
#include "UhidMouse.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Serves the virtual mouse through /dev/uhid. Control lines on --control: plug dongle|cable, unplug, "
        "switch, unplug-after WRITES, battery VALUE [charging], status PROFILE LEVEL RATE, movement HZ, "
        "trace [PATH], save, quit."));
    parser.addHelpOption();
    const QCommandLineOption identityOption(QStringLiteral("identity"), QStringLiteral("dongle or cable (default dongle)."),
                                            QStringLiteral("identity"), QStringLiteral("dongle"));
    const QCommandLineOption stateOption(QStringLiteral("state"), QStringLiteral("The virtual mouse's state file."),
                                         QStringLiteral("path"));
    const QCommandLineOption traceOption(QStringLiteral("trace"), QStringLiteral("Report trace file."),
                                         QStringLiteral("path"));
    const QCommandLineOption controlOption(QStringLiteral("control"), QStringLiteral("FIFO carrying control lines."),
                                           QStringLiteral("path"));
    const QCommandLineOption movementOption(QStringLiteral("movement-hz"),
                                            QStringLiteral("Movement reports per second (up to 1000), 0 for none."),
                                            QStringLiteral("hz"), QString::number(UhidMouse::DefaultMovementHz));
    const QCommandLineOption uhidOption(QStringLiteral("uhid"), QStringLiteral("The uhid device node."),
                                        QStringLiteral("path"), QStringLiteral("/dev/uhid"));
    parser.addOptions({identityOption, stateOption, traceOption, controlOption, movementOption, uhidOption});
    parser.process(app);

    QTextStream err(stderr);
    const QString identityName = parser.value(identityOption);
    if (identityName != QLatin1String("dongle") && identityName != QLatin1String("cable")) {
        err << "--identity: dongle or cable\n";
        return 2;
    }
    bool ok = false;
    const int movementHz = parser.value(movementOption).toInt(&ok);
    if (!ok || movementHz < 0 || movementHz > UhidCommand::MaxMovementHz) {
        err << "--movement-hz: 0-" << UhidCommand::MaxMovementHz << "\n";
        return 2;
    }

    // The state file starts from factory memory, so every run compares against the same start.
    const QString statePath = parser.value(stateOption);
    if (!statePath.isEmpty())
        QFile::remove(statePath);
    VirtualMouse mouse(statePath);
    mouse.setTraceFile(parser.value(traceOption));

    QTextStream out(stdout);
    UhidMouse front(mouse, [&out](const QString& line) { out << line << Qt::endl; });
    front.setMovementRate(movementHz);
    if (!front.open(parser.value(uhidOption)))
        return 1;

    int controlFd = -1;
    if (parser.isSet(controlOption)) {
        // Read-write keeps the FIFO open between writers, so no end-of-file ever arrives.
        controlFd = ::open(QFile::encodeName(parser.value(controlOption)).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (controlFd < 0) {
            err << "cannot open the control FIFO " << parser.value(controlOption) << "\n";
            return 1;
        }
    }
    const VirtualMouse::Identity identity =
        identityName == QLatin1String("cable") ? VirtualMouse::Identity::Cable : VirtualMouse::Identity::Dongle;
    if (!front.plug(identity))
        return 1;
    const bool served = front.run(controlFd);
    front.unplug();
    mouse.saveState();
    if (controlFd >= 0)
        ::close(controlFd);
    return served ? 0 : 1;
}
