#pragma once

#include <QByteArray>
#include <QString>

// The XDG autostart entry that starts the configurator with the desktop session,
// straight into the tray ($XDG_CONFIG_HOME/autostart/mousecfg.desktop).
class DesktopAutostart
{
public:
    static QString EntryPath();
    // The entry exists and is not switched off with Hidden=true.
    static bool IsEnabled();
    // Writes the entry starting `program --minimized`, or removes it. False when the
    // file could not be written or removed.
    static bool SetEnabled(bool enabled, const QString& program);
    // The entry's text, the program path quoted as an Exec line requires; empty for a
    // path with control characters, which no Exec line can hold.
    static QByteArray EntryText(const QString& program);
};
