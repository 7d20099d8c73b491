// The text-to-table wizard without its window: every n consecutive lines of
// the selection become one row of n columns, each column as wide in Braille
// cells as the widest translation that falls in it, with an optional frame
// and separators drawn in Braille cells. The table goes in above the selected
// lines, which stay where they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "linhaseditor.h"

// The most columns a table has.
inline constexpr int maxColunasTabela = 30;

// The indexes of the window's two radio groups.
enum class EstiloMoldura { sem = 0, simples = 1, dupla = 2 };
enum class EstiloSeparador {
  nenhum = 0,                // "Sem linhas separadoras"
  tracos = 1,                // a dash leader after each column text
  horizontais = 2,           // a divider line between rows
  verticais = 3,             // a vertical bar between columns
  verticaisHorizontais = 4,  // both
};

struct OpcoesTabela {
  int colunas = 2;  // 1..maxColunasTabela
  EstiloMoldura moldura = EstiloMoldura::simples;
  EstiloSeparador separador = EstiloSeparador::verticais;
};

// The column count the wizard's box holds: its text, without the blanks and
// control characters around it, as a whole number from 1 to
// maxColunasTabela; 0 for anything else (empty, "3x", "-2", an overflow).
int leNumeroColunas(std::string_view texto);

// The internal Braille character of a cell written as six "0"/"1" characters,
// character k for dot k, through the dot table of the code brailleAntigo
// chooses.
unsigned char pontosParaCaractere(std::string_view pontos);

// The table's lines, top to bottom, for the editor's selection (without the
// blank that starts each line in the document); a selection that ends at
// column 0 of a line leaves that line out of the widths and the rows. False, with nothing made,
// when a translation failed (after the translator's own message) or when the
// table is wider than the Braille line, maxCarac (after a warning that gives
// both widths).
bool linhasTabela(const LinhasEditor& editor, const OpcoesTabela& opcoes, std::vector<std::string>& linhas);

// "Gerar": the table inserted as one edit at the selection's start line, as
// an empty line, each table line after one blank, and an empty line; the
// caret stays at the selection's start, now below the table. False, with the
// document and the selection untouched, when no table was made.
bool insereTabela(LinhasEditor& editor, const OpcoesTabela& opcoes);
