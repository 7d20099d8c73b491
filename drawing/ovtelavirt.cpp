#include "ovtelavirt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvento {

namespace {

constexpr int ultimoPonto = tamanhoMatriz - 1;  // 300
constexpr long double piEstendido = 3.14159265358979323851L;
// Far enough outside the canvas that nothing there is ever written, small
// enough that sums and differences of two such values fit in long long.
constexpr int limiteCoordenada = 1'000'000'000;
// Lines with fractional steps up to this many samples (more than any drag of
// the pointer gives) are drawn by the plain running sum; longer ones only over
// the samples that can fall on the canvas.
constexpr long long limiteSomaCorrida = 1LL << 14;

// Trunc toward zero; values beyond the limit (and NaN) are pinned outside the
// canvas instead of overflowing the int.
int trunca(long double v) {
  if (!(v > -limiteCoordenada)) return -limiteCoordenada;
  if (v > limiteCoordenada) return limiteCoordenada;
  return static_cast<int>(v);
}

// Round, halves to the even neighbour.
int arredonda(double v) { return trunca(std::nearbyint(v)); }

bool dentroDaTela(int x, int y) {
  return x >= 0 && y >= 0 && x <= ultimoPonto && y <= ultimoPonto;
}

// The samples k of f0 + k * passo (k = 0..n) whose Trunc can lie in 0..300,
// with a sample to spare either side; false when there are none.
bool faixaNaTela(double f0, double passo, long long n, long long& kMin, long long& kMax) {
  if (passo == 0) {
    const int v = trunca(f0);
    return v >= 0 && v <= ultimoPonto;
  }
  const long double a = (-1.0L - f0) / passo;
  const long double b = (ultimoPonto + 1.0L - f0) / passo;
  const long double lo = std::floor(std::min(a, b)) - 1;
  const long double hi = std::ceil(std::max(a, b)) + 1;
  if (hi < 0 || lo > static_cast<long double>(n)) return false;
  kMin = std::max(kMin, static_cast<long long>(std::max(lo, 0.0L)));
  kMax = std::min(kMax, static_cast<long long>(std::min(hi, static_cast<long double>(n))));
  return kMin <= kMax;
}

}  // namespace

void pintaMarca(int x, int y, bool preto) {
  if (imagemTela != nullptr) imagemTela->pintaPixels(tamPonto * x, tamPonto * y, 2, 3, preto);
}

void limpaTela() { tela.limpa(); }

bool telaTemPontos() {
  return std::any_of(tela.pontos.begin(), tela.pontos.end(), [](unsigned char p) { return p != 0; });
}

void guardaDesfazer() { telaDesfazer = tela; }

void limpaBitmapTela() {
  if (imagemTela != nullptr) imagemTela->limpa();
}

void redesenhaTela() {
  if (imagemTela == nullptr) return;
  for (int y = 0; y <= ultimoPonto; ++y)
    for (int x = 0; x <= ultimoPonto; ++x)
      if (tela.le(x, y) != 0) pintaMarca(x, y, true);
}

void redesenhaArea(int x1, int y1, int x2, int y2) {
  if (imagemTela == nullptr) return;
  for (int y = std::max(y1, 0); y <= std::min(y2, ultimoPonto); ++y)
    for (int x = std::max(x1, 0); x <= std::min(x2, ultimoPonto); ++x)
      pintaMarca(x, y, tela.le(x, y) != 0);
}

void deslocaSelecao(int dx, int dy) {
  // A selection dragged beyond the canvas takes part only where it covers it,
  // so nothing outside 0..300 is read, written or painted.
  const int x1 = std::max(selecao.x1, 0), y1 = std::max(selecao.y1, 0);
  const int x2 = std::min(selecao.x2, ultimoPonto), y2 = std::min(selecao.y2, ultimoPonto);
  if (dx < 0) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x < x2; ++x) tela.poe(x, y, tela.le(x + 1, y));
  } else if (dx > 0) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x2 - 1; x >= x1; --x) tela.poe(x + 1, y, tela.le(x, y));
  }
  if (dy < 0) {
    for (int x = x1; x <= x2; ++x)
      for (int y = y1; y < y2; ++y) tela.poe(x, y, tela.le(x, y + 1));
  } else if (dy > 0) {
    for (int x = x1; x <= x2; ++x)
      for (int y = y2 - 1; y >= y1; --y) tela.poe(x, y + 1, tela.le(x, y));
  }
  redesenhaArea(selecao.x1, selecao.y1, std::min(selecao.x2, ultimoPonto) + 1,
                std::min(selecao.y2, ultimoPonto) + 1);
}

void plotaPonto(int x, int y, unsigned char valor) {
  if (!dentroDaTela(x, y)) return;
  const unsigned char ponto = valor != 0 ? 1 : 0;
  for (int i = 0; i < espessura; ++i) {
    for (int j = 0; j < espessura; ++j) {
      const int px = x - i, py = y - j;
      // Off the canvas before the mask is read: a negative index has no entry.
      if (px < 0 || py < 0) continue;
      if (mascaraPadronagem[py % 2][px % 2] > padronagem) continue;
      tela.poe(px, py, ponto);
      pintaMarca(px, py, ponto != 0);
    }
  }
}

void tracaReta(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) {
    plotaPonto(x1, y1, corPonto);
    return;
  }
  const long long ddx = static_cast<long long>(x2) - x1;
  const long long ddy = static_cast<long long>(y2) - y1;
  const long long n = std::max(std::llabs(ddx), std::llabs(ddy));
  const double passoX = static_cast<double>(static_cast<long double>(ddx) / n);
  const double passoY = static_cast<double>(static_cast<long double>(ddy) / n);
  const double x0 = x1 + 0.5, y0 = y1 + 0.5;
  const bool passosInteiros = passoX == std::trunc(passoX) && passoY == std::trunc(passoY);
  if (!passosInteiros && n <= limiteSomaCorrida) {
    double fx = x0, fy = y0;
    for (long long k = 0; k <= n; ++k) {
      plotaPonto(trunca(fx), trunca(fy), corPonto);
      fx = static_cast<double>(static_cast<long double>(fx) + passoX);
      fy = static_cast<double>(static_cast<long double>(fy) + passoY);
    }
    return;
  }
  // Steps of 0 or 1 keep the running sum exact, so sample k is x0 + k * step
  // and the samples off the canvas can be skipped; a longer slanted line is
  // sampled the same way (its running sum would drift anyway).
  long long kMin = 0, kMax = n;
  if (!faixaNaTela(x0, passoX, n, kMin, kMax) || !faixaNaTela(y0, passoY, n, kMin, kMax)) return;
  for (long long k = kMin; k <= kMax; ++k) {
    const auto fx = static_cast<double>(x0 + static_cast<long double>(k) * passoX);
    const auto fy = static_cast<double>(y0 + static_cast<long double>(k) * passoY);
    plotaPonto(trunca(fx), trunca(fy), corPonto);
  }
}

void tracaRetangulo(int x1, int y1, int x2, int y2) {
  tracaReta(x1, y1, x2, y1);
  tracaReta(x2, y1, x2, y2);
  tracaReta(x2, y2, x1, y2);
  tracaReta(x1, y2, x1, y1);
}

void preencheArea(int x1, int y1, int x2, int y2) {
  // Column -1 still lands on 0 (Trunc of -0.5); columns further out write nothing.
  const int xIni = std::max(std::min(x1, x2), -1);
  const int xFim = std::min(std::max(x1, x2), ultimoPonto);
  for (int x = xIni; x <= xFim; ++x) tracaReta(x, y1, x, y2);
}

namespace {

// One sample of a circle or ellipse: a span drawn right to left, or its two ends.
void amostraFigura(int xDireita, int xEsquerda, int y, bool cheio) {
  if (cheio) {
    tracaReta(xDireita, y, xEsquerda, y);
  } else {
    plotaPonto(xDireita, y, corPonto);
    plotaPonto(xEsquerda, y, corPonto);
  }
}

double anguloRadianos(int a) { return static_cast<double>(a * piEstendido / 180); }

}  // namespace

void tracaCircunferencia(int cx, int cy, int r, bool cheio) {
  const long double raio = r, centroX = cx, centroY = cy;
  for (int a = -90; a <= 90; ++a) {
    const long double teta = anguloRadianos(a);
    const long double c = std::cos(teta), s = std::sin(teta);
    amostraFigura(trunca(raio * c + centroX), trunca(centroX - raio * c), trunca(raio * s + centroY),
                  cheio);
  }
}

void tracaElipse(int x1, int y1, int x2, int y2, bool cheio) {
  if (x1 == x2 || y1 == y2) {
    tracaReta(x1, y1, x2, y2);
    return;
  }
  const auto cx = static_cast<double>((static_cast<long double>(x1) + x2) / 2);
  const auto cy = static_cast<double>((static_cast<long double>(y1) + y2) / 2);
  const long double largura = static_cast<long double>(x2) - x1;
  const long double altura = static_cast<long double>(y2) - y1;
  double kx = 1.0, ky = 1.0, semi = 0;
  // The 0.0001 keeps the far column and row of the box out of the figure.
  if (std::fabs(altura) > std::fabs(largura)) {
    semi = static_cast<double>(std::fabs(altura / 2) - 0.0001L);
    kx = static_cast<double>(std::fabs(largura / altura));
  } else {
    semi = static_cast<double>(std::fabs(largura / 2) - 0.0001L);
    ky = static_cast<double>(std::fabs(altura / largura));
  }
  for (int a = -90; a <= 90; ++a) {
    const long double teta = anguloRadianos(a);
    const long double c = std::cos(teta), s = std::sin(teta);
    amostraFigura(trunca(c * semi * kx + cx), trunca(cx - c * semi * kx), trunca(s * semi * ky + cy),
                  cheio);
  }
}

double interpolaNeville(TValoresCurva valores, TValoresCurva parametros, int n, double t) {
  n = std::min(n, maxPontosCurva);
  for (int m = 1; m <= n; ++m) {
    for (int i = 0; i <= n - m; ++i) {
      const long double termo =
          ((t - static_cast<long double>(parametros[i])) * valores[i + 1] +
           (static_cast<long double>(parametros[i + m]) - t) * valores[i]) /
          (static_cast<long double>(parametros[i + m]) - parametros[i]);
      valores[i] = static_cast<double>(termo);
    }
  }
  return valores[0];
}

void tracaCurva() {
  const int k = std::min(numPontosCurva, maxPontosCurva);
  if (k < 1) return;
  TValoresCurva parametro{}, xs{}, ys{};
  for (int i = 0; i < k; ++i) {
    parametro[i] = i;
    xs[i] = static_cast<double>(static_cast<long long>(pontosCurva[i + 1].x) - 1);
    ys[i] = static_cast<double>(static_cast<long long>(pontosCurva[i + 1].y) - 1);
  }
  const long double passo = k >= 5 ? 0.05L : 0.1L;
  double t = 0;
  int anteriorX = 0, anteriorY = 0;
  // The tolerance lets the last point (t = k - 1) in despite the drift of t.
  while (0.01L + parametro[k - 1] > t) {
    const int px = arredonda(interpolaNeville(xs, parametro, k - 1, t));
    const int py = arredonda(interpolaNeville(ys, parametro, k - 1, t));
    if (t != 0) tracaReta(px / tamPonto, py / tamPonto, anteriorX / tamPonto, anteriorY / tamPonto);
    anteriorX = px;
    anteriorY = py;
    t = static_cast<double>(t + passo);
  }
}

}  // namespace orvento
