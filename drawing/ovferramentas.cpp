#include "ovferramentas.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "ovtelavirt.h"
#include "ovvars.h"

namespace orvento {

namespace {

// Trunc toward zero, as the dot of a pixel left of or above the area is.
int pontoDe(int pixel) { return pixel / tamPonto; }

std::string formataGeral(double v) {
  if (v == 0) v = 0;  // no "-0"
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  return std::string(buf, r.ptr);
}

}  // namespace

std::pair<std::string, std::string> FerramentasDesenho::leituraCoordenadas(int x, int y) {
  // In double: an origin and a pixel far apart must not overflow.
  return {formataGeral((double(pontoDe(x)) - origemX) * escalaX),
          formataGeral((double(pontoDe(y)) - origemY) * escalaY)};
}

void FerramentasDesenho::escolheModo(int modo) {
  if (modoFerramenta == 0) {
    // Leaving the selection: an overlay drawn outside mode 0 has no red lines.
    modoFerramenta = 2;
    janela_.mostraGrade();
    janela_.redesenha();
  }
  modoFerramenta = modo;
  if (modo >= 2 && modo <= 10) guardaDesfazer();
  if (modo == 10) numPontosCurva = 0;
  if (modo == 0) janela_.mostraGrade();
}

void FerramentasDesenho::pressiona(int x, int y, bool botaoEsquerdo) {
  ponteiroX = x, ponteiroY = y;
  corPonto = botaoEsquerdo ? 1 : 0;
  desenhando = true;
  pressX = curX = x;
  pressY = curY = y;
  switch (modoFerramenta) {
    case 0:
      janela_.mostraGrade();
      break;
    case 1:
      ultimoX = x, ultimoY = y;
      break;
    case 2:
      tracaReta(pontoDe(x), pontoDe(y), pontoDe(x), pontoDe(y));
      break;
    case 10:
      tracaReta(pontoDe(x), pontoDe(y), pontoDe(x), pontoDe(y));
      if (numPontosCurva < maxPontosCurva) {
        const TPontoCurva& ultimo = pontosCurva[numPontosCurva];
        if (numPontosCurva > 0 && ultimo.x == pressX && ultimo.y == pressY) {
          terminaCurva();
        } else {
          pontosCurva[++numPontosCurva] = {pressX, pressY};
        }
        janela_.redesenha();
      }
      break;
    case 11:
    case 12:
      janela_.abreDialogoTexto(modoFerramenta, x, y);
      break;
    default:
      break;
  }
}

void FerramentasDesenho::move(int x, int y) {
  ponteiroX = x, ponteiroY = y;
  const auto [lx, ly] = leituraCoordenadas(x, y);
  janela_.mostraCoordenadas(lx, ly);
  if (!desenhando) return;
  using E = JanelaFerramentas::Elastico;
  switch (modoFerramenta) {
    case 1:
      modeloX += x - ultimoX;
      modeloY += y - ultimoY;
      ultimoX = x, ultimoY = y;
      janela_.redesenha();
      break;
    case 2:
      if (x != pressX || y != pressY) {
        janela_.desenhaElastico(E::Linha, pressX, pressY, x, y);
        tracaReta(pontoDe(pressX), pontoDe(pressY), pontoDe(x), pontoDe(y));
        pressX = curX = x;
        pressY = curY = y;
      }
      break;
    case 4:
    case 8:
    case 9:
    case 0:
    case 3:
    case 5:
    case 6:
    case 7: {
      const E tipo = (modoFerramenta == 4 || modoFerramenta == 8 || modoFerramenta == 9)
                         ? E::Linha
                         : E::Retangulo;
      janela_.desenhaElastico(tipo, pressX, pressY, curX, curY);
      curX = x, curY = y;
      janela_.desenhaElastico(tipo, pressX, pressY, curX, curY);
      break;
    }
    default:
      break;
  }
}

void FerramentasDesenho::solta(int x, int y) {
  ponteiroX = x, ponteiroY = y;
  // The figure ends where the last move left it, not at the release.
  const int x1 = pontoDe(pressX), y1 = pontoDe(pressY);
  const int x2 = pontoDe(curX), y2 = pontoDe(curY);
  switch (modoFerramenta) {
    case 0:
      selecao = {x1, y1, x2, y2};
      janela_.mostraGrade();
      break;
    case 3:
      tracaRetangulo(x1, y1, x2, y2);
      break;
    case 4:
      tracaReta(x1, y1, x2, y2);
      break;
    case 5:
      preencheArea(x1, y1, x2, y2);
      break;
    case 6:
    case 7:
      tracaElipse(x1, y1, x2, y2, modoFerramenta == 7);
      break;
    case 8:
    case 9: {
      // Pixel distance: at most about 6e9 for any two ints, so the radius fits.
      const double dx = double(curX) - pressX, dy = double(curY) - pressY;
      const int r = static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy) / tamPonto));
      tracaCircunferencia(x1, y1, r, modoFerramenta == 9);
      break;
    }
    default:
      break;
  }
  janela_.redesenha();
  desenhando = false;
}

void FerramentasDesenho::terminaCurva() {
  if (numPontosCurva < 1) return;
  tracaCurva();
  numPontosCurva = 0;
}

void FerramentasDesenho::duploClique(int x, int y, bool botaoEsquerdo) {
  pressiona(x, y, botaoEsquerdo);
  terminaCurva();
}

void FerramentasDesenho::tecla(Tecla t, bool shift, bool ctrl) {
  // long long: a pointer near the int limits plus a step must not wrap.
  long long px = ponteiroX, py = ponteiroY;
  const int passo = ctrl ? 10 * tamPonto : tamPonto;
  int dx = 0, dy = 0;
  switch (t) {
    case Tecla::Enter:
      if (!desenhando) pressiona(ponteiroX, ponteiroY, true);
      solta(ponteiroX, ponteiroY);
      break;
    case Tecla::Insert:
    case Tecla::Delete:
      pressiona(ponteiroX, ponteiroY, t == Tecla::Insert);
      break;
    case Tecla::Esquerda: dx = -1; break;
    case Tecla::Direita: dx = 1; break;
    case Tecla::Cima: dy = -1; break;
    case Tecla::Baixo: dy = 1; break;
    case Tecla::Outra: break;
  }
  if (dx != 0 || dy != 0) {
    if (shift && modoFerramenta == 0) {
      deslocaSelecao(dx, dy);
    } else {
      px += dx * passo;
      py += dy * passo;
    }
  }
  long long ptx = px / tamPonto, pty = py / tamPonto;
  if (ptx < 0 || ptx > limiteCursor || pty < 0 || pty > limiteCursor)
    janela_.aviso(avisoCursorFora);
  ptx = std::clamp<long long>(ptx, 0, limiteCursor);
  pty = std::clamp<long long>(pty, 0, limiteCursor);
  janela_.posicionaPonteiro(int(ptx) * tamPonto, int(pty) * tamPonto);
  // The warp reaches the window as a pointer move.
  move(int(ptx) * tamPonto, int(pty) * tamPonto);
  if (shift) janela_.redesenha();
}

}  // namespace orvento
