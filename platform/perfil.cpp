#include "perfil.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <vector>

#include "arquivos.h"
#include "cp1252.h"
#include "linhas.h"

namespace plataforma {

namespace {

bool ehBranco(char c) { return c == ' ' || c == '\t'; }

std::string_view apara(std::string_view v) {
  while (!v.empty() && ehBranco(v.front())) v.remove_prefix(1);
  while (!v.empty() && ehBranco(v.back())) v.remove_suffix(1);
  return v;
}

bool iguaisSemCaixa(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (cp1252::maiuscula(static_cast<unsigned char>(a[i])) !=
        cp1252::maiuscula(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The section a line opens, if it is a section line.
std::optional<std::string_view> nomeSecao(std::string_view linha) {
  linha = apara(linha);
  if (linha.empty() || linha.front() != '[') return std::nullopt;
  linha.remove_prefix(1);
  const std::size_t fecha = linha.find(']');
  if (fecha != std::string_view::npos) linha = linha.substr(0, fecha);
  return apara(linha);
}

struct ParChave {
  std::string_view chave;
  std::string_view valor;
};

// The key and value of a line, if it has an "=" (comment lines have none).
std::optional<ParChave> parChave(std::string_view linha) {
  const std::string_view semBrancos = apara(linha);
  if (semBrancos.empty() || semBrancos.front() == ';') return std::nullopt;
  const std::size_t igual = semBrancos.find('=');
  if (igual == std::string_view::npos) return std::nullopt;
  return ParChave{apara(semBrancos.substr(0, igual)), apara(semBrancos.substr(igual + 1))};
}

struct Local {
  bool temSecao = false;
  std::size_t fimSecao = 0;            // where a new key of the section goes
  std::optional<LinhaLida> linhaChave;  // the first line of the key, if any
  std::string valor;
};

Local procura(const std::string& conteudo, std::string_view secao, std::string_view chave) {
  Local r;
  bool dentro = false;
  for (const LinhaLida& l : LeitorLinhas(conteudo, RegraFimLinha::lfCrFinal)) {
    const std::string_view texto = l.texto;  // the line without its CR LF
    if (auto nome = nomeSecao(texto)) {
      if (dentro) break;  // only the first section of that name counts
      dentro = iguaisSemCaixa(*nome, secao);
      if (dentro) {
        r.temSecao = true;
        r.fimSecao = l.proxima;
      }
      continue;
    }
    if (!dentro) continue;
    if (!apara(texto).empty()) r.fimSecao = l.proxima;
    if (auto par = parChave(texto); par && iguaisSemCaixa(par->chave, chave)) {
      r.linhaChave = l;
      r.valor = std::string(par->valor);
      break;
    }
  }
  return r;
}

}  // namespace

bool mesmoNomePerfil(std::string_view a, std::string_view b) { return iguaisSemCaixa(a, b); }

std::vector<std::string> secoesPerfil(std::string_view conteudo) {
  std::vector<std::string> secoes;
  for (const LinhaLida& l : LeitorLinhas(conteudo, RegraFimLinha::lfCrFinal))
    if (auto nome = nomeSecao(l.texto)) secoes.emplace_back(*nome);
  return secoes;
}

std::vector<ChavePerfil> chavesPerfil(std::string_view conteudo) {
  std::vector<ChavePerfil> chaves;
  std::string secao;
  for (const LinhaLida& l : LeitorLinhas(conteudo, RegraFimLinha::lfCrFinal)) {
    if (auto nome = nomeSecao(l.texto))
      secao = *nome;
    else if (auto par = parChave(l.texto))
      chaves.push_back({secao, std::string(par->chave)});
  }
  return chaves;
}

std::string caminhoPerfil(std::string_view arquivo) {
  if (arquivo.find('/') != std::string_view::npos) return std::string(arquivo);
  return juntaCaminho(diretorioWindows(), arquivo);
}

std::string lePerfil(std::string_view secao, std::string_view chave, std::string_view padrao,
                     std::size_t tamanhoBuffer, std::string_view arquivo) {
  std::string conteudo;
  std::string valor(padrao);
  if (leArquivo(caminhoPerfil(arquivo), conteudo)) {
    Local l = procura(conteudo, secao, chave);
    if (l.linhaChave) {
      valor = std::move(l.valor);
      if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') &&
          valor.back() == valor.front())
        valor = valor.substr(1, valor.size() - 2);
    }
  }
  if (tamanhoBuffer > 0 && valor.size() > tamanhoBuffer - 1) valor.resize(tamanhoBuffer - 1);
  return valor;
}

namespace {

// Ends the text's last line, so that a line written after it stays a line
// of its own. A last line that ends in a lone CR already ends for the
// reader (a CR LF cut short): it gets only the LF. Another CR LF there
// would leave the CR in the value before it for every later read.
void terminaUltimaLinha(std::string& texto) {
  if (texto.empty() || texto.back() == '\n') return;
  texto += texto.back() == '\r' ? "\n" : "\r\n";
}

// The file's text with one key set, every other byte kept.
std::string comChave(const std::string& conteudo, std::string_view secao, std::string_view chave,
                     std::string_view valor) {
  const std::size_t quebra = valor.find_first_of("\r\n");
  if (quebra != std::string_view::npos) valor = valor.substr(0, quebra);

  const std::string linhaNova = std::string(chave) + "=" + std::string(valor);
  const Local l = procura(conteudo, secao, chave);
  std::string novo;
  if (l.linhaChave) {
    const std::size_t fim = l.linhaChave->inicio + l.linhaChave->texto.size();
    novo = conteudo.substr(0, l.linhaChave->inicio) + linhaNova + conteudo.substr(fim);
  } else if (l.temSecao) {
    std::string antes = conteudo.substr(0, l.fimSecao);
    terminaUltimaLinha(antes);
    novo = antes + linhaNova + "\r\n" + conteudo.substr(l.fimSecao);
  } else {
    novo = conteudo;
    terminaUltimaLinha(novo);
    if (!novo.empty()) novo += "\r\n";
    novo += '[';
    novo += secao;
    novo += "]\r\n";
    novo += linhaNova;
    novo += "\r\n";
  }
  return novo;
}

}  // namespace

LotePerfil::LotePerfil(std::string_view arquivo) : arquivo_(arquivo) {}

void LotePerfil::defineValor(std::string_view secao, std::string_view chave, std::string_view valor) {
  chaves_.push_back({std::string(secao), std::string(chave), std::string(valor)});
}

bool LotePerfil::grava() {
  if (chaves_.empty()) return true;
  const std::string caminho = caminhoPerfil(arquivo_);
  std::string conteudo;
  if (!leArquivo(caminho, conteudo)) {
    // Only a file that does not exist may be started afresh; one that exists
    // but cannot be read would lose its other keys.
    struct stat st {};
    const std::string sistema = caminhoSistema(caminho);
    if (::stat(sistema.c_str(), &st) == 0 || errno != ENOENT) return false;
    conteudo.clear();
  }
  for (const Chave& c : chaves_) conteudo = comChave(conteudo, c.secao, c.chave, c.valor);
  OpcoesGravacao opcoes;
  opcoes.criaPastas = true;
  return gravaArquivo(caminho, conteudo, opcoes).ok;
}

bool gravaPerfil(std::string_view secao, std::string_view chave, std::string_view valor,
                 std::string_view arquivo) {
  LotePerfil lote(arquivo);
  lote.defineValor(secao, chave, valor);
  return lote.grava();
}

}  // namespace plataforma
