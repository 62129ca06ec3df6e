#pragma once

#include "MacroEvent.h"

#include <QString>
#include <QVector>

// Macro files are read at most this many events deep, whatever Count claims; the
// mouse holds 63, so only a damaged or foreign file comes near it.
constexpr int kMaxMacroFileEvents = 1000;

struct MacroSettings
{
    int DefaultDelay = 10;   // ms
    quint8 DelayType = 0;    // 0 none, 1 measured delays, 2 default delay between events
    int LoopType = 0;        // 0 none, 1 loop LoopTime times, 2 repeat while down, 3 repeat until pressed again
    int LoopTime = 1;        // 1..255
};

// One macro as the editor holds it; an empty event is an empty row.
struct MacroData
{
    MacroSettings settings;
    QVector<MacroEvent> events;
};

// Every function below refuses a name that is not a safe file name (see IsSafeFileName):
// it returns false, 0 or nothing and touches no file.

bool MacroFileExists(const QString& name);

// Writes settings, Count, the events and WriteSign = 1. Keys of an earlier, longer
// save stay in the file; readers stop at Count. Refuses more than kMaxMacroFileEvents
// events, which could not be read back. False when the file could not be written.
bool SaveMacroFile(const QString& name, const MacroData& data);

// Reads the macro with the editor's normalisation: unusable events become empty rows,
// or are dropped when no usable event follows. A missing file gives an empty macro
// with every setting 0 and returns true; false for an unsafe name (out untouched) or
// a file that could not be read (out holds whatever was readable).
bool LoadMacroFile(const QString& name, MacroData& out);

// The loader's rule for one stored event; false when it is not loaded. Values outside
// 0..255 are never loaded.
bool NormaliseStoredEvent(int map, int dataH, int dataL, MacroEvent& out);

// The events as stored, for the upload: Count events (missing keys 0, values cut to
// their low byte, no normalisation), at most maxEvents and kMaxMacroFileEvents.
QVector<MacroEvent> ReadMacroEventsRaw(const QString& name, int maxEvents);

// Setting/WriteSign, 1 after every save; 0 when missing.
int ReadWriteSign(const QString& name);
// Writes WriteSign = 0 into an existing file; never creates one.
bool ClearWriteSign(const QString& name);
// True when the macro changed since it was last sent; clears the flag.
bool TakeWriteSign(const QString& name);

// True when a file was removed.
bool DeleteMacroFile(const QString& name);
// Refuses a missing source and an existing target.
bool RenameMacroFile(const QString& oldName, const QString& newName);
// The path with ".MSMACRO" appended unless it already ends so (any case): the importers
// only read files named so.
QString WithMacroSuffix(const QString& path);
// Copies the macro's file to target through a file beside it that then replaces target,
// so a failed copy leaves target as it was. False when nothing was replaced.
bool ExportMacroFile(const QString& name, const QString& target);
