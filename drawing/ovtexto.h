// Print letters as dots: a text of Windows-1252 bytes drawn on tela in a fixed
// 5 by 7 dot font, each character in a cell six dots wide (a gap column and
// five glyph columns), in one of three directions. Accented letters are a
// base letter with an accent glyph drawn over (or, for the cedilla, under) it.
// Every dot goes through plotaPonto with the value 1, so the pen size and the
// pattern apply and the screen follows.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orvento {

inline constexpr int primeiroGlifo = 30;  // glyph 30 is the acute accent, 31 the diaeresis
inline constexpr int ultimoGlifo = 126;
inline constexpr int linhasGlifo = 7;
inline constexpr int larguraCelulaTexto = 6;

// The glyphs of codes 30..126, seven row bytes from the top; bit 4 is the
// leftmost of the five columns.
using TGlifo = std::array<unsigned char, linhasGlifo>;
extern const std::array<TGlifo, ultimoGlifo - primeiroGlifo + 1> fonte5x7;

// For the codes 192..255: the base letter and the accent glyph (32 for none).
extern const std::array<unsigned char, 64> acentosBase;
extern const std::array<unsigned char, 64> acentosSinal;

// The text directions (the radio items "&Para a direita", "&Para Cima",
// "&Para Baixo").
enum DirecaoTexto : int { paraDireita = 0, paraCima = 1, paraBaixo = 2 };

// Draws glyph codigo (30..126; any other draws nothing) in the character cell
// `posicao` of a text anchored at (x0, y0), its rows moved by deslocamento
// (positive goes down the glyph). Direction 0: the glyph's bottom row lies on
// y0 - 1, columns x0 + 6 posicao + 1 .. + 5; 1 and 2 turn that a quarter turn
// counter-clockwise and clockwise about (x0, y0).
void desenhaCaractere(int codigo, int deslocamento, int x0, int y0, int direcao,
                      std::int64_t posicao);

// Draws the text (Windows-1252 bytes) at the dot (x0, y0) in direction 0, 1
// or 2, one cell per byte: control bytes, 127..191 and unlisted accented
// codes give a blank cell; "g", "j", "p", "q", "y" sit one row lower. Dots off
// the canvas are dropped. textoDigitado is left to the caller. False, with
// nothing drawn, for a direction outside 0..2.
bool desenhaTexto(std::string_view texto, int x0, int y0, int direcao);

}  // namespace orvento
