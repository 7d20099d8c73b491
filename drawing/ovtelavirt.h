// ovTelaVirt: the dot canvas tela and its screen image. Canvas services
// (clear, empty test, undo copy, repaint, selection shift) and the raster
// primitives that write dots under the pen square and the pattern mask. Every
// primitive paints the mark of each dot it writes on imagemTela at once.
// Coordinates are dots, (0, 0) top left, 0..300 both ways; anything outside
// is dropped, and loops are bounded by the canvas, so huge arguments cost no
// more than ones just outside it.
#pragma once

#include <array>

#include "ovvars.h"

namespace orvento {

// Canvas services.
void limpaTela();  // the screen is not touched
bool telaTemPontos();
void guardaDesfazer();
void limpaBitmapTela();
// Paints the mark of every raised dot black; cleared dots are not painted.
void redesenhaTela();
// The marks of x1..x2 by y1..y2 (inclusive, limited to the canvas), black for
// a raised dot, white for a cleared one.
void redesenhaArea(int x1, int y1, int x2, int y2);
// Moves the content of selecao by one dot (dx, dy each -1, 0 or +1); the
// column or row the content leaves keeps its dots. Only the part of the
// selection on the canvas takes part.
void deslocaSelecao(int dx, int dy);

// The mark of dot (x, y): pixel columns 4x, 4x+1 of rows 4y..4y+2.
void pintaMarca(int x, int y, bool preto);

// Primitives.
void plotaPonto(int x, int y, unsigned char valor);
void tracaReta(int x1, int y1, int x2, int y2);
void tracaRetangulo(int x1, int y1, int x2, int y2);
void preencheArea(int x1, int y1, int x2, int y2);
void tracaCircunferencia(int cx, int cy, int r, bool cheio);
void tracaElipse(int x1, int y1, int x2, int y2, bool cheio);

using TValoresCurva = std::array<double, maxPontosCurva + 1>;
// The value at t of the polynomial of degree n through (parametros[k],
// valores[k]), k = 0..n, by Neville's scheme.
double interpolaNeville(TValoresCurva valores, TValoresCurva parametros, int n, double t);
// The curve through pontosCurva[1..numPontosCurva] (pixels).
void tracaCurva();

}  // namespace orvento
