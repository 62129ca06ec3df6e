#pragma once

#include <QString>
#include <QVector>

struct ButtonRecord;

// The parameter dialogs the button page opens, behind one interface so the page can be
// driven without modal windows. Each returns true when the user accepted.
class ButtonDialogs
{
public:
    ButtonDialogs() = default;
    virtual ~ButtonDialogs() = default;
    Q_DISABLE_COPY(ButtonDialogs)

    // preset: the stored key code when the button already holds a single key, else -1.
    virtual bool singleKey(int preset, int& code) = 0;
    // preset: the button when it already holds a combination, else an empty record.
    // codes: the captured keys in slot order (Shift, Ctrl, Windows, Alt, key), key numbering.
    virtual bool comboKey(const ButtonRecord& preset, QVector<int>& codes) = 0;
    // preset: the button when it already holds a fire key, else an empty record.
    // kind 0 left, 1 right, 2 middle, 3 keyboard key (keyCode in key numbering); delay in ms.
    virtual bool fireKey(const ButtonRecord& preset, int& kind, int& keyCode, int& times, int& delay) = 0;
    // preset: the stored sniper step when the button already holds one, else -1.
    virtual bool sniper(int preset, int& step) = 0;
    // name, loops and mode come in as the preset and go out as the choice.
    virtual bool macroSelect(bool gun, QString& name, int& loops, int& mode) = 0;
};
