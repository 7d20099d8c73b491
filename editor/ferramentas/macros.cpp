#include "macros.h"

#include <algorithm>

#include "arquivos.h"
#include "brvars.h"
#include "cp1252.h"
#include "linhas.h"
#include "mensagens.h"

namespace {

constexpr char crase = '`';
constexpr char branco = ' ';

}  // namespace

void TabelaMacros::limpa() {
  codigos_.clear();
  substituicoes_.clear();
  for (auto& l : porSegundoByte_) l.clear();
  soCrase_.clear();
}

bool TabelaMacros::acrescenta(std::string codigo, std::string substituicao) {
  if (numMacros() >= maxMacros) return false;
  const int k = numMacros();
  if (codigo.size() < 2)
    soCrase_.push_back(k);
  else
    porSegundoByte_[static_cast<unsigned char>(codigo[1])].push_back(k);
  codigos_.push_back(std::move(codigo));
  substituicoes_.push_back(std::move(substituicao));
  return true;
}

int TabelaMacros::primeiraQueCasa(std::string_view linha, std::size_t posicao) const {
  if (posicao >= linha.size()) return -1;
  const std::string_view resto = linha.substr(posicao);
  // A code that is the grave accent alone matches every grave accent: only
  // entries before it can win.
  const int limite = soCrase_.empty() ? numMacros() : soCrase_.front();
  if (resto.size() >= 2) {
    for (const int k : porSegundoByte_[static_cast<unsigned char>(resto[1])]) {
      if (k >= limite) break;
      if (resto.starts_with(codigos_[static_cast<std::size_t>(k)])) return k;
    }
  }
  return limite < numMacros() && resto.starts_with(codigos_[static_cast<std::size_t>(limite)]) ? limite : -1;
}

bool carregaMacros(std::string_view conteudo, TabelaMacros& tabela) {
  tabela.limpa();
  // The same line ends as documents, so that line numbers match what the
  // editor shows for the file; a CR is never part of a code.
  for (const auto& l : plataforma::LeitorLinhas(conteudo, plataforma::RegraFimLinha::crLfLfOuCr)) {
    const std::string_view t = l.texto;
    if (t.empty() || t.front() == ';') continue;
    if (t.front() != crase) {
      plataforma::mostraMensagem("Codigo inválido na linha "_cp + std::to_string(l.numero));
      return false;
    }
    const std::size_t fimCodigo = std::min(t.find(branco), t.size());
    const std::size_t inicio = std::min(t.find_first_not_of(branco, fimCodigo), t.size());
    const std::size_t fim = std::min(t.find(branco, inicio), t.size());
    if (!tabela.acrescenta(std::string(t.substr(0, fimCodigo)), std::string(t.substr(inicio, fim - inicio)))) {
      // The macros read so far still serve.
      plataforma::mostraMensagem("Mais de " + std::to_string(maxMacros) +
                                 " macros: ignoradas a partir da linha " + std::to_string(l.numero));
      return true;
    }
  }
  return true;
}

ResultadoMacro buscaMacro(const TabelaMacros& tabela, std::string_view linha, std::size_t posicao) {
  const int k = tabela.primeiraQueCasa(linha, posicao);
  if (k < 0) return {std::string_view(&crase, 1), 1};
  return {tabela.substituicao(k), tabela.codigo(k).size()};
}

std::string expandeLinha(const TabelaMacros& tabela, std::string_view linha) {
  std::string r;
  r.reserve(linha.size());
  std::size_t p = 0;
  while (p < linha.size()) {
    const std::size_t q = linha.find(crase, p);
    if (q == std::string_view::npos) {
      r.append(linha.substr(p));
      break;
    }
    r.append(linha.substr(p, q - p));
    const ResultadoMacro m = buscaMacro(tabela, linha, q);
    r.append(m.substituicao);
    p = q + m.consumidos;
  }
  return r;
}

void aplicaMacros(const TabelaMacros& tabela, LinhasEditor& editor) {
  const LinhaColuna inicio = editor.inicioSelecao();
  const LinhaColuna fim = editor.fimSelecao();
  int ultima = fim.linha;
  if (fim.coluna == 0 && fim.linha > inicio.linha) --ultima;
  // Lines past the end read as empty and stay so: nothing to append.
  ultima = std::min(ultima, editor.numeroLinhas() - 1);
  const EdicaoUnica edicao(editor);
  for (int i = std::max(inicio.linha, 0); i <= ultima; ++i) {
    const std::string antiga = editor.linha(i);
    // A line without a code is not written again, so that a selection with
    // nothing to expand leaves the document as it was.
    if (antiga.find(crase) == std::string::npos) continue;
    std::string nova = expandeLinha(tabela, antiga);
    if (nova != antiga) editor.defineLinha(i, nova);
  }
}

bool processaMacros(const std::string& nome, TabelaMacros& tabela, LinhasEditor* editor) {
  if (nome.empty() || nome.front() == branco) {
    plataforma::mostraMensagem("Arquivo inválido"_cp);
    return false;
  }
  std::string conteudo;
  if (!plataforma::leArquivo(nome, conteudo)) {
    plataforma::mostraMensagem("Arquivo de macros não existe"_cp);
    return false;
  }
  // A settings file that cannot be written costs only the remembered name:
  // the expansion still runs.
  gravaAmbMacro(nome);
  if (carregaMacros(conteudo, tabela) && editor) aplicaMacros(tabela, *editor);
  return true;
}
