// The windows name the font families of their original platform. This maps
// each to an installed family, so "宋体" renders as a Ming face and so on.
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Installs the substitutions for the whole application; call once at start-up,
// after the QApplication exists.
void InstallFontSubstitutions();

// A font of `family` at `pixelSize` pixels (character height at 96 dpi).
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

}  // namespace platform
