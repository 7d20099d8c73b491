// Caret arithmetic of the editor: the tools work on lines and columns, the
// editor text on character offsets in which every line break counts as two
// characters (CR and LF), also after the last line. Lines and columns count
// from 0. Nothing here knows the widget: the caller hands over the line
// lengths, and the walks stop at the line they need, so a long document
// costs only the lines before the position.
#pragma once

#include <functional>
#include <vector>

// The length of line i (its characters, without the line break).
using ComprimentoLinha = std::function<int(int)>;

struct LinhaColuna {
  int linha = 0;
  int coluna = 0;
  bool operator==(const LinhaColuna&) const = default;
};

// The line and column of an offset over numeroLinhas lines. An offset on a
// line's CR or LF gives that line (column length or length + 1); an offset at
// or past the end gives the number of lines and the remainder as the column.
LinhaColuna posicaoLinhaColuna(int offset, int numeroLinhas, const ComprimentoLinha& comprimento);
LinhaColuna posicaoLinhaColuna(int offset, const std::vector<int>& comprimentos);

// The offset of a line and column: the lines before it at length + 2 each
// (none for a line of 0 or below), plus the column, which is not limited to
// the line's length. Lines past the last count as empty lines.
int offsetLinhaColuna(int linha, int coluna, int numeroLinhas, const ComprimentoLinha& comprimento);
int offsetLinhaColuna(int linha, int coluna, const std::vector<int>& comprimentos);

// The widget (a text document of blocks) counts a line break as one
// character. Between the two counts: block b, position p inside the whole
// widget text <-> offset p + b.
int offsetDoWidget(int posicaoWidget, int bloco);
// The widget position of an offset: the line's block start plus the column,
// the column held to the line's length (the widget has no place between CR
// and LF); past the last line, the end of the text. inicioBloco(i) is the
// widget position of block i; fimTexto the last widget position.
int posicaoWidget(int offset, int numeroLinhas, const ComprimentoLinha& comprimento,
                  const std::function<int(int)>& inicioBloco, int fimTexto);
