#include "copiaconfig.h"

#include "arquivos.h"
#include "brarquivo.h"
#include "brvars.h"
#include "linhas.h"
#include "mensagens.h"

std::string arquivoConfiguracao() { return plataforma::juntaCaminho(plataforma::diretorioWindows(), arquivoIni); }

std::string linhasComCrLf(std::string_view texto) {
  std::string r;
  r.reserve(texto.size() + texto.size() / 16);
  for (const auto& l : plataforma::LeitorLinhas(texto, plataforma::RegraFimLinha::crLfLfOuCr)) {
    r += l.texto;
    r += "\r\n";
  }
  return r;
}

namespace {

std::string_view semBrancos(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The line opens the section `nome`, as the profile reader sees it: blanks
// around, the name up to "]" (or the line's end), blanks inside the
// brackets and case not counting.
bool abreSecao(std::string_view linha, std::string_view nome) {
  linha = semBrancos(linha);
  if (linha.empty() || linha.front() != '[') return false;
  linha.remove_prefix(1);
  return cp1252::maiusculas(semBrancos(linha.substr(0, linha.find(']')))) == nome;
}

}  // namespace

std::string motivoNaoConfiguracao(std::string_view texto) {
  if (texto.find('\0') != std::string_view::npos) return "contém bytes nulos, como um arquivo binário"_cp;
  for (const auto& l : plataforma::LeitorLinhas(texto, plataforma::RegraFimLinha::crLfLfOuCr))
    if (abreSecao(l.texto, "LUMAREL") || abreSecao(l.texto, "IMPBRAILLE")) return {};
  return "não tem a seção [LUMAREL] nem a seção [IMPBRAILLE]"_cp;
}

namespace {

// A name the user gave, or nothing for a cancelled or blank one.
std::optional<std::string> nomeEscolhido(std::optional<std::string> nome) {
  if (!nome || nome->find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return nome;
}

}  // namespace

bool salvaConfiguracao() {
  auto destino = nomeEscolhido(plataforma::servicoMensagens().nomeArquivoSalvar({}, {}, "*.ini|*.ini"));
  if (!destino) return false;
  *destino = plataforma::comExtensao(*destino, ".ini");
  std::string texto;
  const std::string origem = arquivoConfiguracao();
  if (plataforma::mesmoArquivo(*destino, origem)) return true;  // already the same lines
  if (!plataforma::leArquivo(origem, texto) || !plataforma::gravaArquivoSeguro(*destino, linhasComCrLf(texto))) {
    plataforma::mostraMensagem(std::string(mensagemErroSalvarConfig));
    return false;
  }
  return true;
}

bool carregaConfiguracao(const std::function<void()>& releConfiguracao) {
  const auto origem = nomeEscolhido(plataforma::servicoMensagens().nomeArquivoAbrir({}, {}, "*.INI|*.INI"));
  if (!origem) return false;
  const std::string destino = arquivoConfiguracao();
  if (plataforma::mesmoArquivo(*origem, destino)) return true;
  std::string texto;
  if (!plataforma::leArquivo(*origem, texto)) {
    plataforma::mostraMensagem(std::string(mensagemErroCarregarConfig));
    return false;
  }
  // Copied byte for byte, any other file would leave every setting at its
  // default, with no word said.
  if (const std::string motivo = motivoNaoConfiguracao(texto); !motivo.empty()) {
    plataforma::mostraMensagem(mensagemErroCarregarConfig + "\nO arquivo "_cp + *origem + " " + motivo + ".");
    return false;
  }
  plataforma::OpcoesGravacao opcoes;
  opcoes.backup = nomeBackup(destino);
  if (!plataforma::gravaArquivo(destino, linhasComCrLf(texto), opcoes)) {
    plataforma::mostraMensagem(std::string(mensagemErroCarregarConfig));
    return false;
  }
  if (releConfiguracao) releConfiguracao();
  return true;
}
