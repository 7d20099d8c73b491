// The shared state of the drawing program: plain globals that every module of
// orvento reads and writes directly, all on the GUI thread. They live in
// namespace orvento so that a name the editor also uses cannot clash.
#pragma once

#include <array>
#include <string>

#include "brcodigo.h"
#include "brgrafpr.h"

namespace orvento {

// The screen image of the canvas, kept out of Qt: the window implements it
// over its bitmap bmpDesenho, tests over a plain vector. Pixel coordinates of
// the drawing area; a rectangle partly outside the bitmap is clipped by the
// implementation.
class ImagemTela {
 public:
  virtual ~ImagemTela() = default;
  // Paints the pixels px..px+largura-1 of the rows py..py+altura-1 black or
  // white.
  virtual void pintaPixels(int px, int py, int largura, int altura, bool preto) = 0;
  // Paints the whole bitmap white.
  virtual void limpa() = 0;
};

struct TSelecao {
  int x1 = 0, y1 = 0, x2 = -1, y2 = -1;  // dots, inclusive; empty when x1 > x2 or y1 > y2
};

struct TPontoCurva {
  int x = 0, y = 0;  // pixels of the drawing area
};

inline constexpr int maxPontosCurva = 100;
inline constexpr int tamPonto = 4;  // screen pixels per dot, both ways
inline constexpr const char* dispositivoPadrao = "LPT1";  // NomeArq when the INI has none

// Canvas, undo copy and clipboard copy.
extern TMatrizPontos tela;
extern TMatrizPontos telaDesfazer;
extern TMatrizPontos telaRecorte;

// Pen size 1..4, pattern level 0..3 (0 = 25 % .. 3 = every dot), and the value
// drawing writes (1 raised, 0 the eraser; 1 at the start).
extern int espessura;
extern int padronagem;
// Indexed [y % 2][x % 2]: a dot is written only when its entry <= padronagem.
inline constexpr int mascaraPadronagem[2][2] = {{0, 2}, {3, 1}};
extern unsigned char corPonto;

// User coordinates: shown as (dot - origem) * escala.
extern int origemX, origemY;
extern double escalaX, escalaY;
extern int papelX, papelY;  // paper frame, dots

extern TSelecao selecao;
extern int larguraSelecao, alturaSelecao;  // width - 1 and height - 1 of the last cut or copy

// Points clicked for the curve, 1..numPontosCurva (element 0 unused).
extern int numPontosCurva;
extern std::array<TPontoCurva, maxPontosCurva + 1> pontosCurva;

// Where the canvas is shown; null paints nothing.
extern ImagemTela* imagemTela;

// Model picture offset (pixels) and the last pointer position while moving it.
extern int modeloX, modeloY;
extern int ultimoX, ultimoY;

// Files, devices and tables.
extern std::string nomeDesenho;  // current .GRB, empty for none
extern std::string dispositivo;  // output device name (NomeArq)
extern bool altaResolucao;
extern TTabelaImpressora tabAmbCode;
extern std::string dirAtual;  // with its trailing separator

// Output channel.
extern int hSaida;  // file handle of a device or file, -1 when closed
extern std::string impDispositivo, impDriver, impPorta;
extern int impDevMode;

// Recording of drawing commands.
extern bool registrando;

extern std::string textoDigitado;

// Every value above back to its start; the screen image pointer becomes null.
void reiniciaEstadoDesenho();

}  // namespace orvento
