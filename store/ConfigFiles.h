#pragma once

#include "SettingsRecord.h"

#include <QString>

class QSettings;

// Load and save sequences of the settings record, the profile files (section PROFILE),
// and the exported configuration. Every call opens its files anew.

// Config.ini's Config keys and the five profile files named by Config/Profile1..5,
// then the descriptor's button matrix. Missing files load as zeros, as does a profile
// whose name would leave the Profile folder.
void LoadSettings(SettingsRecord& record);
// Config keys (Config/Profile1 among the names) and the five slots' profile files. False
// when a file could not be written or a slot name would leave its folder. Only what
// changed is written: Config keys that already read back as their values, and a profile
// file whose bytes are still those this process last saved or loaded for the same
// record, are left alone; a file another program changed, removed or replaced is written.
bool SaveSettings(const SettingsRecord& record);

void LoadProfileFile(ProfileRecord& profile, const QString& path);
bool SaveProfileFile(const ProfileRecord& profile, const QString& path);
bool WriteDefaultProfileFile();
bool SaveActiveDpiLevel(const QString& name, int level);

// Exported configuration: MouseName, Config and PROFILE_0..PROFILE_4. The target is
// written afresh (an existing file at the path is replaced).
bool ExportConfiguration(const QString& path, const SettingsRecord& record, const QString& productName);
bool ExportConfiguration(const QString& path);        // CurrentSettings, Config/CurrentProductName
void ImportConfiguration(const QString& path, SettingsRecord& record);
void ImportConfiguration(const QString& path);        // into CurrentSettings

QString ReadMouseName(const QString& path);
bool WriteMouseName(const QString& path, const QString& name);

// A profile name can be used as a file name: it stays inside its folder. The empty
// name is allowed here, since imported configurations carry no names.
bool IsProfileFileNameSafe(const QString& name);

// The profile-file keys of one profile, below a group ("PROFILE" or "PROFILE_3").
void WriteProfileKeys(QSettings& ini, const QString& group, const ProfileRecord& profile, bool withLedTimers);
void ReadProfileKeys(QSettings& ini, const QString& group, ProfileRecord& profile, bool withLedTimers);
