#include "copiaconfig.h"

#include "arquivos.h"
#include "brarquivo.h"
#include "brvars.h"
#include "linhas.h"
#include "mensagens.h"
#include "perfil.h"

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

std::string motivoNaoConfiguracao(std::string_view texto) {
  if (texto.find('\0') != std::string_view::npos) return "contém bytes nulos, como um arquivo binário"_cp;
  for (const std::string& secao : plataforma::secoesPerfil(texto))
    if (plataforma::mesmoNomePerfil(secao, "LUMAREL") || plataforma::mesmoNomePerfil(secao, "IMPBRAILLE")) return {};
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
  // The sections are looked for as the copy will have them, every line
  // ending in CR LF.
  const std::string copia = linhasComCrLf(texto);
  if (const std::string motivo = motivoNaoConfiguracao(copia); !motivo.empty()) {
    plataforma::mostraMensagem(mensagemErroCarregarConfig + "\nO arquivo "_cp + *origem + " " + motivo + ".");
    return false;
  }
  plataforma::OpcoesGravacao opcoes;
  opcoes.backup = nomeBackup(destino);
  if (!plataforma::gravaArquivo(destino, copia, opcoes)) {
    plataforma::mostraMensagem(std::string(mensagemErroCarregarConfig));
    return false;
  }
  if (releConfiguracao) releConfiguracao();
  return true;
}
