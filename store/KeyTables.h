#pragma once

#include <QString>
#include <QtGlobal>

// Key codes: PC scan codes (set 1) 1..93, 224..239 for keys whose scan code is
// shared with another key, 240..242 for the left, right and middle mouse button.
namespace KeyCodes {
constexpr int NumDel = 224, NumLock = 225, NumSlash = 226, NumStar = 227, Num9 = 228,
              NumEnter = 229, Num1 = 230, Num2 = 231, Num3 = 232, Num4 = 233, Num6 = 234,
              Num7 = 235, Num8 = 236, Num0 = 237, RCtrl = 238, RAlt = 239,
              LeftButton = 240, RightButton = 241, MiddleButton = 242;
}

// The French name table is in force while the descriptor's "french" index equals
// the current interface language; both are process-wide and set at start-up.
void SetFrenchLanguageIndex(int index);   // descriptor PROFILE/french, -1 = never
void SetCurrentLanguageIndex(int index);  // Config/LangID of LangConfig.ini
int FrenchLanguageIndex();
int CurrentLanguageIndex();

QString KeyName(int code);                          // empty for a code without a name
bool UsageFromCode(int code, quint8& usage);        // false: usage untouched
bool CodeFromUsage(int usage, int& code);           // false: code untouched
int KeyUsagePairCount();                            // 104
