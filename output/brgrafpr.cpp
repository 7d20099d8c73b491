#include "brgrafpr.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>

#include "arquivos.h"
#include "brgeometria.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"

TMatrizPontos matrizGrafica;

void TMatrizPontos::preencheRetangulo(int x0, int y0, int largura, int altura,
                                      unsigned char valor) {
  if (largura <= 0 || altura <= 0) return;
  // Work in long long: a placed graphic may reach far past the matrix.
  const long long xi = std::max<long long>(x0, 0);
  const long long yi = std::max<long long>(y0, 0);
  const long long xf = std::min<long long>(static_cast<long long>(x0) + largura - 1, tamanhoMatriz - 1);
  const long long yf = std::min<long long>(static_cast<long long>(y0) + altura - 1, tamanhoMatriz - 1);
  for (long long y = yi; y <= yf; ++y)
    for (long long x = xi; x <= xf; ++x) poe(static_cast<int>(x), static_cast<int>(y), valor);
}

void limpaMatrizGrafica() { matrizGrafica.limpa(); }

void marcaPonto(int x, int y) { matrizGrafica.poe(x, y, 1); }

void limpaRetanguloGrafico(int x0, int y0, int largura, int altura) {
  matrizGrafica.preencheRetangulo(x0, y0, largura, altura, 0);
}

// ---------------------------------------------------------------------------

namespace {

bool ehSeparador(char c) { return c == '/' || c == '\\'; }

// A name that names its folder from the root: "/x", "\\server\x" or a
// drive letter ("c:\x").
bool ehAbsoluto(std::string_view nome) {
  if (!nome.empty() && ehSeparador(nome[0])) return true;
  if (nome.size() >= 2 && nome[1] == ':') {
    const unsigned char c = static_cast<unsigned char>(nome[0]);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  return false;
}

std::string barrasNormais(std::string_view nome) {
  std::string r(nome);
  std::replace(r.begin(), r.end(), '\\', '/');
  return r;
}

std::string_view apara(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

int arredondaPara(long long valor, int multiplo) {
  const long long r = (valor + multiplo - 1) / multiplo * multiplo;
  return r > INT_MAX ? INT_MAX - (INT_MAX % multiplo) : static_cast<int>(r);
}

bool existe(const std::string& nome) {
  struct stat st {};
  return ::stat(plataforma::caminhoSistema(nome).c_str(), &st) == 0;
}

}  // namespace

std::string resolveNomeGrafico(std::string_view nome, std::string_view documento) {
  if (nome.empty() || ehAbsoluto(nome)) return barrasNormais(nome);
  const std::size_t barra = documento.find_last_of("/\\");
  if (barra == std::string::npos) return barrasNormais(nome);
  return barrasNormais(documento.substr(0, barra + 1)) + barrasNormais(nome);
}

std::string resolveNomeGrafico(std::string_view nome) { return resolveNomeGrafico(nome, nomeDocumento); }

std::vector<std::string_view> linhasGrafico(std::string_view conteudo) {
  std::vector<std::string_view> linhas;
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::crLfLfOuCr))
    linhas.push_back(l.texto);
  return linhas;
}

void dimensoesConteudoGrafico(std::string_view conteudo, int& largura, int& altura) {
  std::vector<std::string_view> linhas = linhasGrafico(conteudo);
  while (!linhas.empty() && linhas.back().empty()) linhas.pop_back();
  std::size_t maior = 0;
  for (const auto& l : linhas) maior = std::max(maior, l.size());
  largura = arredondaPara(static_cast<long long>(std::min<std::size_t>(maior, INT_MAX)), 2);
  altura = arredondaPara(static_cast<long long>(std::min<std::size_t>(linhas.size(), INT_MAX)), 3);
}

void carregaConteudoGrafico(TMatrizPontos& matriz, std::string_view conteudo, int x0, int y0) {
  const std::vector<std::string_view> linhas = linhasGrafico(conteudo);
  // Only the rows and columns that land inside the matrix are looked at, so a
  // huge file placed anywhere costs no more than the matrix.
  const long long jInicio = std::max<long long>(0, -static_cast<long long>(y0));
  const long long jFim = std::min<long long>(static_cast<long long>(linhas.size()),
                                             static_cast<long long>(tamanhoMatriz) - y0);
  const long long cInicio = std::max<long long>(0, -static_cast<long long>(x0));
  for (long long j = jInicio; j < jFim; ++j) {
    const std::string_view linha = linhas[static_cast<std::size_t>(j)];
    const long long cFim = std::min<long long>(static_cast<long long>(linha.size()),
                                               static_cast<long long>(tamanhoMatriz) - x0);
    for (long long c = cInicio; c < cFim; ++c)
      if (linha[static_cast<std::size_t>(c)] != ' ')
        matriz.poe(static_cast<int>(x0 + c), static_cast<int>(y0 + j), 1);
  }
}

void dimensoesGrafico(std::string_view nome, int& largura, int& altura) {
  largura = 0;
  altura = 0;
  std::string conteudo;
  if (!plataforma::leArquivo(resolveNomeGrafico(nome), conteudo)) return;
  dimensoesConteudoGrafico(conteudo, largura, altura);
}

int larguraGrafico(std::string_view nome) {
  int largura = 0, altura = 0;
  dimensoesGrafico(nome, largura, altura);
  return largura;
}

void dimensoesGraficoCelulas(std::string_view nome, int& linhas, int& celulas) {
  int largura = 0, altura = 0;
  dimensoesGrafico(nome, largura, altura);
  celulas = pontosEmCelulas(largura);
  linhas = pontosEmLinhas(altura);
}

int alturaGraficoLinhas(std::string_view nome) {
  int linhas = 0, celulas = 0;
  dimensoesGraficoCelulas(nome, linhas, celulas);
  return linhas;
}

bool carregaGraficoTatil(TMatrizPontos& matriz, std::string_view nome, int x0, int y0) {
  std::string conteudo;
  if (!plataforma::leArquivo(resolveNomeGrafico(nome), conteudo)) return false;
  carregaConteudoGrafico(matriz, conteudo, x0, y0);
  return true;
}

std::vector<std::string> linhasDaMatriz(const TMatrizPontos& matriz) {
  std::vector<std::string> linhas;
  linhas.reserve(tamanhoMatriz);
  for (int y = 0; y < tamanhoMatriz; ++y) {
    std::string l(tamanhoMatriz, ' ');
    for (int x = 0; x < tamanhoMatriz; ++x)
      if (matriz.le(x, y) != 0) l[static_cast<std::size_t>(x)] = '*';
    while (!l.empty() && l.back() == ' ') l.pop_back();
    linhas.push_back(std::move(l));
  }
  while (linhas.size() > 1 && linhas.back().empty()) linhas.pop_back();
  return linhas;
}

std::string textoGraficoTatil(const std::vector<std::string>& linhas) {
  std::string conteudo;
  for (const auto& l : linhas) {
    conteudo += l;
    conteudo += "\r\n";
  }
  return conteudo;
}

bool gravaGraficoTatil(std::string_view nome, const std::vector<std::string>& linhas) {
  return plataforma::gravaArquivoSeguro(resolveNomeGrafico(nome), textoGraficoTatil(linhas));
}

int larguraCelulaGraf() { return pontosPorCelulaH(); }
int colunaParaPonto(int n) { return pontoInicialColuna(n); }
int celulasParaPontos(int n) { return celulasEmPontos(n); }

// ---------------------------------------------------------------------------

namespace {

// A frame wider or taller than the matrix could be neither drawn nor
// embossed whole, and absurd sizes would fill the disk.
constexpr int maxCelulasVazio = tamanhoMatriz / 6;        // 6 dots per cell
constexpr int maxLinhasVazio = (tamanhoMatriz + 1) / 5;   // 5 rows per line, less one

}  // namespace

bool leTamanhoGraficoVazio(std::string_view resposta, int& linhas, int& celulas) {
  const std::size_t branco = resposta.find(' ');
  if (branco == std::string_view::npos) return false;
  const int yy = leInteiroPadrao(resposta.substr(0, branco), 0);
  const int xx = leInteiroPadrao(apara(resposta.substr(branco)), 0);
  if (yy <= 0 || xx <= 0 || yy > maxLinhasVazio || xx > maxCelulasVazio) return false;
  linhas = yy;
  celulas = xx;
  return true;
}

std::string conteudoGraficoVazio(int linhas, int celulas) {
  const int n = 6 * celulas;
  const std::string cheia(static_cast<std::size_t>(n), '*');
  std::string meio = cheia;
  if (n > 2) {
    meio.assign(static_cast<std::size_t>(n), ' ');
    meio.front() = '*';
    meio.back() = '*';
  }
  std::string r;
  r.append(cheia).append("\r\n");
  for (int i = 0; i < 5 * linhas - 3; ++i) r.append(meio).append("\r\n");
  r.append(cheia).append("\r\n");
  return r;
}

void criaGraficoVazio() {
  const std::string titulo = "Criando gráfico vazio"_cp;
  auto& servico = plataforma::servicoMensagens();

  int linhas = 0, celulas = 0;
  std::string resposta;
  for (;;) {
    const auto r = servico.pergunta(
        titulo, "Quantas linhas e colunas alfanuméricas vai ocupar (no formato yy xx)?"_cp,
        resposta);
    if (!r || r->empty()) return;
    resposta = *r;
    if (leTamanhoGraficoVazio(resposta, linhas, celulas)) break;
  }

  const auto r = servico.pergunta(titulo, "Nome do arquivo .GRB a criar: ", "");
  if (!r) return;
  std::string nome(apara(*r));
  if (nome.empty()) return;
  if (nome.size() < 4 || cp1252::maiusculas(std::string_view(nome).substr(nome.size() - 4)) != ".GRB")
    nome += ".GRB";
  nome = resolveNomeGrafico(nome);

  if (existe(nome)) {
    const auto d = servico.pergunta(
        titulo, "Não foi possível criar: gráfico já existia."_cp + "\r\nQuer destruir o anterior?",
        "n");
    if (!d) return;
    if (!d->empty() && cp1252::maiuscula(static_cast<unsigned char>((*d)[0])) == 'N') return;
  }

  if (!plataforma::gravaArquivoSeguro(nome, conteudoGraficoVazio(linhas, celulas))) {
    plataforma::mostraMensagem("Não consegui criar este gráfico"_cp);
    return;
  }
  plataforma::mostraMensagem("Gráfico vazio "_cp + nome + " foi criado.\r\nUse o menu \"" +
                             "Gráficos"_cp + "\" para escolher como incluí-lo no texto."_cp);
}
