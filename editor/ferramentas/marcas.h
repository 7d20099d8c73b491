// The markup the editor writes into the document for the draft generator: the
// pairs of lines around the selected lines, emphasis, the graphic lines, and
// the touch-up program it starts. No widget: the main window hands over its
// lines and selection and inserts what these return.
#pragma once

#include <string>
#include <string_view>

// Where a pair goes around the selected lines. The selection runs from line
// `primeira` to line `ultima` (from 0), ending at column `colunaFim`; a
// selection that ends at column 0 of a later line leaves that line out. The
// opening line is inserted as line `abre`; then the closing one as line
// `fecha` of the lines as they are after the first insertion (a line at or
// past the end is appended).
struct PosicoesPar {
  int abre = 0;
  int fecha = 0;
};
PosicoesPar posicoesPar(int primeira, int ultima, int colunaFim, int numeroLinhas);

// The line a graphic line takes: after the caret's line when the caret stands
// past column 0 of a line with text, else in its place (a negative line is 0).
int linhaInsercaoGrafico(int linha, int coluna, std::string_view textoLinha);

// The graphic's name as the graphic line writes it: relative to the folder of
// the document when it lies in it (the folder and the "/" or "\" after it
// removed, the folder matched with its case; a document in "/" loses only the
// "/"), else whole; whole for an untitled document. The draft generator resolves it against the same folder.
std::string nomeGraficoNaLinha(std::string_view nome, std::string_view nomeDocumento);

// "<G " + nome + ">", "<G+ " + nome + ">" or "<G* " + nome + ">" for kind 0, 1, 2.
std::string linhaGrafico(int tipo, std::string_view nome);

// "Retoques em &Braille": while the program it started still runs, the box
// "Programa já ativo, use a barra de seleção do Windows"; else the program at
// the path of the setting `kavrin` is started with no arguments, without
// waiting, and a failure to start is told with the path.
void iniciaRetoquesBraille();
// Forgets the program started, leaving it running (for tests).
void reiniciaRetoquesBraille();
