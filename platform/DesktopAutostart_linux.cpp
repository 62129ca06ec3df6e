#include "DesktopAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// An Exec argument with anything but plain path characters goes in double quotes, with
// " ` $ \ escaped; the value itself then escapes its backslashes, and % is doubled.
QString ExecArgument(const QString& argument)
{
    bool plain = !argument.isEmpty();
    for (const QChar c : argument) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !QStringLiteral("/._+-,").contains(c))
            plain = false;
    }
    QString quoted;
    for (const QChar c : argument) {
        if (!plain && QStringLiteral("\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    if (!plain)
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

} // namespace

QString DesktopAutostart::EntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/mousecfg.desktop");
}

bool DesktopAutostart::IsEnabled()
{
    QFile file(EntryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Entries are small; a huge file is not ours, and reading stops there.
    const QByteArray text = file.read(64 * 1024);
    for (const QByteArray& line : text.split('\n')) {
        if (line.trimmed() == "Hidden=true")
            return false;
    }
    return true;
}

bool DesktopAutostart::SetEnabled(bool enabled, const QString& program)
{
    const QString path = EntryPath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (program.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray text = EntryText(program);
    QSaveFile file(path);
    if (text.isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

QByteArray DesktopAutostart::EntryText(const QString& program)
{
    QString text = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=mousecfg\n"
        "Comment=Mouse configuration in the tray\n"
        "Exec=%1 --minimized\n"
        "Icon=mousecfg\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n");
    // A control character (a line break) cannot stand in an Exec line: no entry.
    for (const QChar c : program) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QByteArray();
    }
    return text.arg(ExecArgument(program)).toUtf8();
}
