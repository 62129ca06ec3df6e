#pragma once

#include <QString>

// Every file the program reads or writes is addressed from the application
// directory: the executable's directory, unless MOUSECFG_APP_DIR names another.
QString AppDir();

QString DescriptorPath();                       // <app>/DefaultProfile.bin
QString ConfigsDir();                           // <app>/Configs
QString ConfigIniPath();                        // <app>/Configs/Config.ini
QString LangConfigPath();                       // <app>/Configs/LangConfig.ini
QString ProfileDir();                           // <app>/Configs/Profile/
QString ProfileFilePath(const QString& name);   // <app>/Configs/Profile/<name>.prof
QString DefaultProfileFilePath();               // <app>/Configs/Profile/DefaultProfile.prof
QString ProductConfigPath(const QString& product);            // <app>/Configs/<product>/Config.ini
QString ProductProfileFilePath(const QString& product, const QString& name);
QString MacroFolder();                          // <app>/Configs/MacroDB/
QString MacroFilePath(const QString& name);     // <app>/Configs/MacroDB/<name>.MSMACRO

// A name that is used as a file name must stay inside its folder: not empty,
// no path separators, not "." or "..", no control characters.
bool IsSafeFileName(const QString& name);
