#include "mensagens.h"

#include "cp1252.h"

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

Botao ServicoMensagens::mensagemUtf8(TipoMensagem tipo, const std::string& titulo,
                                     const std::string& textoUtf8, const std::vector<Botao>& botoes) {
  return mensagem(tipo, titulo, cp1252::deUtf8(textoUtf8), botoes);
}

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

void mostraNomeRecusado(const std::string& nomeUtf8) {
  servicoMensagens().mensagemUtf8(TipoMensagem::erro, {},
                                  cp1252::paraUtf8("Nome de arquivo que o programa não aceita: "_cp) + nomeUtf8,
                                  {Botao::ok});
}

}  // namespace plataforma
