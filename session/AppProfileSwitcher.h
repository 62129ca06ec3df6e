#pragma once

#include "AppRules.h"
#include "FrontWindowSource.h"
#include "MouseSession.h"

#include <functional>

// Profiles that follow the program in front: the stored rules, their edits, and the switch
// made when another window comes to the front.
class AppProfileSwitcher
{
public:
    // Makes the slot active and writes it; true when the mouse took it.
    using SlotWriter = std::function<bool(int slot)>;
    // Without a writer the session selects the slot and applies.
    explicit AppProfileSwitcher(SlotWriter writer = {});

    // The slot for the window: the first rule naming either WM_CLASS part or the executable
    // (without case), else the default; -1 leaves the active slot as it is.
    static int MatchSlot(const QVector<AppRule>& rules, int defaultSlot, const FrontWindow& window);

    // Edits of the stored rules. A program named again takes the new slot.
    static EditResult AddRule(const QString& match, int slot);
    static bool RemoveRule(const QString& match);  // false: no such rule
    static EditResult SetDefault(int slot);        // -1: leave the slot as it is

    // Another window is in front: at most one write per change. A slot picked by hand in
    // between stays, since only a change of the window in front switches. Returns the slot
    // written, or -1.
    int frontWindowChanged(const FrontWindow& window);
    // A switch the writer could not make (a write under way, no mouse, the mouse asleep)
    // waits: the window in front announced again makes it.
    bool waiting() const { return m_waiting; }

private:
    SlotWriter m_writer;
    quint32 m_lastWindow = 0;
    bool m_seen = false;
    bool m_waiting = false;
};
