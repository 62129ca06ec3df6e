#pragma once

#include <QStringList>

// The stored profiles of one product: PROFILE_LIST in Configs/<product>/Config.ini.
constexpr int kMaxStoredProfiles = 200;

// Count <= 0 gives an empty list; the list never holds more than kMaxStoredProfiles names.
QStringList LoadProfileList(const QString& product);
bool SaveProfileList(const QString& product, const QStringList& names);
