#include "copiaconfig.h"

#include "arquivos.h"
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

// A name the user gave, or nothing for a cancelled or blank one.
std::optional<std::string> nomeEscolhido(std::optional<std::string> nome) {
  if (!nome || nome->find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return nome;
}

}  // namespace

bool salvaConfiguracao() {
  const auto destino = nomeEscolhido(plataforma::servicoMensagens().nomeArquivoSalvar({}, {}, "*.ini|*.ini"));
  if (!destino) return false;
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
  if (!plataforma::leArquivo(*origem, texto) || !plataforma::gravaArquivoSeguro(destino, linhasComCrLf(texto))) {
    plataforma::mostraMensagem(std::string(mensagemErroCarregarConfig));
    return false;
  }
  if (releConfiguracao) releConfiguracao();
  return true;
}
