#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// mousecfgctl's profile commands: the five slots and the product's stored profiles, each one
// call of the session core, as the window's profile controls make it:
//   list | add | copy | delete | rename NAME | pick NAME | import FILE | export FILE [--force] |
//   reset | reset-all
// with --slot N (1-5, default the active slot) and, where a slot's record changes, --write.
// Exit codes: 0 done, 1 a file could not be written or the mouse did not take it, 2 bad usage
// or refused (nothing changed), 3 no mouse found for --write (nothing changed).
int ProfileCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The profile commands, one per line, for the tool's help text.
QString ProfileCommandHelp();
