#pragma once

#include <QStringList>
#include <QTextStream>

// mousecfgctl's settings commands, run on the stored settings of the application directory.
// Exit codes as the tool's: 0 done, 1 the mouse did not take it (or a file could not be
// written), 2 bad usage or value, 3 no mouse found.

// show [--json] [--profile N]: the stored settings in words, or as one JSON object.
int ShowCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// set [--profile N] SETTING VALUE... [--write]: one DPI, report-rate, sensor or lighting
// setting stored as Apply stores it; with --write also written to the mouse.
int SetCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The settings `set` knows, one per line with its values, for the tool's help text.
QString SetCommandHelp();
