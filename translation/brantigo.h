// The old Portuguese Braille code: Windows-1252 text -> internal Braille code
// (one byte per cell, before the printer code table).
#pragma once

#include <string>
#include <string_view>

// Lowered digits of the old code, digit 0 to 9 (ordinals and numerators).
inline constexpr std::string_view digitosRebaixadosAntigo{"},;:.?!){*", 10};

// Translates texto under the old code into resultado (cleared first; it may
// be the very string texto views). Reads textoEstrangeiro and reads and
// changes abreAspasAntigo; never fails, every byte is consumed or copied.
void traduzAntigo(std::string_view texto, std::string& resultado);
std::string traduzAntigo(std::string_view texto);
