// The Braille rows under the editor: the translation of the caret's line, and
// on request of the four lines around it, in the bytes the embosser gets.
// Knows no widget: the rows are reached through SaidaLinhasBraille and the
// document through its line count and a line reader, so the refresh after a
// keystroke touches only the lines it shows.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// Where the rows go (row 1 is the lowest, just above the status bar; row 5
// the highest).
class SaidaLinhasBraille {
 public:
  virtual ~SaidaLinhasBraille() = default;
  // The row's text: printer-code bytes, one per cell.
  virtual void textoRotulo(int rotulo, const std::string& codigoImpressora) = 0;
  // The caret row is aqua, the others money green.
  virtual void corRotulo(int rotulo, bool linhaCursor) = 0;
  virtual void rotuloVisivel(int rotulo, bool visivel) = 0;
  // How many whole cells the row shows; 0 when unknown (the row then starts
  // at its first cell whatever the caret's column).
  virtual int larguraCelulas(int /*rotulo*/) const { return 0; }
};

// The document as the view reads it: line i counted from 0.
using LeitorLinha = std::function<std::string(int)>;

// A document line's row: its translation (traduzTexto, untrimmed) mapped
// through tabelaImpressora as the table holds now.
std::string linhaBrailleImpressora(std::string_view linha);

// The same, with the caret's cell: the cells that the text before the caret
// (coluna, from 0, clamped to the line) translates to. The converters' quote
// and bracket state ends as the whole line alone leaves it.
struct LinhaBrailleCursor {
  std::string celulas;
  int celulaCursor = 0;
};
LinhaBrailleCursor linhaBrailleComCursor(std::string_view linha, int coluna);

// The first cell the caret's row shows: whole screens of `largura` cells,
// the screen that holds celulaCursor (so the row does not move with every
// key); 0 when the width is unknown (0 or less) or the cell negative.
int inicioJanelaCelulas(int celulaCursor, int largura);

// The cells of `celulas` that a row of `largura` cells shows from inicio
// (all of them from the first when the width is unknown).
std::string janelaCelulas(const std::string& celulas, int inicio, int largura);

class TLinhasBraille {
 public:
  explicit TLinhasBraille(SaidaLinhasBraille& saida);

  static constexpr int totalRotulos = 5;

  int linhasBrailleVisiveis = 1;  // 1 or 5
  int rotuloBrailleAtual = 1;     // the row that shows the caret's line
  int ultimaLinhaBraille = 0;     // caret line (from 1) at the last refresh; -1 forces all rows

  // Run at the end of marcaLinhaBraille: the editor's key-release handler,
  // which refreshes the rows and the status bar.
  std::function<void()> teclaSolta;

  // Refresh after a key or a tool changed the text at the caret. linhaCursor
  // counts from 1, colunaCursor (the caret in its line) from 0. While the
  // caret stays on one line only the caret row is translated again;
  // otherwise every row, hidden ones too. The caret row shows the screen of
  // cells that holds the caret's cell, the others start at their first
  // cell. While a translation pass runs nothing is translated: the rows keep
  // their text and the next refresh redoes every row (the same for
  // cliqueEditor).
  void atualizaLinhasBraille(int linhaCursor, int numeroLinhas, const LeitorLinha& linha,
                             int colunaCursor = 0);

  // A click in the editor: only row 1 gets the caret line's Braille (the
  // screen of cells that holds the caret's cell); the other rows and
  // ultimaLinhaBraille stay.
  void cliqueEditor(int linhaCursor, int numeroLinhas, const LeitorLinha& linha, int colunaCursor = 0);

  // The whole text was replaced: the next refresh redoes every row, even
  // with the caret on the same line number.
  void textoSubstituido() { ultimaLinhaBraille = -1; }

  // Rows 2..5 shown only with five rows, the caret row aqua and the rest
  // green; then a forced refresh through teclaSolta.
  void marcaLinhaBraille();

  // A click on row k (1..5) makes it the caret row.
  void rotuloClicado(int rotulo);

  // F5 and the "1/5" button: one row <-> five rows, the caret row back to 1.
  void alternaUmaCincoLinhas();

 private:
  void adiaDuranteTraducao();
  // Row `rotulo` with the caret's line and the screen of cells around the caret.
  void mostraLinhaCursor(int rotulo, std::string_view linha, int colunaCursor);

  SaidaLinhasBraille& saida_;
};
