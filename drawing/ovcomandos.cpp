#include "ovcomandos.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "arquivos.h"
#include "linhas.h"
#include "mensagens.h"
#include "ovmensagem.h"
#include "ovtelavirt.h"
#include "ovvars.h"

namespace orvento {

std::array<double, maxNumeros + 1> numeros{};

std::function<bool(std::string_view, int, int, int)> desenhaTextoComando;
std::function<bool(std::string_view, int, int, int, int)> desenhaBrailleComando;

namespace {

// Far outside the canvas, yet sums of two such values fit in an int: the
// primitives drop such dots without looping over them.
constexpr long double limiteCoordenada = 1'000'000'000.0L;
constexpr std::string_view extensaoPadrao = ".gbr";

// The recording: its file and everything written to it so far.
std::string nomeRegistro;
std::string conteudoRegistro;

// ---------------------------------------------------------------------------
// Numbers

// Round (halves to even) or Trunc, pinned to the limit: a huge value must not
// overflow the int, and lands off the canvas just the same.
int limitaInteiro(long double v) {
  if (!(v > -limiteCoordenada)) return static_cast<int>(-limiteCoordenada);
  if (v > limiteCoordenada) return static_cast<int>(limiteCoordenada);
  return static_cast<int>(v);
}
int arredonda(long double v) { return limitaInteiro(std::nearbyint(v)); }

// A whole number in 0..maximo, as a count, size or direction must be.
std::optional<int> inteiroEntre(double v, int minimo, int maximo) {
  if (v != std::trunc(v) || v < minimo || v > maximo) return std::nullopt;
  return static_cast<int>(v);
}

// User coordinates <-> dots.
long double usuarioX(double d) { return (static_cast<long double>(d) - origemX) / escalaX; }
long double usuarioY(double d) { return (static_cast<long double>(d) - origemY) / escalaY; }
int pontoX(double v) { return arredonda(static_cast<long double>(v) * escalaX + origemX); }
int pontoY(double v) { return arredonda(static_cast<long double>(v) * escalaY + origemY); }

// ---------------------------------------------------------------------------
// Writing

std::string campoPalavra(std::string_view palavra) {
  std::string campo(palavra);
  campo.resize(std::max<std::size_t>(palavra == "RETANG" ? 9 : 8, palavra.size()), ' ');
  return campo;
}

// Appends the lines to the recording and rewrites its file; on failure the
// file keeps what it had, the recording ends and the user is told.
void gravaRegistro(const std::string& linhas) {
  const std::size_t antes = conteudoRegistro.size();
  conteudoRegistro += linhas;
  if (!plataforma::gravaArquivoSeguro(nomeRegistro, conteudoRegistro)) {
    conteudoRegistro.resize(antes);
    registrando = false;
    exibeAviso(avisoErroGravar);
  }
}

// One line of a keyword and its F values; a value that cannot be written
// (not finite: a scale of 0) is a failed write.
void registraValores(std::string_view palavra, std::initializer_list<long double> valores,
                     std::string_view resto = {}) {
  if (!registrando) return;
  std::string linha = campoPalavra(palavra);
  bool primeiro = true;
  for (long double v : valores) {
    const std::string f = formataF(v);
    if (f.empty()) {
      registrando = false;
      exibeAviso(avisoErroGravar);
      return;
    }
    if (!primeiro) linha += ' ';
    linha += f;
    primeiro = false;
  }
  linha += resto;
  gravaRegistro(linha + "\r\n");
}

void registraCaixa(std::string_view palavra, double x1, double y1, double x2, double y2) {
  registraValores(palavra, {usuarioX(x1), usuarioY(y1), usuarioX(x2), usuarioY(y2)});
}

void registraRoda(std::string_view palavra, double cx, double cy, double r) {
  const long double raio = static_cast<long double>(r) / std::fabs(escalaX);
  registraValores(palavra, {usuarioX(cx), usuarioY(cy), raio});
}

void registraTextoDe(std::string_view palavra, int tamanho, int direcao, const std::string& texto,
                     double x, double y) {
  if (texto.empty()) return;
  // A line end inside the text would cut the command in two.
  std::string t = texto;
  std::replace(t.begin(), t.end(), '\r', ' ');
  std::replace(t.begin(), t.end(), '\n', ' ');
  registraValores(palavra, {usuarioX(x), usuarioY(y)},
                  " " + std::to_string(tamanho) + " " + std::to_string(direcao) + " " + t);
}

bool temExtensao(const std::string& nome) {
  const std::size_t barra = nome.find_last_of("/\\");
  const std::size_t ponto = nome.rfind('.');
  return ponto != std::string::npos && (barra == std::string::npos || ponto > barra);
}

// ---------------------------------------------------------------------------
// Reading

// Four numbers as the corners of a box in dots.
bool leRetangulo(std::string& linha, int& x1, int& y1, int& x2, int& y2) {
  if (!leNumeros(linha, 4)) return false;
  x1 = pontoX(numeros[1]), y1 = pontoY(numeros[2]);
  x2 = pontoX(numeros[3]), y2 = pontoY(numeros[4]);
  return true;
}

// The centre in dots and the radius, stored as r / |escalaX|.
bool leCirculo(std::string& linha, int& cx, int& cy, int& r) {
  if (!leNumeros(linha, 3)) return false;
  cx = pontoX(numeros[1]), cy = pontoY(numeros[2]);
  r = arredonda(static_cast<long double>(numeros[3]) * std::fabs(escalaX));
  return true;
}

// A point line of "CURVA": exactly two numbers, dots with a fraction; the
// pixel is Round(4v).
std::optional<TPontoCurva> lePontoCurva(std::string linha) {
  std::string a, b;
  separaPalavra(linha, a);
  separaPalavra(linha, b);
  std::string resto;
  separaPalavra(linha, resto);
  if (!resto.empty()) return std::nullopt;
  const auto x = leNumero(a), y = leNumero(b);
  if (!x || !y) return std::nullopt;
  return TPontoCurva{arredonda(static_cast<long double>(*x) * tamPonto),
                     arredonda(static_cast<long double>(*y) * tamPonto)};
}

// The clicked dots, then the curve, as the curve tool draws them; the points
// the user may be clicking meanwhile are kept.
bool executaCurva(std::string& linha, const ProximaLinha& proxima) {
  if (!leNumeros(linha, 1)) return false;
  const auto k = inteiroEntre(numeros[1], 1, maxPontosCurva);
  if (!k) return false;
  std::array<TPontoCurva, maxPontosCurva + 1> pontos{};
  for (int i = 1; i <= *k; ++i) {
    const auto l = proxima ? proxima() : std::nullopt;
    if (!l) return false;
    const auto p = lePontoCurva(*l);
    if (!p) return false;
    pontos[i] = *p;
  }
  const int numAntes = numPontosCurva;
  const auto pontosAntes = pontosCurva;
  for (int i = 1; i <= *k; ++i) {
    const int x = pontos[i].x / tamPonto, y = pontos[i].y / tamPonto;
    tracaReta(x, y, x, y);
  }
  numPontosCurva = *k;
  pontosCurva = pontos;
  tracaCurva();
  numPontosCurva = numAntes;
  pontosCurva = pontosAntes;
  return true;
}

// "TEXTO" and "BRAILLE": x, y, size, direction, then the text.
bool executaTexto(std::string& linha, bool braille) {
  if (!leNumeros(linha, 4)) return false;
  const auto tamanho = inteiroEntre(numeros[3], 0, 2);
  const auto direcao = inteiroEntre(numeros[4], 0, 2);
  if (!tamanho || !direcao) return false;
  const int x = pontoX(numeros[1]), y = pontoY(numeros[2]);
  textoDigitado = linha;
  if (braille)
    return desenhaBrailleComando && desenhaBrailleComando(linha, x, y, *direcao, *tamanho);
  return desenhaTextoComando && desenhaTextoComando(linha, x, y, *direcao);
}

}  // namespace

// ---------------------------------------------------------------------------
// Formats

std::string formataF(long double v) {
  if (!std::isfinite(v)) return {};
  // The integer digits of the largest long double, and then some.
  char buf[5000];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
  if (r.ec != std::errc{}) return {};
  std::string s(buf, r.ptr);
  if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string formataE(double v) {
  if (!std::isfinite(v)) return {};
  if (v == 0) v = 0;  // no "-0"
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  if (r.ec != std::errc{}) return {};
  const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t e = s.find('e');
  std::string_view mantissa = s.substr(0, e);
  std::string resultado = mantissa.front() == '-' ? "-" : " ";
  if (mantissa.front() == '-') mantissa.remove_prefix(1);
  resultado += mantissa;
  resultado += 'E';
  resultado += s[e + 1];  // the exponent's sign
  const std::string_view expoente = s.substr(e + 2);
  resultado.append(expoente.size() < 4 ? 4 - expoente.size() : 0, '0');
  resultado += expoente;
  return resultado;
}

// ---------------------------------------------------------------------------
// Writers

void registraReta(double x1, double y1, double x2, double y2) {
  registraCaixa("RETA", x1, y1, x2, y2);
}
void registraRetangulo(double x1, double y1, double x2, double y2) {
  registraCaixa("RETANG", x1, y1, x2, y2);
}
void registraArea(double x1, double y1, double x2, double y2) {
  registraCaixa("AREA", x1, y1, x2, y2);
}
void registraElipse(double x1, double y1, double x2, double y2) {
  registraCaixa("ELIPSE", x1, y1, x2, y2);
}
void registraAreaEliptica(double x1, double y1, double x2, double y2) {
  registraCaixa("AREAEL", x1, y1, x2, y2);
}
void registraCircunferencia(double cx, double cy, double r) { registraRoda("CIRCUNF", cx, cy, r); }
void registraCirculo(double cx, double cy, double r) { registraRoda("CIRCULO", cx, cy, r); }

void registraCurva() {
  if (!registrando) return;
  const int k = std::min(numPontosCurva, maxPontosCurva);
  if (k < 1) return;
  std::string linhas = campoPalavra("CURVA") + std::to_string(k) + "\r\n";
  for (int i = 1; i <= k; ++i) {
    linhas += formataE(pontosCurva[i].x / static_cast<double>(tamPonto));
    linhas += ' ';
    linhas += formataE(pontosCurva[i].y / static_cast<double>(tamPonto));
    linhas += "\r\n";
  }
  gravaRegistro(linhas);
}

void registraTexto(int tamanho, int direcao, const std::string& texto, double x, double y) {
  registraTextoDe("TEXTO", tamanho, direcao, texto, x, y);
}
void registraBraille(int tamanho, int direcao, const std::string& texto, double x, double y) {
  registraTextoDe("BRAILLE", tamanho, direcao, texto, x, y);
}

// ---------------------------------------------------------------------------
// Interpreter

void separaPalavra(std::string& linha, std::string& palavra) {
  const auto branco = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto inicio = std::find_if_not(linha.begin(), linha.end(), branco);
  const auto fim =
      std::find_if_not(linha.rbegin(), std::string::reverse_iterator(inicio), branco).base();
  linha = std::string(inicio, fim);
  const std::size_t espaco = linha.find(' ');
  if (espaco == std::string::npos) {
    palavra = std::move(linha);
    linha.clear();
  } else {
    palavra = linha.substr(0, espaco);
    linha.erase(0, espaco + 1);
  }
}

std::optional<double> leNumero(std::string_view texto) {
  std::string s(texto);
  if (!s.empty() && s.front() == '+') {
    s.erase(0, 1);
    // "+-1" and a sign alone are no numbers.
    if (s.empty() || s.front() == '+' || s.front() == '-') return std::nullopt;
  }
  std::replace(s.begin(), s.end(), ',', '.');
  double v = 0;
  const char* fim = s.data() + s.size();
  const auto r = std::from_chars(s.data(), fim, v, std::chars_format::general);
  if (r.ec != std::errc{} || r.ptr != fim || !std::isfinite(v)) return std::nullopt;
  return v;
}

bool leNumeros(std::string& linha, int n) {
  n = std::min(n, maxNumeros);
  for (int i = 1; i <= n; ++i) {
    std::string palavra;
    separaPalavra(linha, palavra);
    if (palavra.empty()) return true;
    const auto v = leNumero(palavra);
    if (!v) return false;
    numeros[i] = *v;
    if (linha.empty()) return true;
  }
  return true;
}

bool executaComando(std::string linha, const ProximaLinha& proxima) {
  std::string palavra;
  separaPalavra(linha, palavra);
  if (palavra.empty()) return true;
  palavra = cp1252::maiusculas(palavra);
  if (palavra == "ORIGEM" || palavra == "ESCALA") {
    if (!leNumeros(linha, 2)) return false;
    if (palavra == "ORIGEM") {
      origemX = limitaInteiro(numeros[1]);
      origemY = limitaInteiro(numeros[2]);
    } else {
      // A scale of 0 would put every figure on one dot and make the next
      // recording divide by 0.
      if (numeros[1] == 0 || numeros[2] == 0) return false;
      escalaX = numeros[1];
      escalaY = numeros[2];
    }
    return true;
  }
  if (palavra == "RETA" || palavra == "RETANG" || palavra == "AREA" || palavra == "ELIPSE" ||
      palavra == "AREAEL") {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!leRetangulo(linha, x1, y1, x2, y2)) return false;
    if (palavra == "RETA") tracaReta(x1, y1, x2, y2);
    else if (palavra == "RETANG") tracaRetangulo(x1, y1, x2, y2);
    else if (palavra == "AREA") preencheArea(x1, y1, x2, y2);
    else tracaElipse(x1, y1, x2, y2, palavra == "AREAEL");
    return true;
  }
  if (palavra == "CIRCUNF" || palavra == "CIRCULO") {
    int cx = 0, cy = 0, r = 0;
    if (!leCirculo(linha, cx, cy, r)) return false;
    tracaCircunferencia(cx, cy, r, palavra == "CIRCULO");
    return true;
  }
  if (palavra == "CURVA") return executaCurva(linha, proxima);
  if (palavra == "TEXTO" || palavra == "BRAILLE") return executaTexto(linha, palavra == "BRAILLE");
  return false;
}

std::size_t executaComandos(std::string_view conteudo) {
  const plataforma::LeitorLinhas leitor(conteudo, plataforma::RegraFimLinha::lf);
  auto it = leitor.begin();
  std::size_t numero = 0;
  // The point lines of a curve are taken from here; past the end the number
  // names the line that is missing.
  const ProximaLinha proxima = [&]() -> std::optional<std::string> {
    ++numero;
    if (it == std::default_sentinel) return std::nullopt;
    std::string l(it->texto);
    ++it;
    return l;
  };
  while (!(it == std::default_sentinel)) {
    ++numero;
    std::string linha(it->texto);
    ++it;
    if (!executaComando(std::move(linha), proxima)) return numero;
  }
  return 0;
}

// ---------------------------------------------------------------------------
// The window's commands

void iniciaRegistro() {
  auto escolhido = plataforma::servicoMensagens().nomeArquivoSalvar({}, {}, filtroMetaGrafico);
  if (!escolhido || escolhido->empty()) return;
  std::string nome = *escolhido;
  if (!temExtensao(nome)) nome += extensaoPadrao;
  terminaRegistro();

  std::error_code ec;
  const auto estado = std::filesystem::status(plataforma::caminhoSistema(nome), ec);
  std::string conteudo;
  bool ok = false;
  if (std::filesystem::exists(estado)) {
    // An existing file is added to; one that cannot be read (a folder, a
    // device) is never replaced.
    if (std::filesystem::is_regular_file(estado) && plataforma::leArquivo(nome, conteudo)) {
      // The first new line must not be glued to an unfinished last one.
      if (!conteudo.empty() && conteudo.back() != '\n') conteudo += "\r\n";
      ok = plataforma::gravaArquivoSeguro(nome, conteudo);
    }
    if (ok) exibeAviso(avisoArquivoExistente);
  } else {
    ok = plataforma::gravaArquivoSeguro(nome, conteudo);
    if (ok) exibeAviso(avisoArquivoNovo);
  }
  if (!ok) {
    exibeAviso(avisoArquivoInutilizavel);
    return;
  }
  nomeRegistro = nome;
  conteudoRegistro = std::move(conteudo);
  registrando = true;
}

void terminaRegistro() {
  if (!registrando) return;
  registrando = false;
  // Every figure went to the file as it was recorded: nothing is pending.
  exibeAviso(avisoArquivoGravado);
}

void carregaRegistro() {
  terminaRegistro();
  registrando = false;
  const auto escolhido = plataforma::servicoMensagens().nomeArquivoAbrir({}, {}, filtroMetaGrafico);
  if (!escolhido || escolhido->empty()) return;
  std::string conteudo;
  bool lido = plataforma::leArquivo(*escolhido, conteudo);
  if (!lido && !temExtensao(*escolhido))
    lido = plataforma::leArquivo(*escolhido + std::string(extensaoPadrao), conteudo);
  if (!lido) {
    exibeAviso(avisoArquivoNaoAchado);
    return;
  }
  const std::size_t erro = executaComandos(conteudo);
  if (erro != 0) exibeAviso(avisoErroLinha + std::to_string(erro));
}

const std::string& arquivoRegistro() { return nomeRegistro; }

void reiniciaComandos() {
  registrando = false;
  nomeRegistro.clear();
  conteudoRegistro.clear();
  numeros.fill(0);
}

}  // namespace orvento
