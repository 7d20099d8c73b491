// Braille cells and the bytes that stand for them: the dot mask (dot 1 = 1 ..
// dot 6 = 32), the internal Braille code of the converters, the printer code
// table that maps it to the embosser's bytes, and its file (ambcode.cfg).
#pragma once

#include <array>
#include <string>
#include <string_view>

// Internal byte of each of the 64 cells, indexed by dot mask.
extern const std::array<unsigned char, 64> pontosParaBrailleAntigo;     // old code
extern const std::array<unsigned char, 64> pontosParaBrailleUnificado;  // unified code

// Dot mask of each printer-code byte; bits 6 and 7 are dots 7 and 8, which
// six-dot readers ignore.
extern const std::array<unsigned char, 256> codigoImpressoraParaPontos;

// Internal byte -> byte sent to the embosser.
using TTabelaImpressora = std::array<unsigned char, 256>;
extern TTabelaImpressora tabelaImpressora;

// The identity table.
TTabelaImpressora tabelaIdentidade();

// Loads `tabela` from a printer code file: the identity, patched by each
// "hh=hh" line. On failure shows "Configuração da impressora não achada " +
// path or "Configuração da impressora com erro na linha " + n and returns
// false; the lines before a bad one stay in the table.
bool carregaArquivoAmbCode(std::string_view caminho, TTabelaImpressora& tabela);

// Loads tabelaImpressora from ambCode (old code) or ambCode2 (unified code).
bool carregaTabelaImpressora();

// The byte two hexadecimal digits spell, high digit first (either case).
unsigned char hexParaByte(unsigned char alto, unsigned char baixo);
// True when c is 0-9, A-F or a-f.
bool ehDigitoHex(unsigned char c);

// Lower case as the converters need it: A-Z and bytes 192..223 get 32 added
// (so 215 becomes 247 and 223 becomes 255); every other byte is unchanged.
unsigned char minuscula(unsigned char c);

// "A".."Z" with bytes 192..223, and "a".."z" with bytes 224..255.
bool letrasMaiusculas(unsigned char c);
bool letrasMinusculas(unsigned char c);

// A line of internal code mapped through a printer code table.
std::string mapeiaImpressora(std::string_view texto, const TTabelaImpressora& tabela);
