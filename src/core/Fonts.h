#pragma once

#include <QFont>

// Registers Tahoma from the fonts-wine package when present (fontconfig does not list it).
void LoadApplicationFonts();
// Tahoma at a point size (drawn surfaces are 96 dpi, so 10 pt is 13.33 px), falling back to sans.
QFont TahomaFont(double pointSize, bool bold = false);
QFont TahomaPixelFont(int pixelSize, bool bold = false);
// The heaviest sans face available, for titles.
QFont HeavyFont(double pointSize);
