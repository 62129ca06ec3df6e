#pragma once

#include <QString>
#include <QStringList>

// The macro list of Config.ini: MACRO_LIST/0 .. MACRO_LIST/49, one name per key, an empty
// value marks a free key, and the key order is the order the user sees.
constexpr int kMaxMacros = 50;

// The non-empty names in key order.
QStringList MacroNames();
int CountMacroNames();
bool ContainsMacroName(const QString& name);
// Stores name under the first free key and returns that key's index; -1 when the list is
// full or the name could not serve as a file name. Duplicates are not checked.
int AddMacroName(const QString& name);
// Empties the first key holding name; false when none does.
bool RemoveMacroName(const QString& name);
// Every key holding oldName is given newName; false when none does or newName is unsafe.
bool RenameMacroName(const QString& oldName, const QString& newName);
// base, else base_2, base_3 ... : the first one not in the list.
QString UniqueMacroName(const QString& base);
