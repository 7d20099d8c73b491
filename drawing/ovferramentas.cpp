#include "ovferramentas.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cp1252.h"
#include "ovcomandos.h"
#include "ovmensagem.h"
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

bool ehBranco(char c) { return c == ' '; }

std::string_view semBrancos(std::string_view s) {
  while (!s.empty() && ehBranco(s.front())) s.remove_prefix(1);
  while (!s.empty() && ehBranco(s.back())) s.remove_suffix(1);
  return s;
}

// The whole of `s` as a finite number, "," (the first only) or "." as the
// decimal point, an optional sign; the blanks around it do not count.
std::optional<double> numeroCompleto(std::string_view s) {
  std::string t(semBrancos(s));
  if (const auto virgula = t.find(','); virgula != std::string::npos) t[virgula] = '.';
  std::string_view v = t;
  const bool mais = !v.empty() && v.front() == '+';
  if (mais) v.remove_prefix(1);
  // from_chars takes "-" but not "+": a second sign must still fail.
  if (v.empty() || (mais && v.front() == '-')) return std::nullopt;
  double r = 0;
  const auto [fim, erro] = std::from_chars(v.data(), v.data() + v.size(), r, std::chars_format::general);
  if (erro != std::errc() || fim != v.data() + v.size() || !std::isfinite(r)) return std::nullopt;
  return r;
}

int arredondaInt(double v) {
  const double r = std::nearbyint(v);
  if (r >= 2147483647.0) return 2147483647;
  if (r <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(r);
}

}  // namespace

std::optional<std::pair<double, double>> FerramentasDesenho::leXY(std::string_view texto) {
  const std::string_view s = semBrancos(texto);
  const auto branco = s.find(' ');
  if (branco == std::string_view::npos) {
    exibeAviso("Entre os números separados por espaço"_cp);
    return std::nullopt;
  }
  const auto x = numeroCompleto(s.substr(0, branco));
  const auto y = x ? numeroCompleto(s.substr(branco + 1)) : std::nullopt;
  if (!y) {
    exibeAviso("Coordenada incorretamente especificada");
    return std::nullopt;
  }
  return std::pair{*x, *y};
}

std::optional<std::pair<int, int>> FerramentasDesenho::leXYInteiro(std::string_view texto) {
  const auto xy = leXY(texto);
  if (!xy) return std::nullopt;
  return std::pair{arredondaInt(xy->first), arredondaInt(xy->second)};
}

void FerramentasDesenho::digitaXY(std::string_view texto) {
  const auto xy = leXY(texto);
  if (!xy) return;
  const int px = arredondaInt(xy->first * escalaX + origemX);
  const int py = arredondaInt(xy->second * escalaY + origemY);
  // The top left pixel of the dot, kept inside what an int holds.
  const auto pixel = [](int p) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(p) * tamPonto, -2147483647 - 1,
                                                  2147483647));
  };
  janela_.posicionaPonteiro(pixel(px), pixel(py));
  move(pixel(px), pixel(py));
}

std::string FerramentasDesenho::coordenadasAtuais() const {
  const auto [x, y] = leituraCoordenadas(ponteiroX, ponteiroY);
  return "Coordenadas " + x + " " + y;
}

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
  figuraDoTeclado_ = false;
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
      // The dialog took the press and its release: no figure is in hand.
      desenhando = false;
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
  // A release of a press the area never saw, or of a figure dropped, ends
  // nothing: the old press point is no figure's start.
  if (!desenhando) return;
  // The figure ends where the last move left it, not at the release.
  const int x1 = pontoDe(pressX), y1 = pontoDe(pressY);
  const int x2 = pontoDe(curX), y2 = pontoDe(curY);
  switch (modoFerramenta) {
    case 0:
      selecao = {x1, y1, x2, y2};
      janela_.mostraGrade();
      break;
    // Each figure is recorded, while recording is on, once it is drawn.
    case 3:
      tracaRetangulo(x1, y1, x2, y2);
      registraRetangulo(x1, y1, x2, y2);
      break;
    case 4:
      tracaReta(x1, y1, x2, y2);
      registraReta(x1, y1, x2, y2);
      break;
    case 5:
      preencheArea(x1, y1, x2, y2);
      registraArea(x1, y1, x2, y2);
      break;
    case 6:
    case 7:
      tracaElipse(x1, y1, x2, y2, modoFerramenta == 7);
      if (modoFerramenta == 7) {
        registraAreaEliptica(x1, y1, x2, y2);
      } else {
        registraElipse(x1, y1, x2, y2);
      }
      break;
    case 8:
    case 9: {
      // Pixel distance: at most about 6e9 for any two ints, so the radius fits.
      const double dx = double(curX) - pressX, dy = double(curY) - pressY;
      const int r = static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy) / tamPonto));
      tracaCircunferencia(x1, y1, r, modoFerramenta == 9);
      if (modoFerramenta == 9) {
        registraCirculo(x1, y1, r);
      } else {
        registraCircunferencia(x1, y1, r);
      }
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
  registraCurva();
  numPontosCurva = 0;
}

void FerramentasDesenho::duploClique(int x, int y, bool botaoEsquerdo) {
  pressiona(x, y, botaoEsquerdo);
  terminaCurva();
}

void FerramentasDesenho::botaoSolto() {
  if (!desenhando || figuraDoTeclado_) return;
  desenhando = false;
  janela_.redesenha();
}

void FerramentasDesenho::tecla(Tecla t, bool shift, bool ctrl, bool naArea) {
  if (t == Tecla::Modificador) return;
  // long long: a pointer near the int limits plus a step must not wrap.
  long long px = ponteiroX, py = ponteiroY;
  const int passo = ctrl ? 10 * tamPonto : tamPonto;
  int dx = 0, dy = 0;
  switch (naArea ? t : Tecla::Outra) {
    case Tecla::Enter:
      if (!desenhando) {
        pressiona(ponteiroX, ponteiroY, true);
        figuraDoTeclado_ = true;
      }
      solta(ponteiroX, ponteiroY);
      break;
    case Tecla::Insert:
    case Tecla::Delete:
      pressiona(ponteiroX, ponteiroY, t == Tecla::Insert);
      figuraDoTeclado_ = true;
      break;
    case Tecla::Esquerda: dx = -1; break;
    case Tecla::Direita: dx = 1; break;
    case Tecla::Cima: dy = -1; break;
    case Tecla::Baixo: dy = 1; break;
    case Tecla::Outra:
    case Tecla::Modificador: break;
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
  if (!naArea || ptx < 0 || ptx > limiteCursor || pty < 0 || pty > limiteCursor) {
    janela_.aviso(avisoCursorFora);
    // The notice is modal: a mouse button held meanwhile was let go there.
    botaoSolto();
  }
  ptx = std::clamp<long long>(ptx, 0, limiteCursor);
  pty = std::clamp<long long>(pty, 0, limiteCursor);
  janela_.posicionaPonteiro(int(ptx) * tamPonto, int(pty) * tamPonto);
  // The warp reaches the window as a pointer move.
  move(int(ptx) * tamPonto, int(pty) * tamPonto);
  if (shift) janela_.redesenha();
}

}  // namespace orvento
