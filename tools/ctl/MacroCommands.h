#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// mousecfgctl's macro commands, on the macro list and macro files of the application directory:
//   list | show NAME | import FILE... | export NAME FILE | delete NAME | rename OLD NEW |
//   gun NAME SHOT...  (a shot as DELAY_MS,VERTICAL,HORIZONTAL)
// The macro page's rules hold: at most 50 macros, a taken name gets "_2", "_3" ..., and a name
// must stay a file name inside the macro folder. A refused command changes nothing.
// Exit codes: 0 done, 1 a file could not be written, 2 bad usage or refused.
int MacroCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The macro commands, one per line, for the tool's help text.
QString MacroCommandHelp();
