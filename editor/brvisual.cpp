#include "brvisual.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "brcodigo.h"
#include "brgeometria.h"
#include "brgerador.h"
#include "brtraduz.h"
#include "brrascunho.h"
#include "brvars.h"
#include "cp1252.h"

PagLin paginaLinha(const std::vector<std::string>& linhas, int selecionada) {
  PagLin r;
  const int fim = std::min<long long>(selecionada, static_cast<long long>(linhas.size()) - 1);
  bool noSeparador = false;
  for (int i = fim; i >= 0; --i) {
    const std::string& l = linhas[static_cast<std::size_t>(i)];
    if (ehLinhaSeparadora(l)) {
      noSeparador = true;
      r.pagina += ehLinhaIgual(l) ? 2 : 1;
      continue;
    }
    if (!noSeparador && !ehDiretivaGrafico(l)) ++r.linha;
  }
  return r;
}

std::string legendaPagLin(PagLin pl) {
  return "&Pág: "_cp + std::to_string(pl.pagina) + "   Lin: " + std::to_string(pl.linha);
}

int indicePagina(const std::vector<std::string>& linhas, int pagina) {
  if (linhas.empty()) return -1;
  int p = 1;
  std::size_t i = 0;
  while (p < pagina && i < linhas.size() - 1) {
    if (ehLinhaSeparadora(linhas[i])) p += ehLinhaIgual(linhas[i]) ? 2 : 1;
    ++i;
  }
  return static_cast<int>(i);
}

std::optional<int> lePaginaInformada(std::string_view texto) {
  while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= ' ') texto.remove_prefix(1);
  while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= ' ') texto.remove_suffix(1);
  if (!texto.empty() && texto.front() == '+') {
    texto.remove_prefix(1);
    if (!texto.empty() && texto.front() == '-') return std::nullopt;
  }
  int n = 0;
  const char* fim = texto.data() + texto.size();
  const auto [p, erro] = std::from_chars(texto.data(), fim, n);
  if (texto.empty() || erro != std::errc() || p != fim) return std::nullopt;
  return n;
}

int linhaTopoInicial(int linhaRascunho) { return linhaRascunho >= 6 ? linhaRascunho - 5 : 0; }

std::string semBrancosFinais(std::string_view linha) {
  while (!linha.empty() && static_cast<unsigned char>(linha.back()) <= ' ') linha.remove_suffix(1);
  return std::string(linha);
}

// ---------------------------------------------------------------------------

EstadoPassoVisual estadoPassoAtual() {
  EstadoPassoVisual e;
  e.tabela = tabelaImpressora;
  e.brailleAntigo = configuracao.brailleAntigo;
  e.visualizando = visualizando;
  e.tiger = modoTiger;
  e.larguraLinha = larguraLinha();
  e.prefixoMargem = prefixoMargem;
  e.maxCarac = configuracao.maxCarac;
  e.maxLin = configuracao.maxLin;
  e.nomeDocumento = nomeDocumento;
  return e;
}

bool TVisualizacao::carregaRascunho() {
  std::vector<std::string> lidas;
  if (!leRascunho(lidas)) return false;
  defineRascunho(std::move(lidas), mapaLinhas, linhaRascunhoCursor);
  estado = estadoPassoAtual();
  return true;
}

void TVisualizacao::defineRascunho(std::vector<std::string> novas, std::vector<int> novoMapa,
                                   int novaLinhaCursor) {
  rascunho = std::move(novas);
  mapa = std::move(novoMapa);
  linhaCursor = novaLinhaCursor;
  // A ruler still standing belongs to the old list: its text must never
  // land in the new one.
  reguaVisivel = false;
  restauraLinhas();
}

void TVisualizacao::restauraLinhas() {
  linhas = rascunho;
  reguaVisivel = false;
}

int TVisualizacao::selecaoInicial() const {
  if (linhas.empty()) return -1;
  // A caret on the document's last lines may stand after the last draft
  // line; the list then shows the end of the draft.
  if (linhaCursor < 0) return 0;
  return std::min(linhaCursor, static_cast<int>(linhas.size()) - 1);
}

PagLin TVisualizacao::atualizaPagLin(int selecionada) {
  ultimaPagLin = paginaLinha(linhas, selecionada);
  paginaVisual = ultimaPagLin.pagina;
  return ultimaPagLin;
}

int TVisualizacao::irParaPagina(int pagina) const { return indicePagina(linhas, pagina); }

int TVisualizacao::proximaPagina(int selecionada) {
  atualizaPagLin(selecionada);
  // A page number past INT_MAX is no page: the end of the draft.
  return irParaPagina(paginaVisual == INT_MAX ? paginaVisual : paginaVisual + 1);
}

int TVisualizacao::paginaAnterior(int selecionada) {
  int s = selecionada;
  if (s <= 2) {
    s = irParaPagina(1);
  } else if (indiceValido(s)) {
    if (ehLinhaSeparadora(linhas[static_cast<std::size_t>(s - 1)]))
      s -= 2;
    else if (ehLinhaSeparadora(linhas[static_cast<std::size_t>(s)]))
      s -= 1;
  }
  atualizaPagLin(s);
  return irParaPagina(paginaVisual);
}

int TVisualizacao::irAoOriginal(int d, int numeroLinhasDocumento) {
  int i = 0;
  if (d > 0) {
    const int limite = std::min<long long>(numeroLinhasDocumento, static_cast<long long>(mapa.size()));
    while (i < limite && mapa[static_cast<std::size_t>(i)] <= d) ++i;
  }
  linhaAnotacao = i - 1 < 0 ? 0 : i - 1;
  return i - 1;
}

bool TVisualizacao::pressionaBotao(int selecionada) {
  // A ruler still standing (a second button pressed before the first was
  // released) gives its line back first, so no line keeps the ruler.
  tiraRegua();
  linhaRegua = indiceValido(selecionada) ? selecionada : -1;
  if (linhaRegua < 0) return false;
  std::string& l = linhas[static_cast<std::size_t>(linhaRegua)];
  textoSobRegua = l;
  l = reguaVisual;
  reguaVisivel = true;
  return true;
}

bool TVisualizacao::tiraRegua() {
  if (!reguaVisivel || !indiceValido(linhaRegua)) return false;
  linhas[static_cast<std::size_t>(linhaRegua)] = textoSobRegua;
  reguaVisivel = false;
  return true;
}

// ---------------------------------------------------------------------------

bool geraVisualizacao(const std::vector<std::string>& documento, int linhaSelecao) {
  // The table and the page range belong to the running pass until it ends.
  if (traducaoEmCurso()) return false;
  if (!carregaTabelaImpressora()) return false;
  paginaInicial = 1;
  paginaFinal = 9999;
  numPagInicial = 1;
  return geraRascunho(documento, linhaSelecao, linhaRascunhoCursor, true);
}
