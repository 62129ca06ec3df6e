#pragma once

#include <QStringList>

// The stored profiles of one product: PROFILE_LIST in Configs/<product>/Config.ini.
// Adding a profile refuses at this many (the profile-list menu's capacity); a longer list an
// older or hand-edited file holds is still loaded and saved whole.
constexpr int kMaxStoredProfiles = 200;
// However large its Count, a file never makes the list longer than this.
constexpr int kMaxLoadedProfiles = 10000;

// Count <= 0 gives an empty list. Entries 1..Count are read, a missing one as an empty name; past
// kMaxStoredProfiles only up to the last entry the file holds, and never past kMaxLoadedProfiles.
QStringList LoadProfileList(const QString& product);
// Writes Count and every name; refuses a list longer than kMaxLoadedProfiles.
bool SaveProfileList(const QString& product, const QStringList& names);
