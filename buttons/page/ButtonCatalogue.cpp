#include "ButtonCatalogue.h"

#include "KeyTables.h"
#include "SettingsRecord.h"

#include <QCoreApplication>

namespace {

QVector<ButtonCatalogue::Entry> BuildEntries()
{
    using C = ButtonCatalogue;
    return {
        {1, QT_TRANSLATE_NOOP("QObject", "Left"), C::Plain, C::Basic},
        {2, QT_TRANSLATE_NOOP("QObject", "Right"), C::Plain, C::Basic},
        {3, QT_TRANSLATE_NOOP("QObject", "Middle"), C::Plain, C::Basic},
        {4, QT_TRANSLATE_NOOP("QObject", "Forward"), C::Plain, C::Basic},
        {5, QT_TRANSLATE_NOOP("QObject", "Back"), C::Plain, C::Basic},
        {16, QT_TRANSLATE_NOOP("QObject", "Button Off"), C::Plain, C::Basic},
        {kMacroFunction, QT_TRANSLATE_NOOP("QObject", "Macro Manager"), C::Macro, C::Basic},
        {kGunFileFunction, QT_TRANSLATE_NOOP("QObject", "GunFile Manager"), C::GunFile, C::Basic},
        {C::kLedSwitchCode, QT_TRANSLATE_NOOP("QObject", "Led Switch"), C::Plain, C::Basic},
        // The wheel functions have no title of their own; they sit with the mouse buttons.
        {52, QT_TRANSLATE_NOOP("QObject", "Scroll Up"), C::Plain, C::Basic},
        {53, QT_TRANSLATE_NOOP("QObject", "Scroll Down"), C::Plain, C::Basic},

        {17, QT_TRANSLATE_NOOP("QObject", "Cut"), C::Plain, C::Windows},
        {18, QT_TRANSLATE_NOOP("QObject", "Copy"), C::Plain, C::Windows},
        {19, QT_TRANSLATE_NOOP("QObject", "Paste"), C::Plain, C::Windows},
        {20, QT_TRANSLATE_NOOP("QObject", "All"), C::Plain, C::Windows},
        {21, QT_TRANSLATE_NOOP("QObject", "Find"), C::Plain, C::Windows},
        {22, QT_TRANSLATE_NOOP("QObject", "New"), C::Plain, C::Windows},
        {23, QT_TRANSLATE_NOOP("QObject", "Print"), C::Plain, C::Windows},
        {24, QT_TRANSLATE_NOOP("QObject", "Save"), C::Plain, C::Windows},
        {25, QT_TRANSLATE_NOOP("QObject", "Switch Window"), C::Plain, C::Windows},
        {26, QT_TRANSLATE_NOOP("QObject", "Close Window"), C::Plain, C::Windows},
        {27, QT_TRANSLATE_NOOP("QObject", "My Computer"), C::Plain, C::Windows},
        {28, QT_TRANSLATE_NOOP("QObject", "Run"), C::Plain, C::Windows},
        {29, QT_TRANSLATE_NOOP("QObject", "Show Desktop"), C::Plain, C::Windows},
        {30, QT_TRANSLATE_NOOP("QObject", "Lock PC"), C::Plain, C::Windows},
        {31, QT_TRANSLATE_NOOP("QObject", "Browser Home"), C::Plain, C::Windows},
        {32, QT_TRANSLATE_NOOP("QObject", "Browser Backward"), C::Plain, C::Windows},
        {33, QT_TRANSLATE_NOOP("QObject", "Browser Forward"), C::Plain, C::Windows},
        {34, QT_TRANSLATE_NOOP("QObject", "Browser Stop"), C::Plain, C::Windows},
        {35, QT_TRANSLATE_NOOP("QObject", "Browser Refresh"), C::Plain, C::Windows},
        {36, QT_TRANSLATE_NOOP("QObject", "Browser Search"), C::Plain, C::Windows},
        {37, QT_TRANSLATE_NOOP("QObject", "Browser Favorite"), C::Plain, C::Windows},
        {38, QT_TRANSLATE_NOOP("QObject", "Mail"), C::Plain, C::Windows},
        {62, QT_TRANSLATE_NOOP("QObject", "Boss Key"), C::Plain, C::Windows},

        {C::kSingleKeyCode, QT_TRANSLATE_NOOP("QObject", "SINGLE KEY"), C::SingleKey, C::Advance},
        {C::kComboKeyCode, QT_TRANSLATE_NOOP("QObject", "COMBO KEY"), C::ComboKey, C::Advance},
        {C::kFireKeyCode, QT_TRANSLATE_NOOP("QObject", "FIRE KEY"), C::FireKey, C::Advance},
        {C::kSniperCode, QT_TRANSLATE_NOOP("QObject", "SNIPER"), C::Sniper, C::Advance},

        {39, QT_TRANSLATE_NOOP("QObject", "Play/Pause"), C::Plain, C::Media},
        {40, QT_TRANSLATE_NOOP("QObject", "Stop"), C::Plain, C::Media},
        {41, QT_TRANSLATE_NOOP("QObject", "Previous Track"), C::Plain, C::Media},
        {42, QT_TRANSLATE_NOOP("QObject", "Next Track"), C::Plain, C::Media},
        {43, QT_TRANSLATE_NOOP("QObject", "Volume Up"), C::Plain, C::Media},
        {44, QT_TRANSLATE_NOOP("QObject", "Volume Down"), C::Plain, C::Media},
        {45, QT_TRANSLATE_NOOP("QObject", "Mute"), C::Plain, C::Media},
        {46, QT_TRANSLATE_NOOP("QObject", "Media Player"), C::Plain, C::Media},

        {47, QT_TRANSLATE_NOOP("QObject", "DPI Switch"), C::Plain, C::Dpi},
        {48, QT_TRANSLATE_NOOP("QObject", "DPI +"), C::Plain, C::Dpi},
        {49, QT_TRANSLATE_NOOP("QObject", "DPI -"), C::Plain, C::Dpi},

        {59, QT_TRANSLATE_NOOP("QObject", "Profile Switch"), C::Plain, C::ProfileMenu},
        {57, QT_TRANSLATE_NOOP("QObject", "Profile +"), C::Plain, C::ProfileMenu},
        {58, QT_TRANSLATE_NOOP("QObject", "Profile -"), C::Plain, C::ProfileMenu},

        {63, QT_TRANSLATE_NOOP("QObject", "Rate Switch"), C::Plain, C::PollingRate},
        {50, QT_TRANSLATE_NOOP("QObject", "Rate +"), C::Plain, C::PollingRate},
        {51, QT_TRANSLATE_NOOP("QObject", "Rate -"), C::Plain, C::PollingRate},
    };
}

} // namespace

const QVector<ButtonCatalogue::Entry>& ButtonCatalogue::Entries()
{
    static const QVector<Entry> entries = BuildEntries();
    return entries;
}

QVector<ButtonCatalogue::Entry> ButtonCatalogue::OfferedEntries(bool disableMacro, bool ledDisable)
{
    QVector<Entry> offered;
    for (const Entry& entry : Entries()) {
        if (disableMacro && entry.kind == Macro)
            continue;
        if (ledDisable && entry.code == kLedSwitchCode)
            continue;
        offered.append(entry);
    }
    return offered;
}

const ButtonCatalogue::Entry* ButtonCatalogue::FindCode(int code)
{
    for (const Entry& entry : Entries()) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

const char* ButtonCatalogue::GroupTitle(Group group)
{
    switch (group) {
    case Basic:
        return QT_TRANSLATE_NOOP("QObject", "Basic");
    case Windows:
        return QT_TRANSLATE_NOOP("QObject", "Windows");
    case Advance:
        return QT_TRANSLATE_NOOP("QObject", "Advance");
    case Media:
        return QT_TRANSLATE_NOOP("QObject", "Media");
    case Dpi:
        return QT_TRANSLATE_NOOP("QObject", "DPI");
    case ProfileMenu:
        return QT_TRANSLATE_NOOP("QObject", "Profile Menu");
    case PollingRate:
        return QT_TRANSLATE_NOOP("QObject", "Polling Rate");
    case GroupCount:
        break;
    }
    return nullptr;
}

QString ButtonCatalogue::EntryText(const Entry& entry)
{
    return QCoreApplication::translate("QObject", entry.text);
}

QString ButtonCatalogue::FunctionText(const ButtonRecord& button)
{
    const Entry* entry = FindCode(button.Fun);
    if (button.Fun == kSingleKeyCode) {
        const QString name = KeyName(button.Res1);
        if (!name.isEmpty())
            return name;
    } else if (button.Fun == kMacroFunction || button.Fun == kGunFileFunction) {
        if (!button.macroname.isEmpty())
            return button.macroname;
    }
    return entry ? EntryText(*entry) : QString::number(button.Fun);
}
