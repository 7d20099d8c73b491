// The draft generator: document pass, markup, paragraphs, graphics, and the
// single-line pass.
#include "brgerador.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "arquivos.h"
#include "brcorta.h"
#include "brgrafpr.h"
#include "brpaginas.h"
#include "brrascunho.h"
#include "brtraduz.h"
#include "brvars.h"
#include "cp1252.h"
#include "mensagens.h"

bool juntando = true;
bool hifenizando = true;
bool recuoContinuacao = false;

namespace {

bool passoEmCurso = false;

// Held for the whole of a pass. Taken only when no pass runs; a guard that
// did not get it leaves the flag to the pass that holds it.
class GuardaPasso {
 public:
  GuardaPasso() : dono_(!passoEmCurso) { passoEmCurso = true; }
  ~GuardaPasso() {
    if (dono_) passoEmCurso = false;
  }
  bool recusado() const { return !dono_; }
  GuardaPasso(const GuardaPasso&) = delete;
  GuardaPasso& operator=(const GuardaPasso&) = delete;

 private:
  const bool dono_;
};

// Lines a page holds in this pass: maxLin, except in the single-line pass,
// which ends no page (its first line must be the line's own Braille).
int linhasPorPagina = 30;

constexpr char branco = ' ';

bool ehDigito(char c) { return c >= '0' && c <= '9'; }

char maiusculaAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// A non-negative decimal number written with digits only, that fits an int.
bool leNumero(std::string_view texto, int& numero) {
  if (texto.empty()) return false;
  for (const char c : texto)
    if (!ehDigito(c)) return false;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
  return erro == std::errc() && fim == texto.data() + texto.size();
}

// Blanks and control characters around a name or a position.
std::string_view apara(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

void tiraBrancosFinais(std::string& s) {
  const std::size_t fim = s.find_last_not_of(branco);
  s.resize(fim == std::string::npos ? 0 : fim + 1);
}

bool existeArquivoGrafico(std::string_view nome) {
  std::error_code ec;
  return std::filesystem::is_regular_file(plataforma::caminhoSistema(resolveNomeGrafico(nome)), ec);
}

// A tactile graphic is at most a few hundred short lines. A name in a
// document may point anywhere: a device such as /dev/zero or a FIFO would
// never finish reading, and a huge file cannot be a graphic. Those measure
// as a file that cannot be read: no lines reserved.
constexpr std::uintmax_t maiorArquivoGrafico = 64u << 20;

int linhasReservadas(std::string_view nome) {
  std::error_code ec;
  const std::filesystem::path caminho = plataforma::caminhoSistema(resolveNomeGrafico(nome));
  if (!std::filesystem::is_regular_file(caminho, ec)) return 0;
  const std::uintmax_t tamanho = std::filesystem::file_size(caminho, ec);
  if (ec || tamanho > maiorArquivoGrafico) return 0;
  return alturaGraficoLinhas(nome);
}

// Flushes the paragraph before a markup line that changes the layout.
void fechaParagrafoJuntado() {
  if (juntando && !bufferParagrafo.empty()) emiteParagrafo(true);
}

// Chars 3 and 4 of a letter command ("->", "+>", "*>"), or "" when the line
// is shorter.
std::string_view sinal(const std::string& linha) {
  if (linha.size() < 4) return {};
  return std::string_view(linha).substr(2, 2);
}

void gravaMarcaVazia() { gravaLinha(marcaLinhaVazia(), true); }

// "<P>": the pending header goes on the page being closed.
void quebraPagina() {
  fechaParagrafoJuntado();
  if (cabecalhoPendente) gravaCabecalho();
  fimPagina();
  gravaCabecalho();
}

void comandoTitulo(const std::string& linha) {
  fechaParagrafoJuntado();
  const std::string_view s = sinal(linha);
  if (s == "->") {
    comTituloAtual = false;
    return;
  }
  if (s == "+>") {
    comTituloAtual = true;
    return;
  }
  // "<T+n>" and "<T*n>": the next page is numbered n. When n is not a number
  // the line is an ordinary title.
  if (linha.size() >= 5 && (linha[2] == '+' || linha[2] == '*') && ehDigito(linha[3]) && linha.back() == '>') {
    int n = 0;
    if (leNumero(std::string_view(linha).substr(3, linha.size() - 4), n)) {
      comTituloAtual = true;
      numeracaoRomana = linha[2] == '*';
      paginaCabecalho = n - 1;
      fimPagina();
      gravaCabecalho();
      return;
    }
  }
  std::string titulo = linha.substr(2);
  if (!titulo.empty() && titulo.back() == '>') titulo.pop_back();
  tituloAtual = std::move(titulo);
}

void comandoFormato(const std::string& linha) {
  fechaParagrafoJuntado();
  const std::string_view s = sinal(linha);
  if (s == "->") {
    semTraducao = false;
    juntando = false;
  } else if (s == "+>") {
    semTraducao = false;
    juntando = true;
  } else if (s == "*>") {
    juntando = false;
    semTraducao = true;
  } else {
    semTraducao = false;
  }
}

// Sets *chave by "+>" / "->"; other characters leave it alone.
void comandoChave(const std::string& linha, bool& chave) {
  const std::string_view s = sinal(linha);
  if (s == "+>")
    chave = true;
  else if (s == "->")
    chave = false;
}

// A position word: a column (stored with the margin prefix added) or C, D, E.
bool lePosicao(std::string_view palavra, std::string& posicao) {
  if (!palavra.empty() && ehDigito(palavra[0])) {
    int coluna = 0;
    if (!leNumero(palavra, coluna)) return false;
    const long long total = static_cast<long long>(coluna) + static_cast<long long>(prefixoMargem.size());
    if (total > INT_MAX) return false;
    posicao = std::to_string(total);
    return true;
  }
  if (palavra.size() != 1) return false;
  const char c = maiusculaAscii(palavra[0]);
  if (c != 'C' && c != 'D' && c != 'E') return false;
  posicao.assign(1, c);
  return true;
}

// The directive's position word: the renderers split it off at the first
// blank, so a name with a blank in it always gets one ("E", the left edge,
// where a graphic without a position goes).
std::string posicaoDiretiva(const std::string& posicao, std::string_view nome) {
  if (apara(posicao).empty() && nome.find(branco) != std::string_view::npos) return "E";
  return posicao;
}

void graficoEmbutido(char tipo, const std::string& posicao, const std::string& nome) {
  if (configuracao.frenteVerso && paginaAtual % 2 == 0) {
    fimPagina();
    gravaCabecalho();
  }
  gravaLinha(diretivaGrafico(posicaoDiretiva(posicao, nome), nome), false);
  --linhaNaPagina;
  graficoNaPagina = true;
  if (tipo == '*') {
    const int reservadas = linhasReservadas(nome);
    for (int k = 0; k < reservadas; ++k) gravaLinha(marcaReservaGrafico, false);
  }
}

// "<G" kind [position] name ">". False when malformed (the box was shown).
bool comandoGrafico(int indice, const std::string& linha) {
  fechaParagrafoJuntado();
  if (linha.size() < 4 || linha.back() != '>') {
    plataforma::mostraMensagem(mensagemComandoGrafico(indice));
    return false;
  }
  const char tipo = linha[2];
  if (tipo != ' ' && tipo != '*' && tipo != '+') return true;
  // Between the kind and the final ">".
  const std::string_view resto = apara(std::string_view(linha).substr(3, linha.size() - 4));
  if (resto.empty()) {
    plataforma::mostraMensagem(mensagemComandoGrafico(indice));
    return false;
  }
  std::string posicao = " ";
  std::string nome;
  const std::size_t b = resto.find(branco);
  if (b == std::string_view::npos) {
    nome = resto;
  } else {
    const std::string_view palavra = resto.substr(0, b);
    const std::string_view depois = apara(resto.substr(b + 1));
    if (lePosicao(palavra, posicao) && !depois.empty()) {
      nome = depois;
    } else if (existeArquivoGrafico(resto)) {
      // A name with a blank in it, as the editor inserts a graphic from a
      // folder such as "Meus documentos", has no position.
      posicao = " ";
      nome = resto;
    } else {
      plataforma::mostraMensagem(mensagemComandoGrafico(indice));
      return false;
    }
  }

  if (tipo == ' ') {
    if (!noTopoPaginaFrente()) fimPagina();
    filaGraficos.push_back(nome);
    filaPosicoesGraficos.push_back(posicao);
    emiteGraficos();
    return true;
  }
  if (configuracao.tipoTratGrafico == 1) return true;
  graficoEmbutido(tipo, posicao, nome);
  return true;
}

// "<M" prefix ">". False when malformed (the box was shown); the margin in
// force then stays as it was.
bool comandoMargem(int indice, const std::string& linha) {
  if (!bufferParagrafo.empty()) emiteParagrafo(true);
  std::string prefixo = linha.substr(2);
  if (prefixo.empty() || prefixo.back() != '>') {
    plataforma::mostraMensagem(mensagemComandoGrafico(indice));
    return false;
  }
  prefixo.pop_back();
  const int maximo = configuracao.maxCarac - 2;
  if (maximo <= 0)
    prefixo.clear();
  else if (prefixo.size() > static_cast<std::size_t>(maximo))
    prefixo.resize(static_cast<std::size_t>(maximo));
  prefixoMargem = std::move(prefixo);
  larguraUtil = configuracao.maxCarac - static_cast<int>(prefixoMargem.size());
  return true;
}

// "<" n ">": the original page number. False when it is not one.
bool comandoPaginaOriginal(const std::string& linha) {
  if (linha.back() != '>') return false;
  int n = 0;
  if (!leNumero(std::string_view(linha).substr(1, linha.size() - 2), n)) return false;
  paginaOriginal = n;
  return true;
}

// A document line as the pass sees it: tabs and no-break spaces made
// blanks, centring decided, blanks cleaned.
void preparaLinha(std::string& linha) {
  expandeTabs(linha);
  trocaEspacosInquebraveis(linha);
  centrando = juntando && linha.size() > 10 && linha.find_first_not_of(branco) >= 10;
  limpaBrancos(linha);
}

}  // namespace

std::string mensagemComandoGrafico(int indice) {
  return "Comando gráfico inválido na linha "_cp + std::to_string(static_cast<long long>(indice) + 1) + ".";
}

void iniciaPasso(bool preview) {
  bufferParagrafo.clear();
  juntando = configuracao.autoJunta;
  semTraducao = false;
  hifenizando = configuracao.separaSilabas;
  // Indent, roman numbers and the header switch are markup of one document:
  // they never outlast its pass.
  recuoContinuacao = false;
  numeracaoRomana = false;
  comTituloAtual = configuracao.comTitulo;
  reiniciaEstadoConversores();
  centrando = false;
  tituloAtual = configuracao.titulo;
  prefixoMargem.clear();
  larguraUtil = configuracao.maxCarac;
  linhasPorPagina = configuracao.maxLin;
  paginaOriginal = 0;
  iniciaContagemRascunho();
  paginaCabecalho = 1;
  graficoNaPagina = false;
  visualizando = preview;
  filaGraficos.clear();
  filaPosicoesGraficos.clear();
}

void limpaBrancos(std::string& linha) {
  tiraBrancosFinais(linha);
  if (!juntando) return;
  std::size_t inicio = 0;
  while (linha.size() - inicio >= 3 && linha[inicio] == branco && linha[inicio + 1] == branco &&
         linha[inicio + 2] == branco)
    ++inicio;
  linha.erase(0, inicio);
}

bool noTopoPaginaFrente() {
  return cabecalhoPendente && (paginaAtual % 2 != 0 || !configuracao.frenteVerso);
}

void emiteGraficos() {
  if (paginaAtual > paginaFinal || filaGraficos.empty()) return;
  if (configuracao.frenteVerso && paginaAtual % 2 == 0) fimPagina();
  for (std::size_t k = 0; k < filaGraficos.size(); ++k) {
    const std::string posicao = k < filaPosicoesGraficos.size() ? filaPosicoesGraficos[k] : std::string(" ");
    gravaCabecalho();
    gravaLinha(diretivaGrafico(posicaoDiretiva(posicao, filaGraficos[k]), filaGraficos[k]), false);
    --linhaNaPagina;
    graficoNaPagina = true;
    fimPagina();
    if (!(paginaFinal > paginaAtual)) break;
  }
  filaGraficos.clear();
  filaPosicoesGraficos.clear();
}

void emiteParagrafo(bool final) {
  std::string texto = bufferParagrafo;
  tiraBrancosFinais(texto);
  std::string linha;
  do {
    // A page that can hold no line still takes one: an empty page is never
    // ended for being full.
    if (linhaNaPagina > linhasPorPagina && !cabecalhoPendente) fimPagina();
    if (cabecalhoPendente) gravaCabecalho();
    if (linhaNaPagina <= 1 && paginaCabecalho > 1 && texto.empty() && configuracao.tiraBrancasInicioPag) {
      bufferParagrafo.clear();
      return;
    }
    if (centrando) {
      const std::size_t primeiro = texto.find_first_not_of(branco);
      texto.erase(0, primeiro == std::string::npos ? texto.size() : primeiro);
      tiraBrancosFinais(texto);
      if (excedeLargura(texto, larguraUtil)) {
        cortaLinha(texto, linha, larguraUtil, hifenizando);
      } else {
        linha = std::move(texto);
        texto.clear();
      }
      const long long folga = static_cast<long long>(larguraUtil) - static_cast<long long>(linha.size());
      if (folga / 2 > 0) linha.insert(0, static_cast<std::size_t>(folga / 2), branco);
      gravaLinha(linha, true);
      bufferParagrafo = texto;
    } else if (excedeLargura(texto, larguraUtil)) {
      const std::size_t antes = texto.size();
      cortaLinha(texto, linha, larguraUtil, hifenizando);
      gravaLinha(linha, true);
      bufferParagrafo = texto;
      if (recuoContinuacao) aplicaRecuoContinuacao(texto, antes);
    } else {
      if (final) {
        gravaLinha(texto, true);
        bufferParagrafo.clear();
      } else {
        bufferParagrafo = texto;
      }
      texto.clear();
    }
  } while (!texto.empty());
  if (!bufferParagrafo.empty()) bufferParagrafo += branco;
}

void acrescentaTexto(std::string linha) {
  const bool final = !juntando;
  if (juntando && !bufferParagrafo.empty() &&
      (linha.empty() || linha[0] == branco || static_cast<unsigned char>(linha[0]) == 149)) {
    // The waiting paragraph ends as it was laid out; only the new line may
    // be centred.
    const bool centrandoAntes = centrando;
    centrando = false;
    emiteParagrafo(true);
    centrando = centrandoAntes;
  }
  if (linha.empty()) {
    emiteParagrafo(true);
    return;
  }
  if (juntando && linha[0] == branco && (linha.size() < 2 || linha[1] != branco)) linha.erase(0, 1);
  std::string traduzido;
  traduzTexto(linha, traduzido);
  bufferParagrafo += traduzido;
  emiteParagrafo(final);
}

bool interpretaComando(int indice, const std::string& linha) {
  if (linha.size() == 1) {
    // A lone "<" is taken for a graphic line that lost its name.
    plataforma::mostraMensagem(mensagemComandoGrafico(indice));
    return false;
  }
  const char letra = maiusculaAscii(linha[1]);
  if (linha.size() == 3 && letra == 'P' && linha[2] == '>') {
    quebraPagina();
    return true;
  }
  switch (letra) {
    case 'T':
      comandoTitulo(linha);
      return true;
    case 'F':
      comandoFormato(linha);
      return true;
    case 'S':
      comandoChave(linha, hifenizando);
      return true;
    case 'R':
      fechaParagrafoJuntado();
      comandoChave(linha, recuoContinuacao);
      return true;
    case 'I':
      comandoChave(linha, textoEstrangeiro);
      return true;
    case 'G':
      return comandoGrafico(indice, linha);
    case 'M':
      return comandoMargem(indice, linha);
    default:
      break;
  }
  if (ehDigito(linha[1])) return comandoPaginaOriginal(linha);
  // Notes and unknown markup leave no trace.
  return true;
}

bool traducaoEmCurso() { return passoEmCurso; }

bool geraRascunho(const std::vector<std::string>& linhas, int linhaCursor, int& linhaRascunho, bool preview) {
  const GuardaPasso guarda;
  if (guarda.recusado()) return false;
  if (!abreRascunho()) {
    plataforma::mostraErro(mensagemErroRascunho);
    return false;
  }
  linhaRascunho = 0;
  iniciaPasso(preview);
  mapaLinhas.assign(linhas.size(), 0);

  std::string linhaAtual;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const int indice = i > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(i);
    if (indice == linhaCursor) linhaRascunho = contadorLinhasRascunho;
    if (paginaAtual > paginaFinal) break;
    // After a lost write the draft can only be wrong: no point going on.
    if (falhaRascunho()) break;
    mapaLinhas[i] = contadorLinhasRascunho;
    linhaAtual = linhas[i];
    preparaLinha(linhaAtual);
    if (!linhaAtual.empty() && linhaAtual[0] == '<') {
      if (!interpretaComando(indice, linhaAtual)) acrescentaTexto(linhaAtual);
    } else {
      acrescentaTexto(linhaAtual);
    }
  }
  if (paginaAtual <= paginaFinal && !bufferParagrafo.empty()) emiteParagrafo(true);
  if (!cabecalhoPendente) fimPagina();
  emiteGraficos();
  if (configuracao.frenteVerso && paginaAtual % 2 == 0) {
    // The document ends on a whole sheet.
    if (cabecalhoPendente && configuracao.EnviaVazias) gravaMarcaVazia();
    fimPagina();
  }
  if (!fechaRascunho()) {
    plataforma::mostraErro(mensagemErroRascunho);
    return false;
  }
  return true;
}

namespace {

// A single-line pass writes a scratch file of its own beside the draft file
// and removes it afterwards: the draft of the last document pass stays what
// the preview, its way back to the document and a print job read.
class RascunhoDeUmaLinha {
 public:
  RascunhoDeUmaLinha() : rascunho_(nomeArquivoRascunho()) { configuracao.arqTrab = rascunho_ + ".linha"; }
  ~RascunhoDeUmaLinha() {
    if (rascunhoAberto()) fechaRascunho();
    if (criado_) {
      std::error_code ec;
      std::filesystem::remove(plataforma::caminhoSistema(configuracao.arqTrab), ec);
    }
    configuracao.arqTrab = rascunho_;
  }
  // The scratch file exists now and is to be removed at the end.
  void criado() { criado_ = true; }
  RascunhoDeUmaLinha(const RascunhoDeUmaLinha&) = delete;
  RascunhoDeUmaLinha& operator=(const RascunhoDeUmaLinha&) = delete;

 private:
  std::string rascunho_;
  bool criado_ = false;
};

}  // namespace

bool traduzLinha(std::string_view linha, std::string& saida) {
  // Before the scratch file: choosing it already changes the draft's name.
  const GuardaPasso guarda;
  if (guarda.recusado()) return false;
  RascunhoDeUmaLinha arquivoProprio;
  if (!abreRascunho()) {
    plataforma::mostraErro(mensagemErroRascunho);
    return false;
  }
  arquivoProprio.criado();
  paginaInicial = 1;
  paginaFinal = 9999;
  iniciaPasso(false);
  comTituloAtual = false;
  larguraUtil = 254;
  linhasPorPagina = INT_MAX;

  // A no-break space is a blank here too, also where the line begins.
  std::string texto(linha);
  trocaEspacosInquebraveis(texto);
  acrescentaTexto(std::move(texto));
  if (!bufferParagrafo.empty()) acrescentaTexto(std::string());

  std::vector<std::string> lidas;
  if (!fechaRascunho() || !leRascunho(lidas)) {
    plataforma::mostraErro(mensagemErroRascunho);
    return false;
  }
  saida = lidas.empty() ? std::string() : std::move(lidas.front());
  return true;
}

bool traduzLinha(const std::vector<std::string>& linhas, int indice, std::string& saida) {
  if (indice < 0 || static_cast<std::size_t>(indice) >= linhas.size()) return traduzLinha(std::string_view(), saida);
  return traduzLinha(linhas[static_cast<std::size_t>(indice)], saida);
}
