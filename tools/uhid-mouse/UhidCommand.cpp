#include "UhidCommand.h"

#include <QStringList>

namespace {

// A decimal number within [minimum, maximum]; anything else is rejected, not clamped.
bool ReadNumber(const QString& text, int minimum, int maximum, int* out)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < minimum || value > maximum)
        return false;
    *out = value;
    return true;
}

UhidCommand Invalid(const QString& why)
{
    UhidCommand command;
    command.error = why;
    return command;
}

} // namespace

UhidCommand UhidCommand::Parse(const QString& line)
{
    if (line.size() > MaxLineLength)
        return Invalid(QStringLiteral("line too long"));
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return Invalid(QStringLiteral("empty line"));
    const QString verb = words.first();
    const int args = words.size() - 1;
    UhidCommand command;

    if (verb == QLatin1String("plug") && args == 1) {
        if (words[1] != QLatin1String("dongle") && words[1] != QLatin1String("cable"))
            return Invalid(QStringLiteral("plug: dongle or cable"));
        command.kind = Kind::Plug;
        command.cable = words[1] == QLatin1String("cable");
        return command;
    }
    if (verb == QLatin1String("unplug") && args == 0) {
        command.kind = Kind::Unplug;
        return command;
    }
    if (verb == QLatin1String("switch") && args == 0) {
        command.kind = Kind::Switch;
        return command;
    }
    if (verb == QLatin1String("unplug-after") && args == 1) {
        if (!ReadNumber(words[1], 1, MaxUnplugWrites, &command.value))
            return Invalid(QStringLiteral("unplug-after: 1-%1 writes").arg(MaxUnplugWrites));
        command.kind = Kind::UnplugAfter;
        return command;
    }
    if (verb == QLatin1String("battery") && (args == 1 || args == 2)) {
        if (!ReadNumber(words[1], 0, 0xFFFF, &command.value) || (args == 2 && words[2] != QLatin1String("charging")))
            return Invalid(QStringLiteral("battery: VALUE 0-65535 [charging]"));
        command.kind = Kind::Battery;
        command.charging = args == 2;
        return command;
    }
    if (verb == QLatin1String("status") && args == 3) {
        if (!ReadNumber(words[1], 1, 5, &command.value) || !ReadNumber(words[2], 1, 8, &command.level)
            || !ReadNumber(words[3], 0, 255, &command.rate))
            return Invalid(QStringLiteral("status: PROFILE 1-5, LEVEL 1-8, RATE 0-255"));
        command.kind = Kind::Status;
        return command;
    }
    if (verb == QLatin1String("movement") && args == 1) {
        if (!ReadNumber(words[1], 0, MaxMovementHz, &command.value))
            return Invalid(QStringLiteral("movement: 0-%1 Hz").arg(MaxMovementHz));
        command.kind = Kind::Movement;
        return command;
    }
    if (verb == QLatin1String("trace") && args <= 1) {
        command.kind = Kind::Trace;
        command.path = args == 1 ? words[1] : QString();
        return command;
    }
    if (verb == QLatin1String("save") && args == 0) {
        command.kind = Kind::Save;
        return command;
    }
    if (verb == QLatin1String("quit") && args == 0) {
        command.kind = Kind::Quit;
        return command;
    }
    return Invalid(QStringLiteral("unknown command"));
}
