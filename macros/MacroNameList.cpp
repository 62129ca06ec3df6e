#include "MacroNameList.h"

#include "AppPaths.h"
#include "IniFile.h"

#include <QSettings>

#include <array>

namespace {

QString NameKey(int index) { return QStringLiteral("MACRO_LIST/%1").arg(index); }

// All 50 keys, free ones as empty strings.
std::array<QString, kMaxMacros> ReadNameKeys()
{
    std::array<QString, kMaxMacros> names;
    std::unique_ptr<QSettings> ini = OpenIni(ConfigIniPath());
    for (int i = 0; i < kMaxMacros; ++i)
        names[i] = ini->value(NameKey(i)).toString();
    return names;
}

} // namespace

QStringList MacroNames()
{
    QStringList names;
    for (const QString& name : ReadNameKeys()) {
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

int CountMacroNames() { return MacroNames().size(); }

bool ContainsMacroName(const QString& name)
{
    return !name.isEmpty() && MacroNames().contains(name);
}

int AddMacroName(const QString& name)
{
    if (!IsSafeFileName(name))
        return -1;
    const std::array<QString, kMaxMacros> names = ReadNameKeys();
    for (int i = 0; i < kMaxMacros; ++i) {
        if (names[i].isEmpty()) {
            std::unique_ptr<QSettings> ini = OpenIni(ConfigIniPath());
            ini->setValue(NameKey(i), name);
            ini->sync();
            return ini->status() == QSettings::NoError ? i : -1;
        }
    }
    return -1;
}

bool RemoveMacroName(const QString& name)
{
    if (name.isEmpty())
        return false;
    const std::array<QString, kMaxMacros> names = ReadNameKeys();
    for (int i = 0; i < kMaxMacros; ++i) {
        if (names[i] == name) {
            std::unique_ptr<QSettings> ini = OpenIni(ConfigIniPath());
            ini->setValue(NameKey(i), QString());
            ini->sync();
            return ini->status() == QSettings::NoError;
        }
    }
    return false;
}

bool RenameMacroName(const QString& oldName, const QString& newName)
{
    if (oldName.isEmpty() || !IsSafeFileName(newName))
        return false;
    const std::array<QString, kMaxMacros> names = ReadNameKeys();
    std::unique_ptr<QSettings> ini;
    for (int i = 0; i < kMaxMacros; ++i) {
        if (names[i] == oldName) {
            if (!ini)
                ini = OpenIni(ConfigIniPath());
            ini->setValue(NameKey(i), newName);
        }
    }
    if (!ini)
        return false;
    ini->sync();
    return ini->status() == QSettings::NoError;
}

QString UniqueMacroName(const QString& base)
{
    const QStringList names = MacroNames();
    if (!names.contains(base))
        return base;
    // The list holds at most 50 names, so one of the next 50 suffixes is free.
    for (int n = 2; n <= kMaxMacros + 1; ++n) {
        const QString candidate = base + QStringLiteral("_%1").arg(n);
        if (!names.contains(candidate))
            return candidate;
    }
    return QString();
}
