// Braille on screen: every printer-code byte is drawn as the cell the
// embosser makes of it, as a Unicode Braille pattern (U+2800 + dot mask) in a
// font that has them all. No Braille font of the embosser's maker is needed.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace braillequt {

// The family that draws the Braille patterns.
inline constexpr const char* familiaBraille = "DejaVu Sans";

// The Braille pattern of one printer-code byte: six dots only, since dots 7
// and 8 are never embossed.
QChar celulaNaTela(unsigned char codigoImpressora);

// Printer-code bytes -> one Braille pattern per byte (a blank byte is the
// empty cell, so columns stay aligned).
QString brailleParaTela(std::string_view codigoImpressora);

// The screen Braille font at a pixel height, bold or not.
QFont fonteBraillePixels(int pixels, bool negrito);
// The same at a point size.
QFont fonteBraillePontos(int pontos, bool negrito);

}  // namespace braillequt
