#pragma once

#include "StoredColor.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

// Process-wide user-interface values that every widget reads: the scale factor,
// the accent colour, the interface font, skin paths and the connected-mouse count.

constexpr int kScaleFactorCount = 17;         // 1.0, 1.25 ... 5.0

// The factor of the scale table for a screen's logical DPI; *index receives its row 0..16.
double ScaleFactorForDpi(double logicalDpi, int* index = nullptr);
// The factor for the primary screen (1.0 without a screen).
double ScaleFactorForPrimaryScreen(int* index = nullptr);

double UiScale();
int UiScaleIndex();
// Snaps to the nearest table factor; anything non-finite reads as 1.0.
void SetUiScale(double scale);

int Scaled(int value);                        // value * scale, truncated
QRect ScaledRect(int x, int y, int width, int height);

QColor AccentQColor();                        // Config/GColorID, out of range reads as index 0
QString AccentCss();                          // "rgb(r,g,b)"

// FONT_<LangID> at FONT_SIZE_<LangID> * scale pixels, with the application font and 12 px
// standing in for a missing or absurd entry.
QFont InterfaceFont();

QString SkinPath(const QString& relative);    // <app>/skin/<relative>
QPixmap SkinPixmap(const QString& relative);  // null when the file is missing

// The descriptor's PROFILE/ColorMode as the main window read it: non-zero selects
// the painted look of the push buttons.
int ColorMode();
void SetColorMode(int mode);

// Number of supported mice connected, kept by the main window; 0 before it exists.
int ConnectedMouseCount();
void SetConnectedMouseCount(int count);

// Exact conversions through QColor's stream form: spec and all components survive.
QColor ToQColor(const StoredColor& color);
StoredColor FromQColor(const QColor& color);
