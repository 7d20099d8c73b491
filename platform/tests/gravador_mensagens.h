// The message service of the tests: it logs every request (kind, title, text,
// buttons) and answers from a script; a request the script did not expect is
// recorded and reported, so that a test never waits for a user.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mensagens.h"

namespace plataforma {

struct RegistroMensagem {
  enum class Tipo { mensagem, pergunta, abrir, salvar, fonte, impressora } pedido;
  TipoMensagem tipo = TipoMensagem::simples;
  std::string titulo;
  std::string texto;
  std::vector<Botao> botoes;
  bool utf8 = false;  // the text came in UTF-8 (mensagemUtf8) and is kept so
  std::string pasta{};  // where a file dialog starts (folder or initial name)
};

class ServicoMensagensGravador : public ServicoMensagens {
 public:
  // What the next request of each kind answers, in order.
  std::deque<Botao> respostasBotao;
  std::deque<std::optional<std::string>> respostasTexto;  // queries and file names
  std::deque<std::optional<EscolhaFonte>> respostasFonte;
  std::deque<std::optional<EscolhaImpressora>> respostasImpressora;

  // Every request, in order.
  std::vector<RegistroMensagem> registro;
  // Requests that found no scripted answer; tests expect none.
  std::vector<std::string> inesperadas;
  // Called for each unexpected request (tests make it a failure).
  std::function<void(const std::string&)> aoInesperado;

  Botao mensagem(TipoMensagem tipo, const std::string& titulo, const std::string& texto,
                 const std::vector<Botao>& botoes) override;
  // Records the text as it came, in UTF-8.
  Botao mensagemUtf8(TipoMensagem tipo, const std::string& titulo, const std::string& textoUtf8,
                     const std::vector<Botao>& botoes) override;
  std::optional<std::string> pergunta(const std::string& titulo, const std::string& rotulo,
                                      const std::string& valorInicial) override;
  std::optional<std::string> nomeArquivoAbrir(const std::string& titulo, const std::string& pasta,
                                              const std::string& filtro) override;
  std::optional<std::string> nomeArquivoSalvar(const std::string& titulo,
                                               const std::string& nomeInicial,
                                               const std::string& filtro) override;
  std::optional<EscolhaFonte> escolheFonte(const EscolhaFonte& atual) override;
  std::optional<EscolhaImpressora> escolheImpressora() override;

  // The texts of the message boxes shown, in order.
  std::vector<std::string> textos() const;
  void limpa();

 private:
  void inesperada(const std::string& descricao);
  std::optional<std::string> respostaTexto(RegistroMensagem::Tipo pedido, const std::string& titulo,
                                           const std::string& texto);
};

}  // namespace plataforma
