// Page ends, headers and page numbers of the draft.
#include "brpaginas.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"

bool comTituloAtual = true;
std::string tituloAtual;
bool numeracaoRomana = false;
bool graficoNaPagina = false;

namespace {

// Page counters may be pushed near the top of int by "<T+n>" or a wide page
// range; they stop there rather than wrap.
void avanca(int& contador) {
  if (contador < INT_MAX) ++contador;
}

bool ehPar(int n) { return n % 2 == 0; }

// k blanks: none for k <= 0, never more than 43 (a header longer than the
// line must not be padded any further).
std::string brancos(long long k) {
  if (k <= 0) return {};
  return std::string(static_cast<std::size_t>(std::min<long long>(k, 43)), ' ');
}

std::string traduz(std::string_view texto) {
  std::string r;
  traduzTexto(texto, r);
  return r;
}

void tiraPrimeiraCela(std::string& s) {
  if (!s.empty()) s.erase(0, 1);
}

}  // namespace

std::string numeroRomano(long long numero) {
  if (numero < 1 || numero > 3999) return {};
  struct Par {
    int valor;
    const char* letras;
  };
  static constexpr Par pares[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                  {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                                  {5, "V"},    {4, "IV"},   {1, "I"}};
  std::string r;
  for (const Par& p : pares) {
    while (numero >= p.valor) {
      r += p.letras;
      numero -= p.valor;
    }
  }
  return r;
}

void fimPagina() {
  if (paginaAtual > paginaFinal) return;
  if (configuracao.EnviaVazias && cabecalhoPendente) gravaLinha(marcaLinhaVazia(), true);
  const bool versoEmBranco = graficoNaPagina && configuracao.frenteVerso && !ehPar(paginaAtual);
  // The separator belongs to the page it ends: it is written while that page
  // is still current, so the page range decides about it as about its lines.
  gravaLinha(versoEmBranco ? separadorDuplo : separadorPagina, false);
  if (versoEmBranco) {
    avanca(paginaCabecalho);
    avanca(paginaAtual);
    graficoNaPagina = false;
  }
  avanca(paginaCabecalho);
  avanca(paginaAtual);
  cabecalhoPendente = true;
  linhaNaPagina = 1;
}

bool montaCabecalho(std::string& cabecalho) {
  const bool verso = configuracao.frenteVerso && ehPar(paginaAtual);
  if (configuracao.tipoCabec != 2 && verso) return false;

  // Only four layouts exist; any other value found in the settings file is
  // read as the default one.
  int estilo = configuracao.estiloNumPag;
  if (estilo < 0 || estilo > 3) estilo = 0;

  const bool estrangeiroAntes = textoEstrangeiro;
  textoEstrangeiro = configuracao.cabecIngles;

  const std::string t = estilo == 2 ? std::string() : traduz(tituloAtual);

  const long long pagina = static_cast<long long>(paginaCabecalho) + numPagInicial - 1;
  std::string n = traduz(numeracaoRomana ? numeroRomano(pagina) : std::to_string(pagina));
  if (estilo == 2) tiraPrimeiraCela(n);

  std::string o;
  if (configuracao.numeraOrig && paginaOriginal != 0 &&
      (estilo != 0 || !ehPar(paginaAtual) || !configuracao.frenteVerso)) {
    o = traduz(std::to_string(paginaOriginal));
    if (estilo == 2) tiraPrimeiraCela(o);
    o.insert(0, 2, ' ');
  }

  if (estilo == 0 && verso && configuracao.afastaCabPar) n.insert(0, 2, ' ');

  const long long livres = static_cast<long long>(configuracao.maxCarac) - static_cast<long long>(o.size()) -
                           static_cast<long long>(t.size()) - static_cast<long long>(n.size());
  const long long esquerda = livres / 2;
  const long long direita = livres - esquerda;

  switch (estilo) {
    case 0:
      if (verso)
        cabecalho = n + brancos(esquerda) + t + brancos(direita);
      else
        cabecalho = o + brancos(esquerda) + t + brancos(direita) + n;
      break;
    case 1:
      cabecalho = o + brancos(esquerda) + t + brancos(direita) + n;
      break;
    case 2:
      cabecalho = brancos(livres / 2) + n + brancos(livres / 2) + o;
      break;
    default:
      cabecalho = n + o + brancos(livres) + t;
      break;
  }
  const std::size_t fim = cabecalho.find_last_not_of(' ');
  cabecalho.resize(fim == std::string::npos ? 0 : fim + 1);

  textoEstrangeiro = estrangeiroAntes;
  return true;
}

void gravaCabecalho() {
  // Headers are always translated and mapped, also inside a raw block.
  const bool semTraducaoAntes = semTraducao;
  semTraducao = false;
  std::string cabecalho;
  if (comTituloAtual && montaCabecalho(cabecalho)) {
    std::string prefixo;
    prefixo.swap(prefixoMargem);
    gravaLinha(cabecalho, true);
    prefixoMargem.swap(prefixo);
  }
  semTraducao = semTraducaoAntes;
}
