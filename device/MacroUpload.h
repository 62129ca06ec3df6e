#pragma once

#include "MacroEvent.h"
#include "Report.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

struct SettingsRecord;

// The mouse's macro memory: 20 slots of 200 bytes, of which slots 0..11 are given out.
constexpr int kMacroSlotSize = 200;
constexpr int kMacroMemorySlots = 20;
constexpr int kMaxMacroSlots = 12;
constexpr int kMacroPacketData = 20;
constexpr int kMacroPacketsPerSlot = kMacroSlotSize / kMacroPacketData;
// FindMacroSlot results that are not a slot.
constexpr int kMacroMapEmpty = -1;
constexpr int kMacroNotInMap = 255;
// Longest macros a slot holds: as recorded when they carry their own delays, else with
// a one-unit pause added after every fourth event and after the last one.
constexpr int kMaxMacroEventsWithDelays = 63;
constexpr int kMaxMacroEventsWithoutDelays = 51;
// Offset of the macro block's closing packet.
constexpr int kMacroCloseOffset = 0x0FFF;

using MacroSlotBytes = std::array<quint8, kMacroSlotSize>;

// Slot number -> macro name, in slot order. Filled while the button block is built and
// emptied entry by entry by the upload; the only link between the two.
class MacroSlotMap
{
public:
    // kMacroMapEmpty when the map is empty; the lowest slot holding the name;
    // kMacroNotInMap when the name is not there.
    int find(const QString& name) const;
    // The name's slot; a new name takes the lowest free slot, which is the next number
    // in order as long as nothing was removed.
    int assign(const QString& name);
    // Removes the lowest slot holding the name, if any.
    void removeFirst(const QString& name);
    bool isEmpty() const { return m_slots.isEmpty(); }
    int size() const { return m_slots.size(); }
    void clear() { m_slots.clear(); }
    // Empty for a slot that is not given out.
    QString nameAt(int slot) const { return m_slots.value(slot); }

private:
    QMap<int, QString> m_slots;
};

int FindMacroSlot(const MacroSlotMap& map, const QString& name);
int AssignMacroSlot(MacroSlotMap& map, const QString& name);

// True when the macro's slot form fits in 200 bytes.
bool MacroFitsSlot(const QVector<MacroEvent>& events);

// The 200 bytes of one slot from the events in file order. Each event is stored as
// Map, DataL, DataH. A macro without any delay event gets one-unit pauses inserted.
// A macro that does not fit is refused: its slot holds the empty macro (one pause), so
// the button plays nothing rather than a cut-off macro that may leave a key held down.
MacroSlotBytes EncodeMacroSlot(const QVector<MacroEvent>& events);

struct MacroUploadPlan
{
    ReportList reports;         // macro block packets in send order, closing packet last
    int macrosEncoded = 0;      // the sender waits 50 ms per encoded macro
    bool tooManyMacros = false; // a slot above 11 was met: nothing is sent
    QStringList tooLongMacros;  // macros refused for their length (sent as empty macros)
};

// Places every macro the button block gave a slot to, scanning profiles 0..4 and their
// buttons 0..41; each placed name is removed from the map, so a macro is read once.
// Macro files are read from the macro folder. Nothing to send gives an empty list.
MacroUploadPlan BuildMacroUpload(const SettingsRecord& image, MacroSlotMap& map);
