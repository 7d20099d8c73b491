#include "brgeometria.h"

#include <climits>

#include "brvars.h"

std::atomic<bool> modoTiger{false};

namespace {

std::atomic<int> pontosH{pontosHOutras};
std::atomic<int> pontosV{pontosVOutras};

// Only the ASCII letters change case here: a model name is compared as the
// embosser makers spell it.
bool comecaCom(std::string_view texto, std::string_view prefixo) {
  if (texto.size() < prefixo.size()) return false;
  for (std::size_t i = 0; i < prefixo.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(texto[i]);
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
    if (c != static_cast<unsigned char>(prefixo[i])) return false;
  }
  return true;
}

// Settings accept any integer: keep the products inside int.
int limitaInt(long long v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

// Ceiling of d / q for q > 0, for every sign of d.
int divideArredondandoParaCima(int d, int q) {
  const long long n = d;
  long long r = n / q;
  if (n % q != 0 && n > 0) ++r;
  return limitaInt(r);
}

}  // namespace

bool ehTiger(std::string_view marca) { return comecaCom(marca, "TIGER"); }

bool ehIndex() {
  const std::string_view marca = configuracao.Marca;
  return comecaCom(marca, "INDEX") || comecaCom(marca, "EVEREST");
}

void atualizaModoTiger() { modoTiger = ehTiger(configuracao.Marca); }

void calculaPontosCelula() {
  atualizaModoTiger();
  int v = pontosVOutras;
  if (modoTiger)
    v = pontosVTiger;
  else if (ehIndex())
    v = pontosVIndex;
  pontosH = pontosCelulaH(modoTiger, visualizando);
  pontosV = v;
}

// An Index cell is as wide as any other non-Tiger one, so the width needs
// only the two flags a pass keeps.
static_assert(pontosHIndex == pontosHOutras);

int pontosCelulaH(bool tiger, bool previa) {
  if (tiger) return pontosHTiger;
  return previa ? 2 * pontosHOutras : pontosHOutras;
}

int pontoInicialColuna(int n, int h) {
  return limitaInt((static_cast<long long>(n) - 1) * h + 1);
}

int celulasEmPontos(int n, int h) { return limitaInt(static_cast<long long>(n) * h); }

int pontosPorCelulaH() {
  calculaPontosCelula();
  return pontosH;
}

int pontosPorCelulaV() {
  calculaPontosCelula();
  return pontosV;
}

int pontoInicialColuna(int n) { return pontoInicialColuna(n, pontosPorCelulaH()); }

int celulasEmPontos(int n) { return celulasEmPontos(n, pontosPorCelulaH()); }

int pontosEmCelulas(int d) { return divideArredondandoParaCima(d, pontosPorCelulaH()); }

int pontosEmLinhas(int d) { return divideArredondandoParaCima(d, pontosPorCelulaV()); }
