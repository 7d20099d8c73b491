// The Braille preview without its window: the draft of the whole document
// held as the preview showed it, the page and line of a draft line, moving by
// pages, the way back from a draft line to the document line that made it,
// and the column ruler shown while a mouse button is held.
//
// The preview keeps its own copy of the draft lines and of the line map,
// taken when it is shown: a single-line translation, a print run or another
// pass that rewrites the draft file or mapaLinhas afterwards does not change
// what the open preview shows or where "&Ir ao Original" leads.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brcodigo.h"
#include "linhaanotacao.h"

// The ruler that stands in for a line while a button is held: column numbers
// with "_" at every tenth place, 42 columns.
inline constexpr std::string_view reguaVisual = "123456789_123456789_123456789_123456789_12";

// The name under which the list draws printer-code bytes as Braille cells.
inline constexpr const char* fonteBrailleTevra = "BrailleTevra";

struct PagLin {
  int pagina = 1;
  int linha = 0;
  bool operator==(const PagLin&) const = default;
};

// Page and line of draft line `selecionada` (-1: none): lines counted upwards
// to the nearest page separator, the line itself included, graphic directives
// left out; pages counted from 1, a "=" separator counting 2 (its blank back
// page), a "-" separator 1.
PagLin paginaLinha(const std::vector<std::string>& linhas, int selecionada);

// "&Pág: p   Lin: l" (Windows-1252).
std::string legendaPagLin(PagLin pl);

// The draft line that starts page n: line 0 for n below 2, the last line for
// a page beyond the end, the first line after a "=" separator for the blank
// back page it stands for. -1 on an empty draft.
int indicePagina(const std::vector<std::string>& linhas, int pagina);

// The page a user typed: the text without blanks at either end, a whole
// decimal number with an optional sign; nothing otherwise.
std::optional<int> lePaginaInformada(std::string_view texto);

// The top line the list shows first: five lines above the caret's draft line.
int linhaTopoInicial(int linhaRascunho);

// A line for the check window: trailing bytes of 32 or less removed.
std::string semBrancosFinais(std::string_view linha);

// What the preview's pass left behind, kept with its lines: the line check
// and the page-as-dots view show the draft as that pass made it, whatever a
// later command sets (a Braille copy leaves the identity table, a single-line
// translation clears the preview flag, a box or a save may change the rest).
struct EstadoPassoVisual {
  TTabelaImpressora tabela = tabelaIdentidade();
  bool brailleAntigo = false;
  bool visualizando = false;  // the pass wrote the draft for the preview
  bool tiger = false;         // the model prints through its printer driver
  int larguraLinha = 0;       // usable cells per line
  std::string prefixoMargem;
  int maxCarac = 36;
  int maxLin = 30;
  std::string nomeDocumento;  // relative graphic names resolve beside it
};
// The state as the globals hold it now.
EstadoPassoVisual estadoPassoAtual();

class TVisualizacao {
 public:
  // The draft as it was when the preview was shown, and what the list shows
  // now (the same, but for the ruler while a button is held).
  std::vector<std::string> rascunho;
  std::vector<std::string> linhas;
  std::vector<int> mapa;        // copy of mapaLinhas
  int linhaCursor = 0;          // copy of linhaRascunhoCursor
  EstadoPassoVisual estado;     // taken with the draft

  int paginaVisual = 1;         // page of the selected line, as last computed
  PagLin ultimaPagLin;          // and its line
  int linhaAnotacao = 0;        // document line before which an annotation goes
  int linhaRegua = -1;          // list index the ruler stands on (-1: none)
  std::string textoSobRegua;    // the text it hides
  bool reguaVisivel = false;    // the ruler is on screen now

  // Takes the draft file (arqTrab), mapaLinhas, linhaRascunhoCursor and the
  // pass's state as they are now. A draft file that cannot be read keeps everything as it
  // was; false then.
  bool carregaRascunho();
  // Takes given lines (for callers that have them already).
  void defineRascunho(std::vector<std::string> novas, std::vector<int> novoMapa, int novaLinhaCursor);

  // The list back to the draft as taken (what an activation shows).
  void restauraLinhas();

  // The line to select on activation: the caret's draft line, held inside
  // the list (-1 on an empty list).
  int selecaoInicial() const;

  // Page and line of the selected line; sets paginaVisual and ultimaPagLin.
  PagLin atualizaPagLin(int selecionada);
  // The line that starts page n.
  int irParaPagina(int pagina) const;
  // The first line of the page after the selected line's.
  int proximaPagina(int selecionada);
  // From inside a page its first line; from a page's first line the first
  // line of the page before.
  int paginaAnterior(int selecionada);

  // The document line (from 0) that produced draft line d, or -1 for "the
  // start of the text"; numeroLinhasDocumento is the editor's line count now.
  // Sets linhaAnotacao.
  int irAoOriginal(int d, int numeroLinhasDocumento);

  // A button pressed with line `selecionada` selected: the ruler stands in
  // for it. False when no line is selected.
  bool pressionaBotao(int selecionada);
  // The line under the ruler gets its text back. False when the ruler is
  // not on screen (nothing is written then).
  bool tiraRegua();

 private:
  bool indiceValido(int i) const { return i >= 0 && static_cast<std::size_t>(i) < linhas.size(); }
};

// Preparing the preview: the printer code table loaded, the page range
// 1..9999 numbered from 1, and the whole document translated for the preview
// with the draft line of document line linhaSelecao going to
// linhaRascunhoCursor. False when there is nothing sound to show: the table
// could not be loaded (then nothing else happened) or the draft did not reach
// the disk whole; the loader or the generator has shown why. Also false, with
// no box and nothing touched, while another translation pass runs.
bool geraVisualizacao(const std::vector<std::string>& documento, int linhaSelecao);
