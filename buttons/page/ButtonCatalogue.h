#pragma once

#include <QString>
#include <QVector>

struct ButtonRecord;

// The functions a mouse button can be given, in menu order, with the code each stores.
// QtCore only, so the command-line tool lists and names functions the same way.
class ButtonCatalogue
{
public:
    // What choosing an entry does beyond storing its code.
    enum Kind { Plain, Macro, GunFile, SingleKey, ComboKey, FireKey, Sniper };
    enum Group { Basic, Windows, Advance, Media, Dpi, ProfileMenu, PollingRate, GroupCount };

    struct Entry
    {
        int code;
        const char* text;     // translatable, context "QObject"
        Kind kind;
        Group group;
    };

    static constexpr int kSingleKeyCode = 6;
    static constexpr int kComboKeyCode = 7;
    static constexpr int kFireKeyCode = 12;
    static constexpr int kLedSwitchCode = 54;
    static constexpr int kSniperCode = 55;
    static constexpr int kLeftCode = 1;

    // Every entry in menu order, whatever the product offers.
    static const QVector<Entry>& Entries();
    // The entries a product offers: no macros with DisableMacro, no lighting switch with ledDisable.
    static QVector<Entry> OfferedEntries(bool disableMacro, bool ledDisable);
    static const Entry* FindCode(int code);
    static const char* GroupTitle(Group group);   // translatable, context "QObject"; null outside the groups

    // The caption of a button's function: the key of a single key, the name of a macro,
    // the entry's text, or the bare number of a code the catalogue does not know.
    static QString FunctionText(const ButtonRecord& button);
    static QString EntryText(const Entry& entry);
};
