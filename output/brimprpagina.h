// The page renderers: one gathered page of the draft file becomes the bytes
// of the embosser. A page goes out as text (Braille lines, CR LF, form feed),
// as a mixed page (text lines as text, the stretch under a tactile graphic in
// the embosser's graphic mode), wholly in graphic mode (the text drawn as
// dots too), or, for an embosser that prints through its system driver, as
// text with the graphics drawn by the device.
//
// The renderers read no live setting: they work from an AmbienteImpressao
// taken when the job started, so nothing done in the editor meanwhile
// changes what is embossed. Every byte leaves through a CanalImpressao.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "brcodigo.h"
#include "brfaixa.h"
#include "brgrafpr.h"

// Where the bytes of a page go.
class CanalImpressao {
 public:
  virtual ~CanalImpressao() = default;
  // Sends bytes as one piece; true when all of them went out.
  virtual bool envia(std::string_view bytes) = 0;
  // Has the device draw the raised dots of a rectangle of the matrix at its
  // current text line (embossers printing through their driver); false when
  // it cannot.
  virtual bool desenhaGrafico(const TMatrizPontos& matriz, int x0, int y0, int colunas,
                              int linhas) = 0;
  // Ends the output; false when the device reported a failure at the end.
  virtual bool fecha() = 0;
};

// The channel opened by abreDispositivo (brdevice.h).
class CanalDispositivo : public CanalImpressao {
 public:
  bool envia(std::string_view bytes) override;
  bool desenhaGrafico(const TMatrizPontos& matriz, int x0, int y0, int colunas,
                      int linhas) override;
  bool fecha() override;
};

// Everything the renderers read besides the page itself.
struct AmbienteImpressao {
  int tipoTratGrafico = 1;
  bool frenteVerso = false;
  bool soFrenteInterp = false;
  bool brailleAntigo = false;  // chooses the cell table of graphic-mode cells
  bool tiger = false;          // modoTiger: graphics are drawn by the device
  int pontosH = 3;             // dots per cell across and per text line down
  int pontosV = 4;
  int larguraLinha = 36;       // usable cells of a Braille line
  std::string prefixoMargem;
  std::string nomeDocumento;   // graphic names are looked up beside it
  TTabelaImpressora tabela{};  // internal byte -> printer byte
};

// The environment from the current settings and shared state (call on the
// GUI thread, after the draft was written and the device opened).
AmbienteImpressao capturaAmbienteImpressao();

// The four renderers over one page, with the graphic matrix and the per-line
// marks of the page. One object per job; used by one thread at a time.
class TImprPagina {
 public:
  TImprPagina(const AmbienteImpressao& ambiente, CanalImpressao& canal);

  // The page being gathered: text lines already carry their margin; a
  // graphic directive is four bytes 15, a blank, an optional position word
  // and a blank, then the .GRB name.
  std::vector<std::string> listaPagina;
  // Blanks in front of each text line of this page (graphics move with it).
  int margemAtual = 0;

  // Places the .GRB file of a directive line into the matrix with its top row
  // at y0; gives its left dot column and its size in dots (width doubled
  // less one for a device-drawn graphic). A file that cannot be read shows
  // "Arquivo <name> não achado" and leaves the matrix as it was.
  void carregaGraficoNaMatriz(int y0, std::string_view linha, int& x, int& largura, int& altura);
  // Clears the per-line marks of the page's lines.
  void limpaMarcasGrafico();
  // Draws the page into the matrix, removes the directives from listaPagina
  // and marks the lines under graphics and the bands each graphic sends.
  void montaPaginaGrafica();

  // Send the page; true when every byte went out. The graphic renderers show
  // "Erro no dispositivo" when a send fails; the text renderer shows nothing.
  bool imprimePaginaTexto();
  bool imprimePaginaMista();
  bool imprimePaginaModoGrafico();
  bool imprimePaginaGraficoDireto();

  const TMatrizPontos& matriz() const { return *matriz_; }
  // Per-line marks as montaPaginaGrafica left them (for tests).
  bool linhaTemGrafico(std::size_t i) const { return i < temGrafico_.size() && temGrafico_[i]; }
  int alturaGraficoLinha(std::size_t i) const { return i < faixas_.size() ? faixas_[i] : 0; }

 private:
  bool imprimeFaixaGrafica(int n, int& y);
  void garanteMarcas(std::size_t linhas);
  bool enviaLinhaTexto(std::size_t i);

  AmbienteImpressao amb_;
  CanalImpressao& canal_;
  std::unique_ptr<TMatrizPontos> matriz_;
  // Per page line: covered by a graphic; graphic bands sent at this line; the
  // matrix row of the line's top.
  std::vector<char> temGrafico_;
  std::vector<int> faixas_;
  std::vector<int> linhaY_;
};

// The message of a send that failed in a graphic renderer.
inline constexpr const char* mensagemErroDispositivo = "Erro no dispositivo";
