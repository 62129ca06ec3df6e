#pragma once

#include <QString>

// Brings a Configs/ tree up to the shipped defaults: the shipped read-only keys of
// Config.ini are merged in (an upgrade may change them), and a tree without profile
// names gets the descriptor's sensor options and the five default profiles. Settings
// the user made are kept; nothing is written when nothing differs. False, with the
// reason in *error, when a file cannot be written.
bool SeedConfigs(const QString& shippedConfigIni, QString* error = nullptr);

// A portable directory is laid out at build time; an installation's user tree
// (ConfigsInAppDir() false) is seeded from ShippedConfigPath() by every start.
bool PrepareConfigs(QString* error = nullptr);
