#include "mensagens.h"

namespace plataforma {

namespace {

// Answers every request as a user who closes it.
class ServicoSilencioso : public ServicoMensagens {
 public:
  Botao mensagem(TipoMensagem, const std::string&, const std::string&,
                 const std::vector<Botao>&) override {
    return Botao::nenhum;
  }
  std::optional<std::string> pergunta(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> nomeArquivoAbrir(const std::string&, const std::string&,
                                              const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> nomeArquivoSalvar(const std::string&, const std::string&,
                                               const std::string&) override {
    return std::nullopt;
  }
  std::optional<EscolhaFonte> escolheFonte(const EscolhaFonte&) override { return std::nullopt; }
  std::optional<EscolhaImpressora> escolheImpressora() override { return std::nullopt; }
};

ServicoSilencioso silencioso;
ServicoMensagens* servicoAtual = &silencioso;

}  // namespace

ServicoMensagens& servicoMensagens() { return *servicoAtual; }

void instalaServicoMensagens(ServicoMensagens* servico) {
  servicoAtual = servico ? servico : &silencioso;
}

void mostraErro(const std::string& texto, const std::string& titulo) {
  servicoMensagens().mensagem(TipoMensagem::erro, titulo, texto, {Botao::ok});
}
void mostraInformacao(const std::string& texto, const std::string& titulo) {
  servicoMensagens().mensagem(TipoMensagem::informacao, titulo, texto, {Botao::ok});
}
void mostraAviso(const std::string& texto, const std::string& titulo) {
  servicoMensagens().mensagem(TipoMensagem::aviso, titulo, texto, {Botao::ok});
}
void mostraMensagem(const std::string& texto, const std::string& titulo) {
  servicoMensagens().mensagem(TipoMensagem::simples, titulo, texto, {Botao::ok});
}

// ---------------------------------------------------------------------------

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
                                                                      const std::string&,
                                                                      const std::string& filtro) {
  return respostaTexto(RegistroMensagem::Tipo::abrir, titulo, filtro);
}

std::optional<std::string> ServicoMensagensGravador::nomeArquivoSalvar(const std::string& titulo,
                                                                       const std::string&,
                                                                       const std::string& filtro) {
  return respostaTexto(RegistroMensagem::Tipo::salvar, titulo, filtro);
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
