#include "KeyTables.h"

#include <atomic>
#include <iterator>

namespace {

struct KeyNameEntry
{
    int code;
    const char* name; // UTF-8
};

struct KeyUsageEntry
{
    int code;
    quint8 usage;
};

const KeyNameEntry kDefaultNames[] = {
    {1, "Esc"}, {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {7, "6"}, {8, "7"},
    {9, "8"}, {10, "9"}, {11, "0"}, {12, "-"}, {13, "="}, {14, "Backspace"}, {15, "Tab"},
    {16, "Q"}, {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"}, {21, "Y"}, {22, "U"}, {23, "I"},
    {24, "O"}, {25, "P"}, {26, "["}, {27, "]"}, {28, "Enter"}, {29, "LCtr"}, {30, "A"},
    {31, "S"}, {32, "D"}, {33, "F"}, {34, "G"}, {35, "H"}, {36, "J"}, {37, "K"}, {38, "L"},
    {39, ";"}, {40, "'"}, {41, "`"}, {42, "LShift"}, {43, "\\"}, {44, "Z"}, {45, "X"},
    {46, "C"}, {47, "V"}, {48, "B"}, {49, "N"}, {50, "M"}, {51, ","}, {52, "."}, {53, "/"},
    {54, "RShift"}, {55, "Print Screen"}, {56, "LAlt"}, {57, "Space"}, {58, "CapsLock"},
    {59, "F1"}, {60, "F2"}, {61, "F3"}, {62, "F4"}, {63, "F5"}, {64, "F6"}, {65, "F7"},
    {66, "F8"}, {67, "F9"}, {68, "F10"}, {69, "Pause Break"}, {70, "Scroll Lock"},
    {71, "Home"}, {72, "Up"}, {73, "Page Up"}, {74, "Num -"}, {75, "Left"}, {76, "Num 5"},
    {77, "Right"}, {78, "Num +"}, {79, "End"}, {80, "Down"}, {81, "Page Down"},
    {82, "Insert"}, {83, "Delete"}, {87, "F11"}, {88, "F12"}, {91, "LWindows"},
    {92, "RWindows"}, {93, "App"}, {224, "Num De"}, {225, "Num Lock"}, {226, "Num /"},
    {227, "Num *"}, {228, "Num 9"}, {229, "Num Enter"}, {230, "Num 1"}, {231, "Num 2"},
    {232, "Num 3"}, {233, "Num 4"}, {234, "Num 6"}, {235, "Num 7"}, {236, "Num 8"},
    {237, "Num 0"}, {238, "RCtr"}, {239, "RAlt"}, {240, "Left Button"},
    {241, "Right Button"}, {242, "Middle Button"},
};

// Names for an AZERTY keyboard: the letter and digit row keys carry their French legends.
const KeyNameEntry kFrenchNames[] = {
    {1, "Echap"}, {2, "&"}, {3, "é"}, {4, "\""}, {5, "'"}, {6, "("}, {7, "-"}, {8, "è"},
    {9, "_"}, {10, "ç"}, {11, "à"}, {12, ")"}, {13, "="}, {14, "Ret.arr"}, {15, "Tab"},
    {16, "a"}, {17, "z"}, {18, "e"}, {19, "r"}, {20, "t"}, {21, "y"}, {22, "u"}, {23, "i"},
    {24, "o"}, {25, "p"}, {26, "^"}, {27, "$"}, {28, "Entree"}, {29, "LCtrl"}, {30, "q"},
    {31, "s"}, {32, "d"}, {33, "f"}, {34, "g"}, {35, "h"}, {36, "j"}, {37, "k"}, {38, "l"},
    {39, "m"}, {40, "ù"}, {41, "²"}, {42, "LShift"}, {43, "*"}, {44, "w"}, {45, "x"},
    {46, "c"}, {47, "v"}, {48, "b"}, {49, "n"}, {50, ","}, {51, ";"}, {52, ":"}, {53, "!"},
    {54, "RShift"}, {55, "Print Screen"}, {56, "LAlt"}, {57, "espace"}, {58, "Verr.maj"},
    {59, "F1"}, {60, "F2"}, {61, "F3"}, {62, "F4"}, {63, "F5"}, {64, "F6"}, {65, "F7"},
    {66, "F8"}, {67, "F9"}, {68, "F10"}, {69, "Pause Break"}, {70, "Scroll Lock"},
    {71, "Home"}, {72, "Up"}, {73, "Page Up"}, {74, "Num -"}, {75, "Left"}, {76, "Num 5"},
    {77, "Right"}, {78, "Num +"}, {79, "End"}, {80, "Down"}, {81, "Page Down"},
    {82, "Insert"}, {83, "Delete"}, {87, "F11"}, {88, "F12"}, {91, "LWindows"},
    {92, "RWindows"}, {93, "App"}, {224, "Num Del"}, {225, "Num Lock"}, {226, "Num /"},
    {227, "Num *"}, {228, "Num 9"}, {229, "Num Enter"}, {230, "Num 1"}, {231, "Num 2"},
    {232, "Num 3"}, {233, "Num 4"}, {234, "Num 6"}, {235, "Num 7"}, {236, "Num 8"},
    {237, "Num 0"}, {238, "RCtrl"}, {239, "RAlt"}, {240, "Left Button"},
    {241, "Right Button"}, {242, "Middle Button"},
};

static_assert(std::size(kDefaultNames) == 107, "default key name table has 107 entries");
static_assert(std::size(kFrenchNames) == 107, "French key name table has 107 entries");

const KeyUsageEntry kKeyUsage[] = {
    {30, 0x04}, {48, 0x05}, {46, 0x06}, {32, 0x07}, {18, 0x08}, {33, 0x09}, {34, 0x0A},
    {35, 0x0B}, {23, 0x0C}, {36, 0x0D}, {37, 0x0E}, {38, 0x0F}, {50, 0x10}, {49, 0x11},
    {24, 0x12}, {25, 0x13}, {16, 0x14}, {19, 0x15}, {31, 0x16}, {20, 0x17}, {22, 0x18},
    {47, 0x19}, {17, 0x1A}, {45, 0x1B}, {21, 0x1C}, {44, 0x1D}, {2, 0x1E}, {3, 0x1F},
    {4, 0x20}, {5, 0x21}, {6, 0x22}, {7, 0x23}, {8, 0x24}, {9, 0x25}, {10, 0x26},
    {11, 0x27}, {28, 0x28}, {1, 0x29}, {14, 0x2A}, {15, 0x2B}, {57, 0x2C}, {12, 0x2D},
    {13, 0x2E}, {26, 0x2F}, {27, 0x30}, {43, 0x31}, {39, 0x33}, {40, 0x34}, {41, 0x35},
    {51, 0x36}, {52, 0x37}, {53, 0x38}, {58, 0x39}, {59, 0x3A}, {60, 0x3B}, {61, 0x3C},
    {62, 0x3D}, {63, 0x3E}, {64, 0x3F}, {65, 0x40}, {66, 0x41}, {67, 0x42}, {68, 0x43},
    {87, 0x44}, {88, 0x45}, {55, 0x46}, {70, 0x47}, {69, 0x48}, {82, 0x49}, {71, 0x4A},
    {73, 0x4B}, {83, 0x4C}, {79, 0x4D}, {81, 0x4E}, {77, 0x4F}, {75, 0x50}, {80, 0x51},
    {72, 0x52}, {225, 0x53}, {226, 0x54}, {227, 0x55}, {74, 0x56}, {78, 0x57}, {229, 0x58},
    {230, 0x59}, {231, 0x5A}, {232, 0x5B}, {233, 0x5C}, {76, 0x5D}, {234, 0x5E},
    {235, 0x5F}, {236, 0x60}, {228, 0x61}, {237, 0x62}, {224, 0x63}, {93, 0x65},
    {42, 0xE1}, {29, 0xE0}, {91, 0xE3}, {56, 0xE2}, {239, 0xE6}, {92, 0xE7}, {238, 0xE4},
    {54, 0xE5},
};

static_assert(std::size(kKeyUsage) == 104, "key usage table has 104 pairs");

// Read by the profile write thread while the interface thread may switch the language.
std::atomic<int> g_frenchLanguageIndex{-1};
std::atomic<int> g_currentLanguageIndex{0};

} // namespace

void SetFrenchLanguageIndex(int index) { g_frenchLanguageIndex.store(index); }
void SetCurrentLanguageIndex(int index) { g_currentLanguageIndex.store(index); }
int FrenchLanguageIndex() { return g_frenchLanguageIndex.load(); }
int CurrentLanguageIndex() { return g_currentLanguageIndex.load(); }

QString KeyName(int code)
{
    const int french = FrenchLanguageIndex();
    const bool useFrench = french != -1 && french == CurrentLanguageIndex();
    for (const KeyNameEntry& entry : useFrench ? kFrenchNames : kDefaultNames) {
        if (entry.code == code)
            return QString::fromUtf8(entry.name);
    }
    return QString();
}

bool UsageFromCode(int code, quint8& usage)
{
    bool found = false;
    for (const KeyUsageEntry& entry : kKeyUsage) {
        if (entry.code == code) {
            usage = entry.usage;
            found = true;
        }
    }
    return found;
}

bool CodeFromUsage(int usage, int& code)
{
    bool found = false;
    for (const KeyUsageEntry& entry : kKeyUsage) {
        if (entry.usage == usage) {
            code = entry.code;
            found = true;
        }
    }
    return found;
}

int KeyUsagePairCount() { return int(std::size(kKeyUsage)); }
