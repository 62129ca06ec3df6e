#include "MacroUpload.h"

#include "MacroFile.h"
#include "SettingsRecord.h"

#include <QDebug>
#include <algorithm>

namespace {

constexpr int kMacroMemorySize = kMacroSlotSize * kMacroMemorySlots;
constexpr int kEventBytes = 3;
// Slot bytes that tell a used slot from an empty one.
constexpr int kSlotUsedProbe = 5;
// One time unit of pause, as the mouse reads it: Map, DataL, DataH.
constexpr quint8 kPause[kEventBytes] = {DelayEvent, 1, 0};

bool HasDelayEvent(const QVector<MacroEvent>& events)
{
    return std::any_of(events.begin(), events.end(),
                       [](const MacroEvent& e) { return e.Map == DelayEvent; });
}

bool IsMacroFunction(int fun) { return fun == kMacroFunction || fun == kGunFileFunction; }

} // namespace

int MacroSlotMap::find(const QString& name) const
{
    if (m_slots.isEmpty())
        return kMacroMapEmpty;
    for (auto it = m_slots.constBegin(); it != m_slots.constEnd(); ++it) {
        if (it.value() == name)
            return it.key();
    }
    return kMacroNotInMap;
}

int MacroSlotMap::assign(const QString& name)
{
    const int found = find(name);
    if (found != kMacroMapEmpty && found != kMacroNotInMap)
        return found;
    // Without removals the lowest free slot is the entry count; after one it must not overwrite a slot.
    int slot = 0;
    while (m_slots.contains(slot))
        ++slot;
    m_slots.insert(slot, name);
    return slot;
}

void MacroSlotMap::removeFirst(const QString& name)
{
    for (auto it = m_slots.begin(); it != m_slots.end(); ++it) {
        if (it.value() == name) {
            m_slots.erase(it);
            return;
        }
    }
}

int FindMacroSlot(const MacroSlotMap& map, const QString& name) { return map.find(name); }

int AssignMacroSlot(MacroSlotMap& map, const QString& name) { return map.assign(name); }

bool MacroFitsSlot(const QVector<MacroEvent>& events)
{
    const int limit = HasDelayEvent(events) ? kMaxMacroEventsWithDelays : kMaxMacroEventsWithoutDelays;
    return events.size() <= limit;
}

MacroSlotBytes EncodeMacroSlot(const QVector<MacroEvent>& events)
{
    if (!MacroFitsSlot(events))
        return EncodeMacroSlot(QVector<MacroEvent>());

    MacroSlotBytes slot{};
    int pos = 0;
    auto put = [&slot, &pos](quint8 map, quint8 dataL, quint8 dataH) {
        slot[pos] = map;
        slot[pos + 1] = dataL;
        slot[pos + 2] = dataH;
        pos += kEventBytes;
    };
    auto putPause = [&put]() { put(kPause[0], kPause[1], kPause[2]); };

    if (HasDelayEvent(events)) {
        for (const MacroEvent& e : events)
            put(e.Map, e.DataL, e.DataH);
        return slot;
    }

    // Without recorded delays the mouse would play the events back to back: a pause
    // follows every fourth event and the last one.
    const int n = events.size();
    for (int j = 0; j < n; ++j) {
        put(events[j].Map, events[j].DataL, events[j].DataH);
        if (j % 4 == 3)
            putPause();
    }
    putPause();
    // Pauses sit at every fifth position; when the one after the closing pause is such a
    // position it keeps its pause, otherwise it stays zero.
    if ((n + n / 4 + 1) % 5 == 4)
        putPause();
    return slot;
}

MacroUploadPlan BuildMacroUpload(const SettingsRecord& image, MacroSlotMap& map)
{
    MacroUploadPlan plan;
    std::array<quint8, kMacroMemorySize> memory{};

    for (const ProfileRecord& profile : image.profiles) {
        for (const ButtonRecord& button : profile.BUTTON_INFO) {
            if (!IsMacroFunction(button.Fun))
                continue;
            const int slot = map.find(button.macroname);
            // Not referenced by the button block, or already placed.
            if (slot == kMacroMapEmpty || slot == kMacroNotInMap)
                continue;
            if (slot < 0 || slot >= kMaxMacroSlots) {
                qDebug("iIndex>=MAX_MACRO_NUMBER_560\n");
                plan.reports.clear();
                plan.tooManyMacros = true;
                return plan;
            }
            const QVector<MacroEvent> events =
                ReadMacroEventsRaw(button.macroname, kMaxMacroEventsWithDelays + 1);
            if (!MacroFitsSlot(events))
                plan.tooLongMacros.append(button.macroname);
            const MacroSlotBytes bytes = EncodeMacroSlot(events);
            std::copy(bytes.begin(), bytes.end(), memory.begin() + slot * kMacroSlotSize);
            ++plan.macrosEncoded;
            map.removeFirst(button.macroname);
        }
    }

    bool sent = false;
    for (int k = 0; k < kMacroMemorySlots; ++k) {
        const auto slotBegin = memory.begin() + k * kMacroSlotSize;
        if (std::all_of(slotBegin, slotBegin + kSlotUsedProbe, [](quint8 b) { return b == 0; }))
            continue;
        for (int i = 0; i < kMacroPacketsPerSlot; ++i) {
            const int offset = k * kMacroSlotSize + i * kMacroPacketData;
            const quint8 tag = (k == 0 && i == 0) ? kTagFirst : kTagNext;
            Report r = MakeReport(Command::MacroBlock, quint8(offset & 0xFF), quint8(offset >> 8),
                                  quint8(kMacroPacketData), tag);
            std::copy(memory.begin() + offset, memory.begin() + offset + kMacroPacketData,
                      r.begin() + kReportDataOffset);
            plan.reports.append(r);
        }
        sent = true;
    }
    if (sent) {
        Report close = MakeReport(Command::MacroBlock, quint8(kMacroCloseOffset & 0xFF),
                                  quint8(kMacroCloseOffset >> 8), 1, kTagClose);
        close[kReportDataOffset] = 0x1A;
        plan.reports.append(close);
    }
    return plan;
}
