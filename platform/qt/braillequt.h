// Braille on screen: every printer-code byte is drawn as the cell the
// embosser makes of it, as a Unicode Braille pattern (U+2800 + dot mask) in a
// font that has them all. No Braille font of the embosser's maker is needed.
// The caller gives the dot mask of each printer byte (the cell tables live
// above this layer).
#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <string_view>

namespace braillequt {

// Dot mask of each printer-code byte (dot 1 = 1 .. dot 6 = 32; bits 6 and 7
// are dots 7 and 8).
using TabelaPontos = std::array<unsigned char, 256>;

// The family that draws the Braille patterns.
inline constexpr const char* familiaBraille = "DejaVu Sans";

// The Braille pattern of one printer-code byte: six dots only, since dots 7
// and 8 are never embossed.
QChar celulaNaTela(unsigned char codigoImpressora, const TabelaPontos& pontos);

// Printer-code bytes -> one Braille pattern per byte (a blank byte is the
// empty cell, so columns stay aligned).
QString brailleParaTela(std::string_view codigoImpressora, const TabelaPontos& pontos);

// The screen Braille font at a pixel height, bold or not.
QFont fonteBraillePixels(int pixels, bool negrito);
// The same at a point size.
QFont fonteBraillePontos(int pontos, bool negrito);

}  // namespace braillequt
