#include "brimprpagina.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "arquivos.h"
#include "brdevice.h"
#include "brgeometria.h"
#include "brrascunho.h"
#include "brtiger.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"
#include "mensagens.h"

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view cr = "\r";
constexpr std::string_view avancoPagina = "\f";

// Settings take any integer: keep the placement arithmetic inside int.
int limita(long long v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::string_view apara(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

// A decimal integer with an optional sign, nothing else.
bool leInteiro(std::string_view texto, long long& valor) {
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  if (texto.empty()) return false;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return r.ec == std::errc() && r.ptr == texto.data() + texto.size();
}

// Lines down a graphic of `pontos` rows covers, rounded up.
int pontosEmLinhasV(int pontos, int v) {
  if (v <= 0 || pontos <= 0) return 0;
  return limita((static_cast<long long>(pontos) + v - 1) / v);
}

}  // namespace

// ---------------------------------------------------------------------------

bool CanalDispositivo::envia(std::string_view bytes) { return enviaDispositivo(bytes); }

bool CanalDispositivo::desenhaGrafico(const TMatrizPontos& matriz, int x0, int y0, int colunas,
                                      int linhas) {
  // The job decided at its start that the device draws; only the driver
  // channel can, and it refuses while it is not open.
  return desenhaPontosTiger(matriz, x0, y0, colunas, linhas);
}

bool CanalDispositivo::fecha() { return fechaDispositivo(); }

AmbienteImpressao capturaAmbienteImpressao() {
  AmbienteImpressao a;
  a.tipoTratGrafico = configuracao.tipoTratGrafico;
  a.frenteVerso = configuracao.frenteVerso;
  a.soFrenteInterp = configuracao.soFrenteInterp;
  a.brailleAntigo = configuracao.brailleAntigo;
  a.tiger = modoTiger.load();
  // Printing never uses the preview's wide cells.
  if (a.tiger) {
    a.pontosH = pontosHTiger;
    a.pontosV = pontosVTiger;
  } else if (ehIndex()) {
    a.pontosH = pontosHIndex;
    a.pontosV = pontosVIndex;
  } else {
    a.pontosH = pontosHOutras;
    a.pontosV = pontosVOutras;
  }
  a.larguraLinha = larguraLinha();
  a.prefixoMargem = prefixoMargem;
  a.nomeDocumento = nomeDocumento;
  a.tabela = tabelaImpressora;
  return a;
}

// ---------------------------------------------------------------------------

TImprPagina::TImprPagina(const AmbienteImpressao& ambiente, CanalImpressao& canal)
    : amb_(ambiente), canal_(canal), matriz_(std::make_unique<TMatrizPontos>()) {}

void TImprPagina::carregaGraficoNaMatriz(int y0, std::string_view linha, int& x, int& largura,
                                         int& altura) {
  const std::string_view resto = apara(linha.size() > 4 ? linha.substr(4) : std::string_view{});
  std::string palavra = "E";
  std::string_view nome = resto;
  const std::size_t branco = resto.find(' ');
  if (branco != std::string_view::npos) {
    palavra = cp1252::maiusculas(resto.substr(0, branco));
    nome = apara(resto.substr(branco + 1));
  }

  const std::string arquivo = resolveNomeGrafico(nome, amb_.nomeDocumento);
  std::string conteudo;
  const bool lido = !nome.empty() && plataforma::leArquivo(arquivo, conteudo);
  largura = 0;
  altura = 0;
  if (lido) dimensoesConteudoGrafico(conteudo, largura, altura);
  if (amb_.tiger) largura = limita(2LL * largura - 1);

  const long long h = amb_.pontosH;
  const long long prefixo = static_cast<long long>(amb_.prefixoMargem.size());
  long long px = 1;
  const char letra = palavra.empty() ? '\0' : palavra.front();
  if (letra == 'C' || letra == 'D' || letra == 'E') {
    px = prefixo * h + 1;  // the first column after the margin prefix
    const long long limite = static_cast<long long>(amb_.larguraLinha) * h - (amb_.tiger ? 2 : 1);
    if (letra == 'C' && largura < limite) px += (limite - largura) / 2;
    if (letra == 'D' && largura < limite) px += limite - largura;
  } else {
    long long coluna = 0;
    if (leInteiro(palavra, coluna) && coluna > -(1LL << 40) && coluna < (1LL << 40))
      px = (prefixo + coluna - 1) * h + 1;
  }
  const long long margem = std::max(0, margemAtual);
  x = limita(margem * h + px - 1);

  if (!lido) {
    plataforma::mostraMensagem("Arquivo " + arquivo + " não achado"_cp);
    return;
  }
  carregaConteudoGrafico(*matriz_, conteudo, x, y0);
}

void TImprPagina::garanteMarcas(std::size_t linhas) {
  if (temGrafico_.size() < linhas) {
    temGrafico_.resize(linhas, 0);
    faixas_.resize(linhas, 0);
    linhaY_.resize(linhas, 0);
  }
}

void TImprPagina::limpaMarcasGrafico() {
  garanteMarcas(listaPagina.size());
  std::fill_n(temGrafico_.begin(), listaPagina.size(), 0);
  std::fill_n(faixas_.begin(), listaPagina.size(), 0);
  std::fill_n(linhaY_.begin(), listaPagina.size(), 0);
}

void TImprPagina::montaPaginaGrafica() {
  const int h = amb_.pontosH;
  const int v = amb_.pontosV;
  matriz_->limpa();
  int restantes = 0;  // text lines still covered by a graphic
  limpaMarcasGrafico();

  int y = 0;
  std::size_t i = 0;
  while (i < listaPagina.size()) {
    if (ehDiretivaGrafico(listaPagina[i]) && amb_.tipoTratGrafico != 4) {
      int x = 0, largura = 0, altura = 0;
      carregaGraficoNaMatriz(y, listaPagina[i], x, largura, altura);
      restantes = std::max(restantes, pontosEmLinhasV(altura, v));
      listaPagina.erase(listaPagina.begin() + static_cast<std::ptrdiff_t>(i));
      // The line that follows carries the bands; two graphics side by side
      // start at the same line, and the taller one's bands must all go out.
      const int faixas = std::max(0, altura / 3);
      if (faixas > 0 && i == listaPagina.size()) {
        // A graphic that ends the page (a whole-page graphic) has no line
        // under it: give it an empty one, so its bands are not lost.
        listaPagina.emplace_back();
      }
      garanteMarcas(listaPagina.size());
      if (i < listaPagina.size()) faixas_[i] = std::max(faixas_[i], faixas);
      continue;
    }
    std::string& linha = listaPagina[i];
    garanteMarcas(i + 1);
    if (ehLinhaReservaGrafico(linha)) linha = " ";
    if (amb_.tipoTratGrafico == 2 || amb_.tipoTratGrafico == 3 || restantes > 0) {
      for (std::size_t k = 0; k < linha.size(); ++k) {
        const unsigned char mascara = codigoImpressoraParaPontos[static_cast<unsigned char>(linha[k])];
        desenhaCelula(*matriz_, limita(static_cast<long long>(k) * h), y, mascara);
      }
    }
    temGrafico_[i] = restantes > 0;
    linhaY_[i] = y;
    if (restantes > 0) --restantes;
    y = limita(static_cast<long long>(y) + v);
    ++i;
  }
}

bool TImprPagina::imprimePaginaTexto() {
  const std::size_t n = listaPagina.size();
  std::string pedaco;
  for (std::size_t i = 0; i < n; ++i) {
    pedaco = listaPagina[i];
    pedaco += i + 1 == n ? cr : crlf;
    if (!canal_.envia(pedaco)) return false;
  }
  bool ok = canal_.envia(avancoPagina);
  // An interpoint embosser printing one side only: the back stays blank.
  if (ok && !amb_.frenteVerso && amb_.soFrenteInterp) ok = canal_.envia(avancoPagina);
  return ok;
}

bool TImprPagina::enviaLinhaTexto(std::size_t i) {
  if (!canal_.envia(listaPagina[i])) return false;
  return canal_.envia(i + 1 == listaPagina.size() ? cr : crlf);
}

bool TImprPagina::imprimeFaixaGrafica(int n, int& y) {
  if (!canal_.envia(entraModoGrafico)) return false;
  const auto& celulas = celulasDoCodigo(amb_.brailleAntigo);
  while (n > 0) {
    if (!canal_.envia(linhaFaixaGrafica(*matriz_, y, celulas, amb_.tabela))) return false;
    y += 3;
    --n;
  }
  return canal_.envia(saiModoGrafico);
}

bool TImprPagina::imprimePaginaMista() {
  garanteMarcas(listaPagina.size());
  bool ok = true;
  int y = 0;
  for (std::size_t i = 0; i < listaPagina.size(); ++i) {
    if (temGrafico_[i]) {
      if (faixas_[i] > 0 && ok) {
        // The bands begin at the row the graphic was placed at; bands below
        // the last row that goes out (299) could only feed blank paper.
        y = linhaY_[i];
        const int ultimaLinha = tamanhoMatriz - 2;
        const int cabem = y <= ultimaLinha ? (ultimaLinha - y) / 3 + 1 : 0;
        const int faixas = std::min(faixas_[i], cabem);
        if (faixas > 0) ok = imprimeFaixaGrafica(faixas, y);
      }
    } else {
      if (ok) ok = enviaLinhaTexto(i);
      y += amb_.pontosV;
    }
    if (!ok) {
      plataforma::mostraMensagem(mensagemErroDispositivo);
      return false;
    }
  }
  ok = canal_.envia(avancoPagina);
  if (!ok) plataforma::mostraMensagem(mensagemErroDispositivo);
  return ok;
}

bool TImprPagina::imprimePaginaModoGrafico() {
  bool ok = canal_.envia(entraModoGrafico);
  if (ok) {
    // Only rows and columns 0 to 299 go out; a page has at least one band.
    int ultima = 1;
    for (int y = tamanhoMatriz - 2; y >= 1 && ultima == 1; --y)
      for (int x = 0; x < tamanhoMatriz - 1; ++x)
        if (matriz_->le(x, y)) {
          ultima = y;
          break;
        }
    const int faixas = ultima / 3 + 1;
    const auto& celulas = celulasDoCodigo(amb_.brailleAntigo);
    for (int b = 0; b < faixas && ok; ++b)
      ok = canal_.envia(linhaFaixaGrafica(*matriz_, 3 * b, celulas, amb_.tabela));
  }
  if (ok) ok = canal_.envia(saiModoGrafico);
  if (ok) ok = canal_.envia(avancoPagina);
  if (!ok) plataforma::mostraMensagem(mensagemErroDispositivo);
  return ok;
}

bool TImprPagina::imprimePaginaGraficoDireto() {
  matriz_->limpa();
  bool ok = true;
  std::size_t i = 0;
  while (i < listaPagina.size()) {
    if (ehDiretivaGrafico(listaPagina[i]) && amb_.tipoTratGrafico != 4) {
      int x = 0, largura = 0, altura = 0;
      carregaGraficoNaMatriz(0, listaPagina[i], x, largura, altura);
      if (ok) ok = canal_.desenhaGrafico(*matriz_, x, 0, largura, altura);
      matriz_->preencheRetangulo(x, 0, largura, altura, 0);
      listaPagina.erase(listaPagina.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    if (ehLinhaReservaGrafico(listaPagina[i])) listaPagina[i] = " ";
    if (ok) ok = enviaLinhaTexto(i);
    if (!ok) break;
    ++i;
  }
  if (ok) ok = canal_.envia(avancoPagina);
  if (!ok) plataforma::mostraMensagem(mensagemErroDispositivo);
  return ok;
}
