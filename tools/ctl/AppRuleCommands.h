#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// mousecfgctl's program rules: which profile a program's windows make active.
//   list | add CLASS SLOT | remove CLASS | default SLOT | none
// Exit codes: 0 done, 1 the file could not be written, 2 bad usage or refused.
int AppRuleCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The commands, one per line, for the tool's help text.
QString AppRuleCommandHelp();
