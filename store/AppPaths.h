#pragma once

#include <QString>

// The shipped read-only files (descriptor, skin, translations, DefaultConfig.ini) are
// addressed from the application directory: MOUSECFG_APP_DIR when set; else the
// executable's directory when it holds the descriptor (the build folder, a portable
// copy); else the data directory of the executable's installation (<prefix>/share/mousecfg).
QString AppDir();

// Configs/ lives in the application directory for MOUSECFG_APP_DIR and for a build folder
// or portable copy that can be written; an installation is never written, its user's
// Configs/ tree is $XDG_CONFIG_HOME/mousecfg (default ~/.config/mousecfg).
bool ConfigsInAppDir();
QString UserConfigsDir();                       // $XDG_CONFIG_HOME/mousecfg

QString DescriptorPath();                       // <app>/DefaultProfile.bin
QString ShippedConfigPath();                    // <app>/DefaultConfig.ini: the shipped read-only Config.ini keys
QString ConfigsDir();                           // <app>/Configs or UserConfigsDir()
QString ConfigIniPath();                        // <configs>/Config.ini
QString LangConfigPath();                       // <configs>/LangConfig.ini
QString ProfileDir();                           // <configs>/Profile/
QString ProfileFilePath(const QString& name);   // <configs>/Profile/<name>.prof
QString DefaultProfileFilePath();               // <configs>/Profile/DefaultProfile.prof
QString ProductConfigPath(const QString& product);            // <configs>/<product>/Config.ini
QString ProductProfileFilePath(const QString& product, const QString& name);
QString MacroFolder();                          // <configs>/MacroDB/
QString MacroFilePath(const QString& name);     // <configs>/MacroDB/<name>.MSMACRO

// A name that is used as a file name must stay inside its folder: not empty,
// no path separators, not "." or "..", no control characters.
bool IsSafeFileName(const QString& name);
