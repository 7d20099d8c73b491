// The unified-code converter: one fragment of Portuguese text (Windows-1252)
// into internal Braille code, one byte per cell, in a single left-to-right
// pass. Also the pieces the old-code converter shares with it, and the
// drawing program's build of the same converter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Translates one text fragment into internal Braille code under the unified
// code; resultado is cleared first (it may hold the text itself). Reads
// textoEstrangeiro, reads and changes abreAspasIngles and parentesesAberto.
void traduzUnificado(std::string_view texto, std::string& resultado);
std::string traduzUnificado(std::string_view texto);

// The drawing program's build: no English variants, the letter sign after a
// number only before a..e, its own bracket state cleared at every call (the
// editor's globals are neither read nor changed), and a single leading blank
// dropped unless the text is just that blank.
void traduzUnificadoDesenho(std::string_view texto, std::string& resultado);
std::string traduzUnificadoDesenho(std::string_view texto);

// ---------------------------------------------------------------------------
// Pieces both converters use. Positions p count from 0 and are moved past
// what the piece consumed; every piece appends to r and reads nothing
// outside s.

// Lowered digits of the unified code ("0".."9"), for ordinals and numerators.
inline constexpr std::string_view digitosRebaixadosUnificado{"},;:/?!=\"*", 10};

// A capital that may open or continue a word in capitals: letrasMaiusculas
// less "×" and "ß", which keep their own meanings.
bool maiusculaDePalavra(unsigned char c);

// Capitals at s[p] (maiusculaDePalavra holds): a word in capitals gives
// sinalPalavra and the run in lower case, plus "~" when marcaMinusculas is
// set and small letters follow directly; a single capital gives sinalLetra
// and the letter in lower case.
void traduzMaiusculas(std::string_view s, std::size_t& p, std::string& r,
                      std::string_view sinalLetra, std::string_view sinalPalavra,
                      bool marcaMinusculas);

// Lower-case run at s[p] (s[p] is in letrasMinusculas): the small letters
// and hyphens from p on, copied.
void copiaMinusculas(std::string_view s, std::size_t& p, std::string& r);

// Ordinal at the first digit s[p]: the digits followed by "ª", "º", "a.",
// "o.", "as." or "os." (and "°" when grauComoO) give the digits through
// digitosRebaixados and "a", "o", "as" or "os"; the point is dropped.
// Returns false, with p and r untouched, when no ordinal follows.
bool traduzOrdinal(std::string_view s, std::size_t& p, std::string& r,
                   std::string_view digitosRebaixados, bool grauComoO);

// Escaped number: s[p] is the backtick and s[p+1] a digit. Gives "#", the
// digits through digitosRebaixados and, after an optional "/", the digits
// that follow it as they are.
void traduzNumeroEscapado(std::string_view s, std::size_t& p, std::string& r,
                          std::string_view digitosRebaixados);
