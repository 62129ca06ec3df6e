#pragma once

#include <QString>
#include <QVector>

// Profiles that follow the application in front: which slot a program's windows make
// active, kept in Config.ini's [AppRules] group (Count, Class1.., Slot1.. with slots 0..4,
// Default: a slot for every other program, or -1 to leave the active one as it is).
struct AppRule
{
    QString match;  // a WM_CLASS part or an executable name, compared without case
    int slot = 0;   // 0..4
    bool operator==(const AppRule& o) const { return match == o.match && slot == o.slot; }
};

constexpr int kAppRuleLimit = 64;
constexpr int kLeaveSlotAsIs = -1;

// The stored rules in their order; rules with an empty name or a slot out of range are
// skipped, and no more than kAppRuleLimit are read.
QVector<AppRule> ReadAppRules();
int ReadAppRuleDefault();  // -1..4; anything else reads as -1
// Replaces the whole group; false when the file could not be written.
bool WriteAppRules(const QVector<AppRule>& rules, int defaultSlot);
