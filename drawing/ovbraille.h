// Braille text as dots: a text is translated with the drawing program's build
// of the unified converter, mapped to embosser bytes through tabAmbCode, and
// each byte drawn as its six dots, which the Braille dot table tabBraille
// (the file nodrix.amb in dirAtual) gives. Dots go through plotaPonto with
// the value 1, so the pen size and the pattern apply and the screen follows.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvento {

// Embosser byte -> dot mask (dot 1 = 1 .. dot 6 = 32); 0 for a byte the file
// does not name and for every byte until the file is read.
using TTabelaBraille = std::array<unsigned char, 256>;
extern TTabelaBraille tabBraille;
// The table was read; it is read at most once per run.
extern bool tabBrailleCarregada;

inline constexpr std::string_view nomeArqBraille = "nodrix.amb";

// Reads a Braille dot table from the file's bytes into tabela (cleared
// first). Lines end at LF (a CR before it, or at the very end, is dropped;
// any other CR is a character of the line); every line counts, from 1. An
// empty line or one starting with "*" is skipped; otherwise two hexadecimal
// digits, any run of "=" and blanks, then exactly six "0"/"1", the k-th being
// dot k; a later line for a code wins. Returns 0 when every line was good,
// else the number of the first bad line, with tabela all 0 again.
std::size_t leTabelaBraille(std::string_view conteudo, TTabelaBraille& tabela);

// Loads tabBraille from dirAtual + "nodrix.amb" unless it is loaded already.
// A file that cannot be read (missing, a folder) shows "Arquivo nodrix.amb
// não foi encontrado"; a bad line shows "Erro em Nodrix.amb na linha " + N.
// Either way the table stays all 0 and unloaded (the next call tries again)
// and the program goes on.
void carregaTabelaBraille();

// Back to the start of a run: the table all 0 and unloaded. For tests.
void reiniciaTabelaBraille();

// The embosser bytes of a text: the drawing build of the unified converter,
// then every byte through tabAmbCode.
std::string traduzParaBraille(std::string_view texto);

// The directions (radio items "Para a &direita", "Para &Cima", "Para
// &Baixo") and the sizes ("&Micro", "&Normal", "&Extendido": 1, 2, 3).
enum DirecaoBraille : int { brailleDireita = 0, brailleCima = 1, brailleBaixo = 2 };

// Draws embosser bytes as cells through tabBraille. The first cell's dot 3
// lies on (x, y); every dot offset and the step to the next cell are
// multiplied by tamanho (1 to 3); a byte without dots only advances. Dots off
// the canvas are dropped. False, with nothing drawn, for a direction outside
// 0..2 or a size outside 1..3.
bool desenhaCelulasBraille(std::string_view codigos, int x, int y, int direcao, int tamanho);

// The Braille tool: traduzParaBraille of the text, drawn with
// desenhaCelulasBraille at the dot (x, y) with size indiceTamanho + 1 (the
// radio group's index 0..2, as the command file records it). It does not load
// the table: call carregaTabelaBraille first (the dialog does so on
// activation). textoDigitado is left to the caller.
bool desenhaBraille(std::string_view texto, int x, int y, int direcao, int indiceTamanho);

}  // namespace orvento
