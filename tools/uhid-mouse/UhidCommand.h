#pragma once

#include <QString>

// One line of the uhid front's control channel, parsed and range-checked.
struct UhidCommand
{
    enum class Kind {
        Invalid,
        Plug,           // plug dongle|cable
        Unplug,         // unplug
        Switch,         // switch: unplug, then plug the other identity
        UnplugAfter,    // unplug-after WRITES
        Battery,        // battery VALUE [charging]
        Status,         // status PROFILE LEVEL RATE (1-based, like mousecfgctl)
        Movement,       // movement HZ (reports per second, 0 stops)
        Trace,          // trace [PATH] (no path stops tracing)
        Save,           // save
        Quit,           // quit
    };

    static constexpr int MaxLineLength = 1024;
    static constexpr int MaxUnplugWrites = 100000;
    static constexpr int MaxMovementHz = 1000;

    Kind kind = Kind::Invalid;
    bool cable = false;     // Plug
    bool charging = false;  // Battery
    int value = 0;          // UnplugAfter writes, Battery value, Movement rate, Status profile
    int level = 0;          // Status
    int rate = 0;           // Status
    QString path;           // Trace
    QString error;          // Invalid: why

    static UhidCommand Parse(const QString& line);
};
