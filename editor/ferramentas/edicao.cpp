#include "edicao.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "arquivos.h"
#include "brarquivo.h"
#include "brcodigo.h"
#include "brgerador.h"
#include "brtraduz.h"
#include "cp1252.h"
#include "mensagens.h"

namespace {

// ---------------------------------------------------------------------------
// Find.

struct Tabelas {
  std::array<unsigned char, 256> dobra{};  // the byte compared without case
  std::array<bool, 256> palavra{};         // letter or digit of the code page
};

const Tabelas& tabelas() {
  static const Tabelas t = [] {
    Tabelas r;
    for (int i = 0; i < 256; ++i) {
      const auto c = static_cast<unsigned char>(i);
      r.dobra[c] = cp1252::minuscula(c);
      const bool temCaixa = cp1252::maiuscula(c) != c || cp1252::minuscula(c) != c;
      const bool letra = (temCaixa || letrasMaiusculas(c) || letrasMinusculas(c)) && c != 215 && c != 247;
      r.palavra[c] = letra || (c >= '0' && c <= '9');
    }
    return r;
  }();
  return t;
}

// A line break is CR LF to the editor's count of characters.
inline std::size_t custo(char c) { return c == '\n' ? 2 : 1; }

// The end of the search window that starts at `inicio`, kept as the start
// moves on so that replacing all scans the text once.
class Janela {
 public:
  Janela(std::string_view texto, std::size_t inicio) : texto_(texto), inicio_(inicio), fim_(inicio) {
    estende();
  }
  std::size_t fim() const { return fim_; }
  // The start moves to `novo` (not past the end of the window).
  void avanca(std::size_t novo) {
    for (; inicio_ < novo; ++inicio_) usado_ -= custo(texto_[inicio_]);
    estende();
  }

 private:
  void estende() {
    while (fim_ < texto_.size()) {
      const std::size_t c = custo(texto_[fim_]);
      if (usado_ + c > static_cast<std::size_t>(janelaBusca)) break;
      usado_ += c;
      ++fim_;
    }
  }
  std::string_view texto_;
  std::size_t inicio_;
  std::size_t fim_;
  std::size_t usado_ = 0;
};

bool ehPalavra(int c) { return c >= 0 && tabelas().palavra[static_cast<unsigned char>(c)]; }

// The first match in texto[inicio, fim); `antes` is the character before
// texto[inicio] for the whole-word test. `alvo` is already folded when the
// case does not count.
std::optional<std::size_t> buscaEntre(std::string_view texto, std::size_t inicio, std::size_t fim,
                                      std::string_view alvo, OpcoesBusca opcoes, int antes) {
  const std::size_t m = alvo.size();
  if (m == 0 || fim < inicio || fim - inicio < m) return std::nullopt;
  const auto& dobra = tabelas().dobra;
  const std::size_t ultimo = fim - m;  // the last start that fits
  std::size_t pos = inicio;
  while (pos <= ultimo) {
    std::size_t achado = std::string_view::npos;
    if (opcoes.maiusculas) {
      achado = texto.substr(0, fim).find(alvo, pos);
    } else {
      const auto primeiro = static_cast<unsigned char>(alvo[0]);
      for (std::size_t i = pos; i <= ultimo; ++i) {
        if (dobra[static_cast<unsigned char>(texto[i])] != primeiro) continue;
        std::size_t k = 1;
        while (k < m && dobra[static_cast<unsigned char>(texto[i + k])] == static_cast<unsigned char>(alvo[k])) ++k;
        if (k == m) {
          achado = i;
          break;
        }
      }
    }
    if (achado == std::string_view::npos) return std::nullopt;
    if (!opcoes.palavraInteira) return achado;
    const int anterior = achado == inicio ? antes : static_cast<unsigned char>(texto[achado - 1]);
    const int seguinte = achado + m < texto.size() ? static_cast<unsigned char>(texto[achado + m]) : -1;
    if (!ehPalavra(anterior) && !ehPalavra(seguinte)) return achado;
    pos = achado + 1;
  }
  return std::nullopt;
}

std::string dobraAlvo(std::string_view alvo, OpcoesBusca opcoes) {
  std::string r(alvo);
  if (!opcoes.maiusculas)
    for (char& c : r) c = static_cast<char>(tabelas().dobra[static_cast<unsigned char>(c)]);
  return r;
}

int caractereAntes(std::string_view texto, std::size_t inicio) {
  return inicio > 0 && inicio <= texto.size() ? static_cast<unsigned char>(texto[inicio - 1]) : -1;
}

// ---------------------------------------------------------------------------
// The margin, on views so that cutting a long line again and again copies
// nothing.

struct Corte {
  std::size_t fica;
  std::string_view resto;
};

std::string_view semBrancosFinais(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::optional<Corte> corta(std::string_view linha, int maxCol, std::optional<int> coluna) {
  const auto margem = static_cast<std::size_t>(std::max(maxCol, 1));
  const std::string_view s = semBrancosFinais(linha);
  const std::size_t n = s.size();
  const std::size_t branco = s.find(' ');
  const std::size_t p = branco == std::string_view::npos ? 0 : branco + 1;  // from 1
  // A first word longer than the line can hold goes with its blank.
  if (p > margem) return Corte{p, apara(s.substr(p))};
  const bool passa = coluna ? *coluna > maxCol : n > margem;
  if (!passa || p == 0) return std::nullopt;
  // The last blank that still fits (the blank right after the margin does),
  // looking no further than the first character at the margin.
  std::size_t corte = 0;
  for (std::size_t j = 1; j <= n; ++j) {
    if (s[j - 1] == ' ' && j <= margem + 1)
      corte = j;
    else if (j >= margem)
      break;
  }
  return Corte{corte, apara(s.substr(corte))};
}

bool ehBrancoOuControle(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

// ---------------------------------------------------------------------------

std::optional<std::size_t> localizaTexto(std::string_view texto, std::size_t inicio,
                                         std::string_view alvo, OpcoesBusca opcoes,
                                         std::optional<int> antes) {
  if (alvo.empty() || inicio > texto.size()) return std::nullopt;
  const Janela janela(texto, inicio);
  return buscaEntre(texto, inicio, janela.fim(), dobraAlvo(alvo, opcoes), opcoes,
                    antes ? *antes : caractereAntes(texto, inicio));
}

SubstituicaoTotal substituiTodas(std::string_view texto, std::size_t inicio, std::string_view alvo,
                                 std::string_view novo, OpcoesBusca opcoes) {
  SubstituicaoTotal r;
  r.inicio = r.fim = std::min(inicio, texto.size());
  if (alvo.empty() || inicio > texto.size()) return r;
  const std::string procurado = dobraAlvo(alvo, opcoes);
  Janela janela(texto, inicio);
  std::size_t pos = inicio;
  int antes = caractereAntes(texto, inicio);
  while (auto achado = buscaEntre(texto, pos, janela.fim(), procurado, opcoes, antes)) {
    if (r.quantidade == 0)
      r.inicio = *achado;
    else
      r.trecho.append(texto.substr(pos, *achado - pos));
    r.trecho.append(novo);
    ++r.quantidade;
    pos = *achado + alvo.size();
    r.fim = pos;
    // The next search starts after the replacement: the character before it
    // is the replacement's last, or, when it is empty, what came before.
    if (!r.trecho.empty())
      antes = static_cast<unsigned char>(r.trecho.back());
    else
      antes = caractereAntes(texto, r.inicio);
    janela.avanca(pos);
  }
  return r;
}

void tiraBrancosFinais(std::string& s) {
  s.resize(semBrancosFinais(s).size());
}

std::string_view apara(std::string_view s) {
  while (!s.empty() && ehBrancoOuControle(s.front())) s.remove_prefix(1);
  while (!s.empty() && ehBrancoOuControle(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<CorteMargem> corteMargem(std::string_view linha, int maxCol, std::optional<int> coluna) {
  const auto c = corta(linha, maxCol, coluna);
  if (!c) return std::nullopt;
  return CorteMargem{c->fica, std::string(c->resto)};
}

std::vector<std::string> divideLinhasGrandes(const std::vector<std::string>& linhas, int maxCol) {
  std::vector<std::string> r;
  r.reserve(linhas.size());
  for (const auto& linha : linhas) {
    std::string_view atual = linha;
    while (const auto c = corta(atual, maxCol, std::nullopt)) {
      r.emplace_back(atual.substr(0, c->fica));
      atual = c->resto;
    }
    r.emplace_back(atual);
  }
  return r;
}

std::optional<QuebraDigitada> quebraDigitada(std::string_view linha, int coluna, int maxCol) {
  const auto c = corta(linha, maxCol, coluna);
  if (!c) return std::nullopt;
  QuebraDigitada q;
  q.linha = std::string(linha.substr(0, c->fica));
  // The moved part comes from the line as typed: its end blanks before the
  // caret were typed on purpose and stay.
  std::size_t inicio = c->fica;
  while (inicio < linha.size() && ehBrancoOuControle(linha[inicio])) ++inicio;
  std::size_t fim = linha.size();
  while (fim > inicio && ehBrancoOuControle(linha[fim - 1])) --fim;
  const std::size_t cursor = coluna > 1 ? std::min(static_cast<std::size_t>(coluna - 1), linha.size()) : 0;
  fim = std::max(fim, cursor);
  if (fim > inicio) q.nova = std::string(linha.substr(inicio, fim - inicio));
  const auto fica = static_cast<long long>(c->fica);
  if (coluna <= fica) {
    q.colunaCursor = std::max(coluna - 1, 0);
  } else {
    q.cursorNaNova = true;
    const auto d = static_cast<long long>(inicio) - fica;
    q.colunaCursor = static_cast<int>(std::max(0LL, coluna - 1 - fica - d));
  }
  return q;
}

bool eliminaFormatacoes(std::vector<std::string>& linhas) {
  for (auto& l : linhas) expandeTabs(l);
  // Our own file: mkstemps creates it with O_EXCL, so no file or link that
  // was there already is ever written through.
  std::string nome = plataforma::pastaTemporaria() + "lumarelXXXXXX.tmp";
  std::string modelo = plataforma::caminhoSistema(nome);
  constexpr int sufixo = 4;  // ".tmp"
  const int fd = ::mkstemps(modelo.data(), sufixo);
  if (fd < 0) {
    plataforma::mostraErro("Erro ao gravar " + nome);
    return false;
  }
  // The six letters mkstemps chose are ASCII, the same in both encodings.
  nome.replace(nome.size() - sufixo - 6, 6, modelo.substr(modelo.size() - sufixo - 6, 6));
  const std::string conteudo = juntaLinhas(linhas);
  bool gravou = true;
  for (std::size_t feito = 0; feito < conteudo.size();) {
    const ssize_t n = ::write(fd, conteudo.data() + feito, conteudo.size() - feito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      gravou = false;
      break;
    }
    feito += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) gravou = false;
  std::string lido;
  const bool leu = gravou && plataforma::leArquivo(nome, lido);
  ::unlink(modelo.c_str());
  if (!gravou) {
    plataforma::mostraErro("Erro ao gravar " + nome);
    return false;
  }
  if (!leu) {
    plataforma::mostraErro("Erro ao ler " + nome);
    return false;
  }
  linhas = separaLinhas(lido);
  return true;
}

std::optional<std::string> textoMetaBraille(int primeira, int ultima, int numeroLinhas,
                                            const TraduzLinhaDocumento& traduz) {
  std::string r;
  const int ate = std::min(ultima, numeroLinhas - 1);
  for (int i = std::max(primeira, 0); i <= ate; ++i) {
    if (r.size() > limiteMetaBraille) break;
    std::string s;
    if (!traduz(i, s)) return std::nullopt;
    for (char& c : s) {
      if (c >= '1' && c <= '9')
        c = static_cast<char>('a' + (c - '1'));
      else if (c == '0')
        c = 'j';
    }
    r += s;
    r += "\r\n";
  }
  return r;
}

std::optional<std::string> copiaMetaBraille(const std::vector<std::string>& linhas, int primeira,
                                            int ultima) {
  tabelaImpressora = tabelaIdentidade();
  return textoMetaBraille(primeira, ultima, static_cast<int>(linhas.size()),
                          [&](int i, std::string& s) { return traduzLinha(linhas, i, s); });
}
