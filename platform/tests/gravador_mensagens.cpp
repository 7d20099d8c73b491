#include "gravador_mensagens.h"

namespace plataforma {

void ServicoMensagensGravador::inesperada(const std::string& descricao) {
  inesperadas.push_back(descricao);
  if (aoInesperado) aoInesperado(descricao);
}

Botao ServicoMensagensGravador::mensagem(TipoMensagem tipo, const std::string& titulo,
                                         const std::string& texto,
                                         const std::vector<Botao>& botoes) {
  registro.push_back({RegistroMensagem::Tipo::mensagem, tipo, titulo, texto, botoes});
  if (respostasBotao.empty()) {
    inesperada("message box: " + texto);
    return botoes.empty() ? Botao::nenhum : botoes.front();
  }
  const Botao b = respostasBotao.front();
  respostasBotao.pop_front();
  return b;
}

Botao ServicoMensagensGravador::mensagemUtf8(TipoMensagem tipo, const std::string& titulo,
                                             const std::string& textoUtf8,
                                             const std::vector<Botao>& botoes) {
  const Botao b = mensagem(tipo, titulo, textoUtf8, botoes);
  registro.back().utf8 = true;
  return b;
}

std::optional<std::string> ServicoMensagensGravador::respostaTexto(RegistroMensagem::Tipo pedido,
                                                                   const std::string& titulo,
                                                                   const std::string& texto) {
  registro.push_back({pedido, TipoMensagem::simples, titulo, texto, {}});
  if (respostasTexto.empty()) {
    inesperada("query: " + titulo + " " + texto);
    return std::nullopt;
  }
  auto r = respostasTexto.front();
  respostasTexto.pop_front();
  return r;
}

std::optional<std::string> ServicoMensagensGravador::pergunta(const std::string& titulo,
                                                              const std::string& rotulo,
                                                              const std::string&) {
  return respostaTexto(RegistroMensagem::Tipo::pergunta, titulo, rotulo);
}

std::optional<std::string> ServicoMensagensGravador::nomeArquivoAbrir(const std::string& titulo,
                                                                      const std::string& pasta,
                                                                      const std::string& filtro) {
  auto r = respostaTexto(RegistroMensagem::Tipo::abrir, titulo, filtro);
  registro.back().pasta = pasta;
  return r;
}

std::optional<std::string> ServicoMensagensGravador::nomeArquivoSalvar(const std::string& titulo,
                                                                       const std::string& nomeInicial,
                                                                       const std::string& filtro) {
  auto r = respostaTexto(RegistroMensagem::Tipo::salvar, titulo, filtro);
  registro.back().pasta = nomeInicial;
  return r;
}

std::optional<EscolhaFonte> ServicoMensagensGravador::escolheFonte(const EscolhaFonte&) {
  registro.push_back({RegistroMensagem::Tipo::fonte, TipoMensagem::simples, {}, {}, {}});
  if (respostasFonte.empty()) {
    inesperada("font dialog");
    return std::nullopt;
  }
  auto r = respostasFonte.front();
  respostasFonte.pop_front();
  return r;
}

std::optional<EscolhaImpressora> ServicoMensagensGravador::escolheImpressora() {
  registro.push_back({RegistroMensagem::Tipo::impressora, TipoMensagem::simples, {}, {}, {}});
  if (respostasImpressora.empty()) {
    inesperada("printer dialog");
    return std::nullopt;
  }
  auto r = respostasImpressora.front();
  respostasImpressora.pop_front();
  return r;
}

std::vector<std::string> ServicoMensagensGravador::textos() const {
  std::vector<std::string> r;
  for (const auto& m : registro)
    if (m.pedido == RegistroMensagem::Tipo::mensagem) r.push_back(m.texto);
  return r;
}

void ServicoMensagensGravador::limpa() {
  respostasBotao.clear();
  respostasTexto.clear();
  respostasFonte.clear();
  respostasImpressora.clear();
  registro.clear();
  inesperadas.clear();
}

}  // namespace plataforma
