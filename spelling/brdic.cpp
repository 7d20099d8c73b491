#include "brdic.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <numeric>

#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"

TDicionario dicionario;
TListaSufixos& listaSufixos = dicionario.listaSufixos;
TDicList& listaPalavras = dicionario.listaPalavras;
TListaTexto& listaExcecoes = dicionario.listaExcecoes;
TListaTexto& listaNomes = dicionario.listaNomes;
std::vector<std::string>& listaErrado = dicionario.listaErrado;
std::vector<std::string>& listaCerto = dicionario.listaCerto;

namespace {

unsigned char dobra(char c) { return cp1252::minuscula(static_cast<unsigned char>(c)); }

// Blanks and control characters around a line or a field.
std::string_view apara(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
  while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
  return s.substr(a, b - a);
}

bool ehUtf8Valido(std::string_view s, bool& temNaoAscii) {
  temNaoAscii = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    temNaoAscii = true;
    std::size_t n = 0;
    char32_t v = 0, minimo = 0;
    if ((c & 0xE0) == 0xC0) n = 1, v = c & 0x1F, minimo = 0x80;
    else if ((c & 0xF0) == 0xE0) n = 2, v = c & 0x0F, minimo = 0x800;
    else if ((c & 0xF8) == 0xF0) n = 3, v = c & 0x07, minimo = 0x10000;
    else return false;
    if (i + n >= s.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      v = (v << 6) | (d & 0x3F);
    }
    if (v < minimo || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

// The lines of a dictionary file: LF or CR LF end a line, and never belong to it.
plataforma::LeitorLinhas linhasDe(const std::string& conteudo) {
  return plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::lfCrFinal);
}

bool comentarioOuVazia(std::string_view t) { return t.empty() || t.front() == '*'; }

}  // namespace

// ---------------------------------------------------------------------------
// Comparisons.

int comparaTexto(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = dobra(a[i]), y = dobra(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int comparaTextoExato(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char> with unsigned char: byte order
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void dobraTexto(std::string_view texto, std::string& destino) {
  destino.resize(texto.size());
  for (std::size_t i = 0; i < texto.size(); ++i) destino[i] = static_cast<char>(dobra(texto[i]));
}

std::string dobraTexto(std::string_view texto) {
  std::string r;
  dobraTexto(texto, r);
  return r;
}

// ---------------------------------------------------------------------------
// TDicList.

void TDicList::adiciona(TDicio entrada) { itens_.push_back(std::move(entrada)); }

void TDicList::ordena() {
  std::vector<std::string> chaves(itens_.size());
  for (std::size_t i = 0; i < itens_.size(); ++i) dobraTexto(itens_[i].palavra, chaves[i]);
  std::vector<std::uint32_t> ordem(itens_.size());
  std::iota(ordem.begin(), ordem.end(), 0u);
  std::stable_sort(ordem.begin(), ordem.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return chaves[a] < chaves[b]; });
  std::vector<TDicio> itens;
  itens.reserve(itens_.size());
  chaves_.clear();
  chaves_.reserve(itens_.size());
  for (const std::uint32_t i : ordem) {
    itens.push_back(std::move(itens_[i]));
    chaves_.push_back(std::move(chaves[i]));
  }
  itens_ = std::move(itens);
  indice_.clear();
  indice_.reserve(chaves_.size());
  maior_ = 0;
  for (std::size_t i = 0; i < chaves_.size();) {
    std::size_t fim = i + 1;
    while (fim < chaves_.size() && chaves_[fim] == chaves_[i]) ++fim;
    indice_.emplace(chaves_[i], std::pair<std::uint32_t, std::uint32_t>(
                                    static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(fim)));
    maior_ = std::max(maior_, chaves_[i].size());
    i = fim;
  }
}

void TDicList::limpa() {
  indice_.clear();
  chaves_.clear();
  itens_.clear();
  maior_ = 0;
}

bool TDicList::procuraPalavra(std::string_view palavra, int& indice) const {
  long baixo = 0, alto = static_cast<long>(itens_.size()) - 1;
  bool achou = false;
  while (baixo <= alto) {
    const long meio = (baixo + alto) / 2;
    const int c = comparaTexto(itens_[static_cast<std::size_t>(meio)].palavra, palavra);
    if (c < 0) {
      baixo = meio + 1;
    } else {
      alto = meio - 1;
      if (c == 0) {
        achou = true;
        baixo = meio;
      }
    }
  }
  indice = static_cast<int>(baixo);
  return achou;
}

std::pair<std::size_t, std::size_t> TDicList::entradas(std::string_view dobrada) const {
  const auto i = indice_.find(dobrada);
  if (i == indice_.end()) return {0, 0};
  return {i->second.first, i->second.second};
}

// ---------------------------------------------------------------------------
// TListaSufixos.

TClasseSufixos& TListaSufixos::novaClasse(std::string nome) {
  itens_.push_back({std::move(nome), {}, {}});
  return itens_.back();
}

void TListaSufixos::ordena() {
  std::stable_sort(itens_.begin(), itens_.end(), [](const TClasseSufixos& a, const TClasseSufixos& b) {
    return comparaTexto(a.nome, b.nome) < 0;
  });
  indice_.clear();
  maiorSufixo_ = 0;
  for (std::size_t i = 0; i < itens_.size(); ++i) {
    indice_.emplace(dobraTexto(itens_[i].nome), i);
    for (const auto& s : itens_[i].sufixos) maiorSufixo_ = std::max(maiorSufixo_, s.size());
  }
}

void TListaSufixos::limpa() {
  itens_.clear();
  indice_.clear();
  maiorSufixo_ = 0;
}

const TClasseSufixos* TListaSufixos::procuraDobrado(std::string_view dobrado) const {
  const auto i = indice_.find(dobrado);
  return i == indice_.end() ? nullptr : &itens_[i->second];
}

const TClasseSufixos* TListaSufixos::procura(std::string_view nome) const {
  return procuraDobrado(dobraTexto(nome));
}

// ---------------------------------------------------------------------------
// TListaTexto.

void TListaTexto::adiciona(std::string palavra) {
  maior_ = std::max(maior_, palavra.size());
  itens_.push_back(std::move(palavra));
}

void TListaTexto::ordena() {
  if (sensivel_)
    std::sort(itens_.begin(), itens_.end());
  else
    std::stable_sort(itens_.begin(), itens_.end(),
                     [](const std::string& a, const std::string& b) { return comparaTexto(a, b) < 0; });
}

void TListaTexto::limpa(bool sensivelMaiusculas) {
  sensivel_ = sensivelMaiusculas;
  itens_.clear();
  maior_ = 0;
}

bool TListaTexto::contem(std::string_view palavra) const {
  if (palavra.size() > maior_) return false;
  if (sensivel_) return std::binary_search(itens_.begin(), itens_.end(), palavra, std::less<>{});
  const auto i = std::lower_bound(itens_.begin(), itens_.end(), palavra,
                                  [](const std::string& a, std::string_view b) { return comparaTexto(a, b) < 0; });
  return i != itens_.end() && comparaTexto(*i, palavra) == 0;
}

// ---------------------------------------------------------------------------
// The readers.

bool TDicionario::carregaSufixos(std::string_view arquivo) {
  listaSufixos.limpa();
  std::string conteudo;
  if (!leArquivoDicionario(localizaArquivoDicionario(arquivo), conteudo)) return false;
  TClasseSufixos* atual = nullptr;  // none before the first header, or after a nameless one
  for (const auto& l : linhasDe(conteudo)) {
    const std::string_view t = apara(l.texto);
    if (comentarioOuVazia(t)) continue;
    if (t.front() == '[') {
      std::string_view nome = t.substr(1);
      if (!nome.empty() && nome.back() == ']') nome.remove_suffix(1);
      nome = apara(nome);
      atual = nome.empty() ? nullptr : &listaSufixos.novaClasse(std::string(nome));
    } else if (atual) {
      atual->sufixos.emplace_back(t);
      atual->dobrados.insert(dobraTexto(t));
    }
    // A suffix before any class header belongs to no class and is skipped.
  }
  listaSufixos.ordena();
  return true;
}

bool TDicionario::carregaPalavras(std::string_view arquivo) {
  listaPalavras.limpa();
  std::string conteudo;
  if (!leArquivoDicionario(localizaArquivoDicionario(arquivo), conteudo)) return false;
  for (const auto& l : linhasDe(conteudo)) {
    const std::string_view t = apara(l.texto);
    if (comentarioOuVazia(t)) continue;
    const std::size_t branco = t.find(' ');
    if (branco == std::string_view::npos)
      listaPalavras.adiciona(TDicio(std::string(t), "="));
    else
      listaPalavras.adiciona(
          TDicio(std::string(t.substr(0, branco)), std::string(apara(t.substr(branco + 1, 999)))));
  }
  listaPalavras.ordena();
  return true;
}

bool TDicionario::carregaLista(TListaTexto& lista, std::string_view arquivo, bool sensivelMaiusculas) {
  lista.limpa(sensivelMaiusculas);
  std::string conteudo;
  if (!leArquivoDicionario(localizaArquivoDicionario(arquivo), conteudo)) return false;
  for (const auto& l : linhasDe(conteudo)) {
    const std::string_view t = apara(l.texto);
    if (!comentarioOuVazia(t)) lista.adiciona(std::string(t));
  }
  lista.ordena();
  return true;
}

bool TDicionario::carregaSugestoes(std::string_view arquivo) {
  listaErrado.clear();
  listaCerto.clear();
  std::string conteudo;
  if (!leArquivoDicionario(localizaArquivoDicionario(arquivo), conteudo)) return false;
  for (const auto& l : linhasDe(conteudo)) {
    const std::string_view t = l.texto;
    if (t.empty()) continue;
    const std::size_t igual = t.find('=');
    if (igual == std::string_view::npos || igual == 0) {
      plataforma::mostraMensagem("Linha errada no arquivo " + std::string(arquivo) + ": " +
                                 std::string(t));
      return false;
    }
    listaErrado.emplace_back(apara(t.substr(0, igual)));
    listaCerto.emplace_back(apara(t.substr(igual + 1, 99)));
  }
  return true;
}

int TDicionario::monta(std::string_view arqDic, std::string_view arqSufixos,
                       std::string_view arqExcecoes, std::string_view arqNomes,
                       std::string_view arqSugestoes) {
  desmonta();
  if (!carregaSufixos(arqSufixos)) return 2;
  if (!carregaPalavras(arqDic)) return 1;
  if (!carregaLista(listaExcecoes, arqExcecoes, false)) return 3;
  if (!carregaLista(listaNomes, arqNomes, true)) return 4;
  if (!carregaSugestoes(arqSugestoes)) return 5;
  return 0;
}

void TDicionario::desmonta() {
  listaSufixos.limpa();
  listaPalavras.limpa();
  listaExcecoes.limpa(false);
  listaNomes.limpa(true);
  listaErrado.clear();
  listaCerto.clear();
  sufixosAvisados_.clear();
}

bool carregaSufixos(std::string_view arquivo) { return dicionario.carregaSufixos(arquivo); }
bool carregaPalavras(std::string_view arquivo) { return dicionario.carregaPalavras(arquivo); }
bool carregaLista(TListaTexto& lista, std::string_view arquivo, bool sensivelMaiusculas) {
  return dicionario.carregaLista(lista, arquivo, sensivelMaiusculas);
}
bool carregaSugestoes(std::string_view arquivo) { return dicionario.carregaSugestoes(arquivo); }

int montaDicionario(std::string_view arqDic, std::string_view arqSufixos,
                    std::string_view arqExcecoes, std::string_view arqNomes,
                    std::string_view arqSugestoes) {
  return dicionario.monta(arqDic, arqSufixos, arqExcecoes, arqNomes, arqSugestoes);
}

int montaDicionarioConfigurado() {
  const TConfiguracao& c = configuracao;
  return montaDicionario(c.ARQDIC, c.ARQSUFIXOS, c.ARQINEXIST, c.ARQNOMES, c.ARQSUGERE);
}

void desmontaDicionario() { dicionario.desmonta(); }

// ---------------------------------------------------------------------------
// Files.

namespace {

bool existe(const std::string& nome, bool* pasta = nullptr) {
  struct stat st {};
  const bool r = ::stat(plataforma::caminhoSistema(nome).c_str(), &st) == 0;
  if (pasta) *pasta = r && S_ISDIR(st.st_mode);
  return r;
}

bool absoluto(std::string_view nome) { return !nome.empty() && nome.front() == '/'; }

}  // namespace

std::string localizaArquivoDicionario(std::string_view nome) {
  if (absoluto(nome)) return std::string(nome);
  std::string local = plataforma::juntaCaminho(plataforma::diretorioWindows(), nome);
  if (existe(local)) return local;
  return plataforma::juntaCaminho(dirPrograma, nome);
}

bool leArquivoDicionario(std::string_view nome, std::string& conteudo) {
  if (!plataforma::leArquivo(nome, conteudo)) return false;
  bool naoAscii = false;
  if (ehUtf8Valido(conteudo, naoAscii) && naoAscii) {
    std::string_view texto = conteudo;
    if (texto.starts_with("\xEF\xBB\xBF")) texto.remove_prefix(3);
    conteudo = cp1252::deUtf8(texto);
  }
  return true;
}

CopiaEditavel arquivoEditavel(std::string_view nome) {
  CopiaEditavel r;
  if (absoluto(nome)) {
    r.ok = true;
    r.caminho = std::string(nome);
    return r;
  }
  r.caminho = plataforma::juntaCaminho(plataforma::diretorioWindows(), nome);
  bool pasta = false;
  if (existe(r.caminho, &pasta)) {
    r.ok = !pasta;
    if (pasta) r.motivo = plataforma::motivoErro(EISDIR);
    return r;
  }
  std::string original;
  if (!plataforma::leArquivo(plataforma::juntaCaminho(dirPrograma, nome), original)) original.clear();
  plataforma::OpcoesGravacao opcoes;
  opcoes.criaPastas = true;
  const auto gravado = plataforma::gravaArquivo(r.caminho, original, opcoes);
  r.ok = gravado.ok;
  if (!r.ok) r.motivo = plataforma::motivoFalha(gravado);
  return r;
}

CopiaEditavel arquivoNomesEditavel() { return arquivoEditavel(configuracao.ARQNOMES); }
CopiaEditavel arquivoExcecoesEditavel() { return arquivoEditavel(configuracao.ARQINEXIST); }
