#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QTextStream>

struct ProfileRecord;
struct SettingsRecord;

// mousecfgctl's button assignments, with the rules the button page applies.

// set ... button B FUNCTION [ARGS]: gives record B (the product's buttons, wheel-up,
// wheel-down) of profile `slot` a catalogue function through the session. True with `done`
// set; false with `error` set and the record untouched. `reachesMouse` as the session says.
bool ButtonSetEdit(int slot, const QStringList& values, QString& done, QString& error, bool& reachesMouse);

// The 42 button records of a profile for show --json, and as lines for the text form.
QJsonArray ButtonsJson(const ProfileRecord& profile);
void ShowButtonsText(const ProfileRecord& profile, QTextStream& out);

// The forms `set ... button` takes, for the tool's help text.
QString ButtonSetHelp();
